#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "controls/picture.h"
#include "platform/unique_handle.h"

namespace orvell::win {

// A bitmap or icon the controls show, owning its handle. It draws on GDI surfaces only (GdiCanvas);
// on any other surface it draws nothing.
class GdiPicture final : public controls::Picture {
public:
    // Takes ownership of the handle; null for a null handle.
    static std::shared_ptr<GdiPicture> FromBitmap(HBITMAP bitmap, std::wstring reference = {});
    static std::shared_ptr<GdiPicture> FromIcon(HICON icon, std::wstring reference = {});

    controls::PictureKind Kind() const override {
        return m_icon ? controls::PictureKind::Icon : controls::PictureKind::Bitmap;
    }
    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    std::wstring Reference() const override { return m_reference; }
    void Draw(Canvas& canvas, const Rect& box) const override;

    HBITMAP Bitmap() const { return m_bitmap.Get(); }
    HICON Icon() const { return m_icon.Get(); }

private:
    GdiPicture(unique_hbitmap bitmap, unique_hicon icon, int width, int height, std::wstring reference)
        : m_bitmap(std::move(bitmap)),
          m_icon(std::move(icon)),
          m_width(width),
          m_height(height),
          m_reference(std::move(reference)) {}

    unique_hbitmap m_bitmap;
    unique_hicon m_icon;
    int m_width;
    int m_height;
    std::wstring m_reference;
};

// Loads the pictures a saved design names: "res:NAME" (or "res:#101") for an icon or bitmap resource
// of the program, anything else a .ico, .cur or .bmp file (relative names from the program's folder).
// The program's own icons come in each drawn size (skin::kArtScales): the one for the DPI.
class GdiPictureSource final : public controls::PictureSource {
public:
    explicit GdiPictureSource(HINSTANCE module = ::GetModuleHandleW(nullptr), int dpi = 96);
    controls::PictureRef Load(std::wstring_view reference) override;

private:
    HINSTANCE m_module;
    int m_scale;
    std::wstring m_folder;
};

}  // namespace orvell::win
