#include "lookup/messages.h"

#include <gtest/gtest.h>

#include <string>

#include "lookup_names.h"
#include "text_lines.h"

namespace orvell::lookup {
namespace {

using namespace names;
using orvell::testing::Utf8;

// The texts as the user reads them, written out whole so a lost line break or blank shows.
const std::wstring kZhSearchShort =
    L"可以查询的字符为：\r\n小写字母a-z；\r\n大写字母A-Z；\r\n数字0-9；\r\n标点符号；\r\n空格(Space)键；\r\n"
    L"回车(Enter)键；\r\nBackspace键；\r\n退出(Esc)键。";
const std::wstring kZhSearchShortSwitch =
    L"可以查询的字符为：\r\n小写字母a-z；\r\n大写字母A-Z；\r\n数字0-9；\r\n标点符号；空格(Space)键；\r\n"
    L"回车(Enter)键；\r\nBackspace键；\r\n退出(Esc)键。";
const std::wstring kZhSearchFull =
    L"可以查询的字符为：\r\n小写字母a-z；\r\n大写字母A-Z；\r\n数字0-"
    L"9；\r\n制表符、标点符号、或控制符号等。\r\n\r\n"
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
    L"You can only search the scale of ASCII value is:\r\nTwo to three digits in The scale of Number is 33 "
    L"To 126.";
const std::wstring kEnReverseFull =
    L"You can only search the scale of ASCII value is:\r\nThree digits in The scale of Number is 000 To 255.";

// The tips, and the two messages as their heading followed by a body. The language switch and the
// messages reword a few of the tips.
TEST(Texts, TipsAndMessagesForEveryLanguageModeAndTable) {
    struct Case {
        Language language;
        SearchMode mode;
        TableKind table;
        std::wstring tip;
        std::wstring switchTip;
        std::wstring emptyInputBody;
        std::wstring outOfRangeBody;
    };
    const std::wstring zhReverseShortMessage = L"可以查询的ASCII值只能为：范围是 33-126 内的2-3位数字。";
    const std::wstring enReverseFullMessage =
        L"\r\nYou can only search the scale of ASCII value is:\r\n"
        L"Only three digits in The scale of Number is 000 To 255.";
    const Case cases[] = {
        {kZh, kSearch, kShort, kZhSearchShort, kZhSearchShortSwitch, kZhSearchShort, kZhSearchShort},
        {kZh, kSearch, kFull, kZhSearchFull, kZhSearchFull, kZhSearchFull, kZhSearchFull},
        {kZh, kReverse, kShort, kZhReverseShort, kZhReverseShort, zhReverseShortMessage,
         zhReverseShortMessage},
        {kZh, kReverse, kFull, kZhReverseFull, kZhReverseFull, kZhReverseFull, kZhReverseFull},
        {kEn, kSearch, kShort, kEnSearchShort, kEnSearchShortSwitch, L"\r\n" + kEnSearchShortSwitch,
         L"\r\n" + kEnSearchShort},
        {kEn, kSearch, kFull, kEnSearchFull, kEnSearchFull, kEnSearchFull, kEnSearchFull},
        {kEn, kReverse, kShort, kEnReverseShort, kEnReverseShort, L"\r\n" + kEnReverseShort,
         L"\r\n" + kEnReverseShort},
        {kEn, kReverse, kFull, kEnReverseFull, kEnReverseFull, enReverseFullMessage, enReverseFullMessage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "row " << &c - cases);
        const bool zh = c.language == kZh;
        const std::wstring emptyInput = zh ? L"\r\n您还没有输入任何要查询的内容！\r\n\r\n"
                                           : L"\r\nYou have not inputed any searching content!\r\n";
        const std::wstring outOfRange =
            zh ? L"\r\n您输入的范围有误！\r\n\r\n" : L"\r\nThe content you have inputed is out of scale!\r\n";
        EXPECT_EQ(Utf8(Tip(c.language, c.mode, c.table)), Utf8(c.tip));
        EXPECT_EQ(Utf8(LanguageSwitchTip(c.language, c.mode, c.table)), Utf8(c.switchTip));
        EXPECT_EQ(Utf8(EmptyInputMessage(c.language, c.mode, c.table)), Utf8(emptyInput + c.emptyInputBody));
        EXPECT_EQ(Utf8(OutOfRangeMessage(c.language, c.mode, c.table)), Utf8(outOfRange + c.outOfRangeBody));
    }
}

}  // namespace
}  // namespace orvell::lookup
