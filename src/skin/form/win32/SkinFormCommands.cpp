// Hit testing, mouse tracking of the caption objects and the window commands of the skinned form:
// minimise, maximise, restore, roll-up, close, size limits, snapping and the system menu.
#include "skin/form/win32/SkinForm.h"

#include "gui/Application.h"
#include "gui/Control.h"
#include "gui/Form.h"
#include "gui/PopupMenu.h"
#include "gui/Timer.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"
#include "skin/form/win32/FormSkinObjects.h"
#include "skin/form/win32/SkinMainMenuBar.h"
#include "skin/popup/win32/SkinHint.h"
#include "skin/popup/win32/SkinMenu.h"
#include "skin/popup/win32/TrayIcon.h"
#include "skin/render/win32/ScreenHelpers.h"

#include <windowsx.h>

namespace skin {

// --- Geometry helpers ------------------------------------------------------------------------------

core::Rect SkinForm::windowBounds() const {
    RECT r{};
    if (m_form->hasHandle())
        GetWindowRect(m_form->handle(), &r);
    return {r.left, r.top, r.right, r.bottom};
}

void SkinForm::setWindowBounds(const core::Rect& screen) {
    if (!hasWindow())
        return;
    core::Rect r = screen;
    if (isMDIChild()) {
        // A child is placed in its client window's coordinates.
        POINT origin{0, 0};
        ClientToScreen(GetParent(window()), &origin);
        r = screen.translated(-origin.x, -origin.y);
    }
    SetWindowPos(window(), nullptr, r.left, r.top, r.width(), r.height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

core::Rect SkinForm::workArea(bool fullMonitor) const {
    if (isMDIChild())
        return childArea();
    core::Rect r{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (hasWindow())
        getMonitorWorkArea(window(), !fullMonitor, r);
    return r;
}

FrameSizeInput SkinForm::sizeInput() const {
    FrameSizeInput in;
    in.skinned = m_skinned;
    if (m_skinned) {
        in.pictureWidth = m_skinData->mainPicture().width();
        in.pictureHeight = m_skinData->mainPicture().height();
        in.clientHeight = m_skinData->formInfo().clientRect.height();
    }
    in.captionHeight = builtInMetrics().captionHeight;
    in.minWidth = m_minWidth;
    in.minHeight = m_minHeight;
    in.maxWidth = m_maxWidth;
    in.maxHeight = m_maxHeight;
    in.minimized = m_windowState == FormWindowState::Minimized;
    in.rolledUp = m_rolledUp;
    return in;
}

core::Point SkinForm::minimumFrameSize() const {
    return skin::minimumFrameSize(sizeInput());
}

core::Point SkinForm::maximumFrameSize() const {
    return skin::maximumFrameSize(sizeInput(), workArea(m_maximizeOnFullScreen));
}

core::Point SkinForm::screenToFrame(core::Point p) const {
    const core::Rect r = windowBounds();
    return {p.x - r.left, p.y - r.top};
}

// --- Hit testing ----------------------------------------------------------------------------------

int SkinForm::hitTest(core::Point screen) {
    const core::Point p = screenToFrame(screen);
    const core::Rect r = windowBounds();
    FrameHitState state;
    state.width = r.width();
    state.height = r.height();
    state.rolledUpOrMinimized = m_rolledUp || m_windowState == FormWindowState::Minimized;
    state.maximized = m_windowState == FormWindowState::Maximized;
    state.sizeable = isSizeable();
    state.objectActive = m_activeObject >= 0;
    state.inSizeMove = m_inSizeMove;
    HitCode code;
    if (m_skinned) {
        if (m_frameWidth != state.width || m_frameHeight != state.height) {
            m_frameWidth = state.width;
            m_frameHeight = state.height;
        }
        computeFrameGeometry();
        layoutObjects();
        std::vector<Rect> captions;
        for (const std::unique_ptr<FormSkinObject>& o : m_objects)
            if (o->kind() == FormObjectKind::Caption)
                captions.push_back(o->objectRect);
        const bool masked = !m_skinData->maskPicture().isEmpty() && m_regionSet;
        code = skinnedHitTest(m_geometry, m_skinData->formInfo().borderWidth, state, captions,
                              masked ? &m_maskShape : nullptr, p);
    } else {
        m_frameWidth = state.width;
        m_frameHeight = state.height;
        if (m_objects.empty())
            buildDefaultObjects();
        code = builtInHitTest(builtInCaptionRect(), builtInMetrics().captionHeight, state, p);
    }
    if (code == HitCode::Object && !m_mouseTimer->isEnabled()) {
        trackActiveObject(p.x, p.y, true);
        m_mouseTimer->setEnabled(true);
    }
    return int(code);
}

SkinHint* SkinForm::objectHint() const {
    return m_showObjectHint ? dynamic_cast<SkinHint*>(m_skinHint) : nullptr;
}

void SkinForm::trackActiveObject(int32_t x, int32_t y, bool allow) {
    if (m_objects.empty() || !m_formActive)
        return;
    const int previous = m_activeObject;
    int found = -1;
    for (size_t i = 0; i < m_objects.size(); ++i) {
        const FormSkinObject& o = *m_objects[i];
        if (o.enabled && o.visible && o.objectRect.contains({x, y})) {
            found = int(i);
            break;
        }
    }
    m_activeObject = allow ? found : -1;
    if (m_captureObject >= 0 && m_captureObject != m_activeObject)
        m_activeObject = -1;
    if (m_activeObject >= int(m_objects.size()))
        m_activeObject = -1;
    m_previousActiveObject = previous;
    if (previous == m_activeObject)
        return;
    if (previous >= 0 && previous < int(m_objects.size())) {
        FormSkinObject& o = *m_objects[size_t(previous)];
        if (o.enabled && o.visible) {
            o.mouseLeave();
            if (SkinHint* h = objectHint(); h && !o.hint.empty())
                h->hideHint();
        }
    }
    if (m_activeObject >= 0) {
        FormSkinObject& o = *m_objects[size_t(m_activeObject)];
        if (o.enabled && o.visible) {
            o.mouseEnter();
            if (SkinHint* h = objectHint(); h && !o.hint.empty())
                h->showHintText(o.hint);
        }
    }
}

void SkinForm::mouseTimerTick() {
    if (!hasWindow() || !m_formActive)
        return;
    if (m_inSizeMove) {
        m_mouseTimer->setEnabled(false);
        return;
    }
    POINT cursor;
    if (!GetCursorPos(&cursor))
        return;
    const core::Point p = screenToFrame({cursor.x, cursor.y});
    const Rect client =
        m_skinned ? m_geometry.clientRect : builtInMetrics().clientRect(m_frameWidth, m_frameHeight);
    if (!client.contains(p))
        trackActiveObject(p.x, p.y, true);
    else if (m_activeObject >= 0)
        trackActiveObject(-1, -1, true);
}

void SkinForm::startMorphTimer() {
    m_morphTimer->setEnabled(true);
}

bool SkinForm::isMorphTimerRunning() const {
    return m_morphTimer->isEnabled();
}

void SkinForm::morphTimerTick() {
    bool any = false;
    for (const std::unique_ptr<FormSkinObject>& o : m_objects)
        if (o->morphing && o->canMorph()) {
            o->morphStep();
            any = true;
        }
    if (!any)
        m_morphTimer->setEnabled(false);
}

void SkinForm::startAnimateTimer() {
    m_animateTimer->setEnabled(true);
}

void SkinForm::animateTimerTick() {
    bool any = false;
    for (const std::unique_ptr<FormSkinObject>& o : m_objects)
        if (auto* a = dynamic_cast<SkinAnimateObject*>(o.get()); a && a->active) {
            a->animationTick();
            any = any || a->active;
        }
    if (!any)
        m_animateTimer->setEnabled(false);
}

// --- Mouse -----------------------------------------------------------------------------------------

void SkinForm::nonClientMouse(gui::Message& m) {
    if (m_objects.empty())
        return;
    core::Point p{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
    switch (m.msg) {
    case WM_NCMOUSEMOVE: {
        p = screenToFrame(p);
        const int target = m_captureObject >= 0 ? m_captureObject : m_activeObject;
        if (target >= 0 && target < int(m_objects.size()))
            m_objects[size_t(target)]->mouseMove(p.x, p.y);
        break;
    }
    case WM_NCLBUTTONDOWN:
        if (m_inSizeMove) {
            m_inSizeMove = false; // the platform's move or size loop has just ended
            break;
        }
        p = screenToFrame(p);
        trackActiveObject(p.x, p.y, true);
        objectPress(p.x, p.y, gui::MouseButton::mbLeft);
        if (m.wParam == HTCAPTION)
            m_captureObject = -1;
        break;
    case WM_NCLBUTTONUP:
        p = screenToFrame(p);
        objectRelease(p.x, p.y, gui::MouseButton::mbLeft);
        break;
    case WM_NCLBUTTONDBLCLK:
        p = screenToFrame(p);
        trackActiveObject(p.x, p.y, true);
        objectPress(p.x, p.y, gui::MouseButton::mbLeft);
        if (m_activeObject >= 0 && m_activeObject < int(m_objects.size()))
            m_objects[size_t(m_activeObject)]->dblClick();
        if (m.wParam == HTCAPTION) {
            captionDoubleClick();
            m_captureObject = -1;
        }
        break;
    case WM_NCRBUTTONDOWN:
        p = screenToFrame(p);
        trackActiveObject(p.x, p.y, true);
        objectPress(p.x, p.y, gui::MouseButton::mbRight);
        if (m.wParam == HTCAPTION) {
            m_captureObject = -1;
            showSystemMenu(GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam));
        }
        break;
    case WM_NCRBUTTONUP:
        p = screenToFrame(p);
        objectRelease(p.x, p.y, gui::MouseButton::mbRight);
        break;
    case WM_NCRBUTTONDBLCLK:
        p = screenToFrame(p);
        trackActiveObject(p.x, p.y, true);
        objectPress(p.x, p.y, gui::MouseButton::mbRight);
        if (m.wParam == HTCAPTION)
            m_captureObject = -1;
        break;
    case WM_LBUTTONUP:
        objectRelease(-1, -1, gui::MouseButton::mbLeft);
        break;
    case WM_RBUTTONUP:
        objectRelease(-1, -1, gui::MouseButton::mbRight);
        break;
    default:
        break;
    }
}

void SkinForm::objectPress(int32_t x, int32_t y, gui::MouseButton button) {
    if (m_activeObject < 0 || m_activeObject >= int(m_objects.size()))
        return;
    FormSkinObject& o = *m_objects[size_t(m_activeObject)];
    if (o.kind() != FormObjectKind::Caption)
        SetCapture(window());
    m_captureObject = m_activeObject;
    o.mouseDown(x, y, button);
}

void SkinForm::objectRelease(int32_t x, int32_t y, gui::MouseButton button) {
    if (m_captureObject < 0 || m_captureObject >= int(m_objects.size()))
        return;
    FormSkinObject& o = *m_objects[size_t(m_captureObject)];
    if (o.kind() != FormObjectKind::Caption)
        ReleaseCapture();
    m_captureObject = -1;
    // The command may close the window and free everything; nothing of this is used after it.
    o.mouseUp(x, y, button);
}

void SkinForm::captionDoubleClick() {
    switch (captionDoubleClickAction(isSizeable(), m_windowState == FormWindowState::Minimized,
                                     m_windowState == FormWindowState::Maximized, m_rolledUp,
                                     m_rolledUpWhileMaximized,
                                     m_borderIcons.has(SkinBorderIcon::biMaximize))) {
    case CaptionDoubleClick::Restore:
        changeWindowState(FormWindowState::Normal);
        break;
    case CaptionDoubleClick::Maximize:
        changeWindowState(FormWindowState::Maximized);
        break;
    case CaptionDoubleClick::ToggleRollUp:
        setRollUp(!m_rolledUp);
        break;
    }
}

void SkinForm::resetObjectStates() {
    for (const std::unique_ptr<FormSkinObject>& o : m_objects)
        o->resetState();
}

void SkinForm::setCursor(gui::Message& m) {
    if (m_useFormCursorInNCArea)
        m.lParam = MAKELPARAM(formCursorHitCode(LOWORD(m.lParam)), HIWORD(m.lParam));
}

void SkinForm::getMinMaxInfo(gui::Message& m) {
    if (!m.lParam)
        return;
    auto& info = *reinterpret_cast<MINMAXINFO*>(m.lParam);
    const core::Point minimum = minimumFrameSize(), maximum = maximumFrameSize();
    info.ptMinTrackSize = {minimum.x, minimum.y};
    info.ptMaxTrackSize = {maximum.x, maximum.y};
}

void SkinForm::moving(gui::Message& m) {
    if (!m.lParam)
        return;
    RECT& r = *reinterpret_cast<RECT*>(m.lParam);
    if (m_windowState == FormWindowState::Maximized && !isMDIChild()) {
        const core::Rect b = windowBounds();
        r = {b.left, b.top, b.right, b.bottom};
        return;
    }
    if (!m_magnetic)
        return;
    const int32_t w = r.right - r.left, h = r.bottom - r.top;
    core::Rect area = workArea(false);
    if (isMDIChild()) // a child moves in its client window's coordinates
        area = area.translated(-area.left, -area.top);
    const core::Point p = snapToWorkArea(area, m_magneticSize, r.left, r.top, h, w);
    r = {p.x, p.y, p.x + w, p.y + h};
}

void SkinForm::enterSizeMove() {
    resetObjectStates();
    m_mouseTimer->setEnabled(false);
    m_activeObject = m_captureObject = -1;
    m_inSizeMove = true;
    BOOL full = FALSE;
    SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
    m_fullDrag = full != FALSE;
}

void SkinForm::exitSizeMove() {
    m_mouseTimer->setEnabled(false);
    m_activeObject = m_previousActiveObject = m_captureObject = -1;
    if (m_skinned)
        paintNow();
}

void SkinForm::sysCommand(gui::Message& m) {
    m.result = 0;
    // NOTE: without a menu bar the keyboard could never open the system menu; Alt+Space opens it at
    // the window's top-left, as the platform's own frame does.
    if (m.lParam == ' ') {
        const core::Rect r = windowBounds();
        showSystemMenu(r.left, r.top);
        return;
    }
    // Alt or F10: the main-menu bar's keyboard mode, on and off.
    if (auto* bar = dynamic_cast<SkinMainMenuBar*>(m_mainMenuBar)) {
        // Alt with a letter: the bar item of that accelerator opens.
        if (m.lParam > ' ' && m.lParam < 0x80) {
            if (m_menuEngine->isVisible())
                m_menuEngine->closeAll();
            const unsigned c = unsigned(m.lParam);
            bar->takeAccelerator(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
            return;
        }
        if (bar->isInMenuMode()) {
            bar->leaveMenuMode();
        } else {
            if (m_menuEngine->isVisible())
                m_menuEngine->closeAll();
            bar->enterMenuMode();
        }
        return;
    }
    if (m_inMenu)
        menuClosed();
}

// --- Window commands -----------------------------------------------------------------------------

void SkinForm::changeWindowState(FormWindowState state) {
    if (state == m_windowState)
        return;
    const bool mainForm = gui::application().mainForm() == m_form;
    if (!(state == FormWindowState::Minimized && mainForm))
        m_windowState = state;
    switch (state) {
    case FormWindowState::Minimized:
        minimizeForm();
        break;
    case FormWindowState::Maximized:
        maximizeForm();
        break;
    case FormWindowState::Normal:
        restoreForm();
        break;
    }
}

void SkinForm::minimizeForm() {
    if (gui::application().mainForm() == m_form) {
        gui::application().minimize();
        return;
    }
    if (m_restoreBounds.isZero())
        m_restoreBounds = toRestoreBounds(windowBounds());
    placeMinimized();
    if (isMDIChild())
        sendToMainWindow(1232); // no longer maximised, if it was
}

void SkinForm::maximizeForm() {
    if (m_restoreBounds.isZero())
        m_restoreBounds = toRestoreBounds(windowBounds());
    if (isMDIChild()) {
        // The child fills its client window; its frame goes onto the parent's caption and menu bar.
        m_mouseTimer->setEnabled(false);
        trackActiveObject(-1, -1, false);
        const core::Rect before = windowBounds();
        setWindowBounds(childArea());
        if (windowBounds().width() == before.width() && windowBounds().height() == before.height())
            forceRelayout();
        sendToMainWindow(1231);
        return;
    }
    core::Rect monitor = workArea(true), work = workArea(false);
    setWindowBounds(maximizedBounds(monitor, work,
                                    {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
                                    m_maximizeOnFullScreen));
}

void SkinForm::restoreForm() {
    m_rolledUpWhileMaximized = false;
    const core::Rect before = windowBounds();
    if (!m_restoreBounds.isZero())
        setWindowBounds(fromRestoreBounds(m_restoreBounds));
    m_mouseTimer->setEnabled(true);
    if (windowBounds().width() == before.width() && windowBounds().height() == before.height())
        forceRelayout();
    paintNow();
    if (isMDIChild())
        sendToMainWindow(1232);
    m_restoreBounds = {};
}

void SkinForm::setRollUp(bool value) {
    if (!m_borderIcons.has(SkinBorderIcon::biRollUp) || m_windowState == FormWindowState::Minimized)
        return;
    if (m_rolledUp && m_windowState == FormWindowState::Maximized && !m_rolledUpWhileMaximized)
        return;
    if (m_windowState == FormWindowState::Maximized)
        m_rolledUpWhileMaximized = value;
    if (value == m_rolledUp)
        return;
    const core::Rect r = windowBounds();
    if (value) {
        m_rollUpHeight = r.height();
        m_rolledUp = true;
        setWindowBounds({r.left, r.top, r.right, r.top + minimumFrameSize().y});
    } else {
        m_rolledUp = false;
        setWindowBounds({r.left, r.top, r.right, r.top + m_rollUpHeight});
    }
    if (onChangeRollUpState)
        onChangeRollUpState(this);
}

void SkinForm::setTrayIcon(core::Component* icon) {
    m_trayIcon = icon;
    if (!icon)
        return;
    freeNotification(icon);
    auto* tray = dynamic_cast<TrayIcon*>(icon);
    if (!tray)
        return;
    if (!m_alwaysShowInTray)
        tray->hideIcon();
    tray->setMinimizedToTray(false);
    if (!tray->popupMenu())
        tray->setPopupMenu(m_trayMenu.get());
    if (!tray->onClick)
        tray->onClick = [this](core::Component*) { restoreFromTray(); };
}

void SkinForm::minimizeToTray() {
    if (!m_trayIcon)
        return;
    if (auto* tray = dynamic_cast<TrayIcon*>(m_trayIcon))
        tray->setMinimizedToTray(true);
    gui::application().minimize();
    if (onMinimizeToTray)
        onMinimizeToTray(this);
}

void SkinForm::restoreFromTray() {
    if (!m_trayIcon)
        return;
    auto* tray = dynamic_cast<TrayIcon*>(m_trayIcon);
    if (tray) {
        tray->setMinimizedToTray(false);
        tray->restoreMainForm();
    }
    gui::application().restore();
    if (tray && !m_alwaysShowInTray)
        tray->hideIcon();
    if (onRestoreFromTray)
        onRestoreFromTray(this);
}

void SkinForm::closeWindow() {
    m_form->close();
}

void SkinForm::executeCommand(WindowCommand command) {
    auto toggle = [this](FormWindowState state) {
        changeWindowState(m_windowState == state ? FormWindowState::Normal : state);
    };
    switch (command) {
    case WindowCommand::cmClose:
        closeWindow();
        break;
    case WindowCommand::cmMaximize:
        toggle(FormWindowState::Maximized);
        break;
    case WindowCommand::cmMinimize:
        if (m_alwaysMinimizeToTray)
            minimizeToTray();
        else
            toggle(FormWindowState::Minimized);
        break;
    case WindowCommand::cmRollUp:
        setRollUp(!m_rolledUp);
        break;
    case WindowCommand::cmMinimizeToTray:
        minimizeToTray();
        break;
    case WindowCommand::cmSysMenu:
    case WindowCommand::cmDefault:
        break;
    }
}

// --- System menu -----------------------------------------------------------------------------------

gui::MenuItem& SkinForm::buildSystemMenu() {
    const ResourceStrData* strings = m_skinData ? m_skinData->resourceStrData() : nullptr;
    gui::MenuItem& root = m_systemMenu ? m_systemMenu->items() : m_builtInSystemMenu->items();
    core::Component* itemOwner = m_systemMenu ? static_cast<core::Component*>(m_systemMenu)
                                              : static_cast<core::Component*>(m_builtInSystemMenu.get());
    const bool builtIn = !m_systemMenu;
    if (builtIn) {
        root.clear();
    } else if (m_useDefaultSysMenu) {
        for (const char* name :
             {"SF_MINITEM", "SF_MAXITEM", "SF_RESTORE", "SF_ROLLUP", "SF_MINTOTRAY", "SF_CLOSE"})
            for (gui::MenuItem* item : std::vector<gui::MenuItem*>(root.items()))
                if (item->name() == name) {
                    root.remove(item);
                    delete item;
                }
    } else {
        return root;
    }
    auto caption = [strings](const char* key, const char* text) {
        return strings ? strings->lookUpString(key) : std::string(text);
    };
    int insertAt = 0;
    auto add = [&](const char* name, std::string text, std::function<void()> action, bool atEnd = false) {
        auto* item = new gui::MenuItem(itemOwner);
        item->setName(name);
        item->setCaption(text);
        item->onClick = [action = std::move(action)](gui::MenuItem&) { action(); };
        if (atEnd || builtIn)
            root.add(item);
        else
            root.insert(insertAt++, item);
        return item;
    };
    const bool minimized = m_windowState == FormWindowState::Minimized;
    const bool maximized = m_windowState == FormWindowState::Maximized;
    if (!minimized && m_borderIcons.has(SkinBorderIcon::biMinimize))
        add("SF_MINITEM", caption("MI_MINCAPTION", "最小化(&N)"), [this] {
            if (m_alwaysMinimizeToTray)
                minimizeToTray();
            else
                changeWindowState(FormWindowState::Minimized);
        });
    if (!maximized && m_borderIcons.has(SkinBorderIcon::biMaximize))
        add("SF_MAXITEM", caption("MI_MAXCAPTION", "最大化(&X)"),
            [this] { changeWindowState(FormWindowState::Maximized); });
    if (m_windowState != FormWindowState::Normal || m_rolledUp)
        add("SF_RESTORE", caption("MI_RESTORECAPTION", "恢复(&R)"), [this] {
            if (m_rolledUpWhileMaximized || (m_rolledUp && m_windowState == FormWindowState::Normal))
                setRollUp(false);
            else
                changeWindowState(FormWindowState::Normal);
        });
    if (!isMaximizedChild() && !m_rolledUp && !minimized && m_borderIcons.has(SkinBorderIcon::biRollUp))
        add("SF_ROLLUP", caption("MI_ROLLUPCAPTION", "卷起(&L)"), [this] { setRollUp(true); });
    if (m_borderIcons.has(SkinBorderIcon::biMinimizeToTray))
        add("SF_MINTOTRAY", caption("MI_MINTOTRAYCAPTION", "最小化到系统托盘区(&T)"),
            [this] { minimizeToTray(); });
    if (builtIn && root.count() > 0) {
        auto* line = new gui::MenuItem(itemOwner);
        line->setCaption("-");
        root.add(line);
    }
    gui::MenuItem* close = add(
        "SF_CLOSE", caption("MI_CLOSECAPTION", "关闭(&C)"), [this] { closeWindow(); }, true);
    close->setShortCut(gui::textToShortCut(isMDIChild() ? "Ctrl+F4" : "Alt+F4"));
    return root;
}

void SkinForm::showSystemMenu(int32_t x, int32_t y) {
    gui::MenuItem& items = buildSystemMenu();
    menuOpened();
    m_menuEngine->popup(nullptr, m_menusSkinData ? m_menusSkinData : m_skinData, false, items, {x, y, x, y},
                        0);
    if (!m_menuEngine->isVisible() && m_inMenu)
        menuClosed(); // nothing to show
}

void SkinForm::showObjectMenu(SkinButtonObject& button) {
    if (!button.menuItem || !button.menuItem->hasSubItems() || !hasWindow())
        return;
    const core::Rect r = windowBounds();
    const core::Rect at = button.objectRect.translated(r.left, r.top);
    menuOpened();
    m_menuEngine->popup(nullptr, m_menusSkinData ? m_menusSkinData : m_skinData, button.popupUp,
                        *button.menuItem, at, 0);
    if (!m_menuEngine->isVisible() && m_inMenu)
        menuClosed();
}

void SkinForm::syncMenuSettings() {
    SkinMenu& e = *m_menuEngine;
    e.maxMenuItemsInWindow = m_maxMenuItemsInWindow;
    e.alphaBlend = m_menusAlphaBlend;
    e.alphaBlendAnimation = m_menusAlphaBlendAnimation;
    e.alphaBlendValue = m_menusAlphaBlendValue;
    e.useSkinFont = m_useSkinFontInMenu;
    e.defaultItemHeight = m_defMenuItemHeight;
    e.defaultItemFont().assign(m_defMenuItemFont);
}

void SkinForm::menuOpened() {
    syncMenuSettings();
    m_menuEngine->setKeyFilter(true);
    if (m_inMenu)
        return;
    m_inMenu = true;
    if (onSkinMenuOpen)
        onSkinMenuOpen(this);
}

void SkinForm::menuClosed() {
    m_inMenu = false;
    m_menuEngine->setKeyFilter(false);
    if (auto* bar = dynamic_cast<SkinMainMenuBar*>(m_mainMenuBar))
        bar->leaveMenuMode();
    for (const std::unique_ptr<FormSkinObject>& o : m_objects)
        if (auto* b = dynamic_cast<SkinButtonObject*>(o.get()); b && b->menuItem && b->down) {
            b->setDown(false);
            break;
        }
    if (onSkinMenuClose)
        onSkinMenuClose(this);
}

} // namespace skin
