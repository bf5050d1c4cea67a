#include "layout/ClassRegistry.h"

namespace layout {

void ClassRegistry::add(const std::string& className, Factory factory) {
    m_factories[className] = std::move(factory);
}

void ClassRegistry::remove(const std::string& className) {
    m_factories.erase(className);
}

const ClassRegistry::Factory* ClassRegistry::find(const std::string& className) const {
    auto it = m_factories.find(className);
    return it == m_factories.end() ? nullptr : &it->second;
}

ClassRegistry& ClassRegistry::global() {
    static ClassRegistry registry;
    return registry;
}

} // namespace layout
