#include "Skinpack.h"
#include "core/Utf8.h"

#include <iostream>

// Wide arguments, so that file names outside the ANSI code page arrive intact.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(core::wideToUtf8(argv[i]));
    return skinpack::run(args, std::cout, std::cerr);
}
