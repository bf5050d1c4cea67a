#pragma once
// Builds BMP files by hand, independent of the encoder, so that decoders are checked against the
// format rather than against themselves. Shared by the codec's tests and the comparison with the
// platform's own loader.
#include "core/Color.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace bmp_testing {

using core::Color;

struct FileSpec {
    int width = 3;
    int height = 2;
    int bpp = 8;
    bool topDown = false;
    uint32_t headerSize = 40;
    uint32_t compression = 0;
    uint32_t colorsUsed = 0;
    std::vector<Color> palette;
    std::vector<uint32_t> masks; // written after a 40-byte header or inside a larger one
};

inline void put16(std::vector<uint8_t>& v, uint32_t x) {
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}
inline void put32(std::vector<uint8_t>& v, uint32_t x) {
    for (int i = 0; i < 4; ++i)
        v.push_back(uint8_t(x >> (8 * i)));
}

// The file with pixelData, as it is to be stored, after the headers and colour table.
inline std::vector<uint8_t> makeFileWithData(const FileSpec& s, const std::vector<uint8_t>& pixelData) {
    std::vector<uint8_t> h;
    if (s.headerSize == 12) {
        put32(h, 12);
        put16(h, uint32_t(s.width));
        put16(h, uint32_t(s.height));
        put16(h, 1);
        put16(h, uint32_t(s.bpp));
    } else {
        put32(h, s.headerSize);
        put32(h, uint32_t(s.width));
        put32(h, uint32_t(s.topDown ? -s.height : s.height));
        put16(h, 1);
        put16(h, uint32_t(s.bpp));
        put32(h, s.compression);
        put32(h, uint32_t(pixelData.size()));
        put32(h, 2835);
        put32(h, 2835);
        put32(h, s.colorsUsed);
        put32(h, 0);
        for (uint32_t m : s.masks)
            put32(h, m);
        if (s.headerSize > 40)
            h.resize(s.headerSize, 0);
    }
    for (Color c : s.palette) {
        h.push_back(core::blueOf(c));
        h.push_back(core::greenOf(c));
        h.push_back(core::redOf(c));
        if (s.headerSize != 12)
            h.push_back(0);
    }
    std::vector<uint8_t> file = {'B', 'M'};
    const size_t pixelOffset = 14 + h.size();
    put32(file, uint32_t(pixelOffset + pixelData.size()));
    put32(file, 0);
    put32(file, uint32_t(pixelOffset));
    file.insert(file.end(), h.begin(), h.end());
    file.insert(file.end(), pixelData.begin(), pixelData.end());
    return file;
}

// rows: top-down, each already padded to the stride; stored bottom-up unless topDown is set.
inline std::vector<uint8_t> makeFile(const FileSpec& s, const std::vector<std::vector<uint8_t>>& rows) {
    std::vector<uint8_t> data;
    for (size_t i = 0; i < rows.size(); ++i) {
        const auto& r = s.topDown ? rows[i] : rows[rows.size() - 1 - i];
        data.insert(data.end(), r.begin(), r.end());
    }
    return makeFileWithData(s, data);
}

// One row of 16-bit pixels, padded to four bytes.
inline std::vector<uint8_t> row16(const std::vector<uint16_t>& pixels) {
    std::vector<uint8_t> row;
    for (uint16_t p : pixels)
        put16(row, p);
    row.resize((row.size() + 3) / 4 * 4, 0);
    return row;
}

} // namespace bmp_testing
