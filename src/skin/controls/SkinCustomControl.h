#pragma once
// A skinned control drawn from a custom-control record (a nine-piece skin rectangle with a client
// rectangle): fits its size to the record, composes the skin image for its size, clips its window
// to the record's mask, and falls back to DefaultFont, DefaultWidth and DefaultHeight unskinned.
#include "core/FBitmap.h"
#include "gui/Font.h"
#include "skin/controls/SkinControl.h"
#include "skin/controls/core/ControlSkinGeometry.h"

namespace skin {

class SkinCustomControl : public SkinControl {
public:
    explicit SkinCustomControl(core::Component* owner = nullptr);
    ~SkinCustomControl() override;

    const char* className() const override { return "TSkinCustomControl"; }

    // Used unskinned, and skinned when useSkinFont is off. Any change calls defaultFontChanged and
    // repaints an unskinned control.
    gui::Font& defaultFont() { return m_defaultFont; }
    const gui::Font& defaultFont() const { return m_defaultFont; }
    void setDefaultFont(const gui::Font& font) { m_defaultFont.assign(font); }
    // Sizes forced on the unskinned control when above 0.
    int32_t defaultWidth() const { return m_defaultWidth; }
    void setDefaultWidth(int32_t value);
    int32_t defaultHeight() const { return m_defaultHeight; }
    void setDefaultHeight(int32_t value);
    bool useSkinFont() const { return m_useSkinFont; }
    void setUseSkinFont(bool value);

    ResizeMode resizeMode() const { return m_resizeMode; }
    const ControlSkinGeometry& skinGeometry() const { return m_geometry; }
    const FittedSkinGeometry& fittedGeometry() const { return m_fitted; }
    // The record's pictures (the store's; valid until the next skin change), or null.
    const core::FBitmap* picture() const { return m_picture; }
    const core::FBitmap* maskPicture() const { return m_maskPicture; }
    // Whether a window region is set on the control now.
    bool hasWindowRegion() const { return m_hasRegion; }

    // A skinned control snaps the proposed size to its record, then refreshes region and image.
    void setBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
    void skinChanged() override;

    // Places rectangle q of the record on the control's current size.
    core::Rect mapRectToSize(const core::Rect& q) const;

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;

protected:
    void readSkinRecord() override;
    virtual void defaultFontChanged() {}
    // Adjusts a proposed size to the record and places the record's points on it.
    virtual void fitSizeToSkin(int32_t& width, int32_t& height);
    // Sets the region cut from the mask for the current size, or removes it.
    virtual void updateMaskRegion();

    void paintUnskinned(core::FBitmap& bitmap) override;
    void paintSkinned(core::FBitmap& bitmap) override;
    // Composes rectangle r of picture for the control's size the way the record's own image is.
    void composeSkinImage(core::FBitmap& bitmap, const core::FBitmap& picture, const core::Rect& r);

    void handleCreated() override;

private:
    void removeWindowRegion();

    gui::Font m_defaultFont;
    int32_t m_defaultWidth = 0;
    int32_t m_defaultHeight = 0;
    bool m_useSkinFont = true;

    ResizeMode m_resizeMode = ResizeMode::None;
    ControlSkinGeometry m_geometry;
    FittedSkinGeometry m_fitted;
    const core::FBitmap* m_picture = nullptr;
    const core::FBitmap* m_maskPicture = nullptr;
    bool m_hasRegion = false;
};

} // namespace skin
