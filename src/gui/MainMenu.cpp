#include "gui/MainMenu.h"

namespace gui {

MainMenu::MainMenu(core::Component* owner) : Menu(owner) {}

MainMenu::~MainMenu() {
    beginDestroy();
    setWindow(nullptr);
}

HMENU MainMenu::createMenuHandle() const {
    return CreateMenu();
}

void MainMenu::setWindow(HWND window) {
    if (m_window && m_window != window) {
        if (IsWindow(m_window))
            SetMenu(m_window, nullptr);
        else
            forgetHandle(); // destroyed together with its window
    }
    m_window = window;
    if (m_window) {
        SetMenu(m_window, handle());
        DrawMenuBar(m_window);
    }
}

bool MainMenu::handleRebuilt(HMENU menu) {
    if (!m_window)
        return true;
    if (!IsWindow(m_window)) {
        m_window = nullptr;
        return false;
    }
    SetMenu(m_window, menu);
    DrawMenuBar(m_window);
    return true;
}

} // namespace gui
