#include <gtest/gtest.h>

#include <string>

#include "lookup/messages.h"
#include "text/utf8.h"

namespace orvell::lookup {
namespace {

constexpr auto kZh = Language::Chinese;
constexpr auto kEn = Language::English;
constexpr auto kSearch = SearchMode::Search;
constexpr auto kReverse = SearchMode::ReverseSearch;
constexpr auto kShort = TableKind::Short;
constexpr auto kFull = TableKind::Full;

// The texts as the user reads them, written out whole so a lost line break or blank shows.
const std::wstring kZhSearchShort =
    L"可以查询的字符为：\r\n小写字母a-z；\r\n大写字母A-Z；\r\n数字0-9；\r\n标点符号；\r\n空格(Space)键；\r\n"
    L"回车(Enter)键；\r\nBackspace键；\r\n退出(Esc)键。";
const std::wstring kZhSearchShortSwitch =
    L"可以查询的字符为：\r\n小写字母a-z；\r\n大写字母A-Z；\r\n数字0-9；\r\n标点符号；空格(Space)键；\r\n"
    L"回车(Enter)键；\r\nBackspace键；\r\n退出(Esc)键。";
const std::wstring kZhSearchFull =
    L"可以查询的字符为：\r\n小写字母a-z；\r\n大写字母A-Z；\r\n数字0-9；\r\n制表符、标点符号、或控制符号等。\r\n\r\n"
    L"（想获得更多查询范围请按 F1 获得更多帮助。）";
const std::wstring kZhReverseShort = L"可以查询的ASCII值只能为：范围是 33-126 内的 2-3 位数字。";
const std::wstring kZhReverseFull = L"可以查询的ASCII值只能为：范围是 000-255 内的 3 位数字。";
const std::wstring kEnSearchShort =
    L"You can search the characters contain:\r\nsmall letter:a-z;\r\nbig letter:A-Z;\r\nnumber:0-9;\r\n"
    L"interpunction;\r\nSpace Key;\r\nEnter Key;\r\nBackspace Key;\r\nEsc Key.";
const std::wstring kEnSearchShortSwitch =
    L"You can search the characters contain:\r\nsmall letter:a-z;\r\nbig letter:A-Z;\r\nnumber:0-9;\r\n"
    L"interpunction\r\nSpace Key;\r\nEnter Key;\r\nBackspace Key;\r\nEsc Key.";
const std::wstring kEnSearchFull =
    L"You can search the characters contain:\r\nsmall letter:a-z;\r\nbig letter:A-Z;\r\nnumber:0-9;\r\n"
    L"tab,interpunction or control-character and so on.\r\n\r\n"
    L"（If you want to obtain much more searching scale,please press F1 key to get more help.）";
const std::wstring kEnReverseShort =
    L"You can only search the scale of ASCII value is:\r\nTwo to three digits in The scale of Number is 33 To 126.";
const std::wstring kEnReverseFull =
    L"You can only search the scale of ASCII value is:\r\nThree digits in The scale of Number is 000 To 255.";

struct TextCase {
    Language language;
    SearchMode mode;
    TableKind table;
    std::wstring text;
};

void ExpectTexts(std::wstring (*make)(Language, SearchMode, TableKind), std::initializer_list<TextCase> cases) {
    for (const TextCase& c : cases) {
        EXPECT_EQ(text::EncodeUtf8(make(c.language, c.mode, c.table)), text::EncodeUtf8(c.text))
            << "language " << static_cast<int>(c.language) << ", mode " << static_cast<int>(c.mode)
            << ", table " << static_cast<int>(c.table);
    }
}

TEST(Tips, EveryLanguageModeAndTable) {
    ExpectTexts(Tip, {
                         {kZh, kSearch, kShort, kZhSearchShort},
                         {kZh, kSearch, kFull, kZhSearchFull},
                         {kZh, kReverse, kShort, kZhReverseShort},
                         {kZh, kReverse, kFull, kZhReverseFull},
                         {kEn, kSearch, kShort, kEnSearchShort},
                         {kEn, kSearch, kFull, kEnSearchFull},
                         {kEn, kReverse, kShort, kEnReverseShort},
                         {kEn, kReverse, kFull, kEnReverseFull},
                     });
}

TEST(Tips, LanguageSwitchWordsTwoOfThemDifferently) {
    ExpectTexts(LanguageSwitchTip, {
                                       {kZh, kSearch, kShort, kZhSearchShortSwitch},
                                       {kZh, kSearch, kFull, kZhSearchFull},
                                       {kZh, kReverse, kShort, kZhReverseShort},
                                       {kZh, kReverse, kFull, kZhReverseFull},
                                       {kEn, kSearch, kShort, kEnSearchShortSwitch},
                                       {kEn, kSearch, kFull, kEnSearchFull},
                                       {kEn, kReverse, kShort, kEnReverseShort},
                                       {kEn, kReverse, kFull, kEnReverseFull},
                                   });
}

TEST(Messages, EmptyInput) {
    const std::wstring zh = L"\r\n您还没有输入任何要查询的内容！\r\n\r\n";
    const std::wstring en = L"\r\nYou have not inputed any searching content!\r\n";
    ExpectTexts(EmptyInputMessage,
                {
                    {kZh, kSearch, kShort, zh + kZhSearchShort},
                    {kZh, kSearch, kFull, zh + kZhSearchFull},
                    {kZh, kReverse, kShort, zh + L"可以查询的ASCII值只能为：范围是 33-126 内的2-3位数字。"},
                    {kZh, kReverse, kFull, zh + kZhReverseFull},
                    {kEn, kSearch, kShort, en + L"\r\n" + kEnSearchShortSwitch},
                    {kEn, kSearch, kFull, en + kEnSearchFull},
                    {kEn, kReverse, kShort, en + L"\r\n" + kEnReverseShort},
                    {kEn, kReverse, kFull,
                     en + L"\r\nYou can only search the scale of ASCII value is:\r\n"
                          L"Only three digits in The scale of Number is 000 To 255."},
                });
}

TEST(Messages, OutOfRange) {
    const std::wstring zh = L"\r\n您输入的范围有误！\r\n\r\n";
    const std::wstring en = L"\r\nThe content you have inputed is out of scale!\r\n";
    ExpectTexts(OutOfRangeMessage,
                {
                    {kZh, kSearch, kShort, zh + kZhSearchShort},
                    {kZh, kSearch, kFull, zh + kZhSearchFull},
                    {kZh, kReverse, kShort, zh + L"可以查询的ASCII值只能为：范围是 33-126 内的2-3位数字。"},
                    {kZh, kReverse, kFull, zh + kZhReverseFull},
                    {kEn, kSearch, kShort, en + L"\r\n" + kEnSearchShort},
                    {kEn, kSearch, kFull, en + kEnSearchFull},
                    {kEn, kReverse, kShort, en + L"\r\n" + kEnReverseShort},
                    {kEn, kReverse, kFull,
                     en + L"\r\nYou can only search the scale of ASCII value is:\r\n"
                          L"Only three digits in The scale of Number is 000 To 255."},
                });
}

}  // namespace
}  // namespace orvell::lookup
