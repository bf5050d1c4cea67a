#include "core/Color.h"

namespace core {

namespace {

// Classic Windows defaults, so portable code renders as on a standard desktop.
Color defaultSystemColor(int index) {
    static constexpr Color table[] = {
        rgb(200, 200, 200), rgb(0, 128, 128),   rgb(0, 0, 128),     rgb(128, 128, 128), rgb(192, 192, 192),
        rgb(255, 255, 255), rgb(0, 0, 0),       rgb(0, 0, 0),       rgb(0, 0, 0),       rgb(255, 255, 255),
        rgb(128, 128, 128), rgb(192, 192, 192), rgb(128, 128, 128), rgb(0, 0, 128),     rgb(255, 255, 255),
        rgb(192, 192, 192), rgb(128, 128, 128), rgb(128, 128, 128), rgb(0, 0, 0),       rgb(192, 192, 192),
        rgb(255, 255, 255), rgb(0, 0, 0),       rgb(223, 223, 223), rgb(0, 0, 0),       rgb(255, 255, 225),
    };
    if (index < 0 || index >= int(sizeof(table) / sizeof(table[0])))
        return clBlack;
    return table[index];
}

SystemColorResolver g_resolver = defaultSystemColor;

} // namespace

void setSystemColorResolver(SystemColorResolver resolver) {
    g_resolver = resolver ? resolver : defaultSystemColor;
}

Color colorToRgb(Color c) {
    if (isSystemColor(c))
        return g_resolver(int(c & 0xFF)) & 0xFFFFFF;
    return c;
}

} // namespace core
