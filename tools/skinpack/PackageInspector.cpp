#include "PackageInspector.h"

#include "core/BmpCodec.h"
#include "core/Error.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/MemIniFile.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinIni.h"
#include "skin/data/SkinRecordFactory.h"
#include "skin/data/ZlibStreams.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <set>

namespace skinpack {

namespace {

using Severity = Problem::Severity;

bool isZlibHeader(const std::vector<uint8_t>& b) {
    return b.size() >= 2 && (b[0] & 0x0F) == 8 && ((b[0] << 8) | b[1]) % 31 == 0;
}

// How many bytes the zlib stream at the start of data takes, or nullopt when it ends early or is
// damaged (the unpacking step reports those).
std::optional<size_t> zlibStreamLength(const std::vector<uint8_t>& data) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return std::nullopt;
    std::array<uint8_t, 16384> out;
    z.next_in = const_cast<Bytef*>(data.data());
    z.avail_in = uInt(data.size());
    int result = Z_OK;
    uint64_t total = 0;
    while (result == Z_OK) {
        z.next_out = out.data();
        z.avail_out = uInt(out.size());
        result = inflate(&z, Z_NO_FLUSH);
        total += out.size() - z.avail_out;
        if (result == Z_OK && z.avail_in == 0 && z.avail_out != 0)
            break; // needs more input than there is
        if (total > uint64_t(skin::defaultInflateLimit))
            break;
    }
    std::optional<size_t> length;
    if (result == Z_STREAM_END)
        length = size_t(z.total_in);
    inflateEnd(&z);
    return length;
}

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

bool endsWith(const std::string& s, std::string_view tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// Index keys of a list section below count, in order ("01" is not an index).
std::vector<int32_t> listIndexes(const skin::MemIniFile& ini, std::string_view section, int32_t count) {
    std::vector<int32_t> indexes;
    for (const std::string& key : ini.sectionKeys(section)) {
        int32_t i = 0;
        auto [ptr, ec] = std::from_chars(key.data(), key.data() + key.size(), i);
        if (ec == std::errc() && ptr == key.data() + key.size() && i >= 0 && i < count &&
            std::to_string(i) == key)
            indexes.push_back(i);
    }
    std::sort(indexes.begin(), indexes.end());
    return indexes;
}

void checkList(Inspection& r, const skin::MemIniFile& ini, const std::string& section, bool objects) {
    auto warn = [&](const std::string& text) { r.problems.push_back({Severity::Warning, text}); };
    const int32_t count = ini.readInteger(section, "count", 0);
    const std::vector<int32_t> indexes = listIndexes(ini, section, count);
    if (count > 0 && int64_t(indexes.size()) < int64_t(count)) {
        if (count - int64_t(indexes.size()) > 20)
            warn("[" + section + "] count is " + std::to_string(count) + " but only " +
                 std::to_string(indexes.size()) + " entries are present");
        else
            for (int32_t i = 0, k = 0; i < count; ++i) {
                if (size_t(k) < indexes.size() && indexes[size_t(k)] == i)
                    ++k;
                else
                    warn("[" + section + "] entry " + std::to_string(i) + " is missing");
            }
    }
    std::set<std::string> names;
    for (int32_t i : indexes) {
        const std::string entry = ini.readString(section, std::to_string(i), "");
        const std::string where = "[" + section + "] " + std::to_string(i) + "=" + entry + ": ";
        if (entry.find(':') == std::string::npos) {
            warn(where + "no \":\" between name and kind; the entry is skipped");
            continue;
        }
        skin::SkinRecordEntry e = skin::splitNameKind(entry);
        bool known = objects ? skin::createSkinObjectRecord(e.kind, e.idName) != nullptr
                             : skin::createSkinControlRecord(e.kind, e.idName) != nullptr;
        if (!known) {
            warn(where + "kind \"" + e.kind + "\" is not known; the entry is skipped");
            continue;
        }
        if (!ini.sectionExists(e.idName))
            warn(where + "there is no section [" + e.idName + "]; the record takes every default");
        if (!names.insert(e.idName).second)
            warn(where + "a record of that name comes earlier; lookups find the earlier one");
    }
}

void checkPictureIndexes(Inspection& r, const skin::MemIniFile& ini, size_t activeCount) {
    for (const std::string& section : ini.sectionNames())
        for (const std::string& key : ini.sectionKeys(section)) {
            if (!endsWith(lower(key), "pictureindex"))
                continue;
            const int32_t value = ini.readInteger(section, key, -1);
            if (value < -1 || (value >= 0 && size_t(value) >= activeCount))
                r.problems.push_back({Severity::Warning, "[" + section + "] " + key + "=" +
                                                             std::to_string(value) +
                                                             " names no active picture (the package has " +
                                                             std::to_string(activeCount) + ")"});
        }
}

void describePictures(Inspection& r, const skin::SkinPackage& p, const skin::MemIniFile& ini) {
    std::vector<std::string> activeNames;
    skin::readStringList(ini, "PICTURES", "activepictures", activeNames);
    auto add = [&](const std::string& role, const std::string& name, const std::vector<uint8_t>& bmp) {
        PictureInfo info{role, name, 0, 0, 0, bmp.size()};
        if (!bmp.empty()) {
            core::BmpImage img = core::decodeBmp(bmp);
            info.width = img.width;
            info.height = img.height;
            info.bitsPerPixel = img.bitsPerPixel;
        }
        r.pictures.push_back(info);
    };
    add("picture", ini.readString("PICTURES", "picture", ""), p.picture);
    add("inactive picture", ini.readString("PICTURES", "inactivepicture", ""), p.inactivePicture);
    add("mask", ini.readString("PICTURES", "mask", ""), p.mask);
    for (size_t i = 0; i < p.activePictures.size(); ++i)
        add("active picture " + std::to_string(i), i < activeNames.size() ? activeNames[i] : "",
            p.activePictures[i]);
}

} // namespace

const std::vector<uint8_t>& pictureBytes(const skin::SkinPackage& p, size_t index) {
    switch (index) {
    case 0:
        return p.picture;
    case 1:
        return p.inactivePicture;
    case 2:
        return p.mask;
    default:
        return p.activePictures.at(index - 3);
    }
}

bool Inspection::hasErrors() const {
    return std::any_of(problems.begin(), problems.end(),
                       [](const Problem& p) { return p.severity == Severity::Error; });
}

Inspection inspect(const std::vector<uint8_t>& fileBytes) {
    Inspection r;
    auto error = [&](const std::string& text) { r.problems.push_back({Severity::Error, text}); };
    auto warn = [&](const std::string& text) { r.problems.push_back({Severity::Warning, text}); };

    std::vector<uint8_t> zlibData;
    if (isZlibHeader(fileBytes)) {
        r.container = "zlib stream";
        zlibData = fileBytes;
    } else {
        r.container = "compressed skin file";
        core::MemoryStream stream(fileBytes);
        try {
            skin::CompressedSkinFile file = skin::readCompressedSkinFile(stream);
            r.fileVersion = file.version;
            if (file.version > skin::SkinPackageReader::maxVersion) {
                error("compressed skin file version " + std::to_string(file.version) +
                      " is above 3: it is read as holding no skin");
                return r;
            }
            zlibData = std::move(file.data);
            if (stream.position() < stream.size())
                warn(std::to_string(stream.size() - stream.position()) +
                     " bytes after the compressed data are ignored");
        } catch (const core::Error& e) {
            error(std::string("not a compressed skin file or zlib stream: ") + e.what());
            return r;
        }
        if (zlibData.empty()) {
            error("the compressed skin file holds an empty package");
            return r;
        }
    }
    r.zlibSize = zlibData.size();
    if (zlibData.size() >= 2 && !(zlibData[0] == 0x78 && zlibData[1] == 0xDA))
        warn("the zlib stream was not written at level 9 (it reads the same)");
    if (std::optional<size_t> length = zlibStreamLength(zlibData); length && *length < zlibData.size())
        warn(std::to_string(zlibData.size() - *length) +
             " bytes after the end of the zlib stream are ignored");

    core::MemoryStream raw;
    try {
        core::MemoryStream packed(zlibData);
        skin::inflateWhole(raw, packed);
    } catch (const core::Error& e) {
        error(std::string("the package does not unpack: ") + e.what());
        return r;
    }
    r.packageSize = size_t(raw.size());
    raw.setPosition(0);
    try {
        r.package = skin::SkinPackage::read(raw);
    } catch (const core::Error& e) {
        error(std::string("the package does not read: ") + e.what());
        return r;
    }
    const skin::SkinPackage& p = *r.package;
    if (p.version != skin::SkinPackageReader::maxVersion)
        warn("package version " + std::to_string(p.version) + "; skinpack build writes version 3");

    const skin::MemIniFile ini = skin::MemIniFile::fromBytes(p.iniText);
    r.iniLines = skin::splitTextLines(p.iniText).size();
    r.iniSections = ini.sectionNames().size();
    r.skinName = ini.readString("VERSION", "skinname", "");
    r.skinAuthor = ini.readString("VERSION", "skinauthor", "");
    describePictures(r, p, ini);

    // Load it exactly as the store does.
    skin::CompressedStoredSkin component;
    component.setPackageBytes(zlibData);
    skin::SkinData store;
    try {
        store.loadFromPackage(component);
        r.loaded = !store.isSkinEmpty();
    } catch (const core::Error& e) {
        error(std::string("the skin does not load: ") + e.what());
    }
    for (const auto& o : store.skinObjectList())
        ++r.objectKinds[o->kind()];
    for (const auto& c : store.skinControlList())
        ++r.controlKinds[c->kind()];
    r.objectRecords = int(store.skinObjectList().size());
    r.controlRecords = int(store.skinControlList().size());

    for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"})
        if (!ini.sectionExists(section))
            warn(std::string("section [") + section +
                 "] is missing or empty; skinpack build would refuse this skin ini");
    for (const Problem& problem : extractionObstacles(p))
        r.problems.push_back(problem);
    checkList(r, ini, "SKINOBJECTS", true);
    checkList(r, ini, "SKINCONTROLS", false);
    checkPictureIndexes(r, ini, p.activePictures.size());
    return r;
}

std::vector<Problem> extractionObstacles(const skin::SkinPackage& p) {
    std::vector<Problem> out;
    auto error = [&](const std::string& text) { out.push_back({Severity::Error, text}); };
    const skin::MemIniFile ini = skin::MemIniFile::fromBytes(p.iniText);

    // Every bitmap needs a name to be written under, and every name a bitmap to be built from.
    std::vector<std::pair<std::string, const std::vector<uint8_t>*>> files;
    for (auto [key, bmp] : {std::pair{"picture", &p.picture},
                            std::pair{"inactivepicture", &p.inactivePicture}, std::pair{"mask", &p.mask}}) {
        std::string name = ini.readString("PICTURES", key, "");
        if (!bmp->empty() && name.empty())
            error(std::string("the package holds a ") + key + " bitmap but [PICTURES] " + key +
                  " names no file");
        else if (bmp->empty() && !name.empty())
            error(std::string("[PICTURES] ") + key + "=" + name + " but the package holds no such bitmap");
        else if (!name.empty())
            files.emplace_back(name, bmp);
    }
    std::vector<std::string> names;
    skin::readStringList(ini, "PICTURES", "activepictures", names);
    if (names.size() != p.activePictures.size())
        error("[PICTURES] names " + std::to_string(names.size()) + " active pictures but the package holds " +
              std::to_string(p.activePictures.size()));
    for (size_t i = 0; i < names.size() && i < p.activePictures.size(); ++i)
        files.emplace_back(names[i], &p.activePictures[i]);

    // Names must stay inside the output directory, and one file cannot hold two different bitmaps
    // (compared without case, as Windows file names are).
    std::map<std::string, const std::vector<uint8_t>*> byPath;
    for (const auto& [name, bmp] : files) {
        std::optional<std::string> path = safeRelativePath(name);
        if (!path) {
            error("the file name \"" + name + "\" is empty, absolute or leads out of the directory");
            continue;
        }
        auto [it, inserted] = byPath.emplace(lower(*path), bmp);
        if (!inserted && *it->second != *bmp)
            error("the file name \"" + name + "\" is given to two different bitmaps");
        if (lower(*path) == "skin.ini")
            error("a bitmap is named skin.ini, the name the skin ini is written under");
    }
    if (skin::joinTextLines(skin::splitTextLines(p.iniText)) != p.iniText)
        out.push_back({Severity::Warning, "the skin ini's lines do not all end in CR LF; a rebuilt package "
                                          "would have them so"});
    return out;
}

std::optional<std::string> safeRelativePath(const std::string& name) {
    std::string path = name;
    std::replace(path.begin(), path.end(), '\\', '/');
    if (path.empty() || path.front() == '/' || path.find(':') != std::string::npos)
        return std::nullopt;
    std::string result;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        std::string part = path.substr(start, end - start);
        if (part == "..")
            return std::nullopt;
        if (!part.empty() && part != ".") {
            if (!result.empty())
                result += '/';
            result += part;
        }
        start = end + 1;
    }
    if (result.empty() || path.back() == '/')
        return std::nullopt;
    return result;
}

} // namespace skinpack
