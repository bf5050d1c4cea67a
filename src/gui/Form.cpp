#include "gui/Form.h"

#include "core/Error.h"
#include "gui/Application.h"
#include "gui/MainMenu.h"
#include "gui/Screen.h"
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
    if (m_menu)
        m_menu->setWindow(handle());
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
    CloseAction action = CloseAction::caHide;
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
        if (hasHandle())
            m_menu->setWindow(nullptr);
        removeFreeNotification(m_menu);
    }
    m_menu = menu;
    if (m_menu) {
        freeNotification(m_menu);
        if (hasHandle())
            m_menu->setWindow(handle());
    }
}

void CustomForm::notification(core::Component* component, core::Operation operation) {
    WinControl::notification(component, operation);
    if (operation == core::Operation::Remove && component == m_menu)
        m_menu = nullptr;
}

// --- Keyboard ------------------------------------------------------------------------------------

bool CustomForm::isShortCut(const MSG& msg) {
    if (onShortCut && onShortCut(msg))
        return true;
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
    if (m_menu)
        out.writeReference("Menu", m_menu);
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
