#pragma once
// A window control that draws itself completely: nothing is erased in the background, and each paint
// is composed in one off-screen bitmap (background colour, paint(), graphic children) that is copied
// to the window in a single transfer, so the control never flickers.
#include "gui/WinControl.h"

namespace gui {

class CustomControl : public WinControl {
public:
    explicit CustomControl(core::Component* owner = nullptr);
    ~CustomControl() override;

    const char* className() const override { return "TCustomControl"; }

protected:
    bool eraseBackground(HDC dc) override;
    void paintHandler(Message& m) override;
};

} // namespace gui
