#include "lookup/code_literals.h"

#include <array>

namespace orvell::lookup {

namespace {

// Code page 437 from 128 to 255.
constexpr std::array<char16_t, 128> kUpperHalf = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
    0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C,
    0x2588, 0x2584, 0x258C, 0x2590, 0x2580, 0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320,
    0x2321, 0x00F7, 0x2248, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

constexpr std::wstring_view kControlNames[] = {
    L"NUL", L"SOH", L"STX", L"ETX", L"EOT", L"ENQ", L"ACK", L"BEL", L"BS",  L"HT",  L"LF",
    L"VT",  L"FF",  L"CR",  L"SO",  L"SI",  L"DLE", L"DC1", L"DC2", L"DC3", L"DC4", L"NAK",
    L"SYN", L"ETB", L"CAN", L"EM",  L"SUB", L"ESC", L"FS",  L"GS",  L"RS",  L"US",
};

std::wstring Hex(unsigned value, int digits) {
    std::wstring text(static_cast<std::size_t>(digits), L'0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4) {
        text[static_cast<std::size_t>(i)] = L"0123456789ABCDEF"[value & 0xF];
    }
    return text;
}

// A character beyond 0xFFFF does not occur in code page 437; the four digits always suffice.
std::wstring UnicodeEscape(int code) {
    return L"\\u" + Hex(CodeCharacter(code), 4);
}

}  // namespace

std::wstring_view CodeFormatName(CodeFormat format, Language language) {
    switch (format) {
        case CodeFormat::CEscape:
        case CodeFormat::CCharacter:
            return L"C";
        case CodeFormat::CSharpJava:
            return L"C# / Java";
        case CodeFormat::VisualBasic:
            return L"Visual Basic";
        case CodeFormat::Delphi:
            return L"Delphi";
        case CodeFormat::Html:
            return L"HTML";
        case CodeFormat::Json:
            return L"JSON";
        case CodeFormat::Hex:
            break;
    }
    return language == Language::Chinese ? L"十六进制" : L"Hex";
}

std::optional<std::wstring> CodeLiteral(CodeFormat format, int code) {
    if (code < 0 || code > 255) {
        return std::nullopt;
    }
    const std::wstring decimal = std::to_wstring(code);
    switch (format) {
        case CodeFormat::CEscape:
            return L"'\\x" + Hex(static_cast<unsigned>(code), 2) + L"'";
        case CodeFormat::CCharacter:
            if (code < 32 || code > 126) {
                return std::nullopt;
            }
            if (code == '\'' || code == '\\') {
                return std::wstring{L'\'', L'\\', static_cast<wchar_t>(code), L'\''};
            }
            return std::wstring{L'\'', static_cast<wchar_t>(code), L'\''};
        case CodeFormat::CSharpJava:
            return L"'" + UnicodeEscape(code) + L"'";
        case CodeFormat::VisualBasic:
            return L"Chr(" + decimal + L")";
        case CodeFormat::Delphi:
            return L"#" + decimal;
        case CodeFormat::Html:
            return L"&#" + std::to_wstring(CodeCharacter(code)) + L";";
        case CodeFormat::Json:
            return L"\"" + UnicodeEscape(code) + L"\"";
        case CodeFormat::Hex:
            return L"0x" + Hex(static_cast<unsigned>(code), 2);
    }
    return std::nullopt;
}

char32_t CodeCharacter(int code) {
    return code >= 128 && code <= 255 ? kUpperHalf[static_cast<std::size_t>(code - 128)]
                                      : static_cast<char32_t>(code);
}

std::wstring_view ControlCodeName(int code) {
    if (code == 127) {
        return L"DEL";
    }
    return code >= 0 && code < 32 ? kControlNames[code] : std::wstring_view();
}

std::wstring CaretForm(int code) {
    if (code == 127) {
        return L"^?";
    }
    return code >= 0 && code < 32 ? std::wstring{L'^', static_cast<wchar_t>(L'@' + code)} : std::wstring();
}

}  // namespace orvell::lookup
