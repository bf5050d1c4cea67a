// Feeds arbitrary bytes to the skin store's loader along the three ways a skin arrives: as the zlib
// stream a layout stores, as a decompressed package (packed here without compression, so the
// fuzzer reaches the package reader directly), and as a compressed skin file. Checks that the store
// ends in one of its two legal states and that the messages it sent match that state.
#include "core/Error.h"
#include "core/Stream.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinNotifier.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/ZlibStreams.h"

#include <cstddef>
#include <cstdint>
#include <vector>

using namespace skin;

namespace {

void check(bool condition) {
    if (!condition)
        __builtin_trap();
}

struct Recorder : SkinNotifier {
    std::vector<int> sent;
    void notify(SkinData&, int message) override { sent.push_back(message); }
};

std::vector<uint8_t> storedUncompressed(const uint8_t* data, size_t size) {
    core::MemoryStream out;
    CompressionStream c(CompressionLevel::clNone, out);
    c.writeBuffer(data, size);
    c.finish();
    return out.takeBytes();
}

void load(const std::vector<uint8_t>& zlibData) {
    Recorder recorder;
    SkinNotifier* previous = setSkinNotifier(&recorder);
    CompressedStoredSkin package;
    package.setPackageBytes(zlibData);
    SkinData store;
    bool failed = false;
    try {
        store.setCompressedStoredSkin(&package);
    } catch (const core::Error&) {
        failed = true;
    }
    setSkinNotifier(previous);

    if (zlibData.empty()) {
        check(recorder.sent.empty() && store.isSkinEmpty());
        return;
    }
    if (failed || store.isSkinEmpty()) {
        // Failed, or refused for its version: only the first message went out.
        check(store.isSkinEmpty());
        check(recorder.sent == std::vector<int>{wmBeforeChangeSkinData});
        return;
    }
    check(recorder.sent ==
          (std::vector<int>{wmBeforeChangeSkinData, wmChangeSkinData, wmAfterChangeSkinData}));
    // Lookups agree with the lists.
    for (size_t i = 0; i < store.skinControlList().size(); ++i)
        check(store.findSkinControl(store.skinControlList()[i]->idName) <= int(i));
    for (size_t i = 0; i < store.skinObjectList().size(); ++i)
        check(store.findSkinObject(store.skinObjectList()[i]->idName) <= int(i));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const uint8_t mode = data[0] % 3;
    ++data;
    --size;
    switch (mode) {
    case 0:
        load(std::vector<uint8_t>(data, data + size));
        break;
    case 1:
        load(storedUncompressed(data, size));
        // The package reader on its own must agree: what it reads it writes back readably.
        try {
            core::MemoryStream raw(std::vector<uint8_t>(data, data + size));
            SkinPackage p = SkinPackage::read(raw);
            core::MemoryStream again(p.bytes());
            check(SkinPackage::read(again).bytes() == p.bytes());
        } catch (const core::Error&) {
        }
        break;
    case 2:
        try {
            core::MemoryStream file(std::vector<uint8_t>(data, data + size));
            CompressedSkinFile f = readCompressedSkinFile(file);
            check(f.version <= 3 || f.data.empty());
            load(f.data);
        } catch (const core::Error&) {
        }
        break;
    }
    return 0;
}
