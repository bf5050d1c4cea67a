#include "launcher/StandIns.h"

#include "core/Property.h"
#include "gui/Bevel.h"
#include "gui/GroupBox.h"
#include "gui/Label.h"
#include "gui/Panel.h"
#include "layout/ClassRegistry.h"

#include <string>
#include <utility>
#include <vector>

namespace launcher {

namespace {

// Skin-only properties: accepted and written back as read, never acted on.
class KeptProperties {
public:
    explicit KeptProperties(std::vector<std::string> names) : m_names(std::move(names)) {}

    bool take(const std::string& name, core::PropertyReader& value) {
        bool known = false;
        for (const std::string& n : m_names)
            if (name == n || (n.back() == '.' && name.starts_with(n)))
                known = true;
        if (!known)
            return false;
        for (auto& [kept, v] : m_values)
            if (kept == name) {
                v = value.value();
                return true;
            }
        m_values.emplace_back(name, value.value());
        return true;
    }

    void write(core::PropertyWriter& out) const {
        using Kind = core::PropertyValue::Kind;
        for (const auto& [name, v] : m_values) {
            switch (v.kind) {
            case Kind::Integer:
                out.writeInt(name, v.integer);
                break;
            case Kind::String:
                out.writeString(name, v.text);
                break;
            case Kind::Identifier:
                out.writeIdent(name, v.text);
                break;
            case Kind::Set:
                out.writeSet(name, v.names);
                break;
            case Kind::Binary:
                out.writeBytes(name, v.bytes);
                break;
            case Kind::StringList:
                out.writeStrings(name, v.names);
                break;
            }
        }
    }

private:
    std::vector<std::string> m_names;
    std::vector<std::pair<std::string, core::PropertyValue>> m_values;
};

const std::vector<std::string> skinControlProperties = {
    "SkinDataName", "DefaultFont.",     "DefaultWidth",         "DefaultHeight",
    "UseSkinFont",  "RealHeight",       "AutoEnabledControls",  "CheckedMode",
    "Checked",      "DefaultAlignment", "DefaultCaptionHeight", "BorderStyle",
    "CaptionMode",  "RollUpMode",       "RollUpState",          "NumGlyphs",
    "Spacing",      "Glyph.Data"};

class PanelStandIn : public gui::Panel {
public:
    explicit PanelStandIn(core::Component* owner) : gui::Panel(owner) {
        // The unskinned panel shows a one-pixel frame and no caption.
        setBevelOuter(gui::PanelBevel::bvLowered);
        setBevelInner(gui::PanelBevel::bvNone);
    }
    const char* className() const override { return "TSkinPanel"; }
    bool setProperty(const std::string& name, core::PropertyReader& value) override {
        if (name == "Caption") {
            m_caption = value.asString();
            return true;
        }
        return m_kept.take(name, value) || gui::Panel::setProperty(name, value);
    }
    void writeProperties(core::PropertyWriter& out) const override {
        gui::Panel::writeProperties(out);
        m_kept.write(out);
        out.writeString("Caption", m_caption);
    }

private:
    std::string m_caption;
    KeptProperties m_kept{skinControlProperties};
};

class GroupBoxStandIn : public gui::GroupBox {
public:
    using gui::GroupBox::GroupBox;
    const char* className() const override { return "TSkinGroupBox"; }
    bool setProperty(const std::string& name, core::PropertyReader& value) override {
        return m_kept.take(name, value) || gui::GroupBox::setProperty(name, value);
    }
    void writeProperties(core::PropertyWriter& out) const override {
        gui::GroupBox::writeProperties(out);
        m_kept.write(out);
    }

private:
    KeptProperties m_kept{skinControlProperties};
};

class BevelStandIn : public gui::Bevel {
public:
    explicit BevelStandIn(core::Component* owner) : gui::Bevel(owner) {
        setShape(gui::BevelShape::bsTopLine);
        setStyle(gui::BevelStyle::bsLowered);
    }
    const char* className() const override { return "TSkinBevel"; }
    bool setProperty(const std::string& name, core::PropertyReader& value) override {
        return m_kept.take(name, value) || gui::Bevel::setProperty(name, value);
    }
    void writeProperties(core::PropertyWriter& out) const override {
        gui::Bevel::writeProperties(out);
        m_kept.write(out);
    }

private:
    KeptProperties m_kept{{"SkinDataName", "DividerMode"}};
};

class LabelStandIn : public gui::Label {
public:
    LabelStandIn(core::Component* owner, const char* className, std::vector<std::string> kept, bool autoSize)
        : gui::Label(owner), m_className(className), m_kept(std::move(kept)) {
        setAutoSize(autoSize);
    }
    const char* className() const override { return m_className; }
    bool setProperty(const std::string& name, core::PropertyReader& value) override {
        return m_kept.take(name, value) || gui::Label::setProperty(name, value);
    }
    void writeProperties(core::PropertyWriter& out) const override {
        gui::Label::writeProperties(out);
        m_kept.write(out);
    }

private:
    const char* m_className;
    KeptProperties m_kept;
};

template <typename T, typename... Args>
core::Component* makeControl(core::Component* owner, core::Component* parent, Args&&... args) {
    auto* control = new T(owner, std::forward<Args>(args)...);
    if (auto* window = dynamic_cast<gui::WinControl*>(parent))
        control->setParent(window);
    return control;
}

void addIfMissing(layout::ClassRegistry& registry, const char* name, layout::ClassRegistry::Factory factory) {
    if (!registry.contains(name))
        registry.add(name, std::move(factory));
}

} // namespace

void registerStandIns(layout::ClassRegistry& registry) {
    addIfMissing(registry, "TSkinPanel", makeControl<PanelStandIn>);
    addIfMissing(registry, "TSkinGroupBox", makeControl<GroupBoxStandIn>);
    addIfMissing(registry, "TSkinBevel", makeControl<BevelStandIn>);
    // The link label's empty caption shows nothing; its designed bounds stand.
    addIfMissing(registry, "TSkinLinkLabel", [](core::Component* owner, core::Component* parent) {
        return makeControl<LabelStandIn>(owner, parent, "TSkinLinkLabel",
                                         std::vector<std::string>{"SkinDataName", "DefaultFont.",
                                                                  "UseSkinFont", "DefaultActiveFontColor",
                                                                  "URL"},
                                         false);
    });
    addIfMissing(registry, "TURLLabel", [](core::Component* owner, core::Component* parent) {
        return makeControl<LabelStandIn>(owner, parent, "TURLLabel",
                                         std::vector<std::string>{"URL", "FlyByColor", "FlyByEnabled"}, true);
    });
}

} // namespace launcher
