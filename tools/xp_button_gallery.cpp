// Draws every type of the XP button in every state into one BMP picture, to look at after a change of
// its painting: rows are the seven types, columns the states normal, hovered, focused, pressed and
// disabled, each button as its window shows it (cut to the window's shape) on the main window's
// background. Built and run by xp_button_gallery.sh; the test suites check the pixels themselves.
//
//   xp_button_gallery OUT.bmp [ICON.ico]    (the icon goes on the push types)
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <vector>

#include "controls/gdi_picture.h"
#include "controls/xp_button_window.h"
#include "platform/gdi.h"
#include "platform/unique_handle.h"
#include "platform/window.h"

namespace orvell::win {
namespace {

const struct {
    const wchar_t* label;
    std::int32_t type;
    int width;
    const wchar_t* caption;
} kRows[] = {{L"0 XP", 0, 90, L"ASCⅡ表"},    {L"1 flat", 1, 90, L"隐藏"}, {L"2 arrow", 2, 90, L"Arrow"},
             {L"3 toolbar", 3, 90, L"Tool"}, {L"4 chevron", 4, 24, L""},  {L"5 separator", 5, 8, L""},
             {L"6 grip", 6, 10, L""}};

const struct {
    const wchar_t* label;
    std::function<void(controls::VelloXPButton&)> enter;
} kColumns[] = {
    {L"normal", [](controls::VelloXPButton&) {}},
    {L"hovered", [](controls::VelloXPButton& b) { b.OnMouseMove(0, 0, 5, 5); }},
    {L"focused", [](controls::VelloXPButton& b) { b.OnGotFocus(); }},
    {L"pressed",
     [](controls::VelloXPButton& b) {
         b.OnMouseMove(0, 0, 5, 5);
         b.OnMouseDown(controls::kLeftButton, 0, 5, 5);
     }},
    {L"disabled", [](controls::VelloXPButton& b) { b.SetEnabled(false); }},
};

constexpr int kLabelWidth = 70;
constexpr int kHeaderHeight = 22;
constexpr int kCellWidth = 110;
constexpr int kCellHeight = 40;
constexpr int kButtonHeight = 26;
constexpr Colour kBackground = Colour::Rgb(207, 203, 207);  // the main window's

// The buttons' parent, never shown.
class Holder final : public Window {
public:
    bool Open() {
        WindowClass windowClass;
        windowClass.name = L"OrvellGalleryHolder";
        return Create(windowClass, WindowCreation{});
    }
};

// A top-down 32-bit BMP file of the pixels, made opaque: viewers read the top byte as alpha.
bool WriteBmp(const wchar_t* path, const std::uint32_t* pixels, int width, int height) {
    std::vector<std::uint32_t> opaque(pixels, pixels + static_cast<std::ptrdiff_t>(width) * height);
    for (std::uint32_t& pixel : opaque) {
        pixel |= 0xFF000000u;
    }
    const auto size = static_cast<DWORD>(opaque.size() * sizeof opaque[0]);
    const BITMAPINFOHEADER info{sizeof info, width, -height, 1, 32, BI_RGB, size, 0, 0, 0, 0};
    constexpr WORD kBmSignature = 'B' | ('M' << 8);
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof info;
    const BITMAPFILEHEADER file{kBmSignature, offset + size, 0, 0, offset};
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(reinterpret_cast<const char*>(opaque.data()), size);
    return static_cast<bool>(out);
}

int Run(const wchar_t* outPath, const wchar_t* iconPath) {
    Holder holder;
    const int columns = static_cast<int>(std::size(kColumns));
    const int rows = static_cast<int>(std::size(kRows));
    const int width = kLabelWidth + kCellWidth * columns;
    const int height = kHeaderHeight + kCellHeight * rows;
    MemoryDc gallery;
    Dib32 dib = MakeDib32(width, height);
    std::uint32_t* const pixels = dib.bits;
    if (!holder.Open() || pixels == nullptr || !gallery.SelectBitmap(std::move(dib.bitmap))) {
        std::fputs("xp_button_gallery: the window system refused a window or a bitmap\n", stderr);
        return 1;
    }
    const unique_hbrush background(::CreateSolidBrush(ToColorRef(kBackground)));
    const RECT all{0, 0, width, height};
    ::FillRect(gallery.Get(), &all, background.Get());
    gallery.SelectFont(MakeFont(controls::FontDescription{L"Tahoma", 9.0f}));
    ::SetBkMode(gallery.Get(), TRANSPARENT);
    const auto label = [&](const wchar_t* text, RECT area) {
        ::DrawTextW(gallery.Get(), text, -1, &area, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    };
    const std::shared_ptr<GdiPicture> icon =
        iconPath != nullptr ? GdiPicture::FromIcon(static_cast<HICON>(
                                  ::LoadImageW(nullptr, iconPath, IMAGE_ICON, 16, 16, LR_LOADFROMFILE)))
                            : nullptr;
    for (int c = 0; c < columns; ++c) {
        const int left = kLabelWidth + c * kCellWidth;
        label(kColumns[c].label, RECT{left, 0, left + kCellWidth, kHeaderHeight});
    }
    for (int r = 0; r < rows; ++r) {
        const auto& row = kRows[r];
        const int top = kHeaderHeight + r * kCellHeight;
        label(row.label, RECT{0, top, kLabelWidth, top + kCellHeight});
        for (int c = 0; c < columns; ++c) {
            XpButtonWindow cell;
            cell.SetSoundPlayer(nullptr);
            if (!cell.Create(holder.Handle(), 100, Rect{0, 0, row.width, kButtonHeight}, row.caption,
                             controls::FontDescription{})) {
                std::fputs("xp_button_gallery: a button window could not be made\n", stderr);
                return 1;
            }
            controls::VelloXPButton& button = cell.Button();
            button.SetType(row.type);
            if (row.type >= controls::xp_type::kSeparator) {
                button.SetFrameMarginLeft(2);
                button.SetFrameMarginRight(2);
            }
            if (icon && row.type <= controls::xp_type::kToolbarDropDown) {
                button.SetPicture(icon);
                button.SetHoverPicture(icon);
            }
            kColumns[c].enter(button);
            ::ReleaseCapture();
            // What the window's shape cuts off shows the background.
            const int x = kLabelWidth + c * kCellWidth + (kCellWidth - row.width) / 2;
            const int y = top + (kCellHeight - kButtonHeight) / 2;
            const unique_hrgn shape(::CreateRectRgn(0, 0, 0, 0));
            if (::GetWindowRgn(cell.Handle(), shape.Get()) != ERROR) {
                ::OffsetRgn(shape.Get(), x, y);
                ::SelectClipRgn(gallery.Get(), shape.Get());
            }
            ::BitBlt(gallery.Get(), x, y, row.width, kButtonHeight, cell.Hdc(), 0, 0, SRCCOPY);
            ::SelectClipRgn(gallery.Get(), nullptr);
        }
    }
    ::GdiFlush();
    if (!WriteBmp(outPath, pixels, width, height)) {
        std::fputs("xp_button_gallery: the picture could not be written\n", stderr);
        return 1;
    }
    return 0;
}

}  // namespace
}  // namespace orvell::win

int wmain(int argc, wchar_t** argv) {
    if (argc < 2 || argc > 3) {
        std::fputs("usage: xp_button_gallery OUT.bmp [ICON.ico]\n", stderr);
        return 2;
    }
    return orvell::win::Run(argv[1], argc == 3 ? argv[2] : nullptr);
}
