#include "skin/form/win32/FormSkinObjects.h"

#include "gui/Canvas.h"
#include "gui/Control.h"
#include "gui/MenuItem.h"
#include "skin/controls/BitmapTextCanvas.h"
#include "skin/data/SkinData.h"
#include "skin/form/FormCommands.h"
#include "skin/form/win32/CanvasTextMeasurer.h"
#include "skin/form/win32/SkinForm.h"
#include "skin/render/BitmapCopy.h"
#include "skin/render/EffectBmp.h"
#include "skin/render/Glyphs.h"
#include "skin/render/SkinCompose.h"
#include "skin/render/TextEllipsis.h"

namespace skin {

// --- FormSkinObject --------------------------------------------------------------------------------

FormSkinObject::FormSkinObject(SkinForm& form, const DataSkinObject* record) : m_form(form) {
    if (!record)
        return;
    idName = record->idName;
    hint = record->hint;
    skinRect = record->skinRect;
    inactiveSkinRect = record->inactiveSkinRect;
    skinRectInAPicture = record->skinRectInAPicture;
    morphKind = int(record->morphKind);
    m_activePictureIndex = record->activePictureIndex;
    // Without an active picture there is no active image either.
    activeSkinRect = activePicture() ? record->activeSkinRect : core::Rect{};
    morphing = record->morphing && !rectIsEmpty(activeSkinRect);
    objectRect = skinRect;
}

const core::FBitmap* FormSkinObject::activePicture() const {
    return m_form.skinData() ? m_form.skinData()->activePicture(m_activePictureIndex) : nullptr;
}

const core::FBitmap* FormSkinObject::mainPicture() const {
    return m_form.skinData() ? &m_form.skinData()->mainPicture() : nullptr;
}

bool FormSkinObject::canMorph() const {
    return skin::canMorph(morphFactor, active);
}

void FormSkinObject::copyTo(core::FBitmap& dest, core::Point origin, const core::FBitmap* picture,
                            const core::Rect& src) const {
    if (picture && !rectIsEmpty(src))
        copyRect(dest, objectRect.translated(-origin.x, -origin.y), *picture, src);
}

void FormSkinObject::drawMorph(core::FBitmap& dest, core::Point origin, const core::FBitmap* fromPicture,
                               const core::Rect& from, const core::Rect& to) const {
    const int32_t w = objectRect.width(), h = objectRect.height();
    if (w <= 0 || h <= 0 || !fromPicture || !activePicture())
        return;
    core::FBitmap a(w, h), b(w, h);
    copyRect(a, a.bounds(), *fromPicture, from);
    copyRect(b, b.bounds(), *activePicture(), to);
    EffectBmp effect(std::move(a));
    effect.morph(EffectBmp(std::move(b)), morphFactor, morphKind);
    const core::FBitmap& result = effect.bitmap();
    copyRect(dest, objectRect.translated(-origin.x, -origin.y), result, result.bounds());
}

void FormSkinObject::draw(core::FBitmap& dest, core::Point origin, bool full) {
    if (enabled && !m_form.formActive() && !rectIsEmpty(inactiveSkinRect)) {
        copyTo(dest, origin, activePicture(), inactiveSkinRect);
        return;
    }
    const core::FBitmap* normalPicture = skinRectInAPicture ? activePicture() : mainPicture();
    if (morphInBetween()) {
        drawMorph(dest, origin, normalPicture, skinRect, activeSkinRect);
        return;
    }
    if (active && !rectIsEmpty(activeSkinRect)) {
        copyTo(dest, origin, activePicture(), activeSkinRect);
        return;
    }
    if (!full && !skinRectInAPicture)
        return; // the frame picture already shows it
    copyTo(dest, origin, normalPicture, skinRect);
}

void FormSkinObject::mouseDown(int32_t x, int32_t y, gui::MouseButton button) {
    m_form.fireMouseDown(*this, x, y, button);
}

void FormSkinObject::mouseUp(int32_t x, int32_t y, gui::MouseButton button) {
    if (mouseIn)
        m_form.fireMouseUp(*this, x, y, button);
}

void FormSkinObject::mouseMove(int32_t x, int32_t y) {
    m_form.fireMouseMove(*this, x, y);
}

void FormSkinObject::mouseEnter() {
    hover(true);
    m_form.fireMouseEnter(*this);
}

void FormSkinObject::mouseLeave() {
    hover(false);
    m_form.fireMouseLeave(*this);
}

void FormSkinObject::hover(bool in) {
    mouseIn = in;
    active = in;
    if (!rectIsEmpty(activeSkinRect))
        startMorph();
}

void FormSkinObject::startMorph() {
    if (morphing)
        m_form.startMorphTimer();
    else
        m_form.drawObjectNow(*this);
}

void FormSkinObject::morphStep() {
    morphFactor = skin::morphStep(morphFactor, active);
    m_form.drawObjectNow(*this);
}

void FormSkinObject::resetState() {
    active = false;
    mouseIn = false;
    morphFactor = 0;
}

void UserObject::draw(core::FBitmap& dest, core::Point origin, bool) {
    m_form.firePaint(*this, dest, origin);
}

// --- SkinButtonObject ------------------------------------------------------------------------------

SkinButtonObject::SkinButtonObject(SkinForm& form, const DataSkinButton* record)
    : FormSkinObject(form, record) {
    if (!record)
        return;
    disableSkinRect = record->disableSkinRect;
    downRect = record->downRect;
}

bool SkinButtonObject::canMorph() const {
    return FormSkinObject::canMorph() && !(menuItem && down);
}

void SkinButtonObject::draw(core::FBitmap& dest, core::Point origin, bool full) {
    if ((!enabled && !rectIsEmpty(disableSkinRect)) || (down && mouseIn && !rectIsEmpty(downRect))) {
        copyTo(dest, origin, activePicture(),
               !enabled && !rectIsEmpty(disableSkinRect) ? disableSkinRect : downRect);
        return;
    }
    FormSkinObject::draw(dest, origin, full);
}

void SkinButtonObject::setDown(bool value) {
    down = value;
    if (morphing && active)
        morphFactor = 1;
    m_form.drawObjectNow(*this);
    if (morphing && !down)
        startMorph();
}

void SkinButtonObject::showObjectMenu() {
    m_form.showObjectMenu(*this);
}

void SkinButtonObject::mouseDown(int32_t x, int32_t y, gui::MouseButton button) {
    if (enabled && button == gui::MouseButton::mbLeft && !down) {
        setDown(true);
        showObjectMenu();
    }
    FormSkinObject::mouseDown(x, y, button);
}

void SkinButtonObject::mouseUp(int32_t x, int32_t y, gui::MouseButton button) {
    if (enabled && button == gui::MouseButton::mbLeft && !menuItem && down)
        setDown(false);
    FormSkinObject::mouseUp(x, y, button);
}

void SkinButtonObject::mouseEnter() {
    mouseIn = true;
    active = true;
    if (!rectIsEmpty(downRect) && down) {
        if (morphing)
            morphFactor = 1;
        m_form.drawObjectNow(*this);
    } else if (!rectIsEmpty(activeSkinRect)) {
        startMorph();
    }
    m_form.fireMouseEnter(*this);
}

void SkinButtonObject::mouseLeave() {
    mouseIn = false;
    active = false;
    if (!(menuItem && down)) {
        m_form.drawObjectNow(*this);
        startMorph();
    }
    m_form.fireMouseLeave(*this);
}

// --- SkinStdButtonObject ---------------------------------------------------------------------------

SkinStdButtonObject::SkinStdButtonObject(SkinForm& form, const std::string& name, WindowCommand command)
    : SkinButtonObject(form, nullptr), m_command(command) {
    idName = name;
    skinRectInAPicture = true;
    skinRect = {0, 0, 1, 1};
    objectRect = skinRect;
}

SkinStdButtonObject::SkinStdButtonObject(SkinForm& form, const DataSkinStdButton* record)
    : SkinButtonObject(form, record), m_hasRecord(true), m_command(record->command) {
    restoreRect = record->restoreRect;
    restoreActiveRect = record->restoreActiveRect;
    restoreInactiveRect = record->restoreInactiveRect;
    restoreDownRect = record->restoreDownRect;
}

bool SkinStdButtonObject::inRestoreState() const {
    switch (m_command) {
    case WindowCommand::cmMaximize:
        return m_form.windowState() == FormWindowState::Maximized;
    case WindowCommand::cmMinimize:
        return m_form.windowState() == FormWindowState::Minimized;
    case WindowCommand::cmRollUp:
        return m_form.isRolledUp();
    default:
        return false;
    }
}

bool SkinStdButtonObject::canMorph() const {
    if (m_command == WindowCommand::cmSysMenu && m_form.showIcon() && skinRectInAPicture)
        return false;
    return SkinButtonObject::canMorph();
}

void SkinStdButtonObject::draw(core::FBitmap& dest, core::Point origin, bool full) {
    if (!m_hasRecord) {
        drawBuiltIn(dest, origin);
        return;
    }
    if (enabled && (m_form.formActive() || rectIsEmpty(inactiveSkinRect))) {
        if (m_command == WindowCommand::cmSysMenu && m_form.showIcon() && skinRectInAPicture) {
            m_form.drawSmallIcon(dest, objectRect.left - origin.x, objectRect.top - origin.y);
            morphFactor = 0;
            return;
        }
        if (!rectIsEmpty(restoreRect) && inRestoreState()) {
            const core::FBitmap* picture = activePicture();
            if (!m_form.formActive() && !rectIsEmpty(restoreInactiveRect))
                copyTo(dest, origin, picture, restoreInactiveRect);
            else if (down && mouseIn && !rectIsEmpty(restoreDownRect))
                copyTo(dest, origin, picture, restoreDownRect);
            else if (morphInBetween())
                drawMorph(dest, origin, picture, restoreRect, restoreActiveRect);
            else if (active && !rectIsEmpty(restoreActiveRect))
                copyTo(dest, origin, picture, restoreActiveRect);
            else
                copyTo(dest, origin, picture, restoreRect);
            return;
        }
    }
    SkinButtonObject::draw(dest, origin, full);
}

void SkinStdButtonObject::drawBuiltIn(core::FBitmap& dest, core::Point origin) const {
    const core::Rect at = objectRect.translated(-origin.x, -origin.y);
    if (m_command == WindowCommand::cmSysMenu && m_form.showIcon()) {
        m_form.drawSmallIcon(dest, at.left, at.top);
        return;
    }
    const int32_t w = at.width(), h = at.height();
    if (w <= 0 || h <= 0)
        return;
    core::FBitmap b(w, h);
    const bool pressed = down && mouseIn;
    if (mouseIn) {
        b.fill(core::rgb(0, 0, 128)); // navy frame
        b.fillRect({1, 1, w - 1, h - 1}, pressed ? core::Color(11899781) : core::Color(13811126));
    } else {
        b.fill(core::colorToRgb(core::clBtnFace));
    }
    const int32_t x = pressed ? w / 2 - 4 : w / 2 - 5, y = pressed ? h / 2 - 3 : h / 2 - 4;
    const core::Color color = enabled ? core::clBtnText : core::clBtnShadow;
    CaptionGlyph glyph = CaptionGlyph::Close;
    switch (m_command) {
    case WindowCommand::cmClose:
        glyph = CaptionGlyph::Close;
        break;
    case WindowCommand::cmMaximize:
        glyph = m_form.windowState() == FormWindowState::Maximized ? CaptionGlyph::Restore
                                                                   : CaptionGlyph::Maximize;
        break;
    case WindowCommand::cmMinimize:
        glyph = m_form.windowState() == FormWindowState::Minimized ? CaptionGlyph::Restore
                                                                   : CaptionGlyph::Minimize;
        break;
    case WindowCommand::cmSysMenu:
        glyph = CaptionGlyph::FlatBar;
        break;
    case WindowCommand::cmRollUp:
        glyph = m_form.isRolledUp() ? CaptionGlyph::TriangleDown : CaptionGlyph::TriangleUp;
        break;
    case WindowCommand::cmMinimizeToTray:
    case WindowCommand::cmDefault:
        glyph = CaptionGlyph::SmallSquare;
        break;
    }
    drawCaptionGlyph(b, glyph, x, y, color);
    copyRect(dest, at, b, b.bounds());
}

void SkinStdButtonObject::mouseDown(int32_t, int32_t, gui::MouseButton button) {
    if (!enabled || button != gui::MouseButton::mbLeft || down)
        return;
    setDown(true);
    if (m_command == WindowCommand::cmSysMenu) {
        menuItem = &m_form.buildSystemMenu();
        showObjectMenu();
    }
}

void SkinStdButtonObject::mouseUp(int32_t x, int32_t y, gui::MouseButton button) {
    const bool run = active && button == gui::MouseButton::mbLeft;
    if (m_command == WindowCommand::cmClose) {
        SkinButtonObject::mouseUp(x, y, button);
        if (run)
            m_form.executeCommand(m_command); // may free the form and this object: nothing after it
        return;
    }
    if (run)
        m_form.executeCommand(m_command);
    SkinButtonObject::mouseUp(x, y, button);
}

void SkinStdButtonObject::dblClick() {
    if (m_command == WindowCommand::cmSysMenu)
        m_form.closeWindow();
}

// --- SkinCaptionObject -----------------------------------------------------------------------------

SkinCaptionObject::SkinCaptionObject(SkinForm& form, const DataSkinCaption* record)
    : FormSkinObject(form, record), m_record(*record) {}

core::Rect SkinCaptionObject::textArea() const {
    core::Rect tr = m_record.textRect;
    if (!rectIsEmpty(m_record.textRect))
        tr.right = m_record.textRect.right + (objectRect.width() - skinRect.width());
    if (!rectIsEmpty(m_record.frameRect)) {
        tr.top += m_record.frameTextRect.top;
        tr.left += m_record.frameTextRect.left;
        tr.right += m_record.frameTextRect.right - m_record.frameRect.width();
    }
    return tr;
}

void SkinCaptionObject::setCaptionFont(gui::Font& font) const {
    font.setName(m_record.fontName);
    font.setHeight(m_record.fontHeight);
    font.setStyle(gui::FontStyles::fromBits(m_record.fontStyle.bits()));
    font.setCharset(m_form.captionCharset(m_form.defCaptionFont()));
}

void SkinCaptionObject::drawText(core::FBitmap& dest, core::Point origin, bool a) const {
    std::string text = m_form.captionText();
    if (text.empty() || rectIsEmpty(m_record.textRect))
        return;
    const core::Rect tr = textArea();
    const int32_t ox = objectRect.left - origin.x, oy = objectRect.top - origin.y;
    int32_t x = 0, y = 0, textWidth = 0;
    {
        BitmapTextCanvas textCanvas(dest);
        if (!textCanvas.isValid())
            return;
        gui::Canvas& canvas = textCanvas.canvas();
        setCaptionFont(canvas.font());
        shortenTextWithEllipsis(CanvasMeasurer(canvas), text, tr.width());
        const gui::Size extent = canvas.textExtent(text);
        textWidth = extent.width;
        y = tr.top + tr.height() / 2 - extent.height / 2;
        switch (m_record.alignment) {
        case Alignment::taRightJustify:
            x = tr.right - extent.width;
            break;
        case Alignment::taCenter:
            x = tr.left + tr.width() / 2 - extent.width / 2;
            break;
        default:
            x = tr.left;
            break;
        }
        x += ox;
        y += oy;
    }
    if (!rectIsEmpty(m_record.frameRect)) {
        const core::FBitmap* picture = activePicture();
        if (picture) {
            const core::Rect src =
                a && !rectIsEmpty(m_record.activeFrameRect) ? m_record.activeFrameRect : m_record.frameRect;
            core::FBitmap plate;
            composeHorizontalSkinImage(
                m_record.frameLeftOffset, m_record.frameRightOffset, plate, *picture, src,
                m_record.frameRect.width() + textWidth - m_record.frameTextRect.width());
            const int32_t px = x - m_record.frameTextRect.left, py = y - m_record.frameTextRect.top;
            copyRect(dest, {px, py, px + plate.width(), py + plate.height()}, plate, plate.bounds());
        }
    }
    BitmapTextCanvas textCanvas(dest);
    if (!textCanvas.isValid())
        return;
    gui::Canvas& canvas = textCanvas.canvas();
    setCaptionFont(canvas.font());
    canvas.brush().setStyle(gui::BrushStyle::bsClear);
    if (m_record.shadow) {
        canvas.font().setColor(a ? m_record.activeShadowColor : m_record.shadowColor);
        canvas.textOut(x + 1, y + 1, text);
    }
    canvas.font().setColor(a ? m_record.activeFontColor : m_record.fontColor);
    canvas.textOut(x, y, text);
}

core::FBitmap SkinCaptionObject::backgroundImage(bool activeImage) const {
    const int32_t w = objectRect.width(), h = objectRect.height();
    core::FBitmap image(std::max(w, 0), std::max(h, 0));
    const core::FBitmap* picture = activeImage ? activePicture() : mainPicture();
    const core::Rect src = activeImage ? activeSkinRect : skinRect;
    if (!picture || image.isEmpty() || rectIsEmpty(src))
        return image;
    const SkinFormInfo& info = m_form.skinData()->formInfo();
    const int32_t leftPart = info.leftTopPoint.x - skinRect.left;
    const int32_t rightPart = skinRect.right - info.rightTopPoint.x;
    if (leftPart != 0 || rightPart != 0) {
        const core::Rect middle{src.left + leftPart, src.top, src.right - rightPart, src.bottom};
        const int32_t d = middle.width();
        if (d > 0)
            for (int32_t x = 0; x < w; x += d)
                copyRect(image, {x, 0, x + d, h}, *picture, middle);
        if (leftPart > 0)
            copyRect(image, {0, 0, leftPart, h}, *picture,
                     {src.left, src.top, src.left + leftPart, src.bottom});
        if (rightPart > 0)
            copyRect(image, {w - rightPart, 0, w, h}, *picture,
                     {src.right - rightPart, src.top, src.right, src.bottom});
    } else {
        copyRect(image, image.bounds(), *picture, src);
    }
    drawText(image, {objectRect.left, objectRect.top}, activeImage);
    return image;
}

void SkinCaptionObject::draw(core::FBitmap& dest, core::Point origin, bool) {
    const SkinFormInfo& info = m_form.skinData()->formInfo();
    const core::Rect at = objectRect.translated(-origin.x, -origin.y);
    auto put = [&](core::FBitmap&& image) {
        if (info.autoRenderingInActiveImage && !active) {
            EffectBmp effect(std::move(image));
            effect.applyInactiveEffect(int(info.inActiveEffect));
            image = effect.takeBitmap();
        }
        copyRect(dest, at, image, image.bounds());
    };
    if (morphInBetween()) {
        EffectBmp a(backgroundImage(false));
        a.morph(EffectBmp(backgroundImage(true)), morphFactor, morphKind);
        put(a.takeBitmap());
        return;
    }
    if (rectIsEmpty(activeSkinRect) || (!active && !morphing)) {
        drawText(dest, origin, active);
        return;
    }
    if (active) {
        core::FBitmap image = backgroundImage(true);
        copyRect(dest, at, image, image.bounds());
        return;
    }
    put(backgroundImage(false));
}

void SkinCaptionObject::mouseEnter() {
    mouseIn = true;
    m_form.fireMouseEnter(*this);
}

void SkinCaptionObject::mouseLeave() {
    mouseIn = false;
    m_form.fireMouseLeave(*this);
}

// --- SkinAnimateObject -----------------------------------------------------------------------------

SkinAnimateObject::SkinAnimateObject(SkinForm& form, const DataSkinAnimate* record)
    : FormSkinObject(form, record) {
    m_interval = std::max<int32_t>(record->timerInterval, 25);
    m_countFrames = std::max<int32_t>(record->countFrames, 1);
    m_cycle = record->cycle;
    m_buttonStyle = record->buttonStyle;
    m_command = record->command;
    morphing = false; // animations never morph
}

void SkinAnimateObject::draw(core::FBitmap& dest, core::Point origin, bool) {
    const int32_t w = skinRect.width(), h = skinRect.height();
    const core::Rect& a = activeSkinRect;
    copyTo(dest, origin, activePicture(), {a.left + w * (frame - 1), a.top, a.left + w * frame, a.top + h});
}

void SkinAnimateObject::mouseEnter() {
    mouseIn = true;
    if (m_buttonStyle) {
        active = true;
        m_forward = true;
        m_form.startAnimateTimer();
    }
    m_form.fireMouseEnter(*this);
}

void SkinAnimateObject::mouseLeave() {
    if (!mouseIn)
        return;
    mouseIn = false;
    if (m_buttonStyle) {
        active = true;
        m_forward = false;
        m_form.startAnimateTimer();
    }
    m_form.fireMouseLeave(*this);
}

void SkinAnimateObject::mouseUp(int32_t x, int32_t y, gui::MouseButton button) {
    FormSkinObject::mouseUp(x, y, button);
    if (!mouseIn || !m_buttonStyle || button != gui::MouseButton::mbLeft)
        return;
    if (m_command == WindowCommand::cmSysMenu) {
        const core::Rect window = m_form.windowBounds();
        m_form.showSystemMenu(window.left + objectRect.left, window.top + objectRect.bottom);
        return;
    }
    m_form.executeCommand(m_command);
}

void SkinAnimateObject::dblClick() {
    if (m_command == WindowCommand::cmSysMenu)
        m_form.closeWindow();
}

void SkinAnimateObject::resetState() {
    mouseIn = false;
    active = false;
    frame = 1;
}

void SkinAnimateObject::animationTick() {
    if (m_elapsed < m_interval) {
        m_elapsed += 25;
        return;
    }
    if (m_forward) {
        if (++frame > m_countFrames)
            frame = 1;
        if (!m_cycle && frame == m_countFrames)
            active = false;
    } else {
        if (--frame < 1)
            frame = m_countFrames;
        if (frame == 1)
            active = false;
    }
    m_elapsed = 25;
    m_form.drawObjectNow(*this);
}

} // namespace skin
