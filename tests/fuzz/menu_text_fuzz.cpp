// The drawn menu bar's item texts, which come from the language files: popup texts split at the TAB,
// access letters, Alt keys on the bar and typed characters in a popup.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/text_lines.h"
#include "fuzz/fuzz_text.h"
#include "skin/menu_bar_layout.h"
#include "skin/menu_bar_popups.h"

using namespace orvell;
using namespace orvell::skin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::wstring> texts = testing::Lines(fuzz::FileText(data, size));
    PopupEntries entries;
    std::vector<BarMenuItem> bar;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::uintptr_t menu = i % 3;
        PopupEntry entry{menu, static_cast<int>(i), 0, texts[i].empty(), ParsePopupText(texts[i])};
        entry.captionTextWidth = static_cast<int>(entry.text.caption.size()) * 6;
        entry.shortcutTextWidth = static_cast<int>(entry.text.shortcut.size()) * 6;
        entries.Record(entry, entries.BeginPopup(menu));
        // The split loses nothing: caption, TAB, shortcut give the text back.
        const std::wstring whole =
            entry.text.caption +
            (texts[i].find(L'\t') == std::wstring::npos ? L"" : L"\t" + entry.text.shortcut);
        if (whole != texts[i] || entry.text.accelerator != AccessLetter(entry.text.caption)) {
            std::abort();
        }
        bar.push_back(BarMenuItem{texts[i], i % 2 == 0});
    }
    for (std::uintptr_t menu = 0; menu < 3; ++menu) {
        entries.FinishPopup(menu);
    }
    for (const PopupEntry& entry : entries.All()) {
        MeasurePopupItem(entry, 17);
        const std::uint32_t answer = entries.MenuChar(entry.menu, entry.text.accelerator);
        if (entry.text.accelerator != 0 && answer == 0) {
            std::abort();  // every access letter of a popup answers
        }
    }
    const auto items = LayOutBar(
        bar,
        [](std::wstring_view text) {
            return TextSize{static_cast<int>(text.size()) * 6, 12};
        },
        8, 0);
    for (const BarItem& item : items) {
        ItemAt(items, Point{item.zone.left, item.zone.top});
    }
    // Alt with each item's access letter opens the first item with that letter.
    for (const std::wstring& text : texts) {
        const int item = AltKeyItem(texts, AccessLetter(text));
        if (AccessLetter(text) != 0 &&
            AccessLetter(texts.at(static_cast<std::size_t>(item - 1))) != AccessLetter(text)) {
            std::abort();
        }
    }
    return 0;
}
