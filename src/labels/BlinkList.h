#pragma once
// The process-wide blink clock: one timer toggles a shared on/off state and tells every blinking label.
// Labels register when they are made and leave when they are destroyed; the list lives while any is
// registered. The timer itself comes from the platform layer through a factory.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace labels {

// Component messages between the clock and its labels.
constexpr uint32_t blinkQueryMessage = 46056; // answer 1 while blinking, else 0
constexpr uint32_t blinkStateMessage = 46057; // parameter: the new state, 1 on (blink colour), 0 off

class BlinkClient {
public:
    virtual ~BlinkClient() = default;
    virtual intptr_t blinkMessage(uint32_t message, intptr_t parameter) = 0;
};

// A repeating timer, enabled from creation; tick is called on the user-interface thread. A tick may
// destroy the timer (the last label went away), so implementations call a copy of the tick function.
class BlinkTimer {
public:
    virtual ~BlinkTimer() = default;
    virtual void setInterval(uint16_t milliseconds) = 0;
};

class BlinkList {
public:
    using TimerFactory =
        std::function<std::unique_ptr<BlinkTimer>(uint16_t interval, std::function<void()> tick)>;

    explicit BlinkList(const TimerFactory& makeTimer);
    ~BlinkList();
    BlinkList(const BlinkList&) = delete;
    BlinkList& operator=(const BlinkList&) = delete;

    void add(BlinkClient* client);
    void remove(BlinkClient* client);
    int count() const { return int(m_clients.size()); }

    // 1: blinking labels show their blink colour; 0: their normal colour.
    int state() const { return m_state; }
    // How long the on and the off phase last, for every label of the process.
    uint16_t onInterval() const { return m_onInterval; }
    uint16_t offInterval() const { return m_offInterval; }
    void setOnInterval(uint16_t ms) { m_onInterval = ms; }
    void setOffInterval(uint16_t ms) { m_offInterval = ms; }

    // One timer tick: flip the state, time the new phase, tell the labels that blink.
    void tick();

    // The process-wide list: made on the first register (with the installed timer factory), freed when
    // the last client leaves. instance() is null while no label exists.
    static void setTimerFactory(TimerFactory factory);
    static void registerClient(BlinkClient* client);
    static void unregisterClient(BlinkClient* client);
    static BlinkList* instance();

private:
    std::vector<BlinkClient*> m_clients; // not owned
    int m_state = 1;
    uint16_t m_offInterval = 500;
    uint16_t m_onInterval = 500;
    std::unique_ptr<BlinkTimer> m_timer;
    bool m_ticking = false;
};

} // namespace labels
