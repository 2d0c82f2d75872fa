// A language file's lines as the main window takes them: loaded over the lines of an earlier switch,
// then used as captions with access keys, as menu texts and as the window's title.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "app/access_key.h"
#include "app/language.h"
#include "controls/access_keys.h"
#include "core/memory_text_files.h"
#include "core/text_lines.h"
#include "fuzz/fuzz_text.h"
#include "skin/menu_bar_text.h"
#include "text/utf8.h"

using namespace orvell;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The English file is the input; the Chinese one the same without its first half of the lines, so
    // a switch back meets a short file.
    const std::vector<std::wstring> lines = testing::Lines(fuzz::FileText(data, size));
    testing::MemoryTextFiles files;
    files.files[L"English.ini"] = lines;
    files.files[L"Chinese.ini"].assign(lines.begin() + static_cast<std::ptrdiff_t>(lines.size() / 2),
                                       lines.end());
    app::LanguageLines language;
    language.Load(files, app::Language::English);
    language.Load(files, app::Language::Chinese);
    std::vector<std::wstring> menus;
    std::wstring keys;
    for (int i = 0; i < static_cast<int>(app::kLanguageLineCount); ++i) {
        const std::optional<std::wstring>& line = language.Line(i);
        if (!line) {
            if (static_cast<std::size_t>(i) < lines.size()) {
                std::abort();  // a line the file gave is never lost
            }
            continue;
        }
        app::CaptionHasAccessKey(*line, skin::AccessLetter(*line));
        skin::ParsePopupText(*line);
        controls::AddAccessKeys(keys, *line);
        text::DisplayColumns(*line);
        menus.push_back(*line);
    }
    for (const wchar_t key : keys) {
        skin::AltKeyItem(menus, key);
    }
    return 0;
}
