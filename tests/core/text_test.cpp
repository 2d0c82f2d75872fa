#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

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
        {"\xF0\x9F\x98\x80", L"\xFFFD"},                    // outside the BMP
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
    }
}

// Bytes in memory, so the decoding choice can be seen without touching the disk.
class BytesTextFiles final : public DecodingTextFiles {
public:
    std::string bytes;
    int legacyDecodes = 0;

protected:
    std::optional<std::string_view> ReadBytes(std::wstring_view) override { return bytes; }
    void DecodeLegacy(std::string_view in, std::wstring& out) override {
        ++legacyDecodes;
        out.clear();
        for (const char byte : in) {
            out.push_back(static_cast<unsigned char>(byte) < 0x80 ? static_cast<wchar_t>(byte) : L'?');
        }
    }
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

// A memo spares decoding bytes that did not change, and only those.
TEST(DecodingTextFiles, UsesUtf8WhenValidAndTheLegacyCodePageOtherwise) {
    BytesTextFiles files;
    std::array<std::wstring, 2> lines;
    LinesMemo memo;

    files.bytes = "\xEF\xBB\xBF\xE5\xAD\x97\r\n~\r\n";
    EXPECT_EQ(files.ReadLines(L"x", lines, &memo), 2u);
    EXPECT_EQ(lines[0], L"字");
    EXPECT_EQ(files.legacyDecodes, 0);

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
