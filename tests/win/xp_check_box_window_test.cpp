// The XP check box's window driven with messages and the real pointer, as the window system, screen
// readers and automation deliver them, and its painting read back from the screen.
#include "controls/xp_check_box_window.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <oleacc.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "accessible_probe.h"
#include "dib_surface.h"
#include "platform/gdi.h"
#include "test_window.h"

namespace orvell::win {
namespace {

using controls::CellOf;
using controls::check_box_art::kCellSize;

constexpr Rect kBounds{10, 10, 130, 27};  // 120 x 17
constexpr Colour kBackground = Colour::Rgb(224, 220, 224);

using test_support::Sent;

LPARAM At(int x, int y) {
    return test_support::MouseAt({x, y});
}

// Whether the window gets a WM_TIMER within the time given; the message is left in the queue.
bool TimerTicksWithin(HWND window, DWORD milliseconds) {
    const ULONGLONG end = ::GetTickCount64() + milliseconds;
    MSG message{};
    for (;;) {
        if (::PeekMessageW(&message, window, WM_TIMER, WM_TIMER, PM_NOREMOVE)) {
            return true;
        }
        const ULONGLONG now = ::GetTickCount64();
        if (now >= end) {
            return false;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_TIMER);
    }
}

// The events of the pointer's leaving, counted.
struct MouseOuts final : controls::XpCheckBoxEvents {
    void MouseOut() override { ++count; }
    int count = 0;
};

class XpCheckBoxWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_parent.Open());
        ::ShowWindow(m_parent.Handle(), SW_SHOW);
    }

    // A check box 120 x 17 that records each value its change handler is given.
    XpCheckBoxWindow& Add(std::wstring_view caption = L"Key Combination", std::int32_t value = 0) {
        auto box = std::make_unique<XpCheckBoxWindow>();
        EXPECT_TRUE(box->Create(m_parent.Handle(), 100, kBounds, caption, controls::FontDescription{}));
        box->SetValue(value);
        box->SetChangeHandler([this](std::int32_t changed) { changes.push_back(changed); });
        m_boxes.push_back(std::move(box));
        return *m_boxes.back();
    }

    // Copies what the check box shows, once it painted, into a surface of its size.
    static void CopyShown(const XpCheckBoxWindow& box, test_support::DibSurface& shown) {
        ::UpdateWindow(box.Handle());
        const ClientDc window(box.Handle());
        ::BitBlt(shown.Dc(), 0, 0, shown.Width(), shown.Height(), window.Get(), 0, 0, SRCCOPY);
    }

    test_support::HostWindow m_parent;
    std::vector<std::unique_ptr<XpCheckBoxWindow>> m_boxes;
    std::vector<std::int32_t> changes;
};

TEST_F(XpCheckBoxWindowTest, EachWayOfClickingTogglesOnceAndTheOthersNever) {
    struct Case {
        const char* name;
        std::int32_t before;
        bool focusFirst;  // keys go to the control with the focus
        std::vector<Sent> messages;
        std::vector<std::int32_t> changes;
    };
    const Sent down{WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5)};
    const Case cases[] = {
        {"mouse", 0, false, {{WM_MOUSEMOVE, 0, At(5, 5)}, down, {WM_LBUTTONUP, 0, At(5, 5)}}, {1}},
        {"caption", 1, false, {{WM_LBUTTONDOWN, MK_LBUTTON, At(60, 8)}, {WM_LBUTTONUP, 0, At(60, 8)}}, {0}},
        {"outside",
         0,
         false,
         {down, {WM_MOUSEMOVE, MK_LBUTTON, At(5, 40)}, {WM_LBUTTONUP, 0, At(5, 40)}},
         {}},
        {"space", 0, true, {{WM_KEYDOWN, VK_SPACE, 0}, {WM_CHAR, L' ', 0}, {WM_KEYUP, VK_SPACE, 0}}, {1}},
        {"BM_CLICK on a grey box", 2, false, {{BM_CLICK, 0, 0}}, {0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        changes.clear();
        XpCheckBoxWindow& box = Add(L"Key Combination", c.before);
        if (c.focusFirst) {
            ::SetFocus(box.Handle());
        }
        test_support::SendAll(box.Handle(), c.messages);
        EXPECT_EQ(changes, c.changes);
        EXPECT_EQ(box.Value(), c.changes.empty() ? c.before : c.changes.back());
        EXPECT_EQ(::GetCapture(), nullptr);
        if (c.focusFirst || !c.changes.empty()) {
            EXPECT_EQ(::GetFocus(), box.Handle());
        }
    }
}

TEST_F(XpCheckBoxWindowTest, CheckMessagesReadAndSetTheValueAsOnASystemCheckBox) {
    XpCheckBoxWindow& box = Add();
    const HWND w = box.Handle();
    for (const WPARAM value : {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}) {
        ::SendMessageW(w, BM_SETCHECK, value, 0);
        EXPECT_EQ(::SendMessageW(w, BM_GETCHECK, 0, 0), static_cast<LRESULT>(value));
    }
    ::SendMessageW(w, BM_SETCHECK, 3, 0);
    EXPECT_EQ(box.Value(), 0) << "no such value";
    EXPECT_TRUE(changes.empty()) << "setting the value is no click";
    ::SetFocus(w);
    ::SendMessageW(w, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(::SendMessageW(w, BM_GETSTATE, 0, 0), BST_CHECKED | BST_FOCUS);
    EXPECT_EQ(::SendMessageW(w, WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS, DLGC_WANTCHARS)
        << "Space is a character";
    EXPECT_NE(::GetWindowLongW(w, GWL_STYLE) & WS_TABSTOP, 0);

    // Disabled from outside, as a host disables any control: the check box follows and takes no click.
    ::EnableWindow(w, FALSE);
    EXPECT_FALSE(box.CheckBox().Properties().enabled);
    EXPECT_EQ(box.CheckBox().DisplayedCell(), CellOf(1, controls::BoxLook::Disabled));
    ::SendMessageW(w, BM_CLICK, 0, 0);
    EXPECT_FALSE(box.HandleAccessKey(L'c'));
    EXPECT_EQ(box.Value(), 1);
}

TEST_F(XpCheckBoxWindowTest, TheWindowTextIsTheCaptionAndItsAccessKeyClicks) {
    XpCheckBoxWindow& box = Add(L"组合键(&K)");
    EXPECT_EQ(GetText(box.Handle()), L"组合键(&K)");
    box.CheckBox().SetCaption(L"Key &Combination");
    EXPECT_EQ(GetText(box.Handle()), L"Key &Combination");
    ASSERT_TRUE(SetText(box.Handle(), L"组合键"));
    EXPECT_EQ(box.CheckBox().Properties().caption, L"组合键");
    box.CheckBox().SetCaption(L"&Combo");
    EXPECT_FALSE(box.HandleAccessKey(L'x'));
    EXPECT_TRUE(box.HandleAccessKey(L'c'));
    EXPECT_EQ(changes, (std::vector<std::int32_t>{1}));
    EXPECT_EQ(::GetFocus(), box.Handle());
}

TEST_F(XpCheckBoxWindowTest, ScreenReadersSeeANamedCheckBoxWithItsState) {
    XpCheckBoxWindow& box = Add(L"&Key Combination");
    const test_support::AccessibleProbe probe(box.Handle());
    ASSERT_TRUE(probe);
    EXPECT_EQ(probe.Role(), ROLE_SYSTEM_CHECKBUTTON);
    EXPECT_EQ(probe.Name(), L"Key Combination");
    const struct {
        std::int32_t value;
        LONG state;  // of the two below
        const wchar_t* action;
    } states[] = {
        {0, 0, L"Check"}, {1, STATE_SYSTEM_CHECKED, L"Uncheck"}, {2, STATE_SYSTEM_MIXED, L"Uncheck"}};
    for (const auto& s : states) {
        box.SetValue(s.value);
        const std::optional<LONG> state = probe.State();
        ASSERT_TRUE(state);
        EXPECT_EQ(*state & (STATE_SYSTEM_CHECKED | STATE_SYSTEM_MIXED), s.state) << s.value;
        EXPECT_EQ(probe.DefaultAction(), s.action);
    }
    EXPECT_EQ(probe.DoDefaultAction(), S_OK);
    EXPECT_TRUE(test_support::PumpUntil([&] { return box.Value() == 0; }));
    EXPECT_EQ(changes, (std::vector<std::int32_t>{0}));
}

// The box shows the cell of the generated strip for its look, value and state, its transparent
// pixels showing the background; a disabled caption is in the system's grey-text colour.
TEST_F(XpCheckBoxWindowTest, TheScreenShowsTheCellOfTheGeneratedArt) {
    const struct {
        const char* name;
        std::int32_t look;
        std::int32_t value;
        controls::BoxLook state;
    } cases[] = {{"hovered", 7, 2, controls::BoxLook::Hovered},
                 {"disabled", 12, 1, controls::BoxLook::Disabled}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        XpCheckBoxWindow& box = Add(L"Key Combination", c.value);
        controls::XpCheckBox& model = box.CheckBox();
        model.SetBackColor(kBackground);
        model.SetForeColor(Colour::Rgb(0, 0, 192));
        model.SetCheckBoxLook(c.look);
        if (c.state == controls::BoxLook::Hovered) {
            ::SendMessageW(box.Handle(), WM_MOUSEMOVE, 0, At(5, 5));
        } else {
            model.SetEnabled(false);
        }
        ASSERT_EQ(model.DisplayedCell(), CellOf(c.value, c.state));

        // The strip as the resource holds it, read by GDI on its own.
        const test_support::ResourceBitmap art(L"XPCHECKBOX" + std::to_wstring(c.look));
        ASSERT_TRUE(art.Loaded());
        test_support::DibSurface shown(kBounds.Width(), kBounds.Height(), Colour(0));
        CopyShown(box, shown);
        const Rect cell = model.Layout().box;
        for (int y = 0; y < kCellSize; ++y) {
            for (int x = 0; x < kCellSize; ++x) {
                const Colour drawn = art.At(model.DisplayedCell() * kCellSize + x, y);
                const Colour expected = drawn == controls::check_box_art::kTransparent ? kBackground : drawn;
                ASSERT_EQ(shown.At(cell.left + x, cell.top + y), expected) << x << ", " << y;
            }
        }
        const Rect label = model.Layout().label;
        const Colour caption = c.state == controls::BoxLook::Disabled
                                   ? test_support::SystemColour(COLOR_GRAYTEXT)
                                   : Colour::Rgb(0, 0, 192);
        EXPECT_FALSE(Where(shown.Width(), shown.Height(), [&](int x, int y) {
                         return label.Contains(Point{x, y}) && shown.At(x, y) == caption;
                     }).empty());
    }
}

// What the strips were drawn with: the first look's frame and check mark, its corners cut.
TEST_F(XpCheckBoxWindowTest, TheFirstLookIsTheBlueRoundedBoxWithAGreenCheck) {
    XpCheckBoxWindow& box = Add(L"", 1);
    box.CheckBox().SetBackColor(kBackground);
    test_support::DibSurface shown(kBounds.Width(), kBounds.Height(), Colour(0));
    CopyShown(box, shown);
    const int top = box.CheckBox().Layout().box.top;
    EXPECT_EQ(shown.At(0, top), kBackground);
    EXPECT_EQ(shown.At(0, top + 6), Colour::Rgb(28, 81, 128));
    EXPECT_EQ(shown.At(9, top + 3), Colour::Rgb(33, 161, 33));
    EXPECT_EQ(shown.At(5, top + 9), Colour::Rgb(33, 161, 33));
}

// The 10 ms timer runs while the pointer is over the check box and stops as it leaves, with MouseOut.
TEST_F(XpCheckBoxWindowTest, TheLeaveTimerRunsOnlyWhileThePointerIsOver) {
    ASSERT_TRUE(::SetCursorPos(900, 700));  // away from every window of the tests
    XpCheckBoxWindow& box = Add();
    MouseOuts outs;
    box.SetEventSink(&outs);
    const HWND w = box.Handle();
    EXPECT_FALSE(TimerTicksWithin(w, 40)) << "no timer at rest";

    POINT inside{5, 5};
    ::ClientToScreen(w, &inside);
    ASSERT_TRUE(::SetCursorPos(inside.x, inside.y));
    ::SendMessageW(w, WM_MOUSEMOVE, 0, At(5, 5));
    EXPECT_TRUE(TimerTicksWithin(w, 500));
    test_support::PumpPending();
    EXPECT_EQ(box.CheckBox().DisplayedCell(), CellOf(0, controls::BoxLook::Hovered)) << "still over it";
    EXPECT_EQ(outs.count, 0);

    POINT outside{5, 60};
    ::ClientToScreen(w, &outside);
    ASSERT_TRUE(::SetCursorPos(outside.x, outside.y));
    EXPECT_TRUE(test_support::PumpUntil([&] { return outs.count == 1; }));
    EXPECT_EQ(box.CheckBox().DisplayedCell(), CellOf(0, controls::BoxLook::Normal));
    EXPECT_FALSE(TimerTicksWithin(w, 40));
    box.SetEventSink(nullptr);
}

}  // namespace
}  // namespace orvell::win
