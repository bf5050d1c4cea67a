#pragma once
// The application's hints for controls: follows the mouse through the application's messages, shows
// the hint of the control under it after the hint pause (the short pause when a hint was showing just
// before), hides it after the hide pause, when the mouse leaves the control, or on a click or key.
// The window comes from the application's hint window factory.
#include "core/Component.h"
#include "gui/Application.h"
#include "gui/HintWindow.h"
#include "gui/Timer.h"

#include <memory>

namespace gui {

class Control;

class ApplicationHints : public core::Component, public MessageFilter {
public:
    explicit ApplicationHints(Application& app);
    ~ApplicationHints() override;

    bool filterMessage(MSG& msg) override;

    // The control whose hint is pending or showing, or null.
    Control* hintControl() const { return m_control; }
    // The hint window in use, or null before the first hint.
    HintWindow* hintWindow() const { return m_window.get(); }
    bool isHintShowing() const { return m_state == State::showing; }
    // Hides any hint and forgets the control.
    void cancelHint();
    // Hides any hint and drops the window, so the next hint is made by the application's current
    // factory.
    void recreateWindow();

    // The control whose hint the mouse at a screen point would show, or null.
    static Control* hintControlAt(core::Point screen);
    // The hint text of control: its own, else the nearest parent's.
    static std::string hintTextOf(const Control& control);

protected:
    void notification(core::Component* component, core::Operation operation) override;

private:
    enum class State { idle, waiting, showing, done };
    void mouseMovedTo(core::Point screen);
    void timerTick();
    void show();
    void hide(State next);
    void setControl(Control* control);

    Application& m_app;
    Timer m_timer;
    State m_state = State::idle;
    Control* m_control = nullptr;
    std::unique_ptr<HintWindow> m_window;
    DWORD m_shownAt = 0;
    int m_hidePause = 0;
    DWORD m_hiddenAt = 0;
};

} // namespace gui
