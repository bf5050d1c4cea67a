#include "skin/form/win32/SkinForm.h"

#include "core/Error.h"
#include "core/Property.h"
#include "gui/DibStorage.h"
#include "gui/Form.h"
#include "gui/PopupMenu.h"
#include "gui/Timer.h"
#include "gui/WindowProc.h"
#include "skin/controls/SkinChangeRelay.h"
#include "skin/controls/SkinDataReference.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinNotifier.h"
#include "skin/form/win32/FormSkinObjects.h"
#include "skin/form/win32/SkinMDITabsBar.h"
#include "skin/form/win32/SkinMainMenuBar.h"
#include "skin/popup/win32/SkinHint.h"
#include "skin/popup/win32/SkinMenu.h"
#include "skin/popup/win32/SkinPopupMenu.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

namespace skin {

namespace {

constexpr const char* borderIconNames[] = {"biSystemMenu", "biMinimize", "biMaximize", "biRollUp",
                                           "biMinimizeToTray"};

void setCaptionFontDefaults(gui::Font& font, core::Color color) {
    font.setName("Arial");
    font.setHeight(14);
    font.setStyle(gui::FontStyle::fsBold);
    font.setColor(color);
}

} // namespace

SkinForm::SkinForm(core::Component* owner) : core::Component(owner) {
    m_form = dynamic_cast<gui::CustomForm*>(owner);
    if (!m_form)
        throw core::Error("Invalid class typecast");
    gui::installDibStorage();
    setCaptionFontDefaults(m_defCaptionFont, core::clBtnText);
    setCaptionFontDefaults(m_defInActiveCaptionFont, core::clBtnShadow);
    m_defMenuItemFont.setName("Arial");
    m_defMenuItemFont.setHeight(14);
    auto makeTimer = [this](unsigned interval, void (SkinForm::*tick)()) {
        auto timer = std::make_unique<gui::Timer>();
        timer->setEnabled(false);
        timer->setInterval(interval);
        timer->onTimer = [this, tick](core::Component*) { (this->*tick)(); };
        return timer;
    };
    m_mouseTimer = makeTimer(50, &SkinForm::mouseTimerTick);
    m_morphTimer = makeTimer(20, &SkinForm::morphTimerTick);
    m_animateTimer = makeTimer(25, &SkinForm::animateTimerTick);
    m_builtInSystemMenu = std::make_unique<gui::PopupMenu>();
    m_trayMenu = std::make_unique<SkinPopupMenu>();
    {
        auto* restore = new gui::MenuItem(m_trayMenu.get());
        restore->setName("TRAY_SF_RESTORE");
        restore->setCaption("恢复(&R)");
        restore->onClick = [this](gui::MenuItem&) { restoreFromTray(); };
        m_trayMenu->items().add(restore);
        auto* line = new gui::MenuItem(m_trayMenu.get());
        line->setCaption("-");
        m_trayMenu->items().add(line);
        auto* close = new gui::MenuItem(m_trayMenu.get());
        close->setName("TRAY_SF_CLOSE");
        close->setCaption("关闭(&C)");
        close->setShortCut(gui::textToShortCut("Alt+F4"));
        close->onClick = [this](gui::MenuItem&) { closeWindow(); };
        m_trayMenu->items().add(close);
    }
    m_menuEngine = std::make_unique<SkinMenu>(*m_form);
    m_menuEngine->defaultSkinData = [this] { return m_menusSkinData ? m_menusSkinData : m_skinData; };
    m_menuEngine->onMenuOpening = [this] { menuOpened(); };
    syncMenuSettings();
    m_form->setBorderIcons(gui::BorderIcons());
    if (isDesigning())
        return;
    m_form->installHook(&m_hook);
    // Made again so that the hook sees the window's creation and takes its caption away.
    if (m_form->hasHandle())
        m_form->recreateWnd();
}

SkinForm::~SkinForm() {
    beginDestroy();
    // A child freed before its window still leaves its parent's bars and menu.
    if (!isDesigning() && isMDIChild())
        gui::guardedCall([this] { childGone(); });
    unhookClientWindow();
    m_menuEngine.reset();
    m_mouseTimer->setEnabled(false);
    m_morphTimer->setEnabled(false);
    m_animateTimer->setEnabled(false);
    if (!isDesigning() && m_form->hasHook(&m_hook))
        m_form->removeHook(&m_hook);
    m_objects.clear();
    if (m_regionSet && hasWindow())
        SetWindowRgn(window(), nullptr, TRUE);
}

bool SkinForm::hasWindow() const {
    return m_form->hasHandle() && !m_form->isDestroying();
}

HWND SkinForm::window() const {
    return m_form->handle();
}

bool SkinForm::isBorderless() const {
    return m_form->borderStyle() == gui::BorderStyle::bsNone;
}

bool SkinForm::isSizeable() const {
    const gui::BorderStyle s = m_form->borderStyle();
    return s == gui::BorderStyle::bsSizeable || s == gui::BorderStyle::bsSizeToolWin;
}

bool SkinForm::isToolWindow() const {
    const gui::BorderStyle s = m_form->borderStyle();
    return s == gui::BorderStyle::bsToolWindow || s == gui::BorderStyle::bsSizeToolWin;
}

// --- Properties ----------------------------------------------------------------------------------

void SkinForm::setSkinData(SkinData* store) {
    if (m_skinData && m_skinData != store)
        removeFreeNotification(m_skinData);
    m_skinData = store;
    if (store)
        freeNotification(store);
    if (!isDesigning())
        applySkin();
}

void SkinForm::setMainMenuBar(core::Component* bar) {
    if (bar == m_mainMenuBar)
        return;
    if (m_mainMenuBar)
        removeFreeNotification(m_mainMenuBar);
    m_mainMenuBar = bar;
    if (m_mainMenuBar)
        freeNotification(m_mainMenuBar);
}

void SkinForm::setSystemMenu(gui::PopupMenu* menu) {
    if (m_systemMenu)
        removeFreeNotification(m_systemMenu);
    m_systemMenu = menu;
    if (menu)
        freeNotification(menu);
}

void SkinForm::setBorderIcons(SkinBorderIcons icons) {
    m_borderIcons = icons;
    buildDefaultObjects();
    if (hasWindow())
        paintNow();
}

void SkinForm::setHideCaptionButtons(bool v) {
    m_hideCaptionButtons = v;
    updateObjectVisibility();
}

void SkinForm::setShowIcon(bool v) {
    if (v == m_showIcon)
        return;
    m_showIcon = v;
    if (!isDesigning() && !isLoading() && hasWindow())
        paintNow();
}

void SkinForm::notification(core::Component* component, core::Operation operation) {
    core::Component::notification(component, operation);
    if (operation != core::Operation::Remove)
        return;
    if (component == m_skinData) {
        m_skinData = nullptr;
        m_skinned = false;
        m_objects.clear();
    }
    if (component == m_menusSkinData)
        m_menusSkinData = nullptr;
    if (component == m_systemMenu)
        m_systemMenu = nullptr;
    if (component == m_windowMenuItem)
        m_windowMenuItem = nullptr;
    for (core::Component** ref : {&m_skinHint, &m_trayIcon, &m_mainMenuBar, &m_mdiTabsBar})
        if (*ref == component)
            *ref = nullptr;
}

bool SkinForm::setProperty(const std::string& name, core::PropertyReader& value) {
    auto flag = [&](bool& field) {
        field = value.asBool();
        return true;
    };
    auto byte = [&](uint8_t& field) {
        const int32_t v = value.asInt();
        if (v < 0 || v > 255)
            value.fail("value out of range");
        field = uint8_t(v);
        return true;
    };
    auto reference = [&](core::Component*& field) {
        value.resolveReference([this, &field](core::Component* c) {
            field = c;
            if (c)
                freeNotification(c);
        });
        return true;
    };
    auto font = [&](const char* prefix, gui::Font& f) {
        const std::string p = std::string(prefix) + ".";
        return name.starts_with(p) && f.setProperty(std::string_view(name).substr(p.size()), value);
    };
    if (name == "UseFormCursorInNCArea")
        return flag(m_useFormCursorInNCArea);
    if (name == "MaxMenuItemsInWindow") {
        setMaxMenuItemsInWindow(value.asInt());
        return true;
    }
    if (name == "ClientWidth") {
        m_clientWidth = value.asInt();
        return true;
    }
    if (name == "ClientHeight") {
        m_clientHeight = value.asInt();
        return true;
    }
    if (name == "HideCaptionButtons")
        return flag(m_hideCaptionButtons);
    if (name == "AlwaysShowInTray")
        return flag(m_alwaysShowInTray);
    if (name.starts_with("LogoBitMap."))
        return m_logo.setProperty(std::string_view(name).substr(11), value);
    if (name == "LogoBitMapTransparent")
        return flag(m_logoTransparent);
    if (name == "AlwaysMinimizeToTray")
        return flag(m_alwaysMinimizeToTray);
    if (name == "UseSkinFontInMenu")
        return flag(m_useSkinFontInMenu);
    if (name == "ShowIcon")
        return flag(m_showIcon);
    if (name == "MaximizeOnFullScreen")
        return flag(m_maximizeOnFullScreen);
    if (name == "AlphaBlend")
        return flag(m_alphaBlend);
    if (name == "AlphaBlendAnimation")
        return flag(m_alphaBlendAnimation);
    if (name == "AlphaBlendValue")
        return byte(m_alphaBlendValue);
    if (name == "SkinHint")
        return reference(m_skinHint);
    if (name == "ShowObjectHint")
        return flag(m_showObjectHint);
    if (name == "UseDefaultObjectHint")
        return flag(m_useDefaultObjectHint);
    if (name == "MenusAlphaBlend")
        return flag(m_menusAlphaBlend);
    if (name == "MenusAlphaBlendAnimation")
        return flag(m_menusAlphaBlendAnimation);
    if (name == "MenusAlphaBlendValue")
        return byte(m_menusAlphaBlendValue);
    if (font("DefCaptionFont", m_defCaptionFont) ||
        font("DefInActiveCaptionFont", m_defInActiveCaptionFont) ||
        font("DefMenuItemFont", m_defMenuItemFont))
        return true;
    if (name == "DefMenuItemHeight") {
        setDefMenuItemHeight(value.asInt());
        return true;
    }
    if (name == "TrayIcon") {
        value.resolveReference([this](core::Component* c) { setTrayIcon(c); });
        return true;
    }
    if (name == "UseDefaultSysMenu")
        return flag(m_useDefaultSysMenu);
    if (name == "MainMenuBar")
        return reference(m_mainMenuBar);
    if (name == "MDITabsBar")
        return reference(m_mdiTabsBar);
    if (name == "SystemMenu") {
        value.resolveReference([this](core::Component* c) {
            auto* menu = dynamic_cast<gui::PopupMenu*>(c);
            if (c && !menu)
                throw core::Error("'" + c->name() + "' is not a popup menu");
            setSystemMenu(menu);
        });
        return true;
    }
    if (name == "SkinData") {
        readSkinDataReference(value, [this](SkinData* store) { setSkinData(store); });
        return true;
    }
    if (name == "MenusSkinData") {
        readSkinDataReference(value, [this](SkinData* store) {
            m_menusSkinData = store;
            if (store)
                freeNotification(store);
        });
        return true;
    }
    if (name == "MinHeight") {
        m_minHeight = value.asInt();
        return true;
    }
    if (name == "MinWidth") {
        m_minWidth = value.asInt();
        return true;
    }
    if (name == "MaxHeight") {
        m_maxHeight = value.asInt();
        return true;
    }
    if (name == "MaxWidth") {
        m_maxWidth = value.asInt();
        return true;
    }
    if (name == "Magnetic")
        return flag(m_magnetic);
    if (name == "MagneticSize")
        return byte(m_magneticSize);
    if (name == "BorderIcons") {
        uint8_t bits = 0;
        for (const std::string& n : value.asSet()) {
            const auto* it = std::find(std::begin(borderIconNames), std::end(borderIconNames), n);
            if (it == std::end(borderIconNames))
                value.fail("'" + n + "' is not a border icon");
            bits = uint8_t(bits | (1u << unsigned(it - std::begin(borderIconNames))));
        }
        m_borderIcons = SkinBorderIcons::fromBits(bits);
        return true;
    }
    return core::Component::setProperty(name, value);
}

void SkinForm::writeProperties(core::PropertyWriter& out) const {
    core::Component::writeProperties(out);
    out.writeBool("UseFormCursorInNCArea", m_useFormCursorInNCArea);
    out.writeInt("MaxMenuItemsInWindow", m_maxMenuItemsInWindow);
    out.writeInt("ClientWidth", m_clientWidth);
    out.writeInt("ClientHeight", m_clientHeight);
    out.writeBool("HideCaptionButtons", m_hideCaptionButtons);
    out.writeBool("AlwaysShowInTray", m_alwaysShowInTray);
    out.writeBool("LogoBitMapTransparent", m_logoTransparent);
    out.writeBool("AlwaysMinimizeToTray", m_alwaysMinimizeToTray);
    out.writeBool("UseSkinFontInMenu", m_useSkinFontInMenu);
    out.writeBool("ShowIcon", m_showIcon);
    out.writeBool("MaximizeOnFullScreen", m_maximizeOnFullScreen);
    out.writeBool("AlphaBlend", m_alphaBlend);
    out.writeBool("AlphaBlendAnimation", m_alphaBlendAnimation);
    out.writeInt("AlphaBlendValue", m_alphaBlendValue);
    out.writeReference("SkinHint", m_skinHint);
    out.writeBool("ShowObjectHint", m_showObjectHint);
    out.writeBool("UseDefaultObjectHint", m_useDefaultObjectHint);
    out.writeBool("MenusAlphaBlend", m_menusAlphaBlend);
    out.writeBool("MenusAlphaBlendAnimation", m_menusAlphaBlendAnimation);
    out.writeInt("MenusAlphaBlendValue", m_menusAlphaBlendValue);
    m_defCaptionFont.writeProperties(out, "DefCaptionFont");
    m_defInActiveCaptionFont.writeProperties(out, "DefInActiveCaptionFont");
    out.writeInt("DefMenuItemHeight", m_defMenuItemHeight);
    m_defMenuItemFont.writeProperties(out, "DefMenuItemFont");
    out.writeReference("TrayIcon", m_trayIcon);
    out.writeBool("UseDefaultSysMenu", m_useDefaultSysMenu);
    out.writeReference("MainMenuBar", m_mainMenuBar);
    out.writeReference("MDITabsBar", m_mdiTabsBar);
    out.writeReference("SystemMenu", m_systemMenu);
    out.writeReference("SkinData", m_skinData);
    out.writeReference("MenusSkinData", m_menusSkinData);
    out.writeInt("MinHeight", m_minHeight);
    out.writeInt("MinWidth", m_minWidth);
    out.writeInt("MaxHeight", m_maxHeight);
    out.writeInt("MaxWidth", m_maxWidth);
    out.writeBool("Magnetic", m_magnetic);
    out.writeInt("MagneticSize", m_magneticSize);
    std::vector<std::string> icons;
    for (unsigned i = 0; i < 5; ++i)
        if (m_borderIcons.has(SkinBorderIcon(i)))
            icons.push_back(borderIconNames[i]);
    out.writeSet("BorderIcons", icons);
}

// --- Message handling ----------------------------------------------------------------------------

void SkinForm::hookMessage(gui::Message& m) {
    // No exception may leave the window's handler: report it and let the platform carry on with a
    // message that was not yet passed on.
    bool passed = false, completed = false;
    bool* const outer = std::exchange(m_passed, &passed);
    gui::guardedCall([&] {
        closeMenusCheck(m.msg);
        dispatch(m);
        completed = true;
    });
    m_passed = outer;
    if (!completed && !passed)
        passOn(m);
}

void SkinForm::passOn(gui::Message& m) {
    if (m_passed)
        *m_passed = true;
    m_hook.passOn(m);
}

void SkinForm::closeMenusCheck(UINT msg) {
    switch (msg) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_PARENTNOTIFY:
        if (SkinHint* h = objectHint())
            h->hideHint();
        if (m_menuEngine->isVisible())
            m_menuEngine->closeAll();
        else if (m_inMenu)
            menuClosed();
        else if (isMDIParent() && m_form->isVisible())
            if (SkinForm* child = findSkinForm(m_form->activeMDIChild()); child && child != this)
                child->closeMenusCheck(msg);
        break;
    default:
        break;
    }
}

void SkinForm::dispatch(gui::Message& m) {
    if (mdiMessage(m))
        return;
    switch (m.msg) {
    case WM_CREATE:
        passOn(m);
        // An overlapped window always gets a caption from the platform; the skin draws its own.
        SetWindowLongPtrW(window(), GWL_STYLE,
                          GetWindowLongPtrW(window(), GWL_STYLE) & ~LONG_PTR(WS_CAPTION));
        return;
    case WM_DESTROY:
        m_mouseTimer->setEnabled(false);
        m_morphTimer->setEnabled(false);
        m_animateTimer->setEnabled(false);
        m_regionSet = false;
        m_regionSize = {-1, -1};
        if (isMDIChild())
            childGone();
        break;
    case WM_SIZE:
        sizeChanged(m);
        return;
    case WM_ACTIVATE:
        passOn(m);
        paintNow();
        if (isMaximizedChild()) {
            updateCaptionState(false);
        } else {
            resetObjectStates();
            updateCaptionState(true);
        }
        if (isMDIParent())
            if (auto* bar = dynamic_cast<SkinMainMenuBar*>(m_mainMenuBar))
                bar->mdiRefresh();
        return;
    case WM_SETTEXT:
        passOn(m);
        if (!isBorderless() && !isMaximizedChild())
            paintNow();
        if (isMDIChild()) {
            if (m_windowMenuItem)
                m_windowMenuItem->setCaption(m_form->caption());
            if (SkinForm* parent = parentSkinForm()) {
                if (parent->mdiTabsBar())
                    parent->mdiTabsBar()->renameTab(m_form);
                if (isMaximizedChild())
                    parent->paintNow(); // the parent's caption names the child
            }
        }
        return;
    case WM_ERASEBKGND:
        if (isMDIParent())
            break; // the client window covers it
        paintClientBackground(HDC(m.wParam));
        m.result = 1;
        return;
    case WM_MOUSEACTIVATE:
        if (isMDIChild() && !m_formActive && m_form->mdiParent() &&
            m_form->mdiParent()->activeMDIChild() == m_form) {
            m_formActive = true;
            updateCaptionState(!isMaximizedChild());
        }
        break;
    case WM_SHOWWINDOW:
        showWindowChanged(m);
        break;
    case WM_SETCURSOR:
        setCursor(m);
        break;
    case WM_GETMINMAXINFO:
        getMinMaxInfo(m);
        break;
    case WM_NCCALCSIZE:
        nonClientSize(m);
        return;
    case WM_NCHITTEST:
        // A maximised child is all client area: its frame is on the parent.
        m.result = isMaximizedChild() ? HTCLIENT : hitTest({GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)});
        return;
    case WM_NCPAINT:
        if (!isBorderless() && !isMaximizedChild()) {
            HDC dc = GetWindowDC(window());
            if (dc) {
                paintFrame(dc);
                ReleaseDC(window(), dc);
            }
        }
        m.result = 0;
        return;
    case WM_NCACTIVATE:
        ncActivate(m);
        return;
    case WM_SYNCPAINT:
        if (m_rolledUp) {
            paintNow();
            m.result = 0;
            return;
        }
        break;
    case msgSkinMenuClosed:
        menuClosed();
        break;
    case WM_CONTEXTMENU:
        // A right click on the frame has opened the skinned system menu already; the platform
        // would show its own on top.
        if (HWND(m.wParam) == window() && m.lParam != -1 &&
            hitTest({GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)}) != HTCLIENT) {
            m.result = 0;
            return;
        }
        break;
    case WM_SYSCOMMAND:
        if ((m.wParam & 0xFFF0) == SC_KEYMENU) {
            sysCommand(m);
            return;
        }
        break;
    case WM_TIMER:
        if (m.wParam == 1)
            fadeTimer();
        break;
    case WM_SIZING:
        sizing(m);
        return;
    case WM_MOVING:
        moving(m);
        break;
    case WM_ENTERSIZEMOVE:
        enterSizeMove();
        break;
    case WM_EXITSIZEMOVE:
        exitSizeMove();
        break;
    case UINT(wmBeforeChangeSkinData):
        skinAboutToChange(m.wParam);
        break;
    case UINT(wmChangeSkinData):
        skinChanged(m.wParam);
        break;
    case UINT(wmAfterChangeSkinData):
        if (m.wParam && m.wParam == WPARAM(m_skinData) && isMDIParent())
            refitChildren();
        break;
    case UINT(wmChangeResStrData):
        updateObjectHints();
        break;
    default:
        break;
    }
    switch (m.msg) {
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCRBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        passOn(m);
        nonClientMouse(m);
        return;
    default:
        passOn(m);
        return;
    }
}

// --- Skin changes --------------------------------------------------------------------------------

void SkinForm::forgetSkinShapes() {
    m_maskShape = MaskShape{};
    m_maskShapeReady = false;
    m_borderPlanReady[0] = m_borderPlanReady[1] = false;
}

void SkinForm::skinAboutToChange(WPARAM store) {
    if (store == WPARAM(m_skinData)) {
        m_skinned = false;
        forgetSkinShapes(); // the store's pictures and mask are about to be replaced
        m_mouseTimer->setEnabled(false);
        m_morphTimer->setEnabled(false);
        m_animateTimer->setEnabled(false);
        m_objects.clear();
        m_activeObject = m_previousActiveObject = m_captureObject = -1;
        relaySkinChange(*m_form, m_skinData, wmBeforeChangeSkinData);
    } else if (store == 0) {
        relaySkinChange(*m_form, nullptr, wmBeforeChangeSkinData);
    }
}

void SkinForm::skinChanged(WPARAM store) {
    if (store && store == WPARAM(m_skinData))
        applySkin();
    relaySkinChange(*m_form, reinterpret_cast<SkinData*>(store), wmChangeSkinData);
}

void SkinForm::applySkin() {
    m_activeObject = m_previousActiveObject = m_captureObject = -1;
    forgetSkinShapes();
    m_skinned = m_skinData && !m_skinData->isSkinEmpty();
    if (m_skinned) {
        buildSkinObjects();
        updateObjectVisibility();
    } else {
        m_objects.clear();
        removeWindowRegion();
    }
    if (!hasWindow())
        return;
    m_changingSkin = true;
    struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
    } clear{m_changingSkin};
    m_formActive = m_form->isActive();
    const core::Point minimum = minimumFrameSize();
    const core::Rect bounds = windowBounds();
    const int32_t w = bounds.width(), h = bounds.height();
    if (w < minimum.x && h < minimum.y)
        setWindowSize(minimum.x, minimum.y);
    else if (h < minimum.y)
        setWindowSize(w, minimum.y);
    else if (w < minimum.x)
        setWindowSize(minimum.x, h);
    else
        forceRelayout();
    if ((m_rolledUp || m_windowState == FormWindowState::Minimized) && windowBounds().height() != minimum.y)
        setWindowSize(windowBounds().width(), minimum.y);
    if (m_windowState == FormWindowState::Minimized && windowBounds().width() != minimum.x)
        setWindowSize(minimum.x, windowBounds().height());
    const core::Rect now = windowBounds();
    m_frameWidth = now.width();
    m_frameHeight = now.height();
    m_regionSize = {-1, -1};
    if (m_skinned)
        updateFrame(true);
    RedrawWindow(window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    if (isMDIParent())
        refitChildren();
    updateCaptionState(!isMaximizedChild());
    m_mouseTimer->setEnabled(true);
    if (onChangeSkinData)
        onChangeSkinData(this);
    if (m_clientWidth > 0)
        m_form->setClientWidth(m_clientWidth);
    if (m_clientHeight > 0)
        m_form->setClientHeight(m_clientHeight);
}

void SkinForm::setWindowSize(int32_t width, int32_t height) {
    SetWindowPos(window(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SkinForm::forceRelayout() {
    if (!hasWindow())
        return;
    // A width change and back makes the platform ask for the non-client size again.
    const core::Rect r = windowBounds();
    const int32_t w = r.width(), h = r.height();
    const int delta = w >= minimumFrameSize().x + 1 ? 1 : -1;
    setWindowSize(w + delta, h);
    setWindowSize(w, h);
}

void SkinForm::buildSkinObjects() {
    m_objects.clear();
    for (const std::unique_ptr<DataSkinObject>& record : m_skinData->skinObjectList()) {
        const std::string_view kind = record->kind();
        if (kind == "menuitem" || kind == "mainmenuitem" || kind == "mainmenubaritem" ||
            kind == "mainmenubarbutton" || dynamic_cast<const DataSkinMainMenuItem*>(record.get()) ||
            dynamic_cast<const DataSkinMainMenuBarButton*>(record.get()))
            continue;
        if (auto* std = dynamic_cast<const DataSkinStdButton*>(record.get()))
            m_objects.push_back(std::make_unique<SkinStdButtonObject>(*this, std));
        else if (auto* button = dynamic_cast<const DataSkinButton*>(record.get()))
            m_objects.push_back(std::make_unique<SkinButtonObject>(*this, button));
        else if (auto* caption = dynamic_cast<const DataSkinCaption*>(record.get()))
            m_objects.push_back(std::make_unique<SkinCaptionObject>(*this, caption));
        else if (auto* animate = dynamic_cast<const DataSkinAnimate*>(record.get()))
            m_objects.push_back(std::make_unique<SkinAnimateObject>(*this, animate));
        else if (dynamic_cast<const DataUserObject*>(record.get()))
            m_objects.push_back(std::make_unique<UserObject>(*this, record.get()));
    }
}

void SkinForm::buildDefaultObjects() {
    m_objects.clear();
    m_activeObject = m_previousActiveObject = m_captureObject = -1;
    const struct {
        const char* name;
        WindowCommand command;
    } buttons[] = {
        {"closebutton", WindowCommand::cmClose},     {"maxbutton", WindowCommand::cmMaximize},
        {"minbutton", WindowCommand::cmMinimize},    {"rollupbutton", WindowCommand::cmRollUp},
        {"sysmenubutton", WindowCommand::cmSysMenu}, {"traybutton", WindowCommand::cmMinimizeToTray},
    };
    for (const auto& b : buttons)
        m_objects.push_back(std::make_unique<SkinStdButtonObject>(*this, b.name, b.command));
    updateObjectVisibility();
}

void SkinForm::updateObjectVisibility() {
    for (const std::unique_ptr<FormSkinObject>& o : m_objects) {
        const bool isButton = o->kind() == FormObjectKind::StdButton;
        const auto* animate = dynamic_cast<const SkinAnimateObject*>(o.get());
        if (!isButton && !(animate && animate->buttonStyle()))
            continue;
        auto hide = [&o] {
            o->enabled = false;
            o->visible = !o->skinRectInAPicture;
        };
        if (m_hideCaptionButtons) {
            hide();
            continue;
        }
        switch (o->command()) {
        case WindowCommand::cmDefault: {
            bool visible = false;
            if (onActivateCustomObject)
                onActivateCustomObject(o->idName, visible);
            o->visible = visible;
            break;
        }
        case WindowCommand::cmMinimizeToTray:
            if (!m_borderIcons.has(SkinBorderIcon::biMinimizeToTray))
                hide();
            break;
        case WindowCommand::cmRollUp:
            if (!m_borderIcons.has(SkinBorderIcon::biRollUp))
                hide();
            break;
        case WindowCommand::cmMaximize:
            if (!m_borderIcons.has(SkinBorderIcon::biMaximize))
                hide();
            break;
        case WindowCommand::cmMinimize:
            if (!m_borderIcons.has(SkinBorderIcon::biMinimize))
                hide();
            break;
        case WindowCommand::cmSysMenu:
            if (!m_borderIcons.has(SkinBorderIcon::biSystemMenu))
                hide();
            break;
        case WindowCommand::cmClose:
            break;
        }
    }
    updateObjectHints();
}

void SkinForm::updateObjectHints() {
    if (!m_useDefaultObjectHint || !m_skinData)
        return;
    const ResourceStrData* strings = m_skinData->resourceStrData();
    for (const std::unique_ptr<FormSkinObject>& o : m_objects) {
        if (o->kind() != FormObjectKind::StdButton && o->kind() != FormObjectKind::Animate)
            continue;
        const char* key = nullptr;
        const char* text = nullptr;
        switch (o->command()) {
        case WindowCommand::cmClose:
            key = "CLOSEBUTTON_HINT", text = "关闭";
            break;
        case WindowCommand::cmMaximize:
            key = "MAXBUTTON_HINT", text = "最大化";
            break;
        case WindowCommand::cmMinimize:
            key = "MINBUTTON_HINT", text = "最小化";
            break;
        case WindowCommand::cmSysMenu:
            key = "MENUBUTTON_HINT", text = "系统菜单";
            break;
        case WindowCommand::cmRollUp:
            key = "ROLLUPBUTTON_HINT", text = "卷起";
            break;
        case WindowCommand::cmMinimizeToTray:
            key = "TRAYBUTTON_HINT", text = "最小化到系统托盘区";
            break;
        case WindowCommand::cmDefault:
            continue;
        }
        o->hint = strings ? strings->lookUpString(key) : text;
    }
}

FormSkinObject* SkinForm::findObject(const std::string& idName) const {
    for (const std::unique_ptr<FormSkinObject>& o : m_objects)
        if (o->idName == idName)
            return o.get();
    return nullptr;
}

// --- Events for the objects ----------------------------------------------------------------------

void SkinForm::fireMouseDown(const FormSkinObject& o, int32_t x, int32_t y, gui::MouseButton b) {
    if (onMouseDownEvent)
        onMouseDownEvent(o.idName, x, y, o.objectRect, b);
}

void SkinForm::fireMouseUp(const FormSkinObject& o, int32_t x, int32_t y, gui::MouseButton b) {
    if (onMouseUpEvent)
        onMouseUpEvent(o.idName, x, y, o.objectRect, b);
}

void SkinForm::fireMouseMove(const FormSkinObject& o, int32_t x, int32_t y) {
    if (onMouseMoveEvent)
        onMouseMoveEvent(o.idName, x, y, o.objectRect);
}

void SkinForm::fireMouseEnter(const FormSkinObject& o) {
    if (onMouseEnterEvent)
        onMouseEnterEvent(o.idName);
}

void SkinForm::fireMouseLeave(const FormSkinObject& o) {
    if (onMouseLeaveEvent)
        onMouseLeaveEvent(o.idName);
}

} // namespace skin
