#include "skin/data/ZlibStreams.h"

#include <zlib.h>

#include <algorithm>
#include <string>

namespace skin {

namespace {

constexpr const char* invalidOperation = "Invalid stream operation";

// Says that the cap, not damage, stopped the unpacking, and what the cap is.
std::string outputLimitMessage(int64_t limit) {
    constexpr int64_t mib = int64_t(1) << 20;
    const std::string size = limit % mib == 0 && limit > 0 ? std::to_string(limit / mib) + " MiB"
                                                           : std::to_string(limit) + " bytes";
    return "unpacked data reached the limit of " + size;
}

int zlibLevel(CompressionLevel level) {
    switch (level) {
    case CompressionLevel::clNone:
        return Z_NO_COMPRESSION;
    case CompressionLevel::clFastest:
        return Z_BEST_SPEED;
    case CompressionLevel::clDefault:
        return Z_DEFAULT_COMPRESSION;
    case CompressionLevel::clMax:
        break;
    }
    return Z_BEST_COMPRESSION;
}

} // namespace

CustomZlibStream::CustomZlibStream(core::Stream& stream)
    : m_stream(stream), m_streamPosition(stream.position()), m_zstream(std::make_unique<z_stream>()) {}

CustomZlibStream::~CustomZlibStream() = default;

void CustomZlibStream::progress() {
    if (onProgress)
        onProgress(*this);
}

CompressionStream::CompressionStream(CompressionLevel level, core::Stream& destination)
    : CustomZlibStream(destination) {
    m_zstream->next_out = m_buffer.data();
    m_zstream->avail_out = uInt(bufferSize);
    int result =
        deflateInit2(m_zstream.get(), zlibLevel(level), Z_DEFLATED, MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    if (result != Z_OK) {
        // Nothing to end: the deflater was never set up.
        throw CompressionError("error");
    }
}

CompressionStream::~CompressionStream() {
    try {
        finish();
    } catch (...) {
        // NOTE: a destructor cannot report; deflateWhole and other callers that care call finish().
    }
    deflateEnd(m_zstream.get());
}

void CompressionStream::check(int result) {
    if (result < 0)
        throw CompressionError("error");
}

void CompressionStream::writeOut(size_t count) {
    m_stream.seek(m_streamPosition, core::SeekOrigin::Begin);
    m_stream.writeBuffer(m_buffer.data(), count);
    m_streamPosition = m_stream.position();
    m_zstream->next_out = m_buffer.data();
    m_zstream->avail_out = uInt(bufferSize);
    progress();
}

void CompressionStream::finish() {
    if (m_finished)
        return;
    m_finished = true;
    m_zstream->next_in = nullptr;
    m_zstream->avail_in = 0;
    for (;;) {
        int result = deflate(m_zstream.get(), Z_FINISH);
        check(result);
        size_t pending = bufferSize - m_zstream->avail_out;
        if (result == Z_STREAM_END) {
            if (pending)
                writeOut(pending);
            return;
        }
        if (m_zstream->avail_out == 0)
            writeOut(bufferSize);
    }
}

size_t CompressionStream::read(void*, size_t) {
    throw CompressionError(invalidOperation);
}

size_t CompressionStream::write(const void* buffer, size_t count) {
    if (m_finished)
        throw CompressionError(invalidOperation);
    const Bytef* in = static_cast<const Bytef*>(buffer);
    size_t left = count;
    // zlib counts in 32 bits: hand over huge writes in pieces.
    while (left > 0) {
        uInt piece = uInt(std::min<size_t>(left, size_t(1) << 30));
        m_zstream->next_in = const_cast<Bytef*>(in);
        m_zstream->avail_in = piece;
        while (m_zstream->avail_in > 0) {
            check(deflate(m_zstream.get(), Z_NO_FLUSH));
            if (m_zstream->avail_out == 0)
                writeOut(bufferSize);
        }
        in += piece;
        left -= piece;
    }
    m_consumed += int64_t(count);
    return count;
}

int64_t CompressionStream::seek(int64_t offset, core::SeekOrigin origin) {
    if (offset == 0 && origin == core::SeekOrigin::Current)
        return m_consumed;
    throw CompressionError(invalidOperation);
}

DecompressionStream::DecompressionStream(core::Stream& source) : CustomZlibStream(source) {
    m_startPosition = m_streamPosition;
    m_zstream->next_in = m_buffer.data();
    m_zstream->avail_in = 0;
    if (inflateInit(m_zstream.get()) != Z_OK)
        throw DecompressionError("compression error");
}

DecompressionStream::~DecompressionStream() {
    inflateEnd(m_zstream.get());
}

void DecompressionStream::check(int result) {
    // A stream that asks for a preset dictionary cannot be ours, and inflate would ask forever.
    if (result < 0 || result == Z_NEED_DICT)
        throw DecompressionError("compression error");
}

size_t DecompressionStream::read(void* buffer, size_t count) {
    if (count == 0 || m_ended)
        return 0;
    Bytef* out = static_cast<Bytef*>(buffer);
    size_t produced = 0;
    while (produced < count && !m_ended) {
        if (m_zstream->avail_in == 0) {
            m_stream.seek(m_streamPosition, core::SeekOrigin::Begin);
            size_t n = m_stream.read(m_buffer.data(), bufferSize);
            if (n == 0)
                break; // source exhausted: a stream cut short yields what it had
            m_streamPosition = m_stream.position();
            m_zstream->next_in = m_buffer.data();
            m_zstream->avail_in = uInt(n);
            progress();
        }
        uInt room = uInt(std::min<size_t>(count - produced, size_t(1) << 30));
        m_zstream->next_out = out + produced;
        m_zstream->avail_out = room;
        int result = inflate(m_zstream.get(), Z_NO_FLUSH);
        check(result);
        size_t made = room - m_zstream->avail_out;
        produced += made;
        m_produced += int64_t(made);
        if (m_produced > m_outputLimit)
            throw DecompressionError(outputLimitMessage(m_outputLimit));
        // NOTE: after the end, inflate would return Z_STREAM_END forever without progress.
        if (result == Z_STREAM_END)
            m_ended = true;
    }
    return produced;
}

size_t DecompressionStream::write(const void*, size_t) {
    throw DecompressionError(invalidOperation);
}

void DecompressionStream::skip(int64_t count) {
    std::array<uint8_t, bufferSize> scratch;
    while (count > 0) {
        size_t n = size_t(std::min<int64_t>(count, int64_t(bufferSize)));
        readBuffer(scratch.data(), n);
        count -= int64_t(n);
    }
}

int64_t DecompressionStream::seek(int64_t offset, core::SeekOrigin origin) {
    if (offset == 0 && origin == core::SeekOrigin::Begin) {
        check(inflateReset(m_zstream.get()));
        m_zstream->next_in = m_buffer.data();
        m_zstream->avail_in = 0;
        // Back to where the zlib stream began, which need not be the source's first byte.
        m_streamPosition = m_startPosition;
        m_stream.seek(m_startPosition, core::SeekOrigin::Begin);
        m_produced = 0;
        m_ended = false;
    } else if (offset >= 0 && origin == core::SeekOrigin::Current) {
        skip(offset);
    } else if (origin == core::SeekOrigin::Begin && offset > m_produced) {
        skip(offset - m_produced);
    } else {
        throw DecompressionError(invalidOperation);
    }
    return m_produced;
}

void deflateWhole(core::Stream& source, core::Stream& target) {
    CompressionStream compressor(CompressionLevel::clMax, target);
    source.setPosition(0);
    std::array<uint8_t, CustomZlibStream::bufferSize> buffer;
    for (;;) {
        size_t n = source.read(buffer.data(), buffer.size());
        if (n == 0)
            break;
        compressor.writeBuffer(buffer.data(), n);
    }
    compressor.finish();
}

void inflateWhole(core::Stream& target, core::Stream& source, int64_t limit) {
    source.setPosition(0);
    DecompressionStream decompressor(source);
    decompressor.setOutputLimit(limit);
    std::array<uint8_t, CustomZlibStream::bufferSize> buffer;
    for (;;) {
        size_t n = decompressor.read(buffer.data(), buffer.size());
        if (n == 0)
            break;
        target.writeBuffer(buffer.data(), n);
    }
}

} // namespace skin
