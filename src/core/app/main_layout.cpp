#include "app/main_layout.h"

#include <optional>

namespace orvell::app {

namespace {

using C = MainControl;

constexpr std::size_t Index(MainControl control) {
    return static_cast<std::size_t>(control);
}

struct Design {
    MainControl control;
    std::optional<MainControl> frame;  // the frame the control lies in
    TwipsBox box;                      // relative to the frame, if any
};

constexpr Design kDesign[] = {
    {C::Frame1, std::nullopt, {120, 240, 1935, 1455}},   {C::Option1_0, C::Frame1, {240, 360, 1455, 255}},
    {C::Option1_1, C::Frame1, {240, 720, 1455, 255}},    {C::Option1_2, C::Frame1, {240, 1080, 1455, 255}},
    {C::Frame2, std::nullopt, {2280, 240, 3615, 1455}},  {C::Label1, C::Frame2, {240, 405, 1455, 375}},
    {C::Option2_0, C::Frame2, {1560, 360, 1215, 255}},   {C::Option2_1, C::Frame2, {2520, 360, 975, 255}},
    {C::Label2, C::Frame2, {240, 915, 1335, 495}},       {C::Text1, C::Frame2, {1560, 840, 855, 300}},
    {C::Command1, C::Frame2, {2520, 760, 975, 450}},     {C::Frame3, std::nullopt, {120, 1800, 5775, 2655}},
    {C::Text2, C::Frame3, {120, 240, 5535, 2295}},       {C::Text3, C::Frame3, {120, 240, 5535, 2295}},
    {C::Text4, C::Frame3, {120, 240, 5535, 2295}},       {C::Command2, std::nullopt, {2280, 4560, 1215, 375}},
    {C::Command3, std::nullopt, {3720, 4560, 975, 375}}, {C::Command4, std::nullopt, {4800, 4560, 950, 375}},
    {C::Label3, std::nullopt, {480, 4680, 495, 255}},
};
static_assert(std::size(kDesign) == kMainControlCount);

constexpr bool InControlOrder() {
    for (std::size_t i = 0; i < std::size(kDesign); ++i) {
        if (Index(kDesign[i].control) != i) {
            return false;
        }
    }
    return true;
}
static_assert(InControlOrder(), "the design lists the controls in their enum order");

constexpr MainControl kStacking[] = {
    C::Frame3,    C::Frame2,    C::Frame1,    C::Label2,   C::Label1,   C::Option1_0, C::Option1_1,
    C::Option1_2, C::Option2_0, C::Option2_1, C::Text1,    C::Command1, C::Text2,     C::Text3,
    C::Text4,     C::Command2,  C::Command3,  C::Command4, C::Label3,
};
static_assert(std::size(kStacking) == kMainControlCount);

constexpr TabStop kTabStops[] = {
    {C::Option1_0, C::Option1_2}, {C::Option2_0, C::Option2_1}, {C::Text1, C::Text1},
    {C::Command1, C::Command1},   {C::Command2, C::Command2},   {C::Command3, C::Command3},
    {C::Command4, C::Command4},
};

// What a switch to each language sets; an empty value leaves the control as it stands.
struct LanguageMove {
    MainControl control;
    int TwipsBox::*edge;
    std::optional<int> chinese;
    std::optional<int> english;
};

constexpr LanguageMove kLanguageMoves[] = {
    {C::Option2_0, &TwipsBox::left, 1520, 1030},
    {C::Option2_1, &TwipsBox::left, 2280, 2220},
    {C::Option2_1, &TwipsBox::width, std::nullopt, 1300},
    {C::Label2, &TwipsBox::top, 915, 780},
    {C::Text1, &TwipsBox::left, 1560, 1200},
    {C::Text1, &TwipsBox::width, 855, 855},
    {C::Command1, &TwipsBox::left, 2480, 2200},
    {C::Command1, &TwipsBox::width, 1000, 1000},
    {C::Command2, &TwipsBox::left, 2430, 2250},
    {C::Command2, &TwipsBox::width, 1180, 1360},
};

// The English search button's width while it reads "Contract".
constexpr int kEnglishReverseSearchWidth = 1200;

}  // namespace

std::span<const MainControl> MainStackingOrder() {
    return kStacking;
}

std::span<const TabStop> MainTabStops() {
    return kTabStops;
}

std::optional<TabStop> NextTabStop(std::optional<MainControl> from, bool backwards,
                                   const std::function<bool(const TabStop&)>& canFocus) {
    const int count = static_cast<int>(std::size(kTabStops));
    int at = backwards ? count : -1;  // from no stop: start at the near end
    for (int i = 0; from && i < count; ++i) {
        if (*from >= kTabStops[i].first && *from <= kTabStops[i].last) {
            at = i;
        }
    }
    for (int step = 1; step <= count; ++step) {
        const int index = ((at + (backwards ? -step : step)) % count + count) % count;
        if (canFocus(kTabStops[index])) {
            return kTabStops[index];
        }
    }
    return std::nullopt;
}

MainLayout::MainLayout() {
    for (const Design& design : kDesign) {
        m_boxes[Index(design.control)] = design.box;
    }
}

TwipsBox MainLayout::Bounds(MainControl control) const {
    TwipsBox box = m_boxes[Index(control)];
    if (const auto frame = kDesign[Index(control)].frame) {
        box.left += m_boxes[Index(*frame)].left;
        box.top += m_boxes[Index(*frame)].top;
    }
    return box;
}

void MainLayout::Arrange(Language language, SearchMode mode) {
    const bool chinese = language == Language::Chinese;
    for (const LanguageMove& move : kLanguageMoves) {
        if (const std::optional<int> value = chinese ? move.chinese : move.english) {
            m_boxes[Index(move.control)].*move.edge = *value;
        }
    }
    if (!chinese && mode == SearchMode::ReverseSearch) {
        m_boxes[Index(C::Command1)].width = kEnglishReverseSearchWidth;
    }
}

}  // namespace orvell::app
