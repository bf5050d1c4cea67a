// The skin author's guide (docs/skin-authors.md) against the library: every key its tables list is
// one the library reads, with the default the library gives a missing key, and every key the
// library reads is listed.
//
// What the library reads comes from the library itself, not from a list kept here:
// - a record (object and control kinds, [POPUPWINDOW], [HINTWINDOW]) reads and writes its keys through
//   one shared list, so a record read from an empty section and written back shows exactly the keys
//   it reads, each with the value a missing key reads as;
// - the store's own sections ([VERSION], [PICTURES], [FORMINFO], the two record lists) are probed by
//   loading skins: a listed key is read when giving it a value changes the loaded store, and its
//   default is right when writing the default changes nothing. The other direction holds when the
//   listed keys together change every field the store fills from those sections.
#include "core/Stream.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/DataSkinWindows.h"
#include "skin/data/MemIniFile.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/SkinRecordFactory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct GuideKey {
    std::string key; // lower case
    std::string type;
    std::string defaultText; // "" for "(empty)"
};

// One key table of the guide: a marker line "<!-- keys: NAME; includes: A, B -->" followed by an
// optional table whose rows start with a backticked key.
struct KeyGroup {
    std::vector<GuideKey> keys;
    std::vector<std::string> includes;
};

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

std::string trim(const std::string& s) {
    const size_t b = s.find_first_not_of(" \t\r");
    const size_t e = s.find_last_not_of(" \t\r");
    return b == std::string::npos ? "" : s.substr(b, e - b + 1);
}

std::vector<std::string> split(const std::string& s, char sep) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(s);
    while (std::getline(in, part, sep))
        parts.push_back(trim(part));
    return parts;
}

// The first `code` span of a table cell, or the whole cell.
std::string firstCode(const std::string& cell) {
    const size_t a = cell.find('`');
    const size_t b = a == std::string::npos ? a : cell.find('`', a + 1);
    return b == std::string::npos ? cell : cell.substr(a + 1, b - a - 1);
}

std::map<std::string, KeyGroup> parseGuide(const std::string& path) {
    std::ifstream file(path);
    EXPECT_TRUE(file) << "cannot read " << path;
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(trim(line));

    std::map<std::string, KeyGroup> groups;
    const std::string open = "<!-- keys:", close = "-->";
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.rfind(open, 0) != 0)
            continue;
        std::string body = trim(line.substr(open.size(), line.size() - open.size() - close.size()));
        KeyGroup group;
        const size_t inc = body.find("; includes:");
        if (inc != std::string::npos) {
            group.includes = split(body.substr(inc + 11), ',');
            body = trim(body.substr(0, inc));
        }
        EXPECT_FALSE(groups.count(body)) << "key table \"" << body << "\" given twice";
        // The table starts on the next line; its first two rows are the header and the rule.
        size_t row = i + 1;
        if (row < lines.size() && lines[row].rfind("|", 0) == 0) {
            EXPECT_EQ(lines[row], "| Key | Type | Default | Meaning |") << "table of " << body;
            for (row += 2; row < lines.size() && lines[row].rfind("|", 0) == 0; ++row) {
                const std::vector<std::string> cells = split(lines[row].substr(1), '|');
                if (cells.size() < 3) {
                    ADD_FAILURE() << "short row in table of " << body << ": " << lines[row];
                    continue;
                }
                const std::string def = cells[2] == "(empty)" ? "" : firstCode(cells[2]);
                group.keys.push_back({lower(firstCode(cells[0])), cells[1], def});
            }
        }
        groups[body] = group;
    }
    return groups;
}

const std::map<std::string, KeyGroup>& guide() {
    static const std::map<std::string, KeyGroup> groups =
        parseGuide(std::string(VELMORA_SOURCE_DIR) + "/docs/skin-authors.md");
    return groups;
}

// Every key of a table and of the tables it includes, by key.
std::map<std::string, GuideKey> documentedKeys(const std::string& name, int depth = 0) {
    std::map<std::string, GuideKey> keys;
    const auto it = guide().find(name);
    if (it == guide().end() || depth > 8) {
        ADD_FAILURE() << "the guide has no key table \"" << name << "\"";
        return keys;
    }
    for (const std::string& inc : it->second.includes)
        for (auto& [key, k] : documentedKeys(inc, depth + 1))
            keys[key] = k;
    for (const GuideKey& k : it->second.keys) {
        EXPECT_FALSE(keys.count(k.key)) << "\"" << k.key << "\" listed twice for " << name;
        keys[k.key] = k;
    }
    return keys;
}

// The keys a record reads, each with what a missing key reads as: read from nothing, written back.
template <class Record>
std::map<std::string, std::string> keysRead(Record& record, const std::string& section) {
    record.readFromIni(skin::MemIniFile());
    skin::MemIniFile out;
    record.writeToIni(out);
    std::map<std::string, std::string> keys;
    for (const std::string& key : out.sectionKeys(section))
        keys[lower(key)] = out.readString(section, key, "");
    return keys;
}

void expectSameKeys(const std::string& what, const std::map<std::string, GuideKey>& documented,
                    const std::map<std::string, std::string>& read) {
    for (const auto& [key, k] : documented) {
        const auto it = read.find(key);
        if (it == read.end()) {
            ADD_FAILURE() << what << ": the guide lists \"" << key << "\", which the library does not read";
            continue;
        }
        EXPECT_EQ(k.defaultText, it->second) << what << ": default of \"" << key << "\"";
    }
    for (const auto& [key, def] : read)
        EXPECT_TRUE(documented.count(key)) << what << ": the library reads \"" << key << "\" (missing: \""
                                           << def << "\"), the guide does not list it";
}

TEST(SkinAuthorsGuide, ListsEveryKeyOfEveryRecordKindWithItsDefault) {
    for (std::string_view kind : skin::skinObjectKinds()) {
        auto record = skin::createSkinObjectRecord(kind, "probe");
        expectSameKeys("object kind " + std::string(kind), documentedKeys("object " + std::string(kind)),
                       keysRead(*record, "probe"));
    }
    for (std::string_view kind : skin::skinControlKinds()) {
        auto record = skin::createSkinControlRecord(kind, "probe");
        expectSameKeys("control kind " + std::string(kind), documentedKeys("control " + std::string(kind)),
                       keysRead(*record, "probe"));
    }
    skin::DataSkinPopupWindow popup;
    expectSameKeys("[POPUPWINDOW]", documentedKeys("[POPUPWINDOW]"), keysRead(popup, "POPUPWINDOW"));
    skin::DataSkinHintWindow hint;
    expectSameKeys("[HINTWINDOW]", documentedKeys("[HINTWINDOW]"), keysRead(hint, "HINTWINDOW"));
}

TEST(SkinAuthorsGuide, DocumentsOnlyKindsTheLibraryKnows) {
    std::set<std::string> known;
    for (std::string_view kind : skin::skinObjectKinds())
        known.insert("object " + std::string(kind));
    for (std::string_view kind : skin::skinControlKinds())
        known.insert("control " + std::string(kind));
    for (const auto& entry : guide()) {
        const std::string& name = entry.first;
        if (name.rfind("object ", 0) == 0 || name.rfind("control ", 0) == 0) {
            EXPECT_TRUE(known.count(name))
                << "the guide documents \"" << name << "\", which is no record kind";
        }
    }
}

// --- The store's own sections -------------------------------------------------------------------------

const char* const storeSections[] = {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"};

// Lines each probe skin holds, so that every key has something to act on: a client rect for the
// corner points to stay inside, and one list entry and its count (each key is probed by leaving it
// out, so the count is tested against a present entry and the entry against a present count).
const std::map<std::string, std::map<std::string, std::string>> probeBase = {
    {"FORMINFO", {{"clientrect", "0,0,1000,1000"}}},
    {"PICTURES", {{"activepicturescount", "1"}, {"0", "a.bmp"}}},
    {"SKINOBJECTS", {{"count", "1"}, {"0", "probe:caption"}}},
    {"SKINCONTROLS", {{"count", "1"}, {"0", "probe:panel"}}},
};

// A value unlike the default for a key of the given type.
std::string probeValue(const std::string& type) {
    static const std::map<std::string, std::string> values = {
        {"integer", "7"},        {"picture index", "3"}, {"flag", "1"},  {"point", "5,6"},
        {"rect", "1,2,300,400"}, {"text", "probe"},      {"count", "1"}, {"inactive effect", "ieinvert"},
    };
    const auto it = values.find(type);
    EXPECT_NE(it, values.end()) << "no probe value for the type \"" << type << "\"";
    return it == values.end() ? "" : it->second;
}

using Sections = std::map<std::string, std::map<std::string, std::string>>;

struct StoreState {
    skin::SkinFormInfo formInfo;
    skin::SkinVersionInfo versionInfo;
    skin::SkinPictureNames pictureNames;
    size_t objects = 0;
    size_t controls = 0;
    friend bool operator==(const StoreState&, const StoreState&) = default;
};

StoreState load(const Sections& sections) {
    std::string text;
    for (const char* name : storeSections) {
        text += std::string("[") + name + "]\r\n";
        const auto it = sections.find(name);
        if (it == sections.end())
            continue;
        for (const auto& [key, value] : it->second)
            text += key + "=" + value + "\r\n";
    }
    skin::SkinPackage package;
    package.iniText.assign(text.begin(), text.end());
    skin::CompressedStoredSkin stored;
    stored.setPackageBytes(package.compress());
    skin::SkinData store;
    store.loadFromPackage(stored);
    EXPECT_FALSE(store.isSkinEmpty());
    return {store.formInfo(), store.versionInfo(), store.pictureNames(), store.skinObjectList().size(),
            store.skinControlList().size()};
}

// "<n>" stands for the numbered entries; the probes use entry 0.
std::string iniKey(const std::string& documented) {
    return documented == "<n>" ? "0" : documented;
}

TEST(SkinAuthorsGuide, StoreSectionKeysAreReadWithTheirDefaults) {
    for (const char* name : storeSections) {
        const std::string section = name;
        const auto base =
            probeBase.count(section) ? probeBase.at(section) : std::map<std::string, std::string>{};
        for (const auto& [documented, k] : documentedKeys("[" + section + "]")) {
            const std::string key = iniKey(documented);
            Sections missing{{section, base}};
            missing[section].erase(key);
            Sections given = missing, byDefault = missing;
            given[section][key] = base.count(key) ? base.at(key) : probeValue(k.type);
            byDefault[section][key] = k.defaultText;
            const StoreState without = load(missing);
            EXPECT_NE(load(given), without) << "[" << section << "] " << documented << " is not read";
            EXPECT_EQ(load(byDefault), without) << "[" << section << "] " << documented << ": the default \""
                                                << k.defaultText << "\" is not what a missing key reads as";
        }
    }
}

// How many fields of two values differ. Written out per type so that a field added to the store's
// state stops this from compiling until the guide's check covers it.
template <class... T> size_t differing(const std::tuple<T...>& a, const std::tuple<T...>& b) {
    return std::apply(
        [&](const auto&... x) {
            return std::apply([&](const auto&... y) { return (size_t(!(x == y)) + ... + 0); }, b);
        },
        a);
}

auto fields(const skin::SkinFormInfo& f) {
    const auto& [a0, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19,
                 a20, a21, a22, a23] = f;
    return std::tie(a0, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19,
                    a20, a21, a22, a23);
}

auto fields(const skin::SkinVersionInfo& v) {
    const auto& [a0, a1, a2, a3, a4] = v;
    return std::tie(a0, a1, a2, a3, a4);
}

auto fields(const skin::SkinPictureNames& p) {
    const auto& [a0, a1, a2, a3] = p;
    return std::tie(a0, a1, a2, a3);
}

TEST(SkinAuthorsGuide, StoreSectionKeysCoverEveryFieldTheStoreReads) {
    Sections all;
    for (const char* name : storeSections) {
        const std::string section = name;
        all[section] =
            probeBase.count(section) ? probeBase.at(section) : std::map<std::string, std::string>{};
        for (const auto& [documented, k] : documentedKeys("[" + section + "]"))
            if (!all[section].count(iniKey(documented)))
                all[section][iniKey(documented)] = probeValue(k.type);
    }
    const StoreState empty = load({});
    const StoreState full = load(all);
    const char* unlisted = "fields the store fills from this section that no key of the guide sets";
    EXPECT_EQ(differing(fields(full.formInfo), fields(empty.formInfo)), 24u) << "[FORMINFO]: " << unlisted;
    EXPECT_EQ(differing(fields(full.versionInfo), fields(empty.versionInfo)), 5u)
        << "[VERSION]: " << unlisted;
    EXPECT_EQ(differing(fields(full.pictureNames), fields(empty.pictureNames)), 4u)
        << "[PICTURES]: " << unlisted;
    EXPECT_EQ(full.objects, 1u);
    EXPECT_EQ(full.controls, 1u);
}

} // namespace

namespace {

std::string readText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file) << "cannot read " << path;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The fenced blocks of a markdown text, each with its language.
std::vector<std::pair<std::string, std::string>> codeBlocks(const std::string& markdown) {
    std::vector<std::pair<std::string, std::string>> blocks;
    std::istringstream in(markdown);
    std::string line, language, body;
    bool inside = false;
    while (std::getline(in, line)) {
        if (line.rfind("```", 0) == 0) {
            if (inside)
                blocks.emplace_back(language, body);
            else
                language = line.substr(3), body.clear();
            inside = !inside;
        } else if (inside) {
            body += line + "\n";
        }
    }
    EXPECT_FALSE(inside) << "a code block is not closed";
    return blocks;
}

// The programmer's guide quotes its code from the example program the Windows presets build and run,
// so that what it shows compiles and works with the library as it is.
TEST(ProgrammersGuide, QuotesItsCodeFromTheBuiltExample) {
    const std::string dir = std::string(VELMORA_SOURCE_DIR) + "/docs/";
    const std::string program = readText(dir + "examples/SkinnedWindow.cpp");
    const std::string layout = readText(dir + "examples/SkinnedWindow.layout");
    int quoted = 0;
    for (const auto& [language, body] : codeBlocks(readText(dir + "programmers.md"))) {
        if (language == "cpp") {
            EXPECT_NE(program.find(body), std::string::npos) << "not in SkinnedWindow.cpp:\n" << body;
            ++quoted;
        } else if (body.rfind("object ", 0) == 0) {
            EXPECT_NE(layout.find(body), std::string::npos) << "not in SkinnedWindow.layout:\n" << body;
            ++quoted;
        }
    }
    EXPECT_GE(quoted, 8);
}

// The skin author's guide's first skin, with the Velmora bitmaps it names, packs and loads.
TEST(SkinAuthorsGuide, FirstSkinPacksAndLoads) {
    namespace fs = std::filesystem;
    const std::string guideText = readText(std::string(VELMORA_SOURCE_DIR) + "/docs/skin-authors.md");
    std::string ini;
    for (const auto& [language, body] : codeBlocks(guideText))
        if (language == "ini" && ini.empty())
            ini = body;
    ASSERT_FALSE(ini.empty()) << "the guide has no ini block";

    const fs::path dir = fs::path(testing::TempDir()) / "velmora-guide-first-skin";
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const char* bitmap : {"main.bmp", "mask.bmp", "active.bmp"})
        fs::copy_file(fs::path(VELMORA_SOURCE_DIR) / "skins" / "velmora" / bitmap, dir / bitmap);
    std::ofstream(dir / "skin.ini", std::ios::binary) << ini;

    skin::CompressedStoredSkin package;
    package.buildFromSkinIni((dir / "skin.ini").string());
    ASSERT_FALSE(package.isPackageEmpty()) << "not a skin ini";
    skin::SkinData store;
    store.loadFromPackage(package);
    EXPECT_FALSE(store.isSkinEmpty());
    EXPECT_GE(store.findSkinObject("caption"), 0);
    EXPECT_GE(store.findSkinObject("closebutton"), 0);
    EXPECT_EQ(store.activePictureList().size(), 1u);
    fs::remove_all(dir);
}

} // namespace
