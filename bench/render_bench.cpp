// Skin rendering costs as ratios against copying the same bytes, measured in one run:
//   compose     a 1920 x 1080 skinned frame (nine pieces, tiled and stretched bands, client tiled)
//   maskruns    the region runs of a 184 x 141 mask with round corners
//   crossfade   a cross-fade of two 200 x 100 bitmaps
//   resize      what a skinned window redoes on every resize, at 1920 x 1080 with the Velmora skin:
//               the frame geometry, the four border strips and the window region laid out from the
//               mask's pieces (its region data block included), against copying the border strips'
//               bytes; the picture's repeated rows and the mask's runs are worked out once, as the
//               window does when its skin changes
// Each is followed by its memcpy baseline; the ratios are printed at the end.
#include "core/Stream.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/render/EffectBmp.h"
#include "skin/render/MaskRegion.h"
#include "skin/render/MaskShape.h"
#include "skin/render/SkinCompose.h"
#include "skin/render/preview/StorePreview.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

using namespace skin;
using core::FBitmap;

namespace {

FBitmap patterned(int w, int h) {
    FBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.setPixel(x, y, core::rgb(uint8_t(x * 7), uint8_t(y * 3), uint8_t(x ^ y)));
    return b;
}

// A launcher-sized frame: 184 x 141 with its corner points and client rect.
const SkinFrame kFrame{{16, 34}, {67, 34}, {12, 127}, {174, 128}, {8, 28, 179, 134}};

void copyBytes(benchmark::State& state, size_t size) {
    std::vector<uint8_t> from(size, 1), to(size);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), size);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}

void composeFrame(benchmark::State& state) {
    const FBitmap picture = patterned(184, 141);
    const SkinFrame target = targetFrame(kFrame, 184, 141, 1920, 1080);
    FBitmap dest;
    for (auto _ : state) {
        composeSkinImage(kFrame, target, dest, picture, picture.bounds(), 1920, 1080, DrawClient::Yes,
                         {false, true, false, false});
        benchmark::DoNotOptimize(dest.bits());
    }
}
void composeFrameBaseline(benchmark::State& state) {
    copyBytes(state, FBitmap(1920, 1080).byteSize());
}

FBitmap roundedMask(int w, int h, int radius) {
    FBitmap mask(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int dx = std::max({radius - x, x - (w - 1 - radius), 0});
            const int dy = std::max({radius - y, y - (h - 1 - radius), 0});
            mask.setPixel(x, y, dx * dx + dy * dy <= radius * radius ? core::clBlack : core::clWhite);
        }
    return mask;
}

void maskRunsBench(benchmark::State& state) {
    const FBitmap mask = roundedMask(184, 141, 10);
    for (auto _ : state) {
        std::vector<uint8_t> block = regionRectsFromMask(mask, 0, 0);
        benchmark::DoNotOptimize(block.data());
    }
}
void maskRunsBaseline(benchmark::State& state) {
    copyBytes(state, FBitmap(184, 141).byteSize());
}

void crossFadeBench(benchmark::State& state) {
    EffectBmp own(patterned(200, 100));
    const EffectBmp target(patterned(200, 100));
    for (auto _ : state) {
        own.crossFade(target, 0.4);
        benchmark::DoNotOptimize(own.bitmap().bits());
    }
}
void crossFadeBaseline(benchmark::State& state) {
    copyBytes(state, FBitmap(200, 100).byteSize());
}

// The Velmora skin as the launcher loads it.
const SkinData& velmoraSkin() {
    static CompressedStoredSkin package;
    static SkinData store;
    static const bool loaded = [] {
        package.setPackageBytes(core::readFileBytes(VELMORA_BINARY_DIR "/skins/velmora/velmora.package"));
        store.loadFromPackage(package);
        return true;
    }();
    (void)loaded;
    return store;
}

constexpr int32_t kResizeWidth = 1920, kResizeHeight = 1080;

void resizeBench(benchmark::State& state) {
    const FramePreviewSkin skin = framePreviewSkin(velmoraSkin());
    const FBitmap& picture = *skin.picture;
    FormBorderImages strips;
    const FormBorderPlan plan(skin.metrics.frame(), picture, picture.bounds());
    MaskShape shape(skin.metrics.maskFrame(), *skin.mask);
    for (auto _ : state) {
        const FrameGeometry g = computeFrameGeometry(skin.metrics, kResizeWidth, kResizeHeight);
        composeFormBorderImages(skin.metrics.frame(), g.frame(), strips, picture, picture.bounds(),
                                kResizeWidth, kResizeHeight, skin.stretch, &plan);
        shape.layout(g.maskFrame(), kResizeWidth, kResizeHeight);
        const Region region = shape.region();
        std::vector<uint8_t> block = makeRegionData(region.rects(), region.bounds());
        benchmark::DoNotOptimize(strips.top.bits());
        benchmark::DoNotOptimize(block.data());
    }
}
void resizeBaseline(benchmark::State& state) {
    const FramePreviewSkin skin = framePreviewSkin(velmoraSkin());
    const FrameGeometry g = computeFrameGeometry(skin.metrics, kResizeWidth, kResizeHeight);
    FormBorderImages strips;
    composeFormBorderImages(skin.metrics.frame(), g.frame(), strips, *skin.picture, skin.picture->bounds(),
                            kResizeWidth, kResizeHeight, skin.stretch);
    copyBytes(state, strips.top.byteSize() + strips.bottom.byteSize() + strips.left.byteSize() +
                         strips.right.byteSize());
}

// Collects each benchmark's time per iteration for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) // CPU time: steadier on a busy machine; the median when repeated
            if (run.aggregate_name.empty() || run.aggregate_name == "median")
                m_times[run.run_name.str()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    double time(const std::string& name) const {
        auto it = m_times.find(name);
        return it == m_times.end() ? 0 : it->second;
    }

private:
    std::map<std::string, double> m_times;
};

} // namespace

BENCHMARK(composeFrame)->Name("compose");
BENCHMARK(composeFrameBaseline)->Name("compose/memcpy");
BENCHMARK(maskRunsBench)->Name("maskruns");
BENCHMARK(maskRunsBaseline)->Name("maskruns/memcpy");
BENCHMARK(crossFadeBench)->Name("crossfade");
BENCHMARK(crossFadeBaseline)->Name("crossfade/memcpy");
BENCHMARK(resizeBench)->Name("resize");
BENCHMARK(resizeBaseline)->Name("resize/memcpy");

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char* name : {"compose", "maskruns", "crossfade", "resize"}) {
        const double subject = reporter.time(name), baseline = reporter.time(std::string(name) + "/memcpy");
        if (subject > 0 && baseline > 0)
            std::printf("%-10s %8.1f x memcpy of the same bytes\n", name, subject / baseline);
    }
    benchmark::Shutdown();
    return 0;
}
