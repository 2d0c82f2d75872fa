#include "app/language.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "memory_text_files.h"
#include "text/folder_text_files.h"

namespace orvell::app {
namespace {

std::vector<std::wstring> Numbered(const std::wstring& prefix, int count) {
    std::vector<std::wstring> lines;
    for (int i = 0; i < count; ++i) {
        lines.push_back(prefix + std::to_wstring(i));
    }
    return lines;
}

TEST(LanguageLines, UnreadLinesKeepWhatTheLastSwitchGave) {
    testing::MemoryTextFiles files;
    LanguageLines lines;

    // No file yet: every line unset, so the controls keep their design captions.
    lines.Load(files, Language::English);
    EXPECT_FALSE(lines.Line(0).has_value());
    EXPECT_EQ(files.reads[L"English.ini"], 1);

    files.files[L"Chinese.ini"] = Numbered(L"zh", 30);  // lines past 24 are ignored
    lines.Load(files, Language::Chinese);
    EXPECT_EQ(lines.Line(0), L"zh0");
    EXPECT_EQ(lines.Line(24), L"zh24");

    files.files[L"English.ini"] = Numbered(L"en", 10);  // a short file
    lines.Load(files, Language::English);
    EXPECT_EQ(lines.Line(9), L"en9");
    EXPECT_EQ(lines.Line(10), L"zh10");
    EXPECT_EQ(lines.Line(24), L"zh24");
}

// A missing line would leave its control with the other language's caption.
TEST(LanguageLines, ShippedFilesHoldEveryLine) {
    text::FolderTextFiles files(ORVELL_DATA_DIR);
    for (const Language language : {Language::Chinese, Language::English}) {
        LanguageLines lines;
        lines.Load(files, language);
        for (int i = 0; i < static_cast<int>(kLanguageLineCount); ++i) {
            ASSERT_TRUE(lines.Line(i).has_value()) << i;
            EXPECT_FALSE(lines.Line(i)->empty()) << i;
        }
    }
}

// The setting's numbers are what earlier runs stored: 0 Chinese, any other English.
TEST(LanguageSetting, ZeroIsChineseAndAnyOtherNumberEnglish) {
    for (const auto& [value, language] :
         {std::pair{0, Language::Chinese}, std::pair{1, Language::English}, std::pair{7, Language::English},
          std::pair{-1, Language::English}}) {
        EXPECT_EQ(LanguageFromSetting(value), language) << value;
    }
    EXPECT_EQ(LanguageSetting(Language::Chinese), 0);
    EXPECT_EQ(LanguageSetting(Language::English), 1);
}

}  // namespace
}  // namespace orvell::app
