#include "gui/Control.h"

#include "core/Error.h"
#include "gui/Form.h"
#include "gui/PopupMenu.h"
#include "gui/WinControl.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace gui {

ShiftState ShiftState::fromMouseKeys(WPARAM keys) {
    ShiftState s;
    if (keys & MK_SHIFT)
        s |= Shift::ssShift;
    if (keys & MK_CONTROL)
        s |= Shift::ssCtrl;
    if (keys & MK_LBUTTON)
        s |= Shift::ssLeft;
    if (keys & MK_RBUTTON)
        s |= Shift::ssRight;
    if (keys & MK_MBUTTON)
        s |= Shift::ssMiddle;
    if (GetKeyState(VK_MENU) < 0)
        s |= Shift::ssAlt;
    return s;
}

ShiftState ShiftState::fromKeyboard() {
    ShiftState s;
    if (GetKeyState(VK_SHIFT) < 0)
        s |= Shift::ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        s |= Shift::ssCtrl;
    if (GetKeyState(VK_MENU) < 0)
        s |= Shift::ssAlt;
    return s;
}

Control::Control(core::Component* owner) : core::Component(owner) {
    m_font.onChange = [this](Font&) { fontObjectChanged(); };
}

Control::~Control() {
    beginDestroy();
    m_font.onChange = nullptr;
    if (m_parent)
        m_parent->removeControl(this);
}

void Control::setParent(WinControl* parent) {
    if (parent == m_parent)
        return;
    for (const Control* p = parent; p; p = p->m_parent)
        if (p == this)
            throw core::Error("A control cannot have itself as its parent");
    if (m_parent)
        m_parent->removeControl(this);
    if (parent)
        parent->insertControl(this);
}

CustomForm* Control::parentForm() const {
    const Control* c = this;
    while (c->m_parent)
        c = c->m_parent;
    return dynamic_cast<CustomForm*>(const_cast<Control*>(c));
}

void Control::setBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    width = width < 0 ? 0 : width;
    height = height < 0 ? 0 : height;
    if (left == m_left && top == m_top && width == m_width && height == m_height)
        return;
    const bool sizeChanged = width != m_width || height != m_height;
    invalidate();
    storeBounds({left, top, left + width, top + height});
    invalidate();
    boundsChanged(sizeChanged);
    requestParentRealign();
}

void Control::storeBounds(core::Rect r) {
    m_left = r.left;
    m_top = r.top;
    m_width = r.width() < 0 ? 0 : r.width();
    m_height = r.height() < 0 ? 0 : r.height();
    // Bounds the parent sets while it aligns or anchors its children are derived, not new rules.
    if (m_parent && !m_parent->m_aligning)
        updateAnchorRules();
}

void Control::setAnchors(Anchors anchors) {
    m_anchors = anchors;
    updateAnchorRules();
}

void Control::updateAnchorRules() {
    const core::Rect parentArea = m_parent ? m_parent->clientRect() : core::Rect{};
    m_anchorRules = {boundsRect(), parentArea.width(), parentArea.height()};
}

core::Rect Control::anchoredBoundsFor(int32_t parentWidth, int32_t parentHeight) const {
    return anchoredBounds(m_anchorRules, m_anchors, parentWidth, parentHeight);
}

void Control::setClientWidth(int32_t w) {
    setWidth(m_width - clientWidth() + w);
}

void Control::setClientHeight(int32_t h) {
    setHeight(m_height - clientHeight() + h);
}

core::Point Control::clientOrigin() const {
    if (!m_parent)
        return {m_left, m_top};
    const core::Point p = m_parent->clientOrigin();
    return {p.x + m_left, p.y + m_top};
}

core::Point Control::clientToScreen(core::Point p) const {
    const core::Point o = clientOrigin();
    return {p.x + o.x, p.y + o.y};
}

core::Point Control::screenToClient(core::Point p) const {
    const core::Point o = clientOrigin();
    return {p.x - o.x, p.y - o.y};
}

void Control::setVisible(bool visible) {
    if (visible == m_visible)
        return;
    if (!visible)
        invalidate();
    m_visible = visible;
    if (visible)
        invalidate();
    visibleChanged();
    if (m_align != Align::alNone && m_parent)
        m_parent->realign();
}

bool Control::isShowing() const {
    return m_visible && m_parent && m_parent->isShowing();
}

void Control::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    enabledChanged();
}

void Control::setColor(core::Color color) {
    if (color == m_color && !m_parentColor)
        return;
    m_color = color;
    m_parentColor = false;
    colorChanged();
}

void Control::setParentColor(bool value) {
    if (value == m_parentColor)
        return;
    m_parentColor = value;
    if (value)
        parentColorChanged();
}

void Control::parentColorChanged() {
    if (!m_parentColor || !m_parent || m_parent->color() == m_color)
        return;
    m_color = m_parent->color();
    colorChanged();
}

void Control::setParentFont(bool value) {
    if (value == m_parentFont)
        return;
    m_parentFont = value;
    if (value)
        parentFontChanged();
}

void Control::parentFontChanged() {
    if (!m_parentFont || !m_parent || m_font.sameAs(m_parent->font()))
        return;
    m_syncingFont = true;
    try {
        m_font.assign(m_parent->font());
    } catch (...) {
        m_syncingFont = false;
        throw;
    }
    m_syncingFont = false;
}

void Control::fontObjectChanged() {
    if (!m_syncingFont)
        m_parentFont = false;
    fontChanged();
}

void Control::setCaption(const std::string& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    textChanged();
}

void Control::setAlign(Align align) {
    if (align == m_align)
        return;
    m_align = align;
    if (m_parent)
        m_parent->realign();
}

void Control::setAutoSize(bool value) {
    if (value == m_autoSize)
        return;
    m_autoSize = value;
    adjustSize();
}

void Control::requestParentRealign() {
    if (m_align != Align::alNone && m_parent && !m_parent->m_aligning)
        m_parent->realign();
}

void Control::invalidate() {
    invalidateRect(clientRect());
}

void Control::invalidateRect(core::Rect r) {
    if (!m_parent || !m_parent->hasHandle() || !m_visible)
        return;
    RECT pr{r.left + m_left, r.top + m_top, r.right + m_left, r.bottom + m_top};
    InvalidateRect(m_parent->handle(), &pr, TRUE);
}

void Control::repaint() {
    invalidate();
    update();
}

void Control::update() {
    if (m_parent)
        m_parent->update();
}

void Control::bringToFront() {
    if (m_parent)
        m_parent->moveControl(this, true);
}

void Control::sendToBack() {
    if (m_parent)
        m_parent->moveControl(this, false);
}

void Control::deliverMouseDown(MouseButton button, ShiftState shift, int x, int y, bool doubleClick) {
    if (button == MouseButton::mbLeft && m_clickEvents && !doubleClick)
        m_clicked = true;
    if (doubleClick)
        shift |= Shift::ssDouble;
    mouseDown(button, shift, x, y);
    if (doubleClick && button == MouseButton::mbLeft)
        dblClick();
}

void Control::deliverMouseUp(MouseButton button, ShiftState shift, int x, int y) {
    if (button == MouseButton::mbLeft && m_clicked) {
        m_clicked = false;
        if (clientRect().contains({x, y}))
            click();
    }
    mouseUp(button, shift, x, y);
}

void Control::deliverMouseMove(ShiftState shift, int x, int y) {
    mouseMove(shift, x, y);
}

bool Control::showHint() const {
    if (m_parentShowHint && m_parent)
        return static_cast<const Control*>(m_parent)->showHint();
    return m_showHint;
}

void Control::setShowHint(bool v) {
    m_showHint = v;
    m_parentShowHint = false;
}

void Control::deliverMouseEnter() {
    if (m_mouseInside)
        return;
    m_mouseInside = true;
    mouseEnter();
}

void Control::deliverMouseLeave() {
    if (!m_mouseInside)
        return;
    m_mouseInside = false;
    mouseLeave();
}

LRESULT Control::perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    Message m{msg, wParam, lParam, 0};
    controlMessage(m);
    return m.result;
}

void Control::controlMessage(Message&) {}

void Control::click() {
    if (onClick)
        onClick(this);
}

void Control::dblClick() {
    if (onDblClick)
        onDblClick(this);
}

void Control::mouseDown(MouseButton button, ShiftState shift, int x, int y) {
    if (onMouseDown)
        onMouseDown(this, button, shift, x, y);
}

void Control::mouseUp(MouseButton button, ShiftState shift, int x, int y) {
    if (onMouseUp)
        onMouseUp(this, button, shift, x, y);
}

void Control::mouseMove(ShiftState shift, int x, int y) {
    if (onMouseMove)
        onMouseMove(this, shift, x, y);
}

void Control::mouseEnter() {
    if (onMouseEnter)
        onMouseEnter(this);
}

void Control::mouseLeave() {
    if (onMouseLeave)
        onMouseLeave(this);
}

void Control::fontChanged() {
    invalidate();
    adjustSize();
}

void Control::colorChanged() {
    invalidate();
}

void Control::textChanged() {
    invalidate();
    adjustSize();
}

void Control::enabledChanged() {
    invalidate();
}

void Control::visibleChanged() {}

void Control::boundsChanged(bool sizeChanged) {
    if (sizeChanged && onResize)
        onResize(this);
}

bool Control::autoSizeBounds(core::Rect&) {
    return false;
}

void Control::adjustSize() {
    if (!m_autoSize || isLoading() || isDestroying())
        return;
    core::Rect r = boundsRect();
    if (autoSizeBounds(r))
        setBoundsRect(r);
}

void Control::loaded() {
    core::Component::loaded();
    adjustSize();
}

namespace {

constexpr std::initializer_list<const char*> alignNames = {"alNone", "alTop",   "alBottom",
                                                           "alLeft", "alRight", "alClient"};
const char* alignName(Align a) {
    return alignNames.begin()[int(a)];
}

constexpr const char* anchorNames[] = {"akLeft", "akTop", "akRight", "akBottom"};

Anchors readAnchors(const core::PropertyReader& value) {
    Anchors anchors = Anchors::none();
    for (const std::string& name : value.asSet()) {
        auto it = std::find_if(std::begin(anchorNames), std::end(anchorNames),
                               [&](const char* n) { return name == n; });
        if (it == std::end(anchorNames))
            value.fail("'" + name + "' is not an anchor");
        anchors = anchors | Anchor(it - std::begin(anchorNames));
    }
    return anchors;
}

std::vector<std::string> anchorSet(Anchors anchors) {
    std::vector<std::string> names;
    for (unsigned i = 0; i < std::size(anchorNames); ++i)
        if (anchors.has(Anchor(i)))
            names.push_back(anchorNames[i]);
    return names;
}

} // namespace

void Control::setPopupMenu(PopupMenu* menu) {
    if (menu == m_popupMenu)
        return;
    if (m_popupMenu)
        removeFreeNotification(m_popupMenu);
    m_popupMenu = menu;
    if (m_popupMenu)
        freeNotification(m_popupMenu);
}

void Control::notification(core::Component* component, core::Operation operation) {
    core::Component::notification(component, operation);
    if (operation == core::Operation::Remove && component == m_popupMenu)
        m_popupMenu = nullptr;
}

bool Control::openContextMenu(core::Point p) {
    if (!m_popupMenu || !m_popupMenu->isAutoPopup())
        return false;
    if (p.x == -1 && p.y == -1)
        p = clientOrigin();
    m_popupMenu->setPopupComponent(this);
    m_popupMenu->popup(p.x, p.y);
    return true;
}

bool Control::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == "PopupMenu") {
        value.resolveReference([this](core::Component* c) {
            auto* menu = dynamic_cast<PopupMenu*>(c);
            if (c && !menu)
                throw core::Error("Invalid property value");
            setPopupMenu(menu);
        });
        return true;
    }
    if (name == "Left")
        setLeft(value.asInt());
    else if (name == "Top")
        setTop(value.asInt());
    else if (name == "Width")
        setWidth(value.asInt());
    else if (name == "Height")
        setHeight(value.asInt());
    else if (name == "ClientWidth")
        setClientWidth(value.asInt());
    else if (name == "ClientHeight")
        setClientHeight(value.asInt());
    else if (name == "Caption")
        setCaption(value.asString());
    else if (name == "Color")
        setColor(value.asColor());
    else if (name == "ParentColor")
        setParentColor(value.asBool());
    else if (name == "ParentFont")
        setParentFont(value.asBool());
    else if (name.starts_with("Font.")) {
        if (!m_font.setProperty(std::string_view(name).substr(5), value))
            return false;
    } else if (name == "Visible")
        setVisible(value.asBool());
    else if (name == "Enabled")
        setEnabled(value.asBool());
    else if (name == "Cursor")
        setCursor(value.asCursor());
    else if (name == "Hint")
        setHint(value.asString());
    else if (name == "ShowHint")
        setShowHint(value.asBool());
    else if (name == "ParentShowHint")
        setParentShowHint(value.asBool());
    else if (name == "Align")
        setAlign(Align(value.asEnum(alignNames)));
    else if (name == "Anchors")
        setAnchors(readAnchors(value));
    else if (name == "OnClick")
        value.bindEvent([this](core::NotifyEvent e) { onClick = std::move(e); });
    else if (name == "OnDblClick")
        value.bindEvent([this](core::NotifyEvent e) { onDblClick = std::move(e); });
    else if (name == "OnMouseEnter")
        value.bindEvent([this](core::NotifyEvent e) { onMouseEnter = std::move(e); });
    else if (name == "OnMouseLeave")
        value.bindEvent([this](core::NotifyEvent e) { onMouseLeave = std::move(e); });
    else if (name == "OnResize")
        value.bindEvent([this](core::NotifyEvent e) { onResize = std::move(e); });
    else
        return core::Component::setProperty(name, value);
    if (name.starts_with("On"))
        rememberEventHandler(name, value.asIdent());
    return true;
}

void Control::writeEventHandlers(core::PropertyWriter& out) const {
    for (const auto& [event, handler] : m_eventHandlers)
        out.writeIdent(event, handler);
}

void Control::writeProperties(core::PropertyWriter& out) const {
    core::Component::writeProperties(out);
    if (m_popupMenu)
        out.writeReference("PopupMenu", m_popupMenu);
    out.writeInt("Left", m_left);
    out.writeInt("Top", m_top);
    out.writeInt("Width", m_width);
    out.writeInt("Height", m_height);
    if (m_align != Align::alNone)
        out.writeIdent("Align", alignName(m_align));
    if (m_anchors != Anchors())
        out.writeSet("Anchors", anchorSet(m_anchors));
    if (!m_caption.empty())
        out.writeString("Caption", m_caption);
    if (!m_parentColor)
        out.writeColor("Color", m_color);
    else
        out.writeBool("ParentColor", true);
    if (!m_parentFont) {
        m_font.writeProperties(out, "Font");
        out.writeBool("ParentFont", false);
    }
    if (!m_visible)
        out.writeBool("Visible", false);
    if (!m_enabled)
        out.writeBool("Enabled", false);
    if (m_cursor != 0)
        out.writeCursor("Cursor", m_cursor);
    if (!m_hint.empty())
        out.writeString("Hint", m_hint);
    if (m_showHint)
        out.writeBool("ShowHint", true);
    if (!m_parentShowHint)
        out.writeBool("ParentShowHint", false);
    writeEventHandlers(out);
}

} // namespace gui
