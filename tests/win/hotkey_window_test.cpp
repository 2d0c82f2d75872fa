// The hotkey setting window opened for real over an owner: its texts and layout in both
// languages, keys typed into the key field as a user types them, what the set button stores and
// says, and the ways out.
#include "keyboard/hotkey_window.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "platform/dpi.h"
#include "test_window.h"

namespace orvell::win {
namespace {

using Control = HotkeyWindow::Control;
using test_support::PumpPending;

constexpr int kAlt = 0;
constexpr int kCtrl = 1;

// A message box as the window showed it, with the label and key field behind it.
struct Box {
    std::wstring title, text, label, field;
    UINT flags;
};

class HotkeyWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_owner.Open());
        m_window.SetMessageBox([this](HWND, const std::wstring& text, const std::wstring& title, UINT flags) {
            m_boxes.push_back({title, text, Text(Control::Label1), Text(Control::Text1), flags});
            return m_answer;
        });
        m_window.SetOnClosed([this] { ++m_closings; });
    }

    // "Language", "HotKey", "Check", "Combo".
    void Open(std::array<std::int32_t, 4> stored) {
        m_boxes.clear();
        m_settings.values = {
            {L"Language", stored[0]}, {L"HotKey", stored[1]}, {L"Check", stored[2]}, {L"Combo", stored[3]}};
        m_settings.writeCount = 0;
        ASSERT_TRUE(m_window.Open(m_owner.Handle(), m_settings));
        ::SetForegroundWindow(m_window.Handle());
        PumpPending();
    }
    std::array<std::int32_t, 3> Stored() const {
        return {m_settings.Read(L"HotKey"), m_settings.Read(L"Check"), m_settings.Read(L"Combo")};
    }
    HWND Child(Control control) const { return m_window.Child(control); }
    std::wstring Text(Control control) const { return GetText(Child(control)); }
    bool Ticked() const { return ::SendMessageW(Child(Control::Check1), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    bool ListEnabled() const { return ::IsWindowEnabled(Child(Control::Combo1)) != FALSE; }
    Rect Bounds(Control control) const { return test_support::BoundsIn(Child(control), m_window.Handle()); }
    void Click(Control control) {
        ::SendMessageW(Child(control), BM_CLICK, 0, 0);
        PumpPending();
    }
    // Presses the keys in order and lets them go in reverse, as a user holds a combination.
    void Type(const std::vector<WORD>& keys) {
        ASSERT_TRUE(test_support::SendChord(keys));
        PumpPending();
    }

    app::MemorySettingsStore m_settings;  // before the windows: they read it to the end
    test_support::HostWindow m_owner;
    HotkeyWindow m_window;
    std::vector<Box> m_boxes;
    int m_answer = IDOK;
    int m_closings = 0;
};

TEST_F(HotkeyWindowTest, OpensCentredOnTheStoredChoiceInTheStoredLanguage) {
    const TwipsScale scale = TwipsScale::ForScreen();
    const struct {
        std::array<std::int32_t, 4> stored;
        std::array<const wchar_t*, 6> texts;  // window and set button, exit, check box, prompt, key, list
        bool ticked;
        int promptTop;
        std::array<int, 3> check;  // left, top, width in twips
        int buttonWidth;
    } cases[] = {
        {{0, 65, 1, 2},
         {L"设置", L"退出", L"组合键", L"请输入您要设置的快捷键（默认为：F12）", L"A", L"Ctrl"},
         true,
         760,
         {400, 1560, 855},
         975},
        {{1, 20, 2, 3},
         {L"Setting", L"Exit", L"Key Combination",
          L"Please input the HotKey at the textbox(the default key is F12)", L"", L"Alt"},
         false,
         620,
         {1260, 2020, 1800},
         1040},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "Language " << c.stored[0]);
        Open(c.stored);
        EXPECT_EQ(GetText(m_window.Handle()), c.texts[0]);
        EXPECT_EQ(m_window.TitleBar().Caption(), c.texts[0]);
        const Control showing[] = {Control::Command1, Control::Command2, Control::Check1,
                                   Control::Label1,   Control::Text1,    Control::Combo1};
        for (std::size_t i = 0; i < std::size(showing); ++i) {
            EXPECT_EQ(Text(showing[i]), c.texts[i]);
        }
        EXPECT_EQ(Ticked(), c.ticked);
        EXPECT_EQ(ListEnabled(), c.ticked) << "the list goes with the box";
        EXPECT_EQ(::GetFocus(), Child(Control::Text1));

        EXPECT_EQ(Bounds(Control::Label1), scale.Bounds(240, c.promptTop, 4215, 735));
        EXPECT_EQ(Bounds(Control::Check1), scale.Bounds(c.check[0], c.check[1], c.check[2], 255));
        EXPECT_EQ(Bounds(Control::Command1), scale.Bounds(3120, 1275, c.buttonWidth, 375));
        EXPECT_EQ(Bounds(Control::Command2), scale.Bounds(3120, 1740, c.buttonWidth, 375));
        EXPECT_EQ(Bounds(Control::Combo1), scale.Bounds(1260, 1320, 1695, 300)) << "the closed list";
        const int left = (::GetSystemMetrics(SM_CXSCREEN) - scale.X(4590)) / 2;
        const int top = (::GetSystemMetrics(SM_CYSCREEN) - scale.Y(2400)) / 2;
        EXPECT_EQ(test_support::BoundsIn(m_window.Handle()),
                  (Rect{left, top, left + scale.X(4590), top + scale.Y(2400)}));
        m_window.Close();
        EXPECT_EQ(m_settings.writeCount, 0) << "opening and closing store nothing";
    }
}

TEST_F(HotkeyWindowTest, AKeyPressedInTheKeyFieldIsNamedThereAndTypesNothing) {
    Open({0, 123, 0, 0});
    const struct {
        std::vector<WORD> keys;
        const wchar_t* field;
        int key;
    } steps[] = {
        {{'A'}, L"A", 'A'},           {{VK_F5}, L"F5", VK_F5},          {{VK_SHIFT}, L"F12", 123},
        {{VK_SHIFT, 'B'}, L"B", 'B'}, {{VK_UP}, L"Up Arrow(↑)", VK_UP}, {{VK_MENU}, L"F12", 123},
        {{VK_MENU, 'X'}, L"X", 'X'},  {{VK_ESCAPE}, L"Esc", VK_ESCAPE}, {{VK_BACK}, L"BackSpace", VK_BACK},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::PrintToString(step.keys));
        Type(step.keys);
        EXPECT_EQ(Text(Control::Text1), step.field);
        EXPECT_EQ(m_window.Choice().keyCode, step.key);
    }
    EXPECT_TRUE(m_window.IsOpen());
    EXPECT_EQ(m_settings.writeCount, 0) << "nothing is stored before the set button";
}

TEST_F(HotkeyWindowTest, TheCheckBoxSwitchesTheListAndTabWalksWhatCanTakeTheFocus) {
    Open({0, 65, 0, 0});
    const auto tab = [&](std::vector<WORD> keys, Control to) {
        Type(keys);
        EXPECT_EQ(::GetFocus(), Child(to)) << "to control " << static_cast<int>(to);
    };
    tab({VK_TAB}, Control::Command1);
    EXPECT_EQ(Text(Control::Text1), L"A") << "Tab is not taken as the key";
    tab({VK_TAB}, Control::Command2);
    tab({VK_TAB}, Control::Check1);
    tab({VK_TAB}, Control::Text1);  // past the list while it is off
    Click(Control::Check1);
    EXPECT_TRUE(Ticked());
    EXPECT_TRUE(ListEnabled());
    ::SetFocus(Child(Control::Check1));
    tab({VK_TAB}, Control::Combo1);
    tab({VK_SHIFT, VK_TAB}, Control::Check1);
    Click(Control::Check1);
    EXPECT_FALSE(ListEnabled());
    EXPECT_EQ(m_settings.writeCount, 0);
}

// The texts and the refusal rules have their own suite; here the window hands them its choice and
// shows, stores and resets what they decide, in the stored language.
TEST_F(HotkeyWindowTest, TheSetButtonStoresTheKeyOrRefusesItWithF12AloneAndSaysWhy) {
    const struct {
        std::int32_t language;
        bool tick;
        int item;
        WORD key;
        std::array<std::int32_t, 3> stored;  // "HotKey", "Check", "Combo"
    } cases[] = {
        {0, true, kAlt, 'A', {123, 0, 4}}, {1, false, kCtrl, VK_F5, {123, 0, 2}},
        {1, true, kCtrl, 'A', {65, 1, 2}}, {0, false, kAlt, VK_SPACE, {32, 0, 4}},
        {0, true, kCtrl, 0, {20, 1, 2}},  // Caps Lock stored: no key name, so the window asks
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "key " << c.key << (c.tick ? " with item " : " alone, item ") << c.item);
        Open({c.language, c.key == 0 ? 20 : 119, c.key == 0 ? 1 : 0, c.key == 0 ? 2 : 6});
        if (c.key != 0) {
            if (c.tick) {
                Click(Control::Check1);
            }
            ::SendMessageW(Child(Control::Combo1), CB_SETCURSEL, static_cast<WPARAM>(c.item), 0);
            ::SetFocus(Child(Control::Text1));
            Type({c.key});
        }
        const std::wstring keyName = Text(Control::Text1);
        const std::wstring label = Text(Control::Label1);
        app::MemorySettingsStore rules;
        const keyboard::SetOutcome want =
            keyboard::SetHotkey(rules, m_window.Choice(),
                                c.language == 0 ? keyboard::Language::Chinese : keyboard::Language::English);
        m_answer = IDNO;
        Click(Control::Command1);

        EXPECT_EQ(Stored(), c.stored);
        EXPECT_EQ(Text(Control::Label1), want.label ? want.label->text : label);
        ASSERT_EQ(m_boxes.size(), want.message ? 1u : 0u);
        if (want.label) {
            EXPECT_EQ(Bounds(Control::Label1).top, TwipsScale::ForScreen().Y(want.label->top));
        }
        if (want.message) {
            EXPECT_EQ(m_boxes[0].title, want.message->title);
            EXPECT_EQ(m_boxes[0].text, want.message->text);
            const UINT buttons = c.key == 0 ? MB_YESNO : MB_OK;
            EXPECT_EQ(m_boxes[0].flags, buttons | MB_ICONINFORMATION);
            EXPECT_EQ(m_boxes[0].label, Text(Control::Label1)) << "the label first";
            EXPECT_EQ(m_boxes[0].field, keyName) << "the controls reset after the box";
        }
        const bool refused = want.result == keyboard::SetResult::Refused;
        EXPECT_EQ(Text(Control::Text1), refused ? L"F12" : keyName);
        EXPECT_EQ(Ticked(), c.tick && !refused);
        EXPECT_EQ(ListEnabled(), Ticked());
        EXPECT_TRUE(m_window.IsOpen()) << "a refusal, or No to leaving, keeps it open";
        m_window.Close();
    }
    m_answer = IDYES;
    const int closings = m_closings;
    Open({0, 20, 1, 2});
    Click(Control::Command1);
    EXPECT_FALSE(m_window.IsOpen()) << "Yes to leaving without a key";
    EXPECT_EQ(m_closings - closings, 1);
    EXPECT_EQ(Stored(), (std::array<std::int32_t, 3>{123, 0, 0}));
}

TEST_F(HotkeyWindowTest, TheSurfaceDragsTheWindowAndADoubleClickThereAsksForHelp) {
    Open({0, 123, 0, 0});
    std::vector<HWND> helpOwners;
    m_window.SetHelpHandler([&](HWND owner) { helpOwners.push_back(owner); });
    const Rect before = test_support::BoundsIn(m_window.Handle());
    test_support::Drag(m_window.Handle(), {10, 40}, {40, 60});
    const Rect after = test_support::BoundsIn(m_window.Handle());
    EXPECT_EQ((Point{after.left, after.top}), (Point{before.left + 30, before.top + 20}));

    ::SendMessageW(m_window.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 40));
    EXPECT_EQ(helpOwners, std::vector<HWND>{m_window.Handle()});
}

TEST_F(HotkeyWindowTest, EveryWayOutClosesTheWindowWithoutStoringAnything) {
    const std::function<void()> ways[] = {
        [this] { Click(Control::Command2); },
        [this] {
            const Rect button = m_window.TitleBar().Plan().closeButton.target;
            test_support::Click(m_window.TitleBar().Handle(), {button.left + 4, button.top + 4});
        },
        [this] {
            Type({VK_MENU, VK_F4});
        },  // in the key field
        [this] {
            ::SetFocus(Child(Control::Command2));
            Type({VK_RETURN});
        },
    };
    for (std::size_t way = 0; way < std::size(ways); ++way) {
        SCOPED_TRACE(testing::Message() << "way " << way);
        const int closings = m_closings;
        Open({0, 65, 0, 0});
        ways[way]();
        EXPECT_TRUE(test_support::PumpUntil([&] { return !m_window.IsOpen(); }));
        EXPECT_EQ(m_closings - closings, 1);
        EXPECT_TRUE(::IsWindowEnabled(m_owner.Handle()));
        EXPECT_EQ(m_settings.writeCount, 0);
    }
    // Opened again, the window still erases with a live brush of its colour (the class keeps the
    // brush it was first registered with).
    Open({0, 65, 0, 0});
    LOGBRUSH brush{};
    ASSERT_NE(
        ::GetObjectW(reinterpret_cast<HBRUSH>(::GetClassLongPtrW(m_window.Handle(), GCLP_HBRBACKGROUND)),
                     sizeof brush, &brush),
        0);
    EXPECT_EQ(brush.lbColor, RGB(224, 220, 224));
}

}  // namespace
}  // namespace orvell::win
