// skinpack render, run in-process: the written file is the preview, and bad requests fail cleanly.
#include "RenderCommand.h"
#include "core/BmpCodec.h"
#include "core/Stream.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string kSkinIni = std::string(VELMORA_SOURCE_DIR) + "/skins/velmora/skin.ini";
const std::string kOutDir = std::string(VELMORA_BINARY_DIR) + "/tests/skin/render/out";

} // namespace

TEST(RenderCommand, WritesTheFrameAsA24BitBitmap) {
    std::filesystem::create_directories(kOutDir);
    const std::string out = kOutDir + "/frame.bmp";
    std::filesystem::remove(out);
    ASSERT_EQ(runRenderCommand({kSkinIni, "--size", "300x200", "-o", out}), 0);
    const core::BmpImage image = core::decodeBmp(core::readFileBytes(out));
    EXPECT_EQ(image.bitsPerPixel, 24);
    EXPECT_EQ(image.width, 300);
    EXPECT_EQ(image.height, 200);
    EXPECT_EQ(image.pixel(0, 0), core::rgb(255, 0, 255)); // the skin's corners are cut away
    EXPECT_NE(image.pixel(150, 100), core::rgb(255, 0, 255));
    ASSERT_EQ(runRenderCommand({kSkinIni, "--inactive", "--size", "300X200", "-o", out}), 0);
    EXPECT_EQ(runRenderCommand({"--help"}), 0);
}

TEST(RenderCommand, RefusesBadRequests) {
    const std::string out = kOutDir + "/refused.bmp";
    struct Case {
        std::vector<std::string> args;
        int code;
    } cases[] = {
        {{}, 2},
        {{kSkinIni, "--size", "300x200"}, 2},            // no output
        {{kSkinIni, "--size", "300", "-o", out}, 2},     // no height
        {{kSkinIni, "--size", "0x200", "-o", out}, 2},   // empty side
        {{kSkinIni, "--size", "99999x9", "-o", out}, 2}, // too wide
        {{kSkinIni, "--size", "300x200", "-o"}, 2},      // option without value
        {{kSkinIni, "--bogus", "-o", out}, 2},
        {{kSkinIni, "--size", "100x20", "-o", out}, 1}, // below the smallest frame
        {{kSkinIni + ".missing", "--size", "300x200", "-o", out}, 1},
        {{std::string(VELMORA_SOURCE_DIR) + "/README.md", "--size", "300x200", "-o", out}, 1},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(out);
        EXPECT_EQ(runRenderCommand(c.args), c.code) << ::testing::PrintToString(c.args);
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}
