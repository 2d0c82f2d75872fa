#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>

#include "text/text_files.h"
#include "text/utf8.h"

namespace orvell::text {
namespace {

TEST(Utf8, DecodesValidTextAndDropsTheByteOrderMark) {
    struct Case {
        std::string bytes;
        std::wstring text;
    };
    const Case cases[] = {
        {"", L""},
        {"A~\r\n", L"A~\r\n"},
        {"\xEF\xBB\xBF" "abc", L"abc"},
        {"ASC\xE2\x85\xA1", L"ASCⅡ"},                        // U+2161, three bytes
        {"\xE5\xAD\x97\xE7\xAC\xA6", L"字符"},
        {"\xC3\xBC\xC2\xA4", L"ü¤"},                          // two-byte forms
        {"\xF0\x9F\x98\x80", L"\xFFFD"},                      // outside the BMP
    };
    for (const Case& c : cases) {
        const auto decoded = DecodeUtf8(c.bytes);
        ASSERT_TRUE(decoded.has_value()) << c.bytes;
        EXPECT_EQ(*decoded, c.text) << c.bytes;
    }
}

TEST(Utf8, RefusesWhatIsNotUtf8SoTheLegacyCodePageCanTakeIt) {
    const std::string cases[] = {
        "\xD7\xD6\xB7\xFB",        // "字符" in code page 936
        "\x80",                    // lone continuation byte
        "\xC3",                    // cut short
        "\xE2\x85",                // cut short
        "\xC0\xAF",                // overlong "/"
        "\xE0\x80\xAF",            // overlong "/"
        "\xED\xA0\x80",            // surrogate
        "\xF4\x90\x80\x80",        // past U+10FFFF
        "\xFF",
        "abc\xC3(",                // bad continuation
    };
    for (const std::string& bytes : cases) {
        EXPECT_FALSE(DecodeUtf8(bytes).has_value()) << testing::PrintToString(bytes);
    }
}

TEST(Utf8, EncodeRoundTrips) {
    const std::wstring text = L"ASCⅡ值 ü 『』 ~";
    EXPECT_EQ(DecodeUtf8(EncodeUtf8(text)), text);
}

TEST(DisplayColumns, CountsAsciiOneAndEverythingElseTwo) {
    EXPECT_EQ(DisplayColumns(L""), 0);
    EXPECT_EQ(DisplayColumns(L" A~"), 3);
    EXPECT_EQ(DisplayColumns(L"┌─────┬─────┐"), 26);
    EXPECT_EQ(DisplayColumns(L"│ ASCⅡ值  │ 对应字符 │"), 26);
    EXPECT_EQ(DisplayColumns(L"ü"), 2);
}

TEST(TrimBlanks, RemovesOnlySpacesAtBothEnds) {
    EXPECT_EQ(TrimBlanks(L"  a b  "), L"a b");
    EXPECT_EQ(TrimBlanks(L"   "), L"");
    EXPECT_EQ(TrimBlanks(L"\ta\t"), L"\ta\t");
    EXPECT_EQ(TrimBlanks(L"　a"), L"　a");  // ideographic space is not a blank
}

TEST(SplitLines, TakesCrLfAndLoneLfAndKeepsEntriesPastTheEnd) {
    struct Case {
        std::wstring text;
        std::size_t read;
        std::array<std::wstring, 3> lines;
    };
    const Case cases[] = {
        {L"a\r\nb\r\nc\r\n", 3, {L"a", L"b", L"c"}},
        {L"a\nb\nc", 3, {L"a", L"b", L"c"}},          // last line without an ending counts
        {L"a\r\n\r\nc\r\nd\r\n", 3, {L"a", L"", L"c"}},  // empty line is a line; extra lines ignored
        {L"a\r\n", 1, {L"a", L"old", L"old"}},         // short file: the rest keep their text
        {L"", 0, {L"old", L"old", L"old"}},
        {L" x \r\r\n", 1, {L" x \r", L"old", L"old"}},  // only the CR before LF belongs to the ending
    };
    for (const Case& c : cases) {
        std::array<std::wstring, 3> lines{L"old", L"old", L"old"};
        EXPECT_EQ(SplitLinesInto(c.text, lines), c.read) << EncodeUtf8(c.text);
        EXPECT_EQ(lines, c.lines) << EncodeUtf8(c.text);
    }
}

// Bytes in memory, so the decoding choice can be seen without touching the disk.
class BytesTextFiles final : public DecodingTextFiles {
public:
    std::string bytes;
    bool exists = true;
    int legacyDecodes = 0;

protected:
    bool ReadBytes(std::wstring_view, std::string& out) override {
        out = bytes;
        return exists;
    }
    void DecodeLegacy(std::string_view in, std::wstring& out) override {
        ++legacyDecodes;
        out.clear();
        for (const char byte : in) {
            out.push_back(static_cast<unsigned char>(byte) < 0x80 ? static_cast<wchar_t>(byte) : L'?');
        }
    }
};

TEST(DecodingTextFiles, UsesUtf8WhenValidAndTheLegacyCodePageOtherwise) {
    BytesTextFiles files;
    std::array<std::wstring, 2> lines;

    files.bytes = "\xEF\xBB\xBF\xE5\xAD\x97\r\n~\r\n";
    EXPECT_EQ(files.ReadLines(L"x", lines), 2u);
    EXPECT_EQ(lines[0], L"字");
    EXPECT_EQ(files.legacyDecodes, 0);

    files.bytes = "\xD7\xD6\r\n";
    EXPECT_EQ(files.ReadLines(L"x", lines), 1u);
    EXPECT_EQ(files.legacyDecodes, 1);
    EXPECT_EQ(lines[0], L"??");
    EXPECT_EQ(lines[1], L"~");

    files.exists = false;
    EXPECT_EQ(files.ReadLines(L"x", lines), 0u);
    EXPECT_EQ(lines[0], L"??");
}

TEST(DecodingTextFiles, AMemoSparesDecodingUnchangedBytesOnly) {
    BytesTextFiles files;
    std::array<std::wstring, 2> lines;
    LinesMemo memo;
    files.bytes = "\xD7\xD6\r\nA\r\n";
    EXPECT_EQ(files.ReadLines(L"x", lines, &memo), 2u);
    EXPECT_EQ(files.ReadLines(L"x", lines, &memo), 2u);
    EXPECT_EQ(files.legacyDecodes, 1);
    files.bytes = "\xD7\xD6\r\nB\r\n";
    EXPECT_EQ(files.ReadLines(L"x", lines, &memo), 2u);
    EXPECT_EQ(files.legacyDecodes, 2);
    EXPECT_EQ(lines[1], L"B");
}

TEST(FolderTextFiles, ReadsTheShippedDataFiles) {
    FolderTextFiles files(ORVELL_DATA_DIR);
    std::array<std::wstring, 2> lines;
    EXPECT_EQ(files.ReadLines(L"ASCⅡ.txt", lines), 2u);
    EXPECT_EQ(lines[0], L"033");
    EXPECT_EQ(lines[1], L"034");
    EXPECT_EQ(files.ReadLines(L"no such file.txt", lines), 0u);
    EXPECT_EQ(lines[0], L"033");
}

}  // namespace
}  // namespace orvell::text

namespace orvell::text {
namespace {

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The lookup re-reads its files on every search: an edit, a replacement or a removal between two
// reads must show at the next one.
TEST(FolderTextFiles, EveryReadSeesTheFileAsItIsNow) {
    const auto folder = std::filesystem::temp_directory_path() / "orvell-text-files-test";
    std::filesystem::create_directories(folder);
    const auto path = folder / "data.txt";
    WriteFile(path, "one\r\n");
    FolderTextFiles files(folder);
    std::array<std::wstring, 1> lines;
    LinesMemo memo;

    EXPECT_EQ(files.ReadLines(L"data.txt", lines, &memo), 1u);
    EXPECT_EQ(lines[0], L"one");
    WriteFile(path, "two\r\n");  // edited in place
    files.ReadLines(L"data.txt", lines, &memo);
    EXPECT_EQ(lines[0], L"two");
    WriteFile(folder / "new.txt", "three\r\n");
    std::filesystem::rename(folder / "new.txt", path);  // replaced, as editors save
    files.ReadLines(L"data.txt", lines, &memo);
    EXPECT_EQ(lines[0], L"three");
    std::filesystem::remove(path);
    EXPECT_EQ(files.ReadLines(L"data.txt", lines, &memo), 0u);
    EXPECT_EQ(lines[0], L"three");
    WriteFile(path, "three\r\n");  // back with the bytes last decoded: nothing to decode again
    EXPECT_EQ(files.ReadLines(L"data.txt", lines, &memo), 1u);
    EXPECT_EQ(lines[0], L"three");
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace orvell::text
