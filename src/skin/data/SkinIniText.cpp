#include "skin/data/SkinIniText.h"

#include "core/Utf8.h"

namespace skin {

std::string decodeSkinIniText(const std::vector<uint8_t>& bytes) {
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    if (core::isValidUtf8(text))
        return std::string(text);
    // A BOM before invalid UTF-8 is not a BOM of this text; keep all bytes.
    return ansiToUtf8(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

} // namespace skin
