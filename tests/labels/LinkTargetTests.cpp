#include "labels/LinkTarget.h"

#include <gtest/gtest.h>

using namespace labels;

TEST(LinkTarget, BlankUrlFallsBackToTheCaptionAndBlankBothToNothing) {
    EXPECT_EQ(linkTarget("http://www.example.com", "caption"), "http://www.example.com");
    EXPECT_EQ(linkTarget("   ", "www.example.org"), "www.example.org");
    EXPECT_EQ(linkTarget("\t\r\n", " www.example.org "), " www.example.org ") << "opened untrimmed";
    EXPECT_EQ(linkTarget(" ", "\x01 "), "");
    EXPECT_EQ(linkTarget("", ""), "");
}

TEST(LinkTarget, OnlyHtmExtensionsAskForAWebPageProgram) {
    EXPECT_TRUE(isWebPageTarget("C:\\docs\\index.htm"));
    EXPECT_TRUE(isWebPageTarget("http://www.example.com/page.HtM"));
    EXPECT_FALSE(isWebPageTarget("http://www.example.com/page.html"));
    EXPECT_FALSE(isWebPageTarget("http://www.example.com"));
    EXPECT_FALSE(isWebPageTarget("C:\\site.htm\\readme"));
    EXPECT_FALSE(isWebPageTarget("htm"));
    EXPECT_FALSE(isWebPageTarget(""));
}
