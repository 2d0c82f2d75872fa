// The Help and About windows' texts as the user reads them: captions by the stored language, the
// shortcut table lined up, the credits exactly, the layouts by language.
#include "help/help_texts.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "help/about_texts.h"

namespace orvell::help {
namespace {

// Only 1 is English: any other number keeps the designed, Chinese, captions.
TEST(HelpCaptions, OnlyOneIsEnglish) {
    EXPECT_EQ(HelpCaptionsFor(1).tabs[2], L"About Athor");
    EXPECT_EQ(HelpCaptionsFor(1).exit, L"  &Exit");
    for (const std::int32_t designed : {0, 2, -1}) {
        EXPECT_EQ(HelpCaptionsFor(designed).caption, L"帮助");
        EXPECT_EQ(HelpCaptionsFor(designed).exit, L" 退出(&E)");
    }
    EXPECT_EQ(HelpPageFromTab(3), HelpPage::Author);
    EXPECT_EQ(HelpPageFromTab(4), HelpPage::Description) << "no such tab: the first page";
}

// Every action starts 16 columns in: spaces fill the keys column, a tab (stops every 8) follows Ctrl.
TEST(HelpPages, TheShortcutActionsLineUp) {
    const std::wstring& text = HelpPageText(HelpPage::Shortcuts);
    EXPECT_NE(text.find(L"\r\n  Ctrl+D\t显示 Delphi ASCⅡ表\r\n"), std::wstring::npos);
    EXPECT_NE(text.find(L"\r\n  F8            选择“开机自运行” \r\n"), std::wstring::npos);
    int shortcuts = 0;
    std::size_t start = text.find(L"\r\n", text.find(L"━")) + 2;
    for (std::size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2) {
        int column = 0;  // where the first Chinese character, the action's, stands
        for (std::size_t i = start; i < end && text[i] < 0x80; ++i) {
            column = text[i] == L'\t' ? (column / 8 + 1) * 8 : column + 1;
        }
        EXPECT_EQ(column, 16) << testing::PrintToString(text.substr(start, end - start));
        ++shortcuts;
    }
    EXPECT_EQ(shortcuts, 20);
}

// The 17 spaces where the address stands, and no empty line after the first English line.
TEST(AboutTexts, CreditsByLanguage) {
    const std::wstring room(17, L' ');
    EXPECT_EQ(AboutTextsFor(Language::Chinese).label3,
              L"程序设计/美术设计：Orvell 开发组\r\n\r\n程序测试：Orvell "
              L"开发组\r\n\r\n对本程序有任何建议或改进请E-Mail:" +
                  room);
    EXPECT_EQ(AboutTextsFor(Language::English).label3,
              L"Main programmer/Main graphic artist\xFF1AThe Orvell team\r\nProgram Test\xFF1AThe Orvell "
              L"team\r\n\r\n"
              L"If want to give some advice or point out bugs,Please E-Mail:" +
                  room);
    EXPECT_EQ(AboutTextsFor(Language::English).label1, L"Orvell V1.00 ");
    EXPECT_EQ(MailtoTarget(), L"mailto:orvell@example.org");
    EXPECT_TRUE(NoMailMessageFor(Language::English).text.ends_with(L"\r\norvell@example.org"));
}

// English moves what it names; Chinese keeps the design but for the exit button's top, and puts the
// address at the end of the credits' last line as the font draws it.
TEST(AboutLayout, ByLanguageAndByTheCreditsFont) {
    const AboutLayout chinese = AboutLayoutFor(Language::Chinese);
    const AboutLayout english = AboutLayoutFor(Language::English, CreditsMeasure{240, 3000});
    EXPECT_EQ(chinese.command1, (Rect{3600, 2950, 4600, 3325}));
    EXPECT_EQ(english.command1, (Rect{3600, 3050, 4600, 3425}));
    EXPECT_EQ((std::array{english.label1.top, english.label2.top, english.label3.top, english.label4.top,
                          english.image2.top, english.image2.left}),
              (std::array{600, 1200, 1550, 2800, 640, 2020}));
    EXPECT_EQ(CreditsLastLine(Language::Chinese), L"对本程序有任何建议或改进请E-Mail:");
    EXPECT_EQ(chinese.label4, (Rect{3210, 2220, 5010, 2475})) << "as designed";
    EXPECT_EQ(AboutLayoutFor(Language::Chinese, CreditsMeasure{240, 3000}).label4,
              (Rect{3240, 2460, 5040, 2715}));
    EXPECT_EQ(AboutLayoutFor(Language::Chinese, CreditsMeasure{240, 4000}).label4.right,
              kAboutClientWidth - 60)
        << "kept inside the border";
}

}  // namespace
}  // namespace orvell::help
