#include "skin/render/TextEllipsis.h"

namespace skin {

namespace {

void dropLastCharacter(std::string& text) {
    size_t n = text.size();
    if (n == 0)
        return;
    --n;
    // Back over continuation bytes to the start of the last sequence.
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
        --n;
    text.resize(n);
}

} // namespace

void shortenTextWithEllipsis(const TextMeasurer& measurer, std::string& text, int maxWidth) {
    static constexpr std::string_view ellipsis = "...";
    if (measurer.textWidth(text) <= maxWidth)
        return;
    while (!text.empty()) {
        dropLastCharacter(text);
        if (measurer.textWidth(text + std::string(ellipsis)) <= maxWidth)
            break;
    }
    text += ellipsis;
}

} // namespace skin
