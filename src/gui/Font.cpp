#include "gui/Font.h"

#include "core/Property.h"
#include "core/Utf8.h"
#include "gui/Graphics.h"

#include <algorithm>
#include <cwchar>

namespace gui {

namespace {

constexpr const char* styleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

} // namespace

Font::Font()
    : m_name("MS Sans Serif"), m_height(-11), m_color(core::clWindowText), m_charset(DEFAULT_CHARSET),
      m_pixelsPerInch(screenPixelsPerInch()) {}

Font::~Font() = default;

void Font::assign(const Font& other) {
    if (&other == this)
        return;
    bool stale =
        !(m_name == other.m_name && m_height == other.m_height && m_style == other.m_style &&
          m_charset == other.m_charset && m_pitch == other.m_pitch && m_orientation == other.m_orientation);
    m_name = other.m_name;
    m_height = other.m_height;
    m_style = other.m_style;
    m_color = other.m_color;
    m_charset = other.m_charset;
    m_pitch = other.m_pitch;
    m_orientation = other.m_orientation;
    m_pixelsPerInch = other.m_pixelsPerInch;
    changed(stale);
}

bool Font::sameAs(const Font& other) const {
    return m_name == other.m_name && m_height == other.m_height && m_style == other.m_style &&
           m_color == other.m_color && m_charset == other.m_charset && m_pitch == other.m_pitch &&
           m_orientation == other.m_orientation;
}

void Font::setName(const std::string& name) {
    if (name.empty() || name == m_name)
        return;
    m_name = name;
    changed(true);
}

void Font::setHeight(int32_t height) {
    if (height == m_height)
        return;
    m_height = height;
    changed(true);
}

int32_t Font::size() const {
    return -MulDiv(m_height, 72, m_pixelsPerInch);
}

void Font::setSize(int32_t points) {
    setHeight(-MulDiv(points, m_pixelsPerInch, 72));
}

void Font::setStyle(FontStyles style) {
    if (style == m_style)
        return;
    m_style = style;
    changed(true);
}

void Font::setColor(core::Color color) {
    if (color == m_color)
        return;
    m_color = color;
    changed(false);
}

void Font::setCharset(uint8_t charset) {
    if (charset == m_charset)
        return;
    m_charset = charset;
    changed(true);
}

void Font::setPitch(FontPitch pitch) {
    if (pitch == m_pitch)
        return;
    m_pitch = pitch;
    changed(true);
}

void Font::setOrientation(int32_t tenthsOfDegree) {
    if (tenthsOfDegree == m_orientation)
        return;
    m_orientation = tenthsOfDegree;
    changed(true);
}

void Font::setPixelsPerInch(int32_t ppi) {
    if (ppi > 0)
        m_pixelsPerInch = ppi;
}

LOGFONTW Font::logFont() const {
    LOGFONTW lf{};
    lf.lfHeight = m_height;
    lf.lfEscapement = m_orientation;
    lf.lfOrientation = m_orientation;
    lf.lfWeight = m_style.has(FontStyle::fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = m_style.has(FontStyle::fsItalic);
    lf.lfUnderline = m_style.has(FontStyle::fsUnderline);
    lf.lfStrikeOut = m_style.has(FontStyle::fsStrikeOut);
    lf.lfCharSet = m_charset;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = m_pitch == FontPitch::fpVariable ? VARIABLE_PITCH
                          : m_pitch == FontPitch::fpFixed  ? FIXED_PITCH
                                                           : DEFAULT_PITCH;
    std::wstring face = core::utf8ToWide(m_name);
    // LF_FACESIZE includes the terminator; longer names are cut rather than overflowing.
    size_t n = std::min(face.size(), size_t(LF_FACESIZE - 1));
    std::wmemcpy(lf.lfFaceName, face.data(), n);
    lf.lfFaceName[n] = L'\0';
    return lf;
}

HFONT Font::handle() const {
    if (!m_handle) {
        LOGFONTW lf = logFont();
        m_handle.reset(CreateFontIndirectW(&lf));
        // NOTE: a failure leaves the system font in use; drawing must not fail because of a font.
        if (!m_handle)
            return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    return m_handle.get();
}

void Font::setHandle(winbase::FontHandle font) {
    LOGFONTW lf{};
    if (!font || GetObjectW(font.get(), sizeof(lf), &lf) == 0)
        return;
    m_name = core::wideToUtf8(std::wstring_view(lf.lfFaceName, wcsnlen(lf.lfFaceName, LF_FACESIZE)));
    m_height = lf.lfHeight;
    FontStyles style;
    if (lf.lfWeight >= FW_SEMIBOLD)
        style |= FontStyle::fsBold;
    if (lf.lfItalic)
        style |= FontStyle::fsItalic;
    if (lf.lfUnderline)
        style |= FontStyle::fsUnderline;
    if (lf.lfStrikeOut)
        style |= FontStyle::fsStrikeOut;
    m_style = style;
    m_charset = lf.lfCharSet;
    int pitch = lf.lfPitchAndFamily & 3;
    m_pitch = pitch == VARIABLE_PITCH ? FontPitch::fpVariable
              : pitch == FIXED_PITCH  ? FontPitch::fpFixed
                                      : FontPitch::fpDefault;
    m_orientation = lf.lfEscapement;
    // The old handle may still be selected into a canvas: it is freed only after the listeners ran.
    winbase::FontHandle old = std::exchange(m_handle, std::move(font));
    if (onChange)
        onChange(*this);
}

void Font::changed(bool handleStale) {
    winbase::FontHandle old;
    if (handleStale)
        old = std::move(m_handle);
    if (onChange)
        onChange(*this);
}

bool Font::setProperty(std::string_view name, core::PropertyReader& value) {
    if (name == "Name") {
        setName(value.asString());
    } else if (name == "Height") {
        setHeight(value.asInt());
    } else if (name == "Size") {
        setSize(value.asInt());
    } else if (name == "Color") {
        setColor(value.asColor());
    } else if (name == "Charset") {
        int charset = value.asCharset();
        if (charset < 0 || charset > 255)
            value.fail(std::to_string(charset) + " is not a character set");
        setCharset(uint8_t(charset));
    } else if (name == "Style") {
        FontStyles style;
        for (const std::string& s : value.asSet()) {
            auto it = std::find_if(std::begin(styleNames), std::end(styleNames),
                                   [&](const char* n) { return s == n; });
            if (it == std::end(styleNames))
                value.fail("'" + s + "' is not a font style");
            style |= FontStyle(it - std::begin(styleNames));
        }
        setStyle(style);
    } else if (name == "Pitch") {
        setPitch(FontPitch(value.asEnum({"fpDefault", "fpVariable", "fpFixed"})));
    } else if (name == "Orientation") {
        setOrientation(value.asInt());
    } else {
        return false;
    }
    return true;
}

void Font::writeProperties(core::PropertyWriter& out, std::string_view prefix) const {
    auto nested = out.nested(std::string(prefix));
    out.writeCharset("Charset", m_charset);
    out.writeColor("Color", m_color);
    out.writeInt("Height", m_height);
    out.writeString("Name", m_name);
    if (m_pitch != FontPitch::fpDefault)
        out.writeIdent("Pitch", m_pitch == FontPitch::fpVariable ? "fpVariable" : "fpFixed");
    if (m_orientation != 0)
        out.writeInt("Orientation", m_orientation);
    std::vector<std::string> style;
    for (int i = 0; i < 4; ++i)
        if (m_style.has(FontStyle(i)))
            style.emplace_back(styleNames[i]);
    out.writeSet("Style", style);
}

} // namespace gui
