#include "gui/PopupMenu.h"

#include "core/Property.h"
#include "gui/WindowProc.h"

namespace gui {

namespace {

// The hidden window that owns tracked popups and receives their owner-draw messages. Its user data
// is the menu being shown.
LRESULT CALLBACK popupWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_MEASUREITEM || msg == WM_DRAWITEM) {
        auto* menu = reinterpret_cast<PopupMenu*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        bool handled = false;
        if (menu)
            guardedCall([&] {
                handled = msg == WM_MEASUREITEM
                              ? menu->measureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))
                              : menu->drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            });
        if (handled)
            return TRUE;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

HWND popupOwnerWindow() {
    static HWND window = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = popupWindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VelmoraPopupMenuOwner";
        RegisterClassW(&wc);
        return CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                               nullptr, wc.hInstance, nullptr);
    }();
    return window;
}

} // namespace

PopupMenu::PopupMenu(core::Component* owner) : Menu(owner) {}

PopupMenu::~PopupMenu() {
    beginDestroy();
}

HMENU PopupMenu::createMenuHandle() const {
    return CreatePopupMenu();
}

void PopupMenu::popup(int32_t x, int32_t y) {
    if (onPopup)
        onPopup(*this);
    HMENU menu = handle();
    HWND owner = popupOwnerWindow();
    if (!menu || !owner)
        return;
    static constexpr UINT alignments[] = {TPM_LEFTALIGN, TPM_RIGHTALIGN, TPM_CENTERALIGN};
    // A popup opened from a handler of another one keeps the outer one's owner-draw target.
    LONG_PTR previous = SetWindowLongPtrW(owner, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    UINT command = UINT(TrackPopupMenuEx(menu, alignments[int(m_alignment)] | TPM_RETURNCMD | TPM_RIGHTBUTTON,
                                         x, y, owner, nullptr));
    SetWindowLongPtrW(owner, GWLP_USERDATA, previous);
    // Lets the menu loop finish cleanly before the next popup.
    PostMessageW(owner, WM_NULL, 0, 0);
    if (command)
        dispatchCommand(uint16_t(command));
}

bool PopupMenu::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == "Alignment")
        setAlignment(PopupAlignment(value.asEnum({"paLeft", "paRight", "paCenter"})));
    else if (name == "AutoPopup")
        setAutoPopup(value.asBool());
    else if (name == "OnPopup")
        value.bindEvent([this](core::NotifyEvent handler) {
            onPopup = [handler = std::move(handler)](PopupMenu& menu) { handler(&menu); };
        });
    else
        return Menu::setProperty(name, value);
    return true;
}

void PopupMenu::writeProperties(core::PropertyWriter& out) const {
    Menu::writeProperties(out);
    if (m_alignment != PopupAlignment::paLeft)
        out.writeIdent("Alignment", m_alignment == PopupAlignment::paRight ? "paRight" : "paCenter");
    if (!m_autoPopup)
        out.writeBool("AutoPopup", false);
}

} // namespace gui
