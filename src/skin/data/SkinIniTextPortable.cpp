// Without a platform code page, 8-bit skin text is taken as Latin-1.
#include "skin/data/SkinIniText.h"

#include "core/Utf8.h"

namespace skin {

std::string ansiToUtf8(std::string_view bytes) {
    return core::latin1ToUtf8(bytes);
}

} // namespace skin
