#include "core/FormMessages.h"

#include <utility>

namespace core {

namespace {
FormMessageSender g_sender = nullptr;
}

FormMessageSender setFormMessageSender(FormMessageSender sender) {
    return std::exchange(g_sender, sender);
}

bool sendToForms(Component* first, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (!g_sender)
        return false;
    g_sender(first, message, wParam, lParam);
    return true;
}

} // namespace core
