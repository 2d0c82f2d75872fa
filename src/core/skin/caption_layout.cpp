#include "skin/caption_layout.h"

#include <algorithm>

namespace orvell::skin {

namespace {

// Where the button images start in the caption picture, the width of one middle tile and where the
// middle tiles start.
constexpr int kButtonImagesLeft = 240;
constexpr int kMiddleTile = 52;
constexpr int kMiddleStart = 90;
// The buttons' top, and how far the title keeps from the caption's ends.
constexpr int kButtonTop = 5;
constexpr int kTitleFromLeft = 92;
constexpr int kTitleFromRight = 96;
// The buttons' rectangles are one pixel wider than their images: the pitch of the row.
constexpr int kButtonGap = 1;

constexpr Rect Sized(int left, int top, int width, int height) {
    return Rect{left, top, left + width, top + height};
}

std::size_t Index(CaptionButton button) {
    return static_cast<std::size_t>(button);
}

bool Present(CaptionButton button, std::uint32_t style) {
    switch (button) {
        case CaptionButton::Close:
            return (style & caption_style::kSysMenu) != 0;
        case CaptionButton::Maximise:
            return (style & caption_style::kMaximiseBox) != 0;
        case CaptionButton::Minimise:
            return (style & caption_style::kMinimiseBox) != 0;
    }
    return false;
}

}  // namespace

CaptionLayout LayoutCaption(const CaptionArt& art, int width, std::uint32_t style, bool active) {
    const auto s = [&art](int pixels) { return ScaledArt(pixels, art.scale); };
    const int offset = active ? 0 : art.inactiveOffset;
    const int height = art.captionHeight;
    CaptionLayout layout;
    layout.art.push_back({{offset, 0}, Sized(0, 0, art.activeLeftEnd, height)});

    // The right end keeps to the right edge until it would reach into the left end.
    const int rightWidth = art.activeRightEnd - art.activeRightStart + 1;
    layout.rightEnd = width - rightWidth + 1;
    if (layout.rightEnd < rightWidth) {
        layout.rightEnd = rightWidth;
        layout.tooNarrow = true;
    }
    layout.art.push_back({{offset + art.activeRightStart, 0}, Sized(layout.rightEnd, 0, rightWidth, height)});

    // The buttons from the right leftward; a missing one leaves no gap.
    const int pitch = art.buttonWidth + kButtonGap;
    int left = layout.rightEnd + rightWidth - art.border + s(4);
    for (const CaptionButton button : kCaptionButtons) {
        if (Present(button, style)) {
            left -= pitch;
            layout.buttons[Index(button)] = Sized(left, s(kButtonTop), pitch, art.buttonHeight);
        }
    }

    // The middle, tiled from 90 (where the caption pictures' left ends stop) up to the right end; the
    // last tile is cut there.
    const int middleTile = s(kMiddleTile);
    int x = s(kMiddleStart);
    do {
        const int tile = std::min(middleTile, layout.rightEnd - x);
        layout.art.push_back({{art.activeLeftEnd + offset + 1, 0}, Sized(x, 0, tile, height)});
        x += middleTile;
    } while (x < layout.rightEnd);

    if (!layout.tooNarrow) {
        const int top = art.border + 1;
        layout.title =
            Rect{s(kTitleFromLeft), top, width - s(kTitleFromRight), top + (height - art.border - 2) / 2};
    }
    const int half = height / 2;
    layout.menuBar = {art.activeLeftEnd, half, layout.rightEnd - art.activeLeftEnd, half, s(2) - half};
    layout.logo = {s(kCaptionLogo.left), s(kCaptionLogo.top), s(kCaptionLogo.right), s(kCaptionLogo.bottom)};
    return layout;
}

Point ButtonImage(const CaptionArt& art, CaptionButton button, std::uint32_t style, bool pressed) {
    const int y = pressed ? art.buttonHeight : 0;
    const int imagesLeft = ScaledArt(kButtonImagesLeft, art.scale);
    switch (button) {
        case CaptionButton::Close:
            // The close image starts one column into its cell.
            return {imagesLeft + 1, y};
        case CaptionButton::Maximise: {
            const bool maximised = (style & caption_style::kMaximised) != 0;
            return {imagesLeft + (maximised ? 1 : 2) * art.buttonWidth, y};
        }
        case CaptionButton::Minimise:
            return {imagesLeft + 3 * art.buttonWidth, y};
    }
    return {};
}

std::vector<RowCopy> SideBorderCopies(const CaptionArt& art, int windowHeight) {
    std::vector<RowCopy> copies;
    const int top = art.captionHeight;
    for (int filled = art.border; filled > 0 && top + filled < windowHeight - art.border; filled *= 2) {
        copies.push_back({top, top + filled, filled});
    }
    return copies;
}

std::vector<int> BottomEdgeTiles(const CaptionArt& art, int windowWidth) {
    std::vector<int> tiles;
    for (int x = art.border; art.border > 0 && x < windowWidth - art.border; x += art.border) {
        tiles.push_back(x);
    }
    return tiles;
}

int BottomBorderTop(const CaptionArt& art, int windowHeight) {
    return std::max(windowHeight - art.border, art.captionHeight);
}

std::optional<CaptionButton> ButtonAt(const CaptionLayout& layout, Point at) {
    for (const CaptionButton button : kCaptionButtons) {
        if (const auto& rect = layout.buttons[Index(button)]; rect && rect->Contains(at)) {
            return button;
        }
    }
    return std::nullopt;
}

bool IsSystemMenuArea(const CaptionLayout& layout, Point at) {
    return layout.logo.Contains(at) || ButtonAt(layout, at).has_value();
}

bool IsMenuBarArea(const CaptionLayout& layout, Point at) {
    const MenuBarPlacement& bar = layout.menuBar;
    return Rect{bar.left, bar.top, bar.left + bar.width, bar.top + bar.height}.Contains(at);
}

std::optional<CaptionButton> CaptionButtonPress::Press(const CaptionLayout& layout, Point at) {
    const auto button = ButtonAt(layout, at);
    if (button) {
        m_heldBefore[Index(*button)] = m_held[Index(*button)];
        m_held[Index(*button)] = true;
    }
    return button;
}

void CaptionButtonPress::Hover(std::optional<CaptionButton> under, bool buttonDown) {
    if (!buttonDown && !(under && m_held[Index(*under)])) {
        m_held = {};
    }
}

std::optional<std::uint32_t> CaptionButtonPress::Release(const CaptionLayout& layout, Point at,
                                                         std::uint32_t style) {
    std::optional<std::uint32_t> command;
    if (const auto button = ButtonAt(layout, at);
        button && m_held[Index(*button)] && m_heldBefore[Index(*button)]) {
        switch (*button) {
            case CaptionButton::Close:
                command = caption_command::kClose;
                break;
            case CaptionButton::Maximise:
                command = (style & caption_style::kMaximised) != 0 ? caption_command::kRestore
                                                                   : caption_command::kMaximise;
                break;
            case CaptionButton::Minimise:
                command = caption_command::kMinimise;
                break;
        }
    }
    m_held = {};
    m_heldBefore = {};
    return command;
}

controls::FontDescription TitleFont(const controls::FontDescription& caption, bool active) {
    controls::FontDescription font = caption;
    font.bold = font.bold || active;
    return font;
}

controls::FontDescription MenuBarFont(const controls::FontDescription& caption) {
    controls::FontDescription font = caption;
    font.bold = false;
    return font;
}

}  // namespace orvell::skin
