#include "skin/popup/win32/SkinMenu.h"

#include "gui/Control.h"
#include "gui/Form.h"
#include "gui/MenuItem.h"
#include "gui/ShortCut.h"
#include "gui/Timer.h"
#include "skin/data/SkinData.h"
#include "skin/popup/win32/SkinPopupWindow.h"
#include "skin/render/win32/ScreenHelpers.h"

#include <algorithm>
#include <utility>

namespace skin {

namespace {

std::vector<std::pair<const gui::CustomForm*, SkinMenu*>>& engines() {
    // Never freed: forms owned by the application object die during static destruction, after a
    // list of static storage would be gone.
    static auto* list = new std::vector<std::pair<const gui::CustomForm*, SkinMenu*>>;
    return *list;
}

void tell(gui::Control* control, unsigned msg) {
    if (control)
        control->perform(msg, 0, 0);
}

bool isAcceleratorKey(unsigned key) {
    return (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z');
}

} // namespace

SkinMenu::SkinMenu(gui::CustomForm& owner) : m_owner(owner) {
    m_defaultItemFont.setName("Arial");
    m_defaultItemFont.setHeight(14);
    m_waitTimer = std::make_unique<gui::Timer>();
    m_waitTimer->setEnabled(false);
    m_waitTimer->setInterval(submenuDelay);
    m_waitTimer->onTimer = [this](core::Component*) { waitTimerTick(); };
    engines().emplace_back(&owner, this);
}

SkinMenu::~SkinMenu() {
    auto& list = engines();
    list.erase(std::remove_if(list.begin(), list.end(), [this](const auto& e) { return e.second == this; }),
               list.end());
    m_alive.reset();
    gui::application().removeMessageFilter(this);
    m_waitTimer->setEnabled(false);
    m_windows.clear();
    m_closed.clear();
}

SkinMenu* SkinMenu::forForm(const gui::CustomForm* form) {
    for (const auto& [f, engine] : engines())
        if (f == form)
            return engine;
    return nullptr;
}

void SkinMenu::ControlWatch::watch(gui::Control* control) {
    if (control)
        freeNotification(control);
}

void SkinMenu::ControlWatch::notification(core::Component* component, core::Operation operation) {
    core::Component::notification(component, operation);
    if (operation != core::Operation::Remove)
        return;
    if (component == m_menu.m_popupControl)
        m_menu.m_popupControl = nullptr;
    if (component == m_menu.m_notifyControl)
        m_menu.m_notifyControl = nullptr;
}

SkinMenu::HandlerScope::HandlerScope(SkinMenu& menu) : m_menu(&menu), m_alive(menu.m_alive) {
    ++menu.m_handlerDepth;
}

SkinMenu::HandlerScope::~HandlerScope() {
    if (m_alive.expired())
        return;
    if (--m_menu->m_handlerDepth == 0)
        m_menu->freeClosed();
}

void SkinMenu::freeClosed() {
    if (m_handlerDepth == 0)
        m_closed.clear();
}

// --- Cascade ---------------------------------------------------------------------------------------

void SkinMenu::popup(gui::Control* popupControl, SkinData* skin, bool popupUp, gui::MenuItem& root,
                     const core::Rect& anchor, int startIndex) {
    open(popupControl, skin, popupUp, root, nullptr, anchor, startIndex);
}

void SkinMenu::popupTwoRoots(gui::Control* popupControl, SkinData* skin, bool popupUp, gui::MenuItem& first,
                             gui::MenuItem& second, const core::Rect& anchor, int startIndex) {
    open(popupControl, skin, popupUp, first, &second, anchor, startIndex);
}

void SkinMenu::open(gui::Control* popupControl, SkinData* skin, bool popupUp, gui::MenuItem& root,
                    gui::MenuItem* second, const core::Rect& anchor, int startIndex) {
    HandlerScope scope(*this);
    m_firstPopup = !m_visible;
    // NOTE: the cascade being replaced is closed before the new control is remembered, so that the
    // close notice goes to the control of the old cascade and not to the one just asking.
    if (!m_windows.empty())
        closeFrom(0);
    m_popupControl = popupControl;
    m_watch.watch(popupControl);
    if (m_owner.hasHandle())
        getMonitorWorkArea(m_owner.handle(), true, m_workArea);
    else
        m_workArea = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    m_skinData = skin;
    const int count = root.count() + (second ? second->count() : 0);
    if (count > 0 && startIndex < count) {
        m_visible = true;
        updateFilter();
        openWindow(anchor, root, second, popupUp ? PopupKind::DropUp : PopupKind::DropDown, startIndex);
        m_firstPopup = false;
    }
}

void SkinMenu::openWindow(const core::Rect& anchor, gui::MenuItem& root, gui::MenuItem* second,
                          PopupKind kind, int startIndex) {
    SkinData* skin = m_skinData && !m_skinData->isSkinEmpty() ? m_skinData : nullptr;
    m_windows.push_back(std::make_unique<SkinPopupWindow>(*this, skin));
    m_windows.back()->show(anchor, root, second, kind, startIndex);
}

void SkinMenu::closeFrom(int level) {
    HandlerScope scope(*this);
    level = std::max(level, 0);
    while (windowCount() > level) {
        std::unique_ptr<SkinPopupWindow> w = std::move(m_windows.back());
        m_windows.pop_back();
        if (m_waitItem.window == w.get())
            stopWait();
        w->close();
        m_closed.push_back(std::move(w));
    }
    if (level == 0) {
        m_visible = false;
        stopWait();
        m_notifyControl = m_popupControl;
        updateFilter();
        if (gui::Control* control = std::exchange(m_popupControl, nullptr))
            tell(control, msgSkinMenuClosed);
    }
}

void SkinMenu::closeAll() {
    closeFrom(0);
    stopWait();
    if (m_owner.hasHandle())
        SendMessageW(m_owner.handle(), msgSkinMenuClosed, 0, 0);
}

int SkinMenu::levelOf(const SkinPopupWindow* window) const {
    for (int i = 0; i < windowCount(); ++i)
        if (m_windows[size_t(i)].get() == window)
            return i;
    return windowCount();
}

void SkinMenu::stopWait() {
    m_waitTimer->setEnabled(false);
    m_waitItem = {};
}

// --- Entry rules -------------------------------------------------------------------------------------

void SkinMenu::entryEnter(SkinPopupWindow& window, int index, bool keyboard) {
    SkinMenuEntry& e = window.entry(index);
    e.active = true;
    for (int i = 0; i < window.entryCount(); ++i)
        if (i != index && window.entry(i).down) {
            window.entry(i).down = false;
            window.requestRepaint(i);
        }
    if (e.autoSelected && !keyboard) {
        window.requestRepaint(index);
        return;
    }
    if (e.down) {
        // Back on the entry whose submenu is open: the submenu stays, its own submenus close.
        const int level = levelOf(&window);
        if (windowCount() > level + 2) {
            closeFrom(level + 2);
            SkinPopupWindow& next = *m_windows[size_t(level + 1)];
            for (int i = 0; i < next.entryCount(); ++i)
                if (next.entry(i).down) {
                    next.entry(i).down = false;
                    next.requestRepaint(i);
                }
        }
        return;
    }
    window.requestRepaint(index);
    activate(window, index, keyboard, false);
}

void SkinMenu::entryLeave(SkinPopupWindow& window, int index) {
    SkinMenuEntry& e = window.entry(index);
    e.active = false;
    e.autoSelected = false;
    if (!e.down)
        window.requestRepaint(index);
    if (m_waitItem.window == &window && m_waitItem.index == index)
        stopWait();
}

void SkinMenu::entryClick(SkinPopupWindow& window, int index) {
    SkinMenuEntry& e = window.entry(index);
    e.autoSelected = false;
    if (!e.down && e.isEnabled())
        activate(window, index, false, true);
}

void SkinMenu::activate(SkinPopupWindow& window, int index, bool keyboard, bool click) {
    HandlerScope scope(*this);
    SkinMenuEntry& e = window.entry(index);
    const int level = levelOf(&window);
    if (!e.hasSubItems()) {
        stopWait();
        if (!click) {
            closeFrom(level + 1);
            return;
        }
        // The cascade closes before the command runs; the command may free anything, this included.
        gui::MenuItem* item = &e.menuItem();
        std::weak_ptr<int> alive = m_alive;
        closeAll();
        item->click();
        if (alive.expired())
            return;
        if (gui::Control* control = std::exchange(m_notifyControl, nullptr))
            tell(control, msgSkinMenuCommand);
        return;
    }
    if (!click) {
        if (keyboard)
            return; // keyboard selection does not open submenus
        stopWait();
        closeFrom(level + 1);
        m_waitItem = {&window, index};
        m_waitTimer->setEnabled(true);
        return;
    }
    std::weak_ptr<int> alive = m_alive;
    e.menuItem().click();
    if (alive.expired() || levelOf(&window) == windowCount() || index >= window.entryCount())
        return; // the click handler closed the menu
    stopWait();
    closeFrom(level + 1);
    SkinMenuEntry& entry = window.entry(index);
    entry.down = true;
    const core::Rect origin = window.screenRect();
    openWindow(entry.objectRect.translated(origin.left, origin.top), entry.menuItem(), nullptr,
               PopupKind::Submenu, 0);
}

void SkinMenu::waitTimerTick() {
    HandlerScope scope(*this);
    SkinPopupWindow* window = m_waitItem.window;
    const int index = m_waitItem.index;
    stopWait();
    if (window && levelOf(window) < windowCount() && index < window->entryCount())
        activate(*window, index, false, true);
}

// --- Keyboard ----------------------------------------------------------------------------------------

void SkinMenu::processKey(unsigned key) {
    HandlerScope scope(*this);
    if (!m_visible || m_windows.empty())
        return;
    SkinPopupWindow& w = *m_windows.back();
    if (isAcceleratorKey(key))
        for (int i = 0; i < w.entryCount(); ++i)
            if (gui::isAccel(char32_t(key), w.entry(i).menuItem().caption())) {
                w.makeActive(i, false);
                entryClick(w, i);
                return;
            }
    auto clearDownOfLast = [this] {
        if (m_windows.empty())
            return;
        SkinPopupWindow& last = *m_windows.back();
        if (last.activeEntry() >= 0 && last.entry(last.activeEntry()).down) {
            last.entry(last.activeEntry()).down = false;
            last.requestRepaint(last.activeEntry());
        }
    };
    switch (key) {
    case VK_RETURN:
        if (w.activeEntry() >= 0 && w.entry(w.activeEntry()).isSelectable())
            entryClick(w, w.activeEntry());
        break;
    case VK_ESCAPE:
        closeFrom(windowCount() - 1);
        clearDownOfLast();
        break;
    case VK_LEFT:
        if (windowCount() >= 2) {
            closeFrom(windowCount() - 1);
            clearDownOfLast();
        }
        break;
    case VK_UP:
        w.selectPrevious();
        break;
    case VK_RIGHT:
        if (w.activeEntry() >= 0 && w.entry(w.activeEntry()).hasSubItems())
            entryClick(w, w.activeEntry());
        break;
    case VK_DOWN:
        w.selectNext();
        break;
    default:
        break;
    }
}

void SkinMenu::setKeyFilter(bool on) {
    m_formWantsKeys = on;
    updateFilter();
}

bool SkinMenu::isKeyFilterOn() const {
    return gui::application().hasMessageFilter(this);
}

void SkinMenu::updateFilter() {
    if (m_formWantsKeys || m_visible)
        gui::application().addMessageFilter(this);
    else
        gui::application().removeMessageFilter(this);
}

bool SkinMenu::filterMessage(MSG& msg) {
    if (msg.message == WM_MOUSEWHEEL)
        return true;
    if (msg.message != WM_KEYDOWN)
        return false;
    HandlerScope scope(*this);
    std::weak_ptr<int> alive = m_alive;
    const unsigned key = unsigned(msg.wParam);
    if (onMenuKey && onMenuKey(key))
        return true;
    if (alive.expired())
        return true;
    const bool wasVisible = m_visible;
    processKey(key);
    if (!alive.expired() && wasVisible && !m_visible && key == VK_ESCAPE)
        closeAll(); // Escape closed the last window: the menu has ended
    return true;
}

} // namespace skin
