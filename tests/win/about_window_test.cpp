// The About window opened for real: its texts, pictures and places in each language, and the address
// as a link: the pointer, the colour, the new e-mail through the shell, the message without a mail
// program.
#include "windows/about_window.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/dpi.h"
#include "platform/text_file.h"
#include "test_window.h"

namespace orvell::win {
namespace {

using Control = AboutWindow::Control;
using test_support::PumpPending;

// What the window asked the shell to open (owner|verb|file|parameters|folder|show); the shell's answer.
std::vector<std::wstring> g_shellCalls;
INT_PTR g_shellAnswer = 42;
HINSTANCE WINAPI RecordShellExecute(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                    LPCWSTR folder, INT show) {
    g_shellCalls.push_back(std::to_wstring(reinterpret_cast<INT_PTR>(owner)) + L"|" + verb + L"|" + file +
                           L"|" + parameters + L"|" + folder + L"|" + std::to_wstring(show));
    return reinterpret_cast<HINSTANCE>(g_shellAnswer);
}

class AboutWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_owner.Open());
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

    app::MemorySettingsStore m_settings;
    test_support::HostWindow m_owner;
    AboutWindow m_window;
    std::vector<std::wstring> m_boxes;
};

// "Language" 5 is English as 1 is. The address's place follows the font (its own suite).
TEST_F(AboutWindowTest, TextsPicturesAndPlacesFollowTheStoredLanguage) {
    const TwipsScale scale = TwipsScale::ForScreen();
    for (const std::int32_t language : {0, 1, 5}) {
        SCOPED_TRACE(testing::Message() << "Language " << language);
        const help::Language expected = language == 0 ? help::Language::Chinese : help::Language::English;
        const help::AboutTexts texts = help::AboutTextsFor(expected);
        const help::AboutLayout layout = help::AboutLayoutFor(expected);
        Open(language);
        wchar_t name[32] = {};
        ::GetClassNameW(m_window.Handle(), name, 32);
        EXPECT_EQ(std::wstring(name) + L"|" + GetText(m_window.Handle()) + L"|" +
                      GetText(m_window.TitleBar().Handle()) + L"|" + GetText(Child(Control::Label4)),
                  L"OrvellAbout|" + std::wstring(texts.caption) + L"|" + std::wstring(texts.barCaption) +
                      L"|orvell@example.org");
        const std::tuple<Control, std::wstring, Rect> rows[] = {
            {Control::Label1, std::wstring(texts.label1), layout.label1},
            {Control::Label2, std::wstring(texts.label2), layout.label2},
            {Control::Label3, texts.label3, layout.label3},
            {Control::Command1, std::wstring(texts.exit), layout.command1},
            {Control::Image1, L"", layout.image1},
            {Control::Image2, L"", layout.image2}};
        for (const auto& [control, text, box] : rows) {
            EXPECT_EQ(GetText(Child(control)), text) << "control " << static_cast<int>(control);
            EXPECT_EQ(test_support::BoundsIn(Child(control), m_window.Handle()),
                      scale.Bounds(box.left, box.top, box.Width(), box.Height()))
                << "control " << static_cast<int>(control);
        }
        EXPECT_NE(::SendMessageW(Child(Control::Image2), STM_GETIMAGE, IMAGE_BITMAP, 0), 0) << "a picture";
        m_window.Close();
    }
}

TEST_F(AboutWindowTest, TheAddressIsALinkThatOpensANewMail) {
    Open(0);
    const HWND link = Child(Control::Label4);
    const auto colour = [&] {
        const ClientDc dc(link);
        ::SendMessageW(m_window.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()),
                       reinterpret_cast<LPARAM>(link));
        return ::GetTextColor(dc.Get());
    };
    EXPECT_EQ(colour(), RGB(0, 0, 0));
    EXPECT_TRUE(::SendMessageW(m_window.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(link),
                               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_HAND));
    ::SendMessageW(m_window.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(m_window.Handle()),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(colour(), RGB(0, 0, 255)) << "blue once the pointer has been over it";

    // Clicked, then Tab to it and Enter; then clicked with no mail program (the shell's "no
    // association"): the address in a message box to copy, the window as it was.
    const auto click = [&] { test_support::Click(link, {3, 3}); };
    const std::tuple<std::function<void()>, INT_PTR, std::size_t> rows[] = {
        {click, 42, 0},
        {[] {
             test_support::SendChord({VK_TAB});
             PumpPending();
             test_support::SendChord({VK_RETURN});
         },
         42, 0},
        {click, SE_ERR_NOASSOC, 1}};
    const std::wstring call = std::to_wstring(reinterpret_cast<INT_PTR>(m_window.Handle())) +
                              L"|open|mailto:orvell@example.org||" + ExeFolder() + L"|" +
                              std::to_wstring(SW_SHOWNORMAL);
    for (const auto& [act, answer, boxes] : rows) {
        g_shellAnswer = answer;
        act();
        PumpPending();
        EXPECT_EQ(g_shellCalls, std::vector<std::wstring>(g_shellCalls.size(), call));
        EXPECT_EQ(m_boxes.size(), boxes);
    }
    EXPECT_EQ(g_shellCalls.size(), 3u);
    EXPECT_EQ(m_boxes.back(), L"注意|" + help::NoMailMessageFor(help::Language::Chinese).text);
    EXPECT_TRUE(m_window.IsOpen());
}

}  // namespace
}  // namespace orvell::win
