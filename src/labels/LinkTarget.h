#pragma once
// What a URL label opens when clicked, decided without the shell.
#include <string>
#include <string_view>

namespace labels {

// Spaces and control characters (every byte up to 0x20) off both ends.
std::string_view trimControls(std::string_view text);

// The URL when it is not blank, else the caption; empty when both are blank. The chosen text is
// returned untrimmed: that is what the shell is given.
std::string linkTarget(const std::string& url, const std::string& caption);

// Whether a target that failed to open names a web page (its extension is ".htm", any case), for
// which the user is offered a choice of program.
bool isWebPageTarget(std::string_view target);

} // namespace labels
