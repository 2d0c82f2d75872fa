#include "controls/xp_button_properties.h"

#include <algorithm>
#include <limits>

#include "controls/xp_button_table.h"

namespace orvell::controls {

XpButtonProperties::XpButtonProperties() {
    for (const XpProperty& row : kXpProperties) {
        ResetToDefault(*this, row);
    }
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
