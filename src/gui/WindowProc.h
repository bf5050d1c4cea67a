#pragma once
// The one window procedure of the framework and what sits around it: window-class registration,
// the link from a window handle to its control, and the hidden utility window that carries deferred
// calls. No exception leaves a window procedure: each is reported through the
// application's handler and the window lives on.
#include <windows.h>

#include <functional>
#include <string>

namespace gui {

class WinControl;

// Registers the class once and returns the name to create windows with (the base name, or a variant
// of it when the base name is taken by another class style). Empty when the platform refuses. Every
// window of the framework uses frameworkWindowProc and keeps its control in the window's extra bytes.
std::wstring registerWindowClass(const std::wstring& baseName, UINT classStyle);

LRESULT CALLBACK frameworkWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// The control of one of the framework's windows, or null for any other window.
WinControl* findControl(HWND window);

// Creates the window of control. The control is linked before the first message arrives, so its
// hooks see the creation messages (WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE).
// Returns null when the platform refuses.
HWND createControlWindow(WinControl& control, DWORD exStyle, const std::wstring& className,
                         const std::wstring& caption, DWORD style, int x, int y, int width, int height,
                         HWND parent);

// Runs fn and reports any exception through the application's handler instead of letting it go on.
void guardedCall(const std::function<void()>& fn);

// The hidden message-only window that carries deferred calls; made on first use.
HWND utilityWindow();
// Calls fn from the message loop later (the framework's "release" of a window that is still handling
// a message of its own).
void postCall(std::function<void()> fn);

} // namespace gui
