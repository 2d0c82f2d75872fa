#include "keyboard/hotkey_window.h"

#include <commctrl.h>

#include "app/language.h"
#include "keyboard/key_names.h"
#include "platform/gdi.h"

namespace orvell::win {

namespace {

using keyboard::HotkeyChoice;
using keyboard::SetOutcome;
using keyboard::SetResult;
using Control = HotkeyWindow::Control;

constexpr wchar_t kClassName[] = L"OrvellHotkeySetting";

// The window's design, in twips. The prompt's top, the check box's place and the buttons' width follow
// the language.
constexpr int kClientWidth = 4590;
constexpr int kClientHeight = 2400;
constexpr int kLabelLeft = 240;
constexpr int kLabelWidth = 4215;
constexpr int kLabelHeight = 735;
constexpr int kFieldLeft = 1260;  // the list and the key field
constexpr int kFieldWidth = 1695;
constexpr int kFieldHeight = 300;
constexpr int kComboTop = 1320;
constexpr int kTextTop = 1680;
constexpr int kCheckHeight = 255;
constexpr int kButtonLeft = 3120;
constexpr int kButtonHeight = 375;
constexpr int kCommand1Top = 1275;
constexpr int kCommand2Top = 1740;

constexpr Colour kBackground = Colour::Rgb(224, 220, 224);
constexpr Colour kPromptColour = Colour::Rgb(0, 0, 255);
constexpr Colour kFieldColour = Colour::Rgb(0, 0, 192);

constexpr int kFirstControlId = 100;

constexpr int Id(Control control) {
    return kFirstControlId + static_cast<int>(control);
}

}  // namespace

HotkeyWindow::HotkeyWindow()
    : m_messageBox([](HWND owner, const std::wstring& text, const std::wstring& title, UINT flags) {
          return ::MessageBoxW(owner, text.c_str(), title.c_str(), flags);
      }) {}

HotkeyWindow::~HotkeyWindow() {
    if (Handle() != nullptr) {
        // While the controls' fonts and brushes are still there.
        ::DestroyWindow(Handle());
    }
}

bool HotkeyWindow::Open(HWND owner, app::SettingsStore& settings) {
    if (IsOpen()) {
        return false;
    }
    m_settings = &settings;
    m_language = app::LanguageFromSetting(settings.Read(app::setting::kLanguage));
    m_look = keyboard::HotkeyWindowLookFor(m_language);
    m_scale = TwipsScale::ForScreen();

    Design design{kClassName, m_look.caption, m_look.caption,
                  SIZE{m_scale.X(kClientWidth), m_scale.Y(kClientHeight)}, ClassBrush(kBackground)};
    design.classStyle = CS_DBLCLKS;
    design.escapeCloses = false;  // Esc is a key the user may choose
    return OpenCentred(owner, settings, design);
}

HotkeyChoice HotkeyWindow::Choice() const {
    return HotkeyChoice{m_key, m_check1 && m_check1->Value() == controls::check_value::kChecked,
                        static_cast<int>(::SendMessageW(Child(Control::Combo1), CB_GETCURSEL, 0, 0))};
}

LRESULT HotkeyWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            return OnControlColour(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_LBUTTONDBLCLK:
            if (m_openHelp) {
                m_openHelp(Handle());
            }
            return 0;
        default:
            return SecondaryWindow::HandleMessage(message, wParam, lParam);
    }
}

void HotkeyWindow::CreateControls() {
    m_white.Reset(::CreateSolidBrush(RGB(255, 255, 255)));
    m_font = MakeFont(controls::SongTi(9));
    m_labelFont = MakeFont(controls::SongTi(10.5f));

    // Made in the order Tab walks them. The prompt comes last, under the rest: it reaches down behind
    // the list and the set button.
    m_check1.emplace();
    m_check1->Create(Handle(), Id(Control::Check1),
                     m_scale.Bounds(m_look.checkLeft, m_look.checkTop, m_look.checkWidth, kCheckHeight),
                     m_look.checkCaption, controls::SongTi(9));
    // The box and its caption stand on the window's own grey, not on a patch of button face.
    m_check1->CheckBox().SetBackColor(kBackground);
    m_check1->SetChangeHandler([this](std::int32_t value) {
        ::EnableWindow(Child(Control::Combo1), value == controls::check_value::kChecked);
    });
    Keep(Control::Check1, m_check1->Handle());
    Adopt(m_check1->Handle());

    const Rect comboBounds = m_scale.Bounds(kFieldLeft, kComboTop, kFieldWidth, kFieldHeight);
    MakeChild(Control::Combo1, L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, comboBounds);
    for (const keyboard::ComboItem& item : keyboard::kComboItems) {
        const std::wstring text(item.text);
        ::SendMessageW(Child(Control::Combo1), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    FitComboField(comboBounds);

    MakeChild(Control::Text1, L"EDIT", ES_READONLY | ES_CENTER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,
              m_scale.Bounds(kFieldLeft, kTextTop, kFieldWidth, kFieldHeight));

    MakeButton(m_command1, Control::Command1, kCommand1Top, m_look.caption);
    MakeButton(m_command2, Control::Command2, kCommand2Top, m_look.exitCaption);

    MakeChild(Control::Label1, L"STATIC", SS_CENTER | SS_NOPREFIX,
              m_scale.Bounds(kLabelLeft, m_look.promptTop, kLabelWidth, kLabelHeight));
    ::SendMessageW(Child(Control::Label1), WM_SETFONT, reinterpret_cast<WPARAM>(m_labelFont.Get()), FALSE);
    SetText(Child(Control::Label1), m_look.prompt);
    Show(keyboard::LoadHotkeyChoice(*m_settings));
}

void HotkeyWindow::AfterDpiChange(Dpi dpi) {
    m_scale = TwipsScale(dpi);
    m_check1->ChangeDpi(dpi);
    // The list's items took the new font's height; the closed box is fitted to its field again.
    FitComboField(m_scale.Bounds(kFieldLeft, kComboTop, kFieldWidth, kFieldHeight));
}

void HotkeyWindow::MakeButton(PushButton& button, Control control, int top, std::wstring_view caption) {
    button.Create(Handle(), Id(control), caption,
                  m_scale.Bounds(kButtonLeft, top, m_look.buttonWidth, kButtonHeight), m_font.Get());
    Keep(control, button.Handle());
    Adopt(button.Handle());
}

void HotkeyWindow::MakeChild(Control control, const wchar_t* className, DWORD style, const Rect& bounds) {
    const HWND child =
        CreateChild(Handle(), className, L"", style | WS_VISIBLE | WS_CLIPSIBLINGS, Id(control), bounds);
    ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
    Keep(control, child);
    if ((style & WS_TABSTOP) != 0) {
        Adopt(child);
    }
}

void HotkeyWindow::Keep(Control control, HWND child) {
    m_children[static_cast<std::size_t>(control)] = child;
}

void HotkeyWindow::FitComboField(const Rect& bounds) {
    // A drop-down list's window height counts the list that drops, room for every item here. The
    // closed box is as high as its field: the field's item height plus a frame each system draws its
    // own way, so the item height is corrected by what the closed box still lacks.
    const HWND combo = Child(Control::Combo1);
    const auto item = static_cast<int>(::SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
    const int list = item * static_cast<int>(keyboard::kComboItems.size()) + 2;
    ::SetWindowPos(combo, nullptr, 0, 0, bounds.Width(), bounds.Height() + list,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const auto closedHeight = [combo] {
        RECT closed{};
        ::GetWindowRect(combo, &closed);
        return static_cast<int>(closed.bottom - closed.top);
    };
    auto field = static_cast<int>(::SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    for (int attempt = 0; attempt < 2 && closedHeight() != bounds.Height(); ++attempt) {
        field += bounds.Height() - closedHeight();
        if (field <= 0) {
            break;
        }
        ::SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }
}

void HotkeyWindow::Show(const HotkeyChoice& choice) {
    m_key = choice.keyCode;
    SetText(Child(Control::Text1), keyboard::HotkeyKeyName(choice.keyCode));
    m_check1->SetValue(choice.combination ? controls::check_value::kChecked
                                          : controls::check_value::kUnchecked);
    ::SendMessageW(Child(Control::Combo1), CB_SETCURSEL, static_cast<WPARAM>(choice.comboIndex), 0);
    ::EnableWindow(Child(Control::Combo1), choice.combination);
}

void HotkeyWindow::ShowLabel(const keyboard::LabelText& label) {
    SetText(Child(Control::Label1), label.text);
    const Rect bounds = m_scale.Bounds(kLabelLeft, label.top, kLabelWidth, kLabelHeight);
    ::SetWindowPos(Child(Control::Label1), nullptr, bounds.left, bounds.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void HotkeyWindow::OnCommand(UINT id, UINT notification) {
    if (notification != BN_CLICKED) {
        return;
    }
    if (id == Id(Control::Command1)) {
        OnSet();
    } else if (id == Id(Control::Command2)) {
        Close();
    }
}

void HotkeyWindow::OnSet() {
    const SetOutcome outcome = keyboard::SetHotkey(*m_settings, Choice(), m_language);
    if (outcome.label) {
        ShowLabel(*outcome.label);
    }
    if (outcome.result == SetResult::NoKey) {
        const int answer = m_messageBox(Handle(), outcome.message->text, outcome.message->title,
                                        MB_YESNO | MB_ICONINFORMATION);
        if (answer == IDYES) {
            keyboard::LeaveWithoutKey(*m_settings);
            Close();
        }
        return;
    }
    if (outcome.message) {
        m_messageBox(Handle(), outcome.message->text, outcome.message->title, MB_OK | MB_ICONINFORMATION);
    }
    Show(outcome.choice);
}

LRESULT HotkeyWindow::OnControlColour(UINT message, HDC dc, HWND child) {
    if (child == Child(Control::Label1)) {
        ::SetTextColor(dc, ToColorRef(kPromptColour));
        ::SetBkColor(dc, ToColorRef(kBackground));
        return reinterpret_cast<LRESULT>(ClassBrush(kBackground));
    }
    // The key field is read-only but keeps the white of a box the user works in. The list's field and
    // its dropped items (the only parts to ask for edit and list colours) share its blue.
    if (child == Child(Control::Text1) || message != WM_CTLCOLORSTATIC) {
        ::SetTextColor(dc, ToColorRef(kFieldColour));
        ::SetBkColor(dc, RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(m_white.Get());
    }
    return SecondaryWindow::HandleMessage(message, reinterpret_cast<WPARAM>(dc),
                                          reinterpret_cast<LPARAM>(child));
}

bool HotkeyWindow::OnOwnKey(HWND control, UINT message, WPARAM key) {
    if (control != Child(Control::Text1)) {
        return false;
    }
    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            // Every key is a choice here but the ones that walk the controls or close the window.
            if ((key == VK_TAB && ::GetKeyState(VK_CONTROL) >= 0 && ::GetKeyState(VK_MENU) >= 0) ||
                (message == WM_SYSKEYDOWN && key == VK_F4)) {
                return false;
            }
            m_key = keyboard::KeyForKeyDown(static_cast<int>(key));
            SetText(Child(Control::Text1), keyboard::HotkeyKeyName(m_key));
            return true;
        case WM_CHAR:
        case WM_SYSCHAR:
            return true;  // typed characters never enter the key field
        default:
            return false;
    }
}

}  // namespace orvell::win
