#include "skin/menu_bar_popups.h"

#include <algorithm>

namespace orvell::skin {

bool PopupEntries::BeginPopup(std::uintptr_t menu) {
    if (std::find(m_seen.begin(), m_seen.end(), menu) != m_seen.end()) {
        return true;
    }
    m_seen.push_back(menu);
    return false;
}

int PopupEntries::Record(const PopupEntry& entry, bool seen) {
    if (seen) {
        for (std::size_t i = 0; i < m_entries.size(); ++i) {
            if (m_entries[i].menu == entry.menu && m_entries[i].position == entry.position) {
                m_entries[i] = entry;
                return static_cast<int>(i) + 1;
            }
        }
    }
    m_entries.push_back(entry);
    return Count();
}

void PopupEntries::FinishPopup(std::uintptr_t menu) {
    int caption = 0;
    int shortcut = 0;
    for (const PopupEntry& entry : m_entries) {
        if (entry.menu == menu) {
            caption = std::max(caption, entry.captionTextWidth);
            shortcut = std::max(shortcut, entry.shortcutTextWidth);
        }
    }
    for (PopupEntry& entry : m_entries) {
        if (entry.menu == menu) {
            entry.captionWidth = caption;
            entry.shortcutWidth = shortcut;
        }
    }
}

const PopupEntry* PopupEntries::Entry(std::uintptr_t number) const {
    if (number < 1 || number > m_entries.size()) {
        return nullptr;
    }
    return &m_entries[number - 1];
}

void PopupEntries::Clear() {
    m_entries.clear();
    m_seen.clear();
}

std::uint32_t PopupEntries::MenuChar(std::uintptr_t menu, wchar_t ch) const {
    const wchar_t key = UpperKey(ch);
    for (const PopupEntry& entry : m_entries) {
        if (entry.menu == menu && entry.text.accelerator != 0 && entry.text.accelerator == key) {
            return static_cast<std::uint32_t>(entry.position) | menu_bits::kMenuCharExecute;
        }
    }
    return 0;
}

ItemSize MeasurePopupItem(const PopupEntry& entry, int itemHeight, int scale) {
    const auto s = [scale](int pixels) { return ScaledArt(pixels, scale); };
    ItemSize size;
    size.width = entry.text.shortcut.empty() ? entry.captionWidth + s(30)
                                             : entry.captionWidth + entry.shortcutWidth + s(38);
    size.height = entry.separator ? s(6) : itemHeight + s(8);
    return size;
}

PopupItemLook PopupItemLookOf(std::uint32_t type, std::uint32_t state) {
    PopupItemLook look;
    look.separator = (type & menu_bits::kSeparator) != 0;
    look.radio = (type & menu_bits::kRadioCheck) != 0;
    look.disabled = (state & menu_bits::kGrayed) != 0;
    look.checked = (state & menu_bits::kChecked) != 0;
    look.highlighted = (state & menu_bits::kHilite) != 0;
    return look;
}

PopupItemPlaces PlacePopupItem(int width, int height, int captionWidth, int scale) {
    const auto s = [scale](int pixels) { return ScaledArt(pixels, scale); };
    const int captionLeft = s(24);
    PopupItemPlaces places;
    // The separator's band is the two lines of a sunken edge, at every scale.
    const int bandTop = (height - 2) / 2;
    places.separatorBand = Rect{s(8), bandTop, width - s(8), bandTop + 2};
    const int boxLeft = s(6);
    const int boxHeight = height - s(8);
    places.checkBox = Rect{boxLeft, s(4), boxLeft + boxHeight + 1, height - s(4)};
    places.caption = Rect{captionLeft, 0, width, height};
    places.shortcut = Rect{captionLeft + captionWidth + s(8), 0, width, height};
    places.edge = Rect{s(2), 0, width - s(2), height};
    return places;
}

}  // namespace orvell::skin
