// Loading a skin ini and reading all its records, against a plain pass over the same bytes that only
// counts lines. The ini has the stored skin's shape: about 1,500 lines in 77 sections. The ratio
// shows whether loading stays linear with a small constant factor.
#include "skin/data/MemIniFile.h"
#include "skin/data/SkinIni.h"
#include "skin/data/SkinRecords.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

using namespace skin;

namespace {

constexpr int targetLines = 1500;

// Fills every field of a record's section with a non-default value of the right shape by reading a
// section that a written record lays out, with numbers varied per key.
void fillSection(MemIniFile& ini, const std::string& name, int seed) {
    int n = seed;
    for (const std::string& key : ini.sectionKeys(name)) {
        const std::string value = ini.readString(name, key, "");
        if (value.find(',') != std::string::npos && value.size() < 20)
            ini.writeString(name, key,
                            value.size() > 4
                                ? std::to_string(n % 97) + "," + std::to_string(n % 89) + "," +
                                      std::to_string(n % 97 + 20) + "," + std::to_string(n % 89 + 20)
                                : std::to_string(n % 50) + "," + std::to_string(n % 40));
        else if (value == "0" || value == "-1")
            ini.writeString(name, key, std::to_string(n % 7));
        ++n;
    }
}

std::vector<uint8_t> makeSkinIni() {
    const std::vector<std::pair<std::string, std::string>> objects = {
        {"closebutton", "stdbutton"},     {"maxbutton", "stdbutton"},
        {"minbutton", "stdbutton"},       {"sysmenu", "stdbutton"},
        {"rollup", "stdbutton"},          {"caption1", "caption"},
        {"menuitem", "menuitem"},         {"menubaritem", "mainmenubaritem"},
        {"mbclose", "mainmenubarbutton"}, {"logo", "animate"},
        {"user1", "userobject"},
    };
    const char* controlKinds[] = {"panel",   "panel",    "stdlabel",   "button",   "label",
                                  "bevel",   "panel",    "checkradio", "edit",     "panel",
                                  "listbox", "combobox", "scrollbar",  "gauge",    "trackbar",
                                  "tab",     "updown",   "spinedit",   "stdlabel", "slider"};
    MemIniFile ini;
    ini.writeString("VERSION", "skinname", "Bench");
    ini.writeString("VERSION", "skinauthor", "Velmora");
    ini.writeString("VERSION", "ver", "3");
    ini.writeString("PICTURES", "picture", "main.bmp");
    ini.writeString("PICTURES", "mask", "mask.bmp");
    writeStringList(ini, "PICTURES", "activepictures", {"a.bmp", "b.bmp", "c.bmp", "d.bmp", "e.bmp"});
    for (const char* key : {"lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint"})
        writePoint(ini, "FORMINFO", key, {12, 30});
    writeRect(ini, "FORMINFO", "clientrect", {5, 28, 195, 190});
    ini.writeInteger("SKINOBJECTS", "count", int32_t(objects.size()));
    for (size_t i = 0; i < objects.size(); ++i)
        ini.writeString("SKINOBJECTS", std::to_string(i), objects[i].first + ":" + objects[i].second);
    ini.writeInteger("SKINCONTROLS", "count", 59);
    for (int i = 0; i < 59; ++i)
        ini.writeString("SKINCONTROLS", std::to_string(i),
                        "control" + std::to_string(i) + ":" + controlKinds[i % std::size(controlKinds)]);
    DataSkinPopupWindow().writeToIni(ini);
    DataSkinHintWindow().writeToIni(ini);
    fillSection(ini, "POPUPWINDOW", 3);
    fillSection(ini, "HINTWINDOW", 5);
    for (size_t i = 0; i < objects.size(); ++i) {
        createSkinObjectRecord(objects[i].second, objects[i].first)->writeToIni(ini);
        fillSection(ini, objects[i].first, int(i));
    }
    for (int i = 0; i < 59; ++i) {
        const std::string name = "control" + std::to_string(i);
        createSkinControlRecord(controlKinds[i % std::size(controlKinds)], name)->writeToIni(ini);
        fillSection(ini, name, i);
    }
    // Pad [VERSION] with keys nobody reads until the text has the target length (section blank lines
    // included, as lines() lays them out).
    for (int i = 0; int(ini.lines().size()) < targetLines; ++i)
        ini.writeString("VERSION", "comment" + std::to_string(i), "padding");
    const std::string text = ini.text();
    return {text.begin(), text.end()};
}

const std::vector<uint8_t>& skinIni() {
    static const std::vector<uint8_t> bytes = makeSkinIni();
    return bytes;
}

// What the store does with a skin ini: every section it reads, with the readers of each key's type.
size_t loadSkin(const std::vector<uint8_t>& bytes) {
    const MemIniFile ini = MemIniFile::fromBytes(bytes);
    size_t work = 0;
    for (const char* key : {"skinname", "skinauthor", "authoremail", "authorurl", "skincomments"})
        work += ini.readString("VERSION", key, "").size();
    for (const char* key : {"picture", "inactivepicture", "mask"})
        work += ini.readString("PICTURES", key, "").size();
    std::vector<std::string> pictures;
    readStringList(ini, "PICTURES", "activepictures", pictures);
    work += pictures.size();
    for (const char* key :
         {"lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint", "hittestlefttoppoint",
          "hittestrighttoppoint", "hittestleftbottompoint", "hittestrightbottompoint"})
        work += size_t(readPoint(ini, "FORMINFO", key).x);
    for (const char* key : {"clientrect", "maskrectarea", "buttonsrect", "captionrect"})
        work += size_t(readRect(ini, "FORMINFO", key).right);
    for (const char* key : {"leftstretch", "rightstretch", "topstretch", "bottomstretch", "buttonsinleft",
                            "mainmenupopupup", "autorenderinginactiveimage"})
        work += readFlag(ini, "FORMINFO", key);
    for (const char* key : {"bgpictureindex", "mdibgpictureindex", "buttonsoffset", "borderwidth"})
        work += size_t(ini.readInteger("FORMINFO", key, -1));
    work += size_t(readInActiveEffect(ini, "FORMINFO", "inactiveeffect"));
    DataSkinPopupWindow popup;
    popup.readFromIni(ini);
    DataSkinHintWindow hint;
    hint.readFromIni(ini);

    std::vector<std::unique_ptr<DataSkinObject>> objects;
    const int32_t objectCount = ini.readInteger("SKINOBJECTS", "count", 0);
    for (int32_t i = 0; i < objectCount; ++i) {
        const auto entry = splitNameKind(ini.readString("SKINOBJECTS", std::to_string(i), ""));
        if (auto record = createSkinObjectRecord(entry.kind, entry.idName)) {
            record->readFromIni(ini);
            objects.push_back(std::move(record));
        }
    }
    std::vector<std::unique_ptr<DataSkinControl>> controls;
    const int32_t controlCount = ini.readInteger("SKINCONTROLS", "count", 0);
    for (int32_t i = 0; i < controlCount; ++i) {
        const auto entry = splitNameKind(ini.readString("SKINCONTROLS", std::to_string(i), ""));
        if (auto record = createSkinControlRecord(entry.kind, entry.idName)) {
            record->readFromIni(ini);
            controls.push_back(std::move(record));
        }
    }
    return work + objects.size() + controls.size();
}

void BM_CountLines(benchmark::State& state) {
    const auto& bytes = skinIni();
    for (auto _ : state) {
        size_t lines = 0;
        for (const uint8_t b : bytes)
            lines += b == '\n';
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(int64_t(state.iterations() * bytes.size()));
}
BENCHMARK(BM_CountLines);

void BM_LoadSkinIniAndReadAllRecords(benchmark::State& state) {
    const auto& bytes = skinIni();
    for (auto _ : state)
        benchmark::DoNotOptimize(loadSkin(bytes));
    state.SetBytesProcessed(int64_t(state.iterations() * bytes.size()));
}
BENCHMARK(BM_LoadSkinIniAndReadAllRecords);

// Keeps each benchmark's CPU time per iteration (the machine may be shared) so that the ratio can be printed
// after the run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> nanoseconds;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.iterations > 0 && (run.aggregate_name.empty() || run.aggregate_name == "median"))
                nanoseconds[run.run_name.str()] =
                    run.GetAdjustedCPUTime() * (run.time_unit == benchmark::kMicrosecond   ? 1e3
                                                : run.time_unit == benchmark::kMillisecond ? 1e6
                                                                                           : 1.0);
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const MemIniFile ini = MemIniFile::fromBytes(skinIni());
    std::printf("skin ini: %zu bytes, %zu lines, %zu sections\n", skinIni().size(), ini.lines().size(),
                ini.sectionNames().size());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double baseline = reporter.nanoseconds["BM_CountLines"];
    const double load = reporter.nanoseconds["BM_LoadSkinIniAndReadAllRecords"];
    if (baseline > 0 && load > 0)
        std::printf("load and read all records / count lines = %.1f\n", load / baseline);
    benchmark::Shutdown();
    return 0;
}
