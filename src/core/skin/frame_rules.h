#pragma once

#include <cstdint>
#include <vector>

#include "common/geometry.h"
#include "skin/dispatch_rules.h"

namespace orvell::skin {

// Hit-test codes the frame reports (the window system's numbers).
namespace hit {
inline constexpr int kNowhere = 0;
inline constexpr int kClient = 1;
inline constexpr int kCaption = 2;
inline constexpr int kSysMenu = 3;
inline constexpr int kMenu = 5;
inline constexpr int kLeft = 10;
inline constexpr int kRight = 11;
inline constexpr int kTop = 12;
inline constexpr int kTopLeft = 13;
inline constexpr int kTopRight = 14;
inline constexpr int kBottom = 15;
inline constexpr int kBottomLeft = 16;
inline constexpr int kBottomRight = 17;
}  // namespace hit

// Widths of the non-client area round the client area, in pixels.
struct Margins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend constexpr bool operator==(const Margins&, const Margins&) = default;
};

// The system's own frame: sizing borders all round and a caption above.
constexpr Margins DefaultMargins(int frameWidth, int frameHeight, int captionHeight) {
    return {frameWidth, captionHeight + frameHeight, frameWidth, frameHeight};
}

// The client area of a window placed at bounds.
constexpr Rect ClientArea(const Rect& bounds, const Margins& margins) {
    return {bounds.left + margins.left, bounds.top + margins.top, bounds.right - margins.right,
            bounds.bottom - margins.bottom};
}

// What a point of a window of that size is, before the painter has its say; the point is relative to
// the window's top-left corner. The bottom margin is also the thickness of the top sizing band, and
// the caption is the band of captionHeight below it; its left captionHeight pixels are the system
// menu. A window that cannot be sized has no sizing codes: its borders are client area.
int FrameHitTest(Point at, int width, int height, const Margins& margins, bool sizable, int captionHeight);

// The drawn menu bar is client area to the system, so that the system neither opens its own menu nor
// starts a move there; the frame remembers the real code for the next button press.
constexpr int ReportedHitCode(int code) {
    return code == hit::kMenu ? hit::kClient : code;
}

// The messages the frame takes over, in the order it attaches to them (the size message only for a
// child of a multiple-document client), and how each is dispatched. The pointer's cursor is none of
// them: the frame takes the menu off once, at attach, and so has nothing to do on every move.
std::vector<std::uint32_t> FrameMessages(bool mdiChild);
EMsgResponse FrameResponse(std::uint32_t message);

}  // namespace orvell::skin
