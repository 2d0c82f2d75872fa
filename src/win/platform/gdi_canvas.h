#pragma once

#include <windows.h>

#include "common/canvas.h"

namespace orvell::win {

// The drawing surface of the skinned parts over a GDI device context. It borrows the DC: the caller
// owns it and selects the font that Text uses. Every pen, brush and region it makes is deleted before
// the call returns, and the DC's selections, text colour and background mode are left as found.
class GdiCanvas final : public Canvas {
public:
    explicit GdiCanvas(HDC dc) noexcept : m_dc(dc) {}

    HDC Dc() const noexcept { return m_dc; }

    // System colours by GetSysColor (an index the system does not know reads as black); any other
    // value is the plain 0x00BBGGRR colour, a stray top byte dropped.
    Colour Resolve(Colour colour) const override;

    void Line(Point from, Point to, Colour colour) override;
    void Fill(const Rect& rect, Colour colour) override;
    void Frame(const Rect& rect, Colour colour) override;
    void Arc(const Rect& bounds, Point start, Point end, Colour colour) override;
    void Edge(const Rect& rect, EdgeKind kind) override;
    void Polygon(std::span<const Point> points, Colour colour) override;
    void SetPixel(Point at, Colour colour) override;
    // A point off the surface reads as black.
    Colour GetPixel(Point at) const override;
    void Text(std::wstring_view text, const Rect& rect, unsigned format, Colour colour) override;
    int TextHeight(std::wstring_view text, const Rect& rect, unsigned format) const override;
    void FocusRect(const Rect& rect) override;
    // One copy each way through a DIB section, rather than a call per pixel.
    std::vector<Colour> ReadPixels(const Rect& rect) const override;
    void WritePixels(const Rect& rect, std::span<const Colour> pixels) override;

private:
    COLORREF ToColorRef(Colour colour) const { return static_cast<COLORREF>(Resolve(colour).Value()); }

    HDC m_dc;
};

}  // namespace orvell::win
