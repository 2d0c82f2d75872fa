#include "platform/dpi.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <initializer_list>
#include <utility>
#include <vector>

#include "app/main_window.h"
#include "main_window_world.h"
#include "skin/neo_caption.h"
#include "skin/title_bar_layout.h"
#include "support/test_printers.h"
#include "test_window.h"
#include "windows/help_window.h"

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

// Sizes at 144 dpi against the same at 96: one and a half times, within a pixel.
void ExpectOneAndAHalfTimes(std::initializer_list<std::pair<int, int>> sizes) {
    for (const auto& [at96, at144] : sizes) {
        EXPECT_LE(std::abs(2 * at144 - 3 * at96), 2) << at96 << " at 96 dpi, " << at144 << " at 144";
    }
}

// At every DPI the frame draws the pictures of the size it picked (never below the DPI's, up to the
// largest drawn), exactly as large as the regions the painter copies from them pixel for pixel.
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
    }
}

// The secondary windows' title bar at 144 dpi is that of 96 times 1.5, and at each drawn size every
// piece of it and of its host's border is copied pixel for pixel from inside the picture of that size.
TEST(TitleBarDpi, DrawsThePicturesOfItsSizeUnstretched) {
    const skin::TitleBarPlan at96 = skin::PlanTitleBar(300, false, 96, 96);
    const skin::TitleBarPlan at144 = skin::PlanTitleBar(450, false, 144, 144, 150);
    const Rect& close96 = at96.closeButton.target;
    const Rect& close144 = at144.closeButton.target;
    ExpectOneAndAHalfTimes({{at96.height, at144.height},
                            {close96.left, close144.left},
                            {close96.top, close144.top},
                            {close96.Width(), close144.Width()}});
    for (const int scale : {125, 150, 200}) {
        const int dpi = scale * 96 / 100;
        const unique_hbitmap picture(static_cast<HBITMAP>(
            ::LoadImageW(::GetModuleHandleW(nullptr), ArtResourceName(L"TITLEBARSKIN", scale).c_str(),
                         IMAGE_BITMAP, 0, 0, 0)));
        BITMAP size{};
        ASSERT_NE(::GetObjectW(picture.Get(), sizeof size, &size), 0);
        for (const wchar_t* about : {L"ABOUTAKEY", L"ABOUTKEYS"}) {
            const std::wstring name = ArtResourceName(about, scale);
            EXPECT_TRUE(unique_hbitmap(static_cast<HBITMAP>(
                ::LoadImageW(::GetModuleHandleW(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, 0))))
                << name;
        }
        std::vector<skin::ArtBlit> blits = skin::PlanHostBorder(400, 300, dpi, dpi, scale);
        const skin::TitleBarPlan plan = skin::PlanTitleBar(400, false, dpi, dpi, scale);
        blits.insert(blits.end(), plan.strip.begin(), plan.strip.end());
        for (const skin::ArtBlit& blit : blits) {
            EXPECT_EQ(blit.source.Width(), blit.target.Width()) << dpi << " dpi";
            EXPECT_EQ(blit.source.Height(), blit.target.Height()) << dpi << " dpi";
            EXPECT_TRUE(blit.source.right <= size.bmWidth && blit.source.bottom <= size.bmHeight) << dpi;
        }
    }
}

// The main window moved to a 144-dpi screen: its frame and controls are those of 96 dpi times 1.5,
// and its caption is the 150 % picture pixel for pixel (not the 96-dpi one stretched).
TEST(MainWindowDpi, MovedTo144DpiScalesTheFrameAndControlsByOneAndAHalf) {
    test_support::MainWindowWorld world(L"OrvellTestDpi");
    MainWindow window(world.Services());
    ASSERT_TRUE(window.Open());
    ASSERT_EQ(window.Caption().Art().scale, 100) << "the suite runs at 96 dpi";
    // The margins round the client area, its size, and the input box's place and size.
    const auto measure = [&] {
        ::RedrawWindow(window.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        const cMenuBar& bar = *window.Caption().MenuBar();
        const RECT item = bar.ItemScreenRect(1);
        const RECT next = bar.ItemScreenRect(2);
        RECT outer{};
        RECT client{};
        RECT input{};
        ::GetWindowRect(window.Handle(), &outer);
        ::GetClientRect(window.Handle(), &client);
        ::MapWindowPoints(window.Handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
        ::GetWindowRect(window.Child(MainWindow::Control::Text1), &input);
        return std::array{
            client.top - outer.top,       client.left - outer.left,   outer.right - client.right,
            outer.bottom - client.bottom, client.right - client.left, client.bottom - client.top,
            input.left - client.left,     input.right - input.left,   input.bottom - input.top,
            item.left - outer.left,       item.top - outer.top,       next.left - item.right};
    };
    const auto at96 = measure();
    EXPECT_EQ(at96[0], 48);
    EXPECT_GE(window.Caption().MenuBar()->ItemCount(), 2);
    RECT suggested{10, 10, 900, 700};
    ::SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                   reinterpret_cast<LPARAM>(&suggested));
    const auto at144 = measure();
    for (std::size_t i = 0; i < at96.size(); ++i) {
        ExpectOneAndAHalfTimes({{at96[i], at144[i]}});
    }

    // The logo, read back from the window, is the 150 % caption picture's.
    const skin::CaptionArt& art = window.Caption().Art();
    ASSERT_EQ(art.scale, 150);
    const FrameSkin skin = LoadFrameSkin(144);
    const unique_hdc picture(::CreateCompatibleDC(nullptr));
    const SelectGuard selected(picture.Get(), skin.caption.Get());
    ::RedrawWindow(window.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    const WindowDc drawn(window.Handle());
    int differing = 0;
    for (int y = 0; y < art.captionHeight; y += 3) {
        for (int x = 0; x < art.activeLeftEnd; x += 3) {
            differing += ::GetPixel(drawn.Get(), x, y) != ::GetPixel(picture.Get(), x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0);
}

// A secondary window moved to a 144-dpi screen takes the suggested size; its title bar, its controls'
// places and sizes and their font are those of 96 dpi times 1.5.
TEST(SecondaryWindowDpi, MovedTo144DpiScalesTheTitleBarAndControlsByOneAndAHalf) {
    app::MemorySettingsStore settings;
    test_support::HostWindow owner;
    ASSERT_TRUE(owner.Open());
    HelpWindow help;
    ASSERT_TRUE(help.Open(owner.Handle(), settings));
    const auto measure = [&] {
        RECT outer{};
        RECT bar{};
        RECT button{};
        LOGFONTW font{};
        const HWND command = help.Child(HelpWindow::Control::Command1);
        ::GetWindowRect(help.Handle(), &outer);
        ::GetWindowRect(help.TitleBar().Handle(), &bar);
        ::GetWindowRect(command, &button);
        ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(command, WM_GETFONT, 0, 0)), sizeof font, &font);
        return std::array{outer.right - outer.left,   outer.bottom - outer.top,
                          bar.bottom - bar.top,       button.left - outer.left,
                          button.top - outer.top,     button.right - button.left,
                          button.bottom - button.top, font.lfHeight};
    };
    const auto at96 = measure();
    RECT suggested{40, 30, 40 + 3 * at96[0] / 2, 30 + 3 * at96[1] / 2};
    ::SendMessageW(help.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    const auto at144 = measure();
    for (std::size_t i = 0; i < at96.size(); ++i) {
        ExpectOneAndAHalfTimes({{at96[i], at144[i]}});
    }
}

}  // namespace
}  // namespace orvell::win
