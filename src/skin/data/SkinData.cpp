#include "skin/data/SkinData.h"

#include "core/BmpCodec.h"
#include "core/Error.h"
#include "core/FormMessages.h"
#include "core/Property.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/MemIniFile.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinNotifier.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/SkinRecordFactory.h"
#include "skin/data/ZlibStreams.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace skin {

namespace {

core::FBitmap decodeToFBitmap(const std::vector<uint8_t>& bmp) {
    return bmp.empty() ? core::FBitmap() : core::decodeBmpToFBitmap(bmp.data(), bmp.size());
}

// The pictures of one package together hold at most this many pixels (96 MiB as working bitmaps; a
// real skin holds a few million). The unpacked data's limit does not bound them: a few bytes of
// run-length or one-bit data can declare a picture of the largest size, again and again.
constexpr int64_t maxPackagePixels = int64_t(32) << 20;

// Decodes the package's pictures one after another within maxPackagePixels, checked from each
// header before its pixels take memory.
class PictureBudget {
public:
    core::FBitmap decode(const std::vector<uint8_t>& bmp) {
        if (!bmp.empty()) {
            m_pixels += core::bmpPixelCount(bmp.data(), bmp.size());
            if (m_pixels > maxPackagePixels)
                throw core::InvalidImageError(
                    "Bitmap image is not valid: the skin's pictures hold more than " +
                    std::to_string(maxPackagePixels) + " pixels");
        }
        return decodeToFBitmap(bmp);
    }

private:
    int64_t m_pixels = 0;
};

// The indexes below count that have a key, in order. Only these can make records: a missing entry
// reads as empty text, whose kind is in no table. Walking the keys rather than 0..count-1 keeps a
// damaged "count" of two billion from meaning two billion lookups.
std::vector<int32_t> presentEntries(const MemIniFile& ini, std::string_view section, int32_t count) {
    std::vector<int32_t> indexes;
    for (const std::string& key : ini.sectionKeys(section)) {
        int32_t index = 0;
        auto [ptr, ec] = std::from_chars(key.data(), key.data() + key.size(), index);
        // Only the decimal form of an index names an entry ("01" or "+1" does not).
        if (ec != std::errc() || ptr != key.data() + key.size() || index < 0 || std::to_string(index) != key)
            continue;
        if (index < count)
            indexes.push_back(index);
    }
    std::sort(indexes.begin(), indexes.end());
    return indexes;
}

template <class Record, class Create>
void readList(const MemIniFile& ini, std::string_view section, std::vector<std::unique_ptr<Record>>& list,
              Create create) {
    const int32_t count = ini.readInteger(section, "count", 0);
    for (int32_t i : presentEntries(ini, section, count)) {
        SkinRecordEntry entry = splitNameKind(ini.readString(section, std::to_string(i), ""));
        std::unique_ptr<Record> record = create(entry.kind, entry.idName);
        if (!record)
            continue; // a kind outside the table
        list.push_back(std::move(record));
        list.back()->readFromIni(ini);
    }
}

} // namespace

SkinData::SkinData(core::Component* owner) : core::Component(owner) {}

SkinData::~SkinData() {
    // Tell referencing components first, while everything they might look at still exists.
    beginDestroy();
    m_skinEmpty = true;
    clearRecords();
}

void SkinData::setCompressedStoredSkin(CompressedStoredSkin* package) {
    if (m_compressedStoredSkin && m_compressedStoredSkin != package)
        removeFreeNotification(m_compressedStoredSkin);
    m_compressedStoredSkin = package;
    if (package)
        freeNotification(package);
    if (!isDesigning() && package)
        loadFromPackage(*package);
}

void SkinData::setResourceStrData(ResourceStrData* strings) {
    if (m_resourceStrData && m_resourceStrData != strings)
        removeFreeNotification(m_resourceStrData);
    m_resourceStrData = strings;
    if (strings)
        freeNotification(strings);
    if (!isDesigning())
        broadcastSkinMessage(wmChangeResStrData);
}

void SkinData::notification(core::Component* component, core::Operation operation) {
    core::Component::notification(component, operation);
    if (operation != core::Operation::Remove)
        return;
    if (component == m_compressedStoredSkin)
        m_compressedStoredSkin = nullptr;
    if (component == m_resourceStrData)
        m_resourceStrData = nullptr;
}

void SkinData::loadFromPackage(CompressedStoredSkin& package) {
    if (package.isPackageEmpty())
        return;
    m_skinEmpty = true;
    broadcastSkinMessage(wmBeforeChangeSkinData);
    clearSkin();

    // Read straight from the inflating stream: the unpacked package is never held whole.
    core::MemoryStream& packed = package.packageData();
    packed.setPosition(0);
    DecompressionStream stream(packed);
    SkinPackageReader reader(stream);
    // Each bitmap is assigned as soon as it is read, so a failure keeps the ones before it. Damaged
    // zlib data anywhere in the package keeps nothing and is the failure reported, as if the whole
    // package had been unpacked before reading it.
    auto readBitmaps = [&] {
        const int32_t version = reader.readVersion();
        if (version > SkinPackageReader::maxVersion)
            return false;
        PictureBudget budget;
        m_mainPicture = budget.decode(reader.readFlaggedBitmapFile());
        m_inactiveMainPicture = budget.decode(reader.readFlaggedBitmapFile());
        m_maskPicture = budget.decode(reader.readFlaggedBitmapFile());
        if (version == 2) {
            budget.decode(reader.readFlaggedBitmapFile());
            budget.decode(reader.readFlaggedBitmapFile());
        }
        // No reserve: a hostile count fails on the first missing bitmap, not on an allocation.
        for (int32_t i = 0, n = reader.readCount(); i < n; ++i)
            m_activePictureList.push_back(budget.decode(reader.readBitmapFile()));
        return true;
    };
    auto readToTheEnd = [&] {
        std::array<uint8_t, 4096> scratch;
        while (stream.read(scratch.data(), scratch.size()) != 0) {
        }
    };
    std::string iniBytes;
    try {
        if (!readBitmaps()) {
            readToTheEnd(); // a later version is ignored, but only when its data is sound
            return;
        }
        iniBytes = reader.readRestAsText();
    } catch (const DecompressionError&) {
        clearSkin();
        throw;
    } catch (...) {
        try {
            readToTheEnd();
        } catch (const DecompressionError&) {
            clearSkin();
            throw;
        }
        throw;
    }
    const MemIniFile ini = MemIniFile::fromOwnedBytes(std::move(iniBytes));

    m_versionInfo.skinName = ini.readString("VERSION", "skinname", "");
    m_versionInfo.skinAuthor = ini.readString("VERSION", "skinauthor", "");
    m_versionInfo.authorEmail = ini.readString("VERSION", "authoremail", "");
    m_versionInfo.authorUrl = ini.readString("VERSION", "authorurl", "");
    m_versionInfo.skinComments = ini.readString("VERSION", "skincomments", "");

    m_pictureNames.picture = ini.readString("PICTURES", "picture", "");
    m_pictureNames.inactivePicture = ini.readString("PICTURES", "inactivepicture", "");
    m_pictureNames.mask = ini.readString("PICTURES", "mask", "");
    readStringList(ini, "PICTURES", "activepictures", m_pictureNames.activePictures);

    readFormInfo(ini);
    m_popupWindowData.readFromIni(ini);
    m_hintWindowData.readFromIni(ini);
    readObjectList(ini);
    readControlList(ini);

    m_skinEmpty = false;
    broadcastSkinMessage(wmChangeSkinData);
    broadcastSkinMessage(wmAfterChangeSkinData);
}

void SkinData::readFormInfo(const MemIniFile& ini) {
    constexpr std::string_view s = "FORMINFO";
    SkinFormInfo& f = m_formInfo;
    f.leftTopPoint = readPoint(ini, s, "lefttoppoint");
    f.rightTopPoint = readPoint(ini, s, "righttoppoint");
    f.leftBottomPoint = readPoint(ini, s, "leftbottompoint");
    f.rightBottomPoint = readPoint(ini, s, "rightbottompoint");
    f.clientRect = readRect(ini, s, "clientrect");
    f.bgPictureIndex = ini.readInteger(s, "bgpictureindex", -1);
    f.mdiBgPictureIndex = ini.readInteger(s, "mdibgpictureindex", -1);
    f.leftStretch = readFlag(ini, s, "leftstretch");
    f.rightStretch = readFlag(ini, s, "rightstretch");
    f.topStretch = readFlag(ini, s, "topstretch");
    f.bottomStretch = readFlag(ini, s, "bottomstretch");
    f.maskRectArea = readRect(ini, s, "maskrectarea");
    f.hitTestLeftTopPoint = readPoint(ini, s, "hittestlefttoppoint");
    f.hitTestRightTopPoint = readPoint(ini, s, "hittestrighttoppoint");
    f.hitTestLeftBottomPoint = readPoint(ini, s, "hittestleftbottompoint");
    f.hitTestRightBottomPoint = readPoint(ini, s, "hittestrightbottompoint");

    if (!m_pictureNames.mask.empty()) {
        // The mask must cover at least the client area.
        core::Rect& m = f.maskRectArea;
        const core::Rect& c = f.clientRect;
        if (m.width() <= 0 || m.height() <= 0) {
            m = c;
        } else {
            m.left = std::min(m.left, c.left);
            m.top = std::min(m.top, c.top);
            m.right = std::max(m.right, c.right);
            m.bottom = std::max(m.bottom, c.bottom);
        }
        auto fill = [](core::Point& hit, core::Point corner) {
            if (hit.x == 0 || hit.y == 0)
                hit = corner;
        };
        fill(f.hitTestLeftTopPoint, f.leftTopPoint);
        fill(f.hitTestRightTopPoint, f.rightTopPoint);
        fill(f.hitTestLeftBottomPoint, f.leftBottomPoint);
        fill(f.hitTestRightBottomPoint, f.rightBottomPoint);
    }

    f.buttonsRect = readRect(ini, s, "buttonsrect");
    f.captionRect = readRect(ini, s, "captionrect");
    f.buttonsOffset = ini.readInteger(s, "buttonsoffset", 0);
    f.buttonsInLeft = readFlag(ini, s, "buttonsinleft");
    f.mainMenuPopupUp = readFlag(ini, s, "mainmenupopupup");
    f.borderWidth = ini.readInteger(s, "borderwidth", 0);
    f.autoRenderingInActiveImage = readFlag(ini, s, "autorenderinginactiveimage");
    f.inActiveEffect = readInActiveEffect(ini, s, "inactiveeffect");

    // Corner points that coincide describe no frame; leave them as read.
    if (f.rightBottomPoint.x == f.leftTopPoint.x || f.rightBottomPoint.y == f.leftTopPoint.y)
        return;
    const core::Rect& c = f.clientRect;
    f.leftTopPoint = {std::max(f.leftTopPoint.x, c.left), std::max(f.leftTopPoint.y, c.top)};
    f.rightTopPoint = {std::min(f.rightTopPoint.x, c.right), std::max(f.rightTopPoint.y, c.top)};
    f.leftBottomPoint = {std::max(f.leftBottomPoint.x, c.left), std::min(f.leftBottomPoint.y, c.bottom)};
    f.rightBottomPoint = {std::min(f.rightBottomPoint.x, c.right), std::min(f.rightBottomPoint.y, c.bottom)};
}

void SkinData::readObjectList(const MemIniFile& ini) {
    readList(ini, "SKINOBJECTS", m_skinObjectList, [](std::string_view kind, std::string idName) {
        return createSkinObjectRecord(kind, std::move(idName));
    });
}

void SkinData::readControlList(const MemIniFile& ini) {
    readList(ini, "SKINCONTROLS", m_skinControlList, [](std::string_view kind, std::string idName) {
        return createSkinControlRecord(kind, std::move(idName));
    });
}

int SkinData::findSkinObject(std::string_view name) const {
    for (size_t i = 0; i < m_skinObjectList.size(); ++i)
        if (m_skinObjectList[i]->idName == name)
            return int(i);
    return -1;
}

int SkinData::findSkinControl(std::string_view name) const {
    for (size_t i = 0; i < m_skinControlList.size(); ++i)
        if (m_skinControlList[i]->idName == name)
            return int(i);
    return -1;
}

DataSkinObject* SkinData::skinObject(int index) const {
    return index >= 0 && size_t(index) < m_skinObjectList.size() ? m_skinObjectList[size_t(index)].get()
                                                                 : nullptr;
}

DataSkinControl* SkinData::skinControl(int index) const {
    return index >= 0 && size_t(index) < m_skinControlList.size() ? m_skinControlList[size_t(index)].get()
                                                                  : nullptr;
}

const core::FBitmap* SkinData::activePicture(int32_t index) const {
    return index >= 0 && size_t(index) < m_activePictureList.size() ? &m_activePictureList[size_t(index)]
                                                                    : nullptr;
}

void SkinData::clearRecords() {
    m_skinObjectList.clear();
    m_skinControlList.clear();
    m_activePictureList.clear();
    m_pictureNames.activePictures.clear();
    m_popupWindowData.windowPictureIndex = -1;
    m_hintWindowData.windowPictureIndex = -1;
}

void SkinData::clearSkin() {
    clearRecords();
    m_mainPicture = core::FBitmap();
    m_inactiveMainPicture = core::FBitmap();
    m_maskPicture = core::FBitmap();
    m_skinEmpty = true;
}

void SkinData::broadcastSkinMessage(int message) {
    if (SkinNotifier* notifier = skinNotifier())
        notifier->notify(*this, message);
    else
        core::sendToForms(owner(), uint32_t(message), reinterpret_cast<uintptr_t>(this), skinMessageLParam);
}

bool SkinData::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == "CompressedStoredSkin") {
        value.resolveReference([this](core::Component* c) {
            auto* package = dynamic_cast<CompressedStoredSkin*>(c);
            if (c && !package)
                throw core::Error("Invalid property value");
            setCompressedStoredSkin(package);
        });
        return true;
    }
    if (name == "ResourceStrData") {
        value.resolveReference([this](core::Component* c) {
            auto* strings = dynamic_cast<ResourceStrData*>(c);
            if (c && !strings)
                throw core::Error("Invalid property value");
            setResourceStrData(strings);
        });
        return true;
    }
    return core::Component::setProperty(name, value);
}

void SkinData::writeProperties(core::PropertyWriter& out) const {
    core::Component::writeProperties(out);
    out.writeReference("CompressedStoredSkin", m_compressedStoredSkin);
    out.writeReference("ResourceStrData", m_resourceStrData);
}

} // namespace skin
