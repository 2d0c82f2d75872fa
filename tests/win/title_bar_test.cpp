// The drawn title bar in a real host window: its pixels against the skin pictures it is built with,
// its buttons, tooltips and events, and the standard handling that drags, minimises and closes hosts.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "dib_surface.h"
#include "platform/dpi.h"
#include "skin/title_bar_window.h"
#include "test_window.h"

namespace orvell::win {
namespace {

using skin::ButtonLook;
using skin::TitleButton;
using test_support::DibSurface;
using test_support::PumpPending;
using test_support::PumpUntil;

constexpr int kHostWidth = 300;
constexpr int kHostHeight = 200;
constexpr Colour kHostBack = Colour::Rgb(224, 220, 224);
constexpr Colour kPaper = Colour::Rgb(1, 2, 3);  // what the tests' surfaces start with

LPARAM At(Point p) {
    return MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(p.x)), static_cast<WORD>(static_cast<SHORT>(p.y)));
}

// One of the bar's pictures, loaded from the test program's resources as the bar loads it.
class Art {
public:
    explicit Art(const wchar_t* name)
        : m_bitmap(static_cast<HBITMAP>(
              ::LoadImageW(::GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))),
          m_dc(::CreateCompatibleDC(nullptr)),
          m_selected(m_dc.Get(), m_bitmap.Get()) {}

    bool Loaded() const { return static_cast<bool>(m_selected); }
    Colour At(int x, int y) const { return Colour(static_cast<std::uint32_t>(::GetPixel(m_dc.Get(), x, y))); }

private:
    unique_hbitmap m_bitmap;
    unique_hdc m_dc;
    SelectGuard m_selected;
};

// The events as the host sees them.
struct Recorder final : TitleBarEvents {
    void MouseDown(int button, int shift, Point at) override {
        events.push_back("MouseDown " + std::to_string(button) + " " + std::to_string(shift) + " " +
                         std::to_string(at.x) + "," + std::to_string(at.y));
    }
    void MinClick() override { events.push_back("MinClick"); }
    void CloseClick() override { events.push_back("CloseClick"); }
    void DblClick() override { events.push_back("DblClick"); }
    std::vector<std::string> events;
};

// A frameless secondary window as the program's hosts are: the bar across its top, laid out on every
// resize, its border painted with the rest of its client area. It counts what reaches it.
class Host final : public Window {
public:
    bool Open(int x = 100, int y = 100) {
        WindowClass windowClass;
        windowClass.name = L"OrvellTitleBarTestHost";
        // The class keeps the brush it was first registered with, so every host shares one.
        static const unique_hbrush background(::CreateSolidBrush(RGB(224, 220, 224)));
        windowClass.background = background.Get();
        WindowCreation creation;
        creation.style = WS_POPUP | WS_CLIPCHILDREN | WS_VISIBLE;
        creation.x = x;
        creation.y = y;
        creation.width = kHostWidth;
        creation.height = kHostHeight;
        if (!Create(windowClass, creation) || !bar.Create(Handle())) {
            return false;
        }
        bar.SetEvents(&recorder);
        return true;
    }

    BForm bar;
    Recorder recorder;
    int closes = 0;
    int captionPresses = 0;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_SIZE:
                bar.FitToHost();
                return 0;
            case WM_PAINT: {
                const PaintDc paint(Handle());
                bar.Printform(paint.Get());
                return 0;
            }
            case WM_CLOSE:
                ++closes;
                break;
            case WM_NCLBUTTONDOWN:
                captionPresses += wParam == HTCAPTION ? 1 : 0;
                break;
            default:
                break;
        }
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
        PumpPending();
    }

    BForm& Bar() { return m_host.bar; }
    HWND BarWindow() { return m_host.bar.Handle(); }
    void Send(UINT message, WPARAM wParam, Point at) { ::SendMessageW(BarWindow(), message, wParam, At(at)); }

    // The bar as it would paint now.
    std::unique_ptr<DibSurface> Rendered() {
        auto surface = std::make_unique<DibSurface>(kHostWidth, Bar().Plan().height, kPaper);
        Bar().Render(surface->Dc());
        return surface;
    }

    static Point Centre(const Rect& r) { return Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
    Rect MinRect() { return Bar().Plan().minButton.value_or(skin::ArtBlit{}).target; }
    Rect CloseRect() { return Bar().Plan().closeButton.target; }

    Host m_host;
    Art m_skin{L"TITLEBARSKIN"};
};

TEST_F(TitleBarTest, TheBarIsTheSkinPieceForPieceWithTheCaptionOnIt) {
    ASSERT_EQ(Bar().Plan().height, 27);
    RECT bar{};
    ::GetWindowRect(BarWindow(), &bar);
    EXPECT_EQ(bar.right - bar.left, kHostWidth) << "as wide as the host";
    Bar().SetCaption(L"");
    const auto empty = Rendered();
    // Bar point and the point of the skin that shows there: left end, tiles, right end, idle buttons.
    const std::pair<Point, Point> pixels[] = {
        {{0, 10}, {0, 10}},  {{1, 10}, {1, 10}},    {{29, 0}, {29, 0}},    {{30, 20}, {30, 20}},
        {{100, 3}, {20, 3}}, {{137, 26}, {37, 26}}, {{232, 12}, {32, 12}}, {{233, 12}, {27, 12}},
        {{299, 8}, {93, 8}}, {{255, 18}, {49, 18}}, {{280, 10}, {74, 10}}, {{260, 4}, {54, 4}},
    };
    for (const auto& [on, art] : pixels) {
        EXPECT_EQ(empty->At(on), m_skin.At(art.x, art.y)) << "bar " << testing::PrintToString(on);
    }
    // The caption is printed in white from (8, 7), and not over the buttons.
    const auto white = [](const DibSurface& s) { return s.PixelsOf(Colour::Rgb(255, 255, 255)); };
    for (const Point p : white(*empty)) {
        ASSERT_GE(p.x, MinRect().left) << "only the buttons' glyphs are white";
    }
    Bar().SetCaption(L"键码检测 V1.01 and a caption much too long for so narrow a bar");
    const auto captioned = Rendered();
    int caption = 0;
    for (const Point p : white(*captioned)) {
        caption += p.x < MinRect().left ? 1 : 0;
        EXPECT_GE(p.x, 8);
        EXPECT_GE(p.y, 7);
    }
    EXPECT_GT(caption, 20);
    for (int x = MinRect().left; x < kHostWidth; ++x) {
        for (int y = 0; y < 27; ++y) {
            ASSERT_EQ(captioned->At(x, y), empty->At(x, y)) << "the caption stops before the buttons";
        }
    }
    // And that is what the screen shows.
    ::UpdateWindow(BarWindow());
    const ClientDc screen(nullptr);
    for (const Point p : {Point{100, 3}, Point{255, 18}}) {
        EXPECT_EQ(Colour(static_cast<std::uint32_t>(::GetPixel(screen.Get(), 100 + p.x, 100 + p.y))),
                  captioned->At(p));
    }
}

TEST_F(TitleBarTest, TheCaptionIsTheWindowTextAndBothAreSavedWithBackColor) {
    EXPECT_EQ(Bar().Caption(), L"NewForm");
    EXPECT_EQ(GetText(BarWindow()), L"NewForm");
    EXPECT_EQ(Bar().BackColor(), L"14346732");
    Bar().SetCaption(L"键码检测 V1.01");
    EXPECT_EQ(GetText(BarWindow()), L"键码检测 V1.01") << "what a screen reader reads";
    ASSERT_TRUE(SetText(BarWindow(), L"KeyCode Test V1.01"));
    EXPECT_EQ(Bar().Caption(), L"KeyCode Test V1.01") << "the window's text is the caption";
    EXPECT_TRUE(Bar().SetBackColor(L"14736608"));
    EXPECT_FALSE(Bar().SetBackColor(L"grey")) << "no number";
    EXPECT_EQ(Bar().BackColor(), L"14736608");

    controls::PropertyBag saved;
    Bar().Save(saved);
    const std::wstring text = saved.Format();
    EXPECT_EQ(text, L"BackColor=14736608\r\nCaption=KeyCode Test V1.01\r\n");
    Host other;
    ASSERT_TRUE(other.Open(420, 100));
    other.bar.Restore(controls::PropertyBag::Parse(text));
    EXPECT_EQ(other.bar.Caption(), L"KeyCode Test V1.01");
    EXPECT_EQ(GetText(other.bar.Handle()), L"KeyCode Test V1.01");
    EXPECT_EQ(other.bar.BackColor(), L"14736608");
    other.bar.Restore(controls::PropertyBag{});
    EXPECT_EQ(other.bar.Caption(), L"NewForm") << "a missing key gives its default";
    EXPECT_EQ(other.bar.BackColor(), L"14346732");
    controls::PropertyBag defaults;
    other.bar.Save(defaults);
    EXPECT_EQ(defaults.Size(), 0u);
}

TEST_F(TitleBarTest, ButtonsShowTheirHoverAndPressedImagesAndReleaseToIdleAnywhere) {
    const Art minHover(L"TITLEBARMINHOVER");
    const Art minPressed(L"TITLEBARMINPRESSED");
    const Art closeHover(L"TITLEBARCLOSEHOVER");
    const Art closePressed(L"TITLEBARCLOSEPRESSED");
    const Point inMin = Centre(MinRect());
    const Point inClose = Centre(CloseRect());
    const Point onBar{60, 10};
    const Point outside{60, 60};
    enum Shows { Idle, Hover, Pressed };
    struct Step {
        UINT message;
        WPARAM keys;
        Point at;
        Shows min;
        Shows close;
        bool held;  // the bar holds the mouse while a button is down, on it or not
    };
    const Step steps[] = {
        {WM_MOUSEMOVE, 0, inMin, Hover, Idle, false},
        {WM_MOUSEMOVE, 0, inClose, Idle, Hover, false},
        {WM_MOUSEMOVE, 0, onBar, Idle, Idle, false},
        {WM_LBUTTONDOWN, MK_LBUTTON, inMin, Pressed, Idle, true},
        {WM_MOUSEMOVE, MK_LBUTTON, outside, Idle, Idle, true},
        {WM_MOUSEMOVE, MK_LBUTTON, inMin, Pressed, Idle, true},
        {WM_LBUTTONUP, 0, inMin, Idle, Idle, false},
        {WM_MOUSEMOVE, 0, inClose, Idle, Hover, false},
        {WM_LBUTTONDOWN, MK_LBUTTON, inClose, Idle, Pressed, true},
        {WM_LBUTTONUP, 0, outside, Idle, Idle, false},
        {WM_MOUSEMOVE, 0, inClose, Idle, Hover, false},
        {WM_MOUSELEAVE, 0, outside, Idle, Idle, false},
    };
    // The right end of a 300-pixel bar starts at 233 with the skin's column 27: idle, a button shows
    // the skin's own picture of it.
    const int skinToBar = 233 - 27;
    const auto expect = [&](const DibSurface& bar, const Rect& place, Shows shows, const Art& hover,
                            const Art& pressed) {
        for (const Point p : {Point{9, 4}, Point{3, 14}, Point{0, 0}}) {
            const Colour want = shows == Hover     ? hover.At(p.x, p.y)
                                : shows == Pressed ? pressed.At(p.x, p.y)
                                                   : m_skin.At(place.left - skinToBar + p.x, place.top + p.y);
            EXPECT_EQ(bar.At(place.left + p.x, place.top + p.y), want) << testing::PrintToString(p);
        }
    };
    int index = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::Message() << "step " << index++);
        Send(step.message, step.keys, step.at);
        const auto bar = Rendered();
        expect(*bar, MinRect(), step.min, minHover, minPressed);
        expect(*bar, CloseRect(), step.close, closeHover, closePressed);
        EXPECT_EQ(::GetCapture() == BarWindow(), step.held);
    }
}

TEST_F(TitleBarTest, TooltipsFollowTheLanguageSettingAtEveryHover) {
    app::MemorySettingsStore settings;
    Bar().SetSettings(&settings);
    ASSERT_NE(Bar().Tooltip(), nullptr);
    EXPECT_EQ(::SendMessageW(Bar().Tooltip(), TTM_GETTOOLCOUNT, 0, 0), 2);
    const auto tip = [&](TitleButton button) {
        wchar_t text[80] = {};
        TOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.hwnd = BarWindow();
        tool.uId = button == TitleButton::Min ? 1 : 2;
        tool.lpszText = text;
        ::SendMessageW(Bar().Tooltip(), TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
        return std::wstring(text);
    };
    const struct {
        std::int32_t language;
        TitleButton button;
        const wchar_t* text;
    } cases[] = {
        {0, TitleButton::Min, L"最小化"}, {1, TitleButton::Min, L"Minimize"},
        {0, TitleButton::Close, L"退出"}, {1, TitleButton::Close, L"Exit"},
        {2, TitleButton::Close, L"Exit"}, {0, TitleButton::Min, L"最小化"},
    };
    for (const auto& c : cases) {
        settings.values[L"Language"] = c.language;
        Send(WM_MOUSEMOVE, 0, {60, 10});
        Send(WM_MOUSEMOVE, 0, Centre(c.button == TitleButton::Min ? MinRect() : CloseRect()));
        EXPECT_EQ(tip(c.button), c.text) << "Language " << c.language;
    }
}

TEST_F(TitleBarTest, ClicksOnTheButtonsAndTheBarRaiseTheirEvents) {
    const Point inMin = Centre(MinRect());
    const Point inClose = Centre(CloseRect());
    struct Message {
        UINT message;
        WPARAM keys;
        Point at;
    };
    struct Case {
        const char* name;
        std::vector<Message> messages;
        std::vector<std::string> events;
    };
    const Case cases[] = {
        {"minimise", {{WM_LBUTTONDOWN, MK_LBUTTON, inMin}, {WM_LBUTTONUP, 0, inMin}}, {"MinClick"}},
        {"close", {{WM_LBUTTONDOWN, MK_LBUTTON, inClose}, {WM_LBUTTONUP, 0, inClose}}, {"CloseClick"}},
        {"pressed on close, let go on minimise",
         {{WM_LBUTTONDOWN, MK_LBUTTON, inClose}, {WM_MOUSEMOVE, MK_LBUTTON, inMin}, {WM_LBUTTONUP, 0, inMin}},
         {}},
        {"press on the bar with Ctrl",
         {{WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, {40, 9}}},
         {"MouseDown 1 2 40,9"}},
        {"right press on the bar", {{WM_RBUTTONDOWN, MK_RBUTTON, {41, 9}}}, {"MouseDown 2 0 41,9"}},
        {"right press on a button", {{WM_RBUTTONDOWN, MK_RBUTTON, inClose}, {WM_RBUTTONUP, 0, inClose}}, {}},
        {"double click on the bar",
         {{WM_LBUTTONDOWN, MK_LBUTTON, {50, 9}},
          {WM_LBUTTONUP, 0, {50, 9}},
          {WM_LBUTTONDBLCLK, MK_LBUTTON, {50, 9}}},
         {"MouseDown 1 0 50,9", "DblClick"}},
        {"the mouse taken away while pressed",
         {{WM_LBUTTONDOWN, MK_LBUTTON, inMin}, {WM_CANCELMODE, 0, {}}, {WM_LBUTTONUP, 0, inMin}},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_host.recorder.events.clear();
        for (const Message& m : c.messages) {
            Send(m.message, m.keys, m.at);
        }
        EXPECT_EQ(m_host.recorder.events, c.events);
        EXPECT_EQ(::GetCapture(), nullptr);
        EXPECT_EQ(Bar().Look(TitleButton::Min), ButtonLook::Idle);
    }
}

TEST_F(TitleBarTest, NominCoversTheMinimiseButtonForGoodAndItsAreaBecomesBar) {
    const Rect min = MinRect();
    Bar().Nomin();
    EXPECT_FALSE(Bar().HasMinButton());
    EXPECT_EQ(::SendMessageW(Bar().Tooltip(), TTM_GETTOOLCOUNT, 0, 0), 1);
    for (const int width : {kHostWidth, 260}) {
        SCOPED_TRACE(width);
        ::SetWindowPos(m_host.Handle(), nullptr, 0, 0, width, kHostHeight, SWP_NOMOVE | SWP_NOZORDER);
        const Rect place{min.left - kHostWidth + width, min.top, min.right - kHostWidth + width, min.bottom};
        auto bar = std::make_unique<DibSurface>(width, 27, kPaper);
        Bar().Render(bar->Dc());
        // Plain strip of the same rows where the idle picture was.
        for (int x = place.left; x < place.right; ++x) {
            EXPECT_EQ(bar->At(x, place.top + 9), m_skin.At(20, place.top + 9)) << x;
        }
        m_host.recorder.events.clear();
        Send(WM_MOUSEMOVE, 0, Centre(place));
        Send(WM_LBUTTONDOWN, MK_LBUTTON, Centre(place));
        Send(WM_LBUTTONUP, 0, Centre(place));
        EXPECT_EQ(m_host.recorder.events.size(), 1u);
        EXPECT_EQ(m_host.recorder.events.front().substr(0, 9), "MouseDown");
    }
}

TEST_F(TitleBarTest, PrintformPaintsTheHostsBorderFromTheSkinAndLeavesTheBarAlone) {
    DibSurface host(kHostWidth, kHostHeight, kPaper);
    Bar().Printform(host.Dc());
    // Host point and the point of the skin that shows there, or the host's own background.
    const struct {
        Point on;
        std::optional<Point> art;
    } pixels[] = {
        {{0, 100}, Point{0, 53}},    {{3, 119}, Point{3, 72}},    {{4, 100}, std::nullopt},
        {{299, 100}, Point{93, 53}}, {{296, 30}, Point{90, 63}},  {{295, 100}, std::nullopt},
        {{150, 199}, Point{30, 84}}, {{150, 196}, Point{30, 81}}, {{150, 195}, std::nullopt},
        {{0, 199}, Point{0, 84}},    {{299, 199}, Point{93, 84}}, {{270, 197}, Point{64, 82}},
        {{150, 100}, std::nullopt},
    };
    for (const auto& p : pixels) {
        EXPECT_EQ(host.At(p.on), p.art ? m_skin.At(p.art->x, p.art->y) : kHostBack)
            << testing::PrintToString(p.on);
    }
    EXPECT_EQ(host.At(150, 10), kPaper) << "the bar paints itself";
    EXPECT_EQ(host.At(150, 26), kPaper);
}

// The standard handling, on a host of its own, as every secondary window wires its bar.
class StandardHandlingTest : public TitleBarTest {
protected:
    void SetUp() override {
        TitleBarTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        m_handling = std::make_unique<StandardTitleBarEvents>(m_host.Handle());
        Bar().SetEvents(m_handling.get());
    }
    void TearDown() override {
        if (m_host.Handle() != nullptr) {
            Bar().SetEvents(nullptr);
        }
    }
    std::unique_ptr<StandardTitleBarEvents> m_handling;
};

VOID CALLBACK LetGo(HWND, UINT, UINT_PTR, DWORD) {
    ::PostMessageW(nullptr, WM_LBUTTONUP, 0, 0);
}

TEST_F(StandardHandlingTest, APressOnTheBarDragsTheHost) {
    RECT before{};
    ::GetWindowRect(m_host.Handle(), &before);
    const POINT start{before.left + 60, before.top + 10};
    // The system's move loop runs inside the press until the release, so the whole drag is queued
    // first, each message with the pointer where it was then, as real input comes. Should the loop
    // miss the release, a timer lets go.
    ::SetCursorPos(start.x, start.y);
    ::PostMessageW(BarWindow(), WM_LBUTTONDOWN, MK_LBUTTON, At({60, 10}));
    ::SetCursorPos(start.x + 30, start.y + 20);
    ::PostMessageW(BarWindow(), WM_MOUSEMOVE, MK_LBUTTON, At({90, 30}));
    ::PostMessageW(BarWindow(), WM_LBUTTONUP, 0, At({90, 30}));
    const UINT_PTR safety = ::SetTimer(nullptr, 0, 2000, &LetGo);
    PumpPending();
    ::KillTimer(nullptr, safety);
    EXPECT_EQ(m_host.captionPresses, 1);
    RECT after{};
    ::GetWindowRect(m_host.Handle(), &after);
    EXPECT_EQ(after.left - before.left, 30);
    EXPECT_EQ(after.top - before.top, 20);
}

TEST_F(StandardHandlingTest, TheMinimiseButtonMinimisesAndTheCloseButtonCloses) {
    const Point inMin = Centre(MinRect());
    Send(WM_LBUTTONDOWN, MK_LBUTTON, inMin);
    Send(WM_LBUTTONUP, 0, inMin);
    EXPECT_TRUE(PumpUntil([&] { return ::IsIconic(m_host.Handle()) != FALSE; }));
    ::ShowWindow(m_host.Handle(), SW_RESTORE);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Centre(CloseRect()));
    Send(WM_LBUTTONUP, 0, Centre(CloseRect()));
    EXPECT_TRUE(::IsWindow(m_host.Handle())) << "closed once the click is over, not inside it";
    EXPECT_TRUE(PumpUntil([&] { return m_host.Handle() == nullptr; }));
    EXPECT_EQ(m_host.closes, 1) << "through the host's own WM_CLOSE";
}

TEST_F(StandardHandlingTest, ARealDoubleClickOnTheBarMinimisesThoughTheFirstPressStartsADrag) {
    ::SetForegroundWindow(m_host.Handle());
    RECT bar{};
    ::GetWindowRect(BarWindow(), &bar);
    ::SetCursorPos(bar.left + 60, bar.top + 10);
    const auto button = [](DWORD flags) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
        return input;
    };
    INPUT clicks[] = {button(MOUSEEVENTF_LEFTDOWN), button(MOUSEEVENTF_LEFTUP), button(MOUSEEVENTF_LEFTDOWN),
                      button(MOUSEEVENTF_LEFTUP)};
    ASSERT_EQ(::SendInput(4, clicks, sizeof(INPUT)), 4u);
    EXPECT_TRUE(PumpUntil([&] { return ::IsIconic(m_host.Handle()) != FALSE; }));
    EXPECT_EQ(m_host.captionPresses, 1) << "the first press handed to the system's move loop";
}

}  // namespace
}  // namespace orvell::win
