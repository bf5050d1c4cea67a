#include "layout/LayoutParser.h"

#include "core/Quoted.h"
#include "core/Utf8.h"

#include "layout/LayoutError.h"

#include <cstdint>
#include <limits>

namespace layout {

namespace {

using core::quoted;

bool isIdentStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool isIdentChar(char c) {
    return isIdentStart(c) || (c >= '0' && c <= '9');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if ((a[i] | 0x20) != (b[i] | 0x20))
            return false;
    return true;
}

class Parser {
public:
    Parser(std::string_view text, const std::string& layoutName) : m_text(text), m_layoutName(layoutName) {
        // A UTF-8 byte order mark is allowed at the start.
        if (m_text.substr(0, 3) == "\xEF\xBB\xBF")
            m_pos = 3;
    }

    ObjectNode parse() {
        skipSpace();
        ObjectNode root = parseObject(1);
        skipSpace();
        if (m_pos < m_text.size())
            fail("unexpected text after the last 'end'");
        return root;
    }

private:
    [[noreturn]] void fail(const std::string& message) const {
        throw LayoutError(m_layoutName + ", line " + std::to_string(m_line) + ": " + message);
    }

    bool atEnd() const { return m_pos >= m_text.size(); }
    char peek(size_t ahead = 0) const { return m_pos + ahead < m_text.size() ? m_text[m_pos + ahead] : '\0'; }

    void skipSpace() {
        while (!atEnd()) {
            char c = m_text[m_pos];
            if (c == '\n')
                ++m_line;
            else if (c != ' ' && c != '\t' && c != '\r')
                break;
            ++m_pos;
        }
    }

    std::string_view describeNext() const {
        if (atEnd())
            return "end of text";
        size_t end = m_pos;
        while (end < m_text.size() && end - m_pos < 20 && m_text[end] != '\n' && m_text[end] != '\r')
            ++end;
        return m_text.substr(m_pos, end - m_pos);
    }

    [[noreturn]] void expected(const std::string& what) const {
        fail(what + " expected but '" + std::string(describeNext()) + "' found");
    }

    std::string parseIdent(const char* what) {
        skipSpace();
        if (!isIdentStart(peek()))
            expected(what);
        size_t start = m_pos;
        while (isIdentChar(peek()))
            ++m_pos;
        return std::string(m_text.substr(start, m_pos - start));
    }

    // ident ('.' ident)*
    std::string parseDottedIdent(const char* what) {
        std::string name = parseIdent(what);
        while (peek() == '.' && isIdentStart(peek(1))) {
            ++m_pos;
            name += '.';
            name += parseIdent(what);
        }
        return name;
    }

    void expectChar(char c) {
        skipSpace();
        if (peek() != c)
            expected(quoted(std::string(1, c)));
        ++m_pos;
    }

    bool nextIsKeyword(std::string_view keyword) const {
        if (m_text.size() - m_pos < keyword.size())
            return false;
        if (!equalsNoCase(m_text.substr(m_pos, keyword.size()), keyword))
            return false;
        return !isIdentChar(peek(keyword.size()));
    }

    ObjectNode parseObject(int depth) {
        if (depth > maxLayoutDepth)
            fail("objects nested too deeply");
        skipSpace();
        if (!nextIsKeyword("object"))
            expected("'object'");
        ObjectNode node;
        node.line = m_line;
        m_pos += 6;
        std::string first = parseIdent("component name");
        skipSpace();
        if (peek() == ':') {
            ++m_pos;
            node.name = std::move(first);
            node.className = parseIdent("class name");
        } else {
            node.className = std::move(first);
        }
        for (;;) {
            skipSpace();
            if (atEnd())
                expected("'end'");
            if (nextIsKeyword("end")) {
                m_pos += 3;
                return node;
            }
            if (nextIsKeyword("object")) {
                node.children.push_back(parseObject(depth + 1));
                continue;
            }
            if (!node.children.empty())
                fail("properties must come before child objects");
            node.properties.push_back(parseProperty());
        }
    }

    PropertyNode parseProperty() {
        PropertyNode prop;
        prop.line = m_line;
        prop.name = parseDottedIdent("property name");
        expectChar('=');
        prop.value = parseValue();
        return prop;
    }

    core::PropertyValue parseValue() {
        using Kind = core::PropertyValue::Kind;
        skipSpace();
        core::PropertyValue value;
        char c = peek();
        if (c == '-' || isDigit(c)) {
            value.kind = Kind::Integer;
            value.integer = parseDecimal();
        } else if (c == '$') {
            value.kind = Kind::Integer;
            value.integer = parseHex();
        } else if (c == '\'' || c == '#') {
            value.kind = Kind::String;
            value.text = parseString();
        } else if (c == '[') {
            value.kind = Kind::Set;
            value.names = parseSet();
        } else if (c == '{') {
            value.kind = Kind::Binary;
            value.bytes = parseBinary();
        } else if (c == '(') {
            value.kind = Kind::StringList;
            value.names = parseStringList();
        } else if (isIdentStart(c)) {
            value.kind = Kind::Identifier;
            value.text = parseDottedIdent("value");
        } else {
            expected("property value");
        }
        return value;
    }

    // Refuses a number run together with letters or a fraction ("1x", "1.5").
    void checkNumberEnd(size_t start) const {
        if (!isIdentChar(peek()) && peek() != '.')
            return;
        size_t end = m_pos;
        while (end < m_text.size() && (isIdentChar(m_text[end]) || m_text[end] == '.'))
            ++end;
        fail(quoted(std::string(m_text.substr(start, end - start))) + " is not a valid integer value");
    }

    int64_t parseDecimal() {
        size_t start = m_pos;
        bool negative = false;
        if (peek() == '-') {
            negative = true;
            ++m_pos;
        }
        if (!isDigit(peek()))
            expected("digit");
        // Accumulated negatively so that the most negative value fits.
        int64_t value = 0;
        while (isDigit(peek())) {
            int digit = peek() - '0';
            if (value < (std::numeric_limits<int64_t>::min() + digit) / 10)
                fail("integer out of range");
            value = value * 10 - digit;
            ++m_pos;
        }
        checkNumberEnd(start);
        if (!negative) {
            if (value == std::numeric_limits<int64_t>::min())
                fail("integer out of range");
            value = -value;
        }
        return value;
    }

    // $ followed by hex digits giving a 32-bit pattern, so $FFFFFFFF is -1. Leading zeros do not
    // count towards the eight digits: $0000000FF is 255.
    int64_t parseHex() {
        size_t start = m_pos++;
        uint32_t value = 0;
        int digits = 0;
        int significant = 0;
        while (hexValue(peek()) >= 0) {
            ++digits;
            if ((significant > 0 || hexValue(peek()) != 0) && ++significant > 8)
                fail("hexadecimal value longer than 32 bits");
            value = value << 4 | uint32_t(hexValue(peek()));
            ++m_pos;
        }
        if (digits == 0)
            expected("hexadecimal digit");
        checkNumberEnd(start);
        return int32_t(value);
    }

    // One or more pieces, joined by + across lines.
    std::string parseString() {
        std::string text;
        for (;;) {
            parseStringPieces(text);
            size_t save = m_pos;
            int saveLine = m_line;
            skipSpace();
            if (peek() != '+') {
                m_pos = save;
                m_line = saveLine;
                return text;
            }
            ++m_pos;
            skipSpace();
            if (peek() != '\'' && peek() != '#')
                expected("string");
        }
    }

    // Quoted parts and #n characters written back to back: 'a'#13#10'b'.
    void parseStringPieces(std::string& text) {
        uint32_t pendingHighSurrogate = 0;
        while (peek() == '\'' || peek() == '#') {
            if (peek() == '\'') {
                if (pendingHighSurrogate)
                    fail("unpaired surrogate in string");
                ++m_pos;
                for (;;) {
                    if (atEnd() || peek() == '\n' || peek() == '\r')
                        fail("unterminated string");
                    char c = m_text[m_pos++];
                    if (c == '\'') {
                        if (peek() != '\'')
                            break;
                        ++m_pos;
                    }
                    text += c;
                }
            } else {
                ++m_pos;
                uint32_t cp = parseCharCode();
                if (cp >= 0xD800 && cp <= 0xDBFF) {
                    if (pendingHighSurrogate)
                        fail("unpaired surrogate in string");
                    pendingHighSurrogate = cp;
                    continue;
                }
                if (cp >= 0xDC00 && cp <= 0xDFFF) {
                    if (!pendingHighSurrogate)
                        fail("unpaired surrogate in string");
                    cp = 0x10000 + ((pendingHighSurrogate - 0xD800) << 10) + (cp - 0xDC00);
                    pendingHighSurrogate = 0;
                } else if (pendingHighSurrogate) {
                    fail("unpaired surrogate in string");
                }
                core::appendUtf8(text, char32_t(cp));
            }
        }
        if (pendingHighSurrogate)
            fail("unpaired surrogate in string");
    }

    uint32_t parseCharCode() {
        uint32_t cp = 0;
        int digits = 0;
        // Leading zeros are skipped without limit; past seven significant digits the code is out
        // of range whatever follows.
        int significant = 0;
        if (peek() == '$') {
            ++m_pos;
            while (hexValue(peek()) >= 0) {
                cp = cp * 16 + uint32_t(hexValue(peek()));
                ++m_pos;
                ++digits;
                if (cp != 0 && ++significant > 6)
                    break;
            }
        } else {
            while (isDigit(peek())) {
                cp = cp * 10 + uint32_t(peek() - '0');
                ++m_pos;
                ++digits;
                if (cp != 0 && ++significant > 7)
                    break;
            }
        }
        if (digits == 0)
            expected("character code");
        if (cp > 0x10FFFF)
            fail("character code out of range");
        return cp;
    }

    std::vector<std::string> parseSet() {
        ++m_pos;
        std::vector<std::string> names;
        skipSpace();
        if (peek() == ']') {
            ++m_pos;
            return names;
        }
        for (;;) {
            names.push_back(parseIdent("set element"));
            skipSpace();
            if (peek() == ']') {
                ++m_pos;
                return names;
            }
            expectChar(',');
        }
    }

    // ( string string ... ): the strings one after another, each possibly continued with +.
    std::vector<std::string> parseStringList() {
        ++m_pos;
        std::vector<std::string> lines;
        for (;;) {
            skipSpace();
            if (peek() == ')') {
                ++m_pos;
                return lines;
            }
            if (peek() != '\'' && peek() != '#')
                expected("string or ')'");
            lines.push_back(parseString());
        }
    }

    std::vector<uint8_t> parseBinary() {
        ++m_pos;
        std::vector<uint8_t> bytes;
        int high = -1;
        for (;;) {
            skipSpace();
            if (atEnd())
                expected("'}'");
            char c = peek();
            if (c == '}') {
                ++m_pos;
                break;
            }
            int v = hexValue(c);
            if (v < 0)
                fail(quoted(std::string(1, c)) + " is not a hexadecimal digit");
            ++m_pos;
            if (high < 0) {
                high = v;
            } else {
                bytes.push_back(uint8_t(high << 4 | v));
                high = -1;
            }
        }
        if (high >= 0)
            fail("binary data with an odd number of hexadecimal digits");
        return bytes;
    }

    std::string_view m_text;
    const std::string& m_layoutName;
    size_t m_pos = 0;
    int m_line = 1;
};

} // namespace

ObjectNode parseLayout(std::string_view text, const std::string& layoutName) {
    return Parser(text, layoutName).parse();
}

} // namespace layout
