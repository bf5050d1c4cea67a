#include "skin/data/SkinIniText.h"

#include "core/Utf8.h"

namespace skin {

std::string decodeSkinIniText(const std::vector<uint8_t>& bytes) {
    return decodeSkinIniText(std::string(bytes.begin(), bytes.end()));
}

std::string decodeSkinIniText(std::string&& bytes) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    const bool hasBom = std::string_view(bytes).starts_with(bom);
    if (core::isValidUtf8(std::string_view(bytes).substr(hasBom ? bom.size() : 0))) {
        if (hasBom)
            bytes.erase(0, bom.size());
        return std::move(bytes);
    }
    // A BOM before invalid UTF-8 is not a BOM of this text; keep all bytes.
    return ansiToUtf8(bytes);
}

} // namespace skin
