// Windows file access: wide names, so that paths outside the ANSI code page open too.
#include "core/PlatformFiles.h"

#include "core/Utf8.h"

#include <cwchar>

namespace core {

std::FILE* openFile(const std::string& utf8Path, const char* mode) {
    return _wfopen(utf8ToWide(utf8Path).c_str(), utf8ToWide(mode).c_str());
}

int64_t seekFile(std::FILE* file, int64_t offset, int whence) {
    _fseeki64(file, offset, whence);
    return _ftelli64(file);
}

size_t lastPathSeparator(std::string_view path) {
    return path.find_last_of("/\\:");
}

std::string localPathName(std::string name) {
    return name;
}

} // namespace core
