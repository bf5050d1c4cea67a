#pragma once
// The blink clock's timer on Windows: a thread timer with a callback, so it needs no window and
// ticks in any message loop of the user-interface thread.
#include "labels/BlinkList.h"

#include <windows.h>

#include <functional>

namespace labels {

class WindowsBlinkTimer final : public BlinkTimer {
public:
    WindowsBlinkTimer(uint16_t interval, std::function<void()> tick);
    ~WindowsBlinkTimer() override;

    void setInterval(uint16_t milliseconds) override;

    // Makes the process-wide blink list use this timer. Idempotent.
    static void install();

private:
    static void CALLBACK timerProc(HWND, UINT, UINT_PTR id, DWORD);
    void start(uint16_t interval);
    void stop();

    std::function<void()> m_tick;
    UINT_PTR m_id = 0;
};

} // namespace labels
