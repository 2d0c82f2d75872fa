#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "lookup/types.h"
#include "text/text_files.h"

namespace orvell::lookup {

inline constexpr std::wstring_view kCharacterFile = L"Character.txt";
inline constexpr std::wstring_view kValueFile = L"ASCⅡ.txt";  // U+2161 in the name

inline constexpr std::size_t kShortTableSize = 94;  // the printable codes 33 to 126
inline constexpr std::size_t kFullTableSize = 218;  // every offered code of 000 to 255

// The two lookup tables, each a pair of parallel arrays (character texts, value texts) filled from
// the first lines of the two data files. They are re-read before every scan so an edited file takes
// effect at once; a read that fails or comes up short leaves the entries it did not reach as they
// were (empty at first).
class LookupTables {
public:
    explicit LookupTables(text::TextFiles& files) : m_files(files) {}

    void ReloadCharacters(TableKind table) {
        m_files.ReadLines(kCharacterFile, CharacterSlots(table), &m_memos[table == TableKind::Short ? 0 : 2]);
    }
    void ReloadValues(TableKind table) {
        m_files.ReadLines(kValueFile, ValueSlots(table), &m_memos[table == TableKind::Short ? 1 : 3]);
    }

    std::span<const std::wstring> Characters(TableKind table) const {
        return table == TableKind::Short ? std::span<const std::wstring>(m_shortCharacters)
                                         : m_fullCharacters;
    }
    std::span<const std::wstring> Values(TableKind table) const {
        return table == TableKind::Short ? std::span<const std::wstring>(m_shortValues) : m_fullValues;
    }

private:
    std::span<std::wstring> CharacterSlots(TableKind table) {
        return table == TableKind::Short ? std::span<std::wstring>(m_shortCharacters) : m_fullCharacters;
    }
    std::span<std::wstring> ValueSlots(TableKind table) {
        return table == TableKind::Short ? std::span<std::wstring>(m_shortValues) : m_fullValues;
    }

    text::TextFiles& m_files;
    std::array<text::LinesMemo, 4> m_memos;  // short characters, short values, full characters, full values
    std::array<std::wstring, kShortTableSize> m_shortCharacters;
    std::array<std::wstring, kShortTableSize> m_shortValues;
    std::array<std::wstring, kFullTableSize> m_fullCharacters;
    std::array<std::wstring, kFullTableSize> m_fullValues;
};

}  // namespace orvell::lookup
