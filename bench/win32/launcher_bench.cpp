// The launcher's window costs under Wine, each next to a bare window doing the same in the same run:
//   startup  program entry to the first painted frame, each start-up in a process of its own and
//            timed inside it (so the platform's own process start does not count): the skinned
//            launcher with its breakdown (framework, skin load, layout, window creation, first paint)
//            against a bare window of the launcher's size (window creation, first paint); medians
//            of 3 start-ups each, taken in turn after one of each that is not counted
//   resize   the launcher window resized through a range of sizes, each step waiting until the
//            window and its children are painted, against a bare window of the same sizes; time per
//            step with the skinned window's share in WM_SIZE (frame geometry and window region),
//            WM_NCPAINT (border strips, objects and the transfer) and, measured beside it, the
//            border strips' composition alone; medians of 3 passes
// Usage: launcher_bench [--smoke]         (--smoke: one start-up each and a few steps, for the tests)
//        launcher_bench --first-paint launcher | --first-paint bare WxH   (one start-up, printed)
#include "core/FormMessages.h"
#include "gui/Application.h"
#include "gui/Form.h"
#include "gui/MessageHook.h"
#include "launcher/LauncherClasses.h"
#include "launcher/LauncherWindow.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinNotifier.h"
#include "skin/render/SkinCompose.h"
#include "skin/render/preview/StorePreview.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

int64_t now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

double ms(int64_t ticks) {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return double(f.QuadPart);
    }();
    return double(ticks) * 1000.0 / frequency;
}

double median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// --- Bare window -----------------------------------------------------------------------------------

// A plain top-level window with the platform's frame, painted by the platform; onNcPaint, when set,
// runs after each WM_NCPAINT.
void (*onBareNcPaint)(HWND) = nullptr;

LRESULT CALLBACK bareWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCPAINT) {
        const LRESULT result = DefWindowProcW(hwnd, msg, wParam, lParam);
        if (onBareNcPaint)
            onBareNcPaint(hwnd);
        return result;
    }
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND createBareWindow(int x, int y, int width, int height) {
    static const ATOM atom = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = bareWindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
        wc.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
        wc.lpszClassName = L"VelmoraBenchBareWindow";
        return RegisterClassExW(&wc);
    }();
    if (!atom)
        return nullptr;
    return CreateWindowExW(0, L"VelmoraBenchBareWindow", L"Bare window", WS_OVERLAPPEDWINDOW, x, y, width,
                           height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// --- Start-up, in a child process ------------------------------------------------------------------

// Times the store's load (1225 to the end of 1227) and, apart from it, the making of the main window,
// which the first notification causes; hands every message on to the forms as the store would.
class LoadProbe final : public skin::SkinNotifier {
public:
    int64_t loadStart = 0, loadEnd = 0, windowTicks = 0;

    void notify(skin::SkinData& store, int message) override {
        if (message == skin::wmBeforeChangeSkinData && !loadStart) {
            loadStart = now();
            if (auto* form = dynamic_cast<gui::CustomForm*>(store.owner()); form && !form->hasHandle()) {
                const int64_t t = now();
                form->handleNeeded();
                windowTicks = now() - t;
            }
        }
        core::sendToForms(store.owner(), uint32_t(message), reinterpret_cast<uintptr_t>(&store),
                          skin::skinMessageLParam);
        if (message == skin::wmAfterChangeSkinData && !loadEnd)
            loadEnd = now();
    }
};

int firstPaintLauncher(int64_t entry) {
    gui::Application& app = gui::application();
    app.initialize();
    launcher::registerLauncherClasses();
    LoadProbe probe;
    skin::SkinNotifier* previous = skin::setSkinNotifier(&probe);
    const int64_t layoutStart = now();
    auto* form = new launcher::LauncherWindow(&app);
    const int64_t layoutEnd = now();
    skin::setSkinNotifier(previous);
    app.setMainForm(form);
    const int64_t createStart = now();
    HWND hwnd = form->handle(); // made already when the layout loaded its skin
    const int64_t created = now();
    int64_t painted = 0;
    gui::FunctionHook hook([&](gui::Message& m, const std::function<void(gui::Message&)>& previousHandler) {
        previousHandler(m);
        if (m.msg == WM_NCPAINT && !painted && IsWindowVisible(hwnd)) {
            painted = now();
            PostQuitMessage(0);
        }
    });
    form->installHook(&hook);
    app.run();
    form->removeHook(&hook);
    RECT r;
    GetWindowRect(hwnd, &r);
    const int64_t load = probe.loadEnd - probe.loadStart - probe.windowTicks;
    std::printf(
        "launcher total=%.3f framework=%.3f skinload=%.3f layout=%.3f window=%.3f paint=%.3f "
        "size=%ldx%ld\n",
        ms(painted - entry), ms(layoutStart - entry), ms(load),
        ms(layoutEnd - layoutStart - load - probe.windowTicks), ms(probe.windowTicks + created - createStart),
        ms(painted - layoutEnd - (created - createStart)), long(r.right - r.left), long(r.bottom - r.top));
    std::fflush(stdout);
    // The window goes before the application object: left to the program's end, the form would be
    // freed after what it uses.
    delete form;
    return painted ? 0 : 1;
}

int64_t barePainted = 0;

int firstPaintBare(int64_t entry, int width, int height) {
    const int64_t createStart = now();
    HWND hwnd = createBareWindow(CW_USEDEFAULT, CW_USEDEFAULT, width, height);
    const int64_t created = now();
    if (!hwnd)
        return 1;
    onBareNcPaint = [](HWND h) {
        if (!barePainted && IsWindowVisible(h)) {
            barePainted = now();
            PostQuitMessage(0);
        }
    };
    ShowWindow(hwnd, SW_SHOWNORMAL);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    std::printf("bare total=%.3f window=%.3f paint=%.3f\n", ms(barePainted - entry),
                ms(created - createStart), ms(barePainted - created));
    DestroyWindow(hwnd);
    return barePainted ? 0 : 1;
}

// Runs this program with arguments and returns what it printed (empty on failure).
std::string runChild(const std::wstring& arguments) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &sa, 0))
        return {};
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    std::wstring command = L"\"" + std::wstring(self) + L"\" " + arguments;
    PROCESS_INFORMATION pi{};
    const BOOL started =
        CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    CloseHandle(writeEnd);
    std::string output;
    if (started) {
        char buffer[512];
        DWORD got = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
            output.append(buffer, got);
        WaitForSingleObject(pi.hProcess, 30000);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    CloseHandle(readEnd);
    return output;
}

// The value of `key=` in a child's line, or 0.
double field(const std::string& line, const std::string& key) {
    const size_t at = line.find(" " + key + "=");
    return at == std::string::npos ? 0 : std::atof(line.c_str() + at + key.size() + 2);
}

bool startupBench(int rounds) {
    std::vector<double> launcherTotal, bareTotal, framework, load, layout, window, paint, bareWindow,
        barePaint;
    std::string size = "425x390";
    // With more than one round, the first one warms what the platform keeps between processes (its
    // font and library caches) for both kinds and is not counted.
    const int warmUp = rounds > 1 ? 1 : 0;
    for (int i = 0; i < rounds + warmUp; ++i) {
        const std::string l = runChild(L"--first-paint launcher");
        const size_t at = l.find("size=");
        if (l.rfind("launcher ", 0) != 0 || at == std::string::npos) {
            std::fprintf(stderr, "launcher start-up failed: %s\n", l.c_str());
            return false;
        }
        size = l.substr(at + 5, l.find_first_of("\r\n", at) - at - 5);
        const std::string b = runChild(L"--first-paint bare " + std::wstring(size.begin(), size.end()));
        if (b.rfind("bare ", 0) != 0) {
            std::fprintf(stderr, "bare start-up failed: %s\n", b.c_str());
            return false;
        }
        if (i < warmUp)
            continue;
        launcherTotal.push_back(field(l, "total"));
        framework.push_back(field(l, "framework"));
        load.push_back(field(l, "skinload"));
        layout.push_back(field(l, "layout"));
        window.push_back(field(l, "window"));
        paint.push_back(field(l, "paint"));
        bareTotal.push_back(field(b, "total"));
        bareWindow.push_back(field(b, "window"));
        barePaint.push_back(field(b, "paint"));
    }
    std::printf("startup  launcher %8.2f ms (framework %.2f, skin load %.2f, layout %.2f, window %.2f, "
                "first paint %.2f)\n",
                median(launcherTotal), median(framework), median(load), median(layout), median(window),
                median(paint));
    std::printf("startup  bare     %8.2f ms (window %.2f, first paint %.2f), %s\n", median(bareTotal),
                median(bareWindow), median(barePaint), size.c_str());
    std::printf("startup  %.2f x the bare window (entry to first frame paint)\n",
                median(launcherTotal) / std::max(median(bareTotal), 1e-6));
    return true;
}

// --- Resizing, in this process ---------------------------------------------------------------------

void pumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// One resize: the new size set, then every pending paint of the window and its children done.
void resizeStep(HWND hwnd, int width, int height) {
    SetWindowPos(hwnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    pumpMessages();
}

skin::SkinData* findStore(core::Component& owner) {
    for (core::Component* c : owner.components())
        if (auto* store = dynamic_cast<skin::SkinData*>(c))
            return store;
    return nullptr;
}

bool resizeBench(int steps, int passes) {
    gui::Application& app = gui::application();
    app.initialize();
    launcher::registerLauncherClasses();
    auto* form = new launcher::LauncherWindow(&app);
    app.setMainForm(form);
    form->setBounds(10, 10, form->width(), form->height());
    form->showForm();
    HWND skinned = form->handle();
    HWND bare = createBareWindow(30, 30, form->width(), form->height());
    if (!bare)
        return false;
    ShowWindow(bare, SW_SHOWNOACTIVATE);
    pumpMessages();
    skin::SkinData* store = findStore(*form);
    if (!store || store->isSkinEmpty())
        return false;

    // The skinned window's own share, timed where its messages arrive: WM_SIZE without the paints
    // it causes at once, and WM_NCPAINT.
    int64_t sizeTicks = 0, ncPaintTicks = 0;
    gui::FunctionHook hook([&](gui::Message& m, const std::function<void(gui::Message&)>& previous) {
        if (m.msg != WM_SIZE && m.msg != WM_NCPAINT) {
            previous(m);
            return;
        }
        const int64_t start = now(), paintBefore = ncPaintTicks;
        previous(m);
        const int64_t spent = now() - start;
        if (m.msg == WM_NCPAINT)
            ncPaintTicks += spent;
        else
            sizeTicks += spent - (ncPaintTicks - paintBefore);
    });
    form->installHook(&hook);

    std::vector<std::pair<int, int>> sizes;
    for (int i = 0; i < steps; ++i)
        sizes.push_back({440 + (i * 97) % 800, 420 + (i * 61) % 480});
    const skin::FramePreviewSkin look = skin::framePreviewSkin(*store);
    skin::FormBorderImages strips;

    std::vector<double> skinnedStep, bareStep, sizeStep, ncPaintStep, stripsStep;
    for (int pass = 0; pass < passes; ++pass) {
        int64_t skinnedTicks = 0, bareTicks = 0, stripsTicks = 0;
        sizeTicks = ncPaintTicks = 0;
        for (auto [w, h] : sizes) {
            int64_t t = now();
            resizeStep(skinned, w, h);
            skinnedTicks += now() - t;
            t = now();
            resizeStep(bare, w, h);
            bareTicks += now() - t;
            t = now();
            const skin::FrameGeometry g = skin::computeFrameGeometry(look.metrics, w, h);
            skin::composeFormBorderImages(look.metrics.frame(), g.frame(), strips, *look.picture,
                                          look.picture->bounds(), w, h, look.stretch);
            stripsTicks += now() - t;
        }
        const double n = double(sizes.size());
        skinnedStep.push_back(ms(skinnedTicks) / n);
        bareStep.push_back(ms(bareTicks) / n);
        sizeStep.push_back(ms(sizeTicks) / n);
        ncPaintStep.push_back(ms(ncPaintTicks) / n);
        stripsStep.push_back(ms(stripsTicks) / n);
    }
    form->removeHook(&hook);
    DestroyWindow(bare);
    std::printf("resize   launcher %8.3f ms per step (WM_SIZE: geometry and region %.3f, WM_NCPAINT %.3f, "
                "of which the border strips alone %.3f)\n",
                median(skinnedStep), median(sizeStep), median(ncPaintStep), median(stripsStep));
    std::printf("resize   bare     %8.3f ms per step, %zu sizes from 440x420 to 1239x899\n", median(bareStep),
                sizes.size());
    std::printf("resize   %.2f x the bare window\n", median(skinnedStep) / std::max(median(bareStep), 1e-6));
    delete form;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const int64_t entry = now();
    if (argc >= 3 && std::strcmp(argv[1], "--first-paint") == 0) {
        if (std::strcmp(argv[2], "launcher") == 0)
            return firstPaintLauncher(entry);
        int width = 0, height = 0;
        if (std::strcmp(argv[2], "bare") == 0 && argc >= 4 &&
            std::sscanf(argv[3], "%dx%d", &width, &height) == 2)
            return firstPaintBare(entry, width, height);
        return 2;
    }
    const bool smoke = argc >= 2 && std::strcmp(argv[1], "--smoke") == 0;
    try {
        if (!startupBench(smoke ? 1 : 3))
            return 1;
        if (!resizeBench(smoke ? 4 : 40, smoke ? 1 : 3))
            return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "launcher_bench: %s\n", e.what());
        return 1;
    }
    std::fflush(stdout);
    return 0;
}
