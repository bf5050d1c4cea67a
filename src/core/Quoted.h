#pragma once
// Text in single quotes, for messages.
#include <string>
#include <string_view>

namespace core {

// (Built by appending: GCC 12 at -O3 warns wrongly about overlapping copies in "'" + s + "'".)
inline std::string quoted(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '\'';
    out.append(text);
    out += '\'';
    return out;
}

} // namespace core
