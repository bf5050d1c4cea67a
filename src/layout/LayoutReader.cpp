#include "layout/LayoutReader.h"

#include "core/Component.h"
#include "core/Property.h"
#include "layout/LayoutParser.h"

#include <algorithm>
#include <typeinfo>

namespace layout {

namespace {

bool equalsNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return x == y || ((x | 0x20) == (y | 0x20) && ((x | 0x20) >= 'a' && (x | 0x20) <= 'z'));
           });
}

class Reader : private core::PropertyContext {
public:
    Reader(core::Component& root, const std::string& layoutName, const ClassRegistry& registry)
        : m_root(root), m_layoutName(layoutName), m_registry(registry) {}

    void read(const ObjectNode& layout) {
        try {
            readAll(layout);
        } catch (...) {
            discard();
            throw;
        }
    }

private:
    struct Fixup {
        int line;
        std::string property;
        std::string name;
        std::function<void(core::Component*)> apply;
    };

    void readAll(const ObjectNode& layout) {
        m_line = layout.line;
        if (layout.className != m_root.className())
            failHere("the layout describes a " + layout.className + ", not a " + m_root.className());
        m_root.setLoading(true);
        if (!layout.name.empty())
            m_root.setName(layout.name);
        m_loadOrder.push_back(&m_root);
        readProperties(m_root, layout);
        for (const ObjectNode& child : layout.children)
            readObject(child, &m_root);

        // Resolve what named components read later than the property.
        for (Fixup& fixup : m_fixups) {
            m_line = fixup.line;
            core::Component* target = findByName(fixup.name);
            if (!target)
                fail(fixup.property, "component '" + fixup.name + "' not found");
            guarded(fixup.property, [&] { fixup.apply(target); });
        }
        m_fixups.clear();

        for (core::Component* c : m_loadOrder) {
            c->loaded();
            c->setLoading(false);
        }
    }

    void readObject(const ObjectNode& node, core::Component* parent) {
        m_line = node.line;
        const ClassRegistry::Factory* factory = m_registry.find(node.className);
        if (!factory)
            failHere("class " + node.className + " not found");
        if (!node.name.empty() && (m_root.findComponent(node.name) || equalsNoCase(node.name, m_root.name())))
            failHere("a component named " + node.name + " already exists");
        core::Component* c = nullptr;
        guarded("", [&] { c = (*factory)(&m_root, parent); });
        if (!c)
            failHere("class " + node.className + " could not be created");
        if (c->owner() != &m_root) {
            delete c;
            failHere("class " + node.className + " was created without the layout's owner");
        }
        m_created.push_back(c);
        c->setLoading(true);
        c->setName(node.name);
        m_loadOrder.push_back(c);
        readProperties(*c, node);
        for (const ObjectNode& child : node.children)
            readObject(child, c);
    }

    void readProperties(core::Component& c, const ObjectNode& node) {
        for (const PropertyNode& prop : node.properties) {
            m_line = prop.line;
            core::PropertyReader value(prop.name, prop.value, this);
            bool known = false;
            guarded(prop.name, [&] { known = c.setProperty(prop.name, value); });
            if (!known)
                fail(prop.name, "unknown property of " + node.className);
        }
    }

    // Gives plain core::Error from component code the layout's context; other error classes carry
    // exact messages of their own and pass through.
    template <typename F> void guarded(const std::string& property, F&& f) {
        try {
            f();
        } catch (const LayoutError&) {
            throw;
        } catch (const core::Error& e) {
            if (typeid(e) != typeid(core::Error))
                throw;
            if (property.empty())
                failHere(e.what());
            fail(property, e.what());
        }
    }

    core::Component* findByName(const std::string& name) const {
        std::string local = name;
        // "Form1.SkinData1" names a component of this root too.
        size_t dot = name.find('.');
        if (dot != std::string::npos) {
            if (!equalsNoCase(name.substr(0, dot), m_root.name()))
                return nullptr;
            local = name.substr(dot + 1);
        }
        if (equalsNoCase(local, m_root.name()))
            return &m_root;
        return m_root.findComponent(local);
    }

    void discard() {
        m_fixups.clear();
        // Last created first; a component may already have taken one of its own with it.
        for (auto it = m_created.rbegin(); it != m_created.rend(); ++it) {
            const auto& owned = m_root.components();
            if (std::find(owned.begin(), owned.end(), *it) != owned.end())
                delete *it;
        }
        m_created.clear();
        m_root.setLoading(false);
    }

    [[noreturn]] void failHere(const std::string& message) {
        throw LayoutError(m_layoutName + ", line " + std::to_string(m_line) + ": " + message);
    }

    // PropertyContext
    void resolveReference(const std::string& property, const std::string& name,
                          std::function<void(core::Component*)> apply) override {
        if (equalsNoCase(name, "nil")) {
            apply(nullptr);
            return;
        }
        if (core::Component* target = findByName(name)) {
            apply(target);
            return;
        }
        m_fixups.push_back({m_line, property, name, std::move(apply)});
    }

    void bindEvent(const std::string& property, const std::string& handler,
                   std::function<void(core::NotifyEvent)> apply) override {
        core::NotifyEvent method = m_root.findMethod(handler);
        if (!method)
            fail(property, "method " + handler + " not found");
        apply(std::move(method));
    }

    [[noreturn]] void fail(const std::string& property, const std::string& message) override {
        throw LayoutError(m_layoutName + ", line " + std::to_string(m_line) + ", property " + property +
                          ": " + message);
    }

    core::Component& m_root;
    const std::string& m_layoutName;
    const ClassRegistry& m_registry;
    int m_line = 0;
    std::vector<core::Component*> m_created;
    std::vector<core::Component*> m_loadOrder;
    std::vector<Fixup> m_fixups;
};

} // namespace

void readLayout(core::Component& root, const ObjectNode& layout, const std::string& layoutName,
                const ClassRegistry& registry) {
    Reader(root, layoutName, registry).read(layout);
}

void readLayout(core::Component& root, std::string_view text, const std::string& layoutName,
                const ClassRegistry& registry) {
    readLayout(root, parseLayout(text, layoutName), layoutName, registry);
}

} // namespace layout
