#pragma once
// Classes in this file: FontStyle/FontStyles (the style set), FontPitch, Font.
// A font description with change notification and a lazily created HFONT.
#include "core/Color.h"
#include "core/PropertyFwd.h"
#include "winbase/Handles.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace gui {

enum class FontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };

// A set of FontStyle; bit i is the enumerator of value i, so skin and layout style sets convert by bits.
class FontStyles {
public:
    constexpr FontStyles() = default;
    constexpr FontStyles(FontStyle s) : m_bits(uint8_t(1u << unsigned(s))) {}
    static constexpr FontStyles fromBits(uint8_t bits) { return FontStyles(uint8_t(bits & 0x0F), 0); }

    constexpr bool has(FontStyle s) const { return (m_bits & (1u << unsigned(s))) != 0; }
    constexpr bool isEmpty() const { return m_bits == 0; }
    constexpr uint8_t bits() const { return m_bits; }
    constexpr FontStyles operator|(FontStyles o) const { return FontStyles(uint8_t(m_bits | o.m_bits), 0); }
    constexpr FontStyles operator-(FontStyles o) const { return FontStyles(uint8_t(m_bits & ~o.m_bits), 0); }
    constexpr FontStyles& operator|=(FontStyles o) { return *this = *this | o; }
    constexpr FontStyles& operator-=(FontStyles o) { return *this = *this - o; }
    friend constexpr bool operator==(FontStyles, FontStyles) = default;

private:
    constexpr FontStyles(uint8_t bits, int) : m_bits(bits) {}
    uint8_t m_bits = 0;
};
constexpr FontStyles operator|(FontStyle a, FontStyle b) {
    return FontStyles(a) | FontStyles(b);
}

enum class FontPitch { fpDefault, fpVariable, fpFixed };

class Font {
public:
    // "MS Sans Serif", height -11 (8 points at 96 dpi), window-text colour, default character set.
    Font();
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Copies every attribute (not the change handler) and notifies once.
    void assign(const Font& other);
    // Attributes equal (name, height, style, colour, charset, pitch, orientation).
    bool sameAs(const Font& other) const;

    const std::string& name() const { return m_name; }
    void setName(const std::string& name);
    // Pixels; negative = character height, positive = cell height (the platform's LOGFONT rule).
    int32_t height() const { return m_height; }
    void setHeight(int32_t height);
    // Points, derived from height with pixelsPerInch.
    int32_t size() const;
    void setSize(int32_t points);
    FontStyles style() const { return m_style; }
    void setStyle(FontStyles style);
    core::Color color() const { return m_color; }
    void setColor(core::Color color);
    // The platform's character set number: 0 ANSI, 1 default, 2 symbol, 134 GB2312, ...
    uint8_t charset() const { return m_charset; }
    void setCharset(uint8_t charset);
    FontPitch pitch() const { return m_pitch; }
    void setPitch(FontPitch pitch);
    // Angle of the text baseline in tenths of a degree (escapement and orientation of the HFONT).
    int32_t orientation() const { return m_orientation; }
    void setOrientation(int32_t tenthsOfDegree);
    int32_t pixelsPerInch() const { return m_pixelsPerInch; }
    void setPixelsPerInch(int32_t ppi);

    // The HFONT for the current attributes, made on first use; owned by the font, valid until the
    // next attribute change other than colour.
    HFONT handle() const;
    // Takes ownership of font and adopts its attributes (name, height, style, charset, pitch,
    // escapement); colour is kept.
    void setHandle(winbase::FontHandle font);
    LOGFONTW logFont() const;

    // Called after every change.
    std::function<void(Font&)> onChange;

    // Layout sub-properties, named without the owner's prefix: "Name", "Height", "Size", "Color",
    // "Charset", "Style", "Pitch", "Orientation". Returns false for other names.
    bool setProperty(std::string_view name, core::PropertyReader& value);
    // Writes them as prefix + "." + name ("Font.Name"): Charset, Color, Height, Name, Pitch and
    // Orientation when not at their defaults, Style.
    void writeProperties(core::PropertyWriter& out, std::string_view prefix) const;

private:
    void changed(bool handleStale);

    std::string m_name;
    int32_t m_height;
    FontStyles m_style;
    core::Color m_color;
    uint8_t m_charset;
    FontPitch m_pitch = FontPitch::fpDefault;
    int32_t m_orientation = 0;
    int32_t m_pixelsPerInch;
    mutable winbase::FontHandle m_handle;
};

} // namespace gui
