#include "skin/data/MemIniFile.h"

#include "core/Utf8.h"
#include "skin/data/SkinIni.h"
#include "skin/data/SkinIniText.h"

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

// Lookup key of a name. Skin names are almost always ASCII, which takes the short way.
std::string upper(std::string_view name) {
    std::string out(name);
    for (char& c : out) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return core::utf8ToUpper(name);
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    }
    return out;
}

// Calls f for each line of text cut at CR LF, LF or CR.
template <typename F> void forEachLine(std::string_view text, F&& f) {
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n')
            continue;
        f(text.substr(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        f(text.substr(start));
}

} // namespace

MemIniFile MemIniFile::fromBytes(const std::vector<uint8_t>& bytes) {
    MemIniFile ini;
    ini.loadFromBytes(bytes);
    return ini;
}

MemIniFile MemIniFile::fromText(std::string_view utf8) {
    MemIniFile ini;
    ini.loadFromText(utf8);
    return ini;
}

void MemIniFile::loadFromBytes(const std::vector<uint8_t>& bytes) {
    loadFromText(decodeSkinIniText(bytes));
}

void MemIniFile::clear() {
    m_sections.clear();
    m_sectionIndex.clear();
    m_sectionIndexValid = true;
}

void MemIniFile::loadFromText(std::string_view utf8) {
    clear();
    Section* current = nullptr;
    forEachLine(utf8, [&](std::string_view raw) {
        const std::string_view line = trimmed(raw);
        if (line.empty() || line.front() == ';')
            return;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            appendSection(std::string(trimmed(line.substr(1, line.size() - 2))));
            current = &m_sections.back();
            return;
        }
        if (!current)
            return;
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            appendLine(*current, Line{std::string(line), {}, false});
        else
            appendLine(*current, Line{std::string(trimmed(line.substr(0, eq))),
                                      std::string(trimmed(line.substr(eq + 1))), true});
    });
}

void MemIniFile::setLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    loadFromText(text);
}

std::vector<std::string> MemIniFile::lines() const {
    std::vector<std::string> out;
    for (const Section& section : m_sections) {
        if (!out.empty())
            out.emplace_back();
        out.push_back("[" + section.name + "]");
        for (const Line& line : section.lines)
            out.push_back(line.hasEquals ? line.key + "=" + line.value : line.key);
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

void MemIniFile::appendSection(std::string name) {
    if (m_sectionIndexValid)
        m_sectionIndex[upper(name)] = m_sections.size();
    m_sections.push_back(Section{std::move(name), {}, {}});
}

void MemIniFile::appendLine(Section& section, Line line) {
    if (line.hasEquals)
        section.keyIndex[upper(line.key)] = section.lines.size();
    section.lines.push_back(std::move(line));
}

void MemIniFile::rebuildSectionIndex() const {
    m_sectionIndex.clear();
    for (size_t i = 0; i < m_sections.size(); ++i)
        m_sectionIndex[upper(m_sections[i].name)] = i;
    m_sectionIndexValid = true;
}

const MemIniFile::Section* MemIniFile::findSection(std::string_view name) const {
    if (!m_sectionIndexValid)
        rebuildSectionIndex();
    const auto it = m_sectionIndex.find(upper(name));
    return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

MemIniFile::Section* MemIniFile::findSection(std::string_view name) {
    return const_cast<Section*>(static_cast<const MemIniFile*>(this)->findSection(name));
}

const MemIniFile::Line* MemIniFile::findLine(std::string_view section, std::string_view key) const {
    const Section* s = findSection(section);
    if (!s)
        return nullptr;
    const auto it = s->keyIndex.find(upper(key));
    return it == s->keyIndex.end() ? nullptr : &s->lines[it->second];
}

std::string MemIniFile::readString(std::string_view section, std::string_view key,
                                   std::string_view def) const {
    const Line* line = findLine(section, key);
    return line ? line->value : std::string(def);
}

int32_t MemIniFile::readInteger(std::string_view section, std::string_view key, int32_t def) const {
    const Line* line = findLine(section, key);
    if (!line)
        return def;
    std::string text = line->value;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text.replace(0, 2, "$");
    int32_t value = 0;
    return tryParseInteger(text, value) ? value : def;
}

bool MemIniFile::hasKey(std::string_view section, std::string_view key) const {
    return findLine(section, key) != nullptr;
}

bool MemIniFile::sectionExists(std::string_view section) const {
    const Section* s = findSection(section);
    return s && !s->lines.empty();
}

void MemIniFile::eraseSection(std::string_view section) {
    const std::string name = upper(section);
    const auto before = m_sections.size();
    std::erase_if(m_sections, [&](const Section& s) { return upper(s.name) == name; });
    if (m_sections.size() != before)
        m_sectionIndexValid = false;
}

void MemIniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    Section* s = findSection(section);
    if (!s) {
        appendSection(std::string(section));
        s = &m_sections.back();
    }
    const auto it = s->keyIndex.find(upper(key));
    if (it != s->keyIndex.end())
        s->lines[it->second].value = std::string(value);
    else
        appendLine(*s, Line{std::string(key), std::string(value), true});
}

void MemIniFile::writeInteger(std::string_view section, std::string_view key, int32_t value) {
    writeString(section, key, std::to_string(value));
}

std::vector<std::string> MemIniFile::sectionNames() const {
    if (!m_sectionIndexValid)
        rebuildSectionIndex();
    std::vector<std::string> names;
    for (size_t i = 0; i < m_sections.size(); ++i) {
        const auto it = m_sectionIndex.find(upper(m_sections[i].name));
        if (it != m_sectionIndex.end() && it->second == i)
            names.push_back(m_sections[i].name);
    }
    return names;
}

std::vector<std::string> MemIniFile::sectionKeys(std::string_view section) const {
    std::vector<std::string> keys;
    const Section* s = findSection(section);
    if (!s)
        return keys;
    for (size_t i = 0; i < s->lines.size(); ++i) {
        const Line& line = s->lines[i];
        if (!line.hasEquals)
            continue;
        const auto it = s->keyIndex.find(upper(line.key));
        if (it != s->keyIndex.end() && it->second == i)
            keys.push_back(line.key);
    }
    return keys;
}

} // namespace skin
