#include "text/text_files.h"

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
    const std::optional<std::string_view> bytes = ReadBytes(fileName);
    if (!bytes) {
        return 0;
    }
    if (memo) {
        if (memo->valid && memo->bytes == *bytes) {
            return memo->count;
        }
        memo->bytes.assign(*bytes);
        memo->count = DecodeLines(*bytes, lines);
        memo->valid = true;
        return memo->count;
    }
    return DecodeLines(*bytes, lines);
}

std::size_t DecodingTextFiles::DecodeLines(std::string_view fileBytes, std::span<std::wstring> lines) {
    if (!IsValidUtf8(fileBytes)) {
        DecodeLegacy(fileBytes, m_text);
        return SplitLinesInto(m_text, lines);
    }
    // UTF-8: decode just the lines wanted, straight into their entries.
    const std::string_view bytes = WithoutByteOrderMark(fileBytes);
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

}  // namespace orvell::text
