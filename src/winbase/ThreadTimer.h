#pragma once
// A timer of the user-interface thread. While it runs, its tick is called from the thread's message
// loop (any loop that dispatches messages, modal ones too) every interval milliseconds, never in
// between. One registry of the running timers maps the platform's ids to them, so a tick that is
// already queued when its timer stops or goes away is dropped.
#include <windows.h>

#include <functional>

namespace winbase {

class ThreadTimer {
public:
    ThreadTimer() = default;
    ~ThreadTimer() { stop(); }
    ThreadTimer(const ThreadTimer&) = delete;
    ThreadTimer& operator=(const ThreadTimer&) = delete;

    // Stops any earlier run, then starts ticking every interval milliseconds (0 means the platform's
    // shortest interval). False when the platform refuses. The tick must not throw: it runs inside a
    // message dispatch, so callers wrap it in their exception boundary. It may stop, restart or
    // destroy this timer.
    bool start(unsigned milliseconds, std::function<void()> tick);
    void stop();
    bool isRunning() const { return m_id != 0; }

private:
    static void CALLBACK timerProc(HWND, UINT, UINT_PTR id, DWORD);

    std::function<void()> m_tick;
    UINT_PTR m_id = 0;
};

} // namespace winbase
