#pragma once
// A container with a bevelled frame and a centred caption.
#include "gui/CustomControl.h"

namespace gui {

enum class PanelBevel { bvNone, bvLowered, bvRaised, bvSpace };
enum class PanelBorderStyle { bsNone, bsSingle };

class Panel : public CustomControl {
public:
    explicit Panel(core::Component* owner = nullptr);
    ~Panel() override;

    const char* className() const override { return "TPanel"; }

    Alignment alignment() const { return m_alignment; }
    void setAlignment(Alignment a);
    PanelBevel bevelOuter() const { return m_bevelOuter; }
    void setBevelOuter(PanelBevel b);
    PanelBevel bevelInner() const { return m_bevelInner; }
    void setBevelInner(PanelBevel b);
    int bevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(int w);
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int w);
    PanelBorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(PanelBorderStyle s);

    // Inside the bevels and the border.
    core::Rect alignClientRect() const override;

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;

protected:
    void paint(Canvas& canvas) override;

private:
    void frameChanged();

    Alignment m_alignment = Alignment::taCenter;
    PanelBevel m_bevelOuter = PanelBevel::bvRaised;
    PanelBevel m_bevelInner = PanelBevel::bvNone;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    PanelBorderStyle m_borderStyle = PanelBorderStyle::bsNone;
};

} // namespace gui
