#pragma once
// Classes in this file: SkinPackageReader (reads a decompressed skin package field by field, in the
// order the store loads it) and SkinPackage (a whole package in memory: read, write, build from a
// skin directory, and the compressed skin file around it).
//
// Package layout, integers little-endian: int32 version (<= 3 accepted, 3 written); three
// flag + BMP entries (picture, inactive picture, mask; flag 0 = a BMP file follows, else none);
// version 2 only: two more flag + BMP entries, discarded; int32 n and n BMP files; then the skin ini
// text, every remaining byte. A BMP file is delimited by the size field of its file header.
#include "core/Stream.h"

#include <cstdint>
#include <string>
#include <vector>

namespace skin {

class SkinPackageReader {
public:
    static constexpr int32_t maxVersion = 3;

    explicit SkinPackageReader(core::Stream& stream) : m_stream(stream) {}

    int32_t readVersion() { return m_stream.readInt32(); }
    // A flag byte and, when it is 0, the BMP file after it; empty when the flag says none.
    std::vector<uint8_t> readFlaggedBitmapFile();
    // A BMP file with no flag (an active picture).
    std::vector<uint8_t> readBitmapFile();
    int32_t readCount() { return m_stream.readInt32(); }
    // Every byte left: the skin ini text.
    std::vector<uint8_t> readRest();
    std::string readRestAsText();

private:
    core::Stream& m_stream;
};

// The compressed skin file: int32 version (<= 3 accepted), int32 length N, N bytes of zlib stream.
struct CompressedSkinFile {
    int32_t version = 3;
    std::vector<uint8_t> data;
};

class SkinPackage {
public:
    int32_t version = SkinPackageReader::maxVersion;
    // BMP files byte for byte; an empty one stands for "no bitmap" (written as flag 1).
    std::vector<uint8_t> picture;
    std::vector<uint8_t> inactivePicture;
    std::vector<uint8_t> mask;
    std::vector<std::vector<uint8_t>> activePictures;
    // The skin ini text: its lines as in the file, each ended by CR LF.
    std::vector<uint8_t> iniText;

    // Reads a whole decompressed package. A version above 3 throws core::Error naming it (the store
    // does not use this; it follows the load order itself). The BMP files are checked with the
    // decoder: core::InvalidImageError / core::StreamError as the store would raise them.
    static SkinPackage read(core::Stream& stream);
    // Writes the package as version 3 whatever version it was read as.
    void write(core::Stream& stream) const;
    std::vector<uint8_t> bytes() const;

    // Builds from a skin ini file and the bitmaps it names beside it. Returns false, changing
    // nothing, when the file is not a skin ini (one of the five sections missing or empty). Throws
    // core::FileOpenError for a file that cannot be opened and core::InvalidImageError for a named
    // file that is not a bitmap. Bitmap files keep their bytes (and so their depth and palette).
    static bool buildFromSkinIni(const std::string& iniPath, SkinPackage& out);

    // Compressed form: one zlib stream at level 9.
    std::vector<uint8_t> compress() const;
    // Unpacks and reads; damaged data throws DecompressionError "compression error".
    static SkinPackage decompress(const std::vector<uint8_t>& zlibData);
};

// The lines of a text as a list reads them: cut at CR LF, LF or CR; no empty line is added for a
// final line end. Bytes are kept as they are.
std::vector<std::string> splitTextLines(const std::vector<uint8_t>& text);
// Each line followed by CR LF.
std::vector<uint8_t> joinTextLines(const std::vector<std::string>& lines);

// Reads a compressed skin file. A version above 3 gives an empty data block (the file is not
// rejected); a length that the file does not hold throws core::StreamError "Stream read error".
CompressedSkinFile readCompressedSkinFile(const std::string& path);
CompressedSkinFile readCompressedSkinFile(core::Stream& stream);
void writeCompressedSkinFile(core::Stream& stream, const std::vector<uint8_t>& zlibData);

// Loads a bitmap file for a package: its bytes, checked with the decoder, with the file header's
// size field set to the file's length when a writer got it wrong (the field is what delimits the
// file inside a package).
std::vector<uint8_t> loadBitmapFileForPackage(const std::string& path);

} // namespace skin
