#include "cli/cli.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lookup/code_literals.h"
#include "lookup/lookup.h"
#include "lookup/result_texts.h"
#include "lookup/tables.h"
#include "lookup_names.h"
#include "text/folder_text_files.h"
#include "text/utf8.h"
#include "text_lines.h"

namespace orvell::cli {
namespace {

using namespace lookup::names;
using lookup::CodeLiteral;
using orvell::testing::Utf8;
using F = CodeFormat;

TEST(CodeLiterals, EachFormatWritesTheCodeOrNothing) {
    struct Case {
        int code;
        CodeFormat format;
        const wchar_t* literal;  // nullptr: no literal
    };
    const Case cases[] = {
        {65, F::CEscape, L"'\\x41'"},
        {65, F::CCharacter, L"'A'"},
        {39, F::CCharacter, L"'\\''"},
        {92, F::CCharacter, L"'\\\\'"},
        {32, F::CCharacter, L"' '"},
        {27, F::CCharacter, nullptr},
        {65, F::CSharpJava, L"'\\u0041'"},
        {65, F::VisualBasic, L"Chr(65)"},
        {65, F::Delphi, L"#65"},
        {65, F::Html, L"&#65;"},
        {65, F::Json, L"\"\\u0041\""},
        {27, F::Hex, L"0x1B"},
        // Above 127 the byte forms write the code, the Unicode forms the table's character (ü, NBSP).
        {129, F::CEscape, L"'\\x81'"},
        {129, F::CSharpJava, L"'\\u00FC'"},
        {129, F::Html, L"&#252;"},
        {255, F::Json, L"\"\\u00A0\""},
        {156, F::VisualBasic, L"Chr(156)"},
        {200, F::CCharacter, nullptr},
        {256, F::Hex, nullptr},
        {-1, F::Delphi, nullptr},
    };
    for (const Case& c : cases) {
        const auto literal = CodeLiteral(c.format, c.code);
        EXPECT_EQ(literal.has_value(), c.literal != nullptr) << c.code;
        if (literal && c.literal) {
            EXPECT_EQ(Utf8(*literal), Utf8(c.literal)) << c.code;
        }
    }
}

TEST(CodeLiterals, NumberLineNamesControlCodes) {
    EXPECT_EQ(Utf8(NumberLine(kEn, 0)),
              "decimal 0, hex 0x00, octal 0000, binary 00000000, control code NUL ^@");
    EXPECT_EQ(Utf8(NumberLine(kEn, 27)),
              "decimal 27, hex 0x1B, octal 0033, binary 00011011, control code ESC ^[");
    EXPECT_EQ(Utf8(NumberLine(kEn, 127)),
              "decimal 127, hex 0x7F, octal 0177, binary 01111111, control code DEL ^?");
    EXPECT_EQ(Utf8(NumberLine(kZh, 255)), Utf8(L"十进制 255，十六进制 0xFF，八进制 0377，二进制 11111111"));
}

TEST(Cli, ArgumentsAndEnvironment) {
    struct Case {
        std::vector<std::wstring> arguments;
        const char* problem;  // nullptr: parsed
    };
    const Case cases[] = {
        {{L"--type=c", L"--lang", L"en", L"--as", L"html", L"--", L"--json"}, nullptr},
        {{L"-", L"-x"}, nullptr},  // characters, not options
        {{L"--table"}, nullptr},   // the short table
        {{}, "nothing to look up"},
        {{L"--type", L"pascal", L"A"}, "unknown value pascal for --type"},
        {{L"A", L"--as"}, "--as needs a value"},
        {{L"--verbose", L"A"}, "unknown option --verbose"},
        {{L"--json", L"--list"}, "--json answers lookups only"},
    };
    for (const Case& c : cases) {
        const Parsed parsed = ParseArguments(c.arguments, kEn);
        EXPECT_EQ(parsed.options.has_value(), c.problem == nullptr) << Utf8(parsed.error);
        if (c.problem) {
            EXPECT_NE(Utf8(parsed.error).find(c.problem), std::string::npos) << Utf8(parsed.error);
        }
    }
    const Options options = *ParseArguments(cases[0].arguments, kZh).options;
    EXPECT_TRUE(options.type == kC && options.language == kEn && options.as == F::Html && !options.json);
    EXPECT_EQ(options.inputs, std::vector<std::wstring>{L"--json"});
    // Chinese wording of a problem follows --lang wherever it stands.
    EXPECT_NE(ParseArguments({{L"--bad", L"--lang", L"zh"}}, kEn).error.find(L"未知选项"),
              std::wstring::npos);

    EXPECT_EQ(LanguageFromEnvironment(nullptr, nullptr, nullptr), kZh);
    EXPECT_EQ(LanguageFromEnvironment("", "", "zh_TW.UTF-8"), kZh);
    EXPECT_EQ(LanguageFromEnvironment("C", nullptr, "zh_CN.UTF-8"), kEn);
    EXPECT_EQ(LanguageFromEnvironment(nullptr, "de_DE", "zh_CN"), kEn);
}

// Every entry of every table, by character and by value, in both languages, the three types and both
// layouts: orvell-cli's answers, all in one run, are the window's output box, entry by entry.
TEST(Cli, AnswersAsTheWindowOverTheWholeTable) {
    text::FolderTextFiles files(ORVELL_DATA_DIR);
    lookup::Lookup window(files);
    const std::pair<lookup::SearchType, const wchar_t*> types[] = {
        {kVB, L"vb"}, {kDelphi, L"delphi"}, {kC, L"c"}};
    for (const auto language : {kZh, kEn}) {
        for (const auto& typeAndName : types) {
            const lookup::SearchType type = typeAndName.first;  // a plain name: lambdas capture it
            const wchar_t* typeName = typeAndName.second;
            for (const bool table : {false, true}) {
                std::vector<std::wstring> arguments = {L"--type", typeName, L"--lang",
                                                       language == kZh ? L"zh" : L"en"};
                if (table) {
                    arguments.emplace_back(L"--table");
                }
                std::wstring expected;
                const auto answer = [&](lookup::SearchMode mode, std::wstring input, int key) {
                    lookup::LookupView view;
                    view.type = type;
                    view.mode = mode;
                    view.language = language;
                    view.tableLayout = table;
                    key == 0 ? (view.input = input, window.Run(view)) : lookup::KeyPress(view, key);
                    ASSERT_TRUE(view.answerCode) << Utf8(input);
                    expected += (expected.empty() ? L"" : L"\n") + AsLines(view.output) + L"\n" +
                                NumberLine(language, *view.answerCode) + L"\n";
                    arguments.push_back(std::move(input));
                };
                const auto kind = lookup::TableFor(type);
                lookup::LookupTables tables(files);
                tables.ReloadCharacters(kind);
                tables.ReloadValues(kind);
                for (std::size_t i = 0; i < tables.Values(kind).size(); ++i) {
                    answer(kSearch, std::wstring(text::TrimBlanks(tables.Characters(kind)[i])), 0);
                    const std::wstring& value = tables.Values(kind)[i];
                    answer(kReverse, kind == kShort ? std::to_wstring(lookup::NumericValue(value)) : value,
                           0);
                }
                if (kind == kShort) {
                    answer(kSearch, L"Enter", 13);
                    answer(kSearch, L" ", 32);
                }
                const Outcome outcome = cli::Run(arguments, kZh, files, L"", L"1.0");
                EXPECT_EQ(outcome.exitCode, exit_code::kFound) << Utf8(outcome.err);
                EXPECT_TRUE(outcome.out == expected) << "type " << Utf8(typeName) << ", table " << table;
            }
        }
    }
}

}  // namespace
}  // namespace orvell::cli
