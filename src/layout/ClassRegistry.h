#pragma once
// Maps the class names that layouts use ("TSkinPanel") to factories. The framework and the
// libraries register their classes in the global registry; tests build registries of their own.
#include <functional>
#include <map>
#include <string>

namespace core {
class Component;
}

namespace layout {

class ClassRegistry {
public:
    // Creates a component owned by owner (the layout's root). parent is the object the layout
    // nests it in (the root for top-level objects); visual classes make it their parent window.
    using Factory = std::function<core::Component*(core::Component* owner, core::Component* parent)>;

    // Replaces an earlier factory of the same name.
    void add(const std::string& className, Factory factory);
    void remove(const std::string& className);
    bool contains(const std::string& className) const { return m_factories.count(className) != 0; }
    // Null when the name is not registered. Names are compared exactly.
    const Factory* find(const std::string& className) const;

    static ClassRegistry& global();

private:
    std::map<std::string, Factory> m_factories;
};

} // namespace layout
