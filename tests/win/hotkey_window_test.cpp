// The hotkey setting window opened for real over an owner: its texts and layout in both languages,
// keys typed into the key field as a user types them, what the set button stores and says, and the
// ways out.
#include "keyboard/hotkey_window.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/dpi.h"
#include "platform/gdi.h"
#include "platform/unique_handle.h"
#include "test_window.h"

namespace orvell::win {
namespace {

using Control = HotkeyWindow::Control;
using test_support::PumpPending;
using test_support::PumpUntil;
using Values = std::map<std::wstring, std::int32_t, std::less<>>;

constexpr int kAlt = 0;
constexpr int kCtrl = 1;

// A message box as the window showed it, with what the window showed behind it.
struct Box {
    std::wstring title;
    std::wstring text;
    UINT flags;
    std::wstring label;
    std::wstring field;
};

class HotkeyWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_owner.Open());
        m_window.SetMessageBox(
            [this](HWND owner, const std::wstring& text, const std::wstring& title, UINT flags) {
                EXPECT_EQ(owner, m_window.Handle());
                m_boxes.push_back(
                    {title, text, flags, GetText(Child(Control::Label1)), GetText(Child(Control::Text1))});
                return m_answer;
            });
        m_window.SetOnClosed([this] { ++m_closings; });
    }

    void Open(const Values& stored) {
        m_settings.values = stored;
        ASSERT_TRUE(m_window.Open(m_owner.Handle(), m_settings));
        ::SetForegroundWindow(m_window.Handle());
        PumpPending();
    }
    HWND Child(Control control) const { return m_window.Child(control); }
    Rect Bounds(Control control) const {
        RECT r{};
        ::GetWindowRect(Child(control), &r);
        ::MapWindowPoints(nullptr, m_window.Handle(), reinterpret_cast<POINT*>(&r), 2);
        return Rect{r.left, r.top, r.right, r.bottom};
    }
    bool Ticked() const { return ::SendMessageW(Child(Control::Check1), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void Click(Control control) {
        ::SendMessageW(Child(control), BM_CLICK, 0, 0);
        PumpPending();
    }
    // Presses the keys in order and lets them go in reverse, as a user holds a combination.
    void Type(std::vector<WORD> keys) {
        std::vector<INPUT> inputs;
        for (const bool up : {false, true}) {
            for (std::size_t i = 0; i < keys.size(); ++i) {
                INPUT input{};
                input.type = INPUT_KEYBOARD;
                input.ki.wVk = keys[up ? keys.size() - 1 - i : i];
                input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
                inputs.push_back(input);
            }
        }
        ASSERT_EQ(::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)), inputs.size());
        PumpPending();
    }

    app::MemorySettingsStore m_settings;  // before the windows: they read it to the end
    test_support::HostWindow m_owner;
    HotkeyWindow m_window;
    std::vector<Box> m_boxes;
    int m_answer = IDOK;
    int m_closings = 0;
};

TEST_F(HotkeyWindowTest, OpensCentredInTheStoredLanguageWithTheEnglishLayoutForEnglish) {
    const TwipsScale scale = TwipsScale::ForScreen();
    const struct {
        std::int32_t language;
        const wchar_t* texts[4];  // window and set button, exit button, check box, prompt
        int promptTop;
        int check[4];  // twips: left, top, width, height
        int buttonWidth;
    } cases[] = {
        {0,
         {L"设置", L"退出", L"组合键", L"请输入您要设置的快捷键（默认为：F12）"},
         760,
         {400, 1560, 855, 255},
         975},
        {1,
         {L"Setting", L"Exit", L"Key Combination",
          L"Please input the HotKey at the textbox(the default key is F12)"},
         620,
         {1260, 2020, 1800, 255},
         1040},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "Language " << c.language);
        Open({{L"Language", c.language}, {L"HotKey", 123}});
        EXPECT_EQ(GetText(m_window.Handle()), c.texts[0]);
        EXPECT_EQ(m_window.TitleBar().Caption(), c.texts[0]);
        EXPECT_EQ(GetText(Child(Control::Command1)), c.texts[0]);
        EXPECT_EQ(GetText(Child(Control::Command2)), c.texts[1]);
        EXPECT_EQ(GetText(Child(Control::Check1)), c.texts[2]);
        EXPECT_EQ(GetText(Child(Control::Label1)), c.texts[3]);
        EXPECT_EQ(Bounds(Control::Label1), scale.Bounds(240, c.promptTop, 4215, 735));
        EXPECT_EQ(Bounds(Control::Check1), scale.Bounds(c.check[0], c.check[1], c.check[2], c.check[3]));
        EXPECT_EQ(Bounds(Control::Command1), scale.Bounds(3120, 1275, c.buttonWidth, 375));
        EXPECT_EQ(Bounds(Control::Command2), scale.Bounds(3120, 1740, c.buttonWidth, 375));
        EXPECT_EQ(Bounds(Control::Text1), scale.Bounds(1260, 1680, 1695, 300));
        EXPECT_EQ(Bounds(Control::Combo1), scale.Bounds(1260, 1320, 1695, 300)) << "the closed list";

        RECT window{};
        ::GetWindowRect(m_window.Handle(), &window);
        EXPECT_EQ(window.right - window.left, scale.X(4590));
        EXPECT_EQ(window.bottom - window.top, scale.Y(2400));
        EXPECT_EQ(window.left, (::GetSystemMetrics(SM_CXSCREEN) - scale.X(4590)) / 2);
        EXPECT_EQ(window.top, (::GetSystemMetrics(SM_CYSCREEN) - scale.Y(2400)) / 2);
        EXPECT_EQ(::GetFocus(), Child(Control::Text1));
        m_window.Close();
    }
    EXPECT_EQ(m_settings.writeCount, 0) << "opening and closing store nothing";
}

// What each text is drawn with: its colours as the window hands them to the control, and its font.
TEST_F(HotkeyWindowTest, ThePromptAndTheFieldsShowTheirColoursAndFonts) {
    Open({{L"HotKey", 123}});
    const unique_hdc dc(::CreateCompatibleDC(nullptr));
    const struct {
        Control control;
        UINT message;
        COLORREF text;
        COLORREF back;
        double points;
    } cases[] = {
        {Control::Label1, WM_CTLCOLORSTATIC, RGB(0, 0, 255), RGB(224, 220, 224), 10.5},
        {Control::Text1, WM_CTLCOLORSTATIC, RGB(0, 0, 192), RGB(255, 255, 255), 9},
        {Control::Combo1, WM_CTLCOLOREDIT, RGB(0, 0, 192), RGB(255, 255, 255), 9},
        {Control::Combo1, WM_CTLCOLORLISTBOX, RGB(0, 0, 192), RGB(255, 255, 255), 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "control " << static_cast<int>(c.control) << ", message " << c.message);
        const auto brush = reinterpret_cast<HBRUSH>(
            ::SendMessageW(m_window.Handle(), c.message, reinterpret_cast<WPARAM>(dc.Get()),
                           reinterpret_cast<LPARAM>(Child(c.control))));
        LOGBRUSH fill{};
        ASSERT_NE(::GetObjectW(brush, sizeof fill, &fill), 0);
        EXPECT_EQ(fill.lbColor, c.back);
        EXPECT_EQ(::GetTextColor(dc.Get()), c.text);
        LOGFONTW font{};
        ASSERT_NE(::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(Child(c.control), WM_GETFONT, 0, 0)),
                               sizeof font, &font),
                  0);
        EXPECT_EQ(std::wstring(font.lfFaceName), L"宋体");
        EXPECT_EQ(font.lfHeight, FontHeight(c.points));
    }
}

TEST_F(HotkeyWindowTest, OpensOnTheStoredChoice) {
    const struct {
        Values stored;
        const wchar_t* field;
        bool ticked;
        const wchar_t* item;
    } cases[] = {
        {{}, L"", false, L"Alt"},
        {{{L"HotKey", 65}, {L"Check", 1}, {L"Combo", 2}}, L"A", true, L"Ctrl"},
        {{{L"HotKey", 38}, {L"Check", 2}, {L"Combo", 7}}, L"Up Arrow(↑)", false, L"Ctrl+Shift+Alt"},
        {{{L"HotKey", 20}, {L"Check", 1}, {L"Combo", 3}}, L"", true, L"Alt"},
    };
    for (const auto& c : cases) {
        Open(c.stored);
        EXPECT_EQ(GetText(Child(Control::Text1)), c.field);
        EXPECT_EQ(Ticked(), c.ticked);
        EXPECT_EQ(::IsWindowEnabled(Child(Control::Combo1)) != FALSE, c.ticked)
            << "the list goes with the box";
        EXPECT_EQ(GetText(Child(Control::Combo1)), c.item);
        m_window.Close();
    }
}

TEST_F(HotkeyWindowTest, AKeyPressedInTheKeyFieldIsNamedThereAndTypesNothing) {
    Open({{L"HotKey", 123}});
    const struct {
        std::vector<WORD> keys;
        const wchar_t* field;
        int key;
    } steps[] = {
        {{'A'}, L"A", 'A'},
        {{VK_F5}, L"F5", VK_F5},
        {{VK_SHIFT}, L"F12", 123},  // a key without a name
        {{VK_UP}, L"Up Arrow(↑)", VK_UP},
        {{VK_SHIFT, 'B'}, L"B", 'B'},
        {{VK_MENU}, L"F12", 123},
        {{VK_MENU, 'X'}, L"X", 'X'},
        {{VK_ESCAPE}, L"Esc", VK_ESCAPE},
        {{VK_BACK}, L"BackSpace", VK_BACK},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::PrintToString(step.keys));
        Type(step.keys);
        EXPECT_EQ(GetText(Child(Control::Text1)), step.field);
        EXPECT_EQ(m_window.Choice().keyCode, step.key);
    }
    EXPECT_TRUE(m_window.IsOpen());
    EXPECT_EQ(m_settings.writeCount, 0) << "nothing is stored before the set button";
}

TEST_F(HotkeyWindowTest, TheCheckBoxSwitchesTheListAndTabWalksWhatCanTakeTheFocus) {
    Open({{L"HotKey", 65}});
    Type({VK_TAB});
    EXPECT_EQ(::GetFocus(), Child(Control::Command1));
    EXPECT_EQ(GetText(Child(Control::Text1)), L"A") << "Tab is not taken as the key";
    // Round from the set button back to it; Shift+Tab one step back.
    const auto walk = [&](std::vector<Control> order) {
        for (const Control control : order) {
            Type({VK_TAB});
            EXPECT_EQ(::GetFocus(), Child(control)) << "Tab to control " << static_cast<int>(control);
        }
        Type({VK_SHIFT, VK_TAB});
        EXPECT_EQ(::GetFocus(), Child(order[order.size() - 2])) << "Shift+Tab";
        Type({VK_TAB});
    };
    walk({Control::Command2, Control::Check1, Control::Text1, Control::Command1});
    Click(Control::Check1);
    EXPECT_TRUE(Ticked());
    EXPECT_TRUE(::IsWindowEnabled(Child(Control::Combo1)));
    ::SetFocus(Child(Control::Command1));
    walk({Control::Command2, Control::Check1, Control::Combo1, Control::Text1, Control::Command1});
    Click(Control::Check1);
    EXPECT_FALSE(::IsWindowEnabled(Child(Control::Combo1)));
    EXPECT_EQ(m_settings.writeCount, 0);
}

TEST_F(HotkeyWindowTest, TheSetButtonStoresTheKeyOrRefusesItWithF12AloneAndSaysWhy) {
    const wchar_t* const ownChinese =
        L"您设置的热键与本程序内置的快捷键相同！\r\n\r\n如果要用此键请选择其它组合键。\r\n\r\n"
        L"查看详细内置快捷键，请双击“设置”窗口。";
    const wchar_t* const ownEnglish =
        L"Your setting key is repeated with the program's inner hotkey!\r\n\r\n"
        L"If you want to use this key,please use the other Key Combination.\r\n\r\n"
        L"Look over much more program's inner hotkeys,please double click the setting form.";
    const wchar_t* const refusedChinese =
        L"抱歉！设置快捷键不成功！将更改为默认的F12为快捷键。您可以重新设置快捷键。";
    const wchar_t* const refusedEnglish =
        L"Sorry!The setting is unsuccessful.The hotkey is still F12.You can reinstall the hotkey.";
    const struct {
        const char* name;
        std::int32_t language;
        bool tick;
        int item;
        WORD key;
        const wchar_t* message;  // nullptr: stored without a word
        const wchar_t* label;
        int labelTop;
        Values stored;
    } cases[] = {
        {"Alt+A",
         0,
         true,
         kAlt,
         'A',
         ownChinese,
         refusedChinese,
         700,
         {{L"HotKey", 123}, {L"Check", 0}, {L"Combo", 4}}},
        {"F5",
         1,
         false,
         kAlt,
         VK_F5,
         ownEnglish,
         refusedEnglish,
         540,
         {{L"HotKey", 123}, {L"Check", 0}, {L"Combo", 4}}},
        {"A",
         1,
         false,
         kCtrl,
         'A',
         L"Your setting key may collide with the srarching character!\r\n\r\n"
         L"If you want to use this key,please use the Key Combination.\r\n\r\n"
         L"Look over much more searching character,please double click the setting form.",
         refusedEnglish,
         540,
         {{L"HotKey", 123}, {L"Check", 0}, {L"Combo", 2}}},
        {"Ctrl+Esc",
         0,
         true,
         kCtrl,
         VK_ESCAPE,
         L"您设置的热键与Windows系统“开始”菜单快捷键相同！\r\n\r\n如果要用此键请选择其它组合键。",
         refusedChinese,
         700,
         {{L"HotKey", 123}, {L"Check", 0}, {L"Combo", 2}}},
        {"Ctrl+V",
         1,
         true,
         kCtrl,
         'V',
         ownEnglish,
         refusedEnglish,
         540,
         {{L"HotKey", 123}, {L"Check", 0}, {L"Combo", 2}}},
        {"Ctrl+A",
         1,
         true,
         kCtrl,
         'A',
         nullptr,
         L"Congratulation!The setting is now successful!Please remember the new hotkey.Please press Exit key "
         L"to exit.",
         540,
         {{L"HotKey", 65}, {L"Check", 1}, {L"Combo", 2}}},
        {"Space",
         0,
         false,
         kAlt,
         VK_SPACE,
         nullptr,
         L"恭喜！设置已成功！请记住新的快捷键。\r\n请按“退出”键退出。",
         700,
         {{L"HotKey", 32}, {L"Check", 0}, {L"Combo", 4}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_boxes.clear();
        Open({{L"Language", c.language}, {L"HotKey", 119}, {L"Check", 0}, {L"Combo", 6}});
        if (c.tick) {
            Click(Control::Check1);
        }
        ::SendMessageW(Child(Control::Combo1), CB_SETCURSEL, static_cast<WPARAM>(c.item), 0);
        ::SetFocus(Child(Control::Text1));
        Type({c.key});
        const std::wstring keyName = GetText(Child(Control::Text1));
        Click(Control::Command1);

        Values stored = c.stored;
        stored[L"Language"] = c.language;
        EXPECT_EQ(m_settings.values, stored);
        EXPECT_EQ(GetText(Child(Control::Label1)), c.label);
        EXPECT_EQ(Bounds(Control::Label1).top, TwipsScale::ForScreen().Y(c.labelTop));
        const bool refused = c.message != nullptr;
        ASSERT_EQ(m_boxes.size(), refused ? 1u : 0u);
        if (refused) {
            EXPECT_EQ(m_boxes[0].title, c.language == 0 ? L"注意" : L"Notice");
            EXPECT_EQ(m_boxes[0].text, c.message);
            EXPECT_EQ(m_boxes[0].flags, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
            EXPECT_EQ(m_boxes[0].label, c.label) << "the label first";
            EXPECT_EQ(m_boxes[0].field, keyName) << "the controls reset after the box";
        }
        EXPECT_EQ(GetText(Child(Control::Text1)), refused ? L"F12" : keyName);
        EXPECT_EQ(Ticked(), !refused && c.tick);
        EXPECT_EQ(::IsWindowEnabled(Child(Control::Combo1)) != FALSE, !refused && c.tick);
        EXPECT_TRUE(m_window.IsOpen());
        m_window.Close();
    }
}

TEST_F(HotkeyWindowTest, WithoutAKeyTheSetButtonAsksAndOnlyLeavingStoresF12) {
    const struct {
        std::int32_t language;
        int answer;
        const wchar_t* title;
        const wchar_t* text;
        Values stored;
    } cases[] = {
        {1,
         IDNO,
         L"Notice",
         L"You haven't setted any hotkey,the hotkey is still  F12.\r\n\r\nDo you wand to eixt now ?",
         {{L"Language", 1}, {L"HotKey", 20}, {L"Check", 1}, {L"Combo", 2}}},
        {0,
         IDYES,
         L"注意",
         L"您还没有设置任何热键，快捷键依然为 F12 。\r\n\r\n是否退出？",
         {{L"Language", 0}, {L"HotKey", 123}, {L"Check", 0}, {L"Combo", 0}}},
    };
    for (const auto& c : cases) {
        m_boxes.clear();
        m_answer = c.answer;
        const int closings = m_closings;
        Open({{L"Language", c.language},
              {L"HotKey", 20},
              {L"Check", 1},
              {L"Combo", 2}});  // Caps Lock: no name
        Click(Control::Command1);
        ASSERT_EQ(m_boxes.size(), 1u);
        EXPECT_EQ(m_boxes[0].title, c.title);
        EXPECT_EQ(m_boxes[0].text, c.text);
        EXPECT_EQ(m_boxes[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONINFORMATION));
        EXPECT_EQ(m_settings.values, c.stored);
        EXPECT_EQ(m_window.IsOpen(), c.answer == IDNO);
        EXPECT_EQ(m_closings - closings, c.answer == IDYES ? 1 : 0);
        m_window.Close();
    }
}

VOID CALLBACK LetGo(HWND, UINT, UINT_PTR, DWORD) {
    ::PostMessageW(nullptr, WM_LBUTTONUP, 0, 0);
}

TEST_F(HotkeyWindowTest, TheSurfaceDragsTheWindowAndADoubleClickThereAsksForHelp) {
    Open({});
    std::vector<HWND> helpOwners;
    m_window.SetHelpHandler([&](HWND owner) { helpOwners.push_back(owner); });
    RECT before{};
    ::GetWindowRect(m_window.Handle(), &before);
    // The system's move loop runs inside the press until the release: the drag is queued first, each
    // message with the pointer where it was then. Should the loop miss the release, a timer lets go.
    ::SetCursorPos(before.left + 10, before.top + 40);
    ::PostMessageW(m_window.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 40));
    ::SetCursorPos(before.left + 40, before.top + 60);
    ::PostMessageW(m_window.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, 60));
    ::PostMessageW(m_window.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(40, 60));
    const UINT_PTR safety = ::SetTimer(nullptr, 0, 2000, &LetGo);
    PumpPending();
    ::KillTimer(nullptr, safety);
    RECT after{};
    ::GetWindowRect(m_window.Handle(), &after);
    EXPECT_EQ((Point{after.left, after.top}), (Point{before.left + 30, before.top + 20}));

    ::SendMessageW(m_window.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 40));
    EXPECT_EQ(helpOwners, std::vector<HWND>{m_window.Handle()});
}

TEST_F(HotkeyWindowTest, EveryWayOutClosesTheWindowWithoutStoringAnything) {
    const struct {
        const char* way;
        std::function<void()> close;
    } ways[] = {
        {"exit button", [this] { Click(Control::Command2); }},
        {"title bar's close button",
         [this] {
             const Rect button = m_window.TitleBar().Plan().closeButton.target;
             const LPARAM at = MAKELPARAM(button.left + 4, button.top + 4);
             ::SendMessageW(m_window.TitleBar().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
             ::SendMessageW(m_window.TitleBar().Handle(), WM_LBUTTONUP, 0, at);
         }},
        {"Alt+F4 in the key field",
         [this] {
             Type({VK_MENU, VK_F4});
         }},
        {"Enter on the exit button",
         [this] {
             ::SetFocus(Child(Control::Command2));
             Type({VK_RETURN});
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        const int closings = m_closings;
        Open({{L"HotKey", 65}});
        way.close();
        EXPECT_TRUE(PumpUntil([&] { return !m_window.IsOpen(); }));
        EXPECT_EQ(m_closings - closings, 1);
        EXPECT_TRUE(::IsWindowEnabled(m_owner.Handle()));
    }
    EXPECT_EQ(m_settings.writeCount, 0);
}

}  // namespace
}  // namespace orvell::win
