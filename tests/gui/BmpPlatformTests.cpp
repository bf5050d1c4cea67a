// The portable BMP decoder against the platform's own loader: each file is loaded with LoadImage
// and read back with GetDIBits, and every pixel must match what decodeBmp gives. This is where the
// choices the file format leaves open (how short channels widen, what RLE-skipped pixels show) are
// fixed to the platform's answers.
#include "../core/BmpFileBuilder.h"
#include "core/BmpCodec.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <type_traits>

using namespace bmp_testing;

namespace {

using BitmapOwner = std::unique_ptr<std::remove_pointer_t<HBITMAP>, decltype(&DeleteObject)>;

// The picture as the platform loads it, read back as 24-bit top-down pixels.
core::FBitmap loadWithPlatform(const std::vector<uint8_t>& file, UINT flags) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("velmora-bmp-" + std::to_string(GetCurrentProcessId()) + ".bmp");
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    }
    BitmapOwner bitmap(
        static_cast<HBITMAP>(LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | flags)),
        &DeleteObject);
    std::filesystem::remove(path);
    if (!bitmap)
        return {};
    BITMAP info{};
    GetObjectW(bitmap.get(), sizeof info, &info);
    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    request.bmiHeader.biWidth = info.bmWidth;
    request.bmiHeader.biHeight = -info.bmHeight;
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 24;
    core::FBitmap pixels(info.bmWidth, info.bmHeight);
    const int stride = (info.bmWidth * 3 + 3) / 4 * 4;
    std::vector<uint8_t> rows(size_t(stride) * size_t(info.bmHeight));
    HDC screen = GetDC(nullptr);
    const int read =
        GetDIBits(screen, bitmap.get(), 0, UINT(info.bmHeight), rows.data(), &request, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (read != info.bmHeight)
        return {};
    for (int y = 0; y < info.bmHeight; ++y)
        for (int x = 0; x < info.bmWidth; ++x) {
            const uint8_t* p = rows.data() + size_t(y) * size_t(stride) + size_t(x) * 3;
            pixels.setPixel(x, y, core::rgb(p[2], p[1], p[0]));
        }
    return pixels;
}

void expectSameAsPlatform(const std::vector<uint8_t>& file, UINT flags) {
    const core::FBitmap ours = core::decodeBmp(file).toFBitmap();
    const core::FBitmap platform = loadWithPlatform(file, flags);
    ASSERT_FALSE(platform.isEmpty()) << "the platform did not load it";
    ASSERT_EQ(ours.width(), platform.width());
    ASSERT_EQ(ours.height(), platform.height());
    int differences = 0;
    for (int y = 0; y < ours.height(); ++y)
        for (int x = 0; x < ours.width(); ++x)
            if (ours.pixel(x, y) != platform.pixel(x, y) && ++differences <= 5)
                ADD_FAILURE() << "at " << x << "," << y << ": ours " << std::hex << ours.pixel(x, y)
                              << ", the platform's " << platform.pixel(x, y);
    EXPECT_EQ(differences, 0);
}

// Every 16-bit value appears once in a 256 x 256 picture, so every channel value is compared.
std::vector<uint8_t> allSixteenBitValues(const std::vector<uint32_t>& masks) {
    FileSpec s;
    s.width = 256;
    s.height = 256;
    s.bpp = 16;
    s.masks = masks;
    s.compression = masks.empty() ? 0 : 3;
    std::vector<std::vector<uint8_t>> rows;
    for (int y = 0; y < 256; ++y) {
        std::vector<uint16_t> values;
        for (int x = 0; x < 256; ++x)
            values.push_back(uint16_t(y << 8 | x));
        rows.push_back(row16(values));
    }
    return makeFile(s, rows);
}

} // namespace

TEST(BmpPlatform, SixteenBitChannelsWidenAsTheDeviceBitmapShowsThem) {
    // A device bitmap holds the platform's direct conversion of the file's pixels.
    const std::vector<std::vector<uint32_t>> maskSets = {
        {},                       // 5-5-5 without masks
        {0xF800, 0x07E0, 0x001F}, // 5-6-5
        {0x0F00, 0x00F0, 0x000F}, // 4-4-4
        {0x8000, 0x6000, 0x1FFF}, // 1, 2 and 13 bits
        {0x00E0, 0x001C, 0x0003}, // 3-3-2 in the low byte
    };
    for (const auto& masks : maskSets) {
        SCOPED_TRACE(masks.empty() ? std::string("no masks") : std::to_string(masks[0]));
        expectSameAsPlatform(allSixteenBitValues(masks), 0);
    }
}

TEST(BmpPlatform, ThirtyTwoBitMasksWidenAsTheDeviceBitmapShowsThem) {
    FileSpec s;
    s.width = 64;
    s.height = 16;
    s.bpp = 32;
    s.compression = 3;
    s.masks = {0x3FF00000, 0x000FFC00, 0x000003FF};
    std::vector<std::vector<uint8_t>> rows;
    for (uint32_t y = 0; y < 16; ++y) {
        std::vector<uint8_t> row;
        for (uint32_t x = 0; x < 64; ++x)
            put32(row, (x * 16 + y) << 20 | (x * 7 + y * 61) % 1024 << 10 | (1023 - x * 3 - y));
        rows.push_back(row);
    }
    expectSameAsPlatform(makeFile(s, rows), 0);
}

TEST(BmpPlatform, RunLengthPicturesMatchABitmapThatKeepsTheFileDepth) {
    // Skipped pixels: a bitmap at the file's own depth (a DIB section) leaves them at index 0, which
    // is what the decoder gives; the first colour is not black, so a black pixel would show.
    std::vector<Color> palette;
    for (int i = 0; i < 256; ++i)
        palette.push_back(core::rgb(uint8_t(40 + i * 3), uint8_t(255 - i), uint8_t(i * 7)));
    FileSpec s8;
    s8.bpp = 8;
    s8.compression = 1;
    s8.width = 12;
    s8.height = 6;
    s8.palette = palette;
    const std::vector<uint8_t> rle8 = {
        4,  9,   0, 5, 1, 2,   3,  4,  5,  0,
        2,  77,  0, 0,                         // run, odd absolute run (padded), run, end of line
        0,  2,   3, 1, 3, 200, 0,  0,          // delta over a row and three pixels, run
        12, 255, 0, 0,                         // a full row
        0,  2,   4, 0, 0, 4,   10, 20, 30, 40, // delta right, absolute run
        0,  1                                  // end of bitmap before the last row
    };
    expectSameAsPlatform(makeFileWithData(s8, rle8), LR_CREATEDIBSECTION);

    FileSpec s4 = s8;
    s4.bpp = 4;
    s4.compression = 2;
    s4.width = 11;
    s4.height = 4;
    s4.palette.resize(16);
    const std::vector<uint8_t> rle4 = {
        5,  0x1E, 0, 3, 0x23, 0x40, 3,    0x77, 0,    0,       // alternating run, odd absolute run, run
        0,  2,    2, 1, 0,    6,    0x56, 0x78, 0x9A, 0, 0, 0, // delta, absolute run of six (padded)
        11, 0xCD, 0, 1                                         // a full row, end of bitmap
    };
    expectSameAsPlatform(makeFileWithData(s4, rle4), LR_CREATEDIBSECTION);
}
