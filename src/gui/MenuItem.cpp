#include "gui/MenuItem.h"

#include "core/Property.h"
#include "gui/Menu.h"

#include <algorithm>
#include <unordered_map>

namespace gui {

namespace {

// Command identifiers of live items. The range stays below the system menu's 0xF000 commands.
constexpr uint16_t firstCommand = 1;
constexpr uint16_t lastCommand = 0xEFFF;

std::unordered_map<uint16_t, MenuItem*>& commands() {
    static std::unordered_map<uint16_t, MenuItem*> map;
    return map;
}

uint16_t allocateCommand(MenuItem* item) {
    static uint16_t next = firstCommand;
    auto& map = commands();
    for (uint32_t tries = 0; tries <= uint32_t(lastCommand - firstCommand); ++tries) {
        uint16_t id = next;
        next = next == lastCommand ? firstCommand : uint16_t(next + 1);
        if (map.emplace(id, item).second)
            return id;
    }
    return 0; // every identifier taken: the item works but cannot be chosen from a native menu
}

} // namespace

MenuItem::MenuItem(core::Component* owner) : core::Component(owner) {
    m_command = allocateCommand(this);
}

MenuItem::~MenuItem() {
    beginDestroy();
    clear();
    if (m_parent)
        m_parent->remove(this);
    if (m_command)
        commands().erase(m_command);
}

MenuItem* MenuItem::findByCommand(uint16_t command) {
    auto it = commands().find(command);
    return it == commands().end() ? nullptr : it->second;
}

void MenuItem::setCaption(const std::string& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    changed();
}

void MenuItem::setShortCut(ShortCut shortCut) {
    if (shortCut == m_shortCut)
        return;
    m_shortCut = shortCut;
    changed();
}

void MenuItem::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    changed();
}

void MenuItem::setVisible(bool visible) {
    if (visible == m_visible)
        return;
    m_visible = visible;
    changed();
}

void MenuItem::setChecked(bool checked) {
    if (checked == m_checked)
        return;
    m_checked = checked;
    if (checked && m_radioItem)
        uncheckSiblings();
    changed();
}

void MenuItem::setRadioItem(bool radio) {
    if (radio == m_radioItem)
        return;
    m_radioItem = radio;
    if (radio && m_checked)
        uncheckSiblings();
    changed();
}

void MenuItem::setGroupIndex(int index) {
    if (index == m_groupIndex)
        return;
    m_groupIndex = index;
    if (m_radioItem && m_checked)
        uncheckSiblings();
    changed();
}

void MenuItem::setImageIndex(int index) {
    if (index == m_imageIndex)
        return;
    m_imageIndex = index;
    changed();
}

void MenuItem::setDefault(bool isDefault) {
    if (isDefault == m_default)
        return;
    m_default = isDefault;
    changed();
}

void MenuItem::setAutoCheck(bool autoCheck) {
    m_autoCheck = autoCheck;
}

void MenuItem::uncheckSiblings() {
    if (!m_parent)
        return;
    for (MenuItem* sibling : m_parent->m_items)
        if (sibling != this && sibling->m_radioItem && sibling->m_groupIndex == m_groupIndex)
            sibling->m_checked = false;
}

MenuItem* MenuItem::item(int index) const {
    return index >= 0 && index < count() ? m_items[size_t(index)] : nullptr;
}

void MenuItem::insert(int index, MenuItem* item) {
    if (!item || item == this)
        return;
    // An item cannot become its own descendant.
    for (MenuItem* p = m_parent; p; p = p->m_parent)
        if (p == item)
            return;
    if (item->m_parent)
        item->m_parent->remove(item);
    index = std::clamp(index, 0, count());
    m_items.insert(m_items.begin() + index, item);
    item->m_parent = this;
    if (item->m_radioItem && item->m_checked)
        item->uncheckSiblings();
    changed();
}

void MenuItem::remove(MenuItem* item) {
    auto it = std::find(m_items.begin(), m_items.end(), item);
    if (it == m_items.end())
        return;
    m_items.erase(it);
    item->m_parent = nullptr;
    changed();
}

int MenuItem::indexOf(const MenuItem* item) const {
    auto it = std::find(m_items.begin(), m_items.end(), item);
    return it == m_items.end() ? -1 : int(it - m_items.begin());
}

void MenuItem::clear() {
    if (m_items.empty())
        return;
    // Detach first so the menu is rebuilt once, not once per item.
    std::vector<MenuItem*> items = std::move(m_items);
    m_items.clear();
    for (MenuItem* item : items)
        item->m_parent = nullptr;
    for (MenuItem* item : items)
        delete item;
    changed();
}

MenuItem* MenuItem::find(std::string_view caption) const {
    std::string wanted = stripHotkey(caption);
    for (MenuItem* item : m_items)
        if (stripHotkey(item->m_caption) == wanted)
            return item;
    return nullptr;
}

Menu* MenuItem::parentMenu() const {
    const MenuItem* root = this;
    while (root->m_parent)
        root = root->m_parent;
    return root->m_menu;
}

void MenuItem::click() {
    if (!m_enabled)
        return;
    if (m_autoCheck)
        setChecked(m_radioItem ? true : !m_checked);
    if (onClick)
        onClick(*this);
}

void MenuItem::changed(bool rebuild) {
    if (!rebuild)
        return;
    if (Menu* menu = parentMenu())
        menu->itemsChanged();
}

bool MenuItem::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == "Caption")
        setCaption(value.asString());
    else if (name == "ShortCut")
        setShortCut(ShortCut(value.asInt()));
    else if (name == "Enabled")
        setEnabled(value.asBool());
    else if (name == "Visible")
        setVisible(value.asBool());
    else if (name == "Checked")
        setChecked(value.asBool());
    else if (name == "RadioItem")
        setRadioItem(value.asBool());
    else if (name == "GroupIndex")
        setGroupIndex(value.asInt());
    else if (name == "ImageIndex")
        setImageIndex(value.asInt());
    else if (name == "Default")
        setDefault(value.asBool());
    else if (name == "AutoCheck")
        setAutoCheck(value.asBool());
    else if (name == "Hint")
        setHint(value.asString());
    else if (name == "OnClick")
        value.bindEvent([this](core::NotifyEvent handler) {
            onClick = [handler = std::move(handler)](MenuItem& item) { handler(&item); };
        });
    else
        return core::Component::setProperty(name, value);
    return true;
}

void MenuItem::writeProperties(core::PropertyWriter& out) const {
    core::Component::writeProperties(out);
    if (m_autoCheck)
        out.writeBool("AutoCheck", true);
    if (!m_caption.empty())
        out.writeString("Caption", m_caption);
    if (m_checked)
        out.writeBool("Checked", true);
    if (m_default)
        out.writeBool("Default", true);
    if (!m_enabled)
        out.writeBool("Enabled", false);
    if (m_groupIndex != 0)
        out.writeInt("GroupIndex", m_groupIndex);
    if (!m_hint.empty())
        out.writeString("Hint", m_hint);
    if (m_imageIndex != -1)
        out.writeInt("ImageIndex", m_imageIndex);
    if (m_radioItem)
        out.writeBool("RadioItem", true);
    if (m_shortCut != scNone)
        out.writeInt("ShortCut", m_shortCut);
    if (!m_visible)
        out.writeBool("Visible", false);
}

} // namespace gui
