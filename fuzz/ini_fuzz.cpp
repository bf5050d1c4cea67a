// Feeds arbitrary bytes to the skin ini reader, every typed reader and the records' reading, and
// checks that writing what was read and reading it again is stable.
#include "core/Error.h"
#include "skin/data/MemIniFile.h"
#include "skin/data/SkinIni.h"
#include "skin/data/SkinRecords.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

using namespace skin;

namespace {

void check(bool condition) {
    if (!condition)
        __builtin_trap();
}

// Conversion errors are the expected way for a malformed rect or point to fail; anything else escapes.
template <typename F> void tolerant(F&& f) {
    try {
        f();
    } catch (const core::ConvertError&) {
    }
}

template <typename Record>
void checkRecordRoundTrip(Record& record, const MemIniFile& ini,
                          const std::function<std::unique_ptr<Record>()>& fresh) {
    bool read = false;
    tolerant([&] {
        record.readFromIni(ini);
        read = true;
    });
    if (!read)
        return;
    MemIniFile first;
    record.writeToIni(first);
    auto again = fresh();
    again->readFromIni(first); // must not throw: what was written is canonical
    MemIniFile second;
    again->writeToIni(second);
    check(first.lines() == second.lines());
}

void readEveryType(const MemIniFile& ini, const std::string& section, const std::string& key) {
    tolerant([&] { readRect(ini, section, key); });
    tolerant([&] { readPoint(ini, section, key); });
    readFlag(ini, section, key);
    readFontStyles(ini, section, key);
    readAlignment(ini, section, key);
    readMorphKind(ini, section, key);
    readInActiveEffect(ini, section, key);
    readCommand(ini, section, key);
    ini.readInteger(section, key, 0);
    // Long lists only cost time (their cap is covered by the unit tests).
    if (ini.readInteger(section, key + "count", 0) <= 4096) {
        std::vector<std::string> list;
        readStringList(ini, section, key, list);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    const std::string_view raw(reinterpret_cast<const char*>(data), size);
    tolerant([&] { parseRect(raw); });
    tolerant([&] { parsePoint(raw); });
    int32_t value = 0;
    tryParseInteger(raw, value);

    const MemIniFile ini = MemIniFile::fromBytes(bytes);
    check(MemIniFile::fromText(ini.text()).lines() == ini.lines());
    isSkinIni(ini);

    DataSkinPopupWindow popup;
    tolerant([&] { popup.readFromIni(ini); });
    DataSkinHintWindow hint;
    tolerant([&] { hint.readFromIni(ini); });

    const auto& objectKinds = skinObjectKinds();
    const auto& controlKinds = skinControlKinds();
    size_t sections = 0;
    for (const std::string& name : ini.sectionNames()) {
        if (++sections > 16)
            break;
        size_t keys = 0;
        for (const std::string& key : ini.sectionKeys(name)) {
            if (++keys > 16)
                break;
            readEveryType(ini, name, key);
        }
        const size_t pick = std::hash<std::string>()(name);
        const std::string_view objectKind = objectKinds[pick % objectKinds.size()];
        auto object = createSkinObjectRecord(objectKind, name);
        checkRecordRoundTrip<DataSkinObject>(*object, ini,
                                             [&] { return createSkinObjectRecord(objectKind, name); });
        const std::string_view controlKind = controlKinds[pick % controlKinds.size()];
        auto control = createSkinControlRecord(controlKind, name);
        checkRecordRoundTrip<DataSkinControl>(*control, ini,
                                              [&] { return createSkinControlRecord(controlKind, name); });
    }
    return 0;
}
