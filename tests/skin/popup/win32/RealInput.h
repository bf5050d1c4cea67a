#pragma once
// Real input for the menu tests: xdotool on the X display the program runs on, started as a Unix
// program through Wine.
#include "core/Utf8.h"

#include <windows.h>

#include <string>

namespace menu_testing {

// Runs xdotool with args and waits for it; false when it could not be started.
inline bool xdotool(const std::string& args) {
    std::wstring command = L"Z:\\usr\\bin\\xdotool " + core::utf8ToWide(args);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

} // namespace menu_testing
