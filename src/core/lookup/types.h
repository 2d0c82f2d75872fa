#pragma once

#include <optional>
#include <string>

#include "common/colour.h"

namespace orvell::lookup {

enum class Language { Chinese, English };

// The three search types are named after programming languages; "Visual Basic" and "Delphi" search
// the printable codes, "C" every offered code 000 to 255.
enum class SearchType { VisualBasic, Delphi, C };

enum class SearchMode {
    Search,         // character text to value
    ReverseSearch,  // value to character text
};

enum class TableKind { Short, Full };

constexpr TableKind TableFor(SearchType type) {
    return type == SearchType::C ? TableKind::Full : TableKind::Short;
}

enum class Alignment { Left, Centre };

inline constexpr Colour kResultColour = Colour::Rgb(0, 0, 192);
inline constexpr Colour kPlainTextColour = Colour::System(system_colour::kButtonText);

// The look of the output box. It persists from one answer to the next: each answer sets only the
// properties its style names.
struct OutputStyle {
    int fontSize = 9;
    bool bold = false;
    Colour colour = kPlainTextColour;
    Alignment alignment = Alignment::Centre;
    friend bool operator==(const OutputStyle&, const OutputStyle&) = default;
};

// What the main window shows of the lookup: the window copies its controls into this before an
// operation and applies it afterwards. Where the controls stand follows from language and mode.
struct LookupView {
    // Read by the lookup.
    SearchType type = SearchType::VisualBasic;
    SearchMode mode = SearchMode::Search;
    Language language = Language::Chinese;
    bool tableLayout = false;  // screen setting "800×600": reverse results as tables

    // The input box (Text1).
    std::wstring input;
    int inputMaxLength = 1;
    bool focusInput = false;  // set when an operation gives the input box the focus

    // The output box (Text2), its frame (Frame3) and the two list boxes (Text3, Text4).
    std::wstring output;
    // The code the output box answers with (the "copy as" menu's); none while it shows a tip or message.
    std::optional<int> answerCode;
    OutputStyle style;
    std::wstring frameCaption = L"提示：";
    bool outputVisible = true;
    bool shortListVisible = false;
    bool fullListVisible = false;
    Alignment shortListAlignment = Alignment::Centre;
    Alignment fullListAlignment = Alignment::Left;

    // The search button (Command1).
    std::wstring searchCaption = L"查询(&S)";
};

}  // namespace orvell::lookup
