#include "skin/popup/win32/SkinMenuEntry.h"

#include "gui/Canvas.h"
#include "gui/ImageList.h"
#include "gui/MenuItem.h"
#include "skin/controls/BitmapTextCanvas.h"
#include "skin/data/DataSkinObjects.h"
#include "skin/render/EffectBmp.h"
#include "skin/render/Glyphs.h"
#include "skin/render/SkinCompose.h"

#include <algorithm>
#include <optional>

namespace skin {

namespace {

constexpr core::Color plainFrameColor = 8388608;      // navy
constexpr core::Color plainHighlightColor = 13811126; // light blue-grey

// Where the parts of an entry go inside its text area.
struct TextLayout {
    core::Rect area;
    int32_t glyphColumn = 0; // caption starts this far right of area.left
    int32_t textEnd = 16;    // caption and shortcut end this far left of area.right
    int32_t imageX = 2;      // image-list images
    int32_t namedGlyphX = 2; // caption-button glyphs
    int32_t markX = 2;       // check mark and radio dot
};

std::optional<CaptionGlyph> namedGlyph(const std::string& name) {
    if (name == "SF_CLOSE" || name == "TRAY_SF_CLOSE")
        return CaptionGlyph::Close;
    if (name == "SF_MINITEM")
        return CaptionGlyph::Minimize;
    if (name == "SF_MAXITEM")
        return CaptionGlyph::Maximize;
    if (name == "SF_RESTORE" || name == "TRAY_SF_RESTORE")
        return CaptionGlyph::Restore;
    if (name == "SF_ROLLUP")
        return CaptionGlyph::TriangleUp;
    if (name == "SF_MINTOTRAY")
        return CaptionGlyph::SmallSquare;
    return std::nullopt;
}

void setFont(gui::Canvas& canvas, const EntryPaintContext& c) {
    if (c.record && c.useSkinFont) {
        canvas.font().setName(c.record->fontName);
        canvas.font().setHeight(c.record->fontHeight);
        canvas.font().setStyle(gui::FontStyles::fromBits(c.record->fontStyle.bits()));
    } else if (c.defaultFont) {
        canvas.font().assign(*c.defaultFont);
    }
    canvas.font().setCharset(c.charset);
}

// Caption, shortcut, owner drawing, the image and the marks; text through GDI, glyphs on the pixels.
void drawContent(core::FBitmap& image, const EntryPaintContext& c, gui::MenuItem& item, const TextLayout& t,
                 core::Color color, bool selected) {
    const core::Rect& T = t.area;
    const int32_t cy = T.top + T.height() / 2;
    bool imageDrawn = false;
    core::Rect imageFrame;
    {
        BitmapTextCanvas textCanvas(image);
        if (!textCanvas.isValid())
            return;
        gui::Canvas& canvas = textCanvas.canvas();
        setFont(canvas, c);
        canvas.font().setColor(color);
        canvas.brush().setStyle(gui::BrushStyle::bsClear);
        if (item.onDrawItem) {
            item.onDrawItem(item, canvas, T, selected);
            return;
        }
        core::Rect r{T.left + t.glyphColumn, 0, T.right - t.textEnd, 0};
        canvas.drawText(item.caption(), r, DT_CALCRECT | DT_SINGLELINE);
        const int32_t th = r.height();
        r.top = T.top + T.height() / 2 - th / 2;
        r.bottom = r.top + th;
        r.right += 2;
        canvas.drawText(item.caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        if (item.shortCut() != gui::scNone) {
            const std::string text = gui::shortCutToText(item.shortCut());
            const int32_t w = canvas.textWidth(text);
            core::Rect s{T.right - w - t.textEnd, r.top, T.right - t.textEnd, r.bottom};
            canvas.drawText(text, s, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
        if (c.images && item.imageIndex() >= 0 && item.imageIndex() < c.images->count()) {
            const int32_t x = T.left + t.imageX, y = cy - c.images->height() / 2;
            c.images->draw(canvas, x, y, item.imageIndex(), item.isEnabled());
            imageDrawn = true;
            imageFrame = {x - 1, y - 1, x + c.images->width() + 1, y + c.images->height() + 1};
        } else if (item.isChecked() && item.isRadioItem() && !namedGlyph(item.name())) {
            canvas.brush().setStyle(gui::BrushStyle::bsSolid);
            canvas.brush().setColor(color);
            canvas.pen().setColor(color);
            canvas.ellipse({T.left + t.markX, cy - 3, T.left + t.markX + 6, cy + 3});
        }
    }
    if (item.hasSubItems())
        for (int32_t i = 0; i < 4; ++i)
            drawLine(image, {T.right - 7 + i, cy - 4 + i}, {T.right - 7 + i, cy + 3 - i}, color);
    if (imageDrawn) {
        if (item.isChecked())
            frameRectangle(image, imageFrame, color);
    } else if (auto glyph = namedGlyph(item.name())) {
        drawCaptionGlyph(image, *glyph, T.left + t.namedGlyphX, cy - 4, color);
    } else if (item.isChecked() && !item.isRadioItem()) {
        drawCheckGlyph(image, T.left + t.markX, cy - 4, color);
    }
}

} // namespace

bool SkinMenuEntry::isSeparator() const {
    return m_item->isLine();
}

bool SkinMenuEntry::isEnabled() const {
    return m_item->isEnabled();
}

bool SkinMenuEntry::hasSubItems() const {
    return m_item->hasSubItems();
}

bool SkinMenuEntry::morphPending() const {
    return visible && (isHighlighted() ? morphFactor < 1 : morphFactor > 0);
}

void SkinMenuEntry::morphStep() {
    morphFactor = std::clamp(morphFactor + (isHighlighted() ? 0.2 : -0.2), 0.0, 1.0);
}

core::FBitmap SkinMenuEntry::paint(const EntryPaintContext& context) const {
    if (objectRect.isEmpty())
        return {};
    return context.record && context.picture ? paintSkinned(context) : paintPlain(context);
}

core::FBitmap SkinMenuEntry::paintSkinned(const EntryPaintContext& c) const {
    const DataSkinMenuItem& rec = *c.record;
    const int32_t w = objectRect.width();
    if (isSeparator()) {
        core::FBitmap image;
        composeHorizontalSkinImage(rec.dividerLeftOffset, rec.dividerRightOffset, image, *c.picture,
                                   rec.dividerRect, w);
        return image;
    }
    const bool highlighted = isHighlighted();
    const bool settled = highlighted ? morphFactor >= 1 : morphFactor <= 0;
    if (!rec.morphing || settled)
        return stateImage(c, highlighted);
    EffectBmp normal(stateImage(c, false));
    normal.morph(EffectBmp(stateImage(c, true)), morphFactor, int(rec.morphKind));
    return normal.takeBitmap();
}

core::FBitmap SkinMenuEntry::stateImage(const EntryPaintContext& c, bool activeImage) const {
    const DataSkinMenuItem& rec = *c.record;
    const core::Rect& src = activeImage && !rec.activeSkinRect.isEmpty() ? rec.activeSkinRect : rec.skinRect;
    core::FBitmap image;
    composeHorizontalSkinImage(rec.itemLeftOffset, rec.itemRightOffset, image, *c.picture, src,
                               objectRect.width());
    if (image.width() <= 0 || image.height() <= 0)
        return image;
    TextLayout t;
    t.area = rec.textRect;
    t.area.right = image.width() + rec.textRect.right - rec.skinRect.width();
    t.glyphColumn = c.images ? c.glyphWidth : 16;
    const core::Color color = activeImage           ? rec.activeFontColor
                              : m_item->isEnabled() ? rec.fontColor
                                                    : rec.unenabledFontColor;
    drawContent(image, c, *m_item, t, color, activeImage);
    return image;
}

core::FBitmap SkinMenuEntry::paintPlain(const EntryPaintContext& c) const {
    const int32_t w = objectRect.width(), h = objectRect.height();
    core::FBitmap image(w, h);
    const int32_t g = c.images ? c.glyphWidth : 19;
    core::Color color = m_item->isEnabled() ? core::clWindowText : core::clBtnShadow;
    if (isHighlighted() && !isSeparator()) {
        fillRectangle(image, {0, 0, w, h}, plainHighlightColor);
        frameRectangle(image, {0, 0, w, h}, plainFrameColor);
        color = m_item->isEnabled() ? core::clWindowText : core::clBtnShadow;
    } else {
        fillRectangle(image, {0, 0, g, h}, core::clBtnFace);
        fillRectangle(image, {g, 0, w, h}, core::clWindow);
    }
    if (isSeparator()) {
        drawLine(image, {g, h / 2}, {w, h / 2}, core::clBtnShadow);
        return image;
    }
    TextLayout t;
    t.area = {2, 2, w - 2, h - 2};
    t.glyphColumn = g;
    t.textEnd = 19;
    t.imageX = 0;
    t.namedGlyphX = 2;
    t.markX = 3;
    drawContent(image, c, *m_item, t, color, isHighlighted());
    return image;
}

} // namespace skin
