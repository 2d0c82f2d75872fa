#include "lookup/result_texts.h"

namespace orvell::lookup {

namespace {

constexpr std::wstring_view kCrLf = L"\r\n";

std::wstring Blanks(int count) {
    return std::wstring(static_cast<std::size_t>(count), L' ');
}

// The box-drawing frame of a reverse-search table: four fixed lines and the start of the row.
struct HeaderSet {
    int indent;
    std::wstring_view top;
    std::wstring_view titles;
    std::wstring_view separator;
    std::wstring_view bottom;
    int rowStartBlanks;  // blanks after the row's opening bar
};

// clang-format off: one header set a line, so the boxes can be read against each other
constexpr HeaderSet kZ5{10, L"┌─────┬─────┐", L"│ ASCⅡ值  │ 对应字符 │", L"├─────┼─────┤", L"└─────┴─────┘",
                        3};
constexpr HeaderSet kZ6{
    10, L"┌─────┬──────┐", L"│ ASCⅡ值  │ 对应字符   │", L"├─────┼──────┤", L"└─────┴──────┘", 3};
constexpr HeaderSet kZ7{
    10, L"┌─────┬───────┐", L"│ ASCⅡ值  │ 对应字符     │", L"├─────┼───────┤", L"└─────┴───────┘", 3};
constexpr HeaderSet kZ11{4,
                         L"┌─────┬───────────┐",
                         L"│ ASCⅡ值  │     对应字符         │",
                         L"├─────┼───────────┤",
                         L"└─────┴───────────┘",
                         3};
constexpr HeaderSet kE12Full{2,
                             L"┌──────┬────────────┐",
                             L"│ASCⅡ value │corresponding Character │",
                             L"├──────┼────────────┤",
                             L"└──────┴────────────┘",
                             4};
constexpr HeaderSet kE12Short{kE12Full.indent,    kE12Full.top,    kE12Full.titles,
                              kE12Full.separator, kE12Full.bottom, 5};
// Its title line carries the Chinese column name even in the English interface.
constexpr HeaderSet kE6{
    10, L"┌──────┬──────┐", L"│ ASCⅡ value│ 对应字符   │", L"├──────┼──────┤", L"└──────┴──────┘", 6};
// clang-format on

// The row between value and character, and after the character: blanks, a bar, blanks.
struct RowRule {
    const HeaderSet* set;
    int beforeMiddleBar;
    int afterMiddleBar;
    int beforeEndBar;
};

std::wstring Table(const RowRule& rule, std::wstring_view value, std::wstring_view character) {
    const HeaderSet& set = *rule.set;
    const std::wstring indent = Blanks(set.indent);
    std::wstring text;
    text.reserve(256);
    text.append(kCrLf).append(kCrLf);
    text.append(indent).append(set.top).append(kCrLf);
    text.append(indent).append(set.titles).append(kCrLf);
    text.append(indent).append(set.separator).append(kCrLf);
    text.append(indent).append(L"│").append(Blanks(set.rowStartBlanks)).append(value);
    text.append(Blanks(rule.beforeMiddleBar))
        .append(L"│")
        .append(Blanks(rule.afterMiddleBar))
        .append(character);
    text.append(Blanks(rule.beforeEndBar)).append(L"│ ").append(kCrLf);
    text.append(indent).append(set.bottom).append(L" ");
    return text;
}

// The full table's rows: each group of entry indexes has its own column widths, drawn for the
// entries' character texts. Chinese and English group the indexes alike apart from 216 and 217.
struct RowPair {
    RowRule chinese;
    RowRule english;
};

constexpr RowPair kRowGroups[] = {
    {{&kZ5, 4, 4, 4}, {&kE12Full, 5, 10, 12}},  // 0: one-character texts
    {{&kZ5, 4, 3, 3}, {&kE12Full, 5, 10, 10}},  // 1
    {{&kZ5, 4, 0, 0}, {&kE12Full, 5, 8, 6}},    // 2
    {{&kZ5, 4, 2, 2}, {&kE12Full, 5, 10, 8}},   // 3
    {{&kZ6, 4, 3, 3}, {&kE12Full, 5, 9, 9}},    // 4
    {{&kZ5, 4, 5, 4}, {&kE12Full, 5, 12, 11}},  // 5
    {{&kZ6, 4, 0, 2}, {&kE6, 3, 1, 1}},         // 6
    {{&kZ6, 4, 0, 1}, {&kE12Full, 5, 7, 6}},    // 7
    {{&kZ7, 4, 0, 0}, {&kE12Full, 5, 5, 5}},    // 8
    {{&kZ5, 4, 5, 3}, {&kE12Full, 5, 12, 10}},  // 9
    {{&kZ11, 4, 0, 1}, {&kE12Full, 5, 2, 1}},   // 10
    {{&kZ6, 4, 0, 0}, {&kE12Full, 5, 6, 6}},    // 11
    {{&kZ5, 4, 4, 4}, {&kE12Full, 5, 11, 11}},  // 12: index 216
    {{&kZ5, 4, 0, 0}, {&kE12Full, 5, 7, 7}},    // 13: index 217
};

struct IndexRange {
    int first;
    int last;
    int group;
};

constexpr IndexRange kIndexRanges[] = {
    {0, 93, 0},    {94, 94, 1},    {95, 98, 2},    {99, 101, 3},  {102, 102, 2}, {103, 104, 3},
    {105, 105, 2}, {106, 106, 0},  {107, 113, 4},  {114, 117, 2}, {118, 118, 3}, {119, 120, 5},
    {121, 121, 6}, {122, 122, 7},  {123, 123, 5},  {124, 124, 7}, {125, 125, 5}, {126, 126, 0},
    {127, 127, 5}, {128, 128, 7},  {129, 129, 6},  {130, 130, 5}, {131, 132, 7}, {133, 133, 6},
    {134, 135, 8}, {136, 136, 6},  {137, 137, 7},  {138, 138, 5}, {139, 139, 6}, {140, 140, 5},
    {141, 143, 7}, {144, 145, 9},  {146, 146, 1},  {147, 147, 9}, {148, 151, 1}, {152, 155, 6},
    {156, 176, 1}, {177, 177, 10}, {178, 185, 1},  {186, 186, 0}, {187, 194, 1}, {195, 195, 11},
    {196, 215, 1}, {216, 216, 12}, {217, 217, 13},
};

std::optional<RowRule> FullRowRule(Language language, int index) {
    for (const IndexRange& range : kIndexRanges) {
        if (index >= range.first && index <= range.last) {
            const RowPair& pair = kRowGroups[range.group];
            return language == Language::Chinese ? pair.chinese : pair.english;
        }
    }
    return std::nullopt;
}

}  // namespace

std::wstring KeyNameResult(std::wstring_view keyName, std::wstring_view code) {
    std::wstring text = L"\r\n\r\n\r\n";
    text.append(keyName).append(L"对应的ASCⅡ值为：").append(code);
    return text;
}

std::wstring SearchResult(Language language, std::wstring_view character, std::wstring_view value) {
    std::wstring text = L"\r\n\r\n\r\n";
    if (language == Language::Chinese) {
        text.append(L"字符 ").append(character).append(L" 对应的ASCⅡ值为：").append(value);
    } else {
        text.append(L"The Character ")
            .append(character)
            .append(L" corresponds the ASCⅡ value: \r\n\r\n")
            .append(value);
    }
    return text;
}

std::wstring ShortReversePlain(Language language, std::wstring_view value, std::wstring_view character) {
    std::wstring text = L"\r\n\r\n";
    if (language == Language::Chinese) {
        text.append(L"ASCⅡ值：").append(value).append(L"\r\n\r\n对应字符：").append(character);
    } else {
        text.append(L"ASCⅡ value: ")
            .append(value)
            .append(L"\r\n\r\nCorresponds Character: ")
            .append(character);
    }
    return text;
}

std::wstring ShortReverseTable(Language language, bool threeDigits, std::wstring_view value,
                               std::wstring_view character) {
    // A two-digit value takes one blank more before the middle bar so both forms keep the columns.
    const int beforeMiddleBar = threeDigits ? 4 : 5;
    const RowRule rule = language == Language::Chinese ? RowRule{&kZ5, beforeMiddleBar, 5, 4}
                                                       : RowRule{&kE12Short, beforeMiddleBar, 12, 11};
    return Table(rule, value, character);
}

std::wstring FullReversePlain(Language language, std::wstring_view value, std::wstring_view character) {
    std::wstring text = L"\r\n\r\n";
    if (language == Language::Chinese) {
        text.append(Blanks(8)).append(L"ASCⅡ值：").append(value);
        text.append(L"\r\n\r\n").append(Blanks(7)).append(L"对应字符：").append(character);
    } else {
        text.append(L"ASCⅡ value: ")
            .append(value)
            .append(L"\r\n\r\nCorresponds Character:")
            .append(character);
    }
    return text;
}

std::optional<std::wstring> FullReverseTable(Language language, int index, std::wstring_view value,
                                             std::wstring_view character) {
    const auto rule = FullRowRule(language, index);
    if (!rule) {
        return std::nullopt;
    }
    return Table(*rule, value, character);
}

std::wstring_view ShortDisplayValue(std::wstring_view value) {
    if (NumericValue(value) < 100 && value.size() >= 2) {
        return value.substr(value.size() - 2);
    }
    return value;
}

long long NumericValue(std::wstring_view text) {
    long long value = 0;
    bool negative = false;
    bool started = false;
    for (const wchar_t ch : text) {
        if (ch == L' ' || ch == L'\t' || ch == L'\r' || ch == L'\n') {
            continue;
        }
        if (!started && (ch == L'-' || ch == L'+')) {
            negative = ch == L'-';
            started = true;
            continue;
        }
        if (ch < L'0' || ch > L'9') {
            break;
        }
        started = true;
        if (value < 1'000'000'000'000LL) {
            value = value * 10 + (ch - L'0');
        }
    }
    return negative ? -value : value;
}

}  // namespace orvell::lookup
