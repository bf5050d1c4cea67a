#pragma once
// Classes in this file: Align, AlignedRect, Anchor, Anchors, AnchorRules, and the arithmetic that
// places aligned and anchored children. Kept free of windows so that it can be checked on its own.
#include "core/Geometry.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace gui {

enum class Align { alNone, alTop, alBottom, alLeft, alRight, alClient };

// The edges of its parent whose distance a control keeps when the parent is resized.
enum class Anchor : uint8_t { akLeft, akTop, akRight, akBottom };

class Anchors {
public:
    // A control starts anchored to the left and top: it stays where it is.
    constexpr Anchors() = default;
    constexpr Anchors(std::initializer_list<Anchor> anchors) : m_bits(0) {
        for (Anchor a : anchors)
            m_bits = uint8_t(m_bits | bit(a));
    }
    static constexpr Anchors none() { return Anchors(0); }
    constexpr Anchors operator|(Anchor a) const { return Anchors(uint8_t(m_bits | bit(a))); }
    constexpr bool has(Anchor a) const { return (m_bits & bit(a)) != 0; }
    friend constexpr bool operator==(Anchors, Anchors) = default;

private:
    constexpr explicit Anchors(uint8_t bits) : m_bits(bits) {}
    static constexpr uint8_t bit(Anchor a) { return uint8_t(1u << unsigned(a)); }
    uint8_t m_bits = bit(Anchor::akLeft) | bit(Anchor::akTop);
};

// What an anchored control measures from: its bounds and its parent's client size when the bounds
// were last set from outside. Computing from these, rather than step by step, means that shrinking
// a parent below a control and growing it again gives the control back its size.
struct AnchorRules {
    core::Rect bounds;
    int32_t parentWidth = 0;
    int32_t parentHeight = 0;
};

// The bounds for a parent client area of the given size. On each axis: anchored to both edges, the
// control keeps both distances and stretches (never below zero size); to the far edge only, it
// keeps that distance and its size; to neither, its centre keeps its place as a fraction of the
// parent; to the near edge only, it stays.
core::Rect anchoredBounds(const AnchorRules& rules, Anchors anchors, int32_t parentWidth,
                          int32_t parentHeight);

struct AlignedRect {
    Align align = Align::alNone;
    core::Rect bounds; // in the parent's client coordinates; updated by alignRects
};

// Places every item whose align is not alNone inside area, the way a container docks its children:
// first the top ones (by their current top, list order breaking ties) stacked downward, then the
// bottom ones (lowest first) stacked upward, then the left ones, then the right ones, and finally
// the client ones filling what is left. Docked items keep their own thickness (a top item its
// height, a left item its width) and take the remaining extent along the other axis; a client item
// never gets a negative size. Returns the area left over.
core::Rect alignRects(core::Rect area, std::vector<AlignedRect>& items);

} // namespace gui
