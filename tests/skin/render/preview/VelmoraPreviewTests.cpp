// The launcher's own skin, previewed at its picture's size, must show the picture inside the window
// region pixel for pixel, and magenta exactly outside it.
#include "core/Stream.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/render/MaskRegion.h"
#include "skin/render/preview/StorePreview.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace skin;

namespace {

const std::string kPackage = std::string(VELMORA_BINARY_DIR) + "/skins/velmora/velmora.package";

} // namespace

TEST(VelmoraPreview, OwnSizeEqualsTheMainPictureInsideTheRegion) {
    if (!std::filesystem::exists(kPackage))
        GTEST_FAIL() << "no packed skin at " << kPackage << " (the velmora_skin target builds it)";
    CompressedStoredSkin package;
    package.setPackageBytes(core::readFileBytes(kPackage));
    SkinData store;
    store.loadFromPackage(package);
    ASSERT_FALSE(store.isSkinEmpty());

    const core::FBitmap& picture = store.mainPicture();
    ASSERT_EQ(picture.width(), 184);
    ASSERT_EQ(picture.height(), 141);
    const FramePreviewSkin skin = framePreviewSkin(store);
    const core::FBitmap window = renderFramePreview(skin, 184, 141, FrameState::Active);

    Region region = maskRegion(store.maskPicture());
    region.unite(Region(store.formInfo().maskRectArea));
    int inside = 0;
    for (int y = 0; y < 141; ++y)
        for (int x = 0; x < 184; ++x) {
            if (region.contains({x, y})) {
                ++inside;
                ASSERT_EQ(window.pixel(x, y), picture.pixel(x, y)) << x << "," << y;
            } else {
                ASSERT_EQ(window.pixel(x, y), core::rgb(255, 0, 255)) << x << "," << y;
            }
        }
    EXPECT_GT(inside, 184 * 141 * 9 / 10);
}
