#include "gui/ShortCut.h"

#include "core/Utf8.h"

#include <windows.h>

#include <cctype>

namespace gui {

namespace {

struct KeyName {
    uint8_t key;
    const char* name;
};

constexpr KeyName keyNames[] = {
    {VK_BACK, "BkSp"},   {VK_TAB, "Tab"},        {VK_RETURN, "Enter"},  {VK_ESCAPE, "Esc"},
    {VK_SPACE, "Space"}, {VK_PRIOR, "PgUp"},     {VK_NEXT, "PgDn"},     {VK_END, "End"},
    {VK_HOME, "Home"},   {VK_LEFT, "Left"},      {VK_UP, "Up"},         {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},   {VK_INSERT, "Ins"},     {VK_DELETE, "Del"},    {VK_MULTIPLY, "Num *"},
    {VK_ADD, "Num +"},   {VK_SUBTRACT, "Num -"}, {VK_DECIMAL, "Num ."}, {VK_DIVIDE, "Num /"},
};

std::string keyName(uint8_t key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::string(1, char(key));
    if (key >= VK_F1 && key <= VK_F24)
        return std::string("F").append(std::to_string(key - VK_F1 + 1));
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9)
        return std::string("Num ").append(std::to_string(key - VK_NUMPAD0));
    for (const KeyName& k : keyNames)
        if (k.key == key)
            return k.name;
    return {};
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

char32_t upper(char32_t cp) {
    std::string encoded;
    core::appendUtf8(encoded, cp);
    std::string up = core::utf8ToUpper(encoded);
    size_t i = 0;
    return up.empty() ? cp : core::nextCodePoint(up, i);
}

} // namespace

std::string shortCutToText(ShortCut shortCut) {
    std::string name = keyName(shortCutKey(shortCut));
    if (name.empty())
        return {};
    std::string text;
    if (shortCut & scShift)
        text += "Shift+";
    if (shortCut & scCtrl)
        text += "Ctrl+";
    if (shortCut & scAlt)
        text += "Alt+";
    text.append(name);
    return text;
}

ShortCut textToShortCut(std::string_view text) {
    static constexpr struct {
        const char* name;
        ShortCut flag;
    } modifiers[] = {{"Shift", scShift}, {"Ctrl", scCtrl}, {"Alt", scAlt}};
    ShortCut flags = scNone;
    text = trim(text);
    for (;;) {
        size_t plus = text.find('+');
        if (plus == std::string_view::npos || plus + 1 >= text.size())
            break;
        std::string_view head = trim(text.substr(0, plus));
        ShortCut flag = scNone;
        for (const auto& m : modifiers)
            if (equalsIgnoringCase(head, m.name))
                flag = m.flag;
        if (!flag)
            break;
        flags |= flag;
        text = trim(text.substr(plus + 1));
    }
    if (text.empty())
        return scNone;
    for (int key = 1; key < 256; ++key) {
        std::string name = keyName(uint8_t(key));
        if (!name.empty() && equalsIgnoringCase(name, text))
            return makeShortCut(uint8_t(key), flags);
    }
    return scNone;
}

ShortCut shortCutFromKey(uint8_t virtualKey) {
    ShortCut flags = scNone;
    if (GetKeyState(VK_SHIFT) < 0)
        flags |= scShift;
    if (GetKeyState(VK_CONTROL) < 0)
        flags |= scCtrl;
    if (GetKeyState(VK_MENU) < 0)
        flags |= scAlt;
    return makeShortCut(virtualKey, flags);
}

char32_t accelerator(std::string_view caption) {
    size_t i = 0;
    while (i < caption.size()) {
        if (caption[i] != '&') {
            core::nextCodePoint(caption, i);
            continue;
        }
        ++i;
        if (i >= caption.size())
            return 0;
        if (caption[i] == '&') {
            ++i;
            continue;
        }
        return upper(core::nextCodePoint(caption, i));
    }
    return 0;
}

bool isAccel(char32_t key, std::string_view caption) {
    char32_t accel = accelerator(caption);
    return accel != 0 && key != 0 && upper(key) == accel;
}

std::string stripHotkey(std::string_view caption) {
    std::string out;
    out.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&')
                ++i;
            else
                continue;
        }
        out += caption[i];
    }
    return out;
}

} // namespace gui
