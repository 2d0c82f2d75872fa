#include "text/utf8.h"

#include <cstdint>
#include <cstring>
#include <type_traits>

namespace orvell::text {

namespace {

constexpr wchar_t kReplacement = 0xFFFD;

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

}  // namespace

std::string_view WithoutByteOrderMark(std::string_view bytes) {
    return bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
}

bool DecodeUtf8(std::string_view bytes, std::wstring& out) {
    return DecodeUtf8Piece(WithoutByteOrderMark(bytes), out);
}

bool DecodeUtf8Piece(std::string_view bytes, std::wstring& out) {
    // Never more characters than bytes: size once, write through a pointer, trim at the end.
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
            out.clear();
            return false;
        }
        *write++ = code > 0xFFFF ? kReplacement : static_cast<wchar_t>(code);
        p += length;
    }
    out.resize(static_cast<std::size_t>(write - out.data()));
    return true;
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
    for (const wchar_t ch : text) {
        const auto code = static_cast<char32_t>(static_cast<std::make_unsigned_t<wchar_t>>(ch));
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
    for (const wchar_t ch : text) {
        columns += (static_cast<unsigned>(ch) < 0x80) ? 1 : 2;
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
