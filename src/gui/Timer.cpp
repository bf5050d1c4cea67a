#include "gui/Timer.h"

#include "gui/WindowProc.h"

namespace gui {

Timer::Timer(core::Component* owner) : core::Component(owner) {
    updateTimer();
}

Timer::~Timer() {
    beginDestroy();
    m_timer.stop();
}

void Timer::setInterval(unsigned ms) {
    if (ms == m_interval)
        return;
    m_interval = ms;
    updateTimer();
}

void Timer::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    updateTimer();
}

void Timer::updateTimer() {
    m_timer.stop();
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval, [this] { guardedCall([this] { timer(); }); });
}

void Timer::timer() {
    if (onTimer)
        onTimer(this);
}

bool Timer::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == "Interval") {
        const int32_t ms = value.asInt();
        if (ms < 0)
            value.fail("Interval cannot be negative");
        setInterval(unsigned(ms));
    } else if (name == "Enabled") {
        setEnabled(value.asBool());
    } else if (name == "OnTimer") {
        value.bindEvent([this](core::NotifyEvent e) { onTimer = std::move(e); });
        m_onTimerHandler = value.asIdent();
    } else {
        return core::Component::setProperty(name, value);
    }
    return true;
}

void Timer::writeProperties(core::PropertyWriter& out) const {
    core::Component::writeProperties(out);
    if (!m_enabled)
        out.writeBool("Enabled", false);
    if (m_interval != 1000)
        out.writeInt("Interval", m_interval);
    if (!m_onTimerHandler.empty())
        out.writeIdent("OnTimer", m_onTimerHandler);
}

} // namespace gui
