#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "text/text_files.h"
#include "text/utf8.h"

namespace orvell::text {
namespace {

// What is not UTF-8 is refused, so that the legacy code page can take it.
TEST(Utf8, DecodesValidTextDropsTheByteOrderMarkAndRefusesTheRest) {
    struct Case {
        std::string bytes;
        std::optional<std::wstring> text;
    };
    const Case cases[] = {
        {"", L""},
        {"A~\r\n", L"A~\r\n"},
        {"\xEF\xBB\xBFxyz", L"xyz"},
        {"ASC\xE2\x85\xA1", L"ASCⅡ"},                       // U+2161, three bytes
        {"\xC3\xBC\xC2\xA4", L"ü¤"},                        // two-byte forms
        {"\xF0\x9F\x98\x80", L"\U0001F600"},                // outside the BMP: a pair on Windows
        {"\xD7\xD6\xB7\xFB", std::nullopt},                 // "字符" in code page 936
        {"\x80", std::nullopt},                             // lone continuation byte
        {"\xE2\x85", std::nullopt},                         // cut short
        {"\xC0\xAF", std::nullopt},                         // overlong "/"
        {"\xED\xA0\x80", std::nullopt},                     // surrogate
        {"\xF4\x90\x80\x80", std::nullopt},                 // past U+10FFFF
        {"abcdefghijklmnopqrstuvwxyz\xC3(", std::nullopt},  // bad continuation after ASCII
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeUtf8(c.bytes), c.text) << testing::PrintToString(c.bytes);
        EXPECT_EQ(IsValidUtf8(c.bytes), c.text.has_value()) << testing::PrintToString(c.bytes);
        if (c.text) {
            EXPECT_EQ(EncodeUtf8(*c.text), WithoutByteOrderMark(c.bytes)) << "back to UTF-8";
        }
    }
}

// The box-drawing tables line up in a fixed-pitch CJK font: any character outside ASCII is two
// columns, one outside the BMP too, however many units it takes.
TEST(DisplayColumns, CountsEveryCharacterOutsideAsciiAsTwo) {
    const std::pair<std::wstring, int> cases[] = {{L"A~", 2}, {L"\U0001D11E", 2}, {L"a\U0001F600字", 5}};
    for (const auto& [text, columns] : cases) {
        EXPECT_EQ(DisplayColumns(text), columns) << EncodeUtf8(text);
    }
}

// Bytes in memory, so the decoding choice can be seen without touching the disk; counts what was
// read.
class BytesTextFiles final : public DecodingTextFiles {
public:
    std::string bytes;
    int legacyDecodes = 0;
    std::size_t bytesRead = 0;
    int open = 0;

protected:
    bool Open(std::wstring_view) override {
        m_at = 0;
        return ++open == 1;
    }
    std::optional<std::size_t> Read(char* destination, std::size_t room) override {
        const std::size_t got = std::min(room, bytes.size() - m_at);
        std::copy_n(bytes.data() + m_at, got, destination);
        m_at += got;
        bytesRead += got;
        return got;
    }
    void Close() override { --open; }
    void DecodeLegacy(std::string_view in, std::wstring& out) override {
        ++legacyDecodes;
        out.clear();
        for (const char byte : in) {
            out.push_back(static_cast<unsigned char>(byte) < 0x80 ? static_cast<wchar_t>(byte) : L'?');
        }
    }

private:
    std::size_t m_at = 0;
};

// UTF-8 files are split as they are decoded, legacy ones after: both ways must cut the same lines.
TEST(ReadLines, TakesCrLfAndLoneLfAndKeepsEntriesPastTheEnd) {
    struct Case {
        std::wstring text;
        std::size_t read;
        std::array<std::wstring, 3> lines;
    };
    const Case cases[] = {
        {L"a\r\nb\r\nc\r\n", 3, {L"a", L"b", L"c"}},
        {L"a\nb\nc", 3, {L"a", L"b", L"c"}},             // last line without an ending counts
        {L"a\r\n\r\nc\r\nd\r\n", 3, {L"a", L"", L"c"}},  // empty line is a line; extra lines ignored
        {L"a\r\n", 1, {L"a", L"old", L"old"}},           // short file: the rest keep their text
        {L"", 0, {L"old", L"old", L"old"}},
        {L" x \r\r\n", 1, {L" x \r", L"old", L"old"}},  // only the CR before LF belongs to the ending
    };
    BytesTextFiles files;
    for (const Case& c : cases) {
        std::array<std::wstring, 3> split{L"old", L"old", L"old"};
        EXPECT_EQ(SplitLinesInto(c.text, split), c.read) << EncodeUtf8(c.text);
        EXPECT_EQ(split, c.lines) << "legacy: " << EncodeUtf8(c.text);
        std::array<std::wstring, 3> read{L"old", L"old", L"old"};
        files.bytes = EncodeUtf8(c.text);
        EXPECT_EQ(files.ReadLines(L"x", read), c.read) << EncodeUtf8(c.text);
        EXPECT_EQ(read, c.lines) << "UTF-8: " << EncodeUtf8(c.text);
    }
    EXPECT_EQ(files.legacyDecodes, 0);
}

// A mark decides the encoding; without one the lines read are UTF-8 when they can be. Every way
// yields the same lines, a character outside the BMP whole.
TEST(DecodingTextFiles, ReadsUtf16ByItsMarkAndUtf8WithOrWithoutOne) {
    struct Case {
        const char* name;
        std::string bytes;
        std::array<std::wstring, 3> lines;
        bool legacy = false;
    };
    const std::array<std::wstring, 3> text{L"字\U0001D11E", L"", L"A"};  // then "not read"
    const std::string utf8 = "\xE5\xAD\x97\xF0\x9D\x84\x9E\r\n\nA\r\nnot read";
    const Case cases[] = {
        {"UTF-16 LE", std::string("\xFF\xFE\x57\x5B\x34\xD8\x1E\xDD\r\0\n\0\n\0A\0\r\0\n\0n\0", 20), text},
        {"UTF-16 BE", std::string("\xFE\xFF\x5B\x57\xD8\x34\xDD\x1E\0\r\0\n\0\n\0A\0\r\0\n\0n", 20), text},
        {"UTF-8", utf8, text},
        {"UTF-8 with a mark", "\xEF\xBB\xBF" + utf8, text},
        // A lone surrogate or a last odd byte cannot be a character.
        {"UTF-16 LE, broken",
         std::string("\xFF\xFE\x00\xD8\n\x00\x3D\xD8\x00\x00\x41", 11),
         {L"\xFFFD", std::wstring(L"\xFFFD\0\xFFFD", 3), L"old"}},
        {"UTF-8 with a mark and a bad byte",
         "\xEF\xBB\xBF\xFFx\n\xEF\xBB\xBF",
         {L"\xFFFDx", L"\xFEFF", L"old"}},
        {"code page 936", "\xD7\xD6\r\nA\r\n", {L"??", L"A", L"old"}, true},
        // Only the lines read decide: what follows them is not looked at.
        {"UTF-8 before lines that are not", "\xC3\xBC\n1\n2\n\xD7\xD6", {L"ü", L"1", L"2"}},
    };
    for (const Case& c : cases) {
        BytesTextFiles files;
        files.bytes = c.bytes;
        std::array<std::wstring, 3> lines{L"old", L"old", L"old"};
        files.ReadLines(L"x", lines);
        EXPECT_EQ(lines, c.lines) << c.name;
        EXPECT_EQ(files.legacyDecodes, c.legacy ? 1 : 0) << c.name;
    }
}

// A file's size costs nothing past the lines wanted; a line that never ends is given up at
// kMostBytesRead, and the entries from it on keep their texts.
TEST(DecodingTextFiles, ReadsNoFurtherThanTheLinesWanted) {
    std::string lines218;
    std::string utf16 = "\xFF\xFE";
    for (int i = 0; i < 218; ++i) {
        lines218 += std::to_string(i) + "\r\n";
    }
    for (const char byte : lines218) {
        utf16 += {byte, '\0'};
    }
    const std::string tail(16 << 20, 'x');
    const std::tuple<std::string, std::size_t, std::size_t> cases[] = {
        {lines218 + tail, 218, 16384},
        {utf16 + tail, 218, 16384},
        {"0\r\n1\n" + tail, 2, DecodingTextFiles::kMostBytesRead},
    };
    for (const auto& [bytes, read, mostBytes] : cases) {
        BytesTextFiles files;
        files.bytes = bytes;
        std::array<std::wstring, 218> lines;
        lines.fill(L"old");
        EXPECT_EQ(files.ReadLines(L"x", lines), read);
        EXPECT_EQ(lines[read - 1], std::to_wstring(read - 1));
        EXPECT_EQ(lines[217], read == 218 ? L"217" : L"old");
        EXPECT_LE(files.bytesRead, mostBytes);
        EXPECT_EQ(files.open, 0) << "the file was closed again";
    }
}

// A memo spares decoding bytes that did not change, and only those.
TEST(DecodingTextFiles, AMemoSparesDecodingOnlyBytesThatDidNotChange) {
    BytesTextFiles files;
    std::array<std::wstring, 2> lines;
    LinesMemo memo;

    files.bytes = "\xEF\xBB\xBF\xE5\xAD\x97\r\n~\r\n";
    EXPECT_EQ(files.ReadLines(L"x", lines, &memo), 2u);

    files.bytes = "\xD7\xD6\r\n";
    EXPECT_EQ(files.ReadLines(L"x", lines, &memo), 1u);
    EXPECT_EQ(files.ReadLines(L"x", lines, &memo), 1u);
    EXPECT_EQ(files.legacyDecodes, 1);
    EXPECT_EQ(lines[0], L"??");
    EXPECT_EQ(lines[1], L"~");

    files.bytes = "\xD7\xD6\r\nB\r\n";
    EXPECT_EQ(files.ReadLines(L"x", lines, &memo), 2u);
    EXPECT_EQ(files.legacyDecodes, 2);
    EXPECT_EQ(lines[1], L"B");
}

}  // namespace
}  // namespace orvell::text
