#pragma once
// What composing a skinned form's border strips from one picture can know in advance: which picture
// rows repeat the row above them, across the skin rectangle and across each side band. A skinned
// window works it out once per skin; composing the strips on every resize and paint then compares no
// picture rows.
#include "core/FBitmap.h"
#include "skin/render/SkinGeometry.h"

#include <array>
#include <vector>

namespace skin {

class FormBorderPlan {
public:
    // The columns rows are compared in: the skin rectangle's, the left band's (0..client.left of it)
    // or the right band's (client.right.. of it).
    enum class Columns { Whole, LeftBand, RightBand };

    FormBorderPlan() = default;
    // `source` holds the form's corner points and client rect relative to r, the skin rectangle.
    FormBorderPlan(const SkinFrame& source, const core::FBitmap& picture, const core::Rect& r);

    // Whether it was made for this frame, rectangle and picture size. Its rows are the caller's to keep
    // true: a plan is made again whenever the picture's pixels change.
    bool fits(const SkinFrame& source, const core::FBitmap& picture, const core::Rect& r) const;
    // The number of picture rows from `row` on (at most `limit`) that each equal the row above them in
    // the columns; 0 where the columns reach past the picture.
    int32_t repeatedRows(Columns columns, int32_t row, int32_t limit) const;
    // Whether rows lo..hi (inside the picture) show the same pixels in the columns (inside it too).
    bool rowsAlike(Columns columns, int32_t lo, int32_t hi) const;

private:
    SkinFrame m_source{};
    core::Rect m_rect{};
    int32_t m_width = -1, m_height = -1;
    // Per picture row and columns: the first row below it that differs from the row above that one.
    std::array<std::vector<int32_t>, 3> m_nextChange;
};

} // namespace skin
