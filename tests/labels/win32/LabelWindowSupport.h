#pragma once
// Helpers for the label tests under Wine: a shown form to hold labels, message pumping, off-screen
// rendering of what the form shows, and real mouse input.
#include "core/FBitmap.h"
#include "gui/Application.h"
#include "gui/Bitmap.h"
#include "gui/Form.h"

#include <windows.h>

#include <functional>
#include <memory>

namespace labels::test {

inline bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs)
            return done();
        gui::application().processMessages();
        Sleep(1);
    }
    return true;
}

inline void pumpFor(DWORD ms) {
    pumpUntil([] { return false; }, ms);
}

// A plain form at a fixed place, shown, with a light background the label colours stand out from.
inline std::unique_ptr<gui::Form> makeForm() {
    auto form = std::make_unique<gui::Form>();
    form->setBounds(100, 100, 400, 300);
    form->setColor(core::rgb(240, 240, 240));
    form->showForm();
    pumpFor(50);
    return form;
}

// What the form's client area shows, painted off-screen.
inline core::FBitmap render(gui::WinControl& control) {
    const core::Rect client = control.clientRect();
    gui::Bitmap bitmap(client.width(), client.height());
    control.paintWindow(bitmap.dc(), client);
    GdiFlush();
    return bitmap.toFBitmap();
}

inline int countPixels(const core::FBitmap& bmp, core::Color rgb, core::Rect area) {
    int n = 0;
    for (int y = std::max(area.top, 0); y < std::min(area.bottom, bmp.height()); ++y)
        for (int x = std::max(area.left, 0); x < std::min(area.right, bmp.width()); ++x)
            n += bmp.pixel(x, y) == rgb;
    return n;
}

inline void moveMouseTo(core::Point screen) {
    const int w = GetSystemMetrics(SM_CXSCREEN) - 1;
    const int h = GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = LONG((screen.x * 65535 + w / 2) / w);
    in.mi.dy = LONG((screen.y * 65535 + h / 2) / h);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
}

inline void clickMouse() {
    INPUT in[2]{};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof in[0]);
}

} // namespace labels::test
