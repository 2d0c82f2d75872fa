#include "controls/property_bag.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace orvell::controls {

namespace {

std::wstring Escape(std::wstring_view value) {
    std::wstring out;
    out.reserve(value.size());
    for (const wchar_t c : value) {
        switch (c) {
            case L'%':
                out += L"%25";
                break;
            case L'\r':
                out += L"%0D";
                break;
            case L'\n':
                out += L"%0A";
                break;
            default:
                out += c;
                break;
        }
    }
    return out;
}

int HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') {
        return c - L'0';
    }
    if (c >= L'a' && c <= L'f') {
        return c - L'a' + 10;
    }
    if (c >= L'A' && c <= L'F') {
        return c - L'A' + 10;
    }
    return -1;
}

// A "%" not followed by two hex digits stays as it is: hand-written designs may hold one.
std::wstring Unescape(std::wstring_view value) {
    std::wstring out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == L'%' && i + 2 < value.size()) {
            const int high = HexDigit(value[i + 1]);
            const int low = HexDigit(value[i + 2]);
            if (high >= 0 && low >= 0) {
                out += static_cast<wchar_t>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        out += value[i];
    }
    return out;
}

// Numbers are ASCII; anything else makes the value unreadable.
std::optional<std::string> Narrow(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (const wchar_t c : text) {
        if (c <= 0 || c > 0x7F) {
            return std::nullopt;
        }
        out += static_cast<char>(c);
    }
    return out;
}

std::wstring_view TrimSpaces(std::wstring_view text) {
    while (!text.empty() && (text.front() == L' ' || text.front() == L'\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == L' ' || text.back() == L'\t')) {
        text.remove_suffix(1);
    }
    return text;
}

// Decimal, or 0x and up to eight hex digits: the 32-bit pattern, so 0x8000000F is negative.
std::optional<long long> ParseWhole(std::wstring_view text) {
    const std::optional<std::string> narrow = Narrow(TrimSpaces(text));
    if (!narrow || narrow->empty()) {
        return std::nullopt;
    }
    const char* first = narrow->data();
    const char* last = first + narrow->size();
    long long value = 0;
    std::from_chars_result result{};
    if (narrow->size() > 2 && (*narrow)[0] == '0' && ((*narrow)[1] == 'x' || (*narrow)[1] == 'X')) {
        unsigned long long bits = 0;
        result = std::from_chars(first + 2, last, bits, 16);
        if (result.ec != std::errc() || bits > 0xFFFFFFFFull) {
            return std::nullopt;
        }
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
    } else {
        if (*first == '+') {
            ++first;
        }
        result = std::from_chars(first, last, value);
    }
    if (result.ec != std::errc() || result.ptr != last) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> ParseFraction(std::wstring_view text) {
    const std::optional<std::string> narrow = Narrow(TrimSpaces(text));
    if (!narrow || narrow->empty()) {
        return std::nullopt;
    }
    const char* first = narrow->data();
    const char* last = first + narrow->size();
    if (*first == '+') {
        ++first;
    }
    double value = 0;
    const std::from_chars_result result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
               const auto lower = [](wchar_t c) { return (c >= L'A' && c <= L'Z') ? c - L'A' + L'a' : c; };
               return lower(x) == lower(y);
           });
}

std::wstring Widen(std::string_view text) {
    return std::wstring(text.begin(), text.end());
}

}  // namespace

PropertyBag PropertyBag::Parse(std::wstring_view text) {
    PropertyBag bag;
    int lineNumber = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(L'\n', start);
        if (end == std::wstring_view::npos) {
            end = text.size();
        }
        std::wstring_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == L'\r') {
            line.remove_suffix(1);
        }
        if (lineNumber == 1 && !line.empty() && line.front() == L'\xFEFF') {
            line.remove_prefix(1);
        }
        const std::wstring_view trimmed = TrimSpaces(line);
        if (trimmed.empty() || trimmed.front() == L'#' || trimmed.front() == L';') {
            continue;
        }
        const std::size_t equals = line.find(L'=');
        const std::wstring_view key =
            equals == std::wstring_view::npos ? std::wstring_view() : TrimSpaces(line.substr(0, equals));
        if (key.empty()) {
            bag.ReportProblem(lineNumber, L"not a key=value line, left out: " + std::wstring(line));
            continue;
        }
        if (bag.Contains(key)) {
            bag.ReportProblem(lineNumber,
                              L"\"" + std::wstring(key) + L"\" given again; the later value is used");
        }
        bag.SetRaw(key, Unescape(line.substr(equals + 1)));
    }
    return bag;
}

std::wstring PropertyBag::Format() const {
    std::wstring text;
    for (const auto& [key, value] : m_entries) {
        text += key;
        text += L'=';
        text += Escape(value);
        text += L"\r\n";
    }
    return text;
}

const std::wstring* PropertyBag::Find(std::wstring_view key) const {
    const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&](const auto& entry) { return entry.first == key; });
    return found == m_entries.end() ? nullptr : &found->second;
}

std::optional<std::wstring> PropertyBag::RawValue(std::wstring_view key) const {
    const std::wstring* value = Find(key);
    return value == nullptr ? std::nullopt : std::optional<std::wstring>(*value);
}

void PropertyBag::SetRaw(std::wstring_view key, std::wstring value) {
    const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&](const auto& entry) { return entry.first == key; });
    if (found != m_entries.end()) {
        found->second = std::move(value);
    } else {
        m_entries.emplace_back(std::wstring(key), std::move(value));
    }
}

void PropertyBag::Remove(std::wstring_view key) {
    std::erase_if(m_entries, [&](const auto& entry) { return entry.first == key; });
}

void PropertyBag::ReportProblem(int line, std::wstring message) const {
    m_problems.push_back(BagProblem{line, std::move(message)});
}

namespace {

// The text form of each kind of value: how it is read (nothing when the text does not hold one), what
// a reader is told it should have been, and how it is written.
template <typename T>
struct ValueText;

template <typename Whole>
struct WholeText {
    static std::optional<Whole> Parse(std::wstring_view text, std::vector<std::wstring>&) {
        const std::optional<long long> value = ParseWhole(text);
        if (!value || *value < std::numeric_limits<Whole>::min() ||
            *value > std::numeric_limits<Whole>::max()) {
            return std::nullopt;
        }
        return static_cast<Whole>(*value);
    }
    static std::wstring Format(Whole value) { return std::to_wstring(value); }
};

template <>
struct ValueText<std::int32_t> : WholeText<std::int32_t> {
    static constexpr std::wstring_view kExpected = L"a whole number from -2147483648 to 2147483647";
};

template <>
struct ValueText<std::int16_t> : WholeText<std::int16_t> {
    static constexpr std::wstring_view kExpected = L"a whole number from -32768 to 32767";
};

std::wstring FormatDouble(double value) {
    char buffer[64];
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return Widen(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}

template <>
struct ValueText<double> {
    static constexpr std::wstring_view kExpected = L"a number";
    static std::optional<double> Parse(std::wstring_view text, std::vector<std::wstring>&) {
        return ParseFraction(text);
    }
    static std::wstring Format(double value) { return FormatDouble(value); }
};

template <>
struct ValueText<bool> {
    static constexpr std::wstring_view kExpected = L"-1 or 0";
    static std::optional<bool> Parse(std::wstring_view text, std::vector<std::wstring>&) {
        const std::wstring_view trimmed = TrimSpaces(text);
        if (EqualsIgnoringCase(trimmed, L"True")) {
            return true;
        }
        if (EqualsIgnoringCase(trimmed, L"False")) {
            return false;
        }
        const std::optional<long long> value = ParseWhole(trimmed);
        return value ? std::optional<bool>(*value != 0) : std::nullopt;
    }
    static std::wstring Format(bool value) { return value ? L"-1" : L"0"; }
};

template <>
struct ValueText<Colour> {
    static constexpr std::wstring_view kExpected = L"a colour";
    static std::optional<Colour> Parse(std::wstring_view text, std::vector<std::wstring>&) {
        const std::optional<long long> value = ParseWhole(text);
        if (!value || *value < std::numeric_limits<std::int32_t>::min() ||
            *value > std::numeric_limits<std::uint32_t>::max()) {
            return std::nullopt;
        }
        // Decimal colours may be written either way: 2147483663 and -2147483633 are both the button face.
        return Colour(static_cast<std::uint32_t>(*value));
    }
    static std::wstring Format(Colour colour) {
        static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
        std::wstring text = L"0x";
        for (int shift = 28; shift >= 0; shift -= 4) {
            text += kDigits[(colour.Value() >> shift) & 0xFu];
        }
        return text;
    }
};

template <>
struct ValueText<std::wstring> {
    static constexpr std::wstring_view kExpected = L"a text";
    static std::optional<std::wstring> Parse(std::wstring_view text, std::vector<std::wstring>&) {
        return std::wstring(text);
    }
    static std::wstring Format(const std::wstring& value) { return value; }
};

template <>
struct ValueText<FontDescription> {
    static constexpr std::wstring_view kExpected = L"a font (name,size,flags)";
    // "name,size" or "name,size,flags"; a name may hold commas, so the fields are taken from the end.
    // An unknown flag is left out and noted.
    static std::optional<FontDescription> Parse(std::wstring_view whole, std::vector<std::wstring>& notes) {
        const std::size_t last = whole.rfind(L',');
        if (last == std::wstring_view::npos) {
            return std::nullopt;
        }
        std::wstring_view name = whole.substr(0, last);
        std::wstring_view size = whole.substr(last + 1);
        std::wstring_view flags;
        if (!ParseFraction(size)) {
            const std::size_t before = last == 0 ? std::wstring_view::npos : whole.rfind(L',', last - 1);
            if (before == std::wstring_view::npos) {
                return std::nullopt;
            }
            name = whole.substr(0, before);
            size = whole.substr(before + 1, last - before - 1);
            flags = whole.substr(last + 1);
        }
        const std::optional<double> points = ParseFraction(size);
        name = TrimSpaces(name);
        if (name.empty() || !points || *points <= 0 || *points > 1638) {
            return std::nullopt;
        }
        FontDescription font;
        font.name = std::wstring(name);
        font.size = static_cast<float>(*points);
        std::size_t at = 0;
        while (at < flags.size()) {
            const std::size_t next = std::min(flags.find(L' ', at), flags.size());
            const std::wstring_view word = flags.substr(at, next - at);
            at = next + 1;
            if (word.empty()) {
                continue;
            }
            if (EqualsIgnoringCase(word, L"bold")) {
                font.bold = true;
            } else if (EqualsIgnoringCase(word, L"italic")) {
                font.italic = true;
            } else if (EqualsIgnoringCase(word, L"underline")) {
                font.underline = true;
            } else if (EqualsIgnoringCase(word, L"strikethrough") ||
                       EqualsIgnoringCase(word, L"strikethru")) {
                font.strikethrough = true;
            } else {
                notes.push_back(L"unknown font flag \"" + std::wstring(word) + L"\" left out");
            }
        }
        return font;
    }
    static std::wstring Format(const FontDescription& font) {
        std::wstring text = font.name + L"," + FormatDouble(font.size);
        std::wstring flags;
        for (const auto& [on, word] :
             {std::pair{font.bold, L"bold"}, std::pair{font.italic, L"italic"},
              std::pair{font.underline, L"underline"}, std::pair{font.strikethrough, L"strikethrough"}}) {
            if (on) {
                flags += flags.empty() ? L"" : L" ";
                flags += word;
            }
        }
        return flags.empty() ? text : text + L"," + flags;
    }
};

}  // namespace

template <typename T>
T PropertyBag::Read(std::wstring_view key, const T& fallback) const {
    const std::wstring* text = Find(key);
    if (text == nullptr) {
        return fallback;
    }
    const std::wstring quotedKey = L"\"" + std::wstring(key) + L"\": ";
    std::vector<std::wstring> notes;
    const std::optional<T> value = ValueText<T>::Parse(*text, notes);
    for (std::wstring& note : notes) {
        ReportProblem(0, quotedKey + note);
    }
    if (!value) {
        ReportProblem(0, quotedKey + L"\"" + *text + L"\" is not " + std::wstring(ValueText<T>::kExpected) +
                             L"; the default is used");
        return fallback;
    }
    return *value;
}

template <typename T>
void PropertyBag::Write(std::wstring_view key, const T& value, const T& fallback) {
    if (value == fallback) {
        Remove(key);
    } else {
        SetRaw(key, ValueText<T>::Format(value));
    }
}

// The kinds of value a bag holds.
template std::int32_t PropertyBag::Read(std::wstring_view, const std::int32_t&) const;
template std::int16_t PropertyBag::Read(std::wstring_view, const std::int16_t&) const;
template double PropertyBag::Read(std::wstring_view, const double&) const;
template bool PropertyBag::Read(std::wstring_view, const bool&) const;
template Colour PropertyBag::Read(std::wstring_view, const Colour&) const;
template std::wstring PropertyBag::Read(std::wstring_view, const std::wstring&) const;
template FontDescription PropertyBag::Read(std::wstring_view, const FontDescription&) const;
template void PropertyBag::Write(std::wstring_view, const std::int32_t&, const std::int32_t&);
template void PropertyBag::Write(std::wstring_view, const std::int16_t&, const std::int16_t&);
template void PropertyBag::Write(std::wstring_view, const double&, const double&);
template void PropertyBag::Write(std::wstring_view, const bool&, const bool&);
template void PropertyBag::Write(std::wstring_view, const Colour&, const Colour&);
template void PropertyBag::Write(std::wstring_view, const std::wstring&, const std::wstring&);
template void PropertyBag::Write(std::wstring_view, const FontDescription&, const FontDescription&);

}  // namespace orvell::controls
