#include "controls/program_path.h"

namespace orvell::controls {

namespace {

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

bool IsRooted(std::wstring_view path) {
    if (!path.empty() && IsSeparator(path.front())) {
        return true;
    }
    return path.size() >= 2 && path[1] == L':' &&
           ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z'));
}

}  // namespace

std::wstring ResolveProgramPath(std::wstring_view path, std::wstring_view programFolder) {
    if (path.empty() || IsRooted(path) || programFolder.empty()) {
        return std::wstring(path);
    }
    // ".\" names the folder itself; dropping it keeps the path readable in messages and logs.
    while (path.size() >= 2 && path[0] == L'.' && IsSeparator(path[1])) {
        path.remove_prefix(2);
    }
    std::wstring resolved(programFolder);
    if (!IsSeparator(resolved.back())) {
        resolved += L'\\';
    }
    resolved += path;
    return resolved;
}

}  // namespace orvell::controls
