#pragma once
// Classes in this file: BorderStyle, BorderIcon/BorderIcons, CloseAction, WindowState, FormPosition,
// FormStyle, TileMode, CustomForm, Form.
// A form is a top-level window: frame style and frame buttons, caption, client size, position,
// showing and closing (closing the main form ends the message loop), and the keyboard shortcut hook.
// Every form is registered in the application's list for as long as it exists.
// Multi-document windows: an fsMDIForm holds its documents in a client window (the platform's
// MDICLIENT) and an fsMDIChild form is one document inside the client window of the application's
// main form.
#include "gui/WinControl.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace gui {

class MainMenu;
class MenuItem;

enum class BorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

enum class BorderIcon : uint8_t { biSystemMenu, biMinimize, biMaximize, biHelp };

class BorderIcons {
public:
    constexpr BorderIcons() = default;
    constexpr BorderIcons(BorderIcon i) : m_bits(uint8_t(1u << unsigned(i))) {}
    constexpr bool has(BorderIcon i) const { return (m_bits & (1u << unsigned(i))) != 0; }
    constexpr bool isEmpty() const { return m_bits == 0; }
    constexpr BorderIcons operator|(BorderIcons o) const { return fromBits(uint8_t(m_bits | o.m_bits)); }
    constexpr BorderIcons operator-(BorderIcons o) const { return fromBits(uint8_t(m_bits & ~o.m_bits)); }
    constexpr uint8_t bits() const { return m_bits; }
    static constexpr BorderIcons fromBits(uint8_t bits) {
        BorderIcons b;
        b.m_bits = uint8_t(bits & 0x0F);
        return b;
    }
    friend constexpr bool operator==(BorderIcons, BorderIcons) = default;

private:
    uint8_t m_bits = 0;
};
constexpr BorderIcons operator|(BorderIcon a, BorderIcon b) {
    return BorderIcons(a) | BorderIcons(b);
}

enum class CloseAction { caNone, caHide, caFree, caMinimize };
enum class WindowState { wsNormal, wsMinimized, wsMaximized };
enum class FormPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};

enum class FormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum class TileMode { tbHorizontal, tbVertical };

class CustomForm : public WinControl {
public:
    explicit CustomForm(core::Component* owner = nullptr);
    ~CustomForm() override;

    const char* className() const override { return "TCustomForm"; }

    BorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(BorderStyle style);
    BorderIcons borderIcons() const { return m_borderIcons; }
    void setBorderIcons(BorderIcons icons);
    FormPosition position() const { return m_position; }
    void setPosition(FormPosition position) { m_position = position; }
    WindowState windowState() const { return m_windowState; }
    void setWindowState(WindowState state);

    // Without a window the client area is estimated from the frame the window will get; the client
    // size set before the window exists is made exact when it is created.
    core::Rect clientRect() const override;
    void setClientWidth(int32_t w) override;
    void setClientHeight(int32_t h) override;

    // How the window takes part in multi-document windows (or stays on top). Set before the window
    // exists; a later change makes the window again. An fsMDIChild needs the application's main form
    // to be an fsMDIForm when its window is made (core::Error "Cannot create form. No MDI forms are
    // currently active" otherwise).
    FormStyle formStyle() const { return m_formStyle; }
    void setFormStyle(FormStyle style);
    bool isMDIForm() const { return m_formStyle == FormStyle::fsMDIForm; }
    bool isMDIChild() const { return m_formStyle == FormStyle::fsMDIChild; }

    // --- Multi-document parent (fsMDIForm) ---------------------------------------------------------
    // The client window that holds the children; null before the window exists or for other styles.
    HWND clientHandle() const { return m_clientHandle; }
    // The part of the client area the client window covers: the client area less the visible
    // controls aligned to its top, bottom, left or right.
    core::Rect mdiClientRect() const;
    // The menu item under which the client window lists the children (not owned), or null.
    MenuItem* windowMenu() const { return m_windowMenu; }
    void setWindowMenu(MenuItem* item);
    // The active child, or null.
    CustomForm* activeMDIChild() const;
    // The children of the client window, topmost first (the active one leads).
    std::vector<CustomForm*> mdiChildren() const;
    int mdiChildCount() const { return int(mdiChildren().size()); }
    // Arranging the children: cascaded, tiled, minimised ones lined up; activating the next (or
    // previous) child.
    void cascade();
    void tile(TileMode mode = TileMode::tbHorizontal);
    void arrangeIcons();
    void next();
    void previous();

    // --- Multi-document child (fsMDIChild) ---------------------------------------------------------
    // The form whose client window holds this child: the fsMDIForm set here (before the window is
    // made), else the application's main form when it is an fsMDIForm; null otherwise.
    CustomForm* mdiParent() const;
    void setMDIParent(CustomForm* frame);

    // Shows the form and brings it to the front.
    void showForm();
    // Asks onCloseQuery, runs onClose, then: the main form ends the message loop; others are hidden,
    // minimised or freed as the close action says. The action starts as caHide, or caFree for a
    // multi-document child (closing a document window takes it away).
    void close();
    // Frees the form from the message loop, once the message being handled is done.
    void release();
    bool isActive() const;

    // The menu bar shown on the window (not owned). Cleared when the menu is freed.
    MainMenu* menu() const { return m_menu; }
    void setMenu(MainMenu* menu);

    // A key press on this form (or one of its controls) before it is dispatched: onShortCut first,
    // then Tab / Shift+Tab move the focus along the tab order. True when the key was taken.
    virtual bool isShortCut(const MSG& msg);
    // Moves the focus to the next (or previous) focusable control in tab order.
    bool selectNext(bool forward);

    core::NotifyEvent onCreate;
    core::NotifyEvent onDestroy;
    core::NotifyEvent onShow;
    core::NotifyEvent onHide;
    core::NotifyEvent onActivate;
    core::NotifyEvent onDeactivate;
    std::function<void(core::Component* sender, bool& canClose)> onCloseQuery;
    std::function<void(core::Component* sender, CloseAction& action)> onClose;
    // Returns true when it took the key.
    std::function<bool(const MSG& msg)> onShortCut;

    // Fires onCreate once; runs when the form's layout is loaded, or may be called by code that
    // builds a form without one.
    void doCreate();

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;
    void loaded() override;

protected:
    void createParams(CreateParams& params) override;
    void createWnd() override;
    void handleCreated() override;
    void destroyWnd() override;
    void wndProc(Message& m) override;
    void defaultHandler(Message& m) override;
    void childrenAligned() override;
    void visibleChanged() override;
    void notification(core::Component* component, core::Operation operation) override;

private:
    void styles(DWORD& style, DWORD& exStyle) const;
    core::Rect frameExtents() const; // how far the frame reaches beyond the client area on each side
    void applyStyles();
    void createClientWindow();
    void placeClientWindow();
    void updateWindowMenu();

    BorderStyle m_borderStyle = BorderStyle::bsSizeable;
    BorderIcons m_borderIcons = BorderIcon::biSystemMenu | BorderIcon::biMinimize | BorderIcon::biMaximize;
    FormPosition m_position = FormPosition::poDesigned;
    WindowState m_windowState = WindowState::wsNormal;
    MainMenu* m_menu = nullptr;
    FormStyle m_formStyle = FormStyle::fsNormal;
    HWND m_clientHandle = nullptr; // destroyed with the window
    MenuItem* m_windowMenu = nullptr;
    CustomForm* m_mdiParent = nullptr; // not owned; cleared when it goes
    HMENU m_sentWindowMenu = nullptr;  // the native window menu the client window last heard of
    int32_t m_pendingClientWidth = -1;
    int32_t m_pendingClientHeight = -1;
    bool m_created = false;
    bool m_closing = false;
    uint64_t m_serial; // tells a released form from a later one at the same address
};

class Form : public CustomForm {
public:
    explicit Form(core::Component* owner = nullptr) : CustomForm(owner) {}
    const char* className() const override { return "TForm"; }
};

} // namespace gui
