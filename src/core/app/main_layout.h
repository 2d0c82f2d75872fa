#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>

#include "common/colour.h"
#include "lookup/types.h"

namespace orvell::app {

using lookup::Language;
using lookup::SearchMode;

// The main window's controls by their design names; Option1_0 is Option1(0).
enum class MainControl {
    Frame1,
    Option1_0,
    Option1_1,
    Option1_2,
    Frame2,
    Label1,
    Option2_0,
    Option2_1,
    Label2,
    Text1,
    Command1,
    Frame3,
    Text2,
    Text3,
    Text4,
    Command2,
    Command3,
    Command4,
    Label3,
};
inline constexpr std::size_t kMainControlCount = 19;

// The five option buttons: the search type's three and the search mode's two.
constexpr bool IsOption(MainControl control) {
    return control >= MainControl::Option1_0 && control <= MainControl::Option2_1 &&
           control != MainControl::Frame2 && control != MainControl::Label1;
}

// Where a control stands, in twips: left and top in the window's client area, width and height.
struct TwipsBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int Right() const { return left + width; }
    constexpr int Bottom() const { return top + height; }
    friend constexpr bool operator==(const TwipsBox&, const TwipsBox&) = default;
};

// The window's client area in twips, and the colour of the window, its frames and its options.
inline constexpr int kMainClientWidth = 6240;
inline constexpr int kMainClientHeight = 5235;
inline constexpr Colour kMainBackground = Colour::Rgb(207, 203, 207);

// Every control once, from the bottom of the stacking order to the top. Where two overlap the later
// one lies over the earlier: the character option reaches under the value option, labels lie under
// the options and boxes they touch (the English captions move the options over the labels), and
// frames under everything they hold.
std::span<const MainControl> MainStackingOrder();

// One stop of Tab and Shift+Tab: a control, or an option group (first to last), which is one stop
// that lands on its chosen option, as in every Windows form.
struct TabStop {
    MainControl first;
    MainControl last;
};
// The stops in the order the window was designed: the two option groups, the input box and the
// buttons from left to right.
std::span<const TabStop> MainTabStops();
// The stop after (or before) the one holding a control, skipping stops that cannot take the focus now;
// from a control that is no stop, the first (or last) stop that can. Nothing when no stop can.
std::optional<TabStop> NextTabStop(std::optional<MainControl> from, bool backwards,
                                   const std::function<bool(const TabStop&)>& canFocus);

// Where each control of the main window stands. It starts as designed; a switch to a language moves
// a few controls, and in English the search button is wider for the reverse search's caption. The
// value option keeps the English width once it had it: Chinese does not set it.
class MainLayout {
public:
    MainLayout();

    TwipsBox Bounds(MainControl control) const;

    // Places the controls that language and mode decide.
    void Arrange(Language language, SearchMode mode);

private:
    // As designed: inside a frame relative to the frame.
    std::array<TwipsBox, kMainControlCount> m_boxes;
};

}  // namespace orvell::app
