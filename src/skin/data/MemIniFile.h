#pragma once
// The in-memory ini that skin text is parsed into. Sections and keys are found regardless of case
// (UTF-8 aware), the last of duplicate sections or keys wins, and lookups are hashed on the
// upper-cased names so that loading a skin stays linear in the size of its text.
#include "skin/data/IniKey.h"
#include "skin/data/NameIndex.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace skin {

class MemIniFile {
public:
    MemIniFile() = default;

    // Skin ini text as stored: UTF-8 (with or without BOM) when valid, else the system's 8-bit code
    // page (Latin-1 off Windows).
    static MemIniFile fromBytes(const std::vector<uint8_t>& bytes);
    // fromBytes, taking the bytes over: the text is parsed where it lies.
    static MemIniFile fromOwnedBytes(std::string&& bytes);
    static MemIniFile fromText(std::string_view utf8);

    void loadFromBytes(const std::vector<uint8_t>& bytes);
    void loadFromText(std::string_view utf8);
    // Replaces everything with the given lines (already cut at line ends).
    void setLines(const std::vector<std::string>& lines);
    void clear();

    // The contents as text lines: "[name]", then "key=value" (or a line kept as it was without "="),
    // sections separated by an empty line. text() joins them with CR LF.
    std::vector<std::string> lines() const;
    std::string text() const;

    // The value of the key in the last section of that name, or def when either is absent. A key
    // present with an empty value gives "".
    std::string readString(std::string_view section, const IniKey& key, std::string_view def) const;
    // readString without the copy, for readers that only parse the value: valid until the ini changes.
    std::string_view readView(std::string_view section, const IniKey& key, std::string_view def) const;
    // readString, then "0x"/"0X" treated as "$"; decimal or "$" hexadecimal; anything that does not
    // convert yields def.
    int32_t readInteger(std::string_view section, const IniKey& key, int32_t def) const;
    bool hasKey(std::string_view section, const IniKey& key) const;
    // True when the section exists and holds at least one line.
    bool sectionExists(std::string_view section) const;
    // Removes every section of that name (earlier duplicates were never visible, and must not
    // become visible).
    void eraseSection(std::string_view section);
    // Sets the key's line, or appends it, creating the section at the end when needed.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int32_t value);

    // The stored name of the section that lookups of this name find, or nullptr for none. Readers of
    // many keys of one section pass it back as the section: it is then recognised without comparing
    // names (until the ini changes).
    const std::string* storedSectionName(std::string_view section) const;

    // Names of the sections as found by lookups (the last of duplicates), in file order.
    std::vector<std::string> sectionNames() const;
    // Keys of the section's key lines as found by lookups (the last of duplicates), in line order.
    std::vector<std::string> sectionKeys(std::string_view section) const;

private:
    // Keys and values are pieces of m_text, kept as offsets so that the text may grow.
    struct Line {
        uint32_t keyAt = 0, keySize = 0; // the whole trimmed line when hasEquals is false
        uint32_t valueAt = 0, valueSize = 0;
        uint32_t keyHash = 0; // NameIndex::hash of the key
        bool hasEquals = false;
    };
    // A section's lines are the loaded ones, a run of m_lines, then those written since. Its keys are
    // hashed into a table of its own: small blocks fill the heap's holes, where one large block for
    // all keys, freed at the heap's top with the text, made the allocator hand memory back to the
    // system (and fault it in again) on every reload.
    struct Section {
        std::string name;
        uint32_t firstLine = 0, loadedLines = 0;
        std::vector<uint32_t> addedLines; // positions in m_lines
        // Open addressing, linear probing: positions in m_lines of each key's last line, npos for free
        // slots; a power of two in size, or empty.
        std::vector<uint32_t> slots;
        uint32_t slotCount = 0, keyCount = 0;
        size_t lineCount() const { return loadedLines + addedLines.size(); }
    };

    void loadOwnText(std::string&& text);
    std::string_view keyOf(const Line& line) const { return {m_text.data() + line.keyAt, line.keySize}; }
    std::string_view valueOf(const Line& line) const {
        return {m_text.data() + line.valueAt, line.valueSize};
    }
    // Calls f(position in m_lines) for each of the section's lines, in order.
    template <typename F> void forEachLineOf(const Section& section, F&& f) const {
        for (uint32_t i = section.firstLine; i < section.firstLine + section.loadedLines; ++i)
            f(i);
        for (const uint32_t i : section.addedLines)
            f(i);
    }
    // Appends text for a written key or value; the offset and size of the copy.
    std::pair<uint32_t, uint32_t> store(std::string_view text);
    const Section* findSection(std::string_view name) const;
    Section* findSection(std::string_view name);
    uint32_t findKey(const Section& section, std::string_view key) const;
    uint32_t findKey(const Section& section, std::string_view key, uint32_t hash) const;
    // Makes the line the one found for its key in the section, which must have a free slot for it.
    void indexKey(Section& section, uint32_t line);
    // Rehashes the section's keys into twice the slots.
    void growKeySlots(Section& section);
    const Line* findLine(std::string_view section, const IniKey& key) const;
    void appendSection(std::string name);
    void rebuildSectionIndex() const;
    uint32_t findSectionIndex(std::string_view name) const {
        // While a record reads its keys, the section the last lookup found is asked for again, often
        // through a view of its stored name (the same bytes: no comparison needed).
        if (m_lastFound != NameIndex::npos) {
            const std::string& last = m_sections[m_lastFound].name;
            if ((name.data() == last.data() && name.size() == last.size()) || NameIndex::sameName(last, name))
                return m_lastFound;
        }
        return lookUpSection(name);
    }
    uint32_t lookUpSection(std::string_view name) const;

    // The loaded text, then every key and value written since.
    std::string m_text;
    std::vector<Section> m_sections;
    // Every line of every section (also of erased ones).
    std::vector<Line> m_lines;
    // Name -> last section of that name; rebuilt lazily after a section is erased.
    mutable NameIndex m_sectionIndex;
    mutable bool m_sectionIndexValid = true;
    // The section the last lookup found: records read their keys one section at a time.
    mutable uint32_t m_lastFound = NameIndex::npos;
};

} // namespace skin
