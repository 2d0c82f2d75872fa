#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "common/geometry.h"
#include "controls/font_description.h"
#include "skin/art_scale.h"

namespace orvell::skin {

// The caption painter's pictures and the regions of its caption picture, in pixels, as the host
// attaches it. The caption picture's height is the top margin; the border picture's height is the
// side of its square tiles and the left, right and bottom margins.
struct CaptionArt {
    int captionHeight = 0;
    int border = 0;
    int buttonWidth = 0;
    int buttonHeight = 0;
    int activeLeftEnd = 0;     // the left end is columns 0 .. activeLeftEnd - 1
    int activeRightStart = 0;  // the right end, both columns included
    int activeRightEnd = 0;
    int inactiveOffset = 0;  // the inactive art lies this far to the right of the active
    int scale = 100;         // the pictures' size (kArtScales): the painter's own places scale with it
};

// The main window's skin: a 640 x 48 caption picture and a 70 x 10 border picture.
inline constexpr CaptionArt kMainWindowArt{48, 10, 19, 20, 90, 140, 240, 400};
// The same skin drawn at a scale (kArtScales): every length of it scaled and rounded as the picture
// script draws them.
constexpr CaptionArt MainWindowArt(int scale) {
    const CaptionArt& a = kMainWindowArt;
    const auto s = [scale](int pixels) { return ScaledArt(pixels, scale); };
    return {s(a.captionHeight),  s(a.border),         s(a.buttonWidth),
            s(a.buttonHeight),   s(a.activeLeftEnd),  s(a.activeRightStart),
            s(a.activeRightEnd), s(a.inactiveOffset), scale};
}

// The window-style bits that decide the buttons (the window system's values).
namespace caption_style {
inline constexpr std::uint32_t kSysMenu = 0x00080000;  // shows the close button
inline constexpr std::uint32_t kMaximiseBox = 0x00010000;
inline constexpr std::uint32_t kMinimiseBox = 0x00020000;
inline constexpr std::uint32_t kMaximised = 0x01000000;
}  // namespace caption_style

// The system commands the buttons post (WM_SYSCOMMAND's wParam).
namespace caption_command {
inline constexpr std::uint32_t kClose = 0xF060;
inline constexpr std::uint32_t kMaximise = 0xF030;
inline constexpr std::uint32_t kMinimise = 0xF020;
inline constexpr std::uint32_t kRestore = 0xF120;
}  // namespace caption_command

// The order the painter keeps its buttons in, from the right edge leftward.
enum class CaptionButton { Close, Maximise, Minimise };
inline constexpr std::array<CaptionButton, 3> kCaptionButtons{CaptionButton::Close, CaptionButton::Maximise,
                                                              CaptionButton::Minimise};

// A copy of a block: from a point of the source to a rectangle of the target.
struct CaptionCopy {
    Point source;
    Rect target;
    friend constexpr bool operator==(const CaptionCopy&, const CaptionCopy&) = default;
};

// Where the drawn menu bar goes on the caption strip: the arguments of its Render. Its y offset turns
// the bar's own y into the window's client y, which starts below the caption.
struct MenuBarPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int yOffset = 0;
    friend constexpr bool operator==(const MenuBarPlacement&, const MenuBarPlacement&) = default;
};

// Everything on the caption strip of a window of a width, in window coordinates (the strip starts at
// the window's top-left corner).
struct CaptionLayout {
    int rightEnd = 0;        // where the right end starts
    bool tooNarrow = false;  // the right end was pushed right of the left end: no title
    // From the caption picture, in drawing order: left end, right end, then the middle tiles.
    std::vector<CaptionCopy> art;
    std::array<std::optional<Rect>, 3> buttons;  // by CaptionButton; none when the style lacks it
    std::optional<Rect> title;                   // where the window text goes, unless too narrow
    MenuBarPlacement menuBar;
    Rect logo;  // opens the window menu as the system's icon does
};

// The caption of a window of a width and style; inactive windows take the inactive art.
CaptionLayout LayoutCaption(const CaptionArt& art, int width, std::uint32_t style, bool active);

// Where a button's image lies in the caption picture. The maximise slot shows the restore image while
// the window is maximised.
Point ButtonImage(const CaptionArt& art, CaptionButton button, std::uint32_t style, bool pressed);

// The side borders are composed on a surface two tiles wide: the edge tiles at the caption's height,
// then these copies of the rows already filled onto the rows below them, each twice as tall as the
// last, until the band reaches the bottom border. Each copy is (source y, target y, height).
struct RowCopy {
    int sourceY = 0;
    int targetY = 0;
    int height = 0;
    friend constexpr bool operator==(const RowCopy&, const RowCopy&) = default;
};
std::vector<RowCopy> SideBorderCopies(const CaptionArt& art, int windowHeight);

// The bottom border's edge tiles between its corners (their left edges), and where the border goes: at
// the window's last tile row, but never over the caption.
std::vector<int> BottomEdgeTiles(const CaptionArt& art, int windowWidth);
int BottomBorderTop(const CaptionArt& art, int windowHeight);

// The logo at the caption's left end at 96 dpi (CaptionLayout::logo at the art's scale).
inline constexpr Rect kCaptionLogo{12, 11, 42, 43};

// The present button under a point, if any.
std::optional<CaptionButton> ButtonAt(const CaptionLayout& layout, Point at);
// True where the frame answers the hit test with the window menu's code: the logo and the buttons.
bool IsSystemMenuArea(const CaptionLayout& layout, Point at);
// True on the drawn menu bar, the caption's lower half between the ends: there the frame answers with
// the menu's code (the window gets the clicks as client clicks) instead of dragging the window.
bool IsMenuBarArea(const CaptionLayout& layout, Point at);

// The caption buttons' pressed flags. The frame reports a release as a press followed by the release
// at the same point, so a release posts a command only for a button that was held before the release
// began: dragging onto a button from elsewhere and letting go there does nothing.
class CaptionButtonPress {
public:
    // A press (or the first half of a release): the present button under the point, now held.
    std::optional<CaptionButton> Press(const CaptionLayout& layout, Point at);
    // The command a release at a point posts, if any; every button is let go.
    std::optional<std::uint32_t> Release(const CaptionLayout& layout, Point at, std::uint32_t style);
    // The pointer moved (a hit test) with the mouse button up or down. A press let go away from the
    // frame reaches it as no release: once the button is up and the pointer is anywhere but over the
    // button held, nothing stays held. Over that button a release may still be on its way.
    void Hover(std::optional<CaptionButton> under, bool buttonDown);
    bool Held(CaptionButton button) const { return m_held[Index(button)]; }

private:
    static std::size_t Index(CaptionButton button) { return static_cast<std::size_t>(button); }

    std::array<bool, 3> m_held{};
    std::array<bool, 3> m_heldBefore{};
};

// The title is bold while the window is active, whatever its font says; the menu bar's captions are
// never bold.
controls::FontDescription TitleFont(const controls::FontDescription& caption, bool active);
controls::FontDescription MenuBarFont(const controls::FontDescription& caption);

}  // namespace orvell::skin
