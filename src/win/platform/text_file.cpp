#include "platform/text_file.h"

#include <windows.h>

#include <algorithm>
#include <climits>

#include "platform/unique_handle.h"

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

bool ExeFolderTextFiles::ReadBytes(std::wstring_view fileName, std::string& bytes) {
    std::wstring path = m_folder;
    path += L'\\';
    path += fileName;
    // Shared for writing and deleting: a data file open in an editor is still readable.
    const unique_hfile file(::CreateFileW(path.c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    // The lookup reads its files on every search: read straight into the kept buffer, in one call
    // for a file whose size is known (a short read of a disk file is its end).
    LARGE_INTEGER size{};
    std::size_t room = 4096;
    if (::GetFileSizeEx(file.Get(), &size) != 0 && size.QuadPart >= 0 && size.QuadPart < INT_MAX) {
        room = static_cast<std::size_t>(size.QuadPart) + 1;
    }
    bytes.resize(room);
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size()) {
            bytes.resize(bytes.size() * 2);
        }
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - used, 1u << 30));
        DWORD got = 0;
        if (::ReadFile(file.Get(), bytes.data() + used, wanted, &got, nullptr) == 0) {
            bytes.clear();
            return false;
        }
        used += got;
        if (got < wanted) {
            break;
        }
    }
    bytes.resize(used);
    return true;
}

void ExeFolderTextFiles::DecodeLegacy(std::string_view bytes, std::wstring& text) {
    text.clear();
    // Past 2 GB the conversion cannot take it in one piece, and it is no file of ours: read as empty.
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX)) {
        return;
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
