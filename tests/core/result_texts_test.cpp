#include "lookup/result_texts.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

#include "lookup/tables.h"
#include "text/folder_text_files.h"
#include "text/utf8.h"
#include "text_lines.h"

namespace orvell::lookup {
namespace {

using orvell::testing::Lines;
using orvell::testing::Utf8;

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
    const std::wstring expected =
        L"\r\n\r\n"
        L"          ┌─────┬─────┐\r\n"
        L"          │ ASCⅡ值  │ 对应字符 │\r\n"
        L"          ├─────┼─────┤\r\n"
        L"          │   65     │     A    │ \r\n"
        L"          └─────┴─────┘ ";
    EXPECT_EQ(Utf8(ShortReverseTable(Language::Chinese, false, L"65", L"A")), Utf8(expected));
}

TEST(ResultTexts, TableRowsDependOnDigitsIndexAndLanguage) {
    EXPECT_EQ(Utf8(Lines(ShortReverseTable(Language::English, true, L"126", L"~"))[5]),
              Utf8(L"  │     126    │            ~           │ "));
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

// Some entries are box-drawing characters themselves; a stand-in of the same width keeps them from
// counting as bars.
std::wstring StandIn(std::wstring_view character) {
    return std::wstring(static_cast<std::size_t>(text::DisplayColumns(character)), L'x');
}

// Every table row, with the shipped data, puts its bars under the title's: each entry's text is
// padded to the width its row was drawn for. Entry 177's row is wider than 8 characters can fill.
TEST(ResultTexts, ShippedDataLinesUpInEveryTableRow) {
    const std::set<int> tooWideForEightCharacters = {177};
    text::FolderTextFiles files(ORVELL_DATA_DIR);
    std::array<std::wstring, kFullTableSize> characters;
    std::array<std::wstring, kFullTableSize> values;
    ASSERT_EQ(files.ReadLines(kCharacterFile, characters), kFullTableSize);
    ASSERT_EQ(files.ReadLines(kValueFile, values), kFullTableSize);
    const auto expectLinedUp = [](const std::wstring& table, bool rowFits, const std::string& what) {
        const auto lines = Lines(table);
        ASSERT_EQ(lines.size(), 7u) << what;
        const auto titleBars = BarColumns(lines[3]);
        ASSERT_EQ(titleBars.size(), 3u) << what;
        for (const std::size_t line : {2u, 4u, 6u}) {
            EXPECT_EQ(BarColumns(lines[line]), titleBars) << what;
        }
        if (rowFits) {
            EXPECT_EQ(BarColumns(lines[5]), titleBars) << what << ": " << Utf8(lines[5]);
        }
    };
    for (const Language language : {Language::Chinese, Language::English}) {
        for (int i = 0; i < static_cast<int>(kFullTableSize); ++i) {
            const std::wstring& character = characters[static_cast<std::size_t>(i)];
            const std::wstring& value = values[static_cast<std::size_t>(i)];
            const std::string what = (language == Language::Chinese ? "zh " : "en ") + std::to_string(i);
            EXPECT_LE(character.size(), 8u) << what;
            const auto table = FullReverseTable(language, i, value, StandIn(character));
            ASSERT_TRUE(table.has_value()) << what;
            expectLinedUp(*table, !tooWideForEightCharacters.contains(i), what);
            if (i < static_cast<int>(kShortTableSize)) {
                // Values below 100 show two digits; the short results show the trimmed character.
                const bool threeDigits = value[0] != L'0';
                const std::wstring shown = value.substr(threeDigits ? 0 : 1);
                const std::wstring standIn = StandIn(text::TrimBlanks(character));
                const std::wstring shortTable = ShortReverseTable(language, threeDigits, shown, standIn);
                expectLinedUp(shortTable, true, what + " short");
            }
        }
    }
}

}  // namespace
}  // namespace orvell::lookup
