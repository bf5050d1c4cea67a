#include "gui/WindowProc.h"

#include "gui/Application.h"
#include "gui/WinControl.h"

#include <deque>
#include <map>

namespace gui {

namespace {

// The control whose window CreateWindowExW is making right now; linked at its first message.
thread_local WinControl* t_creating = nullptr;

constexpr UINT postedCallMessage = WM_APP + 0x100;

std::deque<std::function<void()>>& postedCalls() {
    static std::deque<std::function<void()>> calls;
    return calls;
}

LRESULT CALLBACK utilityWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case postedCallMessage: {
        auto& calls = postedCalls();
        if (!calls.empty()) {
            std::function<void()> fn = std::move(calls.front());
            calls.pop_front();
            guardedCall(fn);
        }
        return 0;
    }
    default:
        return DefWindowProcW(window, msg, wParam, lParam);
    }
}

} // namespace

std::wstring registerWindowClass(const std::wstring& baseName, UINT classStyle) {
    // A class name stands for one class style; another style gets a name of its own.
    static std::map<std::wstring, UINT> registered;
    std::wstring name = baseName;
    if (auto it = registered.find(name); it != registered.end() && it->second != classStyle) {
        wchar_t suffix[16];
        swprintf(suffix, 16, L".%X", classStyle);
        name += suffix;
    }
    if (registered.count(name))
        return name;

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = classStyle;
    wc.lpfnWndProc = frameworkWindowProc;
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = application().icon();
    wc.lpszClassName = name.c_str();
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return {};
    registered[name] = classStyle;
    return name;
}

WinControl* findControl(HWND window) {
    if (!window || !IsWindow(window))
        return nullptr;
    if (ULONG_PTR(GetClassLongPtrW(window, GCLP_WNDPROC)) != ULONG_PTR(&frameworkWindowProc))
        return nullptr;
    return reinterpret_cast<WinControl*>(GetWindowLongPtrW(window, 0));
}

LRESULT CALLBACK frameworkWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* control = reinterpret_cast<WinControl*>(GetWindowLongPtrW(window, 0));
    if (!control) {
        control = t_creating;
        if (!control)
            return DefWindowProcW(window, msg, wParam, lParam);
        t_creating = nullptr;
        SetWindowLongPtrW(window, 0, LONG_PTR(control));
        control->attachHandle(window);
    }
    Message m{msg, wParam, lParam, 0};
    try {
        control->dispatchMessage(m);
    } catch (...) {
        application().handleException(std::current_exception());
    }
    if (msg == WM_NCDESTROY) {
        // The control may already be linked to a newer window (recreated from a handler).
        if (reinterpret_cast<WinControl*>(GetWindowLongPtrW(window, 0)) == control) {
            SetWindowLongPtrW(window, 0, 0);
            if (control->m_handle == window)
                control->detachHandle();
        }
    }
    return m.result;
}

HWND createControlWindow(WinControl& control, DWORD exStyle, const std::wstring& className,
                         const std::wstring& caption, DWORD style, int x, int y, int width, int height,
                         HWND parent) {
    WinControl* const outer = t_creating;
    t_creating = &control;
    HWND window = CreateWindowExW(exStyle, className.c_str(), caption.c_str(), style, x, y, width, height,
                                  parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    t_creating = outer;
    return window;
}

void guardedCall(const std::function<void()>& fn) {
    try {
        fn();
    } catch (...) {
        application().handleException(std::current_exception());
    }
}

HWND utilityWindow() {
    static HWND window = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = utilityWindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VelmoraUtilityWindow";
        RegisterClassExW(&wc);
        return CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    }();
    return window;
}

void postCall(std::function<void()> fn) {
    postedCalls().push_back(std::move(fn));
    PostMessageW(utilityWindow(), postedCallMessage, 0, 0);
}

} // namespace gui
