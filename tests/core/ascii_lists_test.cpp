#include "lookup/ascii_lists.h"

#include <gtest/gtest.h>

#include <string>

#include "text_lines.h"

namespace orvell::lookup {
namespace {

using orvell::testing::Lines;
using orvell::testing::Utf8;

struct Row {
    std::size_t line;
    std::string text;
};

void ExpectRows(const std::wstring& list, std::size_t lineCount, std::initializer_list<Row> rows) {
    const auto lines = Lines(list);
    ASSERT_EQ(lines.size(), lineCount);
    for (const Row& row : rows) {
        EXPECT_EQ(Utf8(lines[row.line]), row.text) << "line " << row.line;
    }
}

TEST(AsciiLists, PrintableListHasThreeColumnsFrom48AndTheFourKeys) {
    // Title, 26 rows, an empty line, "另外：", four keys, each line ended.
    ExpectRows(ShortAsciiList(), 34,
               {
                   {0, "字符\tASCII值\t字符\tASCII值\t字符\tASCII值"},
                   {1, "0\t48\tJ\t74\td\t100"},
                   {26, "I\t73\tc\t99\t}\t125"},
                   {27, ""},
                   {28, "另外："},
                   {29, "Backspace键 对应的ASCⅡ值为：8"},
                   {30, "退出(Esc)键 对应的ASCⅡ值为：27"},
                   {31, "空格(Space)键 对应的ASCⅡ值为：32"},
                   {32, "回车(Enter)键 对应的ASCⅡ值为：13"},
                   {33, ""},
               });
}

TEST(AsciiLists, FullListHoldsEveryCodeInThreeColumns) {
    ExpectRows(FullAsciiList(), 87,
               {
                   {0, "ASCⅡ值\t字符  ASCⅡ值  字符   ASCⅡ值  字符"},
                   {1, "000\t(空)\t085\tU\t170\t┐"},
                   {2, "001\t(笑脸)\t086\tV\t171\t1/2"},
                   {3, "002\t\t087\tW\t172\t1/4"},  // an empty text still takes its tab
                   {8, "007\t(嘟声)\t092\t\\\t177\t"},
                   {35, "034\t\"\t119\tw\t204\t"},
                   {60, "059\t;\t144\t(E上面一`)\t229\tσ"},
                   {64, "063\t?\t148\t(o上面两点)\t233\tФ(应90°转)"},
                   {82, "081\tQ\t166\t(a在_上面)\t251\t√"},
                   {85, "084\tT\t169\t┌\t254\t■"},
                   {86, "\t\t\t\t255  (空格'FF')  "},
               });
}

}  // namespace
}  // namespace orvell::lookup
