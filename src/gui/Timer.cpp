#include "gui/Timer.h"

#include "gui/WindowProc.h"

#include <map>

namespace gui {

namespace {

std::map<UINT_PTR, Timer*>& timers() {
    // Never freed: timers of forms owned by the application object die during static destruction,
    // possibly after a map of static storage made later than the application.
    static auto* map = new std::map<UINT_PTR, Timer*>;
    return *map;
}

UINT_PTR nextTimerId() {
    static UINT_PTR next = 1;
    return next++;
}

} // namespace

Timer::Timer(core::Component* owner) : core::Component(owner), m_id(nextTimerId()) {
    timers()[m_id] = this;
    updateTimer();
}

Timer::~Timer() {
    beginDestroy();
    if (m_armed)
        KillTimer(utilityWindow(), m_id);
    timers().erase(m_id);
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
    if (m_armed) {
        KillTimer(utilityWindow(), m_id);
        m_armed = false;
    }
    if (m_enabled && m_interval > 0)
        m_armed = SetTimer(utilityWindow(), m_id, m_interval, nullptr) != 0;
}

void Timer::dispatchTimer(UINT_PTR id) {
    auto& map = timers();
    if (auto it = map.find(id); it != map.end() && it->second->m_armed)
        it->second->timer();
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
