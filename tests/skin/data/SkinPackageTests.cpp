#include "SkinPackageTestSkin.h"

#include "core/Error.h"
#include "core/Property.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/ZlibStreams.h"

#include <gtest/gtest.h>

using namespace skin;
using namespace skintest;

namespace {

std::vector<uint8_t> bytesOf(const std::string& s) {
    return {s.begin(), s.end()};
}

std::vector<uint8_t> fileBytes(const fs::path& p) {
    return core::readFileBytes(p.string());
}

template <class E, class F> std::string errorOf(F f) {
    try {
        f();
    } catch (const E& e) {
        return e.what();
    }
    return "no error";
}

// Collects what a component writes to its layout.
class RecordingWriter : public core::PropertyWriter {
public:
    std::vector<std::pair<std::string, core::PropertyValue>> values;

protected:
    void write(const std::string& fullName, const core::PropertyValue& value) override {
        values.emplace_back(fullName, value);
    }
};

} // namespace

TEST(SkinPackage, BuildKeepsBitmapBytesAndWritesTheLayoutFieldByField) {
    TempDir dir;
    std::string ini = writeSampleSkin(dir);
    SkinPackage package;
    ASSERT_TRUE(SkinPackage::buildFromSkinIni(ini, package));

    // Bitmap files go in unchanged, so 8-bit and 1-bit pictures keep their depth and palette.
    EXPECT_EQ(package.picture, fileBytes(dir.path() / "main.bmp"));
    EXPECT_TRUE(package.inactivePicture.empty());
    EXPECT_EQ(package.mask, fileBytes(dir.path() / "mask.bmp"));
    ASSERT_EQ(package.activePictures.size(), 3u);
    EXPECT_EQ(package.activePictures[1], fileBytes(dir.path() / "sub" / "a1.bmp"));
    EXPECT_EQ(core::decodeBmp(package.activePictures[1]).bitsPerPixel, 1);

    // The text: every line of the file (whatever its line end) followed by CR LF.
    auto lines = splitTextLines(bytesOf(sampleSkinIni()));
    EXPECT_EQ(package.iniText, joinTextLines(lines));

    // The bytes, in order: version 3, flag 0 + main, flag 1, flag 0 + mask, count 3, the three, text.
    std::vector<uint8_t> expected = {3, 0, 0, 0, 0};
    auto append = [&](const std::vector<uint8_t>& v) { expected.insert(expected.end(), v.begin(), v.end()); };
    append(package.picture);
    expected.push_back(1);
    expected.push_back(0);
    append(package.mask);
    append({3, 0, 0, 0});
    for (const auto& a : package.activePictures)
        append(a);
    append(package.iniText);
    EXPECT_EQ(package.bytes(), expected);

    // Compressed: one zlib stream at level 9, which reads back to the same package.
    std::vector<uint8_t> packed = package.compress();
    ASSERT_GT(packed.size(), 2u);
    EXPECT_EQ(packed[0], 0x78);
    EXPECT_EQ(packed[1], 0xDA);
    SkinPackage back = SkinPackage::decompress(packed);
    EXPECT_EQ(back.bytes(), expected);
}

TEST(SkinPackage, TextLinesAreCutAtEveryLineEndAndKeptByteForByte) {
    using L = std::vector<std::string>;
    EXPECT_EQ(splitTextLines(bytesOf("a\r\nb\nc\rd")), (L{"a", "b", "c", "d"}));
    EXPECT_EQ(splitTextLines(bytesOf("a\r\n\r\nb\r\n")), (L{"a", "", "b"}));
    EXPECT_EQ(splitTextLines(bytesOf("\n\r")), (L{"", ""}));
    EXPECT_EQ(splitTextLines(bytesOf("")), L{});
    EXPECT_EQ(splitTextLines(bytesOf("\xEF\xBB\xBFk=\xB0\xB2")), (L{"\xEF\xBB\xBFk=\xB0\xB2"}));
    EXPECT_EQ(joinTextLines({"a", ""}), bytesOf("a\r\n\r\n"));
}

TEST(SkinPackage, BuildRefusesAFileThatIsNotASkinIni) {
    TempDir dir;
    writeSampleSkin(dir);
    // A missing section, or one with no line at all, is not a skin ini.
    std::string noControls = sampleSkinIni().substr(0, sampleSkinIni().find("[SKINCONTROLS]"));
    std::string emptyVersion = sampleSkinIni();
    emptyVersion.replace(emptyVersion.find("ver=2"),
                         emptyVersion.find("[PICTURES]") - emptyVersion.find("ver=2"), "");
    for (const std::string& text : {noControls, emptyVersion, std::string("plain text")}) {
        writeFile(dir.path() / "other.ini", text);
        SkinPackage package;
        package.iniText = {1, 2, 3};
        EXPECT_FALSE(SkinPackage::buildFromSkinIni(dir.file("other.ini"), package));
        EXPECT_EQ(package.iniText, (std::vector<uint8_t>{1, 2, 3}));
    }
}

TEST(SkinPackage, BuildFailsOnFilesThatAreMissingOrNotBitmaps) {
    TempDir dir;
    std::string ini = writeSampleSkin(dir);
    SkinPackage package;

    fs::remove(dir.path() / "a2.bmp");
    std::string message = errorOf<core::FileOpenError>([&] { SkinPackage::buildFromSkinIni(ini, package); });
    EXPECT_EQ(message.rfind("Cannot open file \"" + dir.file("a2.bmp") + "\". ", 0), 0u) << message;

    // An empty entry in the list names the directory itself.
    std::string text = sampleSkinIni();
    text.replace(text.find("2=a2.bmp"), 8, "2=");
    writeFile(dir.path() / "skin.ini", text);
    message = errorOf<core::FileOpenError>([&] { SkinPackage::buildFromSkinIni(ini, package); });
    EXPECT_EQ(message.rfind("Cannot open file \"" + (dir.path() / "").string() + "\". ", 0), 0u) << message;

    writeSampleSkin(dir);
    writeFile(dir.path() / "a2.bmp", std::string("not a bitmap at all, no"));
    EXPECT_EQ(errorOf<core::InvalidImageError>([&] { SkinPackage::buildFromSkinIni(ini, package); }),
              "Bitmap image is not valid");

    fs::remove(dir.path() / "skin.ini");
    EXPECT_THROW(SkinPackage::buildFromSkinIni(ini, package), core::FileOpenError);
}

TEST(SkinPackage, BitmapWithAWrongSizeFieldIsMendedSoThePackageStaysReadable) {
    // Some writers leave the file header's size field 0; inside a package it delimits the file.
    TempDir dir;
    std::string ini = writeSampleSkin(dir);
    auto bmp = makeBmp(17, 5, 24, 5);
    auto broken = bmp;
    broken[2] = broken[3] = broken[4] = broken[5] = 0;
    writeFile(dir.path() / "a2.bmp", broken);
    SkinPackage package;
    ASSERT_TRUE(SkinPackage::buildFromSkinIni(ini, package));
    EXPECT_EQ(package.activePictures[2], bmp);
    EXPECT_EQ(SkinPackage::decompress(package.compress()).activePictures[2], bmp);
}

TEST(SkinPackage, ReadingHandlesVersionsAndCounts) {
    auto a = makeBmp(3, 2, 8, 1), b = makeBmp(4, 4, 1, 2), c = makeBmp(2, 2, 24, 3);
    RawPackage v3{3, {a, {}, b}, 1, {c}, "[VERSION]\r\n"};
    RawPackage v2 = v3;
    v2.version = 2;
    v2.flagged = {a, {}, b, c, {}}; // two extra entries after the mask, discarded
    for (int version : {0, 1}) {
        RawPackage old = v3;
        old.version = version;
        core::MemoryStream s(old.bytes());
        EXPECT_EQ(SkinPackage::read(s).bytes(), v3.bytes()) << version;
    }
    core::MemoryStream s2(v2.bytes());
    EXPECT_EQ(SkinPackage::read(s2).bytes(), v3.bytes());

    RawPackage v4 = v3;
    v4.version = 4;
    core::MemoryStream s4(v4.bytes());
    EXPECT_THROW(SkinPackage::read(s4), core::Error);

    // A count of 0 or below: the text follows at once.
    for (int32_t count : {0, -1, INT32_MIN}) {
        RawPackage none{3, {{}, {}, {}}, count, {}, "[x]\r\n"};
        core::MemoryStream s(none.bytes());
        SkinPackage p = SkinPackage::read(s);
        EXPECT_TRUE(p.activePictures.empty());
        EXPECT_EQ(p.iniText, bytesOf("[x]\r\n"));
    }
    // A huge count fails on the first missing bitmap.
    RawPackage huge{3, {{}, {}, {}}, INT32_MAX, {c}, ""};
    core::MemoryStream sh(huge.bytes());
    EXPECT_EQ(errorOf<core::StreamError>([&] { SkinPackage::read(sh); }), "Stream read error");
}

TEST(CompressedSkinFile, RoundTripAndDamage) {
    TempDir dir;
    const std::vector<uint8_t> data = {0x78, 0xDA, 1, 2, 3};
    core::MemoryStream out;
    writeCompressedSkinFile(out, data);
    EXPECT_EQ(out.bytes(), (std::vector<uint8_t>{3, 0, 0, 0, 5, 0, 0, 0, 0x78, 0xDA, 1, 2, 3}));
    writeFile(dir.path() / "skin.vsf", out.bytes());
    EXPECT_EQ(readCompressedSkinFile(dir.file("skin.vsf")).data, data);

    auto read = [](std::vector<uint8_t> bytes) {
        core::MemoryStream s(std::move(bytes));
        return readCompressedSkinFile(s);
    };
    // Version above 3: accepted as a file, with no data.
    EXPECT_TRUE(read({4, 0, 0, 0, 5, 0, 0, 0, 1, 2, 3, 4, 5}).data.empty());
    // Size 0: an empty package.
    EXPECT_TRUE(read({3, 0, 0, 0, 0, 0, 0, 0}).data.empty());
    // A size the file does not hold, or a negative one, is a read error before any allocation.
    EXPECT_EQ(errorOf<core::StreamError>([&] {
                  read({3, 0, 0, 0, 6, 0, 0, 0, 1, 2, 3, 4, 5});
              }),
              "Stream read error");
    EXPECT_EQ(errorOf<core::StreamError>([&] {
                  read({3, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F});
              }),
              "Stream read error");
    EXPECT_EQ(errorOf<core::StreamError>([&] {
                  read({3, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF});
              }),
              "Stream read error");
    EXPECT_EQ(errorOf<core::StreamError>([&] { read({3, 0}); }), "Stream read error");
    EXPECT_THROW(readCompressedSkinFile(dir.file("missing.vsf")), core::FileOpenError);
}

TEST(CompressedStoredSkin, BuildsAndReadsFilesOnlyWhileDesigning) {
    TempDir dir;
    std::string ini = writeSampleSkin(dir);
    CompressedStoredSkin c;
    EXPECT_TRUE(c.isPackageEmpty());

    // At run time the names are only stored.
    c.setFileName(ini);
    EXPECT_EQ(c.fileName(), ini);
    EXPECT_TRUE(c.isPackageEmpty());

    c.setDesigning(true);
    c.setFileName(ini);
    EXPECT_EQ(c.fileName(), "skin.ini");
    ASSERT_FALSE(c.isPackageEmpty());
    SkinPackage built;
    ASSERT_TRUE(SkinPackage::buildFromSkinIni(ini, built));
    EXPECT_EQ(c.packageData().bytes(), built.compress());

    // unpackTo writes the whole package at the target's position.
    core::MemoryStream target;
    target.writeBuffer("XY", 2);
    c.unpackTo(target);
    std::vector<uint8_t> expected = {'X', 'Y'};
    auto raw = built.bytes();
    expected.insert(expected.end(), raw.begin(), raw.end());
    EXPECT_EQ(target.bytes(), expected);

    // A compressed skin file replaces the package; one of version 4 leaves it empty.
    core::MemoryStream file;
    writeCompressedSkinFile(file, {9, 8, 7});
    writeFile(dir.path() / "x.vsf", file.bytes());
    c.setCompressedFileName(dir.file("x.vsf"));
    EXPECT_EQ(c.compressedFileName(), "x.vsf");
    EXPECT_EQ(c.packageData().bytes(), (std::vector<uint8_t>{9, 8, 7}));
    writeFile(dir.path() / "v4.vsf", std::vector<uint8_t>{4, 0, 0, 0, 3, 0, 0, 0, 9, 8, 7});
    c.readCompressedSkinFile(dir.file("v4.vsf"));
    EXPECT_TRUE(c.isPackageEmpty());

    // While a layout is being read, nothing is built.
    CompressedStoredSkin loading;
    loading.setDesigning(true);
    loading.setLoading(true);
    loading.setFileName(ini);
    EXPECT_TRUE(loading.isPackageEmpty());
}

TEST(CompressedStoredSkin, AFailedBuildOrReadKeepsThePreviousPackage) {
    TempDir dir;
    std::string ini = writeSampleSkin(dir);
    CompressedStoredSkin c;
    c.setPackageBytes({1, 2, 3});
    fs::remove(dir.path() / "mask.bmp");
    EXPECT_THROW(c.buildFromSkinIni(ini), core::FileOpenError);
    EXPECT_EQ(c.packageData().bytes(), (std::vector<uint8_t>{1, 2, 3}));

    writeFile(dir.path() / "cut.vsf", std::vector<uint8_t>{3, 0, 0, 0, 9, 0, 0, 0, 1});
    EXPECT_THROW(c.readCompressedSkinFile(dir.file("cut.vsf")), core::StreamError);
    EXPECT_EQ(c.packageData().bytes(), (std::vector<uint8_t>{1, 2, 3}));

    // Not a skin ini: silently nothing.
    writeFile(dir.path() / "plain.ini", std::string("[VERSION]\r\nx=1\r\n"));
    c.buildFromSkinIni(dir.file("plain.ini"));
    EXPECT_EQ(c.packageData().bytes(), (std::vector<uint8_t>{1, 2, 3}));
}

TEST(CompressedStoredSkin, CompressedDataIsStoredByteForByteAlsoWhenEmpty) {
    CompressedStoredSkin empty;
    RecordingWriter w;
    empty.writeProperties(w);
    ASSERT_EQ(w.values.size(), 1u);
    EXPECT_EQ(w.values[0].first, "CompressedData");
    EXPECT_EQ(w.values[0].second.kind, core::PropertyValue::Kind::Binary);
    EXPECT_TRUE(w.values[0].second.bytes.empty());

    CompressedStoredSkin c;
    c.setDescription("launcher skin");
    c.setFileName("skin.ini");
    c.setPackageBytes(SkinPackage().compress());
    RecordingWriter w2;
    c.writeProperties(w2);
    ASSERT_EQ(w2.values.size(), 3u);
    EXPECT_EQ(w2.values[0].first, "Description");
    EXPECT_EQ(w2.values[1].first, "FileName");
    EXPECT_EQ(w2.values[2].second.bytes, c.packageData().bytes());

    // Reading the properties back gives the same component.
    CompressedStoredSkin back;
    for (auto& [name, value] : w2.values) {
        core::PropertyReader r(name, value);
        EXPECT_TRUE(back.setProperty(name, r)) << name;
    }
    EXPECT_EQ(back.description(), "launcher skin");
    EXPECT_EQ(back.fileName(), "skin.ini");
    EXPECT_EQ(back.packageData().bytes(), c.packageData().bytes());
    core::PropertyValue none;
    core::PropertyReader unknown("Nonsense", none);
    EXPECT_FALSE(back.setProperty("Nonsense", unknown));
}
