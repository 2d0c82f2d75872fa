// The title bar's saved properties, tooltips and the buttons' behaviour under the mouse.
#include "skin/title_bar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_printers.h"

namespace orvell::skin {
namespace {

TEST(BFormProperties, RestoreTakesDefaultsForWhatIsMissingOrNoNumberAndSaveWritesItBack) {
    const struct {
        std::wstring_view design;
        Colour backColor;
        std::wstring_view caption;
        std::size_t problems;
        std::wstring_view saved;
    } cases[] = {
        {L"", Colour::Rgb(236, 233, 218), L"NewForm", 0, L""},
        {L"BackColor= 14736608 \r\nCaption=键码检测 V1.01", Colour::Rgb(224, 220, 224), L"键码检测 V1.01", 0,
         L"BackColor=14736608\r\nCaption=键码检测 V1.01\r\n"},
        // Both ways of writing a system colour; a Long prints it negative.
        {L"BackColor=2147483663", Colour(0x8000000F), L"NewForm", 0, L"BackColor=-2147483633\r\n"},
        {L"BackColor=-2147483633\r\nCaption=", Colour(0x8000000F), L"", 0,
         L"BackColor=-2147483633\r\nCaption=\r\n"},
        {L"Caption=50%25%0D%0Anext", Colour(14346732), L"50%\r\nnext", 0, L"Caption=50%25%0D%0Anext\r\n"},
        {L"BackColor=blue\r\nCaption=Help", Colour(14346732), L"Help", 1, L"Caption=Help\r\n"},
        {L"BackColor=4294967296", Colour(14346732), L"NewForm", 1, L""},
        {L"BackColor=0x00FF00", Colour(14346732), L"NewForm", 1, L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.design)));
        const controls::PropertyBag design = controls::PropertyBag::Parse(c.design);
        const BFormProperties restored = RestoreBForm(design);
        EXPECT_EQ(restored.backColor, c.backColor);
        EXPECT_EQ(restored.caption, c.caption);
        EXPECT_EQ(design.Problems().size(), c.problems);
        controls::PropertyBag saved;
        SaveBForm(restored, saved);
        EXPECT_EQ(saved.Format(), c.saved);
    }
    EXPECT_EQ(ParseBackColor(L"-1"), Colour(0xFFFFFFFF));
    EXPECT_EQ(ParseBackColor(L"１２"), std::nullopt) << "ASCII digits only";
}

TEST(TitleBarTooltips, AreChineseForLanguage0AndEnglishForAnyOther) {
    for (const std::int32_t language : {0, 1, 2, -1}) {
        EXPECT_EQ(TitleBarTooltip(TitleButton::Min, language), language == 0 ? L"最小化" : L"Minimize");
        EXPECT_EQ(TitleBarTooltip(TitleButton::Close, language), language == 0 ? L"退出" : L"Exit");
    }
}

// What the mouse does on which part, and the looks (minimise, close: '-' idle, 'h' hover, 'p'
// pressed), the held state and the event that follow.
enum class Act { Move, Leave, Down, Up, DoubleClick, Lost };
struct Step {
    Act act;
    TitleBarPart part;
    int button;
    const char* looks;
    bool held;
    std::optional<TitleBarEventKind> event;
};

TEST(TitleBarInput, LooksAndEventsFollowTheMouse) {
    constexpr auto kBar = TitleBarPart::Bar;
    constexpr auto kMin = TitleBarPart::MinButton;
    constexpr auto kClose = TitleBarPart::CloseButton;
    constexpr auto kMinClick = TitleBarEventKind::MinClick;
    constexpr auto kCloseClick = TitleBarEventKind::CloseClick;
    constexpr auto kMouseDown = TitleBarEventKind::MouseDown;
    const struct {
        const char* name;
        std::vector<Step> steps;
    } cases[] = {
        {"passing over, a click, idle after it though the pointer stays",
         {{Act::Move, kMin, 0, "h-", false, {}},
          {Act::Move, kClose, 0, "-h", false, {}},
          {Act::Down, kClose, 1, "-p", true, {}},
          {Act::Up, kClose, 1, "--", false, kCloseClick},
          {Act::Move, kBar, 0, "--", false, {}}}},
        {"held, out and back in, other mouse buttons ignored, released on it",
         {{Act::Down, kMin, 1, "p-", true, {}},
          {Act::Move, kBar, 1, "--", true, {}},
          {Act::Leave, kBar, 1, "--", true, {}},
          {Act::Move, kMin, 1, "p-", true, {}},
          {Act::Up, kMin, 2, "p-", true, {}},
          {Act::Up, kMin, 1, "--", false, kMinClick}}},
        {"released elsewhere, or the mouse taken away: no click; a right press on a button: nothing",
         {{Act::Down, kMin, 1, "p-", true, {}},
          {Act::Up, kClose, 1, "--", false, {}},
          {Act::Down, kClose, 1, "-p", true, {}},
          {Act::Lost, kClose, 1, "--", false, {}},
          {Act::Up, kClose, 1, "--", false, {}},
          {Act::Down, kClose, 2, "--", false, {}}}},
        {"presses on the bar, a double click there, a quick second click on a button",
         {{Act::Down, kBar, 1, "--", false, kMouseDown},
          {Act::DoubleClick, kBar, 1, "--", false, TitleBarEventKind::DblClick},
          {Act::DoubleClick, kBar, 2, "--", false, kMouseDown},
          {Act::DoubleClick, kMin, 1, "p-", true, {}},
          {Act::Up, kMin, 1, "--", false, kMinClick}}},
    };
    const auto look = [](ButtonLook l) {
        return l == ButtonLook::Idle ? '-' : l == ButtonLook::Hover ? 'h' : 'p';
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TitleBarInput input;
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            const Step& step = c.steps[i];
            std::optional<TitleBarEvent> event;
            switch (step.act) {
                case Act::Move:
                    input.OnMove(step.part);
                    break;
                case Act::Leave:
                    input.OnLeave();
                    break;
                case Act::Down:
                    event = input.OnDown(step.button, 2, {30, 12}, step.part);
                    break;
                case Act::Up:
                    event = input.OnUp(step.button, step.part);
                    break;
                case Act::DoubleClick:
                    event = input.OnDoubleClick(step.button, 2, {30, 12}, step.part);
                    break;
                case Act::Lost:
                    input.OnCaptureLost();
                    break;
            }
            const std::string looks{look(input.Look(TitleButton::Min)), look(input.Look(TitleButton::Close))};
            EXPECT_EQ(looks, step.looks) << "step " << i;
            EXPECT_EQ(input.Pressing(), step.held) << "step " << i;
            EXPECT_EQ(event.has_value(), step.event.has_value()) << "step " << i;
            if (event && step.event) {
                EXPECT_EQ(event->kind, *step.event) << "step " << i;
                const bool down = event->kind == TitleBarEventKind::MouseDown;
                EXPECT_EQ(*event, (down ? TitleBarEvent{event->kind, step.button, 2, {30, 12}}
                                        : TitleBarEvent{event->kind}));
            }
        }
    }
}

}  // namespace
}  // namespace orvell::skin
