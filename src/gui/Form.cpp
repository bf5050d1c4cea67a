#include "gui/Form.h"

#include "core/Error.h"
#include "gui/Application.h"
#include "gui/MainMenu.h"
#include "gui/MenuItem.h"
#include "gui/Screen.h"
#include "gui/ShortCut.h"
#include "gui/WindowAlignment.h"
#include "gui/WindowProc.h"

#include <algorithm>

namespace gui {

namespace {

constexpr std::initializer_list<const char*> borderStyleNames = {"bsNone",   "bsSingle",     "bsSizeable",
                                                                 "bsDialog", "bsToolWindow", "bsSizeToolWin"};
constexpr const char* borderIconNames[] = {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"};
constexpr std::initializer_list<const char*> positionNames = {
    "poDesigned",     "poDefault",       "poDefaultPosOnly", "poDefaultSizeOnly",
    "poScreenCenter", "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"};
constexpr std::initializer_list<const char*> windowStateNames = {"wsNormal", "wsMinimized", "wsMaximized"};
constexpr std::initializer_list<const char*> formStyleNames = {"fsNormal", "fsMDIChild", "fsMDIForm",
                                                               "fsStayOnTop"};

// The client window's first child command: above every menu item's and below the system menu's.
constexpr UINT firstMDIChildCommand = 0xFF00;

uint64_t nextFormSerial() {
    static uint64_t serial = 0;
    return ++serial;
}

} // namespace

CustomForm::CustomForm(core::Component* owner) : WinControl(owner), m_serial(nextFormSerial()) {
    setColor(core::clBtnFace);
    setVisible(false);
    storeBounds({0, 0, 320, 240});
    application().addForm(this);
}

CustomForm::~CustomForm() {
    beginDestroy();
    if (onDestroy) {
        core::NotifyEvent handler = std::move(onDestroy);
        guardedCall([&] { handler(this); });
    }
    destroyHandle();
    application().removeForm(this);
}

// --- Window styles -------------------------------------------------------------------------------

void CustomForm::styles(DWORD& style, DWORD& exStyle) const {
    style = WS_CLIPCHILDREN;
    exStyle = 0;
    if (m_formStyle == FormStyle::fsMDIChild) {
        style |= WS_CHILD | WS_CLIPSIBLINGS;
        exStyle |= WS_EX_MDICHILD;
    } else if (m_formStyle == FormStyle::fsStayOnTop) {
        exStyle |= WS_EX_TOPMOST;
    }
    switch (m_borderStyle) {
    case BorderStyle::bsNone:
        style |= WS_POPUP;
        break;
    case BorderStyle::bsSingle:
        style |= WS_CAPTION | WS_BORDER;
        break;
    case BorderStyle::bsSizeable:
        style |= WS_CAPTION | WS_THICKFRAME;
        break;
    case BorderStyle::bsDialog:
        style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME;
        exStyle |= WS_EX_DLGMODALFRAME;
        break;
    case BorderStyle::bsToolWindow:
        style |= WS_CAPTION;
        exStyle |= WS_EX_TOOLWINDOW;
        break;
    case BorderStyle::bsSizeToolWin:
        style |= WS_CAPTION | WS_THICKFRAME;
        exStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    if (m_borderStyle != BorderStyle::bsNone && m_borderIcons.has(BorderIcon::biSystemMenu)) {
        style |= WS_SYSMENU;
        // Dialog and tool frames carry no minimise or maximise box.
        const bool plainFrame =
            m_borderStyle == BorderStyle::bsSingle || m_borderStyle == BorderStyle::bsSizeable;
        if (plainFrame && m_borderIcons.has(BorderIcon::biMinimize))
            style |= WS_MINIMIZEBOX;
        if (plainFrame && m_borderIcons.has(BorderIcon::biMaximize))
            style |= WS_MAXIMIZEBOX;
        if (!plainFrame && m_borderIcons.has(BorderIcon::biHelp))
            exStyle |= WS_EX_CONTEXTHELP;
    }
}

void CustomForm::createParams(CreateParams& p) {
    WinControl::createParams(p);
    p.classStyle = CS_DBLCLKS;
    styles(p.style, p.exStyle);
    if (isVisible() && !isLoading())
        p.style |= WS_VISIBLE;
    if (!isEnabled())
        p.style |= WS_DISABLED;
    if (m_windowState == WindowState::wsMinimized)
        p.style |= WS_MINIMIZE;
    else if (m_windowState == WindowState::wsMaximized)
        p.style |= WS_MAXIMIZE;
    // Secondary forms belong to the main form's window: they stay above it and go with it.
    p.parent = nullptr;
    CustomForm* main = application().mainForm();
    if (m_formStyle == FormStyle::fsMDIChild) {
        CustomForm* frame = mdiParent();
        if (frame)
            frame->handle();
        if (!frame || !frame->clientHandle())
            throw core::Error("Cannot create form. No MDI forms are currently active");
        p.parent = frame->clientHandle();
        // The client window places new children itself (cascading) unless the form was placed.
        if (m_position == FormPosition::poDefault || m_position == FormPosition::poDefaultPosOnly) {
            p.x = p.y = CW_USEDEFAULT;
        }
        return;
    }
    if (main && main != this && main->hasHandle())
        p.parent = main->handle();
    switch (m_position) {
    case FormPosition::poDefault:
    case FormPosition::poDefaultPosOnly:
        p.x = CW_USEDEFAULT;
        p.y = CW_USEDEFAULT;
        break;
    case FormPosition::poScreenCenter:
    case FormPosition::poDesktopCenter:
        p.x = (screen().width() - width()) / 2;
        p.y = (screen().height() - height()) / 2;
        break;
    case FormPosition::poMainFormCenter:
    case FormPosition::poOwnerFormCenter:
        if (main && main != this) {
            p.x = main->left() + (main->width() - width()) / 2;
            p.y = main->top() + (main->height() - height()) / 2;
        }
        break;
    default:
        break;
    }
}

core::Rect CustomForm::frameExtents() const {
    DWORD style;
    DWORD exStyle;
    styles(style, exStyle);
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, style, m_menu != nullptr, exStyle);
    return {-r.left, -r.top, r.right, r.bottom};
}

void CustomForm::applyStyles() {
    if (!hasHandle())
        return;
    // A new frame needs the window made again; it keeps its hooks, children and client size.
    const core::Rect client = clientRect();
    const bool hadPending = m_pendingClientWidth >= 0 || m_pendingClientHeight >= 0;
    if (!hadPending) {
        m_pendingClientWidth = client.width();
        m_pendingClientHeight = client.height();
    }
    recreateWnd();
}

void CustomForm::createWnd() {
    WinControl::createWnd();
    // Make the client size set before the window existed exact, whatever frame the window has.
    if (m_pendingClientWidth >= 0 || m_pendingClientHeight >= 0) {
        const core::Rect client = WinControl::clientRect();
        const int32_t w =
            m_pendingClientWidth >= 0 ? width() - client.width() + m_pendingClientWidth : width();
        const int32_t h =
            m_pendingClientHeight >= 0 ? height() - client.height() + m_pendingClientHeight : height();
        m_pendingClientWidth = -1;
        m_pendingClientHeight = -1;
        WinControl::setBounds(left(), top(), w, h);
    }
}

void CustomForm::handleCreated() {
    WinControl::handleCreated();
    HICON icon = application().icon();
    SendMessageW(handle(), WM_SETICON, ICON_BIG, LPARAM(icon));
    // A child window carries no menu bar: its menu shows through the frame's.
    if (m_menu && !isMDIChild())
        m_menu->setWindow(handle());
    if (m_formStyle == FormStyle::fsMDIForm)
        createClientWindow();
}

// --- Multi-document windows ----------------------------------------------------------------------

void CustomForm::setFormStyle(FormStyle style) {
    if (style == m_formStyle)
        return;
    if (m_formStyle == FormStyle::fsMDIForm && hasHandle() && !mdiChildren().empty())
        throw core::Error("Cannot change the style of a multi-document form that has children");
    m_formStyle = style;
    applyStyles();
}

void CustomForm::createClientWindow() {
    CLIENTCREATESTRUCT ccs{};
    ccs.hWindowMenu = nullptr;
    ccs.idFirstChild = firstMDIChildCommand;
    const core::Rect r = mdiClientRect();
    m_clientHandle = CreateWindowExW(
        WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
        WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, r.left, r.top,
        r.width(), r.height(), handle(), nullptr, GetModuleHandleW(nullptr), &ccs);
    if (!m_clientHandle)
        throw core::Error("Error creating window");
    // Beneath the form's own child windows (a menu bar, a tab bar).
    SetWindowPos(m_clientHandle, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_sentWindowMenu = nullptr;
    updateWindowMenu();
}

core::Rect CustomForm::mdiClientRect() const {
    std::vector<AlignedRect> items;
    for (Control* c : controls())
        if (c->isVisible() && c->align() != Align::alNone && c->align() != Align::alClient)
            items.push_back({c->align(), c->boundsRect()});
    const core::Rect client = clientRect();
    core::Rect free = alignRects(client, items);
    free.right = std::max(free.left, free.right);
    free.bottom = std::max(free.top, free.bottom);
    return free;
}

void CustomForm::placeClientWindow() {
    if (!m_clientHandle)
        return;
    const core::Rect r = mdiClientRect();
    RECT now;
    GetWindowRect(m_clientHandle, &now);
    MapWindowPoints(HWND_DESKTOP, handle(), reinterpret_cast<POINT*>(&now), 2);
    if (core::Rect{now.left, now.top, now.right, now.bottom} != r)
        SetWindowPos(m_clientHandle, nullptr, r.left, r.top, r.width(), r.height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

void CustomForm::childrenAligned() {
    WinControl::childrenAligned();
    placeClientWindow();
}

void CustomForm::setWindowMenu(MenuItem* item) {
    if (item == m_windowMenu)
        return;
    if (m_windowMenu)
        removeFreeNotification(m_windowMenu);
    m_windowMenu = item;
    if (m_windowMenu)
        freeNotification(m_windowMenu);
    updateWindowMenu();
}

void CustomForm::updateWindowMenu() {
    // The native window menu is the submenu of the window-menu item on the form's menu bar; the bar
    // is rebuilt after item changes, so this runs again before the bar opens.
    // Only while the frame shows the bar natively (a skinned frame draws its own).
    if (!m_clientHandle || !m_menu || !m_menu->hasHandle() || GetMenu(handle()) != m_menu->handle())
        return;
    HMENU windowMenu = nullptr;
    if (m_windowMenu && m_windowMenu->parent() == &m_menu->items()) {
        int position = 0;
        for (MenuItem* item : m_menu->items().items()) {
            if (item == m_windowMenu)
                break;
            if (item->isVisible())
                ++position;
        }
        windowMenu = GetSubMenu(m_menu->handle(), position);
    }
    if (windowMenu == m_sentWindowMenu)
        return;
    m_sentWindowMenu = windowMenu;
    SendMessageW(m_clientHandle, WM_MDISETMENU, WPARAM(m_menu->handle()), LPARAM(windowMenu));
    DrawMenuBar(handle());
}

CustomForm* CustomForm::activeMDIChild() const {
    if (!m_clientHandle)
        return nullptr;
    return dynamic_cast<CustomForm*>(findControl(HWND(SendMessageW(m_clientHandle, WM_MDIGETACTIVE, 0, 0))));
}

std::vector<CustomForm*> CustomForm::mdiChildren() const {
    std::vector<CustomForm*> children;
    if (!m_clientHandle)
        return children;
    for (HWND w = GetWindow(m_clientHandle, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        if (auto* f = dynamic_cast<CustomForm*>(findControl(w)); f && f->isMDIChild())
            children.push_back(f);
    return children;
}

void CustomForm::cascade() {
    if (m_clientHandle)
        SendMessageW(m_clientHandle, WM_MDICASCADE, 0, 0);
}

void CustomForm::tile(TileMode mode) {
    if (m_clientHandle)
        SendMessageW(m_clientHandle, WM_MDITILE,
                     mode == TileMode::tbHorizontal ? MDITILE_HORIZONTAL : MDITILE_VERTICAL, 0);
}

void CustomForm::arrangeIcons() {
    if (m_clientHandle)
        SendMessageW(m_clientHandle, WM_MDIICONARRANGE, 0, 0);
}

void CustomForm::next() {
    if (m_clientHandle)
        SendMessageW(m_clientHandle, WM_MDINEXT, 0, 0);
}

void CustomForm::previous() {
    if (m_clientHandle)
        SendMessageW(m_clientHandle, WM_MDINEXT, 0, 1);
}

void CustomForm::setMDIParent(CustomForm* frame) {
    if (frame == m_mdiParent)
        return;
    if (m_mdiParent)
        removeFreeNotification(m_mdiParent);
    m_mdiParent = frame;
    if (frame)
        freeNotification(frame);
}

CustomForm* CustomForm::mdiParent() const {
    if (m_formStyle != FormStyle::fsMDIChild)
        return nullptr;
    if (m_mdiParent)
        return m_mdiParent->isMDIForm() ? m_mdiParent : nullptr;
    CustomForm* main = application().mainForm();
    return main && main != this && main->isMDIForm() ? main : nullptr;
}

void CustomForm::destroyWnd() {
    // A child taken down by its client window leaves the window menu and activates the next one.
    if (GetWindowLongPtrW(handle(), GWL_EXSTYLE) & WS_EX_MDICHILD) {
        HWND client = GetParent(handle());
        if (client && IsWindow(client)) {
            SendMessageW(client, WM_MDIDESTROY, WPARAM(handle()), 0);
            return;
        }
    }
    if (m_clientHandle)
        m_clientHandle = nullptr; // goes with the window
    WinControl::destroyWnd();
}

void CustomForm::defaultHandler(Message& m) {
    if (!hasHandle()) {
        m.result = 0;
        return;
    }
    if (m_formStyle == FormStyle::fsMDIForm && m_clientHandle) {
        if (m.msg == WM_SIZE) {
            // The frame's procedure would stretch the client window over aligned controls.
            m.result = DefWindowProcW(handle(), m.msg, m.wParam, m.lParam);
            placeClientWindow();
            return;
        }
        m.result = DefFrameProcW(handle(), m_clientHandle, m.msg, m.wParam, m.lParam);
        return;
    }
    if (m_formStyle == FormStyle::fsMDIChild) {
        m.result = DefMDIChildProcW(handle(), m.msg, m.wParam, m.lParam);
        return;
    }
    WinControl::defaultHandler(m);
}

core::Rect CustomForm::clientRect() const {
    if (hasHandle())
        return WinControl::clientRect();
    const core::Rect frame = frameExtents();
    return {0, 0, std::max(0, width() - frame.left - frame.right),
            std::max(0, height() - frame.top - frame.bottom)};
}

void CustomForm::setClientWidth(int32_t w) {
    if (hasHandle()) {
        WinControl::setClientWidth(w);
        return;
    }
    m_pendingClientWidth = w;
    const core::Rect frame = frameExtents();
    WinControl::setBounds(left(), top(), w + frame.left + frame.right, height());
}

void CustomForm::setClientHeight(int32_t h) {
    if (hasHandle()) {
        WinControl::setClientHeight(h);
        return;
    }
    m_pendingClientHeight = h;
    const core::Rect frame = frameExtents();
    WinControl::setBounds(left(), top(), width(), h + frame.top + frame.bottom);
}

void CustomForm::setBorderStyle(BorderStyle style) {
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    applyStyles();
}

void CustomForm::setBorderIcons(BorderIcons icons) {
    if (icons == m_borderIcons)
        return;
    m_borderIcons = icons;
    applyStyles();
}

void CustomForm::setWindowState(WindowState state) {
    if (state == m_windowState)
        return;
    m_windowState = state;
    if (hasHandle() && isVisible() && m_formStyle == FormStyle::fsMDIChild) {
        HWND client = GetParent(handle());
        if (state == WindowState::wsMaximized)
            SendMessageW(client, WM_MDIMAXIMIZE, WPARAM(handle()), 0);
        else if (state == WindowState::wsNormal)
            SendMessageW(client, WM_MDIRESTORE, WPARAM(handle()), 0);
        else
            ShowWindow(handle(), SW_MINIMIZE);
        return;
    }
    if (hasHandle() && isVisible()) {
        const int cmd = state == WindowState::wsMinimized   ? SW_MINIMIZE
                        : state == WindowState::wsMaximized ? SW_MAXIMIZE
                                                            : SW_RESTORE;
        ShowWindow(handle(), cmd);
    }
}

// --- Showing and closing -------------------------------------------------------------------------

void CustomForm::visibleChanged() {
    if (isLoading())
        return; // shown once the layout is complete
    if (isVisible()) {
        handle();
        const int cmd = m_windowState == WindowState::wsMinimized   ? SW_SHOWMINIMIZED
                        : m_windowState == WindowState::wsMaximized ? SW_SHOWMAXIMIZED
                                                                    : SW_SHOWNORMAL;
        ShowWindow(handle(), cmd);
        if (m_formStyle == FormStyle::fsMDIChild)
            SendMessageW(GetParent(handle()), WM_MDIACTIVATE, WPARAM(handle()), 0);
        if (onShow)
            onShow(this);
    } else {
        if (hasHandle())
            ShowWindow(handle(), SW_HIDE);
        if (onHide)
            onHide(this);
    }
}

void CustomForm::showForm() {
    show();
    if (hasHandle())
        SetForegroundWindow(handle());
}

void CustomForm::close() {
    if (m_closing)
        return;
    m_closing = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{m_closing};

    bool canClose = true;
    if (onCloseQuery)
        onCloseQuery(this, canClose);
    if (!canClose)
        return;
    CloseAction action = m_formStyle == FormStyle::fsMDIChild ? CloseAction::caFree : CloseAction::caHide;
    if (onClose)
        onClose(this, action);
    if (action == CloseAction::caNone)
        return;
    if (application().mainForm() == this) {
        hide();
        application().terminate();
    } else if (action == CloseAction::caHide) {
        hide();
    } else if (action == CloseAction::caMinimize) {
        setWindowState(WindowState::wsMinimized);
    } else {
        release();
    }
}

void CustomForm::release() {
    hide();
    postCall([this, serial = m_serial] {
        // The form may have gone another way in the meantime (and another one taken its place).
        for (CustomForm* f : application().forms())
            if (f == this && f->m_serial == serial) {
                delete this;
                return;
            }
    });
}

bool CustomForm::isActive() const {
    return hasHandle() && GetActiveWindow() == const_cast<CustomForm*>(this)->handle();
}

void CustomForm::doCreate() {
    if (m_created)
        return;
    m_created = true;
    if (onCreate)
        onCreate(this);
}

void CustomForm::setMenu(MainMenu* menu) {
    if (menu == m_menu)
        return;
    if (m_menu) {
        if (hasHandle() && !isMDIChild())
            m_menu->setWindow(nullptr);
        removeFreeNotification(m_menu);
    }
    m_menu = menu;
    if (m_menu) {
        freeNotification(m_menu);
        if (hasHandle() && !isMDIChild())
            m_menu->setWindow(handle());
    }
    m_sentWindowMenu = nullptr;
    updateWindowMenu();
}

void CustomForm::notification(core::Component* component, core::Operation operation) {
    WinControl::notification(component, operation);
    if (operation == core::Operation::Remove && component == m_menu)
        m_menu = nullptr;
    if (operation == core::Operation::Remove && component == m_mdiParent)
        m_mdiParent = nullptr;
    if (operation == core::Operation::Remove && component == m_windowMenu) {
        m_windowMenu = nullptr;
        m_sentWindowMenu = nullptr;
        updateWindowMenu();
    }
}

// --- Keyboard ------------------------------------------------------------------------------------

bool CustomForm::isShortCut(const MSG& msg) {
    if (onShortCut && onShortCut(msg))
        return true;
    // The shortcuts of the form's menu, then those of the active child's menu.
    if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && msg.wParam < 256) {
        const ShortCut key = shortCutFromKey(uint8_t(msg.wParam));
        if (m_menu && m_menu->isShortCut(key))
            return true;
        CustomForm* child = activeMDIChild();
        if (child && child->menu() && child->menu()->isShortCut(key))
            return true;
    }
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0 &&
        GetKeyState(VK_MENU) >= 0)
        return selectNext(GetKeyState(VK_SHIFT) >= 0);
    return false;
}

bool CustomForm::selectNext(bool forward) {
    std::vector<WinControl*> order;
    std::vector<const WinControl*> pending;
    auto collect = [&](auto& self, const WinControl* w) -> void {
        for (WinControl* c : w->tabList()) {
            if (!c->canFocus())
                continue;
            if (c->tabStop())
                order.push_back(c);
            self(self, c);
        }
    };
    collect(collect, this);
    if (order.empty())
        return false;
    const auto focused =
        std::find_if(order.begin(), order.end(), [](WinControl* c) { return c->isFocused(); });
    const int n = int(order.size());
    int next;
    if (focused == order.end())
        next = forward ? 0 : n - 1;
    else
        next = (int(focused - order.begin()) + (forward ? 1 : n - 1)) % n;
    order[size_t(next)]->setFocus();
    return true;
}

// --- Messages ------------------------------------------------------------------------------------

void CustomForm::wndProc(Message& m) {
    switch (m.msg) {
    case WM_CLOSE:
        close();
        return;
    case WM_INITMENU:
        updateWindowMenu();
        defaultHandler(m);
        return;
    case WM_COMMAND:
        // A choice from the native menu bar; the client window's own commands go on.
        if (m.lParam == 0 && HIWORD(m.wParam) == 0 && m_menu && m_menu->dispatchCommand(LOWORD(m.wParam))) {
            m.result = 0;
            return;
        }
        defaultHandler(m);
        return;
    case WM_ACTIVATE:
        defaultHandler(m);
        if (LOWORD(m.wParam) == WA_INACTIVE) {
            if (onDeactivate)
                onDeactivate(this);
        } else if (onActivate) {
            onActivate(this);
        }
        return;
    case WM_SIZE:
        if (m.wParam == SIZE_MINIMIZED)
            m_windowState = WindowState::wsMinimized;
        else if (m.wParam == SIZE_MAXIMIZED)
            m_windowState = WindowState::wsMaximized;
        else if (m.wParam == SIZE_RESTORED)
            m_windowState = WindowState::wsNormal;
        WinControl::wndProc(m);
        // The application's window hears of the main form's minimise and restore.
        if (application().mainForm() == this && (m.wParam == SIZE_MINIMIZED || m.wParam == SIZE_RESTORED))
            application().mainFormSized(m.wParam == SIZE_MINIMIZED);
        return;
    case WM_DESTROY:
        WinControl::wndProc(m);
        // A main window taken down from outside (not re-made, not freed by us) ends the loop.
        if (application().mainForm() == this && !isRecreating() && !isDestroying())
            application().terminate();
        return;
    default:
        WinControl::wndProc(m);
        return;
    }
}

// --- Layout properties ---------------------------------------------------------------------------

bool CustomForm::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == "BorderStyle")
        setBorderStyle(BorderStyle(value.asEnum(borderStyleNames)));
    else if (name == "BorderIcons") {
        uint8_t bits = 0;
        for (const std::string& n : value.asSet()) {
            const auto* it = std::find_if(std::begin(borderIconNames), std::end(borderIconNames),
                                          [&](const char* s) { return n == s; });
            if (it == std::end(borderIconNames))
                value.fail("'" + n + "' is not a border icon");
            bits |= uint8_t(1u << unsigned(it - std::begin(borderIconNames)));
        }
        setBorderIcons(BorderIcons::fromBits(bits));
    } else if (name == "Position")
        setPosition(FormPosition(value.asEnum(positionNames)));
    else if (name == "WindowState")
        setWindowState(WindowState(value.asEnum(windowStateNames)));
    else if (name == "FormStyle")
        setFormStyle(FormStyle(value.asEnum(formStyleNames)));
    else if (name == "WindowMenu")
        value.resolveReference([this](core::Component* c) {
            auto* item = dynamic_cast<MenuItem*>(c);
            if (c && !item)
                throw core::Error("'" + c->name() + "' is not a menu item");
            setWindowMenu(item);
        });
    else if (name == "Menu")
        value.resolveReference([this](core::Component* c) {
            auto* menu = dynamic_cast<MainMenu*>(c);
            if (c && !menu)
                throw core::Error("'" + c->name() + "' is not a main menu");
            setMenu(menu);
        });
    else if (name == "OnCreate")
        value.bindEvent([this](core::NotifyEvent e) { onCreate = std::move(e); });
    else if (name == "OnDestroy")
        value.bindEvent([this](core::NotifyEvent e) { onDestroy = std::move(e); });
    else if (name == "OnShow")
        value.bindEvent([this](core::NotifyEvent e) { onShow = std::move(e); });
    else if (name == "OnHide")
        value.bindEvent([this](core::NotifyEvent e) { onHide = std::move(e); });
    else if (name == "OnActivate")
        value.bindEvent([this](core::NotifyEvent e) { onActivate = std::move(e); });
    else if (name == "OnDeactivate")
        value.bindEvent([this](core::NotifyEvent e) { onDeactivate = std::move(e); });
    else if (name == "OnClose")
        value.bindEvent([this](core::NotifyEvent e) {
            onClose = [e = std::move(e)](core::Component* sender, CloseAction&) { e(sender); };
        });
    else if (name == "AutoScroll" || name == "Scaled" || name == "OldCreateOrder")
        value.asBool(); // the window never scrolls or rescales; accepted for older layouts
    else if (name == "PixelsPerInch" || name == "TextHeight")
        value.asInt(); // layouts are at 96 dpi
    else
        return WinControl::setProperty(name, value);
    if (name.starts_with("On"))
        rememberEventHandler(name, value.asIdent());
    return true;
}

void CustomForm::writeProperties(core::PropertyWriter& out) const {
    core::Component::writeProperties(out);
    out.writeInt("Left", left());
    out.writeInt("Top", top());
    const core::Rect client = clientRect();
    out.writeInt("ClientWidth", m_pendingClientWidth >= 0 ? m_pendingClientWidth : client.width());
    out.writeInt("ClientHeight", m_pendingClientHeight >= 0 ? m_pendingClientHeight : client.height());
    if (!caption().empty())
        out.writeString("Caption", caption());
    if (m_borderStyle != BorderStyle::bsSizeable)
        out.writeIdent("BorderStyle", borderStyleNames.begin()[int(m_borderStyle)]);
    std::vector<std::string> icons;
    for (unsigned i = 0; i < 4; ++i)
        if (m_borderIcons.has(BorderIcon(i)))
            icons.push_back(borderIconNames[i]);
    out.writeSet("BorderIcons", icons);
    out.writeColor("Color", color());
    font().writeProperties(out, "Font");
    if (m_position != FormPosition::poDesigned)
        out.writeIdent("Position", positionNames.begin()[int(m_position)]);
    if (m_windowState != WindowState::wsNormal)
        out.writeIdent("WindowState", windowStateNames.begin()[int(m_windowState)]);
    if (m_formStyle != FormStyle::fsNormal)
        out.writeIdent("FormStyle", formStyleNames.begin()[int(m_formStyle)]);
    if (m_menu)
        out.writeReference("Menu", m_menu);
    if (m_windowMenu)
        out.writeReference("WindowMenu", m_windowMenu);
    if (isVisible())
        out.writeBool("Visible", true);
    writeEventHandlers(out);
}

void CustomForm::loaded() {
    WinControl::loaded();
    if (isVisible())
        visibleChanged();
    doCreate();
}

} // namespace gui
