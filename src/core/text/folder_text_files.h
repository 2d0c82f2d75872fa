#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "text/text_files.h"

namespace orvell::text {

// Files in a given folder, opened, read and closed on every read. Used by the tests and benchmarks;
// legacy bytes are taken as Latin-1 since only Windows has the Chinese code page. Kept apart from the
// program's own reader: its std::filesystem paths would bring the C++ locale library into the exe.
class FolderTextFiles final : public DecodingTextFiles {
public:
    explicit FolderTextFiles(std::filesystem::path folder) : m_folder(std::move(folder)) {}

protected:
    bool Open(std::wstring_view fileName) override;
    std::optional<std::size_t> Read(char* destination, std::size_t room) override;
    void Close() override;
    void DecodeLegacy(std::string_view bytes, std::wstring& text) override;

private:
    std::filesystem::path m_folder;
#ifdef _WIN32
    std::vector<std::pair<std::wstring, std::filesystem::path>> m_paths;
    std::FILE* m_file = nullptr;
#else
    std::vector<std::pair<std::wstring, std::string>> m_paths;
    int m_descriptor = -1;
#endif
};

}  // namespace orvell::text
