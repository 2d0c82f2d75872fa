#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "text/text_files.h"

namespace orvell::testing {

// Files held in memory, already split into lines; counts reads so tests can see the re-reading.
class MemoryTextFiles final : public text::TextFiles {
public:
    using text::TextFiles::ReadLines;
    std::size_t ReadLines(std::wstring_view fileName, std::span<std::wstring> lines,
                          text::LinesMemo*) override {
        ++reads[std::wstring(fileName)];
        const auto file = files.find(std::wstring(fileName));
        if (file == files.end()) {
            return 0;
        }
        const std::size_t count = std::min(lines.size(), file->second.size());
        std::copy_n(file->second.begin(), count, lines.begin());
        return count;
    }

    std::map<std::wstring, std::vector<std::wstring>> files;
    std::map<std::wstring, int> reads;
};

}  // namespace orvell::testing
