#include "app/main_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace orvell::app {
namespace {

using C = MainControl;
using Arrangement = std::vector<std::pair<Language, SearchMode>>;

constexpr auto kZh = Language::Chinese;
constexpr auto kEn = Language::English;
constexpr auto kSearch = SearchMode::Search;
constexpr auto kReverse = SearchMode::ReverseSearch;

MainLayout Arranged(const Arrangement& steps) {
    MainLayout layout;
    for (const auto& [language, mode] : steps) {
        layout.Arrange(language, mode);
    }
    return layout;
}

bool Overlap(const TwipsBox& a, const TwipsBox& b) {
    return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

bool Inside(const TwipsBox& inner, const TwipsBox& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.Right() <= outer.Right() &&
           inner.Bottom() <= outer.Bottom();
}

// In every language and mode each control stays in the window and in its frame, and where two overlap
// nothing a user reads or clicks lies under a frame or label; of the rest only the value option lies
// over the character option, and the output frame's three boxes share one place (one shows at a time).
TEST(MainLayout, NoArrangementHidesAControl) {
    const std::map<C, C> frameOf{
        {C::Option1_0, C::Frame1}, {C::Option1_1, C::Frame1}, {C::Option1_2, C::Frame1},
        {C::Label1, C::Frame2},    {C::Option2_0, C::Frame2}, {C::Option2_1, C::Frame2},
        {C::Label2, C::Frame2},    {C::Text1, C::Frame2},     {C::Command1, C::Frame2},
        {C::Text2, C::Frame3},     {C::Text3, C::Frame3},     {C::Text4, C::Frame3}};
    const auto rank = [](C c) {
        return c == C::Frame1 || c == C::Frame2 || c == C::Frame3 ? 0
               : c == C::Label1 || c == C::Label2                 ? 1
                                                                  : 2;
    };
    const auto order = MainStackingOrder();
    const auto height = [&](C c) { return std::find(order.begin(), order.end(), c) - order.begin(); };
    for (std::size_t i = 0; i < kMainControlCount; ++i) {
        EXPECT_EQ(std::count(order.begin(), order.end(), static_cast<C>(i)), 1)
            << "control " << i << " stacked";
    }
    for (const Arrangement& steps :
         {Arrangement{}, Arrangement{{kZh, kSearch}}, Arrangement{{kZh, kReverse}},
          Arrangement{{kEn, kSearch}}, Arrangement{{kEn, kReverse}, {kZh, kSearch}}}) {
        const MainLayout layout = Arranged(steps);
        for (std::size_t i = 0; i < kMainControlCount; ++i) {
            const auto a = static_cast<C>(i);
            const TwipsBox box = layout.Bounds(a);
            SCOPED_TRACE(::testing::Message() << "after " << steps.size() << " switches, control " << i);
            EXPECT_TRUE(Inside(box, {0, 0, kMainClientWidth, kMainClientHeight}));
            EXPECT_TRUE(!frameOf.contains(a) || Inside(box, layout.Bounds(frameOf.at(a))));
            for (std::size_t j = i + 1; j < kMainControlCount; ++j) {
                const auto b = static_cast<C>(j);
                if (!Overlap(box, layout.Bounds(b))) {
                    continue;
                }
                if (rank(a) != rank(b)) {
                    EXPECT_EQ(rank(a) < rank(b), height(a) < height(b)) << "under control " << j;
                } else if (frameOf.contains(a) && frameOf.at(a) == C::Frame3) {
                    EXPECT_EQ(box, layout.Bounds(b)) << "control " << j;
                } else {
                    EXPECT_TRUE(a == C::Option2_0 && b == C::Option2_1 && height(a) < height(b))
                        << "control " << j;
                }
            }
        }
    }
}

// In English the search button grows for "Contract" and shrinks back for "&Search"; the value option
// keeps its English width when Chinese, which sets none, follows.
TEST(MainLayout, ModeAndLanguageHistoryDecideTheWidths) {
    const auto width = [](const Arrangement& steps, C control) {
        return Arranged(steps).Bounds(control).width;
    };
    EXPECT_GT(width({{kEn, kReverse}}, C::Command1), width({{kEn, kSearch}}, C::Command1));
    EXPECT_EQ(width({{kEn, kReverse}, {kEn, kSearch}}, C::Command1), width({{kEn, kSearch}}, C::Command1));
    EXPECT_EQ(width({{kZh, kReverse}}, C::Command1), width({{kZh, kSearch}}, C::Command1));
    EXPECT_NE(width({{kZh, kSearch}}, C::Option2_1), width({{kEn, kSearch}}, C::Option2_1));
    EXPECT_EQ(width({{kEn, kSearch}, {kZh, kSearch}}, C::Option2_1), width({{kEn, kSearch}}, C::Option2_1));
}

// Tab wraps round; stops that cannot take the focus (hidden, disabled) are passed over.
TEST(MainTabStops, NextStopWrapsAndSkipsWhatCannotTakeTheFocus) {
    using C = MainControl;
    const auto all = [](const TabStop&) { return true; };
    const auto noButtons = [](const TabStop& stop) { return stop.first < C::Command1; };
    struct Case {
        std::optional<C> from;
        bool backwards;
        std::function<bool(const TabStop&)> canFocus;
        std::optional<C> expected;  // the first control of the stop
    };
    const Case cases[] = {
        {C::Text1, false, all, C::Command1},
        {C::Option1_2, false, all, C::Option2_0},
        {C::Command4, false, all, C::Option1_0},
        {C::Option1_1, true, all, C::Command4},
        {C::Text1, false, noButtons, C::Option1_0},
        {C::Label3, false, all, C::Option1_0},
        {std::nullopt, true, all, C::Command4},
        {C::Text1, false, [](const TabStop&) { return false; }, std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<TabStop> stop = NextTabStop(c.from, c.backwards, c.canFocus);
        EXPECT_EQ(stop ? std::optional<C>(stop->first) : std::nullopt, c.expected)
            << "from " << (c.from ? static_cast<int>(*c.from) : -1) << (c.backwards ? " backwards" : "");
    }
}

}  // namespace
}  // namespace orvell::app
