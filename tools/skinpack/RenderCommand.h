#pragma once
// The "render" subcommand of skinpack.
#include <string>
#include <vector>

// args are the words after "render". Returns the process exit code.
int runRenderCommand(const std::vector<std::string>& args);
