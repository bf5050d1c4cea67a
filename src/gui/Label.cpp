#include "gui/Label.h"

#include "gui/Canvas.h"
#include "winbase/Handles.h"

namespace gui {

namespace {

constexpr std::initializer_list<const char*> alignmentNames = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr std::initializer_list<const char*> layoutNames = {"tlTop", "tlCenter", "tlBottom"};

} // namespace

CustomLabel::CustomLabel(core::Component* owner) : GraphicControl(owner) {
    storeBounds({0, 0, 65, 17});
    setAutoSize(true);
}

CustomLabel::~CustomLabel() {
    beginDestroy();
}

void CustomLabel::setAlignment(Alignment a) {
    if (a != m_alignment) {
        m_alignment = a;
        invalidate();
    }
}

void CustomLabel::setLayout(TextLayout l) {
    if (l != m_layout) {
        m_layout = l;
        invalidate();
    }
}

void CustomLabel::setWordWrap(bool v) {
    if (v != m_wordWrap) {
        m_wordWrap = v;
        adjustSize();
        invalidate();
    }
}

void CustomLabel::setTransparent(bool v) {
    if (v != m_transparent) {
        m_transparent = v;
        invalidate();
    }
}

void CustomLabel::setShowAccelChar(bool v) {
    if (v != m_showAccelChar) {
        m_showAccelChar = v;
        adjustSize();
        invalidate();
    }
}

UINT CustomLabel::textFlags() const {
    UINT flags = DT_EXPANDTABS;
    flags |= m_alignment == Alignment::taLeftJustify    ? DT_LEFT
             : m_alignment == Alignment::taRightJustify ? DT_RIGHT
                                                        : DT_CENTER;
    if (m_wordWrap)
        flags |= DT_WORDBREAK;
    if (!m_showAccelChar)
        flags |= DT_NOPREFIX;
    return flags;
}

void CustomLabel::doDrawText(Canvas& canvas, core::Rect& r, UINT flags) {
    std::string text = caption();
    // An empty caption still measures one line high.
    if ((flags & DT_CALCRECT) && (text.empty() || (m_showAccelChar && text == "&")))
        text += ' ';
    canvas.font().assign(font());
    canvas.brush().setStyle(BrushStyle::bsClear);
    if (flags & DT_CALCRECT) {
        canvas.drawText(text, r, flags);
        return;
    }
    if (!isEnabled()) {
        core::Rect shadow = r.translated(1, 1);
        canvas.font().setColor(core::clBtnHighlight);
        canvas.drawText(text, shadow, flags);
        canvas.font().setColor(core::clBtnShadow);
    }
    canvas.drawText(text, r, flags);
}

void CustomLabel::paint(Canvas& canvas) {
    const core::Rect client = clientRect();
    if (!m_transparent) {
        canvas.brush().setStyle(BrushStyle::bsSolid);
        canvas.brush().setColor(color());
        canvas.fillRect(client);
    }
    core::Rect r = client;
    const UINT flags = textFlags();
    if (m_layout != TextLayout::tlTop) {
        core::Rect measured = client;
        doDrawText(canvas, measured, flags | DT_CALCRECT);
        const int32_t free = client.height() - measured.height();
        r.top += m_layout == TextLayout::tlBottom ? free : free / 2;
        r.bottom = r.top + measured.height();
    }
    doDrawText(canvas, r, flags);
}

bool CustomLabel::autoSizeBounds(core::Rect& bounds) {
    winbase::WindowDC screenDC(nullptr);
    if (!screenDC)
        return false;
    Canvas canvas(screenDC.get());
    core::Rect r{0, 0, bounds.width(), 0};
    doDrawText(canvas, r, textFlags() | DT_CALCRECT);
    // A right-aligned label grows to the left, keeping its right edge.
    const int32_t left = m_alignment == Alignment::taRightJustify ? bounds.right - r.width() : bounds.left;
    bounds = {left, bounds.top, left + r.width(), bounds.top + r.height()};
    return true;
}

bool CustomLabel::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == "Alignment")
        setAlignment(Alignment(value.asEnum(alignmentNames)));
    else if (name == "Layout")
        setLayout(TextLayout(value.asEnum(layoutNames)));
    else if (name == "WordWrap")
        setWordWrap(value.asBool());
    else if (name == "Transparent")
        setTransparent(value.asBool());
    else if (name == "ShowAccelChar")
        setShowAccelChar(value.asBool());
    else if (name == "AutoSize")
        setAutoSize(value.asBool());
    else
        return GraphicControl::setProperty(name, value);
    return true;
}

void CustomLabel::writeProperties(core::PropertyWriter& out) const {
    GraphicControl::writeProperties(out);
    if (!autoSize())
        out.writeBool("AutoSize", false);
    if (m_alignment != Alignment::taLeftJustify)
        out.writeIdent("Alignment", alignmentNames.begin()[int(m_alignment)]);
    if (m_layout != TextLayout::tlTop)
        out.writeIdent("Layout", layoutNames.begin()[int(m_layout)]);
    if (m_wordWrap)
        out.writeBool("WordWrap", true);
    if (m_transparent)
        out.writeBool("Transparent", true);
    if (!m_showAccelChar)
        out.writeBool("ShowAccelChar", false);
}

} // namespace gui
