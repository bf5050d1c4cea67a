#pragma once
// A skinned window for the tests: a form with a SkinForm on the Velmora skin, shown, plus real input
// sent from a helper thread while the test thread keeps the window's messages flowing (the platform's
// move, size and menu loops are modal in the window's thread).
#include "XdoInput.h"
#include "core/Stream.h"
#include "gui/Application.h"
#include "gui/Form.h"
#include "skin/controls/SkinNotifierWin32.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/form/win32/FormSkinObjects.h"
#include "skin/form/win32/SkinForm.h"
#include "skin/render/preview/StorePreview.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace form_testing {

inline std::string velmoraPackagePath() {
    return std::string(VELMORA_BINARY_DIR) + "/skins/velmora/velmora.package";
}

inline void pumpFor(DWORD ms) {
    const DWORD start = GetTickCount();
    do {
        gui::application().processMessages();
        Sleep(1);
    } while (GetTickCount() - start < ms);
}

// Runs script on a thread of its own (it sends input and sleeps) while this thread dispatches messages.
inline void runInput(const std::function<void()>& script) {
    std::atomic<bool> done{false};
    std::thread t([&] {
        script();
        done = true;
    });
    while (!done) {
        gui::application().processMessages();
        Sleep(1);
    }
    t.join();
    pumpFor(100);
}

// Moves the mouse in steps from one screen point to another with the left button held.
inline void drag(POINT from, POINT to) {
    mouseTo(from.x, from.y);
    Sleep(150);
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    Sleep(150);
    for (int i = 1; i <= 10; ++i) {
        mouseTo(from.x + (to.x - from.x) * i / 10, from.y + (to.y - from.y) * i / 10);
        Sleep(40);
    }
    Sleep(150);
    mouseButton(MOUSEEVENTF_LEFTUP);
    Sleep(300);
}

struct SkinnedWindow {
    gui::Form* form = nullptr;
    skin::SkinForm* skinForm = nullptr;
    skin::SkinData* store = nullptr;
    skin::CompressedStoredSkin* package = nullptr;

    explicit SkinnedWindow(bool withSkin = true, core::Rect bounds = {200, 150, 500, 400}) {
        skin::installWindowsSkinNotifier();
        form = new gui::Form();
        form->setCaption("Skinned window");
        form->setBounds(bounds.left, bounds.top, bounds.width(), bounds.height());
        skinForm = new skin::SkinForm(form);
        store = new skin::SkinData(form);
        package = new skin::CompressedStoredSkin(form);
        if (withSkin) {
            package->setPackageBytes(core::readFileBytes(velmoraPackagePath()));
            skinForm->setSkinData(store);
            store->setCompressedStoredSkin(package);
        }
        form->showForm();
        activate();
    }
    ~SkinnedWindow() { delete form; }
    SkinnedWindow(const SkinnedWindow&) = delete;
    SkinnedWindow& operator=(const SkinnedWindow&) = delete;

    HWND hwnd() const { return form->handle(); }
    void activate() const {
        SetForegroundWindow(hwnd());
        SetActiveWindow(hwnd());
        pumpFor(300);
    }
    RECT bounds() const {
        RECT r;
        GetWindowRect(hwnd(), &r);
        return r;
    }
    skin::FramePreviewSkin preview() const { return skin::framePreviewSkin(*store); }
    // A window point on the screen.
    POINT screen(core::Point p) const {
        const RECT r = bounds();
        return {r.left + p.x, r.top + p.y};
    }
    POINT centreOf(const std::string& object) const {
        const core::Rect r = skinForm->findObject(object)->objectRect;
        return screen({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }
    void resize(int w, int h) const {
        SetWindowPos(hwnd(), nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        pumpFor(50);
    }
};

} // namespace form_testing
