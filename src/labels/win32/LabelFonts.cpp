#include "labels/win32/LabelFonts.h"

#include "core/Utf8.h"

#include <algorithm>

namespace labels {

winbase::FontHandle createRotatedFont(const gui::Font& font, int angle) {
    LOGFONTW lf{};
    lf.lfHeight = font.height();
    lf.lfWidth = 0;
    lf.lfEscapement = LONG(std::clamp<int64_t>(int64_t(angle) * 10, INT32_MIN, INT32_MAX));
    lf.lfOrientation = 0;
    const gui::FontStyles style = font.style();
    lf.lfWeight = style.has(gui::FontStyle::fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = style.has(gui::FontStyle::fsItalic);
    lf.lfUnderline = style.has(gui::FontStyle::fsUnderline);
    lf.lfStrikeOut = style.has(gui::FontStyle::fsStrikeOut);
    lf.lfCharSet = font.charset();
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    switch (font.pitch()) {
    case gui::FontPitch::fpVariable:
        lf.lfPitchAndFamily = VARIABLE_PITCH;
        break;
    case gui::FontPitch::fpFixed:
        lf.lfPitchAndFamily = FIXED_PITCH;
        break;
    default:
        lf.lfPitchAndFamily = DEFAULT_PITCH;
        break;
    }
    std::wstring face = core::utf8ToWide(font.name());
    face.resize(std::min<size_t>(face.size(), LF_FACESIZE - 1));
    std::copy(face.begin(), face.end(), lf.lfFaceName);
    return winbase::FontHandle(CreateFontIndirectW(&lf));
}

bool isTrueTypeFont(const gui::Font& font) {
    winbase::WindowDC screen(nullptr);
    if (!screen)
        return false;
    winbase::SelectObjectScope select(screen.get(), font.handle());
    TEXTMETRICW metrics{};
    if (!GetTextMetricsW(screen.get(), &metrics))
        return false;
    return (metrics.tmPitchAndFamily & TMPF_TRUETYPE) != 0;
}

} // namespace labels
