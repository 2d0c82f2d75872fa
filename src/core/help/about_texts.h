#pragma once

#include <string>
#include <string_view>

#include "common/colour.h"
#include "common/geometry.h"
#include "lookup/types.h"

namespace orvell::help {

using lookup::Language;

// frmAbout: the program's name and version, the systems it is for, the credits and the address to
// write to, a link that opens a new e-mail. "Language" 0 gives the Chinese texts and layout, any
// other number the English ones.
inline constexpr std::wstring_view kContactAddress = L"orvell@example.org";
inline constexpr std::wstring_view kWebAddress = L"https://orvell.example.org/";

struct AboutTexts {
    std::wstring_view caption;     // the window's
    std::wstring_view barCaption;  // the title bar's
    std::wstring_view label1;      // name and version
    std::wstring_view label2;      // the systems
    std::wstring label3;           // the credits, lines joined by CR LF
    std::wstring_view exit;        // Command1; "&" marks its access key
};
AboutTexts AboutTextsFor(Language language);

// What the link hands the shell to open a new message to the contact address.
std::wstring MailtoTarget();
// When no e-mail program could be opened: a message that gives the address, so the user can copy it
// and write from wherever he likes.
struct NoMailMessage {
    std::wstring_view title;
    std::wstring text;
};
NoMailMessage NoMailMessageFor(Language language);

// The controls' places in twips, client area from (0, 0); the title bar takes the top.
struct AboutLayout {
    // The pictures (tools/make_about_art.py draws them at these sizes, at 96 dpi: 32 by 32 and 160 by
    // 24 pixels): the program's key, and a row of keys beside the name.
    Rect image1;
    Rect image2;
    Rect label1;
    Rect label2;
    Rect label3;
    Rect label4;
    Rect command1;
};
// How the credits' font measures on the screen, in twips: the height of a line, and the width of the
// last line up to the room left for the address. Zero means as designed (9-point SimSun: lines of 180,
// a last line of 2970 in Chinese).
struct CreditsMeasure {
    int lineHeight = 0;
    int lastLineWidth = 0;
};
// The Chinese address stands in the room at the end of the credits' last line, wherever another font
// puts that line; the English one at its fixed place below the credits.
AboutLayout AboutLayoutFor(Language language, CreditsMeasure measured = {});
// The credits' last line without its room, for measuring.
std::wstring CreditsLastLine(Language language);

inline constexpr int kAboutClientWidth = 5100;
inline constexpr int kAboutClientHeight = 3600;

inline constexpr Colour kAboutBackground = Colour::Rgb(224, 220, 224);
// The link turns blue once the pointer has been over it, and stays so while the window is open.
inline constexpr Colour kLinkColour = Colour::Rgb(0, 0, 0);
inline constexpr Colour kLinkHoverColour = Colour::Rgb(0, 0, 255);

}  // namespace orvell::help
