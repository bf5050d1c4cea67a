#include "skin/data/MemIniFile.h"

#include <gtest/gtest.h>

using skin::MemIniFile;

namespace {

std::vector<uint8_t> bytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

} // namespace

TEST(MemIniFile, CutsLinesAtEveryLineEndAndTrimsControlCharacters) {
    const auto ini =
        MemIniFile::fromText("[a]\r\nk1=1\nk2=2\rk3=3\r\n\x01\tk4 \t= \x1f 4 \x02\r\n[b]\n\n\nk=last");
    EXPECT_EQ(ini.readString("a", "k1", "-"), "1");
    EXPECT_EQ(ini.readString("a", "k2", "-"), "2");
    EXPECT_EQ(ini.readString("a", "k3", "-"), "3");
    EXPECT_EQ(ini.readString("a", "k4", "-"), "4");
    EXPECT_EQ(ini.readString("b", "k", "-"), "last"); // no line end after the last line
}

TEST(MemIniFile, IgnoresCommentsBlankLinesAndLinesBeforeTheFirstSection) {
    const auto ini = MemIniFile::fromText("orphan=1\n; [hidden]\n[ s ]\n  ;k=comment\nk = v\n;x=y\n");
    EXPECT_EQ(ini.sectionNames(), std::vector<std::string>{"s"});
    EXPECT_EQ(ini.sectionKeys("s"), std::vector<std::string>{"k"});
    EXPECT_EQ(ini.readString("s", "k", "-"), "v");
    EXPECT_FALSE(ini.hasKey("s", ";k"));
}

TEST(MemIniFile, SplitsAtTheFirstEqualsSign) {
    const auto ini = MemIniFile::fromText("[s]\nurl = a=b = c\n=nokey\n");
    EXPECT_EQ(ini.readString("s", "url", ""), "a=b = c");
    EXPECT_EQ(ini.readString("s", "", "-"), "nokey");
}

// Lines are scanned eight bytes at a time: the "=" and the line end at every place within those eight,
// a line without "=" just before one with it, and each kind of line end.
TEST(MemIniFile, SplitsAtTheFirstEqualsSignWhereverTheLineFallsInTheText) {
    for (const std::string end : {"\n", "\r", "\r\n"})
        for (size_t pad = 0; pad < 8; ++pad)
            for (size_t keyLength = 1; keyLength <= 17; ++keyLength) {
                const std::string key(keyLength, 'k');
                const auto ini = MemIniFile::fromText("[s]" + end + std::string(pad, ' ') + "bare" + end +
                                                      key + "=v=w" + end + "x" + key + end + "y=1");
                SCOPED_TRACE(testing::Message()
                             << "pad " << pad << ", key " << keyLength << ", end " << int(end.back()));
                EXPECT_EQ(ini.readString("s", key, "-"), "v=w");
                EXPECT_EQ(ini.readString("s", "y", "-"), "1");
                EXPECT_EQ(ini.sectionKeys("s"), (std::vector<std::string>{key, "y"}));
            }
}

TEST(MemIniFile, FindsSectionsAndKeysRegardlessOfCaseIncludingNonAsciiLetters) {
    const auto ini =
        MemIniFile::fromText("[MainMenuBarItem]\nunenabledfontcolor=5\n[\xC3\xA9t\xC3\xA9]\nCl\xC3\xA9=x\n");
    EXPECT_EQ(ini.readInteger("mainmenubaritem", "unenabledfontColor", 0), 5);
    EXPECT_EQ(ini.readString("\xC3\x89T\xC3\x89", "CL\xC3\x89", "-"), "x"); // ÉTÉ / CLÉ
    EXPECT_TRUE(ini.sectionExists("MAINMENUBARITEM"));
}

TEST(MemIniFile, LastDuplicateSectionAndLastDuplicateKeyWin) {
    const auto ini = MemIniFile::fromText("[s]\nonlyfirst=1\nk=1\n[t]\nx=1\n[S]\nk=2\nK=3\n");
    EXPECT_EQ(ini.readString("s", "k", "-"), "3");
    EXPECT_EQ(ini.readString("s", "onlyfirst", "-"), "-");
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"t", "S"}));
    EXPECT_EQ(ini.sectionKeys("s"), std::vector<std::string>{"K"});
    // The stored name that record readers pass back is the last duplicate's, and reads through it
    // agree with reads by name, also after another section was looked up in between.
    const std::string* stored = ini.storedSectionName("S");
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(*stored, "S");
    EXPECT_EQ(ini.readString("t", "x", "-"), "1");
    EXPECT_EQ(ini.readString(*stored, "k", "-"), "3");
    EXPECT_EQ(ini.readString(*stored, "k", "-"), "3");
    EXPECT_EQ(ini.storedSectionName("missing"), nullptr);
}

TEST(MemIniFile, LinesWithoutEqualsCountForExistenceButNeverMatchAKey) {
    const auto ini = MemIniFile::fromText("[s]\nplain line\n[empty]\n[kv]\nk=\n");
    EXPECT_TRUE(ini.sectionExists("s"));
    EXPECT_FALSE(ini.hasKey("s", "plain line"));
    EXPECT_EQ(ini.readString("s", "plain line", "def"), "def");
    EXPECT_FALSE(ini.sectionExists("empty")); // present but holds no line
    EXPECT_FALSE(ini.sectionExists("missing"));
    EXPECT_EQ(ini.readString("kv", "k", "def"), ""); // an empty value is not a missing one
}

TEST(MemIniFile, ReadIntegerAcceptsDecimalAndHexadecimalAndFallsBackOnAnythingElse) {
    const auto ini =
        MemIniFile::fromText("[n]\n"
                             "a=42\nb=-17\nc=+8\nd=$ff\ne=0x1F\nf=0XA\ng=$FFFFFFFF\nh=2147483647\n"
                             "i=-2147483648\n"
                             "bad1=\nbad2=0x\nbad3=12abc\nbad4=2147483648\nbad5=$123456789\nbad6=1 2\n"
                             "bad7=-\nbad8=$\nbad9=0x-1\nbad10=99999999999999999999999\n");
    const std::pair<const char*, int32_t> good[] = {{"a", 42},  {"b", -17},        {"c", 8},
                                                    {"d", 255}, {"e", 31},         {"f", 10},
                                                    {"g", -1},  {"h", 2147483647}, {"i", INT32_MIN}};
    for (const auto& [key, value] : good)
        EXPECT_EQ(ini.readInteger("n", key, -99), value) << key;
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(ini.readInteger("n", "bad" + std::to_string(i), -99), -99) << i;
    EXPECT_EQ(ini.readInteger("n", "missing", 7), 7);
}

TEST(MemIniFile, WritingUpdatesTheVisibleLineOrAppendsAndErasingRemovesEveryDuplicate) {
    auto ini = MemIniFile::fromText("[s]\nk=1\n[other]\na=1\n[S]\nk=2\n");
    ini.writeString("s", "K", "new");
    EXPECT_EQ(ini.readString("s", "k", ""), "new");
    ini.writeInteger("s", "n", -5);
    EXPECT_EQ(ini.sectionKeys("s"), (std::vector<std::string>{"k", "n"}));

    ini.eraseSection("S");
    EXPECT_FALSE(ini.sectionExists("s"));
    EXPECT_EQ(ini.readString("s", "k", "gone"), "gone"); // the hidden first [s] must not reappear
    EXPECT_EQ(ini.readString("other", "a", ""), "1");

    ini.writeString("fresh", "x", "y");
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"other", "fresh"}));
}

// Keys written after loading join their section's loaded lines and keys, also in a loaded section
// that had no key at all, and only in the last of duplicate sections.
TEST(MemIniFile, WritesAfterLoadingJoinTheLoadedSection) {
    auto ini = MemIniFile::fromText("[s]\nk=old\n[plain]\njust text\n[S]\nk=1\nk=2\nlast=x\n");
    auto key = [](char letter, int i) { return std::string(1, letter).append(std::to_string(i)); };
    for (int i = 0; i < 20; ++i) {
        ini.writeInteger("plain", key('n', i), i);
        ini.writeInteger("s", key('n', i), -i);
    }
    ini.writeString("S", "K", "3");
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(ini.readInteger("plain", key('N', i), 99), i);
        EXPECT_EQ(ini.readInteger("s", key('N', i), 99), -i);
    }
    EXPECT_EQ(ini.readString("s", "k", ""), "3");
    EXPECT_EQ(ini.readString("s", "last", ""), "x");
    const auto lines = ini.lines();
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 8),
              (std::vector<std::string>{"[s]", "k=old", "", "[plain]", "just text", "n0=0", "n1=1", "n2=2"}));
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 26, lines.begin() + 32),
              (std::vector<std::string>{"[S]", "k=1", "k=3", "last=x", "n0=0", "n1=-1"}));
    EXPECT_EQ(MemIniFile::fromText(ini.text()).lines(), lines);
}

TEST(MemIniFile, TextOutputReadsBackToTheSameContents) {
    auto ini = MemIniFile::fromText("[a]\nk = v\nloose line\n[b]\nx=\n");
    ini.writeString("c", "u", "\xE5\xAE\x8B");
    EXPECT_EQ(ini.lines(), (std::vector<std::string>{"[a]", "k=v", "loose line", "", "[b]", "x=", "", "[c]",
                                                     "u=\xE5\xAE\x8B"}));
    const auto again = MemIniFile::fromText(ini.text());
    EXPECT_EQ(again.lines(), ini.lines());

    MemIniFile fromLines;
    fromLines.setLines(ini.lines());
    EXPECT_EQ(fromLines.lines(), ini.lines());
}

TEST(MemIniFile, DecodesUtf8WithOrWithoutBomAndEightBitTextOtherwise) {
    const auto withBom = MemIniFile::fromBytes(bytesOf("\xEF\xBB\xBF[s]\nname=\xE5\xAE\x8B\xE4\xBD\x93\n"));
    EXPECT_EQ(withBom.readString("s", "name", ""), "\xE5\xAE\x8B\xE4\xBD\x93");
    const auto plain = MemIniFile::fromBytes(bytesOf("[s]\nname=\xC3\xA9\n"));
    EXPECT_EQ(plain.readString("s", "name", ""), "\xC3\xA9");

    // Not UTF-8: taken in the 8-bit code page (Latin-1 here), so the text survives as characters.
    const auto eightBit = MemIniFile::fromBytes(bytesOf("[s]\nname=Caf\xE9\n"));
    const std::string name = eightBit.readString("s", "name", "");
#ifndef _WIN32
    EXPECT_EQ(name, "Caf\xC3\xA9");
#endif
    EXPECT_TRUE(name.starts_with("Caf"));
    EXPECT_GT(name.size(), 3u);

    EXPECT_TRUE(MemIniFile::fromBytes({}).sectionNames().empty());
}

// Loaded and written keys and values share one growing text: many writes later (the text moved many
// times), every loaded, written and overwritten value still reads back, and so does the text output.
TEST(MemIniFile, ValuesStayReadableAsWritesAccumulate) {
    auto ini = MemIniFile::fromText("[s]\nloaded=first value\n[t]\nk=v\n");
    for (int i = 0; i < 500; ++i)
        ini.writeString(i % 2 ? "s" : "u", "key" + std::to_string(i), std::string(40, char('a' + i % 26)));
    for (int i = 0; i < 500; i += 7)
        ini.writeInteger(i % 2 ? "s" : "u", "KEY" + std::to_string(i), i);
    ini.writeString("t", "k", "changed");
    EXPECT_EQ(ini.readString("s", "loaded", ""), "first value");
    EXPECT_EQ(ini.readString("t", "k", ""), "changed");
    for (int i = 0; i < 500; ++i) {
        const std::string section = i % 2 ? "s" : "u", key = "key" + std::to_string(i);
        if (i % 7 == 0)
            EXPECT_EQ(ini.readInteger(section, key, -1), i);
        else
            EXPECT_EQ(ini.readString(section, key, ""), std::string(40, char('a' + i % 26)));
    }
    const auto reread = MemIniFile::fromText(ini.text());
    EXPECT_EQ(reread.lines(), ini.lines());
    EXPECT_EQ(reread.sectionKeys("s").size(), 251u); // "loaded" and the odd keys
}
