#pragma once
// Colour values as the skin and layouts store them: low byte red, then green, then blue.
// Negative values with the high byte 0x80 name system colours, resolved before any arithmetic.
#include <cstdint>

// Colour and pixel arithmetic must round alike on every build. On i686 that needs SSE2 floating point:
// x87 excess precision changes how ties round.
#if defined(__i386__) && !defined(__SSE2_MATH__)
#error "i686 builds need SSE2 floating point (-msse2 -mfpmath=sse -ffp-contract=off)"
#endif

namespace core {

using Color = int32_t;

constexpr Color rgb(uint8_t r, uint8_t g, uint8_t b) {
    return Color(r | (g << 8) | (b << 16));
}
constexpr uint8_t redOf(Color c) {
    return uint8_t(c & 0xFF);
}
constexpr uint8_t greenOf(Color c) {
    return uint8_t((c >> 8) & 0xFF);
}
constexpr uint8_t blueOf(Color c) {
    return uint8_t((c >> 16) & 0xFF);
}

constexpr Color clBlack = 0x000000;
constexpr Color clWhite = 0xFFFFFF;
constexpr Color clRed = 0x0000FF;
constexpr Color clBlue = 0xFF0000;
constexpr Color clGray = 0x808080;
constexpr Color clSilver = 0xC0C0C0;
constexpr Color clNavy = 0x800000;
constexpr Color clNone = 0x1FFFFFFF;
constexpr Color clDefault = 0x20000000;

// System colours: 0x80000000 | the platform's colour index.
constexpr Color systemColorBase = int32_t(0x80000000u);
constexpr Color clScrollBar = systemColorBase | 0;
constexpr Color clBackground = systemColorBase | 1;
constexpr Color clActiveCaption = systemColorBase | 2;
constexpr Color clInactiveCaption = systemColorBase | 3;
constexpr Color clMenu = systemColorBase | 4;
constexpr Color clWindow = systemColorBase | 5;
constexpr Color clWindowFrame = systemColorBase | 6;
constexpr Color clMenuText = systemColorBase | 7;
constexpr Color clWindowText = systemColorBase | 8;
constexpr Color clCaptionText = systemColorBase | 9;
constexpr Color clHighlight = systemColorBase | 13;
constexpr Color clHighlightText = systemColorBase | 14;
constexpr Color clBtnFace = systemColorBase | 15;
constexpr Color clBtnShadow = systemColorBase | 16;
constexpr Color clGrayText = systemColorBase | 17;
constexpr Color clBtnText = systemColorBase | 18;
constexpr Color clInactiveCaptionText = systemColorBase | 19;
constexpr Color clBtnHighlight = systemColorBase | 20;
constexpr Color cl3DDkShadow = systemColorBase | 21;
constexpr Color cl3DLight = systemColorBase | 22;
constexpr Color clInfoText = systemColorBase | 23;
constexpr Color clInfoBk = systemColorBase | 24;

constexpr bool isSystemColor(Color c) {
    return (uint32_t(c) & 0xFF000000u) == 0x80000000u;
}

// Resolves system colours to RGB. Portable code uses the classic Windows defaults; the Win32 layer
// installs a resolver that asks the system.
using SystemColorResolver = Color (*)(int index);
void setSystemColorResolver(SystemColorResolver resolver);
Color colorToRgb(Color c);

} // namespace core
