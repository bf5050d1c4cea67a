#include "gui/ApplicationHints.h"

#include "core/WatchReference.h"
#include "gui/Control.h"
#include "gui/WinControl.h"
#include "gui/WindowProc.h"

#include <algorithm>
#include <climits>

namespace gui {

namespace {

// While a hint shows, the mouse is checked this often, so leaving the control hides it even when the
// mouse moves to another program.
constexpr unsigned pollInterval = 100;
// A hint shown within this time of the last one uses the short pause.
constexpr DWORD recentHint = 500;

core::Point cursorPos() {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

} // namespace

ApplicationHints::ApplicationHints(Application& app) : m_app(app), m_timer(nullptr) {
    m_timer.setEnabled(false);
    m_timer.onTimer = [this](core::Component*) { timerTick(); };
    app.addMessageFilter(this);
}

ApplicationHints::~ApplicationHints() {
    m_timer.setEnabled(false);
    setControl(nullptr);
}

Control* ApplicationHints::hintControlAt(core::Point screen) {
    HWND window = WindowFromPoint({screen.x, screen.y});
    WinControl* w = findControl(window);
    if (!w)
        return nullptr;
    POINT client{screen.x, screen.y};
    ScreenToClient(window, &client);
    Control* c = w->controlAtPos({client.x, client.y});
    return c ? c : w;
}

std::string ApplicationHints::hintTextOf(const Control& control) {
    for (const Control* c = &control; c; c = c->parent())
        if (!c->hint().empty())
            return c->hint();
    return {};
}

bool ApplicationHints::filterMessage(MSG& msg) {
    switch (msg.message) {
    case WM_MOUSEMOVE:
        mouseMovedTo(cursorPos());
        break;
    case WM_NCMOUSEMOVE:
        mouseMovedTo({INT32_MIN, INT32_MIN});
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_MOUSEWHEEL:
        if (m_control)
            hide(State::done);
        break;
    default:
        break;
    }
    return false;
}

void ApplicationHints::mouseMovedTo(core::Point screen) {
    Control* c = screen.x == INT32_MIN ? nullptr : hintControlAt(screen);
    if (c == m_control)
        return;
    const bool wasShowing = m_state == State::showing;
    hide(State::idle);
    setControl(nullptr);
    if (!c || !m_app.showHint() || !c->showHint() || hintTextOf(*c).empty())
        return;
    setControl(c);
    const bool recent = wasShowing || (m_hiddenAt && GetTickCount() - m_hiddenAt < recentHint);
    const int pause = recent ? m_app.hintShortPause() : m_app.hintPause();
    m_state = State::waiting;
    m_timer.setInterval(unsigned(std::max(pause, 1)));
    m_timer.setEnabled(true);
}

void ApplicationHints::timerTick() {
    if (m_state == State::waiting) {
        if (hintControlAt(cursorPos()) == m_control) {
            show();
        } else {
            hide(State::idle);
            setControl(nullptr);
        }
        return;
    }
    if (m_state == State::showing) {
        if (hintControlAt(cursorPos()) != m_control) {
            hide(State::idle);
            setControl(nullptr);
        } else if (m_hidePause > 0 && GetTickCount() - m_shownAt >= DWORD(m_hidePause)) {
            hide(State::done);
        }
        return;
    }
    m_timer.setEnabled(false);
}

void ApplicationHints::show() {
    m_timer.setEnabled(false);
    if (!m_control)
        return;
    std::string text = hintTextOf(*m_control);
    const core::Point cursor = cursorPos();
    HintInfo info{m_control, {cursor.x, cursor.y + HintWindow::cursorMargin()}, m_app.hintHidePause()};
    bool canShow = true;
    if (m_app.onShowHint)
        m_app.onShowHint(text, canShow, info);
    if (!canShow || text.empty()) {
        m_state = State::done;
        return;
    }
    if (!m_window) {
        const HintWindowFactory& make = m_app.hintWindowClass();
        m_window = make ? make() : std::make_unique<HintWindow>();
        if (!m_window)
            m_window = std::make_unique<HintWindow>();
    }
    m_window->activateHint({info.position.x, info.position.y, info.position.x, info.position.y}, text);
    m_state = State::showing;
    m_shownAt = GetTickCount();
    m_hidePause = info.hidePause;
    m_timer.setInterval(pollInterval);
    m_timer.setEnabled(true);
}

void ApplicationHints::hide(State next) {
    m_timer.setEnabled(false);
    if (m_window && m_window->isHintVisible()) {
        m_window->hideHint();
        m_hiddenAt = GetTickCount();
    }
    m_state = next;
}

void ApplicationHints::cancelHint() {
    hide(State::idle);
    setControl(nullptr);
}

void ApplicationHints::recreateWindow() {
    // The control is forgotten too, so the mouse resting on it shows its hint in the new window.
    cancelHint();
    m_window.reset();
}

void ApplicationHints::setControl(Control* control) {
    core::watchReference(*this, m_control, control);
}

void ApplicationHints::notification(core::Component* component, core::Operation operation) {
    core::Component::notification(component, operation);
    if (operation == core::Operation::Remove && component == m_control) {
        m_control = nullptr;
        hide(State::idle);
    }
}

} // namespace gui
