#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/gdi_picture.h"
#include "controls/xp_button.h"
#include "controls/xp_button_window.h"
#include "dib_surface.h"
#include "platform/gdi_canvas.h"
#include "platform/unique_handle.h"

namespace orvell::win::test_support {

// A host for an XP button drawn straight into a DIB section: the caption font is selected into the
// surface, the shape is kept, everything else is ignored.
class DibHost final : public controls::XpButtonHost {
public:
    explicit DibHost(HDC dc) : m_dc(dc) {}
    ~DibHost() override {
        if (m_original != nullptr) {
            ::SelectObject(m_dc, m_original);
        }
    }
    DibHost(const DibHost&) = delete;
    DibHost& operator=(const DibHost&) = delete;

    void PropertyChanged(std::wstring_view) override {}
    void ShowMessage(std::wstring_view, std::wstring_view text, controls::MessageIcon) override {
        messages.emplace_back(text);
    }
    void ApplyEnabled(bool) override {}
    void ApplyFont(const controls::FontDescription& font) override {
        unique_hfont made(::CreateFontW(
            -static_cast<int>(font.size * 96 / 72 + 0.5f), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL,
            font.italic, font.underline, font.strikethrough, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
            CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, font.name.c_str()));
        const HGDIOBJ previous = ::SelectObject(m_dc, made.Get());
        if (m_original == nullptr) {
            m_original = previous;
        }
        m_font = std::move(made);
    }
    void ApplyMousePointer(std::int32_t, const controls::Picture*) override {}
    void ApplyRegion(const controls::WindowRegion& shape) override { region = shape; }
    void Present() override { ++presents; }
    void CaptureMouse() override {}
    void ReleaseMouse() override {}
    void PlaySoundFile(std::wstring_view) override {}
    void MoveFocus(bool) override {}

    std::optional<controls::WindowRegion> region;
    std::vector<std::wstring> messages;
    int presents = 0;

private:
    HDC m_dc;
    unique_hfont m_font;
    HGDIOBJ m_original = nullptr;
};

// An XP button of a type drawn by GDI into its own DIB section of the button's size.
struct GdiButton {
    GdiButton(int width, int height, std::int32_t type = controls::xp_type::kXp,
              Colour paper = Colour::Rgb(10, 200, 10))
        : surface(width, height, paper), host(surface.Dc()), canvas(surface.Dc()), button(host, canvas) {
        button.InitNew(L"Command1", controls::FontDescription{L"Tahoma", 8});
        button.OnResize(width, height);
        if (type != controls::xp_type::kXp) {
            button.SetType(type);
        }
    }

    DibSurface surface;
    DibHost host;
    GdiCanvas canvas;
    controls::VelloXPButton button;
};

// A 16 x 16 icon: a blue square with a yellow diagonal inside a transparent border of 2 pixels.
inline std::shared_ptr<GdiPicture> MakeTestIcon(Colour fill = Colour::Rgb(0, 0, 255),
                                                Colour stripe = Colour::Rgb(255, 255, 0)) {
    constexpr int kSize = 16;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kSize;
    info.bmiHeader.biHeight = -kSize;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP colour = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    // The mask: 1 where transparent, rows padded to 16 bits.
    std::vector<std::uint16_t> maskRows(kSize, 0xFFFF);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const bool inside = x >= 2 && x < 14 && y >= 2 && y < 14;
            const Colour c = x == y ? stripe : fill;
            pixels[y * kSize + x] = inside ? DibSurface::ToPixel(c) : 0;
            if (inside) {
                // Bit 7 of the first byte is the leftmost pixel.
                const int bit = x < 8 ? 7 - x : 15 - x;
                auto* bytes = reinterpret_cast<std::uint8_t*>(&maskRows[y]);
                bytes[x < 8 ? 0 : 1] = static_cast<std::uint8_t>(bytes[x < 8 ? 0 : 1] & ~(1u << bit));
            }
        }
    }
    const HBITMAP mask = ::CreateBitmap(kSize, kSize, 1, 1, maskRows.data());
    ICONINFO iconInfo{};
    iconInfo.fIcon = TRUE;
    iconInfo.hbmColor = colour;
    iconInfo.hbmMask = mask;
    const HICON icon = ::CreateIconIndirect(&iconInfo);
    ::DeleteObject(colour);
    ::DeleteObject(mask);
    return GdiPicture::FromIcon(icon, L"test:icon");
}

// A solid bitmap of one colour.
inline std::shared_ptr<GdiPicture> MakeTestBitmap(int width, int height, Colour colour) {
    DibSurface source(width, height, colour);
    const ClientDc screen(nullptr);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(screen.Get(), width, height);
    const unique_hdc dc(::CreateCompatibleDC(nullptr));
    const HGDIOBJ previous = ::SelectObject(dc.Get(), bitmap);
    ::BitBlt(dc.Get(), 0, 0, width, height, source.Dc(), 0, 0, SRCCOPY);
    ::SelectObject(dc.Get(), previous);
    return GdiPicture::FromBitmap(bitmap, L"test:bitmap");
}

}  // namespace orvell::win::test_support
