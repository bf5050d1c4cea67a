#pragma once
// The blink clock's timer on Windows: a thread timer, so it needs no window and ticks in any message
// loop of the user-interface thread.
#include "labels/BlinkList.h"
#include "winbase/ThreadTimer.h"

#include <functional>

namespace labels {

class WindowsBlinkTimer final : public BlinkTimer {
public:
    WindowsBlinkTimer(uint16_t interval, std::function<void()> tick);

    void setInterval(uint16_t milliseconds) override;

    // Makes the process-wide blink list use this timer. Idempotent.
    static void install();

private:
    std::function<void()> m_tick;
    winbase::ThreadTimer m_timer;
};

} // namespace labels
