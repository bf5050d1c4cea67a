#pragma once
// The skinpack command line: build, inspect, extract and verify skin packages.
#include <ostream>
#include <string>
#include <vector>

namespace skinpack {

// args are the words after the program name (UTF-8). Returns the process exit code: 0 success,
// 1 bad input or a failed operation, 2 wrong usage.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace skinpack
