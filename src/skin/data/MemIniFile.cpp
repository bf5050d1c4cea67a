#include "skin/data/MemIniFile.h"

#include "skin/data/SkinIni.h"
#include "skin/data/SkinIniText.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace skin {

namespace {

// Characters 0..32 are blanks for the ini format.
std::string_view trimmed(std::string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 32)
        ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32)
        --end;
    return text.substr(begin, end - begin);
}

// Where a line ends (its first CR or LF at or after i, or the text's end) and where its first "=" is
// (npos for none).
struct LineSpan {
    size_t end;
    size_t equals;
};

// Eight bytes at a time: a byte of w ^ (ones * c) is zero where the text has c. The lowest byte that
// zeroBytes flags is always a true one (false flags only come above it), and on a little-endian
// machine the lowest byte is the first in the text.
LineSpan scanLine(std::string_view text, size_t i) {
    constexpr uint64_t ones = 0x0101010101010101u, highBits = 0x8080808080808080u;
    auto zeroBytes = [](uint64_t x) { return (x - ones) & ~x & highBits; };
    size_t equals = std::string_view::npos;
    if constexpr (std::endian::native == std::endian::little) {
        for (; i + 8 <= text.size(); i += 8) {
            uint64_t w;
            std::memcpy(&w, text.data() + i, 8);
            const uint64_t ends = zeroBytes(w ^ (ones * '\r')) | zeroBytes(w ^ (ones * '\n'));
            if (equals == std::string_view::npos) {
                // Only an "=" before the line's end counts (with no end here, every one does).
                const uint64_t eq = zeroBytes(w ^ (ones * '=')) & ((ends & (~ends + 1)) - 1);
                if (eq)
                    equals = i + size_t(std::countr_zero(eq)) / 8;
            }
            if (ends)
                return {i + size_t(std::countr_zero(ends)) / 8, equals};
        }
    }
    for (; i < text.size() && text[i] != '\r' && text[i] != '\n'; ++i)
        if (text[i] == '=' && equals == std::string_view::npos)
            equals = i;
    return {i, equals};
}

// Calls f(line, equals) for each line of text cut at CR LF, LF or CR, with the position of the line's
// first "=" in it (npos for none).
template <typename F> void forEachLine(std::string_view text, F&& f) {
    // One call of scanLine and f, so that both are inlined into the loop.
    for (size_t start = 0; start < text.size();) {
        const LineSpan span = scanLine(text, start);
        f(text.substr(start, span.end - start),
          span.equals == std::string_view::npos ? span.equals : span.equals - start);
        const bool crlf = span.end + 1 < text.size() && text[span.end] == '\r' && text[span.end + 1] == '\n';
        start = span.end + (crlf ? 2 : 1);
    }
}

bool isSectionHeader(std::string_view line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

} // namespace

MemIniFile MemIniFile::fromBytes(const std::vector<uint8_t>& bytes) {
    MemIniFile ini;
    ini.loadFromBytes(bytes);
    return ini;
}

MemIniFile MemIniFile::fromOwnedBytes(std::string&& bytes) {
    MemIniFile ini;
    ini.loadOwnText(decodeSkinIniText(std::move(bytes)));
    return ini;
}

MemIniFile MemIniFile::fromText(std::string_view utf8) {
    MemIniFile ini;
    ini.loadFromText(utf8);
    return ini;
}

void MemIniFile::loadFromBytes(const std::vector<uint8_t>& bytes) {
    loadOwnText(decodeSkinIniText(bytes));
}

void MemIniFile::clear() {
    m_text.clear();
    m_sections.clear();
    m_lines.clear();
    m_sectionIndex.clear();
    m_sectionIndexValid = true;
    m_lastFound = NameIndex::npos;
}

void MemIniFile::loadFromText(std::string_view utf8) {
    loadOwnText(std::string(utf8));
}

void MemIniFile::loadOwnText(std::string&& text) {
    clear();
    m_text = std::move(text);
    const std::string_view utf8 = m_text;
    auto offset = [&](std::string_view piece) { return uint32_t(piece.data() - utf8.data()); };
    // Lines go straight into m_lines, each section holding its run of them; keys are indexed once all
    // are known, so that each section's table is sized once.
    m_lines.reserve(utf8.size() / 16);
    forEachLine(utf8, [&](std::string_view raw, size_t rawEquals) {
        const std::string_view line = trimmed(raw);
        if (line.empty() || line.front() == ';')
            return;
        if (isSectionHeader(line)) {
            appendSection(std::string(trimmed(line.substr(1, line.size() - 2))));
        } else if (!m_sections.empty()) { // lines before the first section belong to none
            Section& section = m_sections.back();
            // Blanks are trimmed, never an "=": the line holds its raw line's first one.
            const size_t eq = rawEquals == std::string_view::npos
                                  ? rawEquals
                                  : rawEquals - size_t(line.data() - raw.data());
            if (eq == std::string_view::npos) {
                m_lines.push_back(Line{offset(line), uint32_t(line.size()), 0, 0, 0, false});
            } else {
                const std::string_view key = trimmed(line.substr(0, eq)),
                                       value = trimmed(line.substr(eq + 1));
                m_lines.push_back(Line{offset(key), uint32_t(key.size()), offset(value),
                                       uint32_t(value.size()), NameIndex::hash(key), true});
                ++section.keyCount;
            }
            ++section.loadedLines;
        }
    });
    for (Section& section : m_sections) {
        section.slotCount = section.keyCount == 0 ? 0 : std::bit_ceil(2 * section.keyCount);
        section.slots.assign(section.slotCount, NameIndex::npos);
    }
    for (Section& section : m_sections)
        for (uint32_t i = section.firstLine; i < section.firstLine + section.loadedLines; ++i)
            if (m_lines[i].hasEquals)
                indexKey(section, i);
}

void MemIniFile::setLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    loadOwnText(std::move(text));
}

std::vector<std::string> MemIniFile::lines() const {
    std::vector<std::string> out;
    for (const Section& section : m_sections) {
        if (!out.empty())
            out.emplace_back();
        out.push_back("[" + section.name + "]");
        forEachLineOf(section, [&](uint32_t i) {
            const Line& line = m_lines[i];
            out.push_back(line.hasEquals ? std::string(keyOf(line)) + "=" + std::string(valueOf(line))
                                         : std::string(keyOf(line)));
        });
    }
    return out;
}

std::string MemIniFile::text() const {
    std::string out;
    for (const std::string& line : lines()) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::pair<uint32_t, uint32_t> MemIniFile::store(std::string_view text) {
    const auto at = uint32_t(m_text.size());
    m_text.append(text);
    return {at, uint32_t(text.size())};
}

uint32_t MemIniFile::findKey(const Section& section, std::string_view key) const {
    return section.keyCount == 0 ? NameIndex::npos : findKey(section, key, NameIndex::hash(key));
}

uint32_t MemIniFile::findKey(const Section& section, std::string_view key, uint32_t hash) const {
    if (section.keyCount == 0)
        return NameIndex::npos;
    const uint32_t* slots = section.slots.data();
    for (uint32_t i = hash & (section.slotCount - 1);; i = (i + 1) & (section.slotCount - 1)) {
        if (slots[i] == NameIndex::npos)
            return NameIndex::npos;
        const Line& line = m_lines[slots[i]];
        if (line.keyHash == hash && NameIndex::sameName(keyOf(line), key))
            return slots[i];
    }
}

void MemIniFile::indexKey(Section& section, uint32_t position) {
    const Line& added = m_lines[position];
    uint32_t* slots = section.slots.data();
    for (uint32_t i = added.keyHash & (section.slotCount - 1);; i = (i + 1) & (section.slotCount - 1)) {
        if (slots[i] == NameIndex::npos) {
            slots[i] = position;
            return;
        }
        const Line& line = m_lines[slots[i]];
        if (line.keyHash == added.keyHash && NameIndex::sameName(keyOf(line), keyOf(added))) {
            slots[i] = position;
            return;
        }
    }
}

void MemIniFile::growKeySlots(Section& section) {
    const std::vector<uint32_t> old = std::exchange(section.slots, {});
    section.slotCount = std::max<uint32_t>(8, 2 * section.slotCount);
    section.slots.assign(section.slotCount, NameIndex::npos);
    for (const uint32_t position : old) {
        if (position == NameIndex::npos)
            continue;
        uint32_t j = m_lines[position].keyHash & (section.slotCount - 1);
        while (section.slots[j] != NameIndex::npos)
            j = (j + 1) & (section.slotCount - 1);
        section.slots[j] = position;
    }
}

void MemIniFile::appendSection(std::string name) {
    m_lastFound = NameIndex::npos;
    if (m_sectionIndexValid)
        m_sectionIndex.insert(name, uint32_t(m_sections.size()),
                              [this](uint32_t i) { return std::string_view(m_sections[i].name); });
    m_sections.push_back(Section{std::move(name), uint32_t(m_lines.size()), 0, {}, {}, 0, 0});
}

void MemIniFile::rebuildSectionIndex() const {
    m_sectionIndex.clear();
    for (size_t i = 0; i < m_sections.size(); ++i)
        m_sectionIndex.insert(m_sections[i].name, uint32_t(i),
                              [this](uint32_t j) { return std::string_view(m_sections[j].name); });
    m_sectionIndexValid = true;
    m_lastFound = NameIndex::npos;
}

uint32_t MemIniFile::lookUpSection(std::string_view name) const {
    if (!m_sectionIndexValid)
        rebuildSectionIndex(); // forgets the last found section too
    const uint32_t i =
        m_sectionIndex.find(name, [this](uint32_t j) { return std::string_view(m_sections[j].name); });
    if (i != NameIndex::npos)
        m_lastFound = i;
    return i;
}

const MemIniFile::Section* MemIniFile::findSection(std::string_view name) const {
    const uint32_t i = findSectionIndex(name);
    return i == NameIndex::npos ? nullptr : &m_sections[i];
}

MemIniFile::Section* MemIniFile::findSection(std::string_view name) {
    return const_cast<Section*>(static_cast<const MemIniFile*>(this)->findSection(name));
}

const MemIniFile::Line* MemIniFile::findLine(std::string_view section, const IniKey& key) const {
    const Section* s = findSection(section);
    if (!s)
        return nullptr;
    const uint32_t i = findKey(*s, key.name(), key.hash());
    return i == NameIndex::npos ? nullptr : &m_lines[i];
}

std::string MemIniFile::readString(std::string_view section, const IniKey& key, std::string_view def) const {
    return std::string(readView(section, key, def));
}

std::string_view MemIniFile::readView(std::string_view section, const IniKey& key,
                                      std::string_view def) const {
    const Line* line = findLine(section, key);
    return line ? valueOf(*line) : def;
}

int32_t MemIniFile::readInteger(std::string_view section, const IniKey& key, int32_t def) const {
    const Line* line = findLine(section, key);
    if (!line)
        return def;
    std::string_view text = valueOf(*line);
    std::string hex;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        hex.assign(1, '$').append(text.substr(2));
        text = hex;
    }
    int32_t value = 0;
    return tryParseInteger(text, value) ? value : def;
}

bool MemIniFile::hasKey(std::string_view section, const IniKey& key) const {
    return findLine(section, key) != nullptr;
}

bool MemIniFile::sectionExists(std::string_view section) const {
    const Section* s = findSection(section);
    return s && s->lineCount() != 0;
}

void MemIniFile::eraseSection(std::string_view section) {
    const auto before = m_sections.size();
    std::erase_if(m_sections, [&](const Section& s) { return NameIndex::sameName(s.name, section); });
    if (m_sections.size() != before) {
        m_sectionIndexValid = false;
        m_lastFound = NameIndex::npos;
    }
}

void MemIniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    Section* s = findSection(section);
    if (!s) {
        appendSection(std::string(section));
        s = &m_sections.back();
    }
    const uint32_t i = findKey(*s, key);
    if (i != NameIndex::npos) {
        const auto [valueAt, valueSize] = store(value);
        m_lines[i].valueAt = valueAt;
        m_lines[i].valueSize = valueSize;
    } else {
        const auto [keyAt, keySize] = store(key);
        const auto [valueAt, valueSize] = store(value);
        const auto position = uint32_t(m_lines.size());
        m_lines.push_back(Line{keyAt, keySize, valueAt, valueSize, NameIndex::hash(key), true});
        s->addedLines.push_back(position);
        if (2 * (s->keyCount + 1) > s->slotCount)
            growKeySlots(*s);
        ++s->keyCount;
        indexKey(*s, position);
    }
}

void MemIniFile::writeInteger(std::string_view section, std::string_view key, int32_t value) {
    writeString(section, key, std::to_string(value));
}

const std::string* MemIniFile::storedSectionName(std::string_view section) const {
    const Section* s = findSection(section);
    return s ? &s->name : nullptr;
}

std::vector<std::string> MemIniFile::sectionNames() const {
    if (!m_sectionIndexValid)
        rebuildSectionIndex();
    std::vector<std::string> names;
    for (size_t i = 0; i < m_sections.size(); ++i)
        if (findSectionIndex(m_sections[i].name) == i)
            names.push_back(m_sections[i].name);
    return names;
}

std::vector<std::string> MemIniFile::sectionKeys(std::string_view section) const {
    std::vector<std::string> keys;
    const Section* s = findSection(section);
    if (!s)
        return keys;
    forEachLineOf(*s, [&](uint32_t i) {
        const Line& line = m_lines[i];
        if (line.hasEquals && findKey(*s, keyOf(line)) == i)
            keys.push_back(std::string(keyOf(line)));
    });
    return keys;
}

} // namespace skin
