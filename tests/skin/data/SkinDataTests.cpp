#include "SkinPackageTestSkin.h"

#include "core/Error.h"
#include "layout/LayoutReader.h"
#include "layout/LayoutWriter.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/SkinRecords.h"
#include "skin/data/ZlibStreams.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace skin;
using namespace skintest;
using core::Point;
using core::Rect;

namespace {

constexpr int before = wmBeforeChangeSkinData, changed = wmChangeSkinData, after = wmAfterChangeSkinData;

// A package component holding the given decompressed package bytes.
void setRaw(CompressedStoredSkin& c, const std::vector<uint8_t>& raw) {
    core::MemoryStream in(raw), out;
    deflateWhole(in, out);
    c.setPackageBytes(out.takeBytes());
}

// The package's zlib checksum, its last byte, made wrong: only the end of the stream tells.
void setRawWithWrongChecksum(CompressedStoredSkin& c, const std::vector<uint8_t>& raw) {
    setRaw(c, raw);
    std::vector<uint8_t> bytes = c.packageData().bytes();
    if (!bytes.empty())
        bytes.back() ^= 0xFF;
    c.setPackageBytes(bytes);
}

// A package of no bitmaps and the given ini text.
void setIniOnly(CompressedStoredSkin& c, const std::string& ini) {
    setRaw(c, RawPackage{3, {{}, {}, {}}, 0, {}, ini}.bytes());
}

class SkinDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        iniPath = writeSampleSkin(dir);
        ASSERT_TRUE(SkinPackage::buildFromSkinIni(iniPath, sample));
        sampleSkin.setPackageBytes(sample.compress());
    }

    core::FBitmap picture(const std::string& name) const {
        return core::decodeBmp(core::readFileBytes(dir.file(name))).toFBitmap();
    }

    // The store after the sample skin loaded, as every check of that skin expects it.
    void expectSampleSkin(const SkinData& s) const {
        EXPECT_FALSE(s.isSkinEmpty());
        EXPECT_EQ(s.mainPicture(), picture("main.bmp"));
        EXPECT_TRUE(s.inactiveMainPicture().isEmpty());
        EXPECT_EQ(s.maskPicture(), picture("mask.bmp"));
        ASSERT_EQ(s.activePictureList().size(), 3u);
        EXPECT_EQ(s.activePictureList()[0], picture("a0.bmp"));
        EXPECT_EQ(s.activePictureList()[1], picture("sub/a1.bmp"));
        EXPECT_EQ(s.activePictureList()[2], picture("a2.bmp"));

        EXPECT_EQ(s.versionInfo(), (SkinVersionInfo{"Test Skin", "Velmora", "http://example.invalid/",
                                                    "skin@example.invalid", "for tests"}));
        EXPECT_EQ(s.pictureNames(),
                  (SkinPictureNames{"main.bmp", "", "mask.bmp", {"a0.bmp", "sub\\a1.bmp", "a2.bmp"}}));

        const SkinFormInfo& f = s.formInfo();
        // Corner points clamped into the client rect (12,25,170,130).
        EXPECT_EQ(f.leftTopPoint, (Point{12, 25}));
        EXPECT_EQ(f.rightTopPoint, (Point{150, 25}));
        EXPECT_EQ(f.leftBottomPoint, (Point{12, 120}));
        EXPECT_EQ(f.rightBottomPoint, (Point{150, 120}));
        EXPECT_EQ(f.clientRect, (Rect{12, 25, 170, 130}));
        // With a mask: an empty mask area becomes the client rect; hit-test points with a 0
        // coordinate take the corner points as read (before clamping).
        EXPECT_EQ(f.maskRectArea, (Rect{12, 25, 170, 130}));
        EXPECT_EQ(f.hitTestLeftTopPoint, (Point{10, 9}));
        EXPECT_EQ(f.hitTestRightTopPoint, (Point{150, 20}));
        EXPECT_EQ(f.hitTestLeftBottomPoint, (Point{10, 120}));
        EXPECT_EQ(f.hitTestRightBottomPoint, (Point{150, 120}));
        EXPECT_EQ(f.bgPictureIndex, 2);
        EXPECT_EQ(f.mdiBgPictureIndex, -1);
        EXPECT_TRUE(f.topStretch);
        EXPECT_FALSE(f.leftStretch);
        EXPECT_EQ(f.buttonsRect, (Rect{100, 2, 180, 20}));
        EXPECT_EQ(f.captionRect, (Rect{5, 2, 100, 20}));
        EXPECT_EQ(f.buttonsOffset, 2);
        EXPECT_TRUE(f.buttonsInLeft);
        EXPECT_FALSE(f.mainMenuPopupUp);
        EXPECT_EQ(f.borderWidth, 4);
        EXPECT_EQ(f.inActiveEffect, InActiveEffect::ieInvert);

        EXPECT_EQ(s.popupWindowData().windowPictureIndex, 1);
        EXPECT_EQ(s.hintWindowData().windowPictureIndex, 0);
        EXPECT_EQ(s.hintWindowData().fontName, "Tahoma");

        // Objects: the unknown kind is skipped.
        ASSERT_EQ(s.skinObjectList().size(), 2u);
        auto* close = dynamic_cast<DataSkinStdButton*>(s.skinObject(s.findSkinObject("closebutton")));
        ASSERT_NE(close, nullptr);
        EXPECT_EQ(close->skinRect, (Rect{150, 2, 166, 18}));
        EXPECT_EQ(close->command, WindowCommand::cmClose);
        EXPECT_NE(dynamic_cast<DataSkinCaption*>(s.skinObject(1)), nullptr);
        EXPECT_EQ(s.findSkinObject("odd"), -1);

        // Controls: "groupbox" is not a kind, so entry 2 is skipped and entry 3 follows at index 2.
        ASSERT_EQ(s.skinControlList().size(), 4u);
        EXPECT_EQ(s.findSkinControl("groupbox"), 1);
        EXPECT_EQ(s.findSkinControl("GroupBox"), -1);
        EXPECT_EQ(s.findSkinControl("x"), -1);
        EXPECT_EQ(s.findSkinControl("bevel"), 2);
        auto* group = dynamic_cast<DataSkinPanelControl*>(s.skinControl(1));
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(group->captionRect, (Rect{5, 0, 35, 10}));
        EXPECT_EQ(group->fontName, "Courier");
        EXPECT_NE(dynamic_cast<DataSkinStdLabelControl*>(s.skinControl(3)), nullptr);
    }

    // Everything a failed or refused load must have cleared.
    static void expectNoRecords(const SkinData& s) {
        EXPECT_TRUE(s.isSkinEmpty());
        EXPECT_TRUE(s.skinObjectList().empty());
        EXPECT_TRUE(s.skinControlList().empty());
        EXPECT_EQ(s.popupWindowData().windowPictureIndex, -1);
        EXPECT_EQ(s.hintWindowData().windowPictureIndex, -1);
    }

    TempDir dir;
    std::string iniPath;
    SkinPackage sample;
    CompressedStoredSkin sampleSkin;
    RecordingNotifier notifier;
};

} // namespace

TEST_F(SkinDataTest, FreshStoreIsEmptyWithItsDefaults) {
    SkinData s;
    EXPECT_STREQ(s.className(), "TSkinData");
    EXPECT_TRUE(s.isSkinEmpty());
    EXPECT_EQ(s.formInfo(), SkinFormInfo{});
    EXPECT_EQ(s.formInfo().bgPictureIndex, -1);
    EXPECT_EQ(s.formInfo().mdiBgPictureIndex, -1);
    EXPECT_TRUE(s.mainPicture().isEmpty());
    EXPECT_EQ(s.activePicture(0), nullptr);
    EXPECT_EQ(s.activePicture(-1), nullptr);
    EXPECT_EQ(s.skinControl(0), nullptr);
    EXPECT_EQ(s.findSkinControl(""), -1);
}

TEST_F(SkinDataTest, LoadsABuiltSkinAndAnnouncesItInOrder) {
    SkinData s;
    s.setCompressedStoredSkin(&sampleSkin);
    expectSampleSkin(s);
    EXPECT_EQ(notifier.messages(), (std::vector<int>{before, changed, after}));
    for (auto& [store, message] : notifier.sent)
        EXPECT_EQ(store, &s);
    EXPECT_EQ(s.activePicture(2), &s.activePictureList()[2]);
    EXPECT_EQ(s.activePicture(3), nullptr);

    // Loading again replaces the skin completely (no records pile up).
    s.loadFromPackage(sampleSkin);
    expectSampleSkin(s);
    EXPECT_EQ(notifier.messages(), (std::vector<int>{before, changed, after, before, changed, after}));
}

TEST_F(SkinDataTest, ReceiversSeeTheStoreEmptyOnBeforeChangeAndFilledOnChange) {
    // A receiver of 1225 still finds the old skin's records (the store clears after sending) but
    // the store already says it is empty.
    struct Probe : SkinNotifier {
        std::vector<std::string> seen;
        void notify(SkinData& s, int m) override {
            seen.push_back(std::to_string(m) + (s.isSkinEmpty() ? " empty " : " loaded ") +
                           std::to_string(s.skinControlList().size()));
        }
    } probe;
    SkinData s;
    s.loadFromPackage(sampleSkin);
    SkinNotifier* previous = setSkinNotifier(&probe);
    s.loadFromPackage(sampleSkin);
    setSkinNotifier(previous);
    EXPECT_EQ(probe.seen, (std::vector<std::string>{"1225 empty 4", "1226 loaded 4", "1227 loaded 4"}));
}

TEST_F(SkinDataTest, PackageVersionsZeroToThreeLoadAlikeAndFourIsRefused) {
    auto main = core::readFileBytes(dir.file("main.bmp"));
    auto mask = core::readFileBytes(dir.file("mask.bmp"));
    RawPackage v3{3,
                  {main, {}, mask},
                  3,
                  sample.activePictures,
                  std::string(sample.iniText.begin(), sample.iniText.end())};
    for (int version : {0, 1, 2, 3, -7}) {
        SCOPED_TRACE(version);
        RawPackage p = v3;
        p.version = version;
        if (version == 2)
            p.flagged = {main, {}, mask, main, {}}; // two more entries, read and thrown away
        CompressedStoredSkin c;
        setRaw(c, p.bytes());
        SkinData s;
        notifier.sent.clear();
        s.loadFromPackage(c);
        expectSampleSkin(s);
        EXPECT_EQ(notifier.messages(), (std::vector<int>{before, changed, after}));
    }

    // Version 4 over a loaded skin: one 1225, then an empty store.
    SkinData s;
    s.loadFromPackage(sampleSkin);
    RawPackage v4 = v3;
    v4.version = 4;
    CompressedStoredSkin c4;
    setRaw(c4, v4.bytes());
    notifier.sent.clear();
    s.loadFromPackage(c4);
    EXPECT_EQ(notifier.messages(), (std::vector<int>{before}));
    expectNoRecords(s);
    EXPECT_TRUE(s.pictureNames().activePictures.empty());
    EXPECT_TRUE(s.mainPicture().isEmpty());
    EXPECT_TRUE(s.maskPicture().isEmpty());
    EXPECT_TRUE(s.activePictureList().empty());
}

TEST_F(SkinDataTest, AnEmptyPackageChangesNothingAndSendsNothing) {
    SkinData s;
    s.setCompressedStoredSkin(&sampleSkin);
    notifier.sent.clear();
    CompressedStoredSkin empty;
    s.setCompressedStoredSkin(&empty);
    EXPECT_TRUE(notifier.sent.empty());
    EXPECT_EQ(s.compressedStoredSkin(), &empty);
    expectSampleSkin(s);
}

namespace {

// A run-length bitmap of any size in a few bytes: one palette entry and an end-of-bitmap mark.
std::vector<uint8_t> runLengthBitmap(int32_t width, int32_t height) {
    core::MemoryStream s;
    const uint32_t size = 14 + 40 + 4 + 2;
    s.writeByte('B');
    s.writeByte('M');
    for (uint32_t v : {size, 0u, 14u + 40u + 4u, 40u, uint32_t(width), uint32_t(height)})
        s.writeInt32(int32_t(v));
    s.writeByte(1); // planes
    s.writeByte(0);
    s.writeByte(8); // bits per pixel
    s.writeByte(0);
    for (uint32_t v : {1u /* BI_RLE8 */, 2u, 0u, 0u, 1u, 0u})
        s.writeInt32(int32_t(v));
    for (uint8_t b : {0, 0, 0, 0, 0, 1})
        s.writeByte(b);
    return s.takeBytes();
}

} // namespace

TEST_F(SkinDataTest, FailedLoadsLeaveTheStoreEmptyWithWhatWasReadBefore) {
    auto main = core::readFileBytes(dir.file("main.bmp"));
    auto mask = core::readFileBytes(dir.file("mask.bmp"));
    auto a0 = sample.activePictures[0];
    auto notBmp = a0;
    notBmp[0] = 'X';
    std::string ini(sample.iniText.begin(), sample.iniText.end());
    std::string badRect = ini;
    badRect.replace(badRect.find("clientrect=12,25,170,130"), 24, "clientrect=12,25,x");

    struct Case {
        const char* what;
        std::function<void(CompressedStoredSkin&)> make;
        std::string error;
        size_t pictures; // active pictures kept
        bool mainKept;
    };
    const Case cases[] = {
        {"damaged zlib data",
         [&](CompressedStoredSkin& c) {
             auto bytes = sample.compress();
             bytes[bytes.size() / 2] ^= 0xFF;
             bytes.back() ^= 0xFF;
             c.setPackageBytes(bytes);
         },
         "compression error", 0, false},
        {"not a zlib stream",
         [](CompressedStoredSkin& c) {
             c.setPackageBytes({1, 2, 3, 4});
         },
         "compression error", 0, false},
        {"package shorter than its version",
         [](CompressedStoredSkin& c) {
             setRaw(c, {3, 0});
         },
         "Stream read error", 0, false},
        {"second active picture not a bitmap",
         [&](CompressedStoredSkin& c) {
             setRaw(c, RawPackage{3, {main, {}, mask}, 3, {a0, notBmp, a0}, ini}.bytes());
         },
         "Bitmap image is not valid", 1, true},
        {"third active picture cut short",
         [&](CompressedStoredSkin& c) {
             auto raw = RawPackage{3, {main, {}, mask}, 3, {a0, a0, a0}, ""}.bytes();
             raw.resize(raw.size() - 10);
             setRaw(c, raw);
         },
         "Stream read error", 2, true},
        {"huge picture count",
         [&](CompressedStoredSkin& c) {
             setRaw(c, RawPackage{3, {main, {}, mask}, INT32_MAX, {a0}, ""}.bytes());
         },
         "Stream read error", 1, true},
        // The package is read as it inflates: a checksum that fails at the very end must still keep
        // nothing and be the error reported, even after a bitmap failed or for a later version.
        {"bitmap not valid, zlib checksum wrong",
         [&](CompressedStoredSkin& c) {
             setRawWithWrongChecksum(c, RawPackage{3, {main, {}, mask}, 3, {a0, notBmp, a0}, ini}.bytes());
         },
         "compression error", 0, false},
        {"later version, zlib checksum wrong",
         [&](CompressedStoredSkin& c) {
             setRawWithWrongChecksum(c, RawPackage{4, {main, {}, mask}, 1, {a0}, ini}.bytes());
         },
         "compression error", 0, false},
        // A few bytes can declare the largest picture: a package's pictures together are bounded,
        // checked before each one takes memory.
        {"one picture beyond the package's pixels",
         [&](CompressedStoredSkin& c) {
             setRaw(c, RawPackage{3, {main, {}, mask}, 2, {a0, runLengthBitmap(8192, 8192)}, ini}.bytes());
         },
         "Bitmap image is not valid: the skin's pictures hold more than 33554432 pixels", 1, true},
        {"pictures together beyond the package's pixels",
         [&](CompressedStoredSkin& c) {
             const auto big = runLengthBitmap(4096, 4096);
             setRaw(c, RawPackage{3, {main, {}, mask}, 3, {a0, big, big}, ini}.bytes());
         },
         "Bitmap image is not valid: the skin's pictures hold more than 33554432 pixels", 2, true},
        {"rect without digits",
         [&](CompressedStoredSkin& c) {
             setRaw(c, RawPackage{3, {main, {}, mask}, 1, {a0}, badRect}.bytes());
         },
         "'' is not a valid integer value", 1, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        SkinData s;
        s.loadFromPackage(sampleSkin);
        CompressedStoredSkin c;
        k.make(c);
        notifier.sent.clear();
        try {
            s.setCompressedStoredSkin(&c);
            ADD_FAILURE() << "no error";
        } catch (const core::Error& e) {
            EXPECT_EQ(e.what(), k.error);
        }
        EXPECT_EQ(notifier.messages(), (std::vector<int>{before}));
        EXPECT_EQ(s.compressedStoredSkin(), &c);
        expectNoRecords(s);
        EXPECT_EQ(s.activePictureList().size(), k.pictures);
        EXPECT_EQ(s.mainPicture().isEmpty(), !k.mainKept);

        // The next good load recovers completely.
        s.loadFromPackage(sampleSkin);
        expectSampleSkin(s);
    }
}

TEST_F(SkinDataTest, FormInfoMaskAndClampingRules) {
    struct Case {
        const char* what;
        std::string forminfo;
        std::string mask;
        Rect maskArea;
        Point hitLeftTop, hitRightBottom, leftTop, rightBottom;
    };
    const Case cases[] = {
        // Without a mask name, the mask area and hit-test points stay as read.
        {"no mask",
         "maskrectarea=0,0,0,0\r\nhittestlefttoppoint=0,7\r\n",
         "",
         {0, 0, 0, 0},
         {0, 7},
         {0, 0},
         {0, 0},
         {0, 0}},
        // With one, a non-empty area is widened to hold the client rect.
        {"mask widens",
         "clientrect=10,10,50,50\r\nmaskrectarea=20,5,40,60\r\nlefttoppoint=3,4\r\n",
         "m.bmp",
         {10, 5, 50, 60},
         {3, 4},
         {0, 0},
         {10, 10},
         {0, 0}},
        // Corner points that are all absent stay 0,0: clamping stops at once.
        {"no corners", "clientrect=10,10,50,50\r\n", "", {0, 0, 0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}},
        // Same x for right-bottom and left-top: no clamping either.
        {"degenerate corners",
         "clientrect=10,10,50,50\r\nlefttoppoint=5,5\r\nrightbottompoint=5,90\r\n",
         "",
         {0, 0, 0, 0},
         {0, 0},
         {0, 0},
         {5, 5},
         {5, 90}},
        {"clamped",
         "clientrect=10,10,50,50\r\nlefttoppoint=5,5\r\nrightbottompoint=60,90\r\n",
         "",
         {0, 0, 0, 0},
         {0, 0},
         {0, 0},
         {10, 10},
         {50, 50}},
        // Signs are not part of the rect syntax: "-5" reads as 5.
        {"signs dropped",
         "clientrect=-10,10,50,50\r\nlefttoppoint=-5,5\r\nrightbottompoint=60,90\r\n",
         "",
         {0, 0, 0, 0},
         {0, 0},
         {0, 0},
         {10, 10},
         {50, 50}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        CompressedStoredSkin c;
        setIniOnly(c, "[PICTURES]\r\nmask=" + k.mask + "\r\n[FORMINFO]\r\n" + k.forminfo);
        SkinData s;
        s.loadFromPackage(c);
        const SkinFormInfo& f = s.formInfo();
        EXPECT_EQ(f.maskRectArea, k.maskArea);
        EXPECT_EQ(f.hitTestLeftTopPoint, k.hitLeftTop);
        EXPECT_EQ(f.hitTestRightBottomPoint, k.hitRightBottom);
        EXPECT_EQ(f.leftTopPoint, k.leftTop);
        EXPECT_EQ(f.rightBottomPoint, k.rightBottom);
        EXPECT_FALSE(s.isSkinEmpty());
    }
}

TEST_F(SkinDataTest, RecordListsEntriesDuplicatesAndDamagedCounts) {
    CompressedStoredSkin c;
    setIniOnly(c, "[SKINCONTROLS]\r\ncount=2147483647\r\n0=a:panel\r\n1=a:bevel\r\n3=nocolon\r\n"
                  "4=:panel\r\n01=b:panel\r\n6=c:label\r\n2147483000=z:panel\r\n"
                  "[SKINOBJECTS]\r\ncount=-3\r\n0=x:caption\r\n");
    SkinData s;
    auto start = std::chrono::steady_clock::now();
    s.loadFromPackage(c);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    // Entries 0, 1, 4, 6 and 2147483000 make records; "01" is not the decimal form of an index.
    ASSERT_EQ(s.skinControlList().size(), 5u);
    EXPECT_EQ(s.findSkinControl("a"), 0);
    EXPECT_NE(dynamic_cast<DataSkinPanelControl*>(s.skinControl(0)), nullptr);
    EXPECT_NE(dynamic_cast<DataSkinBevel*>(s.skinControl(1)), nullptr);
    EXPECT_EQ(s.findSkinControl(""), 2);
    EXPECT_EQ(s.findSkinControl("c"), 3);
    EXPECT_EQ(s.findSkinControl("b"), -1);
    EXPECT_EQ(s.findSkinControl("z"), 4);
    EXPECT_TRUE(s.skinObjectList().empty());

    // A count below the entries present reads only that many.
    setIniOnly(c, "[SKINCONTROLS]\r\ncount=1\r\n0=a:panel\r\n1=b:panel\r\n");
    s.loadFromPackage(c);
    EXPECT_EQ(s.skinControlList().size(), 1u);
}

TEST_F(SkinDataTest, ReferencesAreClearedWhenTheirComponentsGo) {
    auto* s = new SkinData;
    auto* c = new CompressedStoredSkin;
    auto* r = new ResourceStrData;
    s->setCompressedStoredSkin(c); // empty: nothing loads
    s->setResourceStrData(r);
    delete c;
    EXPECT_EQ(s->compressedStoredSkin(), nullptr);
    EXPECT_EQ(s->resourceStrData(), r);
    delete r;
    EXPECT_EQ(s->resourceStrData(), nullptr);

    // A package replaced by another no longer reaches the store when it goes.
    auto* first = new CompressedStoredSkin;
    auto* second = new CompressedStoredSkin;
    s->setCompressedStoredSkin(first);
    s->setCompressedStoredSkin(second);
    delete first;
    EXPECT_EQ(s->compressedStoredSkin(), second);

    // The store going first leaves the package alone; destruction sends nothing.
    s->loadFromPackage(sampleSkin);
    notifier.sent.clear();
    delete s;
    EXPECT_TRUE(notifier.sent.empty());
    delete second;
}

TEST_F(SkinDataTest, StringTableAnnouncementAndDesigningState) {
    SkinData s;
    ResourceStrData r;
    s.setResourceStrData(&r);
    s.setResourceStrData(nullptr);
    EXPECT_EQ(notifier.messages(), (std::vector<int>{wmChangeResStrData, wmChangeResStrData}));

    // While designing, neither a package nor a string table is acted on.
    SkinData designing;
    designing.setDesigning(true);
    notifier.sent.clear();
    designing.setResourceStrData(&r);
    designing.setCompressedStoredSkin(&sampleSkin);
    EXPECT_TRUE(notifier.sent.empty());
    EXPECT_TRUE(designing.isSkinEmpty());
    EXPECT_EQ(designing.compressedStoredSkin(), &sampleSkin);
}

namespace {

class TestForm : public core::Component {
public:
    const char* className() const override { return "TTestForm"; }
};

layout::ClassRegistry skinRegistry() {
    layout::ClassRegistry r;
    r.add("TSkinData", [](core::Component* owner, core::Component*) { return new SkinData(owner); });
    r.add("TCompressedStoredSkin",
          [](core::Component* owner, core::Component*) { return new CompressedStoredSkin(owner); });
    r.add("TResourceStrData",
          [](core::Component* owner, core::Component*) { return new ResourceStrData(owner); });
    return r;
}

} // namespace

TEST_F(SkinDataTest, LayoutWithThePackageAfterTheStoreLoadsOnceReferencesResolve) {
    // As the launcher's window: the store stands before its package, so the skin loads when the
    // reference is resolved, after "CompressedData" has been read.
    TestForm original;
    original.setName("Form1");
    auto* store = new SkinData(&original);
    store->setName("SkinData1");
    auto* package = new CompressedStoredSkin(&original);
    package->setName("CompressedStoredSkin1");
    package->setFileName("skin.ini");
    package->setPackageBytes(sampleSkin.packageData().bytes());
    store->setCompressedStoredSkin(package);
    std::string text = layout::writeLayout(original);
    EXPECT_NE(text.find("CompressedStoredSkin = CompressedStoredSkin1"), std::string::npos) << text;

    notifier.sent.clear();
    TestForm form;
    layout::readLayout(form, text, "Unit1", skinRegistry());
    auto* loaded = dynamic_cast<SkinData*>(form.findComponent("SkinData1"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_NE(loaded->compressedStoredSkin(), nullptr);
    EXPECT_EQ(loaded->compressedStoredSkin()->fileName(), "skin.ini");
    EXPECT_EQ(loaded->compressedStoredSkin()->packageData().bytes(), sampleSkin.packageData().bytes());
    expectSampleSkin(*loaded);
    EXPECT_EQ(notifier.messages(), (std::vector<int>{before, changed, after}));

    // Written again, the layout is the same text.
    EXPECT_EQ(layout::writeLayout(form), text);
}

TEST_F(SkinDataTest, LayoutWithADamagedPackageFailsTheWholeRead) {
    TestForm original;
    original.setName("Form1");
    auto* store = new SkinData(&original);
    store->setName("SkinData1");
    auto* package = new CompressedStoredSkin(&original);
    package->setName("CompressedStoredSkin1");
    store->setCompressedStoredSkin(package);
    package->setPackageBytes({0x78, 0xDA, 0xFF, 0xFF, 0x00});
    std::string text = layout::writeLayout(original);

    TestForm form;
    EXPECT_THROW(layout::readLayout(form, text, "Unit1", skinRegistry()), core::Error);
    EXPECT_EQ(form.componentCount(), 0);
}

TEST_F(SkinDataTest, LayoutCarriesACustomisedStringTable) {
    TestForm original;
    original.setName("Form1");
    auto* store = new SkinData(&original);
    store->setName("SkinData1");
    auto* strings = new ResourceStrData(&original);
    strings->setName("ResourceStrData1");
    strings->setCharSet(134);
    // Quotes, control characters, non-ASCII text, an empty line and one longer than a written piece.
    const std::vector<std::string> lines = {"MI_CLOSECAPTION=&Schlie\xC3\x9F"
                                            "en",
                                            "CLOSEBUTTON_HINT=It's closed", "",
                                            "MENUBUTTON_HINT=\xE7\xB3\xBB\xE7\xBB\x9F\tmenu\r\n" +
                                                std::string(150, 'x')};
    strings->setResStrings(lines);
    store->setResourceStrData(strings);
    const std::string text = layout::writeLayout(original);
    EXPECT_NE(text.find("ResStrings.Strings = ("), std::string::npos) << text;

    notifier.sent.clear();
    TestForm form;
    layout::readLayout(form, text, "Unit1", skinRegistry());
    auto* loaded = dynamic_cast<ResourceStrData*>(form.findComponent("ResourceStrData1"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->resStrings(), lines);
    EXPECT_EQ(loaded->charSet(), 134);
    EXPECT_EQ(loaded->lookUpString("closebutton_hint"), "It's closed");
    EXPECT_EQ(loaded->lookUpString("MI_MAXCAPTION"), ""); // the defaults are gone
    auto* loadedStore = dynamic_cast<SkinData*>(form.findComponent("SkinData1"));
    ASSERT_NE(loadedStore, nullptr);
    EXPECT_EQ(loadedStore->resourceStrData(), loaded);
    EXPECT_EQ(notifier.messages(), (std::vector<int>{wmChangeResStrData}));
    EXPECT_EQ(layout::writeLayout(form), text);

    // The default lines are not written; an emptied table is, and stays empty.
    strings->setResStrings(ResourceStrData::defaultStrings());
    EXPECT_EQ(layout::writeLayout(original).find("ResStrings"), std::string::npos);
    strings->setResStrings({});
    const std::string emptied = layout::writeLayout(original);
    EXPECT_NE(emptied.find("ResStrings.Strings = ()"), std::string::npos) << emptied;
    TestForm third;
    layout::readLayout(third, emptied, "Unit1", skinRegistry());
    EXPECT_TRUE(
        dynamic_cast<ResourceStrData&>(*third.findComponent("ResourceStrData1")).resStrings().empty());
}
