#pragma once
// The window that shows a hint: a borderless top-most popup that never takes activation. The plain
// one draws the text on the system's info colours in a one-pixel frame; skinned hints derive from it.
// The application makes its hint window through a replaceable factory (Application::setHintWindowClass).
#include "core/Geometry.h"
#include "gui/Font.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace gui {

class Control;

class HintWindow {
public:
    HintWindow();
    virtual ~HintWindow();
    HintWindow(const HintWindow&) = delete;
    HintWindow& operator=(const HintWindow&) = delete;

    // Sizes the window for text, places it with its top-left at rect's top-left (moved up and left
    // near the screen's bottom-right corner) and shows it without activating it.
    virtual void activateHint(const core::Rect& rect, const std::string& text);
    // Hides the window at once.
    void hideHint();
    bool isHintVisible() const;

    // The window, made on first use; null when the platform refused it.
    HWND handle();
    const std::string& caption() const { return m_caption; }
    // The size the last activateHint gave the window.
    core::Point hintSize() const { return m_size; }
    // The plain hint's font.
    Font& font() { return m_font; }

    // How far below the cursor's hot spot a hint goes: to the lowest visible row of the current
    // cursor, else the system's cursor height.
    static int32_t cursorMargin();

protected:
    // Paints the whole window into dc (an off-screen bitmap of the window's size).
    virtual void paint(HDC dc);
    // Measures text in font as the hint draws it: width x height.
    static core::Point measureText(HFONT font, const std::string& text);
    // Shows the window top-most at p, keeping its size.
    void showAt(core::Point p);
    void resize(core::Point size);

    std::string m_caption;
    core::Point m_size;

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void paintWindow();

    HWND m_window = nullptr;
    Font m_font;
};

// What the application is about to show: the control it belongs to, the screen point of the hint's
// top-left and how long it stays. A show-hint handler may change them, the text, or cancel.
struct HintInfo {
    Control* control = nullptr;
    core::Point position;
    int hidePause = 0;
};
using ShowHintEvent = std::function<void(std::string& text, bool& canShow, HintInfo& info)>;

using HintWindowFactory = std::function<std::unique_ptr<HintWindow>()>;

} // namespace gui
