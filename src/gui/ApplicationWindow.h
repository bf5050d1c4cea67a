#pragma once
// The application's own window: hidden, top-level (so that shell broadcasts such as "TaskbarCreated"
// reach it, which a message-only window never gets) and without a taskbar button. The application
// tells it when the main form is minimised (WM_SIZE with SIZE_MINIMIZED) or restored
// (SIZE_RESTORED); components watch it through observers.
#include <windows.h>

#include <functional>
#include <vector>

namespace gui {

class ApplicationWindow {
public:
    ApplicationWindow() = default;
    ~ApplicationWindow();
    ApplicationWindow(const ApplicationWindow&) = delete;
    ApplicationWindow& operator=(const ApplicationWindow&) = delete;

    // The window, made on first use; null when the platform refused it.
    HWND handle();
    bool hasHandle() const { return m_window != nullptr; }

    // Sees every message of the window before its own handling. Returns an id for removeObserver.
    using Observer = std::function<void(UINT msg, WPARAM wParam, LPARAM lParam)>;
    int addObserver(Observer observer);
    void removeObserver(int id);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
    std::vector<std::pair<int, Observer>> m_observers;
    int m_nextId = 1;
};

} // namespace gui
