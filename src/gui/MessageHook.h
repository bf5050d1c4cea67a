#pragma once
// Classes in this file: Message, MessageHook, FunctionHook.
// Every window control dispatches its messages through a chain: the hooks installed on it, newest
// first, then the control's own handler. A hook sees each message before the window does (the
// non-client ones included), answers it by setting result, and hands it on with callPrevious().
#include <windows.h>

#include <functional>

namespace gui {

class WinControl;

struct Message {
    UINT msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    LRESULT result = 0;
};

class MessageHook {
public:
    MessageHook() = default;
    // Uninstalls the hook if it is still installed.
    virtual ~MessageHook();
    MessageHook(const MessageHook&) = delete;
    MessageHook& operator=(const MessageHook&) = delete;

    // The control the hook is installed on, or null.
    WinControl* hookedControl() const { return m_installed ? m_control : nullptr; }

    // Sees m first; leave it unanswered by calling callPrevious(m), or set m.result and return.
    virtual void hookMessage(Message& m) = 0;

protected:
    // Hands m to the handler that was in front before this hook was installed: an older hook or the
    // control's own handler. Safe to call after the hook was removed during the same message.
    void callPrevious(Message& m);

private:
    friend class WinControl;
    // The control last installed on; kept after removal so that a hook removed while it handles a
    // message can still pass that message on.
    WinControl* m_control = nullptr;
    bool m_installed = false;
};

// A hook made of a function, for owners that do not want a class of their own. The function gets
// the message and a way to pass it on.
class FunctionHook final : public MessageHook {
public:
    using Handler = std::function<void(Message& m, const std::function<void(Message&)>& previous)>;
    explicit FunctionHook(Handler handler) : m_handler(std::move(handler)) {}
    void hookMessage(Message& m) override;

private:
    Handler m_handler;
};

} // namespace gui
