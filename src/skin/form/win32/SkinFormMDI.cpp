// The skinned form's part in multi-document windows: the parent's client window, children that are
// maximised into it, minimised inside it and listed in the window menu and the tab bar.
#include "skin/form/win32/SkinForm.h"

#include "gui/Application.h"
#include "gui/Form.h"
#include "gui/MenuItem.h"
#include "gui/WindowProc.h"
#include "skin/form/MDIRules.h"
#include "skin/form/win32/SkinMDITabsBar.h"
#include "skin/form/win32/SkinMainMenuBar.h"

namespace skin {

namespace {

constexpr UINT msgRefitMaximizedChild = 1230;
constexpr UINT msgChildMaximized = 1231;
constexpr UINT msgChildRestored = 1232;
constexpr wchar_t clientProperty[] = L"VelmoraSkinFormClient";

} // namespace

SkinForm* SkinForm::findSkinForm(const gui::CustomForm* form) {
    if (!form)
        return nullptr;
    for (core::Component* c : form->components())
        if (auto* s = dynamic_cast<SkinForm*>(c))
            return s;
    return nullptr;
}

bool SkinForm::isMDIParent() const {
    return m_form->isMDIForm();
}

bool SkinForm::isMDIChild() const {
    return m_form->isMDIChild();
}

SkinForm* SkinForm::parentSkinForm() const {
    return findSkinForm(m_form->mdiParent());
}

SkinMDITabsBar* SkinForm::mdiTabsBar() const {
    return dynamic_cast<SkinMDITabsBar*>(m_mdiTabsBar);
}

void SkinForm::setMDITabsBar(SkinMDITabsBar* bar) {
    if (bar == m_mdiTabsBar)
        return;
    if (m_mdiTabsBar)
        removeFreeNotification(m_mdiTabsBar);
    m_mdiTabsBar = bar;
    if (bar)
        freeNotification(bar);
}

gui::CustomForm* SkinForm::maximizedChild() const {
    for (gui::CustomForm* child : m_form->mdiChildren()) {
        SkinForm* s = findSkinForm(child);
        if (s && !child->isDestroying() && s->isMaximizedChild())
            return child;
    }
    return nullptr;
}

core::Rect SkinForm::childArea() const {
    const gui::CustomForm* frame = isMDIChild() ? m_form->mdiParent() : m_form;
    HWND client = frame ? frame->clientHandle() : nullptr;
    RECT r{};
    if (client) {
        GetClientRect(client, &r);
        MapWindowPoints(client, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    }
    return {r.left, r.top, r.right, r.bottom};
}

core::Rect SkinForm::toRestoreBounds(const core::Rect& screen) const {
    // A child keeps its place relative to the client window, which may move meanwhile.
    if (!isMDIChild())
        return screen;
    const core::Rect area = childArea();
    return screen.translated(-area.left, -area.top);
}

core::Rect SkinForm::fromRestoreBounds(const core::Rect& saved) const {
    if (!isMDIChild())
        return saved;
    const core::Rect area = childArea();
    return saved.translated(area.left, area.top);
}

void SkinForm::sendToMainWindow(UINT msg) {
    // The application's main window, or the frame the child was given when that is another form.
    gui::CustomForm* main = m_form->mdiParent() ? m_form->mdiParent() : gui::application().mainForm();
    if (main && main->hasHandle())
        SendMessageW(main->handle(), msg, 0, 0);
}

// --- Messages ------------------------------------------------------------------------------------

bool SkinForm::mdiMessage(gui::Message& m) {
    switch (m.msg) {
    case msgRefitMaximizedChild:
        refitMaximized();
        return false;
    case msgChildMaximized:
        if (isMDIParent())
            childMaximized();
        return false;
    case msgChildRestored:
        if (isMDIParent())
            childRestored();
        return false;
    case WM_MDIACTIVATE:
        if (isMDIChild()) {
            passOn(m);
            // lParam is the child being activated; the client window may not have switched yet.
            childActivated(HWND(m.lParam) == window());
            return true;
        }
        return false;
    default:
        return false;
    }
}

void SkinForm::refitMaximized() {
    if (!isMaximizedChild() || !hasWindow())
        return;
    const core::Rect area = childArea();
    setWindowBounds(area);
}

void SkinForm::refitChildren() {
    for (gui::CustomForm* child : m_form->mdiChildren())
        if (child->hasHandle())
            SendMessageW(child->handle(), msgRefitMaximizedChild, 0, 0);
    for (gui::CustomForm* child : m_form->mdiChildren())
        if (SkinForm* s = findSkinForm(child); s && s->m_windowState == FormWindowState::Minimized)
            s->placeMinimized();
}

void SkinForm::placeMinimized() {
    // A caption-only strip at the bottom-left of the free area, beside other minimised windows.
    const core::Point size = minimumFrameSize();
    const core::Rect area = isMDIChild() ? childArea() : workArea(false);
    std::vector<core::Point> occupied;
    auto note = [&](gui::CustomForm* f) {
        if (f == m_form || !f->hasHandle() || !IsWindowVisible(f->handle()))
            return;
        RECT r;
        GetWindowRect(f->handle(), &r);
        occupied.push_back({r.left, r.top});
    };
    if (gui::CustomForm* frame = m_form->mdiParent(); isMDIChild() && frame) {
        for (gui::CustomForm* f : frame->mdiChildren())
            note(f);
    } else {
        for (gui::CustomForm* f : gui::application().forms())
            if (f != gui::application().mainForm() && !f->isMDIChild())
                note(f);
    }
    const core::Point at = minimizedPlace(area, size, occupied);
    setWindowBounds({at.x, at.y, at.x + size.x, at.y + size.y});
}

void SkinForm::childMaximized() {
    paintNow();
    if (auto* bar = dynamic_cast<SkinMainMenuBar*>(m_mainMenuBar))
        bar->childMaximized();
}

void SkinForm::childRestored() {
    paintNow();
    if (auto* bar = dynamic_cast<SkinMainMenuBar*>(m_mainMenuBar))
        bar->childRestored();
}

void SkinForm::refreshParentBars() {
    SkinForm* parent = parentSkinForm();
    if (!parent)
        return;
    if (auto* bar = dynamic_cast<SkinMainMenuBar*>(parent->m_mainMenuBar))
        bar->mdiRefresh();
    if (SkinMDITabsBar* tabs = parent->mdiTabsBar())
        tabs->updateTabs();
}

void SkinForm::childActivated(bool active) {
    if (m_windowMenuItem)
        m_windowMenuItem->setChecked(active);
    refreshParentBars();
}

void SkinForm::childShown(bool shown) {
    SkinForm* parent = parentSkinForm();
    gui::CustomForm* frame = m_form->mdiParent();
    if (shown) {
        if (frame && frame->windowMenu() && !m_windowMenuItem) {
            m_windowMenuItem = new gui::MenuItem(this);
            freeNotification(m_windowMenuItem);
            m_windowMenuItem->setName(m_form->name() + "_SFCHILDITEM");
            m_windowMenuItem->setCaption(m_form->caption());
            m_windowMenuItem->onClick = [this](gui::MenuItem&) {
                if (m_windowState == FormWindowState::Minimized)
                    changeWindowState(FormWindowState::Normal);
                m_form->show();
                if (m_form->hasHandle())
                    SendMessageW(GetParent(m_form->handle()), WM_MDIACTIVATE, WPARAM(m_form->handle()), 0);
            };
            frame->windowMenu()->add(m_windowMenuItem);
        }
        if (parent && parent->mdiTabsBar())
            parent->mdiTabsBar()->addTab(m_form);
    } else {
        delete m_windowMenuItem; // clears the reference through the notification
        if (parent && parent->mdiTabsBar())
            parent->mdiTabsBar()->removeTab(m_form);
    }
}

void SkinForm::childGone() {
    if (m_childGone)
        return;
    m_childGone = true;
    m_windowState = FormWindowState::Normal;
    delete m_windowMenuItem;
    SkinForm* parent = parentSkinForm();
    if (parent && parent->mdiTabsBar())
        parent->mdiTabsBar()->removeTab(m_form);
    sendToMainWindow(msgChildRestored);
    refreshParentBars();
}

// --- The parent's client window ------------------------------------------------------------------

void SkinForm::hookClientWindow() {
    HWND client = m_form->clientHandle();
    if (!client || client == m_hookedClient)
        return;
    unhookClientWindow();
    SetPropW(client, clientProperty, HANDLE(this));
    m_clientProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(client, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinForm::clientWindowProc)));
    m_hookedClient = client;
    SetWindowPos(client, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void SkinForm::unhookClientWindow() {
    if (!m_hookedClient)
        return;
    if (IsWindow(m_hookedClient)) {
        SetWindowLongPtrW(m_hookedClient, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_clientProc));
        RemovePropW(m_hookedClient, clientProperty);
    }
    m_hookedClient = nullptr;
    m_clientProc = nullptr;
}

LRESULT CALLBACK SkinForm::clientWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<SkinForm*>(GetPropW(window, clientProperty));
    if (!self || !self->m_clientProc)
        return DefWindowProcW(window, msg, wParam, lParam);
    LRESULT result = 0;
    bool handled = false;
    gui::guardedCall([&] {
        result = self->clientMessage(window, msg, wParam, lParam);
        handled = true;
    });
    if (!handled)
        result = CallWindowProcW(self->m_clientProc, window, msg, wParam, lParam);
    return result;
}

LRESULT SkinForm::clientMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = m_clientProc;
    switch (msg) {
    case WM_SIZE: {
        const LRESULT r = CallWindowProcW(previous, window, msg, wParam, lParam);
        refitChildren();
        if (!m_logo.isEmpty())
            InvalidateRect(window, nullptr, TRUE);
        return r;
    }
    case WM_ERASEBKGND:
        paintClientBackground(HDC(wParam), window);
        return 1;
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
        return 0; // the client window has no frame of its own
    case WM_NCACTIVATE:
        return 1;
    case WM_NCDESTROY: {
        const LRESULT r = CallWindowProcW(previous, window, msg, wParam, lParam);
        RemovePropW(window, clientProperty);
        m_hookedClient = nullptr;
        m_clientProc = nullptr;
        return r;
    }
    default:
        return CallWindowProcW(previous, window, msg, wParam, lParam);
    }
}

} // namespace skin
