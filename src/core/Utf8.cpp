#include "core/Utf8.h"

#include <cstring>

namespace core {

namespace {

// Decodes one code point at text[i]; returns false on a malformed sequence.
bool decode(std::string_view text, size_t& i, char32_t& cp) {
    auto byte = [&](size_t k) { return uint8_t(text[k]); };
    uint8_t b0 = byte(i);
    int extra;
    if (b0 < 0x80) {
        cp = b0;
        extra = 0;
    } else if ((b0 & 0xE0) == 0xC0) {
        cp = b0 & 0x1F;
        extra = 1;
    } else if ((b0 & 0xF0) == 0xE0) {
        cp = b0 & 0x0F;
        extra = 2;
    } else if ((b0 & 0xF8) == 0xF0) {
        cp = b0 & 0x07;
        extra = 3;
    } else {
        return false;
    }
    if (i + size_t(extra) >= text.size())
        return false;
    for (int k = 1; k <= extra; ++k) {
        uint8_t b = byte(i + size_t(k));
        if ((b & 0xC0) != 0x80)
            return false;
        cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
    if (cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return false;
    i += size_t(extra) + 1;
    return true;
}

// decode(), but a malformed sequence still moves i on, by its first byte.
bool decodeOrSkip(std::string_view text, size_t& i, char32_t& cp) {
    if (decode(text, i, cp))
        return true;
    ++i;
    return false;
}

void appendCp(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

char32_t upper(char32_t cp) {
    if (cp >= 'a' && cp <= 'z')
        return cp - 32;
    if ((cp >= 0xE0 && cp <= 0xFE && cp != 0xF7))
        return cp - 32;
    if (cp >= 0x100 && cp <= 0x17F && (cp & 1) && cp != 0x131 && cp != 0x138 && cp != 0x149 && cp != 0x17F)
        return cp - 1;
    if (cp >= 0x3B1 && cp <= 0x3C9 && cp != 0x3C2)
        return cp - 32;
    if (cp >= 0x430 && cp <= 0x44F)
        return cp - 32;
    if (cp >= 0x450 && cp <= 0x45F)
        return cp - 80;
    return cp;
}

} // namespace

void appendUtf8(std::string& out, char32_t codePoint) {
    appendCp(out, codePoint);
}

char32_t nextCodePoint(std::string_view text, size_t& i) {
    const char first = text[i];
    char32_t cp;
    return decodeOrSkip(text, i, cp) ? cp : char32_t(uint8_t(first));
}

bool isValidUtf8(std::string_view text) {
    size_t i = 0;
    char32_t cp;
    while (i < text.size()) {
        // Runs of ASCII, the bulk of most text, eight bytes at a time.
        uint64_t bytes;
        if (i + 8 <= text.size() &&
            (std::memcpy(&bytes, text.data() + i, 8), !(bytes & 0x8080808080808080u))) {
            i += 8;
            continue;
        }
        if (!decode(text, i, cp))
            return false;
    }
    return true;
}

std::string latin1ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        appendCp(out, char32_t(uint8_t(c)));
    return out;
}

std::u16string utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        char32_t cp;
        if (!decodeOrSkip(text, i, cp))
            cp = 0xFFFD;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += char16_t(0xD800 + (cp >> 10));
            out += char16_t(0xDC00 + (cp & 0x3FF));
        } else {
            out += char16_t(cp);
        }
    }
    return out;
}

std::string utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        appendCp(out, cp);
    }
    return out;
}

std::string utf8ToUpper(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const char first = text[i];
        char32_t cp;
        if (decodeOrSkip(text, i, cp))
            appendCp(out, upper(cp));
        else
            out += first;
    }
    return out;
}

} // namespace core
