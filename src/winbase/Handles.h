#pragma once
// Classes in this file: UniqueHandle, GdiObject (BitmapHandle, FontHandle, PenHandle, BrushHandle,
// RegionHandle), IconHandle, CursorHandle, MenuHandle, OwnedDC, WindowDC, PaintDC, SelectObjectScope.
// Owning, move-only wrappers for GDI and USER handles: every handle the framework and the skin code
// create lives in one of these, so it is freed exactly once.
#include <windows.h>

#include <atomic>
#include <utility>

namespace winbase {

namespace detail {
inline std::atomic<long> liveHandles{0};
} // namespace detail

// GDI and USER handles owned by the wrappers below right now. Leak tests compare it before and
// after a workload (the platform's own handle counts are not available everywhere: under Wine
// GetGuiResources always answers 0).
inline long liveHandleCount() {
    return detail::liveHandles.load();
}

// Owns one handle and frees it with Traits::close. release() gives the handle up without freeing it.
template <typename H, typename Traits> class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(H handle) : m_handle(handle) {
        if (handle)
            ++detail::liveHandles;
    }
    ~UniqueHandle() { reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }

    H get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

    // The caller owns the returned handle.
    [[nodiscard]] H release() {
        if (m_handle)
            --detail::liveHandles;
        return std::exchange(m_handle, nullptr);
    }
    // Frees the current handle (if any) and takes ownership of handle; the one already owned stays.
    void reset(H handle = nullptr) {
        H old = std::exchange(m_handle, handle);
        if (old == handle)
            return;
        if (handle)
            ++detail::liveHandles;
        if (old) {
            Traits::close(old);
            --detail::liveHandles;
        }
    }

private:
    H m_handle = nullptr;
};

struct GdiObjectTraits {
    static void close(HGDIOBJ h) { DeleteObject(h); }
};
struct IconTraits {
    static void close(HICON h) { DestroyIcon(h); }
};
struct CursorTraits {
    static void close(HCURSOR h) { DestroyCursor(h); }
};
struct MenuTraits {
    static void close(HMENU h) { DestroyMenu(h); }
};

template <typename T> using GdiObject = UniqueHandle<T, GdiObjectTraits>;
using BitmapHandle = GdiObject<HBITMAP>;
using FontHandle = GdiObject<HFONT>;
using PenHandle = GdiObject<HPEN>;
using BrushHandle = GdiObject<HBRUSH>;
using RegionHandle = GdiObject<HRGN>;
using IconHandle = UniqueHandle<HICON, IconTraits>;
using CursorHandle = UniqueHandle<HCURSOR, CursorTraits>;
using MenuHandle = UniqueHandle<HMENU, MenuTraits>;

struct DCTraits {
    static void close(HDC h) { DeleteDC(h); }
};

// A memory DC from CreateCompatibleDC, deleted with DeleteDC.
class OwnedDC : public UniqueHandle<HDC, DCTraits> {
public:
    using UniqueHandle::UniqueHandle;
    // Compatible with reference, or with the screen when reference is null. Check the result with bool.
    static OwnedDC createCompatible(HDC reference = nullptr) {
        return OwnedDC(CreateCompatibleDC(reference));
    }
};

// A window's (or the screen's, for a null window) DC from GetDC, released on scope exit.
class WindowDC {
public:
    explicit WindowDC(HWND window) : m_window(window), m_dc(GetDC(window)) {}
    ~WindowDC() {
        if (m_dc)
            ReleaseDC(m_window, m_dc);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

private:
    HWND m_window;
    HDC m_dc;
};

// BeginPaint / EndPaint for one WM_PAINT.
class PaintDC {
public:
    explicit PaintDC(HWND window) : m_window(window) { m_dc = BeginPaint(window, &m_paint); }
    ~PaintDC() {
        if (m_dc)
            EndPaint(m_window, &m_paint);
    }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    HDC get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }
    const PAINTSTRUCT& paintStruct() const { return m_paint; }

private:
    HWND m_window;
    HDC m_dc = nullptr;
    PAINTSTRUCT m_paint{};
};

// Selects an object into a DC and puts the previous one back on scope exit. The object stays owned
// by the caller and must outlive the scope.
class SelectObjectScope {
public:
    SelectObjectScope(HDC dc, HGDIOBJ object)
        : m_dc(dc), m_old(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~SelectObjectScope() {
        if (m_old && m_old != HGDI_ERROR)
            SelectObject(m_dc, m_old);
    }
    SelectObjectScope(const SelectObjectScope&) = delete;
    SelectObjectScope& operator=(const SelectObjectScope&) = delete;

    HGDIOBJ previous() const { return m_old; }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

} // namespace winbase
