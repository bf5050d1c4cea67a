#pragma once
// Screen and window helpers of the skinned windows: the work area of a window's monitor, constant
// window transparency, drawing an effect bitmap, and the platform version.
#include "core/Geometry.h"
#include "skin/render/EffectBmp.h"
#include "skin/render/PlatformVersion.h"

#include <windows.h>

namespace skin {

// The rectangle of the monitor nearest to the window: its work area (taskbar excluded) when workArea is
// set, else the whole monitor. Single-monitor systems answer from the desktop work area or the screen
// size. On a failed monitor query `result` is left unchanged.
void getMonitorWorkArea(HWND window, bool workArea, core::Rect& result);

// Constant opacity 0..255 for a window that already has WS_EX_LAYERED; nothing where the system lacks
// layered windows.
void setWindowAlpha(HWND window, uint8_t alpha);

// Puts the whole bitmap on the device context at (x, y) in one transfer.
void drawTo(HDC dc, int32_t x, int32_t y, const EffectBmp& bitmap);
void drawTo(HDC dc, int32_t x, int32_t y, const core::FBitmap& bitmap);

PlatformVersion platformVersion();
// Gates for layered-window alpha and for the CS_DROPSHADOW class style.
bool hasLayeredWindows();
bool hasDropShadow();

} // namespace skin
