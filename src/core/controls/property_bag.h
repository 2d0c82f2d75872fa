#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/colour.h"
#include "controls/font_description.h"

namespace orvell::controls {

// Something in a design text that could not be used, and what was used instead.
struct BagProblem {
    int line = 0;  // 0 when the problem is a value rather than a line
    std::wstring message;
    friend bool operator==(const BagProblem&, const BagProblem&) = default;
};

// The saved properties of a control: named values in the order they were written, kept as text.
//
// Its text form holds one "key=value" per line (the program reads it as UTF-8). The key runs up to the
// first "=", the value is the rest of the line exactly, blanks included; "%" is written "%25", a
// carriage return "%0D" and a line feed "%0A", so any caption survives and paths keep their
// backslashes. Blank lines and lines starting with "#" or ";" are notes. Values: whole numbers in
// decimal; colours as 0x followed by hex digits (0x8000000F is the button face; decimal is read too);
// Booleans -1 and 0 (any other number reads as True, and True/False are read too); fractions with a
// "." point; pictures by the resource or file name they were loaded from; fonts as
// "name,size" or "name,size,flags" with flags among bold, italic, underline and strikethrough.
//
// A missing key reads as its default. A line or value that cannot be read is reported in Problems()
// and reads as the default, so a damaged design still builds its control.
class PropertyBag {
public:
    static PropertyBag Parse(std::wstring_view text);
    // The text form, lines ending in CR LF.
    std::wstring Format() const;

    bool Contains(std::wstring_view key) const { return Find(key) != nullptr; }
    // The raw text of a value.
    std::optional<std::wstring> RawValue(std::wstring_view key) const;
    // Replaces the value of a key that is there, else adds the key at the end.
    void SetRaw(std::wstring_view key, std::wstring value);
    void Remove(std::wstring_view key);
    std::size_t Size() const { return m_entries.size(); }

    // A value as T, for T among std::int32_t ("Long"), std::int16_t ("Integer"), double, bool, Colour,
    // std::wstring and FontDescription. A missing key gives the fallback; so does a value that is not a
    // T, and the bag lists it among its problems.
    template <typename T>
    T Read(std::wstring_view key, const T& fallback) const;
    // A value equal to its default is left out (and one already there removed): reading gives the
    // default back.
    template <typename T>
    void Write(std::wstring_view key, const T& value, const T& fallback);

    // What could not be read, in the order it was met: lines while parsing, values while reading.
    const std::vector<BagProblem>& Problems() const { return m_problems; }
    void ReportProblem(int line, std::wstring message) const;

private:
    const std::wstring* Find(std::wstring_view key) const;

    std::vector<std::pair<std::wstring, std::wstring>> m_entries;
    // Reading is logically const; the log of what could not be read grows as values are read.
    mutable std::vector<BagProblem> m_problems;
};

}  // namespace orvell::controls
