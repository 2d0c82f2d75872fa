#include "controls/xp_button_properties.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace orvell::controls {

namespace {

using P = XpButtonProperties;
namespace k = xp_key;

// Every saved property with the member that holds it.
const std::vector<XpBagField>& AllFields() {
    static const std::vector<XpBagField> fields = {
        {k::kCaption, &P::caption},
        {k::kEnabled, &P::enabled},
        {k::kFont, &P::font},
        {k::kMouseIcon, &P::mouseIcon},
        {k::kMousePointer, &P::mousePointer},
        {k::kType, &P::type},
        {k::kColourScheme, &P::colourScheme},
        {k::kCaptionPercent, &P::captionPercent},
        {k::kCaptionPosition, &P::captionPosition},
        {k::kCaptionAlignment, &P::captionAlignment},
        {k::kPictureAlignment, &P::pictureAlignment},
        {k::kPicture, &P::picture},
        {k::kHoverPicture, &P::hoverPicture},
        {k::kAttachedPicture, &P::attachedPicture},
        {k::kHoverSound, &P::hoverSound},
        {k::kClickSound, &P::clickSound},
        {k::kNoDisabledLook, &P::noDisabledLook},
        {k::kBorderColour, &P::borderColour},
        {k::kShadowSwitch, &P::shadowSwitch},
        {k::kShadowColour, &P::shadowColour},
        {k::kShadowLength, &P::shadowLength},
        {k::kBorderHoverSwitch, &P::borderHoverSwitch},
        {k::kFocusRectVisible, &P::focusRectVisible},
        {k::kFocusInset, &P::focusInset},
        {k::kCaptionVisible, &P::captionVisible},
        {k::kCaptionWordWrap, &P::captionWordWrap},
        {k::kCaptionBack, &P::captionBack},
        {k::kCaptionBackHover, &P::captionBackHover},
        {k::kCaptionBackPressed, &P::captionBackPressed},
        {k::kCaptionPressedSwitch, &P::captionPressedSwitch},
        {k::kCaptionBackSmooth, &P::captionBackSmooth},
        {k::kCaptionSmoothSwitch, &P::captionSmoothSwitch},
        {k::kCaptionText, &P::captionText},
        {k::kCaptionTextHover, &P::captionTextHover},
        {k::kCaptionTextPressed, &P::captionTextPressed},
        {k::kCaptionMarginBottom, &P::captionMarginBottom},
        {k::kCaptionMarginLeft, &P::captionMarginLeft},
        {k::kCaptionMarginRight, &P::captionMarginRight},
        {k::kCaptionMarginTop, &P::captionMarginTop},
        {k::kFrameBack, &P::frameBack},
        {k::kFrameBackSwitch, &P::frameBackSwitch},
        {k::kPictureFore, &P::pictureFore},
        {k::kPictureForeSwitch, &P::pictureForeSwitch},
        {k::kPictureBack, &P::pictureBack},
        {k::kPictureBackHover, &P::pictureBackHover},
        {k::kPictureBackPressed, &P::pictureBackPressed},
        {k::kPicturePressedSwitch, &P::picturePressedSwitch},
        {k::kPictureBackSmooth, &P::pictureBackSmooth},
        {k::kPictureSmoothSwitch, &P::pictureSmoothSwitch},
        {k::kFrameMarginBottom, &P::frameMarginBottom},
        {k::kFrameMarginLeft, &P::frameMarginLeft},
        {k::kFrameMarginRight, &P::frameMarginRight},
        {k::kFrameMarginTop, &P::frameMarginTop},
        {k::kPictureScaled, &P::pictureScaled},
        {k::kFrameHeight, &P::frameHeight},
        {k::kFrameWidth, &P::frameWidth},
        {k::kToolbarColour, &P::toolbarColour},
        {k::kGripWidth, &P::gripWidth},
        {k::kGripSpacing, &P::gripSpacing},
        {k::kAttachedMargin, &P::attachedMargin},
        {k::kAttachedWidth, &P::attachedWidth},
        {k::kAttachedHeight, &P::attachedHeight},
        {k::kAccessKeys, &P::accessKeyText},
        {k::kFrameEffect, &P::frameEffect},
    };
    return fields;
}

std::vector<XpBagField> InOrder(std::initializer_list<std::wstring_view> keys) {
    std::vector<XpBagField> ordered;
    ordered.reserve(keys.size());
    for (const std::wstring_view key : keys) {
        const auto& all = AllFields();
        const auto found =
            std::find_if(all.begin(), all.end(), [&](const XpBagField& f) { return f.key == key; });
        if (found == all.end()) {
            throw std::logic_error("an XP button key without a field");
        }
        ordered.push_back(*found);
    }
    return ordered;
}

}  // namespace

const std::vector<XpBagField>& XpRestoreOrder() {
    static const std::vector<XpBagField> order = InOrder({
        k::kCaption,
        k::kEnabled,
        k::kFont,
        k::kMouseIcon,
        k::kMousePointer,
        k::kType,
        k::kColourScheme,
        k::kCaptionPosition,
        k::kPictureAlignment,
        k::kNoDisabledLook,
        k::kCaptionPercent,
        k::kCaptionAlignment,
        k::kHoverSound,
        k::kClickSound,
        k::kFocusRectVisible,
        k::kFocusInset,
        k::kBorderHoverSwitch,
        k::kBorderColour,
        k::kShadowSwitch,
        k::kShadowColour,
        k::kShadowLength,
        k::kCaptionVisible,
        k::kCaptionWordWrap,
        k::kCaptionMarginBottom,
        k::kCaptionMarginLeft,
        k::kCaptionMarginRight,
        k::kCaptionMarginTop,
        k::kCaptionBack,
        k::kCaptionBackHover,
        k::kCaptionBackPressed,
        k::kCaptionBackSmooth,
        k::kCaptionPressedSwitch,
        k::kCaptionText,
        k::kCaptionTextHover,
        k::kCaptionTextPressed,
        k::kCaptionSmoothSwitch,
        k::kPicture,
        k::kHoverPicture,
        k::kAttachedPicture,
        k::kPictureScaled,
        k::kFrameHeight,
        k::kFrameWidth,
        k::kFrameMarginBottom,
        k::kFrameMarginLeft,
        k::kFrameMarginRight,
        k::kFrameMarginTop,
        k::kPictureForeSwitch,
        k::kPictureFore,
        k::kFrameBackSwitch,
        k::kFrameBack,
        k::kPictureBack,
        k::kPictureBackHover,
        k::kPictureBackPressed,
        k::kPicturePressedSwitch,
        k::kPictureBackSmooth,
        k::kPictureSmoothSwitch,
        k::kToolbarColour,
        k::kGripWidth,
        k::kGripSpacing,
        k::kAttachedWidth,
        k::kAttachedHeight,
        k::kAttachedMargin,
        k::kAccessKeys,
        k::kFrameEffect,
    });
    return order;
}

const std::vector<XpBagField>& XpSaveOrder() {
    static const std::vector<XpBagField> order = InOrder({
        k::kCaption,
        k::kEnabled,
        k::kFont,
        k::kMouseIcon,
        k::kMousePointer,
        k::kType,
        k::kColourScheme,
        k::kCaptionPercent,
        k::kCaptionPosition,
        k::kCaptionAlignment,
        k::kPictureAlignment,
        k::kPicture,
        k::kHoverPicture,
        k::kAttachedPicture,
        k::kHoverSound,
        k::kClickSound,
        k::kNoDisabledLook,
        k::kBorderColour,
        k::kShadowSwitch,
        k::kShadowColour,
        k::kShadowLength,
        k::kBorderHoverSwitch,
        k::kFocusRectVisible,
        k::kFocusInset,
        k::kCaptionVisible,
        k::kCaptionWordWrap,
        k::kCaptionBack,
        k::kCaptionBackHover,
        k::kCaptionBackPressed,
        k::kCaptionPressedSwitch,
        k::kCaptionBackSmooth,
        k::kCaptionSmoothSwitch,
        k::kCaptionText,
        k::kCaptionTextHover,
        k::kCaptionTextPressed,
        k::kCaptionMarginBottom,
        k::kCaptionMarginLeft,
        k::kCaptionMarginRight,
        k::kCaptionMarginTop,
        k::kFrameBack,
        k::kFrameBackSwitch,
        k::kPictureFore,
        k::kPictureForeSwitch,
        k::kPictureBack,
        k::kPictureBackHover,
        k::kPictureBackPressed,
        k::kPicturePressedSwitch,
        k::kPictureBackSmooth,
        k::kPictureSmoothSwitch,
        k::kFrameMarginBottom,
        k::kFrameMarginLeft,
        k::kFrameMarginRight,
        k::kFrameMarginTop,
        k::kPictureScaled,
        k::kFrameHeight,
        k::kFrameWidth,
        k::kToolbarColour,
        k::kGripWidth,
        k::kGripSpacing,
        k::kAttachedMargin,
        k::kAttachedWidth,
        k::kAttachedHeight,
        k::kAccessKeys,
        k::kFrameEffect,
    });
    return order;
}

const std::vector<XpBagField>& XpSchemeResetFields() {
    static const std::vector<XpBagField> fields = InOrder({
        k::kBorderColour,        k::kShadowSwitch,         k::kShadowColour,         k::kShadowLength,
        k::kBorderHoverSwitch,   k::kFocusRectVisible,     k::kFocusInset,           k::kCaptionBack,
        k::kCaptionBackHover,    k::kCaptionBackPressed,   k::kCaptionPressedSwitch, k::kCaptionBackSmooth,
        k::kCaptionSmoothSwitch, k::kCaptionText,          k::kCaptionTextHover,     k::kCaptionTextPressed,
        k::kFrameBack,           k::kFrameBackSwitch,      k::kPictureBack,          k::kPictureBackHover,
        k::kPictureBackPressed,  k::kPicturePressedSwitch, k::kPictureBackSmooth,    k::kPictureSmoothSwitch,
        k::kPictureForeSwitch,   k::kPictureFore,          k::kToolbarColour,        k::kFrameEffect,
    });
    return fields;
}

AttachedArea AttachedAreaOfType(std::int32_t type) {
    switch (type) {
        case xp_type::kFlatArrow:
            return AttachedArea{4, 8, 15, 16};
        case xp_type::kToolbarDropDown:
            return AttachedArea{4, 6, 3, 14};
        case xp_type::kChevron:
            return AttachedArea{4, 8, 14, 16};
        default:
            return AttachedArea{};
    }
}

std::int16_t ClampToInteger(long long value) {
    return static_cast<std::int16_t>(std::clamp<long long>(value, std::numeric_limits<std::int16_t>::min(),
                                                           std::numeric_limits<std::int16_t>::max()));
}

std::int16_t AttachedAreaWidth(std::int16_t margin, std::int16_t width) {
    return ClampToInteger(2LL * margin + width);
}

}  // namespace orvell::controls
