#include "gui/WinControl.h"

#include "core/Error.h"
#include "core/Utf8.h"
#include "gui/Canvas.h"
#include "gui/GraphicControl.h"
#include "gui/Graphics.h"
#include "gui/Screen.h"
#include "gui/WindowProc.h"
#include "winbase/Handles.h"

#include <windowsx.h>

#include <algorithm>

namespace gui {

WinControl::WinControl(core::Component* owner) : Control(owner) {}

WinControl::~WinControl() {
    beginDestroy();
    // Children that someone else owns go with their parent too.
    while (!m_controls.empty())
        delete m_controls.back();
    for (MessageHook* hook : m_hooks) {
        hook->m_installed = false;
        hook->m_control = nullptr;
    }
    m_hooks.clear();
    destroyHandle();
}

// --- Window handle -------------------------------------------------------------------------------

HWND WinControl::handle() {
    if (!m_handle) {
        // Making the parent's window makes this one too.
        if (parent())
            parent()->handle();
        if (!m_handle)
            createWnd();
    }
    return m_handle;
}

void WinControl::createParams(CreateParams& p) {
    p.className = core::utf8ToWide(className());
    p.classStyle = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    p.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (isVisible())
        p.style |= WS_VISIBLE;
    if (!isEnabled())
        p.style |= WS_DISABLED;
    if (m_tabStop)
        p.style |= WS_TABSTOP;
    p.x = left();
    p.y = top();
    p.width = width();
    p.height = height();
    if (parent())
        p.parent = parent()->handle();
}

void WinControl::createWnd() {
    CreateParams p;
    createParams(p);
    if ((p.style & WS_CHILD) && !p.parent)
        throw core::Error("Control '" + name() + "' has no parent window");
    const std::wstring windowClass = registerWindowClass(p.className, p.classStyle);
    if (windowClass.empty())
        throw core::Error("Error creating window class");
    HWND window = createControlWindow(*this, p.exStyle, windowClass, core::utf8ToWide(caption()), p.style,
                                      p.x, p.y, p.width, p.height, p.parent);
    if (!window)
        throw core::Error("Error creating window");
    if (!m_handle)
        attachHandle(window);
    handleCreated();
    createChildHandles();
}

void WinControl::createChildHandles() {
    for (Control* c : m_controls)
        if (auto* w = dynamic_cast<WinControl*>(c); w && !w->m_handle)
            w->createWnd();
    // Later children lie on top, as in the child list.
    for (Control* c : m_controls)
        if (auto* w = dynamic_cast<WinControl*>(c); w && w->m_handle)
            SetWindowPos(w->m_handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void WinControl::destroyHandle() {
    if (!m_handle)
        return;
    // Tell the whole subtree before the platform takes the windows down.
    std::vector<WinControl*> pending{this};
    while (!pending.empty()) {
        WinControl* w = pending.back();
        pending.pop_back();
        if (!w->m_handle)
            continue;
        guardedCall([w] { w->handleDestroying(); });
        for (Control* c : w->m_controls)
            if (auto* child = dynamic_cast<WinControl*>(c))
                pending.push_back(child);
    }
    destroyWnd();
    if (m_handle)
        detachHandle();
}

void WinControl::destroyWnd() {
    DestroyWindow(m_handle);
}

void WinControl::detachHandle() {
    m_handle = nullptr;
    if (m_mouseControl)
        m_mouseControl->m_mouseInside = false;
    m_mouseControl = nullptr;
    m_captureControl = nullptr;
    m_trackingLeave = false;
}

void WinControl::recreateWnd() {
    if (!m_handle)
        return;
    m_recreating = true;
    try {
        destroyHandle();
        handle();
    } catch (...) {
        m_recreating = false;
        throw;
    }
    m_recreating = false;
}

// --- Message chain -------------------------------------------------------------------------------

void WinControl::installHook(MessageHook* hook) {
    if (!hook)
        return;
    if (hook->m_installed && hook->m_control && hook->m_control != this)
        hook->m_control->removeHook(hook);
    m_hooks.erase(std::remove(m_hooks.begin(), m_hooks.end(), hook), m_hooks.end());
    m_hooks.insert(m_hooks.begin(), hook);
    hook->m_control = this;
    hook->m_installed = true;
}

void WinControl::removeHook(MessageHook* hook) {
    const auto it = std::find(m_hooks.begin(), m_hooks.end(), hook);
    if (it == m_hooks.end())
        return;
    m_hooks.erase(it);
    if (hook->m_control == this)
        hook->m_installed = false;
}

bool WinControl::hasHook(const MessageHook* hook) const {
    return std::find(m_hooks.begin(), m_hooks.end(), hook) != m_hooks.end();
}

void WinControl::dispatchMessage(Message& m) {
    if (m_hooks.empty())
        wndProc(m);
    else
        m_hooks.front()->hookMessage(m);
}

void WinControl::dispatchAfter(const MessageHook* hook, Message& m) {
    auto it = std::find(m_hooks.begin(), m_hooks.end(), hook);
    if (it != m_hooks.end() && ++it != m_hooks.end())
        (*it)->hookMessage(m);
    else
        wndProc(m);
}

LRESULT WinControl::perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    Message m{msg, wParam, lParam, 0};
    dispatchMessage(m);
    return m.result;
}

LRESULT WinControl::sendMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return SendMessageW(handle(), msg, wParam, lParam);
}

void WinControl::defaultHandler(Message& m) {
    m.result = m_handle ? DefWindowProcW(m_handle, m.msg, m.wParam, m.lParam) : 0;
}

void WinControl::wndProc(Message& m) {
    switch (m.msg) {
    case WM_PAINT:
        paintHandler(m);
        return;
    case WM_PRINTCLIENT:
        paintWindow(HDC(m.wParam), clientRect());
        return;
    case WM_ERASEBKGND:
        m.result = eraseBackground(HDC(m.wParam)) ? 1 : 0;
        return;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
    case WM_MOUSELEAVE:
        routeMouse(m);
        return;
    case WM_RBUTTONUP: {
        // The platform makes the context-menu request out of the release; the handler may free
        // this control, so only the window handle is used after it.
        const HWND window = m_handle;
        const Message copy = m;
        routeMouse(m);
        if (window && IsWindow(window))
            DefWindowProcW(window, copy.msg, copy.wParam, copy.lParam);
        return;
    }
    case WM_CAPTURECHANGED:
        m_captureControl = nullptr;
        defaultHandler(m);
        return;
    case WM_SETCURSOR:
        handleSetCursor(m);
        return;
    case WM_CONTEXTMENU:
        contextMenu(m);
        return;
    case WM_WINDOWPOSCHANGED:
        updateBoundsFromWindow();
        defaultHandler(m);
        return;
    case WM_SETTEXT:
        defaultHandler(m);
        if (!m_settingText && m.lParam) {
            const std::string text = core::wideToUtf8(reinterpret_cast<LPCWSTR>(m.lParam));
            if (text != caption()) {
                m_settingText = true;
                try {
                    setCaption(text);
                } catch (...) {
                    m_settingText = false;
                    throw;
                }
                m_settingText = false;
            }
        }
        return;
    default:
        // The framework's and components' own messages (WM_USER and up) go to controlMessage, so that
        // window and graphic controls answer them the same way.
        if (m.msg >= WM_USER && m.msg < 0xC000)
            controlMessage(m);
        else
            defaultHandler(m);
        return;
    }
}

// --- Painting ------------------------------------------------------------------------------------

void WinControl::paint(Canvas&) {}

void WinControl::fillBackground(HDC dc, core::Rect clip) {
    const core::Rect client = clientRect();
    RECT r{std::max(clip.left, client.left), std::max(clip.top, client.top),
           std::min(clip.right, client.right), std::min(clip.bottom, client.bottom)};
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    winbase::BrushHandle brush(CreateSolidBrush(colorRef(color())));
    if (brush)
        FillRect(dc, &r, brush.get());
}

bool WinControl::eraseBackground(HDC dc) {
    fillBackground(dc, clientRect());
    return true;
}

void WinControl::paintHandler(Message&) {
    winbase::PaintDC dc(m_handle);
    if (!dc)
        return;
    const RECT& r = dc.paintStruct().rcPaint;
    paintTo(dc.get(), {r.left, r.top, r.right, r.bottom});
}

void WinControl::paintTo(HDC dc, core::Rect clip) {
    guardedCall([&] {
        Canvas canvas(dc);
        canvas.font().assign(font());
        canvas.brush().setColor(color());
        paint(canvas);
    });
    paintControls(dc, clip);
}

void WinControl::paintWindow(HDC dc, core::Rect clip) {
    fillBackground(dc, clip);
    paintTo(dc, clip);
}

void WinControl::paintControls(HDC dc, core::Rect clip) {
    for (Control* c : m_controls) {
        auto* g = dynamic_cast<GraphicControl*>(c);
        if (!g || !g->isVisible() || g->width() <= 0 || g->height() <= 0)
            continue;
        const core::Rect b = g->boundsRect();
        if (b.right <= clip.left || b.left >= clip.right || b.bottom <= clip.top || b.top >= clip.bottom)
            continue;
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, b.left, b.top, b.right, b.bottom);
        OffsetViewportOrgEx(dc, b.left, b.top, nullptr);
        g->paintTo(dc);
        RestoreDC(dc, saved);
    }
}

void WinControl::invalidate() {
    if (m_handle)
        InvalidateRect(m_handle, nullptr, TRUE);
}

void WinControl::repaint() {
    invalidate();
    update();
}

void WinControl::update() {
    if (m_handle)
        UpdateWindow(m_handle);
}

// --- Geometry ------------------------------------------------------------------------------------

core::Rect WinControl::clientRect() const {
    if (m_handle) {
        RECT r;
        if (GetClientRect(m_handle, &r))
            return {0, 0, r.right, r.bottom};
    }
    return Control::clientRect();
}

core::Point WinControl::clientOrigin() const {
    if (m_handle) {
        POINT p{0, 0};
        ClientToScreen(m_handle, &p);
        return {p.x, p.y};
    }
    return Control::clientOrigin();
}

void WinControl::setBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    if (!m_handle) {
        Control::setBounds(left, top, width, height);
        return;
    }
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (core::Rect{left, top, left + width, top + height} == boundsRect())
        return;
    SetWindowPos(m_handle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    // Normally done by WM_WINDOWPOSCHANGED already; a hook may have kept that message.
    updateBoundsFromWindow();
    requestParentRealign();
}

void WinControl::updateBoundsFromWindow() {
    if (!m_handle)
        return;
    const bool child = (GetWindowLongW(m_handle, GWL_STYLE) & WS_CHILD) != 0;
    if (!child && IsIconic(m_handle))
        return; // the minimised position is not the form's
    RECT r;
    if (!GetWindowRect(m_handle, &r))
        return;
    if (child)
        MapWindowPoints(HWND_DESKTOP, GetParent(m_handle), reinterpret_cast<POINT*>(&r), 2);
    const core::Rect bounds{r.left, r.top, r.right, r.bottom};
    if (bounds == boundsRect())
        return;
    const bool sizeChanged = bounds.width() != width() || bounds.height() != height();
    storeBounds(bounds);
    boundsChanged(sizeChanged);
}

void WinControl::boundsChanged(bool sizeChanged) {
    if (sizeChanged)
        alignChildren();
    Control::boundsChanged(sizeChanged);
}

// --- Children ------------------------------------------------------------------------------------

void WinControl::setParent(WinControl* newParent) {
    if (newParent == parent())
        return;
    // A window that cannot move under the new parent's window is made again there when needed.
    if (m_handle && !(newParent && newParent->hasHandle()))
        destroyHandle();
    Control::setParent(newParent);
}

bool WinControl::containsControl(const Control* control) const {
    for (const Control* c = control; c; c = c->parent())
        if (c == this)
            return true;
    return false;
}

Control* WinControl::controlAtPos(core::Point p, bool allowDisabled, bool allowWinControls) const {
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
        Control* c = *it;
        if (!allowWinControls && dynamic_cast<WinControl*>(c))
            continue;
        if (!c->isVisible() || (!allowDisabled && !c->isEnabled()))
            continue;
        if (c->boundsRect().contains(p))
            return c;
    }
    return nullptr;
}

void WinControl::insertControl(Control* control) {
    m_controls.push_back(control);
    control->m_parent = this;
    if (auto* w = dynamic_cast<WinControl*>(control)) {
        m_tabList.push_back(w);
        if (m_handle) {
            if (w->m_handle) {
                ::SetParent(w->m_handle, m_handle);
                SetWindowPos(w->m_handle, HWND_TOP, w->left(), w->top(), 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
            } else {
                w->createWnd();
            }
        }
    }
    control->parentFontChanged();
    control->parentColorChanged();
    control->updateAnchorRules();
    if (control->align() != Align::alNone)
        realign();
    control->invalidate();
}

void WinControl::removeControl(Control* control) {
    control->invalidate();
    forgetChild(control);
    m_controls.erase(std::remove(m_controls.begin(), m_controls.end(), control), m_controls.end());
    m_tabList.erase(std::remove(m_tabList.begin(), m_tabList.end(), control), m_tabList.end());
    control->m_parent = nullptr;
    if (control->align() != Align::alNone && !isDestroying())
        realign();
}

void WinControl::forgetChild(Control* control) {
    if (m_mouseControl == control) {
        control->m_mouseInside = false;
        m_mouseControl = nullptr;
    }
    if (m_captureControl == control) {
        m_captureControl = nullptr;
        if (m_handle && GetCapture() == m_handle)
            ReleaseCapture();
    }
}

void WinControl::moveControl(Control* control, bool toFront) {
    auto it = std::find(m_controls.begin(), m_controls.end(), control);
    if (it == m_controls.end())
        return;
    m_controls.erase(it);
    if (toFront)
        m_controls.push_back(control);
    else
        m_controls.insert(m_controls.begin(), control);
    if (auto* w = dynamic_cast<WinControl*>(control); w && w->m_handle)
        SetWindowPos(w->m_handle, toFront ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    else
        control->invalidate();
}

void WinControl::realign() {
    alignChildren();
}

void WinControl::enableAlign() {
    if (m_alignDisabled > 0 && --m_alignDisabled == 0)
        realign();
}

void WinControl::alignChildren() {
    if (m_alignDisabled > 0 || m_aligning || isLoading() || isDestroying())
        return;
    std::vector<AlignedRect> items;
    std::vector<Control*> aligned, anchored;
    for (Control* c : m_controls) {
        if (c->align() != Align::alNone && c->isVisible()) {
            items.push_back({c->align(), c->boundsRect()});
            aligned.push_back(c);
        } else if (c->align() == Align::alNone && c->anchors() != Anchors()) {
            anchored.push_back(c);
        }
    }
    if (items.empty() && anchored.empty()) {
        childrenAligned();
        return;
    }
    m_aligning = true;
    try {
        // Anchored children first: docking below does not depend on them.
        const core::Rect area = clientRect();
        for (Control* c : anchored)
            c->setBoundsRect(c->anchoredBoundsFor(area.width(), area.height()));
        alignRects(alignClientRect(), items);
        for (size_t i = 0; i < items.size(); ++i)
            aligned[i]->setBoundsRect(items[i].bounds);
    } catch (...) {
        m_aligning = false;
        throw;
    }
    m_aligning = false;
    childrenAligned();
}

// --- Tab order and focus -------------------------------------------------------------------------

int WinControl::tabOrder() const {
    if (!parent())
        return -1;
    const auto& list = parent()->m_tabList;
    const auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

void WinControl::setTabOrder(int order) {
    if (!parent())
        return;
    auto& list = parent()->m_tabList;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    order = std::clamp(order, 0, int(list.size()));
    list.insert(list.begin() + order, this);
}

bool WinControl::canFocus() const {
    for (const Control* c = this; c; c = c->parent())
        if (!c->isVisible() || !c->isEnabled())
            return false;
    return true;
}

bool WinControl::isFocused() const {
    return m_handle && GetFocus() == m_handle;
}

void WinControl::setFocus() {
    ::SetFocus(handle());
}

bool WinControl::isShowing() const {
    return m_handle && IsWindowVisible(m_handle);
}

// --- Mouse ---------------------------------------------------------------------------------------

void WinControl::setMouseControl(Control* control) {
    if (control == m_mouseControl)
        return;
    Control* old = m_mouseControl;
    m_mouseControl = control;
    if (old)
        old->deliverMouseLeave();
    if (control && m_mouseControl == control)
        control->deliverMouseEnter();
}

void WinControl::routeMouse(Message& m) {
    if (m.msg == WM_MOUSELEAVE) {
        m_trackingLeave = false;
        setMouseControl(nullptr);
        return;
    }
    const core::Point p{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
    const ShiftState shift = ShiftState::fromMouseKeys(m.wParam);
    const bool inside = clientRect().contains(p);
    Control* hover = inside ? controlAtPos(p) : nullptr;
    if (inside && !hover)
        hover = this;
    auto localX = [&](Control* c) { return c == this ? p.x : p.x - c->left(); };
    auto localY = [&](Control* c) { return c == this ? p.y : p.y - c->top(); };

    MouseButton button = MouseButton::mbLeft;
    bool doubleClick = false;
    switch (m.msg) {
    case WM_MOUSEMOVE: {
        if (!m_trackingLeave && m_handle) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_handle, 0};
            m_trackingLeave = TrackMouseEvent(&track) != FALSE;
        }
        setMouseControl(hover);
        Control* target = m_captureControl ? m_captureControl : (hover ? hover : this);
        target->deliverMouseMove(shift, localX(target), localY(target));
        return;
    }
    case WM_LBUTTONDBLCLK:
        doubleClick = true;
        [[fallthrough]];
    case WM_LBUTTONDOWN:
        break;
    case WM_RBUTTONDBLCLK:
        doubleClick = true;
        [[fallthrough]];
    case WM_RBUTTONDOWN:
        button = MouseButton::mbRight;
        break;
    case WM_MBUTTONDBLCLK:
        doubleClick = true;
        [[fallthrough]];
    case WM_MBUTTONDOWN:
        button = MouseButton::mbMiddle;
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        button = m.msg == WM_LBUTTONUP   ? MouseButton::mbLeft
                 : m.msg == WM_RBUTTONUP ? MouseButton::mbRight
                                         : MouseButton::mbMiddle;
        Control* target = m_captureControl ? m_captureControl : (hover ? hover : this);
        if (!(m.wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) {
            m_captureControl = nullptr;
            if (m_handle && GetCapture() == m_handle)
                ReleaseCapture();
        }
        // The handler may free this control (a click that closes its form): nothing after this.
        target->deliverMouseUp(button, shift, localX(target), localY(target));
        return;
    }
    default:
        return;
    }
    // A press: the control under the cursor takes the mouse until every button is up.
    Control* target = hover ? hover : this;
    if (target != this)
        m_captureControl = target;
    if (m_handle)
        SetCapture(m_handle);
    target->deliverMouseDown(button, shift, localX(target), localY(target), doubleClick);
}

void WinControl::contextMenu(Message& m) {
    // The graphic child under the cursor first, then this control; a request that finds no menu
    // goes on to the parent window (DefWindowProc does that), so a child without a menu of its own
    // shows its parent's.
    const core::Point p{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
    Control* target = this;
    if (!(p.x == -1 && p.y == -1) && m_handle) {
        POINT cp{p.x, p.y};
        ScreenToClient(m_handle, &cp);
        if (Control* c = controlAtPos({cp.x, cp.y}); c && c->popupMenu())
            target = c;
    }
    if (target->openContextMenu(p)) {
        m.result = 0;
        return;
    }
    defaultHandler(m);
}

void WinControl::handleSetCursor(Message& m) {
    if (HWND(m.wParam) == m_handle && LOWORD(m.lParam) == HTCLIENT) {
        int id = screen().screenCursor();
        if (id == crDefault) {
            POINT sp;
            GetCursorPos(&sp);
            ScreenToClient(m_handle, &sp);
            Control* c = m_captureControl ? m_captureControl : controlAtPos({sp.x, sp.y});
            id = (c ? c : this)->cursor();
        }
        if (id != crDefault) {
            SetCursor(screen().cursor(id));
            m.result = TRUE;
            return;
        }
    }
    defaultHandler(m);
}

// --- Change notifications ------------------------------------------------------------------------

void WinControl::fontChanged() {
    Control::fontChanged();
    for (Control* c : std::vector<Control*>(m_controls))
        c->parentFontChanged();
}

void WinControl::colorChanged() {
    Control::colorChanged();
    for (Control* c : std::vector<Control*>(m_controls))
        c->parentColorChanged();
}

void WinControl::textChanged() {
    if (m_handle && !m_settingText) {
        m_settingText = true;
        SetWindowTextW(m_handle, core::utf8ToWide(caption()).c_str());
        m_settingText = false;
    }
    Control::textChanged();
}

void WinControl::enabledChanged() {
    if (m_handle)
        EnableWindow(m_handle, isEnabled());
    Control::enabledChanged();
}

void WinControl::visibleChanged() {
    if (m_handle)
        ShowWindow(m_handle, isVisible() ? SW_SHOWNA : SW_HIDE);
    else if (isVisible() && parent() && parent()->hasHandle())
        handle();
    Control::visibleChanged();
}

// --- Layout properties ---------------------------------------------------------------------------

bool WinControl::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == "TabOrder")
        setTabOrder(value.asInt());
    else if (name == "TabStop")
        setTabStop(value.asBool());
    else
        return Control::setProperty(name, value);
    return true;
}

void WinControl::writeProperties(core::PropertyWriter& out) const {
    Control::writeProperties(out);
    if (parent())
        out.writeInt("TabOrder", tabOrder());
    if (m_tabStop)
        out.writeBool("TabStop", true);
}

void WinControl::loaded() {
    Control::loaded();
    realign();
}

} // namespace gui
