#pragma once
// The platform's side of file access: opening by UTF-8 name, 64-bit seeking and path separators.
// Implemented per platform (win32/PlatformFilesWin32.cpp / PlatformFilesPortable.cpp).
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace core {

// Opens the file named in UTF-8 with an fopen mode ("rb", "wb"); null on failure, errno set.
std::FILE* openFile(const std::string& utf8Path, const char* mode);
// fseek with a 64-bit offset; the new position (negative on failure).
int64_t seekFile(std::FILE* file, int64_t offset, int whence);

// Index of the last directory separator in path ('/', and on Windows also '\\' and ':'), or npos.
size_t lastPathSeparator(std::string_view path);
// A relative name written with Windows separators ('\\'), in the platform's own form.
std::string localPathName(std::string name);

} // namespace core
