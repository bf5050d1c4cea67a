#pragma once
// Keyboard shortcuts as menu items store them, and the "&" accelerator markers of captions.
#include <cstdint>
#include <string>
#include <string_view>

namespace gui {

// Low byte: virtual-key code; high bits: modifiers.
using ShortCut = uint16_t;
constexpr ShortCut scNone = 0;
constexpr ShortCut scShift = 0x2000;
constexpr ShortCut scCtrl = 0x4000;
constexpr ShortCut scAlt = 0x8000;

constexpr ShortCut makeShortCut(uint8_t virtualKey, ShortCut modifiers = scNone) {
    return ShortCut(virtualKey | (modifiers & (scShift | scCtrl | scAlt)));
}
constexpr uint8_t shortCutKey(ShortCut s) {
    return uint8_t(s & 0xFF);
}
constexpr ShortCut shortCutModifiers(ShortCut s) {
    return ShortCut(s & (scShift | scCtrl | scAlt));
}

// "Ctrl+S", "Shift+Ctrl+F5", "Alt+BkSp"...; empty for scNone or a key without a name.
std::string shortCutToText(ShortCut shortCut);
// The reverse, ignoring case and spaces around "+"; scNone when the text names no shortcut.
ShortCut textToShortCut(std::string_view text);
// The shortcut of the currently pressed modifiers (GetKeyState) with virtualKey.
ShortCut shortCutFromKey(uint8_t virtualKey);

// The accelerator character of a caption: the one after a single "&" ("&&" is a literal "&"),
// upper-cased; 0 when none. Works on UTF-8 and returns the code point.
char32_t accelerator(std::string_view caption);
// Whether key (a character or virtual-key code of a letter or digit) is the caption's accelerator.
bool isAccel(char32_t key, std::string_view caption);
// The caption as displayed: single "&" removed, "&&" as "&".
std::string stripHotkey(std::string_view caption);

} // namespace gui
