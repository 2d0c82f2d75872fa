// One search and one reverse search as the search button runs them, reading the program's own data
// files on every run as the program does. The "FromMemory" runs serve the same file bytes from
// memory, which separates the lookup's own work from the system calls that open and read the files.
// The floor is what no lookup can beat: the two files opened, read and closed with bare system calls
// into a buffer on the stack; each lookup that reads the files prints its time over the floor's.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "lookup/lookup.h"
#include "text/folder_text_files.h"

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
    bool Open(std::wstring_view fileName) override {
        m_open = &m_files[fileName == kCharacterFile ? "Character.txt" : "ASC\xE2\x85\xA1.txt"];
        m_at = 0;
        return true;
    }
    std::optional<std::size_t> Read(char* destination, std::size_t room) override {
        const std::size_t got = std::min(room, m_open->size() - m_at);
        std::memcpy(destination, m_open->data() + m_at, got);
        m_at += got;
        return got;
    }
    void Close() override {}
    void DecodeLegacy(std::string_view, std::wstring& text) override { text.clear(); }

private:
    std::map<std::string, std::string> m_files;
    const std::string* m_open = nullptr;
    std::size_t m_at = 0;
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

void BM_ReadBothFilesFloor(benchmark::State& state) {
    const std::string folder = ORVELL_DATA_DIR;
    const std::string paths[] = {folder + "/Character.txt", folder + "/ASC\xE2\x85\xA1.txt"};
    char buffer[8192];
    for (auto _ : state) {
        for (const std::string& path : paths) {
            const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
            if (descriptor < 0) {
                state.SkipWithError("data files missing");
                return;
            }
            benchmark::DoNotOptimize(::read(descriptor, buffer, sizeof buffer));
            ::close(descriptor);
        }
        benchmark::ClobberMemory();
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

// The shipped files, each followed by 1 GiB (sparse, so quick to make): the lookup costs what it costs
// with the shipped ones, and the process does not grow by the tail.
void BM_ReverseSearchFullTableHugeTail(benchmark::State& state) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "orvell-huge-tail";
    fs::create_directories(folder);
    for (const char* name : {"Character.txt", "ASC\xE2\x85\xA1.txt"}) {
        fs::copy_file(fs::path(ORVELL_DATA_DIR) / name, folder / name, fs::copy_options::overwrite_existing);
        fs::resize_file(folder / name, fs::file_size(folder / name) + (std::uintmax_t{1} << 30));
    }
    rusage before{};
    ::getrusage(RUSAGE_SELF, &before);
    text::FolderTextFiles files(folder);
    RunLookup(state, files, SearchType::C, SearchMode::ReverseSearch, L"255");
    rusage after{};
    ::getrusage(RUSAGE_SELF, &after);
    state.counters["peak_rss_growth_kB"] = static_cast<double>(after.ru_maxrss - before.ru_maxrss);
    fs::remove_all(folder);
}

// The console table, and after each lookup that reads the files its time as a multiple of the floor.
class FloorRatioReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // With repetitions, the medians stand for their runs.
            const bool repeated = run.repetitions > 1;
            if (repeated != (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")) {
                continue;
            }
            const std::string name = run.benchmark_name();
            const double time = run.GetAdjustedRealTime();
            if (name.find("Floor") != std::string::npos) {
                m_floor = time;
            } else if (m_floor > 0 && name.find("FromMemory") == std::string::npos) {
                std::printf("  %s: %.2f x the floor\n", name.c_str(), time / m_floor);
            }
        }
    }

private:
    double m_floor = 0;
};

}  // namespace

// The floor first: the ratios need it.
BENCHMARK(BM_ReadBothFilesFloor);
BENCHMARK(BM_SearchShortTable);
BENCHMARK(BM_ReverseSearchFullTable);
BENCHMARK(BM_ReverseSearchFullTableHugeTail);
BENCHMARK(BM_SearchShortTableFromMemory);
BENCHMARK(BM_ReverseSearchFullTableFromMemory);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    FloorRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
