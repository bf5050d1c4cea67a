#include "gui/Panel.h"

#include "gui/Canvas.h"
#include "gui/WindowFrame.h"

#include <algorithm>

namespace gui {

namespace {

constexpr std::initializer_list<const char*> bevelNames = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};
constexpr std::initializer_list<const char*> alignmentNames = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr std::initializer_list<const char*> borderStyleNames = {"bsNone", "bsSingle"};

void drawBevel(Canvas& canvas, core::Rect& r, PanelBevel bevel, int width) {
    switch (bevel) {
    case PanelBevel::bvNone:
        break;
    case PanelBevel::bvLowered:
        drawFrame3D(canvas, r, core::clBtnShadow, core::clBtnHighlight, width);
        break;
    case PanelBevel::bvRaised:
        drawFrame3D(canvas, r, core::clBtnHighlight, core::clBtnShadow, width);
        break;
    case PanelBevel::bvSpace:
        r = {r.left + width, r.top + width, r.right - width, r.bottom - width};
        break;
    }
}

} // namespace

Panel::Panel(core::Component* owner) : CustomControl(owner) {
    setColor(core::clBtnFace);
    storeBounds({0, 0, 185, 41});
}

Panel::~Panel() {
    beginDestroy();
}

void Panel::setAlignment(Alignment a) {
    if (a == m_alignment)
        return;
    m_alignment = a;
    invalidate();
}

void Panel::frameChanged() {
    realign();
    invalidate();
}

void Panel::setBevelOuter(PanelBevel b) {
    if (b != m_bevelOuter) {
        m_bevelOuter = b;
        frameChanged();
    }
}

void Panel::setBevelInner(PanelBevel b) {
    if (b != m_bevelInner) {
        m_bevelInner = b;
        frameChanged();
    }
}

void Panel::setBevelWidth(int w) {
    w = std::max(w, 1);
    if (w != m_bevelWidth) {
        m_bevelWidth = w;
        frameChanged();
    }
}

void Panel::setBorderWidth(int w) {
    w = std::max(w, 0);
    if (w != m_borderWidth) {
        m_borderWidth = w;
        frameChanged();
    }
}

void Panel::setBorderStyle(PanelBorderStyle s) {
    if (s != m_borderStyle) {
        m_borderStyle = s;
        frameChanged();
    }
}

core::Rect Panel::alignClientRect() const {
    core::Rect r = clientRect();
    int inset = m_borderWidth + (m_borderStyle == PanelBorderStyle::bsSingle ? 1 : 0);
    if (m_bevelOuter != PanelBevel::bvNone)
        inset += m_bevelWidth;
    if (m_bevelInner != PanelBevel::bvNone)
        inset += m_bevelWidth;
    return {r.left + inset, r.top + inset, r.right - inset, r.bottom - inset};
}

void Panel::paint(Canvas& canvas) {
    core::Rect r = clientRect();
    if (m_borderStyle == PanelBorderStyle::bsSingle)
        drawFrame3D(canvas, r, core::clWindowFrame, core::clWindowFrame, 1);
    drawBevel(canvas, r, m_bevelOuter, m_bevelWidth);
    r = {r.left + m_borderWidth, r.top + m_borderWidth, r.right - m_borderWidth, r.bottom - m_borderWidth};
    drawBevel(canvas, r, m_bevelInner, m_bevelWidth);
    if (caption().empty() || r.isEmpty())
        return;
    canvas.brush().setStyle(BrushStyle::bsClear);
    canvas.font().assign(font());
    UINT flags = DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS;
    flags |= m_alignment == Alignment::taLeftJustify    ? DT_LEFT
             : m_alignment == Alignment::taRightJustify ? DT_RIGHT
                                                        : DT_CENTER;
    if (!isEnabled()) {
        canvas.font().setColor(core::clBtnHighlight);
        core::Rect shadow = r.translated(1, 1);
        canvas.drawText(caption(), shadow, flags);
        canvas.font().setColor(core::clBtnShadow);
    }
    canvas.drawText(caption(), r, flags);
}

bool Panel::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == "Alignment")
        setAlignment(Alignment(value.asEnum(alignmentNames)));
    else if (name == "BevelOuter")
        setBevelOuter(PanelBevel(value.asEnum(bevelNames)));
    else if (name == "BevelInner")
        setBevelInner(PanelBevel(value.asEnum(bevelNames)));
    else if (name == "BevelWidth")
        setBevelWidth(value.asInt());
    else if (name == "BorderWidth")
        setBorderWidth(value.asInt());
    else if (name == "BorderStyle")
        setBorderStyle(PanelBorderStyle(value.asEnum(borderStyleNames)));
    else
        return CustomControl::setProperty(name, value);
    return true;
}

void Panel::writeProperties(core::PropertyWriter& out) const {
    CustomControl::writeProperties(out);
    if (m_alignment != Alignment::taCenter)
        out.writeIdent("Alignment", alignmentNames.begin()[int(m_alignment)]);
    if (m_bevelOuter != PanelBevel::bvRaised)
        out.writeIdent("BevelOuter", bevelNames.begin()[int(m_bevelOuter)]);
    if (m_bevelInner != PanelBevel::bvNone)
        out.writeIdent("BevelInner", bevelNames.begin()[int(m_bevelInner)]);
    if (m_bevelWidth != 1)
        out.writeInt("BevelWidth", m_bevelWidth);
    if (m_borderWidth != 0)
        out.writeInt("BorderWidth", m_borderWidth);
    if (m_borderStyle != PanelBorderStyle::bsNone)
        out.writeIdent("BorderStyle", borderStyleNames.begin()[int(m_borderStyle)]);
}

} // namespace gui
