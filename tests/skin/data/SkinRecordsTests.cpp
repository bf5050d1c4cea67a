#include "skin/data/SkinRecords.h"

#include "core/Error.h"
#include "core/Stream.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace skin;
using core::Point;
using core::Rect;

namespace {

// Every key each record class reads, in reading order, as "<type>:<key>". Types: R rect, P point,
// I integer, C colour, X picture index, F flag, T text, S font styles, A alignment, M morph kind,
// W window command.
const std::string objectBase = "T:hint X:activepictureindex F:skinrectinapicture R:skinrect R:activeskinrect "
                               "R:inactiveskinrect F:morphing M:morphkind";
const std::string font = "T:fontname I:fontheight S:fontstyle C:fontcolor";
const std::string controlBase = "X:pictureindex X:maskpictureindex R:skinrect";
const std::string customBase =
    controlBase + " P:lefttoppoint P:righttoppoint P:leftbottompoint P:rightbottompoint R:clientrect";
const std::string updownRects = "R:upbuttonrect R:activeupbuttonrect R:downupbuttonrect R:downbuttonrect "
                                "R:activedownbuttonrect R:downdownbuttonrect";
const std::string buttonKeys = customBase + " " + font +
                               " C:activefontcolor C:downfontcolor C:disabledfontcolor R:activeskinrect "
                               "R:downskinrect R:disabledskinrect F:morphing M:morphkind";
const std::string editKeys = customBase + " R:activeskinrect " + font +
                             " C:disabledfontcolor C:activefontcolor R:buttonrect R:activebuttonrect "
                             "R:downbuttonrect R:unenabledbuttonrect";
const std::string listBoxKeys =
    customBase +
    " R:itemrect R:activeitemrect R:focusitemrect I:itemleftoffset I:itemrightoffset R:itemtextrect " + font +
    " C:activefontcolor C:focusfontcolor R:captionrect T:captionfontname I:captionfontheight " +
    "S:captionfontstyle C:captionfontcolor " + updownRects +
    " R:checkbuttonrect R:activecheckbuttonrect R:downcheckbuttonrect T:vscrollbarname T:hscrollbarname "
    "T:bothhscrollbarname";
const std::string stdButtonKeys = objectBase + " R:downrect R:disableskinrsect W:command R:restorerect "
                                               "R:restoreactiverect R:restoredownrect R:restoreinactiverect";
const std::string mainMenuItemKeys = objectBase +
                                     " I:itemleftoffset I:itemrightoffset R:downrect R:textrect " + font +
                                     " C:activefontcolor C:downfontcolor C:unenabledfontColor";

const std::vector<std::pair<std::string, std::string>> objectKeys = {
    {"userobject", "R:skinrect"},
    {"button", objectBase + " R:downrect R:disableskinrsect"},
    {"stdbutton", stdButtonKeys},
    {"mainmenubarbutton", stdButtonKeys},
    {"animate", objectBase + " I:countframes F:cycle F:buttonstyle I:timerinterval W:command"},
    {"menuitem", objectBase +
                     " I:itemleftoffset I:itemrightoffset R:dividerrect I:dividerleftoffset "
                     "I:dividerrightoffset R:textrect " +
                     font + " C:activefontcolor C:unenabledfontcolor"},
    {"mainmenubaritem", mainMenuItemKeys},
    {"caption", objectBase + " R:textrect " + font +
                    " C:activefontcolor A:alignment F:shadow C:shadowcolor C:activeshadowcolor R:framerect "
                    "R:activeframerect R:frametextrect I:frameleftoffset I:framerightoffset"},
};

const std::vector<std::pair<std::string, std::string>> controlKeys = {
    {"panel", customBase + " X:bgpictureindex R:captionrect A:alignment " + font +
                  " R:checkimagerect R:uncheckimagerect"},
    {"expanel",
     customBase +
         " R:rollhskinrect R:rollvskinrect I:rollleftoffset I:rollrightoffset I:rolltopoffset "
         "I:rollbottomoffset R:rollvcaptionrect R:rollhcaptionrect R:closebuttonrect "
         "R:closebuttonactiverect R:closebuttondownrect R:hrollbuttonrect R:hrollbuttonactiverect "
         "R:hrollbuttondownrect R:hrestorebuttonrect R:hrestorebuttonactiverect R:hrestorebuttondownrect "
         "R:vrollbuttonrect R:vrollbuttonactiverect R:vrollbuttondownrect R:vrestorebuttonrect "
         "R:vrestorebuttonactiverect R:vrestorebuttondownrect R:captionrect " +
         font},
    {"menubutton", buttonKeys + " R:trackbuttonrect"},
    {"button", buttonKeys},
    {"checkradio",
     customBase + " " + font +
         " C:activefontcolor C:unenabledfontcolor C:framefontcolor R:activeskinrect "
         "R:checkimagearea R:textarea R:checkimagerect R:uncheckimagerect R:activecheckimagerect "
         "R:activeuncheckimagerect R:unenabledcheckimagerect R:unenableduncheckimagerect "
         "F:morphing M:morphkind"},
    {"gauge", customBase + " R:progressarea R:progressrect I:beginoffset I:endoffset F:vertical " + font +
                  " F:progresstransparent C:progresstransparentcolor"},
    {"splitter", customBase},
    {"trackbar", customBase + " R:trackarea R:buttonrect R:activebuttonrect F:vertical F:buttontransparent "
                              "C:buttontransparentcolor"},
    {"label", customBase + " " + font},
    {"stdlabel", controlBase + " " + font + " C:activefontcolor"},
    {"updown", customBase + " " + updownRects},
    {"grid", controlBase +
                 " R:fixedcellrect R:selectcellrect R:focuscellrect I:fixedcellleftoffset "
                 "I:fixedcellrightoffset R:fixedcelltextrect I:cellleftoffset I:cellrightoffset "
                 "R:celltextrect C:linescolor C:bgcolor " +
                 font +
                 " C:selectfontcolor C:focusfontcolor T:fixedfontname I:fixedfontheight S:fixedfontstyle "
                 "C:fixedfontcolor"},
    {"tab", controlBase +
                " R:tabrect R:activetabrect R:focustabrect R:mouseintabrect R:clientrect "
                "X:bgpictureindex P:lefttoppoint P:righttoppoint P:leftbottompoint P:rightbottompoint "
                "I:tableftoffset I:tabrightoffset R:tabsbgrect " +
                font + " C:activefontcolor C:focusfontcolor C:mouseinfontcolor T:updown"},
    {"mainmenubar", controlBase + " R:itemsrect T:menubaritem T:closebutton T:minbutton T:maxbutton "
                                  "T:sysmenubutton C:trackmarkcolor C:trackmarkactivecolor"},
    {"controlbar", customBase + " R:itemrect X:bgpictureindex"},
    {"memo", editKeys + " C:bgcolor C:activebgcolor"},
    {"edit", editKeys},
    {"checklistbox", listBoxKeys + " R:itemcheckrect R:checkimagerect R:uncheckimagerect"},
    {"listbox", listBoxKeys},
    {"combobox", customBase +
                     " R:itemrect R:focusitemrect I:itemleftoffset I:itemrightoffset R:itemtextrect " + font +
                     " C:focusfontcolor T:listboxname R:buttonrect R:activebuttonrect R:downbuttonrect "
                     "R:unenabledbuttonrect"},
    {"scrollbar",
     customBase + " R:trackarea " + updownRects +
         " R:thumbrect R:activethumbrect R:downthumbrect I:thumboffset1 I:thumboffset2 "
         "F:thumbtransparent C:thumbtransparentcolor R:glyphrect R:activeglyphrect R:downglyphrect"},
    {"spinedit",
     customBase + " R:activeskinrect " + font + " C:activefontcolor C:disabledfontcolor " + updownRects},
    {"scrollbox", customBase + " X:bgpictureindex"},
    {"treeview", controlBase + " " + font + " C:bgcolor"},
    {"bevel", controlBase + " C:lightcolor C:darkcolor"},
    {"slider", controlBase + " C:bgcolor R:hrulerrect R:hthumbrect R:vrulerrect R:vthumbrect I:edgesize "
                             "C:pointscolor"},
    {"listview", controlBase + " " + font + " C:bgcolor"},
    {"richedit", controlBase + " " + font + " C:bgcolor"},
};

const std::string popupKeys =
    "X:windowpictureindex X:maskpictureindex P:lefttoppoint P:righttoppoint "
    "P:leftbottompoint P:rightbottompoint R:itemsrect C:scrollmarkercolor "
    "C:scrollmarkeractivecolor F:leftstretch F:rightstretch F:topstretch F:bottomstretch";
const std::string hintKeys = "X:windowpictureindex X:maskpictureindex P:lefttoppoint P:righttoppoint "
                             "P:leftbottompoint P:rightbottompoint R:clientrect " +
                             font + " F:leftstretch F:rightstretch F:topstretch F:bottomstretch";

struct KeyValue {
    std::string key;
    std::string value;
};

// A canonical value, different from the key's default and from every other key's value, for each key.
std::vector<KeyValue> sampleSection(const std::string& typedKeys) {
    std::vector<KeyValue> lines;
    std::istringstream in(typedKeys);
    std::string item;
    int n = 1;
    while (in >> item) {
        const char type = item[0];
        const std::string key = item.substr(2);
        const std::string i = std::to_string(n);
        std::string value;
        switch (type) {
        case 'R':
            value =
                i + "," + std::to_string(n + 1) + "," + std::to_string(n + 2) + "," + std::to_string(n + 3);
            break;
        case 'P':
            value = i + "," + std::to_string(n + 1);
            break;
        case 'I':
            value = std::to_string(100 + n);
            break;
        case 'C':
            value = std::to_string(0x10000 * n + 7);
            break;
        case 'X':
            value = std::to_string(n);
            break;
        case 'F':
            value = "1";
            break;
        case 'T':
            value = "text " + i;
            break;
        case 'S':
            value = n % 2 ? "fsbold,fsunderline" : "fsitalic,fsstrikeout";
            break;
        case 'A':
            value = n % 2 ? "taleftjustify" : "tarightjustify";
            break;
        case 'M':
            value = n % 2 ? "mkpush" : "mkleftslide";
            break;
        case 'W':
            value = n % 2 ? "cmrollup" : "cmsysmenu";
            break;
        default:
            ADD_FAILURE() << "bad type in " << item;
        }
        lines.push_back({key, value});
        ++n;
    }
    return lines;
}

MemIniFile iniWithSection(const std::string& name, const std::vector<KeyValue>& lines) {
    MemIniFile ini;
    for (const auto& line : lines)
        ini.writeString(name, line.key, line.value);
    return ini;
}

std::vector<KeyValue> sectionContents(const MemIniFile& ini, const std::string& name) {
    std::vector<KeyValue> lines;
    for (const auto& key : ini.sectionKeys(name))
        lines.push_back({key, ini.readString(name, key, "")});
    return lines;
}

void expectSameSection(const std::vector<KeyValue>& actual, const std::vector<KeyValue>& expected,
                       const std::string& kind) {
    ASSERT_EQ(actual.size(), expected.size()) << kind;
    for (size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].key, expected[i].key) << kind << " line " << i;
        EXPECT_EQ(actual[i].value, expected[i].value) << kind << " key " << expected[i].key;
    }
}

template <typename T> T& as(const std::unique_ptr<DataSkinObject>& p) {
    return dynamic_cast<T&>(*p);
}
template <typename T> T& as(const std::unique_ptr<DataSkinControl>& p) {
    return dynamic_cast<T&>(*p);
}

} // namespace

// Reading a section that holds every key and writing the record back gives the same keys, in reading
// order, with the same values: a key missed, misspelt or swapped on either side shows here.
TEST(SkinRecords, EveryObjectRecordWritesBackEveryKeyItReadsInReadingOrder) {
    ASSERT_EQ(objectKeys.size(), skinObjectKinds().size());
    for (const auto& [kind, keys] : objectKeys) {
        const auto sample = sampleSection(keys);
        auto record = createSkinObjectRecord(kind, "rec");
        ASSERT_TRUE(record) << kind;
        EXPECT_EQ(record->kind(), kind);
        record->readFromIni(iniWithSection("REC", sample));

        MemIniFile out;
        out.writeString("rec", "stale", "x"); // the record replaces its whole section
        record->writeToIni(out);
        auto expected = sample;
        if (kind == "animate")
            for (auto& line : expected)
                if (line.key == "morphing")
                    line.value = "0";
        expectSameSection(sectionContents(out, "rec"), expected, kind);

        auto again = createSkinObjectRecord(kind, "rec");
        again->readFromIni(out);
        MemIniFile out2;
        again->writeToIni(out2);
        EXPECT_EQ(out2.lines(), out.lines()) << kind;
    }
}

TEST(SkinRecords, EveryControlRecordWritesBackEveryKeyItReadsInReadingOrder) {
    ASSERT_EQ(controlKeys.size(), skinControlKinds().size());
    for (const auto& [kind, keys] : controlKeys) {
        const auto sample = sampleSection(keys);
        auto record = createSkinControlRecord(kind, "rec");
        ASSERT_TRUE(record) << kind;
        EXPECT_EQ(record->kind(), kind);
        record->readFromIni(iniWithSection("Rec", sample));

        MemIniFile out;
        record->writeToIni(out);
        expectSameSection(sectionContents(out, "rec"), sample, kind);

        auto again = createSkinControlRecord(kind, "rec");
        again->readFromIni(out);
        MemIniFile out2;
        again->writeToIni(out2);
        EXPECT_EQ(out2.lines(), out.lines()) << kind;
    }
}

TEST(SkinRecords, WindowRecordsReadEveryKeyOfTheirSection) {
    const auto popupSample = sampleSection(popupKeys);
    DataSkinPopupWindow popup;
    popup.readFromIni(iniWithSection("popupwindow", popupSample));
    MemIniFile popupOut;
    popup.writeToIni(popupOut);
    expectSameSection(sectionContents(popupOut, "POPUPWINDOW"), popupSample, "popup");

    const auto hintSample = sampleSection(hintKeys);
    DataSkinHintWindow hint;
    hint.readFromIni(iniWithSection("HintWindow", hintSample));
    MemIniFile hintOut;
    hint.writeToIni(hintOut);
    expectSameSection(sectionContents(hintOut, "HINTWINDOW"), hintSample, "hint");
}

// A control record that was never read looks the same as one read from an empty section.
TEST(SkinRecords, ControlRecordsStartWithTheirReadingDefaults) {
    const MemIniFile empty;
    for (const auto kind : skinControlKinds()) {
        auto fresh = createSkinControlRecord(kind, "c");
        auto read = createSkinControlRecord(kind, "c");
        read->readFromIni(empty);
        MemIniFile a, b;
        fresh->writeToIni(a);
        read->writeToIni(b);
        EXPECT_EQ(a.lines(), b.lines()) << kind;
    }
    DataSkinStdLabelControl label("l");
    label.readFromIni(empty);
    EXPECT_EQ(label.activeFontColor, 16711680);
    EXPECT_EQ(label.fontName, "Arial");
    EXPECT_EQ(label.fontHeight, 14);
    DataSkinListBox list("l");
    EXPECT_EQ(list.vScrollBarName, "vscrollbar");
    EXPECT_EQ(list.bothHScrollBarName, "bothhscrollbar");
}

TEST(SkinRecords, ObjectRecordsStartZeroedButReadTheirDefaults) {
    DataSkinMenuItem item("m");
    EXPECT_EQ(item.activePictureIndex, -1);
    EXPECT_EQ(item.fontName, "");
    EXPECT_EQ(item.fontHeight, 0);
    item.readFromIni(MemIniFile());
    EXPECT_EQ(item.fontName, "Arial");
    EXPECT_EQ(item.fontHeight, 14);

    DataSkinAnimate animate("a");
    animate.readFromIni(MemIniFile());
    EXPECT_EQ(animate.countFrames, 1);
    EXPECT_EQ(animate.timerInterval, 50);
    EXPECT_EQ(animate.command, WindowCommand::cmDefault);

    DataSkinCaption caption("c");
    caption.readFromIni(MemIniFile::fromText("[c]\nfontcolor=255\n"));
    EXPECT_EQ(caption.alignment, Alignment::taCenter);
    EXPECT_EQ(caption.fontColor, 255);
}

TEST(SkinRecords, SpecialCasesOfReading) {
    const auto ini = MemIniFile::fromText("[anim]\nmorphing=1\nmorphkind=mkpush\ncountframes=8\n"
                                          "[user]\nhint=ignored\nactivepictureindex=3\nskinrect=1,2,3,4\n"
                                          "morphing=1\n"
                                          "[bar]\nunenabledfontcolor=$0000FF\n"
                                          "[hintwindow]\nfontname=Tahoma\n"
                                          "[closebutton]\ncommand=cmclose\nskinrectinapicture=1\nmorphing=1\n"
                                          "downrect=42,23,61,42\n");
    DataSkinAnimate animate("anim");
    animate.readFromIni(ini);
    EXPECT_FALSE(animate.morphing);
    EXPECT_EQ(animate.morphKind, MorphKind::mkPush);
    EXPECT_EQ(animate.countFrames, 8);

    DataUserObject user("user");
    user.readFromIni(ini);
    EXPECT_EQ(user.skinRect, (Rect{1, 2, 3, 4}));
    EXPECT_EQ(user.hint, "");
    EXPECT_EQ(user.activePictureIndex, -1);
    EXPECT_FALSE(user.morphing);

    DataSkinMainMenuBarItem item("BAR");
    item.readFromIni(ini);
    EXPECT_EQ(item.unenabledFontColor, 255);

    DataSkinHintWindow hint;
    EXPECT_EQ(hint.fontHeight, 12);
    EXPECT_EQ(hint.fontName, "Arial");
    hint.readFromIni(ini);
    EXPECT_EQ(hint.fontHeight, 14);
    EXPECT_EQ(hint.fontName, "Tahoma");
    EXPECT_EQ(hint.windowPictureIndex, -1);

    auto close = createSkinObjectRecord("stdbutton", "closebutton");
    close->readFromIni(ini);
    const auto& button = as<DataSkinStdButton>(close);
    EXPECT_EQ(button.command, WindowCommand::cmClose);
    EXPECT_TRUE(button.skinRectInAPicture);
    EXPECT_TRUE(button.morphing);
    EXPECT_EQ(button.downRect, (Rect{42, 23, 61, 42}));
    EXPECT_EQ(button.restoreRect, Rect{});
    EXPECT_EQ(button.restoreInactiveRect, Rect{});
}

TEST(SkinRecords, AMalformedRectEndsTheRecordsReadingWithTheConversionError) {
    const auto ini = MemIniFile::fromText("[groupbox]\npictureindex=2\nskinrect=1,2,3\n");
    DataSkinPanelControl panel("groupbox");
    try {
        panel.readFromIni(ini);
        FAIL() << "no error";
    } catch (const core::ConvertError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid integer value");
    }
    EXPECT_EQ(panel.pictureIndex, 2); // keys before the failure are read
}

TEST(SkinRecords, FactoryMapsKindsExactlyAndPerList) {
    EXPECT_TRUE(dynamic_cast<DataSkinButton*>(createSkinObjectRecord("button", "b").get()));
    EXPECT_TRUE(dynamic_cast<DataSkinButtonControl*>(createSkinControlRecord("button", "b").get()));
    EXPECT_TRUE(dynamic_cast<DataSkinStdButton*>(createSkinObjectRecord("mainmenubarbutton", "b").get()));
    EXPECT_TRUE(dynamic_cast<DataSkinMainMenuItem*>(createSkinObjectRecord("mainmenubaritem", "b").get()));
    EXPECT_TRUE(dynamic_cast<DataSkinEditControl*>(createSkinControlRecord("memo", "m").get()));
    EXPECT_TRUE(dynamic_cast<DataSkinListBox*>(createSkinControlRecord("checklistbox", "m").get()));
    EXPECT_FALSE(dynamic_cast<DataSkinCustomControl*>(createSkinControlRecord("tab", "t").get()));
    EXPECT_EQ(createSkinObjectRecord("panel", "p"), nullptr);
    EXPECT_EQ(createSkinControlRecord("Panel", "p"), nullptr);
    EXPECT_EQ(createSkinControlRecord("groupbox", "p"), nullptr);
    EXPECT_EQ(createSkinControlRecord("", "p"), nullptr);
    EXPECT_EQ(createSkinObjectRecord("caption", "caption1")->idName, "caption1");
}

TEST(SkinRecords, EntriesSplitAtTheFirstColonWithoutTrimming) {
    const auto entry = splitNameKind("closebutton:stdbutton");
    EXPECT_EQ(entry.idName, "closebutton");
    EXPECT_EQ(entry.kind, "stdbutton");
    const auto odd = splitNameKind(" a :b:c");
    EXPECT_EQ(odd.idName, " a ");
    EXPECT_EQ(odd.kind, "b:c");
    const auto none = splitNameKind("nocolon");
    EXPECT_EQ(none.idName, "");
    EXPECT_EQ(none.kind, "");
    EXPECT_EQ(splitNameKind(":panel").kind, "panel");
}

namespace {

// Reads a [SKINOBJECTS] / [SKINCONTROLS] list as the store does.
template <typename Record, typename Create>
std::vector<std::unique_ptr<Record>> readList(const MemIniFile& ini, const char* section, Create create) {
    std::vector<std::unique_ptr<Record>> list;
    const int32_t count = ini.readInteger(section, "count", 0);
    for (int32_t i = 0; i < count; ++i) {
        auto entry = splitNameKind(ini.readString(section, std::to_string(i), ""));
        if (auto record = create(entry.kind, entry.idName)) {
            record->readFromIni(ini);
            list.push_back(std::move(record));
        }
    }
    return list;
}

template <typename Record>
const Record* find(const std::vector<std::unique_ptr<Record>>& list, const char* name) {
    for (const auto& record : list)
        if (record->idName == name)
            return record.get();
    return nullptr;
}

} // namespace

TEST(SkinRecords, TheLauncherSkinReadsCompletelyAndWritesBackStably) {
    const auto ini = MemIniFile::fromBytes(core::readFileBytes(VELMORA_SOURCE_DIR "/skins/velmora/skin.ini"));
    ASSERT_TRUE(isSkinIni(ini));
    const auto objects = readList<DataSkinObject>(ini, "SKINOBJECTS", createSkinObjectRecord);
    const auto controls = readList<DataSkinControl>(ini, "SKINCONTROLS", createSkinControlRecord);
    EXPECT_EQ(objects.size(), 11u);
    EXPECT_EQ(controls.size(), 59u);

    const auto* close = dynamic_cast<const DataSkinStdButton*>(find(objects, "closebutton"));
    ASSERT_TRUE(close);
    EXPECT_EQ(close->command, WindowCommand::cmClose);
    EXPECT_TRUE(close->skinRectInAPicture);
    EXPECT_TRUE(close->morphing);
    EXPECT_EQ(close->downRect, (Rect{42, 23, 61, 42}));
    EXPECT_EQ(close->restoreRect, Rect{});

    const auto* caption = dynamic_cast<const DataSkinCaption*>(find(objects, "caption1"));
    ASSERT_TRUE(caption);
    EXPECT_EQ(caption->alignment, Alignment::taLeftJustify);
    EXPECT_TRUE(caption->shadow);

    const auto* groupBox = dynamic_cast<const DataSkinPanelControl*>(find(controls, "groupbox"));
    ASSERT_TRUE(groupBox);
    EXPECT_EQ(groupBox->captionRect, (Rect{6, 4, 61, 20}));
    EXPECT_EQ(groupBox->alignment, Alignment::taCenter);
    EXPECT_EQ(groupBox->fontColor, 16777215);
    EXPECT_EQ(groupBox->checkImageRect, (Rect{51, 107, 68, 124}));
    EXPECT_EQ(find(controls, "GroupBox"), nullptr); // record names compare exactly

    const auto* panel = dynamic_cast<const DataSkinPanelControl*>(find(controls, "panel"));
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->captionRect, Rect{});
    EXPECT_EQ(panel->bgPictureIndex, -1);
    const auto* label = dynamic_cast<const DataSkinStdLabelControl*>(find(controls, "stdlabel"));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->activeFontColor, 12615680);
    const auto* bevel = dynamic_cast<const DataSkinBevel*>(find(controls, "bevel"));
    ASSERT_TRUE(bevel);
    EXPECT_EQ(bevel->lightColor, 16777215);
    EXPECT_EQ(bevel->darkColor, 8421504);

    // Every record written and read again writes the same section.
    MemIniFile written;
    for (const auto& record : objects)
        record->writeToIni(written);
    for (const auto& record : controls)
        record->writeToIni(written);
    MemIniFile rewritten;
    for (const auto& record : objects) {
        auto again = createSkinObjectRecord(record->kind(), record->idName);
        again->readFromIni(written);
        again->writeToIni(rewritten);
    }
    for (const auto& record : controls) {
        auto again = createSkinControlRecord(record->kind(), record->idName);
        again->readFromIni(written);
        again->writeToIni(rewritten);
    }
    EXPECT_EQ(rewritten.lines(), written.lines());
}
