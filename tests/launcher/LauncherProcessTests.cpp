// The launcher program as a user meets it: started in a folder, buttons clicked with the real
// mouse, window closed. A stand-in installer in the folder's data directory records each start.
#include "../skin/form/win32/FrameComparison.h"
#include "../skin/form/win32/XdoInput.h"
#include "core/Stream.h"
#include "core/Utf8.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/render/FramePreview.h"
#include "skin/render/preview/StorePreview.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Build paths are host paths; Wine sees the host's root as drive Z:.
std::wstring hostPath(const char* path) {
    std::wstring wide = core::utf8ToWide(path);
    if (!wide.empty() && wide[0] == L'/') {
        for (wchar_t& c : wide)
            if (c == L'/')
                c = L'\\';
        wide = L"Z:" + wide;
    }
    return wide;
}

const wchar_t* const windowTitle = L"Velmora安装向导";

// Centres of the buttons in the window's client area: panel, group box and button offsets of the
// layout added up.
constexpr POINT databaseButton = {4 + 9 + 25 + 113 / 2, 5 + 9 + 31 + 113 / 2};
constexpr POINT applicationButton = {4 + 9 + 24 + 121 / 2, 5 + 9 + 213 + 107 / 2};

class TempFolder {
public:
    TempFolder() {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        static int counter = 0;
        m_path = fs::path(base) / (L"velmora-launcher-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                   std::to_wstring(++counter));
        fs::create_directories(m_path);
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    const fs::path& path() const { return m_path; }

    // data/setup.exe and data/kvrsetup.exe, both the recording stand-in.
    void addInstallers() const {
        fs::create_directories(m_path / "data");
        fs::copy_file(hostPath(FAKE_INSTALLER_EXE), m_path / "data" / "setup.exe");
        fs::copy_file(hostPath(FAKE_INSTALLER_EXE), m_path / "data" / "kvrsetup.exe");
    }

    // The lines the installers wrote: "<file name>|<working directory>".
    std::vector<std::string> runs() const {
        std::ifstream in(m_path / "data" / "ran.log", std::ios::binary);
        std::vector<std::string> lines;
        std::string line;
        while (std::getline(in, line))
            if (!line.empty())
                lines.push_back(line);
        return lines;
    }

    std::vector<std::string> waitForRuns(size_t count) const {
        for (int i = 0; i < 150 && runs().size() < count; ++i)
            Sleep(100);
        return runs();
    }

private:
    fs::path m_path;
};

class Launcher {
public:
    explicit Launcher(const fs::path& workingDirectory) {
        std::wstring exe = hostPath(LAUNCHER_EXE);
        std::wstring commandLine = L"\"" + exe + L"\"";
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            workingDirectory.c_str(), &startup, &m_process))
            return;
        WaitForInputIdle(m_process.hProcess, 10000);
        for (int i = 0; i < 200 && !m_window; ++i) {
            m_window = findWindow();
            if (!m_window)
                Sleep(100);
        }
        // Let it paint before the mouse arrives.
        Sleep(500);
    }

    ~Launcher() {
        if (isRunning()) {
            PostMessageW(m_window, WM_CLOSE, 0, 0);
            if (WaitForSingleObject(m_process.hProcess, 5000) != WAIT_OBJECT_0)
                TerminateProcess(m_process.hProcess, 1);
        }
        if (m_process.hProcess) {
            CloseHandle(m_process.hProcess);
            CloseHandle(m_process.hThread);
        }
    }

    HWND window() const { return m_window; }
    bool isRunning() const {
        return m_process.hProcess && WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
    }

    // A real left click at a point of the window's client area.
    void click(POINT client) const {
        POINT screen = client;
        ClientToScreen(m_window, &screen);
        clickScreen(screen);
    }

    // The exit code once the process has ended by itself, or -1 after timeoutMs.
    long waitForExit(DWORD timeoutMs) const {
        if (WaitForSingleObject(m_process.hProcess, timeoutMs) != WAIT_OBJECT_0)
            return -1;
        DWORD code = 0;
        GetExitCodeProcess(m_process.hProcess, &code);
        return long(code);
    }

private:
    void clickScreen(POINT screen) const {
        const int width = GetSystemMetrics(SM_CXSCREEN);
        const int height = GetSystemMetrics(SM_CYSCREEN);
        INPUT inputs[3] = {};
        for (INPUT& input : inputs) {
            input.type = INPUT_MOUSE;
            input.mi.dx = LONG(screen.x * 65535 / (width - 1));
            input.mi.dy = LONG(screen.y * 65535 / (height - 1));
            input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE;
        }
        inputs[0].mi.dwFlags |= MOUSEEVENTF_MOVE;
        inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
        inputs[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
        SendInput(1, &inputs[0], sizeof(INPUT));
        Sleep(100);
        SendInput(1, &inputs[1], sizeof(INPUT));
        Sleep(100);
        SendInput(1, &inputs[2], sizeof(INPUT));
        // Beyond the double-click time, so a following click is a click of its own.
        Sleep(800);
    }

public:
    // Visible top-level windows of the launcher's process.
    int visibleWindows() const {
        int count = 0;
        for (HWND w : topLevelWindows())
            if (IsWindowVisible(w))
                ++count;
        return count;
    }

    // Closes the window the way the user does and returns the exit code (or -1 on a hang).
    long closeAndWait() {
        PostMessageW(m_window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(m_process.hProcess, 10000) != WAIT_OBJECT_0)
            return -1;
        DWORD code = 0;
        GetExitCodeProcess(m_process.hProcess, &code);
        return long(code);
    }

private:
    HWND findWindow() const {
        for (HWND w : topLevelWindows()) {
            wchar_t title[64] = {};
            GetWindowTextW(w, title, 64);
            if (IsWindowVisible(w) && std::wstring(title) == windowTitle)
                return w;
        }
        return nullptr;
    }

    struct WindowSearch {
        DWORD pid;
        std::vector<HWND> found;
    };

    static BOOL CALLBACK collectWindow(HWND w, LPARAM p) {
        auto* search = reinterpret_cast<WindowSearch*>(p);
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid == search->pid)
            search->found.push_back(w);
        return TRUE;
    }

    std::vector<HWND> topLevelWindows() const {
        WindowSearch search{m_process.dwProcessId, {}};
        EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    PROCESS_INFORMATION m_process = {};
    HWND m_window = nullptr;
};

std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

std::string expectedRun(const char* installer, const fs::path& folder) {
    std::string dir = core::wideToUtf8(folder.wstring());
    while (!dir.empty() && (dir.back() == '\\' || dir.back() == '/'))
        dir.pop_back();
    return lower(std::string(installer) + "|" + dir);
}

} // namespace

TEST(LauncherProgram, ButtonsStartTheirInstallersInTheWorkingDirectory) {
    TempFolder folder;
    folder.addInstallers();
    Launcher launcher(folder.path());
    ASSERT_NE(launcher.window(), nullptr) << "the launcher window did not appear";

    launcher.click(databaseButton);
    auto runs = folder.waitForRuns(1);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(lower(runs[0]), expectedRun("setup.exe", folder.path()));

    launcher.click(applicationButton);
    runs = folder.waitForRuns(2);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(lower(runs[1]), expectedRun("kvrsetup.exe", folder.path()));

    // Each click starts the installer again; the launcher stays as it was.
    launcher.click(databaseButton);
    launcher.click(databaseButton);
    runs = folder.waitForRuns(4);
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(lower(runs[2]), expectedRun("setup.exe", folder.path()));
    EXPECT_EQ(lower(runs[3]), expectedRun("setup.exe", folder.path()));
    EXPECT_TRUE(launcher.isRunning());
    EXPECT_TRUE(IsWindowVisible(launcher.window()));

    EXPECT_EQ(launcher.closeAndWait(), 0);
}

TEST(LauncherProgram, WithoutInstallersClicksShowNothingAndTheLauncherKeepsRunning) {
    TempFolder folder; // no data folder
    Launcher launcher(folder.path());
    ASSERT_NE(launcher.window(), nullptr) << "the launcher window did not appear";
    ASSERT_EQ(launcher.visibleWindows(), 1);

    launcher.click(databaseButton);
    launcher.click(applicationButton);
    Sleep(1000);
    EXPECT_TRUE(launcher.isRunning());
    EXPECT_EQ(launcher.visibleWindows(), 1);

    EXPECT_EQ(launcher.closeAndWait(), 0);
}

TEST(LauncherProgram, SkinnedCloseButtonEndsTheProgram) {
    TempFolder folder;
    Launcher launcher(folder.path());
    ASSERT_NE(launcher.window(), nullptr) << "the launcher window did not appear";
    SetForegroundWindow(launcher.window());
    Sleep(300);
    RECT r;
    GetWindowRect(launcher.window(), &r);
    // The skin's close button: 19 pixels square, 9 pixels in from the right edge of the 184-pixel
    // picture, moved with the window's width.
    const LONG dx = (r.right - r.left) - 184;
    const int x = int(r.left + 165 + dx), y = int(r.top + 16);
    // Pressed, moved off and released there: nothing happens.
    form_testing::mouseTo(x, y);
    Sleep(300);
    form_testing::mouseButton(MOUSEEVENTF_LEFTDOWN);
    Sleep(150);
    form_testing::mouseTo(x - 150, y + 150);
    Sleep(300);
    form_testing::mouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(launcher.waitForExit(1000), -1);
    // Released over it: the program ends.
    form_testing::mouseTo(x, y);
    Sleep(300);
    form_testing::mouseButton(MOUSEEVENTF_LEFTDOWN);
    Sleep(150);
    form_testing::mouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(launcher.waitForExit(10000), 0);
}

TEST(LauncherProgram, SkinnedFrameOnTheScreenEqualsTheRenderedSkin) {
    TempFolder folder;
    Launcher launcher(folder.path());
    ASSERT_NE(launcher.window(), nullptr) << "the launcher window did not appear";
    Sleep(500);
    RECT r;
    GetWindowRect(launcher.window(), &r);
    const int W = r.right - r.left, H = r.bottom - r.top;
    // The stored skin of the layout is the packed Velmora skin of the build.
    skin::CompressedStoredSkin package;
    package.setPackageBytes(
        core::readFileBytes(std::string(VELMORA_BINARY_DIR) + "/skins/velmora/velmora.package"));
    skin::SkinData store;
    store.setCompressedStoredSkin(&package);
    // The caption objects are left out of the comparison (the render draws none): the system-menu
    // button and the caption with its text (x 7 .. 96 + dx), and the button row (x 108 + dx ..
    // 175 + dx), all within rows 3 .. 26 of the top band.
    const int dx = W - 184;
    const auto result = screen_testing::compareFrameWithRender(
        r, skin::framePreviewSkin(store), {{7, 3, 96 + dx, 26}, {108 + dx, 7, 175 + dx, 26}});
    EXPECT_GT(result.compared, 2 * (W + H));
    EXPECT_EQ(result.different, 0) << result.firstDifferences;
}
