#include "core/Utf8.h"

#include <gtest/gtest.h>

using namespace core;

TEST(Utf8, ValidationRejectsMalformedSequences) {
    EXPECT_TRUE(isValidUtf8("abc"));
    EXPECT_TRUE(isValidUtf8("安装向导"));
    EXPECT_FALSE(isValidUtf8("\xE5\xAE"));         // cut short
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));         // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(isValidUtf8("\xB0\xB2\xD7\xB0")); // GB2312 bytes
    // Runs of ASCII are skipped a word at a time: sequences right after a run, across a word's edge
    // and cut short at the very end.
    EXPECT_TRUE(isValidUtf8("skinname=\xC3\xA9t\xC3\xA9 and more ascii"));
    EXPECT_TRUE(isValidUtf8("1234567\xE5\xAE\x89"));
    EXPECT_FALSE(isValidUtf8("12345678\x80"));
    EXPECT_FALSE(isValidUtf8("1234567812345678\xE5\xAE"));
}

TEST(Utf8, Utf16RoundTripIncludingAstralPlane) {
    std::string s = "Velmora安装向导\xF0\x9F\x98\x80";
    EXPECT_EQ(utf16ToUtf8(utf8ToUtf16(s)), s);
    EXPECT_EQ(utf8ToUtf16("\xF0\x9F\x98\x80").size(), 2u);
}

TEST(Utf8, UpperCaseFoldsAsciiAndLatinButKeepsCjk) {
    EXPECT_EQ(utf8ToUpper("skinRect"), "SKINRECT");
    EXPECT_EQ(utf8ToUpper("\xC3\xA9t\xC3\xA9"), "\xC3\x89T\xC3\x89"); // été
    EXPECT_EQ(utf8ToUpper("宋体"), "宋体");
    EXPECT_EQ(latin1ToUtf8("\xE9"), "\xC3\xA9");
}
