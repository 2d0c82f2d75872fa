#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lookup/code_literals.h"
#include "lookup/types.h"
#include "text/text_files.h"

// orvell-cli: the window's lookup on the command line. Everything but finding the files, reading the
// arguments and writing the output lives here, so the answers are the window's own.
namespace orvell::cli {

using lookup::CodeFormat;
using lookup::Language;
using lookup::SearchType;

namespace exit_code {
inline constexpr int kFound = 0;     // every input found (or a list, help, version)
inline constexpr int kNotFound = 1;  // some input not found: the window's message on stderr
inline constexpr int kUsage = 2;     // the arguments make no sense: nothing looked up
}  // namespace exit_code

struct Options {
    SearchType type = SearchType::VisualBasic;
    Language language = Language::Chinese;
    bool table = false;  // reverse answers as tables, as the window's "800×600"; alone, the short table
    bool full = false;
    bool list = false;
    bool json = false;
    bool help = false;
    bool version = false;
    // --as: each answer's code as a literal. "c" is CCharacter: the readable form where the code is
    // printable, the '\x' escape where not.
    std::optional<CodeFormat> as;
    std::vector<std::wstring> inputs;
};

// The options, or what is wrong with the arguments (in the language asked for, else the default).
struct Parsed {
    std::optional<Options> options;
    std::wstring error;
};
Parsed ParseArguments(std::span<const std::wstring> arguments, Language defaultLanguage);

// The language of the environment: the first of LC_ALL, LC_MESSAGES and LANG that is set and not empty
// decides, "zh..." Chinese and anything else English; none set, Chinese, as the window starts.
Language LanguageFromEnvironment(const char* lcAll, const char* lcMessages, const char* lang);

// The line after each answer: the code in decimal, hex, octal and binary, and a control code's name
// and caret form.
std::wstring NumberLine(Language language, int code);

// The window's text for the output box as terminal lines: without the empty lines that only place it
// in the box, lines ended by "\n".
std::wstring AsLines(std::wstring_view windowText);

struct Outcome {
    int exitCode = exit_code::kFound;
    std::wstring out;  // lines ended by "\n"
    std::wstring err;
};

// Parses and answers. files reads the data and language files from dataFolder, which ends in its
// separator and names them in messages; a file missing or short is said on stderr, and the lookup
// goes on as the window's does without it.
Outcome Run(std::span<const std::wstring> arguments, Language defaultLanguage, text::TextFiles& files,
            std::wstring_view dataFolder, std::wstring_view version);

}  // namespace orvell::cli
