#include "gui/GroupBox.h"

#include "gui/Canvas.h"
#include "gui/WindowFrame.h"
#include "winbase/Handles.h"

namespace gui {

GroupBox::GroupBox(core::Component* owner) : CustomControl(owner) {
    setColor(core::clBtnFace);
    storeBounds({0, 0, 185, 105});
}

GroupBox::~GroupBox() {
    beginDestroy();
}

int32_t GroupBox::captionHeight() const {
    winbase::WindowDC screenDC(nullptr);
    if (!screenDC)
        return 13;
    winbase::SelectObjectScope select(screenDC.get(), font().handle());
    TEXTMETRICW tm{};
    GetTextMetricsW(screenDC.get(), &tm);
    return tm.tmHeight > 0 ? tm.tmHeight : 13;
}

core::Rect GroupBox::alignClientRect() const {
    const core::Rect r = clientRect();
    return {r.left + 2, r.top + captionHeight(), r.right - 2, r.bottom - 2};
}

void GroupBox::fontChanged() {
    CustomControl::fontChanged();
    realign();
}

void GroupBox::paint(Canvas& canvas) {
    canvas.font().assign(font());
    const int32_t textHeight = canvas.textHeight("0");
    // Etched frame: a shadow ring with a highlight ring one pixel inside and to the right.
    const core::Rect client = clientRect();
    core::Rect frame{client.left, client.top + textHeight / 2, client.right, client.bottom};
    core::Rect outer{frame.left, frame.top, frame.right - 1, frame.bottom - 1};
    drawFrame3D(canvas, outer, core::clBtnShadow, core::clBtnShadow);
    core::Rect inner{frame.left + 1, frame.top + 1, frame.right, frame.bottom};
    drawFrame3D(canvas, inner, core::clBtnHighlight, core::clBtnHighlight);
    if (caption().empty())
        return;
    // The caption interrupts the top line: its background is the box's colour.
    core::Rect text{8, 0, 0, 0};
    canvas.drawText(caption(), text, DT_CALCRECT | DT_SINGLELINE);
    text = {8, 0, 8 + text.width(), textHeight};
    canvas.brush().setStyle(BrushStyle::bsSolid);
    canvas.brush().setColor(color());
    canvas.fillRect({text.left - 1, text.top, text.right + 1, text.bottom});
    canvas.brush().setStyle(BrushStyle::bsClear);
    if (!isEnabled())
        canvas.font().setColor(core::clGrayText);
    canvas.drawText(caption(), text, DT_SINGLELINE | DT_LEFT | DT_NOCLIP);
}

} // namespace gui
