#pragma once
// An icon owned by its holder: empty, a copy of another icon, or made from an image (its transparent
// colour, when it has one, becomes the icon's transparent part).
#include "winbase/Handles.h"

#include <windows.h>

namespace gui {

class Bitmap;

class Icon {
public:
    Icon() = default;
    Icon(const Icon&) = delete;
    Icon& operator=(const Icon&) = delete;

    HICON handle() const { return m_handle.get(); }
    bool isEmpty() const { return !m_handle; }
    // Copies other's picture (an empty icon makes this one empty).
    void assign(const Icon& other);
    // Takes a copy of icon, which stays the caller's.
    void assignHandle(HICON icon);
    // Makes the icon from image; an empty image makes it empty.
    void assignBitmap(const Bitmap& image);
    void clear() { m_handle.reset(); }

private:
    winbase::IconHandle m_handle;
};

} // namespace gui
