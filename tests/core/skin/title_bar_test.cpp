// The title bar's saved properties, tooltips and the buttons' behaviour under the mouse.
#include "skin/title_bar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_printers.h"

namespace orvell::skin {

void PrintTo(const TitleBarEvent& event, std::ostream* out) {
    *out << "event " << static_cast<int>(event.kind) << " button " << event.button << " shift " << event.shift
         << " at (" << event.at.x << ", " << event.at.y << ")";
}

namespace {

TEST(BFormProperties, SaveAndRestoreThroughTheDesignText) {
    struct Case {
        const char* name;
        Colour backColor;
        std::wstring_view caption;
        std::wstring_view text;
    };
    const Case cases[] = {
        {"defaults leave nothing", Colour(14346732), L"NewForm", L""},
        {"caption and colour", Colour::Rgb(224, 220, 224), L"键码检测 V1.01",
         L"BackColor=14736608\r\nCaption=键码检测 V1.01\r\n"},
        {"system colour as a Long prints it", Colour(0x8000000F), L"NewForm", L"BackColor=-2147483633\r\n"},
        {"empty caption stays empty", Colour(14346732), L"", L"Caption=\r\n"},
        {"line breaks and percent signs", Colour(14346732), L"50%\r\nnext", L"Caption=50%25%0D%0Anext\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BFormProperties properties{c.backColor, std::wstring(c.caption)};
        controls::PropertyBag bag;
        SaveBForm(properties, bag);
        EXPECT_EQ(bag.Format(), c.text);
        const controls::PropertyBag read = controls::PropertyBag::Parse(bag.Format());
        EXPECT_EQ(RestoreBForm(read), properties);
        EXPECT_TRUE(read.Problems().empty());
    }
}

TEST(BFormProperties, RestoringTakesDefaultsForWhatIsMissingOrUnreadable) {
    struct Case {
        std::wstring text;
        Colour backColor;
        std::wstring caption;
        std::size_t problems;
    };
    const Case cases[] = {
        {L"", Colour(14346732), L"NewForm", 0},
        {L"BackColor=255", Colour(255), L"NewForm", 0},
        {L"BackColor= 16777215 \r\nCaption=About", Colour(0xFFFFFF), L"About", 0},
        {L"BackColor=2147483663", Colour(0x8000000F), L"NewForm", 0},
        {L"BackColor=blue\r\nCaption=Help", Colour(14346732), L"Help", 1},
        {L"BackColor=4294967296", Colour(14346732), L"NewForm", 1},
        {L"BackColor=0x00FF00", Colour(14346732), L"NewForm", 1},
        {L"BackColor=", Colour(14346732), L"NewForm", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        const controls::PropertyBag bag = controls::PropertyBag::Parse(c.text);
        const BFormProperties restored = RestoreBForm(bag);
        EXPECT_EQ(restored.backColor, c.backColor);
        EXPECT_EQ(restored.caption, c.caption);
        EXPECT_EQ(bag.Problems().size(), c.problems);
    }
    EXPECT_EQ(BFormProperties{}.backColor, Colour::Rgb(236, 233, 218));
    EXPECT_EQ(BackColorText(BFormProperties{}.backColor), L"14346732");
}

TEST(BFormProperties, BackColorTextIsADecimalNumber) {
    const std::pair<std::wstring_view, std::optional<Colour>> cases[] = {
        {L"14346732", Colour(14346732)},
        {L"+1", Colour(1)},
        {L"-1", Colour(0xFFFFFFFF)},
        {L"\t0 ", Colour(0)},
        {L"", std::nullopt},
        {L"-", std::nullopt},
        {L"1 2", std::nullopt},
        {L"12a", std::nullopt},
        {L"-2147483649", std::nullopt},
        {L"１２", std::nullopt},
    };
    for (const auto& [text, colour] : cases) {
        EXPECT_EQ(ParseBackColor(text), colour) << testing::PrintToString(std::wstring(text));
    }
}

TEST(TitleBarTooltips, FollowTheLanguageSetting) {
    const struct {
        TitleButton button;
        std::int32_t language;
        std::wstring_view text;
    } cases[] = {
        {TitleButton::Min, 0, L"最小化"},   {TitleButton::Min, 1, L"Minimize"},
        {TitleButton::Min, 7, L"Minimize"}, {TitleButton::Min, -1, L"Minimize"},
        {TitleButton::Close, 0, L"退出"},   {TitleButton::Close, 1, L"Exit"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TitleBarTooltip(c.button, c.language), c.text) << c.language;
    }
}

// One thing the mouse does, and the looks and event that follow.
enum class Act { Move, Leave, Down, Up, DoubleClick, Lost };
struct Step {
    Act act;
    TitleBarPart part = TitleBarPart::Bar;
    int button = kLeftMouseButton;
    ButtonLook min = ButtonLook::Idle;
    ButtonLook close = ButtonLook::Idle;
    std::optional<TitleBarEvent> event = std::nullopt;
};

constexpr Point kAt{30, 12};
constexpr int kShift = 2;
constexpr auto kBar = TitleBarPart::Bar;
constexpr auto kMin = TitleBarPart::MinButton;
constexpr auto kClose = TitleBarPart::CloseButton;
constexpr auto kIdle = ButtonLook::Idle;
constexpr auto kHover = ButtonLook::Hover;
constexpr auto kPressed = ButtonLook::Pressed;
const TitleBarEvent kMinClick{TitleBarEventKind::MinClick};
const TitleBarEvent kCloseClick{TitleBarEventKind::CloseClick};

TEST(TitleBarInput, LooksAndEventsFollowTheMouse) {
    struct Case {
        const char* name;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"passing over the buttons",
         {{Act::Move, kMin, 0, kHover, kIdle},
          {Act::Move, kClose, 0, kIdle, kHover},
          {Act::Move, kBar, 0, kIdle, kIdle},
          {Act::Move, kClose, 0, kIdle, kHover},
          {Act::Leave, kBar, 0, kIdle, kIdle}}},
        {"a click on minimise, idle after the release though the pointer is still there",
         {{Act::Move, kMin, 0, kHover, kIdle},
          {Act::Down, kMin, 1, kPressed, kIdle},
          {Act::Up, kMin, 1, kIdle, kIdle, kMinClick},
          {Act::Move, kMin, 0, kHover, kIdle}}},
        {"held close, out and back in, released on it",
         {{Act::Down, kClose, 1, kIdle, kPressed},
          {Act::Move, kBar, 1, kIdle, kIdle},
          {Act::Leave, kBar, 1, kIdle, kIdle},
          {Act::Move, kMin, 1, kIdle, kIdle},
          {Act::Move, kClose, 1, kIdle, kPressed},
          {Act::Up, kClose, 1, kIdle, kIdle, kCloseClick}}},
        {"released elsewhere: no click",
         {{Act::Down, kMin, 1, kPressed, kIdle},
          {Act::Up, kClose, 1, kIdle, kIdle},
          {Act::Down, kClose, 1, kIdle, kPressed},
          {Act::Up, kBar, 1, kIdle, kIdle}}},
        {"other mouse buttons neither press nor release the buttons",
         {{Act::Down, kMin, 2, kIdle, kIdle},
          {Act::Up, kMin, 2, kIdle, kIdle},
          {Act::Down, kClose, 1, kIdle, kPressed},
          {Act::Down, kBar, 2, kIdle, kPressed},
          {Act::Up, kClose, 2, kIdle, kPressed},
          {Act::Up, kClose, 1, kIdle, kIdle, kCloseClick}}},
        {"presses on the bar are MouseDown with their button, the double click a DblClick",
         {{Act::Down, kBar, 1, kIdle, kIdle, TitleBarEvent{TitleBarEventKind::MouseDown, 1, kShift, kAt}},
          {Act::Up, kBar, 1, kIdle, kIdle},
          {Act::DoubleClick, kBar, 1, kIdle, kIdle, TitleBarEvent{TitleBarEventKind::DblClick}},
          {Act::Down, kBar, 2, kIdle, kIdle, TitleBarEvent{TitleBarEventKind::MouseDown, 2, kShift, kAt}},
          {Act::DoubleClick, kBar, 2, kIdle, kIdle,
           TitleBarEvent{TitleBarEventKind::MouseDown, 2, kShift, kAt}}}},
        {"a quick second click on a button presses it again",
         {{Act::Down, kMin, 1, kPressed, kIdle},
          {Act::Up, kMin, 1, kIdle, kIdle, kMinClick},
          {Act::DoubleClick, kMin, 1, kPressed, kIdle},
          {Act::Up, kMin, 1, kIdle, kIdle, kMinClick}}},
        {"the mouse taken away: idle and no click",
         {{Act::Down, kClose, 1, kIdle, kPressed},
          {Act::Lost, kClose, 1, kIdle, kIdle},
          {Act::Up, kClose, 1, kIdle, kIdle},
          {Act::Move, kClose, 0, kIdle, kHover}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TitleBarInput input;
        int index = 0;
        for (const Step& step : c.steps) {
            SCOPED_TRACE(testing::Message() << "step " << index++);
            std::optional<TitleBarEvent> event;
            switch (step.act) {
                case Act::Move:
                    input.OnMove(step.part);
                    break;
                case Act::Leave:
                    input.OnLeave();
                    break;
                case Act::Down:
                    event = input.OnDown(step.button, kShift, kAt, step.part);
                    break;
                case Act::Up:
                    event = input.OnUp(step.button, step.part);
                    break;
                case Act::DoubleClick:
                    event = input.OnDoubleClick(step.button, kShift, kAt, step.part);
                    break;
                case Act::Lost:
                    input.OnCaptureLost();
                    break;
            }
            EXPECT_EQ(input.Look(TitleButton::Min), step.min);
            EXPECT_EQ(input.Look(TitleButton::Close), step.close);
            EXPECT_EQ(event, step.event);
        }
    }
}

TEST(TitleBarInput, TheBarKeepsTheMouseOnlyWhileAButtonIsHeld) {
    TitleBarInput input;
    input.OnDown(kLeftMouseButton, 0, kAt, kBar);
    EXPECT_FALSE(input.Pressing()) << "a press on the bar is the host's to handle";
    input.OnDown(kLeftMouseButton, 0, kAt, kMin);
    EXPECT_TRUE(input.Pressing());
    input.OnMove(kBar);
    EXPECT_TRUE(input.Pressing()) << "still held off the button, so the release is seen";
    input.OnUp(kLeftMouseButton, kBar);
    EXPECT_FALSE(input.Pressing());
}

}  // namespace
}  // namespace orvell::skin
