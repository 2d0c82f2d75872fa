#pragma once

#include <windows.h>

#include <cstdint>

#include "common/colour.h"
#include "controls/font_description.h"
#include "platform/dpi.h"
#include "platform/unique_handle.h"

namespace orvell::win {

// A stored colour as GDI takes it; a system colour is looked up now.
COLORREF ToColorRef(Colour colour);

// A solid brush of that colour for the rest of the program's life, one per colour. A window class
// keeps the brush it was registered with after the window that registered it is gone, so its
// background brush must outlive every window of the class.
HBRUSH ClassBrush(Colour colour);

// The font a FontDescription names, at a DPI (the screen's unless told). A face name with characters outside
// ASCII ("宋体") asks for the GB2312 character set, so font substitution and linking find a Chinese
// face where that name does not exist; a plain Latin name keeps the default set.
unique_hfont MakeFont(const controls::FontDescription& font, int dpi = ScreenDpi().y);
// The height CreateFontW takes for a size in points at a DPI (negative: character height).
int FontHeight(double points, int dpi = ScreenDpi().y);

// The format of a 32-bit top-down bitmap of that size, for DIB sections and GetDIBits alike.
BITMAPINFO TopDown32(int width, int height);

// A 32-bit top-down DIB section: pixels 0x00RRGGBB, row after row, readable and writable in place.
struct Dib32 {
    unique_hbitmap bitmap;
    std::uint32_t* bits = nullptr;  // null when the bitmap could not be made
};
Dib32 MakeDib32(int width, int height);

}  // namespace orvell::win
