#pragma once
// Typed readers and writers of skin ini values, and the value types they produce. Readers never fail
// on a missing key (each has a fixed default); only a rect or point without digits in a needed field
// throws core::ConvertError ("'%s' is not a valid integer value").
#include "core/Color.h"
#include "core/Geometry.h"
#include "skin/data/MemIniFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

enum class FontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// A set of FontStyle bits.
class FontStyles {
public:
    constexpr FontStyles() = default;
    constexpr FontStyles(FontStyle style) : m_bits(uint8_t(style)) {}
    static constexpr FontStyles fromBits(uint8_t bits) { return FontStyles(uint8_t(bits & 0x0F)); }

    constexpr uint8_t bits() const { return m_bits; }
    constexpr bool isEmpty() const { return m_bits == 0; }
    constexpr bool contains(FontStyle style) const { return (m_bits & uint8_t(style)) != 0; }
    constexpr void include(FontStyle style) { m_bits |= uint8_t(style); }
    constexpr void exclude(FontStyle style) { m_bits &= uint8_t(~uint8_t(style)); }
    friend constexpr FontStyles operator|(FontStyles a, FontStyles b) {
        return FontStyles(uint8_t(a.m_bits | b.m_bits));
    }
    friend constexpr bool operator==(FontStyles, FontStyles) = default;

private:
    constexpr explicit FontStyles(uint8_t bits) : m_bits(bits) {}
    uint8_t m_bits = 0;
};

constexpr FontStyles operator|(FontStyle a, FontStyle b) {
    return FontStyles(a) | FontStyles(b);
}

enum class Alignment : uint8_t { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };

enum class MorphKind : uint8_t {
    mkDefault = 0,
    mkGradient = 1,
    mkLeftGradient = 2,
    mkRightGradient = 3,
    mkLeftSlide = 4,
    mkRightSlide = 5,
    mkPush = 6,
};

enum class InActiveEffect : uint8_t {
    ieBrightness = 0,
    ieDarkness = 1,
    ieGrayScale = 2,
    ieNoise = 3,
    ieSplitBlur = 4,
    ieInvert = 5,
};

enum class WindowCommand : uint8_t {
    cmClose = 0,
    cmMaximize = 1,
    cmMinimize = 2,
    cmSysMenu = 3,
    cmDefault = 4,
    cmRollUp = 5,
    cmMinimizeToTray = 6,
};

// The ini names of the enumerations ("mkgradient", "ieinvert", "cmrollup").
std::string_view morphKindName(MorphKind kind);
std::string_view inActiveEffectName(InActiveEffect effect);
std::string_view windowCommandName(WindowCommand command);

// Plain ini access under the names the skin code uses.
inline std::string iniText(const MemIniFile& ini, std::string_view section, std::string_view key,
                           std::string_view def) {
    return ini.readString(section, key, def);
}
inline int32_t iniInteger(const MemIniFile& ini, std::string_view section, std::string_view key,
                          int32_t def) {
    return ini.readInteger(section, key, def);
}
inline bool iniSectionExists(const MemIniFile& ini, std::string_view section) {
    return ini.sectionExists(section);
}
inline void iniEraseSection(MemIniFile& ini, std::string_view section) {
    ini.eraseSection(section);
}
inline void iniWriteText(MemIniFile& ini, std::string_view section, std::string_view key,
                         std::string_view text) {
    ini.writeString(section, key, text);
}
inline void iniWriteInteger(MemIniFile& ini, std::string_view section, std::string_view key, int32_t value) {
    ini.writeInteger(section, key, value);
}

// Converts the text as the skin's integers are written: optional sign and decimal digits, or
// hexadecimal after "$" (also "-$"). Returns false for anything else, including overflow.
bool tryParseInteger(std::string_view text, int32_t& value);
// Strict conversion: throws core::ConvertError "'<text>' is not a valid integer value".
int32_t parseInteger(std::string_view text);

// Rect and point text: digits collected per comma-separated field, every other character skipped
// (so signs are lost); fields past the needed ones are ignored. Throws core::ConvertError when a
// needed field holds no digit or too many.
core::Rect parseRect(std::string_view text);
core::Point parsePoint(std::string_view text);

core::Rect readRect(const MemIniFile& ini, std::string_view section, const IniKey& key);
core::Point readPoint(const MemIniFile& ini, std::string_view section, const IniKey& key);
bool readFlag(const MemIniFile& ini, std::string_view section, const IniKey& key);
FontStyles readFontStyles(const MemIniFile& ini, std::string_view section, const IniKey& key);
Alignment readAlignment(const MemIniFile& ini, std::string_view section, const IniKey& key);
MorphKind readMorphKind(const MemIniFile& ini, std::string_view section, const IniKey& key);
InActiveEffect readInActiveEffect(const MemIniFile& ini, std::string_view section, const IniKey& key);
WindowCommand readCommand(const MemIniFile& ini, std::string_view section, const IniKey& key);
// Appends (does not clear) the entries "0".."n-1", n from "<listName>count" (at most
// maxStringListCount); a missing entry appends "".
constexpr int32_t maxStringListCount = 65536;
void readStringList(const MemIniFile& ini, std::string_view section, std::string_view listName,
                    std::vector<std::string>& list);
// True when VERSION, PICTURES, FORMINFO, SKINOBJECTS and SKINCONTROLS all exist.
bool isSkinIni(const MemIniFile& ini);

void writeRect(MemIniFile& ini, std::string_view section, std::string_view key, const core::Rect& value);
void writePoint(MemIniFile& ini, std::string_view section, std::string_view key, const core::Point& value);
void writeFlag(MemIniFile& ini, std::string_view section, std::string_view key, bool value);
void writeFontStyles(MemIniFile& ini, std::string_view section, std::string_view key, FontStyles value);
void writeAlignment(MemIniFile& ini, std::string_view section, std::string_view key, Alignment value);
void writeMorphKind(MemIniFile& ini, std::string_view section, std::string_view key, MorphKind value);
void writeInActiveEffect(MemIniFile& ini, std::string_view section, std::string_view key,
                         InActiveEffect value);
void writeCommand(MemIniFile& ini, std::string_view section, std::string_view key, WindowCommand value);
// Writes "<listName>count" and the entries "0".."n-1".
void writeStringList(MemIniFile& ini, std::string_view section, std::string_view listName,
                     const std::vector<std::string>& list);

} // namespace skin
