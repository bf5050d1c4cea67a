#pragma once
// Bitmaps for pixel tests whose every pixel says where it came from.
#include "core/FBitmap.h"

#include <string>

namespace skintest {

// Pixel (x, y) of a source picture: red x, green y, blue a tag telling pictures apart.
constexpr core::Color sourceColor(int x, int y, int tag = 7) {
    return core::rgb(uint8_t(x), uint8_t(y), uint8_t(tag));
}

inline core::FBitmap coordinateBitmap(int w, int h, int tag = 7) {
    core::FBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.setPixel(x, y, sourceColor(x, y, tag));
    return b;
}

// A bitmap from rows of characters: '#' black, '.' white, 'r' (0,0,1) near-black.
inline core::FBitmap bitmapFromText(std::initializer_list<std::string> rows) {
    const int h = int(rows.size());
    const int w = h ? int(rows.begin()->size()) : 0;
    core::FBitmap b(w, h);
    int y = 0;
    for (const std::string& row : rows) {
        for (int x = 0; x < w; ++x)
            b.setPixel(x, y,
                       row[size_t(x)] == '#'   ? core::clBlack
                       : row[size_t(x)] == 'r' ? core::rgb(0, 0, 1)
                                               : core::clWhite);
        ++y;
    }
    return b;
}

// The bitmap back as text ('#' black, '.' anything else), for readable failures.
inline std::string bitmapText(const core::FBitmap& b) {
    std::string s;
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x)
            s += b.pixel(x, y) == core::clBlack ? '#' : '.';
        s += '\n';
    }
    return s;
}

} // namespace skintest
