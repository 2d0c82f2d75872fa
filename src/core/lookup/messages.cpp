#include "lookup/messages.h"

namespace orvell::lookup {

namespace {

#define CRLF L"\r\n"

constexpr const wchar_t* kChineseSearchShortHead =
    L"可以查询的字符为：" CRLF L"小写字母a-z；" CRLF L"大写字母A-Z；" CRLF L"数字0-9；" CRLF;
constexpr const wchar_t* kChineseSearchShortTail =
    L"回车(Enter)键；" CRLF L"Backspace键；" CRLF L"退出(Esc)键。";
constexpr const wchar_t* kChineseSearchFull =
    L"可以查询的字符为：" CRLF L"小写字母a-z；" CRLF L"大写字母A-Z；" CRLF L"数字0-9；" CRLF
    L"制表符、标点符号、或控制符号等。" CRLF CRLF L"（想获得更多查询范围请按 F1 获得更多帮助。）";
constexpr const wchar_t* kChineseReverseShort = L"可以查询的ASCII值只能为：范围是 33-126 内的 2-3 位数字。";
constexpr const wchar_t* kChineseReverseFull = L"可以查询的ASCII值只能为：范围是 000-255 内的 3 位数字。";

constexpr const wchar_t* kEnglishSearchShortHead =
    L"You can search the characters "
    L"contain:" CRLF L"small letter:a-z;" CRLF L"big letter:A-Z;" CRLF L"number:0-9;" CRLF L"interpunction";
constexpr const wchar_t* kEnglishSearchShortTail =
    CRLF L"Space Key;" CRLF L"Enter Key;" CRLF L"Backspace Key;" CRLF L"Esc Key.";
constexpr const wchar_t* kEnglishSearchFull =
    L"You can search the characters contain:" CRLF L"small letter:a-z;" CRLF L"big letter:A-Z;" CRLF
    L"number:0-9;" CRLF L"tab,interpunction or control-character and so on." CRLF CRLF
    L"（If you want to obtain much more searching scale,please press F1 key to get more help.）";
constexpr const wchar_t* kEnglishReverseHead = L"You can only search the scale of ASCII value is:" CRLF;
constexpr const wchar_t* kEnglishReverseShort = L"Two to three digits in The scale of Number is 33 To 126.";
constexpr const wchar_t* kEnglishReverseFull = L"Three digits in The scale of Number is 000 To 255.";

constexpr const wchar_t* kChineseEmptyInput = CRLF L"您还没有输入任何要查询的内容！" CRLF CRLF;
constexpr const wchar_t* kChineseOutOfRange = CRLF L"您输入的范围有误！" CRLF CRLF;
constexpr const wchar_t* kEnglishEmptyInput = CRLF L"You have not inputed any searching content!" CRLF;
constexpr const wchar_t* kEnglishOutOfRange = CRLF L"The content you have inputed is out of scale!" CRLF;

// The printable-character tip exists with and without line breaks and semicolons in places: the
// language switch and some messages were written with the shorter forms.
std::wstring ChineseSearchShort(bool oneLineForPunctuationAndSpace) {
    return std::wstring(kChineseSearchShortHead) +
           (oneLineForPunctuationAndSpace ? L"标点符号；空格(Space)键；" CRLF
                                          : L"标点符号；" CRLF L"空格(Space)键；" CRLF) +
           kChineseSearchShortTail;
}

std::wstring EnglishSearchShort(bool semicolonAfterInterpunction) {
    return std::wstring(kEnglishSearchShortHead) + (semicolonAfterInterpunction ? L";" : L"") +
           kEnglishSearchShortTail;
}

enum class MessageKind { EmptyInput, OutOfRange };

std::wstring Message(MessageKind kind, Language language, SearchMode mode, TableKind table) {
    const bool empty = kind == MessageKind::EmptyInput;
    if (language == Language::Chinese) {
        std::wstring text = empty ? kChineseEmptyInput : kChineseOutOfRange;
        if (mode == SearchMode::Search) {
            return text +
                   (table == TableKind::Short ? ChineseSearchShort(false) : std::wstring(kChineseSearchFull));
        }
        return text + (table == TableKind::Short ? L"可以查询的ASCII值只能为：范围是 33-126 内的2-3位数字。"
                                                 : kChineseReverseFull);
    }
    std::wstring text = empty ? kEnglishEmptyInput : kEnglishOutOfRange;
    if (mode == SearchMode::Search) {
        if (table == TableKind::Full) {
            return text + kEnglishSearchFull;
        }
        return text + CRLF + EnglishSearchShort(!empty);
    }
    return text + CRLF + kEnglishReverseHead +
           (table == TableKind::Short ? kEnglishReverseShort
                                      : L"Only three digits in The scale of Number is 000 To 255.");
}

#undef CRLF

}  // namespace

std::wstring Tip(Language language, SearchMode mode, TableKind table) {
    const bool shortTable = table == TableKind::Short;
    if (language == Language::Chinese) {
        if (mode == SearchMode::Search) {
            return shortTable ? ChineseSearchShort(false) : std::wstring(kChineseSearchFull);
        }
        return shortTable ? kChineseReverseShort : kChineseReverseFull;
    }
    if (mode == SearchMode::Search) {
        return shortTable ? EnglishSearchShort(true) : std::wstring(kEnglishSearchFull);
    }
    return std::wstring(kEnglishReverseHead) + (shortTable ? kEnglishReverseShort : kEnglishReverseFull);
}

std::wstring LanguageSwitchTip(Language language, SearchMode mode, TableKind table) {
    if (mode == SearchMode::Search && table == TableKind::Short) {
        return language == Language::Chinese ? ChineseSearchShort(true) : EnglishSearchShort(false);
    }
    return Tip(language, mode, table);
}

std::wstring EmptyInputMessage(Language language, SearchMode mode, TableKind table) {
    return Message(MessageKind::EmptyInput, language, mode, table);
}

std::wstring OutOfRangeMessage(Language language, SearchMode mode, TableKind table) {
    return Message(MessageKind::OutOfRange, language, mode, table);
}

}  // namespace orvell::lookup
