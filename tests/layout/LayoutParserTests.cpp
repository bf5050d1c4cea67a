#include "layout/LayoutError.h"
#include "layout/LayoutParser.h"

#include <gtest/gtest.h>

using namespace layout;
using Kind = core::PropertyValue::Kind;

namespace {

const PropertyNode& onlyProperty(const std::string& text) {
    static ObjectNode node;
    node = parseLayout("object F: TF\n  P = " + text + "\nend\n", "t");
    EXPECT_EQ(node.properties.size(), 1u);
    return node.properties.at(0);
}

} // namespace

TEST(LayoutParser, ReadsEveryValueKind) {
    EXPECT_EQ(onlyProperty("263").value.integer, 263);
    EXPECT_EQ(onlyProperty("-11").value.integer, -11);
    EXPECT_EQ(onlyProperty("-9223372036854775808").value.integer, INT64_MIN);
    EXPECT_EQ(onlyProperty("$FF").value.integer, 255);
    // Hex is a 32-bit pattern, so system colours written in hex come out as the same int32.
    EXPECT_EQ(onlyProperty("$8000000F").value.integer, int32_t(0x8000000F));
    // Leading zeros do not count towards the eight digits.
    EXPECT_EQ(onlyProperty("$0000000FF").value.integer, 255);
    EXPECT_EQ(onlyProperty("$000000000000FFFFFFFF").value.integer, -1);
    EXPECT_EQ(onlyProperty("$0000000000").value.integer, 0);
    EXPECT_EQ(onlyProperty("clBtnFace").value.kind, Kind::Identifier);
    EXPECT_EQ(onlyProperty("Form1.SkinData1").value.text, "Form1.SkinData1");

    const auto& set = onlyProperty("[fsBold, fsUnderline]").value;
    EXPECT_EQ(set.kind, Kind::Set);
    EXPECT_EQ(set.names, (std::vector<std::string>{"fsBold", "fsUnderline"}));
    EXPECT_TRUE(onlyProperty("[]").value.names.empty());
    EXPECT_EQ(onlyProperty("[ ]").value.kind, Kind::Set);

    const auto& bin = onlyProperty("{789C\n    DA01\n    ff}").value;
    EXPECT_EQ(bin.kind, Kind::Binary);
    EXPECT_EQ(bin.bytes, (std::vector<uint8_t>{0x78, 0x9C, 0xDA, 0x01, 0xFF}));
    EXPECT_TRUE(onlyProperty("{}").value.bytes.empty());

    const auto& list = onlyProperty("(\n    'a=1'\n    'b' + \n    'c'#9\n    '')").value;
    EXPECT_EQ(list.kind, Kind::StringList);
    EXPECT_EQ(list.names, (std::vector<std::string>{"a=1", "bc\t", ""}));
    EXPECT_EQ(onlyProperty("()").value.kind, Kind::StringList);
    EXPECT_TRUE(onlyProperty("( )").value.names.empty());
}

TEST(LayoutParser, ReadsStringsWithQuotesCodesAndContinuations) {
    EXPECT_EQ(onlyProperty("'It''s'").value.text, "It's");
    EXPECT_EQ(onlyProperty("''").value.text, "");
    EXPECT_EQ(onlyProperty("'Velmora安装向导'").value.text, "Velmora安装向导");
    EXPECT_EQ(onlyProperty("'a'#13#10'b'").value.text, "a\r\nb");
    EXPECT_EQ(onlyProperty("#23433#35013").value.text, "安装");
    EXPECT_EQ(onlyProperty("#$41'B'").value.text, "AB");
    EXPECT_EQ(onlyProperty("#$0000000041#00000000066").value.text, "AB");
    // A surrogate pair written as two codes is one character.
    EXPECT_EQ(onlyProperty("#55357#56832").value.text, "\xF0\x9F\x98\x80");
    EXPECT_EQ(onlyProperty("'first ' +\n    'second' +\n    #33").value.text, "first second!");
}

TEST(LayoutParser, ReadsNestedObjectsWithLines) {
    ObjectNode root = parseLayout("\xEF\xBB\xBF"
                                  "object Form1: TForm1\n"
                                  "  Font.Name = 'Arial'\n"
                                  "  OBJECT Panel1: TPanel\n"
                                  "    object TLabel\n"
                                  "    end\n"
                                  "  End\n"
                                  "  object Panel2: TPanel end\n"
                                  "end",
                                  "t");
    EXPECT_EQ(root.name, "Form1");
    EXPECT_EQ(root.className, "TForm1");
    ASSERT_EQ(root.properties.size(), 1u);
    EXPECT_EQ(root.properties[0].name, "Font.Name");
    EXPECT_EQ(root.properties[0].line, 2);
    ASSERT_EQ(root.children.size(), 2u);
    EXPECT_EQ(root.children[0].line, 3);
    ASSERT_EQ(root.children[0].children.size(), 1u);
    EXPECT_EQ(root.children[0].children[0].name, "");
    EXPECT_EQ(root.children[0].children[0].className, "TLabel");
    EXPECT_EQ(root.children[1].name, "Panel2");
}

TEST(LayoutParser, RejectsMalformedTextNamingTheLine) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"", "t, line 1: 'object' expected"},
        {"object F: TF\n  P = 'open\nend", "t, line 2: unterminated string"},
        {"object F: TF\n  P = 1\n", "t, line 3: 'end' expected"},
        {"object F: TF\n  P = 1x\nend", "t, line 2: '1x' is not a valid integer value"},
        {"object F: TF\n  P = 99999999999999999999\nend", "t, line 2: integer out of range"},
        {"object F: TF\n  P = $123456789\nend", "t, line 2: hexadecimal value longer than 32 bits"},
        {"object F: TF\n  P = {ABC}\nend", "t, line 2: binary data with an odd number"},
        {"object F: TF\n  P = {AZ}\nend", "t, line 2: 'Z' is not a hexadecimal digit"},
        {"object F: TF\n  P = {AB\nend", "t, line 3: 'n' is not a hexadecimal digit"},
        {"object F: TF\n  P = [a b]\nend", "t, line 2: ',' expected"},
        {"object F: TF\n  P = ('a' 1)\nend", "t, line 2: string or ')' expected but '1)' found"},
        {"object F: TF\n  P = ('a'\nend", "t, line 3: string or ')' expected but 'end' found"},
        {"object F: TF\n  P = 'a' +\nend", "t, line 3: string expected"},
        {"object F: TF\n  P = #55357\nend", "t, line 2: unpaired surrogate"},
        {"object F: TF\n  P = #1114112\nend", "t, line 2: character code out of range"},
        {"object F: TF\n  P = 1.5\nend", "t, line 2: '1.5' is not a valid integer value"},
        {"object F: TF\n  P 1\nend", "t, line 2: '=' expected"},
        {"object F: TF\n  object G: TG end\n  P = 1\nend", "t, line 3: properties must come before"},
        {"object F: TF\nend\nobject G: TG\nend", "t, line 3: unexpected text after"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            parseLayout(c.text, "t");
            ADD_FAILURE() << "no error";
        } catch (const LayoutError& e) {
            EXPECT_EQ(std::string(e.what()).find(c.message), 0u) << e.what();
        }
    }
}

TEST(LayoutParser, RefusesNestingBeyondTheLimitWithoutCrashing) {
    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "object A: T ";
    EXPECT_THROW(parseLayout(deep, "t"), LayoutError);

    std::string fine;
    for (int i = 0; i < maxLayoutDepth; ++i)
        fine += "object A: T\n";
    for (int i = 0; i < maxLayoutDepth; ++i)
        fine += "end\n";
    EXPECT_NO_THROW(parseLayout(fine, "t"));
}
