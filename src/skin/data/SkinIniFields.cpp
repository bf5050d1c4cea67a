#include "skin/data/SkinIniFields.h"

namespace skin {

void SkinIniFields::text(const IniKey& key, std::string& value, std::string_view def) {
    if (isReading())
        value.assign(m_in->readView(readSection(), key, def));
    else
        m_out->writeString(m_section, key.name(), value);
}

void SkinIniFields::integer(const IniKey& key, int32_t& value, int32_t def) {
    if (isReading())
        value = m_in->readInteger(readSection(), key, def);
    else
        m_out->writeInteger(m_section, key.name(), value);
}

void SkinIniFields::flag(const IniKey& key, bool& value) {
    if (isReading())
        value = readFlag(*m_in, readSection(), key);
    else
        writeFlag(*m_out, m_section, key.name(), value);
}

void SkinIniFields::rect(const IniKey& key, core::Rect& value) {
    if (isReading())
        value = readRect(*m_in, readSection(), key);
    else
        writeRect(*m_out, m_section, key.name(), value);
}

void SkinIniFields::point(const IniKey& key, core::Point& value) {
    if (isReading())
        value = readPoint(*m_in, readSection(), key);
    else
        writePoint(*m_out, m_section, key.name(), value);
}

void SkinIniFields::fontStyles(const IniKey& key, FontStyles& value) {
    if (isReading())
        value = readFontStyles(*m_in, readSection(), key);
    else
        writeFontStyles(*m_out, m_section, key.name(), value);
}

void SkinIniFields::alignment(const IniKey& key, Alignment& value) {
    if (isReading())
        value = readAlignment(*m_in, readSection(), key);
    else
        writeAlignment(*m_out, m_section, key.name(), value);
}

void SkinIniFields::morphKind(const IniKey& key, MorphKind& value) {
    if (isReading())
        value = readMorphKind(*m_in, readSection(), key);
    else
        writeMorphKind(*m_out, m_section, key.name(), value);
}

void SkinIniFields::inActiveEffect(const IniKey& key, InActiveEffect& value) {
    if (isReading())
        value = readInActiveEffect(*m_in, readSection(), key);
    else
        writeInActiveEffect(*m_out, m_section, key.name(), value);
}

void SkinIniFields::command(const IniKey& key, WindowCommand& value) {
    if (isReading())
        value = readCommand(*m_in, readSection(), key);
    else
        writeCommand(*m_out, m_section, key.name(), value);
}

void SkinIniFields::font(std::string_view prefix, std::string& name, int32_t& height, FontStyles& style,
                         core::Color& color) {
    const std::string p(prefix);
    text(p + "fontname", name, "Arial");
    integer(p + "fontheight", height, 14);
    fontStyles(p + "fontstyle", style);
    this->color(p + "fontcolor", color);
}

void SkinIniRecord::readFromIni(const MemIniFile& ini) {
    auto fields = SkinIniFields::reading(ini, iniSection());
    exchangeFields(fields);
}

void SkinIniRecord::writeToIni(MemIniFile& ini) const {
    const std::string section = iniSection();
    ini.eraseSection(section);
    auto fields = SkinIniFields::writing(ini, section);
    // Writing only reads the fields; exchangeFields is shared with reading and so takes them mutable.
    const_cast<SkinIniRecord*>(this)->exchangeFields(fields);
}

} // namespace skin
