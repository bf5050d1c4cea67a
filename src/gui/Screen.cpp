#include "gui/Screen.h"

#include "gui/Application.h"
#include "gui/Form.h"

namespace gui {

namespace {

LPCWSTR standardCursorName(int id) {
    switch (id) {
    case crArrow:
        return IDC_ARROW;
    case crCross:
        return IDC_CROSS;
    case crIBeam:
        return IDC_IBEAM;
    case crSizeNESW:
        return IDC_SIZENESW;
    case crSizeNS:
        return IDC_SIZENS;
    case crSizeNWSE:
        return IDC_SIZENWSE;
    case crSizeWE:
        return IDC_SIZEWE;
    case crUpArrow:
        return IDC_UPARROW;
    case crHourGlass:
        return IDC_WAIT;
    case crDrag:
        return IDC_ARROW;
    case crNoDrop:
        return IDC_NO;
    case crHSplit:
        return IDC_SIZEWE;
    case crVSplit:
        return IDC_SIZENS;
    case crMultiDrag:
        return IDC_ARROW;
    case crSQLWait:
        return IDC_WAIT;
    case crNo:
        return IDC_NO;
    case crAppStart:
        return IDC_APPSTARTING;
    case crHelp:
        return IDC_HELP;
    case crHandPoint:
        return IDC_HAND;
    case crSizeAll:
        return IDC_SIZEALL;
    default:
        return nullptr;
    }
}

} // namespace

Screen::Screen() = default;

Screen::~Screen() = default;

HCURSOR Screen::cursor(int id) const {
    if (auto it = m_cursors.find(id); it != m_cursors.end())
        return it->second.handle;
    if (id == crNone)
        return nullptr;
    if (LPCWSTR name = standardCursorName(id)) {
        if (HCURSOR c = LoadCursorW(nullptr, name))
            return c;
    }
    return LoadCursorW(nullptr, IDC_ARROW);
}

void Screen::setCursor(int id, HCURSOR cursor, CursorOwnership ownership) {
    Entry& entry = m_cursors[id];
    if (entry.handle == cursor) {
        // The same cursor again only changes who owns it.
        if (ownership == CursorOwnership::Shared)
            (void)entry.owned.release();
        else
            entry.owned.reset(cursor);
        return;
    }
    entry.owned.reset(ownership == CursorOwnership::Owned ? cursor : nullptr);
    entry.handle = cursor;
}

void Screen::removeCursor(int id) {
    m_cursors.erase(id);
}

void Screen::setScreenCursor(int id) {
    if (m_screenCursor == id)
        return;
    m_screenCursor = id;
    // Show an override at once; going back to crDefault shows at the next mouse move.
    if (id != crDefault)
        SetCursor(cursor(id));
}

int Screen::width() const {
    return GetSystemMetrics(SM_CXSCREEN);
}
int Screen::height() const {
    return GetSystemMetrics(SM_CYSCREEN);
}

core::Rect Screen::workAreaRect() const {
    HMONITOR monitor = nullptr;
    if (CustomForm* main = application().mainForm(); main && main->hasHandle())
        monitor = MonitorFromWindow(main->handle(), MONITOR_DEFAULTTOPRIMARY);
    else
        monitor = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (monitor && GetMonitorInfoW(monitor, &info))
        return {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
    RECT r{0, 0, width(), height()};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return {r.left, r.top, r.right, r.bottom};
}

Screen& screen() {
    static Screen instance;
    return instance;
}

} // namespace gui
