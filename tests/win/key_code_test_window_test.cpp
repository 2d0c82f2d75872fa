// The key-code test in a real window: its texts and grid, keys and clicks as a user makes them
// (SendInput, through the message loop), its painting, its centring and its ways out.
#include "keyboard/key_code_test_window.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dib_surface.h"
#include "platform/gdi.h"
#include "test_window.h"

namespace orvell::win {
namespace {

using test_support::BoundsIn;
using test_support::PumpPending;
using test_support::PumpUntil;

Colour ScreenPixel(int x, int y) {
    return test_support::PixelOf(ClientDc(nullptr).Get(), x, y);
}

class KeyCodeTestWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_owner.Open());
        m_window.SetOnClosed([this] { ++m_closings; });
    }
    void Open(std::int32_t language = 1) {
        m_settings.values[L"Language"] = language;
        ASSERT_TRUE(m_window.Open(m_owner.Handle(), m_settings));
        ::UpdateWindow(m_window.Handle());
        PumpPending();
    }
    void Chord(const std::vector<WORD>& keys) {
        ::SetForegroundWindow(m_window.Handle());
        ASSERT_TRUE(test_support::SendChord(keys));
        PumpPending();
    }
    // name|down code|up code|character|down mask|up mask
    std::wstring Shown() const {
        std::wstring shown = GetText(m_window.Label4());
        for (int i = keyboard::kFirstNumberCell; i < keyboard::kCellCount; ++i) {
            shown += L"|" + GetText(m_window.Label1(i));
        }
        return shown;
    }

    app::MemorySettingsStore m_settings;  // before the window: its title bar reads it to the end
    test_support::HostWindow m_owner;
    KeyCodeTestWindow m_window;
    int m_closings = 0;
};

TEST_F(KeyCodeTestWindowTest, OpensCentredInTheStoredLanguageWithItsGridSizedFromTheLetterW) {
    const unique_hfont font = MakeFont(keyboard::KeyCodeTestFont());
    SIZE letter{};
    {
        const ClientDc screen(nullptr);
        const SelectGuard selected(screen.Get(), font.Get());
        ASSERT_TRUE(::GetTextExtentPoint32W(screen.Get(), L"W", 1, &letter));
    }
    const TwipsScale scale = TwipsScale::ForScreen();
    const int w = (letter.cx * 1440 + scale.GetDpi().x / 2) / scale.GetDpi().x;
    const int h = (letter.cy * 1440 + scale.GetDpi().y / 2) / scale.GetDpi().y;
    const std::wstring english[] = {L"KeyCode Test V1.01", L"The pressed key is:",
                                    L"At the text or window's form to Click Right Button to Clear All"};
    const std::wstring chinese[] = {L"键码检测 V1.01", L"您按下的键是：",
                                    L"在文本框或窗体上单击鼠标右键清空全部"};
    for (const std::int32_t language : {0, 1}) {
        SCOPED_TRACE(testing::Message() << "Language " << language);
        const std::wstring* texts = language == 0 ? chinese : english;
        Open(language);
        const HWND window = m_window.Handle();
        EXPECT_FALSE(::IsWindowEnabled(m_owner.Handle()));
        EXPECT_EQ(::GetFocus(), window) << "the window takes the keys itself";
        EXPECT_EQ(::GetWindowLongW(window, GWL_STYLE) & (WS_POPUP | WS_CAPTION), WS_POPUP) << "frameless";
        EXPECT_EQ(GetText(window), texts[0]);
        EXPECT_EQ(GetText(m_window.TitleBar().Handle()), texts[0]);
        EXPECT_EQ(GetText(m_window.Label3()), texts[1]);
        EXPECT_EQ(GetText(m_window.Label2(2)) + GetText(m_window.Label2(0)), L"KeyDownShift");

        const int left = (::GetSystemMetrics(SM_CXSCREEN) - scale.X(39 * w)) / 2;
        const int top = (::GetSystemMetrics(SM_CYSCREEN) - scale.Y(20 * h)) / 2;
        EXPECT_EQ(BoundsIn(window), (Rect{left, top, left + scale.X(39 * w), top + scale.Y(20 * h)}))
            << "centred";
        for (int i = 0; i < keyboard::kCellCount; ++i) {
            EXPECT_EQ(BoundsIn(m_window.Label1(i), window),
                      scale.Bounds(1020 + w + 7 * w * (i % 3), 1200 + h + 3 * h * (i / 3), 6 * w, 2 * h))
                << "cell " << i;
            const auto tip = reinterpret_cast<UINT_PTR>(m_window.Label1(i));
            EXPECT_EQ(test_support::TooltipText(m_window.Tooltip(), window, tip),
                      i >= keyboard::kFirstNumberCell ? texts[2] : L"")
                << "cell " << i;
        }

        // The title bar's close button closes it, the closing handler runs and the owner is back.
        const Rect& close = m_window.TitleBar().Plan().closeButton.target;
        test_support::Click(m_window.TitleBar().Handle(), {close.left + 9, close.top + 9});
        EXPECT_TRUE(PumpUntil([&] { return !m_window.IsOpen(); }));
        EXPECT_TRUE(::IsWindowEnabled(m_owner.Handle()));
    }
    EXPECT_EQ(m_closings, 2);
}

// Every key reaches the window: each row's keys would otherwise leave the row before on show, or the
// keys after F10 and Alt would go to a menu. Each key-down centres the window again.
TEST_F(KeyCodeTestWindowTest, EveryKeyTypedIsNamedWithItsNumbersAndCentresTheWindow) {
    Open();
    const Rect centred = BoundsIn(m_window.Handle());
    const struct {
        std::vector<WORD> keys;
        const wchar_t* shown;
    } rows[] = {
        {{'A'}, L"a|65|65|97|0|0"},
        {{VK_F10}, L"F10|121|121||0|0"},
        {{'A'}, L"a|65|65|97|0|0"},
        {{VK_MENU, 'X'}, L"Alt + X|88|18|120|4|0"},
        {{VK_SHIFT, VK_CONTROL, 'A'}, L"Ctrl + Shift + A|65|16|1|3|0"},
        {{VK_TAB}, L"Tab|9|9|9|0|0"},
        {{VK_ESCAPE}, L"Esc|27|27|27|0|0"},
        {{VK_MENU}, L"Alt|18|18||4|0"},
        {{VK_CONTROL, VK_F5}, L"F5|116|17||0|0"},
        // Windows reports only the release of Print Screen; Wine both, and the release decides.
        {{VK_SNAPSHOT}, L"Print Scrn SysRq||44|||0"},
    };
    for (const auto& row : rows) {
        ::SetWindowPos(m_window.Handle(), nullptr, 5, 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        Chord(row.keys);
        EXPECT_EQ(Shown(), row.shown) << "after key " << row.keys.back();
        EXPECT_EQ(BoundsIn(m_window.Handle()), centred);
    }
    Chord({VK_MENU, VK_F4});
    EXPECT_TRUE(PumpUntil([&] { return !m_window.IsOpen(); })) << "Alt+F4 closes";
    EXPECT_EQ(m_closings, 1);
    Open();
    EXPECT_EQ(Shown(), L"|||||") << "a new window starts empty";
}

TEST_F(KeyCodeTestWindowTest, ClicksEmptyTheNameAndTheNumbersAsTheTooltipSays) {
    Open();
    const auto middle = [](HWND control) {
        const Rect r = BoundsIn(control);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    };
    const Rect heading = BoundsIn(m_window.Label2(2));
    const POINT onHeading{heading.left + 2, heading.top + 2};  // over the empty cell 0
    const POINT surface{BoundsIn(m_window.Handle()).left + 12, BoundsIn(m_window.Handle()).bottom - 12};
    const struct {
        POINT at;
        DWORD down;
        const wchar_t* shown;
    } clicks[] = {
        {middle(m_window.Label1(4)), MOUSEEVENTF_LEFTDOWN, L"|67||3|2|0"},
        {middle(m_window.Label1(6)), MOUSEEVENTF_MIDDLEDOWN, L"|67|17|3||0"},
        {onHeading, MOUSEEVENTF_LEFTDOWN, L"|67|17|3|2|0"},
        {onHeading, MOUSEEVENTF_RIGHTDOWN, L"|||||"},
        {middle(m_window.Label4()), MOUSEEVENTF_LEFTDOWN, L"|||||"},  // the name lets it through
        {surface, MOUSEEVENTF_LEFTDOWN, L"|||||"},
    };
    for (const auto& click : clicks) {
        Chord({VK_CONTROL, 'C'});
        ASSERT_EQ(Shown(), L"Ctrl + C|67|17|3|2|0");
        ::SetCursorPos(click.at.x, click.at.y);
        // Each button's release flag follows its press flag.
        INPUT press[] = {test_support::MouseInput(click.down), test_support::MouseInput(click.down << 1)};
        ::SetForegroundWindow(m_window.Handle());
        ASSERT_EQ(::SendInput(2, press, sizeof(INPUT)), 2u);
        PumpPending();
        EXPECT_EQ(Shown(), click.shown) << "click " << &click - clicks;
    }
}

TEST_F(KeyCodeTestWindowTest, CellsAreFramedSunkenAndEveryHeadingShowsWhole) {
    Open();
    ::RedrawWindow(m_window.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpPending();
    const Colour inside = test_support::SystemColour(COLOR_WINDOW);
    for (int i = keyboard::kFirstNumberCell; i < keyboard::kCellCount; ++i) {
        const Rect c = BoundsIn(m_window.Label1(i));
        const int x = (c.left + c.right) / 2;
        const int y = (c.top + c.bottom) / 2;
        const std::pair<POINT, Colour> pixels[] = {{{x, c.top - 1}, keyboard::kFrameShadow},
                                                   {{c.right, y}, keyboard::kFrameLight},
                                                   {{c.left + 3, c.bottom - 3}, inside},
                                                   {{c.left - 3, y}, keyboard::kKeyCodeTestBackground}};
        for (const auto& [at, colour] : pixels) {
            EXPECT_EQ(ScreenPixel(at.x, at.y), colour)
                << "cell " << i << " at " << at.x - c.left << "," << at.y - c.top;
        }
    }
    // The first column of each heading's text lies at its left edge: no cell or heading covers it.
    // Smoothed text inks its edges in between colours: a pixel darker than any frame line counts as ink.
    for (int i = 0; i < 5; ++i) {
        const Rect r = BoundsIn(m_window.Label2(i));
        int first = r.right;
        for (int x = r.left; x < r.right && first == r.right; ++x) {
            for (int y = r.top; y < r.bottom && first == r.right; ++y) {
                first = ScreenPixel(x, y).Green() < keyboard::kFrameShadow.Green() - 32 ? x : first;
            }
        }
        EXPECT_LE(first - r.left, 2) << "Label2(" << i << ")";
    }
}

}  // namespace
}  // namespace orvell::win
