#include "core/Error.h"
#include "core/Property.h"
#include "gui/Bitmap.h"
#include "gui/Font.h"

#include <gtest/gtest.h>

using namespace gui;

namespace {

struct RecordingWriter : core::PropertyWriter {
    std::vector<std::pair<std::string, core::PropertyValue>> values;
    void write(const std::string& name, const core::PropertyValue& value) override {
        values.emplace_back(name, value);
    }
};

core::PropertyReader reader(const std::string& name, core::PropertyValue::Kind kind, int64_t integer = 0,
                            std::string text = {}, std::vector<std::string> names = {}) {
    core::PropertyValue v;
    v.kind = kind;
    v.integer = integer;
    v.text = std::move(text);
    v.names = std::move(names);
    return core::PropertyReader(name, std::move(v));
}

LOGFONTW logFontOf(HFONT font) {
    LOGFONTW lf{};
    GetObjectW(font, sizeof(lf), &lf);
    return lf;
}

} // namespace

TEST(Font, HandleCarriesEveryAttribute) {
    Font f;
    f.setName("新宋体");
    f.setHeight(-13);
    f.setStyle(FontStyle::fsBold | FontStyle::fsUnderline);
    f.setCharset(ANSI_CHARSET);
    f.setPitch(FontPitch::fpFixed);
    f.setOrientation(450);
    LOGFONTW lf = logFontOf(f.handle());
    EXPECT_STREQ(lf.lfFaceName, L"新宋体");
    EXPECT_EQ(lf.lfHeight, -13);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_TRUE(lf.lfUnderline);
    EXPECT_FALSE(lf.lfItalic);
    EXPECT_EQ(lf.lfCharSet, ANSI_CHARSET);
    EXPECT_EQ(lf.lfPitchAndFamily & 3, FIXED_PITCH);
    EXPECT_EQ(lf.lfEscapement, 450);
}

// The handle is remade after a change that matters to it, kept after a colour change, and every
// change is announced once.
TEST(Font, HandleFollowsChangesAndNotifies) {
    Font f;
    int changes = 0;
    f.onChange = [&](Font&) { ++changes; };
    HFONT first = f.handle();
    f.setColor(core::clRed);
    EXPECT_EQ(f.handle(), first);
    f.setHeight(-20);
    EXPECT_EQ(logFontOf(f.handle()).lfHeight, -20);
    f.setHeight(-20); // no change, no notice
    f.setName("");    // an empty name is refused
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(f.name(), "MS Sans Serif");

    Font g;
    g.assign(f);
    EXPECT_TRUE(g.sameAs(f));
    EXPECT_EQ(g.color(), core::clRed);
}

TEST(Font, SizeAndHeightConvertThroughPixelsPerInch) {
    Font f;
    f.setPixelsPerInch(96);
    f.setSize(9);
    EXPECT_EQ(f.height(), -12);
    EXPECT_EQ(f.size(), 9);
    f.setPixelsPerInch(120);
    f.setHeight(-20);
    EXPECT_EQ(f.size(), 12);
}

// A handle made elsewhere (a rotated font, say) is adopted with its attributes; the colour stays.
TEST(Font, AdoptedHandleUpdatesAttributes) {
    LOGFONTW lf{};
    lf.lfHeight = -17;
    lf.lfEscapement = 900;
    lf.lfWeight = FW_BOLD;
    lf.lfItalic = TRUE;
    lf.lfCharSet = GB2312_CHARSET;
    wcscpy(lf.lfFaceName, L"Arial");
    Font f;
    f.setColor(core::clBlue);
    int changes = 0;
    f.onChange = [&](Font&) { ++changes; };
    HFONT h = CreateFontIndirectW(&lf);
    f.setHandle(winbase::FontHandle(h));
    EXPECT_EQ(f.handle(), h);
    EXPECT_EQ(f.name(), "Arial");
    EXPECT_EQ(f.height(), -17);
    EXPECT_EQ(f.orientation(), 900);
    EXPECT_EQ(f.style(), FontStyle::fsBold | FontStyle::fsItalic);
    EXPECT_EQ(f.charset(), GB2312_CHARSET);
    EXPECT_EQ(f.color(), core::clBlue);
    EXPECT_EQ(changes, 1);
}

// Text drawn with a font turned by 90 degrees runs upwards: its ink is taller than it is wide.
TEST(Font, RotatedFontDrawsVerticalText) {
    Bitmap b(60, 120);
    Canvas& c = b.canvas();
    c.brush().setColor(core::clWhite);
    c.fillRect({0, 0, 60, 120});
    c.brush().setStyle(BrushStyle::bsClear);
    c.font().setName("Arial");
    c.font().setHeight(-16);
    c.font().setOrientation(900);
    c.font().setColor(core::clBlack);
    c.textOut(10, 110, "HHHHHH");
    int left = 60, right = -1, top = 120, bottom = -1;
    const core::FBitmap& px = b.pixels();
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 60; ++x)
            if (px.pixel(x, y) != core::clWhite) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, 0);
    EXPECT_GT(bottom - top, 2 * (right - left));
}

TEST(FontProperties, ReadAndWriteTheLayoutNames) {
    using K = core::PropertyValue::Kind;
    Font f;
    auto name = reader("Font.Name", K::String, 0, "Arial");
    auto height = reader("Font.Height", K::Integer, -14);
    auto color = reader("Font.Color", K::Identifier, 0, "clHighlight");
    auto charset = reader("Font.Charset", K::Identifier, 0, "GB2312_CHARSET");
    auto style = reader("Font.Style", K::Set, 0, {}, {"fsUnderline", "fsBold"});
    EXPECT_TRUE(f.setProperty("Name", name));
    EXPECT_TRUE(f.setProperty("Height", height));
    EXPECT_TRUE(f.setProperty("Color", color));
    EXPECT_TRUE(f.setProperty("Charset", charset));
    EXPECT_TRUE(f.setProperty("Style", style));
    EXPECT_FALSE(f.setProperty("Weight", height));
    EXPECT_EQ(f.name(), "Arial");
    EXPECT_EQ(f.height(), -14);
    EXPECT_EQ(f.color(), core::clHighlight);
    EXPECT_EQ(f.charset(), 134);
    EXPECT_EQ(f.style(), FontStyle::fsBold | FontStyle::fsUnderline);

    auto badStyle = reader("Font.Style", K::Set, 0, {}, {"fsBlink"});
    EXPECT_THROW(f.setProperty("Style", badStyle), core::Error);
    auto badCharset = reader("Font.Charset", K::Integer, 300);
    EXPECT_THROW(f.setProperty("Charset", badCharset), core::Error);

    RecordingWriter w;
    f.writeProperties(w, "Font");
    std::vector<std::string> names;
    for (auto& [n, v] : w.values)
        names.push_back(n);
    EXPECT_EQ(names, (std::vector<std::string>{"Font.Charset", "Font.Color", "Font.Height", "Font.Name",
                                               "Font.Style"}));
    EXPECT_EQ(w.values[4].second.names, (std::vector<std::string>{"fsBold", "fsUnderline"}));
}
