// The Velmora skin as the launcher gets it: the packed skin, loaded through the skin store.
#include "core/Stream.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/DataSkinControls.h"
#include "skin/data/DataSkinObjects.h"
#include "skin/data/MemIniFile.h"
#include "skin/data/SkinData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string packagePath = VELMORA_BINARY_DIR "/skins/velmora/velmora.package";
const std::string sknPath = VELMORA_BINARY_DIR "/skins/velmora/velmora.skn";
const std::string iniPath = VELMORA_SOURCE_DIR "/skins/velmora/skin.ini";

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool parseRect(const std::string& text, core::Rect& r) {
    return std::sscanf(text.c_str(), "%d,%d,%d,%d", &r.left, &r.top, &r.right, &r.bottom) == 4;
}

bool parsePoint(const std::string& text, core::Point& p) {
    return std::sscanf(text.c_str(), "%d,%d", &p.x, &p.y) == 2;
}

bool inside(const core::Rect& r, int32_t width, int32_t height) {
    return r.left >= 0 && r.top >= 0 && r.left <= r.right && r.top <= r.bottom && r.right <= width &&
           r.bottom <= height;
}

// Rectangles given relative to another image of the record, with the key of that image; every
// other rectangle of a record is absolute in the record's picture.
const std::map<std::string, std::string> relativeRects = {
    {"clientrect", "skinrect"},
    {"captionrect", "skinrect"},
    {"trackbuttonrect", "skinrect"},
    {"checkimagearea", "skinrect"},
    {"textarea", "skinrect"},
    {"progressarea", "skinrect"},
    {"trackarea", "skinrect"},
    {"itemsrect", "skinrect"},
    {"textrect", "skinrect"},
    {"celltextrect", "skinrect"},
    {"rollvcaptionrect", "rollvskinrect"},
    {"rollhcaptionrect", "rollhskinrect"},
    {"itemtextrect", "itemrect"},
    {"itemcheckrect", "itemrect"},
    {"fixedcelltextrect", "fixedcellrect"},
    {"frametextrect", ""}, // relative to the caption plate, which this skin does not use
};

class VelmoraSkin : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_package = std::make_unique<skin::CompressedStoredSkin>();
        s_package->setPackageBytes(core::readFileBytes(packagePath));
        s_store = std::make_unique<skin::SkinData>();
        s_store->setCompressedStoredSkin(s_package.get());
        s_source =
            std::make_unique<skin::MemIniFile>(skin::MemIniFile::fromBytes(core::readFileBytes(iniPath)));
    }
    static void TearDownTestSuite() {
        s_store.reset();
        s_package.reset();
        s_source.reset();
    }

    static const skin::SkinData& store() { return *s_store; }
    static const skin::MemIniFile& source() { return *s_source; }

    template <typename T> static const T* control(const char* name) {
        return dynamic_cast<const T*>(store().skinControl(store().findSkinControl(name)));
    }
    template <typename T> static const T* object(const char* name) {
        return dynamic_cast<const T*>(store().skinObject(store().findSkinObject(name)));
    }

    // Every rectangle and point of one record, as written back by its class: absolute rectangles
    // inside picture, relative ones inside the image they belong to, points inside the skin image.
    static void expectGeometryInside(const skin::MemIniFile& written, const std::string& section,
                                     const core::FBitmap* picture, const core::FBitmap* skinRectPicture) {
        core::Rect skinRect;
        parseRect(written.readString(section, "skinrect", "0,0,0,0"), skinRect);
        for (const std::string& key : written.sectionKeys(section)) {
            const std::string k = lower(key);
            const std::string value = written.readString(section, key, "");
            SCOPED_TRACE(section + " " + key + "=" + value);
            if (endsWith(k, "point")) {
                core::Point p;
                ASSERT_TRUE(parsePoint(value, p));
                if (!skinRect.isEmpty()) {
                    EXPECT_TRUE(p.x <= skinRect.width() && p.y <= skinRect.height());
                }
                continue;
            }
            if (!endsWith(k, "rect") && !endsWith(k, "area") && k != "disableskinrsect") {
                continue;
            }
            core::Rect r;
            ASSERT_TRUE(parseRect(value, r));
            if (r.isEmpty()) {
                continue;
            }
            if (auto rel = relativeRects.find(k); rel != relativeRects.end()) {
                if (rel->second.empty()) {
                    continue;
                }
                core::Rect base;
                parseRect(written.readString(section, rel->second, "0,0,0,0"), base);
                EXPECT_TRUE(inside(r, base.width(), base.height())) << "outside its " << rel->second;
                continue;
            }
            const core::FBitmap* target = k == "skinrect" ? skinRectPicture : picture;
            ASSERT_NE(target, nullptr) << "the rectangle names no picture";
            EXPECT_TRUE(inside(r, target->width(), target->height()))
                << "outside its " << target->width() << " x " << target->height() << " picture";
        }
    }

    // The keys a record's class reads, as it writes them back, against the keys of its section in
    // the source ini: a misspelt key would be silently read as its default. Values must come back
    // as written, so every one parses.
    static void expectSectionMatchesClass(const skin::MemIniFile& written, const std::string& section) {
        std::set<std::string> classKeys;
        for (const std::string& key : written.sectionKeys(section)) {
            classKeys.insert(lower(key));
        }
        std::set<std::string> sourceKeys;
        for (const std::string& key : source().sectionKeys(section)) {
            sourceKeys.insert(lower(key));
        }
        EXPECT_EQ(sourceKeys, classKeys) << "[" << section << "]";
        for (const std::string& key : written.sectionKeys(section)) {
            EXPECT_EQ(source().readString(section, key, "(missing)"), written.readString(section, key, ""))
                << "[" << section << "] " << key;
        }
    }

private:
    static inline std::unique_ptr<skin::CompressedStoredSkin> s_package;
    static inline std::unique_ptr<skin::SkinData> s_store;
    static inline std::unique_ptr<skin::MemIniFile> s_source;
};

TEST_F(VelmoraSkin, LoadsEveryRecordAndPicture) {
    ASSERT_FALSE(store().isSkinEmpty());
    EXPECT_EQ(store().skinObjectList().size(), 11u);
    EXPECT_EQ(store().skinControlList().size(), 59u);
    ASSERT_EQ(store().activePictureList().size(), 9u);
    EXPECT_EQ(store().mainPicture().width(), 184);
    EXPECT_EQ(store().mainPicture().height(), 141);
    EXPECT_EQ(store().maskPicture().width(), 184);
    EXPECT_EQ(store().maskPicture().height(), 141);
    EXPECT_TRUE(store().inactiveMainPicture().isEmpty());
    const std::vector<std::pair<int, int>> sizes = {{72, 77}, {124, 98}, {124, 84}, {385, 424}, {39, 27},
                                                    {39, 27}, {72, 77},  {67, 22},  {22, 67}};
    for (size_t i = 0; i < sizes.size(); ++i) {
        EXPECT_EQ(store().activePictureList()[i].width(), sizes[i].first) << "active picture " << i;
        EXPECT_EQ(store().activePictureList()[i].height(), sizes[i].second) << "active picture " << i;
    }
    EXPECT_EQ(store().versionInfo().skinName, "Velmora");
}

TEST_F(VelmoraSkin, LauncherControlsFindTheirRecords) {
    const auto* groupBox = control<skin::DataSkinPanelControl>("groupbox");
    ASSERT_NE(groupBox, nullptr) << "groupbox must be a panel record";
    EXPECT_EQ(groupBox->captionRect, (core::Rect{6, 4, 61, 20}));
    EXPECT_EQ(groupBox->alignment, skin::Alignment::taCenter);
    EXPECT_EQ(groupBox->fontColor, 16777215);
    EXPECT_EQ(groupBox->fontName, "宋体"); // the UTF-8 ini keeps the Chinese face name
    EXPECT_EQ(groupBox->checkImageRect, (core::Rect{51, 107, 68, 124}));

    const auto* panel = control<skin::DataSkinPanelControl>("panel");
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->captionRect.isZero());
    EXPECT_EQ(panel->bgPictureIndex, -1);
    EXPECT_EQ(panel->skinRect, (core::Rect{1, 152, 97, 226}));

    const auto* label = control<skin::DataSkinStdLabelControl>("stdlabel");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->activeFontColor, 12615680);
    const auto* bevel = control<skin::DataSkinBevel>("bevel");
    ASSERT_NE(bevel, nullptr);
    EXPECT_EQ(bevel->lightColor, 16777215);
    EXPECT_EQ(bevel->darkColor, 8421504);
}

TEST_F(VelmoraSkin, FrameObjectsReadAsTheWindowNeedsThem) {
    struct Button {
        const char* name;
        skin::WindowCommand command;
        core::Rect downRect;
    };
    for (const Button& b : {Button{"closebutton", skin::WindowCommand::cmClose, {42, 23, 61, 42}},
                            Button{"maxbutton", skin::WindowCommand::cmMaximize, {103, 23, 122, 42}},
                            Button{"minbutton", skin::WindowCommand::cmMinimize, {103, 43, 122, 62}},
                            Button{"sysmenubutton", skin::WindowCommand::cmSysMenu, {44, 2, 63, 21}}}) {
        SCOPED_TRACE(b.name);
        const auto* button = object<skin::DataSkinStdButton>(b.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->command, b.command);
        EXPECT_EQ(button->downRect, b.downRect);
        EXPECT_TRUE(button->skinRectInAPicture);
        EXPECT_TRUE(button->morphing);
        EXPECT_EQ(button->activePictureIndex, 2);
    }
    EXPECT_EQ(object<skin::DataSkinStdButton>("maxbutton")->restoreRect, (core::Rect{2, 43, 21, 62}));

    const auto* caption = object<skin::DataSkinCaption>("caption1");
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->alignment, skin::Alignment::taLeftJustify);
    EXPECT_TRUE(caption->shadow);
    EXPECT_EQ(caption->fontName, "宋体");
    EXPECT_TRUE(caption->fontStyle.contains(skin::FontStyle::fsBold));

    const auto* item = object<skin::DataSkinMenuItem>("MENUITEM");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->morphKind, skin::MorphKind::mkPush);
    EXPECT_EQ(item->dividerRect, (core::Rect{5, 60, 115, 65}));

    const skin::SkinFormInfo& frame = store().formInfo();
    EXPECT_EQ(frame.clientRect, (core::Rect{8, 28, 179, 134}));
    EXPECT_EQ(frame.maskRectArea, (core::Rect{4, 4, 179, 137})); // already holds the client rect
    EXPECT_EQ(frame.hitTestLeftTopPoint, (core::Point{10, 9}));
    EXPECT_EQ(frame.buttonsRect, (core::Rect{108, 7, 175, 25}));
    EXPECT_TRUE(frame.topStretch);
    EXPECT_EQ(frame.inActiveEffect, skin::InActiveEffect::ieGrayScale);
    EXPECT_EQ(store().popupWindowData().windowPictureIndex, 0);
    EXPECT_EQ(store().popupWindowData().maskPictureIndex, 6);
    EXPECT_EQ(store().hintWindowData().windowPictureIndex, 4);
    EXPECT_EQ(store().hintWindowData().fontHeight, 14);
}

TEST_F(VelmoraSkin, EverySectionSpellsTheKeysItsClassReads) {
    for (const auto& record : store().skinControlList()) {
        skin::MemIniFile written;
        record->writeToIni(written);
        expectSectionMatchesClass(written, record->idName);
    }
    for (const auto& record : store().skinObjectList()) {
        skin::MemIniFile written;
        record->writeToIni(written);
        expectSectionMatchesClass(written, record->idName);
    }
}

TEST_F(VelmoraSkin, EveryRectangleLiesInsideItsPicture) {
    for (const auto& record : store().skinControlList()) {
        skin::MemIniFile written;
        record->writeToIni(written);
        const core::FBitmap* picture = store().activePicture(record->pictureIndex);
        expectGeometryInside(written, record->idName, picture, picture);
        if (const core::FBitmap* mask = store().activePicture(record->maskPictureIndex)) {
            // A mask shapes the record's image, so it has the image's size.
            EXPECT_EQ(mask->width(), record->skinRect.width()) << record->idName;
            EXPECT_EQ(mask->height(), record->skinRect.height()) << record->idName;
        }
    }
    for (const auto& record : store().skinObjectList()) {
        skin::MemIniFile written;
        record->writeToIni(written);
        const core::FBitmap* picture = store().activePicture(record->activePictureIndex);
        // Frame objects without "skinrectinapicture" have their normal image in the main picture;
        // menu items take theirs from their own picture whatever the flag says.
        const bool menuItem = dynamic_cast<const skin::DataSkinMenuItem*>(record.get()) ||
                              dynamic_cast<const skin::DataSkinMainMenuItem*>(record.get());
        const core::FBitmap* skinRectPicture =
            record->skinRectInAPicture || menuItem ? picture : &store().mainPicture();
        expectGeometryInside(written, record->idName, picture, skinRectPicture);
    }
}

TEST_F(VelmoraSkin, MasksCutRoundedCornersAndKeepTheClientWhole) {
    const core::FBitmap& mask = store().maskPicture();
    const core::Rect client = store().formInfo().clientRect;
    for (int32_t y = client.top; y < client.bottom; ++y) {
        for (int32_t x = client.left; x < client.right; ++x) {
            ASSERT_EQ(mask.pixel(x, y), 0) << "client pixel " << x << "," << y << " outside the window";
        }
    }
    EXPECT_NE(mask.pixel(0, 0), 0);
    EXPECT_NE(mask.pixel(mask.width() - 1, mask.height() - 1), 0);
    for (int index :
         {store().popupWindowData().maskPictureIndex, store().hintWindowData().maskPictureIndex}) {
        const core::FBitmap* m = store().activePicture(index);
        ASSERT_NE(m, nullptr);
        EXPECT_NE(m->pixel(0, 0), 0) << "mask " << index << " keeps its square corner";
        EXPECT_EQ(m->pixel(m->width() / 2, m->height() / 2), 0) << "mask " << index;
    }
}

TEST(VelmoraSkinFiles, PackageIsSmallAndTheSkinFileHoldsTheSameStream) {
    const std::vector<uint8_t> package = core::readFileBytes(packagePath);
    ASSERT_GE(package.size(), 2u);
    EXPECT_LT(package.size(), 40u * 1024u);
    EXPECT_EQ(package[0], 0x78);
    EXPECT_EQ(package[1], 0xDA); // best compression

    skin::CompressedStoredSkin fromFile;
    fromFile.readCompressedSkinFile(sknPath);
    EXPECT_EQ(fromFile.packageData().bytes(), package);
}

} // namespace
