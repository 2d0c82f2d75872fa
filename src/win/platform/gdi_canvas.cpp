#include "platform/gdi_canvas.h"

#include <climits>
#include <cstdint>
#include <vector>

#include "platform/unique_handle.h"

namespace orvell::win {

namespace {

RECT ToRect(const Rect& rect) {
    return RECT{rect.left, rect.top, rect.right, rect.bottom};
}

// A 32-bit top-down DIB section of a rectangle's size in a memory DC, to move pixels in and out of
// a surface in one copy each way.
class PixelBuffer {
public:
    PixelBuffer(int width, int height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        m_bitmap.Reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        m_dc.Reset(::CreateCompatibleDC(nullptr));
        if (!m_bitmap || !m_dc || bits == nullptr) {
            return;
        }
        m_bits = static_cast<std::uint32_t*>(bits);
        m_previous = ::SelectObject(m_dc.Get(), m_bitmap.Get());
    }
    ~PixelBuffer() {
        if (m_previous != nullptr) {
            ::SelectObject(m_dc.Get(), m_previous);
        }
    }
    PixelBuffer(const PixelBuffer&) = delete;
    PixelBuffer& operator=(const PixelBuffer&) = delete;

    bool IsValid() const { return m_bits != nullptr && m_previous != nullptr; }
    HDC Dc() const { return m_dc.Get(); }
    std::uint32_t* Bits() const { return m_bits; }

private:
    unique_hbitmap m_bitmap;
    unique_hdc m_dc;
    HGDIOBJ m_previous = nullptr;
    std::uint32_t* m_bits = nullptr;
};

// DIB pixels hold blue in the low byte; the program's colours red.
Colour FromDibPixel(std::uint32_t pixel) {
    return Colour::Rgb(static_cast<int>((pixel >> 16) & 0xFFu), static_cast<int>((pixel >> 8) & 0xFFu),
                       static_cast<int>(pixel & 0xFFu));
}

std::uint32_t ToDibPixel(Colour colour) {
    return static_cast<std::uint32_t>(colour.Blue() | (colour.Green() << 8) | (colour.Red() << 16));
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

std::vector<Colour> GdiCanvas::ReadPixels(const Rect& rect) const {
    const int width = rect.Width();
    const int height = rect.Height();
    if (width <= 0 || height <= 0) {
        return {};
    }
    PixelBuffer buffer(width, height);
    if (!buffer.IsValid()) {
        return Canvas::ReadPixels(rect);
    }
    // The buffer starts black; what lies off the surface is not copied and so reads as black.
    ::BitBlt(buffer.Dc(), 0, 0, width, height, m_dc, rect.left, rect.top, SRCCOPY);
    ::GdiFlush();
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::vector<Colour> pixels;
    pixels.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        pixels.push_back(FromDibPixel(buffer.Bits()[i]));
    }
    return pixels;
}

void GdiCanvas::WritePixels(const Rect& rect, std::span<const Colour> pixels) {
    const int width = rect.Width();
    const int height = rect.Height();
    if (width <= 0 || height <= 0 ||
        pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return;
    }
    PixelBuffer buffer(width, height);
    if (!buffer.IsValid()) {
        Canvas::WritePixels(rect, pixels);
        return;
    }
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        buffer.Bits()[i] = ToDibPixel(Resolve(pixels[i]));
    }
    ::GdiFlush();
    ::BitBlt(m_dc, rect.left, rect.top, width, height, buffer.Dc(), 0, 0, SRCCOPY);
}

}  // namespace orvell::win
