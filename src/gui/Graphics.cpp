#include "gui/Graphics.h"

#include "winbase/Handles.h"

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
        const winbase::WindowDC dc(nullptr);
        const int value = dc ? GetDeviceCaps(dc.get(), LOGPIXELSY) : 0;
        return value > 0 ? value : 96;
    }();
    return ppi;
}

} // namespace gui
