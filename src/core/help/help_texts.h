#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/colour.h"
#include "common/geometry.h"

namespace orvell::help {

// frmHelp: three pages of fixed text behind a tab strip. The pages read the same in both interface
// languages; only the captions follow the stored "Language".
inline constexpr int kPageCount = 3;
enum class HelpPage { Description = 1, Shortcuts = 2, Author = 3 };  // the tab numbers, from 1

// The captions of the window. "Language" 0 gives the Chinese ones and 1 the English; any other number
// keeps the captions the window was designed with, which are the Chinese ones.
struct HelpCaptions {
    std::wstring_view caption;  // the window's and the title bar's
    std::array<std::wstring_view, kPageCount> tabs;
    std::wstring_view exit;  // Command1; "&" marks its access key
};
HelpCaptions HelpCaptionsFor(std::int32_t languageSetting);

// The text of a page (Text1 to Text3), lines ended by CR LF.
const std::wstring& HelpPageText(HelpPage page);

// The keys column of the shortcut table as its space-filled lines fill it ("  Alt+ F" and spaces): the
// tab after the Ctrl keys must reach as far, whatever the font's widths of spaces and letters.
std::wstring ShortcutKeysColumn();

// The tab a number names; numbers outside 1 to 3 show the first page.
HelpPage HelpPageFromTab(int tab);

// The window's layout in twips, client area from (0, 0); the title bar takes the top.
inline constexpr int kHelpClientWidth = 6360;
inline constexpr int kHelpClientHeight = 5040;
inline constexpr Rect kTabStrip1Box{180, 540, 6180, 4320};
// Frame1 lies in the tab strip's page area and holds the three text boxes, one upon the other.
inline constexpr Rect kFrame1Box{300, 960, 6060, 4200};
inline constexpr Rect kPageBox{420, 1140, 5940, 4080};
inline constexpr Rect kHelpCommand1Box{5040, 4500, 5040 + 1000, 4500 + 375};

// The text boxes' background; the pages that do not fit have a vertical scroll bar.
inline constexpr Colour kPageBackground = Colour::Rgb(224, 220, 224);
constexpr bool PageScrolls(HelpPage page) {
    return page != HelpPage::Author;
}

}  // namespace orvell::help
