#include "gui/CustomControl.h"

#include "winbase/Handles.h"

namespace gui {

CustomControl::CustomControl(core::Component* owner) : WinControl(owner) {}

CustomControl::~CustomControl() {
    beginDestroy();
}

bool CustomControl::eraseBackground(HDC) {
    return true; // the paint covers everything
}

void CustomControl::paintHandler(Message&) {
    winbase::PaintDC dc(handle());
    if (!dc)
        return;
    const RECT& r = dc.paintStruct().rcPaint;
    const core::Rect clip{r.left, r.top, r.right, r.bottom};
    if (clip.isEmpty())
        return;
    winbase::OwnedDC memory = winbase::OwnedDC::createCompatible(dc.get());
    winbase::BitmapHandle bitmap(memory ? CreateCompatibleBitmap(dc.get(), clip.width(), clip.height())
                                        : nullptr);
    if (!bitmap) {
        // Out of GDI resources: draw straight to the window rather than not at all.
        paintWindow(dc.get(), clip);
        return;
    }
    {
        winbase::SelectObjectScope select(memory.get(), bitmap.get());
        SetViewportOrgEx(memory.get(), -clip.left, -clip.top, nullptr);
        paintWindow(memory.get(), clip);
        SetViewportOrgEx(memory.get(), 0, 0, nullptr);
        BitBlt(dc.get(), clip.left, clip.top, clip.width(), clip.height(), memory.get(), 0, 0, SRCCOPY);
    }
}

} // namespace gui
