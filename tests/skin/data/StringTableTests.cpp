#include "skin/data/ResourceStrData.h"

#include "core/Property.h"

#include <gtest/gtest.h>

#include <map>

using skin::ResourceStrData;

TEST(StringTable, StartsWithTheDefaultLinesInOrder) {
    ResourceStrData table;
    ASSERT_EQ(table.resStrings().size(), 115u);
    EXPECT_EQ(table.resStrings().front(), "MI_MINCAPTION=Mi&nimize");
    EXPECT_EQ(table.resStrings().back(), "FIND_REPLACE_CLOSE=Close");
    EXPECT_EQ(table.charSet(), 1);

    const std::pair<const char*, const char*> used[] = {
        {"MI_MINCAPTION", "Mi&nimize"},
        {"MI_MAXCAPTION", "Ma&ximize"},
        {"MI_CLOSECAPTION", "&Close"},
        {"MI_RESTORECAPTION", "&Restore"},
        {"MI_MINTOTRAYCAPTION", "Minimize to &Tray"},
        {"MI_ROLLUPCAPTION", "Ro&llUp"},
        {"MINBUTTON_HINT", "Minimize"},
        {"MAXBUTTON_HINT", "Maximize"},
        {"CLOSEBUTTON_HINT", "Close"},
        {"TRAYBUTTON_HINT", "Minimize to Tray"},
        {"ROLLUPBUTTON_HINT", "Roll Up"},
        {"MENUBUTTON_HINT", "System menu"},
        {"MSG_BTN_OK", "OK"},
        {"MSG_FILENAME", "File name:"},
        {"NODISKINDRIVE", "There is no disk in Drive or Drive is not ready"},
        {"PRNDLG_WARNING", "There are no printers in your system!"},
        {"FIND_REPLACE_All", "Replace All"},
    };
    for (const auto& [key, text] : used)
        EXPECT_EQ(table.lookUpString(key), text) << key;

    // Every default line has a distinct key and a text.
    std::map<std::string, int> keys;
    for (const auto& line : table.resStrings()) {
        const auto eq = line.find('=');
        ASSERT_NE(eq, std::string::npos) << line;
        EXPECT_LT(eq + 1, line.size()) << line;
        ++keys[line.substr(0, eq)];
    }
    EXPECT_EQ(keys.size(), 115u);
}

TEST(StringTable, LookUpIgnoresCaseAndTakesTheFirstMatchUpToTheFirstEquals) {
    ResourceStrData table;
    EXPECT_EQ(table.lookUpString("mi_maxcaption"), "Ma&ximize");
    EXPECT_EQ(table.lookUpString("find_replace_all"), "Replace All");
    EXPECT_EQ(table.lookUpString("NO_SUCH_KEY"), "");

    table.setResStrings({"A=first=with=equals", "a=second", "EMPTY=", "NOEQUALS", "=anonymous"});
    EXPECT_EQ(table.lookUpString("A"), "first=with=equals");
    EXPECT_EQ(table.lookUpString("empty"), "");
    EXPECT_EQ(table.lookUpString("NOEQUALS"), "");
    EXPECT_EQ(table.lookUpString(""), "anonymous");
}

TEST(StringTable, ReplacingTheLinesDropsEveryOtherText) {
    ResourceStrData table;
    table.setResStrings({"CLOSEBUTTON_HINT=Schlie\xC3\x9F"
                         "en"});
    EXPECT_EQ(table.lookUpString("closebutton_hint"), "Schlie\xC3\x9F"
                                                      "en");
    EXPECT_EQ(table.lookUpString("MI_MAXCAPTION"), "");
    EXPECT_EQ(table.lookUpString("MINBUTTON_HINT"), "");
    EXPECT_EQ(ResourceStrData().lookUpString("MI_MAXCAPTION"), "Ma&ximize"); // defaults are per table
}

namespace {

class RecordingWriter : public core::PropertyWriter {
public:
    std::map<std::string, core::PropertyValue> values;

protected:
    void write(const std::string& name, const core::PropertyValue& value) override { values[name] = value; }
};

} // namespace

TEST(StringTable, CharSetIsALayoutProperty) {
    ResourceStrData table;
    core::PropertyValue gb;
    gb.kind = core::PropertyValue::Kind::Identifier;
    gb.text = "GB2312_CHARSET";
    core::PropertyReader reader("CharSet", gb);
    EXPECT_TRUE(table.setProperty("CharSet", reader));
    EXPECT_EQ(table.charSet(), 134);

    RecordingWriter out;
    table.writeProperties(out);
    ASSERT_EQ(out.values.count("CharSet"), 1u);
    EXPECT_EQ(out.values["CharSet"].text, "GB2312_CHARSET");

    core::PropertyReader other("Unknown", gb);
    EXPECT_FALSE(table.setProperty("Unknown", other));
}
