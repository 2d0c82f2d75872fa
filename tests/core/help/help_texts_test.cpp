// The Help and About windows' texts as the user reads them: captions by the stored language, the
// pages and credits exactly, the layout that changes with the language.
#include "help/help_texts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "help/about_texts.h"

namespace orvell::help {
namespace {

std::vector<std::wstring> SplitLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "the last line ends with CR LF too";
    return lines;
}

// Only 1 is English: any other number keeps the designed, Chinese, captions.
TEST(HelpCaptions, FollowTheLanguageSettingWithOnlyOneEnglish) {
    const struct {
        std::int32_t setting;
        const wchar_t* joined;
    } rows[] = {
        {0, L"帮助|帮助文档|快捷键|关于作者| 退出(&E)"},
        {1, L"Help|Help Topic|HotKey|About Athor|  &Exit"},
        {2, L"帮助|帮助文档|快捷键|关于作者| 退出(&E)"},
        {-1, L"帮助|帮助文档|快捷键|关于作者| 退出(&E)"},
    };
    for (const auto& row : rows) {
        const HelpCaptions captions = HelpCaptionsFor(row.setting);
        std::wstring joined(captions.caption);
        for (const std::wstring_view tab : captions.tabs) {
            joined.append(L"|").append(tab);
        }
        joined.append(L"|").append(captions.exit);
        EXPECT_EQ(joined, row.joined) << "Language " << row.setting;
    }
}

TEST(HelpPages, TabsNameTheirPagesAndOthersShowTheFirst) {
    const std::pair<int, HelpPage> rows[] = {{1, HelpPage::Description}, {2, HelpPage::Shortcuts},
                                             {3, HelpPage::Author},      {0, HelpPage::Description},
                                             {4, HelpPage::Description}, {-2, HelpPage::Description}};
    for (const auto& [tab, page] : rows) {
        EXPECT_EQ(HelpPageFromTab(tab), page) << "tab " << tab;
    }
}

TEST(HelpPages, TheDescriptionCarriesItsFixedLines) {
    const std::vector<std::wstring> lines = SplitLines(HelpPageText(HelpPage::Description));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), L"Orvell V1.00");
    const auto has = [&](const std::wstring& wanted) {
        for (const std::wstring& line : lines) {
            if (line.find(wanted) != std::wstring::npos) {
                return true;
            }
        }
        return false;
    };
    for (const wchar_t* fixed :
         {L"键码检测(For VB) V1.01", L"字符包含：(去除一些空字符或打印不出的字符，实际有217个可查询的字符)",
          L"⒈阿拉伯数字：0-9(9个)", L"(34个)", L"(23个)", L"(24个)", L"(25个)", L"(7个)", L"⒐",
          L"ASCⅡ值(码)包含：", L"VB、Delphi：33-126(94个)", L"C: 000-255(217个)",
          L"其中：001-002、008、016-018、022-023、127-128、135、155、168、176-178、183-185、187-190、202-"
          L"204、"
          L"206、208、211-214、216、220-223、232 共38个 "
          L"ASCⅡ值(码)由于包含打印不出的字符或空字符所以不提供查询。"}) {
        EXPECT_TRUE(has(fixed)) << "missing: " << testing::PrintToString(std::wstring(fixed));
    }
    EXPECT_EQ(lines.back().find_first_not_of(L'*'), std::wstring::npos)
        << "the notice is framed by asterisks";
}

// The actions start in the same column: 16 characters of keys and spaces, or a Ctrl key and a tab to
// the second tab stop.
TEST(HelpPages, TheShortcutTableListsEveryKeyWithItsActionLinedUp) {
    const std::vector<std::wstring> lines = SplitLines(HelpPageText(HelpPage::Shortcuts));
    ASSERT_EQ(lines.size(), 4u + 20u);
    EXPECT_NE(lines[0].find(L"■ 键盘快捷键用法帮助 ■"), std::wstring::npos);
    EXPECT_EQ(lines[2], L"  按键          作用") << "the heads, 作用 in the actions' column";
    EXPECT_EQ(lines[3].find_first_not_of(L'━'), std::wstring::npos);
    const std::pair<const wchar_t*, const wchar_t*> expected[] = {
        {L"Alt+ F", L"打开“文件”命令"},
        {L"Alt+ H", L"打开“帮助”命令"},
        {L"Alt+ O", L"打开“设置”命令"},
        {L"Ctrl+D", L"显示 Delphi ASCⅡ表"},
        {L"Ctrl+V", L"显示 Visual Basic ASCⅡ表"},
        {L"Ctrl+C", L"显示 C语言  ASCⅡ表"},
        {L"Ctrl+B", L"切换800×600屏幕分辨率显示"},
        {L"Ctrl+E", L"切换1024×768屏幕分辨率显示"},
        {L"Alt+ S", L"查询相应的字符或ASCⅡ值"},
        {L"Alt+ E", L"退出程序"},
        {L"Alt+ Y", L"缩小为系统托盘(或F12，可以更改)"},
        {L"Alt+ A", L"打开相应的 ASCⅡ表"},
        {L"Del", L"在查询时清空查询内容"},
        {L"F1", L"显示“帮助”对话框"},
        {L"F2", L"显示“关于”对话框"},
        {L"F4", L"退出程序"},
        {L"F5", L"打开“键码检测”命令"},
        {L"F6", L"切换“简体中文”语言"},
        {L"F7", L"切换“英文”语言"},
        {L"F8", L"选择“开机自运行” "},
    };
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const std::wstring keys = std::wstring(L"  ") + expected[i].first;
        const std::wstring gap =
            keys.find(L"Ctrl") != std::wstring::npos ? L"\t" : std::wstring(16 - keys.size(), L' ');
        EXPECT_EQ(lines[4 + i], keys + gap + expected[i].second);
    }
}

TEST(HelpPages, TheAuthorPageIsTheTeamsNoteWithTheReservedAddresses) {
    const std::wstring& page = HelpPageText(HelpPage::Author);
    EXPECT_NE(page.find(L"orvell@example.org"), std::wstring::npos);
    EXPECT_NE(page.find(L"https://orvell.example.org/"), std::wstring::npos);
    EXPECT_NE(page.find(L"免费"), std::wstring::npos) << "free to use";
    EXPECT_EQ(SplitLines(page).size(), 9u);
}

// The credits' lines, the 17 spaces where the address stands, and no empty line after the first
// English one.
TEST(AboutTexts, CaptionsAndCreditsByLanguage) {
    const std::wstring room(17, L' ');
    const struct {
        Language language;
        const wchar_t* caption;
        const wchar_t* bar;
        const wchar_t* label1;
        std::wstring credits;
        const wchar_t* exit;
    } rows[] = {
        {Language::Chinese, L"关于Orvell", L"关于", L"Orvell V1.00",
         L"程序设计/美术设计：Orvell 开发组\r\n\r\n程序测试：Orvell "
         L"开发组\r\n\r\n对本程序有任何建议或改进请E-Mail:" +
             room,
         L"退出(&E)"},
        {Language::English, L"About Orvell", L"About", L"Orvell V1.00 ",
         L"Main programmer/Main graphic artist\xFF1AThe Orvell team\r\nProgram Test\xFF1AThe Orvell "
         L"team\r\n\r\n"
         L"If want to give some advice or point out bugs,Please E-Mail:" +
             room,
         L"&Exit"},
    };
    for (const auto& row : rows) {
        const AboutTexts texts = AboutTextsFor(row.language);
        EXPECT_EQ(texts.caption, row.caption);
        EXPECT_EQ(texts.barCaption, row.bar);
        EXPECT_EQ(texts.label1, row.label1);
        EXPECT_EQ(texts.label2, L"For Win98/2000/NT/XP/2003");
        EXPECT_EQ(texts.label3, row.credits);
        EXPECT_EQ(texts.exit, row.exit);
        const NoMailMessage noMail = NoMailMessageFor(row.language);
        EXPECT_TRUE(noMail.text.ends_with(L"\r\norvell@example.org")) << "the address on a line of its own";
    }
    EXPECT_EQ(MailtoTarget(), L"mailto:orvell@example.org");
}

// English moves the labels, the second picture and the exit button; Chinese keeps the design but
// for the exit button's top.
TEST(AboutLayout, EnglishMovesWhatItNamesAndChineseLowersOnlyTheButtonTop) {
    const AboutLayout chinese = AboutLayoutFor(Language::Chinese);
    const AboutLayout english = AboutLayoutFor(Language::English);
    EXPECT_EQ(chinese.command1.top, 2950);
    EXPECT_EQ(english.command1, (Rect{3600, 3050, 4600, 3425}));
    const struct {
        Rect AboutLayout::*box;
        int left;
        int top;
    } moved[] = {{&AboutLayout::label1, chinese.label1.left, 600},
                 {&AboutLayout::label2, chinese.label2.left, 1200},
                 {&AboutLayout::label3, chinese.label3.left, 1550},
                 {&AboutLayout::label4, chinese.label4.left, 2800},
                 {&AboutLayout::image2, 2020, 640},
                 {&AboutLayout::image1, chinese.image1.left, chinese.image1.top}};
    for (const auto& row : moved) {
        const Rect& was = chinese.*row.box;
        EXPECT_EQ(english.*row.box,
                  (Rect{row.left, row.top, row.left + was.Width(), row.top + was.Height()}));
    }
    // Another font: the Chinese address follows the credits' last line; the English one stays.
    EXPECT_EQ(CreditsLastLine(Language::Chinese), L"对本程序有任何建议或改进请E-Mail:");
    EXPECT_EQ(chinese.label4, (Rect{3210, 2220, 5010, 2475})) << "as designed";
    const CreditsMeasure wider{240, 3000};
    EXPECT_EQ(AboutLayoutFor(Language::Chinese, wider).label4, (Rect{3240, 2460, 5040, 2715}));
    EXPECT_EQ(AboutLayoutFor(Language::Chinese, CreditsMeasure{240, 4000}).label4.right,
              kAboutClientWidth - 60)
        << "kept inside the border";
    EXPECT_EQ(AboutLayoutFor(Language::English, wider).label4, english.label4);
    for (const AboutLayout& layout : {chinese, english}) {
        for (const Rect& box : {layout.image1, layout.image2, layout.label1, layout.label2, layout.label3,
                                layout.label4, layout.command1}) {
            EXPECT_GE(box.top, 405) << "below the title bar";
            EXPECT_LE(box.right, kAboutClientWidth - 60) << "inside the border";
            EXPECT_LE(box.bottom, kAboutClientHeight - 60);
        }
    }
}

}  // namespace
}  // namespace orvell::help
