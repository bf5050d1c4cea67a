// Frame geometry and painting of the skinned form: layout of the caption objects, the non-client size,
// the skinned and built-in frames, the client background, the window region from the mask, the
// active/inactive switch, size changes and opacity.
#include "skin/form/win32/SkinForm.h"

#include "gui/Canvas.h"
#include "gui/Form.h"
#include "gui/MenuItem.h"
#include "gui/Timer.h"
#include "skin/controls/BitmapTextCanvas.h"
#include "skin/controls/core/PanelGeometry.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"
#include "skin/form/MDIRules.h"
#include "skin/form/win32/CanvasTextMeasurer.h"
#include "skin/form/win32/FormSkinObjects.h"
#include "skin/render/BitmapCopy.h"
#include "skin/render/EffectBmp.h"
#include "skin/render/TextEllipsis.h"
#include "skin/render/preview/StorePreview.h"
#include "skin/render/win32/RegionHandle.h"
#include "skin/render/win32/ScreenHelpers.h"

#include <algorithm>

namespace skin {

namespace {

// Tiles the whole of piece over a width x height bitmap from (0, 0): columns 0 .. width / piece
// width and rows 0 .. height / piece height, the last ones cut.
void tileFromOrigin(core::FBitmap& dest, const core::FBitmap& picture, const Rect& piece) {
    const int32_t pw = piece.width(), ph = piece.height();
    if (pw < 1 || ph < 1)
        return;
    for (int32_t y = 0; y < dest.height(); y += ph)
        for (int32_t x = 0; x < dest.width(); x += pw)
            copyRect(dest, {x, y, x + pw, y + ph}, picture, piece);
}

} // namespace

// --- Geometry and layout -------------------------------------------------------------------------

BuiltInFrameMetrics SkinForm::builtInMetrics() const {
    return BuiltInFrameMetrics::forToolWindow(isToolWindow());
}

void SkinForm::computeFrameGeometry() {
    if (!m_skinData || m_skinData->isSkinEmpty())
        return;
    if ((m_frameWidth == 0 || m_frameHeight == 0) && hasWindow()) {
        const core::Rect r = windowBounds();
        m_frameWidth = r.width();
        m_frameHeight = r.height();
    }
    m_geometry = skin::computeFrameGeometry(formFrameMetrics(*m_skinData), m_frameWidth, m_frameHeight);
}

std::vector<FormObjectPlace> SkinForm::objectPlaces() const {
    std::vector<FormObjectPlace> places;
    places.reserve(m_objects.size());
    for (const std::unique_ptr<FormSkinObject>& o : m_objects)
        places.push_back(
            {o->kind(), o->command(), o->skinRect, o->skinRectInAPicture, o->visible, o->objectRect});
    return places;
}

void SkinForm::layoutObjects() {
    std::vector<FormObjectPlace> places = objectPlaces();
    if (m_skinned)
        layoutFormObjects(formFrameMetrics(*m_skinData), m_geometry, places,
                          m_showIcon ? smallIconSize() : Point{});
    else
        layoutBuiltInObjects(builtInMetrics(), m_frameWidth, places, m_showIcon ? smallIconSize() : Point{});
    for (size_t i = 0; i < places.size(); ++i)
        m_objects[i]->objectRect = places[i].objectRect;
}

core::Rect SkinForm::builtInCaptionRect() {
    std::vector<FormObjectPlace> places = objectPlaces();
    const Rect caption =
        layoutBuiltInObjects(builtInMetrics(), m_frameWidth, places, m_showIcon ? smallIconSize() : Point{});
    for (size_t i = 0; i < places.size(); ++i)
        m_objects[i]->objectRect = places[i].objectRect;
    return caption;
}

void SkinForm::updateFrame(bool layout) {
    if (isDesigning() || !m_skinData || m_skinData->isSkinEmpty())
        return;
    computeFrameGeometry();
    if (layout)
        layoutObjects();
    updateWindowRegion(layout);
    if (!m_regionSet && hasWindow())
        paintNow();
}

void SkinForm::removeWindowRegion() {
    if (m_regionSet && hasWindow())
        SetWindowRgn(window(), nullptr, TRUE);
    m_regionSet = false;
    m_regionSize = {-1, -1};
    m_maskShape = MaskShape{};
    m_maskShapeReady = false;
}

void SkinForm::updateWindowRegion(bool recompose) {
    if (!hasWindow())
        return;
    if (isBorderless() || isMaximizedChild() || !m_skinData || m_skinData->maskPicture().isEmpty()) {
        removeWindowRegion();
        return;
    }
    const core::FBitmap& mask = m_skinData->maskPicture();
    if (!recompose) {
        RegionHandle region = regionFromMask(mask);
        if (region && SetWindowRgn(window(), region.get(), TRUE))
            (void)region.release(); // the window owns it now
        m_regionSet = true;
        return;
    }
    // The region follows the window's size only; an unchanged size keeps the region in place.
    const core::Point size{m_frameWidth, m_frameHeight};
    if (m_regionSet && size == m_regionSize)
        return;
    const FormFrameMetrics metrics = formFrameMetrics(*m_skinData);
    if (!m_maskShapeReady) {
        m_maskShape = MaskShape(metrics.maskFrame(), mask);
        m_maskShapeReady = true;
    }
    m_maskShape.layout(m_geometry.maskFrame(), m_frameWidth, m_frameHeight);
    RegionHandle region = createRegion(m_maskShape.region());
    if (region && SetWindowRgn(window(), region.get(), TRUE)) {
        (void)region.release();
        m_regionSet = true;
        m_regionSize = size;
    }
}

void SkinForm::nonClientSize(gui::Message& m) {
    m.result = 0;
    // A maximised child is all client area.
    if (isBorderless() || isMaximizedChild() || !m.lParam)
        return;
    // Only the first rectangle of the parameter block changes (the proposed window rect).
    RECT& r = *reinterpret_cast<RECT*>(m.lParam);
    const Rect window{r.left, r.top, r.right, r.bottom};
    Rect client;
    if (m_skinned) {
        computeFrameGeometry();
        client = skinnedClientFromWindow(formFrameMetrics(*m_skinData), window);
    } else {
        client = builtInClientFromWindow(builtInMetrics(), window);
    }
    r = {client.left, client.top, client.right, client.bottom};
}

// --- Painting ------------------------------------------------------------------------------------

void SkinForm::paintNow() {
    if (!hasWindow())
        return;
    SendMessageW(window(), WM_NCPAINT, 1, 0);
}

void SkinForm::paintFrame(HDC dc) {
    if (m_skinned)
        paintSkinnedFrame(dc);
    else
        paintDefaultFrame(dc);
}

void SkinForm::paintSkinnedFrame(HDC dc) {
    const core::Point minimum = minimumFrameSize();
    if (m_frameWidth < minimum.x || m_frameHeight < minimum.y)
        return;
    computeFrameGeometry();
    layoutObjects();
    const SkinFormInfo& info = m_skinData->formInfo();
    const bool useInactive = !m_formActive && !m_skinData->inactiveMainPicture().isEmpty();
    const core::FBitmap& source = useInactive ? m_skinData->inactiveMainPicture() : m_skinData->mainPicture();
    const int32_t W = m_frameWidth, H = m_frameHeight;
    const SkinFrame frame = formFrameMetrics(*m_skinData).frame();
    const size_t which = useInactive ? 1 : 0;
    if (!m_borderPlanReady[which]) {
        m_borderPlans[which] = FormBorderPlan(frame, source, source.bounds());
        m_borderPlanReady[which] = true;
    }
    composeFormBorderImages(frame, m_geometry.frame(), m_borderImages, source, source.bounds(), W, H,
                            {info.leftStretch, info.topStretch, info.rightStretch, info.bottomStretch},
                            &m_borderPlans[which]);
    const Rect& client = m_geometry.clientRect;
    for (const std::unique_ptr<FormSkinObject>& o : m_objects) {
        if (!o->visible)
            continue;
        if (o->objectRect.bottom > client.top)
            o->draw(m_borderImages.bottom, {0, client.bottom}, false);
        else
            o->draw(m_borderImages.top, {0, 0}, false);
    }
    if (client.height() > 0)
        ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
    const bool effect = !m_formActive && info.autoRenderingInActiveImage;
    const core::FBitmap* strips[] = {&m_borderImages.top, &m_borderImages.left, &m_borderImages.right,
                                     &m_borderImages.bottom};
    const core::Point at[] = {{0, 0},
                              {0, m_borderImages.top.height()},
                              {W - m_borderImages.right.width(), m_borderImages.top.height()},
                              {0, H - m_borderImages.bottom.height()}};
    for (int i = 0; i < 4; ++i) {
        if (!effect) {
            drawTo(dc, at[i].x, at[i].y, *strips[i]);
            continue;
        }
        EffectBmp inactive(*strips[i]);
        inactive.applyInactiveEffect(int(info.inActiveEffect));
        drawTo(dc, at[i].x, at[i].y, inactive);
    }
}

void SkinForm::paintDefaultFrame(HDC dc) {
    if (m_frameWidth == 0 || m_frameHeight == 0) {
        const core::Rect r = windowBounds();
        m_frameWidth = r.width();
        m_frameHeight = r.height();
    }
    if (m_objects.empty())
        buildDefaultObjects();
    const int32_t W = m_frameWidth, H = m_frameHeight, ch = builtInMetrics().captionHeight;
    if (W <= 6 || H <= 0)
        return;
    const Rect caption = builtInCaptionRect();
    core::FBitmap bar(W - 6, ch);
    bar.fill(core::colorToRgb(core::clBtnFace));
    const int32_t L = caption.left - 3, R = caption.right;
    if (ch - 4 > 1)
        for (int32_t i = 0; i < ch - 5; ++i)
            bar.fillRect({L + 2, 2 + i, R - 6, 3 + i},
                         core::colorToRgb(i % 2 == 0 ? core::clBtnHighlight : core::clBtnShadow));
    std::string text = captionText();
    if (!text.empty()) {
        BitmapTextCanvas textCanvas(bar);
        if (textCanvas.isValid()) {
            gui::Canvas& canvas = textCanvas.canvas();
            const gui::Font& font = m_formActive ? m_defCaptionFont : m_defInActiveCaptionFont;
            canvas.font().assign(font);
            canvas.font().setCharset(captionCharset(font));
            shortenTextWithEllipsis(CanvasMeasurer(canvas), text, R - L);
            const gui::Size extent = canvas.textExtent(text);
            const int32_t x = L + (R - L) / 2 - (extent.width + 5) / 2;
            const int32_t y = ch / 2 - extent.height / 2;
            canvas.brush().setColor(core::clBtnFace);
            canvas.fillRect({x, 0, x + extent.width + 5, bar.height()});
            canvas.brush().setStyle(gui::BrushStyle::bsClear);
            canvas.textOut(x + 3, y, text);
        }
    }
    for (const std::unique_ptr<FormSkinObject>& o : m_objects)
        if (o->visible)
            o->draw(bar, {3, 3}, true);
    // The frame composed whole (client excluded from the transfer): the caption bar inside three
    // one-pixel 3-D frames.
    core::FBitmap frame(W, H);
    Rect r{0, 0, W, H};
    frame3D(frame, r, core::cl3DLight, core::cl3DDkShadow);
    frame3D(frame, r, core::clBtnHighlight, core::clBtnShadow);
    frame3D(frame, r, core::clBtnFace, core::clBtnFace);
    copyRect(frame, {3, 3, 3 + bar.width(), 3 + bar.height()}, bar, bar.bounds());
    ExcludeClipRect(dc, 3, 3 + ch, W - 3, H - 3);
    drawTo(dc, 0, 0, frame);
}

void SkinForm::drawObjectNow(FormSkinObject& o) {
    if (!hasWindow() || isBorderless() || isMaximizedChild() || !o.visible || o.objectRect.isEmpty())
        return;
    // The object over what the frame shows at its place, put on the window in one transfer.
    core::FBitmap piece(o.objectRect.width(), o.objectRect.height());
    const core::Point origin{o.objectRect.left, o.objectRect.top};
    if (m_skinned) {
        const Rect& client = m_geometry.clientRect;
        const bool inBottom = o.objectRect.bottom > client.top;
        const core::FBitmap& strip = inBottom ? m_borderImages.bottom : m_borderImages.top;
        const int32_t dy = inBottom ? client.bottom : 0;
        copyRect(piece, piece.bounds(), strip, o.objectRect.translated(0, -dy));
    } else {
        piece.fill(core::colorToRgb(core::clBtnFace));
    }
    o.draw(piece, origin, true);
    HDC dc = GetWindowDC(window());
    if (!dc)
        return;
    drawTo(dc, origin.x, origin.y, piece);
    ReleaseDC(window(), dc);
}

void SkinForm::paintClientBackground(HDC dc, HWND target) {
    if (!dc || !hasWindow())
        return;
    const bool mdiClient = target != nullptr;
    RECT cr;
    GetClientRect(mdiClient ? target : window(), &cr);
    const int32_t cw = cr.right, chh = cr.bottom;
    if (cw <= 0 || chh <= 0)
        return;
    core::FBitmap bg(cw, chh);
    const core::FBitmap* picture = nullptr;
    Rect piece;
    if (m_skinned) {
        const SkinFormInfo& f = m_skinData->formInfo();
        const core::FBitmap* mdiPicture =
            mdiClient ? m_skinData->activePicture(f.mdiBgPictureIndex) : nullptr;
        if (mdiPicture) {
            picture = mdiPicture;
            piece = mdiPicture->bounds();
        } else if (const core::FBitmap* p = m_skinData->activePicture(f.bgPictureIndex)) {
            picture = p;
            piece = p->bounds();
        } else if (!f.clientRect.isEmpty()) {
            picture = &m_skinData->mainPicture();
            piece = f.clientRect;
        }
    }
    if (picture)
        tileFromOrigin(bg, *picture, piece);
    else
        bg.fill(core::colorToRgb(mdiClient ? core::systemColorBase | COLOR_APPWORKSPACE : core::clBtnFace));
    drawTo(dc, 0, 0, bg);
    if (!m_logo.isEmpty()) {
        gui::Canvas canvas(dc);
        const int32_t x = std::max(0, cw / 2 - m_logo.width() / 2);
        const int32_t y = std::max(0, chh / 2 - m_logo.height() / 2);
        m_logo.setTransparent(m_logoTransparent);
        canvas.draw(x, y, m_logo);
    }
}

// --- Activation ----------------------------------------------------------------------------------

void SkinForm::ncActivate(gui::Message& m) {
    m_formActive = m.wParam != 0;
    if (isMDIParent() || isMDIChild()) {
        // The frame's procedure passes the activation on to the active child; the frame is
        // painted over again below.
        passOn(m);
    } else {
        // The platform never draws its own caption.
        m.result = 1;
    }
    if (isBorderless() || isMaximizedChild()) {
        updateCaptionState(false);
    } else {
        paintNow();
        updateCaptionState(true);
    }
    if (isMDIChild()) {
        if (m_windowMenuItem)
            m_windowMenuItem->setChecked(m_form->mdiParent() &&
                                         m_form->mdiParent()->activeMDIChild() == m_form);
        if (SkinForm* parent = parentSkinForm(); parent && isMaximizedChild())
            parent->paintNow();
        refreshParentBars();
    }
}

void SkinForm::updateCaptionState(bool repaint) {
    for (const std::unique_ptr<FormSkinObject>& o : m_objects) {
        if (o->kind() != FormObjectKind::Caption || o->active == m_formActive)
            continue;
        o->active = m_formActive;
        if (repaint) {
            paintNow();
            if (o->morphing)
                startMorphTimer();
        } else if (o->morphing) {
            o->morphFactor = m_formActive ? 1 : 0;
        }
        break;
    }
    if (m_formActive) {
        if (onActivate)
            onActivate(this);
    } else if (onDeActivate) {
        onDeActivate(this);
    }
}

// --- Size changes --------------------------------------------------------------------------------

void SkinForm::sizeChanged(gui::Message& m) {
    passOn(m);
    if (m_inSizeMove && m_fullDrag) {
        if (!m_logo.isEmpty())
            InvalidateRect(window(), nullptr, TRUE);
        return;
    }
    const core::Rect r = windowBounds();
    m_frameWidth = r.width();
    m_frameHeight = r.height();
    const core::Point minimum = minimumFrameSize();
    if (!m_skinned)
        paintNow();
    else if (m_frameWidth >= minimum.x && m_frameHeight >= minimum.y)
        updateFrame(true);
    if (m_alphaBlend && m_alphaBlendValue != 255 && hasLayeredWindows()) {
        paintNow();
        InvalidateRect(window(), nullptr, TRUE);
    }
    if (!m_logo.isEmpty() && !isMDIParent())
        InvalidateRect(window(), nullptr, TRUE);
}

void SkinForm::sizing(gui::Message& m) {
    passOn(m);
    if (!(m_inSizeMove && m_fullDrag) || !m.lParam)
        return;
    const RECT& r = *reinterpret_cast<const RECT*>(m.lParam);
    m_frameWidth = r.right - r.left;
    m_frameHeight = r.bottom - r.top;
    const core::Point minimum = minimumFrameSize();
    if (m_skinned && m_frameWidth >= minimum.x && m_frameHeight >= minimum.y)
        updateFrame(true);
}

// --- Opacity -------------------------------------------------------------------------------------

void SkinForm::applyLayered(bool layered) {
    if (!hasWindow())
        return;
    LONG_PTR ex = GetWindowLongPtrW(window(), GWL_EXSTYLE);
    ex = layered ? (ex | WS_EX_LAYERED) : (ex & ~LONG_PTR(WS_EX_LAYERED));
    SetWindowLongPtrW(window(), GWL_EXSTYLE, ex);
}

void SkinForm::setAlphaBlend(bool v) {
    if (v == m_alphaBlend)
        return;
    m_alphaBlend = v;
    if (isLoading() || isDesigning() || !hasWindow() || !hasLayeredWindows())
        return;
    applyLayered(v);
    if (v)
        setWindowAlpha(window(), m_alphaBlendValue);
}

void SkinForm::setAlphaBlendValue(uint8_t v) {
    if (v == m_alphaBlendValue)
        return;
    m_alphaBlendValue = v;
    if (m_alphaBlend && hasWindow() && hasLayeredWindows() && !isLoading() && !isDesigning())
        setWindowAlpha(window(), v);
}

void SkinForm::showWindowChanged(gui::Message& m) {
    if (m.wParam) {
        if ((m_alphaBlend || m_alphaBlendAnimation) && hasLayeredWindows()) {
            applyLayered(true);
            setWindowAlpha(window(), 0);
            SetTimer(window(), 1, 1, nullptr);
        }
        if (m_form->menu())
            SetMenu(window(), nullptr); // the skin draws menus itself
        if (isMDIParent())
            hookClientWindow();
        forceRelayout();
        if (isMDIChild())
            childShown(true);
    } else {
        if (isMDIChild())
            childShown(false);
        if (m_alphaBlend && hasLayeredWindows())
            applyLayered(false);
    }
}

void SkinForm::fadeTimer() {
    if (!(m_alphaBlend || m_alphaBlendAnimation) || !hasLayeredWindows())
        return;
    KillTimer(window(), 1);
    const int target = (!m_alphaBlendAnimation || m_alphaBlend) ? m_alphaBlendValue : 255;
    if (m_alphaBlendAnimation) {
        for (int a = 5;; a += 5) {
            const int value = std::min(a, target);
            setWindowAlpha(window(), uint8_t(value));
            if (value >= target)
                break;
        }
    } else if (target < 255) {
        setWindowAlpha(window(), uint8_t(target));
    }
    if (target == 255)
        applyLayered(false);
}

// --- Small icon and caption text -----------------------------------------------------------------

core::Point SkinForm::smallIconSize() const {
    int w = GetSystemMetrics(SM_CXSMICON), h = GetSystemMetrics(SM_CYSMICON);
    if (w == 0)
        w = GetSystemMetrics(SM_CXSIZE);
    if (h == 0)
        h = GetSystemMetrics(SM_CYSIZE);
    return {w, h};
}

void SkinForm::drawSmallIcon(core::FBitmap& dest, int32_t x, int32_t y) {
    if (!hasWindow())
        return;
    const core::Point size = smallIconSize();
    if (!m_smallIcon) {
        HICON icon = HICON(SendMessageW(window(), WM_GETICON, ICON_BIG, 0));
        if (!icon)
            icon = HICON(GetClassLongPtrW(window(), GCLP_HICON));
        if (!icon)
            icon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512)); // IDI_APPLICATION, shared
        if (icon)
            m_smallIcon.reset(HICON(CopyImage(icon, IMAGE_ICON, size.x, size.y, LR_COPYFROMRESOURCE)));
    }
    if (!m_smallIcon)
        return;
    BitmapTextCanvas canvas(dest);
    if (canvas.isValid())
        DrawIconEx(canvas.canvas().handle(), x, y, m_smallIcon.get(), 0, 0, 0, nullptr, DI_NORMAL);
}

std::string SkinForm::captionText() const {
    gui::CustomForm* child = isMDIParent() ? maximizedChild() : nullptr;
    if (!child)
        return m_form->caption();
    const std::string childCaption = child->caption();
    return mdiParentCaption(m_form->caption(), &childCaption);
}

uint8_t SkinForm::captionCharset(const gui::Font& fallback) const {
    if (m_skinData && m_skinData->resourceStrData())
        return m_skinData->resourceStrData()->charSet();
    return fallback.charset();
}

void SkinForm::firePaint(const FormSkinObject& o, core::FBitmap& dest, core::Point origin) {
    if (!onPaintEvent)
        return;
    BitmapTextCanvas canvas(dest);
    if (canvas.isValid())
        onPaintEvent(o.idName, canvas.canvas(), o.objectRect.translated(-origin.x, -origin.y));
}

} // namespace skin
