// The main window driven in-process by messages: real controls, menus, timer, hotkey and tray clicks,
// registry values under a test key. What the lookup shows is its own suite's; here one check per path
// from a control or command to the lookup and back.
#include "app/main_window.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_layout.h"
#include "app/registry_store.h"
#include "app/run_keys.h"
#include "lookup/code_literals.h"
#include "lookup/messages.h"
#include "lookup/result_texts.h"
#include "platform/text_file.h"
#include "test_registry_key.h"
#include "test_window.h"
#include "text/utf8.h"

namespace orvell::win {
namespace {

using Control = MainWindow::Control;
using lookup::Language;
using lookup::SearchMode;
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

    HWND Child(Control control) const { return m_window->Child(control); }
    std::string Text(Control control) const { return Utf8(GetText(Child(control))); }
    bool Visible(Control control) const { return ::IsWindowVisible(Child(control)) != FALSE; }
    bool Shown() const { return ::IsWindowVisible(m_window->Handle()) != FALSE; }
    // Pressed and released over the control, as the user clicks it.
    void Click(Control control) { test_support::Click(Child(control), {4, 4}); }
    void Search(const std::wstring& input) {
        SetText(Child(Control::Text1), input);
        Click(Control::Command1);
    }
    void Command(UINT id) { ::SendMessageW(m_window->Handle(), WM_COMMAND, id, 0); }
    // The hotkey as the system reports it, once the timer has registered it.
    void PressHotkey() {
        ASSERT_TRUE(test_support::PumpUntil([&] { return m_window->Hotkey().IsRegistered(); }));
        ::SendMessageW(m_window->Hotkey().Handle(), WM_HOTKEY, HotkeyWatch::kHotkeyId, MAKELPARAM(0, VK_F12));
    }
    Rect Bounds(Control control) const { return test_support::BoundsIn(Child(control), m_window->Handle()); }
    // Every control where the layout puts it after these language switches (each with its mode).
    void ExpectPlacedAfter(std::initializer_list<std::pair<Language, SearchMode>> arrangements) const {
        app::MainLayout layout;
        for (const auto& [language, mode] : arrangements) {
            layout.Arrange(language, mode);
        }
        const TwipsScale scale = TwipsScale::ForScreen();
        for (std::size_t i = 0; i < app::kMainControlCount; ++i) {
            const app::TwipsBox box = layout.Bounds(static_cast<Control>(i));
            EXPECT_EQ(Bounds(static_cast<Control>(i)), scale.Bounds(box.left, box.top, box.width, box.height))
                << "control " << i;
        }
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

TEST_F(MainWindowTest, FirstStartShowsTheChineseWindowAndTheHotkeyTogglesIt) {
    MainWindow& window = Start();
    EXPECT_EQ(m_settingsKey.Dword(L"HotKey"), 123);
    EXPECT_TRUE(Shown() && window.Tray().IsShown());
    EXPECT_EQ(Text(Control::Label3), "No");
    EXPECT_EQ(Utf8(window.Tray().Tip()), "Orvell");
    EXPECT_TRUE(window.Menus().IsChecked(menu_id::kThousand) && window.Menus().IsChecked(menu_id::kChinese));
    EXPECT_FALSE(window.Menus().RunAtStartup() || m_machineRun.Has(L"Orvell"));
    RECT client{};
    ::GetClientRect(window.Handle(), &client);
    const TwipsScale scale = TwipsScale::ForScreen();
    EXPECT_EQ(client.right, scale.X(app::kMainClientWidth));
    EXPECT_EQ(client.bottom, scale.Y(app::kMainClientHeight)) << "the menu bar is not in the client area";
    // A region of the window's whole size, also after a change of size (as a change of DPI makes), so a
    // system that leaves the frame to the window shows all of the drawn one.
    for (const bool resized : {false, true}) {
        ::SetWindowPos(window.Handle(), nullptr, 0, 0, 500, 450,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | (resized ? 0 : SWP_NOSIZE));
        RECT frame{};
        RECT region{};
        ::GetWindowRect(window.Handle(), &frame);
        ::OffsetRect(&frame, -frame.left, -frame.top);
        EXPECT_TRUE(::GetWindowRgnBox(window.Handle(), &region) != ERROR && ::EqualRect(&region, &frame));
    }

    // The timer applies the stored hotkey; F12 then hides the window and brings it back.
    PressHotkey();
    EXPECT_EQ(m_settingsKey.Dword(L"Check"), 0);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(Text(Control::Label3), "Yes");
    PressHotkey();
    EXPECT_TRUE(Shown());
    EXPECT_EQ(Text(Control::Label3), "No");
}

TEST_F(MainWindowTest, StartWithWindowsBeginsHiddenInTheTray) {
    m_settings.Write(L"SoftwareRun", 1);
    m_settings.Write(L"Language", 1);
    MainWindow& window = Start();
    EXPECT_FALSE(Shown());
    EXPECT_EQ(Text(Control::Label3), "Yes");
    EXPECT_EQ(Utf8(window.Tray().Tip()), "Orvell(Double click to open)");
    EXPECT_TRUE(window.Menus().RunAtStartup() && window.Menus().IsChecked(menu_id::kOther0));
    EXPECT_EQ(m_machineRun.String(L"Orvell"), kQuotedExe);

    // Showing it from the tray icon marks it shown, so the next hotkey press hides it again; so do the
    // shortcut menu's list items after the hide button.
    ::SendMessageW(window.Tray().Handle(), TrayIcon::kCallbackMessage, window.Tray().Id(), WM_LBUTTONDBLCLK);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(Text(Control::Label3), "No");
    PressHotkey();
    EXPECT_FALSE(Shown());
    Command(menu_id::kAscII2);
    EXPECT_TRUE(Shown() && Visible(Control::Text4));
    EXPECT_EQ(Text(Control::Label3), "No");
    Click(Control::Command3);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(Text(Control::Label3), "Yes");
}

TEST_F(MainWindowTest, LookupsThroughTheControls) {
    Start();
    HWND text1 = Child(Control::Text1);
    Search(L"A");
    EXPECT_EQ(Text(Control::Text2), Utf8(lookup::SearchResult(Language::Chinese, L"A", L"65")));
    // The value mode by its option: the button's caption and room for three digits.
    Click(Control::Option2_1);
    EXPECT_EQ(Text(Control::Command1), Utf8(L"反查(&S)"));
    EXPECT_EQ(::SendMessageW(text1, EM_GETLIMITTEXT, 0, 0), 3);

    // "800×600": the table layout, left-aligned in a box made anew, which copies on a double click.
    Command(menu_id::kEight);
    EXPECT_EQ(m_settingsKey.Dword(L"Screen"), 1);
    Search(L"65");
    EXPECT_EQ(Text(Control::Text2), Utf8(lookup::ShortReverseTable(Language::Chinese, false, L"65", L"A")));
    EXPECT_EQ(::GetWindowLongW(Child(Control::Text2), GWL_STYLE) & ES_CENTER, 0);
    ::SendMessageW(Child(Control::Text2), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_TRUE(::OpenClipboard(nullptr));
    const HANDLE copied = ::GetClipboardData(CF_UNICODETEXT);
    EXPECT_EQ(Utf8(copied ? static_cast<const wchar_t*>(::GlobalLock(copied)) : L""), Text(Control::Text2));
    ::GlobalUnlock(copied);
    ::CloseClipboard();

    // Keys and clicks in the input box: a key's name (the key still reaches the box), Delete and the
    // right button empty it.
    Click(Control::Option2_0);
    ::SendMessageW(text1, WM_CHAR, L' ', 1);
    EXPECT_EQ(Text(Control::Text2), Utf8(L"\r\n\r\n\r\n空格(Space)键 对应的ASCⅡ值为：32"));
    EXPECT_EQ(Text(Control::Text1), " ");
    ::SendMessageW(text1, WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(Text(Control::Text1), "");
    SetText(text1, L"y");
    ::SendMessageW(text1, WM_RBUTTONDOWN, MK_RBUTTON, 0);
    EXPECT_EQ(Text(Control::Text1), "");

    // The type by its option, and the list of the type by the list button.
    Click(Control::Option1_2);
    Click(Control::Command2);
    EXPECT_TRUE(Visible(Control::Text4) && !Visible(Control::Text2));
}

TEST_F(MainWindowTest, LanguageSwitchSetsCaptionsPlacesAndTips) {
    MainWindow& window = Start();
    const MainMenus& menus = window.Menus();
    Click(Control::Option2_1);
    Command(menu_id::kEnglish);
    EXPECT_EQ(m_settingsKey.Dword(L"Language"), 1);
    EXPECT_TRUE(menus.IsChecked(menu_id::kEnglish) && menus.IsChecked(menu_id::kLanguage1));
    EXPECT_EQ(Text(Control::Command1), "Contract");
    EXPECT_EQ(Text(Control::Frame1), "Search type:");
    EXPECT_EQ(Utf8(menus.Caption(menu_id::kHideKeySetting0)), "&Hide Hotkey");
    EXPECT_EQ(Utf8(GetText(window.Handle())), "Orvell V1.00 - ASCII Lookup");
    EXPECT_EQ(
        GetText(Child(Control::Text2)),
        lookup::LanguageSwitchTip(Language::English, SearchMode::ReverseSearch, lookup::TableKind::Short));
    EXPECT_EQ(Utf8(window.XpButton(Control::Command3)->Button().Properties().caption), "Hide");
    ExpectPlacedAfter(
        {{Language::Chinese, SearchMode::Search}, {Language::English, SearchMode::ReverseSearch}});

    // Back to Chinese from the shortcut menu: the tray tip names the product.
    Command(menu_id::kLanguage0);
    EXPECT_EQ(m_settingsKey.Dword(L"Language"), 0);
    EXPECT_EQ(Text(Control::Command1), Utf8(L"反查(&S)"));
    EXPECT_EQ(Utf8(window.Tray().Tip()), "Orvell");
}

// On and off again leaves neither entry nor setting. Where neither Run key can be written (no rights,
// a locked-down profile) the option stays off and says so, and no setting claims otherwise.
TEST_F(MainWindowTest, RunAtStartupOnOffAndUnwritable) {
    const MainMenus& menus = Start().Menus();
    Command(menu_id::kRun);
    EXPECT_TRUE(menus.RunAtStartup() && menus.IsChecked(menu_id::kOther0));
    EXPECT_TRUE(m_settingsKey.Dword(L"SoftwareRun") == 1 && m_machineRun.Has(L"Orvell"));
    Command(menu_id::kOther0);
    EXPECT_FALSE(menus.RunAtStartup());
    EXPECT_FALSE(m_settingsKey.Has(L"SoftwareRun") || m_machineRun.Has(L"Orvell") ||
                 m_userRun.Has(L"Orvell"));
    EXPECT_TRUE(m_messages.empty());

    test_support::ReadOnlyKey lockedMachine(m_machineRun);
    test_support::ReadOnlyKey lockedUser(m_userRun);
    ASSERT_TRUE(lockedMachine.Locked() && lockedUser.Locked());
    Command(menu_id::kRun);
    EXPECT_FALSE(menus.RunAtStartup() || m_settingsKey.Has(L"SoftwareRun"));
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_NE(m_messages[0].find(L"开机自运行"), std::wstring::npos);
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
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &CloseMenu);
    ::SendMessageW(target, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(client.x, client.y));
    MSG message{};
    while (::PeekMessageW(&message, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) {
        ::DispatchMessageW(&message);
    }
    ::KillTimer(nullptr, timer);  // where no menu opened it has not fired: it would end a later one
    return g_menuSeen;
}

TEST_F(MainWindowTest, RightClickOpensTheShortcutMenuOnlyWhereOffered) {
    MainWindow& window = Start();
    ::SetForegroundWindow(window.Handle());
    EXPECT_TRUE(OpensShortcutMenu(Child(Control::Option1_1), {5, 5}));
    EXPECT_TRUE(OpensShortcutMenu(window.Handle(), {3, 3}));  // the bare window, as over a frame or label
    const Rect frame3 = Bounds(Control::Frame3);
    EXPECT_FALSE(OpensShortcutMenu(window.Handle(), {frame3.left + 2, frame3.top + 20}));
    EXPECT_FALSE(OpensShortcutMenu(Child(Control::Text1), {2, 2}));
}

// The output box's own menu, whichever way it opens: the item that holds "copy as", read while the menu
// is up (empty when none opened).
std::wstring g_copyAsCaption;
void CALLBACK ReadOutputMenu(HWND, UINT, UINT_PTR, DWORD) {
    HWND menu = ::FindWindowW(L"#32768", nullptr);
    wchar_t caption[64] = {};
    if (menu && ::IsWindowVisible(menu) &&
        ::GetMenuStringW(reinterpret_cast<HMENU>(::SendMessageW(menu, MN_GETHMENU, 0, 0)), 3, caption, 64,
                         MF_BYPOSITION) > 0) {
        g_copyAsCaption = caption;
        ::EndMenu();
    }
}

std::wstring ClipboardText() {
    std::wstring text;
    if (::OpenClipboard(nullptr)) {
        if (const HANDLE copied = ::GetClipboardData(CF_UNICODETEXT)) {
            text = static_cast<const wchar_t*>(::GlobalLock(copied));
            ::GlobalUnlock(copied);
        }
        ::CloseClipboard();
    }
    return text;
}

// "Copy as" puts the code of the answer in view on the clipboard as a literal; without an answer its
// items are greyed and do nothing. The menu speaks the window's language and opens from the menu key
// and Shift+F10 as well as the right button.
TEST_F(MainWindowTest, OutputBoxMenuCopiesTheAnswerAsALiteral) {
    MainWindow& window = Start();
    const auto copyAs = [&](lookup::CodeFormat format) {
        for (UINT i = 0; i < std::size(lookup::kCodeFormats); ++i) {
            if (lookup::kCodeFormats[i] == format) {
                Command(menu_id::kCopyAsFirst + i);
            }
        }
        return Utf8(ClipboardText());
    };
    const auto greyed = [](HMENU menu) {
        HMENU items = ::GetSubMenu(menu, 3);
        for (int i = 0; i < ::GetMenuItemCount(items); ++i) {
            if ((::GetMenuState(items, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED) == 0) {
                return false;
            }
        }
        return ::GetMenuItemCount(items) == static_cast<int>(std::size(lookup::kCodeFormats));
    };
    EXPECT_TRUE(greyed(OutputMenu(Language::Chinese, std::nullopt, false).Get()));
    const unique_hmenu forEsc = OutputMenu(Language::English, 27, false);
    EXPECT_FALSE(greyed(forEsc.Get()));
    wchar_t html[32] = {};
    ::GetMenuStringW(::GetSubMenu(forEsc.Get(), 3), 5, html, 32, MF_BYPOSITION);
    EXPECT_EQ(Utf8(html), "HTML\t&&#27;");  // shown with its ampersand

    Search(L"A");
    EXPECT_EQ(copyAs(lookup::CodeFormat::Html), "&#65;");
    EXPECT_EQ(copyAs(lookup::CodeFormat::CCharacter), "'A'");
    Command(menu_id::kEnglish);  // a tip in view: nothing to copy
    EXPECT_EQ(copyAs(lookup::CodeFormat::Delphi), "'A'");

    ::SetForegroundWindow(window.Handle());
    ::SetFocus(Child(Control::Text2));
    for (const std::vector<WORD>& keys : {std::vector<WORD>{VK_APPS}, std::vector<WORD>{VK_SHIFT, VK_F10}}) {
        g_copyAsCaption.clear();
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &ReadOutputMenu);
        ASSERT_TRUE(test_support::SendChord(keys));
        EXPECT_TRUE(test_support::PumpUntil([] { return !g_copyAsCaption.empty(); }));
        ::KillTimer(nullptr, timer);
        EXPECT_EQ(Utf8(g_copyAsCaption), "Copy as") << keys.size() << " keys";
    }
}

// Keys as the message loop sees them, before the focused box: the menu shortcuts win over the input
// box's own Ctrl+C and Ctrl+V, and Alt+S clicks the search button rather than opening a menu.
TEST_F(MainWindowTest, ShortcutsAndAccessKeysComeBeforeTheInputBox) {
    MainWindow& window = Start();
    HWND text1 = Child(Control::Text1);
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    MSG control{text1, WM_KEYDOWN, 'C', 0x002E0001, 0, {}};
    EXPECT_TRUE(window.PreTranslate(control));
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    EXPECT_TRUE(Visible(Control::Text4)) << "Ctrl+C is the C list here";
    EXPECT_EQ(::SendMessageW(Child(Control::Option1_2), BM_GETCHECK, 0, 0), BST_CHECKED);

    const auto alt = [&](WPARAM key, LPARAM scanCode) {
        MSG message{text1, WM_SYSKEYDOWN, key, (scanCode << 16) | (LPARAM{KF_ALTDOWN} << 16) | 1, 0, {}};
        return window.PreTranslate(message);
    };
    SetText(text1, L"A");
    EXPECT_TRUE(alt('S', 0x1F));
    EXPECT_EQ(Text(Control::Text2), Utf8(lookup::SearchResult(Language::Chinese, L"A", L"065")));
    EXPECT_FALSE(alt('Q', 0x10));
    EXPECT_TRUE(alt('Y', 0x15)) << "the hide button's access key";
    EXPECT_FALSE(Shown());
}

TEST_F(MainWindowTest, ExitClosesTheWindowRemovesTheTrayIconAndEndsTheProgram) {
    MainWindow& window = Start();
    const HWND handle = window.Handle();
    ASSERT_TRUE(window.Tray().IsShown()) << "the first add, asked on the icon's own thread, answered";
    ASSERT_FALSE(g_trayCalls.empty());
    EXPECT_EQ(g_trayCalls.front(), static_cast<DWORD>(NIM_ADD));
    Command(menu_id::kExit);
    EXPECT_FALSE(::IsWindow(handle));
    EXPECT_EQ(g_trayCalls.back(), static_cast<DWORD>(NIM_DELETE));
    MSG quit{};
    EXPECT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// The object may go while its window is open (the end of main, a test's end): the window goes first,
// while the controls, fonts and menus its last messages use are still there, without ending the
// program; and the window class keeps valid icons for the next main window of the process.
TEST_F(MainWindowTest, TheWindowGoesBeforeItsPartsAndTheNextWindowKeepsItsIcons) {
    Start();
    const HWND first = m_window->Handle();
    const HWND input = Child(Control::Text1);
    m_window.reset();
    EXPECT_FALSE(::IsWindow(first) || ::IsWindow(input));
    MSG quit{};
    EXPECT_FALSE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));

    const HWND second = Start().Handle();
    for (const int icon : {GCLP_HICON, GCLP_HICONSM}) {
        ICONINFO info{};
        EXPECT_TRUE(::GetIconInfo(reinterpret_cast<HICON>(::GetClassLongPtrW(second, icon)), &info)) << icon;
        ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
    }
    Search(L"~");
    EXPECT_EQ(Text(Control::Text2), Utf8(lookup::SearchResult(Language::Chinese, L"~", L"126")));
}

}  // namespace
}  // namespace orvell::win
