// How the XP button starts: as a newly placed control, or from a saved design; and how it saves
// itself. Both walk the property table.
#include <string>
#include <type_traits>
#include <variant>

#include "controls/access_keys.h"
#include "controls/xp_button.h"
#include "controls/xp_button_table.h"

namespace orvell::controls {

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
    for (const XpProperty& row : kXpProperties) {
        std::visit(
            [&](auto member) {
                auto& value = m_props.*member;
                using T = std::remove_cvref_t<decltype(value)>;
                if constexpr (std::is_same_v<T, PictureRef>) {
                    const std::wstring reference = bag.Read<std::wstring>(row.key, L"");
                    value = reference.empty() ? nullptr : pictures.Load(reference);
                    if (!reference.empty() && !value) {
                        bag.ReportProblem(0, L"\"" + std::wstring(row.key) + L"\": the picture \"" +
                                                 reference + L"\" could not be loaded; none is shown");
                    }
                } else if constexpr (std::is_same_v<T, std::int32_t>) {
                    const T fallback = DefaultOf<T>(row);
                    value = row.savedAsInteger
                                ? bag.Read<std::int16_t>(row.key, static_cast<std::int16_t>(fallback))
                                : bag.Read<T>(row.key, fallback);
                } else {
                    value = bag.Read<T>(row.key, DefaultOf<T>(row, hostName, hostFont));
                }
            },
            row.member);
    }
    m_layout.areaWidth = AttachedAreaWidth(m_props.attachedMargin, m_props.attachedWidth);
    // A design without its own hover picture shows the normal picture in every state.
    if (m_props.hoverPicture) {
        m_samePicture = false;
    } else if (m_props.picture) {
        m_props.hoverPicture = m_props.picture;
        m_samePicture = true;
    } else {
        m_samePicture = false;
    }
    AddAccessKeys(m_accessKeys, m_props.accessKeyText);
    ApplyPlatform();
}

void VelloXPButton::Save(PropertyBag& bag, std::wstring_view hostName,
                         const FontDescription& hostFont) const {
    for (const XpProperty& row : kXpProperties) {
        std::visit(
            [&](auto member) {
                const auto& value = m_props.*member;
                using T = std::remove_cvref_t<decltype(value)>;
                if constexpr (std::is_same_v<T, PictureRef>) {
                    bag.Write<std::wstring>(row.key, value ? value->Reference() : L"", L"");
                } else {
                    bag.Write<T>(row.key, value, DefaultOf<T>(row, hostName, hostFont));
                }
            },
            row.member);
    }
}

void VelloXPButton::ApplyPlatform() {
    m_host.ApplyEnabled(m_props.enabled);
    m_host.ApplyFont(m_props.font);
    ApplyPointer();
}

bool VelloXPButton::HasAccessKey(wchar_t key) const {
    return key != 0 && m_accessKeys.find(UpperCase(key)) != std::wstring::npos;
}

}  // namespace orvell::controls
