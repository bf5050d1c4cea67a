#pragma once
// Decoding of skin ini bytes into the UTF-8 text used inside the system.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

// UTF-8 (a leading BOM dropped) when the bytes are valid UTF-8, else the system's 8-bit code page.
std::string decodeSkinIniText(const std::vector<uint8_t>& bytes);
// The same, taking the bytes over: valid UTF-8 is returned without a copy.
std::string decodeSkinIniText(std::string&& bytes);

// The system's 8-bit code page to UTF-8: the ANSI code page on Windows, Latin-1 elsewhere.
// Implemented per platform (win32/SkinIniTextWin32.cpp / SkinIniTextPortable.cpp).
std::string ansiToUtf8(std::string_view bytes);

} // namespace skin
