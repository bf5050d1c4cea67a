#include "gui/HintWindow.h"

#include "core/HintGeometry.h"
#include "core/Utf8.h"

#include <utility>
#include <vector>

namespace gui {

namespace {

const wchar_t* hintWindowClass(WNDPROC proc) {
    static const wchar_t* const name = L"VelmoraHintWindow";
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc{};
        wc.style = CS_SAVEBITS | CS_DROPSHADOW;
        wc.lpfnWndProc = proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = name;
        registered = RegisterClassW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }
    return name;
}

} // namespace

HintWindow::HintWindow() = default;

int32_t HintWindow::cursorMargin() {
    const int32_t fallback = GetSystemMetrics(SM_CYCURSOR);
    ICONINFO info{};
    HCURSOR cursor = GetCursor();
    if (!cursor || !GetIconInfo(cursor, &info))
        return fallback;
    int32_t margin = fallback;
    BITMAP mask{};
    if (info.hbmMask && GetObjectW(info.hbmMask, sizeof(mask), &mask) && mask.bmBitsPixel == 1 &&
        mask.bmWidth > 0 && mask.bmHeight > 0) {
        struct {
            BITMAPINFOHEADER header;
            RGBQUAD colors[2];
        } bmi{};
        bmi.header.biSize = sizeof(BITMAPINFOHEADER);
        bmi.header.biWidth = mask.bmWidth;
        bmi.header.biHeight = mask.bmHeight; // bottom row first
        bmi.header.biPlanes = 1;
        bmi.header.biBitCount = 1;
        const size_t rowSize = size_t((mask.bmWidth + 31) / 32) * 4;
        std::vector<uint8_t> bits(rowSize * size_t(mask.bmHeight));
        HDC dc = GetDC(nullptr);
        const int rows = GetDIBits(dc, info.hbmMask, 0, UINT(mask.bmHeight), bits.data(),
                                   reinterpret_cast<BITMAPINFO*>(&bmi), DIB_RGB_COLORS);
        ReleaseDC(nullptr, dc);
        if (rows == mask.bmHeight)
            margin =
                core::cursorHintMargin(bits, mask.bmWidth, mask.bmHeight, int32_t(info.yHotspot), fallback);
    }
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    return margin;
}

HintWindow::~HintWindow() {
    if (HWND w = std::exchange(m_window, nullptr)) {
        SetWindowLongPtrW(w, GWLP_USERDATA, 0);
        DestroyWindow(w);
    }
}

HWND HintWindow::handle() {
    if (!m_window) {
        m_window =
            CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, hintWindowClass(&HintWindow::windowProc), L"",
                            WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (m_window)
            SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    return m_window;
}

core::Point HintWindow::measureText(HFONT font, const std::string& text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    const std::wstring wide = core::utf8ToWide(text);
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, wide.c_str(), int(wide.size()), &r, DT_CALCRECT | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {r.right - r.left, r.bottom - r.top};
}

void HintWindow::activateHint(const core::Rect& rect, const std::string& text) {
    m_caption = text;
    const core::Point t = measureText(m_font.handle(), text);
    const core::HintLayout l = core::hintLayout(nullptr, t.x, t.y);
    resize({l.width, l.height});
    const core::Rect r = core::placeHint({rect.left, rect.top}, l.width, l.height,
                                         GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    showAt({r.left, r.top});
}

void HintWindow::resize(core::Point size) {
    m_size = size;
    if (handle())
        SetWindowPos(m_window, nullptr, 0, 0, size.x, size.y,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

void HintWindow::showAt(core::Point p) {
    if (!handle())
        return;
    SetWindowPos(m_window, HWND_TOPMOST, p.x, p.y, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
    InvalidateRect(m_window, nullptr, FALSE);
    UpdateWindow(m_window);
}

void HintWindow::hideHint() {
    if (m_window && IsWindowVisible(m_window))
        SetWindowPos(m_window, HWND_TOPMOST, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE);
}

bool HintWindow::isHintVisible() const {
    return m_window && IsWindowVisible(m_window);
}

void HintWindow::paint(HDC dc) {
    RECT all{0, 0, m_size.x, m_size.y};
    FillRect(dc, &all, GetSysColorBrush(COLOR_INFOBK));
    FrameRect(dc, &all, GetSysColorBrush(COLOR_BTNSHADOW));
    HGDIOBJ old = SelectObject(dc, m_font.handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    const std::wstring wide = core::utf8ToWide(m_caption);
    RECT text{core::plainHintMargin, core::plainHintMargin, m_size.x - core::plainHintMargin,
              m_size.y - core::plainHintMargin};
    DrawTextW(dc, wide.c_str(), int(wide.size()), &text, DT_NOPREFIX);
    SelectObject(dc, old);
}

void HintWindow::paintWindow() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_window, &ps);
    if (m_size.x > 0 && m_size.y > 0) {
        // One transfer from an off-screen bitmap, so the hint never flickers.
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, m_size.x, m_size.y);
        if (memory && bitmap) {
            HGDIOBJ old = SelectObject(memory, bitmap);
            paint(memory);
            BitBlt(dc, 0, 0, m_size.x, m_size.y, memory, 0, 0, SRCCOPY);
            SelectObject(memory, old);
        }
        if (bitmap)
            DeleteObject(bitmap);
        if (memory)
            DeleteDC(memory);
    }
    EndPaint(m_window, &ps);
}

LRESULT CALLBACK HintWindow::windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<HintWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self) {
        switch (msg) {
        case WM_PAINT:
            self->paintWindow();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_NCHITTEST:
            // The mouse goes through to what lies under the hint.
            return HTTRANSPARENT;
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        default:
            break;
        }
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

} // namespace gui
