#pragma once
// A small skin made on disk by the tests (bitmaps of several depths and a skin ini), raw packages of
// any version, and a notifier that records what the store sends.
#include "core/BmpCodec.h"
#include "core/Stream.h"
#include "skin/data/SkinNotifier.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace skintest {

namespace fs = std::filesystem;

inline std::vector<uint8_t> makeBmp(int width, int height, int bpp, unsigned seed) {
    core::BmpImage img;
    img.width = width;
    img.height = height;
    img.bitsPerPixel = bpp;
    if (bpp <= 8)
        for (int i = 0; i < (1 << bpp); ++i)
            img.palette.push_back(core::rgb(uint8_t(i * 37 + seed), uint8_t(i * 11), uint8_t(255 - i)));
    img.pixels.assign(size_t(img.stride()) * size_t(height), 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < (width * bpp + 7) / 8; ++x)
            img.row(y)[x] = uint8_t((x * 7 + y * 13 + seed) * 5);
    return core::encodeBmp(img);
}

inline void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline void writeFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A fresh directory under the test temp directory, removed afterwards.
class TempDir {
public:
    TempDir() {
        static int counter = 0;
        m_path = fs::path(testing::TempDir()) /
                 ("velmora-skin-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                  std::to_string(++counter) + "-" + std::to_string(reinterpret_cast<uintptr_t>(this)));
        fs::remove_all(m_path);
        fs::create_directories(m_path);
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    const fs::path& path() const { return m_path; }
    std::string file(const std::string& name) const { return (m_path / name).string(); }

private:
    fs::path m_path;
};

// The skin ini of the sample skin. Line ends are mixed on purpose.
inline const std::string& sampleSkinIni() {
    static const std::string text = "; sample skin\r\n"
                                    "[VERSION]\r\n"
                                    "ver=2\r\n"
                                    "skinname=Test Skin\r\n"
                                    "skinauthor=Velmora\n"
                                    "authorurl=http://example.invalid/\r\n"
                                    "authoremail=skin@example.invalid\r\n"
                                    "skincomments=for tests\r"
                                    "\r\n"
                                    "[PICTURES]\r\n"
                                    "picture=main.bmp\r\n"
                                    "inactivepicture=\r\n"
                                    "mask=mask.bmp\r\n"
                                    "activepicturescount=3\r\n"
                                    "0=a0.bmp\r\n"
                                    "1=sub\\a1.bmp\r\n"
                                    "2=a2.bmp\r\n"
                                    "\r\n"
                                    "[FORMINFO]\r\n"
                                    "lefttoppoint=10,20\r\n"
                                    "righttoppoint=150,20\r\n"
                                    "leftbottompoint=10,120\r\n"
                                    "rightbottompoint=150,120\r\n"
                                    "clientrect=12,25,170,130\r\n"
                                    "bgpictureindex=2\r\n"
                                    "maskrectarea=0,0,0,0\r\n"
                                    "hittestlefttoppoint=10,9\r\n"
                                    "hittestrighttoppoint=0,5\r\n"
                                    "buttonsrect=100,2,180,20\r\n"
                                    "captionrect=5,2,100,20\r\n"
                                    "buttonsoffset=2\r\n"
                                    "buttonsinleft=1\r\n"
                                    "borderwidth=4\r\n"
                                    "inactiveeffect=ieinvert\r\n"
                                    "topstretch=1\r\n"
                                    "\r\n"
                                    "[POPUPWINDOW]\r\n"
                                    "windowpictureindex=1\r\n"
                                    "[HINTWINDOW]\r\n"
                                    "windowpictureindex=0\r\n"
                                    "fontname=Tahoma\r\n"
                                    "[SKINOBJECTS]\r\n"
                                    "count=3\r\n"
                                    "0=closebutton:stdbutton\r\n"
                                    "1=caption:caption\r\n"
                                    "2=odd:nosuchkind\r\n"
                                    "[closebutton]\r\n"
                                    "skinrect=150,2,166,18\r\n"
                                    "command=cmclose\r\n"
                                    "[caption]\r\n"
                                    "textrect=5,2,100,20\r\n"
                                    "[SKINCONTROLS]\r\n"
                                    "count=5\r\n"
                                    "0=panel:panel\r\n"
                                    "1=groupbox:panel\r\n"
                                    "2=x:groupbox\r\n"
                                    "3=bevel:bevel\r\n"
                                    "4=stdlabel:stdlabel\r\n"
                                    "[GroupBox]\r\n"
                                    "pictureindex=0\r\n"
                                    "skinrect=0,0,40,30\r\n"
                                    "captionrect=5,0,35,10\r\n"
                                    "fontname=Courier\r\n";
    return text;
}

// Writes the sample skin into dir: an 8-bit main picture, a 1-bit mask, active pictures of 8, 1 and
// 24 bits (one in a subdirectory). Returns the path of its skin ini.
inline std::string writeSampleSkin(const TempDir& dir) {
    fs::create_directories(dir.path() / "sub");
    writeFile(dir.path() / "main.bmp", makeBmp(184, 141, 8, 1));
    writeFile(dir.path() / "mask.bmp", makeBmp(184, 141, 1, 2));
    writeFile(dir.path() / "a0.bmp", makeBmp(70, 80, 8, 3));
    writeFile(dir.path() / "sub" / "a1.bmp", makeBmp(33, 9, 1, 4));
    writeFile(dir.path() / "a2.bmp", makeBmp(17, 5, 24, 5));
    writeFile(dir.path() / "skin.ini", sampleSkinIni());
    return dir.file("skin.ini");
}

// A decompressed package written field by field, for versions and layouts the writer never makes.
struct RawPackage {
    int32_t version = 3;
    std::vector<std::vector<uint8_t>> flagged; // empty entry = flag 1
    int32_t count = 0;
    std::vector<std::vector<uint8_t>> active;
    std::string text;

    std::vector<uint8_t> bytes() const {
        core::MemoryStream s;
        s.writeInt32(version);
        for (const auto& bmp : flagged) {
            s.writeByte(bmp.empty() ? 1 : 0);
            s.writeBuffer(bmp.data(), bmp.size());
        }
        s.writeInt32(count);
        for (const auto& bmp : active)
            s.writeBuffer(bmp.data(), bmp.size());
        s.writeBuffer(text.data(), text.size());
        return s.takeBytes();
    }
};

// Records every message the store sends while installed.
class RecordingNotifier : public skin::SkinNotifier {
public:
    RecordingNotifier() { m_previous = skin::setSkinNotifier(this); }
    ~RecordingNotifier() override { skin::setSkinNotifier(m_previous); }

    void notify(skin::SkinData& store, int message) override { sent.emplace_back(&store, message); }
    std::vector<int> messages() const {
        std::vector<int> m;
        for (const auto& s : sent)
            m.push_back(s.second);
        return m;
    }

    std::vector<std::pair<skin::SkinData*, int>> sent;

private:
    skin::SkinNotifier* m_previous = nullptr;
};

} // namespace skintest
