#pragma once
// Classes in this file: FormObjectKind, FormObjectPlace, BuiltInFrameMetrics — and the two layouts of
// a skinned window's caption objects: from the skin for the current frame size, and the built-in
// look's fixed row of buttons.
#include "skin/data/SkinIni.h"
#include "skin/render/FrameGeometry.h"

#include <vector>

namespace skin {

enum class FormObjectKind { User, Animate, Button, StdButton, Caption };

// What the layout needs of one caption object, and where it puts it (objectRect).
struct FormObjectPlace {
    FormObjectKind kind = FormObjectKind::User;
    WindowCommand command = WindowCommand::cmDefault; // standard buttons and animations
    Rect skinRect;
    bool skinRectInAPicture = false; // its images lie in an active picture, not in the frame picture
    bool visible = true;
    Rect objectRect;

    bool hasCommand() const { return kind == FormObjectKind::StdButton || kind == FormObjectKind::Animate; }
};

// Places every object for a frame of the size g was computed for. Objects drawn in the frame picture
// move with the frame zone they lie in; objects with pictures of their own form the button row along
// the buttons rect (or the caption rect) and the system-menu button sits at the caption's left.
// smallIconSize, when not (0, 0), replaces the system-menu button's size (the window icon is shown).
void layoutFormObjects(const FormFrameMetrics& metrics, const FrameGeometry& g,
                       std::vector<FormObjectPlace>& objects, Point smallIconSize = {});

// The built-in look (no skin): a caption of captionHeight over a 3-pixel border, square buttons.
struct BuiltInFrameMetrics {
    int32_t captionHeight = 19;
    int32_t buttonSize = 17;
    static constexpr int32_t border = 3;
    static constexpr int32_t buttonTop = 4;

    static BuiltInFrameMetrics forToolWindow(bool toolWindow) {
        return toolWindow ? BuiltInFrameMetrics{15, 13} : BuiltInFrameMetrics{};
    }
    Rect clientRect(int32_t width, int32_t height) const {
        return {border, border + captionHeight, width - border, height - border};
    }
};

// Lays the built-in buttons out along the top of a window `width` wide and returns the caption rect
// that is left between them.
Rect layoutBuiltInObjects(const BuiltInFrameMetrics& metrics, int32_t width,
                          std::vector<FormObjectPlace>& objects, Point smallIconSize = {});

// The client rect the platform gets for a proposed window rect (non-client size): the frame's client
// rect moved with the window's size; never inverted.
Rect skinnedClientFromWindow(const FormFrameMetrics& metrics, const Rect& window);
Rect builtInClientFromWindow(const BuiltInFrameMetrics& metrics, const Rect& window);

} // namespace skin
