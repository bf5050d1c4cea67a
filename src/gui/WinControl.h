#pragma once
// A control with a window of its own, made on first need: it holds child controls, aligns them in
// its client area, keeps a tab order, paints its graphic children, routes mouse input to them, and
// dispatches every window message through a chain of hooks in front of its own handler.
#include "gui/Control.h"
#include "gui/MessageHook.h"

#include <windows.h>

#include <string>
#include <vector>

namespace gui {

class Canvas;

// What a window is made with; createParams fills it and subclasses adjust it.
struct CreateParams {
    std::wstring className; // registered on first use
    UINT classStyle = CS_DBLCLKS;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    HWND parent = nullptr;
};

class WinControl : public Control {
public:
    explicit WinControl(core::Component* owner = nullptr);
    ~WinControl() override;

    const char* className() const override { return "TWinControl"; }

    // The window, created (with every parent's) when it does not exist yet. Throws core::Error
    // "Error creating window" when the platform refuses.
    HWND handle();
    bool hasHandle() const { return m_handle != nullptr; }
    void handleNeeded() { handle(); }
    // Destroys the window and makes it again with the current properties; hooks and children stay.
    void recreateWnd();
    // Destroys the window (and those of the children); the next handle() makes it again.
    void destroyHandle();
    bool isRecreating() const { return m_recreating; }

    // Child controls in z-order (the last is on top).
    const std::vector<Control*>& controls() const { return m_controls; }
    int controlCount() const { return int(m_controls.size()); }
    Control* control(int index) const { return m_controls[size_t(index)]; }
    bool containsControl(const Control* control) const;
    // The topmost visible child at p (client coordinates): enabled ones only unless allowDisabled,
    // graphic ones only unless allowWinControls.
    Control* controlAtPos(core::Point p, bool allowDisabled = false, bool allowWinControls = false) const;

    // Lays the aligned children out again. While alignment is disabled nothing moves.
    void realign();
    void disableAlign() { ++m_alignDisabled; }
    void enableAlign();
    bool isAlignDisabled() const { return m_alignDisabled > 0; }
    // The part of the client area in which children are aligned.
    virtual core::Rect alignClientRect() const { return clientRect(); }

    // Tab order among the parent's window children; the position is clamped to the list.
    int tabOrder() const;
    void setTabOrder(int order);
    bool tabStop() const { return m_tabStop; }
    void setTabStop(bool v) { m_tabStop = v; }
    // Window children in tab order.
    const std::vector<WinControl*>& tabList() const { return m_tabList; }
    bool canFocus() const;
    bool isFocused() const;
    void setFocus();

    // The chain in front of the window's own handler. A hook installed later sees messages first.
    // Installing a hook twice moves it to the front. Hooks survive recreateWnd.
    void installHook(MessageHook* hook);
    void removeHook(MessageHook* hook);
    bool hasHook(const MessageHook* hook) const;

    // Dispatches a message through the chain now, without the platform (the window need not exist).
    LRESULT perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) override;
    // SendMessageW to the window (made if needed).
    LRESULT sendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

    // Entry from the window procedure: the whole chain.
    void dispatchMessage(Message& m);

    core::Rect clientRect() const override;
    core::Point clientOrigin() const override;
    void setParent(WinControl* parent) override;
    void setBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
    bool isShowing() const override;
    void invalidate() override;
    void repaint() override;
    void update() override;

    // Paints the graphic children that intersect clip into dc, whose origin is this control's client
    // origin. Window controls call it after painting themselves.
    void paintControls(HDC dc, core::Rect clip);
    // Paints everything the window shows inside clip (client coordinates) into dc: background,
    // paint() and the graphic children. Used for off-screen painting and WM_PRINTCLIENT.
    void paintWindow(HDC dc, core::Rect clip);

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;
    void loaded() override;

protected:
    friend class Control;
    friend class MessageHook;

    // The window's own handler, at the end of the chain. Overrides handle what they need and call
    // the base for the rest; messages the platform does not know end in controlMessage.
    virtual void wndProc(Message& m);
    // Passes m to the platform's default handling (multi-document forms use the frame's or child's
    // default procedure instead).
    virtual void defaultHandler(Message& m);
    // WM_CONTEXTMENU: opens the popup menu of the control under the point, or passes the request on.
    void contextMenu(Message& m);

    virtual void createParams(CreateParams& params);
    // Makes the window; overrides may do more before or after.
    virtual void createWnd();
    // After the window exists (children not yet made), and before it is destroyed.
    virtual void handleCreated() {}
    virtual void handleDestroying() {}
    // Takes the window down; multi-document children ask their client window to.
    virtual void destroyWnd();
    // After the aligned children were placed (also when there were none).
    virtual void childrenAligned() {}

    // Paints the control's own content; the base paints nothing (the background comes from
    // eraseBackground). Graphic children are painted afterwards.
    virtual void paint(Canvas& canvas);
    // WM_ERASEBKGND: fills with the colour. Custom controls override it to erase nothing.
    virtual bool eraseBackground(HDC dc);
    // Fills clip with the control's colour.
    void fillBackground(HDC dc, core::Rect clip);
    // WM_PAINT: paints into the window's DC.
    virtual void paintHandler(Message& m);
    // Paints the content of rect (client coordinates) into dc: paint() then the graphic children.
    void paintTo(HDC dc, core::Rect clip);

    void fontChanged() override;
    void colorChanged() override;
    void textChanged() override;
    void enabledChanged() override;
    void visibleChanged() override;
    void boundsChanged(bool sizeChanged) override;

    // Child list upkeep, from Control::setParent.
    virtual void insertControl(Control* control);
    virtual void removeControl(Control* control);

private:
    friend LRESULT CALLBACK frameworkWindowProc(HWND, UINT, WPARAM, LPARAM);
    friend HWND createControlWindow(WinControl&, DWORD, const std::wstring&, const std::wstring&, DWORD, int,
                                    int, int, int, HWND);

    void dispatchAfter(const MessageHook* hook, Message& m);
    void attachHandle(HWND window) { m_handle = window; }
    void detachHandle();
    void createChildHandles();
    void alignChildren();
    void updateBoundsFromWindow();
    void routeMouse(Message& m);
    void handleSetCursor(Message& m);
    void setMouseControl(Control* control);
    void forgetChild(Control* control);
    // Moves a child to the top (toFront) or bottom of the z-order.
    void moveControl(Control* control, bool toFront);

    HWND m_handle = nullptr;
    std::vector<Control*> m_controls;
    std::vector<WinControl*> m_tabList;
    std::vector<MessageHook*> m_hooks; // front first
    int m_alignDisabled = 0;
    bool m_aligning = false;
    bool m_tabStop = false;
    bool m_recreating = false;
    bool m_settingText = false;
    bool m_trackingLeave = false;
    Control* m_mouseControl = nullptr;   // the control under the cursor (this or a graphic child)
    Control* m_captureControl = nullptr; // the graphic child that took the mouse on a press
};

} // namespace gui
