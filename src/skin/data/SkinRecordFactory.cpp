#include "skin/data/SkinRecordFactory.h"

#include "skin/data/DataSkinControls.h"
#include "skin/data/DataSkinObjects.h"
#include "skin/data/DataSkinOtherControls.h"

#include <array>
#include <utility>

namespace skin {

namespace {

template <typename Base> using Maker = std::unique_ptr<Base> (*)(std::string);

template <typename Base, typename T> std::unique_ptr<Base> make(std::string idName) {
    return std::make_unique<T>(std::move(idName));
}

const std::array<std::pair<std::string_view, Maker<DataSkinObject>>, 8> objectKinds = {{
    {"menuitem", &make<DataSkinObject, DataSkinMenuItem>},
    {"mainmenubaritem", &make<DataSkinObject, DataSkinMainMenuBarItem>},
    {"stdbutton", &make<DataSkinObject, DataSkinStdButton>},
    {"mainmenubarbutton", &make<DataSkinObject, DataSkinMainMenuBarButton>},
    {"button", &make<DataSkinObject, DataSkinButton>},
    {"caption", &make<DataSkinObject, DataSkinCaption>},
    {"animate", &make<DataSkinObject, DataSkinAnimate>},
    {"userobject", &make<DataSkinObject, DataUserObject>},
}};

const std::array<std::pair<std::string_view, Maker<DataSkinControl>>, 28> controlKinds = {{
    {"panel", &make<DataSkinControl, DataSkinPanelControl>},
    {"expanel", &make<DataSkinControl, DataSkinExPanelControl>},
    {"menubutton", &make<DataSkinControl, DataSkinMenuButtonControl>},
    {"button", &make<DataSkinControl, DataSkinButtonControl>},
    {"checkradio", &make<DataSkinControl, DataSkinCheckRadioControl>},
    {"gauge", &make<DataSkinControl, DataSkinGaugeControl>},
    {"splitter", &make<DataSkinControl, DataSkinSplitterControl>},
    {"trackbar", &make<DataSkinControl, DataSkinTrackBarControl>},
    {"label", &make<DataSkinControl, DataSkinLabelControl>},
    {"stdlabel", &make<DataSkinControl, DataSkinStdLabelControl>},
    {"updown", &make<DataSkinControl, DataSkinUpDownControl>},
    {"grid", &make<DataSkinControl, DataSkinGridControl>},
    {"tab", &make<DataSkinControl, DataSkinTabControl>},
    {"mainmenubar", &make<DataSkinControl, DataSkinMainMenuBar>},
    {"controlbar", &make<DataSkinControl, DataSkinControlBar>},
    {"memo", &make<DataSkinControl, DataSkinMemoControl>},
    {"edit", &make<DataSkinControl, DataSkinEditControl>},
    {"checklistbox", &make<DataSkinControl, DataSkinCheckListBox>},
    {"listbox", &make<DataSkinControl, DataSkinListBox>},
    {"combobox", &make<DataSkinControl, DataSkinComboBox>},
    {"scrollbar", &make<DataSkinControl, DataSkinScrollBarControl>},
    {"spinedit", &make<DataSkinControl, DataSkinSpinEditControl>},
    {"scrollbox", &make<DataSkinControl, DataSkinScrollBoxControl>},
    {"treeview", &make<DataSkinControl, DataSkinTreeView>},
    {"bevel", &make<DataSkinControl, DataSkinBevel>},
    {"slider", &make<DataSkinControl, DataSkinSlider>},
    {"listview", &make<DataSkinControl, DataSkinListView>},
    {"richedit", &make<DataSkinControl, DataSkinRichEdit>},
}};

template <typename Base, size_t N>
std::unique_ptr<Base> create(const std::array<std::pair<std::string_view, Maker<Base>>, N>& table,
                             std::string_view kind, std::string idName) {
    for (const auto& [name, maker] : table)
        if (name == kind)
            return maker(std::move(idName));
    return nullptr;
}

template <typename Table> std::vector<std::string_view> kindsOf(const Table& table) {
    std::vector<std::string_view> kinds;
    for (const auto& entry : table)
        kinds.push_back(entry.first);
    return kinds;
}

} // namespace

std::unique_ptr<DataSkinObject> createSkinObjectRecord(std::string_view kind, std::string idName) {
    return create(objectKinds, kind, std::move(idName));
}

std::unique_ptr<DataSkinControl> createSkinControlRecord(std::string_view kind, std::string idName) {
    return create(controlKinds, kind, std::move(idName));
}

const std::vector<std::string_view>& skinObjectKinds() {
    static const std::vector<std::string_view> kinds = kindsOf(objectKinds);
    return kinds;
}

const std::vector<std::string_view>& skinControlKinds() {
    static const std::vector<std::string_view> kinds = kindsOf(controlKinds);
    return kinds;
}

SkinRecordEntry splitNameKind(std::string_view entry) {
    const size_t colon = entry.find(':');
    if (colon == std::string_view::npos)
        return {};
    return {std::string(entry.substr(0, colon)), std::string(entry.substr(colon + 1))};
}

} // namespace skin
