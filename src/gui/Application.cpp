#include "gui/Application.h"

#include "core/Error.h"
#include "core/FormMessages.h"
#include "gui/ApplicationHints.h"
#include "gui/ApplicationWindow.h"
#include "gui/DibStorage.h"
#include "gui/Form.h"
#include "gui/Graphics.h"
#include "gui/WindowProc.h"

#include <algorithm>
#include <cstdio>

namespace gui {

namespace {

// The sender portable components use (the skin store's notifications, say).
void sendFromPortableCode(core::Component* first, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    try {
        application().sendToForms(UINT(message), WPARAM(wParam), LPARAM(lParam),
                                  dynamic_cast<CustomForm*>(first));
    } catch (...) {
        // A form whose window cannot be made misses the message; the sender goes on.
        application().handleException(std::current_exception());
    }
}

} // namespace

Application::Application() = default;

Application::~Application() {
    m_hints.reset();
    beginDestroy();
    core::setFormMessageSender(nullptr);
    m_window.reset();
}

void Application::initialize() {
    if (m_initialized)
        return;
    m_initialized = true;
    installSystemColorResolver();
    installDibStorage();
    // Every form passes through here (addForm), so portable components reach forms without any
    // set-up of their own library.
    core::setFormMessageSender(&sendFromPortableCode);
    hints();
}

ApplicationHints& Application::hints() {
    if (!m_hints)
        m_hints = std::make_unique<ApplicationHints>(*this);
    return *m_hints;
}

ApplicationWindow& Application::window() {
    if (!m_window)
        m_window = std::make_unique<ApplicationWindow>();
    return *m_window;
}

HWND Application::handle() {
    return window().handle();
}

void Application::mainFormSized(bool minimized) {
    if (m_window && m_window->hasHandle())
        SendMessageW(m_window->handle(), WM_SIZE, minimized ? SIZE_MINIMIZED : SIZE_RESTORED, 0);
}

void Application::cancelHint() {
    if (m_hints)
        m_hints->cancelHint();
}

void Application::setShowHint(bool v) {
    if (m_showHint == v)
        return;
    m_showHint = v;
    if (m_hints)
        m_hints->recreateWindow();
}

void Application::setMainForm(CustomForm* form) {
    m_mainForm = form;
}

void Application::addForm(CustomForm* form) {
    initialize();
    if (std::find(m_forms.begin(), m_forms.end(), form) == m_forms.end())
        m_forms.push_back(form);
    if (!m_mainForm)
        m_mainForm = form;
}

void Application::removeForm(CustomForm* form) {
    m_forms.erase(std::remove(m_forms.begin(), m_forms.end(), form), m_forms.end());
    if (m_mainForm == form)
        m_mainForm = nullptr;
}

void Application::run() {
    initialize();
    m_running = true;
    if (m_showMainForm && m_mainForm && !m_mainForm->isVisible())
        guardedCall([this] { m_mainForm->show(); });
    while (!m_terminated)
        handleMessage();
    m_terminated = false;
    m_running = false;
}

void Application::processMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            m_terminated = true;
            return;
        }
        processMessage(msg);
    }
}

void Application::handleMessage() {
    MSG msg;
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
        m_terminated = true;
        return;
    }
    processMessage(msg);
}

MessageFilter::~MessageFilter() {
    application().removeMessageFilter(this);
}

void Application::addMessageFilter(MessageFilter* filter) {
    removeMessageFilter(filter);
    m_filters.insert(m_filters.begin(), filter);
}

void Application::removeMessageFilter(MessageFilter* filter) {
    m_filters.erase(std::remove(m_filters.begin(), m_filters.end(), filter), m_filters.end());
}

bool Application::hasMessageFilter(const MessageFilter* filter) const {
    return std::find(m_filters.begin(), m_filters.end(), filter) != m_filters.end();
}

void Application::processMessage(MSG& msg) {
    bool consumed = false;
    // A filter may remove itself or others: walk a copy, skipping the ones gone meanwhile.
    const std::vector<MessageFilter*> filters = m_filters;
    for (MessageFilter* f : filters) {
        if (consumed)
            break;
        if (hasMessageFilter(f))
            guardedCall([&] { consumed = f->filterMessage(msg); });
    }
    if (consumed)
        return;
    guardedCall([&] { consumed = isShortCut(msg); });
    if (consumed)
        return;
    if (isMDIAccelerator(msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

bool Application::isShortCut(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
        return false;
    // A key in a multi-document child goes to the child first, then to its frame.
    for (HWND w = msg.hwnd; w; w = GetParent(w)) {
        auto* form = dynamic_cast<CustomForm*>(findControl(w));
        if (form && form->isMDIChild()) {
            if (form->isShortCut(msg))
                return true;
            break;
        }
        if (form)
            break;
    }
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    auto* form = dynamic_cast<CustomForm*>(findControl(root));
    return form && form->isShortCut(msg);
}

bool Application::isMDIAccelerator(MSG& msg) {
    // Ctrl+F4 closes and Ctrl+F6 walks the children of a multi-document frame.
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
        return false;
    auto* frame = dynamic_cast<CustomForm*>(findControl(GetAncestor(msg.hwnd, GA_ROOT)));
    return frame && frame->clientHandle() && TranslateMDISysAccel(frame->clientHandle(), &msg);
}

void Application::terminate() {
    m_terminated = true;
    // Wakes a GetMessage that is waiting.
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

HICON Application::icon() const {
    if (m_icon)
        return m_icon.get();
    if (!m_defaultIcon) {
        m_defaultIcon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
        if (!m_defaultIcon)
            m_defaultIcon = LoadIconW(nullptr, IDI_APPLICATION);
    }
    return m_defaultIcon;
}

void Application::setIcon(winbase::IconHandle icon) {
    m_icon = std::move(icon);
    for (CustomForm* f : m_forms)
        if (f->hasHandle()) {
            SendMessageW(f->handle(), WM_SETICON, ICON_BIG, LPARAM(this->icon()));
            SendMessageW(f->handle(), WM_SETICON, ICON_SMALL, LPARAM(this->icon()));
        }
}

void Application::minimize() {
    if (m_mainForm && m_mainForm->hasHandle())
        ShowWindow(m_mainForm->handle(), SW_MINIMIZE);
    if (onMinimize)
        onMinimize(this);
}

void Application::restore() {
    if (m_mainForm && m_mainForm->hasHandle() && IsIconic(m_mainForm->handle()))
        ShowWindow(m_mainForm->handle(), SW_RESTORE);
    if (onRestore)
        onRestore(this);
}

bool Application::isMinimized() const {
    return m_mainForm && m_mainForm->hasHandle() && IsIconic(m_mainForm->handle());
}

void Application::handleException(std::exception_ptr exception) {
    if (!exception)
        return;
    try {
        std::rethrow_exception(exception);
    } catch (const std::exception& e) {
        showException(e);
    } catch (...) {
        showException(core::Error("Unknown exception"));
    }
}

void Application::showException(const std::exception& e) {
    if (onException) {
        try {
            onException(e);
            return;
        } catch (const std::exception& inner) {
            std::fprintf(stderr, "Exception in the exception handler: %s\n", inner.what());
        } catch (...) {
            std::fprintf(stderr, "Exception in the exception handler\n");
        }
    }
    std::fprintf(stderr, "%s\n", e.what());
    std::fflush(stderr);
}

void Application::sendToForms(UINT msg, WPARAM wParam, LPARAM lParam, CustomForm* first) {
    if (first)
        SendMessageW(first->handle(), msg, wParam, lParam);
    // A handler may create or free forms: walk a copy and skip the ones that went away.
    const std::vector<CustomForm*> forms = m_forms;
    for (CustomForm* f : forms) {
        if (f == first || std::find(m_forms.begin(), m_forms.end(), f) == m_forms.end())
            continue;
        SendMessageW(f->handle(), msg, wParam, lParam);
    }
}

Application& application() {
    static Application instance;
    return instance;
}

} // namespace gui
