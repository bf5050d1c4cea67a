#include "skin/controls/SkinCustomControl.h"

#include "core/Property.h"
#include "skin/data/SkinData.h"
#include "skin/render/BitmapCopy.h"
#include "skin/render/Glyphs.h"
#include "skin/render/SkinCompose.h"
#include "skin/render/win32/RegionHandle.h"

#include <windows.h>

namespace skin {

SkinCustomControl::SkinCustomControl(core::Component* owner) : SkinControl(owner) {
    m_defaultFont.setName("Arial");
    m_defaultFont.setHeight(14);
    m_defaultFont.onChange = [this](gui::Font&) {
        defaultFontChanged();
        if (!isSkinned())
            invalidate();
    };
}

SkinCustomControl::~SkinCustomControl() {
    m_defaultFont.onChange = nullptr;
    beginDestroy();
}

void SkinCustomControl::setDefaultWidth(int32_t value) {
    m_defaultWidth = value;
    if (!isSkinned() && value > 0)
        setWidth(value);
}

void SkinCustomControl::setDefaultHeight(int32_t value) {
    m_defaultHeight = value;
    if (!isSkinned() && value > 0)
        setHeight(value);
}

void SkinCustomControl::setUseSkinFont(bool value) {
    if (m_useSkinFont == value)
        return;
    m_useSkinFont = value;
    invalidate();
}

void SkinCustomControl::readSkinRecord() {
    SkinControl::readSkinRecord();
    if (m_skinIndex < 0)
        return;
    const auto* record = dynamic_cast<const DataSkinCustomControl*>(skinData()->skinControl(m_skinIndex));
    if (!record) {
        // Another kind of record: skinned, but with nothing to draw from a picture.
        m_resizeMode = ResizeMode::Fixed;
        m_picture = nullptr;
        m_maskPicture = nullptr;
        return;
    }
    m_geometry = controlSkinGeometry(*record);
    m_picture = skinData()->activePicture(record->pictureIndex);
    m_maskPicture = skinData()->activePicture(record->maskPictureIndex);
    m_resizeMode = deriveResizeMode(m_geometry);
}

void SkinCustomControl::fitSizeToSkin(int32_t& width, int32_t& height) {
    if (!isSkinned())
        return;
    skin::fitSizeToSkin(m_geometry, m_resizeMode, width, height, m_fitted);
}

void SkinCustomControl::setBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    const bool resizing = (width != this->width() || height != this->height()) && isSkinned();
    if (resizing)
        fitSizeToSkin(width, height);
    SkinControl::setBounds(left, top, width, height);
    if (resizing) {
        updateMaskRegion();
        invalidate();
    }
}

void SkinCustomControl::skinChanged() {
    readSkinRecord();
    bool sizeChanged = false;
    if (!isSkinned()) {
        if (m_defaultWidth > 0)
            setWidth(m_defaultWidth);
        if (m_defaultHeight > 0)
            setHeight(m_defaultHeight);
    } else {
        int32_t w = width();
        int32_t h = height();
        fitSizeToSkin(w, h);
        if (w != width()) {
            setWidth(w);
            sizeChanged = true;
        }
        if (h != height()) {
            setHeight(h);
            sizeChanged = true;
        }
    }
    if (!isSkinned() || !sizeChanged) {
        updateMaskRegion();
        invalidate();
    }
}

core::Rect SkinCustomControl::mapRectToSize(const core::Rect& q) const {
    return skin::mapRectToSize(m_geometry, m_resizeMode, q, width(), height());
}

void SkinCustomControl::removeWindowRegion() {
    if (!m_hasRegion)
        return;
    m_hasRegion = false;
    if (hasHandle())
        SetWindowRgn(handle(), nullptr, TRUE);
}

void SkinCustomControl::updateMaskRegion() {
    if (!m_maskPicture || !isSkinned() || m_resizeMode == ResizeMode::None) {
        removeWindowRegion();
        return;
    }
    if (!hasHandle())
        return; // applied when the window is made
    RegionHandle region;
    if (m_resizeMode == ResizeMode::Fixed) {
        region = regionFromMask(*m_maskPicture);
    } else {
        const MaskFrames frames = maskFrames(m_geometry, m_resizeMode, m_fitted, width(), height());
        region = composeMaskRegionHandle(frames.source, frames.target, *m_maskPicture, width(), height());
    }
    if (!region) {
        removeWindowRegion();
        return;
    }
    // The window owns the region from here on and frees the one it replaces.
    if (SetWindowRgn(handle(), region.get(), TRUE) != 0) {
        (void)region.release();
        m_hasRegion = true;
    }
}

void SkinCustomControl::handleCreated() {
    SkinControl::handleCreated();
    if (isSkinned())
        updateMaskRegion();
}

void SkinCustomControl::paintUnskinned(core::FBitmap& bitmap) {
    fillRectangle(bitmap, bitmap.bounds(), core::clBtnFace);
}

void SkinCustomControl::paintSkinned(core::FBitmap& bitmap) {
    if (!m_picture) {
        // A record without a picture: keep the surface clean rather than black.
        fillRectangle(bitmap, bitmap.bounds(), core::clBtnFace);
        return;
    }
    composeSkinImage(bitmap, *m_picture, m_geometry.skinRect);
}

void SkinCustomControl::composeSkinImage(core::FBitmap& bitmap, const core::FBitmap& picture,
                                         const core::Rect& r) {
    const ControlSkinGeometry& g = m_geometry;
    switch (m_resizeMode) {
    case ResizeMode::Fixed:
        bitmap.setSize(r.width(), r.height());
        copyRect(bitmap, {0, 0, r.width(), r.height()}, picture, r);
        break;
    case ResizeMode::Both:
        composeSkinImageTiled(g.frame(), m_fitted.frame(), bitmap, picture, r, width(), height(),
                              DrawClient::Yes);
        break;
    case ResizeMode::Horizontal:
        composeHorizontalSkinImage(g.leftTop.x, r.width() - g.rightTop.x, bitmap, picture, r, width());
        break;
    case ResizeMode::Vertical:
        composeVerticalSkinImage(g.leftTop.y, r.height() - g.leftBottom.y, bitmap, picture, r, height());
        break;
    case ResizeMode::None:
        break;
    }
}

bool SkinCustomControl::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name.starts_with("DefaultFont."))
        return m_defaultFont.setProperty(std::string_view(name).substr(12), value);
    if (name == "DefaultWidth")
        setDefaultWidth(value.asInt());
    else if (name == "DefaultHeight")
        setDefaultHeight(value.asInt());
    else if (name == "UseSkinFont")
        setUseSkinFont(value.asBool());
    else
        return SkinControl::setProperty(name, value);
    return true;
}

void SkinCustomControl::writeProperties(core::PropertyWriter& out) const {
    SkinControl::writeProperties(out);
    m_defaultFont.writeProperties(out, "DefaultFont");
    out.writeInt("DefaultWidth", m_defaultWidth);
    out.writeInt("DefaultHeight", m_defaultHeight);
    out.writeBool("UseSkinFont", m_useSkinFont);
}

} // namespace skin
