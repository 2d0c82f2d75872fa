#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

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
// the platform. The buffers are kept between calls because the lookup re-reads its files on every
// search.
class DecodingTextFiles : public TextFiles {
public:
    using TextFiles::ReadLines;
    std::size_t ReadLines(std::wstring_view fileName, std::span<std::wstring> lines, LinesMemo* memo) final;

protected:
    virtual bool ReadBytes(std::wstring_view fileName, std::string& bytes) = 0;
    virtual void DecodeLegacy(std::string_view bytes, std::wstring& text) = 0;

private:
    std::size_t DecodeLines(std::span<std::wstring> lines);

    std::string m_bytes;
    std::wstring m_text;
};

// Splits text into lines as ReadLines does; returns how many lines were written.
std::size_t SplitLinesInto(std::wstring_view text, std::span<std::wstring> lines);

// Files in a given folder, opened, read and closed on every read. Used natively (tests, benchmarks);
// legacy bytes are taken as Latin-1 there since only Windows has the Chinese code page.
class FolderTextFiles final : public DecodingTextFiles {
public:
    explicit FolderTextFiles(std::filesystem::path folder) : m_folder(std::move(folder)) {}

protected:
    bool ReadBytes(std::wstring_view fileName, std::string& bytes) override;
    void DecodeLegacy(std::string_view bytes, std::wstring& text) override;

private:
    std::filesystem::path m_folder;
};

}  // namespace orvell::text
