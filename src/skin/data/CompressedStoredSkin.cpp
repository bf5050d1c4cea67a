#include "skin/data/CompressedStoredSkin.h"

#include "core/PlatformFiles.h"
#include "core/Property.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/ZlibStreams.h"

namespace skin {

CompressedStoredSkin::CompressedStoredSkin(core::Component* owner) : core::Component(owner) {}

void CompressedStoredSkin::setFileName(const std::string& path) {
    if (isDesigning() && !isLoading()) {
        m_fileName = extractFileName(path);
        buildFromSkinIni(path);
    } else {
        m_fileName = path;
    }
}

void CompressedStoredSkin::setCompressedFileName(const std::string& path) {
    if (isDesigning() && !isLoading()) {
        m_compressedFileName = extractFileName(path);
        readCompressedSkinFile(path);
    } else {
        m_compressedFileName = path;
    }
}

void CompressedStoredSkin::setPackageBytes(std::vector<uint8_t> bytes) {
    m_packageData.clear();
    m_packageData.writeBuffer(bytes.data(), bytes.size());
    m_packageData.setPosition(0);
}

void CompressedStoredSkin::unpackTo(core::Stream& target) {
    inflateWhole(target, m_packageData);
}

void CompressedStoredSkin::buildFromSkinIni(const std::string& iniPath) {
    SkinPackage package;
    if (!SkinPackage::buildFromSkinIni(iniPath, package))
        return;
    // NOTE: built aside and swapped in, so that a failed build leaves the previous skin in place.
    setPackageBytes(package.compress());
}

void CompressedStoredSkin::readCompressedSkinFile(const std::string& path) {
    CompressedSkinFile file = skin::readCompressedSkinFile(path);
    setPackageBytes(std::move(file.data));
}

bool CompressedStoredSkin::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == "Description")
        setDescription(value.asString());
    else if (name == "FileName")
        setFileName(value.asString());
    else if (name == "CompressedFileName")
        setCompressedFileName(value.asString());
    else if (name == "CompressedData")
        setPackageBytes(value.asBytes());
    else
        return core::Component::setProperty(name, value);
    return true;
}

void CompressedStoredSkin::writeProperties(core::PropertyWriter& out) const {
    core::Component::writeProperties(out);
    if (!m_description.empty())
        out.writeString("Description", m_description);
    if (!m_fileName.empty())
        out.writeString("FileName", m_fileName);
    if (!m_compressedFileName.empty())
        out.writeString("CompressedFileName", m_compressedFileName);
    // Always written, also when empty, so that a stored empty package reloads as empty.
    out.writeBytes("CompressedData", m_packageData.bytes());
}

std::string extractFileName(const std::string& path) {
    size_t cut = core::lastPathSeparator(path);
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

} // namespace skin
