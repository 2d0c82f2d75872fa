#pragma once

// The XP button's property table: for every saved property its key, where it lives, its default and
// what its setter does. Saving and restoring, the checked setters and the standard colour scheme all
// read it, so a property's rules are stated once, here.

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

#include "controls/xp_button_properties.h"

namespace orvell::controls {

// Where a property lives; the member's type is the property's type.
using XpMember = std::variant<std::int32_t XpButtonProperties::*, std::int16_t XpButtonProperties::*,
                              double XpButtonProperties::*, bool XpButtonProperties::*,
                              Colour XpButtonProperties::*, std::wstring XpButtonProperties::*,
                              PictureRef XpButtonProperties::*, FontDescription XpButtonProperties::*>;

// A property's default, of the property's type. None (monostate) for the pictures, which start
// empty, and for the caption and the font, whose defaults the host gives: its name for the control
// and its own font.
using XpDefault =
    std::variant<std::monostate, std::int32_t, std::int16_t, double, bool, Colour, std::wstring_view>;

// What a setter does once it has stored a value and told the host.
enum class XpRedraw : std::uint8_t {
    None,          // nothing: the next drawing shows it
    ReDraw,        // draw the face again for its state
    Refresh,       // lay the face out again and draw all of it
    AttachedArea,  // the attached area's width follows the value, then Refresh
    OwnSetter,     // the setter has rules of its own (VelloXPButton's Set... functions)
};

// When a checked setter takes a value.
enum class XpCheck : std::uint8_t {
    None,     // always
    Types,    // on the types of `takenOn`; those of `keptOn` store it without a word; others refuse it
    Percent,  // from 0 to 100
    Scaled,   // while the picture is stretched into its frame (图片_缩放开关)
};

// A set of button types.
class XpTypes {
public:
    constexpr XpTypes() = default;
    constexpr XpTypes(std::initializer_list<std::int32_t> types) {
        for (const std::int32_t type : types) {
            m_bits |= 1u << type;
        }
    }
    constexpr bool Has(std::int32_t type) const { return type >= 0 && type < 32 && ((m_bits >> type) & 1u); }

private:
    std::uint32_t m_bits = 0;
};

inline constexpr XpTypes kPushTypes{0, 1, 2, 3};         // the types with a picture and a caption
inline constexpr XpTypes kAttachedTypes{0, 1, 2, 3, 4};  // the types with an attached area
inline constexpr XpTypes kSeparatorOnly{5};

struct XpProperty {
    std::wstring_view key;  // the public name: the saved key, and the name the host is told
    XpMember member;
    XpDefault fallback{};
    XpRedraw redraw = XpRedraw::None;
    bool inScheme = false;  // the standard colour scheme puts it back to its default
    XpCheck check = XpCheck::None;
    XpTypes takenOn{};
    XpTypes keptOn{};
    std::wstring_view refusal{};  // the text of the box that refuses a value
    bool toldBeforeBox = false;   // a refusal tells the host before its box rather than after it
    bool redrawsRefused = false;  // a refusal still redraws as `redraw` says
    bool savedAsInteger = false;  // a Long saved as a 16-bit Integer
};

namespace xp_table {

using P = XpButtonProperties;
using I = std::int16_t;
constexpr auto kReDraw = XpRedraw::ReDraw;
constexpr auto kRefresh = XpRedraw::Refresh;
constexpr auto kOwn = XpRedraw::OwnSetter;

// In the order a save writes them. Restoring reads the same keys; none of the values it reads
// depends on another, so the order does not matter to it.
inline constexpr std::array kRows = std::to_array<XpProperty>({
    {.key = L"Caption", .member = &P::caption, .redraw = kRefresh},
    {.key = L"Enabled", .member = &P::enabled, .fallback = true, .redraw = kOwn},
    {.key = L"Font", .member = &P::font, .redraw = kOwn},
    {.key = L"MouseIcon", .member = &P::mouseIcon, .redraw = kOwn},
    {.key = L"MousePointer",
     .member = &P::mousePointer,
     .fallback = 0,
     .redraw = kOwn,
     .savedAsInteger = true},
    {.key = L"Button_类型", .member = &P::type, .fallback = 0, .redraw = kOwn},
    {.key = L"Button配色方案", .member = &P::colourScheme, .fallback = 0, .redraw = kOwn},
    {.key = L"Button标题区百分比",
     .member = &P::captionPercent,
     .fallback = 80.0,
     .redraw = kRefresh,
     .check = XpCheck::Percent,
     .refusal = L"Button标题区百分比应为：0～100，设为0时只显示图片区域，设为100时只显示标题区域"},
    {.key = L"Button标题区位置", .member = &P::captionPosition, .fallback = 1, .redraw = kRefresh},
    {.key = L"Button标题区内布置方式", .member = &P::captionAlignment, .fallback = 4, .redraw = kRefresh},
    {.key = L"Button图片区内布置方式", .member = &P::pictureAlignment, .fallback = 4, .redraw = kRefresh},
    {.key = L"Button图片_常显", .member = &P::picture, .redraw = kOwn},
    {.key = L"Button图片_选中", .member = &P::hoverPicture},
    {.key = L"Button图片_附加区", .member = &P::attachedPicture, .redraw = kOwn},
    {.key = L"Button声音_选中时", .member = &P::hoverSound, .fallback = L".\\media\\over.wav"},
    {.key = L"Button声音_执行时", .member = &P::clickSound, .fallback = L".\\media\\click.wav"},
    {.key = L"关闭DisEnabled效果",
     .member = &P::noDisabledLook,
     .fallback = false,
     .redraw = kReDraw,
     .check = XpCheck::Types,
     .takenOn = kPushTypes,
     .refusal = L"“关闭DisEnabled效果”对本按钮类型无效",
     .redrawsRefused = true},
    {.key = L"边框色",
     .member = &P::borderColour,
     .fallback = Colour(0x800000),
     .redraw = kReDraw,
     .inScheme = true},
    {.key = L"阴影显示开关", .member = &P::shadowSwitch, .fallback = true, .inScheme = true},
    {.key = L"阴影色", .member = &P::shadowColour, .fallback = Colour(0x9C8181), .inScheme = true},
    {.key = L"阴影长度", .member = &P::shadowLength, .fallback = I{2}, .inScheme = true},
    {.key = L"边框显示开关_选中时", .member = &P::borderHoverSwitch, .fallback = true, .inScheme = true},
    {.key = L"焦点框显示开关", .member = &P::focusRectVisible, .fallback = false, .inScheme = true},
    {.key = L"焦点框内移距离", .member = &P::focusInset, .fallback = I{4}, .inScheme = true},
    {.key = L"标题显示开关", .member = &P::captionVisible, .fallback = true, .redraw = kRefresh},
    {.key = L"标题_文字自动换行", .member = &P::captionWordWrap, .fallback = false, .redraw = kRefresh},
    {.key = L"标题_背景色",
     .member = &P::captionBack,
     .fallback = Colour(0xF0F0F0),
     .redraw = kOwn,
     .inScheme = true},
    {.key = L"标题_背景色_选中时",
     .member = &P::captionBackHover,
     .fallback = Colour(0xD1ADAD),
     .inScheme = true},
    {.key = L"标题_背景色_按下时",
     .member = &P::captionBackPressed,
     .fallback = Colour(0xC08080),
     .inScheme = true},
    {.key = L"标题_文字色开关_按下时",
     .member = &P::captionPressedSwitch,
     .fallback = true,
     .inScheme = true},
    {.key = L"标题_背景色_平滑色",
     .member = &P::captionBackSmooth,
     .fallback = Colour(0xF0F0F0),
     .redraw = kOwn,
     .inScheme = true},
    {.key = L"标题_文字色开关_平滑色",
     .member = &P::captionSmoothSwitch,
     .fallback = true,
     .redraw = kReDraw,
     .inScheme = true},
    {.key = L"标题_文字色",
     .member = &P::captionText,
     .fallback = Colour(0),
     .redraw = kReDraw,
     .inScheme = true},
    {.key = L"标题_文字色_选中时", .member = &P::captionTextHover, .fallback = Colour(0), .inScheme = true},
    {.key = L"标题_文字色_按下时", .member = &P::captionTextPressed, .fallback = Colour(0), .inScheme = true},
    {.key = L"标题_留空_底部", .member = &P::captionMarginBottom, .fallback = I{2}, .redraw = kRefresh},
    {.key = L"标题_留空_左侧", .member = &P::captionMarginLeft, .fallback = I{2}, .redraw = kRefresh},
    {.key = L"标题_留空_右侧", .member = &P::captionMarginRight, .fallback = I{2}, .redraw = kRefresh},
    {.key = L"标题_留空_顶部", .member = &P::captionMarginTop, .fallback = I{2}, .redraw = kRefresh},
    {.key = L"图片框_背景色",
     .member = &P::frameBack,
     .fallback = Colour(0xFFFFFF),
     .redraw = kReDraw,
     .inScheme = true},
    {.key = L"图片框_背景色开关",
     .member = &P::frameBackSwitch,
     .fallback = false,
     .redraw = kReDraw,
     .inScheme = true,
     .check = XpCheck::Types,
     .takenOn = kPushTypes,
     .keptOn = kSeparatorOnly,
     .refusal = L"“图片框_背景色开关”属性对当前按钮类型无效"},
    {.key = L"图片_前景色",
     .member = &P::pictureFore,
     .fallback = Colour(0xC0C0C0),
     .redraw = kReDraw,
     .inScheme = true},
    {.key = L"图片_前景色开关",
     .member = &P::pictureForeSwitch,
     .fallback = false,
     .redraw = kReDraw,
     .inScheme = true},
    {.key = L"图片区_背景色",
     .member = &P::pictureBack,
     .fallback = Colour(0x8000000F),
     .redraw = kOwn,
     .inScheme = true},
    {.key = L"图片区_背景色_选中时",
     .member = &P::pictureBackHover,
     .fallback = Colour(0xD1ADAD),
     .inScheme = true},
    {.key = L"图片区_背景色_按下时",
     .member = &P::pictureBackPressed,
     .fallback = Colour(0xC08080),
     .inScheme = true},
    {.key = L"图片区_背景色开关_按下时",
     .member = &P::picturePressedSwitch,
     .fallback = true,
     .inScheme = true},
    {.key = L"图片区_背景色_平滑色",
     .member = &P::pictureBackSmooth,
     .fallback = Colour(0xDBE3EB),
     .redraw = kOwn,
     .inScheme = true},
    {.key = L"图片区_背景色开关_平滑色",
     .member = &P::pictureSmoothSwitch,
     .fallback = true,
     .redraw = kReDraw,
     .inScheme = true},
    {.key = L"图片框_框内留空_底部", .member = &P::frameMarginBottom, .fallback = I{4}, .redraw = kRefresh},
    {.key = L"图片框_框内留空_左侧", .member = &P::frameMarginLeft, .fallback = I{4}, .redraw = kRefresh},
    {.key = L"图片框_框内留空_右侧", .member = &P::frameMarginRight, .fallback = I{4}, .redraw = kRefresh},
    {.key = L"图片框_框内留空_顶部", .member = &P::frameMarginTop, .fallback = I{4}, .redraw = kRefresh},
    {.key = L"图片_缩放开关", .member = &P::pictureScaled, .fallback = false, .redraw = kRefresh},
    {.key = L"图片框_高",
     .member = &P::frameHeight,
     .fallback = 26,
     .redraw = kRefresh,
     .check = XpCheck::Scaled,
     .refusal = L"因“图片_缩放开关”目前被关闭，“图片框_高”的设置无效"},
    {.key = L"图片框_宽",
     .member = &P::frameWidth,
     .fallback = 26,
     .redraw = kRefresh,
     .check = XpCheck::Scaled,
     .refusal = L"因“图片_缩放开关”目前被关闭，“图片框_宽”的设置无效"},
    {.key = L"工具条_前景色",
     .member = &P::toolbarColour,
     .fallback = Colour(0xC0C0C0),
     .redraw = kReDraw,
     .inScheme = true,
     .check = XpCheck::Types,
     .takenOn = {5, 6},
     .refusal = L"“工具条_前景色”仅对OfficeXP菜单垂直线型分隔符、OfficeXP菜单垂直工具条句柄有效"},
    {.key = L"工具条_句柄符宽度",
     .member = &P::gripWidth,
     .fallback = I{3},
     .redraw = kRefresh,
     .check = XpCheck::Types,
     .takenOn = {6},
     .refusal = L"“工具条_句柄符宽度”仅对“OfficeXP菜单垂直工具条句柄”有效"},
    {.key = L"工具条_句柄划线间距",
     .member = &P::gripSpacing,
     .fallback = I{2},
     .redraw = kRefresh,
     .check = XpCheck::Types,
     .takenOn = {6},
     .refusal = L"“工具条_句柄划线间距”仅对“OfficeXP菜单垂直工具条句柄”有效"},
    {.key = L"附加区周边留空",
     .member = &P::attachedMargin,
     .fallback = I{0},
     .redraw = XpRedraw::AttachedArea,
     .check = XpCheck::Types,
     .takenOn = kAttachedTypes,
     .keptOn = kSeparatorOnly,
     .refusal = L"“附加区周边留空”属性对当前按钮类型无效",
     .toldBeforeBox = true},
    {.key = L"附加图片宽",
     .member = &P::attachedWidth,
     .fallback = I{0},
     .redraw = XpRedraw::AttachedArea,
     .check = XpCheck::Types,
     .takenOn = kAttachedTypes,
     .keptOn = kSeparatorOnly,
     .refusal = L"“附加图片宽”属性对当前按钮类型无效",
     .toldBeforeBox = true},
    {.key = L"附加图片高",
     .member = &P::attachedHeight,
     .fallback = I{0},
     .redraw = kRefresh,
     .check = XpCheck::Types,
     .takenOn = kAttachedTypes,
     .keptOn = kSeparatorOnly,
     .refusal = L"“附加图片高”属性对当前按钮类型无效",
     .toldBeforeBox = true},
    {.key = L"热键", .member = &P::accessKeyText, .fallback = L""},
    {.key = L"图片框效果",
     .member = &P::frameEffect,
     .fallback = 0,
     .redraw = kReDraw,
     .inScheme = true,
     .check = XpCheck::Types,
     .takenOn = kPushTypes,
     .keptOn = kSeparatorOnly,
     .refusal = L"“图片框效果”属性对当前按钮类型无效"},
});

// Where the row of a member is; a member without a row does not compile where it is looked up, as
// XpRow is a constant. (Not consteval: clang 14 refuses it inside a variable template.)
constexpr std::size_t IndexOf(XpMember member) {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        if (kRows[i].member == member) {
            return i;
        }
    }
    throw "a property without a row in the table";
}

// Each key and member once, and each default of its property's type.
consteval bool IsConsistent() {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const XpProperty& row = kRows[i];
        for (std::size_t j = 0; j < i; ++j) {
            if (kRows[j].key == row.key || kRows[j].member == row.member) {
                return false;
            }
        }
        const bool fits = std::visit(
            [&](auto member) {
                using T = std::remove_cvref_t<decltype(std::declval<P&>().*member)>;
                if (std::holds_alternative<std::monostate>(row.fallback)) {
                    return !std::is_arithmetic_v<T> && !std::is_same_v<T, Colour>;
                }
                if constexpr (std::is_same_v<T, std::wstring>) {
                    return std::holds_alternative<std::wstring_view>(row.fallback);
                } else if constexpr (std::is_same_v<T, PictureRef> || std::is_same_v<T, FontDescription>) {
                    return false;
                } else {
                    return std::holds_alternative<T>(row.fallback);
                }
            },
            row.member);
        if (!fits) {
            return false;
        }
    }
    return true;
}
static_assert(IsConsistent(), "a key or member twice, or a default of the wrong type");

}  // namespace xp_table

// The property table, in the order a save writes it.
inline constexpr const auto& kXpProperties = xp_table::kRows;

// The row of a property, found when compiled: XpRow<&XpButtonProperties::caption>.
template <auto Member>
inline constexpr const XpProperty& XpRow = xp_table::kRows[xp_table::IndexOf(Member)];

// The public name of a property: kXpKey<&XpButtonProperties::type> is "Button_类型".
template <auto Member>
inline constexpr std::wstring_view kXpKey = XpRow<Member>.key;

// A property's default, with the host's name and font for the caption and the font.
template <typename T>
T DefaultOf(const XpProperty& row, std::wstring_view hostName = L"", const FontDescription& hostFont = {}) {
    if constexpr (std::is_same_v<T, std::wstring>) {
        const auto* text = std::get_if<std::wstring_view>(&row.fallback);
        return std::wstring(text != nullptr ? *text : hostName);
    } else if constexpr (std::is_same_v<T, FontDescription>) {
        return hostFont;
    } else if constexpr (std::is_same_v<T, PictureRef>) {
        return nullptr;
    } else {
        return std::get<T>(row.fallback);
    }
}

// Puts a property back to its default.
inline void ResetToDefault(XpButtonProperties& properties, const XpProperty& row) {
    std::visit(
        [&](auto member) {
            auto& value = properties.*member;
            value = DefaultOf<std::remove_cvref_t<decltype(value)>>(row);
        },
        row.member);
}

}  // namespace orvell::controls
