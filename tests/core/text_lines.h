#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "text/utf8.h"

namespace orvell::testing {

// Texts compared as UTF-8, so that a failure prints the Chinese readably.
inline std::string Utf8(std::wstring_view text) {
    return text::EncodeUtf8(text);
}

// The lines of a box's text, split at CR LF as the box shows them.
inline std::vector<std::wstring> Lines(std::wstring_view text) {
    std::vector<std::wstring> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(L"\r\n", start);
        lines.emplace_back(text.substr(start, end - start));
        if (end == std::wstring_view::npos) {
            return lines;
        }
        start = end + 2;
    }
}

}  // namespace orvell::testing
