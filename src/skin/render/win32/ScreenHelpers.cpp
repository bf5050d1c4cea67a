#include "skin/render/win32/ScreenHelpers.h"

namespace skin {

namespace {

using MonitorFromWindowFn = HMONITOR(WINAPI*)(HWND, DWORD);
using GetMonitorInfoFn = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);
using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

// The multi-monitor functions, looked up once by name.
struct MonitorFunctions {
    MonitorFromWindowFn monitorFromWindow = nullptr;
    GetMonitorInfoFn getMonitorInfo = nullptr;

    MonitorFunctions() {
        if (HMODULE user32 = GetModuleHandleW(L"user32.dll")) {
            monitorFromWindow = reinterpret_cast<MonitorFromWindowFn>(
                reinterpret_cast<void*>(GetProcAddress(user32, "MonitorFromWindow")));
            getMonitorInfo = reinterpret_cast<GetMonitorInfoFn>(
                reinterpret_cast<void*>(GetProcAddress(user32, "GetMonitorInfoA")));
        }
    }
};

const MonitorFunctions& monitorFunctions() {
    static const MonitorFunctions functions;
    return functions;
}

core::Rect toRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

} // namespace

void getMonitorWorkArea(HWND window, bool workArea, core::Rect& result) {
    const MonitorFunctions& f = monitorFunctions();
    if (GetSystemMetrics(SM_CMONITORS) > 1 && f.monitorFromWindow && f.getMonitorInfo) {
        MONITORINFO info{};
        info.cbSize = sizeof(info);
        HMONITOR monitor = f.monitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
        if (monitor && f.getMonitorInfo(monitor, &info))
            result = toRect(workArea ? info.rcWork : info.rcMonitor);
        return;
    }
    if (workArea) {
        RECT r;
        if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0))
            result = toRect(r);
        return;
    }
    result = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void setWindowAlpha(HWND window, uint8_t alpha) {
    HMODULE user32 = GetModuleHandleW(L"USER32");
    if (!user32)
        return;
    auto set = reinterpret_cast<SetLayeredWindowAttributesFn>(
        reinterpret_cast<void*>(GetProcAddress(user32, "SetLayeredWindowAttributes")));
    if (set)
        set(window, 0, alpha, LWA_ALPHA);
}

void drawTo(HDC dc, int32_t x, int32_t y, const core::FBitmap& bitmap) {
    if (bitmap.isEmpty())
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = bitmap.width();
    info.bmiHeader.biHeight = -bitmap.height(); // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, x, y, DWORD(bitmap.width()), DWORD(bitmap.height()), 0, 0, 0, UINT(bitmap.height()),
                      bitmap.bits(), &info, DIB_RGB_COLORS);
}

void drawTo(HDC dc, int32_t x, int32_t y, const EffectBmp& bitmap) {
    drawTo(dc, x, y, bitmap.bitmap());
}

PlatformVersion platformVersion() {
    return PlatformVersion::fromVersionWord(GetVersion());
}

bool hasLayeredWindows() {
    return platformVersion().hasLayeredWindows();
}

bool hasDropShadow() {
    return platformVersion().hasDropShadow();
}

} // namespace skin
