#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvell::text {

// Decodes UTF-8 (a leading byte-order mark is dropped). Gives nothing when the bytes are not valid
// UTF-8 (overlong forms, surrogates and values past U+10FFFF included), so the caller can fall back to
// the legacy code page. A character outside the Basic Multilingual Plane stays whole: a surrogate pair
// where wchar_t has 16 bits (Windows), one unit where it has 32.
bool DecodeUtf8(std::string_view bytes, std::wstring& out);
// The same for a piece of a text, where a U+FEFF is a character like any other.
bool DecodeUtf8Piece(std::string_view bytes, std::wstring& out);
// A piece of a text that says it is UTF-8 (it starts with the mark) but has bytes that are not: each
// such byte becomes U+FFFD and the rest reads.
void DecodeUtf8Replacing(std::string_view bytes, std::wstring& out);
std::string_view WithoutByteOrderMark(std::string_view bytes);
std::optional<std::wstring> DecodeUtf8(std::string_view bytes);

// Decodes UTF-16 without its byte-order mark, in the byte order given. Pairs stay whole as in
// DecodeUtf8; a lone surrogate, or an odd last byte, becomes U+FFFD.
void DecodeUtf16(std::string_view bytes, bool bigEndian, std::wstring& out);

// Validation alone: cheaper than decoding, for files of which only the first lines are needed.
bool IsValidUtf8(std::string_view bytes);

// A surrogate pair becomes its one character; a lone surrogate, which UTF-8 cannot hold, U+FFFD.
std::string EncodeUtf8(std::wstring_view text);

// Puts a character into 16-bit or 32-bit wchar_t units as above; returns the position after it.
wchar_t* PutCharacter(char32_t code, wchar_t* write);
inline constexpr wchar_t kReplacementCharacter = 0xFFFD;

// Columns a text takes in the fixed-pitch CJK font of the output box: ASCII one, anything else two;
// a character outside the BMP is one character, two columns, whether it takes one unit or two.
int DisplayColumns(std::wstring_view text);

// Leading and trailing U+0020 removed; other white space stays.
std::wstring_view TrimBlanks(std::wstring_view text);

}  // namespace orvell::text
