#include "gallery/GalleryArguments.h"

#include "core/Error.h"

#include <algorithm>
#include <cctype>

namespace gallery {

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

SkinChoice choose(const std::string& value, const std::vector<std::string>& builtInNames) {
    const std::string name = findBuiltInName(value, builtInNames);
    if (!name.empty())
        return {SkinChoice::Kind::BuiltIn, name};
    return {SkinChoice::Kind::File, value};
}

} // namespace

std::string findBuiltInName(const std::string& name, const std::vector<std::string>& builtInNames) {
    for (const std::string& n : builtInNames)
        if (lower(n) == lower(name))
            return n;
    return {};
}

SkinChoice parseArguments(const std::vector<std::string>& args,
                          const std::vector<std::string>& builtInNames) {
    SkinChoice choice;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--skin") {
            if (i + 1 >= args.size() || args[i + 1].empty())
                throw core::Error("--skin needs a skin name or a compressed skin file");
            choice = choose(args[++i], builtInNames);
        } else if (a.rfind("--skin=", 0) == 0) {
            if (a.size() == 7)
                throw core::Error("--skin needs a skin name or a compressed skin file");
            choice = choose(a.substr(7), builtInNames);
        } else if (a.rfind("--", 0) == 0) {
            throw core::Error("unknown option " + a + " (usage: skingallery [--skin name|file] [file])");
        } else if (!a.empty()) {
            choice = {SkinChoice::Kind::File, a};
        }
    }
    return choice;
}

} // namespace gallery
