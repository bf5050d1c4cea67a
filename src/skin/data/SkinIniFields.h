#pragma once
// Classes in this file: SkinIniFields, SkinIniRecord.
// SkinIniFields binds one ini section to a record's fields in one direction. Each record lists its
// keys once, in reading order, through these calls; reading and writing therefore use the same keys
// in the same order and cannot drift apart.
#include "skin/data/SkinIni.h"

#include <string>
#include <string_view>
#include <utility>

namespace skin {

class SkinIniFields {
public:
    // Reads every listed key from the section (each with its default when missing).
    static SkinIniFields reading(const MemIniFile& ini, std::string section) {
        return SkinIniFields(&ini, nullptr, std::move(section));
    }
    // Writes every listed key into the section.
    static SkinIniFields writing(MemIniFile& ini, std::string section) {
        return SkinIniFields(&ini, &ini, std::move(section));
    }

    bool isReading() const { return m_out == nullptr; }
    const std::string& section() const { return m_section; }

    void text(const IniKey& key, std::string& value, std::string_view def = {});
    void integer(const IniKey& key, int32_t& value, int32_t def = 0);
    void color(const IniKey& key, core::Color& value, core::Color def = 0) { integer(key, value, def); }
    // Picture indexes default to -1 (no picture).
    void pictureIndex(const IniKey& key, int32_t& value) { integer(key, value, -1); }
    void flag(const IniKey& key, bool& value);
    void rect(const IniKey& key, core::Rect& value);
    void point(const IniKey& key, core::Point& value);
    void fontStyles(const IniKey& key, FontStyles& value);
    void alignment(const IniKey& key, Alignment& value);
    void morphKind(const IniKey& key, MorphKind& value);
    void inActiveEffect(const IniKey& key, InActiveEffect& value);
    void command(const IniKey& key, WindowCommand& value);
    // "<prefix>fontname" (missing: Arial), "<prefix>fontheight" (missing: 14), "<prefix>fontstyle",
    // "<prefix>fontcolor".
    void font(std::string_view prefix, std::string& name, int32_t& height, FontStyles& style,
              core::Color& color);

private:
    SkinIniFields(const MemIniFile* in, MemIniFile* out, std::string section)
        : m_in(in), m_out(out), m_section(std::move(section)),
          m_storedSection(out ? nullptr : in->storedSectionName(m_section)) {}

    // The section as the reads ask for it: the ini's own copy of its name when it has the section.
    std::string_view readSection() const {
        return m_storedSection ? std::string_view(*m_storedSection) : std::string_view(m_section);
    }

    const MemIniFile* m_in = nullptr;
    MemIniFile* m_out = nullptr;
    std::string m_section;
    const std::string* m_storedSection = nullptr; // while reading
};

// Base of the skin records: reads and writes the record's section through its one exchangeFields.
class SkinIniRecord {
public:
    virtual ~SkinIniRecord() = default;

    // Reads the record's keys from its section.
    void readFromIni(const MemIniFile& ini);
    // Erases the record's section, then writes every key that readFromIni reads, in that order.
    void writeToIni(MemIniFile& ini) const;

protected:
    SkinIniRecord() = default;
    SkinIniRecord(const SkinIniRecord&) = default;
    SkinIniRecord& operator=(const SkinIniRecord&) = default;

    // The name of the record's section.
    virtual std::string iniSection() const = 0;
    // Lists the class's keys, parent's first; used for both reading and writing.
    virtual void exchangeFields(SkinIniFields& fields) = 0;
};

} // namespace skin
