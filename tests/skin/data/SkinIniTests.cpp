#include "skin/data/SkinIni.h"

#include "core/Error.h"

#include <gtest/gtest.h>

using namespace skin;
using core::Point;
using core::Rect;

namespace {

// One section "s" holding each given "key=value" line.
MemIniFile section(std::initializer_list<std::string> lines) {
    std::string text = "[s]\n";
    for (const auto& line : lines)
        text += line + "\n";
    return MemIniFile::fromText(text);
}

// The message of the ConvertError that f throws, or "no error".
template <typename F> std::string conversionMessage(F&& f) {
    try {
        f();
    } catch (const core::ConvertError& e) {
        return e.what();
    }
    return "no error";
}

} // namespace

TEST(SkinIni, RectsAndPointsKeepOnlyDigitsOfEachField) {
    EXPECT_EQ(parseRect("7,3,96,23"), (Rect{7, 3, 96, 23}));
    EXPECT_EQ(parseRect("7, 3,  96 ,23"), (Rect{7, 3, 96, 23}));
    EXPECT_EQ(parseRect("-5,-6,10,20"), (Rect{5, 6, 10, 20})); // signs are lost
    EXPECT_EQ(parseRect(" 1a2b,0,0,x3"), (Rect{12, 0, 0, 3}));
    EXPECT_EQ(parseRect("9,1,5,2"), (Rect{9, 1, 5, 2}));     // no normalisation
    EXPECT_EQ(parseRect("1,2,3,4,5,x"), (Rect{1, 2, 3, 4})); // extra fields ignored
    EXPECT_EQ(parsePoint("16,34"), (Point{16, 34}));
    EXPECT_EQ(parsePoint("-16 , 34, 99"), (Point{16, 34}));
}

TEST(SkinIni, RectsAndPointsWithoutDigitsInANeededFieldFailWithTheFieldText) {
    EXPECT_EQ(conversionMessage([] { parseRect(""); }), "'' is not a valid integer value");
    EXPECT_EQ(conversionMessage([] { parseRect("1,2,3"); }), "'' is not a valid integer value");
    EXPECT_EQ(conversionMessage([] { parseRect("1,abc,3,4"); }), "'' is not a valid integer value");
    EXPECT_EQ(conversionMessage([] { parsePoint("5"); }), "'' is not a valid integer value");
    EXPECT_EQ(conversionMessage([] { parseRect("1,2,3,99999999999"); }),
              "'99999999999' is not a valid integer value");
    EXPECT_EQ(conversionMessage([] { parsePoint("2147483648,0"); }),
              "'2147483648' is not a valid integer value");
    EXPECT_EQ(parsePoint("2147483647,0"), (Point{INT32_MAX, 0}));
    EXPECT_EQ(parsePoint("0000000000000000000007,0"), (Point{7, 0})); // leading zeros are no overflow
}

TEST(SkinIni, MissingRectOrPointReadsZeroButAnEmptyValueFails) {
    const auto ini = section({"empty=", "r=1,2,3,4", "p=5,6"});
    EXPECT_EQ(readRect(ini, "s", "missing"), Rect{});
    EXPECT_EQ(readPoint(ini, "nosection", "p"), Point{});
    EXPECT_EQ(readRect(ini, "S", "R"), (Rect{1, 2, 3, 4}));
    EXPECT_EQ(readPoint(ini, "s", "p"), (Point{5, 6}));
    EXPECT_EQ(conversionMessage([&] { readRect(ini, "s", "empty"); }), "'' is not a valid integer value");
    EXPECT_EQ(conversionMessage([&] { readPoint(ini, "s", "empty"); }), "'' is not a valid integer value");
}

TEST(SkinIni, FlagIsTrueOnlyForTheIntegerOne) {
    const auto ini = section({"a=1", "b=0x1", "c=$01", "d=2", "e=true", "f=", "g=-1", "h= 1 "});
    EXPECT_TRUE(readFlag(ini, "s", "a"));
    EXPECT_TRUE(readFlag(ini, "s", "b"));
    EXPECT_TRUE(readFlag(ini, "s", "c"));
    EXPECT_TRUE(readFlag(ini, "s", "h"));
    for (const char* key : {"d", "e", "f", "g", "missing"})
        EXPECT_FALSE(readFlag(ini, "s", key)) << key;
}

TEST(SkinIni, HexIntegersTakeAtMostEightDigitsAfterLeadingZeros) {
    EXPECT_EQ(parseInteger("$0000000FF"), 255);
    EXPECT_EQ(parseInteger("$00000000000FFFFFFFF"), -1);
    EXPECT_EQ(parseInteger("-$000000000010"), -16);
    int32_t value = 7;
    EXPECT_FALSE(tryParseInteger("$100000000", value));
    EXPECT_FALSE(tryParseInteger("$0100000000", value));
    EXPECT_EQ(value, 7);
}

TEST(SkinIni, FontStylesAreCaseSensitiveSubstrings) {
    const auto ini =
        section({"a=fsbold,fsitalic", "b=FSBOLD", "c=xxfsunderlineyy;fsstrikeout", "d=", "e=fsbold fsbold"});
    EXPECT_EQ(readFontStyles(ini, "s", "a"), FontStyle::fsBold | FontStyle::fsItalic);
    EXPECT_TRUE(readFontStyles(ini, "s", "b").isEmpty());
    EXPECT_EQ(readFontStyles(ini, "s", "c"), FontStyle::fsUnderline | FontStyle::fsStrikeOut);
    EXPECT_TRUE(readFontStyles(ini, "s", "d").isEmpty());
    EXPECT_TRUE(readFontStyles(ini, "s", "missing").isEmpty());
    EXPECT_EQ(readFontStyles(ini, "s", "e"), FontStyles(FontStyle::fsBold));
}

TEST(SkinIni, EnumerationsMapUnknownNamesAsTheFormatFixes) {
    const auto ini = section({"al=taleftjustify", "ar=tarightjustify", "ac=tacenter", "ax=middle",
                              "m=mkrightslide", "mx=mkPush", "i=ieinvert", "ix=iefoo", "c=cmrollup",
                              "ct=cmminimizetotray", "cx=cmfoo", "cd=cmdefault", "cc=cmclose", "empty="});
    EXPECT_EQ(readAlignment(ini, "s", "al"), Alignment::taLeftJustify);
    EXPECT_EQ(readAlignment(ini, "s", "ar"), Alignment::taRightJustify);
    EXPECT_EQ(readAlignment(ini, "s", "ac"), Alignment::taCenter);
    EXPECT_EQ(readAlignment(ini, "s", "ax"), Alignment::taRightJustify);
    EXPECT_EQ(readAlignment(ini, "s", "missing"), Alignment::taCenter);
    EXPECT_EQ(readAlignment(section({"a=TACENTER"}), "s", "a"), Alignment::taRightJustify);

    EXPECT_EQ(readMorphKind(ini, "s", "m"), MorphKind::mkRightSlide);
    EXPECT_EQ(readMorphKind(ini, "s", "mx"), MorphKind::mkDefault);
    EXPECT_EQ(readMorphKind(ini, "s", "missing"), MorphKind::mkDefault);

    EXPECT_EQ(readInActiveEffect(ini, "s", "i"), InActiveEffect::ieInvert);
    EXPECT_EQ(readInActiveEffect(ini, "s", "ix"), InActiveEffect::ieGrayScale);
    EXPECT_EQ(readInActiveEffect(ini, "s", "empty"), InActiveEffect::ieGrayScale);
    EXPECT_EQ(readInActiveEffect(ini, "s", "missing"), InActiveEffect::ieBrightness);

    EXPECT_EQ(readCommand(ini, "s", "c"), WindowCommand::cmRollUp);
    EXPECT_EQ(readCommand(ini, "s", "cc"), WindowCommand::cmClose);
    EXPECT_EQ(readCommand(ini, "s", "cd"), WindowCommand::cmDefault);
    EXPECT_EQ(readCommand(ini, "s", "ct"), WindowCommand::cmMinimizeToTray);
    EXPECT_EQ(readCommand(ini, "s", "cx"), WindowCommand::cmMinimizeToTray);
    EXPECT_EQ(readCommand(ini, "s", "missing"), WindowCommand::cmDefault);
}

TEST(SkinIni, StringListsAppendEveryCountedEntry) {
    const auto ini =
        section({"activepicturescount=3", "0=a.bmp", "2=c.bmp", "negcount=-4", "hugecount=2147483647"});
    std::vector<std::string> list{"kept"};
    readStringList(ini, "s", "activepictures", list);
    EXPECT_EQ(list, (std::vector<std::string>{"kept", "a.bmp", "", "c.bmp"}));

    std::vector<std::string> none;
    readStringList(ini, "s", "neg", none);
    readStringList(ini, "s", "missing", none);
    EXPECT_TRUE(none.empty());

    // A damaged count stops at the limit instead of exhausting memory.
    std::vector<std::string> huge;
    readStringList(ini, "s", "huge", huge);
    EXPECT_EQ(huge.size(), size_t(maxStringListCount));
}

TEST(SkinIni, SkinIniNeedsAllFiveSectionsWithContent) {
    const std::string full =
        "[VERSION]\nskinname=x\n[PICTURES]\npicture=m.bmp\n[FORMINFO]\nclientrect=1,1,2,2\n"
        "[SKINOBJECTS]\ncount=0\n[SKINCONTROLS]\ncount=0\n";
    EXPECT_TRUE(isSkinIni(MemIniFile::fromText(full)));
    std::string lowerCase = full;
    for (char& c : lowerCase)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(isSkinIni(MemIniFile::fromText(lowerCase)));
    EXPECT_FALSE(isSkinIni(MemIniFile::fromText(full + "[SKINCONTROLS]\n"))); // last one is empty
    EXPECT_FALSE(isSkinIni(MemIniFile::fromText("[VERSION]\nx=1\n")));
}

TEST(SkinIni, WritersProduceTheCanonicalTextThatReadersAccept) {
    MemIniFile ini;
    writeRect(ini, "w", "r", Rect{-1, 2, 300, -4});
    writePoint(ini, "w", "p", Point{-16, 34});
    writeFlag(ini, "w", "t", true);
    writeFlag(ini, "w", "f", false);
    writeFontStyles(ini, "w", "fs", FontStyle::fsStrikeOut | FontStyle::fsBold | FontStyle::fsUnderline);
    writeFontStyles(ini, "w", "none", FontStyles());
    writeAlignment(ini, "w", "a", Alignment::taRightJustify);
    writeMorphKind(ini, "w", "m", MorphKind::mkLeftGradient);
    writeCommand(ini, "w", "c", WindowCommand::cmSysMenu);
    writeCommand(ini, "w", "ct", WindowCommand::cmMinimizeToTray);
    writeStringList(ini, "w", "pics", {"a", "", "c"});
    EXPECT_EQ(ini.lines(),
              (std::vector<std::string>{"[w]", "r=-1,2,300,-4", "p=-16,34", "t=1", "f=0",
                                        "fs=fsbold,fsunderline,fsstrikeout", "none=", "a=tarightjustify",
                                        "m=mkleftgradient", "c=cmsysmenu", "ct=cmminimizetotray",
                                        "picscount=3", "0=a", "1=", "2=c"}));

    // Negative numbers come back positive: the reader drops signs.
    EXPECT_EQ(readRect(ini, "w", "r"), (Rect{1, 2, 300, 4}));
    EXPECT_EQ(readPoint(ini, "w", "p"), (Point{16, 34}));
    EXPECT_TRUE(readFlag(ini, "w", "t"));
    EXPECT_EQ(readFontStyles(ini, "w", "fs"),
              FontStyle::fsStrikeOut | FontStyle::fsBold | FontStyle::fsUnderline);
    EXPECT_EQ(readAlignment(ini, "w", "a"), Alignment::taRightJustify);
    EXPECT_EQ(readMorphKind(ini, "w", "m"), MorphKind::mkLeftGradient);
    EXPECT_EQ(readCommand(ini, "w", "c"), WindowCommand::cmSysMenu);
    std::vector<std::string> pics;
    readStringList(ini, "w", "pics", pics);
    EXPECT_EQ(pics, (std::vector<std::string>{"a", "", "c"}));
}

TEST(SkinIni, EveryEnumerationValueSurvivesWriteAndRead) {
    MemIniFile ini;
    for (int v = 0; v <= 6; ++v) {
        writeMorphKind(ini, "e", "m", MorphKind(v));
        EXPECT_EQ(readMorphKind(ini, "e", "m"), MorphKind(v));
        writeCommand(ini, "e", "c", WindowCommand(v));
        EXPECT_EQ(readCommand(ini, "e", "c"), WindowCommand(v));
    }
    for (int v = 0; v <= 5; ++v) {
        writeInActiveEffect(ini, "e", "i", InActiveEffect(v));
        EXPECT_EQ(readInActiveEffect(ini, "e", "i"), InActiveEffect(v));
    }
    for (int v = 0; v <= 2; ++v) {
        writeAlignment(ini, "e", "a", Alignment(v));
        EXPECT_EQ(readAlignment(ini, "e", "a"), Alignment(v));
    }
    for (uint8_t bits = 0; bits < 16; ++bits) {
        writeFontStyles(ini, "e", "f", FontStyles::fromBits(bits));
        EXPECT_EQ(readFontStyles(ini, "e", "f").bits(), bits);
    }
}
