// One search and one reverse search as the search button runs them, with the program's own data
// files read from disk on each run, as the program does.
#include <benchmark/benchmark.h>

#include "lookup/lookup.h"
#include "text/text_files.h"

namespace {

using namespace orvell::lookup;

void RunLookup(benchmark::State& state, SearchType type, SearchMode mode, const wchar_t* input) {
    orvell::text::FolderTextFiles files(ORVELL_DATA_DIR);
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

void BM_SearchShortTable(benchmark::State& state) { RunLookup(state, SearchType::VisualBasic, SearchMode::Search, L"~"); }
void BM_ReverseSearchFullTable(benchmark::State& state) {
    RunLookup(state, SearchType::C, SearchMode::ReverseSearch, L"255");
}

}  // namespace

BENCHMARK(BM_SearchShortTable);
BENCHMARK(BM_ReverseSearchFullTable);
BENCHMARK_MAIN();
