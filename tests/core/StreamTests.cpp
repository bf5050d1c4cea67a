#include "core/Error.h"
#include "core/Stream.h"

#include <gtest/gtest.h>

using namespace core;

TEST(MemoryStream, ReadBufferPastEndThrowsStreamReadError) {
    MemoryStream s(std::vector<uint8_t>{1, 2, 3});
    uint8_t b[4];
    try {
        s.readBuffer(b, 4);
        FAIL();
    } catch (const StreamError& e) {
        EXPECT_STREQ(e.what(), "Stream read error");
    }
}

TEST(MemoryStream, Int32IsLittleEndianAndRoundTrips) {
    MemoryStream s;
    s.writeInt32(-2);
    s.writeInt32(0x01020304);
    EXPECT_EQ(s.bytes()[4], 0x04);
    s.setPosition(0);
    EXPECT_EQ(s.readInt32(), -2);
    EXPECT_EQ(s.readInt32(), 0x01020304);
}

TEST(MemoryStream, WritePastEndGrowsAndSeekClampsAtZero) {
    MemoryStream s;
    s.seek(3, SeekOrigin::Begin);
    s.writeByte(9);
    EXPECT_EQ(s.size(), 4);
    EXPECT_EQ(s.seek(-10, SeekOrigin::Current), 0);
}

TEST(Stream, CopyFromZeroCopiesWholeSourceFromStart) {
    MemoryStream src(std::vector<uint8_t>{1, 2, 3, 4});
    src.setPosition(2);
    MemoryStream dst;
    EXPECT_EQ(dst.copyFrom(src, 0), 4);
    EXPECT_EQ(dst.bytes(), (std::vector<uint8_t>{1, 2, 3, 4}));
}

TEST(FileStream, MissingFileNamesPathInError) {
    try {
        FileStream f("/nonexistent/dir/x.bin", FileStream::Mode::Read);
        FAIL();
    } catch (const FileOpenError& e) {
        EXPECT_NE(std::string(e.what()).find("Cannot open file \"/nonexistent/dir/x.bin\"."),
                  std::string::npos);
    }
}
