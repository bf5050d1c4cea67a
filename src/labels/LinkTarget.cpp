#include "labels/LinkTarget.h"

namespace labels {

std::string_view trimControls(std::string_view text) {
    size_t first = 0, last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= 0x20)
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= 0x20)
        --last;
    return text.substr(first, last - first);
}

std::string linkTarget(const std::string& url, const std::string& caption) {
    const std::string& target = trimControls(url).empty() ? caption : url;
    return trimControls(target).empty() ? std::string() : target;
}

bool isWebPageTarget(std::string_view target) {
    // The extension starts at the last dot after the last path or drive delimiter.
    size_t at = target.find_last_of(".\\:");
    if (at == std::string_view::npos || target[at] != '.')
        return false;
    std::string_view ext = target.substr(at);
    if (ext.size() != 4)
        return false;
    auto upper = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; };
    return upper(ext[1]) == 'H' && upper(ext[2]) == 'T' && upper(ext[3]) == 'M';
}

} // namespace labels
