#include "text/text_files.h"

#include <cstdio>
#include <memory>

#include "text/utf8.h"

namespace orvell::text {

std::size_t SplitLinesInto(std::wstring_view text, std::span<std::wstring> lines) {
    std::size_t count = 0;
    std::size_t start = 0;
    while (count < lines.size() && start < text.size()) {
        std::size_t end = text.find(L'\n', start);
        const std::size_t next = (end == std::wstring_view::npos) ? text.size() : end + 1;
        if (end == std::wstring_view::npos) {
            end = text.size();
        }
        if (end > start && text[end - 1] == L'\r') {
            --end;
        }
        lines[count++].assign(text.substr(start, end - start));
        start = next;
    }
    return count;
}

std::size_t DecodingTextFiles::ReadLines(std::wstring_view fileName, std::span<std::wstring> lines) {
    if (!ReadBytes(fileName, m_bytes)) {
        return 0;
    }
    if (!DecodeUtf8(m_bytes, m_text)) {
        DecodeLegacy(m_bytes, m_text);
    }
    return SplitLinesInto(m_text, lines);
}

bool FolderTextFiles::ReadBytes(std::wstring_view fileName, std::string& bytes) {
    const std::filesystem::path path = m_folder / std::filesystem::path(fileName);
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
#ifdef _WIN32
    const std::unique_ptr<std::FILE, Closer> file(_wfopen(path.c_str(), L"rb"));
#else
    const std::unique_ptr<std::FILE, Closer> file(std::fopen(path.c_str(), "rb"));
#endif
    if (!file) {
        return false;
    }
    bytes.clear();
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        bytes.append(buffer, got);
    }
    return std::ferror(file.get()) == 0;
}

void FolderTextFiles::DecodeLegacy(std::string_view bytes, std::wstring& text) {
    text.clear();
    for (const char byte : bytes) {
        text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
    }
}

}  // namespace orvell::text
