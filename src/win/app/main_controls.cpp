#include "app/main_controls.h"

#include <algorithm>
#include <optional>
#include <string>

#include "app/access_key.h"
#include "app/main_window_design.h"
#include "controls/gdi_picture.h"
#include "controls/property_bag.h"
#include "lookup/ascii_lists.h"
#include "platform/gdi.h"
#include "platform/window.h"

namespace orvell::win {

namespace {

using lookup::Alignment;
using lookup::LookupView;
using Control = MainControls::Control;

constexpr int kFirstControlId = 1000;
constexpr COLORREF kWhite = RGB(255, 255, 255);

constexpr DWORD kOption = BS_RADIOBUTTON | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kFrame = BS_GROUPBOX | WS_VISIBLE;
constexpr DWORD kOutput = ES_MULTILINE | ES_READONLY | WS_BORDER;
constexpr DWORD kList = ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_BORDER | ES_AUTOVSCROLL;

// The controls the window makes itself; the four buttons are made by their own classes.
struct ChildDesign {
    Control control;
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
};

constexpr ChildDesign kChildren[] = {
    {Control::Frame1, L"BUTTON", L"查询类型：", kFrame},
    {Control::Option1_0, L"BUTTON", L"Visual Basic", kOption | WS_GROUP},
    {Control::Option1_1, L"BUTTON", L"Delphi", kOption},
    {Control::Option1_2, L"BUTTON", L"C", kOption},
    {Control::Frame2, L"BUTTON", L"查询：", kFrame},
    {Control::Label1, L"STATIC", L"您要查询的是：", WS_VISIBLE},
    {Control::Option2_0, L"BUTTON", L"字符", kOption | WS_GROUP},
    {Control::Option2_1, L"BUTTON", L"ASCⅡ值", kOption},
    {Control::Label2, L"STATIC", L"查询的内容是：", WS_VISIBLE},
    {Control::Text1, L"EDIT", L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE},
    {Control::Frame3, L"BUTTON", L"提示：", kFrame},
    {Control::Text2, L"EDIT", L"", kOutput | ES_CENTER | WS_VISIBLE},
    {Control::Text3, L"EDIT", L"", kList | ES_CENTER},
    {Control::Text4, L"EDIT", L"", kList | ES_LEFT},
    {Control::Label3, L"STATIC", L"", 0},
};

// Showing a box already shown (or hiding a hidden one) still costs a round of show and position
// messages and a trip to the system's server: a lookup asks only for a change.
void ShowBox(HWND box, bool visible) {
    if (((::GetWindowLongW(box, GWL_STYLE) & WS_VISIBLE) != 0) != visible) {
        ::ShowWindow(box, visible ? SW_SHOWNA : SW_HIDE);
    }
}

// The font of every caption and of the output box.
constexpr std::size_t Index(Control control) {
    return static_cast<std::size_t>(control);
}

}  // namespace

int MainControls::Id(Control control) {
    return kFirstControlId + static_cast<int>(control);
}

std::optional<Control> MainControls::FromId(UINT id) {
    const int index = static_cast<int>(id) - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(app::kMainControlCount)) {
        return std::nullopt;
    }
    return static_cast<Control>(index);
}

void MainControls::Create(HWND window, SUBCLASSPROC childProc, DWORD_PTR childData) {
    m_window = window;
    m_childProc = childProc;
    m_childData = childData;
    m_background.Reset(::CreateSolidBrush(ToColorRef(app::kMainBackground)));
    m_white.Reset(::CreateSolidBrush(kWhite));
    m_font = MakeFont(controls::SongTi(9), m_scale.GetDpi().y);

    for (const ChildDesign& child : kChildren) {
        Make(child.control, child.className, child.text, child.style);
    }
    ::SendMessageW(Child(Control::Text1), EM_SETLIMITTEXT, static_cast<WPARAM>(m_shown.inputMaxLength), 0);
    ::SendMessageW(Child(Control::Option1_0), BM_SETCHECK, BST_CHECKED, 0);
    ::SendMessageW(Child(Control::Option2_0), BM_SETCHECK, BST_CHECKED, 0);

    const auto pushButton = [&](PushButton& button, Control control, const wchar_t* caption) {
        button.Create(window, Id(control), caption, PixelBounds(control), m_font.Get());
        m_children[Index(control)] = button.Handle();
    };
    pushButton(m_command1, Control::Command1, L"查询(&S)");
    pushButton(m_command4, Control::Command4, L"退出");
    GdiPictureSource pictures(::GetModuleHandleW(nullptr), m_scale.GetDpi().y);
    const auto xpButton = [&](XpButtonWindow& button, Control control, const wchar_t* name,
                              const wchar_t* design) {
        button.Create(window, Id(control), PixelBounds(control), name, controls::SongTi(9),
                      controls::PropertyBag::Parse(std::wstring(design::kSmallPictureButton) + design),
                      pictures);
        // The frame fits the icon the DPI picked (the design's 20 pixels hold the 96-dpi one).
        button.Button().SetPicture(button.Button().Properties().picture);
        button.SetClickHandler([this, control] { ReportClick(control); });
        m_children[Index(control)] = button.Handle();
    };
    xpButton(m_command2, Control::Command2, L"Command2", design::kListButton);
    xpButton(m_command3, Control::Command3, L"Command3", design::kHideButton);

    for (std::size_t i = 0; i < app::kMainControlCount; ++i) {
        m_placed[i] = m_layout.Bounds(static_cast<Control>(i));
    }
    const auto order = app::MainStackingOrder();
    std::for_each(order.rbegin(), order.rend(), [this](Control control) { Stack(control); });
}

void MainControls::MoveFocusByTab(bool backwards) {
    std::optional<Control> from;
    for (std::size_t i = 0; i < app::kMainControlCount; ++i) {
        const HWND child = m_children[i];
        if (child != nullptr && (child == ::GetFocus() || ::IsChild(child, ::GetFocus()))) {
            from = static_cast<Control>(i);
        }
    }
    // A group's stop is its chosen option, or its first when none is chosen.
    const auto target = [this](const app::TabStop& stop) {
        for (auto c = static_cast<int>(stop.first); c <= static_cast<int>(stop.last); ++c) {
            if (::SendMessageW(Child(static_cast<Control>(c)), BM_GETCHECK, 0, 0) == BST_CHECKED) {
                return Child(static_cast<Control>(c));
            }
        }
        return Child(stop.first);
    };
    const auto stop = app::NextTabStop(from, backwards, [&](const app::TabStop& candidate) {
        const HWND window = target(candidate);
        return ::IsWindowVisible(window) && ::IsWindowEnabled(window);
    });
    if (stop) {
        ::SetFocus(target(*stop));
    }
}

void MainControls::ShowList(Control control, bool visible, std::wstring (*text)()) {
    HWND list = Child(control);
    // Filled when first shown: laying out the long lists in the Chinese font is a good part of the
    // window's start-up, and most runs never open them.
    if (visible && ::GetWindowTextLengthW(list) == 0) {
        SetText(list, text());
    }
    ShowBox(list, visible);
}

void MainControls::Make(Control control, const wchar_t* className, std::wstring_view text, DWORD style) {
    HWND child = CreateChild(m_window, className, text, style | WS_CHILD | WS_CLIPSIBLINGS, Id(control),
                             PixelBounds(control));
    ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
    // The control's own procedure and this object are kept in the window itself, where reading them
    // asks nothing of the system: a comctl32 subclass finds itself in a window property, which under
    // Wine is a trip to the server, twice for every message (some sixty for one lookup's Enter).
    ::SetWindowLongPtrW(child, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_ownProcs[Index(control)] = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MainControls::ChildHook)));
    m_children[Index(control)] = child;
}

LRESULT CALLBACK MainControls::ChildHook(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* self = reinterpret_cast<const MainControls*>(::GetWindowLongPtrW(child, GWLP_USERDATA));
    const std::optional<Control> control = FromId(static_cast<UINT>(::GetDlgCtrlID(child)));
    if (self == nullptr || !control) {
        return ::DefWindowProcW(child, message, wParam, lParam);  // not one of ours: never so
    }
    if (message == WM_NCDESTROY) {
        // The child's last message: nothing reaches the window through it after this.
        const WNDPROC own = self->m_ownProcs[Index(*control)];
        ::SetWindowLongPtrW(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
        ::SetWindowLongPtrW(child, GWLP_USERDATA, 0);
        return ::CallWindowProcW(own, child, message, wParam, lParam);
    }
    return self->m_childProc(child, message, wParam, lParam, static_cast<UINT_PTR>(*control),
                             self->m_childData);
}

LRESULT MainControls::Forward(HWND child, UINT message, WPARAM wParam, LPARAM lParam) const {
    const std::optional<Control> control = FromId(static_cast<UINT>(::GetDlgCtrlID(child)));
    const WNDPROC own = control ? m_ownProcs[Index(*control)] : nullptr;
    return own != nullptr ? ::CallWindowProcW(own, child, message, wParam, lParam)
                          : ::DefWindowProcW(child, message, wParam, lParam);
}

void MainControls::ReportClick(Control control) const {
    ::SendMessageW(m_window, WM_COMMAND, MAKEWPARAM(Id(control), BN_CLICKED),
                   reinterpret_cast<LPARAM>(Child(control)));
}

Rect MainControls::PixelBounds(Control control) const {
    const app::TwipsBox box = m_layout.Bounds(control);
    return m_scale.Bounds(box.left, box.top, box.width, box.height);
}

HWND MainControls::Child(Control control) const {
    return m_children[Index(control)];
}

const XpButtonWindow* MainControls::XpButton(Control control) const {
    return control == Control::Command2 ? &m_command2 : control == Control::Command3 ? &m_command3 : nullptr;
}

void MainControls::Read(LookupView& view) const {
    view.input = GetText(Child(Control::Text1));
}

void MainControls::Apply(LookupView& view) {
    m_outputColour = view.style.colour;
    HWND text1 = Child(Control::Text1);
    if (GetText(text1) != view.input) {
        SetText(text1, view.input);
    }
    if (view.inputMaxLength != m_shown.inputMaxLength) {
        ::SendMessageW(text1, EM_SETLIMITTEXT, static_cast<WPARAM>(view.inputMaxLength), 0);
    }
    if (view.style.alignment != m_shown.style.alignment) {
        RemakeOutputBox(view.style.alignment);
    }
    HWND text2 = Child(Control::Text2);
    if (view.style.fontSize != m_shown.style.fontSize || view.style.bold != m_shown.style.bold) {
        ::SendMessageW(text2, WM_SETFONT, reinterpret_cast<WPARAM>(OutputFont(view.style)), TRUE);
    }
    if (view.output != m_shown.output || GetText(text2) != view.output) {
        SetText(text2, view.output);
    }
    if (view.style.colour != m_shown.style.colour) {
        ::InvalidateRect(text2, nullptr, TRUE);
    }
    if (view.frameCaption != m_shown.frameCaption) {
        SetText(Child(Control::Frame3), view.frameCaption);
    }
    ShowBox(text2, view.outputVisible);
    ShowList(Control::Text3, view.shortListVisible, &lookup::ShortAsciiList);
    ShowList(Control::Text4, view.fullListVisible, &lookup::FullAsciiList);
    if (view.searchCaption != m_command1.Caption()) {
        m_command1.SetCaption(view.searchCaption);
    }
    m_layout.Arrange(view.language, view.mode);
    PlaceMoved();

    const auto check = [&](Control control, bool on) {
        const WPARAM state = on ? BST_CHECKED : BST_UNCHECKED;
        if (static_cast<WPARAM>(::SendMessageW(Child(control), BM_GETCHECK, 0, 0)) != state) {
            ::SendMessageW(Child(control), BM_SETCHECK, state, 0);
        }
    };
    check(Control::Option1_0, view.type == lookup::SearchType::VisualBasic);
    check(Control::Option1_1, view.type == lookup::SearchType::Delphi);
    check(Control::Option1_2, view.type == lookup::SearchType::C);
    check(Control::Option2_0, view.mode == lookup::SearchMode::Search);
    check(Control::Option2_1, view.mode == lookup::SearchMode::ReverseSearch);

    if (view.focusInput) {
        view.focusInput = false;
        if (::IsWindowVisible(m_window)) {
            ::SetFocus(text1);
        }
    }
    m_shown = view;
}

void MainControls::RemakeOutputBox(Alignment alignment) {
    // An edit box takes its alignment at creation only. The old box's subclass goes with it.
    HWND old = Child(Control::Text2);
    const bool visible = ::IsWindowVisible(old) != FALSE;
    ::DestroyWindow(old);
    Make(Control::Text2, L"EDIT", m_shown.output,
         kOutput | (alignment == Alignment::Centre ? ES_CENTER : ES_LEFT) | (visible ? WS_VISIBLE : 0));
    Stack(Control::Text2);
    m_shown.style.fontSize = 0;  // the new box needs its font again
}

void MainControls::PlaceMoved() {
    for (std::size_t i = 0; i < app::kMainControlCount; ++i) {
        const auto control = static_cast<Control>(i);
        if (m_layout.Bounds(control) == m_placed[i]) {
            continue;
        }
        m_placed[i] = m_layout.Bounds(control);
        const Rect bounds = PixelBounds(control);
        ::SetWindowPos(m_children[i], nullptr, bounds.left, bounds.top, bounds.Width(), bounds.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void MainControls::ChangeDpi(Dpi dpi) {
    m_scale = TwipsScale(dpi);
    // The old fonts go only after every control has taken its new one.
    unique_hfont font = MakeFont(controls::SongTi(9), dpi.y);
    const auto oldOutputFonts = std::move(m_outputFonts);
    m_outputFonts.clear();
    for (std::size_t i = 0; i < app::kMainControlCount; ++i) {
        const auto control = static_cast<Control>(i);
        if (control == Control::Command2 || control == Control::Command3) {
            continue;  // drawn buttons make their own font
        }
        const bool output = control == Control::Text2 && m_shown.style.fontSize > 0;
        const HFONT chosen = output ? OutputFont(m_shown.style) : font.Get();
        ::SendMessageW(m_children[i], WM_SETFONT, reinterpret_cast<WPARAM>(chosen), TRUE);
    }
    m_font = std::move(font);
    // The drawn buttons: their icons of the new size, and their font made again at their new DPI.
    GdiPictureSource pictures(::GetModuleHandleW(nullptr), dpi.y);
    for (XpButtonWindow* button : {&m_command2, &m_command3}) {
        controls::VelloXPButton& model = button->Button();
        if (model.Properties().picture) {
            model.SetPicture(pictures.Load(model.Properties().picture->Reference()));
        }
        model.SetFont(model.Properties().font);
    }
    m_placed.fill({});  // every control moves
    PlaceMoved();
}

void MainControls::Stack(Control control) {
    // Right under the control above it; the top one on top.
    const auto order = app::MainStackingOrder();
    const auto at = std::find(order.begin(), order.end(), control);
    HWND above = at + 1 < order.end() ? Child(*(at + 1)) : HWND_TOP;
    ::SetWindowPos(Child(control), above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

HFONT MainControls::OutputFont(const lookup::OutputStyle& style) {
    auto& font = m_outputFonts[{style.fontSize, style.bold}];
    if (!font) {
        font = MakeFont(controls::SongTi(static_cast<float>(style.fontSize), style.bold), m_scale.GetDpi().y);
    }
    return font.Get();
}

void MainControls::SetCaption(Control control, std::wstring_view caption) {
    switch (control) {
        case Control::Command2:
            return m_command2.Button().SetCaption(caption);
        case Control::Command3:
            return m_command3.Button().SetCaption(caption);
        default:
            SetText(Child(control), caption);
            return;
    }
}

bool MainControls::ClickByAccessKey(wchar_t key) {
    if (m_command2.HandleAccessKey(key) || m_command3.HandleAccessKey(key)) {
        return true;
    }
    for (const auto& [button, control] :
         {std::pair{&m_command1, Control::Command1}, std::pair{&m_command4, Control::Command4}}) {
        HWND handle = button->Handle();
        if (app::CaptionHasAccessKey(button->Caption(), key) && ::IsWindowVisible(handle) &&
            ::IsWindowEnabled(handle)) {
            ReportClick(control);
            return true;
        }
    }
    return false;
}

LRESULT MainControls::ControlColour(HDC dc, HWND child) const {
    for (const Control box : {Control::Text2, Control::Text3, Control::Text4}) {
        if (child == Child(box)) {
            ::SetBkColor(dc, kWhite);
            ::SetTextColor(
                dc, box == Control::Text2 ? ToColorRef(m_outputColour) : ::GetSysColor(COLOR_WINDOWTEXT));
            return reinterpret_cast<LRESULT>(m_white.Get());
        }
    }
    if (child == Child(Control::Text1)) {
        return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
    }
    ::SetBkColor(dc, ToColorRef(app::kMainBackground));
    ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
    return reinterpret_cast<LRESULT>(m_background.Get());
}

}  // namespace orvell::win
