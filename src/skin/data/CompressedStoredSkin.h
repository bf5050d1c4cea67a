#pragma once
// The component that carries a skin inside a window's layout: one zlib-compressed skin package,
// stored as the binary property "CompressedData". The skin store unpacks it when the component is
// assigned to it.
#include "core/Component.h"
#include "core/Stream.h"

#include <string>

namespace skin {

class CompressedStoredSkin : public core::Component {
public:
    explicit CompressedStoredSkin(core::Component* owner = nullptr);

    const char* className() const override { return "TCompressedStoredSkin"; }

    const std::string& description() const { return m_description; }
    void setDescription(const std::string& text) { m_description = text; }

    // Name (without directory) of the skin ini the package was last built from. While designing
    // (and not loading a layout), setting it builds the package from the full path given.
    const std::string& fileName() const { return m_fileName; }
    void setFileName(const std::string& path);

    // Name (without directory) of the compressed skin file the package was last read from. While
    // designing, setting it reads that file.
    const std::string& compressedFileName() const { return m_compressedFileName; }
    void setCompressedFileName(const std::string& path);

    // The compressed package; empty means the component holds no skin.
    core::MemoryStream& packageData() { return m_packageData; }
    const core::MemoryStream& packageData() const { return m_packageData; }
    bool isPackageEmpty() const { return m_packageData.bytes().empty(); }
    void setPackageBytes(std::vector<uint8_t> bytes);

    // Inflates the whole package and writes it to target at its position, 4096 bytes at a time.
    // Throws DecompressionError "compression error" for damaged data.
    void unpackTo(core::Stream& target);

    // Builds the package from a skin ini and the bitmaps beside it. A file that is not a skin ini
    // changes nothing. A failure (a missing or invalid bitmap) is raised and the package keeps its
    // previous content.
    void buildFromSkinIni(const std::string& iniPath);
    // Replaces the package from a compressed skin file; a version above 3 empties it. A failure to
    // read is raised and the package keeps its previous content.
    void readCompressedSkinFile(const std::string& path);

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;

private:
    std::string m_description;
    std::string m_fileName;
    std::string m_compressedFileName;
    core::MemoryStream m_packageData;
};

// The file-name part of a path (after the last directory separator).
std::string extractFileName(const std::string& path);

} // namespace skin
