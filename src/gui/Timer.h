#pragma once
// A component that calls onTimer every interval milliseconds while enabled. Ticks arrive through the
// message loop on the user-interface thread, never in between.
#include "core/Component.h"
#include "core/Property.h"
#include "winbase/ThreadTimer.h"

namespace gui {

class Timer : public core::Component {
public:
    explicit Timer(core::Component* owner = nullptr);
    ~Timer() override;

    const char* className() const override { return "TTimer"; }

    // Milliseconds; 0 stops the timer until a positive interval is set again.
    unsigned interval() const { return m_interval; }
    void setInterval(unsigned ms);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    // Whether a platform timer is running now.
    bool isArmed() const { return m_timer.isRunning(); }

    core::NotifyEvent onTimer;

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;

protected:
    // One tick; fires onTimer.
    virtual void timer();

private:
    void updateTimer();

    winbase::ThreadTimer m_timer;
    unsigned m_interval = 1000;
    bool m_enabled = true;
    std::string m_onTimerHandler;
};

} // namespace gui
