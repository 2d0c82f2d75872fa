#include "text/folder_text_files.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

#include "text/utf8.h"

namespace orvell::text {

#ifdef _WIN32

bool FolderTextFiles::Open(std::wstring_view fileName) {
    const auto& path = CachedPath(
        m_paths, fileName, [&](std::wstring_view name) { return m_folder / std::filesystem::path(name); });
    m_file = _wfopen(path.c_str(), L"rb");
    return m_file != nullptr;
}

std::optional<std::size_t> FolderTextFiles::Read(char* destination, std::size_t room) {
    const std::size_t got = std::fread(destination, 1, room, m_file);
    if (std::ferror(m_file) != 0) {
        return std::nullopt;
    }
    return got;
}

void FolderTextFiles::Close() {
    std::fclose(m_file);
    m_file = nullptr;
}

#else

// Linux file names are bytes; ours are UTF-8, whatever the process locale says. Plain POSIX calls: the
// lookup reads two files per search and stdio's buffering only adds cost.
bool FolderTextFiles::Open(std::wstring_view fileName) {
    const std::string& path = CachedPath(
        m_paths, fileName, [&](std::wstring_view name) { return (m_folder / EncodeUtf8(name)).string(); });
    m_descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    return m_descriptor >= 0;
}

// A short read of a regular file means its end.
std::optional<std::size_t> FolderTextFiles::Read(char* destination, std::size_t room) {
    const ssize_t got = ::read(m_descriptor, destination, room);
    if (got < 0) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(got);
}

void FolderTextFiles::Close() {
    ::close(m_descriptor);
    m_descriptor = -1;
}

#endif

void FolderTextFiles::DecodeLegacy(std::string_view bytes, std::wstring& text) {
    if (m_legacy) {
        return m_legacy(bytes, text);
    }
    text.clear();
    for (const char byte : bytes) {
        text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
    }
}

}  // namespace orvell::text
