#pragma once
// Classes in this file: MouseButton, Alignment, TextLayout, Shift/ShiftState, Control.
// Control is the base of every visible component: a parent, bounds in the parent's client area,
// visibility, enabled state, colour and font (optionally taken from the parent), caption, cursor,
// hint, alignment, and the mouse and click events. Window controls (WinControl) own a window;
// graphic controls (GraphicControl) are painted by their parent and get their mouse input from it.
#include "core/Component.h"
#include "core/Geometry.h"
#include "core/Property.h"
#include "gui/Font.h"
#include "gui/MessageHook.h"
#include "gui/WindowAlignment.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>

namespace gui {

class PopupMenu;
class WinControl;
class CustomForm;

enum class MouseButton { mbLeft, mbRight, mbMiddle };

// Horizontal text alignment and vertical text layout of captions.
enum class Alignment { taLeftJustify, taRightJustify, taCenter };
enum class TextLayout { tlTop, tlCenter, tlBottom };

enum class Shift : uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };

class ShiftState {
public:
    constexpr ShiftState() = default;
    constexpr ShiftState(Shift s) : m_bits(uint8_t(1u << unsigned(s))) {}
    constexpr bool has(Shift s) const { return (m_bits & (1u << unsigned(s))) != 0; }
    constexpr ShiftState operator|(ShiftState o) const { return fromBits(uint8_t(m_bits | o.m_bits)); }
    constexpr ShiftState& operator|=(ShiftState o) { return *this = *this | o; }
    constexpr uint8_t bits() const { return m_bits; }
    friend constexpr bool operator==(ShiftState, ShiftState) = default;
    // From the MK_ flags of a mouse message, plus the Alt key from the keyboard.
    static ShiftState fromMouseKeys(WPARAM keys);
    // The modifier keys held now.
    static ShiftState fromKeyboard();

private:
    static constexpr ShiftState fromBits(uint8_t bits) {
        ShiftState s;
        s.m_bits = bits;
        return s;
    }
    uint8_t m_bits = 0;
};

using MouseEvent = std::function<void(core::Component* sender, MouseButton, ShiftState, int x, int y)>;
using MouseMoveEvent = std::function<void(core::Component* sender, ShiftState, int x, int y)>;

class Control : public core::Component {
public:
    explicit Control(core::Component* owner = nullptr);
    ~Control() override;

    const char* className() const override { return "TControl"; }

    // Parent: the window control whose client area holds this one. Setting it moves the control.
    WinControl* parent() const { return m_parent; }
    virtual void setParent(WinControl* parent);
    // The form at the top of the parent chain (this control itself when it is a form), or null.
    CustomForm* parentForm() const;

    // Bounds in the parent's client coordinates (screen coordinates for a form).
    int32_t left() const { return m_left; }
    int32_t top() const { return m_top; }
    int32_t width() const { return m_width; }
    int32_t height() const { return m_height; }
    core::Rect boundsRect() const { return {m_left, m_top, m_left + m_width, m_top + m_height}; }
    // Every change of position or size goes through here; subclasses override it to adjust the
    // proposed bounds (skinned controls snap to their skin).
    virtual void setBounds(int32_t left, int32_t top, int32_t width, int32_t height);
    void setBoundsRect(core::Rect r) { setBounds(r.left, r.top, r.width(), r.height()); }
    void setLeft(int32_t v) { setBounds(v, m_top, m_width, m_height); }
    void setTop(int32_t v) { setBounds(m_left, v, m_width, m_height); }
    void setWidth(int32_t v) { setBounds(m_left, m_top, v, m_height); }
    void setHeight(int32_t v) { setBounds(m_left, m_top, m_width, v); }

    // The client area in the control's own coordinates.
    virtual core::Rect clientRect() const { return {0, 0, m_width, m_height}; }
    int32_t clientWidth() const { return clientRect().width(); }
    int32_t clientHeight() const { return clientRect().height(); }
    virtual void setClientWidth(int32_t w);
    virtual void setClientHeight(int32_t h);
    // Screen position of the client area's top-left corner.
    virtual core::Point clientOrigin() const;
    core::Point clientToScreen(core::Point p) const;
    core::Point screenToClient(core::Point p) const;

    bool isVisible() const { return m_visible; }
    virtual void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    // Visible, and so is every parent.
    virtual bool isShowing() const;

    bool isEnabled() const { return m_enabled; }
    virtual void setEnabled(bool enabled);

    // Background colour. Setting it turns parentColor off; parentColor on takes the parent's again.
    core::Color color() const { return m_color; }
    void setColor(core::Color color);
    bool parentColor() const { return m_parentColor; }
    void setParentColor(bool value);

    // The control's font. Changing it turns parentFont off; parentFont on takes the parent's again.
    Font& font() { return m_font; }
    const Font& font() const { return m_font; }
    void setFont(const Font& font) { m_font.assign(font); }
    bool parentFont() const { return m_parentFont; }
    void setParentFont(bool value);

    // Caption (UTF-8); window controls keep their window text in step.
    const std::string& caption() const { return m_caption; }
    void setCaption(const std::string& caption);

    // Cursor shown over the control: an id of the screen's cursor table (crDefault, crHandPoint...).
    int cursor() const { return m_cursor; }
    void setCursor(int cursor) { m_cursor = cursor; }

    const std::string& hint() const { return m_hint; }
    void setHint(const std::string& hint) { m_hint = hint; }
    // Whether the hint shows: the parent's setting while parentShowHint is on (the default), else
    // the control's own. Setting it turns parentShowHint off.
    bool showHint() const;
    void setShowHint(bool v);
    bool parentShowHint() const { return m_parentShowHint; }
    void setParentShowHint(bool v) { m_parentShowHint = v; }

    Align align() const { return m_align; }
    void setAlign(Align align);
    // The parent's edges whose distances the control keeps when the parent's client area is resized
    // (controls that are not aligned only). Setting them, the bounds or the parent measures afresh.
    Anchors anchors() const { return m_anchors; }
    void setAnchors(Anchors anchors);
    // Measures the distances again from the current bounds and the parent's client size.
    void updateAnchorRules();
    // Where the anchors put the control in a parent client area of that size.
    core::Rect anchoredBoundsFor(int32_t parentWidth, int32_t parentHeight) const;

    // Asks for a repaint of the whole control at the next paint; repaint() paints at once.
    virtual void invalidate();
    void invalidateRect(core::Rect r);
    virtual void repaint();
    void refresh() { repaint(); }
    // Paints whatever is invalid now, without waiting for the message loop.
    virtual void update();
    void bringToFront();
    void sendToBack();

    // Whether the control handles clicks: a left press and release inside it fires click().
    bool hasClickEvents() const { return m_clickEvents; }

    // Owner callbacks.
    core::NotifyEvent onClick;
    core::NotifyEvent onDblClick;
    core::NotifyEvent onMouseEnter;
    core::NotifyEvent onMouseLeave;
    core::NotifyEvent onResize;
    MouseEvent onMouseDown;
    MouseEvent onMouseUp;
    MouseMoveEvent onMouseMove;

    // Mouse input as window controls deliver it (to themselves or to the graphic child under the
    // cursor), in this control's client coordinates. Tests and relays may call these too.
    void deliverMouseDown(MouseButton button, ShiftState shift, int x, int y, bool doubleClick);
    void deliverMouseUp(MouseButton button, ShiftState shift, int x, int y);
    void deliverMouseMove(ShiftState shift, int x, int y);
    void deliverMouseEnter();
    void deliverMouseLeave();
    bool isMouseInside() const { return m_mouseInside; }

    // The menu a right click (WM_CONTEXTMENU) opens when its AutoPopup is on; not owned, cleared when
    // the menu goes away. The menu's popup component is set to this control before it shows.
    PopupMenu* popupMenu() const { return m_popupMenu; }
    void setPopupMenu(PopupMenu* menu);
    // Opens popupMenu for a context-menu request at screen point p ((-1, -1): from the keyboard, at
    // the control's top-left); false when there is no menu to open.
    bool openContextMenu(core::Point p);

    // Calls click() as a user click would.
    void performClick() { click(); }

    // Hands a message to the control at once and returns its result: window controls pass it
    // through their hook chain and window handler, graphic controls to controlMessage. Used for the
    // framework's and components' own messages (blink queries, skin notifications).
    virtual LRESULT perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;
    void loaded() override;

protected:
    friend class WinControl;

    // Fires onClick.
    virtual void click();
    virtual void dblClick();
    // Virtual handlers for subclasses; the base versions fire the matching callbacks.
    virtual void mouseDown(MouseButton button, ShiftState shift, int x, int y);
    virtual void mouseUp(MouseButton button, ShiftState shift, int x, int y);
    virtual void mouseMove(ShiftState shift, int x, int y);
    virtual void mouseEnter();
    virtual void mouseLeave();

    void notification(core::Component* component, core::Operation operation) override;

    // A message performed on a graphic control; the base answers 0.
    virtual void controlMessage(Message& m);

    // Change notifications, after the new value is in place.
    virtual void fontChanged();
    virtual void colorChanged();
    virtual void textChanged();
    virtual void enabledChanged();
    virtual void visibleChanged();
    virtual void boundsChanged(bool sizeChanged);
    // The parent's colour or font changed (or a new parent): controls with parentColor/parentFont
    // take it over here.
    virtual void parentColorChanged();
    virtual void parentFontChanged();

    // A control that sizes itself to its content returns true with the bounds it wants (in the
    // parent's coordinates; it may keep its right edge rather than its left).
    virtual bool autoSizeBounds(core::Rect& bounds);
    // Applies autoSizeBounds when autoSize is on and the layout is not being read.
    void adjustSize();
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool value);

    void setClickEvents(bool value) { m_clickEvents = value; }
    // Stores bounds without moving any window (used when the window itself moved).
    void storeBounds(core::Rect r);
    // Whether a font change comes from the parent (and so keeps parentFont on).
    bool isSyncingFont() const { return m_syncingFont; }

    // Asks the parent to align its children again when this control is aligned.
    void requestParentRealign();
    // Event handler names bound from a layout, written back by writeEventHandlers.
    void rememberEventHandler(const std::string& event, const std::string& handler) {
        m_eventHandlers[event] = handler;
    }
    void writeEventHandlers(core::PropertyWriter& out) const;

private:
    void fontObjectChanged();

    WinControl* m_parent = nullptr;
    PopupMenu* m_popupMenu = nullptr;
    int32_t m_left = 0;
    int32_t m_top = 0;
    int32_t m_width = 0;
    int32_t m_height = 0;
    bool m_visible = true;
    bool m_enabled = true;
    core::Color m_color = core::clWindow;
    bool m_parentColor = true;
    Font m_font;
    bool m_parentFont = true;
    bool m_syncingFont = false;
    std::string m_caption;
    int m_cursor = 0;
    std::string m_hint;
    bool m_showHint = false;
    bool m_parentShowHint = true;
    Align m_align = Align::alNone;
    Anchors m_anchors;
    AnchorRules m_anchorRules;
    bool m_autoSize = false;
    bool m_clickEvents = true;
    bool m_clicked = false; // a left press started inside and the release has not come yet
    bool m_mouseInside = false;
    std::map<std::string, std::string> m_eventHandlers; // event property -> handler name, for writing
};

} // namespace gui
