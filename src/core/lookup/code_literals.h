#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "lookup/types.h"

namespace orvell::lookup {

// The ways a code can be copied as a ready literal: the output box's "copy as" menu and orvell-cli's
// --as. Codes are 0 to 255 of the program's table, the PC's code page 437: the byte-valued forms (C's
// '\x', Chr, #, 0x) write the code itself, the Unicode forms (C#/Java, HTML, JSON) write the character
// that code page gives it, so 129 is '\x81' in C and '\u00FC' (ü) in C#, as the table shows it.
enum class CodeFormat { CEscape, CCharacter, CSharpJava, VisualBasic, Delphi, Html, Json, Hex };

inline constexpr CodeFormat kCodeFormats[] = {
    CodeFormat::CEscape, CodeFormat::CCharacter, CodeFormat::CSharpJava, CodeFormat::VisualBasic,
    CodeFormat::Delphi,  CodeFormat::Html,       CodeFormat::Json,       CodeFormat::Hex,
};

// What a menu calls the format.
std::wstring_view CodeFormatName(CodeFormat format, Language language);

// The literal; none for a code outside 0 to 255, nor in CCharacter for a code that has no printable
// ASCII character ('A', with '\'' and '\\' escaped).
std::optional<std::wstring> CodeLiteral(CodeFormat format, int code);

// The character of a code in the table's code page (code page 437); codes below 128 are ASCII.
char32_t CodeCharacter(int code);

// The control codes 0 to 31 and 127: their ASCII name ("ESC") and caret form ("^["); empty otherwise.
std::wstring_view ControlCodeName(int code);
std::wstring CaretForm(int code);

}  // namespace orvell::lookup
