#include "core/Error.h"
#include "core/Property.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

PropertyValue ident(const std::string& text) {
    PropertyValue v;
    v.kind = PropertyValue::Kind::Identifier;
    v.text = text;
    return v;
}

PropertyValue integer(int64_t value) {
    PropertyValue v;
    v.integer = value;
    return v;
}

} // namespace

TEST(Property, ConvertsNamedAndNumericValues) {
    EXPECT_EQ(PropertyReader("C", ident("clBtnFace")).asColor(), clBtnFace);
    EXPECT_EQ(PropertyReader("C", ident("clWindowText")).asColor(), clWindowText);
    EXPECT_EQ(PropertyReader("C", ident("clNone")).asColor(), clNone);
    EXPECT_EQ(PropertyReader("C", ident("clLtGray")).asColor(), clSilver);
    EXPECT_EQ(PropertyReader("C", integer(0xFF)).asColor(), clRed);
    // The unsigned spelling of a system colour is the same colour.
    EXPECT_EQ(PropertyReader("C", integer(0x8000000F)).asColor(), clBtnFace);
    EXPECT_THROW(PropertyReader("C", integer(0x100000000)).asColor(), Error);

    EXPECT_EQ(PropertyReader("S", ident("GB2312_CHARSET")).asCharset(), 134);
    EXPECT_EQ(PropertyReader("S", ident("DEFAULT_CHARSET")).asCharset(), 1);
    EXPECT_EQ(PropertyReader("S", integer(134)).asCharset(), 134);
    EXPECT_THROW(PropertyReader("S", integer(256)).asCharset(), Error);
    EXPECT_EQ(PropertyReader("K", ident("crHandPoint")).asCursor(), -21);

    EXPECT_EQ(PropertyReader("A", ident("taCenter")).asEnum({"taLeftJustify", "taRightJustify", "taCenter"}),
              2);
    try {
        PropertyReader("Alignment", ident("tacenter")).asEnum({"taCenter"});
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Property Alignment: 'tacenter' is not a valid value");
    }
    // References need the layout that names them.
    EXPECT_THROW(PropertyReader("R", ident("X")).resolveReference([](Component*) {}), Error);
}

TEST(Property, WriterNamesKnownValuesAndNestsPrefixes) {
    struct Recorder : PropertyWriter {
        std::vector<std::string> lines;
        void write(const std::string& name, const PropertyValue& v) override {
            lines.push_back(name + "=" +
                            (v.kind == PropertyValue::Kind::Integer ? std::to_string(v.integer) : v.text));
        }
    } out;
    out.writeColor("Color", clBtnFace);
    out.writeColor("Color", rgb(1, 0, 0));
    {
        auto font = out.nested("Font");
        out.writeCharset("Charset", 134);
        {
            auto inner = out.nested("Sub");
            out.writeBool("B", true);
        }
        out.writeCharset("Charset", 3);
    }
    out.writeCursor("Cursor", -21);
    out.writeReference("Ref", nullptr);
    EXPECT_EQ(out.lines,
              (std::vector<std::string>{"Color=clBtnFace", "Color=1", "Font.Charset=GB2312_CHARSET",
                                        "Font.Sub.B=True", "Font.Charset=3", "Cursor=crHandPoint"}));
}
