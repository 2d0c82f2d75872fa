#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvell::text {

// Decodes UTF-8 (a leading byte-order mark is dropped). Gives nothing when the bytes are not valid
// UTF-8 (overlong forms, surrogates and values past U+10FFFF included), so the caller can fall back to
// the legacy code page. Characters outside the Basic Multilingual Plane become U+FFFD: every text the
// program handles is in the BMP, and Windows' 16-bit wchar_t holds one BMP character per unit.
bool DecodeUtf8(std::string_view bytes, std::wstring& out);
// The same for a piece of a text, where a U+FEFF is a character like any other.
bool DecodeUtf8Piece(std::string_view bytes, std::wstring& out);
std::string_view WithoutByteOrderMark(std::string_view bytes);
std::optional<std::wstring> DecodeUtf8(std::string_view bytes);

// Validation alone: cheaper than decoding, for files of which only the first lines are needed.
bool IsValidUtf8(std::string_view bytes);

std::string EncodeUtf8(std::wstring_view text);

// Columns a text takes in the fixed-pitch CJK font of the output box: ASCII one, anything else two.
int DisplayColumns(std::wstring_view text);

// Leading and trailing U+0020 removed; other white space stays.
std::wstring_view TrimBlanks(std::wstring_view text);

}  // namespace orvell::text
