#pragma once
// UTF-8 is the text encoding inside the system; these convert at its edges.
#include <cstdint>
#include <string>
#include <string_view>

namespace core {

bool isValidUtf8(std::string_view text);
// Appends one code point as UTF-8.
void appendUtf8(std::string& out, char32_t codePoint);
// Reads the code point at text[i] and advances i past it; a malformed byte reads as itself.
char32_t nextCodePoint(std::string_view text, size_t& i);
// Latin-1 bytes to UTF-8 (each byte is the code point of the same value).
std::string latin1ToUtf8(std::string_view text);
std::u16string utf8ToUtf16(std::string_view text);
std::string utf16ToUtf8(std::u16string_view text);
// Upper-cases ASCII letters and the Latin-1/Latin Extended/Greek/Cyrillic letters that have a simple
// one-to-one upper-case form, so that case-insensitive lookups work on UTF-8 names too.
std::string utf8ToUpper(std::string_view text);

// UTF-8 against the platform's UTF-16 wide strings; Windows builds only (win32/Utf8Win32.cpp).
std::wstring utf8ToWide(std::string_view text);
std::string wideToUtf8(std::wstring_view text);

} // namespace core
