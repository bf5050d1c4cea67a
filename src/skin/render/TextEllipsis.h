#pragma once
// Cutting a text to a width with a trailing "...". Widths come from whoever draws the text (a canvas
// and its font on Windows, a fixed-width measure in tests).
#include <string>
#include <string_view>

namespace skin {

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual int textWidth(std::string_view utf8) const = 0;
};

// A text no wider than maxWidth is left alone. Otherwise characters are dropped from the end, one
// at a time, until the rest plus "..." fits or nothing is left, and "..." is appended. Characters are
// whole UTF-8 sequences, never cut in the middle.
void shortenTextWithEllipsis(const TextMeasurer& measurer, std::string& text, int maxWidth);

} // namespace skin
