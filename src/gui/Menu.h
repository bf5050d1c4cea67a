#pragma once
// The common part of main and popup menus: a root item whose sub-items are the menu, an optional
// image list, and the native HMENU built from the items (owner-drawn when asked or when there are
// images), kept up to date as items change.
#include "core/Component.h"
#include "gui/MenuItem.h"
#include "winbase/Handles.h"

#include <memory>

namespace gui {

class ImageList;

class Menu : public core::Component {
public:
    ~Menu() override;

    MenuItem& items() { return *m_items; }
    const MenuItem& items() const { return *m_items; }

    ImageList* images() const { return m_images; }
    void setImages(ImageList* images);
    bool isOwnerDraw() const { return m_ownerDraw; }
    void setOwnerDraw(bool ownerDraw);

    // The native menu; built on first use and rebuilt after item changes. Owned by the menu.
    HMENU handle();
    bool hasHandle() const { return bool(m_handle); }

    // The item with this command anywhere under the root, or null.
    MenuItem* findItem(uint16_t command) const;
    // Clicks the item with this command; false when it is not in this menu.
    bool dispatchCommand(uint16_t command);
    // The enabled, visible item with this shortcut, or null.
    MenuItem* findShortCut(ShortCut shortCut) const;
    // Clicks the item of the shortcut; false when none.
    bool isShortCut(ShortCut shortCut);

    // For the owner window's procedure: WM_MEASUREITEM / WM_DRAWITEM of this menu's items. Return
    // false when the item is not this menu's.
    bool measureItem(MEASUREITEMSTRUCT& mis);
    bool drawItem(const DRAWITEMSTRUCT& dis);

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;

protected:
    explicit Menu(core::Component* owner);
    // CreateMenu for a bar, CreatePopupMenu for a popup. The caller owns the result.
    virtual HMENU createMenuHandle() const = 0;
    // Top-level items of a bar are drawn as bar entries, those of a popup as menu entries.
    virtual bool isPopup() const = 0;
    // Called after the native menu was rebuilt with the new handle. Returns false when the old menu
    // is already gone (freed by the system), so it is not freed again.
    virtual bool handleRebuilt(HMENU) { return true; }
    void notification(core::Component* component, core::Operation operation) override;
    // Drops the native menu without destroying it, for when the system already has (a window
    // destroyed with its menu attached).
    void forgetHandle();

private:
    friend class MenuItem;
    void itemsChanged();
    void buildMenu(HMENU menu, const MenuItem& parent);
    bool usesOwnerDraw() const;

    std::unique_ptr<MenuItem> m_items;
    ImageList* m_images = nullptr;
    bool m_ownerDraw = false;
    winbase::MenuHandle m_handle;
    bool m_stale = true;
};

} // namespace gui
