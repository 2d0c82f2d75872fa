#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "common/colour.h"
#include "common/geometry.h"
#include "platform/unique_handle.h"
#include "support/pixel_canvas.h"  // Where, shared with the portable pixel surface
#include "support/test_printers.h"

namespace orvell::win::test_support {

// A 32-bit top-down DIB section in a memory DC, so tests can read back exactly what GDI drew.
class DibSurface {
public:
    DibSurface(int width, int height, Colour background) : m_width(width), m_height(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        m_bitmap.Reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        m_bits = static_cast<std::uint32_t*>(bits);
        m_dc.Reset(::CreateCompatibleDC(nullptr));
        if (m_bits == nullptr || !m_dc) {
            m_bits = nullptr;
            return;
        }
        m_original = ::SelectObject(m_dc.Get(), m_bitmap.Get());
        std::fill(m_bits, m_bits + static_cast<std::ptrdiff_t>(width) * height, ToPixel(background));
    }
    ~DibSurface() {
        if (m_original != nullptr) {
            ::SelectObject(m_dc.Get(), m_original);
        }
    }
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    bool IsValid() const { return m_bits != nullptr && m_dc; }
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
    unique_hbitmap m_bitmap;
    unique_hdc m_dc;
    HGDIOBJ m_original = nullptr;
    std::uint32_t* m_bits = nullptr;
};

}  // namespace orvell::win::test_support
