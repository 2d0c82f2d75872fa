#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "common/colour.h"
#include "controls/font_description.h"
#include "controls/picture.h"

namespace orvell::controls {

// The button types.
namespace xp_type {
inline constexpr std::int32_t kXp = 0;               // rounded push button with a gradient face
inline constexpr std::int32_t kFlat = 1;             // flat button
inline constexpr std::int32_t kFlatArrow = 2;        // flat button with a right arrow at its right edge
inline constexpr std::int32_t kToolbarDropDown = 3;  // toolbar button with a drop-down part
inline constexpr std::int32_t kChevron = 4;          // toolbar chevron
inline constexpr std::int32_t kSeparator = 5;        // "OfficeXP菜单垂直线型分隔符"
inline constexpr std::int32_t kGrip = 6;             // "OfficeXP菜单垂直工具条句柄"
}  // namespace xp_type

// Cursor shapes of MousePointer.
inline constexpr std::int32_t kDefaultPointer = 0;
inline constexpr std::int32_t kSizeAllPointer = 15;
inline constexpr std::int32_t kCustomPointer = 99;

// Every saved property of the XP button. Integers are the 16-bit values of the saved form; switches
// are Booleans (saved as -1 and 0). The property table (xp_button_table.h) gives each its key, its
// default and the rules of its setter; a new set holds the defaults.
struct XpButtonProperties {
    XpButtonProperties();

    std::int32_t type{};
    double captionPercent{};
    std::int32_t captionAlignment{};
    std::int32_t captionPosition{};
    std::int32_t colourScheme{};
    std::wstring hoverSound;
    std::wstring clickSound;
    PictureRef picture;
    PictureRef attachedPicture;
    PictureRef hoverPicture;
    std::int32_t pictureAlignment{};
    std::wstring caption;
    bool enabled{};
    FontDescription font;
    PictureRef mouseIcon;
    std::int32_t mousePointer{};
    Colour captionBack;
    Colour captionBackPressed;
    Colour captionBackSmooth;
    Colour captionBackHover;
    std::int16_t captionMarginBottom{};
    std::int16_t captionMarginTop{};
    std::int16_t captionMarginLeft{};
    std::int16_t captionMarginRight{};
    Colour captionText;
    Colour captionTextPressed;
    Colour captionTextHover;
    bool captionPressedSwitch{};  // kept with the caption colours; no drawing reads it
    bool captionSmoothSwitch{};
    bool captionWordWrap{};
    bool captionVisible{};
    Colour borderColour;
    bool borderHoverSwitch{};  // kept with the frame colour; no drawing reads it
    bool noDisabledLook{};
    std::int16_t attachedMargin{};
    std::int16_t attachedWidth{};
    std::int16_t attachedHeight{};
    std::int16_t gripSpacing{};
    std::int16_t gripWidth{};
    Colour toolbarColour;
    std::int16_t focusInset{};
    bool focusRectVisible{};
    std::wstring accessKeyText;
    bool pictureForeSwitch{};
    Colour pictureFore;
    bool pictureScaled{};
    Colour pictureBack;
    Colour pictureBackPressed;
    Colour pictureBackSmooth;
    Colour pictureBackHover;
    bool picturePressedSwitch{};  // kept with the picture colours; no drawing reads it
    bool pictureSmoothSwitch{};
    Colour frameBack;
    bool frameBackSwitch{};
    std::int32_t frameHeight{};
    std::int32_t frameWidth{};
    std::int16_t frameMarginBottom{};
    std::int16_t frameMarginTop{};
    std::int16_t frameMarginLeft{};
    std::int16_t frameMarginRight{};
    std::int32_t frameEffect{};
    std::int16_t shadowLength{};
    Colour shadowColour;
    bool shadowSwitch{};  // kept with the shadow settings; no drawing reads it

    // Pictures compare by identity: the same loaded picture.
    friend bool operator==(const XpButtonProperties&, const XpButtonProperties&) = default;
};

// The type of the property a member pointer names: XpValueOf<&XpButtonProperties::caption> is
// std::wstring.
template <auto Member>
using XpValueOf = std::remove_cvref_t<decltype(std::declval<XpButtonProperties&>().*Member)>;

// The attached-area values a type sets: margin, picture width, picture height and area width.
struct AttachedArea {
    std::int16_t margin = 0;
    std::int16_t width = 0;
    std::int16_t height = 0;
    std::int16_t areaWidth = 0;
    friend bool operator==(const AttachedArea&, const AttachedArea&) = default;
};
AttachedArea AttachedAreaOfType(std::int32_t type);

// The attached area's width, 2 x margin + picture width. It is a 16-bit value like its parts; a sum
// beyond that range stops at -32768 or 32767 instead of wrapping round to a small or negative width.
std::int16_t AttachedAreaWidth(std::int16_t margin, std::int16_t width);

// A count of pixels as a 16-bit property value, stopping at the ends of the range.
std::int16_t ClampToInteger(long long value);

}  // namespace orvell::controls
