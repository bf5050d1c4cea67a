#include "labels/win32/LabelCursors.h"

#include "gui/Screen.h"

namespace labels {

bool needsOwnHandCursor(DWORD version) {
    const DWORD major = LOBYTE(LOWORD(version));
    const DWORD minor = HIBYTE(LOWORD(version));
    const bool windowsNT = (version & 0x80000000u) == 0;
    if (windowsNT)
        return major <= 4;
    return major == 4 && minor == 0;
}

void registerHandCursor() {
    HCURSOR cursor = nullptr;
    if (needsOwnHandCursor(GetVersion()))
        cursor = LoadCursorW(GetModuleHandleW(nullptr), L"LABELS_HANDCURSOR");
    if (!cursor)
        cursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)); // IDC_HAND
    if (!cursor)
        cursor = LoadCursorW(GetModuleHandleW(nullptr), L"LABELS_HANDCURSOR");
    // Both come from LoadCursor and are shared: never destroyed by the table.
    gui::screen().setCursor(crHandCursor, cursor, gui::CursorOwnership::Shared);
}

} // namespace labels
