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
    // without an ending counts. The file is read every time; a memo only spares decoding bytes that
    // did not change since the last read into the same lines.
    virtual std::size_t ReadLines(std::wstring_view fileName, std::span<std::wstring> lines,
                                  LinesMemo* memo) = 0;
    std::size_t ReadLines(std::wstring_view fileName, std::span<std::wstring> lines) {
        return ReadLines(fileName, lines, nullptr);
    }
};

// Decoding and line splitting shared by the platforms: a file that starts with a UTF-8 byte-order
// mark or is valid UTF-8 is UTF-8, anything else is the legacy Chinese code page (936), decoded by
// the platform. The lookup re-reads its files on every search, so a file's bytes are read into a
// buffer kept between calls and looked at where they lie.
class DecodingTextFiles : public TextFiles {
public:
    using TextFiles::ReadLines;
    std::size_t ReadLines(std::wstring_view fileName, std::span<std::wstring> lines, LinesMemo* memo) final;

protected:
    // The whole file's bytes, valid until the next call; nothing when it cannot be opened or read.
    virtual std::optional<std::string_view> ReadBytes(std::wstring_view fileName) = 0;
    virtual void DecodeLegacy(std::string_view bytes, std::wstring& text) = 0;

    // Reads a file's bytes into the kept buffer with read(destination, room), which returns how many
    // bytes it put there (fewer than the room at the end of the file) or nothing on an error. The
    // buffer only grows, so after the first read of a file no memory is allocated or cleared.
    template <typename Read>
    std::optional<std::string_view> ReadIntoBuffer(Read read) {
        if (m_buffer.size() < kFirstRoom) {
            m_buffer.resize(kFirstRoom);
        }
        std::size_t used = 0;
        for (;;) {
            const std::size_t room = m_buffer.size() - used;
            const std::optional<std::size_t> got = read(m_buffer.data() + used, room);
            if (!got) {
                return std::nullopt;
            }
            used += *got;
            if (*got < room) {
                return std::string_view(m_buffer.data(), used);
            }
            m_buffer.resize(m_buffer.size() * 2);
        }
    }

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
    static constexpr std::size_t kFirstRoom = 8192;  // our files fit: one read each

    std::size_t DecodeLines(std::string_view bytes, std::span<std::wstring> lines);

    std::vector<char> m_buffer;
    std::wstring m_text;
};

// Splits text into lines as ReadLines does; returns how many lines were written.
std::size_t SplitLinesInto(std::wstring_view text, std::span<std::wstring> lines);

}  // namespace orvell::text
