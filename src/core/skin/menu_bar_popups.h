#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "common/geometry.h"
#include "skin/art_scale.h"
#include "skin/menu_bar_text.h"

namespace orvell::skin {

// The bits of a menu item's type and state the drawn popups read.
namespace menu_bits {
inline constexpr std::uint32_t kOwnerDraw = 0x100;
inline constexpr std::uint32_t kRadioCheck = 0x200;
inline constexpr std::uint32_t kSeparator = 0x800;
inline constexpr std::uint32_t kGrayed = 0x3;  // either bit: the item cannot be chosen
inline constexpr std::uint32_t kChecked = 0x8;
inline constexpr std::uint32_t kHilite = 0x80;
inline constexpr std::uint32_t kSysMenu = 0x2000;
inline constexpr std::uint32_t kPopup = 0x10;
inline constexpr std::uint32_t kMenuCharExecute = 0x20000;
}  // namespace menu_bits

// A popup item the bar draws during a menu loop: where it is, what it was and its parsed text, its own
// measured widths and the columns of its popup (the widest caption and shortcut there).
struct PopupEntry {
    std::uintptr_t menu = 0;
    int position = 0;
    std::uint32_t commandId = 0;
    bool separator = false;
    PopupItemText text;
    int captionTextWidth = 0;
    int shortcutTextWidth = 0;
    int captionWidth = 0;
    int shortcutWidth = 0;
};

// The popup items made owner-drawn during one menu loop, numbered from 1 (the number is what the item
// carries as its data while it is drawn), and the popups already seen in that loop.
class PopupEntries {
public:
    // A popup is being prepared: true when it was prepared before in this loop.
    bool BeginPopup(std::uintptr_t menu);
    // An item of the popup being prepared: on a seen popup the entry at the same menu and position is
    // refilled, otherwise one is added. Gives the entry's number.
    int Record(const PopupEntry& entry, bool seen);
    // Gives every entry of the popup the widest caption and shortcut of its entries.
    void FinishPopup(std::uintptr_t menu);

    int Count() const { return static_cast<int>(m_entries.size()); }
    // Entry number n, or null when there is none.
    const PopupEntry* Entry(std::uintptr_t number) const;
    const std::vector<PopupEntry>& All() const { return m_entries; }
    // The entries and the seen popups go; the caller has put the items back.
    void Clear();

    // The answer to WM_MENUCHAR for a character typed in a popup: the position of the first entry of
    // that popup whose access letter is the character, with the execute flag; 0 for none.
    std::uint32_t MenuChar(std::uintptr_t menu, wchar_t ch) const;

private:
    std::vector<PopupEntry> m_entries;
    std::vector<std::uintptr_t> m_seen;
};

// The size WM_MEASUREITEM gives an entry's item: room for the check column, the caption column and,
// with a shortcut, the gap and the shortcut column; separators are a thin band.
struct ItemSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const ItemSize&, const ItemSize&) = default;
};
// Its fixed lengths, as PlacePopupItem's, at the caption's art scale (kArtScales).
ItemSize MeasurePopupItem(const PopupEntry& entry, int itemHeight, int scale = 100);

// How a popup item is drawn, from its type and state bits.
struct PopupItemLook {
    bool separator = false;
    bool disabled = false;
    bool checked = false;
    bool radio = false;
    bool highlighted = false;
    // The raised edge round a highlighted item that can be chosen.
    bool Edge() const { return highlighted && !disabled; }
};
PopupItemLook PopupItemLookOf(std::uint32_t type, std::uint32_t state);

// Where the parts of an owner-drawn popup item go, in the item's own w x h surface.
struct PopupItemPlaces {
    Rect separatorBand;  // the 2-pixel sunken band of a separator
    Rect checkBox;       // the sunken box round the check mark
    Rect caption;        // text left-aligned, centred vertically
    Rect shortcut;
    Rect edge;  // the raised edge of a highlighted item
};
PopupItemPlaces PlacePopupItem(int width, int height, int captionWidth, int scale = 100);

}  // namespace orvell::skin
