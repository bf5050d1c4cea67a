// Time of a full skin load (unpack, bitmaps, ini, records) against a bare zlib inflate of the same
// package, for a skin the size of the launcher's: an 8-bit picture and a 1-bit mask of 184 x 141,
// nine active pictures (8-bit pictures and 1-bit masks) and a skin ini of about 1500 lines.
#include "core/BmpCodec.h"
#include "core/Stream.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/ZlibStreams.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <random>
#include <string>

namespace {

std::vector<uint8_t> picture(int w, int h, int bpp, unsigned seed) {
    core::BmpImage img;
    img.width = w;
    img.height = h;
    img.bitsPerPixel = bpp;
    for (int i = 0; i < (1 << bpp); ++i)
        img.palette.push_back(core::rgb(uint8_t(i * 3), uint8_t(i * 5), uint8_t(255 - i)));
    img.pixels.resize(size_t(img.stride()) * size_t(h));
    // Artwork-like: runs of a colour with some noise, so it compresses as real pictures do.
    std::mt19937 rng(seed);
    uint8_t value = 0;
    for (auto& b : img.pixels) {
        if (rng() % 8 == 0)
            value = uint8_t(rng());
        b = value;
    }
    return core::encodeBmp(img);
}

std::string launcherSizedIni() {
    const char* controlKinds[] = {"panel", "label", "button", "checkradio", "edit", "bevel", "stdlabel"};
    std::string ini = "[VERSION]\r\nver=2\r\nskinname=Bench\r\nskinauthor=Velmora\r\n\r\n"
                      "[PICTURES]\r\npicture=main.bmp\r\nmask=mask.bmp\r\nactivepicturescount=9\r\n";
    for (int i = 0; i < 9; ++i)
        ini += std::to_string(i) + "=a" + std::to_string(i) + ".bmp\r\n";
    ini += "\r\n[FORMINFO]\r\nlefttoppoint=10,30\r\nrighttoppoint=174,30\r\nleftbottompoint=10,131\r\n"
           "rightbottompoint=174,131\r\nclientrect=10,30,174,131\r\nmaskrectarea=0,0,184,141\r\n"
           "buttonsrect=100,5,180,25\r\ncaptionrect=10,5,100,25\r\nborderwidth=4\r\n\r\n"
           "[POPUPWINDOW]\r\nwindowpictureindex=0\r\nitemsrect=3,3,50,50\r\n"
           "[HINTWINDOW]\r\nwindowpictureindex=1\r\nfontname=Arial\r\n\r\n[SKINOBJECTS]\r\ncount=11\r\n";
    for (int i = 0; i < 11; ++i)
        ini +=
            std::to_string(i) + "=object" + std::to_string(i) + (i < 6 ? ":stdbutton\r\n" : ":caption\r\n");
    ini += "\r\n[SKINCONTROLS]\r\ncount=59\r\n";
    for (int i = 0; i < 59; ++i)
        ini += std::to_string(i) + "=control" + std::to_string(i) + ":" + controlKinds[i % 7] + "\r\n";
    auto section = [&](const std::string& name, int lines) {
        ini += "\r\n[" + name + "]\r\npictureindex=" + std::to_string(lines % 9) + "\r\n";
        const char* keys[] = {"skinrect",   "activeskinrect", "downskinrect",
                              "clientrect", "captionrect",    "textrect"};
        for (int k = 0; k < lines; ++k)
            ini += std::string(keys[k % 6]) + (k >= 6 ? std::to_string(k) : "") + "=" + std::to_string(k) +
                   "," + std::to_string(k + 1) + "," + std::to_string(k + 20) + "," + std::to_string(k + 30) +
                   "\r\n";
        ini += "fontname=Arial\r\nfontheight=14\r\nfontcolor=0\r\nlefttoppoint=3,3\r\nrightbottompoint=40,"
               "20\r\n";
    };
    for (int i = 0; i < 11; ++i)
        section("object" + std::to_string(i), 14);
    for (int i = 0; i < 59; ++i)
        section("control" + std::to_string(i), 14);
    return ini;
}

const std::vector<uint8_t>& launcherSizedPackage() {
    static const std::vector<uint8_t> packed = [] {
        skin::SkinPackage p;
        p.picture = picture(184, 141, 8, 1);
        p.mask = picture(184, 141, 1, 2);
        const int sizes[9][3] = {{184, 141, 8}, {120, 60, 8}, {64, 64, 8},  {200, 30, 8}, {32, 200, 8},
                                 {120, 60, 1},  {64, 64, 1},  {200, 30, 1}, {32, 200, 1}};
        for (int i = 0; i < 9; ++i)
            p.activePictures.push_back(picture(sizes[i][0], sizes[i][1], sizes[i][2], 10 + unsigned(i)));
        std::string ini = launcherSizedIni();
        p.iniText = skin::joinTextLines(skin::splitTextLines(std::vector<uint8_t>(ini.begin(), ini.end())));
        return p.compress();
    }();
    return packed;
}

void BM_InflateOnly(benchmark::State& state) {
    const std::vector<uint8_t>& packed = launcherSizedPackage();
    for (auto _ : state) {
        core::MemoryStream source(packed), target;
        skin::inflateWhole(target, source);
        benchmark::DoNotOptimize(target.bytes().data());
    }
}
BENCHMARK(BM_InflateOnly);

void BM_LoadFromPackage(benchmark::State& state) {
    skin::CompressedStoredSkin component;
    component.setPackageBytes(launcherSizedPackage());
    skin::SkinData store;
    for (auto _ : state) {
        store.loadFromPackage(component);
        benchmark::DoNotOptimize(store.skinControlList().data());
    }
    if (store.skinControlList().size() != 59 || store.activePictureList().size() != 9)
        state.SkipWithError("the benchmark skin did not load as expected");
}
BENCHMARK(BM_LoadFromPackage);

// Prints the usual table, then the ratio of the two benchmarks (CPU time: steadier on a busy machine).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) // the median when repeated
            if (run.aggregate_name.empty() || run.aggregate_name == "median")
                m_times[run.run_name.str()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        auto inflate = m_times.find("BM_InflateOnly"), load = m_times.find("BM_LoadFromPackage");
        if (inflate != m_times.end() && load != m_times.end() && inflate->second > 0)
            std::printf("loadFromPackage / bare inflate = %.2f\n", load->second / inflate->second);
    }

private:
    std::map<std::string, double> m_times;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::vector<uint8_t> raw;
    {
        core::MemoryStream source(launcherSizedPackage()), target;
        skin::inflateWhole(target, source);
        raw = target.bytes();
    }
    const std::string ini = launcherSizedIni();
    std::printf("package: %zu bytes compressed, %zu unpacked, %zu ini lines\n", launcherSizedPackage().size(),
                raw.size(), skin::splitTextLines(std::vector<uint8_t>(ini.begin(), ini.end())).size());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
