#include "skin/popup/win32/TrayIcon.h"

#include "core/Error.h"
#include "core/Utf8.h"
#include "core/WatchReference.h"
#include "gui/Application.h"
#include "gui/ApplicationWindow.h"
#include "gui/Form.h"
#include "gui/ImageList.h"
#include "gui/MenuItem.h"
#include "gui/MessageHook.h"
#include "gui/PopupMenu.h"
#include "gui/WinControl.h"
#include "gui/WindowProc.h"

#include <algorithm>
#include <cstring>

namespace skin {

namespace {

TrayIcon::NotifyIconCall& notifyIconCall() {
    static TrayIcon::NotifyIconCall call;
    return call;
}

const wchar_t* trayWindowClass(WNDPROC proc) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VelmoraTrayIcon";
        registered = RegisterClassW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }
    return L"VelmoraTrayIcon";
}

gui::ShiftState keyShift() {
    gui::ShiftState s;
    if (GetAsyncKeyState(VK_SHIFT) < 0)
        s |= gui::Shift::ssShift;
    if (GetAsyncKeyState(VK_MENU) < 0)
        s |= gui::Shift::ssAlt;
    if (GetAsyncKeyState(VK_CONTROL) < 0)
        s |= gui::Shift::ssCtrl;
    return s;
}

gui::ShiftState shiftWith(gui::Shift button) {
    return keyShift() | button;
}

} // namespace

void TrayIcon::setNotifyIconCall(NotifyIconCall call) {
    notifyIconCall() = std::move(call);
}

TrayIcon::TrayIcon(core::Component* owner) : core::Component(owner) {
    m_taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    m_window = CreateWindowExW(WS_EX_TOOLWINDOW, trayWindowClass(&TrayIcon::windowProc), L"", WS_POPUP, 0, 0,
                               0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (m_window)
        SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_animateTimer = std::make_unique<gui::Timer>();
    m_animateTimer->setEnabled(false);
    m_animateTimer->setInterval(0);
    m_animateTimer->onTimer = [this](core::Component*) { animationStep(); };
    m_clickTimer = std::make_unique<gui::Timer>();
    m_clickTimer->setEnabled(false);
    m_clickTimer->setInterval(GetDoubleClickTime());
    m_clickTimer->onTimer = [this](core::Component*) { clickTimer(); };
    if (m_icon.isEmpty())
        m_icon.assignHandle(gui::application().icon());
    if (isDesigning())
        return;
    gui::application().handle();
    m_applicationObserver = gui::application().window().addObserver(
        [this](UINT msg, WPARAM wParam, LPARAM) { applicationMessage(msg, wParam); });
    if (auto* w = dynamic_cast<gui::WinControl*>(owner)) {
        m_ownerHook = std::make_unique<gui::FunctionHook>(
            [this](gui::Message& m, const std::function<void(gui::Message&)>& previous) {
                // A main form shown again comes to the front.
                if (m.msg == WM_SHOWWINDOW && m.wParam == 1 && m.lParam == 0)
                    if (HWND owner = ownerWindow())
                        SetForegroundWindow(owner);
                previous(m);
            });
        w->installHook(m_ownerHook.get());
    }
}

TrayIcon::~TrayIcon() {
    beginDestroy();
    notify(NIM_DELETE);
    m_ownerHook.reset();
    if (m_applicationObserver)
        gui::application().window().removeObserver(m_applicationObserver);
    m_animateTimer.reset();
    m_clickTimer.reset();
    if (HWND w = std::exchange(m_window, nullptr)) {
        SetWindowLongPtrW(w, GWLP_USERDATA, 0);
        DestroyWindow(w);
    }
}

HWND TrayIcon::ownerWindow() const {
    auto* w = dynamic_cast<gui::WinControl*>(owner());
    return w && w->hasHandle() ? w->handle() : nullptr;
}

void TrayIcon::notify(DWORD message) {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V2_SIZE;
    data.hWnd = m_window;
    data.uID = iconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = callbackMessage;
    data.hIcon = m_icon.handle();
    const std::u16string tip = trayTip(m_hint, m_showHint);
    std::memcpy(data.szTip, tip.data(), tip.size() * sizeof(char16_t));
    // The shell's answer is not acted upon: without a tray there is nothing to do about it.
    if (notifyIconCall())
        (void)notifyIconCall()(message, data);
    else
        (void)Shell_NotifyIconW(message, &data);
}

void TrayIcon::showIcon() {
    m_iconVisible = true;
    notify(NIM_ADD);
}

void TrayIcon::hideIcon() {
    m_iconVisible = false;
    notify(NIM_DELETE);
}

void TrayIcon::updateIcon() {
    notify(NIM_MODIFY);
}

void TrayIcon::setIconVisible(bool visible) {
    if (visible)
        showIcon();
    else
        hideIcon();
}

void TrayIcon::setIcon(const gui::Icon& icon) {
    m_icon.assign(icon);
    updateIcon();
}

void TrayIcon::setHint(const std::string& hint) {
    m_hint = hint;
    updateIcon();
}

void TrayIcon::setShowHint(bool v) {
    m_showHint = v;
    updateIcon();
}

void TrayIcon::copyImage(int32_t index) {
    if (const gui::Bitmap* image = m_iconList ? m_iconList->image(index) : nullptr)
        m_icon.assignBitmap(*image);
}

void TrayIcon::setIconIndex(int32_t index) {
    if (m_iconList) {
        m_iconIndex = trayIconIndex(index, m_iconList->count());
        copyImage(m_iconIndex);
    } else {
        m_iconIndex = 0;
    }
    updateIcon();
}

void TrayIcon::setIconList(gui::ImageList* list) {
    core::watchReference(*this, m_iconList, list);
    setIconIndex(0);
}

void TrayIcon::updateAnimationTimer() {
    m_animateTimer->setInterval(m_animateInterval);
    m_animateTimer->setEnabled(trayCycleTimerRuns(m_cycleIcons, m_animateInterval));
}

void TrayIcon::setCycleIcons(bool cycle) {
    m_cycleIcons = cycle;
    if (cycle)
        setIconIndex(0);
    updateAnimationTimer();
}

void TrayIcon::setAnimateTimerInterval(unsigned ms) {
    m_animateInterval = ms;
    updateAnimationTimer();
}

void TrayIcon::setPopupMenu(gui::PopupMenu* menu) {
    core::watchReference(*this, m_popupMenu, menu);
}

void TrayIcon::animationStep() {
    if (!m_iconList || m_iconList->count() == 0)
        return;
    copyImage(m_iconIndex);
    int32_t next = nextTrayIconIndex(m_iconIndex, m_iconList->count());
    if (onCycle)
        onCycle(this, next);
    updateIcon();
    setIconIndex(next);
}

void TrayIcon::hideMainFormToTray() {
    gui::CustomForm* form = gui::application().mainForm();
    if (dynamic_cast<gui::WinControl*>(owner()) && form)
        form->hide();
    showIcon();
}

void TrayIcon::restoreMainForm() {
    gui::CustomForm* form = gui::application().mainForm();
    if (!dynamic_cast<gui::WinControl*>(owner()) || !form)
        return;
    form->show();
    if (form->hasHandle()) {
        if (IsIconic(form->handle()))
            ShowWindow(form->handle(), SW_RESTORE);
        SetForegroundWindow(form->handle());
    }
}

void TrayIcon::applicationMessage(UINT msg, WPARAM wParam) {
    if (msg == WM_SIZE && wParam == SIZE_MINIMIZED && (m_minimizeToTray || m_minimizedToTray))
        hideMainFormToTray();
    else if (msg == m_taskbarCreated && m_iconVisible)
        showIcon(); // the shell restarted: the icon comes back
}

void TrayIcon::loaded() {
    core::Component::loaded();
    if (isDesigning())
        return;
    if (dynamic_cast<gui::WinControl*>(owner()) && m_minimizedOnStart) {
        m_iconVisible = true;
        m_minimizeToTray = true;
        gui::application().setShowMainForm(false);
        if (gui::CustomForm* form = gui::application().mainForm())
            form->hide();
    }
    updateIcon();
    setIconVisible(m_iconVisible);
}

void TrayIcon::showPopupMenu() {
    POINT p{};
    if (!m_popupMenu || !m_popupMenu->isAutoPopup() || !GetCursorPos(&p))
        return;
    gui::application().processMessages();
    SetForegroundWindow(m_window);
    if (HWND owner = ownerWindow())
        SetForegroundWindow(owner);
    m_popupMenu->setPopupComponent(this);
    m_popupMenu->popup(p.x, p.y);
    if (HWND owner = ownerWindow())
        PostMessageW(owner, WM_NULL, 0, 0);
}

void TrayIcon::clickTimer() {
    m_clickTimer->setEnabled(false);
    if (m_clicks.timerElapsed() && onClick)
        onClick(this);
}

void TrayIcon::trayCallback(UINT mouseMessage) {
    POINT p{};
    GetCursorPos(&p);
    switch (mouseMessage) {
    case WM_MOUSEMOVE:
        if (onMouseMove)
            onMouseMove(this, keyShift(), p.x, p.y);
        break;
    case WM_LBUTTONDOWN:
        m_clicks.buttonDown();
        m_clickTimer->setEnabled(false);
        m_clickTimer->setInterval(GetDoubleClickTime());
        m_clickTimer->setEnabled(true);
        if (onMouseDown)
            onMouseDown(this, gui::MouseButton::mbLeft, shiftWith(gui::Shift::ssLeft), p.x, p.y);
        if (m_popupByLeftButton)
            showPopupMenu();
        break;
    case WM_LBUTTONUP:
        if (m_clicks.buttonUp() && onClick)
            onClick(this);
        if (onMouseUp)
            onMouseUp(this, gui::MouseButton::mbLeft, shiftWith(gui::Shift::ssLeft), p.x, p.y);
        break;
    case WM_LBUTTONDBLCLK:
        m_clicks.doubleClick();
        if (onDblClick)
            onDblClick(this);
        if (m_popupMenu && m_popupMenu->isAutoPopup() && !m_popupByLeftButton) {
            gui::MenuItem& root = m_popupMenu->items();
            for (int i = 0; i < root.count(); ++i)
                if (root.item(i)->isDefault()) {
                    root.item(i)->click();
                    break;
                }
        }
        break;
    case WM_RBUTTONDOWN:
        if (onMouseDown)
            onMouseDown(this, gui::MouseButton::mbRight, shiftWith(gui::Shift::ssRight), p.x, p.y);
        showPopupMenu();
        break;
    case WM_RBUTTONUP:
        if (onMouseUp)
            onMouseUp(this, gui::MouseButton::mbRight, shiftWith(gui::Shift::ssRight), p.x, p.y);
        break;
    case WM_MBUTTONDOWN:
        if (onMouseDown)
            onMouseDown(this, gui::MouseButton::mbMiddle, shiftWith(gui::Shift::ssMiddle), p.x, p.y);
        break;
    case WM_MBUTTONUP:
        if (onMouseUp)
            onMouseUp(this, gui::MouseButton::mbMiddle, shiftWith(gui::Shift::ssMiddle), p.x, p.y);
        break;
    default:
        break;
    }
}

LRESULT TrayIcon::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_DESTROY:
    case WM_CLOSE:
    case WM_QUERYENDSESSION:
    case WM_QUIT:
    case WM_USERCHANGED:
    case WM_NCDESTROY:
        // The icon's window lives exactly as long as the icon.
        return 1;
    case callbackMessage:
        if (m_enabled)
            gui::guardedCall([&] { trayCallback(UINT(lParam)); });
        return 0;
    default:
        return DefWindowProcW(m_window, msg, wParam, lParam);
    }
}

LRESULT CALLBACK TrayIcon::windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TrayIcon*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, msg, wParam, lParam);
    return self->handleMessage(msg, wParam, lParam);
}

void TrayIcon::notification(core::Component* component, core::Operation operation) {
    core::Component::notification(component, operation);
    if (operation != core::Operation::Remove)
        return;
    if (component == m_iconList) {
        m_iconList = nullptr;
        m_iconIndex = 0;
    }
    if (component == m_popupMenu)
        m_popupMenu = nullptr;
}

bool TrayIcon::setProperty(const std::string& name, core::PropertyReader& value) {
    auto flag = [&](void (TrayIcon::*set)(bool)) {
        (this->*set)(value.asBool());
        return true;
    };
    if (name == "IconList") {
        value.resolveReference([this](core::Component* c) {
            auto* list = dynamic_cast<gui::ImageList*>(c);
            if (c && !list)
                throw core::Error("Invalid property value");
            setIconList(list);
        });
        return true;
    }
    if (name == "PopupMenu") {
        value.resolveReference([this](core::Component* c) {
            auto* menu = dynamic_cast<gui::PopupMenu*>(c);
            if (c && !menu)
                throw core::Error("Invalid property value");
            setPopupMenu(menu);
        });
        return true;
    }
    if (name == "CycleIcons")
        return flag(&TrayIcon::setCycleIcons);
    if (name == "AnimateTimerInterval") {
        const int32_t v = value.asInt();
        if (v < 0)
            throw core::Error("Invalid property value");
        setAnimateTimerInterval(unsigned(v));
        return true;
    }
    if (name == "Enabled")
        return flag(&TrayIcon::setEnabled);
    if (name == "Hint") {
        m_hint = value.asString();
        return true;
    }
    if (name == "ShowHint") {
        m_showHint = value.asBool();
        return true;
    }
    if (name == "IconVisible") {
        // Applied when loading finishes.
        m_iconVisible = value.asBool();
        return true;
    }
    if (name == "IconIndex") {
        setIconIndex(value.asInt());
        return true;
    }
    if (name == "PopupByLeftButton")
        return flag(&TrayIcon::setPopupByLeftButton);
    if (name == "MinimizedOnStart")
        return flag(&TrayIcon::setMinimizedOnStart);
    if (name == "MinimizeToTray")
        return flag(&TrayIcon::setMinimizeToTray);
    return core::Component::setProperty(name, value);
}

void TrayIcon::writeProperties(core::PropertyWriter& out) const {
    core::Component::writeProperties(out);
    if (m_iconList)
        out.writeReference("IconList", m_iconList);
    out.writeBool("CycleIcons", m_cycleIcons);
    out.writeInt("AnimateTimerInterval", m_animateInterval);
    out.writeBool("Enabled", m_enabled);
    if (!m_hint.empty())
        out.writeString("Hint", m_hint);
    out.writeBool("ShowHint", m_showHint);
    out.writeBool("IconVisible", m_iconVisible);
    out.writeInt("IconIndex", m_iconIndex);
    if (m_popupMenu)
        out.writeReference("PopupMenu", m_popupMenu);
    out.writeBool("PopupByLeftButton", m_popupByLeftButton);
    out.writeBool("MinimizedOnStart", m_minimizedOnStart);
    // Stored only when on: a stored description never turns it off.
    if (m_minimizeToTray)
        out.writeBool("MinimizeToTray", true);
}

} // namespace skin
