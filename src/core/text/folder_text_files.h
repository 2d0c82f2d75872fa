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

// Files in a given folder, opened, read and closed on every read: orvell-cli's on Linux, the tests' and
// the benchmarks'. Legacy bytes go to the decoder given (orvell-cli's knows the Chinese code page);
// without one each byte stands for itself. Kept apart from the program's own reader: its
// std::filesystem paths would bring the C++ locale library into the exe.
class FolderTextFiles final : public DecodingTextFiles {
public:
    using LegacyDecoder = void (*)(std::string_view bytes, std::wstring& text);
    explicit FolderTextFiles(std::filesystem::path folder, LegacyDecoder legacy = nullptr)
        : m_folder(std::move(folder)), m_legacy(legacy) {}

protected:
    bool Open(std::wstring_view fileName) override;
    std::optional<std::size_t> Read(char* destination, std::size_t room) override;
    void Close() override;
    void DecodeLegacy(std::string_view bytes, std::wstring& text) override;

private:
    std::filesystem::path m_folder;
    LegacyDecoder m_legacy;
#ifdef _WIN32
    std::vector<std::pair<std::wstring, std::filesystem::path>> m_paths;
    std::FILE* m_file = nullptr;
#else
    std::vector<std::pair<std::wstring, std::string>> m_paths;
    int m_descriptor = -1;
#endif
};

}  // namespace orvell::text
