#pragma once

#include "lookup/tables.h"
#include "lookup/types.h"
#include "text/text_files.h"

namespace orvell::lookup {

// Each operation is one event of the main window: it reads the type, mode, language and screen
// setting from the view and writes the input box, the output box and its style, the frame caption,
// the search button and which box is visible.

// The search button (Command1). Owns the tables, which it re-reads from the files on every search.
class Lookup {
public:
    explicit Lookup(text::TextFiles& files) : m_tables(files) {}

    void Run(LookupView& view);

    const LookupTables& Tables() const { return m_tables; }

private:
    void Search(LookupView& view, TableKind table);
    void ReverseSearchShort(LookupView& view);
    void ReverseSearchFull(LookupView& view);

    LookupTables m_tables;
};

// A character typed into the input box, before the box takes it (the key is never swallowed):
// Backspace, Enter, Esc and Space in an empty box answer with their own codes.
void KeyPress(LookupView& view, int characterCode);

// The Delete key and any mouse button on the input box empty it.
void ClearInput(LookupView& view);

// After the user changed the type (Option1) or the mode (Option2): the tips.
void TypeChanged(LookupView& view);
void ModeChanged(LookupView& view);

// Selecting a type from a command; a change of selection runs the type-change handling at once.
void SelectType(LookupView& view, SearchType type);

// What a language switch does to the output box and frame, and to the search button last of all.
void ShowLanguageSwitchTip(LookupView& view);
void SetSearchButtonForLanguage(LookupView& view);

// The list commands: the list button (Command2), the list menu items (mnuVB, mnuDelphi, mnuC) and
// the shortcut menu's list items (mnuAscII, item 0 to 2).
void ShowList(LookupView& view);
void ShowListVisualBasic(LookupView& view);
void ShowListDelphi(LookupView& view);
void ShowListC(LookupView& view);
void ShowListFromShortcutMenu(LookupView& view, int item);

}  // namespace orvell::lookup
