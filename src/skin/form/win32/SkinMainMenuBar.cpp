#include "skin/form/win32/SkinMainMenuBar.h"

#include "core/Error.h"
#include "core/Property.h"
#include "gui/Canvas.h"
#include "gui/Form.h"
#include "gui/MainMenu.h"
#include "gui/MenuItem.h"
#include "gui/ShortCut.h"
#include "gui/Timer.h"
#include "skin/controls/BitmapTextCanvas.h"
#include "skin/data/DataSkinObjects.h"
#include "skin/data/DataSkinOtherControls.h"
#include "skin/data/SkinData.h"
#include "skin/form/FormCommands.h"
#include "skin/form/MDIRules.h"
#include "skin/form/win32/SkinForm.h"
#include "skin/popup/win32/SkinMenu.h"
#include "skin/popup/win32/SkinPopupWindow.h"
#include "skin/render/BitmapCopy.h"
#include "skin/render/EffectBmp.h"
#include "skin/render/Glyphs.h"
#include "skin/render/SkinCompose.h"
#include "winbase/Handles.h"

namespace skin {

namespace {

constexpr core::Color builtInFrame = 8388608;
constexpr core::Color builtInDownFill = 11899781;
constexpr core::Color builtInHotFill = 13811126;

const core::FBitmap* pictureAt(const SkinData* skin, int32_t index) {
    if (!skin)
        return nullptr;
    const auto& list = skin->activePictureList();
    if (index < 0 || index >= int32_t(list.size()) || list[size_t(index)].width() <= 0)
        return nullptr;
    return &list[size_t(index)];
}

} // namespace

SkinMainMenuBar::SkinMainMenuBar(core::Component* owner) : SkinControl(owner) {
    setSkinDataName("mainmenubar");
    m_defItemFont.setName("Arial");
    m_defItemFont.setHeight(14);
    m_defItemFont.setColor(core::clBtnText);
    setHeight(m_defaultHeight);
    setAlign(gui::Align::alTop);
    m_morphTimer = std::make_unique<gui::Timer>();
    m_morphTimer->setEnabled(false);
    m_morphTimer->setInterval(20);
    m_morphTimer->onTimer = [this](core::Component*) { morphTick(); };
}

SkinMainMenuBar::~SkinMainMenuBar() {
    beginDestroy();
    if (SkinMenu* e = engine(); e && m_menuMode)
        e->onMenuKey = nullptr;
}

void SkinMainMenuBar::notification(core::Component* component, core::Operation operation) {
    SkinControl::notification(component, operation);
    if (operation != core::Operation::Remove)
        return;
    if (component == m_mainMenu) {
        m_mainMenu = nullptr;
        m_items.clear();
    }
    if (component == m_skinForm)
        m_skinForm = nullptr;
}

void SkinMainMenuBar::setMainMenu(gui::MainMenu* menu) {
    if (menu == m_mainMenu)
        return;
    if (m_mainMenu)
        removeFreeNotification(m_mainMenu);
    m_mainMenu = menu;
    if (m_mainMenu)
        freeNotification(m_mainMenu);
    buildItems();
    invalidate();
}

void SkinMainMenuBar::setSkinForm(SkinForm* form) {
    if (form == m_skinForm)
        return;
    if (m_skinForm)
        removeFreeNotification(m_skinForm);
    m_skinForm = form;
    if (m_skinForm) {
        freeNotification(m_skinForm);
        m_skinForm->setMainMenuBar(this);
    }
}

void SkinMainMenuBar::setScrollMenu(bool v) {
    m_scrollMenu = v;
    computeLayout();
    invalidate();
}

void SkinMainMenuBar::setDefaultHeight(int32_t v) {
    m_defaultHeight = v;
    if (v > 0 && !isSkinned())
        setHeight(v);
}

void SkinMainMenuBar::setDefaultWidth(int32_t v) {
    m_defaultWidth = v;
    if (v > 0 && !isSkinned())
        setWidth(v);
}

bool SkinMainMenuBar::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == "MainMenu") {
        value.resolveReference([this](core::Component* c) {
            auto* menu = dynamic_cast<gui::MainMenu*>(c);
            if (c && !menu)
                throw core::Error("Invalid property value");
            setMainMenu(menu);
        });
    } else if (name == "SkinForm") {
        value.resolveReference([this](core::Component* c) {
            auto* form = dynamic_cast<SkinForm*>(c);
            if (c && !form)
                throw core::Error("Invalid property value");
            setSkinForm(form);
        });
    } else if (name == "ScrollMenu") {
        setScrollMenu(value.asBool());
    } else if (name == "PopupToUp") {
        setPopupToUp(value.asBool());
    } else if (name == "DefaultWidth") {
        setDefaultWidth(value.asInt());
    } else if (name == "DefaultHeight") {
        setDefaultHeight(value.asInt());
    } else {
        return SkinControl::setProperty(name, value);
    }
    return true;
}

void SkinMainMenuBar::writeProperties(core::PropertyWriter& out) const {
    SkinControl::writeProperties(out);
    if (!m_scrollMenu)
        out.writeBool("ScrollMenu", false);
    if (m_popupToUp)
        out.writeBool("PopupToUp", true);
    if (m_defaultWidth != 0)
        out.writeInt("DefaultWidth", m_defaultWidth);
    if (m_defaultHeight != 22)
        out.writeInt("DefaultHeight", m_defaultHeight);
    if (m_skinForm)
        out.writeReference("SkinForm", m_skinForm);
    if (m_mainMenu)
        out.writeReference("MainMenu", m_mainMenu);
}

SkinMenu* SkinMainMenuBar::engine() const {
    return m_skinForm ? &m_skinForm->menuEngine() : nullptr;
}

void SkinMainMenuBar::buildItems() {
    m_items.clear();
    m_morphTimer->setEnabled(false);
    m_childMenuIn = false;
    gui::CustomForm* child = activeChild();
    if (m_mainMenu && child && child->menu()) {
        // The child's menu merged in; a merged bar never scrolls again.
        m_childMenuIn = true;
        m_scrollMenu = false;
        const gui::MenuItem& parentRoot = m_mainMenu->items();
        const gui::MenuItem& childRoot = child->menu()->items();
        auto entries = [](const gui::MenuItem& root) {
            std::vector<MenuEntry> list;
            for (const gui::MenuItem* item : root.items())
                list.push_back({item->groupIndex(), item->isVisible()});
            return list;
        };
        for (const MergedEntry& e : mergeMenus(entries(parentRoot), entries(childRoot)))
            m_items.push_back({(e.fromChild ? childRoot : parentRoot).item(e.index), false, false});
    } else if (m_mainMenu) {
        for (gui::MenuItem* item : m_mainMenu->items().items())
            if (item->isVisible())
                m_items.push_back({item, false, false});
    }
    if (m_childMaximized)
        applyButtonIcons();
    computeLayout();
}

// --- Multi-document parents ------------------------------------------------------------------------

gui::CustomForm* SkinMainMenuBar::mdiFrame() const {
    return m_skinForm && m_skinForm->form().isMDIForm() ? &m_skinForm->form() : nullptr;
}

gui::CustomForm* SkinMainMenuBar::activeChild() const {
    gui::CustomForm* frame = mdiFrame();
    gui::CustomForm* child = frame ? frame->activeMDIChild() : nullptr;
    return child && !child->isDestroying() ? child : nullptr;
}

void SkinMainMenuBar::mdiRefresh() {
    buildItems();
    invalidate();
}

void SkinMainMenuBar::childMaximized() {
    if (!m_childMaximized) {
        m_childMaximized = true;
        createButtons();
    }
    applyButtonIcons();
    computeLayout();
    invalidate();
}

void SkinMainMenuBar::childRestored() {
    if (m_childMaximized && !(m_skinForm && m_skinForm->maximizedChild())) {
        m_childMaximized = false;
        m_buttons.clear();
        computeLayout();
        invalidate();
        return;
    }
    applyButtonIcons();
    invalidate();
}

void SkinMainMenuBar::createButtons() {
    m_buttons.clear();
    // Inserted at the front in this order, so that the list runs system menu, close, maximise, minimise.
    const struct {
        WindowCommand command;
        const std::string DataSkinMainMenuBar::*name;
    } kinds[] = {{WindowCommand::cmMinimize, &DataSkinMainMenuBar::minButton},
                 {WindowCommand::cmMaximize, &DataSkinMainMenuBar::maxButton},
                 {WindowCommand::cmClose, &DataSkinMainMenuBar::closeButton},
                 {WindowCommand::cmSysMenu, &DataSkinMainMenuBar::sysMenuButton}};
    for (const auto& k : kinds) {
        Button b;
        b.command = k.command;
        if (m_record && skinData()) {
            const int o = skinData()->findSkinObject(m_record->*k.name);
            if (o >= 0) {
                b.record = dynamic_cast<const DataSkinMainMenuBarButton*>(
                    skinData()->skinObjectList()[size_t(o)].get());
                if (b.record)
                    b.picture = pictureAt(skinData(), b.record->activePictureIndex);
            }
        }
        m_buttons.insert(m_buttons.begin(), b);
    }
}

void SkinMainMenuBar::applyButtonIcons() {
    SkinForm* child = m_skinForm ? SkinForm::findSkinForm(m_skinForm->maximizedChild()) : nullptr;
    for (Button& b : m_buttons) {
        b.enabled = true;
        if (!child)
            continue;
        if (b.command == WindowCommand::cmMinimize && !child->borderIcons().has(SkinBorderIcon::biMinimize))
            b.enabled = false;
        if (b.command == WindowCommand::cmSysMenu && !child->borderIcons().has(SkinBorderIcon::biSystemMenu))
            b.enabled = false;
    }
}

void SkinMainMenuBar::placeButtons(core::Rect& items) {
    // The system-menu button at the left end, the others at the right end, close outermost.
    for (Button& b : m_buttons) {
        int32_t w = items.height(), h = items.height();
        if (b.record && b.picture && !b.record->skinRect.isEmpty()) {
            w = b.record->skinRect.width();
            h = b.record->skinRect.height();
        }
        const int32_t top = items.top + items.height() / 2 - h / 2;
        if (b.command == WindowCommand::cmSysMenu) {
            b.rect = {items.left, top, items.left + w, top + h};
            items.left += w + 2;
        } else {
            b.rect = {items.right - w, top, items.right, top + h};
            items.right -= w + 2;
        }
    }
}

int SkinMainMenuBar::buttonAt(core::Point p) const {
    for (size_t i = 0; i < m_buttons.size(); ++i)
        if (m_buttons[i].enabled && m_buttons[i].rect.contains(p))
            return int(i);
    return -1;
}

void SkinMainMenuBar::paintButtons(core::FBitmap& bitmap) {
    for (const Button& b : m_buttons) {
        const core::Rect& r = b.rect;
        if (r.isEmpty())
            continue;
        if (b.record && b.picture && !b.record->skinRect.isEmpty()) {
            core::Rect src = b.record->skinRect;
            if (b.down && b.active && !b.record->downRect.isEmpty())
                src = b.record->downRect;
            else if (b.active && !b.record->activeSkinRect.isEmpty())
                src = b.record->activeSkinRect;
            copyRect(bitmap, r, *b.picture, src);
            continue;
        }
        // The built-in look of the caption's standard buttons.
        core::FBitmap face(r.width(), r.height());
        const bool pressed = b.down && b.active;
        if (b.active && b.enabled) {
            face.fill(core::colorToRgb(builtInFrame));
            face.fillRect({1, 1, r.width() - 1, r.height() - 1},
                          core::colorToRgb(pressed ? builtInDownFill : builtInHotFill));
        } else {
            face.fill(core::colorToRgb(core::clBtnFace));
        }
        const CaptionGlyph glyph = b.command == WindowCommand::cmClose      ? CaptionGlyph::Close
                                   : b.command == WindowCommand::cmMaximize ? CaptionGlyph::Restore
                                   : b.command == WindowCommand::cmMinimize ? CaptionGlyph::Minimize
                                                                            : CaptionGlyph::FlatBar;
        const int32_t x = r.width() / 2 - (pressed ? 4 : 5), y = r.height() / 2 - (pressed ? 3 : 4);
        drawCaptionGlyph(face, glyph, x, y, b.enabled ? core::clBtnText : core::clBtnShadow);
        copyRect(bitmap, r, face, face.bounds());
    }
}

void SkinMainMenuBar::runButton(int i) {
    if (i < 0 || i >= buttonCount() || !m_skinForm)
        return;
    gui::CustomForm* child = m_skinForm->maximizedChild();
    SkinForm* childSkin = SkinForm::findSkinForm(child);
    if (!childSkin)
        return;
    switch (m_buttons[size_t(i)].command) {
    case WindowCommand::cmClose:
        child->close();
        break;
    case WindowCommand::cmMaximize:
        childSkin->changeWindowState(FormWindowState::Normal);
        break;
    case WindowCommand::cmMinimize:
        childSkin->changeWindowState(FormWindowState::Minimized);
        break;
    case WindowCommand::cmSysMenu: {
        SkinMenu* e = engine();
        if (!e)
            break;
        repaint();
        gui::MenuItem& items = childSkin->buildSystemMenu();
        if (e->onMenuOpening)
            e->onMenuOpening();
        const core::Point origin = clientOrigin();
        SkinData* skin = e->defaultSkinData ? e->defaultSkinData() : skinData();
        e->popup(this, skin, m_popupToUp, items, buttonRect(i).translated(origin.x, origin.y), 0);
        break;
    }
    default:
        break;
    }
}

bool SkinMainMenuBar::isItemShown(int i) const {
    return i >= 0 && i < int(m_layout.shown.size()) && m_layout.shown[size_t(i)];
}

core::Rect SkinMainMenuBar::itemRect(int i) const {
    return i >= 0 && i < int(m_layout.rects.size()) ? m_layout.rects[size_t(i)] : core::Rect{};
}

int SkinMainMenuBar::activeItem() const {
    for (int i = 0; i < itemCount(); ++i)
        if (m_items[size_t(i)].active || m_items[size_t(i)].down)
            return i;
    return -1;
}

std::vector<bool> SkinMainMenuBar::selectableItems() const {
    std::vector<bool> s;
    for (int i = 0; i < itemCount(); ++i)
        s.push_back(isItemShown(i) && m_items[size_t(i)].item->isEnabled());
    return s;
}

// --- Skin ------------------------------------------------------------------------------------------

void SkinMainMenuBar::readSkinRecord() {
    SkinControl::readSkinRecord();
    m_record = nullptr;
    m_picture = m_itemPicture = nullptr;
    m_itemRecord = nullptr;
    if (m_skinIndex < 0)
        return;
    m_record =
        dynamic_cast<const DataSkinMainMenuBar*>(skinData()->skinControlList()[size_t(m_skinIndex)].get());
    if (!m_record) {
        m_skinIndex = -1;
        return;
    }
    m_picture = pictureAt(skinData(), m_record->pictureIndex);
    const int o = skinData()->findSkinObject(m_record->menuBarItem);
    if (o >= 0) {
        m_itemRecord =
            dynamic_cast<const DataSkinMainMenuItem*>(skinData()->skinObjectList()[size_t(o)].get());
        if (m_itemRecord)
            m_itemPicture = pictureAt(skinData(), m_itemRecord->activePictureIndex);
    }
}

void SkinMainMenuBar::skinChanging() {
    // The records and pictures go with the old skin: a layout pass before the new one arrives (the
    // window moves while the form takes the new frame) must not read them.
    for (Button& b : m_buttons) {
        b.record = nullptr;
        b.picture = nullptr;
    }
    m_record = nullptr;
    m_itemRecord = nullptr;
    m_picture = m_itemPicture = nullptr;
    SkinControl::skinChanging();
}

void SkinMainMenuBar::skinChanged() {
    readSkinRecord();
    if (m_childMaximized)
        createButtons();
    buildItems();
    if (isSkinned() && m_record && !m_record->skinRect.isEmpty())
        setHeight(m_record->skinRect.height());
    else if (m_defaultHeight > 0)
        setHeight(m_defaultHeight);
    invalidate();
}

void SkinMainMenuBar::boundsChanged(bool sizeChanged) {
    SkinControl::boundsChanged(sizeChanged);
    if (sizeChanged)
        computeLayout();
}

// --- Layout and painting ----------------------------------------------------------------------------

core::Rect SkinMainMenuBar::itemsRect() const {
    if (m_record && m_picture && !m_record->skinRect.isEmpty()) {
        const core::Rect& r = m_record->itemsRect;
        return {r.left, r.top, width() + r.right - m_record->skinRect.width(), r.bottom};
    }
    return {2, 2, width() - 2, height() - 2};
}

bool SkinMainMenuBar::hasSkinnedItems() const {
    return m_itemRecord && m_itemPicture && !m_itemRecord->skinRect.isEmpty() &&
           !m_itemRecord->textRect.isEmpty();
}

void SkinMainMenuBar::setItemFont(gui::Canvas& canvas) const {
    if (hasSkinnedItems()) {
        canvas.font().setName(m_itemRecord->fontName);
        canvas.font().setHeight(m_itemRecord->fontHeight);
        canvas.font().setStyle(gui::FontStyles::fromBits(m_itemRecord->fontStyle.bits()));
    } else {
        canvas.font().assign(m_defItemFont);
    }
}

void SkinMainMenuBar::computeLayout() {
    core::Rect items = itemsRect();
    placeButtons(items);
    const bool skinnedItems = hasSkinnedItems();
    std::vector<int32_t> widths;
    winbase::OwnedDC dc = winbase::OwnedDC::createCompatible();
    gui::Canvas canvas(dc.get());
    setItemFont(canvas);
    for (const Item& it : m_items) {
        const int32_t caption = dc ? canvas.textWidth(gui::stripHotkey(it.item->caption())) : 0;
        widths.push_back(skinnedItems
                             ? m_itemRecord->skinRect.width() - m_itemRecord->textRect.width() + caption + 2
                             : caption + 12);
    }
    canvas.setHandle(nullptr);
    m_layout = layoutMenuBar(items, widths, skinnedItems ? m_itemRecord->skinRect.height() : 0, m_scrollMenu);
}

void SkinMainMenuBar::paintUnskinned(core::FBitmap& bitmap) {
    fillRectangle(bitmap, bitmap.bounds(), core::clBtnFace);
    paintItems(bitmap);
}

void SkinMainMenuBar::paintSkinned(core::FBitmap& bitmap) {
    if (m_record && m_picture && !m_record->skinRect.isEmpty()) {
        core::FBitmap bar;
        composeHorizontalSkinImage(m_record->itemsRect.left,
                                   m_record->skinRect.width() - m_record->itemsRect.right, bar, *m_picture,
                                   m_record->skinRect, bitmap.width());
        copyRect(bitmap, bar.bounds(), bar, bar.bounds());
    } else {
        fillRectangle(bitmap, bitmap.bounds(), core::clBtnFace);
    }
    paintItems(bitmap);
}

void SkinMainMenuBar::paintItems(core::FBitmap& bitmap) {
    computeLayout();
    paintButtons(bitmap);
    const bool skinnedItems = hasSkinnedItems();
    struct Caption {
        std::string text;
        core::Rect rect;
        core::Color color;
    };
    std::vector<Caption> captions;
    for (int i = 0; i < itemCount(); ++i) {
        if (!isItemShown(i))
            continue;
        const Item& it = m_items[size_t(i)];
        const core::Rect r = m_layout.rects[size_t(i)];
        const bool enabled = it.item->isEnabled();
        if (skinnedItems) {
            const DataSkinMainMenuItem& rec = *m_itemRecord;
            core::Rect src = rec.skinRect;
            core::Color color = enabled ? rec.fontColor : rec.unenabledFontColor;
            if (it.down) {
                src = !rec.downRect.isEmpty()         ? rec.downRect
                      : !rec.activeSkinRect.isEmpty() ? rec.activeSkinRect
                                                      : src;
                color = rec.downFontColor;
            } else if (it.active && !rec.activeSkinRect.isEmpty()) {
                src = rec.activeSkinRect;
                color = rec.activeFontColor;
            }
            core::FBitmap image;
            if (!it.down && itemsMorph() && itemCanMorph(it)) {
                // Halfway between normal and active: blend the two images by the factor.
                EffectBmp effect(itemImage(rec.skinRect, r.width()));
                effect.morph(EffectBmp(itemImage(rec.activeSkinRect, r.width())), it.morphFactor,
                             int(rec.morphKind));
                image = effect.takeBitmap();
            } else {
                image = itemImage(src, r.width());
            }
            copyRect(bitmap, {r.left, r.top, r.left + image.width(), r.top + image.height()}, image,
                     image.bounds());
            const int32_t captionWidth = r.width() - (rec.skinRect.width() - rec.textRect.width());
            const core::Rect tr{r.left + rec.textRect.left, r.top + rec.textRect.top,
                                r.left + rec.textRect.left + captionWidth, r.top + rec.textRect.bottom};
            captions.push_back({it.item->caption(), tr, color});
        } else {
            if (it.down || it.active) {
                fillRectangle(bitmap, r, it.down ? builtInDownFill : builtInHotFill);
                frameRectangle(bitmap, r, builtInFrame);
            }
            const core::Rect tr = it.down ? r.translated(1, 1) : r;
            captions.push_back({it.item->caption(), tr, enabled ? m_defItemFont.color() : core::clBtnShadow});
        }
    }
    if (hasHiddenItems())
        drawArrowGlyph(bitmap, m_layout.marker,
                       m_record ? (m_markerActive ? m_record->trackMarkActiveColor : m_record->trackMarkColor)
                                : (m_markerActive ? core::clBtnText : core::clBtnShadow),
                       2);
    BitmapTextCanvas textCanvas(bitmap);
    if (!textCanvas.isValid())
        return;
    gui::Canvas& canvas = textCanvas.canvas();
    setItemFont(canvas);
    canvas.brush().setStyle(gui::BrushStyle::bsClear);
    for (Caption& c : captions) {
        canvas.font().setColor(c.color);
        canvas.drawText(c.text, c.rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

core::FBitmap SkinMainMenuBar::itemImage(const core::Rect& src, int32_t width) const {
    core::FBitmap image;
    composeHorizontalSkinImage(m_itemRecord->itemLeftOffset, m_itemRecord->itemRightOffset, image,
                               *m_itemPicture, src, width);
    return image;
}

// --- Morph -------------------------------------------------------------------------------------------

bool SkinMainMenuBar::itemsMorph() const {
    return hasSkinnedItems() && m_itemRecord->morphing && !m_itemRecord->activeSkinRect.isEmpty();
}

bool SkinMainMenuBar::itemCanMorph(const Item& it) const {
    if (it.down && !m_itemRecord->downRect.isEmpty())
        return false;
    return skin::canMorph(it.morphFactor, it.active);
}

bool SkinMainMenuBar::isMorphTimerRunning() const {
    return m_morphTimer->isEnabled();
}

void SkinMainMenuBar::startMorphOrRedraw() {
    if (itemsMorph())
        m_morphTimer->setEnabled(true);
    else
        invalidate();
}

void SkinMainMenuBar::morphTick() {
    bool any = false;
    if (itemsMorph())
        for (Item& it : m_items)
            if (itemCanMorph(it)) {
                it.morphFactor = skin::morphStep(it.morphFactor, it.active);
                any = true;
            }
    if (any)
        invalidate();
    else
        m_morphTimer->setEnabled(false);
}

void SkinMainMenuBar::setHotItem(int i) {
    // The state changes first and the handlers run after, so a handler that rebuilds the items is safe.
    std::vector<gui::MenuItem*> left;
    for (Item& it : m_items)
        if (it.active && !it.down && (i < 0 || &it != &m_items[size_t(i)])) {
            it.active = false;
            left.push_back(it.item);
        }
    gui::MenuItem* entered = nullptr;
    if (i >= 0 && !m_items[size_t(i)].active) {
        m_items[size_t(i)].active = true;
        entered = m_items[size_t(i)].item;
    }
    startMorphOrRedraw();
    for (gui::MenuItem* item : left)
        if (onItemMouseLeave)
            onItemMouseLeave(this, *item);
    if (entered && onItemMouseEnter)
        onItemMouseEnter(this, *entered);
}

// --- Mouse -------------------------------------------------------------------------------------------

void SkinMainMenuBar::mouseMove(gui::ShiftState shift, int x, int y) {
    SkinControl::mouseMove(shift, x, y);
    const int hot = buttonAt({x, y});
    bool buttonsChanged = false;
    for (int i = 0; i < buttonCount(); ++i) {
        Button& b = m_buttons[size_t(i)];
        if (b.active != (i == hot)) {
            b.active = i == hot;
            buttonsChanged = true;
        }
    }
    if (buttonsChanged)
        invalidate();
    int under = -1;
    for (int i = 0; i < itemCount(); ++i)
        if (isItemShown(i) && m_items[size_t(i)].item->isEnabled() && itemRect(i).contains({x, y}))
            under = i;
    const bool marker = hasHiddenItems() && m_layout.marker.contains({x, y});
    bool changed = marker != m_markerActive;
    m_markerActive = marker;
    const int current = activeItem();
    if (under >= 0 && under != current) {
        if (current >= 0 && m_items[size_t(current)].down) {
            openItem(under); // an open menu follows the mouse along the bar
            return;
        }
        setHotItem(under);
    } else if (under < 0 && current >= 0 && !m_menuMode && !m_items[size_t(current)].down) {
        setHotItem(-1); // off the items; in menu mode the item stays active
    }
    if (changed)
        invalidate();
}

void SkinMainMenuBar::mouseLeave() {
    SkinControl::mouseLeave();
    for (Button& b : m_buttons)
        if (!(b.down && b.command == WindowCommand::cmSysMenu))
            b.active = b.down = false;
    m_markerActive = false;
    if (!m_menuMode)
        setHotItem(-1);
    invalidate();
}

void SkinMainMenuBar::mouseDown(gui::MouseButton button, gui::ShiftState shift, int x, int y) {
    SkinControl::mouseDown(button, shift, x, y);
    if (button != gui::MouseButton::mbLeft)
        return;
    if (const int b = buttonAt({x, y}); b >= 0) {
        Button& pressed = m_buttons[size_t(b)];
        if (shift.has(gui::Shift::ssDouble) && pressed.command == WindowCommand::cmSysMenu) {
            // A double click on the system-menu button closes the child, as on a caption.
            if (SkinMenu* e = engine())
                e->closeAll();
            pressed.down = pressed.active = false;
            if (gui::CustomForm* child = m_skinForm ? m_skinForm->maximizedChild() : nullptr)
                child->close();
            return;
        }
        if (pressed.down)
            return;
        pressed.down = pressed.active = true;
        repaint();
        if (pressed.command == WindowCommand::cmSysMenu)
            runButton(b);
        return;
    }
    for (int i = 0; i < itemCount(); ++i)
        if (isItemShown(i) && m_items[size_t(i)].item->isEnabled() && itemRect(i).contains({x, y})) {
            openItem(i);
            return;
        }
    if (hasHiddenItems() && m_layout.marker.contains({x, y}))
        openHiddenItems();
}

// --- Menus ---------------------------------------------------------------------------------------------

void SkinMainMenuBar::openItem(int i) {
    SkinMenu* e = engine();
    if (!e || i < 0 || i >= itemCount())
        return;
    gui::MenuItem& item = *m_items[size_t(i)].item;
    if (!item.hasSubItems()) {
        leaveMenuMode();
        item.click();
        return;
    }
    for (Item& it : m_items)
        it.active = it.down = false;
    m_items[size_t(i)].active = m_items[size_t(i)].down = true;
    if (itemsMorph())
        m_items[size_t(i)].morphFactor = 1;
    startMorphOrRedraw(); // the item that was down fades back
    if (!m_menuMode) {
        m_menuMode = true;
        e->onMenuKey = [this](unsigned key) { return menuKey(key); };
    }
    repaint();
    if (e->onMenuOpening)
        e->onMenuOpening();
    const core::Point origin = clientOrigin();
    const core::Rect anchor = itemRect(i).translated(origin.x, origin.y);
    SkinData* skin = skinData() ? skinData() : (e->defaultSkinData ? e->defaultSkinData() : nullptr);
    m_switching = true;
    e->popup(this, skin, m_popupToUp, item, anchor, 0);
    m_switching = false;
}

void SkinMainMenuBar::openHiddenItems() {
    SkinMenu* e = engine();
    if (!e || !m_mainMenu)
        return;
    if (e->onMenuOpening)
        e->onMenuOpening();
    const core::Point origin = clientOrigin();
    SkinData* skin = skinData() ? skinData() : (e->defaultSkinData ? e->defaultSkinData() : nullptr);
    // The hidden items are the last ones: the popup lists the menu from the first of them on.
    int first = 0;
    for (int i = 0, seen = 0; i < m_mainMenu->items().count() && seen <= m_layout.shownCount; ++i) {
        if (m_mainMenu->items().item(i)->isVisible())
            ++seen;
        first = i;
    }
    e->popup(this, skin, false, m_mainMenu->items(), m_layout.marker.translated(origin.x, origin.y), first);
}

void SkinMainMenuBar::menuClosed() {
    for (Item& it : m_items)
        if (it.down) {
            it.down = false;
            it.active = m_menuMode;
        }
    startMorphOrRedraw();
}

void SkinMainMenuBar::mouseUp(gui::MouseButton button, gui::ShiftState shift, int x, int y) {
    SkinControl::mouseUp(button, shift, x, y);
    if (button != gui::MouseButton::mbLeft)
        return;
    for (int i = 0; i < buttonCount(); ++i) {
        Button& b = m_buttons[size_t(i)];
        if (!b.down || b.command == WindowCommand::cmSysMenu)
            continue;
        b.down = false;
        const bool run = b.enabled && b.rect.contains({x, y});
        invalidate();
        if (run)
            runButton(i); // may close the child and rebuild the buttons: nothing after this
        return;
    }
}

void SkinMainMenuBar::wndProc(gui::Message& m) {
    if (m.msg == msgSkinMenuClosed)
        for (Button& b : m_buttons)
            if (b.down && b.command == WindowCommand::cmSysMenu) {
                b.down = b.active = false;
                invalidate();
            }
    if (m.msg == msgSkinMenuClosed && !m_switching)
        menuClosed();
    SkinControl::wndProc(m);
}

// --- Keyboard -----------------------------------------------------------------------------------------

void SkinMainMenuBar::enterMenuMode() {
    SkinMenu* e = engine();
    if (!e || m_items.empty())
        return;
    m_menuMode = true;
    e->onMenuKey = [this](unsigned key) { return menuKey(key); };
    if (activeItem() < 0) {
        const int first = nextMenuBarItem(selectableItems(), -1);
        if (first >= 0)
            setHotItem(first);
    }
    if (e->onMenuOpening)
        e->onMenuOpening();
    repaint();
}

void SkinMainMenuBar::leaveMenuMode() {
    const bool was = m_menuMode;
    m_menuMode = false;
    for (Item& it : m_items)
        it.active = it.down = false;
    startMorphOrRedraw();
    if (SkinMenu* e = engine(); e && was) {
        e->onMenuKey = nullptr;
        e->closeAll(); // ends the form's menu step too
    }
    invalidate();
}

void SkinMainMenuBar::moveTo(int i) {
    if (i < 0)
        return;
    for (Item& it : m_items)
        it.down = false;
    setHotItem(i);
    repaint();
}

bool SkinMainMenuBar::walkTo(int i) {
    if (i < 0)
        return false;
    // With a submenu open the walk takes it along.
    SkinMenu* e = engine();
    if (e && e->isVisible())
        openItem(i);
    else
        moveTo(i);
    return true;
}

bool SkinMainMenuBar::nextItem() {
    return walkTo(nextMenuBarItem(selectableItems(), activeItem()));
}

bool SkinMainMenuBar::previousItem() {
    return walkTo(previousMenuBarItem(selectableItems(), activeItem()));
}

bool SkinMainMenuBar::pressItem() {
    const int i = activeItem();
    if (i < 0)
        return false;
    openItem(i);
    return true;
}

bool SkinMainMenuBar::takeAccelerator(unsigned key) {
    if (!((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')))
        return false;
    for (int i = 0; i < itemCount(); ++i)
        if (isItemShown(i) && m_items[size_t(i)].item->isEnabled() &&
            gui::isAccel(char32_t(key), m_items[size_t(i)].item->caption())) {
            openItem(i);
            return true;
        }
    return false;
}

bool SkinMainMenuBar::menuKey(unsigned key) {
    SkinMenu* e = engine();
    if (!e)
        return false;
    if (!e->isVisible()) {
        switch (key) {
        case VK_LEFT:
            previousItem();
            break;
        case VK_RIGHT:
            nextItem();
            break;
        case VK_DOWN:
        case VK_RETURN:
            pressItem();
            break;
        case VK_ESCAPE:
            leaveMenuMode();
            break;
        default:
            takeAccelerator(key);
            break;
        }
        return true;
    }
    if (key == VK_LEFT && e->windowCount() <= 1)
        return previousItem();
    if (key == VK_RIGHT && e->windowCount() > 0) {
        SkinPopupWindow& last = e->window(e->windowCount() - 1);
        const int a = last.activeEntry();
        if (a < 0 || !last.entry(a).hasSubItems())
            return nextItem();
    }
    if (key == VK_ESCAPE && e->windowCount() == 1) {
        e->closeFrom(0); // back to the bar, still in menu mode
        return true;
    }
    return false;
}

} // namespace skin
