#include "skin/render/EffectBmp.h"

#include "core/Rounding.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <random>
#include <vector>

// The builds assume no more than SSE2; the cross-fade's wider paths are chosen at run time. On 64-bit
// Windows the stack is only 16-byte aligned and GCC before 12 could spill 32-byte values with aligned
// moves there, so AVX2 needs GCC 12 (which spills them unaligned) or clang.
#if defined(__SSE2__)
#include <emmintrin.h>
#if defined(__GNUC__)
#include <immintrin.h>
#define VELMORA_CROSSFADE_SSSE3 1
#if !(defined(_WIN32) && defined(__x86_64__)) || defined(__clang__) || __GNUC__ >= 12
#define VELMORA_CROSSFADE_AVX2 1
#endif
#endif
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

namespace {

// Whether share x d, for some difference d of two channels, lies within margin of a half of `unit` (a
// power of two up to 65536). A difference and its negation lie equally far from a half, and 0 on a whole
// step. Every cross-fade asks this, so the vector unit takes eight differences at a time: the test needs
// share x d modulo unit only, which 16-bit lanes keep.
bool anyNearHalf(int32_t share, int32_t margin, int32_t unit) {
#if defined(__SSE2__)
    const auto s = int16_t(uint16_t(share));
    __m128i v = _mm_mullo_epi16(_mm_setr_epi16(0, 1, 2, 3, 4, 5, 6, 7), _mm_set1_epi16(s));
    const __m128i step = _mm_set1_epi16(int16_t(uint16_t(8 * share)));
    const __m128i offset = _mm_set1_epi16(int16_t(uint16_t(unit / 2 + margin)));
    const __m128i mask = _mm_set1_epi16(int16_t(uint16_t(unit - 1)));
    const __m128i span = _mm_set1_epi16(int16_t(2 * margin)), zero = _mm_setzero_si128();
    __m128i near = zero;
    for (int d = 0; d < 256; d += 8, v = _mm_add_epi16(v, step)) {
        const __m128i x = _mm_and_si128(_mm_add_epi16(v, offset), mask);
        near = _mm_or_si128(near, _mm_cmpeq_epi16(_mm_subs_epu16(x, span), zero));
    }
    return _mm_movemask_epi8(near) != 0;
#else
    uint32_t near = 0;
    for (uint32_t d = 1, v = uint32_t(share); d <= 255; ++d, v += uint32_t(share))
        near |= ((v + uint32_t(unit / 2 + margin)) & uint32_t(unit - 1)) <= uint32_t(2 * margin);
    return near != 0;
#endif
}

// How close to a half a fixed-point sum must lie to need the formula, for a share `exact` units of
// 1/unit rounded to `fixed`: each of up to 255 steps of difference is off by |fixed - exact|, and a unit
// more covers the formula's own rounding.
int32_t marginFor(int32_t fixed, double exact) {
    return int32_t(std::ceil(255 * std::fabs(fixed - exact))) + 1;
}

} // namespace

// With base the image of weight >= 1/2 and S = share x one rounded, the fixed-point sum
// base x one + S (other - base) is off the formula's value by at most the margin. Sums farther than
// that from a half round as the formula does; nearer ones go through the formula. Whether a sum is near
// a half depends only on the difference of the two channels, so the 511 differences tell once whether
// any channel can be.
CrossFadeWeights::CrossFadeWeights(double k) : m_k(k), m_fromB(k > 0.5) {
    const double share = m_fromB ? 1 - k : k;
    m_share = std::min(int32_t(std::lround(share * one)), int32_t(INT16_MAX));
    m_margin = marginFor(m_share, share * one);
    m_anyNearHalf = anyNearHalf(m_share, m_margin, one);
    constexpr int32_t unit15 = one / 2;
    m_share15 = int16_t(std::lround(share * unit15)); // at most unit15 / 2
    m_anyNearHalf15 = anyNearHalf(m_share15, marginFor(m_share15, share * unit15), unit15);
    const double weight256 = k * 256;
    m_weight256 =
        weight256 > 0 && weight256 < 256 && weight256 == std::floor(weight256) ? uint16_t(weight256) : 0;
}

uint8_t CrossFadeWeights::mixChannel(uint8_t a, uint8_t b) const {
    const int32_t base = m_fromB ? b : a, other = m_fromB ? a : b;
    const int32_t v = m_share * (other - base);
    const int32_t d = (v & (one - 1)) - half;
    return d >= -m_margin && d <= m_margin ? crossFadeChannel(a, b, m_k)
                                           : uint8_t(base + ((v + half) >> shift));
}

void CrossFadeWeights::mixRowPortable(const uint8_t* a, const uint8_t* b, uint8_t* out, size_t n) const {
    for (size_t i = 0; i < n; ++i)
        out[i] = mixChannel(a[i], b[i]);
}

bool CrossFadeWeights::available(Path path) {
    static const std::array<bool, 4> paths = [] {
        std::array<bool, 4> can{true, false, false, false};
#if defined(__SSE2__)
        can[size_t(Path::Sse2)] = true;
#endif
#if defined(VELMORA_CROSSFADE_SSSE3)
        __builtin_cpu_init();
        can[size_t(Path::Ssse3)] = __builtin_cpu_supports("ssse3");
#endif
#if defined(VELMORA_CROSSFADE_AVX2)
        can[size_t(Path::Avx2)] = __builtin_cpu_supports("avx2");
#endif
        return can;
    }();
    return size_t(path) < paths.size() && paths[size_t(path)];
}

CrossFadeWeights::Path CrossFadeWeights::fastestPath() {
    static const Path fastest = [] {
        for (Path p : {Path::Avx2, Path::Ssse3, Path::Sse2})
            if (available(p))
                return p;
        return Path::Portable;
    }();
    return fastest;
}

namespace {

#if defined(VELMORA_CROSSFADE_SSSE3)
// Sixteen channels: base + (share15 x (other - base) + half) >> 15 each, with the rounding multiply.
__attribute__((target("ssse3"), always_inline)) inline void
mixBlockSsse3(const uint8_t* base, const uint8_t* other, uint8_t* out, __m128i share) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i vb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(base));
    const __m128i vo = _mm_loadu_si128(reinterpret_cast<const __m128i*>(other));
    const __m128i b0 = _mm_unpacklo_epi8(vb, zero), b1 = _mm_unpackhi_epi8(vb, zero);
    const __m128i d0 = _mm_sub_epi16(_mm_unpacklo_epi8(vo, zero), b0);
    const __m128i d1 = _mm_sub_epi16(_mm_unpackhi_epi8(vo, zero), b1);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                     _mm_packus_epi16(_mm_add_epi16(b0, _mm_mulhrs_epi16(d0, share)),
                                      _mm_add_epi16(b1, _mm_mulhrs_epi16(d1, share))));
}

// Whole blocks, two a turn (one a turn ran up to half slower depending on where the loop's code landed);
// returns how many channels it did.
__attribute__((target("ssse3"))) size_t mixBlocksSsse3(const uint8_t* base, const uint8_t* other,
                                                       uint8_t* out, size_t n, int16_t share15) {
    const __m128i share = _mm_set1_epi16(share15);
    size_t i = 0;
    for (; i + 32 <= n; i += 32) {
        mixBlockSsse3(base + i, other + i, out + i, share);
        mixBlockSsse3(base + i + 16, other + i + 16, out + i + 16, share);
    }
    for (; i + 16 <= n; i += 16)
        mixBlockSsse3(base + i, other + i, out + i, share);
    return i;
}
#endif

#if defined(VELMORA_CROSSFADE_AVX2)
// The same for 32 channels (unpacking and packing keep to 16-byte halves, so the order holds).
__attribute__((target("avx2"), always_inline)) inline void
mixBlockAvx2(const uint8_t* base, const uint8_t* other, uint8_t* out, __m256i share) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i vb = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(base));
    const __m256i vo = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(other));
    const __m256i b0 = _mm256_unpacklo_epi8(vb, zero), b1 = _mm256_unpackhi_epi8(vb, zero);
    const __m256i d0 = _mm256_sub_epi16(_mm256_unpacklo_epi8(vo, zero), b0);
    const __m256i d1 = _mm256_sub_epi16(_mm256_unpackhi_epi8(vo, zero), b1);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out),
                        _mm256_packus_epi16(_mm256_add_epi16(b0, _mm256_mulhrs_epi16(d0, share)),
                                            _mm256_add_epi16(b1, _mm256_mulhrs_epi16(d1, share))));
}

__attribute__((target("avx2"))) size_t mixBlocksAvx2(const uint8_t* base, const uint8_t* other, uint8_t* out,
                                                     size_t n, int16_t share15) {
    const __m256i share = _mm256_set1_epi16(share15);
    size_t i = 0;
    for (; i + 64 <= n; i += 64) {
        mixBlockAvx2(base + i, other + i, out + i, share);
        mixBlockAvx2(base + i + 32, other + i + 32, out + i + 32, share);
    }
    for (; i + 32 <= n; i += 32)
        mixBlockAvx2(base + i, other + i, out + i, share);
    return i;
}
#endif

} // namespace

void CrossFadeWeights::mixRow(Path path, const uint8_t* a, const uint8_t* b, uint8_t* out, size_t n) const {
    // A share this small moves no channel by as much as half a step.
    if (m_share == 0) {
        std::memmove(out, m_fromB ? b : a, n);
        return;
    }
#if defined(VELMORA_CROSSFADE_SSSE3)
    if (!m_anyNearHalf15 && (path == Path::Ssse3 || path == Path::Avx2) && available(path)) {
        const uint8_t* base = m_fromB ? b : a;
        const uint8_t* other = m_fromB ? a : b;
        size_t i = 0;
#if defined(VELMORA_CROSSFADE_AVX2)
        if (path == Path::Avx2)
            i = mixBlocksAvx2(base, other, out, n, m_share15);
#endif
        i += mixBlocksSsse3(base + i, other + i, out + i, n - i, m_share15);
        return mixRowPortable(a + i, b + i, out + i, n - i);
    }
#endif
    if (path == Path::Portable)
        return mixRowPortable(a, b, out, n);
    mixRowSse2(a, b, out, n);
}

void CrossFadeWeights::mixRowSse2(const uint8_t* a, const uint8_t* b, uint8_t* out, size_t n) const {
    size_t i = 0;
#if defined(__SSE2__)
    // Sixteen channels at a time in 16-bit lanes, with v = share x (other - base) as in mixChannel.
    const uint8_t* base = m_fromB ? b : a;
    const uint8_t* other = m_fromB ? a : b;
    const __m128i share = _mm_set1_epi16(int16_t(m_share)), zero = _mm_setzero_si128();
    auto load = [](const uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); };
    // base + (v + half) >> shift is base + (q + 1) >> 1 with q = (2 x v) >> shift, the high half of one
    // multiply; that is the unsigned average of q + base and base (q + base is never negative: the
    // share is below a half).
    auto mixed = [&](__m128i from, __m128i to) {
        const __m128i d = _mm_sub_epi16(to, from);
        const __m128i q = _mm_mulhi_epi16(_mm_add_epi16(d, d), share);
        return _mm_avg_epu16(_mm_add_epi16(q, from), from);
    };
    if (m_weight256 != 0) {
        // t / 256 with t = a (256 - m) + b m, rounded with ties to even: it rounds up when the remainder
        // plus 127, and 1 more for an odd quotient, carries into the quotient.
        const __m128i weightA = _mm_set1_epi16(int16_t(256 - m_weight256));
        const __m128i weightB = _mm_set1_epi16(int16_t(m_weight256));
        const __m128i roundDown = _mm_set1_epi16(127), unit = _mm_set1_epi16(1);
        auto blended = [&](__m128i va, __m128i vb) {
            const __m128i t = _mm_add_epi16(_mm_mullo_epi16(va, weightA), _mm_mullo_epi16(vb, weightB));
            const __m128i odd = _mm_and_si128(_mm_srli_epi16(t, 8), unit);
            return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(t, roundDown), odd), 8);
        };
        for (; i + 16 <= n; i += 16) {
            const __m128i va = load(a + i), vb = load(b + i);
            const __m128i first = blended(_mm_unpacklo_epi8(va, zero), _mm_unpacklo_epi8(vb, zero));
            const __m128i second = blended(_mm_unpackhi_epi8(va, zero), _mm_unpackhi_epi8(vb, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(first, second));
        }
    }
    if (!m_anyNearHalf) {
        for (; i + 16 <= n; i += 16) {
            const __m128i vb = load(base + i), vo = load(other + i);
            const __m128i first = mixed(_mm_unpacklo_epi8(vb, zero), _mm_unpacklo_epi8(vo, zero));
            const __m128i second = mixed(_mm_unpackhi_epi8(vb, zero), _mm_unpackhi_epi8(vo, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(first, second));
        }
    }
    // Otherwise the channels of a block whose sums lie near a half are redone by the formula: the low
    // half of v (a second multiply) is near a half when (low + half + margin) mod one <= 2 x margin.
    const __m128i offset = _mm_set1_epi16(int16_t(uint16_t(half + m_margin)));
    const __m128i span = _mm_set1_epi16(int16_t(2 * m_margin));
    auto isNear = [&](__m128i from, __m128i to) {
        const __m128i low = _mm_mullo_epi16(_mm_sub_epi16(to, from), share);
        return _mm_cmpeq_epi16(_mm_subs_epu16(_mm_add_epi16(low, offset), span), zero);
    };
    for (; i + 16 <= n; i += 16) {
        const __m128i vb = load(base + i), vo = load(other + i);
        const __m128i b0 = _mm_unpacklo_epi8(vb, zero), o0 = _mm_unpacklo_epi8(vo, zero);
        const __m128i b1 = _mm_unpackhi_epi8(vb, zero), o1 = _mm_unpackhi_epi8(vo, zero);
        const __m128i mix = _mm_packus_epi16(mixed(b0, o0), mixed(b1, o1));
        auto nearBits = unsigned(_mm_movemask_epi8(_mm_packs_epi16(isNear(b0, o0), isNear(b1, o1))));
        if (nearBits == 0) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), mix);
            continue;
        }
        // Mixed aside first: out may be a or b, whose channels the formula still reads.
        alignas(16) uint8_t block[16];
        _mm_store_si128(reinterpret_cast<__m128i*>(block), mix);
        for (; nearBits != 0; nearBits &= nearBits - 1) {
            const int j = std::countr_zero(nearBits);
            block[j] = crossFadeChannel(a[i + j], b[i + j], m_k);
        }
        std::memcpy(out + i, block, 16);
    }
#endif
    mixRowPortable(a + i, b + i, out + i, n - i);
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
    // Rows without padding between them mix as one.
    if (size_t(m_bitmap.stride()) == n && height() > 0)
        return weights.mixRow(m_bitmap.row(0), target.m_bitmap.row(0), m_bitmap.row(0), n * size_t(height()));
    for (int32_t y = 0; y < height(); ++y)
        weights.mixRow(m_bitmap.row(y), target.m_bitmap.row(y), m_bitmap.row(y), n);
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
