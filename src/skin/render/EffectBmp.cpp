#include "skin/render/EffectBmp.h"

#include "core/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace skin {

using core::FBitmap;

// Both enumerations list their members in the skin's ordinal order.
static_assert(int(Blend::Push) == 6 && int(Filter::Invert) == 5);

Blend blendForMorphKind(int morphKind) {
    return morphKind >= 0 && morphKind <= int(Blend::Push) ? Blend(morphKind) : Blend::CrossFade;
}

Filter filterForInactiveEffect(int inactiveEffect) {
    return inactiveEffect >= 0 && inactiveEffect <= int(Filter::Invert) ? Filter(inactiveEffect)
                                                                        : Filter::Grayscale;
}

namespace {

int32_t nearestInt(double x) {
    const double n = core::roundHalfEven(x); // ties go to the even neighbour
    if (!(n >= -2147483648.0))
        return INT32_MIN;
    if (n > 2147483647.0)
        return INT32_MAX;
    return int32_t(n);
}

double clampFactor(double k) {
    if (!(k >= 0))
        return 0;
    return k > 1 ? 1 : k;
}

// w x own + (1 - w) x target for each channel.
void mixPixel(uint8_t* own, const uint8_t* target, double w) {
    for (int c = 0; c < 3; ++c)
        own[c] = roundChannel(w * own[c] + (1 - w) * target[c]);
}

// Mixes the pixels of one row from column `from` on, one column at a time in direction dir (+1 or -1),
// while the column is before `end`: the first pixel takes weight 0, each next one step more, up to 1.
void mixRamp(uint8_t* own, const uint8_t* target, int32_t from, int32_t end, int32_t dir, double step) {
    double w = 0;
    for (int32_t x = from; dir > 0 ? x < end : x > end; x += dir) {
        mixPixel(own + 3 * size_t(x), target + 3 * size_t(x), w);
        w = std::min(w + step, 1.0);
    }
}

} // namespace

uint8_t crossFadeChannel(uint8_t a, uint8_t b, double k) {
    return roundChannel((1 - k) * a + k * b);
}

// K = k x one rounded: the fixed-point sum a x own + b x target = a x one + K (b - a) is off the formula's
// value by |b - a| x |K - k x one| units at most. Sums farther than that (and a unit more for the
// formula's own rounding) from a half round as the formula does; nearer ones go through the formula.
CrossFadeWeights::CrossFadeWeights(double k) : m_k(k), m_target(int32_t(std::lround(k * one))) {
    m_own = one - m_target;
    m_margin = int32_t(std::ceil(255 * std::fabs(m_target - k * one))) + 1;
}

void CrossFadeWeights::mixRow(const uint8_t* a, const uint8_t* b, uint8_t* out, size_t n) const {
    // A factor this close to 0 or 1 moves no channel by as much as half a step.
    if (m_target == 0 || m_own == 0) {
        std::memcpy(out, m_target == 0 ? a : b, n);
        return;
    }
    constexpr int32_t half = one / 2;
    auto mix = [&](size_t from, size_t to) {
        for (size_t i = from; i < to; ++i) {
            const int32_t v = a[i] * m_own + b[i] * m_target;
            const int32_t d = (v & (one - 1)) - half;
            out[i] = d >= -m_margin && d <= m_margin ? crossFadeChannel(a[i], b[i], m_k)
                                                     : uint8_t((v + half) >> shift);
        }
    };
    size_t i = 0;
#if defined(__SSE2__)
    // Sixteen channels at a time; a block with a sum near a half is redone one channel at a time.
    const __m128i weights = _mm_set1_epi32(int32_t(uint32_t(m_own) | uint32_t(m_target) << 16));
    const __m128i zero = _mm_setzero_si128(), rounding = _mm_set1_epi32(half),
                  fraction = _mm_set1_epi32(one - 1);
    const __m128i low = _mm_set1_epi32(half - m_margin), limit = _mm_set1_epi16(int16_t(2 * m_margin + 1));
    for (; i + 16 <= n; i += 16) {
        const __m128i va = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
        const __m128i vb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
        const __m128i a0 = _mm_unpacklo_epi8(va, zero), a1 = _mm_unpackhi_epi8(va, zero);
        const __m128i b0 = _mm_unpacklo_epi8(vb, zero), b1 = _mm_unpackhi_epi8(vb, zero);
        const __m128i v0 = _mm_madd_epi16(_mm_unpacklo_epi16(a0, b0), weights);
        const __m128i v1 = _mm_madd_epi16(_mm_unpackhi_epi16(a0, b0), weights);
        const __m128i v2 = _mm_madd_epi16(_mm_unpacklo_epi16(a1, b1), weights);
        const __m128i v3 = _mm_madd_epi16(_mm_unpackhi_epi16(a1, b1), weights);
        // (v - half + margin) mod one <= 2 x margin marks a sum near a half; the values fit 16 bits.
        auto offset = [&](__m128i v) { return _mm_and_si128(_mm_sub_epi32(v, low), fraction); };
        const __m128i nearest =
            _mm_min_epi16(_mm_packs_epi32(offset(v0), offset(v1)), _mm_packs_epi32(offset(v2), offset(v3)));
        const __m128i near = _mm_cmpgt_epi16(limit, nearest);
        auto rounded = [&](__m128i v) { return _mm_srai_epi32(_mm_add_epi32(v, rounding), shift); };
        const __m128i first = _mm_packs_epi32(rounded(v0), rounded(v1));
        const __m128i second = _mm_packs_epi32(rounded(v2), rounded(v3));
        if (_mm_movemask_epi8(near))
            mix(i, i + 16);
        else
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(first, second));
    }
#endif
    mix(i, n);
}

namespace {

uint8_t clampInt(int32_t v) {
    return uint8_t(std::clamp(v, 0, 255));
}

} // namespace

uint8_t roundChannel(double value) {
    if (!(value > 0))
        return 0; // also NaN
    if (value >= 255)
        return 255;
    // Adding and taking away 1.5 x 2^52 leaves no fraction bits: the sum rounds to nearest, ties to even,
    // inline and without a library call (the inner loops of every effect run through here).
    constexpr double shifter = 6755399441055744.0;
    return uint8_t(int32_t((value + shifter) - shifter));
}

EffectBmp::EffectBmp(int32_t width, int32_t height) : m_bitmap(width, height) {}

EffectBmp::EffectBmp(const FBitmap& source) : m_bitmap(source.clone()) {}

EffectBmp::EffectBmp(FBitmap&& pixels) : m_bitmap(std::move(pixels)) {}

EffectBmp::Pixel EffectBmp::pixel(int32_t x, int32_t y) const {
    const uint8_t* p = m_bitmap.pixelAt(x, y);
    return {p[0], p[1], p[2]};
}

void EffectBmp::setPixel(int32_t x, int32_t y, Pixel bgr) {
    std::memcpy(m_bitmap.pixelAt(x, y), bgr.data(), 3);
}

void EffectBmp::readRow(int32_t y, uint8_t* buffer) const {
    std::memcpy(buffer, m_bitmap.row(y), size_t(3) * size_t(width()));
}

void EffectBmp::writeRow(int32_t y, const uint8_t* buffer) {
    std::memcpy(m_bitmap.row(y), buffer, size_t(3) * size_t(width()));
}

void EffectBmp::flipInto(EffectBmp& target) const {
    if (!sameSize(target) || &target == this)
        return;
    for (int32_t y = 0; y < height(); ++y)
        target.writeRow(height() - 1 - y, m_bitmap.row(y));
}

void EffectBmp::blend(Blend kind, const EffectBmp& target, double k) {
    switch (kind) {
    case Blend::CrossFade:
        return crossFade(target, k);
    case Blend::CentreGradient:
        return centreGradient(target, k);
    case Blend::LeftGradient:
        return leftGradient(target, k);
    case Blend::RightGradient:
        return rightGradient(target, k);
    case Blend::LeftSlide:
        return leftSlide(target, k);
    case Blend::RightSlide:
        return rightSlide(target, k);
    case Blend::Push:
        return push(target, k);
    }
}

void EffectBmp::crossFade(const EffectBmp& target, double k) {
    if (!sameSize(target))
        return;
    k = clampFactor(k);
    const size_t n = size_t(3) * size_t(width());
    const CrossFadeWeights weights(k);
    std::vector<uint8_t> mixed(n);
    for (int32_t y = 0; y < height(); ++y) {
        uint8_t* a = m_bitmap.row(y);
        const uint8_t* b = target.m_bitmap.row(y);
        weights.mixRow(a, b, mixed.data(), n);
        std::memcpy(a, mixed.data(), n);
    }
}

void EffectBmp::centreGradient(const EffectBmp& target, double k) {
    if (!sameSize(target) || width() == 0 || height() == 0)
        return;
    k = clampFactor(k);
    const int32_t W = width(), H = height();
    const size_t rowBytes = size_t(3) * size_t(W);

    if (W >= H) {
        const int32_t b = nearestInt(W * k);
        const int32_t c = (W - b) / 2;
        const double s = c == 0 ? 1.0 : 1.0 / c;
        const int32_t L = std::max(W / 2 - b / 2, 0);
        const int32_t R = std::min(W / 2 + b / 2, W - 1);
        for (int32_t y = 0; y < H; ++y) {
            uint8_t* own = m_bitmap.row(y);
            const uint8_t* tgt = target.m_bitmap.row(y);
            if (L <= R)
                std::memcpy(own + 3 * size_t(L), tgt + 3 * size_t(L), 3 * size_t(R - L + 1));
            mixRamp(own, tgt, L, -1, -1, s);
            mixRamp(own, tgt, R, W, 1, s);
        }
        return;
    }

    const int32_t c = nearestInt(H * k);
    const int32_t e = (H - 1 - c) / 2;
    const double s = e == 0 ? 0.0 : 1.0 / e;
    const int32_t T = std::max(H / 2 - c / 2, 0);
    const int32_t B = std::min(H / 2 + c / 2, H - 1);
    for (int32_t y = T; y <= B; ++y)
        std::memcpy(m_bitmap.row(y), target.m_bitmap.row(y), rowBytes);
    auto mixRow = [&](int32_t y, double w) {
        uint8_t* own = m_bitmap.row(y);
        const uint8_t* tgt = target.m_bitmap.row(y);
        for (int32_t x = 0; x < W; ++x)
            mixPixel(own + 3 * size_t(x), tgt + 3 * size_t(x), w);
    };
    double w = 0;
    for (int32_t y = T; y >= 0; --y) {
        mixRow(y, w);
        w = std::min(w + s, 1.0);
    }
    w = 0;
    for (int32_t y = B; y < H; ++y) {
        mixRow(y, w);
        w = std::min(w + s, 1.0);
    }
}

void EffectBmp::leftGradient(const EffectBmp& target, double k) {
    if (!sameSize(target) || width() == 0)
        return;
    const int32_t W = width();
    const int32_t a = std::min(std::max(nearestInt(W * clampFactor(k)), 1), W - 1);
    const double s = a > 0 ? 1.0 / a : 1.0;
    for (int32_t y = 0; y < height(); ++y) {
        uint8_t* own = m_bitmap.row(y);
        const uint8_t* tgt = target.m_bitmap.row(y);
        mixRamp(own, tgt, 0, a + 1, 1, s);
    }
}

void EffectBmp::rightGradient(const EffectBmp& target, double k) {
    if (!sameSize(target) || width() == 0)
        return;
    const int32_t W = width();
    const int32_t a = std::min(std::max(W - nearestInt(W * clampFactor(k)), 0), W - 1);
    const double s = W - a <= 0 ? 1.0 : 1.0 / (W - a);
    for (int32_t y = 0; y < height(); ++y) {
        uint8_t* own = m_bitmap.row(y);
        const uint8_t* tgt = target.m_bitmap.row(y);
        mixRamp(own, tgt, W - 1, a - 1, -1, s);
    }
}

void EffectBmp::leftSlide(const EffectBmp& target, double k) {
    if (!sameSize(target) || width() == 0)
        return;
    const int32_t W = width();
    const int32_t b = std::min(std::max(nearestInt(W * clampFactor(k)), 1), W - 1);
    if (b <= 0)
        return;
    for (int32_t y = 0; y < height(); ++y)
        std::memcpy(m_bitmap.row(y), target.m_bitmap.pixelAt(W - b, y), 3 * size_t(b));
}

void EffectBmp::rightSlide(const EffectBmp& target, double k) {
    if (!sameSize(target) || width() == 0)
        return;
    const int32_t W = width();
    const int32_t b = std::min(std::max(nearestInt(W * clampFactor(k)), 1), W - 1);
    if (b <= 0)
        return;
    for (int32_t y = 0; y < height(); ++y)
        std::memcpy(m_bitmap.pixelAt(W - b, y), target.m_bitmap.row(y), 3 * size_t(b));
}

void EffectBmp::push(const EffectBmp& target, double k) {
    if (!sameSize(target) || width() == 0)
        return;
    const int32_t W = width();
    const int32_t a = std::min(std::max(nearestInt(W * clampFactor(k)), 0), W - 1);
    for (int32_t y = 0; y < height(); ++y) {
        uint8_t* own = m_bitmap.row(y);
        // The own image moves a + 1 columns right (right to left, so sources are still unmoved).
        for (int32_t x = W - 1; x >= a; --x) {
            const int32_t from = std::max(x - a - 1, 0);
            std::memmove(own + 3 * size_t(x), own + 3 * size_t(from), 3);
        }
        // The target's last a + 1 columns come in from the left.
        std::memcpy(own, target.m_bitmap.pixelAt(W - a - 1, y), 3 * size_t(a + 1));
    }
}

void EffectBmp::applyFilter(Filter filter) {
    switch (filter) {
    case Filter::Brighten:
        return brighten(0.5);
    case Filter::Darken:
        return darken(0.3);
    case Filter::Grayscale:
        return grayscale();
    case Filter::Noise:
        return noise(50);
    case Filter::SplitBlur:
        return splitBlur(1);
    case Filter::Invert:
        return invert();
    }
}

void EffectBmp::brighten(double amount) {
    amount = clampFactor(amount);
    const size_t n = size_t(3) * size_t(width());
    for (int32_t y = 0; y < height(); ++y) {
        uint8_t* p = m_bitmap.row(y);
        for (size_t i = 0; i < n; ++i)
            p[i] = roundChannel((1 - amount) * p[i] + amount * 255);
    }
}

void EffectBmp::darken(double amount) {
    amount = clampFactor(amount);
    const size_t n = size_t(3) * size_t(width());
    for (int32_t y = 0; y < height(); ++y) {
        uint8_t* p = m_bitmap.row(y);
        for (size_t i = 0; i < n; ++i)
            p[i] = roundChannel((1 - amount) * p[i]);
    }
}

void EffectBmp::grayscale() {
    for (int32_t y = 0; y < height(); ++y) {
        uint8_t* p = m_bitmap.row(y);
        for (int32_t x = 0; x < width(); ++x, p += 3) {
            const uint8_t g = roundChannel(0.3 * p[2] + 0.59 * p[1] + 0.11 * p[0]);
            p[0] = p[1] = p[2] = g;
        }
    }
}

void EffectBmp::invert() {
    const size_t n = size_t(3) * size_t(width());
    for (int32_t y = 0; y < height(); ++y) {
        uint8_t* p = m_bitmap.row(y);
        for (size_t i = 0; i < n; ++i)
            p[i] = uint8_t(255 - p[i]);
    }
}

void EffectBmp::noise(int32_t amount) {
    static std::mt19937 generator{std::random_device{}()};
    noise(amount, [](int32_t n) { return std::uniform_int_distribution<int32_t>(0, n - 1)(generator); });
}

void EffectBmp::noise(int32_t amount, const RandomSource& random) {
    if (amount <= 0)
        return;
    for (int32_t y = 0; y < height(); ++y) {
        uint8_t* p = m_bitmap.row(y);
        for (int32_t x = 0; x < width(); ++x, p += 3) {
            const int32_t d = random(amount) - amount / 2;
            p[0] = clampInt(p[0] + d);
            p[1] = clampInt(p[1] + d);
            p[2] = clampInt(p[2] + d);
        }
    }
}

void EffectBmp::splitBlur(int32_t amount) {
    if (amount <= 0 || width() == 0 || height() == 0)
        return;
    const int32_t W = width(), H = height();
    // NOTE: the sampling rule reaches outside the bitmap when amount is not below its height or width
    // (a one-pixel bitmap, for one); such samples are taken from the nearest row or column inside.
    auto inside = [](int32_t v, int32_t size) { return std::clamp(v, 0, size - 1); };
    for (int32_t y = 0; y < H; ++y) {
        const int32_t u = inside(y - amount < 0 ? y : y - amount, H);
        const int32_t d = inside(y + amount < H ? y + amount : H - y, H);
        uint8_t* row = m_bitmap.row(y);
        const uint8_t* up = m_bitmap.row(u);
        const uint8_t* down = m_bitmap.row(d);
        for (int32_t x = 0; x < W; ++x) {
            const size_t l = 3 * size_t(inside(x - amount < 0 ? x : x - amount, W));
            const size_t r = 3 * size_t(inside(x + amount < W ? x + amount : W - x, W));
            for (int c = 0; c < 3; ++c)
                row[3 * size_t(x) + c] = uint8_t((up[l + c] + down[l + c] + up[r + c] + down[r + c]) / 4);
        }
    }
}

} // namespace skin
