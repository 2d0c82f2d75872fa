#include "text/text_files.h"

#include <algorithm>
#include <cstring>

#include "text/utf8.h"

namespace orvell::text {

namespace {

// What a file's first bytes say about the rest. Without a mark the lines read decide between UTF-8
// and the legacy code page.
enum class Encoding { Unmarked, Utf8, Utf16Le, Utf16Be };

Encoding EncodingOf(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE")) {
        return Encoding::Utf16Le;
    }
    if (bytes.starts_with("\xFE\xFF")) {
        return Encoding::Utf16Be;
    }
    return bytes.starts_with("\xEF\xBB\xBF") ? Encoding::Utf8 : Encoding::Unmarked;
}

// Counts the line ends of a file's bytes as they come in, piece by piece, without scanning any byte
// twice. In UTF-16 a line end is the unit 0x000A; in the other encodings the byte 0x0A, which no
// character of UTF-8 or code page 936 holds inside it.
class LineEnds {
public:
    // The end (just past its line feed) of the wanted-th line once the bytes hold it.
    std::optional<std::size_t> Find(std::string_view bytes, std::size_t wanted) {
        if (wanted == 0) {
            return 0;
        }
        if (bytes.size() < 2) {
            return std::nullopt;  // too few to tell UTF-16 from the rest
        }
        const Encoding encoding = EncodingOf(bytes);
        const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
        if (encoding == Encoding::Utf16Le || encoding == Encoding::Utf16Be) {
            const std::size_t low = encoding == Encoding::Utf16Le ? 0 : 1;
            for (; m_scanned + 2 <= bytes.size(); m_scanned += 2) {
                if (p[m_scanned + low] == 0x0A && p[m_scanned + 1 - low] == 0 &&
                    Found(m_scanned + 2, wanted)) {
                    return m_lastEnd;
                }
            }
            return std::nullopt;
        }
        while (m_scanned < bytes.size()) {
            const void* lf = std::memchr(p + m_scanned, '\n', bytes.size() - m_scanned);
            if (lf == nullptr) {
                m_scanned = bytes.size();
                break;
            }
            m_scanned = static_cast<std::size_t>(static_cast<const unsigned char*>(lf) - p) + 1;
            if (Found(m_scanned, wanted)) {
                return m_lastEnd;
            }
        }
        return std::nullopt;
    }

    std::size_t LastEnd() const { return m_lastEnd; }

private:
    bool Found(std::size_t end, std::size_t wanted) {
        m_lastEnd = end;
        return ++m_found == wanted;
    }

    std::size_t m_scanned = 0;
    std::size_t m_found = 0;
    std::size_t m_lastEnd = 0;
};

// Cuts text into lines as ReadLines does and hands each to put(line, entry); at most `most` of them.
template <typename Char, typename Put>
std::size_t SplitLines(std::basic_string_view<Char> text, std::size_t most, Put put) {
    std::size_t count = 0;
    std::size_t start = 0;
    while (count < most && start < text.size()) {
        std::size_t end = text.find(Char('\n'), start);
        const std::size_t next = (end == text.npos) ? text.size() : end + 1;
        if (end == text.npos) {
            end = text.size();
        }
        if (end > start && text[end - 1] == Char('\r')) {
            --end;
        }
        put(text.substr(start, end - start), count++);
        start = next;
    }
    return count;
}

}  // namespace

std::size_t SplitLinesInto(std::wstring_view text, std::span<std::wstring> lines) {
    return SplitLines(text, lines.size(),
                      [&](std::wstring_view line, std::size_t i) { lines[i].assign(line); });
}

std::size_t DecodingTextFiles::ReadLines(std::wstring_view fileName, std::span<std::wstring> lines,
                                         LinesMemo* memo) {
    if (!Open(fileName)) {
        return 0;
    }
    const std::optional<std::string_view> bytes = ReadWantedBytes(lines.size());
    Close();
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

// The file's bytes up to the end of its lineCount-th line, or all of them when it has fewer lines.
std::optional<std::string_view> DecodingTextFiles::ReadWantedBytes(std::size_t lineCount) {
    LineEnds ends;
    std::size_t used = 0;
    std::size_t room = kFirstRead;
    for (;;) {
        room = std::min(room, kMostBytesRead - used);
        if (m_buffer.size() < used + room) {
            m_buffer.resize(used + room);
        }
        const std::optional<std::size_t> got = Read(m_buffer.data() + used, room);
        if (!got) {
            return std::nullopt;
        }
        used += std::min(*got, room);
        const std::string_view bytes(m_buffer.data(), used);
        if (const std::optional<std::size_t> end = ends.Find(bytes, lineCount)) {
            return bytes.substr(0, *end);
        }
        if (*got < room) {
            return bytes;  // the end of the file; its last line may have no line end
        }
        if (used == kMostBytesRead) {
            return bytes.substr(0, ends.LastEnd());  // the line that runs on is not read
        }
        room *= 2;
    }
}

std::size_t DecodingTextFiles::DecodeLines(std::string_view bytes, std::span<std::wstring> lines) {
    const auto decodeEach = [&](auto decode) {
        return SplitLines(bytes, lines.size(),
                          [&](std::string_view line, std::size_t i) { decode(line, lines[i]); });
    };
    switch (EncodingOf(bytes)) {
        case Encoding::Utf16Le:
        case Encoding::Utf16Be:
            DecodeUtf16(bytes.substr(2), EncodingOf(bytes) == Encoding::Utf16Be, m_text);
            return SplitLinesInto(m_text, lines);
        case Encoding::Utf8:
            bytes.remove_prefix(3);
            return decodeEach(DecodeUtf8Replacing);
        case Encoding::Unmarked:
            break;
    }
    if (IsValidUtf8(bytes)) {
        // Straight into the entries: the lines of UTF-8 are cut before they are decoded.
        return decodeEach([](std::string_view line, std::wstring& out) { DecodeUtf8Piece(line, out); });
    }
    DecodeLegacy(bytes, m_text);
    return SplitLinesInto(m_text, lines);
}

}  // namespace orvell::text
