// One search and one reverse search as the search button runs them, reading the program's own data
// files on every run as the program does. The "FromMemory" runs serve the same file bytes from
// memory, which separates the lookup's own work from the system calls that open and read the files.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "lookup/lookup.h"
#include "text/text_files.h"

namespace {

using namespace orvell;
using namespace orvell::lookup;

class MemoryBytesFiles final : public text::DecodingTextFiles {
public:
    explicit MemoryBytesFiles(const std::string& folder) {
        for (const char* name : {"Character.txt", "ASC\xE2\x85\xA1.txt"}) {
            std::ifstream in(folder + "/" + name, std::ios::binary);
            m_files[name] = std::string(std::istreambuf_iterator<char>(in), {});
        }
    }

protected:
    bool ReadBytes(std::wstring_view fileName, std::string& bytes) override {
        bytes = m_files[fileName == kCharacterFile ? "Character.txt" : "ASC\xE2\x85\xA1.txt"];
        return true;
    }
    void DecodeLegacy(std::string_view, std::wstring& text) override { text.clear(); }

private:
    std::map<std::string, std::string> m_files;
};

void RunLookup(benchmark::State& state, text::TextFiles& files, SearchType type, SearchMode mode,
               const wchar_t* input) {
    Lookup lookup(files);
    LookupView view;
    view.type = type;
    view.mode = mode;
    view.tableLayout = true;
    for (auto _ : state) {
        view.input = input;
        lookup.Run(view);
        benchmark::DoNotOptimize(view.output.data());
    }
    if (!view.input.empty()) {
        state.SkipWithError("the lookup found nothing: data files missing?");
    }
}

// "~" is the last entry of the printable table and "255" the last line of the full one: the longest
// scans.
void BM_SearchShortTable(benchmark::State& state) {
    text::FolderTextFiles files(ORVELL_DATA_DIR);
    RunLookup(state, files, SearchType::VisualBasic, SearchMode::Search, L"~");
}
void BM_ReverseSearchFullTable(benchmark::State& state) {
    text::FolderTextFiles files(ORVELL_DATA_DIR);
    RunLookup(state, files, SearchType::C, SearchMode::ReverseSearch, L"255");
}
void BM_SearchShortTableFromMemory(benchmark::State& state) {
    MemoryBytesFiles files(ORVELL_DATA_DIR);
    RunLookup(state, files, SearchType::VisualBasic, SearchMode::Search, L"~");
}
void BM_ReverseSearchFullTableFromMemory(benchmark::State& state) {
    MemoryBytesFiles files(ORVELL_DATA_DIR);
    RunLookup(state, files, SearchType::C, SearchMode::ReverseSearch, L"255");
}

}  // namespace

BENCHMARK(BM_SearchShortTable);
BENCHMARK(BM_ReverseSearchFullTable);
BENCHMARK(BM_SearchShortTableFromMemory);
BENCHMARK(BM_ReverseSearchFullTableFromMemory);
BENCHMARK_MAIN();
