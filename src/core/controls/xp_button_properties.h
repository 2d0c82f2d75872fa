#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "common/colour.h"
#include "controls/font_description.h"
#include "controls/picture.h"

namespace orvell::controls {

// The public property names of the XP button. They are also the keys of its saved properties, and
// the names the host is told when a property changes; the caption alone is saved as "Caption".
namespace xp_key {
inline constexpr std::wstring_view kType = L"Button_类型";
inline constexpr std::wstring_view kCaptionPercent = L"Button标题区百分比";
inline constexpr std::wstring_view kCaptionAlignment = L"Button标题区内布置方式";
inline constexpr std::wstring_view kCaptionPosition = L"Button标题区位置";
inline constexpr std::wstring_view kColourScheme = L"Button配色方案";
inline constexpr std::wstring_view kHoverSound = L"Button声音_选中时";
inline constexpr std::wstring_view kClickSound = L"Button声音_执行时";
inline constexpr std::wstring_view kPicture = L"Button图片_常显";
inline constexpr std::wstring_view kAttachedPicture = L"Button图片_附加区";
inline constexpr std::wstring_view kHoverPicture = L"Button图片_选中";
inline constexpr std::wstring_view kPictureAlignment = L"Button图片区内布置方式";
inline constexpr std::wstring_view kCaption = L"Caption";
inline constexpr std::wstring_view kEnabled = L"Enabled";
inline constexpr std::wstring_view kFont = L"Font";
inline constexpr std::wstring_view kMouseIcon = L"MouseIcon";
inline constexpr std::wstring_view kMousePointer = L"MousePointer";
inline constexpr std::wstring_view kCaptionBack = L"标题_背景色";
inline constexpr std::wstring_view kCaptionBackPressed = L"标题_背景色_按下时";
inline constexpr std::wstring_view kCaptionBackSmooth = L"标题_背景色_平滑色";
inline constexpr std::wstring_view kCaptionBackHover = L"标题_背景色_选中时";
inline constexpr std::wstring_view kCaptionMarginBottom = L"标题_留空_底部";
inline constexpr std::wstring_view kCaptionMarginTop = L"标题_留空_顶部";
inline constexpr std::wstring_view kCaptionMarginLeft = L"标题_留空_左侧";
inline constexpr std::wstring_view kCaptionMarginRight = L"标题_留空_右侧";
inline constexpr std::wstring_view kCaptionText = L"标题_文字色";
inline constexpr std::wstring_view kCaptionTextPressed = L"标题_文字色_按下时";
inline constexpr std::wstring_view kCaptionTextHover = L"标题_文字色_选中时";
inline constexpr std::wstring_view kCaptionPressedSwitch = L"标题_文字色开关_按下时";
inline constexpr std::wstring_view kCaptionSmoothSwitch = L"标题_文字色开关_平滑色";
inline constexpr std::wstring_view kCaptionWordWrap = L"标题_文字自动换行";
inline constexpr std::wstring_view kCaptionVisible = L"标题显示开关";
inline constexpr std::wstring_view kBorderColour = L"边框色";
inline constexpr std::wstring_view kBorderHoverSwitch = L"边框显示开关_选中时";
inline constexpr std::wstring_view kNoDisabledLook = L"关闭DisEnabled效果";
inline constexpr std::wstring_view kAttachedMargin = L"附加区周边留空";
inline constexpr std::wstring_view kAttachedWidth = L"附加图片宽";
inline constexpr std::wstring_view kAttachedHeight = L"附加图片高";
inline constexpr std::wstring_view kGripSpacing = L"工具条_句柄划线间距";
inline constexpr std::wstring_view kGripWidth = L"工具条_句柄符宽度";
inline constexpr std::wstring_view kToolbarColour = L"工具条_前景色";
inline constexpr std::wstring_view kFocusInset = L"焦点框内移距离";
inline constexpr std::wstring_view kFocusRectVisible = L"焦点框显示开关";
inline constexpr std::wstring_view kAccessKeys = L"热键";
inline constexpr std::wstring_view kPictureForeSwitch = L"图片_前景色开关";
inline constexpr std::wstring_view kPictureFore = L"图片_前景色";
inline constexpr std::wstring_view kPictureScaled = L"图片_缩放开关";
inline constexpr std::wstring_view kPictureBack = L"图片区_背景色";
inline constexpr std::wstring_view kPictureBackPressed = L"图片区_背景色_按下时";
inline constexpr std::wstring_view kPictureBackSmooth = L"图片区_背景色_平滑色";
inline constexpr std::wstring_view kPictureBackHover = L"图片区_背景色_选中时";
inline constexpr std::wstring_view kPicturePressedSwitch = L"图片区_背景色开关_按下时";
inline constexpr std::wstring_view kPictureSmoothSwitch = L"图片区_背景色开关_平滑色";
inline constexpr std::wstring_view kFrameBack = L"图片框_背景色";
inline constexpr std::wstring_view kFrameBackSwitch = L"图片框_背景色开关";
inline constexpr std::wstring_view kFrameHeight = L"图片框_高";
inline constexpr std::wstring_view kFrameWidth = L"图片框_宽";
inline constexpr std::wstring_view kFrameMarginBottom = L"图片框_框内留空_底部";
inline constexpr std::wstring_view kFrameMarginTop = L"图片框_框内留空_顶部";
inline constexpr std::wstring_view kFrameMarginLeft = L"图片框_框内留空_左侧";
inline constexpr std::wstring_view kFrameMarginRight = L"图片框_框内留空_右侧";
inline constexpr std::wstring_view kFrameEffect = L"图片框效果";
inline constexpr std::wstring_view kShadowLength = L"阴影长度";
inline constexpr std::wstring_view kShadowColour = L"阴影色";
inline constexpr std::wstring_view kShadowSwitch = L"阴影显示开关";
}  // namespace xp_key

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

// Every saved property of the XP button, holding the defaults of a restored button. Integers are the
// 16-bit values of the saved form; switches are Booleans (saved as -1 and 0).
struct XpButtonProperties {
    std::int32_t type = xp_type::kXp;
    double captionPercent = 80;
    std::int32_t captionAlignment = 4;
    std::int32_t captionPosition = 1;
    std::int32_t colourScheme = 0;
    std::wstring hoverSound = L".\\media\\over.wav";
    std::wstring clickSound = L".\\media\\click.wav";
    PictureRef picture;
    PictureRef attachedPicture;
    PictureRef hoverPicture;
    std::int32_t pictureAlignment = 4;
    std::wstring caption;
    bool enabled = true;
    FontDescription font;
    PictureRef mouseIcon;
    std::int32_t mousePointer = kDefaultPointer;
    Colour captionBack{0xF0F0F0};
    Colour captionBackPressed{0xC08080};
    Colour captionBackSmooth{0xF0F0F0};
    Colour captionBackHover{0xD1ADAD};
    std::int16_t captionMarginBottom = 2;
    std::int16_t captionMarginTop = 2;
    std::int16_t captionMarginLeft = 2;
    std::int16_t captionMarginRight = 2;
    Colour captionText{0};
    Colour captionTextPressed{0};
    Colour captionTextHover{0};
    bool captionPressedSwitch = true;  // kept with the caption colours; no drawing reads it
    bool captionSmoothSwitch = true;
    bool captionWordWrap = false;
    bool captionVisible = true;
    Colour borderColour{0x800000};
    bool borderHoverSwitch = true;  // kept with the frame colour; no drawing reads it
    bool noDisabledLook = false;
    std::int16_t attachedMargin = 0;
    std::int16_t attachedWidth = 0;
    std::int16_t attachedHeight = 0;
    std::int16_t gripSpacing = 2;
    std::int16_t gripWidth = 3;
    Colour toolbarColour{0xC0C0C0};
    std::int16_t focusInset = 4;
    bool focusRectVisible = false;
    std::wstring accessKeyText;
    bool pictureForeSwitch = false;
    Colour pictureFore{0xC0C0C0};
    bool pictureScaled = false;
    Colour pictureBack{0x8000000F};
    Colour pictureBackPressed{0xC08080};
    Colour pictureBackSmooth{0xDBE3EB};
    Colour pictureBackHover{0xD1ADAD};
    bool picturePressedSwitch = true;  // kept with the picture colours; no drawing reads it
    bool pictureSmoothSwitch = true;
    Colour frameBack{0xFFFFFF};
    bool frameBackSwitch = false;
    std::int32_t frameHeight = 26;
    std::int32_t frameWidth = 26;
    std::int16_t frameMarginBottom = 4;
    std::int16_t frameMarginTop = 4;
    std::int16_t frameMarginLeft = 4;
    std::int16_t frameMarginRight = 4;
    std::int32_t frameEffect = 0;
    std::int16_t shadowLength = 2;
    Colour shadowColour{0x9C8181};
    bool shadowSwitch = true;  // kept with the shadow settings; no drawing reads it

    // Pictures compare by identity: the same loaded picture.
    friend bool operator==(const XpButtonProperties&, const XpButtonProperties&) = default;
};

// A saved property: its key and where it lives.
struct XpBagField {
    using P = XpButtonProperties;
    using Field = std::variant<std::int32_t P::*, std::int16_t P::*, double P::*, bool P::*, Colour P::*,
                               std::wstring P::*, PictureRef P::*, FontDescription P::*>;
    std::wstring_view key;
    Field field;
};

// The keys in the order a restore reads them (the restore's side steps depend on it) and in the
// order a save writes them.
const std::vector<XpBagField>& XpRestoreOrder();
const std::vector<XpBagField>& XpSaveOrder();

// The properties a change to the standard colour scheme puts back to their defaults, in that order.
const std::vector<XpBagField>& XpSchemeResetFields();

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
