#include "text/utf8.h"

#include <cstdint>
#include <cstring>
#include <type_traits>

namespace orvell::text {

namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Decodes one character starting at p; returns its length in bytes, or 0 when the bytes there are
// not valid UTF-8.
int DecodeOne(const unsigned char* p, const unsigned char* end, char32_t& code) {
    const unsigned char lead = *p;
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    int extra = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, code = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, code = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, code = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (end - p <= extra) {
        return 0;
    }
    for (int i = 1; i <= extra; ++i) {
        if (!IsContinuation(p[i])) {
            return 0;
        }
        code = (code << 6) | (p[i] & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    return extra + 1;
}

// Length of the leading run of ASCII bytes, eight at a time where it can.
std::size_t AsciiPrefix(const unsigned char* p, std::size_t size) {
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t block;
        std::memcpy(&block, p + i, 8);
        if (block & 0x8080808080808080ull) {
            break;
        }
    }
    while (i < size && p[i] < 0x80) {
        ++i;
    }
    return i;
}

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

char32_t Unit(wchar_t ch) {
    return static_cast<char32_t>(static_cast<std::make_unsigned_t<wchar_t>>(ch));
}

// Never more units than bytes (four bytes make at most two units): size once, write through a
// pointer, trim at the end. A byte that starts no valid character fails the decoding, or with
// `replace` becomes U+FFFD.
bool Decode(std::string_view bytes, std::wstring& out, bool replace) {
    out.resize(bytes.size());
    wchar_t* write = out.data();
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    while (p < end) {
        if (*p < 0x80) {
            *write++ = static_cast<wchar_t>(*p++);
            continue;
        }
        char32_t code = 0;
        const int length = DecodeOne(p, end, code);
        if (length == 0) {
            if (!replace) {
                out.clear();
                return false;
            }
            *write++ = kReplacementCharacter;
            ++p;
            continue;
        }
        write = PutCharacter(code, write);
        p += length;
    }
    out.resize(static_cast<std::size_t>(write - out.data()));
    return true;
}

}  // namespace

std::string_view WithoutByteOrderMark(std::string_view bytes) {
    return bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
}

bool DecodeUtf8(std::string_view bytes, std::wstring& out) {
    return DecodeUtf8Piece(WithoutByteOrderMark(bytes), out);
}

wchar_t* PutCharacter(char32_t code, wchar_t* write) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (code > 0xFFFF) {
            code -= 0x10000;
            *write++ = static_cast<wchar_t>(0xD800 + (code >> 10));
            *write++ = static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
            return write;
        }
    }
    *write++ = static_cast<wchar_t>(code);
    return write;
}

bool DecodeUtf8Piece(std::string_view bytes, std::wstring& out) {
    return Decode(bytes, out, false);
}

void DecodeUtf8Replacing(std::string_view bytes, std::wstring& out) {
    Decode(bytes, out, true);
}

void DecodeUtf16(std::string_view bytes, bool bigEndian, std::wstring& out) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t units = bytes.size() / 2;
    const auto unit = [&](std::size_t i) -> char32_t {
        return bigEndian ? (p[2 * i] << 8) | p[2 * i + 1] : p[2 * i] | (p[2 * i + 1] << 8);
    };
    out.resize(units + bytes.size() % 2);
    wchar_t* write = out.data();
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t code = unit(i);
        if (IsHighSurrogate(code) && i + 1 < units && IsLowSurrogate(unit(i + 1))) {
            write = PutCharacter(0x10000 + ((code - 0xD800) << 10) + (unit(++i) - 0xDC00), write);
        } else if (IsHighSurrogate(code) || IsLowSurrogate(code)) {
            *write++ = kReplacementCharacter;
        } else {
            *write++ = static_cast<wchar_t>(code);
        }
    }
    if (bytes.size() % 2 != 0) {
        *write++ = kReplacementCharacter;
    }
    out.resize(static_cast<std::size_t>(write - out.data()));
}

bool IsValidUtf8(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    while (p < end) {
        if (*p < 0x80) {
            p += AsciiPrefix(p, static_cast<std::size_t>(end - p));
            continue;
        }
        char32_t code = 0;
        const int length = DecodeOne(p, end, code);
        if (length == 0) {
            return false;
        }
        p += length;
    }
    return true;
}

std::optional<std::wstring> DecodeUtf8(std::string_view bytes) {
    std::wstring out;
    if (!DecodeUtf8(bytes, out)) {
        return std::nullopt;
    }
    return out;
}

std::string EncodeUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = Unit(text[i]);
        if (IsHighSurrogate(code) && i + 1 < text.size() && IsLowSurrogate(Unit(text[i + 1]))) {
            code = 0x10000 + ((code - 0xD800) << 10) + (Unit(text[++i]) - 0xDC00);
        } else if ((code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
            code = kReplacementCharacter;
        }
        if (code < 0x80) {
            out.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (code >> 12)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (code >> 18)));
            out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return out;
}

int DisplayColumns(std::wstring_view text) {
    int columns = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // The second half of a pair was counted with the first.
        if (i > 0 && IsLowSurrogate(Unit(text[i])) && IsHighSurrogate(Unit(text[i - 1]))) {
            continue;
        }
        columns += Unit(text[i]) < 0x80 ? 1 : 2;
    }
    return columns;
}

std::wstring_view TrimBlanks(std::wstring_view text) {
    const auto first = text.find_first_not_of(L' ');
    if (first == std::wstring_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(L' ');
    return text.substr(first, last - first + 1);
}

}  // namespace orvell::text
