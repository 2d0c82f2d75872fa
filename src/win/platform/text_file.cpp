#include "platform/text_file.h"

#include <windows.h>

namespace orvell::win {

namespace {

constexpr UINT kChineseCodePage = 936;

}  // namespace

std::wstring ExePath() {
    // The path may be longer than MAX_PATH; a buffer that was too small comes back full.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        if (path.size() >= 32768) {
            return {};
        }
        path.resize(path.size() * 2);
    }
}

std::wstring ExeFolder() {
    const std::wstring path = ExePath();
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

bool ExeFolderTextFiles::Open(std::wstring_view fileName) {
    const std::wstring& path = CachedPath(m_paths, fileName, [&](std::wstring_view name) {
        std::wstring full = m_folder;
        full += L'\\';
        full += name;
        return full;
    });
    // Shared for writing and deleting: a data file open in an editor is still readable.
    m_file.Reset(::CreateFileW(path.c_str(), GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(m_file);
}

// No size query: a short read of a disk file is its end, and our files fit the first read.
std::optional<std::size_t> ExeFolderTextFiles::Read(char* destination, std::size_t room) {
    DWORD got = 0;  // room is never more than kMostBytesRead
    if (::ReadFile(m_file.Get(), destination, static_cast<DWORD>(room), &got, nullptr) == 0) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(got);
}

void ExeFolderTextFiles::Close() {
    m_file.Reset();
}

void ExeFolderTextFiles::DecodeLegacy(std::string_view bytes, std::wstring& text) {
    text.clear();
    if (bytes.empty()) {
        return;  // MultiByteToWideChar calls an empty text an error
    }
    const int length = static_cast<int>(bytes.size());
    const int needed = ::MultiByteToWideChar(kChineseCodePage, 0, bytes.data(), length, nullptr, 0);
    if (needed > 0) {
        text.resize(static_cast<std::size_t>(needed));
        const int written =
            ::MultiByteToWideChar(kChineseCodePage, 0, bytes.data(), length, text.data(), needed);
        text.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
        return;
    }
    // A system without the Chinese code page: each byte stands for itself, so the ASCII parts of the
    // file (codes, line ends) still read.
    for (const char byte : bytes) {
        text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
    }
}

}  // namespace orvell::win
