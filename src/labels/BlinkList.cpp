#include "labels/BlinkList.h"

#include <algorithm>

namespace labels {

namespace {

BlinkList::TimerFactory& timerFactory() {
    static BlinkList::TimerFactory factory;
    return factory;
}

std::unique_ptr<BlinkList>& processList() {
    static std::unique_ptr<BlinkList> list;
    return list;
}

} // namespace

BlinkList::BlinkList(const TimerFactory& makeTimer) {
    if (makeTimer)
        m_timer = makeTimer(m_offInterval, [this] { tick(); });
}

BlinkList::~BlinkList() = default;

void BlinkList::add(BlinkClient* client) {
    if (client && std::find(m_clients.begin(), m_clients.end(), client) == m_clients.end())
        m_clients.push_back(client);
}

void BlinkList::remove(BlinkClient* client) {
    m_clients.erase(std::remove(m_clients.begin(), m_clients.end(), client), m_clients.end());
}

void BlinkList::tick() {
    if (m_state == 1) {
        m_state = 0;
        if (m_timer)
            m_timer->setInterval(m_offInterval);
    } else {
        m_state = 1;
        if (m_timer)
            m_timer->setInterval(m_onInterval);
    }
    // A label may leave (even be destroyed) while another one repaints; ask only those still listed.
    const std::vector<BlinkClient*> clients = m_clients;
    m_ticking = true;
    for (BlinkClient* client : clients) {
        if (std::find(m_clients.begin(), m_clients.end(), client) == m_clients.end())
            continue;
        if (client->blinkMessage(blinkQueryMessage, 0) == 1)
            client->blinkMessage(blinkStateMessage, m_state);
    }
    m_ticking = false;
    // The last label left during the tick: the process list goes now that nothing here runs any more.
    if (m_clients.empty() && processList().get() == this)
        processList().reset(); // deletes this
}

void BlinkList::setTimerFactory(TimerFactory factory) {
    timerFactory() = std::move(factory);
}

void BlinkList::registerClient(BlinkClient* client) {
    if (!processList())
        processList() = std::make_unique<BlinkList>(timerFactory());
    processList()->add(client);
}

void BlinkList::unregisterClient(BlinkClient* client) {
    std::unique_ptr<BlinkList>& list = processList();
    if (!list)
        return;
    list->remove(client);
    if (list->count() == 0 && !list->m_ticking)
        list.reset();
}

BlinkList* BlinkList::instance() {
    return processList().get();
}

} // namespace labels
