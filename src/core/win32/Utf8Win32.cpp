// UTF-8 against the platform's wide (UTF-16) strings.
#include "core/Utf8.h"

namespace core {

std::wstring utf8ToWide(std::string_view text) {
    std::u16string s = utf8ToUtf16(text);
    return std::wstring(s.begin(), s.end());
}

std::string wideToUtf8(std::wstring_view text) {
    return utf16ToUtf8(std::u16string(text.begin(), text.end()));
}

} // namespace core
