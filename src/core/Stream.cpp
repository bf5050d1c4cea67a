#include "core/Stream.h"

#include "core/Error.h"
#include "core/PlatformFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

namespace core {

int64_t Stream::size() {
    int64_t pos = seek(0, SeekOrigin::Current);
    int64_t end = seek(0, SeekOrigin::End);
    seek(pos, SeekOrigin::Begin);
    return end;
}

void Stream::readBuffer(void* buffer, size_t count) {
    if (count != 0 && read(buffer, count) != count)
        throw StreamError("Stream read error");
}

void Stream::writeBuffer(const void* buffer, size_t count) {
    if (count != 0 && write(buffer, count) != count)
        throw StreamError("Stream write error");
}

int64_t Stream::copyFrom(Stream& source, int64_t count) {
    if (count == 0) {
        source.setPosition(0);
        count = source.size();
    }
    int64_t result = count;
    uint8_t buffer[61440];
    while (count > 0) {
        size_t n = size_t(std::min<int64_t>(count, sizeof buffer));
        source.readBuffer(buffer, n);
        writeBuffer(buffer, n);
        count -= int64_t(n);
    }
    return result;
}

int32_t Stream::readInt32() {
    uint8_t b[4];
    readBuffer(b, 4);
    return int32_t(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24);
}

uint8_t Stream::readByte() {
    uint8_t b;
    readBuffer(&b, 1);
    return b;
}

void Stream::writeInt32(int32_t value) {
    uint32_t v = uint32_t(value);
    uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    writeBuffer(b, 4);
}

void Stream::writeByte(uint8_t value) {
    writeBuffer(&value, 1);
}

size_t MemoryStream::read(void* buffer, size_t count) {
    if (m_position >= m_data.size())
        return 0;
    size_t n = std::min(count, m_data.size() - m_position);
    std::memcpy(buffer, m_data.data() + m_position, n);
    m_position += n;
    return n;
}

size_t MemoryStream::write(const void* buffer, size_t count) {
    if (count == 0)
        return 0;
    if (m_position + count > m_data.size())
        m_data.resize(m_position + count);
    std::memcpy(m_data.data() + m_position, buffer, count);
    m_position += count;
    return count;
}

int64_t MemoryStream::seek(int64_t offset, SeekOrigin origin) {
    int64_t base = origin == SeekOrigin::Begin     ? 0
                   : origin == SeekOrigin::Current ? int64_t(m_position)
                                                   : int64_t(m_data.size());
    int64_t pos = base + offset;
    m_position = size_t(std::max<int64_t>(pos, 0));
    return int64_t(m_position);
}

void MemoryStream::clear() {
    m_data.clear();
    m_position = 0;
}

void MemoryStream::setSize(size_t size) {
    m_data.resize(size);
    m_position = std::min(m_position, size);
}

std::vector<uint8_t> MemoryStream::takeBytes() {
    m_position = 0;
    return std::exchange(m_data, {});
}

FileStream::FileStream(const std::string& path, Mode mode) {
    m_file = openFile(path, mode == Mode::Read ? "rb" : "wb");
    if (!m_file)
        throw FileOpenError("Cannot open file \"" + path + "\". " + std::strerror(errno));
}

FileStream::~FileStream() {
    std::fclose(static_cast<FILE*>(m_file));
}

size_t FileStream::read(void* buffer, size_t count) {
    return std::fread(buffer, 1, count, static_cast<FILE*>(m_file));
}

size_t FileStream::write(const void* buffer, size_t count) {
    return std::fwrite(buffer, 1, count, static_cast<FILE*>(m_file));
}

int64_t FileStream::seek(int64_t offset, SeekOrigin origin) {
    auto* f = static_cast<FILE*>(m_file);
    int whence = origin == SeekOrigin::Begin ? SEEK_SET : origin == SeekOrigin::Current ? SEEK_CUR : SEEK_END;
    return seekFile(f, offset, whence);
}

std::vector<uint8_t> readFileBytes(const std::string& path) {
    FileStream file(path, FileStream::Mode::Read);
    int64_t size = file.size();
    std::vector<uint8_t> bytes(size_t(size > 0 ? size : 0));
    file.readBuffer(bytes.data(), bytes.size());
    return bytes;
}

void writeFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    FileStream file(path, FileStream::Mode::Create);
    file.writeBuffer(bytes.data(), bytes.size());
}

} // namespace core
