#pragma once
// Classes in this file: Point, Size, Rect — the plain integer geometry shared by every layer.
#include <cstdint>

namespace core {

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int32_t width = 0;
    int32_t height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Right and bottom are exclusive; an all-zero rect in a skin means "absent".
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    constexpr int32_t width() const { return right - left; }
    constexpr int32_t height() const { return bottom - top; }
    constexpr bool isEmpty() const { return width() < 1 || height() < 1; }
    constexpr bool isZero() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    // The platform's PtInRect: left and top inclusive, right and bottom exclusive.
    constexpr bool contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    constexpr Rect translated(int32_t dx, int32_t dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace core
