// What a change of the XP button's type brings with it: the attached area each type sets, the cursor,
// the separator's disabling; and how an attached picture sizes that area.
#include <utility>

#include "controls/xp_button.h"
#include "controls/xp_button_table.h"

namespace orvell::controls {

namespace {

using P = XpButtonProperties;

}  // namespace

void VelloXPButton::StoreAttachedArea(const AttachedArea& area) {
    m_props.attachedMargin = area.margin;
    m_props.attachedWidth = area.width;
    m_props.attachedHeight = area.height;
    m_layout.areaWidth = area.areaWidth;
}

void VelloXPButton::NotifyAttachedArea() {
    Notify(kXpKey<&P::attachedWidth>);
    Notify(kXpKey<&P::attachedHeight>);
    Notify(kXpKey<&P::attachedMargin>);
}

void VelloXPButton::Disable() {
    m_props.enabled = false;
    m_host.ApplyEnabled(false);
    Notify(kXpKey<&P::enabled>);
}

void VelloXPButton::SetType(std::int32_t type) {
    const std::int32_t previous = m_props.type;
    m_props.type = type;
    const auto setPointer = [&](std::int32_t pointer) {
        if (m_props.mousePointer != pointer) {
            m_props.mousePointer = pointer;
            ApplyPointer();
            Notify(kXpKey<&P::mousePointer>);
        }
    };
    switch (type) {
        case xp_type::kXp:
        case xp_type::kFlat:
            Notify(kXpKey<&P::type>);
            setPointer(kDefaultPointer);
            break;
        case xp_type::kFlatArrow:
        case xp_type::kToolbarDropDown:
            StoreAttachedArea(AttachedAreaOfType(type));
            NotifyAttachedArea();
            Notify(kXpKey<&P::type>);
            setPointer(kDefaultPointer);
            break;
        case xp_type::kChevron:
            StoreAttachedArea(AttachedAreaOfType(type));
            NotifyAttachedArea();
            // The chevron needs a face larger than its glyph; a smaller one keeps the previous type.
            if (!ChevronFits()) {
                m_props.type = previous;
            }
            Notify(kXpKey<&P::type>);
            break;
        case xp_type::kSeparator:
            Disable();
            Notify(kXpKey<&P::type>);
            break;
        case xp_type::kGrip:
            m_props.mousePointer = kSizeAllPointer;
            ApplyPointer();
            Notify(kXpKey<&P::mousePointer>);
            Notify(kXpKey<&P::type>);
            break;
        default:
            break;
    }
    Refresh();
}

void VelloXPButton::SetAttachedPicture(PictureRef picture) {
    m_props.attachedPicture = std::move(picture);
    Notify(kXpKey<&P::attachedPicture>);
    const std::int32_t type = m_props.type;
    if (!m_props.attachedPicture) {
        if (kAttachedTypes.Has(type)) {
            StoreAttachedArea(AttachedAreaOfType(type));
            NotifyAttachedArea();
        }
    } else if (kPushTypes.Has(type)) {
        m_props.attachedWidth = ClampToInteger(m_props.attachedPicture->Width());
        m_props.attachedHeight = ClampToInteger(m_props.attachedPicture->Height());
        Notify(kXpKey<&P::attachedWidth>);
        Notify(kXpKey<&P::attachedHeight>);
        if (m_props.attachedMargin == 0) {
            m_props.attachedMargin = 4;
            Notify(kXpKey<&P::attachedMargin>);
        }
        m_layout.areaWidth = AttachedAreaWidth(m_props.attachedMargin, m_props.attachedWidth);
    }
    Refresh();
}

}  // namespace orvell::controls
