#include "text/folder_text_files.h"

#include <cstdio>
#include <memory>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

#include "text/utf8.h"

namespace orvell::text {

std::optional<std::string_view> FolderTextFiles::ReadBytes(std::wstring_view fileName) {
#ifdef _WIN32
    const auto& path = CachedPath(
        m_paths, fileName, [&](std::wstring_view name) { return m_folder / std::filesystem::path(name); });
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    const std::unique_ptr<std::FILE, Closer> file(_wfopen(path.c_str(), L"rb"));
    if (!file) {
        return std::nullopt;
    }
    return ReadIntoBuffer([&](char* destination, std::size_t room) -> std::optional<std::size_t> {
        const std::size_t got = std::fread(destination, 1, room, file.get());
        if (std::ferror(file.get()) != 0) {
            return std::nullopt;
        }
        return got;
    });
#else
    // Linux file names are bytes; ours are UTF-8, whatever the process locale says. Plain POSIX
    // calls: the lookup reads two files per search and stdio's buffering only adds cost.
    const std::string& path = CachedPath(
        m_paths, fileName, [&](std::wstring_view name) { return (m_folder / EncodeUtf8(name)).string(); });
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return std::nullopt;
    }
    // A short read of a regular file means its end.
    const auto bytes = ReadIntoBuffer([&](char* destination, std::size_t room) -> std::optional<std::size_t> {
        const ssize_t got = ::read(descriptor, destination, room);
        if (got < 0) {
            return std::nullopt;
        }
        return static_cast<std::size_t>(got);
    });
    ::close(descriptor);
    return bytes;
#endif
}

void FolderTextFiles::DecodeLegacy(std::string_view bytes, std::wstring& text) {
    text.clear();
    for (const char byte : bytes) {
        text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
    }
}

}  // namespace orvell::text
