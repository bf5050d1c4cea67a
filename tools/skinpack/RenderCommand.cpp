#include "RenderCommand.h"

#include "core/BmpCodec.h"
#include "core/Error.h"
#include "core/Stream.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/render/preview/StorePreview.h"

#include <charconv>
#include <iostream>
#include <optional>

namespace {

constexpr const char* usage = "usage: skinpack render <skin> --size WxH [--inactive] -o <file.bmp>\n"
                              "  <skin> is a skin ini (bitmaps beside it), a compressed skin file or a\n"
                              "  zlib stream; pixels outside the window region are magenta (255, 0, 255)\n";

struct Options {
    std::string skin;
    std::string output;
    int32_t width = 0;
    int32_t height = 0;
    bool inactive = false;
};

std::optional<int32_t> parseSide(std::string_view text) {
    int32_t v = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || v < 1 || v > core::maxBmpSide)
        return std::nullopt;
    return v;
}

// Options, or nullopt after printing what is wrong.
std::optional<Options> parse(const std::vector<std::string>& args) {
    Options o;
    bool haveSize = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--inactive") {
            o.inactive = true;
        } else if (a == "--size" || a == "-o") {
            if (i + 1 >= args.size()) {
                std::cerr << "render: " << a << " needs a value\n";
                return std::nullopt;
            }
            const std::string& value = args[++i];
            if (a == "-o") {
                o.output = value;
                continue;
            }
            const size_t x = value.find_first_of("xX");
            std::optional<int32_t> w, h;
            if (x != std::string::npos) {
                w = parseSide(std::string_view(value).substr(0, x));
                h = parseSide(std::string_view(value).substr(x + 1));
            }
            if (!w || !h) {
                std::cerr << "render: size \"" << value << "\" is not WxH with sides from 1 to "
                          << core::maxBmpSide << "\n";
                return std::nullopt;
            }
            o.width = *w;
            o.height = *h;
            haveSize = true;
        } else if (!a.empty() && a[0] == '-') {
            std::cerr << "render: unknown option " << a << "\n";
            return std::nullopt;
        } else if (o.skin.empty()) {
            o.skin = a;
        } else {
            std::cerr << "render: more than one skin given\n";
            return std::nullopt;
        }
    }
    if (o.skin.empty() || !haveSize || o.output.empty()) {
        std::cerr << usage;
        return std::nullopt;
    }
    if (int64_t(o.width) * o.height > core::maxBmpPixels) {
        std::cerr << "render: " << o.width << "x" << o.height << " is too large\n";
        return std::nullopt;
    }
    return o;
}

bool isZlibHeader(const std::vector<uint8_t>& b) {
    return b.size() >= 2 && (b[0] & 0x0F) == 8 && ((b[0] << 8) | b[1]) % 31 == 0;
}

// Fills the package from the skin file in whichever form it comes.
void loadPackage(const std::string& path, skin::CompressedStoredSkin& package) {
    const std::vector<uint8_t> bytes = core::readFileBytes(path);
    if (isZlibHeader(bytes)) {
        package.setPackageBytes(bytes);
        return;
    }
    package.buildFromSkinIni(path);
    if (package.isPackageEmpty())
        package.readCompressedSkinFile(path);
}

} // namespace

int runRenderCommand(const std::vector<std::string>& args) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << usage;
        return 0;
    }
    const std::optional<Options> o = parse(args);
    if (!o)
        return 2;
    try {
        skin::CompressedStoredSkin package;
        loadPackage(o->skin, package);
        skin::SkinData store;
        if (!package.isPackageEmpty())
            store.loadFromPackage(package);
        if (store.isSkinEmpty()) {
            std::cerr << "render: " << o->skin << " holds no skin this program can load\n";
            return 1;
        }
        const skin::FramePreviewSkin previewSkin = skin::framePreviewSkin(store);
        if (!previewSkin.picture || previewSkin.picture->isEmpty()) {
            std::cerr << "render: the skin has no main picture to draw a frame from\n";
            return 1;
        }
        const core::Point minimum = skin::minimumFrameSize(previewSkin);
        if (o->width < minimum.x || o->height < minimum.y) {
            std::cerr << "render: " << o->width << "x" << o->height
                      << " is smaller than the skin's smallest frame, " << minimum.x << "x" << minimum.y
                      << "\n";
            return 1;
        }
        const core::FBitmap window =
            skin::renderFramePreview(previewSkin, o->width, o->height,
                                     o->inactive ? skin::FrameState::Inactive : skin::FrameState::Active);
        core::FileStream out(o->output, core::FileStream::Mode::Create);
        core::writeBmp(out, window);
        std::cout << "rendered " << o->width << "x" << o->height << (o->inactive ? " inactive" : "")
                  << " frame to " << o->output << "\n";
        return 0;
    } catch (const core::Error& e) {
        std::cerr << "render: " << e.what() << "\n";
        return 1;
    }
}
