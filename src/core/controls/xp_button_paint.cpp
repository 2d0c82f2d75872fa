// How the button draws its face: the body of each type in each state, the window's shape, the caption
// and the pictures.
#include <array>

#include "controls/colour_math.h"
#include "controls/picture_renderer.h"
#include "controls/xp_button.h"

namespace orvell::controls {

namespace {

// The XP type's own colours; the colour scheme does not touch them.
constexpr Colour kOutline(0x733C00);
constexpr Colour kWhite(0xFFFFFF);
constexpr Colour kBlack(0x000000);
constexpr std::array<Colour, 5> kHotRim = {Colour(0xCEF3FF), Colour(0x8CDBFF), Colour(0x31B2FF),
                                           Colour(0x6BCBFF), Colour(0x0096E7)};
constexpr std::array<Colour, 5> kFocusRim = {Colour(0xFFE7CE), Colour(0xF7D7BD), Colour(0xE7AE8C),
                                             Colour(0xF0D1B5), Colour(0xEF826B)};
constexpr Colour kButtonFace = Colour::System(system_colour::kButtonFace);

void Line(Canvas& canvas, int x1, int y1, int x2, int y2, Colour colour) {
    canvas.Line(Point{x1, y1}, Point{x2, y2}, colour);
}

void FillBox(Canvas& canvas, int x, int y, int cx, int cy, Colour colour) {
    canvas.Fill(Rect{x, y, x + cx, y + cy}, colour);
}

// One line per row from row first to row last (both included), across x1 up to x2; row i takes
// Shade(base, round(-25 / h x i)), so the face darkens by 25 steps from top to bottom.
void Gradient(Canvas& canvas, Colour base, int h, int first, int last, int x1, int x2) {
    const double step = 25.0 / h;
    for (int i = first; i <= last; ++i) {
        Line(canvas, x1, i, x2, i, Shade(base, RoundHalfEven(-step * i)));
    }
}

// The rounded outline of the XP type: a frame, and the corners rounded by quarters of an 8 x 8
// ellipse (the window's shape cuts the frame's corner pixels away).
void Outline(Canvas& canvas, int w, int h, Colour colour) {
    canvas.Frame(Rect{0, 0, w, h}, colour);
    canvas.Arc(Rect{0, 0, 8, 8}, Point{4, 0}, Point{0, 4}, colour);
    canvas.Arc(Rect{w - 8, 0, w, 8}, Point{w, 4}, Point{w - 4, 0}, colour);
    canvas.Arc(Rect{0, h - 8, 8, h}, Point{0, h - 4}, Point{4, h}, colour);
    canvas.Arc(Rect{w - 8, h - 8, w, h}, Point{w - 4, h}, Point{w, h - 4}, colour);
}

void RightArrow(Canvas& canvas, const Rect& a, int width, int height) {
    const int hw = RoundHalfEven(width / 2.0);
    const int hh = RoundHalfEven(height / 2.0);
    const int x0 = FloorDiv(a.right - a.left, 2) + a.left - hw;
    const int cy = FloorDiv(a.bottom - a.top, 2) + a.top;
    const std::array<Point, 3> corners{{{x0, cy - hh}, {x0 + 2 * hw, cy}, {x0, cy + hh}}};
    canvas.Polygon(corners, kBlack);
}

void DownArrow(Canvas& canvas, const Rect& a, int width, int height) {
    const int hw = RoundHalfEven(width / 2.0);
    const int x0 = FloorDiv(a.right - a.left, 2) + a.left - hw;
    const int y0 = FloorDiv(a.bottom - a.top - height, 2) + a.top;
    const std::array<Point, 3> corners{{{x0, y0}, {x0 + 2 * hw, y0}, {x0 + hw, y0 + height}}};
    canvas.Polygon(corners, kBlack);
}

// Two right-pointing chevrons over a small down triangle.
void Chevron(Canvas& canvas, const Rect& k, int width, int height) {
    static constexpr std::array<Point, 20> kDots = {{{0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 2}, {3, 2}, {1, 3},
                                                     {2, 3}, {0, 4}, {1, 4}, {4, 0}, {5, 0}, {5, 1}, {6, 1},
                                                     {6, 2}, {7, 2}, {5, 3}, {6, 3}, {4, 4}, {5, 4}}};
    const int hw = RoundHalfEven(width / 2.0);
    const int x0 = FloorDiv(k.right - k.left, 2) + k.left - hw;
    const int y0 = FloorDiv(k.bottom - k.top - height, 2) + k.top;
    for (const Point& dot : kDots) {
        canvas.SetPixel(Point{x0 + dot.x, y0 + dot.y}, kBlack);
    }
    const std::array<Point, 3> corners{
        {{x0 + 1, y0 + height - 3}, {x0 + width - 1, y0 + height - 3}, {x0 + hw, y0 + height}}};
    canvas.Polygon(corners, kBlack);
}

}  // namespace

void VelloXPButton::ReDraw(bool force) {
    if (m_height == 0) {
        return;
    }
    DrawBody(force);
    const int w = m_width;
    const int h = m_height;
    if (m_props.type == xp_type::kXp) {
        m_host.ApplyRegion(WindowRegion{Rect{0, -1, w + 1, h + 1}, 8, 8, Rect{0, 0, w + 1, h + 1}});
    } else {
        m_host.ApplyRegion(WindowRegion{Rect{0, 0, w, h}, 0, 0, Rect{0, 0, w, h}});
    }
    if (m_props.captionPosition == 4) {
        DrawPictures(force);
        DrawCaption();
    } else {
        DrawCaption();
        DrawPictures(force);
    }
    m_host.Present();
}

void VelloXPButton::DrawBody(bool force) {
    switch (m_props.type) {
        case xp_type::kXp:
            DrawXpBody(force);
            break;
        case xp_type::kFlat:
        case xp_type::kFlatArrow:
        case xp_type::kChevron:
            DrawFlatBody();
            break;
        case xp_type::kToolbarDropDown:
            DrawToolbarBody();
            break;
        case xp_type::kSeparator:
            DrawSeparatorBody();
            break;
        case xp_type::kGrip:
            DrawGripBody();
            break;
        default:
            break;
    }
}

void VelloXPButton::DrawXpBody(bool force) {
    Canvas& canvas = m_surface;
    const int w = m_width;
    const int h = m_height;
    // Without force only the bands that differ between the states are drawn again: the rims, and
    // left of the picture when there is one (xe); the middle of the face keeps its gradient.
    const int xe = (m_layout.pictureArea.right == 0 || m_samePicture) ? 3 : m_layout.pictureArea.right;

    if (m_pressed) {
        const Colour c = Shade(Colour(0xC0C0C0), 48);
        const Colour c2 = Shade(c, -32);
        Gradient(canvas, c2, h, 0, h, 0, w);
        Line(canvas, 1, 1, w - 2, 1, Shade(c2, -32));
        Line(canvas, 1, 2, w - 2, 2, Shade(c2, -24));
        Line(canvas, 1, 2, 1, h - 2, Shade(c2, -32));
        Line(canvas, 2, 3, 2, h - 3, Shade(c2, -22));
        Line(canvas, w - 2, 2, w - 2, h - 2, Shade(c2, 5));
        Line(canvas, w - 3, 3, w - 3, h - 3, c);
        Line(canvas, 1, h - 2, w - 2, h - 2, Shade(c2, 16));
        Line(canvas, 1, h - 3, w - 2, h - 3, Shade(c2, 10));
        Outline(canvas, w, h, kOutline);
        return;
    }
    if (m_hovered) {
        if (force) {
            Gradient(canvas, kWhite, h, 1, h - 1, 0, w);
        } else if (!m_focused) {
            Gradient(canvas, kWhite, h, 3, h - 4, 1, xe);
        }
        Line(canvas, 1, 1, w - 2, 1, kHotRim[0]);
        Line(canvas, 1, 2, w - 2, 2, kHotRim[1]);
        Line(canvas, 1, 2, 1, h - 2, kHotRim[2]);
        Line(canvas, 2, 4, 2, h - 3, kHotRim[3]);
        Line(canvas, w - 2, 1, w - 2, h - 1, kHotRim[2]);
        Line(canvas, w - 3, 4, w - 3, h - 3, kHotRim[3]);
        Line(canvas, 1, h - 3, w - 2, h - 3, kHotRim[2]);
        Line(canvas, 1, h - 2, w - 2, h - 2, kHotRim[4]);
        Outline(canvas, w, h, kOutline);
        return;
    }
    if (DisabledLook()) {
        Gradient(canvas, Shade(kWhite, -24), h, 0, h, 0, w);
        Outline(canvas, w, h, Shade(kWhite, -84));
        return;
    }
    if (force) {
        Gradient(canvas, kWhite, h, 1, h - 1, 0, w);
    } else if (!m_focused) {
        Gradient(canvas, kWhite, h, 1, 2, 0, w);
        Gradient(canvas, kWhite, h, 3, h - 4, 1, xe);
        Gradient(canvas, kWhite, h, 3, h - 4, w - 3, w);
        Gradient(canvas, kWhite, h, h - 3, h - 2, 0, w);
    }
    if (m_focused) {
        Line(canvas, 1, 1, w - 2, 1, kFocusRim[0]);
        Line(canvas, 1, 2, w - 2, 2, kFocusRim[1]);
        Line(canvas, 1, 2, 1, h - 2, kFocusRim[2]);
        Line(canvas, 2, 3, 2, h - 3, kFocusRim[3]);
        Line(canvas, w - 2, 2, w - 2, h - 2, kFocusRim[2]);
        Line(canvas, w - 3, 3, w - 3, h - 3, kFocusRim[3]);
        Line(canvas, 1, h - 3, w - 2, h - 3, kFocusRim[3]);
        Line(canvas, 1, h - 2, w - 2, h - 2, kFocusRim[4]);
    }
    Outline(canvas, w, h, kOutline);
}

void VelloXPButton::DrawFlatBody() {
    Canvas& canvas = m_surface;
    const int w = m_width;
    const int h = m_height;
    const int pr = m_layout.hasPictureArea ? m_layout.pictureArea.right : 0;
    // A pressed flat button shows its pressed colours; the other flat types look pressed only
    // through their picture.
    const bool pressedLook = m_props.type == xp_type::kFlat && m_pressed;
    const bool hotLook = !pressedLook && (m_hovered || m_focused);
    Colour pictureColour;
    Colour captionColour;
    if (pressedLook) {
        pictureColour = m_props.pictureBackPressed;
        captionColour = m_props.captionBackPressed;
    } else if (hotLook) {
        pictureColour = m_props.pictureBackHover;
        captionColour = m_props.captionBackHover;
    } else {
        pictureColour = m_props.pictureSmoothSwitch ? m_props.pictureBackSmooth : m_props.pictureBack;
        captionColour = m_props.captionSmoothSwitch ? m_props.captionBackSmooth : m_props.captionBack;
    }
    if (m_layout.hasPictureArea) {
        FillBox(canvas, 0, 0, pr, h, pictureColour);
    }
    if (pr < w - 1) {
        FillBox(canvas, pr, 0, w - pr, h, captionColour);
    }
    if (pressedLook || hotLook) {
        canvas.Frame(Rect{0, 0, w, h}, m_props.borderColour);
        if (m_props.focusRectVisible) {
            const int d = m_props.focusInset;
            canvas.FocusRect(Rect{d, d, w - d, h - d});
        }
    }
    if (m_props.type == xp_type::kFlatArrow && !m_props.attachedPicture) {
        RightArrow(canvas, m_layout.attachedArea, m_props.attachedWidth, m_props.attachedHeight);
    } else if (m_props.type == xp_type::kChevron) {
        Chevron(canvas, m_layout.captionArea, m_props.attachedWidth, m_props.attachedHeight);
    }
}

void VelloXPButton::DrawToolbarBody() {
    Canvas& canvas = m_surface;
    const Rect face{0, 0, m_width, m_height};
    canvas.Fill(face, kButtonFace);
    if (m_pressed) {
        canvas.Edge(face, EdgeKind::SunkenInner);
        if (m_layout.hasCaptionArea) {
            // The caption step draws it once more, in the same colour.
            canvas.Text(m_props.caption, m_layout.captionRect, m_layout.captionFormat,
                        m_props.captionTextPressed);
        }
    } else if (m_hovered || m_focused) {
        canvas.Edge(face, EdgeKind::RaisedInner);
    }
    if (!m_props.attachedPicture) {
        DownArrow(canvas, m_layout.attachedArea, m_props.attachedWidth, m_props.attachedHeight);
    }
}

void VelloXPButton::DrawSeparatorBody() {
    Canvas& canvas = m_surface;
    canvas.Fill(Rect{0, 0, m_width, m_height},
                m_props.pictureSmoothSwitch ? m_props.pictureBackSmooth : m_props.pictureBack);
    const Rect& q = m_layout.pictureRect;
    Line(canvas, q.left, q.top, q.left, q.bottom, m_props.toolbarColour);
}

void VelloXPButton::DrawGripBody() {
    Canvas& canvas = m_surface;
    canvas.Fill(Rect{0, 0, m_width, m_height},
                m_props.pictureSmoothSwitch ? m_props.pictureBackSmooth : m_props.pictureBack);
    const int spacing = m_props.gripSpacing;
    // A spacing below 1 has no lines to space: the grip shows its background only.
    if (spacing < 1) {
        return;
    }
    const Rect& q = m_layout.pictureRect;
    for (int y = q.top; y <= q.bottom; ++y) {
        if (y % spacing == 0) {
            Line(canvas, q.left, y, q.right, y, m_props.toolbarColour);
        }
    }
}

void VelloXPButton::DrawCaption() {
    const std::int32_t type = m_props.type;
    if (type < xp_type::kXp || type > xp_type::kToolbarDropDown || !m_layout.hasCaptionArea) {
        return;
    }
    const Colour idle = DisabledLook() ? m_props.shadowColour : m_props.captionText;
    Colour colour = idle;
    if (m_pressed) {
        colour = m_props.captionTextPressed;
    } else if (type == xp_type::kXp) {
        colour = m_hovered ? m_props.captionTextHover : idle;
    } else if (m_hovered || m_focused) {
        colour = DisabledLook() ? m_props.shadowColour : m_props.captionTextHover;
    }
    m_surface.Text(m_props.caption, m_layout.captionRect, m_layout.captionFormat, colour);
}

void VelloXPButton::DrawPictureFrame() {
    Canvas& canvas = m_surface;
    const Rect& q = m_layout.pictureRect;
    const int left = q.left - m_props.frameMarginLeft;
    const int top = q.top - m_props.frameMarginTop;
    const Rect box{left, top, left + m_props.frameWidth, top + m_props.frameHeight};
    if (m_props.frameBackSwitch) {
        canvas.Fill(box, m_props.frameBack);
    }
    if (m_props.pictureForeSwitch) {
        canvas.Fill(q, m_props.pictureFore);
    }
    if (m_props.frameEffect == 1) {
        canvas.Edge(box, EdgeKind::SunkenInner);
    } else if (m_props.frameEffect == 2) {
        canvas.Edge(box, EdgeKind::RaisedInner);
    }
}

void VelloXPButton::DrawPictures(bool force) {
    const std::int32_t type = m_props.type;
    if (type < xp_type::kXp || type > xp_type::kToolbarDropDown) {
        return;
    }
    const bool xp = type == xp_type::kXp;
    const bool toolbar = type == xp_type::kToolbarDropDown;
    const bool hot = m_hovered || m_focused;

    const PictureRef* main = &m_props.picture;
    int offset = 0;
    PictureMode mode = PictureMode::Normal;
    bool shadowFirst = false;
    bool skip = false;
    if (m_pressed) {
        main = &m_props.hoverPicture;
        offset = 1;
    } else if (hot) {
        main = &m_props.hoverPicture;
        if (xp) {
            skip = !force && m_samePicture;
        } else if (!toolbar) {
            shadowFirst = true;
        }
    } else if (DisabledLook()) {
        mode = toolbar ? PictureMode::Embossed : PictureMode::Grey;
    } else if (xp) {
        skip = !force && m_samePicture;
    } else if (toolbar) {
        mode = PictureMode::Grey;
    }

    Canvas& canvas = m_surface;
    const Rect& q = m_layout.pictureRect;
    if (*main && m_layout.hasPictureArea && !skip) {
        DrawPictureFrame();
        const Picture& picture = **main;
        const auto at = [&](int dx, int dy) {
            return Rect{q.left + dx, q.top + dy, q.right + dx, q.bottom + dy};
        };
        if (shadowFirst) {
            const int shadow = m_props.shadowLength;
            RenderPicture(canvas, picture, at(shadow, shadow), PictureMode::Shadow);
            RenderPicture(canvas, picture, at(-1, -1), PictureMode::Normal);
        } else {
            RenderPicture(canvas, picture, at(offset, offset), mode);
        }
    }
    if (m_props.attachedPicture) {
        const Picture& attached = *m_props.attachedPicture;
        const Rect& c = m_layout.client;
        const int x = c.right - m_props.attachedWidth - m_props.attachedMargin;
        const int y = RoundHalfEven((c.top + c.bottom) / 2.0 - m_props.attachedHeight / 2.0);
        RenderPicture(canvas, attached, Rect{x, y, x + attached.Width(), y + attached.Height()}, mode);
    }
}

}  // namespace orvell::controls
