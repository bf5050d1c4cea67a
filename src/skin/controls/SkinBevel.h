#pragma once
// The framework's bevel with its two line colours taken from a "bevel" skin record, and a divider
// mode that draws a two-pixel line across the middle instead of the shape.
#include "gui/Bevel.h"

#include <string>

namespace skin {

class SkinData;

class SkinBevel : public gui::Bevel {
public:
    explicit SkinBevel(core::Component* owner = nullptr);
    ~SkinBevel() override;

    const char* className() const override { return "TSkinBevel"; }

    // The store (not owned), cleared when it is destroyed. Setting it, also to none, applies the skin.
    SkinData* skinData() const { return m_skinData; }
    void setSkinData(SkinData* store);
    // Setting the name only stores it.
    const std::string& skinDataName() const { return m_skinDataName; }
    void setSkinDataName(const std::string& name) { m_skinDataName = name; }
    bool dividerMode() const { return m_dividerMode; }
    void setDividerMode(bool value);

    core::Color lightColor() const { return m_lightColor; }
    core::Color darkColor() const { return m_darkColor; }

    // Reads the colours from the record again (the store's 1226) and repaints.
    void skinChanged();

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;

protected:
    void paint(gui::Canvas& canvas) override;
    void notification(core::Component* component, core::Operation operation) override;

private:
    SkinData* m_skinData = nullptr;
    std::string m_skinDataName = "bevel";
    bool m_dividerMode = false;
    int m_skinIndex = -1;
    core::Color m_lightColor = core::clBtnHighlight;
    core::Color m_darkColor = core::clBtnShadow;
};

} // namespace skin
