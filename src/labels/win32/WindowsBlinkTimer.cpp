#include "labels/win32/WindowsBlinkTimer.h"

#include "gui/WindowProc.h"

#include <map>

namespace labels {

namespace {

std::map<UINT_PTR, WindowsBlinkTimer*>& timers() {
    static std::map<UINT_PTR, WindowsBlinkTimer*> map;
    return map;
}

} // namespace

WindowsBlinkTimer::WindowsBlinkTimer(uint16_t interval, std::function<void()> tick)
    : m_tick(std::move(tick)) {
    start(interval);
}

WindowsBlinkTimer::~WindowsBlinkTimer() {
    stop();
}

void WindowsBlinkTimer::setInterval(uint16_t milliseconds) {
    stop();
    start(milliseconds);
}

void WindowsBlinkTimer::start(uint16_t interval) {
    // USER_TIMER_MINIMUM stands in for 0, which the platform would take as its minimum anyway.
    m_id = SetTimer(nullptr, 0, interval ? interval : USER_TIMER_MINIMUM, timerProc);
    if (m_id)
        timers()[m_id] = this;
}

void WindowsBlinkTimer::stop() {
    if (!m_id)
        return;
    KillTimer(nullptr, m_id);
    timers().erase(m_id);
    m_id = 0;
}

void CALLBACK WindowsBlinkTimer::timerProc(HWND, UINT, UINT_PTR id, DWORD) {
    auto it = timers().find(id);
    if (it == timers().end())
        return;
    // A copy: the tick may destroy this timer (the last label went away).
    std::function<void()> tick = it->second->m_tick;
    gui::guardedCall(tick);
}

void WindowsBlinkTimer::install() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    BlinkList::setTimerFactory(
        [](uint16_t interval, std::function<void()> tick) -> std::unique_ptr<BlinkTimer> {
            return std::make_unique<WindowsBlinkTimer>(interval, std::move(tick));
        });
}

} // namespace labels
