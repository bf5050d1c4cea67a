#pragma once
// A bevelled box, frame or line: a purely decorative graphic control.
#include "gui/GraphicControl.h"

namespace gui {

enum class BevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum class BevelStyle { bsLowered, bsRaised };

class Bevel : public GraphicControl {
public:
    explicit Bevel(core::Component* owner = nullptr);
    ~Bevel() override;

    const char* className() const override { return "TBevel"; }

    BevelShape shape() const { return m_shape; }
    void setShape(BevelShape shape);
    BevelStyle style() const { return m_style; }
    void setStyle(BevelStyle style);

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;

protected:
    void paint(Canvas& canvas) override;

private:
    BevelShape m_shape = BevelShape::bsBox;
    BevelStyle m_style = BevelStyle::bsLowered;
};

} // namespace gui
