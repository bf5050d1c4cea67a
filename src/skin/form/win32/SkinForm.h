#pragma once
// Classes in this file: SkinBorderIcon/SkinBorderIcons, FormWindowState, SkinForm.
// The skinned form: a non-visual component that a form owns and that replaces the form's frame. It
// puts a hook in front of the window's message handling and answers the non-client messages itself:
// the frame, caption and buttons are painted from the skin store's form records (or in a plain
// built-in look without a skin), the hit test comes from the skin's points and mask, and minimise,
// maximise, roll-up and close are carried out by the component. The window stays a normal top-level
// window to the platform (task bar button, Alt+Tab entry, icon).
#include "core/Component.h"
#include "core/Property.h"
#include "gui/Bitmap.h"
#include "gui/Font.h"
#include "gui/MessageHook.h"
#include "skin/form/FormCommands.h"
#include "skin/form/FormHitTest.h"
#include "skin/form/FormLayout.h"
#include "skin/render/SkinCompose.h"
#include "winbase/Handles.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gui {
class Canvas;
class CustomForm;
class MenuItem;
class PopupMenu;
class Timer;
enum class MouseButton;
} // namespace gui

namespace skin {

class FormSkinObject;
class SkinButtonObject;
class SkinData;
class SkinHint;
class SkinMDITabsBar;
class SkinMenu;

enum class SkinBorderIcon : uint8_t { biSystemMenu, biMinimize, biMaximize, biRollUp, biMinimizeToTray };

class SkinBorderIcons {
public:
    constexpr SkinBorderIcons() = default;
    constexpr SkinBorderIcons(std::initializer_list<SkinBorderIcon> icons) {
        for (SkinBorderIcon i : icons)
            m_bits = uint8_t(m_bits | (1u << unsigned(i)));
    }
    constexpr bool has(SkinBorderIcon i) const { return (m_bits & (1u << unsigned(i))) != 0; }
    constexpr uint8_t bits() const { return m_bits; }
    static constexpr SkinBorderIcons fromBits(uint8_t bits) {
        SkinBorderIcons b;
        b.m_bits = uint8_t(bits & 0x1F);
        return b;
    }
    friend constexpr bool operator==(SkinBorderIcons, SkinBorderIcons) = default;

private:
    uint8_t m_bits = 0;
};

enum class FormWindowState { Normal, Minimized, Maximized };

class SkinForm : public core::Component {
public:
    // owner must be a form (core::Error "Invalid class typecast" otherwise). Unless designing, the
    // hook goes in front of the form's window and the window is made again without a caption.
    explicit SkinForm(core::Component* owner);
    ~SkinForm() override;

    const char* className() const override { return "TSkinForm"; }

    gui::CustomForm& form() const { return *m_form; }

    // --- Published properties, in their order ---------------------------------------------------
    bool useFormCursorInNCArea() const { return m_useFormCursorInNCArea; }
    void setUseFormCursorInNCArea(bool v) { m_useFormCursorInNCArea = v; }
    int32_t maxMenuItemsInWindow() const { return m_maxMenuItemsInWindow; }
    void setMaxMenuItemsInWindow(int32_t v) {
        if (v >= 0)
            m_maxMenuItemsInWindow = v;
    }
    int32_t clientWidth() const { return m_clientWidth; }
    void setClientWidth(int32_t v) { m_clientWidth = v; }
    int32_t clientHeight() const { return m_clientHeight; }
    void setClientHeight(int32_t v) { m_clientHeight = v; }
    bool hideCaptionButtons() const { return m_hideCaptionButtons; }
    void setHideCaptionButtons(bool v);
    bool alwaysShowInTray() const { return m_alwaysShowInTray; }
    void setAlwaysShowInTray(bool v) { m_alwaysShowInTray = v; }
    const gui::Bitmap& logoBitMap() const { return m_logo; }
    void setLogoBitMap(const gui::Bitmap& logo) { m_logo.assign(logo); }
    bool logoBitMapTransparent() const { return m_logoTransparent; }
    void setLogoBitMapTransparent(bool v) { m_logoTransparent = v; }
    bool alwaysMinimizeToTray() const { return m_alwaysMinimizeToTray; }
    void setAlwaysMinimizeToTray(bool v) { m_alwaysMinimizeToTray = v; }
    bool useSkinFontInMenu() const { return m_useSkinFontInMenu; }
    void setUseSkinFontInMenu(bool v) { m_useSkinFontInMenu = v; }
    bool showIcon() const { return m_showIcon; }
    void setShowIcon(bool v);
    bool maximizeOnFullScreen() const { return m_maximizeOnFullScreen; }
    void setMaximizeOnFullScreen(bool v) { m_maximizeOnFullScreen = v; }
    bool alphaBlend() const { return m_alphaBlend; }
    void setAlphaBlend(bool v);
    bool alphaBlendAnimation() const { return m_alphaBlendAnimation; }
    void setAlphaBlendAnimation(bool v) { m_alphaBlendAnimation = v; }
    uint8_t alphaBlendValue() const { return m_alphaBlendValue; }
    void setAlphaBlendValue(uint8_t v);
    core::Component* skinHint() const { return m_skinHint; }
    void setSkinHint(core::Component* hint) {
        m_skinHint = hint;
        if (hint)
            freeNotification(hint);
    }
    bool showObjectHint() const { return m_showObjectHint; }
    void setShowObjectHint(bool v) { m_showObjectHint = v; }
    bool useDefaultObjectHint() const { return m_useDefaultObjectHint; }
    void setUseDefaultObjectHint(bool v) { m_useDefaultObjectHint = v; }
    bool menusAlphaBlend() const { return m_menusAlphaBlend; }
    bool menusAlphaBlendAnimation() const { return m_menusAlphaBlendAnimation; }
    uint8_t menusAlphaBlendValue() const { return m_menusAlphaBlendValue; }
    gui::Font& defCaptionFont() { return m_defCaptionFont; }
    gui::Font& defInActiveCaptionFont() { return m_defInActiveCaptionFont; }
    int32_t defMenuItemHeight() const { return m_defMenuItemHeight; }
    void setDefMenuItemHeight(int32_t v) {
        if (v > 0)
            m_defMenuItemHeight = v;
    }
    gui::Font& defMenuItemFont() { return m_defMenuItemFont; }
    bool useDefaultSysMenu() const { return m_useDefaultSysMenu; }
    void setUseDefaultSysMenu(bool v) { m_useDefaultSysMenu = v; }
    // The user's system menu (not owned); none = the built-in one.
    gui::PopupMenu* systemMenu() const { return m_systemMenu; }
    void setSystemMenu(gui::PopupMenu* menu);
    // The skin store (not owned); setting it applies its skin.
    SkinData* skinData() const { return m_skinData; }
    void setSkinData(SkinData* store);
    SkinData* menusSkinData() const { return m_menusSkinData; }
    // The skinned main-menu bar (not owned; a SkinMainMenuBar), or null.
    core::Component* mainMenuBar() const { return m_mainMenuBar; }
    void setMainMenuBar(core::Component* bar);
    // The tab bar of a multi-document parent's children (not owned), or null.
    SkinMDITabsBar* mdiTabsBar() const;
    void setMDITabsBar(SkinMDITabsBar* bar);
    int32_t minHeight() const { return m_minHeight; }
    void setMinHeight(int32_t v) { m_minHeight = v; }
    int32_t minWidth() const { return m_minWidth; }
    void setMinWidth(int32_t v) { m_minWidth = v; }
    int32_t maxHeight() const { return m_maxHeight; }
    void setMaxHeight(int32_t v) { m_maxHeight = v; }
    int32_t maxWidth() const { return m_maxWidth; }
    void setMaxWidth(int32_t v) { m_maxWidth = v; }
    bool magnetic() const { return m_magnetic; }
    void setMagnetic(bool v) { m_magnetic = v; }
    uint8_t magneticSize() const { return m_magneticSize; }
    void setMagneticSize(uint8_t v) { m_magneticSize = v; }
    SkinBorderIcons borderIcons() const { return m_borderIcons; }
    // Stores the set and rebuilds the built-in objects (until the next skin change).
    void setBorderIcons(SkinBorderIcons icons);

    // --- Published events, in their order --------------------------------------------------------
    using ObjectMouseEvent = std::function<void(const std::string& idName, int32_t x, int32_t y,
                                                core::Rect objectRect, gui::MouseButton)>;
    core::NotifyEvent onChangeSkinData;
    ObjectMouseEvent onMouseUpEvent;
    ObjectMouseEvent onMouseDownEvent;
    std::function<void(const std::string& idName, int32_t x, int32_t y, core::Rect objectRect)>
        onMouseMoveEvent;
    std::function<void(const std::string& idName)> onMouseEnterEvent;
    std::function<void(const std::string& idName)> onMouseLeaveEvent;
    std::function<void(const std::string& idName, gui::Canvas& canvas, core::Rect objectRect)> onPaintEvent;
    core::NotifyEvent onActivate;
    core::NotifyEvent onDeActivate;
    core::NotifyEvent onSkinMenuOpen;
    core::NotifyEvent onSkinMenuClose;
    core::NotifyEvent onChangeRollUpState;
    core::NotifyEvent onMainMenuEnter;
    core::NotifyEvent onMainMenuExit;
    core::NotifyEvent onMinimizeToTray;
    core::NotifyEvent onRestoreFromTray;
    std::function<void(const std::string& idName, bool& objectVisible)> onActivateCustomObject;

    // --- State -----------------------------------------------------------------------------------
    bool isSkinned() const { return m_skinned; }
    FormWindowState windowState() const { return m_windowState; }
    bool isRolledUp() const { return m_rolledUp; }
    bool formActive() const { return m_formActive; }
    const std::vector<std::unique_ptr<FormSkinObject>>& objects() const { return m_objects; }
    FormSkinObject* findObject(const std::string& idName) const;
    int activeObject() const { return m_activeObject; }
    // The frame geometry of the current size (skinned).
    const FrameGeometry& geometry() const { return m_geometry; }
    core::Point frameSize() const { return {m_frameWidth, m_frameHeight}; }
    FrameSizeInput sizeInput() const;
    core::Point minimumFrameSize() const;
    core::Point maximumFrameSize() const;
    bool isMorphTimerRunning() const;

    // --- Window commands -------------------------------------------------------------------------
    void changeWindowState(FormWindowState state);
    void minimizeForm();
    void maximizeForm();
    void restoreForm();
    void setRollUp(bool value);
    // The tray icon of the tray commands. Unless AlwaysShowInTray its icon is hidden until the window
    // goes to the tray; without a menu or click handler of its own it gets the tray menu and a click
    // that restores the window.
    core::Component* trayIcon() const { return m_trayIcon; }
    void setTrayIcon(core::Component* icon);
    void minimizeToTray();
    void restoreFromTray();
    void closeWindow();
    // What a caption button of the command does: close; maximise or restore; minimise (to the tray
    // with AlwaysMinimizeToTray) or restore; toggle roll-up; minimise to the tray. The system-menu
    // and default commands do nothing here.
    void executeCommand(WindowCommand command);
    // Builds the system menu's items and shows it at (x, y) on the screen through the skinned menu
    // engine; returns at once, the chosen command runs after the menu closed.
    void showSystemMenu(int32_t x, int32_t y);
    // The skinned menu engine of the form: every menu the form shows goes through it.
    SkinMenu& menuEngine() const { return *m_menuEngine; }
    bool isInMenu() const { return m_inMenu; }
    // The items of the system menu, built afresh.
    gui::MenuItem& buildSystemMenu();
    // One morph timer tick (also used by tests in place of the timer).
    void morphTimerTick();

    // --- For the objects ---------------------------------------------------------------------------
    // The window's rect on the screen.
    core::Rect windowBounds() const;
    void drawObjectNow(FormSkinObject& object);
    void startMorphTimer();
    void startAnimateTimer();
    std::string captionText() const;
    uint8_t captionCharset(const gui::Font& fallback) const;
    void drawSmallIcon(core::FBitmap& dest, int32_t x, int32_t y);
    core::Point smallIconSize() const;
    void showObjectMenu(SkinButtonObject& button);
    void fireMouseDown(const FormSkinObject& o, int32_t x, int32_t y, gui::MouseButton b);
    void fireMouseUp(const FormSkinObject& o, int32_t x, int32_t y, gui::MouseButton b);
    void fireMouseMove(const FormSkinObject& o, int32_t x, int32_t y);
    void fireMouseEnter(const FormSkinObject& o);
    void fireMouseLeave(const FormSkinObject& o);
    void firePaint(const FormSkinObject& o, core::FBitmap& dest, core::Point origin);

    // --- Multi-document windows ---------------------------------------------------------------------
    // The first SkinForm that form owns, or null.
    static SkinForm* findSkinForm(const gui::CustomForm* form);
    bool isMDIParent() const;
    bool isMDIChild() const;
    bool isMaximizedChild() const { return isMDIChild() && m_windowState == FormWindowState::Maximized; }
    // A parent's child whose skinned form is maximised (none is going away), or null.
    gui::CustomForm* maximizedChild() const;
    // A child's entry in its parent's window menu while it is shown, or null.
    gui::MenuItem* windowMenuItem() const { return m_windowMenuItem; }
    // The part of the parent's client area that holds the children (its client window), on the
    // screen; for a child, where it can go.
    core::Rect childArea() const;

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;

protected:
    void notification(core::Component* component, core::Operation operation) override;

private:
    class Hook final : public gui::MessageHook {
    public:
        explicit Hook(SkinForm& form) : m_form(form) {}
        void hookMessage(gui::Message& m) override { m_form.hookMessage(m); }
        void passOn(gui::Message& m) { callPrevious(m); }

    private:
        SkinForm& m_form;
    };

    // Message handling (SkinForm.cpp).
    void hookMessage(gui::Message& m);
    void dispatch(gui::Message& m);
    // Hands m to the window's own handling (once per message).
    void passOn(gui::Message& m);
    void closeMenusCheck(UINT msg);
    void skinAboutToChange(WPARAM store);
    void skinChanged(WPARAM store);
    void applySkin();
    void buildSkinObjects();
    void buildDefaultObjects();
    void updateObjectVisibility();
    void updateObjectHints();
    // The SkinHint that shows object hints, when ShowObjectHint is on.
    SkinHint* objectHint() const;
    void forceRelayout();
    void setWindowSize(int32_t width, int32_t height);
    bool hasWindow() const;
    HWND window() const;
    bool isBorderless() const;
    bool isSizeable() const;
    bool isToolWindow() const;

    // Frame geometry and painting (SkinFormFrame.cpp).
    void computeFrameGeometry();
    void layoutObjects();
    void updateFrame(bool layout);
    void updateWindowRegion(bool recompose);
    // Drops what was worked out from the skin's mask and pictures (their shape, their repeated rows).
    void forgetSkinShapes();
    void removeWindowRegion();
    void nonClientSize(gui::Message& m);
    void paintFrame(HDC dc);
    void paintNow();
    void paintSkinnedFrame(HDC dc);
    void paintDefaultFrame(HDC dc);
    // The client background of the window, or of target (the parent's client window: its own
    // picture first, the application work-space colour without a skin).
    void paintClientBackground(HDC dc, HWND target = nullptr);
    void ncActivate(gui::Message& m);
    void updateCaptionState(bool repaint);
    void sizeChanged(gui::Message& m);
    void sizing(gui::Message& m);
    void showWindowChanged(gui::Message& m);
    void fadeTimer();
    void applyLayered(bool layered);
    BuiltInFrameMetrics builtInMetrics() const;
    core::Rect builtInCaptionRect();
    std::vector<FormObjectPlace> objectPlaces() const;

    // Multi-document windows (SkinFormMDI.cpp).
    SkinForm* parentSkinForm() const;
    bool mdiMessage(gui::Message& m);
    void hookClientWindow();
    void unhookClientWindow();
    static LRESULT CALLBACK clientWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT clientMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void refitChildren();
    void refitMaximized();
    void placeMinimized();
    void childMaximized();
    void childRestored();
    void childShown(bool shown);
    void childActivated(bool active);
    void childGone();
    void refreshParentBars();
    void sendToMainWindow(UINT msg);
    core::Rect toRestoreBounds(const core::Rect& screen) const;
    core::Rect fromRestoreBounds(const core::Rect& saved) const;

    // Hit testing, mouse tracking and commands (SkinFormCommands.cpp).
    core::Point screenToFrame(core::Point screen) const;
    int hitTest(core::Point screen);
    void trackActiveObject(int32_t x, int32_t y, bool allow);
    void mouseTimerTick();
    void animateTimerTick();
    void nonClientMouse(gui::Message& m);
    void objectPress(int32_t x, int32_t y, gui::MouseButton button);
    void objectRelease(int32_t x, int32_t y, gui::MouseButton button);
    void captionDoubleClick();
    void resetObjectStates();
    void setCursor(gui::Message& m);
    void getMinMaxInfo(gui::Message& m);
    void moving(gui::Message& m);
    void enterSizeMove();
    void exitSizeMove();
    void sysCommand(gui::Message& m);
    void menuOpened();
    void menuClosed();
    core::Rect workArea(bool fullMonitor) const;
    void setWindowBounds(const core::Rect& r);

    gui::CustomForm* m_form = nullptr;
    Hook m_hook{*this};
    bool* m_passed = nullptr; // set when the message being handled has been passed on

    bool m_useFormCursorInNCArea = false;
    int32_t m_maxMenuItemsInWindow = 0;
    int32_t m_clientWidth = 0;
    int32_t m_clientHeight = 0;
    bool m_hideCaptionButtons = false;
    bool m_alwaysShowInTray = false;
    gui::Bitmap m_logo;
    bool m_logoTransparent = false;
    bool m_alwaysMinimizeToTray = false;
    bool m_useSkinFontInMenu = true;
    bool m_showIcon = false;
    bool m_maximizeOnFullScreen = false;
    bool m_alphaBlend = false;
    bool m_alphaBlendAnimation = false;
    uint8_t m_alphaBlendValue = 200;
    core::Component* m_skinHint = nullptr;
    bool m_showObjectHint = false;
    bool m_useDefaultObjectHint = true;
    bool m_menusAlphaBlend = false;
    bool m_menusAlphaBlendAnimation = false;
    uint8_t m_menusAlphaBlendValue = 200;
    gui::Font m_defCaptionFont;
    gui::Font m_defInActiveCaptionFont;
    int32_t m_defMenuItemHeight = 20;
    gui::Font m_defMenuItemFont;
    core::Component* m_trayIcon = nullptr;
    bool m_useDefaultSysMenu = true;
    core::Component* m_mainMenuBar = nullptr;
    core::Component* m_mdiTabsBar = nullptr;
    gui::PopupMenu* m_systemMenu = nullptr;
    SkinData* m_skinData = nullptr;
    SkinData* m_menusSkinData = nullptr;
    int32_t m_minHeight = 0;
    int32_t m_minWidth = 0;
    int32_t m_maxHeight = 0;
    int32_t m_maxWidth = 0;
    bool m_magnetic = false;
    uint8_t m_magneticSize = 5;
    SkinBorderIcons m_borderIcons{SkinBorderIcon::biSystemMenu, SkinBorderIcon::biMinimize,
                                  SkinBorderIcon::biMaximize, SkinBorderIcon::biRollUp};

    bool m_skinned = false;
    bool m_changingSkin = false;
    FormWindowState m_windowState = FormWindowState::Normal;
    bool m_rolledUp = false;
    bool m_rolledUpWhileMaximized = false;
    core::Rect m_restoreBounds;
    int32_t m_rollUpHeight = 0;
    int32_t m_frameWidth = 0;
    int32_t m_frameHeight = 0;
    int m_activeObject = -1;
    int m_previousActiveObject = -1;
    int m_captureObject = -1;
    bool m_inSizeMove = false;
    bool m_fullDrag = false;
    bool m_formActive = false;
    bool m_inMenu = false;
    bool m_regionSet = false;
    core::Point m_regionSize{-1, -1};

    std::vector<std::unique_ptr<FormSkinObject>> m_objects;
    FrameGeometry m_geometry;
    // The mask's shape, prepared once per skin (m_maskShapeReady) and laid out per window size.
    MaskShape m_maskShape;
    bool m_maskShapeReady = false;
    FormBorderImages m_borderImages; // the last composed frame, for drawing single objects over it
    // The active and inactive pictures' repeated rows, worked out once per skin (when ready).
    FormBorderPlan m_borderPlans[2];
    bool m_borderPlanReady[2] = {};
    std::unique_ptr<gui::Timer> m_mouseTimer;
    std::unique_ptr<gui::Timer> m_morphTimer;
    std::unique_ptr<gui::Timer> m_animateTimer;
    std::unique_ptr<gui::PopupMenu> m_builtInSystemMenu;
    std::unique_ptr<gui::PopupMenu> m_trayMenu;
    winbase::IconHandle m_smallIcon; // a copy at the small-icon size, made on first use
    std::unique_ptr<SkinMenu> m_menuEngine;
    void syncMenuSettings();

    HWND m_hookedClient = nullptr;             // the parent's client window whose handler was replaced
    WNDPROC m_clientProc = nullptr;            // its handler before
    gui::MenuItem* m_windowMenuItem = nullptr; // owned (as a component)
    bool m_childGone = false;
};

} // namespace skin
