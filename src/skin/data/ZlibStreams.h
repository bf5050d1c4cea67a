#pragma once
// Classes in this file: ZlibError, CompressionError, DecompressionError, CustomZlibStream,
// CompressionStream, DecompressionStream — stream adapters over zlib, and the whole-stream helpers
// deflateWhole / inflateWhole that the skin package uses.
//
// Both adapters exchange 4096-byte buffers with the underlying stream and put it back where they
// last left it before each use, so that others may move it between calls.
#include "core/Error.h"
#include "core/Stream.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

struct z_stream_s;

namespace skin {

class ZlibError : public core::Error {
public:
    using Error::Error;
};

// Raised by the compressor: "error" for a zlib failure, "Invalid stream operation" for reading or
// seeking it.
class CompressionError : public ZlibError {
public:
    using ZlibError::ZlibError;
};

// Raised by the decompressor: "compression error" for damaged data, "unpacked data reached the
// limit of 64 MiB" (the limit in force) for data that would unpack beyond the output limit,
// "Invalid stream operation" for writing it or seeking it backwards.
class DecompressionError : public ZlibError {
public:
    using ZlibError::ZlibError;
};

// No skin package unpacks anywhere near this; a hostile one must not take all memory instead.
constexpr int64_t defaultInflateLimit = int64_t(64) << 20;

class CustomZlibStream : public core::Stream {
public:
    static constexpr size_t bufferSize = 4096;
    ~CustomZlibStream() override;

    // Called each time a buffer has been exchanged with the underlying stream.
    std::function<void(CustomZlibStream&)> onProgress;

protected:
    explicit CustomZlibStream(core::Stream& stream);
    void progress();

    core::Stream& m_stream;
    int64_t m_streamPosition = 0; // where this adapter last left the underlying stream
    std::array<uint8_t, bufferSize> m_buffer{};
    std::unique_ptr<z_stream_s> m_zstream;
};

enum class CompressionLevel { clNone, clFastest, clDefault, clMax };

// Write-only: compresses what is written into the destination as one zlib stream.
class CompressionStream final : public CustomZlibStream {
public:
    CompressionStream(CompressionLevel level, core::Stream& destination);
    // Finishes the zlib stream when finish() was not called. Failures there cannot be reported, so
    // callers that need to know call finish() themselves.
    ~CompressionStream() override;

    // Completes the zlib stream and writes its tail; further writes fail. Throws CompressionError.
    void finish();

    size_t read(void* buffer, size_t count) override;
    size_t write(const void* buffer, size_t count) override;
    // Only seek(0, Current), which returns the count of bytes taken so far.
    int64_t seek(int64_t offset, core::SeekOrigin origin) override;

private:
    void writeOut(size_t count);
    void check(int result);

    int64_t m_consumed = 0;
    bool m_finished = false;
};

// Read-only: unpacks the zlib stream that the source holds from its current position. The end of
// the zlib stream reads as the end of data; bytes after it are ignored.
class DecompressionStream final : public CustomZlibStream {
public:
    explicit DecompressionStream(core::Stream& source);
    ~DecompressionStream() override;

    // Unpacking past limit bytes fails with a DecompressionError that names the limit.
    void setOutputLimit(int64_t limit) { m_outputLimit = limit; }
    int64_t outputLimit() const { return m_outputLimit; }

    size_t read(void* buffer, size_t count) override;
    size_t write(const void* buffer, size_t count) override;
    // seek(0, Begin) starts over; forward seeks read and discard; anything else fails. Returns the
    // count of bytes produced so far.
    int64_t seek(int64_t offset, core::SeekOrigin origin) override;

private:
    void check(int result);
    void skip(int64_t count);

    int64_t m_startPosition = 0;
    int64_t m_produced = 0;
    int64_t m_outputLimit = defaultInflateLimit;
    bool m_ended = false;
};

// Compresses the whole of source (from its start) at level max into target at its position.
void deflateWhole(core::Stream& source, core::Stream& target);
// Unpacks the zlib stream of source (from its start) into target at its position.
void inflateWhole(core::Stream& target, core::Stream& source, int64_t limit = defaultInflateLimit);

} // namespace skin
