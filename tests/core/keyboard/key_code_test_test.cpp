#include "keyboard/key_code_test.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvell::keyboard {
namespace {

// One event and what the user reads after it: the name, then cells 3 to 7 (down code, up code,
// character, down mask, up mask) joined by "|"; nothing to check when null. Events: 'D' key-down
// (code, mask), 'P' key-press (character), 'U' key-up (code, mask), 'F' press on the surface (button),
// 'C' click on the surface, 'L' press on cell a (button). Buttons: 0 left, 1 right, 2 middle.
struct Step {
    char event;
    int a = 0;
    int b = 0;
    const wchar_t* shown = nullptr;
};

void Apply(KeyCodeTest& test, const Step& step) {
    const auto button = static_cast<MouseButton>(step.b);
    switch (step.event) {
        case 'D':
            return test.KeyDown(step.a, step.b);
        case 'P':
            return test.KeyPress(step.a);
        case 'U':
            return test.KeyUp(step.a, step.b);
        case 'F':
            return test.MouseDownOnForm(static_cast<MouseButton>(step.a));
        case 'C':
            return test.ClickOnForm();
        default:
            return test.MouseDownOnCell(step.a, button);
    }
}

std::wstring Shown(const KeyCodeTest& test) {
    std::wstring shown = test.Label4();
    for (int i = kFirstNumberCell; i < kCellCount; ++i) {
        shown += L"|" + test.Cell(i);
    }
    return shown;
}

TEST(KeyCodeTest, KeysAndClicksFillAndEmptyTheNameAndTheNumbers) {
    // Ctrl+C typed and released, the state the clearing cases start from.
    const std::vector<Step> ctrlC = {{'D', 17, 2}, {'D', 'C', 2}, {'P', 3}, {'U', 'C', 2}, {'U', 17, 0}};
    const auto after = [&](std::vector<Step> steps) {
        steps.insert(steps.begin(), ctrlC.begin(), ctrlC.end());
        return steps;
    };
    const struct {
        const char* name;
        std::vector<Step> steps;
    } scenarios[] = {
        {"a, Caps Lock off",
         {{'D', 'A', 0, L"|65|||0|"}, {'P', 'a', 0, L"a|65||97|0|"}, {'U', 'A', 0, L"a|65|65|97|0|0"}}},
        {"Ctrl, then C",
         {{'D', 17, 2, L"Ctrl|17|||2|"},
          {'D', 'C', 2, L"Ctrl + C|67|||2|"},
          {'P', 3, 0, L"Ctrl + C|67||3|2|"}}},
        {"numeric-pad minus", {{'D', 109, 0, L"Num -|109|||0|"}, {'P', '-', 0, L"Num -|109||45|0|"}}},
        {"Print Screen released alone: no key-down numbers, and as if a modifier was held",
         {{'D', 'A'},
          {'P', 'a'},
          {'U', 44, 0, L"Print Scrn SysRq||44|||0"},
          {'P', 'x', 0, L"Print Scrn SysRq||44|120||0"}}},
        {"Ctrl+F5", {{'D', 17, 2}, {'D', 116, 2, L"Ctrl + F5|116|||2|"}, {'U', 116, 2, L"F5|116|116||0|2"}}},
        {"an unnamed key keeps the name; Alt+X keeps its name over its character",
         {{'D', 'X', 4, L"Alt + X|88|||4|"},
          {'P', 'x', 0, L"Alt + X|88||120|4|"},
          {'D', 229, 0, L"Alt + X|229|||0|"}}},
        {"right press on the surface", after({{'F', 1, 0, L"|||||"}})},
        {"left press, then click on the surface",
         after({{'F', 0, 0, L"|67|17|3|2|0"}, {'C', 0, 0, L"|||||"}})},
        {"left and middle presses on cells",
         after({{'L', 4, 0, L"|67||3|2|0"}, {'L', 6, 2, L"|67||3||0"}, {'L', 1, 0, L"|67||3||0"}})},
        {"right press on cell 0", after({{'L', 0, 1, L"|||||"}})},
    };
    for (const auto& scenario : scenarios) {
        KeyCodeTest test;
        for (std::size_t i = 0; i < scenario.steps.size(); ++i) {
            Apply(test, scenario.steps[i]);
            if (scenario.steps[i].shown != nullptr) {
                EXPECT_EQ(Shown(test), scenario.steps[i].shown) << scenario.name << ", step " << i;
            }
        }
        EXPECT_EQ(test.Cell(0) + test.Cell(1) + test.Cell(2), L"") << scenario.name;
    }
    KeyCodeTest hidden;
    hidden.KeyDown('A', 6);
    hidden.KeyDown('A', 0);
    EXPECT_EQ(hidden.Label5(), L"Ctrl + Alt") << "the modifiers of the last modified key-down";
}

// With the designed letter the labels stand where they were designed; with any other they keep their
// places over and under their columns, where fixed places would put "Shift" under a cell. (The grid
// itself is checked against the measured letter in the window's suite.)
TEST(KeyCodeTest, FixedLabelsMoveWithTheGrid) {
    const KeyCodeTestLayout design(105, 180);
    EXPECT_EQ(KeyCodeTestLayout(0, 0).Width(), design.Width()) << "a letter without a size";
    for (const FixedLabel& label : kLabel2Design) {
        EXPECT_EQ(design.Place(label.box), label.box);
    }
    const int columnOf[] = {6, 7, 3, 4, 5};  // the cell each heading names
    for (const KeyCodeTestLayout layout : {design, KeyCodeTestLayout(165, 240), KeyCodeTestLayout(90, 195)}) {
        for (std::size_t i = 0; i < kLabel2Design.size(); ++i) {
            const Rect heading = layout.Place(kLabel2Design[i].box);
            const Rect cell = layout.Cell(columnOf[i]);
            EXPECT_TRUE(heading.left >= cell.left && heading.left < cell.left + cell.Width() / 2) << i;
            constexpr int kTextHeight = 200;  // of 9-point text, and some
            EXPECT_TRUE(i < 2 ? heading.top > cell.bottom : heading.top + kTextHeight < cell.top)
                << "Label2(" << i << ") by a letter of width " << layout.Width() / 39;
        }
        EXPECT_LT(layout.Place(kLabel4Box).bottom, layout.Cell(0).bottom);
    }
}

}  // namespace
}  // namespace orvell::keyboard
