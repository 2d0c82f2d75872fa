#include "lookup/ascii_lists.h"

#include <iterator>

namespace orvell::lookup {

namespace {

// The full list's text for every code; empty where the code has nothing printable, a description in
// parentheses where the glyph cannot be shown.
// clang-format off: eight codes a row, as the list shows them
constexpr const wchar_t* kFullListTexts[256] = {
    L"(空)",
    L"(笑脸)",
    L"",
    L"(红桃符号)",
    L"(方块符号)",
    L"(梅花符号)",
    L"(黑桃符号)",
    L"(嘟声)",
    L"",
    L"(记忆)",
    L"(换行)",
    L"(起始位置)",
    L"(换页)",
    L"(回车)",
    L"(音乐符号)",
    L"¤",
    L"(◆取右半)",
    L"(◆取左半)",
    L"↑↓(连在一起)",
    L"!!",
    L"л",
    L"§",
    L"",
    L"",
    L"↑",
    L"↓",
    L"→",
    L"←",
    L"(光标向左)",
    L"(光标向右)",
    L"(光标向上)",
    L"(光标向下)",
    L"(空格)",
    L"!",
    L"\"",
    L"#",
    L"$",
    L"%",
    L"&",
    L"'",
    L"(",
    L")",
    L"*",
    L"+",
    L",",
    L"-",
    L".",
    L"/",
    L"0",
    L"1",
    L"2",
    L"3",
    L"4",
    L"5",
    L"6",
    L"7",
    L"8",
    L"9",
    L":",
    L";",
    L"<",
    L"=",
    L">",
    L"?",
    L"@",
    L"A",
    L"B",
    L"C",
    L"D",
    L"E",
    L"F",
    L"G",
    L"H",
    L"I",
    L"J",
    L"K",
    L"L",
    L"M",
    L"N",
    L"O",
    L"P",
    L"Q",
    L"R",
    L"S",
    L"T",
    L"U",
    L"V",
    L"W",
    L"X",
    L"Y",
    L"Z",
    L"[",
    L"\\",
    L"]",
    L"^",
    L"_",
    L"`",
    L"a",
    L"b",
    L"c",
    L"d",
    L"e",
    L"f",
    L"g",
    L"h",
    L"i",
    L"j",
    L"k",
    L"l",
    L"m",
    L"n",
    L"o",
    L"p",
    L"q",
    L"r",
    L"s",
    L"t",
    L"u",
    L"v",
    L"w",
    L"x",
    L"y",
    L"z",
    L"{",
    L"|",
    L"}",
    L"~",
    L"",
    L"",
    L"ü",
    L"é",
    L"(a在^下面)",
    L"(a上面两点)",
    L"à",
    L"(a上面一。)",
    L"",
    L"ê",
    L"ё",
    L"è",
    L"(i上面两点)",
    L"(i在^下面)",
    L"ì",
    L"(A上面两点)",
    L"(A上面一。)",
    L"(E上面一`)",
    L"(ae连在一起)",
    L"(AE连在一起)",
    L"(o在^下面)",
    L"(o上面两点)",
    L"ò",
    L"(u在^下面)",
    L"ù",
    L"(y上面两点)",
    L"(O上面两点)",
    L"(U上面两点)",
    L"(ql连在一起)",
    L"Ε",
    L"￥",
    L"Pt",
    L"∫",
    L"ǎ",
    L"í",
    L"ó",
    L"ú",
    L"(n在~下面)",
    L"(N在~下面)",
    L"(a在_上面)",
    L"(o在_上面)",
    L"",
    L"┌",
    L"┐",
    L"1/2",
    L"1/4",
    L"i",
    L"《",
    L"》",
    L"",
    L"",
    L"",
    L"|",
    L"┬",
    L"╡",
    L"╢",
    L"",
    L"",
    L"",
    L"║",
    L"",
    L"",
    L"",
    L"",
    L"┑",
    L"┖",
    L"┴",
    L"┰",
    L"├",
    L"─",
    L"╉",
    L"╞",
    L"╟",
    L"』",
    L"『",
    L"",
    L"",
    L"",
    L"═",
    L"",
    L"╧",
    L"",
    L"╤",
    L"╥",
    L"",
    L"",
    L"",
    L"",
    L"╫",
    L"",
    L"┚",
    L"┎",
    L"■",
    L"",
    L"",
    L"",
    L"",
    L"α",
    L"β",
    L"γ",
    L"π",
    L"Σ",
    L"σ",
    L"μ",
    L"τ",
    L"",
    L"Ф(应90°转)",
    L"Ω",
    L"δ",
    L"∞",
    L"Ф",
    L"∈",
    L"∩",
    L"≡",
    L"±",
    L"≥",
    L"≤",
    L"∫",
    L"∫",
    L"÷",
    L"≈",
    L"。",
    L"·",
    L".",
    L"√",
    L"n",
    L"2",
    L"■",
    L"(空格'FF')",
};
// clang-format on

static_assert(std::size(kFullListTexts) == 256);

std::wstring ThreeDigits(int code) {
    return {static_cast<wchar_t>(L'0' + code / 100), static_cast<wchar_t>(L'0' + code / 10 % 10),
            static_cast<wchar_t>(L'0' + code % 10)};
}

}  // namespace

std::wstring ShortAsciiList() {
    std::wstring text = L"字符\tASCII值\t字符\tASCII值\t字符\tASCII值\r\n";
    for (int k = 0; k < 26; ++k) {
        for (const int code : {48 + k, 74 + k, 100 + k}) {
            if (code != 48 + k) {
                text += L'\t';
            }
            text += static_cast<wchar_t>(code);
            text += L'\t';
            text += std::to_wstring(code);
        }
        text += L"\r\n";
    }
    text += L"\r\n另外：\r\n";
    text += L"Backspace键 对应的ASCⅡ值为：8\r\n";
    text += L"退出(Esc)键 对应的ASCⅡ值为：27\r\n";
    text += L"空格(Space)键 对应的ASCⅡ值为：32\r\n";
    text += L"回车(Enter)键 对应的ASCⅡ值为：13\r\n";
    return text;
}

std::wstring FullAsciiList() {
    std::wstring text = L"ASCⅡ值\t字符  ASCⅡ值  字符   ASCⅡ值  字符\r\n";
    for (int k = 0; k < 85; ++k) {
        for (const int code : {k, k + 85, k + 170}) {
            if (code != k) {
                text += L'\t';
            }
            text += ThreeDigits(code);
            text += L'\t';
            text += kFullListTexts[code];
        }
        text += L"\r\n";
    }
    text += L"\t\t\t\t255  ";
    text += kFullListTexts[255];
    text += L"  ";
    return text;
}

std::wstring_view FullListText(int code) {
    return code >= 0 && code < 256 ? kFullListTexts[code] : L"";
}

}  // namespace orvell::lookup
