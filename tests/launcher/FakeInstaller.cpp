// Stands in for the installers in launcher tests: appends "<its file name>|<working directory>" to
// ran.log beside itself, so a test sees which one ran and where.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t module[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, module, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return 1;
    std::wstring path(module, n);
    size_t slash = path.find_last_of(L"\\/");
    std::wstring dir = path.substr(0, slash + 1);
    std::wstring name = path.substr(slash + 1);

    wchar_t cwd[MAX_PATH];
    DWORD m = GetCurrentDirectoryW(MAX_PATH, cwd);
    std::wstring line = name + L"|" + std::wstring(cwd, m) + L"\n";
    int bytes = WideCharToMultiByte(CP_UTF8, 0, line.data(), int(line.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(size_t(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.data(), int(line.size()), utf8.data(), bytes, nullptr, nullptr);

    // Appends are atomic, so two installers started together both get their line.
    HANDLE log = CreateFileW((dir + L"ran.log").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    WriteFile(log, utf8.data(), DWORD(utf8.size()), &written, nullptr);
    CloseHandle(log);
    return 0;
}
