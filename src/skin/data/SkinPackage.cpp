#include "skin/data/SkinPackage.h"

#include "core/BmpCodec.h"
#include "core/Error.h"
#include "core/PlatformFiles.h"
#include "skin/data/MemIniFile.h"
#include "skin/data/SkinIni.h"
#include "skin/data/ZlibStreams.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace skin {

namespace {

bool isDirectory(const std::string& utf8Path) {
    std::error_code ec;
    return std::filesystem::is_directory(
        std::filesystem::path(reinterpret_cast<const char8_t*>(utf8Path.c_str())), ec);
}

// Reads a file named by a skin ini; a directory (an empty name in a list) fails like a missing file.
std::vector<uint8_t> readNamedFile(const std::string& path) {
    if (isDirectory(path))
        throw core::FileOpenError("Cannot open file \"" + path + "\". " + std::strerror(EISDIR));
    return core::readFileBytes(path);
}

// The directory part of a path, with its trailing separator ("" when there is none).
std::string directoryOf(const std::string& path) {
    size_t cut = core::lastPathSeparator(path);
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

void writeFlagged(core::Stream& stream, const std::vector<uint8_t>& bmp) {
    if (bmp.empty()) {
        stream.writeByte(1);
        return;
    }
    stream.writeByte(0);
    stream.writeBuffer(bmp.data(), bmp.size());
}

void checkBitmap(const std::vector<uint8_t>& bmp) {
    if (!bmp.empty())
        core::decodeBmp(bmp);
}

// Every byte left in the stream. Read straight into the result's free room, which doubles when it is
// full: the length is not known beforehand.
template <typename Bytes> Bytes readToEnd(core::Stream& stream) {
    Bytes rest;
    for (;;) {
        if (rest.size() == rest.capacity())
            rest.reserve(std::max<size_t>(4096, 2 * rest.size()));
        const size_t at = rest.size();
        rest.resize(rest.capacity());
        const size_t n = stream.read(rest.data() + at, rest.size() - at);
        rest.resize(at + n);
        if (n == 0)
            return rest;
    }
}

} // namespace

std::vector<uint8_t> SkinPackageReader::readFlaggedBitmapFile() {
    if (m_stream.readByte() != 0)
        return {};
    return core::readBmpFileBytes(m_stream);
}

std::vector<uint8_t> SkinPackageReader::readBitmapFile() {
    return core::readBmpFileBytes(m_stream);
}

std::vector<uint8_t> SkinPackageReader::readRest() {
    return readToEnd<std::vector<uint8_t>>(m_stream);
}

std::string SkinPackageReader::readRestAsText() {
    return readToEnd<std::string>(m_stream);
}

SkinPackage SkinPackage::read(core::Stream& stream) {
    SkinPackageReader reader(stream);
    SkinPackage package;
    package.version = reader.readVersion();
    if (package.version > SkinPackageReader::maxVersion)
        throw core::Error("Unsupported skin package version " + std::to_string(package.version));
    package.picture = reader.readFlaggedBitmapFile();
    checkBitmap(package.picture);
    package.inactivePicture = reader.readFlaggedBitmapFile();
    checkBitmap(package.inactivePicture);
    package.mask = reader.readFlaggedBitmapFile();
    checkBitmap(package.mask);
    if (package.version == 2) {
        checkBitmap(reader.readFlaggedBitmapFile());
        checkBitmap(reader.readFlaggedBitmapFile());
    }
    // No reserve: a hostile count fails on the first missing bitmap, not on an allocation.
    for (int32_t i = 0, n = reader.readCount(); i < n; ++i) {
        package.activePictures.push_back(reader.readBitmapFile());
        checkBitmap(package.activePictures.back());
    }
    package.iniText = reader.readRest();
    return package;
}

void SkinPackage::write(core::Stream& stream) const {
    stream.writeInt32(SkinPackageReader::maxVersion);
    writeFlagged(stream, picture);
    writeFlagged(stream, inactivePicture);
    writeFlagged(stream, mask);
    stream.writeInt32(int32_t(activePictures.size()));
    for (const auto& bmp : activePictures)
        stream.writeBuffer(bmp.data(), bmp.size());
    stream.writeBuffer(iniText.data(), iniText.size());
}

std::vector<uint8_t> SkinPackage::bytes() const {
    core::MemoryStream stream;
    write(stream);
    return stream.takeBytes();
}

bool SkinPackage::buildFromSkinIni(const std::string& iniPath, SkinPackage& out) {
    const std::vector<uint8_t> file = readNamedFile(iniPath);
    const std::vector<std::string> lines = splitTextLines(file);
    const MemIniFile ini = MemIniFile::fromBytes(file);
    if (!isSkinIni(ini))
        return false;

    const std::string dir = directoryOf(iniPath);
    auto load = [&](const std::string& name) {
        return loadBitmapFileForPackage(dir + core::localPathName(name));
    };

    SkinPackage package;
    for (auto [key, target] :
         {std::pair{"picture", &package.picture}, std::pair{"inactivepicture", &package.inactivePicture},
          std::pair{"mask", &package.mask}}) {
        std::string name = ini.readString("PICTURES", key, "");
        if (!name.empty())
            *target = load(name);
    }
    std::vector<std::string> names;
    readStringList(ini, "PICTURES", "activepictures", names);
    for (const std::string& name : names)
        package.activePictures.push_back(load(name));
    package.iniText = joinTextLines(lines);
    out = std::move(package);
    return true;
}

std::vector<uint8_t> SkinPackage::compress() const {
    core::MemoryStream raw(bytes()), packed;
    deflateWhole(raw, packed);
    return packed.takeBytes();
}

SkinPackage SkinPackage::decompress(const std::vector<uint8_t>& zlibData) {
    core::MemoryStream packed(zlibData), raw;
    inflateWhole(raw, packed);
    raw.setPosition(0);
    return read(raw);
}

std::vector<std::string> splitTextLines(const std::vector<uint8_t>& text) {
    std::vector<std::string> lines;
    size_t start = 0, i = 0;
    const size_t n = text.size();
    while (i < n) {
        uint8_t c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(reinterpret_cast<const char*>(text.data()) + start, i - start);
            i += (c == '\r' && i + 1 < n && text[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < n)
        lines.emplace_back(reinterpret_cast<const char*>(text.data()) + start, n - start);
    return lines;
}

std::vector<uint8_t> joinTextLines(const std::vector<std::string>& lines) {
    std::vector<uint8_t> out;
    for (const std::string& line : lines) {
        out.insert(out.end(), line.begin(), line.end());
        out.push_back('\r');
        out.push_back('\n');
    }
    return out;
}

CompressedSkinFile readCompressedSkinFile(core::Stream& stream) {
    CompressedSkinFile file;
    file.version = stream.readInt32();
    if (file.version > SkinPackageReader::maxVersion)
        return file;
    const int32_t size = stream.readInt32();
    // A length the file cannot hold fails before anything is allocated for it.
    if (size < 0 || int64_t(size) > stream.size() - stream.position())
        throw core::StreamError("Stream read error");
    file.data.resize(size_t(size));
    stream.readBuffer(file.data.data(), file.data.size());
    return file;
}

CompressedSkinFile readCompressedSkinFile(const std::string& path) {
    if (isDirectory(path))
        throw core::FileOpenError("Cannot open file \"" + path + "\". " + std::strerror(EISDIR));
    core::FileStream stream(path, core::FileStream::Mode::Read);
    return readCompressedSkinFile(stream);
}

void writeCompressedSkinFile(core::Stream& stream, const std::vector<uint8_t>& zlibData) {
    stream.writeInt32(SkinPackageReader::maxVersion);
    stream.writeInt32(int32_t(zlibData.size()));
    stream.writeBuffer(zlibData.data(), zlibData.size());
}

std::vector<uint8_t> loadBitmapFileForPackage(const std::string& path) {
    std::vector<uint8_t> bmp = readNamedFile(path);
    core::decodeBmp(bmp);
    if (bmp.size() > UINT32_MAX)
        throw core::InvalidImageError("Bitmap image is not valid");
    const uint32_t size = uint32_t(bmp.size());
    for (int i = 0; i < 4; ++i)
        bmp[2 + size_t(i)] = uint8_t(size >> (8 * i));
    // The store reads it back through the stream reader; make sure that one takes it too.
    core::MemoryStream check(bmp);
    core::readBmp(check);
    return bmp;
}

} // namespace skin
