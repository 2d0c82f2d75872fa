// The XP button drawn by GDI into DIB sections: the pixels a user sees, type by type and state by
// state. tools/xp_button_gallery.sh draws them all into one picture to look at.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "controls/picture_renderer.h"
#include "controls/xp_button_window.h"
#include "xp_button_support.h"

namespace orvell::win {
namespace {

using controls::VelloXPButton;
using controls::test::ButtonFixture;
using controls::test::PixelCanvas;
using test_support::DibSurface;
using test_support::GdiButton;

constexpr Colour kPaper = controls::test::kPaper;
constexpr int kHeight = 26;

// Each type at a width that shows all of its face; the narrow types get side margins of 2.
const struct {
    std::int32_t type;
    int width;
} kTypes[] = {{0, 90}, {1, 90}, {2, 90}, {3, 90}, {4, 24}, {5, 8}, {6, 10}};

// Each state by its name and the input steps that bring it.
const std::pair<const char*, const char*> kStates[] = {{"normal", ""},
                                                       {"hovered", "move 5 5"},
                                                       {"focused", "focus"},
                                                       {"pressed", "move 5 5; down 1 5 5"},
                                                       {"disabled", "disable"}};

// Whether GDI may show a pixel the pixel surface has not drawn: arcs and edges are GDI's own (the
// pixel surface records them; their pixels are checked below and by the canvas tests), so inside an
// arc's bounds in the arc's colour, or on an edge's one-pixel ring.
bool DrawnByGdiAlone(const PixelCanvas& recorded, Point p, Colour pixel) {
    for (const PixelCanvas::ArcCall& arc : recorded.arcs) {
        if (arc.bounds.Contains(p) && pixel == arc.colour) {
            return true;
        }
    }
    for (const PixelCanvas::EdgeCall& edge : recorded.edges) {
        const Rect& r = edge.rect;
        if (r.Contains(p) && (p.x == r.left || p.y == r.top || p.x == r.right - 1 || p.y == r.bottom - 1)) {
            return true;
        }
    }
    return false;
}

// The same button drawn by GDI and by the portable painter on its pixel surface shows the same pixels:
// GDI draws what the painter asks.
TEST(XpButtonGdi, GdiShowsThePaintersPixelsInEveryTypeAndState) {
    const Colour face(::GetSysColor(COLOR_BTNFACE));
    for (const auto& row : kTypes) {
        for (const auto& state : kStates) {
            SCOPED_TRACE(::testing::Message() << "type " << row.type << ", state " << state.first);
            GdiButton gdi(row.width, kHeight, row.type, kPaper);
            ButtonFixture portable(row.width, kHeight, row.type, face);
            portable.canvas.StartFrame();  // without the caption of the set-up
            for (VelloXPButton* button : {&gdi.button, &portable.button}) {
                button->SetCaption(L"");
                if (row.type >= controls::xp_type::kSeparator) {
                    button->SetFrameMarginLeft(2);
                    button->SetFrameMarginRight(2);
                }
                controls::test::Play(*button, state.second);
            }
            const PixelCanvas& expected = portable.canvas;
            ASSERT_TRUE(expected.PixelsOf(kPaper).empty() && expected.texts.empty());
            const auto differs = [&](int x, int y) {
                const Colour pixel = gdi.surface.At(x, y);
                return pixel != expected.At(x, y) && !DrawnByGdiAlone(expected, Point{x, y}, pixel);
            };
            EXPECT_EQ(Where(row.width, kHeight, differs), std::vector<Point>{});
        }
    }
}

TEST(XpButtonGdi, OutlineArcsAndTheRoundedRegion) {
    GdiButton xp(75, 23, controls::xp_type::kXp, kPaper);
    xp.button.SetCaption(L"");
    // The frame, with the arcs as GDI draws them at the four corners: one pixel each inside it.
    const auto outline = [](int x, int y) {
        return x == 0 || y == 0 || x == 74 || y == 22 || ((x == 1 || x == 73) && (y == 1 || y == 21));
    };
    EXPECT_EQ(xp.surface.PixelsOf(Colour(0x733C00)), Where(75, 23, outline));
    ASSERT_TRUE(xp.host.region.has_value());
    const unique_hrgn region = MakeWindowRegion(*xp.host.region);
    ASSERT_TRUE(region);
    // The corners the window's shape cuts away: the round rectangle reaches a row above the face, so
    // the top corners lose one pixel and the bottom ones three.
    EXPECT_EQ(Where(75, 23, [&](int x, int y) { return ::PtInRegion(region.Get(), x, y) == 0; }),
              (std::vector<Point>{{0, 0}, {74, 0}, {0, 21}, {74, 21}, {0, 22}, {1, 22}, {73, 22}, {74, 22}}));
    RECT box{};
    ::GetRgnBox(region.Get(), &box);
    EXPECT_EQ((Rect{box.left, box.top, box.right, box.bottom}), (Rect{0, 0, 75, 23}));

    GdiButton flat(75, 23, controls::xp_type::kFlat, kPaper);
    const unique_hrgn square = MakeWindowRegion(*flat.host.region);
    EXPECT_EQ(Where(76, 23, [&](int x, int y) { return ::PtInRegion(square.Get(), x, y) == 0; }),
              Where(76, 23, [](int x, int) { return x == 75; }));
}

// The picture effects read back through GDI what an icon or a bitmap drew: an icon keeps its
// transparent pixels, and the embossed copy finds the shape's edges.
TEST(XpButtonGdi, PicturesTakeTheirModesAndIconsKeepTheirTransparentPixels) {
    const auto icon = test_support::MakeTestIcon(Colour::Rgb(0, 0, 255));
    const auto bitmap = test_support::MakeTestBitmap(16, 16, Colour::Rgb(200, 100, 50));
    ASSERT_TRUE(icon && bitmap);
    EXPECT_EQ(icon->Kind(), controls::PictureKind::Icon);
    EXPECT_EQ(icon->Width(), 16);
    EXPECT_EQ(icon->Height(), 16);
    struct Case {
        const controls::Picture& picture;
        controls::PictureMode mode;
        Colour fill;  // at (10, 6)
    };
    const Case cases[] = {{*icon, controls::PictureMode::Normal, Colour::Rgb(0, 0, 255)},
                          {*icon, controls::PictureMode::Embossed, Colour(0x808080)},
                          {*bitmap, controls::PictureMode::Grey, Colour::Rgb(124, 124, 124)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "mode " << static_cast<int>(c.mode));
        DibSurface surface(20, 20, kPaper);
        GdiCanvas canvas(surface.Dc());
        controls::RenderPicture(canvas, c.picture, Rect{2, 2, 18, 18}, c.mode);
        EXPECT_EQ(surface.At(10, 6), c.fill);
        if (&c.picture == icon.get()) {
            EXPECT_EQ(surface.At(2, 2), kPaper) << "a transparent corner";
        }
        if (c.mode == controls::PictureMode::Embossed) {
            EXPECT_EQ(surface.At(16, 10), Colour(0xFFFFFF)) << "right of the shape";
            EXPECT_EQ(surface.At(10, 16), Colour(0xFFFFFF)) << "below the shape";
            EXPECT_EQ(surface.At(3, 10), kPaper) << "left of the shape";
        }
    }
}

}  // namespace
}  // namespace orvell::win
