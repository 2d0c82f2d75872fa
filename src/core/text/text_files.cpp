#include "text/text_files.h"

#include <cstdio>
#include <memory>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

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

std::size_t DecodingTextFiles::ReadLines(std::wstring_view fileName, std::span<std::wstring> lines,
                                         LinesMemo* memo) {
    if (!ReadBytes(fileName, m_bytes)) {
        return 0;
    }
    if (memo) {
        if (memo->valid && memo->bytes == m_bytes) {
            return memo->count;
        }
        memo->bytes = m_bytes;
        memo->count = DecodeLines(lines);
        memo->valid = true;
        return memo->count;
    }
    return DecodeLines(lines);
}

std::size_t DecodingTextFiles::DecodeLines(std::span<std::wstring> lines) {
    if (!IsValidUtf8(m_bytes)) {
        DecodeLegacy(m_bytes, m_text);
        return SplitLinesInto(m_text, lines);
    }
    // UTF-8: decode just the lines wanted, straight into their entries (the lookup re-reads its files
    // on every search, so this path is kept lean).
    const std::string_view bytes = WithoutByteOrderMark(m_bytes);
    std::size_t count = 0;
    std::size_t start = 0;
    while (count < lines.size() && start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const std::size_t next = (end == std::string_view::npos) ? bytes.size() : end + 1;
        if (end == std::string_view::npos) {
            end = bytes.size();
        }
        if (end > start && bytes[end - 1] == '\r') {
            --end;
        }
        DecodeUtf8Piece(bytes.substr(start, end - start), lines[count++]);
        start = next;
    }
    return count;
}

bool FolderTextFiles::ReadBytes(std::wstring_view fileName, std::string& bytes) {
    bytes.clear();
#ifdef _WIN32
    const std::filesystem::path path = m_folder / std::filesystem::path(fileName);
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    const std::unique_ptr<std::FILE, Closer> file(_wfopen(path.c_str(), L"rb"));
    if (!file) {
        return false;
    }
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        bytes.append(buffer, got);
    }
    return std::ferror(file.get()) == 0;
#else
    // Linux file names are bytes; ours are UTF-8, whatever the process locale says. Plain POSIX
    // calls: the lookup reads two files per search and stdio's buffering only adds cost.
    const std::string path = (m_folder / EncodeUtf8(fileName)).string();
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    char buffer[8192];
    ssize_t got = 0;
    // A short read of a regular file means its end: our files fit one buffer, one call.
    while ((got = ::read(descriptor, buffer, sizeof buffer)) > 0) {
        bytes.append(buffer, static_cast<std::size_t>(got));
        if (static_cast<std::size_t>(got) < sizeof buffer) {
            got = 0;
            break;
        }
    }
    ::close(descriptor);
    return got == 0;
#endif
}

void FolderTextFiles::DecodeLegacy(std::string_view bytes, std::wstring& text) {
    text.clear();
    for (const char byte : bytes) {
        text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
    }
}

}  // namespace orvell::text
