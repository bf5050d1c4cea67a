#include "core/Component.h"

#include <algorithm>

namespace core {

Component::Component(Component* owner) {
    if (owner)
        owner->insertComponent(this);
}

Component::~Component() {
    beginDestroy();
    if (m_owner)
        m_owner->removeComponent(this);
}

void Component::beginDestroy() {
    if (m_destroyStarted)
        return;
    m_destroyStarted = true;
    m_destroying = true;
    // Tell everyone who asked; they clear their references to this one.
    auto notifies = std::move(m_freeNotifies);
    for (Component* c : notifies) {
        c->m_freeNotifies.erase(std::remove(c->m_freeNotifies.begin(), c->m_freeNotifies.end(), this),
                                c->m_freeNotifies.end());
        c->notification(this, Operation::Remove);
    }
    // Free owned components, last created first.
    while (!m_components.empty()) {
        Component* c = m_components.back();
        delete c; // its destructor removes it from m_components
    }
}

Component* Component::findComponent(const std::string& name) const {
    if (name.empty())
        return nullptr;
    for (Component* c : m_components)
        if (c->m_name.size() == name.size() &&
            std::equal(name.begin(), name.end(), c->m_name.begin(),
                       [](char a, char b) { return (a | 0x20) == (b | 0x20) || a == b; }))
            return c;
    return nullptr;
}

void Component::freeNotification(Component* other) {
    if (!other || other == this)
        return;
    if (std::find(m_freeNotifies.begin(), m_freeNotifies.end(), other) == m_freeNotifies.end())
        m_freeNotifies.push_back(other);
    if (std::find(other->m_freeNotifies.begin(), other->m_freeNotifies.end(), this) ==
        other->m_freeNotifies.end())
        other->m_freeNotifies.push_back(this);
}

void Component::removeFreeNotification(Component* other) {
    if (!other)
        return;
    m_freeNotifies.erase(std::remove(m_freeNotifies.begin(), m_freeNotifies.end(), other),
                         m_freeNotifies.end());
    other->m_freeNotifies.erase(std::remove(other->m_freeNotifies.begin(), other->m_freeNotifies.end(), this),
                                other->m_freeNotifies.end());
}

bool Component::setProperty(const std::string&, PropertyReader&) {
    return false;
}

void Component::writeProperties(PropertyWriter&) const {}

std::function<void(Component*)> Component::findMethod(const std::string&) {
    return {};
}

void Component::notification(Component*, Operation) {}

void Component::insertComponent(Component* c) {
    c->m_owner = this;
    m_components.push_back(c);
    notification(c, Operation::Insert);
}

void Component::removeComponent(Component* c) {
    m_components.erase(std::remove(m_components.begin(), m_components.end(), c), m_components.end());
    c->m_owner = nullptr;
    notification(c, Operation::Remove);
}

} // namespace core
