#pragma once
// A container framed by an etched line with its caption set into the top edge.
#include "gui/CustomControl.h"

namespace gui {

class GroupBox : public CustomControl {
public:
    explicit GroupBox(core::Component* owner = nullptr);
    ~GroupBox() override;

    const char* className() const override { return "TGroupBox"; }

    // Below the caption line and inside the frame.
    core::Rect alignClientRect() const override;

protected:
    void paint(Canvas& canvas) override;
    void fontChanged() override;

private:
    int32_t captionHeight() const;
};

} // namespace gui
