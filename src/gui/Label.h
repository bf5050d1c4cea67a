#pragma once
// Classes in this file: CustomLabel, Label.
// A window-less text label: caption on one or more lines (CR LF breaks lines), horizontal alignment,
// vertical layout, word wrap, transparent or filled background, and an automatic size that follows
// the text.
#include "gui/GraphicControl.h"

namespace gui {

class CustomLabel : public GraphicControl {
public:
    explicit CustomLabel(core::Component* owner = nullptr);
    ~CustomLabel() override;

    const char* className() const override { return "TCustomLabel"; }

    Alignment alignment() const { return m_alignment; }
    void setAlignment(Alignment a);
    TextLayout layout() const { return m_layout; }
    void setLayout(TextLayout l);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool v);
    bool isTransparent() const { return m_transparent; }
    void setTransparent(bool v);
    // With accelerator characters on, "&x" underlines x and "&&" shows one "&".
    bool showAccelChar() const { return m_showAccelChar; }
    void setShowAccelChar(bool v);
    using Control::autoSize;
    using Control::setAutoSize;

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;

protected:
    void paint(Canvas& canvas) override;
    bool autoSizeBounds(core::Rect& bounds) override;
    // The DT_ flags for the caption: alignment, word break, prefix handling.
    virtual UINT textFlags() const;
    // Draws (or with DT_CALCRECT measures) the caption in r; disabled labels draw embossed.
    virtual void doDrawText(Canvas& canvas, core::Rect& r, UINT flags);

private:
    Alignment m_alignment = Alignment::taLeftJustify;
    TextLayout m_layout = TextLayout::tlTop;
    bool m_wordWrap = false;
    bool m_transparent = false;
    bool m_showAccelChar = true;
};

class Label : public CustomLabel {
public:
    explicit Label(core::Component* owner = nullptr) : CustomLabel(owner) {}
    const char* className() const override { return "TLabel"; }
};

} // namespace gui
