#include "lookup/lookup.h"

#include <algorithm>
#include <string>

#include "lookup/messages.h"
#include "lookup/result_texts.h"
#include "text/utf8.h"

namespace orvell::lookup {

namespace {

constexpr const wchar_t* kResultCaption = L"查询结果：";

bool Chinese(const LookupView& view) {
    return view.language == Language::Chinese;
}

void ShowOutputBox(LookupView& view) {
    view.outputVisible = true;
    view.shortListVisible = false;
    view.fullListVisible = false;
}

void SetPlainStyle(LookupView& view) {
    view.style.fontSize = 9;
    view.style.bold = false;
    view.style.colour = kPlainTextColour;
}

void ShowMessage(LookupView& view, std::wstring text) {
    SetPlainStyle(view);
    view.style.alignment = Alignment::Centre;
    view.output = std::move(text);
    view.answerCode.reset();
    view.frameCaption = Chinese(view) ? L"提示：" : L"Tips";
}

void ShowEmptyInputMessage(LookupView& view, TableKind table) {
    ShowMessage(view, EmptyInputMessage(view.language, view.mode, table));
}

void ShowOutOfRangeMessage(LookupView& view, TableKind table) {
    ShowMessage(view, OutOfRangeMessage(view.language, view.mode, table));
}

void SetReverseResultStyle(LookupView& view) {
    view.style.fontSize = 12;
    view.style.colour = kResultColour;
    view.style.alignment = view.tableLayout ? Alignment::Left : Alignment::Centre;
}

// Every answer names a code, when the files give one that a code can be.
void FinishResult(LookupView& view, std::optional<long long> code) {
    view.answerCode.reset();
    if (code && *code >= 0 && *code <= 255) {
        view.answerCode = static_cast<int>(*code);
    }
    view.input.clear();
    view.focusInput = true;
}

int MaxInputLength(SearchType type, SearchMode mode) {
    if (mode == SearchMode::ReverseSearch) {
        return 3;
    }
    return TableFor(type) == TableKind::Full ? 8 : 1;
}

bool AllDigits(std::wstring_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](wchar_t ch) { return ch >= L'0' && ch <= L'9'; });
}

// The code a value line names: its digits, when it holds nothing else. A missing or edited file may
// leave the line empty or put text there, and then the answer names no code (copy-as stays greyed).
std::optional<long long> ValueCode(std::wstring_view value) {
    const std::wstring_view digits = text::TrimBlanks(value);
    if (!AllDigits(digits)) {
        return std::nullopt;
    }
    return NumericValue(digits);
}

struct KeyName {
    int code;
    const wchar_t* name;
    const wchar_t* codeText;
};

constexpr KeyName kKeyNames[] = {
    {8, L"Backspace键 ", L"8"},
    {13, L"回车(Enter)键 ", L"13"},
    {27, L"退出(Esc)键 ", L"27"},
    {32, L"空格(Space)键 ", L"32"},
};

void ShowTips(LookupView& view) {
    ShowOutputBox(view);
    SetPlainStyle(view);
    view.style.alignment = Alignment::Centre;
    view.frameCaption = Chinese(view) ? L"提示：" : L"Tips:";
    SetSearchButtonForLanguage(view);
    view.inputMaxLength = MaxInputLength(view.type, view.mode);
    view.output = Tip(view.language, view.mode, TableFor(view.type));
    view.answerCode.reset();
    view.focusInput = true;
}

void ShowShortList(LookupView& view) {
    view.shortListAlignment = Alignment::Centre;
    view.shortListVisible = true;
    view.fullListVisible = false;
    view.outputVisible = false;
}

void ShowFullList(LookupView& view) {
    view.fullListAlignment = Alignment::Left;
    view.fullListVisible = true;
    view.shortListVisible = false;
    view.outputVisible = false;
}

}  // namespace

void Lookup::Run(LookupView& view) {
    view.focusInput = true;
    ShowOutputBox(view);
    const TableKind table = TableFor(view.type);
    if (view.mode == SearchMode::Search) {
        Search(view, table);
    } else if (table == TableKind::Short) {
        ReverseSearchShort(view);
    } else {
        ReverseSearchFull(view);
    }
}

void Lookup::Search(LookupView& view, TableKind table) {
    if (view.input.empty()) {
        ShowEmptyInputMessage(view, table);
        return;
    }
    // Stays when no entry matches.
    ShowOutOfRangeMessage(view, table);

    m_tables.ReloadCharacters(table);
    const auto characters = m_tables.Characters(table);
    const auto match = std::find_if(characters.begin(), characters.end(), [&](const std::wstring& character) {
        return text::TrimBlanks(character) == view.input;
    });
    if (match == characters.end()) {
        return;
    }
    const auto index = static_cast<std::size_t>(match - characters.begin());
    m_tables.ReloadValues(table);
    const std::wstring& value = m_tables.Values(table)[index];

    view.style.fontSize = 16;
    view.style.bold = true;
    view.style.colour = kResultColour;
    if (Chinese(view)) {
        view.frameCaption = kResultCaption;
    } else {
        view.style.fontSize = 10;
    }
    const std::wstring_view shownValue =
        table == TableKind::Short ? ShortDisplayValue(value) : text::TrimBlanks(value);
    view.output = SearchResult(view.language, text::TrimBlanks(*match), shownValue);
    FinishResult(view, ValueCode(value));
}

void Lookup::ReverseSearchShort(LookupView& view) {
    if (view.input.empty()) {
        ShowEmptyInputMessage(view, TableKind::Short);
        return;
    }
    // Only plain decimal numbers are values; leading zeros are allowed ("097" is 97).
    const long long number = NumericValue(view.input);
    if (!AllDigits(view.input) || number < 33 || number > 126) {
        ShowOutOfRangeMessage(view, TableKind::Short);
        view.input.clear();
        return;
    }
    // The value file writes every code with three digits; values below 100 are matched, and shown,
    // by their last two.
    const std::wstring wanted = std::to_wstring(number);
    m_tables.ReloadValues(TableKind::Short);
    const auto values = m_tables.Values(TableKind::Short);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::wstring& value = values[i];
        const bool threeDigits = value == wanted && NumericValue(value) >= 100;
        const bool twoDigits =
            !threeDigits && value.size() >= 2 && std::wstring_view(value).substr(value.size() - 2) == wanted;
        if (!threeDigits && !twoDigits) {
            continue;
        }
        m_tables.ReloadCharacters(TableKind::Short);
        const std::wstring_view character = text::TrimBlanks(m_tables.Characters(TableKind::Short)[i]);
        const std::wstring_view shownValue =
            threeDigits ? std::wstring_view(value) : std::wstring_view(value).substr(value.size() - 2);
        SetReverseResultStyle(view);
        view.output = view.tableLayout ? ShortReverseTable(view.language, threeDigits, shownValue, character)
                                       : ShortReversePlain(view.language, shownValue, character);
        FinishResult(view, number);
        view.frameCaption = kResultCaption;
        return;
    }
    // In range but not in the file (a missing or damaged value file): nothing changes.
}

void Lookup::ReverseSearchFull(LookupView& view) {
    if (view.input.empty()) {
        ShowEmptyInputMessage(view, TableKind::Full);
        return;
    }
    // Stays when no entry matches. The full table compares the exact text: "65" is not "065".
    ShowOutOfRangeMessage(view, TableKind::Full);

    m_tables.ReloadValues(TableKind::Full);
    const auto values = m_tables.Values(TableKind::Full);
    const auto match = std::find(values.begin(), values.end(), view.input);
    if (match == values.end()) {
        return;
    }
    const auto index = static_cast<int>(match - values.begin());
    m_tables.ReloadCharacters(TableKind::Full);
    const std::wstring& character = m_tables.Characters(TableKind::Full)[static_cast<std::size_t>(index)];
    SetReverseResultStyle(view);
    if (view.tableLayout) {
        if (auto table = FullReverseTable(view.language, index, *match, character)) {
            view.output = std::move(*table);
        }
    } else {
        view.output = FullReversePlain(view.language, *match, character);
    }
    FinishResult(view, ValueCode(*match));
    view.frameCaption = kResultCaption;
}

void KeyPress(LookupView& view, int characterCode) {
    if (characterCode == 13) {
        view.input.clear();
    }
    // The full list is hidden too, so two boxes are never showing at once.
    ShowOutputBox(view);
    if (!view.input.empty() || TableFor(view.type) != TableKind::Short || view.mode != SearchMode::Search) {
        return;
    }
    const auto key = std::find_if(std::begin(kKeyNames), std::end(kKeyNames),
                                  [&](const KeyName& k) { return k.code == characterCode; });
    if (key == std::end(kKeyNames)) {
        return;
    }
    view.style.alignment = Alignment::Centre;
    view.frameCaption = kResultCaption;
    view.style.fontSize = 14;
    view.style.bold = true;
    view.style.colour = kResultColour;
    view.output = KeyNameResult(key->name, key->codeText);
    FinishResult(view, key->code);
}

void ClearInput(LookupView& view) {
    view.input.clear();
}

void TypeChanged(LookupView& view) {
    ShowTips(view);
}

void ModeChanged(LookupView& view) {
    view.input.clear();
    ShowTips(view);
}

void SelectType(LookupView& view, SearchType type) {
    if (view.type != type) {
        view.type = type;
        TypeChanged(view);
    }
}

void ShowLanguageSwitchTip(LookupView& view) {
    ShowOutputBox(view);
    view.frameCaption = Chinese(view) ? L"提示：" : L"Tips:";
    SetPlainStyle(view);
    view.output = LanguageSwitchTip(view.language, view.mode, TableFor(view.type));
    view.answerCode.reset();
}

void SetSearchButtonForLanguage(LookupView& view) {
    const bool search = view.mode == SearchMode::Search;
    if (Chinese(view)) {
        view.searchCaption = search ? L"查询(&S)" : L"反查(&S)";
    } else {
        view.searchCaption = search ? L"&Search" : L"Contract";
    }
}

void ShowList(LookupView& view) {
    if (TableFor(view.type) == TableKind::Short) {
        ShowShortList(view);
    } else {
        ShowFullList(view);
    }
    view.frameCaption = Chinese(view) ? L"ASCⅡ表：" : L"ASCⅡ List：";
}

void ShowListVisualBasic(LookupView& view) {
    ShowShortList(view);
    SelectType(view, SearchType::VisualBasic);
}

void ShowListDelphi(LookupView& view) {
    SelectType(view, SearchType::Delphi);
    ShowShortList(view);
}

void ShowListC(LookupView& view) {
    SelectType(view, SearchType::C);
    ShowFullList(view);
}

void ShowListFromShortcutMenu(LookupView& view, int item) {
    view.shortListVisible = true;
    view.outputVisible = false;
    // The caption tells whether the type had to change: "ASCⅡ List：" then, whatever the language.
    const bool wantFull = item == 2;
    const bool typeFits = (TableFor(view.type) == TableKind::Full) == wantFull;
    if (typeFits) {
        if (!wantFull) {
            view.shortListAlignment = Alignment::Centre;
        }
        view.frameCaption = L"ASCⅡ表：";
    }
    if (wantFull) {
        ShowListC(view);
    } else {
        ShowListVisualBasic(view);
    }
    if (!typeFits) {
        view.frameCaption = L"ASCⅡ List：";
    }
}

}  // namespace orvell::lookup
