#pragma once
// Real input for tests under Wine: xdotool moves the X pointer and presses buttons and keys, so the
// input reaches the windows through the X server like a user's.
#include <windows.h>

#include <string>

namespace form_testing {

// Runs xdotool (the host's X input tool; Wine starts Unix programs too) and waits for it: the
// input then reaches the window through the X server like a user's.
inline bool xdotool(const std::wstring& args) {
    std::wstring commandLine = L"/usr/bin/xdotool " + args;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(L"Z:\\usr\\bin\\xdotool", commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return false;
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return true;
}

inline void mouseTo(int x, int y) {
    xdotool(L"mousemove " + std::to_wstring(x) + L" " + std::to_wstring(y));
}

// MOUSEEVENTF_LEFTDOWN and its kin, as X button presses.
inline void mouseButton(DWORD flag) {
    const bool right = flag == MOUSEEVENTF_RIGHTDOWN || flag == MOUSEEVENTF_RIGHTUP;
    const bool down = flag == MOUSEEVENTF_LEFTDOWN || flag == MOUSEEVENTF_RIGHTDOWN;
    xdotool(std::wstring(down ? L"mousedown " : L"mouseup ") + (right ? L"3" : L"1"));
}

// Moves to (x, y), rests there, and clicks button 1 (left) or 3 (right), in one xdotool run: separate
// runs for press and release can lose the press on a busy machine.
inline void clickAt(int x, int y, int button) {
    xdotool(L"mousemove " + std::to_wstring(x) + L" " + std::to_wstring(y) + L" sleep 0.15 click " +
            std::to_wstring(button));
}

// A key by its X name ("alt", "space", "Escape", "l").
inline void key(const wchar_t* name, bool up) {
    xdotool(std::wstring(up ? L"keyup " : L"keydown ") + name);
}

} // namespace form_testing
