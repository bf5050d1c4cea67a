#pragma once
// One entry of a menu: caption with an "&" accelerator, shortcut, state flags, image, sub-items and
// events. Native menus and the skinned menus both read this model; the skinned ones draw the items
// themselves.
#include "core/Component.h"
#include "core/Geometry.h"
#include "gui/ShortCut.h"

#include <functional>
#include <string>
#include <vector>

namespace gui {

class Canvas;
class Menu;

class MenuItem : public core::Component {
public:
    using ClickEvent = std::function<void(MenuItem&)>;
    // Draws the item in rect of canvas; selected = highlighted. The handler replaces all drawing.
    using DrawItemEvent = std::function<void(MenuItem&, Canvas& canvas, core::Rect rect, bool selected)>;
    using MeasureItemEvent = std::function<void(MenuItem&, Canvas& canvas, int32_t& width, int32_t& height)>;

    explicit MenuItem(core::Component* owner = nullptr);
    // Frees the sub-items still in the list and leaves its parent.
    ~MenuItem() override;
    const char* className() const override { return "TMenuItem"; }

    const std::string& caption() const { return m_caption; }
    void setCaption(const std::string& caption);
    // A separator is an item captioned "-".
    bool isLine() const { return m_caption == "-"; }
    ShortCut shortCut() const { return m_shortCut; }
    void setShortCut(ShortCut shortCut);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);
    // Checking a radio item unchecks the radio items of the same group index under the same parent.
    bool isChecked() const { return m_checked; }
    void setChecked(bool checked);
    bool isRadioItem() const { return m_radioItem; }
    void setRadioItem(bool radio);
    int groupIndex() const { return m_groupIndex; }
    void setGroupIndex(int index);
    // Index into the owning menu's image list; -1 = none.
    int imageIndex() const { return m_imageIndex; }
    void setImageIndex(int index);
    // The default item is drawn bold.
    bool isDefault() const { return m_default; }
    void setDefault(bool isDefault);
    // Clicking toggles Checked.
    bool isAutoCheck() const { return m_autoCheck; }
    void setAutoCheck(bool autoCheck);
    const std::string& hint() const { return m_hint; }
    void setHint(const std::string& hint) { m_hint = hint; }

    // Sub-items, in display order. The item frees the sub-items that are in its list when destroyed.
    int count() const { return int(m_items.size()); }
    MenuItem* item(int index) const;
    const std::vector<MenuItem*>& items() const { return m_items; }
    bool hasSubItems() const { return !m_items.empty(); }
    // Takes item into the list (leaving any previous parent). An index past the end appends.
    void add(MenuItem* item) { insert(count(), item); }
    void insert(int index, MenuItem* item);
    // Takes item out of the list without freeing it.
    void remove(MenuItem* item);
    int indexOf(const MenuItem* item) const;
    // Frees every sub-item.
    void clear();
    // The first sub-item whose displayed caption equals caption (hotkey markers ignored).
    MenuItem* find(std::string_view caption) const;

    MenuItem* parent() const { return m_parent; }
    // The menu whose root this item hangs under, or null.
    Menu* parentMenu() const;

    // Command identifier used in WM_COMMAND; unique among live items.
    uint16_t command() const { return m_command; }
    static MenuItem* findByCommand(uint16_t command);

    // Runs the click: enabled items toggle Checked when AutoCheck, then onClick.
    void click();

    ClickEvent onClick;
    DrawItemEvent onDrawItem;
    MeasureItemEvent onMeasureItem;

    // Layout properties: Caption, ShortCut (number), Enabled, Visible, Checked, RadioItem,
    // GroupIndex, ImageIndex, Default, AutoCheck, Hint.
    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;

private:
    friend class Menu;
    void changed(bool rebuild = true);
    void uncheckSiblings();

    std::string m_caption;
    std::string m_hint;
    ShortCut m_shortCut = scNone;
    bool m_enabled = true;
    bool m_visible = true;
    bool m_checked = false;
    bool m_radioItem = false;
    bool m_default = false;
    bool m_autoCheck = false;
    int m_groupIndex = 0;
    int m_imageIndex = -1;
    uint16_t m_command = 0;
    MenuItem* m_parent = nullptr;
    Menu* m_menu = nullptr; // set on the root item only
    std::vector<MenuItem*> m_items;
};

} // namespace gui
