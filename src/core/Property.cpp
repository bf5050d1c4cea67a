#include "core/Property.h"

#include "core/Component.h"
#include "core/Error.h"
#include "core/Quoted.h"

#include <limits>
#include <string_view>

namespace core {

namespace {

struct NamedValue {
    const char* name;
    int32_t value;
};

constexpr NamedValue colorNames[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clNone", clNone},
    {"clDefault", clDefault},
    {"clScrollBar", clScrollBar},
    {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText},
    {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText},
    {"clActiveBorder", systemColorBase | 10},
    {"clInactiveBorder", systemColorBase | 11},
    {"clAppWorkSpace", systemColorBase | 12},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk},
};

// Aliases read but never written.
constexpr NamedValue colorAliases[] = {
    {"clLtGray", 0xC0C0C0},
    {"clDkGray", 0x808080},
};

constexpr NamedValue charsetNames[] = {
    {"ANSI_CHARSET", 0},      {"DEFAULT_CHARSET", 1},    {"SYMBOL_CHARSET", 2},
    {"MAC_CHARSET", 77},      {"SHIFTJIS_CHARSET", 128}, {"HANGEUL_CHARSET", 129},
    {"JOHAB_CHARSET", 130},   {"GB2312_CHARSET", 134},   {"CHINESEBIG5_CHARSET", 136},
    {"GREEK_CHARSET", 161},   {"TURKISH_CHARSET", 162},  {"VIETNAMESE_CHARSET", 163},
    {"HEBREW_CHARSET", 177},  {"ARABIC_CHARSET", 178},   {"BALTIC_CHARSET", 186},
    {"RUSSIAN_CHARSET", 204}, {"THAI_CHARSET", 222},     {"EASTEUROPE_CHARSET", 238},
    {"OEM_CHARSET", 255},
};

constexpr NamedValue cursorNames[] = {
    {"crDefault", 0},     {"crNone", -1},     {"crArrow", -2},    {"crCross", -3},     {"crIBeam", -4},
    {"crSizeNESW", -6},   {"crSizeNS", -7},   {"crSizeNWSE", -8}, {"crSizeWE", -9},    {"crUpArrow", -10},
    {"crHourGlass", -11}, {"crDrag", -12},    {"crNoDrop", -13},  {"crHSplit", -14},   {"crVSplit", -15},
    {"crMultiDrag", -16}, {"crSQLWait", -17}, {"crNo", -18},      {"crAppStart", -19}, {"crHelp", -20},
    {"crHandPoint", -21}, {"crSizeAll", -22},
};

template <size_t N> bool lookupName(const NamedValue (&table)[N], const std::string& ident, int32_t& value) {
    for (const NamedValue& entry : table)
        if (ident == entry.name) {
            value = entry.value;
            return true;
        }
    return false;
}

template <size_t N> std::string lookupValue(const NamedValue (&table)[N], int32_t value) {
    for (const NamedValue& entry : table)
        if (entry.value == value)
            return entry.name;
    return {};
}

const char* kindName(PropertyValue::Kind kind) {
    switch (kind) {
    case PropertyValue::Kind::Integer:
        return "an integer";
    case PropertyValue::Kind::String:
        return "a string";
    case PropertyValue::Kind::Identifier:
        return "an identifier";
    case PropertyValue::Kind::Set:
        return "a set";
    case PropertyValue::Kind::Binary:
        return "binary data";
    case PropertyValue::Kind::StringList:
        return "a list of strings";
    }
    return "a value";
}

} // namespace

bool identToColor(const std::string& ident, Color& color) {
    return lookupName(colorNames, ident, color) || lookupName(colorAliases, ident, color);
}

std::string colorToIdent(Color color) {
    return lookupValue(colorNames, color);
}

bool identToCharset(const std::string& ident, int& charset) {
    int32_t value = 0;
    if (!lookupName(charsetNames, ident, value))
        return false;
    charset = value;
    return true;
}

std::string charsetToIdent(int charset) {
    return lookupValue(charsetNames, charset);
}

bool identToCursor(const std::string& ident, int& cursor) {
    int32_t value = 0;
    if (!lookupName(cursorNames, ident, value))
        return false;
    cursor = value;
    return true;
}

std::string cursorToIdent(int cursor) {
    return lookupValue(cursorNames, cursor);
}

// --- PropertyReader

void PropertyReader::fail(const std::string& message) const {
    if (m_context)
        m_context->fail(m_name, message);
    throw Error("Property " + m_name + ": " + message);
}

void PropertyReader::expect(PropertyValue::Kind kind) const {
    if (m_value.kind != kind)
        fail(std::string("expected ") + kindName(kind) + ", found " + kindName(m_value.kind));
}

int32_t PropertyReader::asInt() const {
    expect(PropertyValue::Kind::Integer);
    if (m_value.integer < std::numeric_limits<int32_t>::min() ||
        m_value.integer > std::numeric_limits<int32_t>::max())
        fail(std::to_string(m_value.integer) + " is out of range");
    return int32_t(m_value.integer);
}

const std::string& PropertyReader::asString() const {
    expect(PropertyValue::Kind::String);
    return m_value.text;
}

bool PropertyReader::asBool() const {
    expect(PropertyValue::Kind::Identifier);
    if (m_value.text == "True")
        return true;
    if (m_value.text == "False")
        return false;
    fail(quoted(m_value.text) + " is not True or False");
}

const std::string& PropertyReader::asIdent() const {
    expect(PropertyValue::Kind::Identifier);
    return m_value.text;
}

const std::vector<std::string>& PropertyReader::asSet() const {
    expect(PropertyValue::Kind::Set);
    return m_value.names;
}

const std::vector<uint8_t>& PropertyReader::asBytes() const {
    expect(PropertyValue::Kind::Binary);
    return m_value.bytes;
}

const std::vector<std::string>& PropertyReader::asStrings() const {
    expect(PropertyValue::Kind::StringList);
    return m_value.names;
}

Color PropertyReader::asColor() const {
    if (m_value.kind == PropertyValue::Kind::Integer) {
        // Colours are 32-bit patterns: accept the unsigned spelling of system colours too.
        if (m_value.integer < std::numeric_limits<int32_t>::min() ||
            m_value.integer > std::numeric_limits<uint32_t>::max())
            fail(std::to_string(m_value.integer) + " is not a colour");
        return Color(uint32_t(m_value.integer));
    }
    if (m_value.kind != PropertyValue::Kind::Identifier)
        fail(std::string("expected a colour, found ") + kindName(m_value.kind));
    Color color = 0;
    if (!identToColor(m_value.text, color))
        fail(quoted(m_value.text) + " is not a colour name");
    return color;
}

int PropertyReader::asEnum(std::initializer_list<const char*> names) const {
    expect(PropertyValue::Kind::Identifier);
    int index = 0;
    for (const char* name : names) {
        if (m_value.text == name)
            return index;
        ++index;
    }
    fail(quoted(m_value.text) + " is not a valid value");
}

int PropertyReader::asCharset() const {
    if (m_value.kind == PropertyValue::Kind::Integer) {
        int value = asInt();
        if (value < 0 || value > 255)
            fail(std::to_string(value) + " is not a character set");
        return value;
    }
    int charset = 0;
    if (!identToCharset(asIdent(), charset))
        fail(quoted(m_value.text) + " is not a character set");
    return charset;
}

int PropertyReader::asCursor() const {
    if (m_value.kind == PropertyValue::Kind::Integer)
        return asInt();
    int cursor = 0;
    if (!identToCursor(asIdent(), cursor))
        fail(quoted(m_value.text) + " is not a cursor");
    return cursor;
}

void PropertyReader::resolveReference(std::function<void(Component*)> apply) const {
    expect(PropertyValue::Kind::Identifier);
    if (!m_context)
        fail("references need a layout");
    m_context->resolveReference(m_name, m_value.text, std::move(apply));
}

void PropertyReader::bindEvent(std::function<void(NotifyEvent)> apply) const {
    expect(PropertyValue::Kind::Identifier);
    if (!m_context)
        fail("events need a layout");
    m_context->bindEvent(m_name, m_value.text, std::move(apply));
}

// --- PropertyWriter

std::string PropertyWriter::fullName(const std::string& name) const {
    return m_prefix.empty() ? name : m_prefix + "." + name;
}

void PropertyWriter::writeInt(const std::string& name, int64_t value) {
    PropertyValue v;
    v.kind = PropertyValue::Kind::Integer;
    v.integer = value;
    write(fullName(name), v);
}

void PropertyWriter::writeString(const std::string& name, const std::string& value) {
    PropertyValue v;
    v.kind = PropertyValue::Kind::String;
    v.text = value;
    write(fullName(name), v);
}

void PropertyWriter::writeIdent(const std::string& name, const std::string& value) {
    PropertyValue v;
    v.kind = PropertyValue::Kind::Identifier;
    v.text = value;
    write(fullName(name), v);
}

void PropertyWriter::writeSet(const std::string& name, const std::vector<std::string>& names) {
    PropertyValue v;
    v.kind = PropertyValue::Kind::Set;
    v.names = names;
    write(fullName(name), v);
}

void PropertyWriter::writeBytes(const std::string& name, const std::vector<uint8_t>& bytes) {
    PropertyValue v;
    v.kind = PropertyValue::Kind::Binary;
    v.bytes = bytes;
    write(fullName(name), v);
}

void PropertyWriter::writeStrings(const std::string& name, const std::vector<std::string>& lines) {
    PropertyValue v;
    v.kind = PropertyValue::Kind::StringList;
    v.names = lines;
    write(fullName(name), v);
}

void PropertyWriter::writeColor(const std::string& name, Color value) {
    std::string ident = colorToIdent(value);
    if (ident.empty())
        writeInt(name, value);
    else
        writeIdent(name, ident);
}

void PropertyWriter::writeCharset(const std::string& name, int charset) {
    std::string ident = charsetToIdent(charset);
    if (ident.empty())
        writeInt(name, charset);
    else
        writeIdent(name, ident);
}

void PropertyWriter::writeCursor(const std::string& name, int cursor) {
    std::string ident = cursorToIdent(cursor);
    if (ident.empty())
        writeInt(name, cursor);
    else
        writeIdent(name, ident);
}

void PropertyWriter::writeReference(const std::string& name, const Component* component) {
    if (component && !component->name().empty())
        writeIdent(name, component->name());
}

PropertyWriter::Nested::Nested(PropertyWriter& writer, const std::string& prefix)
    : m_writer(writer), m_previousLength(writer.m_prefix.size()) {
    m_writer.m_prefix = m_writer.m_prefix.empty() ? prefix : m_writer.m_prefix + "." + prefix;
}

PropertyWriter::Nested::~Nested() {
    m_writer.m_prefix.resize(m_previousLength);
}

} // namespace core
