#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/main_layout.h"
#include "lookup/types.h"
#include "text/text_files.h"

namespace orvell::app {

using lookup::Language;

// The language files: "Chinese.ini" and "English.ini" beside the program, one caption per line. Only
// their first 25 lines mean something; the line numbers below are the lines' meanings.
std::wstring_view LanguageFileName(Language language);

inline constexpr std::size_t kLanguageLineCount = 25;

namespace language_line {
inline constexpr int kFileMenu = 0;
inline constexpr int kAsciiTable = 1;  // the menu and the shortcut menu's submenu
inline constexpr int kExit = 2;
inline constexpr int kSettingsMenu = 3;
inline constexpr int kLanguageMenu = 4;
inline constexpr int kRunAtStartup = 5;
inline constexpr int kHelpMenu = 6;
inline constexpr int kHelpTopics = 7;
inline constexpr int kAbout = 8;
inline constexpr int kTypeFrame = 9;
inline constexpr int kModeFrame = 10;
inline constexpr int kModeLabel = 11;
inline constexpr int kCharacterOption = 12;
inline constexpr int kValueOption = 13;
inline constexpr int kInputLabel = 14;
inline constexpr int kSearchButton = 15;
inline constexpr int kOutputFrame = 16;
inline constexpr int kListButton = 18;
inline constexpr int kHideButton = 19;
inline constexpr int kExitButton = 20;
inline constexpr int kWindowTitle = 21;
inline constexpr int kScreenMenu = 22;
inline constexpr int kKeyCodeTest = 23;
inline constexpr int kHideKey = 24;
}  // namespace language_line

// The captions read from the language files, kept from one switch to the next. A line the file did
// not give (missing or short file) stays unset, so its controls keep the captions they show, the
// design ones at first, instead of turning blank.
class LanguageLines {
public:
    // Reads lines 0 to 24 of the language's file; lines past the end of a short file keep what the
    // previous switch gave them.
    void Load(text::TextFiles& files, Language language);

    const std::optional<std::wstring>& Line(int line) const {
        return m_lines.at(static_cast<std::size_t>(line));
    }

private:
    std::array<std::optional<std::wstring>, kLanguageLineCount> m_lines;
};

// The controls whose captions come straight from a language file line. The search button and the
// output frame take theirs through the lookup, which has the last word on them, and line 21 is the
// window's title.
struct CaptionLine {
    int line;
    MainControl control;
};
inline constexpr CaptionLine kCaptionLines[] = {
    {language_line::kTypeFrame, MainControl::Frame1},
    {language_line::kModeFrame, MainControl::Frame2},
    {language_line::kModeLabel, MainControl::Label1},
    {language_line::kCharacterOption, MainControl::Option2_0},
    {language_line::kValueOption, MainControl::Option2_1},
    {language_line::kInputLabel, MainControl::Label2},
    {language_line::kListButton, MainControl::Command2},
    {language_line::kHideButton, MainControl::Command3},
    {language_line::kExitButton, MainControl::Command4},
};

// The setting "Language": 0 is Chinese, any other number English; a switch stores 0 or 1.
Language LanguageFromSetting(std::int32_t value);
std::int32_t LanguageSetting(Language language);

}  // namespace orvell::app
