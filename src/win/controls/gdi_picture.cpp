#include "controls/gdi_picture.h"

#include <cwctype>

#include "controls/program_path.h"
#include "platform/gdi_canvas.h"
#include "platform/text_file.h"
#include "skin/art_scale.h"

namespace orvell::win {

namespace {

bool BitmapSize(HBITMAP bitmap, int& width, int& height) {
    BITMAP info{};
    if (bitmap == nullptr || ::GetObjectW(bitmap, sizeof info, &info) == 0) {
        return false;
    }
    width = info.bmWidth;
    height = info.bmHeight;
    return true;
}

bool IconSize(HICON icon, int& width, int& height) {
    ICONINFO info{};
    if (icon == nullptr || ::GetIconInfo(icon, &info) == 0) {
        return false;
    }
    // The icon's bitmaps are copies made for the caller.
    const unique_hbitmap colour(info.hbmColor);
    const unique_hbitmap mask(info.hbmMask);
    if (colour) {
        return BitmapSize(colour.Get(), width, height);
    }
    // A monochrome icon keeps its AND and XOR masks one above the other.
    if (!BitmapSize(mask.Get(), width, height)) {
        return false;
    }
    height /= 2;
    return true;
}

bool EndsWith(std::wstring_view text, std::wstring_view ending) {
    if (text.size() < ending.size()) {
        return false;
    }
    const std::wstring_view tail = text.substr(text.size() - ending.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        if (std::towlower(tail[i]) != ending[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::shared_ptr<GdiPicture> GdiPicture::FromBitmap(HBITMAP bitmap, std::wstring reference) {
    unique_hbitmap owned(bitmap);
    int width = 0;
    int height = 0;
    if (!BitmapSize(owned.Get(), width, height)) {
        return nullptr;
    }
    return std::shared_ptr<GdiPicture>(
        new GdiPicture(std::move(owned), unique_hicon(), width, height, std::move(reference)));
}

std::shared_ptr<GdiPicture> GdiPicture::FromIcon(HICON icon, std::wstring reference) {
    unique_hicon owned(icon);
    int width = 0;
    int height = 0;
    if (!IconSize(owned.Get(), width, height)) {
        return nullptr;
    }
    return std::shared_ptr<GdiPicture>(
        new GdiPicture(unique_hbitmap(), std::move(owned), width, height, std::move(reference)));
}

void GdiPicture::Draw(Canvas& canvas, const Rect& box) const {
    auto* gdi = dynamic_cast<GdiCanvas*>(&canvas);
    if (gdi == nullptr || box.Width() <= 0 || box.Height() <= 0) {
        return;
    }
    const HDC dc = gdi->Dc();
    if (m_icon) {
        ::DrawIconEx(dc, box.left, box.top, m_icon.Get(), box.Width(), box.Height(), 0, nullptr, DI_NORMAL);
        return;
    }
    const unique_hdc source(::CreateCompatibleDC(dc));
    if (!source) {
        return;
    }
    const SelectGuard selected(source.Get(), m_bitmap.Get());
    // Colour bitmaps shrink by dropping rows and columns, not by ANDing them together.
    const int mode = ::SetStretchBltMode(dc, COLORONCOLOR);
    ::StretchBlt(dc, box.left, box.top, box.Width(), box.Height(), source.Get(), 0, 0, m_width, m_height,
                 SRCCOPY);
    if (mode != 0) {
        ::SetStretchBltMode(dc, mode);
    }
}

GdiPictureSource::GdiPictureSource(HINSTANCE module, int dpi)
    : m_module(module), m_scale(skin::ArtScaleFor(dpi)), m_folder(ExeFolder()) {}

controls::PictureRef GdiPictureSource::Load(std::wstring_view reference) {
    constexpr std::wstring_view kResource = L"res:";
    const std::wstring name(reference);
    if (reference.substr(0, kResource.size()) == kResource) {
        const std::wstring resource(reference.substr(kResource.size()));
        if (resource.empty()) {
            return nullptr;
        }
        // LR_SHARED is left out: each picture owns and destroys its own handle.
        if (HANDLE icon = ::LoadImageW(m_module, resource.c_str(), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR)) {
            // The first image's size is the 96-dpi one; the image of the scaled size is picked from
            // the same icon.
            int width = 0;
            int height = 0;
            if (m_scale != 100 && IconSize(static_cast<HICON>(icon), width, height)) {
                if (const HANDLE sized =
                        ::LoadImageW(m_module, resource.c_str(), IMAGE_ICON, skin::ScaledArt(width, m_scale),
                                     skin::ScaledArt(height, m_scale), LR_DEFAULTCOLOR)) {
                    ::DestroyIcon(static_cast<HICON>(icon));
                    icon = sized;
                }
            }
            return GdiPicture::FromIcon(static_cast<HICON>(icon), name);
        }
        if (const HANDLE bitmap =
                ::LoadImageW(m_module, resource.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)) {
            return GdiPicture::FromBitmap(static_cast<HBITMAP>(bitmap), name);
        }
        return nullptr;
    }
    // Pictures of a design sit beside the program, like its sounds.
    const std::wstring path = controls::ResolveProgramPath(reference, m_folder);
    if (EndsWith(path, L".ico") || EndsWith(path, L".cur")) {
        const HANDLE icon = ::LoadImageW(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE);
        return icon != nullptr ? GdiPicture::FromIcon(static_cast<HICON>(icon), name) : nullptr;
    }
    if (EndsWith(path, L".bmp")) {
        const HANDLE bitmap =
            ::LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
        return bitmap != nullptr ? GdiPicture::FromBitmap(static_cast<HBITMAP>(bitmap), name) : nullptr;
    }
    return nullptr;
}

}  // namespace orvell::win
