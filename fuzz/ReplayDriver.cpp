// Runs a fuzz target over every file of the directories (or files) given, so that the corpus and
// every input a fuzzer once crashed on are checked in ordinary test runs.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fs = std::filesystem;

static void runFile(const fs::path& path, int& count) {
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    ++count;
}

int main(int argc, char** argv) {
    int count = 0;
    LLVMFuzzerTestOneInput(nullptr, 0);
    for (int i = 1; i < argc; ++i) {
        fs::path p(argv[i]);
        if (fs::is_directory(p)) {
            for (const auto& entry : fs::recursive_directory_iterator(p))
                if (entry.is_regular_file())
                    runFile(entry.path(), count);
        } else if (fs::is_regular_file(p)) {
            runFile(p, count);
        }
    }
    std::printf("replayed %d inputs\n", count);
    // A wrong corpus path replays nothing: that must not pass as a clean run.
    if (count == 0) {
        std::fprintf(stderr, "no input found in the paths given\n");
        return 1;
    }
    return 0;
}
