#include "skin/data/SkinIni.h"

#include "core/Error.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

namespace skin {

namespace {

constexpr std::array<std::string_view, 7> morphKindNames = {
    "mkdefault", "mkgradient", "mkleftgradient", "mkrightgradient", "mkleftslide", "mkrightslide", "mkpush"};
constexpr std::array<std::string_view, 6> inActiveEffectNames = {"iebrightness", "iedarkness",  "iegrayscale",
                                                                 "ienoise",      "iesplitblur", "ieinvert"};
constexpr std::array<std::string_view, 7> windowCommandNames = {
    "cmclose", "cmmaximize", "cmminimize", "cmsysmenu", "cmdefault", "cmrollup", "cmminimizetotray"};

// Index of text in names, or -1.
template <size_t N> int indexOf(const std::array<std::string_view, N>& names, std::string_view text) {
    for (size_t i = 0; i < N; ++i)
        if (names[i] == text)
            return int(i);
    return -1;
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The digits of each comma-separated field; fields past count are dropped.
template <size_t Count> std::array<std::string, Count> splitDigitFields(std::string_view text) {
    std::array<std::string, Count> fields;
    size_t field = 0;
    for (const char c : text) {
        if (c == ',') {
            ++field;
            if (field >= Count)
                break;
        } else if (isDigit(c)) {
            fields[field] += c;
        }
    }
    return fields;
}

// The number of each comma-separated field's digits; false when a needed field has no digit or more
// than an int32 holds, which the strict conversion of splitDigitFields then reports.
template <size_t Count> bool tryDigitFields(std::string_view text, std::array<int32_t, Count>& values) {
    constexpr int64_t tooLarge = int64_t(std::numeric_limits<int32_t>::max()) + 1;
    std::array<int64_t, Count> numbers{};
    std::array<bool, Count> seen{};
    size_t field = 0;
    for (const char c : text) {
        if (c == ',') {
            if (++field >= Count)
                break;
        } else if (isDigit(c)) {
            seen[field] = true;
            numbers[field] = std::min(numbers[field] * 10 + (c - '0'), tooLarge);
        }
    }
    for (size_t i = 0; i < Count; ++i) {
        if (!seen[i] || numbers[i] >= tooLarge)
            return false;
        values[i] = int32_t(numbers[i]);
    }
    return true;
}

} // namespace

std::string_view morphKindName(MorphKind kind) {
    const auto i = size_t(kind);
    return i < morphKindNames.size() ? morphKindNames[i] : morphKindNames[0];
}

std::string_view inActiveEffectName(InActiveEffect effect) {
    const auto i = size_t(effect);
    return i < inActiveEffectNames.size() ? inActiveEffectNames[i] : inActiveEffectNames[0];
}

std::string_view windowCommandName(WindowCommand command) {
    const auto i = size_t(command);
    return i < windowCommandNames.size() ? windowCommandNames[i] : windowCommandNames[6];
}

bool tryParseInteger(std::string_view text, int32_t& value) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!text.empty() && text.front() == '$') {
        // Hexadecimal covers the whole 32 bits, as colours are written ($FFFFFFFF is -1).
        text.remove_prefix(1);
        if (text.empty())
            return false;
        // Leading zeros do not count towards the eight digits: "$0000000FF" is 255.
        while (text.size() > 8 && text.front() == '0')
            text.remove_prefix(1);
        if (text.size() > 8)
            return false;
        uint32_t bits = 0;
        for (const char c : text) {
            if (!isHexDigit(c))
                return false;
            bits = bits * 16 + uint32_t(isDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10);
        }
        value = int32_t(negative ? 0u - bits : bits);
        return true;
    }
    if (text.empty())
        return false;
    int64_t magnitude = 0;
    for (const char c : text) {
        if (!isDigit(c))
            return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > int64_t(std::numeric_limits<int32_t>::max()) + 1)
            return false;
    }
    const int64_t result = negative ? -magnitude : magnitude;
    if (result > std::numeric_limits<int32_t>::max())
        return false;
    value = int32_t(result);
    return true;
}

int32_t parseInteger(std::string_view text) {
    int32_t value = 0;
    if (!tryParseInteger(text, value))
        throw core::ConvertError("'" + std::string(text) + "' is not a valid integer value");
    return value;
}

core::Rect parseRect(std::string_view text) {
    if (std::array<int32_t, 4> v; tryDigitFields(text, v))
        return {v[0], v[1], v[2], v[3]};
    const auto fields = splitDigitFields<4>(text);
    return {parseInteger(fields[0]), parseInteger(fields[1]), parseInteger(fields[2]),
            parseInteger(fields[3])};
}

core::Point parsePoint(std::string_view text) {
    if (std::array<int32_t, 2> v; tryDigitFields(text, v))
        return {v[0], v[1]};
    const auto fields = splitDigitFields<2>(text);
    return {parseInteger(fields[0]), parseInteger(fields[1])};
}

core::Rect readRect(const MemIniFile& ini, std::string_view section, const IniKey& key) {
    return parseRect(ini.readView(section, key, "0,0,0,0"));
}

core::Point readPoint(const MemIniFile& ini, std::string_view section, const IniKey& key) {
    return parsePoint(ini.readView(section, key, "0,0"));
}

bool readFlag(const MemIniFile& ini, std::string_view section, const IniKey& key) {
    return ini.readInteger(section, key, 0) == 1;
}

FontStyles readFontStyles(const MemIniFile& ini, std::string_view section, const IniKey& key) {
    const std::string_view text = ini.readView(section, key, "");
    FontStyles styles;
    if (text.find("fsbold") != std::string_view::npos)
        styles.include(FontStyle::fsBold);
    if (text.find("fsitalic") != std::string_view::npos)
        styles.include(FontStyle::fsItalic);
    if (text.find("fsunderline") != std::string_view::npos)
        styles.include(FontStyle::fsUnderline);
    if (text.find("fsstrikeout") != std::string_view::npos)
        styles.include(FontStyle::fsStrikeOut);
    return styles;
}

Alignment readAlignment(const MemIniFile& ini, std::string_view section, const IniKey& key) {
    const std::string_view text = ini.readView(section, key, "tacenter");
    if (text == "tacenter")
        return Alignment::taCenter;
    if (text == "taleftjustify")
        return Alignment::taLeftJustify;
    return Alignment::taRightJustify;
}

MorphKind readMorphKind(const MemIniFile& ini, std::string_view section, const IniKey& key) {
    const int i = indexOf(morphKindNames, ini.readView(section, key, "mkdefault"));
    return i < 0 ? MorphKind::mkDefault : MorphKind(i);
}

InActiveEffect readInActiveEffect(const MemIniFile& ini, std::string_view section, const IniKey& key) {
    const int i = indexOf(inActiveEffectNames, ini.readView(section, key, "iebrightness"));
    return i < 0 ? InActiveEffect::ieGrayScale : InActiveEffect(i);
}

WindowCommand readCommand(const MemIniFile& ini, std::string_view section, const IniKey& key) {
    const int i = indexOf(windowCommandNames, ini.readView(section, key, "cmdefault"));
    // "cmminimizetotray" is not matched by name: it and every unknown text give the last value.
    return i < 0 || i > int(WindowCommand::cmRollUp) ? WindowCommand::cmMinimizeToTray : WindowCommand(i);
}

void readStringList(const MemIniFile& ini, std::string_view section, std::string_view listName,
                    std::vector<std::string>& list) {
    // A damaged count must not exhaust memory or time; no skin comes near this many entries.
    const int32_t count =
        std::min(ini.readInteger(section, std::string(listName) + "count", 0), maxStringListCount);
    for (int32_t i = 0; i < count; ++i)
        list.push_back(ini.readString(section, std::to_string(i), ""));
}

bool isSkinIni(const MemIniFile& ini) {
    for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"})
        if (!ini.sectionExists(section))
            return false;
    return true;
}

void writeRect(MemIniFile& ini, std::string_view section, std::string_view key, const core::Rect& value) {
    ini.writeString(section, key,
                    std::to_string(value.left) + "," + std::to_string(value.top) + "," +
                        std::to_string(value.right) + "," + std::to_string(value.bottom));
}

void writePoint(MemIniFile& ini, std::string_view section, std::string_view key, const core::Point& value) {
    ini.writeString(section, key, std::to_string(value.x) + "," + std::to_string(value.y));
}

void writeFlag(MemIniFile& ini, std::string_view section, std::string_view key, bool value) {
    ini.writeInteger(section, key, value ? 1 : 0);
}

void writeFontStyles(MemIniFile& ini, std::string_view section, std::string_view key, FontStyles value) {
    std::string text;
    const auto add = [&](FontStyle style, const char* name) {
        if (!value.contains(style))
            return;
        if (!text.empty())
            text += ',';
        text += name;
    };
    add(FontStyle::fsBold, "fsbold");
    add(FontStyle::fsItalic, "fsitalic");
    add(FontStyle::fsUnderline, "fsunderline");
    add(FontStyle::fsStrikeOut, "fsstrikeout");
    ini.writeString(section, key, text);
}

void writeAlignment(MemIniFile& ini, std::string_view section, std::string_view key, Alignment value) {
    const char* name = value == Alignment::taCenter         ? "tacenter"
                       : value == Alignment::taRightJustify ? "tarightjustify"
                                                            : "taleftjustify";
    ini.writeString(section, key, name);
}

void writeMorphKind(MemIniFile& ini, std::string_view section, std::string_view key, MorphKind value) {
    ini.writeString(section, key, morphKindName(value));
}

void writeInActiveEffect(MemIniFile& ini, std::string_view section, std::string_view key,
                         InActiveEffect value) {
    ini.writeString(section, key, inActiveEffectName(value));
}

void writeCommand(MemIniFile& ini, std::string_view section, std::string_view key, WindowCommand value) {
    ini.writeString(section, key, windowCommandName(value));
}

void writeStringList(MemIniFile& ini, std::string_view section, std::string_view listName,
                     const std::vector<std::string>& list) {
    ini.writeInteger(section, std::string(listName) + "count", int32_t(list.size()));
    for (size_t i = 0; i < list.size(); ++i)
        ini.writeString(section, std::to_string(i), list[i]);
}

} // namespace skin
