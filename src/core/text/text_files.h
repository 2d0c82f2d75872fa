#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvell::text {

// What a reader remembers of its last read into one set of lines: when the file's bytes have not
// changed, those lines already hold their decoding and need not be decoded again. Only valid while
// nothing but ReadLines with this memo writes the lines.
struct LinesMemo {
    std::string bytes;
    std::size_t count = 0;
    bool valid = false;
};

// Where the program's data and language files come from: files in one folder, read as lines.
class TextFiles {
public:
    virtual ~TextFiles() = default;

    // Reads the first lines of the named file into lines[0], lines[1], ... and returns how many were
    // read. Entries past the end of a short file, or all of them when the file cannot be read, keep
    // what they held: the lookup tables rely on that. Lines end in CR LF or a lone LF; a last line
    // without an ending counts. The file is read every time, as far as the lines wanted; a memo only
    // spares decoding bytes that did not change since the last read into the same lines.
    virtual std::size_t ReadLines(std::wstring_view fileName, std::span<std::wstring> lines,
                                  LinesMemo* memo) = 0;
    std::size_t ReadLines(std::wstring_view fileName, std::span<std::wstring> lines) {
        return ReadLines(fileName, lines, nullptr);
    }
};

// Decoding and line splitting shared by the platforms. A file that starts with a UTF-16 byte-order
// mark (little or big endian) is UTF-16; one that starts with the UTF-8 mark is UTF-8; any other is
// UTF-8 when the bytes of the lines read are valid UTF-8 and otherwise the legacy Chinese code page
// (936), decoded by the platform. Only the wanted lines are read: the file is read in pieces until they
// are in, so what follows them (however large) costs nothing. No file of ours comes near
// kMostBytesRead; of a file that does, the lines that end within that many bytes are read and the rest
// are not, as if the file were short.
class DecodingTextFiles : public TextFiles {
public:
    using TextFiles::ReadLines;
    std::size_t ReadLines(std::wstring_view fileName, std::span<std::wstring> lines, LinesMemo* memo) final;

    static constexpr std::size_t kMostBytesRead = 256 * 1024;

protected:
    // Opens the named file for reading from its start; false when it cannot be opened. Every
    // successful Open is followed by one Close.
    virtual bool Open(std::wstring_view fileName) = 0;
    // Puts the open file's next bytes at destination, at most room of them, and says how many: fewer
    // than room only at the end of the file; nothing on an error.
    virtual std::optional<std::size_t> Read(char* destination, std::size_t room) = 0;
    virtual void Close() = 0;
    virtual void DecodeLegacy(std::string_view bytes, std::wstring& text) = 0;

    // Full paths made once per file name: the lookup opens the same two files on every search.
    template <typename Path, typename Make>
    static const Path& CachedPath(std::vector<std::pair<std::wstring, Path>>& cache, std::wstring_view name,
                                  Make make) {
        for (const auto& [cachedName, path] : cache) {
            if (cachedName == name) {
                return path;
            }
        }
        return cache.emplace_back(std::wstring(name), make(name)).second;
    }

private:
    static constexpr std::size_t kFirstRead = 8192;  // our files fit: one read each

    std::optional<std::string_view> ReadWantedBytes(std::size_t lineCount);
    std::size_t DecodeLines(std::string_view bytes, std::span<std::wstring> lines);

    // Kept between calls: the lookup reads its files on every search, and after the first read no
    // memory is allocated.
    std::vector<char> m_buffer;
    std::wstring m_text;
};

// Splits text into lines as ReadLines does; returns how many lines were written.
std::size_t SplitLinesInto(std::wstring_view text, std::span<std::wstring> lines);

}  // namespace orvell::text
