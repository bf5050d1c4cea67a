#include "labels/win32/WindowsBlinkTimer.h"

#include "gui/WindowProc.h"

namespace labels {

WindowsBlinkTimer::WindowsBlinkTimer(uint16_t interval, std::function<void()> tick)
    : m_tick(std::move(tick)) {
    setInterval(interval);
}

void WindowsBlinkTimer::setInterval(uint16_t milliseconds) {
    // The tick may destroy this timer (the last label went away); it runs on a copy of m_tick.
    m_timer.start(milliseconds, [tick = m_tick] { gui::guardedCall(tick); });
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
