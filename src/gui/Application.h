#pragma once
// The application object, one per process: the list of forms and the main form, the message loop
// that runs until the main form closes, hint timing settings, the application icon, minimising and
// restoring, and the handler that reports exceptions caught at window-procedure boundaries.
#include "core/Component.h"
#include "core/Property.h"
#include "gui/HintWindow.h"
#include "winbase/Handles.h"

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gui {

class ApplicationHints;
class ApplicationWindow;
class CustomForm;

// Sees every message the application's loop takes, before shortcuts and dispatch. Windows that never
// take the focus (skinned popup menus) get their keys this way. Install with
// Application::addMessageFilter; a filter removes itself when destroyed.
class MessageFilter {
public:
    MessageFilter() = default;
    virtual ~MessageFilter();
    MessageFilter(const MessageFilter&) = delete;
    MessageFilter& operator=(const MessageFilter&) = delete;
    // True consumes the message: it is neither translated nor dispatched.
    virtual bool filterMessage(MSG& msg) = 0;
};

class Application : public core::Component {
public:
    Application();
    ~Application() override;

    const char* className() const override { return "TApplication"; }

    // Readies the platform side (system colours, DIB-backed bitmaps). Idempotent; forms call it.
    void initialize();

    // Every form, in creation order. The first form created becomes the main form.
    const std::vector<CustomForm*>& forms() const { return m_forms; }
    CustomForm* mainForm() const { return m_mainForm; }
    void setMainForm(CustomForm* form);

    // Shows the main form and dispatches messages until terminate() (closing the main form calls
    // it). The terminated state is cleared when run returns, so a later run starts afresh.
    void run();
    // Whether run shows the main form (a program starting in the tray turns it off).
    bool showMainForm() const { return m_showMainForm; }
    void setShowMainForm(bool v) { m_showMainForm = v; }
    // Dispatches every message waiting now, then returns.
    void processMessages();
    // Waits for one message and dispatches it.
    void handleMessage();
    void terminate();
    bool isTerminated() const { return m_terminated; }
    bool isRunning() const { return m_running; }

    // Hint timing, in milliseconds.
    int hintPause() const { return m_hintPause; }
    void setHintPause(int ms) { m_hintPause = ms; }
    int hintShortPause() const { return m_hintShortPause; }
    void setHintShortPause(int ms) { m_hintShortPause = ms; }
    int hintHidePause() const { return m_hintHidePause; }
    void setHintHidePause(int ms) { m_hintHidePause = ms; }
    bool showHint() const { return m_showHint; }
    // Changing it drops the hint window, so the next hint is made by the current factory.
    void setShowHint(bool v);
    // Makes the hint window of every control hint; null makes the plain one.
    const HintWindowFactory& hintWindowClass() const { return m_hintWindowClass; }
    void setHintWindowClass(HintWindowFactory factory) { m_hintWindowClass = std::move(factory); }
    // Before a control's hint shows; may change its text and place, or cancel it.
    ShowHintEvent onShowHint;
    // The hints of controls, following the mouse from the first call on.
    ApplicationHints& hints();
    void cancelHint();

    // The icon of every form's window: the "MAINICON" resource when the program has one, else the
    // platform's application icon. Owned by the application.
    HICON icon() const;
    void setIcon(winbase::IconHandle icon);

    const std::string& title() const { return m_title; }
    void setTitle(const std::string& title) { m_title = title; }

    // The hidden top-level window of the application, made on first use. It hears of the main form
    // being minimised and restored.
    ApplicationWindow& window();
    HWND handle();
    // From the main form when it was minimised (true) or restored (false): tells the window.
    void mainFormSized(bool minimized);

    // Minimises the main form (its owned windows go with it) and restores it.
    void minimize();
    void restore();
    bool isMinimized() const;
    core::NotifyEvent onMinimize;
    core::NotifyEvent onRestore;

    // Reports an exception caught at a window-procedure boundary (or any other boundary of the
    // framework): through onException when set, else to stderr. The window that threw lives on.
    std::function<void(const std::exception&)> onException;
    void handleException(std::exception_ptr exception);
    void showException(const std::exception& e);

    // Sends a message synchronously to every form's window: first (when given) first, then the others
    // in list order. Windows that do not exist yet are made.
    void sendToForms(UINT msg, WPARAM wParam, LPARAM lParam, CustomForm* first = nullptr);

    // Message filters, newest first; adding one that is installed moves it to the front.
    void addMessageFilter(MessageFilter* filter);
    void removeMessageFilter(MessageFilter* filter);
    bool hasMessageFilter(const MessageFilter* filter) const;

    // Gives the form with keyboard focus the chance to take a key as a shortcut before dispatch (a
    // multi-document child first, then its frame).
    bool isShortCut(const MSG& msg);
    // The keys of a multi-document frame's client window (Ctrl+F4, Ctrl+F6); true when taken.
    bool isMDIAccelerator(MSG& msg);

    // From CustomForm's constructor and destructor.
    void addForm(CustomForm* form);
    void removeForm(CustomForm* form);

private:
    void processMessage(MSG& msg);

    std::vector<CustomForm*> m_forms;
    std::vector<MessageFilter*> m_filters;
    CustomForm* m_mainForm = nullptr;
    bool m_initialized = false;
    bool m_terminated = false;
    bool m_running = false;
    int m_hintPause = 500;
    int m_hintShortPause = 50;
    int m_hintHidePause = 2500;
    bool m_showHint = true;
    bool m_showMainForm = true;
    winbase::IconHandle m_icon;
    mutable HICON m_defaultIcon = nullptr;
    std::string m_title;
    HintWindowFactory m_hintWindowClass;
    std::unique_ptr<ApplicationHints> m_hints;
    std::unique_ptr<ApplicationWindow> m_window;
};

// The process's application object.
Application& application();

} // namespace gui
