#pragma once
// Reads a skin in any of its stored forms (compressed skin file or bare zlib stream), loads it the
// way the store does, and lists what it holds and what is wrong with it.
#include "skin/data/SkinPackage.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace skinpack {

struct Problem {
    enum class Severity { Warning, Error };
    Severity severity = Severity::Warning;
    std::string text;
};

struct PictureInfo {
    std::string role; // "picture", "active picture 3", ...
    std::string name; // its [PICTURES] name, if any
    int32_t width = 0;
    int32_t height = 0;
    int bitsPerPixel = 0;
    size_t fileSize = 0;
};

struct Inspection {
    std::string container;   // "compressed skin file" or "zlib stream"
    int32_t fileVersion = 0; // compressed skin file only
    size_t zlibSize = 0;
    size_t packageSize = 0;
    std::optional<skin::SkinPackage> package; // absent when it could not be read
    // picture, inactive picture, mask, then the active pictures in order.
    std::vector<PictureInfo> pictures;
    size_t iniLines = 0;
    size_t iniSections = 0;
    std::string skinName;
    std::string skinAuthor;
    std::map<std::string, int> objectKinds;
    std::map<std::string, int> controlKinds;
    int objectRecords = 0;
    int controlRecords = 0;
    bool loaded = false; // the store loaded it without error
    std::vector<Problem> problems;

    bool hasErrors() const;
};

// The bytes of pictures[index] of an inspection of the package.
const std::vector<uint8_t>& pictureBytes(const skin::SkinPackage& package, size_t index);

// Takes the bytes of a compressed skin file or of a bare zlib stream (told apart by the zlib
// header). Never throws for bad content: everything wrong ends up in problems.
Inspection inspect(const std::vector<uint8_t>& fileBytes);

// What stands in the way of extracting the package into files that build back into the same
// package (errors), and what would come back changed (warnings).
std::vector<Problem> extractionObstacles(const skin::SkinPackage& package);

// A file name from a skin ini as a safe relative path below the output directory, or nullopt when it
// is absolute, climbs out with "..", or is empty.
std::optional<std::string> safeRelativePath(const std::string& name);

} // namespace skinpack
