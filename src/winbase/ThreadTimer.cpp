#include "winbase/ThreadTimer.h"

#include <map>

namespace winbase {

namespace {

std::map<UINT_PTR, ThreadTimer*>& runningTimers() {
    // Never destroyed: timers owned by forms that the application object frees at exit outlive
    // every function-local static made after the application.
    static auto* map = new std::map<UINT_PTR, ThreadTimer*>;
    return *map;
}

} // namespace

bool ThreadTimer::start(unsigned milliseconds, std::function<void()> tick) {
    stop();
    m_tick = std::move(tick);
    m_id = SetTimer(nullptr, 0, milliseconds ? milliseconds : USER_TIMER_MINIMUM, timerProc);
    if (m_id)
        runningTimers()[m_id] = this;
    return m_id != 0;
}

void ThreadTimer::stop() {
    if (!m_id)
        return;
    KillTimer(nullptr, m_id);
    runningTimers().erase(m_id);
    m_id = 0;
}

void CALLBACK ThreadTimer::timerProc(HWND, UINT, UINT_PTR id, DWORD) {
    auto it = runningTimers().find(id);
    if (it == runningTimers().end())
        return;
    // A copy: the tick may stop or destroy its timer.
    std::function<void()> tick = it->second->m_tick;
    try {
        tick();
    } catch (...) {
        // NOTE: ticks come with their own boundary; this only keeps an escaped exception from
        // unwinding through the system's dispatch.
    }
}

} // namespace winbase
