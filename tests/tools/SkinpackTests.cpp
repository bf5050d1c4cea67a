#include "SkinPackageTestSkin.h"
#include "Skinpack.h"

#include "skin/data/SkinPackage.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace skintest;

namespace {

struct Result {
    int code;
    std::string out;
    std::string err;
};

Result run(std::vector<std::string> args) {
    std::ostringstream out, err;
    int code = skinpack::run(args, out, err);
    return {code, out.str(), err.str()};
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class SkinpackTest : public ::testing::Test {
protected:
    void SetUp() override {
        ini = writeSampleSkin(dir);
        ASSERT_TRUE(skin::SkinPackage::buildFromSkinIni(ini, package));
    }
    std::vector<uint8_t> read(const std::string& name) const { return core::readFileBytes(dir.file(name)); }

    TempDir dir;
    std::string ini;
    skin::SkinPackage package;
};

} // namespace

TEST_F(SkinpackTest, BuildWritesACompressedSkinFileOrTheBareStream) {
    Result r = run({"build", ini, "-o", dir.file("skin.vsf")});
    ASSERT_EQ(r.code, 0) << r.err;
    std::vector<uint8_t> zlib = package.compress();
    core::MemoryStream expected;
    skin::writeCompressedSkinFile(expected, zlib);
    EXPECT_EQ(read("skin.vsf"), expected.bytes());

    r = run({"build", ini, "--raw", "-o", dir.file("skin.z")});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(read("skin.z"), zlib);
}

TEST_F(SkinpackTest, InfoListsPicturesRecordsAndProblems) {
    ASSERT_EQ(run({"build", ini, "-o", dir.file("skin.vsf")}).code, 0);
    Result r = run({"info", dir.file("skin.vsf")});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(contains(r.out, "compressed skin file, version 3")) << r.out;
    EXPECT_TRUE(contains(r.out, "184 x 141, 8 bits")) << r.out;
    EXPECT_TRUE(contains(r.out, "184 x 141, 1 bit,")) << r.out;
    EXPECT_TRUE(contains(r.out, "33 x 9, 1 bit")) << r.out;
    EXPECT_TRUE(contains(r.out, "17 x 5, 24 bits")) << r.out;
    EXPECT_TRUE(contains(r.out, "object records: 2 (caption 1, stdbutton 1)")) << r.out;
    EXPECT_TRUE(contains(r.out, "control records: 4 (bevel 1, panel 2, stdlabel 1)")) << r.out;
    // The sample skin's deliberate faults are reported as warnings.
    EXPECT_TRUE(contains(r.out, "kind \"groupbox\" is not known")) << r.out;
    EXPECT_TRUE(contains(r.out, "kind \"nosuchkind\" is not known")) << r.out;
    EXPECT_TRUE(contains(r.out, "there is no section [panel]")) << r.out;

    // The bare stream is recognised too.
    ASSERT_EQ(run({"build", ini, "--raw", "-o", dir.file("skin.z")}).code, 0);
    r = run({"info", dir.file("skin.z")});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(contains(r.out, "zlib stream")) << r.out;
}

TEST_F(SkinpackTest, ExtractedFilesBuildBackIntoTheSamePackage) {
    ASSERT_EQ(run({"build", ini, "-o", dir.file("skin.vsf")}).code, 0);
    Result r = run({"extract", dir.file("skin.vsf"), "-o", dir.file("out")});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(read("out/sub/a1.bmp"), read("sub/a1.bmp"));
    ASSERT_EQ(run({"build", dir.file("out/skin.ini"), "-o", dir.file("again.vsf")}).code, 0);
    EXPECT_EQ(read("again.vsf"), read("skin.vsf"));
}

TEST_F(SkinpackTest, ExtractRefusesWhatCannotBeWrittenBackSafely) {
    struct Case {
        const char* what;
        std::string from, to;
    };
    const Case cases[] = {
        {"name leaving the directory", "2=a2.bmp", "2=..\\a2.bmp"},
        {"absolute name", "2=a2.bmp", "2=/tmp/a2.bmp"},
        {"same name for two bitmaps", "2=a2.bmp", "2=A0.bmp"},
        {"fewer names than bitmaps", "activepicturescount=3", "activepicturescount=2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        skin::SkinPackage p = package;
        std::string text(p.iniText.begin(), p.iniText.end());
        text.replace(text.find(c.from), c.from.size(), c.to);
        p.iniText.assign(text.begin(), text.end());
        writeFile(dir.path() / "odd.z", p.compress());
        Result r = run({"extract", dir.file("odd.z"), "-o", dir.file("odd")});
        EXPECT_EQ(r.code, 1);
        EXPECT_TRUE(contains(r.err, "cannot be extracted")) << r.err;
        EXPECT_FALSE(fs::exists(dir.path() / "odd"));
        EXPECT_EQ(run({"verify", dir.file("odd.z")}).code, 1);
    }
}

TEST_F(SkinpackTest, VerifyPassesAGoodSkinAndFailsBadInput) {
    ASSERT_EQ(run({"build", ini, "-o", dir.file("skin.vsf")}).code, 0);
    Result r = run({"verify", dir.file("skin.vsf")});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(contains(r.out, "OK (3 active pictures, 2 object and 4 control records)")) << r.out;

    auto bytes = read("skin.vsf");
    auto damaged = bytes;
    damaged[damaged.size() - 20] ^= 0xFF;
    writeFile(dir.path() / "damaged.vsf", damaged);
    r = run({"verify", dir.file("damaged.vsf")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(contains(r.err, "compression error")) << r.err;

    auto v4 = bytes;
    v4[0] = 4;
    writeFile(dir.path() / "v4.vsf", v4);
    r = run({"verify", dir.file("v4.vsf")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(contains(r.err, "version 4")) << r.err;

    writeFile(dir.path() / "text.txt", std::string("hello"));
    EXPECT_EQ(run({"verify", dir.file("text.txt")}).code, 1);
    EXPECT_EQ(run({"info", dir.file("text.txt")}).code, 1);
    r = run({"verify", dir.file("missing.vsf")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(contains(r.err, "Cannot open file")) << r.err;

    // A skin whose ini does not load (a rect without digits) fails verification.
    skin::SkinPackage p = package;
    std::string text(p.iniText.begin(), p.iniText.end());
    text.replace(text.find("captionrect=5,2,100,20"), 22, "captionrect=5,2,,20");
    p.iniText.assign(text.begin(), text.end());
    writeFile(dir.path() / "badrect.z", p.compress());
    r = run({"verify", dir.file("badrect.z")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(contains(r.err, "the skin does not load: '' is not a valid integer value")) << r.err;
}

TEST_F(SkinpackTest, BuildFailuresAndUsage) {
    Result r = run({"build", ini});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(contains(r.err, "no output")) << r.err;
    EXPECT_EQ(run({}).code, 2);
    EXPECT_EQ(run({"pack"}).code, 2);
    EXPECT_EQ(run({"info"}).code, 2);
    EXPECT_EQ(run({"build", ini, "--bogus", "-o", "x"}).code, 2);
    EXPECT_EQ(run({"--help"}).code, 0);

    writeFile(dir.path() / "plain.ini", std::string("[VERSION]\r\nskinname=x\r\n"));
    r = run({"build", dir.file("plain.ini"), "-o", dir.file("x.vsf")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(contains(r.err, "is not a skin ini")) << r.err;
    EXPECT_FALSE(fs::exists(dir.path() / "x.vsf"));

    fs::remove(dir.path() / "mask.bmp");
    r = run({"build", ini, "-o", dir.file("x.vsf")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(contains(r.err, "Cannot open file \"" + dir.file("mask.bmp") + "\"")) << r.err;
}
