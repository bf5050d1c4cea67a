#pragma once
// Classes in this file: ButtonLayout, ButtonGlyphLayout (the placement arithmetic), SpeedButton.
// A window-less button with a glyph and a caption. It takes no focus; a press shows it down and a
// release over it clicks it. A flat button shows its frame only under the mouse.
#include "gui/Bitmap.h"
#include "gui/GraphicControl.h"

namespace gui {

enum class ButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct ButtonGlyphLayout {
    core::Point glyph; // top-left of the glyph
    core::Rect text;   // where the caption goes
};

// Places a glyph of glyphSize and a caption of textSize in a client area of clientSize. The pair is
// centred along the layout's axis unless margin (distance of the first item from the edge) is not
// -1; spacing separates glyph and text and is dropped when either is missing. Across the axis each
// item is centred on its own.
ButtonGlyphLayout layoutButtonGlyph(core::Point clientSize, core::Point glyphSize, core::Point textSize,
                                    ButtonLayout layout, int margin, int spacing);

class SpeedButton : public GraphicControl {
public:
    explicit SpeedButton(core::Component* owner = nullptr);
    ~SpeedButton() override;

    const char* className() const override { return "TSpeedButton"; }

    // The glyph strip: numGlyphs frames side by side (up, disabled, pressed, down). Its transparent
    // colour is its bottom-left pixel.
    Bitmap& glyph() { return m_glyph; }
    void setGlyph(const Bitmap& glyph);
    int numGlyphs() const { return m_numGlyphs; }
    void setNumGlyphs(int n);
    ButtonLayout layout() const { return m_layout; }
    void setLayout(ButtonLayout layout);
    int margin() const { return m_margin; }
    void setMargin(int margin);
    int spacing() const { return m_spacing; }
    void setSpacing(int spacing);
    bool isFlat() const { return m_flat; }
    void setFlat(bool flat);
    bool isTransparent() const { return m_transparent; }
    void setTransparent(bool transparent);

    // Buttons of one non-zero group index act like radio buttons; down stays until another one of
    // the group is pressed (or, with allowAllUp, until it is pressed again).
    int groupIndex() const { return m_groupIndex; }
    void setGroupIndex(int index);
    bool isDown() const { return m_down; }
    void setDown(bool down);
    bool allowAllUp() const { return m_allowAllUp; }
    void setAllowAllUp(bool v) { m_allowAllUp = v; }

    // True while the left button is held after a press on the button and the cursor is over it.
    bool isPressed() const { return m_pressed; }

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;

protected:
    void paint(Canvas& canvas) override;
    void mouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void mouseMove(ShiftState shift, int x, int y) override;
    void mouseUp(MouseButton button, ShiftState shift, int x, int y) override;
    void mouseEnter() override;
    void mouseLeave() override;

private:
    // The frame to draw for the current state, as a bitmap of its own; empty without a glyph.
    core::FBitmap glyphFrame() const;
    void updateExclusive();

    Bitmap m_glyph;
    int m_numGlyphs = 1;
    ButtonLayout m_layout = ButtonLayout::blGlyphLeft;
    int m_margin = -1;
    int m_spacing = 4;
    bool m_flat = false;
    bool m_transparent = true;
    int m_groupIndex = 0;
    bool m_down = false;
    bool m_allowAllUp = false;
    bool m_dragging = false; // the left button went down on the button and is still held
    bool m_pressed = false;
};

} // namespace gui
