#pragma once

#include <windows.h>

#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "controls/gdi_picture.h"
#include "controls/xp_button.h"
#include "dib_surface.h"
#include "platform/gdi_canvas.h"
#include "platform/unique_handle.h"
#include "support/button_fixture.h"

namespace orvell::win::test_support {

using controls::test::TestPictureSource;

// A new XP button of a type drawn by GDI into its own DIB section of the button's size; the host keeps
// the window's shape and what the button asked of it.
struct GdiButton {
    GdiButton(int width, int height, std::int32_t type, Colour paper)
        : surface(width, height, paper), canvas(surface.Dc()), button(host, canvas) {
        button.InitNew(L"Command1", controls::FontDescription{L"宋体", 9});
        button.OnResize(width, height);
        if (type != controls::xp_type::kXp) {
            button.SetType(type);
        }
    }

    DibSurface surface;
    controls::test::RecordingHost host;
    GdiCanvas canvas;
    controls::VelloXPButton button;
};

// A 16 x 16 icon: a square of one colour inside a transparent border of 2 pixels.
inline std::shared_ptr<GdiPicture> MakeTestIcon(Colour fill) {
    constexpr int kSize = 16;
    std::vector<std::uint32_t> pixels(kSize * kSize, 0);
    // The mask: 1 where transparent, rows padded to 16 bits, bit 7 of a byte the leftmost pixel.
    std::vector<std::uint8_t> mask(kSize * 2, 0xFF);
    for (int y = 2; y < 14; ++y) {
        for (int x = 2; x < 14; ++x) {
            pixels[y * kSize + x] = DibSurface::ToPixel(fill);
            mask[y * 2 + x / 8] = static_cast<std::uint8_t>(mask[y * 2 + x / 8] & ~(0x80u >> (x % 8)));
        }
    }
    const unique_hbitmap colour(::CreateBitmap(kSize, kSize, 1, 32, pixels.data()));
    const unique_hbitmap transparent(::CreateBitmap(kSize, kSize, 1, 1, mask.data()));
    ICONINFO iconInfo{TRUE, 0, 0, transparent.Get(), colour.Get()};
    return GdiPicture::FromIcon(::CreateIconIndirect(&iconInfo), L"test:icon");
}

// A solid bitmap of one colour, opaque, in memory or as a 32-bit BMP file.
inline std::vector<std::uint32_t> SolidPixels(int width, int height, Colour colour) {
    return std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height,
                                      DibSurface::ToPixel(colour) | 0xFF000000u);
}
inline std::shared_ptr<GdiPicture> MakeTestBitmap(int width, int height, Colour colour) {
    const std::vector<std::uint32_t> pixels = SolidPixels(width, height, colour);
    return GdiPicture::FromBitmap(::CreateBitmap(width, height, 1, 32, pixels.data()), L"test:bitmap");
}
inline bool WriteBmp(const std::wstring& path, int width, int height, Colour colour) {
    const std::vector<std::uint32_t> pixels = SolidPixels(width, height, colour);
    const auto size = static_cast<DWORD>(pixels.size() * sizeof pixels[0]);
    const BITMAPINFOHEADER info{sizeof info, width, height, 1, 32, BI_RGB, size, 0, 0, 0, 0};
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof info;
    const BITMAPFILEHEADER file{0x4D42, offset + size, 0, 0, offset};  // "BM"
    std::ofstream out(path.c_str(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(reinterpret_cast<const char*>(pixels.data()), size);
    return static_cast<bool>(out);
}

}  // namespace orvell::win::test_support
