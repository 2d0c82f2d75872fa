#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/colour.h"
#include "common/geometry.h"
#include "platform/gdi.h"
#include "platform/unique_handle.h"
#include "support/pixel_canvas.h"  // Where and the value printers, shared with the portable surface

namespace orvell::win::test_support {

inline Colour PixelOf(HDC dc, int x, int y) {
    return Colour(static_cast<std::uint32_t>(::GetPixel(dc, x, y)));
}
inline Colour SystemColour(int index) {
    return Colour(static_cast<std::uint32_t>(::GetSysColor(index)));
}

// A bitmap of the test program's resources in a DC of its own, its pixels as the resource holds them.
class ResourceBitmap {
public:
    explicit ResourceBitmap(const std::wstring& name)
        : m_loaded(m_dc.SelectBitmap(unique_hbitmap(static_cast<HBITMAP>(::LoadImageW(
              ::GetModuleHandleW(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))))) {}
    bool Loaded() const { return m_loaded; }
    HDC Dc() const { return m_dc.Get(); }
    Colour At(int x, int y) const { return PixelOf(m_dc.Get(), x, y); }

private:
    MemoryDc m_dc;
    bool m_loaded;
};

// A 32-bit top-down DIB section in a memory DC, so tests can read back exactly what GDI drew.
class DibSurface {
public:
    DibSurface(int width, int height, Colour background) : m_width(width), m_height(height) {
        Dib32 dib = MakeDib32(width, height);
        m_bits = dib.bits;
        if (m_bits == nullptr || !m_dc.SelectBitmap(std::move(dib.bitmap))) {
            m_bits = nullptr;
            return;
        }
        std::fill(m_bits, m_bits + static_cast<std::ptrdiff_t>(width) * height, ToPixel(background));
    }

    bool IsValid() const { return m_bits != nullptr; }
    HDC Dc() const { return m_dc.Get(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    Colour At(int x, int y) const {
        ::GdiFlush();
        const std::uint32_t pixel = m_bits[static_cast<std::ptrdiff_t>(y) * m_width + x];
        return Colour::Rgb(static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
                           static_cast<int>(pixel & 0xFF));
    }

    Colour At(Point point) const { return At(point.x, point.y); }

    // Every pixel of the colour, row by row.
    std::vector<Point> PixelsOf(Colour colour) const {
        return Where(m_width, m_height, [&](int x, int y) { return At(x, y) == colour; });
    }

    // The memory layout of a DIB pixel: blue in the low byte.
    static std::uint32_t ToPixel(Colour colour) {
        return static_cast<std::uint32_t>(colour.Blue() | (colour.Green() << 8) | (colour.Red() << 16));
    }

private:
    int m_width;
    int m_height;
    MemoryDc m_dc;
    std::uint32_t* m_bits = nullptr;
};

}  // namespace orvell::win::test_support
