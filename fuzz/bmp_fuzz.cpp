// Feeds arbitrary bytes to the BMP decoder, directly and through the stream reader a package uses,
// and checks that whatever decodes encodes at its own depth and decodes back to the same image.
#include "core/BmpCodec.h"
#include "core/Error.h"
#include "core/Stream.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

void check(bool condition) {
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        core::BmpImage image = core::decodeBmp(data, size);
        check(image.pixels.size() == size_t(image.stride()) * size_t(image.height));
        std::vector<uint8_t> file = core::encodeBmp(image);
        core::BmpImage back = core::decodeBmp(file);
        check(back.width == image.width && back.height == image.height &&
              back.bitsPerPixel == image.bitsPerPixel);
        core::FBitmap a = image.toFBitmap(), b = back.toFBitmap();
        check(a == b);
    } catch (const core::InvalidImageError&) {
    }
    try {
        core::MemoryStream stream(std::vector<uint8_t>(data, data + size));
        std::vector<uint8_t> file = core::readBmpFileBytes(stream);
        check(file.size() >= 26 && file[0] == 'B' && file[1] == 'M');
        core::decodeBmp(file);
    } catch (const core::StreamError&) {
    } catch (const core::InvalidImageError&) {
    }
    return 0;
}
