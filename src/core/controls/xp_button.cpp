#include "controls/xp_button.h"

#include <type_traits>
#include <utility>
#include <variant>

#include "controls/access_keys.h"
#include "controls/colour_math.h"

namespace orvell::controls {

namespace {

using P = XpButtonProperties;

// The texts of the refusal boxes.
constexpr std::wstring_view kPercentRefused =
    L"Button标题区百分比应为：0～100，设为0时只显示图片区域，设为100时只显示标题区域";
constexpr std::wstring_view kCustomSchemeOnXp =
    L"“自定义配色方案”属性对当前按钮类型无效,控件将按“标准配色方案”设置颜色";
constexpr std::wstring_view kNoDisabledLookRefused = L"“关闭DisEnabled效果”对本按钮类型无效";
constexpr std::wstring_view kAttachedMarginRefused = L"“附加区周边留空”属性对当前按钮类型无效";
constexpr std::wstring_view kAttachedWidthRefused = L"“附加图片宽”属性对当前按钮类型无效";
constexpr std::wstring_view kAttachedHeightRefused = L"“附加图片高”属性对当前按钮类型无效";
constexpr std::wstring_view kGripSpacingRefused =
    L"“工具条_句柄划线间距”仅对“OfficeXP菜单垂直工具条句柄”有效";
constexpr std::wstring_view kGripWidthRefused = L"“工具条_句柄符宽度”仅对“OfficeXP菜单垂直工具条句柄”有效";
constexpr std::wstring_view kToolbarColourRefused =
    L"“工具条_前景色”仅对OfficeXP菜单垂直线型分隔符、OfficeXP菜单垂直工具条句柄有效";
constexpr std::wstring_view kFrameBackSwitchRefused = L"“图片框_背景色开关”属性对当前按钮类型无效";
constexpr std::wstring_view kFrameEffectRefused = L"“图片框效果”属性对当前按钮类型无效";
constexpr std::wstring_view kFrameHeightRefused = L"因“图片_缩放开关”目前被关闭，“图片框_高”的设置无效";
constexpr std::wstring_view kFrameWidthRefused = L"因“图片_缩放开关”目前被关闭，“图片框_宽”的设置无效";

bool IsPushType(std::int32_t type) {
    return type >= xp_type::kXp && type <= xp_type::kToolbarDropDown;
}

// Types 0 to 4 carry an attached area.
bool HasAttachedArea(std::int32_t type) {
    return type >= xp_type::kXp && type <= xp_type::kChevron;
}

}  // namespace

// ---- Saving and restoring --------------------------------------------------------------------------

void VelloXPButton::InitNew(std::wstring_view hostName, const FontDescription& hostFont) {
    m_props = XpButtonProperties{};
    m_props.caption = std::wstring(hostName);
    m_props.font = hostFont;
    m_props.pictureFore = Colour(0);
    StoreAttachedArea(AttachedArea{});
    m_samePicture = true;
    ApplyPlatform();
}

void VelloXPButton::Restore(const PropertyBag& bag, std::wstring_view hostName,
                            const FontDescription& hostFont, PictureSource& pictures) {
    const XpButtonProperties defaults;
    for (const XpBagField& entry : XpRestoreOrder()) {
        const std::wstring_view key = entry.key;
        std::visit(
            [&](auto field) {
                using T = std::remove_cvref_t<decltype(m_props.*field)>;
                if constexpr (std::is_same_v<T, std::int32_t>) {
                    // The cursor shape is saved as a 16-bit value.
                    m_props.*field = key == xp_key::kMousePointer ? bag.ReadInteger(key, 0)
                                                                  : bag.ReadLong(key, defaults.*field);
                } else if constexpr (std::is_same_v<T, std::int16_t>) {
                    m_props.*field = bag.ReadInteger(key, defaults.*field);
                } else if constexpr (std::is_same_v<T, double>) {
                    m_props.*field = bag.ReadDouble(key, defaults.*field);
                } else if constexpr (std::is_same_v<T, bool>) {
                    m_props.*field = bag.ReadBoolean(key, defaults.*field);
                } else if constexpr (std::is_same_v<T, Colour>) {
                    m_props.*field = bag.ReadColour(key, defaults.*field);
                } else if constexpr (std::is_same_v<T, std::wstring>) {
                    m_props.*field =
                        bag.ReadString(key, key == xp_key::kCaption ? hostName : defaults.*field);
                } else if constexpr (std::is_same_v<T, FontDescription>) {
                    m_props.*field = bag.ReadFont(key, hostFont);
                } else {
                    static_assert(std::is_same_v<T, PictureRef>);
                    const std::wstring reference = bag.ReadString(key, L"");
                    m_props.*field = reference.empty() ? nullptr : pictures.Load(reference);
                    if (!reference.empty() && !(m_props.*field)) {
                        bag.ReportProblem(0, L"\"" + std::wstring(key) + L"\": the picture \"" + reference +
                                                 L"\" could not be loaded; none is shown");
                    }
                }
            },
            entry.field);
        if (key == xp_key::kAttachedMargin) {
            m_layout.areaWidth = AttachedAreaWidth(m_props.attachedMargin, m_props.attachedWidth);
        }
    }
    if (m_props.hoverPicture) {
        m_samePicture = false;
    } else if (m_props.picture) {
        m_props.hoverPicture = m_props.picture;
        m_samePicture = true;
    } else {
        m_samePicture = false;
    }
    AddAccessKeys(m_props.accessKeyText);
    ApplyPlatform();
}

void VelloXPButton::Save(PropertyBag& bag, std::wstring_view hostName,
                         const FontDescription& hostFont) const {
    const XpButtonProperties defaults;
    for (const XpBagField& entry : XpSaveOrder()) {
        const std::wstring_view key = entry.key;
        std::visit(
            [&](auto field) {
                using T = std::remove_cvref_t<decltype(m_props.*field)>;
                if constexpr (std::is_same_v<T, std::int32_t>) {
                    bag.WriteLong(key, m_props.*field, defaults.*field);
                } else if constexpr (std::is_same_v<T, std::int16_t>) {
                    bag.WriteInteger(key, m_props.*field, defaults.*field);
                } else if constexpr (std::is_same_v<T, double>) {
                    bag.WriteDouble(key, m_props.*field, defaults.*field);
                } else if constexpr (std::is_same_v<T, bool>) {
                    bag.WriteBoolean(key, m_props.*field, defaults.*field);
                } else if constexpr (std::is_same_v<T, Colour>) {
                    bag.WriteColour(key, m_props.*field, defaults.*field);
                } else if constexpr (std::is_same_v<T, std::wstring>) {
                    bag.WriteString(key, m_props.*field,
                                    key == xp_key::kCaption ? hostName : defaults.*field);
                } else if constexpr (std::is_same_v<T, FontDescription>) {
                    bag.WriteFont(key, m_props.*field, hostFont);
                } else {
                    static_assert(std::is_same_v<T, PictureRef>);
                    const PictureRef& picture = m_props.*field;
                    bag.WriteString(key, picture ? picture->Reference() : std::wstring(), L"");
                }
            },
            entry.field);
    }
}

void VelloXPButton::ApplyPlatform() {
    m_host.ApplyEnabled(m_props.enabled);
    m_host.ApplyFont(m_props.font);
    m_host.ApplyMousePointer(m_props.mousePointer, m_props.mouseIcon.get());
}

bool VelloXPButton::HasAccessKey(wchar_t key) const {
    return key != 0 && m_accessKeys.find(UpperCase(key)) != std::wstring::npos;
}

void VelloXPButton::AddAccessKeys(std::wstring_view text) {
    controls::AddAccessKeys(m_accessKeys, text);
}

// ---- Setter machinery --------------------------------------------------------------------------------

template <typename T>
void VelloXPButton::Store(T XpButtonProperties::*field, T value, std::wstring_view key, After after) {
    m_props.*field = std::move(value);
    Notify(key);
    Run(after);
}

void VelloXPButton::Run(After after) {
    switch (after) {
        case After::Nothing:
            break;
        case After::ReDraw:
            ReDraw(false);
            break;
        case After::ForceReDraw:
            ReDraw(true);
            break;
        case After::Refresh:
            Refresh();
            break;
    }
}

void VelloXPButton::Refuse(std::wstring_view text, MessageIcon icon) {
    m_host.ShowMessage(kPropertyErrorTitle, text, icon);
}

void VelloXPButton::StoreAttachedArea(const AttachedArea& area) {
    m_props.attachedMargin = area.margin;
    m_props.attachedWidth = area.width;
    m_props.attachedHeight = area.height;
    m_layout.areaWidth = area.areaWidth;
}

void VelloXPButton::NotifyAttachedArea() {
    Notify(xp_key::kAttachedWidth);
    Notify(xp_key::kAttachedHeight);
    Notify(xp_key::kAttachedMargin);
}

void VelloXPButton::DeriveSmoothColours(bool caption) {
    if (caption) {
        m_props.captionBackSmooth = SmoothColour(m_surface.Resolve(m_props.captionBack));
        Notify(xp_key::kCaptionBackSmooth);
    } else {
        m_props.pictureBackSmooth = SmoothColour(m_surface.Resolve(m_props.pictureBack));
        Notify(xp_key::kPictureBackSmooth);
    }
}

void VelloXPButton::Disable() {
    m_props.enabled = false;
    m_host.ApplyEnabled(false);
    Notify(xp_key::kEnabled);
}

// ---- Getters with effects ----------------------------------------------------------------------------

Colour VelloXPButton::CaptionBack() {
    DeriveSmoothColours(true);
    return m_props.captionBack;
}

Colour VelloXPButton::PictureBack() {
    DeriveSmoothColours(false);
    return m_props.pictureBack;
}

// ---- Setters with their own rules --------------------------------------------------------------------

void VelloXPButton::SetType(std::int32_t type) {
    const std::int32_t previous = m_props.type;
    m_props.type = type;
    const auto resetPointer = [&] {
        if (m_props.mousePointer != kDefaultPointer) {
            m_props.mousePointer = kDefaultPointer;
            m_host.ApplyMousePointer(m_props.mousePointer, m_props.mouseIcon.get());
            Notify(xp_key::kMousePointer);
        }
    };
    switch (type) {
        case xp_type::kXp:
        case xp_type::kFlat:
            Notify(xp_key::kType);
            resetPointer();
            break;
        case xp_type::kFlatArrow:
        case xp_type::kToolbarDropDown:
            StoreAttachedArea(AttachedAreaOfType(type));
            NotifyAttachedArea();
            Notify(xp_key::kType);
            resetPointer();
            break;
        case xp_type::kChevron:
            StoreAttachedArea(AttachedAreaOfType(type));
            NotifyAttachedArea();
            // The chevron needs a face larger than its glyph; a smaller one keeps the previous type.
            if (!ChevronFits()) {
                m_props.type = previous;
            }
            Notify(xp_key::kType);
            break;
        case xp_type::kSeparator:
            Disable();
            Notify(xp_key::kType);
            break;
        case xp_type::kGrip:
            m_props.mousePointer = kSizeAllPointer;
            m_host.ApplyMousePointer(m_props.mousePointer, m_props.mouseIcon.get());
            Notify(xp_key::kMousePointer);
            Notify(xp_key::kType);
            break;
        default:
            break;
    }
    Refresh();
}

void VelloXPButton::SetCaptionPercent(double percent) {
    // Written so that a NaN is refused too.
    if (percent >= 0 && percent <= 100) {
        Store(&P::captionPercent, percent, xp_key::kCaptionPercent, After::Refresh);
    } else {
        Refuse(kPercentRefused);
        Notify(xp_key::kCaptionPercent);
    }
}

void VelloXPButton::SetColourScheme(std::int32_t scheme) {
    Store(&P::colourScheme, scheme, xp_key::kColourScheme, After::Nothing);
    if (scheme == 0) {
        const XpButtonProperties defaults;
        for (const XpBagField& entry : XpSchemeResetFields()) {
            std::visit([&](auto field) { m_props.*field = defaults.*field; }, entry.field);
            Notify(entry.key);
        }
        ReDraw(true);
    } else if (scheme == 1 && m_props.type == xp_type::kXp) {
        Refuse(kCustomSchemeOnXp, MessageIcon::Information);
    }
}

void VelloXPButton::SetPicture(PictureRef picture) {
    Store(&P::picture, std::move(picture), xp_key::kPicture, After::Nothing);
    if (m_props.picture && !m_props.pictureScaled) {
        m_props.frameWidth = static_cast<std::int32_t>(m_props.frameMarginLeft) + m_props.frameMarginRight +
                             m_props.picture->Width();
        m_props.frameHeight = static_cast<std::int32_t>(m_props.frameMarginTop) + m_props.frameMarginBottom +
                              m_props.picture->Height();
        Notify(xp_key::kFrameWidth);
        Notify(xp_key::kFrameHeight);
    }
    Refresh();
}

void VelloXPButton::SetAttachedPicture(PictureRef picture) {
    Store(&P::attachedPicture, std::move(picture), xp_key::kAttachedPicture, After::Nothing);
    const std::int32_t type = m_props.type;
    if (!m_props.attachedPicture) {
        if (HasAttachedArea(type)) {
            StoreAttachedArea(AttachedAreaOfType(type));
            NotifyAttachedArea();
        }
    } else if (IsPushType(type)) {
        m_props.attachedWidth = ClampToInteger(m_props.attachedPicture->Width());
        m_props.attachedHeight = ClampToInteger(m_props.attachedPicture->Height());
        Notify(xp_key::kAttachedWidth);
        Notify(xp_key::kAttachedHeight);
        if (m_props.attachedMargin == 0) {
            m_props.attachedMargin = 4;
            Notify(xp_key::kAttachedMargin);
        }
        m_layout.areaWidth = AttachedAreaWidth(m_props.attachedMargin, m_props.attachedWidth);
    }
    Refresh();
}

void VelloXPButton::SetEnabled(bool enabled) {
    if (enabled == m_props.enabled) {
        return;
    }
    m_props.enabled = enabled;
    m_host.ApplyEnabled(enabled);
    ReDraw(true);
    Notify(xp_key::kEnabled);
}

void VelloXPButton::ApplyFontChange() {
    m_host.ApplyFont(m_props.font);
    ReDraw(true);
    Notify(xp_key::kFont);
}

void VelloXPButton::SetFont(const FontDescription& font) {
    m_props.font = font;
    ApplyFontChange();
}

void VelloXPButton::SetFontUnderline(bool on) {
    m_props.font.underline = on;
    ApplyFontChange();
}

void VelloXPButton::SetFontStrikethru(bool on) {
    m_props.font.strikethrough = on;
    ApplyFontChange();
}

void VelloXPButton::SetFontSize(float points) {
    m_props.font.size = points;
    ApplyFontChange();
}

void VelloXPButton::SetFontName(std::wstring_view name) {
    m_props.font.name = std::wstring(name);
    ApplyFontChange();
}

void VelloXPButton::SetFontItalic(bool on) {
    m_props.font.italic = on;
    ApplyFontChange();
}

void VelloXPButton::SetFontBold(bool on) {
    m_props.font.bold = on;
    ApplyFontChange();
}

void VelloXPButton::SetMouseIcon(PictureRef icon) {
    m_props.mouseIcon = std::move(icon);
    m_host.ApplyMousePointer(m_props.mousePointer, m_props.mouseIcon.get());
    Notify(xp_key::kMouseIcon);
}

void VelloXPButton::SetMousePointer(std::int32_t pointer) {
    m_props.mousePointer = pointer;
    m_host.ApplyMousePointer(m_props.mousePointer, m_props.mouseIcon.get());
    Notify(xp_key::kMousePointer);
}

void VelloXPButton::SetCaptionBack(Colour colour) {
    Store(&P::captionBack, colour, xp_key::kCaptionBack, After::Nothing);
    DeriveSmoothColours(true);
    ReDraw(false);
}

void VelloXPButton::SetCaptionBackSmooth(Colour) {
    DeriveSmoothColours(true);
    ReDraw(false);
}

void VelloXPButton::SetPictureBack(Colour colour) {
    Store(&P::pictureBack, colour, xp_key::kPictureBack, After::Nothing);
    DeriveSmoothColours(false);
    ReDraw(false);
}

void VelloXPButton::SetPictureBackSmooth(Colour) {
    DeriveSmoothColours(false);
    ReDraw(false);
}

void VelloXPButton::SetNoDisabledLook(bool on) {
    if (IsPushType(m_props.type)) {
        Store(&P::noDisabledLook, on, xp_key::kNoDisabledLook, After::ReDraw);
    } else {
        Refuse(kNoDisabledLookRefused);
        Notify(xp_key::kNoDisabledLook);
        ReDraw(false);
    }
}

void VelloXPButton::SetAttachedMargin(std::int16_t value) {
    if (HasAttachedArea(m_props.type)) {
        Store(&P::attachedMargin, value, xp_key::kAttachedMargin, After::Nothing);
        m_layout.areaWidth = AttachedAreaWidth(m_props.attachedMargin, m_props.attachedWidth);
        Refresh();
    } else if (m_props.type == xp_type::kSeparator) {
        m_props.attachedMargin = value;
    } else {
        Notify(xp_key::kAttachedMargin);
        Refuse(kAttachedMarginRefused);
    }
}

void VelloXPButton::SetAttachedWidth(std::int16_t value) {
    if (HasAttachedArea(m_props.type)) {
        Store(&P::attachedWidth, value, xp_key::kAttachedWidth, After::Nothing);
        m_layout.areaWidth = AttachedAreaWidth(m_props.attachedMargin, m_props.attachedWidth);
        Refresh();
    } else if (m_props.type == xp_type::kSeparator) {
        m_props.attachedWidth = value;
    } else {
        Notify(xp_key::kAttachedWidth);
        Refuse(kAttachedWidthRefused);
    }
}

void VelloXPButton::SetAttachedHeight(std::int16_t value) {
    if (HasAttachedArea(m_props.type)) {
        Store(&P::attachedHeight, value, xp_key::kAttachedHeight, After::Refresh);
    } else if (m_props.type == xp_type::kSeparator) {
        m_props.attachedHeight = value;
    } else {
        Notify(xp_key::kAttachedHeight);
        Refuse(kAttachedHeightRefused);
    }
}

void VelloXPButton::SetGripSpacing(std::int16_t value) {
    if (m_props.type == xp_type::kGrip) {
        Store(&P::gripSpacing, value, xp_key::kGripSpacing, After::Refresh);
    } else {
        Refuse(kGripSpacingRefused);
        Notify(xp_key::kGripSpacing);
    }
}

void VelloXPButton::SetGripWidth(std::int16_t value) {
    if (m_props.type == xp_type::kGrip) {
        Store(&P::gripWidth, value, xp_key::kGripWidth, After::Refresh);
    } else {
        Refuse(kGripWidthRefused);
        Notify(xp_key::kGripWidth);
    }
}

void VelloXPButton::SetToolbarColour(Colour colour) {
    if (m_props.type == xp_type::kSeparator || m_props.type == xp_type::kGrip) {
        Store(&P::toolbarColour, colour, xp_key::kToolbarColour, After::ReDraw);
    } else {
        Refuse(kToolbarColourRefused);
        Notify(xp_key::kToolbarColour);
    }
}

void VelloXPButton::SetFrameBackSwitch(bool on) {
    if (IsPushType(m_props.type)) {
        Store(&P::frameBackSwitch, on, xp_key::kFrameBackSwitch, After::ReDraw);
    } else if (m_props.type == xp_type::kSeparator) {
        m_props.frameBackSwitch = on;
    } else {
        Refuse(kFrameBackSwitchRefused);
        Notify(xp_key::kFrameBackSwitch);
    }
}

void VelloXPButton::SetFrameEffect(std::int32_t value) {
    if (IsPushType(m_props.type)) {
        Store(&P::frameEffect, value, xp_key::kFrameEffect, After::ReDraw);
    } else if (m_props.type == xp_type::kSeparator) {
        m_props.frameEffect = value;
    } else {
        Refuse(kFrameEffectRefused);
        Notify(xp_key::kFrameEffect);
    }
}

void VelloXPButton::SetFrameHeight(std::int32_t value) {
    if (m_props.pictureScaled) {
        Store(&P::frameHeight, value, xp_key::kFrameHeight, After::Refresh);
    } else {
        Refuse(kFrameHeightRefused);
        Notify(xp_key::kFrameHeight);
    }
}

void VelloXPButton::SetFrameWidth(std::int32_t value) {
    if (m_props.pictureScaled) {
        Store(&P::frameWidth, value, xp_key::kFrameWidth, After::Refresh);
    } else {
        Refuse(kFrameWidthRefused);
        Notify(xp_key::kFrameWidth);
    }
}

// ---- Setters that store, tell the host and redraw as their property asks -----------------------------

void VelloXPButton::SetCaptionAlignment(std::int32_t value) {
    Store(&P::captionAlignment, value, xp_key::kCaptionAlignment, After::Refresh);
}
void VelloXPButton::SetCaptionPosition(std::int32_t value) {
    Store(&P::captionPosition, value, xp_key::kCaptionPosition, After::Refresh);
}
void VelloXPButton::SetHoverSound(std::wstring_view path) {
    Store(&P::hoverSound, std::wstring(path), xp_key::kHoverSound, After::Nothing);
}
void VelloXPButton::SetClickSound(std::wstring_view path) {
    Store(&P::clickSound, std::wstring(path), xp_key::kClickSound, After::Nothing);
}
void VelloXPButton::SetHoverPicture(PictureRef picture) {
    Store(&P::hoverPicture, std::move(picture), xp_key::kHoverPicture, After::Nothing);
}
void VelloXPButton::SetPictureAlignment(std::int32_t value) {
    Store(&P::pictureAlignment, value, xp_key::kPictureAlignment, After::Refresh);
}
void VelloXPButton::SetCaption(std::wstring_view caption) {
    Store(&P::caption, std::wstring(caption), xp_key::kCaption, After::Refresh);
}
void VelloXPButton::SetCaptionBackPressed(Colour colour) {
    Store(&P::captionBackPressed, colour, xp_key::kCaptionBackPressed, After::Nothing);
}
void VelloXPButton::SetCaptionBackHover(Colour colour) {
    Store(&P::captionBackHover, colour, xp_key::kCaptionBackHover, After::Nothing);
}
void VelloXPButton::SetCaptionMarginBottom(std::int16_t value) {
    Store(&P::captionMarginBottom, value, xp_key::kCaptionMarginBottom, After::Refresh);
}
void VelloXPButton::SetCaptionMarginTop(std::int16_t value) {
    Store(&P::captionMarginTop, value, xp_key::kCaptionMarginTop, After::Refresh);
}
void VelloXPButton::SetCaptionMarginLeft(std::int16_t value) {
    Store(&P::captionMarginLeft, value, xp_key::kCaptionMarginLeft, After::Refresh);
}
void VelloXPButton::SetCaptionMarginRight(std::int16_t value) {
    Store(&P::captionMarginRight, value, xp_key::kCaptionMarginRight, After::Refresh);
}
void VelloXPButton::SetCaptionText(Colour colour) {
    Store(&P::captionText, colour, xp_key::kCaptionText, After::ReDraw);
}
void VelloXPButton::SetCaptionTextPressed(Colour colour) {
    Store(&P::captionTextPressed, colour, xp_key::kCaptionTextPressed, After::Nothing);
}
void VelloXPButton::SetCaptionTextHover(Colour colour) {
    Store(&P::captionTextHover, colour, xp_key::kCaptionTextHover, After::Nothing);
}
void VelloXPButton::SetCaptionPressedSwitch(bool on) {
    Store(&P::captionPressedSwitch, on, xp_key::kCaptionPressedSwitch, After::Nothing);
}
void VelloXPButton::SetCaptionSmoothSwitch(bool on) {
    Store(&P::captionSmoothSwitch, on, xp_key::kCaptionSmoothSwitch, After::ReDraw);
}
void VelloXPButton::SetCaptionWordWrap(bool on) {
    Store(&P::captionWordWrap, on, xp_key::kCaptionWordWrap, After::Refresh);
}
void VelloXPButton::SetCaptionVisible(bool on) {
    Store(&P::captionVisible, on, xp_key::kCaptionVisible, After::Refresh);
}
void VelloXPButton::SetBorderColour(Colour colour) {
    Store(&P::borderColour, colour, xp_key::kBorderColour, After::ReDraw);
}
void VelloXPButton::SetBorderHoverSwitch(bool on) {
    Store(&P::borderHoverSwitch, on, xp_key::kBorderHoverSwitch, After::Nothing);
}
void VelloXPButton::SetFocusInset(std::int16_t value) {
    Store(&P::focusInset, value, xp_key::kFocusInset, After::Nothing);
}
void VelloXPButton::SetFocusRectVisible(bool on) {
    Store(&P::focusRectVisible, on, xp_key::kFocusRectVisible, After::Nothing);
}
void VelloXPButton::SetAccessKeyText(std::wstring_view keys) {
    Store(&P::accessKeyText, std::wstring(keys), xp_key::kAccessKeys, After::Nothing);
}
void VelloXPButton::SetPictureForeSwitch(bool on) {
    Store(&P::pictureForeSwitch, on, xp_key::kPictureForeSwitch, After::ReDraw);
}
void VelloXPButton::SetPictureFore(Colour colour) {
    Store(&P::pictureFore, colour, xp_key::kPictureFore, After::ReDraw);
}
void VelloXPButton::SetPictureScaled(bool on) {
    Store(&P::pictureScaled, on, xp_key::kPictureScaled, After::Refresh);
}
void VelloXPButton::SetPictureBackPressed(Colour colour) {
    Store(&P::pictureBackPressed, colour, xp_key::kPictureBackPressed, After::Nothing);
}
void VelloXPButton::SetPictureBackHover(Colour colour) {
    Store(&P::pictureBackHover, colour, xp_key::kPictureBackHover, After::Nothing);
}
void VelloXPButton::SetPicturePressedSwitch(bool on) {
    Store(&P::picturePressedSwitch, on, xp_key::kPicturePressedSwitch, After::Nothing);
}
void VelloXPButton::SetPictureSmoothSwitch(bool on) {
    Store(&P::pictureSmoothSwitch, on, xp_key::kPictureSmoothSwitch, After::ReDraw);
}
void VelloXPButton::SetFrameBack(Colour colour) {
    Store(&P::frameBack, colour, xp_key::kFrameBack, After::ReDraw);
}
void VelloXPButton::SetFrameMarginBottom(std::int16_t value) {
    Store(&P::frameMarginBottom, value, xp_key::kFrameMarginBottom, After::Refresh);
}
void VelloXPButton::SetFrameMarginTop(std::int16_t value) {
    Store(&P::frameMarginTop, value, xp_key::kFrameMarginTop, After::Refresh);
}
void VelloXPButton::SetFrameMarginLeft(std::int16_t value) {
    Store(&P::frameMarginLeft, value, xp_key::kFrameMarginLeft, After::Refresh);
}
void VelloXPButton::SetFrameMarginRight(std::int16_t value) {
    Store(&P::frameMarginRight, value, xp_key::kFrameMarginRight, After::Refresh);
}
void VelloXPButton::SetShadowLength(std::int16_t value) {
    Store(&P::shadowLength, value, xp_key::kShadowLength, After::Nothing);
}
void VelloXPButton::SetShadowColour(Colour colour) {
    Store(&P::shadowColour, colour, xp_key::kShadowColour, After::Nothing);
}
void VelloXPButton::SetShadowSwitch(bool on) {
    Store(&P::shadowSwitch, on, xp_key::kShadowSwitch, After::Nothing);
}

}  // namespace orvell::controls
