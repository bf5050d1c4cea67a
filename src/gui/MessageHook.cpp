#include "gui/MessageHook.h"

#include "gui/WinControl.h"

namespace gui {

MessageHook::~MessageHook() {
    if (m_installed && m_control)
        m_control->removeHook(this);
}

void MessageHook::callPrevious(Message& m) {
    if (m_control)
        m_control->dispatchAfter(this, m);
}

void FunctionHook::hookMessage(Message& m) {
    m_handler(m, [this](Message& msg) { callPrevious(msg); });
}

} // namespace gui
