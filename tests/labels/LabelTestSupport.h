#pragma once
// Helpers for pixel tests of the frame helpers: system colours resolved to distinct values, and a
// bitmap shown as one character per pixel so expected frames read as pictures.
#include "core/Color.h"
#include "core/FBitmap.h"

#include <map>
#include <string>
#include <vector>

namespace labels::test {

// System colour index i resolves to rgb(i, 1, 2): distinct from every colour the tests use directly.
inline core::Color testSystemColor(int index) {
    return core::rgb(uint8_t(index), 1, 2);
}

class ScopedTestColors {
public:
    ScopedTestColors() { core::setSystemColorResolver(testSystemColor); }
    ~ScopedTestColors() { core::setSystemColorResolver(nullptr); }
};

// Characters for the colours the frames use; '.' is the background, '?' anything else.
inline char colorChar(core::Color rgb) {
    static const std::map<core::Color, char> chars = {
        {testSystemColor(16), 'S'}, // clBtnShadow
        {testSystemColor(20), 'H'}, // clBtnHighlight
        {testSystemColor(21), 'D'}, // cl3DDkShadow
        {testSystemColor(22), 'L'}, // cl3DLight
        {testSystemColor(18), 'T'}, // clBtnText
        {testSystemColor(15), 'F'}, // clBtnFace
        {core::clRed, 'r'},          {core::clBlue, 'b'},
        {core::rgb(0, 200, 0), 'g'}, {core::rgb(10, 20, 30), '.'},
    };
    auto it = chars.find(rgb);
    return it == chars.end() ? '?' : it->second;
}

inline constexpr core::Color background = core::rgb(10, 20, 30);

inline std::vector<std::string> picture(const core::FBitmap& bmp,
                                        const std::map<core::Color, char>& extra = {}) {
    std::vector<std::string> rows;
    for (int y = 0; y < bmp.height(); ++y) {
        std::string row;
        for (int x = 0; x < bmp.width(); ++x) {
            core::Color c = bmp.pixel(x, y);
            auto it = extra.find(c);
            row += it != extra.end() ? it->second : colorChar(c);
        }
        rows.push_back(row);
    }
    return rows;
}

inline core::FBitmap canvas(int w, int h) {
    core::FBitmap bmp(w, h);
    bmp.fill(background);
    return bmp;
}

} // namespace labels::test
