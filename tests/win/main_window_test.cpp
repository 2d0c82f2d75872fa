// The main window driven in-process: real controls, menus, registry values under a test key.
#include "app/main_window.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_menu.h"
#include "app/registry_store.h"
#include "app/run_keys.h"
#include "app/tray_icon.h"
#include "lookup/ascii_lists.h"
#include "lookup/messages.h"
#include "platform/dpi.h"
#include "platform/text_file.h"
#include "platform/window.h"
#include "test_registry_key.h"
#include "text/utf8.h"

namespace orvell::win {
namespace {

using Control = MainWindow::Control;
using lookup::Language;
using lookup::SearchMode;
using lookup::TableKind;
using test_support::TestKey;

constexpr wchar_t kQuotedExe[] = L"\"C:\\Program Files\\Orvell\\orvell.exe\"";

std::string Utf8(const std::wstring& text) {
    return text::EncodeUtf8(text);
}

// The shell's tray calls, answered at once: under Wine each real removal waits seconds for a tray
// that Xvfb does not have. The tray icon's own suite talks to the real shell.
std::vector<DWORD> g_trayCalls;
BOOL WINAPI RecordTrayCall(DWORD message, PNOTIFYICONDATAW) {
    g_trayCalls.push_back(message);
    return TRUE;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { g_trayCalls.clear(); }
    void TearDown() override { m_window.reset(); }

    MainWindow& Start() {
        m_window = std::make_unique<MainWindow>(MainWindowServices{
            m_settings, m_runKeys, m_files, L"C:\\Program Files\\Orvell\\orvell.exe",
            [this](HWND, const std::wstring& text) { m_messages.push_back(text); }, &RecordTrayCall});
        EXPECT_TRUE(m_window->Open());
        return *m_window;
    }

    std::wstring Text(Control control) const { return GetText(m_window->Child(control)); }
    bool Visible(Control control) const { return ::IsWindowVisible(m_window->Child(control)) != FALSE; }
    bool Shown() const { return ::IsWindowVisible(m_window->Handle()) != FALSE; }
    // Pressed and released over the control, as the user clicks it.
    void Click(Control control) {
        ::SendMessageW(m_window->Child(control), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
        ::SendMessageW(m_window->Child(control), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    }
    void Type(const std::wstring& text) { SetText(m_window->Child(Control::Text1), text); }
    void Search(const std::wstring& input) {
        Type(input);
        Click(Control::Command1);
    }
    void Command(UINT id) { m_window->OnCommand(id); }
    LRESULT InputLimit() const {
        return ::SendMessageW(m_window->Child(Control::Text1), EM_GETLIMITTEXT, 0, 0);
    }
    RECT Bounds(Control control) const {
        RECT rect{};
        ::GetWindowRect(m_window->Child(control), &rect);
        ::MapWindowPoints(nullptr, m_window->Handle(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    TestKey m_settingsKey{L"MainWindowSettings"};
    TestKey m_machineRun{L"MainWindowMachineRun"};
    TestKey m_userRun{L"MainWindowUserRun"};
    RegistrySettingsStore m_settings{HKEY_CURRENT_USER, m_settingsKey.Path()};
    RegistryRunKeys m_runKeys{HKEY_CURRENT_USER, m_machineRun.Path(), HKEY_CURRENT_USER, m_userRun.Path()};
    ExeFolderTextFiles m_files;
    std::vector<std::wstring> m_messages;
    std::unique_ptr<MainWindow> m_window;
};

TEST_F(MainWindowTest, FirstStartWithoutSettings) {
    MainWindow& window = Start();
    EXPECT_EQ(m_settingsKey.Dword(L"HotKey"), 123);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(Utf8(Text(Control::Label3)), "No");
    EXPECT_EQ(Utf8(GetText(window.Handle())), Utf8(L"Orvell V1.00 - ASCⅡ码查询工具"));
    EXPECT_EQ(Utf8(window.Menus().BarCaption(0)), Utf8(L"文件(&F) "));
    EXPECT_TRUE(window.Menus().IsChecked(menu_id::kThousand));
    EXPECT_TRUE(window.Menus().IsChecked(menu_id::kChinese));
    EXPECT_EQ(Text(Control::Text2),
              lookup::LanguageSwitchTip(Language::Chinese, SearchMode::Search, TableKind::Short));
    EXPECT_FALSE(Visible(Control::Text3) || Visible(Control::Text4));
    EXPECT_TRUE(window.Tray().IsShown());
    EXPECT_FALSE(window.Menus().RunAtStartup() || m_machineRun.Has(L"Orvell"));
    // The hotkey settings are applied from the first tick on.
    window.OnTimer();
    EXPECT_EQ(m_settingsKey.Dword(L"Check"), 0);
}

TEST_F(MainWindowTest, StartWithWindowsBeginsHiddenInTheTray) {
    m_settings.Write(L"SoftwareRun", 1);
    m_settings.Write(L"Language", 1);
    MainWindow& window = Start();
    EXPECT_FALSE(Shown());
    EXPECT_EQ(Utf8(Text(Control::Label3)), "Yes");
    EXPECT_TRUE(window.Tray().IsShown());
    EXPECT_EQ(Utf8(window.Tray().Tip()), "Orvell(Double click to open)");
    EXPECT_TRUE(window.Menus().RunAtStartup());
    EXPECT_TRUE(window.Menus().IsChecked(menu_id::kOther0));
    EXPECT_EQ(m_machineRun.String(L"Orvell"), kQuotedExe);

    // Showing it from the tray icon marks it shown, so the next hotkey press hides it again.
    window.ShowFromTrayIcon();
    EXPECT_TRUE(Shown());
    EXPECT_EQ(Utf8(Text(Control::Label3)), "No");
    window.OnHotkeyPressed();
    EXPECT_FALSE(Shown());
}

TEST_F(MainWindowTest, LookupsThroughTheControls) {
    Start();
    Search(L"A");
    EXPECT_EQ(Utf8(Text(Control::Text2)), Utf8(L"\r\n\r\n\r\n字符 A 对应的ASCⅡ值为：65"));
    EXPECT_EQ(Utf8(Text(Control::Text1)), "");
    EXPECT_EQ(Utf8(Text(Control::Frame3)), Utf8(L"查询结果："));

    // The value mode, by clicking its option: tips, and room for three digits.
    Click(Control::Option2_1);
    EXPECT_EQ(Utf8(Text(Control::Command1)), Utf8(L"反查(&S)"));
    EXPECT_EQ(InputLimit(), 3);

    // "800×600": the table layout, left-aligned.
    Command(menu_id::kEight);
    EXPECT_EQ(m_settingsKey.Dword(L"Screen"), 1);
    Search(L"65");
    EXPECT_NE(Text(Control::Text2).find(L"│   65     │     A    │ "), std::wstring::npos)
        << Utf8(Text(Control::Text2));
    EXPECT_EQ(::GetWindowLongW(m_window->Child(Control::Text2), GWL_STYLE) & ES_CENTER, 0);

    // Type "C" takes up to 8 characters for a character search.
    Click(Control::Option2_0);
    Click(Control::Option1_2);
    EXPECT_EQ(InputLimit(), 8);
}

TEST_F(MainWindowTest, KeysAndClicksInTheInputBox) {
    MainWindow& window = Start();
    HWND text1 = window.Child(Control::Text1);
    ::SendMessageW(text1, WM_CHAR, L' ', 1);
    EXPECT_EQ(Utf8(Text(Control::Text2)), Utf8(L"\r\n\r\n\r\n空格(Space)键 对应的ASCⅡ值为：32"));
    EXPECT_EQ(Utf8(Text(Control::Text1)), " ") << "the key still reaches the box";

    ::SendMessageW(text1, WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(Utf8(Text(Control::Text1)), "");

    Type(L"x");
    ::SendMessageW(text1, WM_CHAR, VK_RETURN, 1);
    EXPECT_EQ(Utf8(Text(Control::Text1)), "");
    EXPECT_EQ(Utf8(Text(Control::Text2)), Utf8(L"\r\n\r\n\r\n回车(Enter)键 对应的ASCⅡ值为：13"));

    Type(L"y");
    ::SendMessageW(text1, WM_RBUTTONDOWN, MK_RBUTTON, 0);
    EXPECT_EQ(Utf8(Text(Control::Text1)), "");
}

TEST_F(MainWindowTest, ListCommandsShowTheListBoxes) {
    Start();
    Command(menu_id::kC);
    EXPECT_TRUE(Visible(Control::Text4));
    EXPECT_FALSE(Visible(Control::Text2) || Visible(Control::Text3));
    EXPECT_EQ(Text(Control::Text4), lookup::FullAsciiList());

    Click(Control::Command2);
    EXPECT_TRUE(Visible(Control::Text4));
    EXPECT_EQ(Utf8(Text(Control::Frame3)), Utf8(L"ASCⅡ表："));

    Command(menu_id::kVB);
    EXPECT_TRUE(Visible(Control::Text2)) << "Visual Basic was not selected: its tips replace the list";
    Command(menu_id::kDelphi);
    EXPECT_TRUE(Visible(Control::Text3));
    EXPECT_FALSE(Visible(Control::Text2) || Visible(Control::Text4));

    // Any lookup brings the output box back.
    Search(L"");
    EXPECT_TRUE(Visible(Control::Text2));
    EXPECT_FALSE(Visible(Control::Text3));
}

TEST_F(MainWindowTest, LanguageSwitchesCaptionsGeometryAndTips) {
    MainWindow& window = Start();
    const TwipsScale scale = TwipsScale::ForScreen();
    const auto width = [&](Control control) { return Bounds(control).right - Bounds(control).left; };
    Click(Control::Option2_1);
    Command(menu_id::kEnglish);
    EXPECT_EQ(m_settingsKey.Dword(L"Language"), 1);
    EXPECT_TRUE(window.Menus().IsChecked(menu_id::kEnglish) && window.Menus().IsChecked(menu_id::kLanguage1));
    EXPECT_EQ(Utf8(Text(Control::Command1)), "Contract");
    EXPECT_EQ(width(Control::Command1), scale.X(1200));
    EXPECT_EQ(Utf8(Text(Control::Frame1)), "Search type:");
    EXPECT_EQ(Utf8(window.Menus().BarCaption(1)), "&Setting ");
    EXPECT_EQ(Utf8(GetText(window.Handle())), "Orvell V1.00 - ASCII Lookup");
    EXPECT_EQ(Text(Control::Text2),
              lookup::LanguageSwitchTip(Language::English, SearchMode::ReverseSearch, TableKind::Short));
    EXPECT_EQ(width(Control::Option2_1), scale.X(1300));
    EXPECT_EQ(Utf8(window.XpButton(Control::Command2)->Button().Properties().caption), "ASCII Table");
    EXPECT_EQ(Utf8(window.XpButton(Control::Command3)->Button().Properties().caption), "Hide");
    EXPECT_EQ(width(Control::Command2), scale.X(1360));

    // Back to Chinese: Option2(1) keeps the English width; the tray tip names the product.
    Command(menu_id::kLanguage0);
    EXPECT_EQ(m_settingsKey.Dword(L"Language"), 0);
    EXPECT_EQ(Utf8(Text(Control::Command1)), Utf8(L"反查(&S)"));
    EXPECT_EQ(Utf8(Text(Control::Label1)), Utf8(L"您要查询的是："));
    EXPECT_EQ(width(Control::Option2_1), scale.X(1300));
    EXPECT_EQ(Utf8(window.Tray().Tip()), "Orvell");
    EXPECT_EQ(Utf8(window.Menus().Caption(menu_id::kHideKeySetting0)), Utf8(L"隐藏快捷键(&H)"));
    EXPECT_EQ(Utf8(window.XpButton(Control::Command2)->Button().Properties().caption), Utf8(L"ASCⅡ表"));
}

TEST_F(MainWindowTest, HotkeyHideButtonAndTrayMenuToggleTheWindow) {
    MainWindow& window = Start();
    window.OnHotkeyPressed();
    EXPECT_FALSE(Shown());
    EXPECT_EQ(Utf8(Text(Control::Label3)), "Yes");
    window.OnHotkeyPressed();
    EXPECT_TRUE(Shown());
    EXPECT_EQ(Utf8(Text(Control::Label3)), "No");

    Click(Control::Command3);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(Utf8(Text(Control::Label3)), "Yes");

    // The shortcut menu's list items show the window too.
    Command(menu_id::kAscII2);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(Utf8(Text(Control::Label3)), "No");
    EXPECT_TRUE(Visible(Control::Text4));
    EXPECT_EQ(Utf8(Text(Control::Frame3)), Utf8(L"ASCⅡ List："));
}

TEST_F(MainWindowTest, RunAtStartupOnAndOff) {
    MainWindow& window = Start();
    Command(menu_id::kRun);
    EXPECT_TRUE(window.Menus().RunAtStartup());
    EXPECT_TRUE(window.Menus().IsChecked(menu_id::kOther0));
    EXPECT_EQ(m_settingsKey.Dword(L"SoftwareRun"), 1);
    EXPECT_EQ(m_machineRun.String(L"Orvell"), kQuotedExe);
    Command(menu_id::kOther0);
    EXPECT_FALSE(window.Menus().RunAtStartup());
    EXPECT_FALSE(m_settingsKey.Has(L"SoftwareRun"));
    EXPECT_FALSE(m_machineRun.Has(L"Orvell"));
    EXPECT_FALSE(m_userRun.Has(L"Orvell"));
    EXPECT_TRUE(m_messages.empty());
}

// Neither Run key can be written (a user without rights, a locked-down profile): the option stays
// off and says so, and no setting claims otherwise.
TEST_F(MainWindowTest, RunAtStartupThatCannotBeWrittenStaysOffWithAMessage) {
    MainWindow& window = Start();
    test_support::ReadOnlyKey lockedMachine(m_machineRun);
    test_support::ReadOnlyKey lockedUser(m_userRun);
    ASSERT_TRUE(lockedMachine.Locked() && lockedUser.Locked());
    Command(menu_id::kRun);
    EXPECT_FALSE(window.Menus().RunAtStartup());
    EXPECT_FALSE(m_settingsKey.Has(L"SoftwareRun"));
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_NE(m_messages[0].find(L"开机自运行"), std::wstring::npos);
}

TEST_F(MainWindowTest, DoubleClickCopiesTheOutputToTheClipboard) {
    MainWindow& window = Start();
    Search(L"~");
    ::SendMessageW(window.Child(Control::Text2), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_TRUE(::OpenClipboard(window.Handle()));
    HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(data, nullptr);
    const std::wstring copied = static_cast<const wchar_t*>(::GlobalLock(data));
    ::GlobalUnlock(data);
    ::CloseClipboard();
    EXPECT_EQ(copied, Text(Control::Text2));
    EXPECT_NE(copied.find(L"126"), std::wstring::npos);
}

// The shortcut menu opens on the places the window offers it and nowhere else. The menu's modal loop
// is ended from a timer that notes whether a menu window was up.
bool g_menuSeen = false;
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
    HWND menu = ::FindWindowW(L"#32768", nullptr);
    g_menuSeen = g_menuSeen || (menu && ::IsWindowVisible(menu));
    ::EndMenu();
    ::KillTimer(nullptr, id);
}

bool OpensShortcutMenu(HWND target, POINT client) {
    g_menuSeen = false;
    ::SetTimer(nullptr, 0, 50, &CloseMenu);
    ::SendMessageW(target, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(client.x, client.y));
    MSG message{};
    while (::PeekMessageW(&message, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) {
        ::DispatchMessageW(&message);
    }
    return g_menuSeen;
}

TEST_F(MainWindowTest, RightClickOpensTheShortcutMenuOnlyWhereOffered) {
    MainWindow& window = Start();
    ::SetForegroundWindow(window.Handle());
    EXPECT_TRUE(OpensShortcutMenu(window.Child(Control::Option1_1), {5, 5}));
    EXPECT_TRUE(OpensShortcutMenu(window.Handle(), {3, 3}));  // the bare window
    const RECT frame1 = Bounds(Control::Frame1);
    EXPECT_TRUE(OpensShortcutMenu(window.Handle(), {frame1.left + 2, frame1.top + 20}));
    const RECT frame3 = Bounds(Control::Frame3);
    EXPECT_FALSE(OpensShortcutMenu(window.Handle(), {frame3.left + 2, frame3.top + 20}));
    EXPECT_FALSE(OpensShortcutMenu(window.Child(Control::Text1), {2, 2}));
}

// Keys as the message loop sees them, before the focused box: the menu shortcuts win over the input
// box's own Ctrl+C and Ctrl+V, and Alt+S clicks the search button rather than opening a menu.
TEST_F(MainWindowTest, ShortcutsAndAccessKeysComeBeforeTheInputBox) {
    MainWindow& window = Start();
    HWND text1 = window.Child(Control::Text1);
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    MSG control{text1, WM_KEYDOWN, 'C', 0x002E0001, 0, {}};
    EXPECT_TRUE(window.PreTranslate(control));
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    EXPECT_TRUE(Visible(Control::Text4)) << "Ctrl+C is the C list here";
    EXPECT_EQ(window.View().type, lookup::SearchType::C);

    Type(L"A");
    MSG alt{text1, WM_SYSKEYDOWN, 'S', 0x201F0001, 0, {}};
    EXPECT_TRUE(window.PreTranslate(alt));
    EXPECT_EQ(Utf8(Text(Control::Text2)), Utf8(L"\r\n\r\n\r\n字符 A 对应的ASCⅡ值为：065"));
    MSG other{text1, WM_SYSKEYDOWN, 'Q', 0x20100001, 0, {}};
    EXPECT_FALSE(window.PreTranslate(other));
    // The hide button's access key.
    MSG hide{text1, WM_SYSKEYDOWN, 'Y', 0x20150001, 0, {}};
    EXPECT_TRUE(window.PreTranslate(hide));
    EXPECT_FALSE(Shown());
    EXPECT_EQ(Utf8(Text(Control::Label3)), "Yes");
}

TEST_F(MainWindowTest, ExitClosesTheWindowAndRemovesTheTrayIcon) {
    MainWindow& window = Start();
    HWND handle = window.Handle();
    ASSERT_FALSE(g_trayCalls.empty());
    EXPECT_EQ(g_trayCalls.front(), static_cast<DWORD>(NIM_ADD));
    Command(menu_id::kExit);
    EXPECT_FALSE(::IsWindow(handle));
    EXPECT_EQ(g_trayCalls.back(), static_cast<DWORD>(NIM_DELETE));
}

}  // namespace
}  // namespace orvell::win
