#include "gui/Canvas.h"

#include "core/Utf8.h"
#include "gui/Bitmap.h"
#include "gui/DibStorage.h"

#include <vector>

namespace gui {

namespace {

RECT toRECT(core::Rect r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

std::vector<POINT> toPOINTs(std::span<const core::Point> points) {
    std::vector<POINT> out;
    out.reserve(points.size());
    for (core::Point p : points)
        out.push_back(POINT{p.x, p.y});
    return out;
}

// Scales without smoothing for the duration of one transfer.
class StretchModeScope {
public:
    explicit StretchModeScope(HDC dc) : m_dc(dc), m_old(SetStretchBltMode(dc, COLORONCOLOR)) {}
    ~StretchModeScope() {
        if (m_old)
            SetStretchBltMode(m_dc, m_old);
    }
    StretchModeScope(const StretchModeScope&) = delete;
    StretchModeScope& operator=(const StretchModeScope&) = delete;

private:
    HDC m_dc;
    int m_old;
};

} // namespace

Canvas::Canvas() {
    // Changing an object that is selected must deselect it at once: its old handle is freed right
    // after these listeners return.
    m_pen.onChange = [this](Pen&) {
        if ((m_state & PenValid) && m_dc)
            SelectObject(m_dc, GetStockObject(BLACK_PEN));
        m_state &= ~PenValid;
    };
    m_brush.onChange = [this](Brush&) {
        if ((m_state & BrushValid) && m_dc)
            SelectObject(m_dc, GetStockObject(WHITE_BRUSH));
        m_state &= ~BrushValid;
    };
    m_font.onChange = [this](Font&) {
        if ((m_state & FontValid) && m_dc)
            SelectObject(m_dc, GetStockObject(SYSTEM_FONT));
        m_state &= ~FontValid;
    };
}

Canvas::Canvas(HDC dc) : Canvas() {
    m_dc = dc;
}

Canvas::~Canvas() {
    deselect();
}

HDC Canvas::handle() {
    if (!m_dc)
        createHandle();
    return m_dc;
}

void Canvas::setHandle(HDC dc) {
    if (dc == m_dc)
        return;
    deselect();
    m_dc = dc;
}

void Canvas::deselect() {
    if (m_dc) {
        if (m_oldPen)
            SelectObject(m_dc, m_oldPen);
        if (m_oldBrush)
            SelectObject(m_dc, m_oldBrush);
        if (m_oldFont)
            SelectObject(m_dc, m_oldFont);
    }
    m_oldPen = m_oldBrush = m_oldFont = nullptr;
    m_state = 0;
}

bool Canvas::require(uint8_t what) {
    if (!handle())
        return false;
    uint8_t missing = what & ~m_state;
    if (missing & PenValid) {
        HGDIOBJ old = SelectObject(m_dc, m_pen.handle());
        if (!m_oldPen)
            m_oldPen = old;
        SetROP2(m_dc, m_pen.rop2());
    }
    if (missing & BrushValid) {
        HGDIOBJ old = SelectObject(m_dc, m_brush.handle());
        if (!m_oldBrush)
            m_oldBrush = old;
        if (m_brush.style() == BrushStyle::bsSolid && !m_brush.bitmap()) {
            SetBkColor(m_dc, colorRef(m_brush.color()));
            SetBkMode(m_dc, OPAQUE);
        } else {
            SetBkMode(m_dc, TRANSPARENT);
        }
    }
    if (missing & FontValid) {
        HGDIOBJ old = SelectObject(m_dc, m_font.handle());
        if (!m_oldFont)
            m_oldFont = old;
        SetTextColor(m_dc, colorRef(m_font.color()));
    }
    m_state |= what;
    return true;
}

core::Point Canvas::penPos() {
    POINT p{};
    if (handle())
        GetCurrentPositionEx(m_dc, &p);
    return {p.x, p.y};
}

void Canvas::moveTo(int32_t x, int32_t y) {
    if (handle())
        MoveToEx(m_dc, x, y, nullptr);
}

void Canvas::lineTo(int32_t x, int32_t y) {
    if (require(PenValid))
        LineTo(m_dc, x, y);
}

void Canvas::polyline(std::span<const core::Point> points) {
    if (points.empty() || !require(PenValid))
        return;
    auto p = toPOINTs(points);
    Polyline(m_dc, p.data(), int(p.size()));
}

void Canvas::polygon(std::span<const core::Point> points) {
    if (points.empty() || !require(PenValid | BrushValid))
        return;
    auto p = toPOINTs(points);
    Polygon(m_dc, p.data(), int(p.size()));
}

void Canvas::rectangle(core::Rect r) {
    if (require(PenValid | BrushValid))
        Rectangle(m_dc, r.left, r.top, r.right, r.bottom);
}

void Canvas::roundRect(core::Rect r, int32_t cornerWidth, int32_t cornerHeight) {
    if (require(PenValid | BrushValid))
        RoundRect(m_dc, r.left, r.top, r.right, r.bottom, cornerWidth, cornerHeight);
}

void Canvas::ellipse(core::Rect r) {
    if (require(PenValid | BrushValid))
        Ellipse(m_dc, r.left, r.top, r.right, r.bottom);
}

void Canvas::fillRect(core::Rect r) {
    if (!require(BrushValid) || m_brush.style() == BrushStyle::bsClear)
        return;
    RECT rc = toRECT(r);
    FillRect(m_dc, &rc, m_brush.handle());
}

void Canvas::frameRect(core::Rect r) {
    if (!require(BrushValid) || m_brush.style() == BrushStyle::bsClear)
        return;
    RECT rc = toRECT(r);
    FrameRect(m_dc, &rc, m_brush.handle());
}

void Canvas::floodFill(int32_t x, int32_t y, core::Color color, bool surface) {
    if (require(BrushValid))
        ExtFloodFill(m_dc, x, y, colorRef(color), surface ? FLOODFILLSURFACE : FLOODFILLBORDER);
}

core::Color Canvas::pixel(int32_t x, int32_t y) {
    if (!handle())
        return core::clNone;
    COLORREF c = GetPixel(m_dc, x, y);
    return c == CLR_INVALID ? core::clNone : colorFromRef(c);
}

void Canvas::setPixel(int32_t x, int32_t y, core::Color color) {
    if (handle())
        SetPixelV(m_dc, x, y, colorRef(color));
}

void Canvas::textOut(int32_t x, int32_t y, std::string_view text) {
    if (!require(FontValid | BrushValid))
        return;
    std::wstring w = core::utf8ToWide(text);
    TextOutW(m_dc, x, y, w.data(), int(w.size()));
}

void Canvas::textRect(core::Rect r, int32_t x, int32_t y, std::string_view text) {
    if (!require(FontValid | BrushValid))
        return;
    std::wstring w = core::utf8ToWide(text);
    RECT rc = toRECT(r);
    UINT options = ETO_CLIPPED;
    if (m_brush.style() == BrushStyle::bsSolid && !m_brush.bitmap())
        options |= ETO_OPAQUE;
    ExtTextOutW(m_dc, x, y, options, &rc, w.data(), UINT(w.size()), nullptr);
}

int32_t Canvas::drawText(std::string_view text, core::Rect& r, UINT flags) {
    if (!require(FontValid | BrushValid))
        return 0;
    std::wstring w = core::utf8ToWide(text);
    RECT rc = toRECT(r);
    int height = DrawTextW(m_dc, w.data(), int(w.size()), &rc, flags);
    r = {rc.left, rc.top, rc.right, rc.bottom};
    return height;
}

Size Canvas::textExtent(std::string_view text) {
    if (!require(FontValid))
        return {};
    std::wstring w = core::utf8ToWide(text);
    SIZE s{};
    GetTextExtentPoint32W(m_dc, w.data(), int(w.size()), &s);
    return {s.cx, s.cy};
}

void Canvas::copyRect(core::Rect dest, Canvas& source, core::Rect sourceRect) {
    HDC src = source.handle();
    if (!src || !require(BrushValid))
        return;
    StretchModeScope mode(m_dc);
    StretchBlt(m_dc, dest.left, dest.top, dest.width(), dest.height(), src, sourceRect.left, sourceRect.top,
               sourceRect.width(), sourceRect.height(), m_copyMode);
}

void Canvas::copyRect(core::Rect dest, const core::FBitmap& source, core::Rect sourceRect) {
    if (source.isEmpty() || !handle())
        return;
    if (m_copyMode == SRCCOPY) {
        drawFBitmap(m_dc, dest, source, sourceRect);
        return;
    }
    Bitmap copy(source.clone());
    copyRect(dest, copy.canvas(), sourceRect);
}

void Canvas::draw(int32_t x, int32_t y, const Bitmap& bitmap) {
    if (bitmap.isEmpty() || !handle())
        return;
    if (bitmap.isTransparent()) {
        drawTransparent(x, y, bitmap.pixels(), bitmap.transparentColor());
        return;
    }
    BitBlt(m_dc, x, y, bitmap.width(), bitmap.height(), bitmap.dc(), 0, 0, m_copyMode);
}

void Canvas::draw(int32_t x, int32_t y, const core::FBitmap& bitmap) {
    copyRect({x, y, x + bitmap.width(), y + bitmap.height()}, bitmap, bitmap.bounds());
}

void Canvas::drawTransparent(int32_t x, int32_t y, const core::FBitmap& bitmap,
                             core::Color transparentColor) {
    if (bitmap.isEmpty() || !handle())
        return;
    HDC src = dcOf(bitmap);
    std::unique_ptr<Bitmap> copy;
    if (!src) {
        copy = std::make_unique<Bitmap>(bitmap.clone());
        src = copy->dc();
    }
    TransparentBlt(m_dc, x, y, bitmap.width(), bitmap.height(), src, 0, 0, bitmap.width(), bitmap.height(),
                   colorRef(transparentColor));
}

void Canvas::stretchDraw(core::Rect dest, const Bitmap& bitmap) {
    if (bitmap.isEmpty() || dest.isEmpty() || !handle())
        return;
    if (bitmap.isTransparent()) {
        TransparentBlt(m_dc, dest.left, dest.top, dest.width(), dest.height(), bitmap.dc(), 0, 0,
                       bitmap.width(), bitmap.height(), colorRef(bitmap.transparentColor()));
        return;
    }
    StretchModeScope mode(m_dc);
    StretchBlt(m_dc, dest.left, dest.top, dest.width(), dest.height(), bitmap.dc(), 0, 0, bitmap.width(),
               bitmap.height(), m_copyMode);
}

void Canvas::stretchDraw(core::Rect dest, const core::FBitmap& bitmap) {
    copyRect(dest, bitmap, bitmap.bounds());
}

void Canvas::brushCopy(core::Rect dest, const Bitmap& bitmap, core::Rect source, core::Color color) {
    if (bitmap.isEmpty() || dest.isEmpty() || !require(BrushValid))
        return;
    // Compose off-screen: the brush everywhere, then the source with color left out.
    Bitmap work(dest.width(), dest.height());
    RECT all{0, 0, dest.width(), dest.height()};
    FillRect(work.dc(), &all, m_brush.handle());
    TransparentBlt(work.dc(), 0, 0, dest.width(), dest.height(), bitmap.dc(), source.left, source.top,
                   source.width(), source.height(), colorRef(color));
    BitBlt(m_dc, dest.left, dest.top, dest.width(), dest.height(), work.dc(), 0, 0, SRCCOPY);
}

core::Rect Canvas::clipRect() {
    RECT rc{};
    if (handle())
        GetClipBox(m_dc, &rc);
    return {rc.left, rc.top, rc.right, rc.bottom};
}

} // namespace gui
