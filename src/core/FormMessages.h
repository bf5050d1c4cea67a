#pragma once
// How portable components reach the application's windows. Non-visual components such as the skin
// store announce changes as window messages to every form; they cannot see windows themselves, so
// the Win32 framework installs the sender when its application object is made. Without a sender
// (portable builds, or before any form exists) nothing is sent.
#include <cstdint>

namespace core {

class Component;

// Sends message synchronously to the window of first when it is a form, then to every other form of
// the application in list order. Must not throw.
using FormMessageSender = void (*)(Component* first, uint32_t message, uintptr_t wParam, intptr_t lParam);

// Installs the sender (nullptr removes it) and returns the previous one.
FormMessageSender setFormMessageSender(FormMessageSender sender);
// Hands the message to the installed sender; false when there is none.
bool sendToForms(Component* first, uint32_t message, uintptr_t wParam, intptr_t lParam);

} // namespace core
