#include "lookup/lookup.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "lookup/messages.h"
#include "lookup/result_texts.h"
#include "lookup_names.h"
#include "memory_text_files.h"
#include "text/folder_text_files.h"
#include "text_lines.h"

namespace orvell::lookup {
namespace {

using namespace names;
using orvell::testing::Utf8;

constexpr OutputStyle kMessage{9, false, kPlainTextColour, Alignment::Centre};

LookupView ViewOf(SearchType type, SearchMode mode, Language language, const wchar_t* input) {
    LookupView view;
    view.type = type;
    view.mode = mode;
    view.language = language;
    view.input = input;
    return view;
}

// With the shipped data files, read from disk as the program reads them. Every lookup starts where a
// table result left the box (left-aligned, bold, a list showing), so each row shows what the lookup
// itself sets: search results are centred again by the out-of-range message shown while the search
// runs, reverse results leave the bold as it was.
TEST(Lookup, EveryLookupShowsItsAnswerOrItsMessage) {
    struct Case {
        SearchType type;
        SearchMode mode;
        Language language;
        const wchar_t* input;
        std::wstring output;
        OutputStyle style;
        const wchar_t* caption;
        const wchar_t* inputAfter;
        bool tableLayout = false;
    };
    constexpr OutputStyle kFound{16, true, kResultColour, Alignment::Centre};
    constexpr OutputStyle kFoundEn{10, true, kResultColour, Alignment::Centre};
    constexpr OutputStyle kByValue{12, true, kResultColour, Alignment::Centre};
    constexpr OutputStyle kAsTable{12, true, kResultColour, Alignment::Left};
    // The full table's out-of-range message, shown while it searches, takes the bold away.
    constexpr OutputStyle kByFullValue{12, false, kResultColour, Alignment::Centre};
    constexpr OutputStyle kAsFullTable{12, false, kResultColour, Alignment::Left};
    constexpr auto kResult = L"查询结果：";
    const std::wstring outOfRange = OutOfRangeMessage(kZh, kReverse, kShort);
    const Case cases[] = {
        {kVB, kSearch, kZh, L"A", SearchResult(kZh, L"A", L"65"), kFound, kResult, L""},
        // English: smaller type; the caption stays the one the out-of-range message set.
        {kDelphi, kSearch, kEn, L"~", SearchResult(kEn, L"~", L"126"), kFoundEn, L"Tips", L""},
        {kC, kSearch, kZh, L"A", SearchResult(kZh, L"A", L"065"), kFound, kResult, L""},
        {kC, kSearch, kZh, L"nothing", OutOfRangeMessage(kZh, kSearch, kFull), kMessage, L"提示：",
         L"nothing"},
        // The short reverse search takes plain numbers from 33 to 126, leading zeros included.
        {kDelphi, kReverse, kZh, L"65", ShortReversePlain(kZh, L"65", L"A"), kByValue, kResult, L""},
        {kDelphi, kReverse, kZh, L"33", ShortReversePlain(kZh, L"33", L"!"), kByValue, kResult, L""},
        {kDelphi, kReverse, kZh, L"097", ShortReversePlain(kZh, L"97", L"a"), kByValue, kResult, L""},
        {kVB, kReverse, kEn, L"126", ShortReversePlain(kEn, L"126", L"~"), kByValue, kResult, L""},
        {kDelphi, kReverse, kZh, L"32", outOfRange, kMessage, L"提示：", L""},
        {kDelphi, kReverse, kZh, L"127", outOfRange, kMessage, L"提示：", L""},
        {kDelphi, kReverse, kZh, L"65a", outOfRange, kMessage, L"提示：", L""},  // in range, but not a number
        // "800×600": reverse results as tables, left-aligned.
        {kDelphi, kReverse, kZh, L"65", ShortReverseTable(kZh, false, L"65", L"A"), kAsTable, kResult, L"",
         true},
        {kC, kReverse, kZh, L"255", *FullReverseTable(kZh, 217, L"255", L"(空格'FF')"), kAsFullTable, kResult,
         L"", true},
        // The full reverse search compares the exact three digits and shows the stored text, blank
        // included; a value it does not hold stays in the box to be corrected.
        {kC, kReverse, kEn, L"65", OutOfRangeMessage(kEn, kReverse, kFull), kMessage, L"Tips", L"65"},
        {kC, kReverse, kEn, L"065", FullReversePlain(kEn, L"065", L" A"), kByFullValue, kResult, L""},
        // Empty input, for each mode and table.
        {kVB, kSearch, kEn, L"", EmptyInputMessage(kEn, kSearch, kShort), kMessage, L"Tips", L""},
        {kVB, kReverse, kZh, L"", EmptyInputMessage(kZh, kReverse, kShort), kMessage, L"提示：", L""},
        {kC, kReverse, kEn, L"", EmptyInputMessage(kEn, kReverse, kFull), kMessage, L"Tips", L""},
    };
    text::FolderTextFiles files(ORVELL_DATA_DIR);
    Lookup lookup(files);
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "row " << &c - cases << ": \"" << Utf8(c.input) << "\"");
        LookupView view = ViewOf(c.type, c.mode, c.language, c.input);
        view.tableLayout = c.tableLayout;
        view.style = {14, true, kPlainTextColour, Alignment::Left};
        view.frameCaption = L"before";
        view.outputVisible = false;
        view.fullListVisible = true;
        lookup.Run(view);
        EXPECT_EQ(Utf8(view.output), Utf8(c.output));
        EXPECT_EQ(view.style, c.style);
        EXPECT_EQ(Utf8(view.frameCaption), Utf8(c.caption));
        EXPECT_EQ(Utf8(view.input), Utf8(c.inputAfter));
        EXPECT_TRUE(view.focusInput);
        EXPECT_TRUE(view.outputVisible && !view.fullListVisible && !view.shortListVisible);
    }
}

// Tables fed from memory, to see what missing, short or odd files do.
TEST(Lookup, DataFilesAreReadAgainForEveryLookupAndMayBeMissingOrShort) {
    orvell::testing::MemoryTextFiles files;
    Lookup lookup(files);
    LookupView view;
    view.input = L"A";
    lookup.Run(view);
    EXPECT_EQ(view.output, OutOfRangeMessage(kZh, kSearch, kShort)) << "no files";
    EXPECT_EQ(Utf8(view.input), "A");

    // An in-range value that the (missing) file does not hold changes nothing.
    view.mode = kReverse;
    view.input = L"65";
    view.output = L"earlier answer";
    view.frameCaption = L"earlier caption";
    lookup.Run(view);
    EXPECT_EQ(Utf8(view.output), "earlier answer");
    EXPECT_EQ(Utf8(view.frameCaption), "earlier caption");
    EXPECT_EQ(Utf8(view.input), "65");

    // Character texts are trimmed; value texts are not, and match by their last two characters.
    auto& characters = files.files[L"Character.txt"];
    auto& values = files.files[L"ASCⅡ.txt"];
    for (int code = 33; code <= 126; ++code) {
        characters.push_back(L"  " + std::wstring(1, static_cast<wchar_t>(code)) + L" ");
        values.push_back((code < 100 ? L"0" : L"") + std::to_wstring(code));
    }
    values[32] = L" 065";  // "A" with a stray blank
    lookup.Run(view);
    EXPECT_EQ(Utf8(view.output), Utf8(L"\r\n\r\nASCⅡ值：65\r\n\r\n对应字符：A"));
    values[32] = L"065 ";
    view.input = L"65";
    view.output.clear();
    lookup.Run(view);
    EXPECT_TRUE(view.output.empty()) << "in range, but no value text ends in 65";

    // Files cut short: entry 93 ("~") keeps what the last read gave, the first line is read anew.
    characters.resize(3);
    characters[0] = L"X";
    values.resize(3);
    view.mode = kSearch;
    view.input = L"~";
    lookup.Run(view);
    EXPECT_EQ(Utf8(view.output), Utf8(L"\r\n\r\n\r\n字符 ~ 对应的ASCⅡ值为：126"));
    EXPECT_EQ(Utf8(lookup.Tables().Characters(kShort)[0]), "X");
}

// Backspace, Enter, Esc and Space in an empty box of a printable-character search answer with their
// codes, in either language; the key still reaches the box, and only Enter empties it first.
TEST(KeyPress, AnswersOnlyForAnEmptyBoxInPrintableCharacterSearch) {
    struct Case {
        SearchType type;
        SearchMode mode;
        const wchar_t* input;
        int key;
        const wchar_t* inputAfter;
        const wchar_t* output;  // nullptr: no answer
    };
    const Case cases[] = {
        {kDelphi, kSearch, L"", 8, L"", L"\r\n\r\n\r\nBackspace键 对应的ASCⅡ值为：8"},
        {kDelphi, kSearch, L"", 13, L"", L"\r\n\r\n\r\n回车(Enter)键 对应的ASCⅡ值为：13"},
        {kDelphi, kSearch, L"", 27, L"", L"\r\n\r\n\r\n退出(Esc)键 对应的ASCⅡ值为：27"},
        {kVB, kSearch, L"", 32, L"", L"\r\n\r\n\r\n空格(Space)键 对应的ASCⅡ值为：32"},
        {kVB, kSearch, L"x", 13, L"", L"\r\n\r\n\r\n回车(Enter)键 对应的ASCⅡ值为：13"},
        {kVB, kSearch, L"", 65, L"", nullptr},
        {kVB, kSearch, L"x", 32, L"x", nullptr},
        {kVB, kReverse, L"", 32, L"", nullptr},
        {kC, kSearch, L"", 32, L"", nullptr},
        {kC, kSearch, L"ab", 13, L"", nullptr},
    };
    for (const Case& c : cases) {
        for (const Language language : {kZh, kEn}) {
            SCOPED_TRACE(::testing::Message() << "key " << c.key << " after \"" << Utf8(c.input) << '"');
            LookupView view = ViewOf(c.type, c.mode, language, c.input);
            view.output = L"before";
            view.style.alignment = Alignment::Left;
            view.shortListVisible = true;
            view.fullListVisible = true;
            KeyPress(view, c.key);
            EXPECT_EQ(Utf8(view.input), Utf8(c.inputAfter));
            EXPECT_EQ(Utf8(view.output), Utf8(c.output ? c.output : L"before"));
            if (c.output) {
                EXPECT_EQ(view.style, (OutputStyle{14, true, kResultColour, Alignment::Centre}));
                EXPECT_EQ(Utf8(view.frameCaption), Utf8(L"查询结果："));
            }
            EXPECT_TRUE(view.outputVisible && !view.shortListVisible);
            EXPECT_FALSE(view.fullListVisible) << "never two boxes at once";
        }
    }
}

TEST(Tips, TypeAndModeChangesSetTipsButtonAndInputLength) {
    struct Case {
        Language language;
        SearchType type;
        SearchMode mode;
        const wchar_t* caption;
        int maxLength;
        const wchar_t* frame;
    };
    const Case cases[] = {
        {kZh, kVB, kSearch, L"查询(&S)", 1, L"提示："},      {kZh, kC, kSearch, L"查询(&S)", 8, L"提示："},
        {kZh, kDelphi, kReverse, L"反查(&S)", 3, L"提示："}, {kEn, kDelphi, kSearch, L"&Search", 1, L"Tips:"},
        {kEn, kVB, kReverse, L"Contract", 3, L"Tips:"},      {kEn, kC, kReverse, L"Contract", 3, L"Tips:"},
    };
    for (const Case& c : cases) {
        for (const bool modeChange : {false, true}) {
            LookupView view = ViewOf(c.type, c.mode, c.language, L"too long");
            view.style = {16, true, kResultColour, Alignment::Left};
            view.shortListVisible = true;
            view.outputVisible = false;
            modeChange ? ModeChanged(view) : TypeChanged(view);
            EXPECT_EQ(view.output, Tip(c.language, c.mode, TableFor(c.type)));
            EXPECT_EQ(view.style, kMessage);
            EXPECT_EQ(Utf8(view.frameCaption), Utf8(c.frame));
            EXPECT_EQ(Utf8(view.searchCaption), Utf8(c.caption));
            EXPECT_EQ(view.inputMaxLength, c.maxLength);
            EXPECT_TRUE(view.outputVisible && !view.shortListVisible);
            // Only a mode change empties the box; a type change never shortens what is there.
            EXPECT_EQ(Utf8(view.input), modeChange ? "" : "too long");
        }
    }
}

// Which box each way of asking for a list leaves showing, and with which frame caption.
TEST(Lists, EachListCommandShowsItsBoxAndCaption) {
    enum class Box { Output, Short, Full };
    struct Case {
        const char* name;
        std::function<void(LookupView&)> command;
        SearchType before;
        Language language;
        SearchType after;
        Box shown;
        const wchar_t* caption;
    };
    const auto shortcutMenu = [](int item) {
        return [item](LookupView& view) { ShowListFromShortcutMenu(view, item); };
    };
    const Case cases[] = {
        {"list button", ShowList, kC, kEn, kC, Box::Full, L"ASCⅡ List："},
        {"list button", ShowList, kDelphi, kZh, kDelphi, Box::Short, L"ASCⅡ表："},
        // Visual Basic selects its type after showing the list, so a change of type brings the tips
        // back; Delphi and C select first, so the list stays. The menus set no caption of their own.
        {"VB menu", ShowListVisualBasic, kC, kZh, kVB, Box::Output, L"提示："},
        {"Delphi menu", ShowListDelphi, kC, kZh, kDelphi, Box::Short, L"提示："},
        {"C menu", ShowListC, kDelphi, kEn, kC, Box::Full, L"Tips:"},
        // The shortcut menu's caption tells whether the type had to change, whatever the language.
        {"shortcut menu, Delphi item", shortcutMenu(1), kVB, kEn, kVB, Box::Short, L"ASCⅡ表："},
        {"shortcut menu, Delphi item", shortcutMenu(1), kDelphi, kZh, kVB, Box::Output, L"提示："},
        {"shortcut menu, VB item", shortcutMenu(0), kC, kEn, kVB, Box::Output, L"ASCⅡ List："},
        {"shortcut menu, C item", shortcutMenu(2), kC, kEn, kC, Box::Full, L"ASCⅡ表："},
        {"shortcut menu, C item", shortcutMenu(2), kDelphi, kZh, kC, Box::Full, L"ASCⅡ List："},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.name << ", row " << &c - cases);
        LookupView view = ViewOf(c.before, kSearch, c.language, L"");
        view.frameCaption = L"kept";
        view.shortListAlignment = Alignment::Left;
        view.fullListAlignment = Alignment::Centre;
        c.command(view);
        EXPECT_EQ(view.type, c.after);
        EXPECT_EQ(view.outputVisible, c.shown == Box::Output);
        EXPECT_EQ(view.shortListVisible, c.shown == Box::Short);
        EXPECT_EQ(view.fullListVisible, c.shown == Box::Full);
        EXPECT_EQ(Utf8(view.frameCaption), Utf8(c.caption));
        if (c.shown == Box::Output) {
            EXPECT_EQ(view.output, Tip(c.language, kSearch, TableFor(c.after)));
        } else {
            EXPECT_EQ(c.shown == Box::Short ? view.shortListAlignment : view.fullListAlignment,
                      c.shown == Box::Short ? Alignment::Centre : Alignment::Left);
        }
    }
}

}  // namespace
}  // namespace orvell::lookup
