#include "gui/Menu.h"

#include "core/Error.h"
#include "core/Property.h"
#include "core/Utf8.h"
#include "gui/Canvas.h"
#include "gui/ImageList.h"

#include <algorithm>

namespace gui {

namespace {

// The font menus use on this system. The caller owns the handle.
winbase::FontHandle createMenuFont(bool bold) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    LOGFONTW lf{};
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        lf = metrics.lfMenuFont;
    else
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    if (bold)
        lf.lfWeight = FW_BOLD;
    return winbase::FontHandle(CreateFontIndirectW(&lf));
}

void useMenuFont(Canvas& canvas, bool bold) {
    if (winbase::FontHandle font = createMenuFont(bold))
        canvas.font().setHandle(std::move(font));
}

MenuItem* findIn(const MenuItem& parent, ShortCut shortCut) {
    for (MenuItem* item : parent.items()) {
        if (!item->isVisible() || !item->isEnabled())
            continue;
        if (item->shortCut() == shortCut)
            return item;
        if (MenuItem* found = findIn(*item, shortCut))
            return found;
    }
    return nullptr;
}

} // namespace

Menu::Menu(core::Component* owner) : core::Component(owner), m_items(std::make_unique<MenuItem>()) {
    m_items->m_menu = this;
}

Menu::~Menu() {
    beginDestroy();
    m_items->m_menu = nullptr;
    m_handle.reset();
    m_items.reset();
}

void Menu::setImages(ImageList* images) {
    if (images == m_images)
        return;
    if (m_images)
        removeFreeNotification(m_images);
    m_images = images;
    if (m_images)
        freeNotification(m_images);
    itemsChanged();
}

void Menu::setOwnerDraw(bool ownerDraw) {
    if (ownerDraw == m_ownerDraw)
        return;
    m_ownerDraw = ownerDraw;
    itemsChanged();
}

void Menu::notification(core::Component* component, core::Operation operation) {
    core::Component::notification(component, operation);
    if (operation == core::Operation::Remove && component == m_images) {
        m_images = nullptr;
        itemsChanged();
    }
}

bool Menu::usesOwnerDraw() const {
    return m_ownerDraw || m_images;
}

void Menu::itemsChanged() {
    m_stale = true;
    // While the menu or its owner is being torn down nothing is rebuilt.
    if (isDestroying() || (owner() && owner()->isDestroying()))
        return;
    // A native menu that is in use follows at once; others are rebuilt on their next use.
    if (m_handle)
        handle();
}

void Menu::forgetHandle() {
    (void)m_handle.release();
    m_stale = true;
}

HMENU Menu::handle() {
    if (m_handle && !m_stale)
        return m_handle.get();
    winbase::MenuHandle fresh(createMenuHandle());
    if (!fresh)
        return m_handle.get();
    buildMenu(fresh.get(), *m_items);
    // The old menu may still be shown by a window: it goes only after handleRebuilt swapped it.
    winbase::MenuHandle old = std::exchange(m_handle, std::move(fresh));
    m_stale = false;
    if (!handleRebuilt(m_handle.get()))
        (void)old.release();
    return m_handle.get();
}

void Menu::buildMenu(HMENU menu, const MenuItem& parent) {
    bool ownerDraw = usesOwnerDraw();
    UINT position = 0;
    for (MenuItem* item : parent.items()) {
        if (!item->isVisible())
            continue;
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_DATA;
        info.wID = item->command();
        info.dwItemData = reinterpret_cast<ULONG_PTR>(item);
        std::wstring text;
        if (item->isLine()) {
            info.fType = MFT_SEPARATOR;
        } else {
            info.fMask |= MIIM_STRING;
            std::string caption = item->caption();
            if (item->shortCut() != scNone && (&parent != m_items.get() || isPopup())) {
                caption += '\t';
                caption += shortCutToText(item->shortCut());
            }
            text = core::utf8ToWide(caption);
            info.dwTypeData = text.data();
            info.cch = UINT(text.size());
            if (item->isRadioItem())
                info.fType |= MFT_RADIOCHECK;
        }
        if (ownerDraw)
            info.fType |= MFT_OWNERDRAW;
        if (!item->isEnabled())
            info.fState |= MFS_DISABLED;
        if (item->isChecked())
            info.fState |= MFS_CHECKED;
        if (item->isDefault())
            info.fState |= MFS_DEFAULT;
        winbase::MenuHandle sub;
        if (item->hasSubItems()) {
            sub.reset(CreatePopupMenu());
            if (sub) {
                buildMenu(sub.get(), *item);
                info.fMask |= MIIM_SUBMENU;
                info.hSubMenu = sub.get();
            }
        }
        if (InsertMenuItemW(menu, position, TRUE, &info)) {
            ++position;
            (void)sub.release(); // the parent menu owns it now
        }
    }
}

MenuItem* Menu::findItem(uint16_t command) const {
    MenuItem* item = MenuItem::findByCommand(command);
    return item && item != m_items.get() && item->parentMenu() == this ? item : nullptr;
}

bool Menu::dispatchCommand(uint16_t command) {
    MenuItem* item = findItem(command);
    if (!item)
        return false;
    item->click();
    return true;
}

MenuItem* Menu::findShortCut(ShortCut shortCut) const {
    return shortCut == scNone ? nullptr : findIn(*m_items, shortCut);
}

bool Menu::isShortCut(ShortCut shortCut) {
    MenuItem* item = findShortCut(shortCut);
    if (!item)
        return false;
    item->click();
    return true;
}

bool Menu::measureItem(MEASUREITEMSTRUCT& mis) {
    if (mis.CtlType != ODT_MENU)
        return false;
    MenuItem* item = findItem(uint16_t(mis.itemID));
    if (!item || reinterpret_cast<ULONG_PTR>(item) != mis.itemData)
        return false;
    winbase::WindowDC screen(nullptr);
    Canvas canvas(screen.get());
    useMenuFont(canvas, item->isDefault());
    int32_t width = 0, height = 0;
    bool topLevel = item->parent() == m_items.get() && !isPopup();
    if (item->isLine()) {
        height = 8;
    } else {
        Size text = canvas.textExtent(stripHotkey(item->caption()));
        height = text.height + 4;
        width = text.width;
        if (!topLevel) {
            int32_t glyph = m_images ? m_images->width() + 5 : 19;
            width += glyph + 8;
            if (item->shortCut() != scNone)
                width += canvas.textWidth(shortCutToText(item->shortCut())) + 24;
            if (m_images)
                height = std::max(height, m_images->height() + 4);
        }
    }
    if (item->onMeasureItem)
        item->onMeasureItem(*item, canvas, width, height);
    mis.itemWidth = UINT(std::max(width, 0));
    mis.itemHeight = UINT(std::max(height, 0));
    return true;
}

bool Menu::drawItem(const DRAWITEMSTRUCT& dis) {
    if (dis.CtlType != ODT_MENU)
        return false;
    MenuItem* item = findItem(uint16_t(dis.itemID));
    if (!item || reinterpret_cast<ULONG_PTR>(item) != dis.itemData)
        return false;
    Canvas canvas(dis.hDC);
    useMenuFont(canvas, item->isDefault());
    core::Rect r{dis.rcItem.left, dis.rcItem.top, dis.rcItem.right, dis.rcItem.bottom};
    bool selected = (dis.itemState & ODS_SELECTED) != 0;
    if (item->onDrawItem) {
        item->onDrawItem(*item, canvas, r, selected);
        return true;
    }
    bool topLevel = item->parent() == m_items.get() && !isPopup();
    bool enabled = item->isEnabled() && !(dis.itemState & (ODS_GRAYED | ODS_DISABLED));
    canvas.brush().setColor(selected && !item->isLine() ? core::clHighlight : core::clMenu);
    canvas.fillRect(r);
    if (item->isLine()) {
        int32_t y = r.top + r.height() / 2;
        canvas.pen().setColor(core::clBtnShadow);
        canvas.moveTo(r.left + 2, y - 1);
        canvas.lineTo(r.right - 2, y - 1);
        canvas.pen().setColor(core::clBtnHighlight);
        canvas.moveTo(r.left + 2, y);
        canvas.lineTo(r.right - 2, y);
        return true;
    }
    core::Color textColor = !enabled ? core::clGrayText : selected ? core::clHighlightText : core::clMenuText;
    canvas.font().setColor(textColor);
    canvas.brush().setStyle(BrushStyle::bsClear);
    UINT prefix = (dis.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
    if (topLevel) {
        core::Rect t = r;
        canvas.drawText(item->caption(), t, DT_SINGLELINE | DT_VCENTER | DT_CENTER | prefix);
        return true;
    }
    int32_t glyph = m_images ? m_images->width() + 5 : 19;
    int32_t cy = r.top + r.height() / 2;
    const Bitmap* image = m_images ? m_images->image(item->imageIndex()) : nullptr;
    if (image) {
        int32_t x = r.left + 2, y = cy - image->height() / 2;
        m_images->draw(canvas, x, y, item->imageIndex(), enabled);
        if (item->isChecked()) {
            canvas.brush().setColor(textColor);
            canvas.frameRect({x - 1, y - 1, x + image->width() + 1, y + image->height() + 1});
            canvas.brush().setStyle(BrushStyle::bsClear);
        }
    } else if (item->isChecked()) {
        canvas.pen().setColor(textColor);
        int32_t x = r.left + 5;
        if (item->isRadioItem()) {
            canvas.brush().setColor(textColor);
            canvas.ellipse({x, cy - 3, x + 6, cy + 3});
            canvas.brush().setStyle(BrushStyle::bsClear);
        } else {
            // A tick three pixels thick: down-right two steps, then up-right four.
            for (int32_t k = 0; k < 3; ++k) {
                canvas.moveTo(x, cy - 1 + k);
                canvas.lineTo(x + 2, cy + 1 + k);
                canvas.lineTo(x + 7, cy - 4 + k);
            }
        }
    }
    core::Rect t{r.left + glyph + 2, r.top, r.right - 16, r.bottom};
    canvas.drawText(item->caption(), t, DT_SINGLELINE | DT_VCENTER | DT_LEFT | prefix);
    if (item->shortCut() != scNone) {
        core::Rect s{r.left + glyph + 2, r.top, r.right - 16, r.bottom};
        canvas.drawText(shortCutToText(item->shortCut()), s,
                        DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    }
    return true;
}

bool Menu::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == "Images") {
        value.resolveReference([this](core::Component* c) {
            auto* images = dynamic_cast<ImageList*>(c);
            if (c && !images)
                throw core::Error("Invalid property value");
            setImages(images);
        });
    } else if (name == "OwnerDraw") {
        setOwnerDraw(value.asBool());
    } else {
        return core::Component::setProperty(name, value);
    }
    return true;
}

void Menu::writeProperties(core::PropertyWriter& out) const {
    core::Component::writeProperties(out);
    if (m_images)
        out.writeReference("Images", m_images);
    if (m_ownerDraw)
        out.writeBool("OwnerDraw", true);
}

} // namespace gui
