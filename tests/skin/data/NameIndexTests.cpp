#include "skin/data/IniKey.h"
#include "skin/data/MemIniFile.h"
#include "skin/data/NameIndex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using skin::NameIndex;

// Names are read eight bytes at a time: lengths around a word's edges, a difference in the last
// byte, and the ASCII neighbours of the letters (@ [ ` {, which differ from letters by the case bit).
TEST(NameIndex, ComparesNamesAsUpperCasedAtEveryLength) {
    struct Case {
        std::string a, b;
        bool same;
    } cases[] = {
        {"", "", true},
        {"k", "K", true},
        {"skinrec", "SKINREC", true},
        {"skinrect", "SkinRect", true},
        {"skinrect1", "SKINRECT1", true},
        {"activeskinrect16", "ACTIVESKINRECT16", true},
        {"activeskinrect16x", "ACTIVESKINRECT16X", true},
        {"activeskinrect16x", "ACTIVESKINRECT16Y", false},
        {"skinrect", "skinrec", false},
        {"a`", "A@", false},
        {"z{", "Z[", false},
        {"\xC3\xA9t\xC3\xA9", "\xC3\x89T\xC3\x89", true}, // été / ÉTÉ
        {"\xC3\xA9", "e", false},
        // Words of the same bytes are passed over, whatever follows them.
        {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9xyz", "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9XYZ", true},
        {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9xyz", "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9xyw", false},
        {"activeskinrect16\xC3\xA9", "ACTIVESKINRECT16\xC3\x89", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NameIndex::sameName(c.a, c.b), c.same) << c.a << " / " << c.b;
        if (c.same) {
            EXPECT_EQ(NameIndex::hash(c.a), NameIndex::hash(c.b)) << c.a;
        }
    }
}

// Through several doublings of the table, every name still finds its last position, and names never
// inserted find nothing.
TEST(NameIndex, FindsTheLastPositionOfEveryNameAsTheTableGrows) {
    std::vector<std::string> names;
    NameIndex index;
    auto nameOf = [&](uint32_t i) { return std::string_view(names[i]); };
    for (int i = 0; i < 300; ++i) {
        names.push_back("key" + std::to_string(i));
        index.insert(names.back(), uint32_t(names.size() - 1), nameOf);
    }
    for (int i = 0; i < 300; i += 3) { // a later duplicate, in other case, replaces the first
        names.push_back("KEY" + std::to_string(i));
        index.insert(names.back(), uint32_t(names.size() - 1), nameOf);
    }
    for (int i = 0; i < 300; ++i)
        EXPECT_EQ(index.find("Key" + std::to_string(i), nameOf), i % 3 ? uint32_t(i) : uint32_t(300 + i / 3));
    EXPECT_EQ(index.find("key300", nameOf), NameIndex::npos);
    EXPECT_EQ(index.find("", nameOf), NameIndex::npos);
    index.clear();
    EXPECT_EQ(index.find("key1", nameOf), NameIndex::npos);
}

// Record readers look keys up with hashes worked out at compile time: they must equal the run-time
// hash of the same name at every length around a word's edges, and names beyond ASCII (hashed when
// looked up) must still find their keys.
TEST(NameIndex, LiteralKeysHashAsTheirNamesDo) {
    const skin::IniKey literals[] = {"",
                                     "k",
                                     "Left",
                                     "skinrec",
                                     "skinrect",
                                     "skinrect1",
                                     "ACTIVEskinrect16",
                                     "activeskinrect16x",
                                     "a`z{@[",
                                     "\xC3\xA9t\xC3\xA9"};
    for (const skin::IniKey& key : literals)
        EXPECT_EQ(key.hash(), NameIndex::hash(key.name())) << key.name();
    const std::string runTime = "activeskinrect16x";
    EXPECT_EQ(skin::IniKey(runTime).hash(), NameIndex::hash("ACTIVESKINRECT16X"));

    const auto ini = skin::MemIniFile::fromText("[s]\nSkinRect16=1\n\xC3\x89T\xC3\x89=2\n");
    EXPECT_EQ(ini.readInteger("S", "skinrect16", 0), 1);
    EXPECT_EQ(ini.readInteger("S", "\xC3\xA9t\xC3\xA9", 0), 2);
}
