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

Language LanguageFromSetting(std::int32_t value) {
    return value == 0 ? Language::Chinese : Language::English;
}

std::int32_t LanguageSetting(Language language) {
    return language == Language::Chinese ? 0 : 1;
}

}  // namespace orvell::app
