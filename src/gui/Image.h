#pragma once
// A picture on a form: drawn at its own size from the top-left corner and cut by the control's
// bounds, or centred, or stretched to fill the control.
#include "gui/Bitmap.h"
#include "gui/GraphicControl.h"

namespace gui {

class Image : public GraphicControl {
public:
    explicit Image(core::Component* owner = nullptr);
    ~Image() override;

    const char* className() const override { return "TImage"; }

    Bitmap& picture() { return m_picture; }
    const Bitmap& picture() const { return m_picture; }
    void setPicture(const Bitmap& picture);
    bool isCenter() const { return m_center; }
    void setCenter(bool v);
    bool isStretch() const { return m_stretch; }
    void setStretch(bool v);
    // Leaves the picture's transparent colour (its bottom-left pixel) out.
    bool isTransparent() const { return m_transparent; }
    void setTransparent(bool v);
    using Control::autoSize;
    using Control::setAutoSize;

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;

protected:
    void paint(Canvas& canvas) override;
    bool autoSizeBounds(core::Rect& bounds) override;

private:
    void pictureChanged();

    Bitmap m_picture;
    bool m_center = false;
    bool m_stretch = false;
    bool m_transparent = false;
};

// Picture data as layouts store it: an optional class-name prefix (a length byte and "TBitmap"), an
// optional 32-bit byte count, then a BMP file. Loads it into bitmap; throws core::InvalidImageError
// "Bitmap image is not valid" for anything else.
void loadPictureData(Bitmap& bitmap, const std::vector<uint8_t>& data);
// The form loadPictureData reads back: "TBitmap" prefix, byte count, BMP file.
std::vector<uint8_t> pictureData(const Bitmap& bitmap);

} // namespace gui
