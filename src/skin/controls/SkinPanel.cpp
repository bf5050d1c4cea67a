#include "skin/controls/SkinPanel.h"

#include "core/Property.h"
#include "gui/Canvas.h"
#include "skin/controls/BitmapTextCanvas.h"
#include "skin/data/DataSkinControls.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"
#include "skin/render/BitmapCopy.h"
#include "skin/render/Glyphs.h"

#include <algorithm>

namespace skin {

namespace {

const std::initializer_list<const char*> alignmentNames = {"taLeftJustify", "taRightJustify", "taCenter"};
const std::initializer_list<const char*> borderStyleNames = {"bvFrame", "bvRaised", "bvLowered", "bvNone"};

// Copies src of picture to (x, y) leaving out the colour of its bottom-left pixel.
void drawTransparentPiece(core::FBitmap& dest, int32_t x, int32_t y, const core::FBitmap& picture,
                          const core::Rect& src) {
    if (src.isEmpty())
        return;
    core::FBitmap piece(src.width(), src.height());
    copyRect(piece, piece.bounds(), picture, src);
    const core::Color transparent = piece.pixel(0, piece.height() - 1);
    for (int32_t py = 0; py < piece.height(); ++py)
        for (int32_t px = 0; px < piece.width(); ++px) {
            const int32_t dx = x + px;
            const int32_t dy = y + py;
            if (dx < 0 || dy < 0 || dx >= dest.width() || dy >= dest.height())
                continue;
            const core::Color c = piece.pixel(px, py);
            if (c != transparent)
                dest.setPixel(dx, dy, c);
        }
}

} // namespace

SkinPanel::SkinPanel(core::Component* owner) : SkinCustomControl(owner) {
    setBounds(left(), top(), 150, 150);
    setSkinDataName("panel");
    m_glyph.onChange = [this](gui::Bitmap&) { invalidate(); };
}

SkinPanel::~SkinPanel() {
    m_glyph.onChange = nullptr;
    beginDestroy();
}

void SkinPanel::createParams(gui::CreateParams& params) {
    SkinCustomControl::createParams(params);
    // Resizing repaints through the off-screen bitmap; a class redraw would only flicker.
    params.classStyle &= ~UINT(CS_HREDRAW | CS_VREDRAW);
}

void SkinPanel::repaintAndRealign() {
    invalidate();
    realign();
}

void SkinPanel::setCheckedMode(bool value) {
    m_checkedMode = value;
    invalidate();
}

void SkinPanel::setChecked(bool value) {
    m_checked = value;
    if (m_checkedMode) {
        invalidate();
        if (m_autoEnabledControls)
            for (gui::Control* c : controls())
                c->setEnabled(value);
    }
    if (onChecked)
        onChecked(this);
}

void SkinPanel::setDefaultAlignment(CaptionAlignment value) {
    m_defaultAlignment = value;
    if (!isSkinned() && m_captionMode)
        invalidate();
}

void SkinPanel::setDefaultCaptionHeight(int32_t value) {
    m_defaultCaptionHeight = value;
    if (!isSkinned() && m_captionMode)
        repaintAndRealign();
}

void SkinPanel::setBorderStyle(SkinBorderStyle value) {
    m_borderStyle = value;
    if (!isSkinned())
        repaintAndRealign();
}

void SkinPanel::setCaptionMode(bool value) {
    m_captionMode = value;
    repaintAndRealign();
}

void SkinPanel::setRollUpMode(bool value) {
    m_rollUpMode = value;
    if (!isSkinned() && m_captionMode)
        invalidate();
}

void SkinPanel::setGlyph(const gui::Bitmap& glyph) {
    m_glyph.assign(glyph);
    invalidate();
}

void SkinPanel::setNumGlyphs(int32_t value) {
    m_numGlyphs = std::clamp(value, 1, 2);
    invalidate();
}

void SkinPanel::setSpacing(int32_t value) {
    m_spacing = value;
    invalidate();
}

void SkinPanel::setRollUpState(bool value) {
    if (value == m_rollUpState)
        return;
    if (!m_rollUpMode) {
        m_rollUpState = false;
        return;
    }
    m_rollUpState = value;
    if (value)
        rollUp();
    else
        unroll();
    if (onChangeRollUpState)
        onChangeRollUpState(this);
}

int32_t SkinPanel::rolledUpHeight() const {
    if (!isSkinned())
        return m_defaultCaptionHeight + 1;
    const core::Rect& nc = fittedGeometry().client;
    return height() - (nc.bottom - nc.top);
}

void SkinPanel::rollUp() {
    if (m_realHeight != -1)
        return;
    m_realHeight = height();
    disableAlign();
    for (gui::Control* c : controls())
        c->setVisible(false);
    setHeight(rolledUpHeight());
}

void SkinPanel::unroll() {
    if (m_realHeight == -1)
        return;
    setHeight(m_realHeight);
    m_realHeight = -1;
    for (gui::Control* c : controls())
        c->setVisible(true);
    enableAlign();
}

void SkinPanel::skinChanged() {
    SkinCustomControl::skinChanged();
    if (m_realHeight == -1) {
        realign();
        return;
    }
    // Rolled up: fold to the new skin's caption height, still remembering the full height.
    const int32_t full = m_realHeight;
    setHeight(rolledUpHeight());
    m_realHeight = full;
}

void SkinPanel::readSkinRecord() {
    SkinCustomControl::readSkinRecord();
    m_captionSkin.bgPictureIndex = -1;
    if (!isSkinned())
        return;
    const auto* record = dynamic_cast<const DataSkinPanelControl*>(skinData()->skinControl(skinIndex()));
    if (!record)
        return;
    m_captionSkin.bgPictureIndex = record->bgPictureIndex;
    m_captionSkin.captionRect = record->captionRect;
    m_captionSkin.alignment = CaptionAlignment(record->alignment);
    m_captionSkin.fontName = record->fontName;
    m_captionSkin.fontHeight = record->fontHeight;
    m_captionSkin.fontStyle = record->fontStyle.bits();
    m_captionSkin.fontColor = record->fontColor;
    m_captionSkin.checkImageRect = record->checkImageRect;
    m_captionSkin.uncheckImageRect = record->uncheckImageRect;
}

const core::FBitmap* SkinPanel::backgroundPicture() const {
    if (!isSkinned() || m_captionSkin.bgPictureIndex == -1)
        return nullptr;
    return skinData()->activePicture(m_captionSkin.bgPictureIndex);
}

core::Rect SkinPanel::captionRectForSize() const {
    if (!isSkinned())
        return {};
    if (resizeMode() == ResizeMode::Fixed || resizeMode() == ResizeMode::None)
        return m_captionSkin.captionRect;
    return mapRectToSize(m_captionSkin.captionRect);
}

core::Rect SkinPanel::alignClientRect() const {
    PanelLayout layout;
    layout.skinned = isSkinned();
    layout.designing = isDesigning();
    layout.borderStyle = m_borderStyle;
    layout.captionMode = m_captionMode;
    layout.defaultCaptionHeight = m_defaultCaptionHeight;
    layout.hasBackgroundPicture = backgroundPicture() != nullptr;
    layout.resizeMode = resizeMode();
    layout.fittedClient = fittedGeometry().client;
    return panelAlignRect(layout, width(), height());
}

void SkinPanel::paint(gui::Canvas& canvas) {
    readSkinRecord();
    const core::FBitmap* background = backgroundPicture();
    if (!background || background->isEmpty()) {
        SkinCustomControl::paint(canvas);
        return;
    }
    if (width() < 1 || height() < 1)
        return;
    for (int32_t col = 0; col <= width() / background->width(); ++col)
        for (int32_t row = 0; row <= height() / background->height(); ++row)
            canvas.draw(col * background->width(), row * background->height(), *background);
}

uint8_t SkinPanel::captionCharset(const gui::Font& fallback) const {
    if (skinData() && skinData()->resourceStrData())
        return skinData()->resourceStrData()->charSet();
    return fallback.charset();
}

int32_t SkinPanel::glyphFrameWidth() const {
    return m_glyph.isEmpty() ? 0 : m_glyph.width() / m_numGlyphs;
}

void SkinPanel::drawCaption(core::FBitmap& bitmap, const core::Rect& r, const gui::Font& font,
                            CaptionAlignment alignment, bool skinned, core::Color arrowColor,
                            int32_t arrowRight) {
    if (m_rollUpMode)
        drawArrowGlyph(bitmap, {arrowRight, r.top, arrowRight + 10, r.bottom}, arrowColor,
                       m_rollUpState ? 4 : 3);
    const bool hasGlyph = !m_glyph.isEmpty();
    core::Point glyphAt;
    {
        BitmapTextCanvas text(bitmap);
        if (!text.isValid())
            return;
        gui::Canvas& canvas = text.canvas();
        canvas.font().assign(font);
        const gui::Size extent = canvas.textExtent(caption());
        const int32_t contentWidth = extent.width + (hasGlyph ? glyphFrameWidth() + m_spacing : 0);
        core::Point at = captionTextOrigin(r, alignment, contentWidth, extent.height, skinned);
        if (hasGlyph) {
            glyphAt = {at.x, r.top + r.height() / 2 - m_glyph.height() / 2};
            at.x += glyphFrameWidth() + m_spacing;
        }
        canvas.brush().setStyle(gui::BrushStyle::bsClear);
        canvas.textRect(r, at.x, at.y, caption());
    }
    if (hasGlyph) {
        const int frame = (!isEnabled() && m_numGlyphs == 2) ? 2 : 1;
        drawGlyphFrame(bitmap, glyphAt.x, glyphAt.y, frame, m_numGlyphs, m_glyph.pixels());
    }
}

void SkinPanel::paintUnskinned(core::FBitmap& bitmap) {
    core::Rect r = paintUnskinnedPanel(bitmap, m_borderStyle, m_captionMode, m_defaultCaptionHeight);
    if (!m_captionMode)
        return;
    if (m_checkedMode)
        r.left += 20;
    if (m_rollUpMode)
        r.right -= 10;
    gui::Font font;
    font.assign(defaultFont());
    font.setCharset(captionCharset(defaultFont()));
    if (m_checkedMode) {
        const int32_t y0 = r.top + r.height() / 2 - 7;
        core::Rect box{5, y0, 19, y0 + 14};
        frame3D(bitmap, box, core::clBtnShadow, core::clBtnShadow);
        if (m_checked)
            drawCheckGlyph(bitmap, 9, y0 + 3, core::clBtnText);
    }
    drawCaption(bitmap, r, font, m_defaultAlignment, false, core::clBtnText, r.right);
}

void SkinPanel::paintSkinned(core::FBitmap& bitmap) {
    const ControlSkinGeometry& g = skinGeometry();
    if (tilesClientOnly(m_borderStyle, resizeMode(), m_captionMode)) {
        if (!picture())
            return SkinCustomControl::paintSkinned(bitmap);
        const core::Rect src = g.client.translated(g.skinRect.left, g.skinRect.top);
        if (src.isEmpty())
            return;
        for (int32_t col = 0; col <= width() / src.width(); ++col)
            for (int32_t row = 0; row <= height() / src.height(); ++row) {
                const int32_t x = col * src.width();
                const int32_t y = row * src.height();
                copyRect(bitmap, {x, y, x + src.width(), y + src.height()}, *picture(), src);
            }
        return;
    }
    SkinCustomControl::paintSkinned(bitmap);
    if (caption().empty() || m_captionSkin.captionRect.isEmpty())
        return;
    core::Rect r = captionRectForSize();
    if (m_rollUpMode)
        r.right -= 12;
    if (m_checkedMode) {
        // The text makes room for the check image even when there is no picture to draw it from.
        const core::Rect& image = m_checked ? m_captionSkin.checkImageRect : m_captionSkin.uncheckImageRect;
        const core::Rect& size = m_captionSkin.checkImageRect;
        if (picture())
            drawTransparentPiece(bitmap, r.left, r.top + r.height() / 2 - size.height() / 2, *picture(),
                                 image);
        r.left += size.width() + 2;
    }
    gui::Font font;
    if (useSkinFont()) {
        font.setName(m_captionSkin.fontName);
        font.setHeight(m_captionSkin.fontHeight);
        font.setStyle(gui::FontStyles::fromBits(m_captionSkin.fontStyle));
    } else {
        font.assign(defaultFont());
    }
    font.setCharset(captionCharset(defaultFont()));
    font.setColor(m_captionSkin.fontColor);
    drawCaption(bitmap, r, font, m_captionSkin.alignment, true, m_captionSkin.fontColor, r.right);
}

void SkinPanel::mouseUp(gui::MouseButton button, gui::ShiftState shift, int x, int y) {
    if (button == gui::MouseButton::mbLeft && m_captionMode && (m_rollUpMode || m_checkedMode)) {
        readSkinRecord();
        const core::Rect area =
            captionClickArea(isSkinned(), captionRectForSize(), width(), m_defaultCaptionHeight);
        if (pointInRectInclusive(area, {x, y})) {
            if (m_checkedMode)
                setChecked(!m_checked);
            if (m_rollUpMode)
                setRollUpState(!m_rollUpState);
        }
    }
    SkinCustomControl::mouseUp(button, shift, x, y);
}

void SkinPanel::textChanged() {
    SkinCustomControl::textChanged();
    if (m_captionMode)
        invalidate();
}

void SkinPanel::enabledChanged() {
    SkinCustomControl::enabledChanged();
    invalidate();
}

void SkinPanel::boundsChanged(bool sizeChanged) {
    SkinCustomControl::boundsChanged(sizeChanged);
    if (!isSkinned())
        invalidate();
}

bool SkinPanel::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == "RealHeight")
        setRealHeight(value.asInt());
    else if (name == "AutoEnabledControls")
        setAutoEnabledControls(value.asBool());
    else if (name == "CheckedMode")
        setCheckedMode(value.asBool());
    else if (name == "Checked")
        setChecked(value.asBool());
    else if (name == "DefaultAlignment")
        setDefaultAlignment(CaptionAlignment(value.asEnum(alignmentNames)));
    else if (name == "DefaultCaptionHeight")
        setDefaultCaptionHeight(value.asInt());
    else if (name == "BorderStyle")
        setBorderStyle(SkinBorderStyle(value.asEnum(borderStyleNames)));
    else if (name == "CaptionMode")
        setCaptionMode(value.asBool());
    else if (name == "RollUpMode")
        setRollUpMode(value.asBool());
    else if (name == "RollUpState")
        setRollUpState(value.asBool());
    else if (name == "NumGlyphs")
        setNumGlyphs(value.asInt());
    else if (name == "Spacing")
        setSpacing(value.asInt());
    else if (name.starts_with("Glyph."))
        return m_glyph.setProperty(std::string_view(name).substr(6), value);
    else if (name == "OnChecked")
        value.bindEvent([this](core::NotifyEvent e) { onChecked = std::move(e); });
    else if (name == "OnChangeRollUpState")
        value.bindEvent([this](core::NotifyEvent e) { onChangeRollUpState = std::move(e); });
    else
        return SkinCustomControl::setProperty(name, value);
    if (name.starts_with("On"))
        rememberEventHandler(name, value.asIdent());
    return true;
}

void SkinPanel::writeProperties(core::PropertyWriter& out) const {
    SkinCustomControl::writeProperties(out);
    out.writeInt("RealHeight", m_realHeight);
    out.writeBool("AutoEnabledControls", m_autoEnabledControls);
    out.writeBool("CheckedMode", m_checkedMode);
    out.writeBool("Checked", m_checked);
    out.writeIdent("DefaultAlignment", alignmentNames.begin()[int(m_defaultAlignment)]);
    out.writeInt("DefaultCaptionHeight", m_defaultCaptionHeight);
    out.writeIdent("BorderStyle", borderStyleNames.begin()[int(m_borderStyle)]);
    out.writeBool("CaptionMode", m_captionMode);
    out.writeBool("RollUpMode", m_rollUpMode);
    out.writeBool("RollUpState", m_rollUpState);
    m_glyph.writeProperties(out, "Glyph");
    out.writeInt("NumGlyphs", m_numGlyphs);
    out.writeInt("Spacing", m_spacing);
}

SkinGroupBox::SkinGroupBox(core::Component* owner) : SkinPanel(owner) {
    setSkinDataName("groupbox");
    setCaptionMode(true);
}

} // namespace skin
