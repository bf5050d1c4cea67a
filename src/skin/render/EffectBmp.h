#pragma once
// Per-pixel effects on a 24-bit bitmap: the blends behind state morphs (the own image turns into a
// target image as a factor k goes from 0 to 1) and the filters that draw an inactive form. Channels are
// worked on separately as integers 0..255; every real-valued result is rounded to the nearest integer
// with ties to even and clamped to 0..255.
#include "core/FBitmap.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace skin {

// In the order of the skin's ordinals ("morphkind", "inactiveeffect").
enum class Blend { CrossFade, CentreGradient, LeftGradient, RightGradient, LeftSlide, RightSlide, Push };
enum class Filter { Brighten, Darken, Grayscale, Noise, SplitBlur, Invert };

// The skin's "morphkind" ordinal (0..6) to its blend; any other value is a cross-fade.
Blend blendForMorphKind(int morphKind);
// The skin's "inactiveeffect" ordinal (0..5) to its filter; any other value is grayscale.
Filter filterForInactiveEffect(int inactiveEffect);

// Nearest integer with ties to even, clamped to 0..255 (NaN gives 0).
uint8_t roundChannel(double value);

// One channel of a cross-fade: (1 - k) x a + k x b, rounded.
uint8_t crossFadeChannel(uint8_t a, uint8_t b, double k);

// A cross-fade's weights in fixed point for whole rows. Each channel is the nearer image's value moved
// by a fixed-point share of the difference; shares within reach of a half go through crossFadeChannel,
// so every byte is the one the formula gives, ties included.
class CrossFadeWeights {
public:
    // The ways of mixing a row, from the plainest to the widest vector unit. All give the same bytes.
    enum class Path { Portable, Sse2, Ssse3, Avx2 };
    // Whether this build and processor can take the path.
    static bool available(Path path);
    // The widest available path: what mixRow takes.
    static Path fastestPath();

    explicit CrossFadeWeights(double k); // k in 0..1
    // out[i] = crossFadeChannel(a[i], b[i], k) for i < n; out may be a or b.
    void mixRow(const uint8_t* a, const uint8_t* b, uint8_t* out, size_t n) const {
        mixRow(fastestPath(), a, b, out, n);
    }
    // The same through a given path (one that is not available falls back to a plainer one).
    void mixRow(Path path, const uint8_t* a, const uint8_t* b, uint8_t* out, size_t n) const;
    // The same bytes one channel at a time, without the vector unit (what mixRow does on machines
    // without one, and for the last channels of a row).
    void mixRowPortable(const uint8_t* a, const uint8_t* b, uint8_t* out, size_t n) const;

private:
    static constexpr int shift = 16;
    static constexpr int32_t one = int32_t(1) << shift, half = one / 2;
    uint8_t mixChannel(uint8_t a, uint8_t b) const;
    void mixRowSse2(const uint8_t* a, const uint8_t* b, uint8_t* out, size_t n) const;

    double m_k;
    // The base is the image with the larger weight, so that the other's share fits a signed 16-bit
    // multiply: b when k > 1/2.
    bool m_fromB;
    int32_t m_share;    // 0..32767: the other image's weight in units of 1/one
    int32_t m_margin;   // fixed-point sums this close to a half take the formula
    bool m_anyNearHalf; // some difference of two channels lands within the margin of a half
    // The same share in units of 1/(one / 2), for the rounding multiply of the wider paths, and whether
    // any difference lands near a half at that precision (those paths then mix as Sse2 does).
    int16_t m_share15;
    bool m_anyNearHalf15;
    // m when k is exactly m / 256 (0 < m < 256), else 0. The formula's sum is then exact in doubles, and
    // so is its integer counterpart, ties and all, in 16 bits.
    uint16_t m_weight256;
};

class EffectBmp {
public:
    using Pixel = std::array<uint8_t, 3>; // blue, green, red
    // Uniform integer in 0..n-1 (n >= 1).
    using RandomSource = std::function<int32_t(int32_t n)>;

    EffectBmp(int32_t width, int32_t height);
    explicit EffectBmp(const core::FBitmap& source);
    explicit EffectBmp(core::FBitmap&& pixels);

    int32_t width() const { return m_bitmap.width(); }
    int32_t height() const { return m_bitmap.height(); }
    const core::FBitmap& bitmap() const { return m_bitmap; }
    core::FBitmap& bitmap() { return m_bitmap; }
    core::FBitmap takeBitmap() { return std::move(m_bitmap); }

    Pixel pixel(int32_t x, int32_t y) const;
    void setPixel(int32_t x, int32_t y, Pixel bgr);
    // Row y as 3 x width bytes.
    void readRow(int32_t y, uint8_t* buffer) const;
    void writeRow(int32_t y, const uint8_t* buffer);
    uint8_t* rowAddress(int32_t y) { return m_bitmap.row(y); }

    // Writes pixel (x, y) to the target at (x, height - 1 - y); nothing when the sizes differ.
    void flipInto(EffectBmp& target) const;

    // Blends with a target of the same size (nothing happens when the sizes differ). k is clamped to
    // 0..1 (a value that is not >= 0 counts as 0): 0 leaves the own image, 1 shows the target.
    void blend(Blend kind, const EffectBmp& target, double k);
    void crossFade(const EffectBmp& target, double k);
    // Grows the target from the centre column (width >= height) or centre row outward, soft-edged.
    void centreGradient(const EffectBmp& target, double k);
    void leftGradient(const EffectBmp& target, double k);
    void rightGradient(const EffectBmp& target, double k);
    void leftSlide(const EffectBmp& target, double k);
    void rightSlide(const EffectBmp& target, double k);
    void push(const EffectBmp& target, double k);
    void morph(const EffectBmp& target, double k, int morphKind) {
        blend(blendForMorphKind(morphKind), target, k);
    }

    // The filter with the amount an inactive form uses (brightness 0.5, darkness 0.3, noise 50, blur 1).
    void applyFilter(Filter filter);
    void applyInactiveEffect(int inactiveEffect) { applyFilter(filterForInactiveEffect(inactiveEffect)); }
    void brighten(double amount);
    void darken(double amount);
    void grayscale();
    void invert();
    // Adds one offset r - amount / 2, r uniform in 0..amount-1, to the three channels of each pixel;
    // amount <= 0 changes nothing. Without a source the process-wide generator is used.
    void noise(int32_t amount);
    void noise(int32_t amount, const RandomSource& random);
    // Each channel becomes the floor of the mean of four samples `amount` rows and columns away, worked
    // in place from the top-left; amount <= 0 changes nothing.
    void splitBlur(int32_t amount);

private:
    bool sameSize(const EffectBmp& other) const {
        return width() == other.width() && height() == other.height();
    }

    core::FBitmap m_bitmap;
};

} // namespace skin
