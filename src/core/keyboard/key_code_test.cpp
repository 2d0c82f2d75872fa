#include "keyboard/key_code_test.h"

#include <optional>
#include <string>

#include "keyboard/key_names.h"

namespace orvell::keyboard {

namespace {

constexpr int kPrintScreen = 44;
constexpr int kF4 = 115;

}  // namespace

void KeyCodeTest::KeyDown(int code, int mask) {
    m_cells[3] = std::to_wstring(code);
    m_cells[6] = std::to_wstring(mask);
    m_cells[5].clear();  // filled again by this key's key-press, if it types one
    if (KeyDownWithoutModifier()) {
        if (const std::optional<std::wstring> name = PlainKeyName(code)) {
            m_label4 = *name;
        }
        return;
    }
    m_label5 = ModifierText(mask);
    m_label4 = ModifiedKeyName(code, mask);
}

void KeyCodeTest::KeyPress(int character) {
    m_cells[5] = std::to_wstring(character);
    if (!KeyDownWithoutModifier()) {
        return;
    }
    if (const std::optional<std::wstring> name = TypedCharName(character)) {
        m_label4 = *name;
    }
}

void KeyCodeTest::KeyUp(int code, int mask) {
    m_cells[4] = std::to_wstring(code);
    m_cells[7] = std::to_wstring(mask);
    const std::optional<std::wstring> name = ReleaseName(code, mask);
    if (!name) {
        return;
    }
    m_label4 = *name;
    if (code == kPrintScreen) {
        // Its key-down never arrives: the numbers of the key before it would belong to no key.
        m_cells[3].clear();
        m_cells[5].clear();
        m_cells[6].clear();
    } else {
        m_cells[3] = std::to_wstring(code);
        m_cells[6] = L"0";
    }
}

void KeyCodeTest::MouseDownOnForm(MouseButton button) {
    m_label4.clear();
    if (button == MouseButton::Right) {
        ClearNumbers();
    }
}

void KeyCodeTest::ClickOnForm() {
    m_label4.clear();
    ClearNumbers();
}

void KeyCodeTest::MouseDownOnCell(int index, MouseButton button) {
    m_label4.clear();
    if (button == MouseButton::Right) {
        ClearNumbers();
    } else if (index >= kFirstNumberCell && index < kCellCount) {
        m_cells[static_cast<std::size_t>(index)].clear();
    }
}

const std::wstring& KeyCodeTest::Cell(int index) const {
    static const std::wstring kNone;
    return index >= 0 && index < kCellCount ? m_cells[static_cast<std::size_t>(index)] : kNone;
}

void KeyCodeTest::ClearNumbers() {
    for (int i = kFirstNumberCell; i < kCellCount; ++i) {
        m_cells[static_cast<std::size_t>(i)].clear();
    }
}

bool ClosesKeyCodeTest(int code, int mask) {
    // As the system's own Alt+F4: with Ctrl held the key is an ordinary one.
    return code == kF4 && (mask & shift_mask::kAlt) != 0 && (mask & shift_mask::kCtrl) == 0;
}

KeyCodeTestTexts KeyCodeTestTextsFor(lookup::Language language) {
    if (language == lookup::Language::Chinese) {
        return {L"键码检测 V1.01", L"您按下的键是：", L"在文本框或窗体上单击鼠标右键清空全部"};
    }
    return {L"KeyCode Test V1.01", L"The pressed key is:",
            L"At the text or window's form to Click Right Button to Clear All"};
}

KeyCodeTestLayout::KeyCodeTestLayout(int letterWidth, int letterHeight) {
    if (letterWidth > 0 && letterHeight > 0) {
        m_w = letterWidth;
        m_h = letterHeight;
    }
}

Rect KeyCodeTestLayout::Cell(int index) const {
    const int row = index / 3;
    const int column = index % 3;
    const int left = kGridLeft + m_w + 7 * m_w * column;
    const int top = kGridTop + m_h + 3 * m_h * row;
    return Rect{left, top, left + 6 * m_w, top + 2 * m_h};
}

Rect KeyCodeTestLayout::Place(const Rect& design) const {
    // The grid grows from (kGridLeft, kGridTop) by the letter; a label moves the same way.
    const auto move = [](int twips, int origin, int measured, int designed) {
        const long long offset = static_cast<long long>(twips - origin) * measured;
        const long long half = designed / 2;
        return origin +
               static_cast<int>(offset >= 0 ? (offset + half) / designed : -((-offset + half) / designed));
    };
    return Rect{move(design.left, kGridLeft, m_w, kDesignLetterWidth),
                move(design.top, kGridTop, m_h, kDesignLetterHeight),
                move(design.right, kGridLeft, m_w, kDesignLetterWidth),
                move(design.bottom, kGridTop, m_h, kDesignLetterHeight)};
}

std::array<FrameLine, 4> SunkenFrame(const Rect& cell) {
    const int left = cell.left - 1;
    const int top = cell.top - 1;
    const int right = cell.right;  // the column just outside the cell
    const int bottom = cell.bottom;
    return {{
        {{left, top}, {right, top}, kFrameShadow},
        {{left, top}, {left, bottom}, kFrameShadow},
        {{left, bottom}, {right + 1, bottom}, kFrameLight},
        {{right, top}, {right, bottom}, kFrameLight},
    }};
}

}  // namespace orvell::keyboard
