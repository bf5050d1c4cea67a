#pragma once
// Helpers for the skinned-control tests: the Velmora skin loaded into a store, off-screen rendering
// of a window control, and message pumping.
#include "core/FBitmap.h"
#include "core/Stream.h"
#include "gui/Application.h"
#include "gui/Bitmap.h"
#include "gui/WinControl.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"

#include <windows.h>

#include <string>

namespace skin_testing {

inline std::string velmoraPackagePath() {
    return std::string(VELMORA_BINARY_DIR) + "/skins/velmora/velmora.package";
}

// A package component holding the Velmora skin.
inline void fillVelmora(skin::CompressedStoredSkin& package) {
    package.setPackageBytes(core::readFileBytes(velmoraPackagePath()));
}

// What the control shows in its client area, painted off-screen.
inline core::FBitmap renderClient(gui::WinControl& control) {
    const core::Rect client = control.clientRect();
    gui::Bitmap bitmap(client.width(), client.height());
    control.paintWindow(bitmap.dc(), client);
    GdiFlush();
    return bitmap.toFBitmap();
}

inline core::Color sys(core::Color c) {
    return core::colorToRgb(c);
}

inline void pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

} // namespace skin_testing
