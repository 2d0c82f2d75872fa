#include "keyboard/key_code_test_window.h"

#include <optional>
#include <string>

#include "app/language.h"
#include "keyboard/key_names.h"
#include "platform/dpi.h"
#include "platform/gdi.h"
#include "skin/title_bar_layout.h"

namespace orvell::win {

namespace {

using keyboard::MouseButton;

constexpr wchar_t kClassName[] = L"OrvellKeyCodeTest";
constexpr int kFirstCellId = 100;
constexpr int kFirstHeadingId = 200;
constexpr int kLabel3Id = 300;
constexpr int kLabel4Id = 301;

// The grid is sized from the letter "W" of the window's font, in twips at the screen's DPI.
keyboard::KeyCodeTestLayout MeasuredLayout(Dpi dpi) {
    const unique_hfont font = MakeFont(keyboard::KeyCodeTestFont());
    const ClientDc screen(nullptr);
    const SelectGuard selected(screen.Get(), font.Get());
    SIZE letter{};
    if (!selected || !::GetTextExtentPoint32W(screen.Get(), L"W", 1, &letter)) {
        letter = SIZE{};
    }
    return keyboard::KeyCodeTestLayout(skin::PixelsToTwips(letter.cx, dpi.x),
                                       skin::PixelsToTwips(letter.cy, dpi.y));
}

int HeldModifiers() {
    namespace mask = keyboard::shift_mask;
    return (::GetKeyState(VK_SHIFT) < 0 ? mask::kShift : 0) |
           (::GetKeyState(VK_CONTROL) < 0 ? mask::kCtrl : 0) | (::GetKeyState(VK_MENU) < 0 ? mask::kAlt : 0);
}

// The button of a press; a fast second press counts as a press too.
std::optional<MouseButton> PressedButton(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            return MouseButton::Left;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            return MouseButton::Right;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            return MouseButton::Middle;
        default:
            return std::nullopt;
    }
}

void PutText(HWND control, const std::wstring& text) {
    // Only what changed: a static repaints itself at every new text.
    if (GetText(control) != text) {
        SetText(control, text);
    }
}

}  // namespace

KeyCodeTestWindow::~KeyCodeTestWindow() {
    if (Handle() != nullptr) {
        ::DestroyWindow(Handle());
    }
}

bool KeyCodeTestWindow::Open(HWND owner, const app::SettingsStore& settings) {
    if (IsOpen()) {
        BringToFront();
        return true;
    }
    m_texts = keyboard::KeyCodeTestTextsFor(app::LanguageFromSetting(settings.Read(app::setting::kLanguage)));
    m_scale = TwipsScale::ForScreen();
    m_layout = MeasuredLayout(m_scale.GetDpi());
    m_test = keyboard::KeyCodeTest();
    Design design{kClassName, m_texts.caption, m_texts.caption,
                  SIZE{m_scale.X(m_layout.Width()), m_scale.Y(m_layout.Height())},
                  ClassBrush(keyboard::kKeyCodeTestBackground)};
    design.classStyle = 0;  // a second click is one more press, not a double click
    // Without WS_CLIPCHILDREN: the headings are transparent and show the window's paint through them.
    design.style = WS_POPUP;
    return OpenCentred(owner, settings, design);
}

void KeyCodeTestWindow::CreateControls() {
    const keyboard::KeyCodeTestLayout& layout = m_layout;
    const keyboard::KeyCodeTestTexts& texts = m_texts;
    const auto pixels = [&](const Rect& twips) {
        return m_scale.Bounds(twips.left, twips.top, twips.Width(), twips.Height());
    };
    m_promptFont = MakeFont(keyboard::PromptFont());
    m_headingFont = MakeFont(keyboard::HeadingFont());
    m_nameFont = MakeFont(keyboard::NameFont());
    // Each control goes below those made before it: the numbers over the headings, the headings over
    // the empty top row of the grid. The labels drawn on the window's colour keep to their own
    // rectangles; the transparent ones only add their text to what lies beneath.
    const auto make = [&](std::wstring_view text, DWORD style, bool transparent, int id, const Rect& twips,
                          HFONT font) {
        const DWORD clip = transparent ? 0 : WS_CLIPSIBLINGS;
        const HWND control = CreateChild(Handle(), L"STATIC", text, style | SS_NOPREFIX | WS_VISIBLE | clip,
                                         id, pixels(twips));
        ::SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return control;
    };
    const auto makeCell = [&](int i) {
        // SS_NOTIFY: the cells take the mouse, the other labels let it through to what lies beneath.
        const bool number = i >= keyboard::kFirstNumberCell;
        HWND& cell = m_label1[static_cast<std::size_t>(i)];
        cell = make(L"", SS_CENTER | SS_NOTIFY | (number ? WS_BORDER : 0), !number, kFirstCellId + i,
                    layout.Cell(i), m_nameFont.Get());
        ::SetWindowSubclass(cell, &KeyCodeTestWindow::CellProc, static_cast<UINT_PTR>(i),
                            reinterpret_cast<DWORD_PTR>(this));
    };
    for (int i = keyboard::kFirstNumberCell; i < keyboard::kCellCount; ++i) {
        makeCell(i);
    }
    for (std::size_t i = 0; i < m_label2.size(); ++i) {
        const keyboard::FixedLabel& heading = keyboard::kLabel2Design[i];
        m_label2[i] = make(heading.text, SS_LEFT, true, kFirstHeadingId + static_cast<int>(i),
                           layout.Place(heading.box), m_headingFont.Get());
    }
    m_label3 = make(texts.prompt, SS_CENTER, true, kLabel3Id, layout.Place(keyboard::kLabel3Box),
                    m_promptFont.Get());
    m_label4 = make(L"", SS_CENTER, false, kLabel4Id, layout.Place(keyboard::kLabel4Box), m_nameFont.Get());
    for (int i = 0; i < keyboard::kFirstNumberCell; ++i) {
        makeCell(i);
    }
    CreateTooltip();
}

void KeyCodeTestWindow::CreateTooltip() {
    m_tooltip.Reset(win::CreateTooltip(Handle()));
    std::wstring tip(m_texts.cellTip);
    for (int i = keyboard::kFirstNumberCell; i < keyboard::kCellCount; ++i) {
        TOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = Handle();
        tool.uId = reinterpret_cast<UINT_PTR>(Label1(i));
        tool.lpszText = tip.data();
        ::SendMessageW(m_tooltip.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

LRESULT KeyCodeTestWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const std::optional<MouseButton> button = PressedButton(message)) {
        OnMouseDown(*button);
        return 0;
    }
    switch (message) {
        // Every key is the test's, the system's menu keys (F10, Alt) too.
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            OnKeyDown(static_cast<int>(wParam));
            return 0;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            OnKeyUp(static_cast<int>(wParam));
            return 0;
        case WM_CHAR:
        case WM_SYSCHAR:
            OnChar(static_cast<int>(wParam));
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            OnMouseUp(MousePoint(lParam));
            return 0;
        case WM_CAPTURECHANGED:
            m_pressedOnForm = false;
            return 0;
        case WM_CTLCOLORSTATIC:
            return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_DESTROY:
            m_tooltip.Reset();
            m_label1 = {};
            m_label2 = {};
            m_label3 = nullptr;
            m_label4 = nullptr;
            break;
        default:
            break;
    }
    return SecondaryWindow::HandleMessage(message, wParam, lParam);
}

LRESULT CALLBACK KeyCodeTestWindow::CellProc(HWND cell, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR index, DWORD_PTR self) {
    if (const std::optional<MouseButton> button = PressedButton(message)) {
        auto* window = reinterpret_cast<KeyCodeTestWindow*>(self);
        window->m_test.MouseDownOnCell(static_cast<int>(index), *button);
        window->Show();
    } else if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(cell, &KeyCodeTestWindow::CellProc, index);
    }
    return ::DefSubclassProc(cell, message, wParam, lParam);
}

void KeyCodeTestWindow::OnKeyDown(int code) {
    Centre();  // dragged aside, the window comes back to the middle at every key
    const int mask = HeldModifiers();
    m_test.KeyDown(code, mask);
    Show();
    if (keyboard::ClosesKeyCodeTest(code, mask)) {
        ::PostMessageW(Handle(), WM_CLOSE, 0, 0);
    }
}

void KeyCodeTestWindow::OnKeyUp(int code) {
    m_test.KeyUp(code, HeldModifiers());
    Show();
}

void KeyCodeTestWindow::OnChar(int character) {
    m_test.KeyPress(character);
    Show();
}

void KeyCodeTestWindow::OnMouseDown(MouseButton button) {
    m_test.MouseDownOnForm(button);
    Show();
    // Held, so that the release makes a click only where the press was made.
    ::SetCapture(Handle());
    m_pressedOnForm = true;
}

void KeyCodeTestWindow::OnMouseUp(Point at) {
    if (!m_pressedOnForm) {
        return;
    }
    m_pressedOnForm = false;
    ::ReleaseCapture();
    RECT client{};
    ::GetClientRect(Handle(), &client);
    if (::PtInRect(&client, POINT{at.x, at.y})) {
        m_test.ClickOnForm();
        Show();
    }
}

void KeyCodeTestWindow::PaintOver(HDC dc) {
    const unique_hpen shadow(::CreatePen(PS_SOLID, 1, ToColorRef(keyboard::kFrameShadow)));
    const unique_hpen light(::CreatePen(PS_SOLID, 1, ToColorRef(keyboard::kFrameLight)));
    for (int i = keyboard::kFirstNumberCell; i < keyboard::kCellCount; ++i) {
        RECT cell{};
        ::GetWindowRect(Label1(i), &cell);
        ::MapWindowPoints(HWND_DESKTOP, Handle(), reinterpret_cast<POINT*>(&cell), 2);
        for (const keyboard::FrameLine& line :
             keyboard::SunkenFrame(Rect{cell.left, cell.top, cell.right, cell.bottom})) {
            const SelectGuard pen(dc, line.colour == keyboard::kFrameShadow ? shadow.Get() : light.Get());
            ::MoveToEx(dc, line.from.x, line.from.y, nullptr);
            ::LineTo(dc, line.to.x, line.to.y);
        }
    }
}

LRESULT KeyCodeTestWindow::OnControlColour(HDC dc, HWND control) const {
    for (int i = keyboard::kFirstNumberCell; i < keyboard::kCellCount; ++i) {
        if (control == Label1(i)) {
            ::SetTextColor(dc, ToColorRef(keyboard::kNameColour));
            ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
        }
    }
    if (control == m_label4) {
        // On the window's colour rather than transparent: its text changes, and a transparent static
        // would draw the new name over the old one.
        ::SetTextColor(dc, ToColorRef(keyboard::kNameColour));
        ::SetBkColor(dc, ToColorRef(keyboard::kKeyCodeTestBackground));
        return reinterpret_cast<LRESULT>(ClassBrush(keyboard::kKeyCodeTestBackground));
    }
    // The prompt, the headings and the empty top row: fixed texts over the window's own paint.
    ::SetTextColor(dc,
                   control == m_label3 ? ToColorRef(keyboard::kPromptColour) : ::GetSysColor(COLOR_BTNTEXT));
    ::SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
}

void KeyCodeTestWindow::Show() {
    PutText(m_label4, m_test.Label4());
    for (int i = keyboard::kFirstNumberCell; i < keyboard::kCellCount; ++i) {
        PutText(Label1(i), m_test.Cell(i));
    }
}

}  // namespace orvell::win
