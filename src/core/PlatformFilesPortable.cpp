// POSIX file access: names are passed through as bytes, only '/' separates directories.
#include "core/PlatformFiles.h"

#include <algorithm>
#include <sys/types.h>

namespace core {

std::FILE* openFile(const std::string& utf8Path, const char* mode) {
    return std::fopen(utf8Path.c_str(), mode);
}

int64_t seekFile(std::FILE* file, int64_t offset, int whence) {
    fseeko(file, off_t(offset), whence);
    return int64_t(ftello(file));
}

size_t lastPathSeparator(std::string_view path) {
    return path.find_last_of('/');
}

std::string localPathName(std::string name) {
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

} // namespace core
