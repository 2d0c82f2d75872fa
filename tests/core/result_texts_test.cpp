#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

#include "lookup/result_texts.h"
#include "lookup/tables.h"
#include "text/text_files.h"
#include "text/utf8.h"

namespace orvell::lookup {
namespace {

std::string Utf8(const std::wstring& text) { return text::EncodeUtf8(text); }

std::vector<std::wstring> Lines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(L"\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::wstring::npos) {
            return lines;
        }
        start = end + 2;
    }
}

// Display columns at which the line's box-drawing verticals and joints stand.
std::vector<int> BarColumns(const std::wstring& line) {
    static const std::wstring kBars = L"│┌┐└┘├┤┬┴┼";
    std::vector<int> columns;
    int column = 0;
    for (const wchar_t ch : line) {
        if (kBars.find(ch) != std::wstring::npos) {
            columns.push_back(column);
        }
        column += text::DisplayColumns(std::wstring_view(&ch, 1));
    }
    return columns;
}

TEST(ResultTexts, ShortReverseTableForAInChinese) {
    const std::wstring expected = L"\r\n\r\n"
                                  L"          ┌─────┬─────┐\r\n"
                                  L"          │ ASCⅡ值  │ 对应字符 │\r\n"
                                  L"          ├─────┼─────┤\r\n"
                                  L"          │   65     │     A    │ \r\n"
                                  L"          └─────┴─────┘ ";
    EXPECT_EQ(Utf8(ShortReverseTable(Language::Chinese, false, L"65", L"A")), Utf8(expected));
}

TEST(ResultTexts, ShortReverseTablesKeepTheirColumnsForTwoAndThreeDigits) {
    struct Case {
        Language language;
        bool threeDigits;
        std::wstring value;
    };
    const Case cases[] = {{Language::Chinese, false, L"65"}, {Language::Chinese, true, L"126"},
                          {Language::English, false, L"65"}, {Language::English, true, L"126"}};
    for (const Case& c : cases) {
        const auto lines = Lines(ShortReverseTable(c.language, c.threeDigits, c.value, L"~"));
        ASSERT_EQ(lines.size(), 7u);
        EXPECT_EQ(BarColumns(lines[5]), BarColumns(lines[3])) << Utf8(lines[5]);
    }
    EXPECT_EQ(Utf8(Lines(ShortReverseTable(Language::English, true, L"126", L"~"))[5]),
              Utf8(L"  │     126    │            ~           │ "));
}

TEST(ResultTexts, PlainLayoutsAndSearchResults) {
    struct Case {
        std::wstring actual;
        std::wstring expected;
    };
    const Case cases[] = {
        {SearchResult(Language::Chinese, L"A", L"65"), L"\r\n\r\n\r\n字符 A 对应的ASCⅡ值为：65"},
        {SearchResult(Language::English, L"A", L"65"),
         L"\r\n\r\n\r\nThe Character A corresponds the ASCⅡ value: \r\n\r\n65"},
        {ShortReversePlain(Language::Chinese, L"65", L"A"), L"\r\n\r\nASCⅡ值：65\r\n\r\n对应字符：A"},
        {ShortReversePlain(Language::English, L"126", L"~"),
         L"\r\n\r\nASCⅡ value: 126\r\n\r\nCorresponds Character: ~"},
        {FullReversePlain(Language::Chinese, L"065", L" A"),
         L"\r\n\r\n        ASCⅡ值：065\r\n\r\n       对应字符： A"},
        {FullReversePlain(Language::English, L"065", L" A"),
         L"\r\n\r\nASCⅡ value: 065\r\n\r\nCorresponds Character: A"},
        {KeyNameResult(L"Backspace键 ", L"8"), L"\r\n\r\n\r\nBackspace键 对应的ASCⅡ值为：8"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8(c.actual), Utf8(c.expected));
    }
}

TEST(ResultTexts, FullTableRowsDependOnIndexAndLanguage) {
    // 216 has the first group's row in Chinese and a row of its own in English.
    EXPECT_EQ(Utf8(Lines(*FullReverseTable(Language::Chinese, 216, L"254", L"■"))[5]),
              Utf8(L"          │   254    │    ■    │ "));
    EXPECT_EQ(Utf8(Lines(*FullReverseTable(Language::English, 216, L"254", L"■"))[5]),
              Utf8(L"  │    254     │           ■           │ "));
    // The English rows of this group use the narrow set, whose title keeps the Chinese column name.
    EXPECT_EQ(Utf8(Lines(*FullReverseTable(Language::English, 121, L"024", L"x"))[3]),
              Utf8(L"          │ ASCⅡ value│ 对应字符   │"));
    EXPECT_FALSE(FullReverseTable(Language::Chinese, 218, L"", L"").has_value());
    EXPECT_FALSE(FullReverseTable(Language::English, -1, L"", L"").has_value());
}

// Every full-table row, with the shipped data, puts its bars under the header's: each entry's text
// is padded to the width its row was drawn for. Entry 177's row is wider than 8 characters can fill.
TEST(ResultTexts, ShippedDataLinesUpInEveryFullTableRow) {
    const std::set<int> tooWideForEightCharacters = {177};
    text::FolderTextFiles files(ORVELL_DATA_DIR);
    std::array<std::wstring, kFullTableSize> characters;
    std::array<std::wstring, kFullTableSize> values;
    ASSERT_EQ(files.ReadLines(kCharacterFile, characters), kFullTableSize);
    ASSERT_EQ(files.ReadLines(kValueFile, values), kFullTableSize);
    for (const Language language : {Language::Chinese, Language::English}) {
        for (int i = 0; i < static_cast<int>(kFullTableSize); ++i) {
            const auto& character = characters[static_cast<std::size_t>(i)];
            // Some entries are box-drawing characters themselves; a stand-in of the same width keeps
            // them from counting as bars.
            const std::wstring standIn(static_cast<std::size_t>(text::DisplayColumns(character)), L'x');
            const auto table = FullReverseTable(language, i, values[static_cast<std::size_t>(i)], standIn);
            ASSERT_TRUE(table.has_value()) << i;
            const auto lines = Lines(*table);
            ASSERT_EQ(lines.size(), 7u);
            const auto titleBars = BarColumns(lines[3]);
            ASSERT_EQ(titleBars.size(), 3u);
            for (const int header : {2, 4, 6}) {
                EXPECT_EQ(BarColumns(lines[static_cast<std::size_t>(header)]), titleBars) << "header of " << i;
            }
            EXPECT_LE(character.size(), 8u) << i;
            if (!tooWideForEightCharacters.contains(i)) {
                EXPECT_EQ(BarColumns(lines[5]), titleBars)
                    << "index " << i << " language " << static_cast<int>(language) << ": " << Utf8(lines[5]);
            }
        }
    }
}

TEST(ResultTexts, ShortDisplayValueAndNumericValue) {
    EXPECT_EQ(ShortDisplayValue(L"065"), L"65");
    EXPECT_EQ(ShortDisplayValue(L"099"), L"99");
    EXPECT_EQ(ShortDisplayValue(L"100"), L"100");
    EXPECT_EQ(ShortDisplayValue(L"126"), L"126");

    struct Case {
        const wchar_t* text;
        long long value;
    };
    const Case cases[] = {{L"065", 65}, {L"4a", 4},     {L"ab", 0},   {L"", 0},       {L" 6 5", 65},
                          {L"-7", -7},  {L"12-3", 12}, {L"+33", 33}};
    for (const Case& c : cases) {
        EXPECT_EQ(NumericValue(c.text), c.value) << Utf8(c.text);
    }
    EXPECT_GT(NumericValue(L"99999999999999999999"), 126);  // huge, without overflowing
}

}  // namespace
}  // namespace orvell::lookup
