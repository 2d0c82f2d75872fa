#pragma once

#include <array>
#include <string>
#include <string_view>

#include "common/colour.h"
#include "common/geometry.h"
#include "controls/font_description.h"
#include "lookup/types.h"

namespace orvell::keyboard {

// The key-code test (frmKeyCodeTest): a window that shows, for every key pressed in it, the key's
// name in large letters (Label4) and five numbers in a grid of cells (Label1): the key code (cell 3)
// and modifier mask (cell 6) of the last key-down, the character code of the last key-press (cell 5),
// and the key code (cell 4) and modifier mask (cell 7) of the last key-up. Cells 0 to 2 stay empty.
inline constexpr int kCellCount = 8;
inline constexpr int kFirstNumberCell = 3;

enum class MouseButton { Left, Right, Middle };

// The texts of the window as key and mouse events leave them. Everything starts empty. Cell 6 is the
// window's only memory: the key-press and key-up rules read its text to learn whether a modifier was
// held at the last key-down, so an emptied cell 6 counts as "a modifier was held".
class KeyCodeTest {
public:
    // A key went down with the modifiers of mask (1 Shift, 2 Ctrl, 4 Alt) held. A key without a plain
    // name (letters, punctuation) leaves the name as it was: the key-press that follows names it.
    void KeyDown(int code, int mask);
    // The character that the last key-down typed.
    void KeyPress(int character);
    // Print Screen reports only its release, so its name is shown here; F5's release shows "F5"
    // whatever the key-down showed.
    void KeyUp(int code, int mask);

    // A press on the window's own surface empties the name, a right press the numbers as well; a
    // click there (press and release) empties both.
    void MouseDownOnForm(MouseButton button);
    void ClickOnForm();
    // A press on a cell empties the name; a right press all the numbers, another button only the
    // number in that cell.
    void MouseDownOnCell(int index, MouseButton button);

    const std::wstring& Label4() const { return m_label4; }
    // The hidden holder of the modifier text of the last key-down made with a modifier held.
    const std::wstring& Label5() const { return m_label5; }
    // Label1(index); empty for an index outside the grid.
    const std::wstring& Cell(int index) const;

private:
    void ClearNumbers();
    bool KeyDownWithoutModifier() const { return m_cells[6] == L"0"; }

    std::wstring m_label4;
    std::wstring m_label5;
    std::array<std::wstring, kCellCount> m_cells;
};

// Alt+F4 still closes the window, as a user expects of any window; the key-down is shown first.
bool ClosesKeyCodeTest(int code, int mask);

// The window's texts in a language. The column headings are not translated.
struct KeyCodeTestTexts {
    std::wstring_view caption;  // the window's and the title bar's
    std::wstring_view prompt;   // Label3, above the name
    std::wstring_view cellTip;  // the tooltip of cells 3 to 7
};
KeyCodeTestTexts KeyCodeTestTextsFor(lookup::Language language);

// A fixed label: where it stands, in twips in the window's client area, and what it reads.
struct FixedLabel {
    Rect box;
    std::wstring_view text;
};
// Label2(0) to Label2(4): "Shift" under the two mask cells, "KeyDown", "KeyUp" and "KeyPress" over
// the columns. These are the designed places; KeyCodeTestLayout::Place gives the real ones.
inline constexpr std::array<FixedLabel, 5> kLabel2Design = {{
    {{1270, 2925, 1270 + 855, 2925 + 375}, L"Shift"},
    {{2140, 2925, 2140 + 855, 2925 + 375}, L"Shift"},
    {{1155, 1560, 1155 + 855, 1560 + 375}, L"KeyDown"},
    {{2080, 1560, 2080 + 855, 1560 + 375}, L"KeyUp"},
    {{2820, 1560, 2820 + 855, 1560 + 375}, L"KeyPress"},
}};
inline constexpr Rect kLabel3Box{1200, 720, 1200 + 2295, 720 + 375};
inline constexpr Rect kLabel4Box{600, 1080, 600 + 3255, 1080 + 375};

// The window and its grid scale with the letter "W" of the window's font, so that other fonts and
// DPIs keep the proportions: cells 6·w by 2·h, in columns 7·w apart and rows 3·h apart, in a window of
// 39·w by 20·h. All in twips. A letter that could not be measured (no size) counts as the designed
// one, so the window never comes out empty.
class KeyCodeTestLayout {
public:
    // The letter the window was designed with: bold 9-point SimSun at 96 dpi, 7 by 12 pixels.
    static constexpr int kDesignLetterWidth = 105;
    static constexpr int kDesignLetterHeight = 180;

    KeyCodeTestLayout(int letterWidth, int letterHeight);

    // Label1(index), index 0 to 7: row index / 3, column index % 3.
    Rect Cell(int index) const;
    int Width() const { return 39 * m_w; }
    int Height() const { return 20 * m_h; }
    // Where a fixed label designed at a place stands: there with the designed letter, and moved with
    // the grid when a substitute font measures otherwise, so the headings stay over and under their
    // columns instead of sliding under the cells.
    Rect Place(const Rect& design) const;

private:
    static constexpr int kGridLeft = 1020;
    static constexpr int kGridTop = 1200;

    int m_w = kDesignLetterWidth;
    int m_h = kDesignLetterHeight;
};

// One line of a cell's sunken frame, in pixels, from `from` up to but not including `to`.
struct FrameLine {
    Point from;
    Point to;
    Colour colour;
};
// The one-pixel frame round a cell (its bounds in pixels, border included): grey along the top and
// the left, white along the bottom and the right, the corners closed.
std::array<FrameLine, 4> SunkenFrame(const Rect& cell);

// Colours and fonts of the design.
inline constexpr Colour kKeyCodeTestBackground = Colour::Rgb(224, 220, 224);
inline constexpr Colour kPromptColour = Colour::Rgb(0, 0, 255);
inline constexpr Colour kNameColour = Colour::Rgb(0, 0, 192);  // Label4 and the cells
inline constexpr Colour kFrameShadow = Colour::Rgb(128, 128, 128);
inline constexpr Colour kFrameLight = Colour::Rgb(255, 255, 255);
// The window's font, which the grid is measured in.
inline controls::FontDescription KeyCodeTestFont() {
    return controls::SongTi(9, true);
}
inline controls::FontDescription PromptFont() {
    return controls::SongTi(10.5f);
}
inline controls::FontDescription HeadingFont() {
    return controls::SongTi(9);
}
// The name and the numbers.
inline controls::FontDescription NameFont() {
    return {L"Verdana", 12.0f, true};
}

}  // namespace orvell::keyboard
