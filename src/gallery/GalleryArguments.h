#pragma once
// The gallery's command line: "--skin <name|file>" or a bare compressed skin file.
#include <string>
#include <vector>

namespace gallery {

struct SkinChoice {
    enum class Kind { None, BuiltIn, File };
    Kind kind = Kind::None;
    std::string value; // the built-in skin's name as given, or the file's path
};

// args are the words after the program name (UTF-8). The value of "--skin" (or "--skin=") is a
// built-in skin's name in any case, or else a file; a bare word is a file; the last choice counts.
// Throws core::Error for "--skin" without a value and for an unknown option.
SkinChoice parseArguments(const std::vector<std::string>& args, const std::vector<std::string>& builtInNames);

// The built-in name equal to name regardless of case, or "" when none is.
std::string findBuiltInName(const std::string& name, const std::vector<std::string>& builtInNames);

} // namespace gallery
