#include <gtest/gtest.h>

#include <string>

#include "lookup/lookup.h"
#include "lookup/messages.h"
#include "memory_text_files.h"
#include "text/text_files.h"
#include "text/utf8.h"

namespace orvell::lookup {
namespace {

std::string Utf8(const std::wstring& text) { return text::EncodeUtf8(text); }

// The shipped data files, read from disk as the program reads them.
class LookupWithData : public ::testing::Test {
protected:
    LookupView View(SearchType type, SearchMode mode, Language language = Language::Chinese) {
        LookupView view;
        view.type = type;
        view.mode = mode;
        view.language = language;
        return view;
    }

    text::FolderTextFiles m_files{ORVELL_DATA_DIR};
    Lookup m_lookup{m_files};
};

TEST_F(LookupWithData, SearchShowsTheValueAndEmptiesTheInput) {
    LookupView view = View(SearchType::VisualBasic, SearchMode::Search);
    view.input = L"A";
    view.frameCaption = L"before";
    m_lookup.Run(view);
    EXPECT_EQ(Utf8(view.output), Utf8(L"\r\n\r\n\r\n字符 A 对应的ASCⅡ值为：65"));
    EXPECT_EQ(view.style, (OutputStyle{16, true, kResultColour, Alignment::Centre}));
    EXPECT_EQ(Utf8(view.frameCaption), Utf8(L"查询结果："));
    EXPECT_TRUE(view.input.empty());
    EXPECT_TRUE(view.focusInput);

    // English: smaller type; the caption stays the one the provisional out-of-range message set.
    view = View(SearchType::Delphi, SearchMode::Search, Language::English);
    view.input = L"~";
    view.frameCaption = L"before";
    m_lookup.Run(view);
    EXPECT_EQ(Utf8(view.output), Utf8(L"\r\n\r\n\r\nThe Character ~ corresponds the ASCⅡ value: \r\n\r\n126"));
    EXPECT_EQ(view.style.fontSize, 10);
    EXPECT_EQ(Utf8(view.frameCaption), "Tips");
}

TEST_F(LookupWithData, FullSearchShowsThreeDigitsAndFindsPaddedTexts) {
    LookupView view = View(SearchType::C, SearchMode::Search);
    for (const auto& [input, expected] : {std::pair{L"A", L"字符 A 对应的ASCⅡ值为：065"},
                                          std::pair{L"(空格)", L"字符 (空格) 对应的ASCⅡ值为：032"},
                                          std::pair{L"1/2", L"字符 1/2 对应的ASCⅡ值为：171"},
                                          std::pair{L"』", L"字符 』 对应的ASCⅡ值为：200"}}) {
        view.input = input;
        m_lookup.Run(view);
        EXPECT_EQ(Utf8(view.output), Utf8(std::wstring(L"\r\n\r\n\r\n") + expected)) << Utf8(input);
        EXPECT_TRUE(view.input.empty());
    }
}

TEST_F(LookupWithData, ShortReverseSearchAcceptsPlainNumbersFrom33To126) {
    struct Case {
        const wchar_t* input;
        const wchar_t* output;  // nullptr: the out-of-range message
    };
    const Case cases[] = {
        {L"65", L"\r\n\r\nASCⅡ值：65\r\n\r\n对应字符：A"},
        {L"126", L"\r\n\r\nASCⅡ值：126\r\n\r\n对应字符：~"},
        {L"100", L"\r\n\r\nASCⅡ值：100\r\n\r\n对应字符：d"},
        {L"33", L"\r\n\r\nASCⅡ值：33\r\n\r\n对应字符：!"},
        {L"097", L"\r\n\r\nASCⅡ值：97\r\n\r\n对应字符：a"},  // leading zeros are fine
        {L"065", L"\r\n\r\nASCⅡ值：65\r\n\r\n对应字符：A"},
        {L"32", nullptr},
        {L"127", nullptr},
        {L"0", nullptr},
        {L"65a", nullptr},  // in range by its leading digits, but not a number
        {L" 65", nullptr},
        {L"abc", nullptr},
    };
    for (const Case& c : cases) {
        LookupView view = View(SearchType::Delphi, SearchMode::ReverseSearch);
        view.style.bold = true;
        view.input = c.input;
        m_lookup.Run(view);
        EXPECT_TRUE(view.input.empty()) << Utf8(c.input);
        if (c.output) {
            EXPECT_EQ(Utf8(view.output), Utf8(c.output)) << Utf8(c.input);
            EXPECT_EQ(view.style, (OutputStyle{12, true, kResultColour, Alignment::Centre})) << "bold is left as it was";
            EXPECT_EQ(Utf8(view.frameCaption), Utf8(L"查询结果："));
        } else {
            EXPECT_EQ(view.output, OutOfRangeMessage(Language::Chinese, SearchMode::ReverseSearch, TableKind::Short))
                << Utf8(c.input);
            EXPECT_EQ(Utf8(view.frameCaption), Utf8(L"提示："));
        }
    }
}

TEST_F(LookupWithData, ReverseResultsAsTablesAreLeftAligned) {
    LookupView view = View(SearchType::Delphi, SearchMode::ReverseSearch);
    view.tableLayout = true;
    view.input = L"65";
    m_lookup.Run(view);
    EXPECT_EQ(view.style.alignment, Alignment::Left);
    EXPECT_NE(view.output.find(L"│   65     │     A    │ "), std::wstring::npos) << Utf8(view.output);

    // A search result sets no alignment of its own, but the out-of-range message shown while the
    // search runs centres the box, so a search after a table is centred again.
    view.mode = SearchMode::Search;
    view.input = L"B";
    m_lookup.Run(view);
    EXPECT_EQ(view.style.alignment, Alignment::Centre);
}

TEST_F(LookupWithData, FullReverseSearchComparesTheExactThreeDigits) {
    LookupView view = View(SearchType::C, SearchMode::ReverseSearch, Language::English);
    view.input = L"65";
    m_lookup.Run(view);
    EXPECT_EQ(view.output, OutOfRangeMessage(Language::English, SearchMode::ReverseSearch, TableKind::Full));
    EXPECT_EQ(Utf8(view.frameCaption), "Tips");
    EXPECT_EQ(Utf8(view.input), "65") << "the input stays so it can be corrected";

    view.input = L"065";
    m_lookup.Run(view);
    // The full plain layout shows the stored text, blank included.
    EXPECT_EQ(Utf8(view.output), Utf8(L"\r\n\r\nASCⅡ value: 065\r\n\r\nCorresponds Character: A"));
    EXPECT_EQ(Utf8(view.frameCaption), Utf8(L"查询结果："));
    EXPECT_TRUE(view.input.empty());

    view.tableLayout = true;
    view.input = L"255";
    m_lookup.Run(view);
    EXPECT_NE(view.output.find(L"(空格'FF')"), std::wstring::npos) << Utf8(view.output);
    EXPECT_EQ(view.style.alignment, Alignment::Left);
}

TEST_F(LookupWithData, EmptyInputGivesTheEmptyInputMessageForEachModeAndTable) {
    for (const SearchType type : {SearchType::VisualBasic, SearchType::C}) {
        for (const SearchMode mode : {SearchMode::Search, SearchMode::ReverseSearch}) {
            LookupView view = View(type, mode, Language::English);
            view.outputVisible = false;
            view.fullListVisible = true;
            m_lookup.Run(view);
            EXPECT_EQ(view.output, EmptyInputMessage(Language::English, mode, TableFor(type)));
            EXPECT_EQ(view.style, (OutputStyle{9, false, kPlainTextColour, Alignment::Centre}));
            EXPECT_TRUE(view.outputVisible);
            EXPECT_FALSE(view.fullListVisible);
        }
    }
}

TEST_F(LookupWithData, SearchForSomethingNotInTheTableLeavesTheOutOfRangeMessageAndTheInput) {
    LookupView view = View(SearchType::C, SearchMode::Search);
    view.input = L"nothing";
    m_lookup.Run(view);
    EXPECT_EQ(view.output, OutOfRangeMessage(Language::Chinese, SearchMode::Search, TableKind::Full));
    EXPECT_EQ(Utf8(view.input), "nothing");
}

// Tables fed from memory, to see what missing, short or odd files do.
class LookupWithFiles : public ::testing::Test {
protected:
    void GiveShortTable() {
        auto& characters = m_files.files[L"Character.txt"];
        auto& values = m_files.files[L"ASCⅡ.txt"];
        for (int code = 33; code <= 126; ++code) {
            characters.push_back(L"  " + std::wstring(1, static_cast<wchar_t>(code)) + L" ");
            values.push_back(L"0" + std::to_wstring(code));
            if (code >= 100) {
                values.back() = std::to_wstring(code);
            }
        }
    }

    testing::MemoryTextFiles m_files;
    Lookup m_lookup{m_files};
};

TEST_F(LookupWithFiles, MissingFilesEndInTheOutOfRangeMessageOrNoChange) {
    LookupView view;
    view.input = L"A";
    m_lookup.Run(view);
    EXPECT_EQ(view.output, OutOfRangeMessage(Language::Chinese, SearchMode::Search, TableKind::Short));
    EXPECT_EQ(Utf8(view.input), "A");

    // An in-range value that the (missing) file does not hold changes nothing.
    view.mode = SearchMode::ReverseSearch;
    view.input = L"65";
    view.output = L"earlier answer";
    view.frameCaption = L"earlier caption";
    m_lookup.Run(view);
    EXPECT_EQ(Utf8(view.output), "earlier answer");
    EXPECT_EQ(Utf8(view.frameCaption), "earlier caption");
    EXPECT_EQ(Utf8(view.input), "65");
}

TEST_F(LookupWithFiles, FilesAreReadAgainForEveryLookupAndShortReadsKeepOldEntries) {
    GiveShortTable();
    LookupView view;
    view.input = L"~";
    m_lookup.Run(view);
    EXPECT_EQ(Utf8(view.output), Utf8(L"\r\n\r\n\r\n字符 ~ 对应的ASCⅡ值为：126"));

    // Now the files lose all but their first lines: entry 93 ("~") keeps what the last read gave.
    m_files.files[L"Character.txt"].resize(3);
    m_files.files[L"Character.txt"][0] = L"X";
    m_files.files[L"ASCⅡ.txt"].resize(3);
    view.input = L"~";
    m_lookup.Run(view);
    EXPECT_EQ(Utf8(view.output), Utf8(L"\r\n\r\n\r\n字符 ~ 对应的ASCⅡ值为：126"));
    EXPECT_EQ(Utf8(m_lookup.Tables().Characters(TableKind::Short)[0]), "X");
    EXPECT_EQ(m_files.reads[L"Character.txt"], 2);
    EXPECT_EQ(m_files.reads[L"ASCⅡ.txt"], 2);
}

TEST_F(LookupWithFiles, CharacterTextsAreTrimmedButValueTextsAreNot) {
    GiveShortTable();
    m_files.files[L"ASCⅡ.txt"][32] = L" 065";  // "A" with a stray blank
    LookupView view;
    view.mode = SearchMode::ReverseSearch;
    view.input = L"65";
    m_lookup.Run(view);
    EXPECT_EQ(Utf8(view.output), Utf8(L"\r\n\r\nASCⅡ值：65\r\n\r\n对应字符：A"));  // last two characters match

    m_files.files[L"ASCⅡ.txt"][32] = L"065 ";
    view.input = L"65";
    view.output.clear();
    m_lookup.Run(view);
    EXPECT_TRUE(view.output.empty()) << "in range, but no value text ends in 65";
}

TEST(KeyPress, BackspaceEnterEscAndSpaceAnswerInAnEmptyBox) {
    struct Case {
        int key;
        const wchar_t* output;
    };
    const Case cases[] = {
        {8, L"\r\n\r\n\r\nBackspace键 对应的ASCⅡ值为：8"},
        {13, L"\r\n\r\n\r\n回车(Enter)键 对应的ASCⅡ值为：13"},
        {27, L"\r\n\r\n\r\n退出(Esc)键 对应的ASCⅡ值为：27"},
        {32, L"\r\n\r\n\r\n空格(Space)键 对应的ASCⅡ值为：32"},
    };
    for (const Case& c : cases) {
        for (const Language language : {Language::Chinese, Language::English}) {
            LookupView view;
            view.language = language;
            view.type = SearchType::Delphi;
            view.style.alignment = Alignment::Left;
            view.shortListVisible = true;
            view.fullListVisible = true;
            KeyPress(view, c.key);
            EXPECT_EQ(Utf8(view.output), Utf8(c.output));
            EXPECT_EQ(view.style, (OutputStyle{14, true, kResultColour, Alignment::Centre}));
            EXPECT_EQ(Utf8(view.frameCaption), Utf8(L"查询结果："));
            EXPECT_TRUE(view.outputVisible);
            EXPECT_FALSE(view.shortListVisible);
            EXPECT_FALSE(view.fullListVisible) << "never two boxes at once";
        }
    }
}

TEST(KeyPress, AnswersOnlyForAnEmptyBoxInPrintableCharacterSearch) {
    struct Case {
        SearchType type;
        SearchMode mode;
        std::wstring input;
        int key;
        std::wstring inputAfter;
        bool answers;
    };
    const Case cases[] = {
        {SearchType::VisualBasic, SearchMode::Search, L"", 65, L"", false},
        {SearchType::VisualBasic, SearchMode::Search, L"x", 32, L"x", false},
        {SearchType::VisualBasic, SearchMode::Search, L"x", 13, L"", true},  // Enter empties the box first
        {SearchType::VisualBasic, SearchMode::ReverseSearch, L"", 32, L"", false},
        {SearchType::C, SearchMode::Search, L"", 32, L"", false},
        {SearchType::C, SearchMode::Search, L"ab", 13, L"", false},
    };
    for (const Case& c : cases) {
        LookupView view;
        view.type = c.type;
        view.mode = c.mode;
        view.input = c.input;
        view.output = L"before";
        KeyPress(view, c.key);
        EXPECT_EQ(view.input, c.inputAfter) << c.key;
        EXPECT_EQ(view.output != L"before", c.answers) << c.key;
    }
}

TEST(Tips, TypeAndModeChangesSetTipsButtonAndInputLength) {
    struct Case {
        Language language;
        SearchType type;
        SearchMode mode;
        const wchar_t* caption;
        int width;
        int searchLeft;
        int listLeft;
        int maxLength;
        const wchar_t* frame;
    };
    const Case cases[] = {
        {Language::Chinese, SearchType::VisualBasic, SearchMode::Search, L"查询(&S)", 1000, 1, 2430, 1, L"提示："},
        {Language::Chinese, SearchType::C, SearchMode::Search, L"查询(&S)", 1000, 1, 2430, 8, L"提示："},
        {Language::Chinese, SearchType::Delphi, SearchMode::ReverseSearch, L"反查(&S)", 1000, 1, 2430, 3, L"提示："},
        {Language::Chinese, SearchType::C, SearchMode::ReverseSearch, L"反查(&S)", 1000, 1, 2430, 3, L"提示："},
        {Language::English, SearchType::Delphi, SearchMode::Search, L"&Search", 1000, 2200, 1, 1, L"Tips:"},
        {Language::English, SearchType::C, SearchMode::Search, L"&Search", 1000, 2200, 1, 8, L"Tips:"},
        {Language::English, SearchType::VisualBasic, SearchMode::ReverseSearch, L"Contract", 1200, 2200, 1, 3, L"Tips:"},
        {Language::English, SearchType::C, SearchMode::ReverseSearch, L"Contract", 1200, 2200, 1, 3, L"Tips:"},
    };
    for (const Case& c : cases) {
        for (const bool modeChange : {false, true}) {
            LookupView view;
            view.language = c.language;
            view.type = c.type;
            view.mode = c.mode;
            view.input = L"too long";
            view.searchLeft = 1;  // geometry a change does not set stays
            view.listLeft = 1;
            view.style = {16, true, kResultColour, Alignment::Left};
            view.shortListVisible = true;
            view.outputVisible = false;
            modeChange ? ModeChanged(view) : TypeChanged(view);
            EXPECT_EQ(view.output, Tip(c.language, c.mode, TableFor(c.type)));
            EXPECT_EQ(view.style, (OutputStyle{9, false, kPlainTextColour, Alignment::Centre}));
            EXPECT_EQ(Utf8(view.frameCaption), Utf8(c.frame));
            EXPECT_EQ(Utf8(view.searchCaption), Utf8(c.caption));
            EXPECT_EQ(view.searchWidth, c.width);
            EXPECT_EQ(view.searchLeft, c.searchLeft);
            EXPECT_EQ(view.listLeft, c.listLeft);
            EXPECT_EQ(view.inputMaxLength, c.maxLength);
            EXPECT_TRUE(view.outputVisible && !view.shortListVisible);
            // Only a mode change empties the box; a type change never shortens what is there.
            EXPECT_EQ(Utf8(view.input), modeChange ? "" : "too long");
        }
    }
}

TEST(Tips, LanguageSwitchKeepsTheAlignmentAndSetsTheButtonLast) {
    LookupView view;
    view.language = Language::English;
    view.mode = SearchMode::ReverseSearch;
    view.style = {12, true, kResultColour, Alignment::Left};
    view.fullListVisible = true;
    ShowLanguageSwitchTip(view);
    EXPECT_EQ(view.output, LanguageSwitchTip(Language::English, SearchMode::ReverseSearch, TableKind::Short));
    EXPECT_EQ(view.style, (OutputStyle{9, false, kPlainTextColour, Alignment::Left}));
    EXPECT_EQ(Utf8(view.frameCaption), "Tips:");
    EXPECT_FALSE(view.fullListVisible);

    SetSearchButtonForLanguage(view);
    EXPECT_EQ(Utf8(view.searchCaption), "Contract");
    EXPECT_EQ(view.searchWidth, 1200);
    EXPECT_EQ(view.searchLeft, 2200);
}

TEST(Lists, ListButtonShowsTheListOfTheType) {
    LookupView view;
    view.language = Language::English;
    view.type = SearchType::C;
    ShowList(view);
    EXPECT_TRUE(view.fullListVisible);
    EXPECT_FALSE(view.outputVisible || view.shortListVisible);
    EXPECT_EQ(view.fullListAlignment, Alignment::Left);
    EXPECT_EQ(Utf8(view.frameCaption), Utf8(L"ASCⅡ List："));

    view.language = Language::Chinese;
    view.type = SearchType::Delphi;
    ShowList(view);
    EXPECT_TRUE(view.shortListVisible);
    EXPECT_FALSE(view.outputVisible || view.fullListVisible);
    EXPECT_EQ(Utf8(view.frameCaption), Utf8(L"ASCⅡ表："));
}

TEST(Lists, MenuCommandsSelectTheirTypeBeforeOrAfterShowingTheList) {
    // Visual Basic selects its type after showing the list, so a change of type brings the tips back.
    LookupView view;
    view.type = SearchType::C;
    ShowListVisualBasic(view);
    EXPECT_EQ(view.type, SearchType::VisualBasic);
    EXPECT_TRUE(view.outputVisible);
    EXPECT_FALSE(view.shortListVisible);
    EXPECT_EQ(view.output, Tip(Language::Chinese, SearchMode::Search, TableKind::Short));

    // Delphi and C select first, so the list stays.
    view.type = SearchType::C;
    view.frameCaption = L"kept";
    ShowListDelphi(view);
    EXPECT_EQ(view.type, SearchType::Delphi);
    EXPECT_TRUE(view.shortListVisible);
    EXPECT_FALSE(view.outputVisible);
    EXPECT_EQ(Utf8(view.frameCaption), Utf8(L"提示：")) << "the type change set the tips' caption";

    view.frameCaption = L"kept";
    ShowListC(view);
    EXPECT_EQ(view.type, SearchType::C);
    EXPECT_TRUE(view.fullListVisible);
    EXPECT_FALSE(view.shortListVisible || view.outputVisible);
    ShowListC(view);
    EXPECT_EQ(view.inputMaxLength, 8);
}

TEST(Lists, ShortcutMenuCaptionTellsWhetherTheTypeHadToChange) {
    struct Case {
        SearchType before;
        int item;
        SearchType after;
        const wchar_t* caption;
        bool shortList;
        bool fullList;
    };
    const Case cases[] = {
        {SearchType::Delphi, 1, SearchType::VisualBasic, L"提示：", false, false},  // tips of the new type
        {SearchType::VisualBasic, 1, SearchType::VisualBasic, L"ASCⅡ表：", true, false},
        {SearchType::C, 0, SearchType::VisualBasic, L"ASCⅡ List：", false, false},
        {SearchType::C, 2, SearchType::C, L"ASCⅡ表：", false, true},
        {SearchType::Delphi, 2, SearchType::C, L"ASCⅡ List：", false, true},
    };
    for (const Language language : {Language::Chinese, Language::English}) {
        for (const Case& c : cases) {
            LookupView view;
            view.language = language;
            view.type = c.before;
            ShowListFromShortcutMenu(view, c.item);
            EXPECT_EQ(view.type, c.after);
            if (c.before != SearchType::Delphi || c.item != 1) {
                EXPECT_EQ(Utf8(view.frameCaption), Utf8(c.caption)) << c.item;
            }
            EXPECT_EQ(view.shortListVisible, c.shortList) << c.item;
            EXPECT_EQ(view.fullListVisible, c.fullList) << c.item;
        }
    }
}

}  // namespace
}  // namespace orvell::lookup
