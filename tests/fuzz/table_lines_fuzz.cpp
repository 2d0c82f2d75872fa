// The lookup tables filled from the data files' lines, and every kind of search over them. The input
// holds the character file, a form feed and the value file; without a form feed both files hold it.
// Searches mostly look for an entry of the files, so that they find one and format its answer.
#include <cstddef>
#include <cstdint>

#include "core/memory_text_files.h"
#include "core/text_lines.h"
#include "fuzz/fuzz_text.h"
#include "lookup/lookup.h"

using namespace orvell;
using namespace orvell::lookup;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring text = fuzz::FileText(data, size);
    const std::size_t split = text.find(L'\f');
    testing::MemoryTextFiles files;
    auto& characters = files.files[std::wstring(kCharacterFile)] = testing::Lines(text.substr(0, split));
    auto& values = files.files[std::wstring(kValueFile)] =
        testing::Lines(split == std::wstring::npos ? text : text.substr(split + 1));
    Lookup lookup(files);
    LookupView view;
    // Four of the 24 kinds of search (type, mode, language, layout), picked by the input.
    const int first = size > 0 ? data[size - 1] : 0;
    for (int k = 0; k < 4; ++k) {
        const int round = (first + k * 7) % 24;
        view.type = static_cast<SearchType>(round % 3);
        view.mode = round / 3 % 2 == 0 ? SearchMode::Search : SearchMode::ReverseSearch;
        view.language = round / 6 % 2 == 0 ? Language::Chinese : Language::English;
        view.tableLayout = round / 12 % 2 == 1;
        const auto& entries = view.mode == SearchMode::Search ? characters : values;
        view.input = text::TrimBlanks(entries[static_cast<std::size_t>(round * 37) % entries.size()]);
        lookup.Run(view);
        KeyPress(view, round + 8);
    }
    return 0;
}
