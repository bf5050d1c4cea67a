#pragma once
// Helpers for the windowing tests: pumping messages for a while, rendering a window control
// off-screen, and real mouse input.
#include "core/FBitmap.h"
#include "gui/Application.h"
#include "gui/Bitmap.h"
#include "gui/WinControl.h"

#include <windows.h>

#include <functional>

namespace testing_support {

// Dispatches messages until done() or timeoutMs pass; returns done().
inline bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 2000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs)
            return done();
        gui::application().processMessages();
        Sleep(1);
    }
    return true;
}

inline void pumpFor(DWORD ms) {
    pumpUntil([] { return false; }, ms);
}

// What the control shows in its client area, painted off-screen.
inline core::FBitmap renderClient(gui::WinControl& control) {
    const core::Rect client = control.clientRect();
    gui::Bitmap bitmap(client.width(), client.height());
    control.paintWindow(bitmap.dc(), client);
    GdiFlush();
    return bitmap.toFBitmap();
}

// Moves the real mouse to a screen point and presses and releases the left button there.
inline void sendMouseMove(int x, int y) {
    const int w = GetSystemMetrics(SM_CXSCREEN) - 1;
    const int h = GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = LONG((x * 65535 + w / 2) / w);
    in.mi.dy = LONG((y * 65535 + h / 2) / h);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
}

inline void sendMouseButton(bool down) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &in, sizeof in);
}

} // namespace testing_support
