#include "skin/data/ZlibStreams.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <random>
#include <string>

using namespace skin;
using core::MemoryStream;
using core::SeekOrigin;

namespace {

std::vector<uint8_t> sampleBytes(size_t size, unsigned seed = 1) {
    // Half noise, half text-like runs, so both stored and compressed blocks occur.
    std::mt19937 rng(seed);
    std::vector<uint8_t> v(size);
    for (size_t i = 0; i < size; ++i)
        v[i] = (i / 1000) % 2 ? uint8_t(rng()) : uint8_t("skinrect=1,2,3,4\r\n"[i % 18]);
    return v;
}

std::vector<uint8_t> deflated(const std::vector<uint8_t>& bytes) {
    MemoryStream src(bytes), dst;
    deflateWhole(src, dst);
    return dst.bytes();
}

std::vector<uint8_t> inflated(const std::vector<uint8_t>& packed, int64_t limit = defaultInflateLimit) {
    MemoryStream src(packed), dst;
    inflateWhole(dst, src, limit);
    return dst.bytes();
}

template <class E, class F> std::string errorOf(F f) {
    try {
        f();
    } catch (const E& e) {
        return e.what();
    }
    return "no error";
}

} // namespace

TEST(ZlibStreams, WholeStreamRoundTripAcrossBufferBoundaries) {
    for (size_t size : {size_t(0), size_t(1), size_t(4095), size_t(4096), size_t(4097), size_t(70001)}) {
        SCOPED_TRACE(size);
        auto bytes = sampleBytes(size);
        auto packed = deflated(bytes);
        ASSERT_GE(packed.size(), 2u);
        // Level 9 with the default window: the zlib header is 78 DA.
        EXPECT_EQ(packed[0], 0x78);
        EXPECT_EQ(packed[1], 0xDA);
        EXPECT_EQ(inflated(packed), bytes);
    }
}

TEST(ZlibStreams, OutputIsZlibsOwnLevelNineStream) {
    // Same settings as zlib's one-shot compress2 at level 9, so the bytes must match exactly.
    auto bytes = sampleBytes(50000, 7);
    std::vector<uint8_t> expected(compressBound(uLong(bytes.size())));
    uLongf len = uLongf(expected.size());
    ASSERT_EQ(compress2(expected.data(), &len, bytes.data(), uLong(bytes.size()), 9), Z_OK);
    expected.resize(len);
    EXPECT_EQ(deflated(bytes), expected);
}

TEST(ZlibStreams, CompressorIsWriteOnly) {
    MemoryStream dst;
    CompressionStream c(CompressionLevel::clMax, dst);
    c.writeBuffer("abcdef", 6);
    EXPECT_EQ(c.seek(0, SeekOrigin::Current), 6);
    uint8_t b;
    EXPECT_EQ(errorOf<CompressionError>([&] { c.read(&b, 1); }), "Invalid stream operation");
    EXPECT_EQ(errorOf<CompressionError>([&] { c.seek(0, SeekOrigin::Begin); }), "Invalid stream operation");
    EXPECT_EQ(errorOf<CompressionError>([&] { c.seek(1, SeekOrigin::Current); }), "Invalid stream operation");
    c.finish();
    EXPECT_EQ(errorOf<CompressionError>([&] { c.write("x", 1); }), "Invalid stream operation");
}

TEST(ZlibStreams, CompressorDestructorFinishesTheStream) {
    MemoryStream dst;
    {
        CompressionStream c(CompressionLevel::clFastest, dst);
        c.writeBuffer("hello", 5);
    }
    EXPECT_EQ(inflated(dst.bytes()), (std::vector<uint8_t>{'h', 'e', 'l', 'l', 'o'}));
}

TEST(ZlibStreams, DecompressorSeekRules) {
    auto bytes = sampleBytes(20000);
    MemoryStream src(deflated(bytes));
    DecompressionStream d(src);
    uint8_t buf[100];
    EXPECT_EQ(errorOf<DecompressionError>([&] { d.write(buf, 1); }), "Invalid stream operation");

    // Forward from the current position and from the start read and discard.
    EXPECT_EQ(d.seek(10000, SeekOrigin::Current), 10000);
    d.readBuffer(buf, 10);
    EXPECT_EQ(0, memcmp(buf, bytes.data() + 10000, 10));
    EXPECT_EQ(d.seek(15000, SeekOrigin::Begin), 15000);
    d.readBuffer(buf, 10);
    EXPECT_EQ(0, memcmp(buf, bytes.data() + 15000, 10));

    // Backwards, or from the end, is not possible.
    EXPECT_EQ(errorOf<DecompressionError>([&] { d.seek(5, SeekOrigin::Begin); }), "Invalid stream operation");
    EXPECT_EQ(errorOf<DecompressionError>([&] { d.seek(-1, SeekOrigin::Current); }),
              "Invalid stream operation");
    EXPECT_EQ(errorOf<DecompressionError>([&] { d.seek(0, SeekOrigin::End); }), "Invalid stream operation");

    // Back to the start begins again.
    EXPECT_EQ(d.seek(0, SeekOrigin::Begin), 0);
    d.readBuffer(buf, 100);
    EXPECT_EQ(0, memcmp(buf, bytes.data(), 100));

    // Past the end: a read error.
    EXPECT_EQ(errorOf<core::StreamError>([&] { d.seek(30000, SeekOrigin::Begin); }), "Stream read error");
}

TEST(ZlibStreams, AdaptersPutTheUnderlyingStreamBackBeforeUse) {
    // The zlib stream starts at offset 5 of the source and the source is moved between reads; the
    // decompressor still reads its own bytes, and a restart goes back to offset 5.
    auto bytes = sampleBytes(30000, 3);
    auto packed = deflated(bytes);
    MemoryStream src;
    src.writeBuffer("XXXXX", 5);
    src.writeBuffer(packed.data(), packed.size());
    src.setPosition(5);
    DecompressionStream d(src);
    std::vector<uint8_t> out(30000);
    d.readBuffer(out.data(), 10000);
    src.setPosition(0);
    d.readBuffer(out.data() + 10000, 20000);
    EXPECT_EQ(out, bytes);
    d.seek(0, SeekOrigin::Begin);
    d.readBuffer(out.data(), 10);
    EXPECT_EQ(0, memcmp(out.data(), bytes.data(), 10));

    // Likewise the compressor writes on where it left off although the destination moved.
    MemoryStream dst;
    {
        CompressionStream c(CompressionLevel::clNone, dst);
        c.writeBuffer(bytes.data(), 15000);
        dst.setPosition(0);
        c.writeBuffer(bytes.data() + 15000, 15000);
        c.finish();
    }
    EXPECT_EQ(inflated(dst.bytes()), bytes);
}

TEST(ZlibStreams, ProgressIsReportedPerBufferExchanged) {
    auto bytes = sampleBytes(40000, 9);
    MemoryStream src(bytes), dst;
    int calls = 0;
    {
        CompressionStream c(CompressionLevel::clNone, dst);
        c.onProgress = [&](CustomZlibStream&) { ++calls; };
        c.writeBuffer(bytes.data(), bytes.size());
        c.finish();
    }
    // Stored blocks: at least one buffer per 4096 bytes written out.
    EXPECT_GE(calls, int(dst.size() / 4096));
    EXPECT_LE(calls, int(dst.size() / 4096) + 1);
}

TEST(ZlibStreams, DamagedDataFailsWithCompressionError) {
    auto packed = deflated(sampleBytes(5000));
    auto damaged = packed;
    damaged[0] = 0x12; // not a zlib header
    EXPECT_EQ(errorOf<DecompressionError>([&] { inflated(damaged); }), "compression error");
    damaged = packed;
    damaged.back() ^= 0x55; // Adler-32 trailer
    EXPECT_EQ(errorOf<DecompressionError>([&] { inflated(damaged); }), "compression error");
    // A header asking for a preset dictionary fails instead of waiting for one forever.
    std::vector<uint8_t> dict = {0x78, 0xBB, 0, 0, 0, 1, 0x03, 0x00};
    EXPECT_EQ(errorOf<DecompressionError>([&] { inflated(dict); }), "compression error");
}

TEST(ZlibStreams, CutShortYieldsAPrefixAndTrailingBytesAreIgnored) {
    auto bytes = sampleBytes(20000, 5);
    auto packed = deflated(bytes);
    auto cut = std::vector<uint8_t>(packed.begin(), packed.begin() + long(packed.size() / 2));
    auto prefix = inflated(cut);
    EXPECT_LT(prefix.size(), bytes.size());
    EXPECT_TRUE(std::equal(prefix.begin(), prefix.end(), bytes.begin()));

    auto trailing = packed;
    trailing.insert(trailing.end(), 5000, 0xAB);
    EXPECT_EQ(inflated(trailing), bytes);
}

TEST(ZlibStreams, UnpackingStopsAtTheOutputLimit) {
    auto packed = deflated(std::vector<uint8_t>(10000, 0));
    EXPECT_EQ(inflated(packed, 10000).size(), 10000u);
    EXPECT_EQ(errorOf<DecompressionError>([&] { inflated(packed, 9999); }),
              "unpacked data reached the limit of 9999 bytes");
    // The package's own cap is named in MiB.
    auto big = deflated(std::vector<uint8_t>(size_t(defaultInflateLimit) + 1, 0));
    EXPECT_EQ(errorOf<DecompressionError>([&] { inflated(big); }),
              "unpacked data reached the limit of 64 MiB");
}
