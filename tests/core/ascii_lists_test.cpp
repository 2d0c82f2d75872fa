#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lookup/ascii_lists.h"
#include "text/utf8.h"

namespace orvell::lookup {
namespace {

std::vector<std::string> Lines(const std::wstring& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(L"\r\n", start);
        lines.push_back(text::EncodeUtf8(text.substr(start, end - start)));
        if (end == std::wstring::npos) {
            return lines;
        }
        start = end + 2;
    }
}

TEST(AsciiLists, PrintableListHasThreeColumnsFrom48AndTheFourKeys) {
    const auto lines = Lines(ShortAsciiList());
    ASSERT_EQ(lines.size(), 34u);  // title, 26 rows, empty, "另外：", four keys, and the final line end
    EXPECT_EQ(lines[0], "字符\tASCII值\t字符\tASCII值\t字符\tASCII值");
    EXPECT_EQ(lines[1], "0\t48\tJ\t74\td\t100");
    EXPECT_EQ(lines[26], "I\t73\tc\t99\t}\t125");
    EXPECT_EQ(lines[27], "");
    EXPECT_EQ(lines[28], "另外：");
    EXPECT_EQ(lines[29], "Backspace键 对应的ASCⅡ值为：8");
    EXPECT_EQ(lines[30], "退出(Esc)键 对应的ASCⅡ值为：27");
    EXPECT_EQ(lines[31], "空格(Space)键 对应的ASCⅡ值为：32");
    EXPECT_EQ(lines[32], "回车(Enter)键 对应的ASCⅡ值为：13");
    EXPECT_EQ(lines[33], "");
}

TEST(AsciiLists, FullListHoldsEveryCodeInThreeColumns) {
    const auto lines = Lines(FullAsciiList());
    ASSERT_EQ(lines.size(), 87u);
    EXPECT_EQ(lines[0], "ASCⅡ值\t字符  ASCⅡ值  字符   ASCⅡ值  字符");
    struct Row {
        std::size_t line;
        std::string text;
    };
    const Row rows[] = {
        {1, "000\t(空)\t085\tU\t170\t┐"},
        {2, "001\t(笑脸)\t086\tV\t171\t1/2"},
        {3, "002\t\t087\tW\t172\t1/4"},  // an empty text still takes its tab
        {35, "034\t\"\t119\tw\t204\t"},
        {85, "084\tT\t169\t┌\t254\t■"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(lines[row.line], row.text) << row.line;
    }
    EXPECT_EQ(lines[86], "\t\t\t\t255  (空格'FF')  ");
}

TEST(AsciiLists, FullListTextsByCode) {
    EXPECT_EQ(text::EncodeUtf8(std::wstring(FullListText(92))), "\\");
    EXPECT_EQ(text::EncodeUtf8(std::wstring(FullListText(144))), "(E上面一`)");
    EXPECT_EQ(text::EncodeUtf8(std::wstring(FullListText(166))), "(a在_上面)");
    EXPECT_EQ(text::EncodeUtf8(std::wstring(FullListText(233))), "Ф(应90°转)");
    EXPECT_TRUE(FullListText(127).empty());
    EXPECT_TRUE(FullListText(256).empty());
    EXPECT_TRUE(FullListText(-1).empty());
}

}  // namespace
}  // namespace orvell::lookup
