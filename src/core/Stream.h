#pragma once
// Abstract byte stream with the framework's semantics: read/write move as far as they can and return
// the count; readBuffer/writeBuffer demand the whole count or throw.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace core {

enum class SeekOrigin { Begin, Current, End };

class Stream {
public:
    virtual ~Stream() = default;
    Stream() = default;
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;

    virtual size_t read(void* buffer, size_t count) = 0;
    virtual size_t write(const void* buffer, size_t count) = 0;
    // Returns the new position.
    virtual int64_t seek(int64_t offset, SeekOrigin origin) = 0;

    int64_t position() { return seek(0, SeekOrigin::Current); }
    void setPosition(int64_t pos) { seek(pos, SeekOrigin::Begin); }
    virtual int64_t size();

    // Throws StreamError "Stream read error" when fewer than count bytes arrive.
    void readBuffer(void* buffer, size_t count);
    // Throws StreamError "Stream write error" when fewer than count bytes are taken.
    void writeBuffer(const void* buffer, size_t count);
    // Copies count bytes from source; count 0 copies the whole source from its start.
    int64_t copyFrom(Stream& source, int64_t count);

    int32_t readInt32();
    uint8_t readByte();
    void writeInt32(int32_t value);
    void writeByte(uint8_t value);
};

// Growable in-memory stream.
class MemoryStream : public Stream {
public:
    MemoryStream() = default;
    explicit MemoryStream(std::vector<uint8_t> bytes) : m_data(std::move(bytes)) {}

    size_t read(void* buffer, size_t count) override;
    size_t write(const void* buffer, size_t count) override;
    int64_t seek(int64_t offset, SeekOrigin origin) override;
    int64_t size() override { return int64_t(m_data.size()); }

    void clear();
    void setSize(size_t size);
    const std::vector<uint8_t>& bytes() const { return m_data; }
    const uint8_t* data() const { return m_data.data(); }
    std::vector<uint8_t> takeBytes();

private:
    std::vector<uint8_t> m_data;
    size_t m_position = 0;
};

// Stream over a file; paths are UTF-8.
class FileStream : public Stream {
public:
    enum class Mode { Read, Create };
    // Throws FileOpenError "Cannot open file "%s". %s".
    FileStream(const std::string& path, Mode mode);
    ~FileStream() override;

    size_t read(void* buffer, size_t count) override;
    size_t write(const void* buffer, size_t count) override;
    int64_t seek(int64_t offset, SeekOrigin origin) override;

private:
    void* m_file = nullptr; // FILE*
};

// Reads a whole file; throws FileOpenError or StreamError.
std::vector<uint8_t> readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

} // namespace core
