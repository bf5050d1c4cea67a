// 8-bit skin text in the system's ANSI code page, as the skin's author saved it.
#include "skin/data/SkinIniText.h"

#include "core/Utf8.h"

#include <climits>
#include <windows.h>

namespace skin {

std::string ansiToUtf8(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > size_t(INT_MAX))
        return core::latin1ToUtf8(bytes);
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    if (length <= 0)
        return core::latin1ToUtf8(bytes);
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()), wide.data(), length);
    return core::wideToUtf8(wide);
}

} // namespace skin
