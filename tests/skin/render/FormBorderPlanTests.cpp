#include "TestBitmaps.h"
#include "skin/render/FormBorderPlan.h"
#include "skin/render/SkinCompose.h"

#include <gtest/gtest.h>

#include <random>

using namespace skin;
using core::FBitmap;
using core::Rect;

namespace {

// A picture whose rows often repeat the row above, in whole or only in some columns, and whose side
// columns are sometimes one colour all the way down: what the plan's shortcuts are for.
FBitmap picture(std::mt19937& rng, int w, int h) {
    FBitmap b = skintest::coordinateBitmap(w, h);
    const bool plainSides = rng() % 2 == 0;
    for (int y = 1; y < h; ++y) {
        const int kind = int(rng() % 4);
        for (int x = 0; x < w; ++x) {
            const bool side = x < 6 || x >= w - 6;
            if (kind == 0 || (kind == 1 && x < w / 2) || (plainSides && side))
                b.setPixel(x, y, b.pixel(x, y - 1));
        }
    }
    return b;
}

} // namespace

// Strips composed with a plan must be the strips composed without one, for any frame, size and band
// stretching; a plan made for another rectangle is not used.
TEST(FormBorderPlan, StripsComposedWithAPlanAreTheStripsWithout) {
    std::mt19937 rng(8);
    const SkinFrame frames[] = {{{6, 7}, {20, 7}, {7, 17}, {22, 18}, {4, 5, 26, 21}},
                                {{3, 2}, {27, 2}, {3, 23}, {27, 23}, {3, 2, 27, 23}},
                                {{6, 7}, {6, 7}, {7, 17}, {7, 17}, {0, 5, 30, 21}}};
    for (int round = 0; round < 40; ++round) {
        FBitmap pic = picture(rng, 40, 30);
        const SkinFrame& s = frames[round % 3];
        const Rect rects[] = {{5, 2, 35, 27}, {0, 0, 40, 30}, {15, 10, 45, 35}};
        const Rect r = rects[rng() % 3];
        if (round % 2 == 1) { // side bands alike but for the last row their pieces read
            const int y = r.top + std::max(s.client.bottom, std::max(s.leftBottom.y, s.rightBottom.y)) - 1;
            for (int x = 0; x < 40 && y < 30; ++x)
                pic.setPixel(x, y, core::rgb(1, 2, uint8_t(x)));
        }
        const FormBorderPlan plan(s, pic, r), other(s, pic, {5, 3, 35, 28});
        FormBorderImages with, without, withOther;
        for (auto [w, h] : {std::pair{97, 88}, {30, 25}, {200, 9}, {12, 300}}) {
            const SkinFrame t = targetFrame(s, r.width(), r.height(), w, h);
            const BandStretch stretch{rng() % 2 == 0, rng() % 2 == 0, rng() % 2 == 0, rng() % 2 == 0};
            composeFormBorderImages(s, t, without, pic, r, w, h, stretch);
            composeFormBorderImages(s, t, with, pic, r, w, h, stretch, &plan);
            composeFormBorderImages(s, t, withOther, pic, r, w, h, stretch, &other);
            for (auto [a, b, c] : {std::tuple{&without.top, &with.top, &withOther.top},
                                   {&without.bottom, &with.bottom, &withOther.bottom},
                                   {&without.left, &with.left, &withOther.left},
                                   {&without.right, &with.right, &withOther.right}}) {
                ASSERT_TRUE(*a == *b) << "round " << round << ", " << w << " x " << h;
                ASSERT_TRUE(*a == *c) << "round " << round << ", " << w << " x " << h;
            }
        }
    }
}

// The plan's answers against comparing the rows themselves, for every band, row and span.
TEST(FormBorderPlan, AnswersAsComparingTheRowsDoes) {
    std::mt19937 rng(3);
    const SkinFrame s{{6, 7}, {20, 7}, {7, 17}, {22, 18}, {4, 5, 26, 21}};
    const Rect r{5, 2, 35, 27};
    using Columns = FormBorderPlan::Columns;
    const std::pair<Columns, std::pair<int, int>> bands[] = {
        {Columns::Whole, {5, 35}}, {Columns::LeftBand, {5, 9}}, {Columns::RightBand, {31, 35}}};
    for (int round = 0; round < 10; ++round) {
        const FBitmap pic = picture(rng, 40, 30);
        const FormBorderPlan plan(s, pic, r);
        for (const auto& [columns, span] : bands) {
            auto same = [&](int y) { // row y equals row y - 1 in the band's columns
                for (int x = span.first; x < span.second; ++x)
                    if (pic.pixel(x, y) != pic.pixel(x, y - 1))
                        return false;
                return true;
            };
            for (int lo = 0; lo < 30; ++lo)
                for (int hi = lo + 1; hi <= 30; ++hi) {
                    bool alike = true;
                    for (int y = lo + 1; y < hi; ++y)
                        alike = alike && same(y);
                    ASSERT_EQ(plan.rowsAlike(columns, lo, hi), alike) << lo << ".." << hi;
                    if (lo == 0)
                        continue;
                    int repeated = 0;
                    while (repeated < hi - lo && same(lo + repeated))
                        ++repeated;
                    ASSERT_EQ(plan.repeatedRows(columns, lo, hi - lo), repeated) << lo << ", " << hi - lo;
                }
        }
    }
}
