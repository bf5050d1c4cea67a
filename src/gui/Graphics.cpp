#include "gui/Graphics.h"

namespace gui {

namespace {

core::Color systemColor(int index) {
    return core::Color(GetSysColor(index) & 0xFFFFFF);
}

} // namespace

void installSystemColorResolver() {
    static const bool installed = [] {
        core::setSystemColorResolver(&systemColor);
        return true;
    }();
    (void)installed;
}

COLORREF colorRef(core::Color color) {
    installSystemColorResolver();
    return COLORREF(core::colorToRgb(color) & 0xFFFFFF);
}

int32_t screenPixelsPerInch() {
    static const int32_t ppi = [] {
        HDC dc = GetDC(nullptr);
        int value = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 0;
        if (dc)
            ReleaseDC(nullptr, dc);
        return value > 0 ? value : 96;
    }();
    return ppi;
}

} // namespace gui
