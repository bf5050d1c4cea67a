#pragma once
// Classes in this file: EntryPaintContext, SkinMenuEntry.
// One entry of a skinned popup window: the framework menu item it shows, its state (under the mouse
// or keyboard, its submenu open, chosen automatically when the window opened, the hover animation)
// and its painting, from the skin's "menuitem" record or in system colours without one.
#include "core/FBitmap.h"
#include "core/Geometry.h"

#include <cstdint>

namespace gui {
class Font;
class ImageList;
class MenuItem;
} // namespace gui

namespace skin {

class DataSkinMenuItem;

// What the window lends its entries for painting.
struct EntryPaintContext {
    const DataSkinMenuItem* record = nullptr; // null: plain entries
    const core::FBitmap* picture = nullptr;   // the record's picture; set whenever record is
    const gui::ImageList* images = nullptr;
    int32_t glyphWidth = 19;
    bool useSkinFont = true;
    const gui::Font* defaultFont = nullptr;
    uint8_t charset = 1;
};

class SkinMenuEntry {
public:
    explicit SkinMenuEntry(gui::MenuItem& item) : m_item(&item) {}

    gui::MenuItem& menuItem() const { return *m_item; }
    bool isSeparator() const;
    bool isEnabled() const;
    bool hasSubItems() const;
    // Enabled and not a separator: the mouse and the keyboard can choose it.
    bool isSelectable() const { return isEnabled() && !isSeparator(); }
    bool isHighlighted() const { return active || down; }

    // The entry's image at its rect's size, ready to be copied there.
    core::FBitmap paint(const EntryPaintContext& context) const;

    // The hover animation: whether a step is due, and one step of 0.2 toward the state.
    bool morphPending() const;
    void morphStep();

    core::Rect objectRect;
    bool visible = false;
    bool active = false;
    bool down = false;
    bool autoSelected = false;
    double morphFactor = 0;

private:
    core::FBitmap paintSkinned(const EntryPaintContext& context) const;
    core::FBitmap stateImage(const EntryPaintContext& context, bool activeImage) const;
    core::FBitmap paintPlain(const EntryPaintContext& context) const;

    gui::MenuItem* m_item;
};

} // namespace skin
