// The drawn title bar in a real host window: its pixels against the skin pictures it is built with,
// its buttons, tooltips and events, and the standard handling that drags, minimises and closes hosts.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "dib_surface.h"
#include "platform/dpi.h"
#include "skin/title_bar_window.h"
#include "test_window.h"

namespace orvell::win {
namespace {

using skin::TitleButton;
using Art = test_support::ResourceBitmap;
using test_support::DibSurface;
using test_support::MouseAt;
using test_support::PumpUntil;

constexpr Colour kHostBack = Colour::Rgb(224, 220, 224);
constexpr Colour kPaper = Colour::Rgb(1, 2, 3);  // what the tests' surfaces start with

// A frameless 300 x 200 secondary window as the program's hosts are: the bar across its top, laid out
// at every resize, the border painted with the rest of the client area. It keeps what reaches it.
class Host final : public Window, public TitleBarEvents {
public:
    bool Open(int x = 100) {
        static const unique_hbrush background(::CreateSolidBrush(RGB(224, 220, 224)));  // one for the class
        WindowClass windowClass;
        windowClass.name = L"OrvellTitleBarTestHost";
        windowClass.background = background.Get();
        WindowCreation creation{L"", WS_POPUP | WS_CLIPCHILDREN | WS_VISIBLE, 0, x, 100, 300, 200};
        if (!Create(windowClass, creation) || !bar.Create(Handle())) {
            return false;
        }
        bar.SetEvents(this);
        return true;
    }
    void MouseDown(int button, int shift, Point at) override {
        events.push_back("MouseDown " + std::to_string(button) + " " + std::to_string(shift) + " " +
                         std::to_string(at.x) + "," + std::to_string(at.y));
    }
    void MinClick() override { events.push_back("MinClick"); }
    void CloseClick() override { events.push_back("CloseClick"); }
    void DblClick() override { events.push_back("DblClick"); }

    BForm bar;
    std::vector<std::string> events;
    int closes = 0;
    int captionPresses = 0;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SIZE) {
            bar.FitToHost();
        } else if (message == WM_PAINT) {
            const PaintDc paint(Handle());
            bar.Printform(paint.Get());
            return 0;
        }
        closes += message == WM_CLOSE ? 1 : 0;
        captionPresses += message == WM_NCLBUTTONDOWN && wParam == HTCAPTION ? 1 : 0;
        return Window::HandleMessage(message, wParam, lParam);
    }
};

class TitleBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (ScreenDpi() != Dpi{96, 96}) {
            GTEST_SKIP() << "the pixel positions below are those of 96 dpi";
        }
        ASSERT_TRUE(m_host.Open());
        ASSERT_TRUE(m_skin.Loaded());
    }
    void TearDown() override {
        if (m_host.Handle() != nullptr) {
            m_host.bar.SetEvents(nullptr);
        }
    }

    BForm& Bar() { return m_host.bar; }
    void Send(UINT message, WPARAM keys, Point at) {
        ::SendMessageW(Bar().Handle(), message, keys, MouseAt(at));
    }
    std::unique_ptr<DibSurface> Rendered(int width = 300) {
        auto surface = std::make_unique<DibSurface>(width, 27, kPaper);
        Bar().Render(surface->Dc());
        return surface;
    }

    app::MemorySettingsStore m_settings;  // before the host: the bar reads it to the end
    Host m_host;
    Art m_skin{L"TITLEBARSKIN"};
    // On a 300-pixel bar: the buttons' places, and the right end starts at 233 with the skin's column 27.
    const Point m_min{261, 14};
    const Point m_close{285, 14};
    const int m_skinToBar = 233 - 27;
};

TEST_F(TitleBarTest, TheBarIsTheSkinPieceForPieceWithTheCaptionBeforeTheButtons) {
    Bar().SetCaption(L"");
    const auto bare = Rendered();
    // Left end, tiles, right end with the idle buttons: bar point, skin point.
    const std::pair<Point, Point> pixels[] = {{{1, 10}, {1, 10}},  {{29, 0}, {29, 0}},
                                              {{100, 3}, {20, 3}}, {{232, 26}, {32, 26}},
                                              {{299, 8}, {93, 8}}, {{255, 18}, {49, 18}}};
    for (const auto& [on, art] : pixels) {
        EXPECT_EQ(bare->At(on), m_skin.At(art.x, art.y)) << testing::PrintToString(on);
    }
    Bar().SetCaption(L"键码检测 V1.01 and a caption much too long for so narrow a bar");
    const auto captioned = Rendered();
    const auto printed = [](const DibSurface& bar) {
        const std::vector<Point> white = bar.PixelsOf(Colour::Rgb(255, 255, 255));
        return std::count_if(white.begin(), white.end(),
                             [](Point p) { return p.x >= 8 && p.x < 252 && p.y >= 7; });
    };
    EXPECT_EQ(printed(*bare), 0);
    EXPECT_GT(printed(*captioned), 100) << "white, from (8, 7)";
    for (int x = 252; x < 300; ++x) {
        for (int y = 0; y < 27; ++y) {
            ASSERT_EQ(captioned->At(x, y), bare->At(x, y)) << "the caption stops before the buttons";
        }
    }
    ::UpdateWindow(Bar().Handle());
    // Read through the window's own DC: under Wine the screen's copy of a new window may lag behind.
    const ClientDc shown(Bar().Handle());
    EXPECT_EQ(test_support::PixelOf(shown.Get(), 20, 12), captioned->At(20, 12))
        << "the window shows the same";
}

TEST_F(TitleBarTest, TheCaptionIsTheWindowTextAndSurvivesTheDesignText) {
    EXPECT_EQ(GetText(Bar().Handle()), L"NewForm");
    Bar().SetCaption(L"键码检测 V1.01");
    EXPECT_EQ(GetText(Bar().Handle()), L"键码检测 V1.01") << "what a screen reader reads";
    ASSERT_TRUE(SetText(Bar().Handle(), L"KeyCode Test V1.01"));
    EXPECT_TRUE(Bar().SetBackColor(L"14736608"));
    EXPECT_FALSE(Bar().SetBackColor(L"grey"));
    controls::PropertyBag design;
    Bar().Save(design);
    EXPECT_EQ(design.Format(), L"BackColor=14736608\r\nCaption=KeyCode Test V1.01\r\n");
    Host other;
    ASSERT_TRUE(other.Open(420));
    other.bar.Restore(controls::PropertyBag::Parse(design.Format()));
    EXPECT_EQ(GetText(other.bar.Handle()), L"KeyCode Test V1.01");
    EXPECT_EQ(other.bar.BackColor(), L"14736608");
}

// The rules of the looks and clicks have their own suite; here the messages reach them, the looks
// reach the surface and the events the host.
TEST_F(TitleBarTest, MouseMessagesShowTheButtonsImagesAndRaiseTheHostsEvents) {
    const Art images[2][2] = {{Art(L"TITLEBARMINHOVER"), Art(L"TITLEBARMINPRESSED")},
                              {Art(L"TITLEBARCLOSEHOVER"), Art(L"TITLEBARCLOSEPRESSED")}};
    const struct {
        UINT message;
        WPARAM keys;
        Point at;
        const char* looks;  // minimise, close: '-' idle, 'h' hover, 'p' pressed
        bool held;
        const char* event;
    } steps[] = {
        {WM_MOUSEMOVE, 0, m_min, "h-", false, nullptr},
        {WM_LBUTTONDOWN, MK_LBUTTON, m_close, "-p", true, nullptr},
        {WM_LBUTTONUP, 0, m_close, "--", false, "CloseClick"},
        {WM_MOUSEMOVE, 0, m_close, "-h", false, nullptr},
        {WM_MOUSELEAVE, 0, {}, "--", false, nullptr},
        {WM_LBUTTONDOWN, MK_LBUTTON, m_min, "p-", true, nullptr},
        {WM_LBUTTONUP, 0, m_min, "--", false, "MinClick"},
        {WM_RBUTTONDOWN, MK_RBUTTON | MK_CONTROL, {41, 9}, "--", false, "MouseDown 2 2 41,9"},
        {WM_LBUTTONDBLCLK, MK_LBUTTON, {41, 9}, "--", false, "DblClick"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "message " << step.message << " at " << step.at.x);
        m_host.events.clear();
        Send(step.message, step.keys, step.at);
        const auto bar = Rendered();
        for (const int i : {0, 1}) {
            const int left = i == 0 ? 252 : 276;
            const char look = step.looks[i];
            const Colour want =
                look == '-' ? m_skin.At(left - m_skinToBar + 9, 9) : images[i][look == 'p' ? 1 : 0].At(9, 4);
            EXPECT_EQ(bar->At(left + 9, 9), want) << (i == 0 ? "minimise" : "close");
        }
        EXPECT_EQ(::GetCapture() == Bar().Handle(), step.held);
        EXPECT_EQ(m_host.events,
                  step.event ? std::vector<std::string>{step.event} : std::vector<std::string>{});
    }
}

// Which text goes with which "Language" has its own suite; here the setting is read again at each hover.
TEST_F(TitleBarTest, TooltipsReadTheLanguageSettingAtEveryHover) {
    Bar().SetSettings(&m_settings);
    for (const auto& [language, button] :
         {std::pair{0, TitleButton::Min}, std::pair{1, TitleButton::Close}}) {
        m_settings.values[L"Language"] = language;
        Send(WM_MOUSEMOVE, 0, {60, 10});
        Send(WM_MOUSEMOVE, 0, button == TitleButton::Min ? m_min : m_close);
        EXPECT_EQ(
            test_support::TooltipText(Bar().Tooltip(), Bar().Handle(), button == TitleButton::Min ? 1 : 2),
            skin::TitleBarTooltip(button, language));
    }
    EXPECT_EQ(::SendMessageW(Bar().Tooltip(), TTM_GETTOOLCOUNT, 0, 0), 2);
    Bar().Nomin();
    EXPECT_EQ(::SendMessageW(Bar().Tooltip(), TTM_GETTOOLCOUNT, 0, 0), 1) << "no minimise button, no tip";
}

TEST_F(TitleBarTest, PrintformPaintsTheHostsBorderFromTheSkinAroundItsBackground) {
    DibSurface host(300, 200, kPaper);
    Bar().Printform(host.Dc());
    const std::pair<Point, std::optional<Point>> pixels[] = {
        {{0, 100}, Point{0, 53}},    {{3, 119}, Point{3, 72}},    {{299, 100}, Point{93, 53}},
        {{150, 196}, Point{30, 81}}, {{299, 199}, Point{93, 84}}, {{270, 197}, Point{64, 82}},
        {{4, 100}, std::nullopt},    {{150, 195}, std::nullopt}};
    for (const auto& [on, art] : pixels) {
        EXPECT_EQ(host.At(on), art ? m_skin.At(art->x, art->y) : kHostBack) << testing::PrintToString(on);
    }
    EXPECT_EQ(host.At(150, 26), kPaper) << "the bar's place is the bar's to paint";
}

// The standard handling on the host: a drag, the buttons, a real double click.
class StandardHandlingTest : public TitleBarTest {
protected:
    void SetUp() override {
        TitleBarTest::SetUp();
        m_handling = std::make_unique<StandardTitleBarEvents>(m_host.Handle());
        Bar().SetEvents(m_handling.get());
    }
    std::unique_ptr<StandardTitleBarEvents> m_handling;
};

TEST_F(StandardHandlingTest, APressOnTheBarDragsTheHost) {
    test_support::Drag(Bar().Handle(), {60, 10}, {90, 30});
    EXPECT_EQ(m_host.captionPresses, 1);
    const Rect moved = test_support::BoundsIn(m_host.Handle());
    EXPECT_EQ((Point{moved.left, moved.top}), (Point{130, 120}));
}

TEST_F(StandardHandlingTest, ARealDoubleClickOnTheBarMinimisesThoughTheFirstPressStartsADrag) {
    ::SetForegroundWindow(m_host.Handle());
    ::SetCursorPos(160, 110);
    const INPUT down = test_support::MouseInput(MOUSEEVENTF_LEFTDOWN);
    const INPUT up = test_support::MouseInput(MOUSEEVENTF_LEFTUP);
    INPUT clicks[] = {down, up, down, up};
    ASSERT_EQ(::SendInput(4, clicks, sizeof(INPUT)), 4u);
    EXPECT_TRUE(PumpUntil([&] { return ::IsIconic(m_host.Handle()) != FALSE; }));
    EXPECT_EQ(m_host.captionPresses, 1) << "the first press went to the system's move loop";
}

TEST_F(StandardHandlingTest, TheMinimiseButtonMinimisesTheCloseButtonClosesAfterTheClick) {
    test_support::Click(Bar().Handle(), m_min);
    EXPECT_TRUE(::IsIconic(m_host.Handle()));
    ::ShowWindow(m_host.Handle(), SW_RESTORE);
    test_support::Click(Bar().Handle(), m_close);
    EXPECT_TRUE(::IsWindow(m_host.Handle())) << "not inside the bar's own click";
    EXPECT_TRUE(PumpUntil([&] { return m_host.Handle() == nullptr; }));
    EXPECT_EQ(m_host.closes, 1) << "through the host's own WM_CLOSE";
}

}  // namespace
}  // namespace orvell::win
