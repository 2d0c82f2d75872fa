// Where the parts of the button's face lie: the picture, caption and attached areas, and inside them
// the caption and picture rectangles.
#include <algorithm>

#include "controls/colour_math.h"
#include "controls/xp_button.h"

namespace orvell::controls {

namespace {

Rect Inset(const Rect& rect, int left, int top, int right, int bottom) {
    return Rect{rect.left + left, rect.top + top, rect.right - right, rect.bottom - bottom};
}

}  // namespace

void VelloXPButton::OnResize(int width, int height) {
    m_width = width;
    m_height = height;
    m_layout.client = Rect{0, 0, width - 1, height - 1};
    Refresh();
}

void VelloXPButton::Refresh() {
    RunLayout();
    ReDraw(true);
}

// Without a normal picture the picture area is placed for the hover picture in the hover states, so
// a change of state needs the layout again.
void VelloXPButton::RelayoutWithoutPicture() {
    if (!m_props.picture) {
        RunLayout();
    }
}

bool VelloXPButton::ChevronFits() const {
    const Rect& c = m_layout.client;
    return c.right - c.left > m_props.attachedWidth && c.bottom - c.top > m_props.attachedHeight;
}

void VelloXPButton::RunLayout() {
    XpButtonLayout& layout = m_layout;
    const Rect& c = layout.client;
    switch (m_props.type) {
        case xp_type::kXp:
        case xp_type::kFlat:
        case xp_type::kFlatArrow:
        case xp_type::kToolbarDropDown:
            LayoutPushTypes();
            break;
        case xp_type::kChevron:
            layout.pictureArea = Rect{};
            layout.attachedArea = Rect{};
            layout.areaWidth = 0;
            if (!ChevronFits()) {
                layout.valid = false;
                break;
            }
            layout.captionArea = c;
            layout.valid = true;
            layout.hasPictureArea = false;
            layout.hasCaptionArea = false;
            break;
        case xp_type::kSeparator:
        case xp_type::kGrip: {
            layout.areaWidth = 0;
            layout.attachedArea = Rect{};
            layout.pictureArea = c;
            layout.frameInner = Inset(c, m_props.frameMarginLeft, m_props.frameMarginTop,
                                      m_props.frameMarginRight, m_props.frameMarginBottom);
            const Rect& f = layout.frameInner;
            const int w = f.right - f.left;
            const int h = f.bottom - f.top;
            if (m_props.type == xp_type::kSeparator) {
                if (w < 1 || h < 1) {
                    layout.valid = false;
                    break;
                }
                const int x = FloorDiv(w, 2) + f.left;
                layout.pictureRect = Rect{x, f.top, x, f.bottom};
            } else {
                const int gripWidth = m_props.gripWidth;
                const int spacing = m_props.gripSpacing;
                if (h < 1 || h <= spacing || w < 1 || w <= gripWidth) {
                    layout.valid = false;
                    break;
                }
                layout.pictureRect = Rect{FloorDiv(w - gripWidth, 2) + f.left, f.top,
                                          FloorDiv(w + gripWidth, 2) + f.left, f.bottom};
            }
            layout.valid = true;
            layout.hasPictureArea = false;
            layout.hasCaptionArea = false;
            if (m_props.type == xp_type::kSeparator && m_props.enabled) {
                // A separator never takes input.
                Disable();
            }
            break;
        }
        default:
            break;
    }
}

void VelloXPButton::LayoutPushTypes() {
    XpButtonLayout& layout = m_layout;
    const Rect& c = layout.client;
    if (!m_props.attachedPicture) {
        StoreAttachedArea(AttachedAreaOfType(m_props.type));
        NotifyAttachedArea();
        layout.valid = true;
    }
    if (layout.areaWidth != 0) {
        if (m_props.attachedHeight < c.bottom - c.top && layout.areaWidth < c.right - c.left) {
            layout.attachedArea = Rect{c.right - layout.areaWidth, c.top, c.right, c.bottom};
            layout.valid = true;
        } else {
            layout.valid = false;
        }
    } else {
        layout.attachedArea = Rect{};
        // Nothing to fit: a verdict left from an earlier, too small layout must not hide the face.
        layout.valid = true;
    }
    if (!layout.valid) {
        return;
    }
    const Rect face{c.left, c.top, c.right - layout.areaWidth, c.bottom};
    if (m_props.captionPercent == 100) {
        layout.captionArea = face;
        layout.hasCaptionArea = true;
        layout.hasPictureArea = false;
        PlaceCaption();
    } else if (m_props.captionPercent == 0) {
        layout.pictureArea = face;
        layout.hasPictureArea = true;
        layout.hasCaptionArea = false;
        PlacePicture();
    } else if (!m_props.caption.empty() && m_props.captionVisible) {
        layout.hasPictureArea = true;
        layout.hasCaptionArea = true;
        LayoutSplit();
    } else {
        layout.pictureArea = face;
        layout.hasPictureArea = true;
        layout.hasCaptionArea = false;
        PlacePicture();
    }
}

void VelloXPButton::LayoutSplit() {
    XpButtonLayout& layout = m_layout;
    const Rect& c = layout.client;
    const double w = c.right - c.left - layout.areaWidth;
    const double h = c.bottom - c.top;
    const int x1 = c.right - (layout.attachedArea.right - layout.attachedArea.left);
    // Only a damaged design holds a share outside 0 to 100 % (the property refuses one): it splits at
    // the face's edge rather than far outside it.
    const double p = std::clamp(m_props.captionPercent / 100, 0.0, 1.0);
    switch (m_props.captionPosition) {
        case 0: {  // caption left of the picture
            const int x = RoundHalfEven(c.left + w * p);
            layout.pictureArea = Rect{x, c.top, x1, c.bottom};
            layout.captionArea = Rect{c.left, c.top, x, c.bottom};
            break;
        }
        case 1: {  // caption right of the picture
            const int x = RoundHalfEven(x1 - w * p);
            layout.pictureArea = Rect{c.left, c.top, x, c.bottom};
            layout.captionArea = Rect{x, c.top, x1, c.bottom};
            break;
        }
        case 2: {  // caption above
            const int y = RoundHalfEven(c.top + h * p);
            layout.pictureArea = Rect{c.left, y, x1, c.bottom};
            layout.captionArea = Rect{c.left, c.top, x1, y};
            break;
        }
        case 3: {  // caption below
            const int y = RoundHalfEven(c.bottom - h * p);
            layout.pictureArea = Rect{c.left, c.top, x1, y};
            layout.captionArea = Rect{c.left, y, x1, c.bottom};
            break;
        }
        case 4:
        case 5:  // both over the whole face
            layout.pictureArea = Rect{c.left, c.top, x1, c.bottom};
            layout.captionArea = layout.pictureArea;
            break;
        default:
            break;
    }
    PlacePicture();
    PlaceCaption();
}

void VelloXPButton::PlaceCaption() {
    XpButtonLayout& layout = m_layout;
    layout.captionInner = Inset(layout.captionArea, m_props.captionMarginLeft, m_props.captionMarginTop,
                                m_props.captionMarginRight, m_props.captionMarginBottom);
    const std::int32_t v = m_props.captionAlignment;
    unsigned format = m_props.captionWordWrap ? text_format::kWordBreak : text_format::kSingleLine;
    if (v % 3 == 1) {
        format |= text_format::kCenter;
    } else if (v % 3 == 2) {
        format |= text_format::kRight;
    }
    layout.captionFormat = format;
    const Rect& inner = layout.captionInner;
    const int textHeight = m_surface.TextHeight(m_props.caption, inner, format);
    layout.captionHeight = textHeight;
    const double half = (inner.bottom - inner.top) / 2.0;
    if (v >= 0 && v <= 2) {
        layout.captionRect = Rect{inner.left, inner.bottom - textHeight, inner.right, inner.bottom};
    } else if (v >= 3 && v <= 5) {
        layout.captionRect = Rect{inner.left, FloorToInt(half - textHeight / 2.0) + inner.top, inner.right,
                                  FloorToInt(half + textHeight / 2.0) + inner.top};
    } else if (v >= 6 && v <= 8) {
        layout.captionRect = Rect{inner.left, inner.top, inner.right, inner.top + textHeight};
    }
}

void VelloXPButton::PlacePicture() {
    XpButtonLayout& layout = m_layout;
    layout.frameInner = Inset(layout.pictureArea, m_props.frameMarginLeft, m_props.frameMarginTop,
                              m_props.frameMarginRight, m_props.frameMarginBottom);
    const bool idle = !m_hovered && !m_pressed && !m_focused;
    const PictureRef& placed = idle ? m_props.picture : m_props.hoverPicture;
    int pw = 0;
    int ph = 0;
    if (placed) {
        pw = m_props.frameWidth - m_props.frameMarginLeft - m_props.frameMarginRight;
        ph = m_props.frameHeight - m_props.frameMarginTop - m_props.frameMarginBottom;
    }
    const std::int32_t v = m_props.pictureAlignment;
    if (v < 0 || v > 8) {
        return;
    }
    const Rect& f = layout.frameInner;
    int x = f.left;
    if (v % 3 == 1) {
        x = FloorToInt((f.left + f.right) / 2.0 - pw / 2.0);
    } else if (v % 3 == 2) {
        x = f.right - pw;
    }
    int y = f.top;
    if (v <= 2) {
        y = f.bottom - ph;
    } else if (v <= 5) {
        y = FloorToInt((f.top + f.bottom) / 2.0 - ph / 2.0);
    }
    layout.pictureRect = Rect{x, y, x + pw, y + ph};
}

}  // namespace orvell::controls
