#include "platform/dpi.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "app/main_window.h"
#include "main_window_world.h"
#include "skin/neo_caption.h"
#include "skin/title_bar_layout.h"
#include "support/test_printers.h"

namespace orvell::win {
namespace {

// Twips to pixels, rounded, each axis at its own DPI (15 twips a pixel at 96).
TEST(TwipsScale, ConvertsEachAxisAtItsOwnDpi) {
    struct Case {
        Dpi dpi;
        int twips;
        int expectedX;
        int expectedY;
    };
    const Case cases[] = {
        {{96, 96}, 7, 0, 0},         {{96, 96}, 8, 1, 1},         {{96, 96}, -300, -20, -20},
        {{144, 96}, 6240, 624, 416}, {{96, 192}, 5235, 349, 698}, {{120, 144}, 195, 16, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.twips << " twips at " << c.dpi.x << " x " << c.dpi.y << " dpi");
        const TwipsScale scale(c.dpi);
        EXPECT_EQ(scale.X(c.twips), c.expectedX);
        EXPECT_EQ(scale.Y(c.twips), c.expectedY);
    }
    // Converting the right edge instead of the width would make a control grow or shrink a pixel
    // depending on where it stands: 10 twips are a pixel wherever they start.
    EXPECT_EQ(TwipsScale(Dpi{96, 96}).Bounds(10, 10, 10, 10), (Rect{1, 1, 2, 2}));
    EXPECT_EQ(TwipsScale(Dpi{120, 120}).Bounds(2520, 760, 975, 450), (Rect{210, 63, 291, 101}));
}

// At every DPI the frame draws the pictures drawn for the size it picked, each at its own size: the
// caption and border pictures are exactly as large as the regions the painter copies 1:1, and the
// picked size is never below the DPI's (up to the largest drawn).
TEST(FrameSkin, PicksPicturesDrawnAtTheSizeItDraws) {
    for (const int dpi : {96, 110, 120, 144, 168, 192, 240}) {
        SCOPED_TRACE(::testing::Message() << dpi << " dpi");
        const FrameSkin skin = LoadFrameSkin(dpi);
        const skin::CaptionArt& art = skin.art;
        EXPECT_TRUE(art.scale * 96 >= dpi * 100 || art.scale == skin::kArtScales.back());
        BITMAP caption{};
        BITMAP border{};
        ASSERT_NE(::GetObjectW(skin.caption.Get(), sizeof caption, &caption), 0);
        ASSERT_NE(::GetObjectW(skin.border.Get(), sizeof border, &border), 0);
        EXPECT_EQ(caption.bmWidth, skin::ScaledArt(640, art.scale));
        EXPECT_EQ(caption.bmHeight, art.captionHeight);
        EXPECT_EQ(border.bmWidth, 7 * art.border);
        EXPECT_EQ(border.bmHeight, art.border);
        const Point minimise = skin::ButtonImage(art, skin::CaptionButton::Minimise, 0, true);
        EXPECT_LE(minimise.x + art.buttonWidth, caption.bmWidth);
        EXPECT_EQ(minimise.y + art.buttonHeight, 2 * art.buttonHeight);
    }
}

// The secondary windows' title bar at 144 dpi is that of 96 dpi times 1.5, within a pixel, and at each
// drawn size every piece of it and of its host's border is copied pixel for pixel from inside the
// picture drawn at that size.
TEST(TitleBarDpi, DrawsThePicturesOfItsSizeUnstretched) {
    const skin::TitleBarPlan at96 = skin::PlanTitleBar(300, false, 96, 96);
    const skin::TitleBarPlan at144 = skin::PlanTitleBar(450, false, 144, 144, 150);
    const Rect& close96 = at96.closeButton.target;
    const Rect& close144 = at144.closeButton.target;
    for (const auto& [before, after] : {std::pair{at96.height, at144.height}, {close96.left, close144.left},
                                        {close96.top, close144.top}, {close96.Width(), close144.Width()},
                                        {close96.Height(), close144.Height()}}) {
        EXPECT_LE(std::abs(2 * after - 3 * before), 2) << before << " at 96 dpi, " << after << " at 144";
    }
    for (const int dpi : {120, 144, 192}) {
        SCOPED_TRACE(::testing::Message() << dpi << " dpi");
        const int scale = skin::ArtScaleFor(dpi);
        const std::wstring name = L"TITLEBARSKIN_" + std::to_wstring(scale);
        const unique_hbitmap picture(static_cast<HBITMAP>(
            ::LoadImageW(::GetModuleHandleW(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        BITMAP size{};
        ASSERT_NE(::GetObjectW(picture.Get(), sizeof size, &size), 0);
        const skin::TitleBarPlan plan = skin::PlanTitleBar(400, false, dpi, dpi, scale);
        std::vector<skin::ArtBlit> blits = skin::PlanHostBorder(400, 300, dpi, dpi, scale);
        blits.insert(blits.end(), plan.strip.begin(), plan.strip.end());
        for (const skin::ArtBlit& blit : blits) {
            EXPECT_EQ(blit.source.Width(), blit.target.Width());
            EXPECT_EQ(blit.source.Height(), blit.target.Height());
            EXPECT_LE(blit.source.right, size.bmWidth);
            EXPECT_LE(blit.source.bottom, size.bmHeight);
        }
    }
}

// The main window moved to a 144-dpi screen: its frame and controls are those of 96 dpi times 1.5,
// within a pixel, and its caption is the 150 % picture pixel for pixel (not the 96-dpi one stretched).
TEST(MainWindowDpi, MovedTo144DpiScalesTheFrameAndControlsByOneAndAHalf) {
    test_support::MainWindowWorld world(L"OrvellTestDpi");
    MainWindow window(world.Services());
    ASSERT_TRUE(window.Open());
    ASSERT_EQ(window.Caption().Art().scale, 100) << "the suite runs at 96 dpi";
    struct Metrics {
        int top, left, right, bottom, clientWidth, clientHeight, inputLeft, inputWidth, inputHeight;
    };
    const auto measure = [&] {
        RECT outer{};
        RECT client{};
        RECT input{};
        ::GetWindowRect(window.Handle(), &outer);
        ::GetClientRect(window.Handle(), &client);
        ::GetWindowRect(window.Child(MainWindow::Control::Text1), &input);
        POINT origin{0, 0};
        ::ClientToScreen(window.Handle(), &origin);
        const int right = outer.right - origin.x - client.right;
        const int bottom = outer.bottom - origin.y - client.bottom;
        return Metrics{origin.y - outer.top, origin.x - outer.left, right,  bottom,
                       client.right,          client.bottom,         input.left - origin.x,
                       input.right - input.left, input.bottom - input.top};
    };
    const Metrics at96 = measure();
    EXPECT_EQ(at96.top, 48);
    EXPECT_EQ(at96.left, 10);

    RECT suggested{10, 10, 900, 700};
    ::SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    const Metrics at144 = measure();
    const int pairs[][2] = {{at96.top, at144.top},
                            {at96.left, at144.left},
                            {at96.right, at144.right},
                            {at96.bottom, at144.bottom},
                            {at96.clientWidth, at144.clientWidth},
                            {at96.clientHeight, at144.clientHeight},
                            {at96.inputLeft, at144.inputLeft},
                            {at96.inputWidth, at144.inputWidth},
                            {at96.inputHeight, at144.inputHeight}};
    for (const auto& [before, after] : pairs) {
        EXPECT_LE(std::abs(2 * after - 3 * before), 2) << before << " at 96 dpi, " << after << " at 144";
    }
    RECT outer{};
    ::GetWindowRect(window.Handle(), &outer);
    EXPECT_EQ(outer.left, suggested.left);
    EXPECT_EQ(outer.top, suggested.top);

    // The logo, read back from the window, is the 150 % caption picture's.
    const skin::CaptionArt& art = window.Caption().Art();
    EXPECT_EQ(art.scale, 150);
    const FrameSkin skin = LoadFrameSkin(144);
    const unique_hdc picture(::CreateCompatibleDC(nullptr));
    const SelectGuard selected(picture.Get(), skin.caption.Get());
    ::RedrawWindow(window.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    const WindowDc drawn(window.Handle());
    int differing = 0;
    for (int y = 0; y < art.captionHeight; y += 3) {
        for (int x = 0; x < 2 * art.activeLeftEnd / 3; x += 3) {
            differing += ::GetPixel(drawn.Get(), x, y) != ::GetPixel(picture.Get(), x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace orvell::win
