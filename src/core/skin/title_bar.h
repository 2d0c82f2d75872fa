#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/colour.h"
#include "common/geometry.h"
#include "controls/font_description.h"
#include "controls/property_bag.h"
#include "skin/title_bar_layout.h"

namespace orvell::skin {

// The saved properties of the drawn title bar (BForm), by their keys in a design.
namespace bform_key {
inline constexpr std::wstring_view kBackColor = L"BackColor";
inline constexpr std::wstring_view kCaption = L"Caption";
}  // namespace bform_key

inline constexpr Colour kDefaultBackColor = Colour(14346732);  // "14346732", RGB(236, 233, 218)
inline constexpr std::wstring_view kDefaultCaption = L"NewForm";

// The caption is printed in white on the blue strip, in the secondary windows' bold SimSun.
inline constexpr Colour kCaptionColour = Colour::Rgb(255, 255, 255);
inline controls::FontDescription CaptionFont() {
    return controls::SongTi(9, true);
}

struct BFormProperties {
    Colour backColor = kDefaultBackColor;
    std::wstring caption = std::wstring(kDefaultCaption);
    friend bool operator==(const BFormProperties&, const BFormProperties&) = default;
};

// BackColor is kept as the decimal text of the colour's 32-bit value (a system colour reads as a
// negative number, as a Long prints it).
std::wstring BackColorText(Colour colour);
// Decimal text, blanks around it allowed; nothing for anything else, or a number outside 32 bits.
std::optional<Colour> ParseBackColor(std::wstring_view text);

// A missing key gives its default; a BackColor that is not a number gives the default too and is
// listed in the bag's problems.
BFormProperties RestoreBForm(const controls::PropertyBag& bag);
// Values equal to their defaults are left out, so reading them back gives the defaults.
void SaveBForm(const BFormProperties& properties, controls::PropertyBag& bag);

enum class TitleButton { Min, Close };

// The tooltip of a button for the stored "Language" setting: 0 is Chinese, any other number English.
std::wstring_view TitleBarTooltip(TitleButton button, std::int32_t languageSetting);

// What a button shows over the title art: nothing (the idle picture in the art shows through), the
// hover image or the pressed image.
enum class ButtonLook { Idle, Hover, Pressed };

enum class TitleBarEventKind { MouseDown, MinClick, CloseClick, DblClick };

// An event for the host. MouseDown carries the mouse button (1 left, 2 right, 4 middle), the
// modifier bits (1 Shift, 2 Ctrl, 4 Alt) and the point on the bar in pixels.
struct TitleBarEvent {
    TitleBarEventKind kind = TitleBarEventKind::MouseDown;
    int button = 0;
    int shift = 0;
    Point at{};
    friend bool operator==(const TitleBarEvent&, const TitleBarEvent&) = default;
};

inline constexpr int kLeftMouseButton = 1;

// The buttons' looks and the events of the bar, from the mouse over the parts of the bar.
//
// A left press on a button holds it (pressed look, the bar keeps the mouse) until the release, which
// clicks it when the pointer is still over it and leaves it idle wherever the pointer is. Any press on
// the bar itself is a MouseDown, a left double click there a DblClick. Passing over a button shows its
// hover look; over the bar itself, or off the bar, none.
class TitleBarInput {
public:
    ButtonLook Look(TitleButton button) const { return button == TitleButton::Min ? m_minLook : m_closeLook; }
    // A button is held down: the window keeps the mouse until the release.
    bool Pressing() const { return m_held.has_value(); }

    void OnMove(TitleBarPart part);
    void OnLeave();
    std::optional<TitleBarEvent> OnDown(int button, int shift, Point at, TitleBarPart part);
    std::optional<TitleBarEvent> OnUp(int button, TitleBarPart part);
    // The second press of a double click: a DblClick on the bar, a press on a button.
    std::optional<TitleBarEvent> OnDoubleClick(int button, int shift, Point at, TitleBarPart part);
    // The mouse was taken away (another window's capture, a cancelled mode): no click comes.
    void OnCaptureLost();

private:
    ButtonLook& LookOf(TitleButton button) { return button == TitleButton::Min ? m_minLook : m_closeLook; }

    ButtonLook m_minLook = ButtonLook::Idle;
    ButtonLook m_closeLook = ButtonLook::Idle;
    std::optional<TitleButton> m_held;
};

}  // namespace orvell::skin
