#pragma once
// The component model: an owner tree in which the owner frees what it owns, names, free
// notification to components that reference a destroyed one, and the loading/destroying state.
// Portable, so that non-visual components (the skin store, the stored skin) work without windows.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace core {

class PropertyReader;
class PropertyWriter;

enum class Operation { Insert, Remove };

class Component {
public:
    explicit Component(Component* owner = nullptr);
    virtual ~Component();
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    // The class name as layouts name it ("TSkinData").
    virtual const char* className() const { return "TComponent"; }

    const std::string& name() const { return m_name; }
    void setName(const std::string& name) { m_name = name; }

    Component* owner() const { return m_owner; }
    const std::vector<Component*>& components() const { return m_components; }
    int componentCount() const { return int(m_components.size()); }
    Component* findComponent(const std::string& name) const;

    // Component state, as the framework's csLoading / csDestroying / csDesigning.
    bool isLoading() const { return m_loading; }
    bool isDestroying() const { return m_destroying; }
    bool isDesigning() const { return m_designing; }
    void setLoading(bool loading) { m_loading = loading; }
    void setDesigning(bool designing) { m_designing = designing; }

    // Asks to be told (through notification) when other is destroyed; symmetric.
    void freeNotification(Component* other);
    void removeFreeNotification(Component* other);

    // Runs once every component of a layout is read and every reference resolved.
    virtual void loaded() { m_loading = false; }

    // Layout properties. setProperty returns false for a name the class does not know; it may throw
    // core::Error for a bad value. writeProperties emits the stored properties in a stable order.
    virtual bool setProperty(const std::string& name, PropertyReader& value);
    virtual void writeProperties(PropertyWriter& out) const;
    // The event handler a layout names ("SpeedButton1Click"); empty when there is none. Forms that
    // handle events of their layout override it.
    virtual std::function<void(Component*)> findMethod(const std::string& name);

protected:
    // Called with Remove when a component this one owns, or asked to be told about, is destroyed;
    // clear every reference to it here.
    virtual void notification(Component* component, Operation operation);
    // Marks destroying, notifies, and frees owned components; derived destructors that must run
    // before their members go away call this first.
    void beginDestroy();

private:
    void insertComponent(Component* c);
    void removeComponent(Component* c);

    std::string m_name;
    Component* m_owner = nullptr;
    std::vector<Component*> m_components;
    std::vector<Component*> m_freeNotifies;
    bool m_loading = false;
    bool m_destroying = false;
    bool m_designing = false;
    bool m_destroyStarted = false;
};

} // namespace core
