#include "platform/gdi_canvas.h"

#include <climits>
#include <vector>

#include "platform/unique_handle.h"

namespace orvell::win {

namespace {

RECT ToRect(const Rect& rect) {
    return RECT{rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

Colour GdiCanvas::Resolve(Colour colour) const {
    if (colour.IsSystem()) {
        return Colour(static_cast<std::uint32_t>(::GetSysColor(colour.SystemIndex())) & 0x00FFFFFFu);
    }
    // GDI would read a set top byte as a palette reference.
    return Colour(colour.Value() & 0x00FFFFFFu);
}

void GdiCanvas::Line(Point from, Point to, Colour colour) {
    const unique_hpen pen(::CreatePen(PS_SOLID, 1, ToColorRef(colour)));
    if (!pen) {
        return;
    }
    const SelectGuard selected(m_dc, pen.Get());
    POINT previous{};
    ::MoveToEx(m_dc, from.x, from.y, &previous);
    ::LineTo(m_dc, to.x, to.y);
    ::MoveToEx(m_dc, previous.x, previous.y, nullptr);
}

void GdiCanvas::Fill(const Rect& rect, Colour colour) {
    const unique_hbrush brush(::CreateSolidBrush(ToColorRef(colour)));
    if (!brush) {
        return;
    }
    const RECT area = ToRect(rect);
    ::FillRect(m_dc, &area, brush.Get());
}

void GdiCanvas::Frame(const Rect& rect, Colour colour) {
    const unique_hbrush brush(::CreateSolidBrush(ToColorRef(colour)));
    if (!brush) {
        return;
    }
    const RECT area = ToRect(rect);
    ::FrameRect(m_dc, &area, brush.Get());
}

void GdiCanvas::Arc(const Rect& bounds, Point start, Point end, Colour colour) {
    const unique_hpen pen(::CreatePen(PS_SOLID, 1, ToColorRef(colour)));
    if (!pen) {
        return;
    }
    const SelectGuard selected(m_dc, pen.Get());
    // The direction is a DC setting that other code may have changed.
    const int direction = ::SetArcDirection(m_dc, AD_COUNTERCLOCKWISE);
    ::Arc(m_dc, bounds.left, bounds.top, bounds.right, bounds.bottom, start.x, start.y, end.x, end.y);
    if (direction != 0) {
        ::SetArcDirection(m_dc, direction);
    }
}

void GdiCanvas::Edge(const Rect& rect, EdgeKind kind) {
    RECT area = ToRect(rect);
    ::DrawEdge(m_dc, &area, kind == EdgeKind::RaisedInner ? BDR_RAISEDINNER : BDR_SUNKENINNER, BF_RECT);
}

void GdiCanvas::Polygon(std::span<const Point> points, Colour colour) {
    if (points.size() < 3 || points.size() > static_cast<std::size_t>(INT_MAX)) {
        return;
    }
    std::vector<POINT> corners;
    corners.reserve(points.size());
    for (const Point& point : points) {
        corners.push_back(POINT{point.x, point.y});
    }
    const unique_hrgn region(::CreatePolygonRgn(corners.data(), static_cast<int>(corners.size()), ALTERNATE));
    const unique_hbrush brush(::CreateSolidBrush(ToColorRef(colour)));
    if (!region || !brush) {
        return;
    }
    ::FillRgn(m_dc, region.Get(), brush.Get());
}

void GdiCanvas::SetPixel(Point at, Colour colour) {
    ::SetPixel(m_dc, at.x, at.y, ToColorRef(colour));
}

Colour GdiCanvas::GetPixel(Point at) const {
    const COLORREF pixel = ::GetPixel(m_dc, at.x, at.y);
    return pixel == CLR_INVALID ? Colour::Rgb(0, 0, 0) : Colour(static_cast<std::uint32_t>(pixel));
}

void GdiCanvas::Text(std::wstring_view text, const Rect& rect, unsigned format, Colour colour) {
    if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX)) {
        return;
    }
    RECT area = ToRect(rect);
    const int mode = ::SetBkMode(m_dc, TRANSPARENT);
    const COLORREF previous = ::SetTextColor(m_dc, ToColorRef(colour));
    ::DrawTextW(m_dc, text.data(), static_cast<int>(text.size()), &area, format);
    ::SetTextColor(m_dc, previous);
    if (mode != 0) {
        ::SetBkMode(m_dc, mode);
    }
}

int GdiCanvas::TextHeight(std::wstring_view text, const Rect& rect, unsigned format) const {
    if (text.size() > static_cast<std::size_t>(INT_MAX)) {
        return 0;
    }
    RECT area = ToRect(rect);
    return ::DrawTextW(m_dc, text.data(), static_cast<int>(text.size()), &area, format | DT_CALCRECT);
}

void GdiCanvas::FocusRect(const Rect& rect) {
    const RECT area = ToRect(rect);
    ::DrawFocusRect(m_dc, &area);
}

}  // namespace orvell::win
