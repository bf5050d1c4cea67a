#pragma once
// Classes in this file: SkinFormInfo, SkinVersionInfo, SkinPictureNames (plain data read from the
// skin ini) and SkinData, the skin store.
//
// The store owns the skin in force: its bitmaps, the window frame metrics of [FORMINFO], the popup
// and hint window records and one typed record per form skin object and control skin. Clients hold
// a pointer to the store and read it directly; they keep indexes and borrowed pointers into it only
// until the next wmBeforeChangeSkinData (1225) and read it again on wmChangeSkinData (1226).
#include "core/Component.h"
#include "core/FBitmap.h"
#include "core/Geometry.h"
#include "skin/data/DataSkinControl.h"
#include "skin/data/DataSkinObject.h"
#include "skin/data/DataSkinWindows.h"
#include "skin/data/SkinIni.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

class CompressedStoredSkin;
class ResourceStrData;

// [FORMINFO]: the window frame's metrics, in the coordinates of the main picture.
struct SkinFormInfo {
    core::Point leftTopPoint; // inner corners of the four frame corner pieces
    core::Point rightTopPoint;
    core::Point leftBottomPoint;
    core::Point rightBottomPoint;
    core::Rect clientRect;          // the part of the picture the client area covers
    int32_t bgPictureIndex = -1;    // active picture tiled as client background; -1 none
    int32_t mdiBgPictureIndex = -1; // the same for a multi-document parent
    bool leftStretch = false;       // band stretched (true) or tiled when the frame grows
    bool rightStretch = false;
    bool topStretch = false;
    bool bottomStretch = false;
    core::Rect maskRectArea;         // the part of the mask that shapes the window region
    core::Point hitTestLeftTopPoint; // corners of the resize hit-test zones
    core::Point hitTestRightTopPoint;
    core::Point hitTestLeftBottomPoint;
    core::Point hitTestRightBottomPoint;
    core::Rect buttonsRect; // where the caption's system buttons are laid out
    core::Rect captionRect;
    int32_t buttonsOffset = 0; // gap between laid-out caption buttons
    bool buttonsInLeft = false;
    bool mainMenuPopupUp = false;            // main menu popups open upwards
    int32_t borderWidth = 0;                 // resize zone width at the window's edge
    bool autoRenderingInActiveImage = false; // compute the inactive frame with inActiveEffect
    InActiveEffect inActiveEffect = InActiveEffect::ieBrightness;

    friend bool operator==(const SkinFormInfo&, const SkinFormInfo&) = default;
};

// [VERSION]
struct SkinVersionInfo {
    std::string skinName;
    std::string skinAuthor;
    std::string authorUrl;
    std::string authorEmail;
    std::string skinComments;

    friend bool operator==(const SkinVersionInfo&, const SkinVersionInfo&) = default;
};

// [PICTURES]: the bitmaps' file names. Only the package builder uses them to find files; the store
// keeps them, and a non-empty mask name switches on the mask rules of [FORMINFO].
struct SkinPictureNames {
    std::string picture;
    std::string inactivePicture;
    std::string mask;
    std::vector<std::string> activePictures;

    friend bool operator==(const SkinPictureNames&, const SkinPictureNames&) = default;
};

class SkinData : public core::Component {
public:
    explicit SkinData(core::Component* owner = nullptr);
    // Sends nothing.
    ~SkinData() override;

    const char* className() const override { return "TSkinData"; }

    // The package component (not owned). Setting it loads the skin at once unless designing; a
    // failure of that load is raised to the caller, the reference stays set.
    CompressedStoredSkin* compressedStoredSkin() const { return m_compressedStoredSkin; }
    void setCompressedStoredSkin(CompressedStoredSkin* package);

    // The string table (not owned). Setting it announces wmChangeResStrData unless designing, also
    // when set to nullptr.
    ResourceStrData* resourceStrData() const { return m_resourceStrData; }
    void setResourceStrData(ResourceStrData* strings);

    // Loads the package's skin. An empty package changes nothing. Otherwise sends 1225, clears the
    // skin and reads the package; a version above 3 leaves the store empty. On success sends 1226
    // and 1227. A failure is raised; the store then stays empty, keeping what was read before it.
    void loadFromPackage(CompressedStoredSkin& package);

    // Index of the first record whose idName equals name exactly; -1 when none.
    int findSkinObject(std::string_view name) const;
    int findSkinControl(std::string_view name) const;

    // Frees every record and active picture and forgets the active picture names.
    void clearRecords();
    // clearRecords, empties the three main bitmaps and marks the store empty.
    void clearSkin();
    // Hands the message to the installed SkinNotifier, or else sends it as a window message to the
    // owner form and then every other form (wParam the store, lParam 1000).
    void broadcastSkinMessage(int message);

    // True while no skin is loaded (also during a load and after a failed one).
    bool isSkinEmpty() const { return m_skinEmpty; }

    const core::FBitmap& mainPicture() const { return m_mainPicture; }
    const core::FBitmap& inactiveMainPicture() const { return m_inactiveMainPicture; }
    const core::FBitmap& maskPicture() const { return m_maskPicture; }
    const std::vector<core::FBitmap>& activePictureList() const { return m_activePictureList; }
    // The active picture of a picture index, or nullptr for -1 and for an index past the list.
    const core::FBitmap* activePicture(int32_t index) const;

    const SkinFormInfo& formInfo() const { return m_formInfo; }
    const SkinVersionInfo& versionInfo() const { return m_versionInfo; }
    const SkinPictureNames& pictureNames() const { return m_pictureNames; }
    const DataSkinPopupWindow& popupWindowData() const { return m_popupWindowData; }
    const DataSkinHintWindow& hintWindowData() const { return m_hintWindowData; }

    const std::vector<std::unique_ptr<DataSkinObject>>& skinObjectList() const { return m_skinObjectList; }
    const std::vector<std::unique_ptr<DataSkinControl>>& skinControlList() const { return m_skinControlList; }
    // The record at index, or nullptr for an index outside the list.
    DataSkinObject* skinObject(int index) const;
    DataSkinControl* skinControl(int index) const;

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;

protected:
    void notification(core::Component* component, core::Operation operation) override;

private:
    void readFormInfo(const MemIniFile& ini);
    void readObjectList(const MemIniFile& ini);
    void readControlList(const MemIniFile& ini);

    CompressedStoredSkin* m_compressedStoredSkin = nullptr;
    ResourceStrData* m_resourceStrData = nullptr;

    bool m_skinEmpty = true;
    core::FBitmap m_mainPicture;
    core::FBitmap m_inactiveMainPicture;
    core::FBitmap m_maskPicture;
    std::vector<core::FBitmap> m_activePictureList;
    SkinFormInfo m_formInfo;
    SkinVersionInfo m_versionInfo;
    SkinPictureNames m_pictureNames;
    DataSkinPopupWindow m_popupWindowData;
    DataSkinHintWindow m_hintWindowData;
    std::vector<std::unique_ptr<DataSkinObject>> m_skinObjectList;
    std::vector<std::unique_ptr<DataSkinControl>> m_skinControlList;
};

} // namespace skin
