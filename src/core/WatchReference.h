#pragma once
// Keeping a component's pointer to another component valid: the owner of the pointer is told (through
// notification) when the other component is destroyed, and stops being told about the one it let go.
#include "core/Component.h"

namespace core {

// Points field at value for self, watching value and no longer the component field pointed at before.
template <class T> void watchReference(Component& self, T*& field, T* value) {
    if (field == value)
        return;
    if (field)
        self.removeFreeNotification(field);
    field = value;
    if (field)
        self.freeNotification(field);
}

} // namespace core
