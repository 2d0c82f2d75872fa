#include "app/language.h"

namespace orvell::app {

std::wstring_view LanguageFileName(Language language) {
    return language == Language::Chinese ? L"Chinese.ini" : L"English.ini";
}

void LanguageLines::Load(text::TextFiles& files, Language language) {
    std::array<std::wstring, kLanguageLineCount> read;
    const std::size_t count = files.ReadLines(LanguageFileName(language), read);
    for (std::size_t i = 0; i < count; ++i) {
        m_lines[i] = std::move(read[i]);
    }
}

LanguageGeometry GeometryFor(Language language) {
    if (language == Language::Chinese) {
        return {1520, 2280, std::nullopt, 915, 1560, 855, 1000, 2480, 2430, 1180};
    }
    return {1030, 2220, 1300, 780, 1200, 855, 1000, 2200, 2250, 1360};
}

}  // namespace orvell::app
