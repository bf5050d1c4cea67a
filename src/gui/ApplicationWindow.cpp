#include "gui/ApplicationWindow.h"

#include "gui/Application.h"
#include "gui/WindowProc.h"

#include <algorithm>
#include <utility>

namespace gui {

ApplicationWindow::~ApplicationWindow() {
    if (HWND w = std::exchange(m_window, nullptr)) {
        SetWindowLongPtrW(w, GWLP_USERDATA, 0);
        DestroyWindow(w);
    }
}

HWND ApplicationWindow::handle() {
    if (m_window)
        return m_window;
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &ApplicationWindow::windowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VelmoraApplication";
        registered = RegisterClassW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }
    m_window = CreateWindowExW(WS_EX_TOOLWINDOW, L"VelmoraApplication", L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    if (m_window)
        SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return m_window;
}

int ApplicationWindow::addObserver(Observer observer) {
    m_observers.emplace_back(m_nextId, std::move(observer));
    return m_nextId++;
}

void ApplicationWindow::removeObserver(int id) {
    std::erase_if(m_observers, [id](const auto& o) { return o.first == id; });
}

LRESULT CALLBACK ApplicationWindow::windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ApplicationWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self) {
        // An observer may remove itself or others: walk a copy of the ids.
        std::vector<int> ids;
        for (const auto& o : self->m_observers)
            ids.push_back(o.first);
        for (int id : ids) {
            auto it = std::find_if(self->m_observers.begin(), self->m_observers.end(),
                                   [id](const auto& o) { return o.first == id; });
            if (it != self->m_observers.end()) {
                const Observer observer = it->second;
                guardedCall([&] { observer(msg, wParam, lParam); });
            }
        }
        // Closing the application's window closes the program.
        if (msg == WM_CLOSE) {
            application().terminate();
            return 0;
        }
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

} // namespace gui
