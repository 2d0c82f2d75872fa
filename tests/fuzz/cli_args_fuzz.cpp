// orvell-cli's whole run: its arguments and the data files it reads, as a user or an edited file may
// give them. The input holds the arguments one a line, a form feed, the character file, a form feed
// and the value file; the language files are the value file too, so their captions come from it.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/language.h"
#include "cli/cli.h"
#include "core/memory_text_files.h"
#include "core/text_lines.h"
#include "fuzz/fuzz_text.h"
#include "lookup/tables.h"

using namespace orvell;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring text = fuzz::FileText(data, size);
    const std::size_t first = text.find(L'\f');
    const std::size_t second = first == std::wstring::npos ? first : text.find(L'\f', first + 1);
    std::vector<std::wstring> arguments = testing::Lines(text.substr(0, first));
    if (arguments.size() > 16) {
        arguments.resize(16);  // a command line, not a file
    }
    testing::MemoryTextFiles files;
    if (first != std::wstring::npos) {
        const std::wstring characters = text.substr(first + 1, second - first - 1);
        const std::wstring values = second == std::wstring::npos ? characters : text.substr(second + 1);
        files.files[std::wstring(lookup::kCharacterFile)] = testing::Lines(characters);
        for (const std::wstring_view name :
             {lookup::kValueFile, app::LanguageFileName(lookup::Language::Chinese),
              app::LanguageFileName(lookup::Language::English)}) {
            files.files[std::wstring(name)] = testing::Lines(values);
        }
    }
    const cli::Outcome outcome =
        cli::Run(arguments, size % 2 == 0 ? lookup::Language::Chinese : lookup::Language::English, files,
                 L"data/", L"0");
    if (outcome.exitCode < 0 || outcome.exitCode > 2) {
        __builtin_trap();  // only the three documented exit statuses
    }
    return 0;
}
