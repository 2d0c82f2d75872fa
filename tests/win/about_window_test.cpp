// The About window opened for real: its texts, pictures and places in each language, the address as
// a link (pointer, colour, the new e-mail through the shell, the message when there is no mail
// program) and the ways out.
#include "windows/about_window.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/dpi.h"
#include "platform/gdi.h"
#include "platform/text_file.h"
#include "skin/title_bar_layout.h"
#include "test_window.h"

namespace orvell::win {
namespace {

using Control = AboutWindow::Control;
using test_support::PumpPending;
using test_support::PumpUntil;

// What the window asked the shell to open, and what the shell answers.
struct ShellCall {
    HWND owner;
    std::wstring verb, file, parameters, folder;
    INT show;
};
std::vector<ShellCall> g_shellCalls;
INT_PTR g_shellAnswer = 42;
HINSTANCE WINAPI RecordShellExecute(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                    LPCWSTR folder, INT show) {
    g_shellCalls.push_back({owner, verb, file, parameters, folder, show});
    return reinterpret_cast<HINSTANCE>(g_shellAnswer);
}

Rect Bounds(HWND window, HWND in) {
    RECT r{};
    ::GetWindowRect(window, &r);
    ::MapWindowPoints(HWND_DESKTOP, in, reinterpret_cast<POINT*>(&r), 2);
    return Rect{r.left, r.top, r.right, r.bottom};
}

// The credits' line height and last line as this screen draws them: the Chinese address follows them.
help::CreditsMeasure MeasuredCredits(help::Language language) {
    const unique_hfont font = MakeFont(controls::SongTi(9));
    const ClientDc screen(nullptr);
    const SelectGuard selected(screen.Get(), font.Get());
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(screen.Get(), &metrics);
    const std::wstring line = help::CreditsLastLine(language);
    SIZE extent{};
    ::GetTextExtentPoint32W(screen.Get(), line.c_str(), static_cast<int>(line.size()), &extent);
    const Dpi dpi = ScreenDpi();
    return {skin::PixelsToTwips(metrics.tmHeight, dpi.y), skin::PixelsToTwips(extent.cx, dpi.x)};
}

class AboutWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_shellCalls.clear();
        g_shellAnswer = 42;
        ASSERT_TRUE(m_owner.Open());
        m_window.SetOnClosed([this] { ++m_closings; });
        m_window.SetShellExecute(&RecordShellExecute);
        m_window.SetMessageBox([this](HWND, const std::wstring& text, const std::wstring& title, UINT) {
            m_boxes.push_back(title + L"|" + text);
            return IDOK;
        });
    }
    void Open(std::int32_t language) {
        m_settings.values[L"Language"] = language;
        ASSERT_TRUE(m_window.Open(m_owner.Handle(), m_settings));
        ::SetForegroundWindow(m_window.Handle());
        PumpPending();
    }
    HWND Child(Control control) const { return m_window.Child(control); }
    // The text colour the window gives a label to paint with.
    COLORREF TextColour(Control control) const {
        const ClientDc dc(Child(control));
        ::SendMessageW(m_window.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()),
                       reinterpret_cast<LPARAM>(Child(control)));
        return ::GetTextColor(dc.Get());
    }
    void Chord(const std::vector<WORD>& keys) {
        ASSERT_TRUE(test_support::SendChord(keys));
        PumpPending();
    }

    app::MemorySettingsStore m_settings;
    test_support::HostWindow m_owner;
    AboutWindow m_window;
    std::vector<std::wstring> m_boxes;
    int m_closings = 0;
};

// "Language" 5 is English as 1 is.
TEST_F(AboutWindowTest, TextsPicturesAndPlacesFollowTheStoredLanguage) {
    const TwipsScale scale = TwipsScale::ForScreen();
    const auto pixels = [&](const Rect& r) { return scale.Bounds(r.left, r.top, r.Width(), r.Height()); };
    for (const std::int32_t language : {0, 1, 5}) {
        SCOPED_TRACE(testing::Message() << "Language " << language);
        const help::Language expected = language == 0 ? help::Language::Chinese : help::Language::English;
        const help::AboutTexts texts = help::AboutTextsFor(expected);
        const help::AboutLayout layout = help::AboutLayoutFor(expected, MeasuredCredits(expected));
        Open(language);
        const HWND window = m_window.Handle();
        wchar_t name[32] = {};
        ::GetClassNameW(window, name, 32);
        EXPECT_EQ(std::wstring(name), L"OrvellAbout");
        EXPECT_FALSE(::IsWindowEnabled(m_owner.Handle())) << "modal";
        EXPECT_EQ(::GetFocus(), Child(Control::Command1));
        EXPECT_EQ(GetText(window), texts.caption);
        EXPECT_EQ(GetText(m_window.BForm1().Handle()), texts.barCaption);
        const struct {
            Control control;
            std::wstring text;
            Rect box;
        } rows[] = {
            {Control::Label1, std::wstring(texts.label1), layout.label1},
            {Control::Label2, std::wstring(texts.label2), layout.label2},
            {Control::Label3, texts.label3, layout.label3},
            {Control::Label4, L"orvell@example.org", layout.label4},
            {Control::Command1, std::wstring(texts.exit), layout.command1},
            {Control::Image1, L"", layout.image1},
            {Control::Image2, L"", layout.image2},
        };
        for (const auto& row : rows) {
            EXPECT_EQ(GetText(Child(row.control)), row.text) << "control " << static_cast<int>(row.control);
            EXPECT_EQ(Bounds(Child(row.control), window), pixels(row.box))
                << "control " << static_cast<int>(row.control);
        }
        for (const Control image : {Control::Image1, Control::Image2}) {
            EXPECT_NE(::SendMessageW(Child(image), STM_GETIMAGE, IMAGE_BITMAP, 0), 0) << "a picture";
        }
        m_window.Close();
        PumpPending();
    }
    EXPECT_EQ(m_closings, 3);
}

TEST_F(AboutWindowTest, TheAddressIsALinkThatOpensANewMail) {
    Open(0);
    const HWND link = Child(Control::Label4);
    EXPECT_EQ(TextColour(Control::Label4), RGB(0, 0, 0));
    // The pointer over the address: the hand, and blue from then on.
    EXPECT_TRUE(::SendMessageW(m_window.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(link),
                               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_HAND));
    ::SendMessageW(m_window.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(m_window.Handle()),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(TextColour(Control::Label4), RGB(0, 0, 255)) << "stays blue";

    const std::wstring folder = ExeFolder();
    const auto click = [&] {
        ::SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        ::SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        PumpPending();
    };
    // A mail program opens the message; without one (the shell's "no association") the address is
    // shown to be copied, and the window stays as it was.
    const struct {
        std::function<void()> act;
        INT_PTR answer;
        std::size_t boxes;
    } rows[] = {
        {click, 42, 0},
        {[&] {
             Chord({VK_TAB});
             ASSERT_EQ(::GetFocus(), link) << "Tab reaches the link";
             Chord({VK_RETURN});
         },
         42, 0},
        {click, SE_ERR_NOASSOC, 1},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        g_shellAnswer = rows[i].answer;
        rows[i].act();
        ASSERT_EQ(g_shellCalls.size(), i + 1) << "row " << i;
        const ShellCall& call = g_shellCalls.back();
        EXPECT_EQ(call.owner, m_window.Handle());
        EXPECT_EQ(call.verb, L"open");
        EXPECT_EQ(call.file, L"mailto:orvell@example.org");
        EXPECT_EQ(call.parameters, L"");
        EXPECT_EQ(call.folder, folder);
        EXPECT_EQ(call.show, SW_SHOWNORMAL);
        EXPECT_EQ(m_boxes.size(), rows[i].boxes) << "row " << i;
    }
    EXPECT_EQ(m_boxes.back(), L"注意|" + help::NoMailMessageFor(help::Language::Chinese).text);
    EXPECT_TRUE(m_window.IsOpen());
}

TEST_F(AboutWindowTest, EveryWayOutClosesItAndGivesTheOwnerBack) {
    const std::function<void()> ways[] = {
        [this] { ::SendMessageW(Child(Control::Command1), BM_CLICK, 0, 0); },
        [this] {
            const Rect& close = m_window.BForm1().Plan().closeButton.target;
            const LPARAM at = MAKELPARAM(close.left + 9, close.top + 9);
            ::SendMessageW(m_window.BForm1().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
            ::SendMessageW(m_window.BForm1().Handle(), WM_LBUTTONUP, 0, at);
        },
        [this] { Chord({VK_ESCAPE}); },
        [this] {
            Chord({VK_MENU, 'E'});
        },
    };
    for (std::size_t i = 0; i < std::size(ways); ++i) {
        Open(static_cast<std::int32_t>(i % 2));
        ways[i]();
        EXPECT_TRUE(PumpUntil([&] { return !m_window.IsOpen(); })) << "way " << i;
        EXPECT_EQ(m_closings, static_cast<int>(i) + 1);
        EXPECT_TRUE(::IsWindowEnabled(m_owner.Handle())) << "way " << i;
    }
}

}  // namespace
}  // namespace orvell::win
