#include "Skinpack.h"

#include <iostream>

#ifdef _WIN32
#include "core/Utf8.h"

// Wide arguments, so that file names outside the ANSI code page arrive intact.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(core::wideToUtf8(argv[i]));
    return skinpack::run(args, std::cout, std::cerr);
}
#else
int main(int argc, char** argv) {
    return skinpack::run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
#endif
