#include "cli/cli.h"

#include <algorithm>
#include <array>
#include <utility>

#include "app/language.h"
#include "lookup/ascii_lists.h"
#include "lookup/lookup.h"
#include "lookup/messages.h"
#include "lookup/tables.h"
#include "text/utf8.h"

namespace orvell::cli {

namespace {

using lookup::LookupView;
using lookup::SearchMode;

bool Chinese(Language language) {
    return language == Language::Chinese;
}

template <typename Value>
struct Named {
    std::wstring_view name;
    Value value;
};

constexpr Named<SearchType> kTypes[] = {
    {L"vb", SearchType::VisualBasic}, {L"delphi", SearchType::Delphi}, {L"c", SearchType::C}};
constexpr Named<Language> kLanguages[] = {{L"zh", Language::Chinese}, {L"en", Language::English}};
constexpr Named<CodeFormat> kFormats[] = {{L"c", CodeFormat::CCharacter},  {L"vb", CodeFormat::VisualBasic},
                                          {L"delphi", CodeFormat::Delphi}, {L"html", CodeFormat::Html},
                                          {L"json", CodeFormat::Json},     {L"hex", CodeFormat::Hex}};

template <typename Value, std::size_t N>
std::optional<Value> Find(const Named<Value> (&names)[N], std::wstring_view name) {
    for (const auto& named : names) {
        if (named.name == name) {
            return named.value;
        }
    }
    return std::nullopt;
}

// The keys the window names when pressed in an empty input box; a blank is the space bar.
struct KeyWord {
    std::wstring_view word;
    int code;
};
constexpr KeyWord kKeyWords[] = {{L"backspace", 8}, {L"enter", 13}, {L"esc", 27}, {L"space", 32}, {L" ", 32}};

std::optional<int> KeyCode(std::wstring_view input) {
    for (const KeyWord& key : kKeyWords) {
        if (std::equal(input.begin(), input.end(), key.word.begin(), key.word.end(),
                       [](wchar_t a, wchar_t b) { return (a >= L'A' && a <= L'Z' ? a + 32 : a) == b; })) {
            return key.code;
        }
    }
    return std::nullopt;
}

// A value has two or three digits in the window; one digit is the character ("1" is code 49).
bool IsValue(std::wstring_view input) {
    return input.size() >= 2 &&
           std::all_of(input.begin(), input.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

std::wstring Binary(int code) {
    std::wstring digits(8, L'0');
    for (int bit = 0; bit < 8; ++bit) {
        if ((code >> bit) & 1) {
            digits[static_cast<std::size_t>(7 - bit)] = L'1';
        }
    }
    return digits;
}

std::wstring Octal(int code) {
    return {L'0', static_cast<wchar_t>(L'0' + (code >> 6)), static_cast<wchar_t>(L'0' + ((code >> 3) & 7)),
            static_cast<wchar_t>(L'0' + (code & 7))};
}

std::wstring JsonString(std::wstring_view text) {
    std::wstring json = L"\"";
    for (const wchar_t c : text) {
        if (c == L'"' || c == L'\\') {
            json += L'\\';
            json += c;
        } else if (c == L'\n') {
            json += L"\\n";
        } else if (c < 0x20) {
            const std::wstring escape = *lookup::CodeLiteral(CodeFormat::Json, c);
            json += escape.substr(1, escape.size() - 2);
        } else {
            json += c;
        }
    }
    return json + L"\"";
}

std::wstring JsonField(std::wstring_view name, std::wstring_view jsonValue) {
    return L",\"" + std::wstring(name) + L"\":" + std::wstring(jsonValue);
}

// Reads through to the program's files and notes each file that could not give the lines wanted.
class NotingTextFiles final : public text::TextFiles {
public:
    explicit NotingTextFiles(text::TextFiles& files) : m_files(files) {}

    using text::TextFiles::ReadLines;
    std::size_t ReadLines(std::wstring_view fileName, std::span<std::wstring> lines,
                          text::LinesMemo* memo) override {
        const std::size_t count = m_files.ReadLines(fileName, lines, memo);
        if (count < lines.size() && std::none_of(m_short.begin(), m_short.end(),
                                                 [&](const auto& note) { return note.first == fileName; })) {
            m_short.emplace_back(std::wstring(fileName), std::pair(count, lines.size()));
        }
        return count;
    }

    std::wstring Notes(Language language, std::wstring_view folder) const {
        std::wstring notes;
        for (const auto& [name, counts] : m_short) {
            const std::wstring path = std::wstring(folder) + name;
            const std::wstring read = std::to_wstring(counts.first);
            const std::wstring wanted = std::to_wstring(counts.second);
            notes += Chinese(language) ? L"orvell-cli：" + path + L" 缺失或不完整（读到 " + read +
                                             L" 行，需要 " + wanted + L" 行）\n"
                                       : L"orvell-cli: " + path + L" is missing or short (" + read + L" of " +
                                             wanted + L" lines read)\n";
        }
        return notes;
    }

private:
    text::TextFiles& m_files;
    std::vector<std::pair<std::wstring, std::pair<std::size_t, std::size_t>>> m_short;
};

std::wstring UsageText(Language language, std::wstring_view problem) {
    return Chinese(language)
               ? L"orvell-cli：" + std::wstring(problem) + L"\n请用 orvell-cli --help 查看用法。\n"
               : L"orvell-cli: " + std::wstring(problem) + L"\nTry orvell-cli --help.\n";
}

// A caption of the window's language file, as the window would show it: the design caption where the
// file gives none.
std::wstring Caption(const app::LanguageLines& lines, int line, std::wstring_view design) {
    const auto& text = lines.Line(line);
    return text ? *text : std::wstring(design);
}

std::wstring Padded(std::wstring text, int columns) {
    text.append(static_cast<std::size_t>(std::max(1, columns - text::DisplayColumns(text))), L' ');
    return text;
}

std::wstring HelpText(Language language, text::TextFiles& files) {
    namespace line = app::language_line;
    app::LanguageLines lines;
    lines.Load(files, language);
    const std::wstring title = Caption(lines, line::kWindowTitle, L"Orvell");
    const std::wstring character = Padded(Caption(lines, line::kCharacterOption, L"字符"), 14);
    const std::wstring value = Padded(Caption(lines, line::kValueOption, L"ASCⅡ值"), 14);
    if (Chinese(language)) {
        return title +
               L"\n用法：orvell-cli [选项] 输入...\n\n"
               L"每个输入按顺序像在窗口中一样查询：\n  " +
               character +
               L"一个字符（\"A\"、\" \"）；--type c 时也可以是表中最多 8 个字符的名称（\"(空)\"）；\n" +
               std::wstring(16, L' ') + L"Enter、Esc、Backspace、Space 表示这几个键\n  " + value +
               L"两到三位数字：65；--type c 时为三位数字：065\n\n"
               L"选项：\n"
               L"  --type vb|delphi|c  查询类型，同窗口（默认 vb）\n"
               L"  --lang zh|en        回答的语言（默认取自系统区域设置）\n"
               L"  --table             反查结果画成表格；单独使用时把可打印字符画成一张表\n"
               L"  --list              可打印字符的 ASCⅡ表\n"
               L"  --full              完整的 000-255 ASCⅡ表\n"
               L"  --json              每个回答一行 JSON 对象\n"
               L"  --as 格式           每个回答的代码写成字面量：c、vb、delphi、html、json 或 hex\n"
               L"  --help              本说明\n"
               L"  --version           版本\n\n"
               L"退出码：0 全部找到，1 有输入没找到，2 用法错误。\n";
    }
    return title +
           L"\nUsage: orvell-cli [options] input...\n\n"
           L"Each input is looked up in turn, as in the window:\n  " +
           character + L"one character (\"A\", \" \"); with --type c also a name of up to 8 characters\n" +
           std::wstring(16, L' ') +
           L"from the table (\"(空)\"); Enter, Esc, Backspace and Space name their keys\n  " + value +
           L"two or three digits: 65; with --type c three digits: 065\n\n"
           L"Options:\n"
           L"  --type vb|delphi|c  search type, as in the window (default vb)\n"
           L"  --lang zh|en        language of the answers (default from the locale)\n"
           L"  --table             reverse answers drawn as tables; alone, the printable codes as one table\n"
           L"  --list              the ASCII list of the printable codes\n"
           L"  --full              the full ASCII list, 000 to 255\n"
           L"  --json              one JSON object per answer, one a line\n"
           L"  --as FORMAT         each answer's code as a literal: c, vb, delphi, html, json or hex\n"
           L"  --help              this text\n"
           L"  --version           the version\n\n"
           L"Exit status: 0 every input found, 1 an input not found, 2 a usage error.\n";
}

// One lookup as the window makes it: a key name for the keys the window names, else the search
// button with the input typed in.
LookupView Answer(lookup::Lookup& lookup, const Options& options, const std::wstring& input) {
    LookupView view;
    view.type = options.type;
    view.language = options.language;
    view.tableLayout = options.table;
    view.mode = IsValue(input) ? SearchMode::ReverseSearch : SearchMode::Search;
    if (const auto key = KeyCode(input); key && view.mode == SearchMode::Search) {
        lookup::KeyPress(view, *key);
        if (view.answerCode) {
            return view;
        }
    }
    view.input = input;
    lookup.Run(view);
    return view;
}

// The printable codes as one table, each row the window's table answer for its code.
std::optional<std::wstring> ShortTable(lookup::Lookup& lookup, const Options& options) {
    Options asTable = options;
    asTable.type = SearchType::VisualBasic;
    asTable.table = true;
    std::wstring head;
    std::wstring rows;
    std::wstring bottom;
    for (int code = 33; code <= 126; ++code) {
        const LookupView view = Answer(lookup, asTable, std::to_wstring(code));
        if (!view.answerCode) {
            continue;
        }
        const std::wstring lines = AsLines(view.output);
        // The answer's lines: top, titles, separator, the row, bottom.
        const std::size_t rowStart = lines.find(L'\n', lines.find(L'\n', lines.find(L'\n') + 1) + 1) + 1;
        const std::size_t rowEnd = lines.find(L'\n', rowStart) + 1;
        head = lines.substr(0, rowStart);
        rows += lines.substr(rowStart, rowEnd - rowStart);
        bottom = lines.substr(rowEnd);
    }
    if (rows.empty()) {
        return std::nullopt;
    }
    return head + rows + bottom + L"\n";
}

}  // namespace

Language LanguageFromEnvironment(const char* lcAll, const char* lcMessages, const char* lang) {
    for (const char* locale : {lcAll, lcMessages, lang}) {
        if (locale != nullptr && *locale != '\0') {
            const std::string_view name(locale);
            return name.starts_with("zh") ? Language::Chinese : Language::English;
        }
    }
    return Language::Chinese;
}

std::wstring NumberLine(Language language, int code) {
    const std::wstring decimal = std::to_wstring(code);
    const std::wstring hex = *lookup::CodeLiteral(CodeFormat::Hex, code);
    const std::wstring_view control = lookup::ControlCodeName(code);
    std::wstring line = Chinese(language) ? L"十进制 " + decimal + L"，十六进制 " + hex + L"，八进制 " +
                                                Octal(code) + L"，二进制 " + Binary(code)
                                          : L"decimal " + decimal + L", hex " + hex + L", octal " +
                                                Octal(code) + L", binary " + Binary(code);
    if (!control.empty()) {
        line += (Chinese(language) ? L"，控制符 " : L", control code ") + std::wstring(control) + L" " +
                lookup::CaretForm(code);
    }
    return line;
}

std::wstring AsLines(std::wstring_view windowText) {
    while (windowText.starts_with(L"\r\n")) {
        windowText.remove_prefix(2);
    }
    std::wstring lines;
    lines.reserve(windowText.size());
    for (std::size_t i = 0; i < windowText.size(); ++i) {
        if (windowText[i] == L'\r' && i + 1 < windowText.size() && windowText[i + 1] == L'\n') {
            continue;
        }
        lines += windowText[i];
    }
    return lines;
}

Parsed ParseArguments(std::span<const std::wstring> arguments, Language defaultLanguage) {
    Options options;
    options.language = defaultLanguage;
    // The first problem, in both languages: a later --lang still chooses.
    std::optional<std::pair<std::wstring, std::wstring>> problem;
    const auto fail = [&](std::wstring chinese, std::wstring english) {
        if (!problem) {
            problem.emplace(std::move(chinese), std::move(english));
        }
    };
    bool inputsOnly = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::wstring_view argument = arguments[i];
        if (inputsOnly || !argument.starts_with(L"-") || argument == L"-") {
            options.inputs.emplace_back(argument);
            continue;
        }
        if (argument == L"--") {
            inputsOnly = true;
            continue;
        }
        std::optional<std::wstring_view> attached;
        if (const std::size_t equals = argument.find(L'='); equals != std::wstring_view::npos) {
            attached = argument.substr(equals + 1);
            argument = argument.substr(0, equals);
        }
        bool* flag = argument == L"--table"                       ? &options.table
                     : argument == L"--full"                      ? &options.full
                     : argument == L"--list"                      ? &options.list
                     : argument == L"--json"                      ? &options.json
                     : argument == L"--help" || argument == L"-h" ? &options.help
                     : argument == L"--version"                   ? &options.version
                                                                  : nullptr;
        if (flag != nullptr && !attached) {
            *flag = true;
            continue;
        }
        const bool takesValue = argument == L"--type" || argument == L"--lang" || argument == L"--as";
        if (!takesValue) {
            if (argument.starts_with(L"--")) {
                fail(L"未知选项 " + std::wstring(arguments[i]),
                     L"unknown option " + std::wstring(arguments[i]));
            } else {
                options.inputs.emplace_back(arguments[i]);  // "-x" is something to look up
            }
            continue;
        }
        if (!attached && i + 1 >= arguments.size()) {
            fail(std::wstring(argument) + L" 缺少值", std::wstring(argument) + L" needs a value");
            continue;
        }
        const std::wstring_view value = attached ? *attached : std::wstring_view(arguments[++i]);
        bool known = true;
        if (argument == L"--type") {
            const auto type = Find(kTypes, value);
            known = type.has_value();
            options.type = type.value_or(options.type);
        } else if (argument == L"--lang") {
            const auto language = Find(kLanguages, value);
            known = language.has_value();
            options.language = language.value_or(options.language);
        } else {
            options.as = Find(kFormats, value);
            known = options.as.has_value();
        }
        if (!known) {
            fail(std::wstring(argument) + L" 不认识值 " + std::wstring(value),
                 L"unknown value " + std::wstring(value) + L" for " + std::wstring(argument));
        }
    }
    const bool listAsked = options.list || options.full || (options.table && options.inputs.empty());
    if (options.json && listAsked) {
        fail(L"--json 只用于查询，不用于列表", L"--json answers lookups only, not lists");
    }
    if (!options.help && !options.version && !listAsked && options.inputs.empty()) {
        fail(L"没有要查询的内容", L"nothing to look up");
    }
    if (problem) {
        return {std::nullopt,
                UsageText(options.language, Chinese(options.language) ? problem->first : problem->second)};
    }
    return {std::move(options), {}};
}

Outcome Run(std::span<const std::wstring> arguments, Language defaultLanguage, text::TextFiles& files,
            std::wstring_view dataFolder, std::wstring_view version) {
    Parsed parsed = ParseArguments(arguments, defaultLanguage);
    if (!parsed.options) {
        return {exit_code::kUsage, {}, std::move(parsed.error)};
    }
    const Options& options = *parsed.options;
    NotingTextFiles noting(files);
    Outcome outcome;
    if (options.help || options.version) {
        outcome.out = options.help ? HelpText(options.language, noting)
                                   : L"orvell-cli " + std::wstring(version) + L"\n";
        outcome.err = noting.Notes(options.language, dataFolder);
        return outcome;
    }
    const auto add = [&](const std::wstring& block) {
        if (!outcome.out.empty() && !options.json && !options.as) {
            outcome.out += L'\n';  // answers of several lines apart
        }
        outcome.out += block;
    };
    if (options.list) {
        add(AsLines(lookup::ShortAsciiList()) + L"\n");
    }
    if (options.full) {
        add(AsLines(lookup::FullAsciiList()) + L"\n");
    }
    lookup::Lookup lookup(noting);
    if (options.table && options.inputs.empty()) {
        if (auto table = ShortTable(lookup, options)) {
            add(*table);
        } else {
            outcome.exitCode = exit_code::kNotFound;
        }
    }
    for (const std::wstring& input : options.inputs) {
        const LookupView view = Answer(lookup, options, input);
        if (!view.answerCode) {
            // The window's message; a reverse search that the data files cannot answer shows none.
            const std::wstring message =
                AsLines(!view.output.empty() ? view.output
                                             : lookup::OutOfRangeMessage(options.language, view.mode,
                                                                         lookup::TableKind::Short));
            outcome.err += message + L"\n";
            outcome.exitCode = exit_code::kNotFound;
            if (options.json) {
                add(L"{\"input\":" + JsonString(input) + L",\"found\":false" +
                    JsonField(L"message", JsonString(message)) + L"}\n");
            }
            continue;
        }
        const int code = *view.answerCode;
        std::optional<std::wstring> literal;
        if (options.as) {
            literal = lookup::CodeLiteral(*options.as, code);
            if (!literal && *options.as == CodeFormat::CCharacter) {
                literal = lookup::CodeLiteral(CodeFormat::CEscape, code);
            }
        }
        if (options.json) {
            const std::wstring_view control = lookup::ControlCodeName(code);
            std::wstring object =
                L"{\"input\":" + JsonString(input) + L",\"found\":true" +
                JsonField(L"code", std::to_wstring(code)) +
                JsonField(L"hex", JsonString(*lookup::CodeLiteral(CodeFormat::Hex, code))) +
                JsonField(L"octal", JsonString(Octal(code))) +
                JsonField(L"binary", JsonString(Binary(code))) +
                JsonField(L"control", control.empty() ? L"null" : JsonString(control)) +
                JsonField(L"caret", control.empty() ? L"null" : JsonString(lookup::CaretForm(code))) +
                JsonField(L"answer", JsonString(AsLines(view.output)));
            if (literal) {
                object += JsonField(L"literal", JsonString(*literal));
            }
            add(object + L"}\n");
        } else if (options.as) {
            add(literal.value_or(L"") + L"\n");
        } else {
            add(AsLines(view.output) + L"\n" + NumberLine(options.language, code) + L"\n");
        }
    }
    outcome.err += noting.Notes(options.language, dataFolder);
    return outcome;
}

}  // namespace orvell::cli
