#include "platform/gdi.h"

#include <cmath>
#include <utility>
#include <vector>

namespace orvell::win {

COLORREF ToColorRef(Colour colour) {
    if (colour.IsSystem()) {
        return ::GetSysColor(colour.SystemIndex());
    }
    return RGB(colour.Red(), colour.Green(), colour.Blue());
}

HBRUSH ClassBrush(Colour colour) {
    // Few colours (one per window class), so a short list serves; never freed on purpose.
    static std::vector<std::pair<COLORREF, unique_hbrush>> brushes;
    const COLORREF wanted = ToColorRef(colour);
    for (const auto& [made, brush] : brushes) {
        if (made == wanted) {
            return brush.Get();
        }
    }
    brushes.emplace_back(wanted, unique_hbrush(::CreateSolidBrush(wanted)));
    return brushes.back().second.Get();
}

int FontHeight(double points, int dpi) {
    return -static_cast<int>(std::lround(points * dpi / 72.0));
}

unique_hfont MakeFont(const controls::FontDescription& font, int dpi) {
    bool latinName = true;
    for (const wchar_t ch : font.name) {
        latinName = latinName && ch < 0x80;
    }
    const BYTE charset = latinName ? DEFAULT_CHARSET : GB2312_CHARSET;
    return unique_hfont(::CreateFontW(FontHeight(font.size, dpi), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL,
                                      font.italic, font.underline, font.strikethrough, charset,
                                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      DEFAULT_PITCH | FF_DONTCARE, font.name.c_str()));
}

BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

Dib32 MakeDib32(int width, int height) {
    const BITMAPINFO info = TopDown32(width, height);
    void* bits = nullptr;
    Dib32 dib;
    dib.bitmap.Reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (dib.bitmap) {
        dib.bits = static_cast<std::uint32_t*>(bits);
    }
    return dib;
}

}  // namespace orvell::win
