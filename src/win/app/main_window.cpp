#include "app/main_window.h"

#include <commctrl.h>

#include <cstring>
#include <cwctype>
#include <optional>
#include <utility>

#include "app/hotkey_watch.h"
#include "app/main_window_design.h"
#include "app/tray_icon.h"
#include "controls/gdi_picture.h"
#include "controls/property_bag.h"
#include "keyboard/hotkey_apply.h"
#include "lookup/ascii_lists.h"
#include "lookup/messages.h"
#include "platform/window.h"

namespace orvell::win {

namespace {

using lookup::Alignment;
using lookup::Language;
using lookup::LookupView;
using Control = MainWindow::Control;
namespace line = app::language_line;

constexpr int kClientWidth = 6240;  // twips
constexpr int kClientHeight = 5235;
constexpr COLORREF kBackground = RGB(207, 203, 207);
constexpr UINT_PTR kHotkeyTimer = 1;
constexpr UINT kHotkeyTimerInterval = 100;  // ms
constexpr UINT kTrayIconId = 1;
constexpr int kFirstControlId = 1000;
constexpr const wchar_t* kProductName = L"Orvell";

int ControlId(Control control) {
    return kFirstControlId + static_cast<int>(control);
}

// Where a control sits: inside a frame its position is relative to the frame, as designed.
struct Placement {
    Control control;
    std::optional<Control> container;
    int left, top, width, height;
};

constexpr Placement kDesign[] = {
    {Control::Frame1, std::nullopt, 120, 240, 1935, 1455},
    {Control::Option1_0, Control::Frame1, 240, 360, 1455, 255},
    {Control::Option1_1, Control::Frame1, 240, 720, 1455, 255},
    {Control::Option1_2, Control::Frame1, 240, 1080, 1455, 255},
    {Control::Frame2, std::nullopt, 2280, 240, 3615, 1455},
    {Control::Label1, Control::Frame2, 240, 405, 1455, 375},
    {Control::Option2_0, Control::Frame2, 1560, 360, 1215, 255},
    {Control::Option2_1, Control::Frame2, 2520, 360, 975, 255},
    {Control::Label2, Control::Frame2, 240, 915, 1335, 495},
    {Control::Text1, Control::Frame2, 1560, 840, 855, 300},
    {Control::Command1, Control::Frame2, 2520, 760, 975, 450},
    {Control::Frame3, std::nullopt, 120, 1800, 5775, 2655},
    {Control::Text2, Control::Frame3, 120, 240, 5535, 2295},
    {Control::Text3, Control::Frame3, 120, 240, 5535, 2295},
    {Control::Text4, Control::Frame3, 120, 240, 5535, 2295},
    {Control::Command2, std::nullopt, 2280, 4560, 1215, 375},
    {Control::Command3, std::nullopt, 3720, 4560, 975, 375},
    {Control::Command4, std::nullopt, 4800, 4560, 950, 375},
    {Control::Label3, std::nullopt, 480, 4680, 495, 255},
};

const Placement& DesignOf(Control control) {
    for (const Placement& placement : kDesign) {
        if (placement.control == control) {
            return placement;
        }
    }
    return kDesign[0];
}

COLORREF Resolve(Colour colour) {
    if (colour.IsSystem()) {
        return ::GetSysColor(colour.SystemIndex());
    }
    return RGB(colour.Red(), colour.Green(), colour.Blue());
}

wchar_t UpperCase(wchar_t ch) {
    return static_cast<wchar_t>(std::towupper(ch));
}

HFONT CreateSongTi(int points, bool bold) {
    ClientDc screen(nullptr);
    const int height = -::MulDiv(points, ::GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
    return ::CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                         DEFAULT_PITCH | FF_DONTCARE, L"宋体");
}

}  // namespace

MainWindow::MainWindow(MainWindowServices services)
    : m_services(std::move(services)), m_lookup(m_services.files), m_scale(TwipsScale::ForScreen()) {
    if (!m_services.showMessage) {
        m_services.showMessage = [](HWND owner, const std::wstring& text) {
            ::MessageBoxW(owner, text.c_str(), kProductName, MB_OK | MB_ICONWARNING);
        };
    }
}

MainWindow::~MainWindow() = default;

bool MainWindow::Open() {
    m_background.Reset(::CreateSolidBrush(kBackground));
    m_white.Reset(::CreateSolidBrush(RGB(255, 255, 255)));
    m_font.Reset(CreateSongTi(9, false));
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    m_icon.Reset(static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, 32, 32, 0)));
    m_smallIcon.Reset(static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, 16, 16, 0)));

    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, m_scale.X(kClientWidth), m_scale.Y(kClientHeight)};
    ::AdjustWindowRectEx(&frame, kStyle, TRUE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;

    WindowClass windowClass;
    windowClass.name = L"OrvellMain";
    windowClass.style = CS_DBLCLKS;
    windowClass.background = nullptr;  // erased with the window's own brush
    windowClass.icon = m_icon.Get() ? m_icon.Get() : ::LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.smallIcon = m_smallIcon.Get();
    WindowCreation creation;
    creation.title = kProductName;
    creation.style = kStyle;
    creation.x = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    creation.y = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    creation.width = width;
    creation.height = height;
    creation.menu = m_menus.Bar();
    if (!Create(windowClass, creation)) {
        return false;
    }
    m_menus.AttachBar();
    m_hotkey = std::make_unique<HotkeyWatch>([this] { OnHotkeyPressed(); });
    m_tray = std::make_unique<TrayIcon>(Handle(), kTrayIconId, m_services.trayNotify);
    m_tray->SetOnDoubleClick([this] { ShowFromTrayIcon(); });
    CreateControls();
    StartUp();
    ::SetTimer(Handle(), kHotkeyTimer, kHotkeyTimerInterval, nullptr);
    return true;
}

HWND MainWindow::MakeChild(Control control, const wchar_t* className, const wchar_t* text, DWORD style,
                           ChildGeometry geometry) {
    const Rect bounds = m_scale.Bounds(geometry.left, geometry.top, geometry.width, geometry.height);
    HWND child = CreateChild(Handle(), className, text, style | WS_CHILD | WS_CLIPSIBLINGS,
                             ControlId(control), bounds);
    ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
    ::SetWindowSubclass(child, &MainWindow::ChildProc, static_cast<UINT_PTR>(control),
                        reinterpret_cast<DWORD_PTR>(this));
    m_children[control] = child;
    return child;
}

void MainWindow::CreateControls() {
    for (const Placement& placement : kDesign) {
        m_geometry[placement.control] = {placement.left, placement.top, placement.width, placement.height};
    }
    const auto absolute = [this](Control control) { return Absolute(control); };
    constexpr DWORD kVisible = WS_VISIBLE;
    constexpr DWORD kOption = BS_RADIOBUTTON | WS_TABSTOP | kVisible;
    constexpr DWORD kList = ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_BORDER | ES_AUTOVSCROLL;

    MakeChild(Control::Option1_0, L"BUTTON", L"Visual Basic", kOption | WS_GROUP,
              absolute(Control::Option1_0));
    MakeChild(Control::Option1_1, L"BUTTON", L"Delphi", kOption, absolute(Control::Option1_1));
    MakeChild(Control::Option1_2, L"BUTTON", L"C", kOption, absolute(Control::Option1_2));
    MakeChild(Control::Label1, L"STATIC", L"您要查询的是：", kVisible, absolute(Control::Label1));
    MakeChild(Control::Option2_0, L"BUTTON", L"字符", kOption | WS_GROUP, absolute(Control::Option2_0));
    MakeChild(Control::Option2_1, L"BUTTON", L"ASCⅡ值", kOption, absolute(Control::Option2_1));
    MakeChild(Control::Label2, L"STATIC", L"查询的内容是：", kVisible, absolute(Control::Label2));
    MakeChild(Control::Text1, L"EDIT", L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | kVisible,
              absolute(Control::Text1));
    ::SendMessageW(m_children[Control::Text1], EM_SETLIMITTEXT, 1, 0);
    MakeChild(Control::Text2, L"EDIT", L"", ES_MULTILINE | ES_READONLY | ES_CENTER | WS_BORDER | kVisible,
              absolute(Control::Text2));
    MakeChild(Control::Text3, L"EDIT", lookup::ShortAsciiList().c_str(), kList | ES_CENTER,
              absolute(Control::Text3));
    MakeChild(Control::Text4, L"EDIT", lookup::FullAsciiList().c_str(), kList | ES_LEFT,
              absolute(Control::Text4));
    MakeChild(Control::Label3, L"STATIC", L"No", 0, absolute(Control::Label3));

    const auto button = [&](PushButton& pushButton, Control control, const wchar_t* caption) {
        const ChildGeometry g = absolute(control);
        pushButton.Create(Handle(), ControlId(control), caption,
                          m_scale.Bounds(g.left, g.top, g.width, g.height), m_font.Get());
        m_children[control] = pushButton.Handle();
    };
    button(m_command1, Control::Command1, L"查询(&S)");
    button(m_command4, Control::Command4, L"退出");
    GdiPictureSource pictures;
    const auto xpButton = [&](XpButtonWindow& xp, Control control, const wchar_t* name,
                              const wchar_t* designText) {
        const ChildGeometry g = absolute(control);
        xp.Create(Handle(), ControlId(control), m_scale.Bounds(g.left, g.top, g.width, g.height), name,
                  {L"宋体", 9},
                  controls::PropertyBag::Parse(std::wstring(design::kSmallPictureButton) + designText),
                  pictures);
        xp.SetClickHandler([this, control] { OnCommand(static_cast<UINT>(ControlId(control))); });
        m_children[control] = xp.Handle();
    };
    xpButton(m_command2, Control::Command2, L"Command2", design::kListButton);
    xpButton(m_command3, Control::Command3, L"Command3", design::kHideButton);

    for (const auto& [control, caption] :
         {std::pair{Control::Frame1, L"查询类型："}, std::pair{Control::Frame2, L"查询："},
          std::pair{Control::Frame3, L"提示："}}) {
        MakeChild(control, L"BUTTON", caption, BS_GROUPBOX | kVisible, absolute(control));
    }
    // Stacking as designed: a later control lies over an earlier one where they overlap (the
    // character option reaches under the value option), labels lie under the options they touch,
    // and frames under everything they hold.
    for (const Placement& placement : kDesign) {
        ::SetWindowPos(Child(placement.control), HWND_TOP, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    for (const Control control :
         {Control::Label1, Control::Label2, Control::Frame1, Control::Frame2, Control::Frame3}) {
        ::SetWindowPos(Child(control), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    m_shown = m_view;
    ::SendMessageW(m_children[Control::Option1_0], BM_SETCHECK, BST_CHECKED, 0);
    ::SendMessageW(m_children[Control::Option2_0], BM_SETCHECK, BST_CHECKED, 0);
}

MainWindow::ChildGeometry MainWindow::Absolute(Control control) const {
    ChildGeometry geometry = m_geometry.at(control);
    if (const auto container = DesignOf(control).container) {
        geometry.left += m_geometry.at(*container).left;
        geometry.top += m_geometry.at(*container).top;
    }
    return geometry;
}

void MainWindow::Place(Control control) {
    const ChildGeometry geometry = Absolute(control);
    const Rect bounds = m_scale.Bounds(geometry.left, geometry.top, geometry.width, geometry.height);
    ::SetWindowPos(m_children[control], nullptr, bounds.left, bounds.top, bounds.Width(), bounds.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND MainWindow::Child(Control control) const {
    const auto found = m_children.find(control);
    return found == m_children.end() ? nullptr : found->second;
}

const XpButtonWindow* MainWindow::XpButton(Control control) const {
    return control == Control::Command2 ? &m_command2 : control == Control::Command3 ? &m_command3 : nullptr;
}

void MainWindow::StartUp() {
    m_hotkey->Deactivate();
    m_view.output = lookup::Tip(Language::Chinese, lookup::SearchMode::Search, lookup::TableKind::Short);
    ApplyView();

    const app::StartupSettings settings = app::LoadStartupSettings(m_services.settings);
    SetScreen(settings.screen == 1);
    SwitchLanguage(settings.language == 0 ? Language::Chinese : Language::English);

    if (settings.softwareRun == 1) {
        SetText(Child(Control::Label3), L"Yes");
        m_tray->SetIcon(m_smallIcon.Get());
        // The tray icon gets its shortcut menu on this path too, so a start with Windows is usable.
        m_tray->SetPopupMenu(m_menus.Shortcut());
        m_tray->Show();
        m_tray->SetTip(settings.language == 0 ? L"Orvell(双击弹出窗体)" : L"Orvell(Double click to open)");
        const auto result = app::TurnStartupOn(m_services.settings, m_services.runKeys, m_services.exePath);
        m_menus.SetRunAtStartup(result != app::StartupEntryResult::Failed);
        if (result == app::StartupEntryResult::Failed) {
            m_services.showMessage(Handle(),
                                   m_view.language == Language::Chinese
                                       ? L"无法写入开机自运行项，“开机自运行”已关闭。"
                                       : L"Orvell could not add itself to the programs that start with "
                                         L"Windows; \"Run at Startup\" is off.");
        }
    } else {
        m_menus.SetRunAtStartup(false);
        m_tray->SetIcon(m_smallIcon.Get());
        m_tray->SetPopupMenu(m_menus.Shortcut());
        m_tray->Show();
        SetTrayTip();
        app::TurnStartupOff(m_services.settings, m_services.runKeys);
        ::ShowWindow(Handle(), SW_SHOW);
        ::UpdateWindow(Handle());
        ::SetForegroundWindow(Handle());
        ApplyView();  // the focus, now that the window shows
    }
    m_started = true;
}

void MainWindow::ExitProgram() {
    m_hotkey->Deactivate();
    ::DestroyWindow(Handle());
}

void MainWindow::ReadControls() {
    m_view.input = GetText(Child(Control::Text1));
}

void MainWindow::ApplyView() {
    LookupView& v = m_view;
    HWND text1 = Child(Control::Text1);
    if (GetText(text1) != v.input) {
        SetText(text1, v.input);
    }
    if (v.inputMaxLength != m_shown.inputMaxLength) {
        ::SendMessageW(text1, EM_SETLIMITTEXT, static_cast<WPARAM>(v.inputMaxLength), 0);
    }
    if (v.style.alignment != m_shown.style.alignment) {
        // An edit box takes its alignment at creation, so the output box is made again.
        HWND old = Child(Control::Text2);
        const bool visible = ::IsWindowVisible(old) != FALSE;
        ::RemoveWindowSubclass(old, &MainWindow::ChildProc, static_cast<UINT_PTR>(Control::Text2));
        ::DestroyWindow(old);
        const DWORD align = v.style.alignment == Alignment::Centre ? ES_CENTER : ES_LEFT;
        MakeChild(Control::Text2, L"EDIT", m_shown.output.c_str(),
                  ES_MULTILINE | ES_READONLY | WS_BORDER | align | (visible ? WS_VISIBLE : 0),
                  Absolute(Control::Text2));
        ::SetWindowPos(Child(Control::Text2), Child(Control::Frame3), 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ::SetWindowPos(Child(Control::Frame3), HWND_BOTTOM, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        m_shown.style.fontSize = 0;  // the new box needs its font again
    }
    HWND text2 = Child(Control::Text2);
    if (v.style.fontSize != m_shown.style.fontSize || v.style.bold != m_shown.style.bold) {
        ::SendMessageW(text2, WM_SETFONT, reinterpret_cast<WPARAM>(OutputFont()), TRUE);
    }
    if (v.output != m_shown.output || GetText(text2) != v.output) {
        SetText(text2, v.output);
    }
    if (v.style.colour != m_shown.style.colour) {
        ::InvalidateRect(text2, nullptr, TRUE);
    }
    if (v.frameCaption != m_shown.frameCaption) {
        SetText(Child(Control::Frame3), v.frameCaption);
    }
    ::ShowWindow(text2, v.outputVisible ? SW_SHOWNA : SW_HIDE);
    ::ShowWindow(Child(Control::Text3), v.shortListVisible ? SW_SHOWNA : SW_HIDE);
    ::ShowWindow(Child(Control::Text4), v.fullListVisible ? SW_SHOWNA : SW_HIDE);

    if (v.searchCaption != m_command1.Caption()) {
        m_command1.SetCaption(v.searchCaption);
    }
    auto& search = m_geometry[Control::Command1];
    if (search.left != v.searchLeft || search.width != v.searchWidth) {
        search.left = v.searchLeft;
        search.width = v.searchWidth;
        Place(Control::Command1);
    }
    auto& list = m_geometry[Control::Command2];
    if (list.left != v.listLeft) {
        list.left = v.listLeft;
        Place(Control::Command2);
    }
    const auto check = [&](Control control, bool on) {
        ::SendMessageW(Child(control), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    };
    check(Control::Option1_0, v.type == lookup::SearchType::VisualBasic);
    check(Control::Option1_1, v.type == lookup::SearchType::Delphi);
    check(Control::Option1_2, v.type == lookup::SearchType::C);
    check(Control::Option2_0, v.mode == lookup::SearchMode::Search);
    check(Control::Option2_1, v.mode == lookup::SearchMode::ReverseSearch);

    if (v.focusInput) {
        v.focusInput = false;
        if (::IsWindowVisible(Handle())) {
            ::SetFocus(text1);
        }
    }
    m_shown = v;
}

HFONT MainWindow::OutputFont() {
    auto& font = m_outputFonts[{m_view.style.fontSize, m_view.style.bold}];
    if (!font) {
        font.Reset(CreateSongTi(m_view.style.fontSize, m_view.style.bold));
    }
    return font.Get();
}

void MainWindow::SwitchLanguage(Language language) {
    SetTrayTip();
    m_view.language = language;
    RunOperation([](LookupView& view) { lookup::ShowLanguageSwitchTip(view); });
    m_menus.SetLanguage(language);
    m_services.settings.Write(app::setting::kLanguage, language == Language::Chinese ? 0 : 1);

    m_languageLines.Load(m_services.files, language);
    m_menus.ApplyCaptions(m_languageLines);
    ::DrawMenuBar(Handle());
    const auto apply = [&](int lineNumber, auto&& set) {
        if (const auto& text = m_languageLines.Line(lineNumber)) {
            set(*text);
        }
    };
    const auto caption = [&](int lineNumber, Control control) {
        apply(lineNumber, [&](const std::wstring& text) { SetText(Child(control), text); });
    };
    caption(line::kTypeFrame, Control::Frame1);
    caption(line::kModeFrame, Control::Frame2);
    caption(line::kModeLabel, Control::Label1);
    caption(line::kCharacterOption, Control::Option2_0);
    caption(line::kValueOption, Control::Option2_1);
    caption(line::kInputLabel, Control::Label2);
    apply(line::kSearchButton, [&](const std::wstring& text) { m_view.searchCaption = text; });
    apply(line::kOutputFrame, [&](const std::wstring& text) { m_view.frameCaption = text; });
    apply(line::kListButton, [&](const std::wstring& text) { m_command2.Button().SetCaption(text); });
    apply(line::kHideButton, [&](const std::wstring& text) { m_command3.Button().SetCaption(text); });
    apply(line::kExitButton, [&](const std::wstring& text) { m_command4.SetCaption(text); });
    apply(line::kWindowTitle, [&](const std::wstring& text) { SetText(Handle(), text); });

    const app::LanguageGeometry geometry = app::GeometryFor(language);
    m_geometry[Control::Option2_0].left = geometry.characterOptionLeft;
    m_geometry[Control::Option2_1].left = geometry.valueOptionLeft;
    if (geometry.valueOptionWidth) {
        m_geometry[Control::Option2_1].width = *geometry.valueOptionWidth;
    }
    m_geometry[Control::Label2].top = geometry.inputLabelTop;
    m_geometry[Control::Text1].left = geometry.inputLeft;
    m_geometry[Control::Text1].width = geometry.inputWidth;
    m_geometry[Control::Command2].width = geometry.listButtonWidth;
    for (const Control control : {Control::Option2_0, Control::Option2_1, Control::Label2, Control::Text1}) {
        Place(control);
    }
    m_view.searchWidth = geometry.searchButtonWidth;
    m_view.searchLeft = geometry.searchButtonLeft;
    m_view.listLeft = geometry.listButtonLeft;
    m_shown.listLeft = -1;  // Command2's width changed: place it again
    lookup::SetSearchButtonForLanguage(m_view);
    ApplyView();
}

void MainWindow::SetScreen(bool eightHundred) {
    m_menus.SetTableLayout(eightHundred);
    m_view.tableLayout = eightHundred;
    m_services.settings.Write(app::setting::kScreen, eightHundred ? 1 : 0);
}

void MainWindow::ToggleRunAtStartup() {
    if (m_menus.RunAtStartup()) {
        m_menus.SetRunAtStartup(false);
        app::TurnStartupOff(m_services.settings, m_services.runKeys);
        return;
    }
    const auto result = app::TurnStartupOn(m_services.settings, m_services.runKeys, m_services.exePath);
    if (result == app::StartupEntryResult::Failed) {
        m_menus.SetRunAtStartup(false);
        m_services.showMessage(Handle(), m_view.language == Language::Chinese
                                             ? L"无法写入开机自运行项，“开机自运行”未开启。"
                                             : L"Orvell could not add itself to the programs that start with "
                                               L"Windows; \"Run at Startup\" stays off.");
        return;
    }
    m_menus.SetRunAtStartup(true);
}

void MainWindow::SetTrayTip() {
    m_tray->SetTip(kProductName);
}

void MainWindow::HideToTray(bool fromButton) {
    HWND label3 = Child(Control::Label3);
    if (fromButton) {
        SetText(label3, L"Yes");
        ::ShowWindow(Handle(), SW_HIDE);
        m_tray->Show();
        m_tray->SetPopupMenu(m_menus.Shortcut());
        SetTrayTip();
        return;
    }
    ::ShowWindow(Handle(), SW_HIDE);
    m_tray->SetIcon(m_smallIcon.Get());
    m_tray->SetPopupMenu(m_menus.Shortcut());
    m_tray->Show();
    SetTrayTip();
    SetText(label3, L"Yes");
}

void MainWindow::ShowFromTray() {
    SetText(Child(Control::Label3), L"No");
    ::ShowWindow(Handle(), SW_SHOW);
    ::SetForegroundWindow(Handle());
    SetTrayTip();
}

void MainWindow::ShowFromTrayIcon() {
    // Whatever shows the window from the tray marks it shown, so the next hotkey press hides it.
    SetText(Child(Control::Label3), L"No");
    ::ShowWindow(Handle(), SW_SHOW);
    ::SetForegroundWindow(Handle());
}

void MainWindow::OnHotkeyPressed() {
    m_hotkey->Activate();
    if (GetText(Child(Control::Label3)) == L"No") {
        HideToTray(false);
    } else {
        ShowFromTray();
    }
}

void MainWindow::OnTimer() {
    keyboard::ApplyHotkey(m_services.settings, *m_hotkey);
}

void MainWindow::ShowShortcutMenu() {
    POINT at{};
    ::GetCursorPos(&at);
    ::TrackPopupMenuEx(m_menus.Shortcut(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, Handle(), nullptr);
}

void MainWindow::CopyOutputToClipboard() {
    HWND text2 = Child(Control::Text2);
    ::SendMessageW(text2, EM_SETSEL, 0, -1);
    const std::wstring text = GetText(text2);
    if (!::OpenClipboard(Handle())) {
        return;
    }
    ::EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (void* target = ::GlobalLock(memory)) {
            std::memcpy(target, text.c_str(), bytes);
            ::GlobalUnlock(memory);
            if (!::SetClipboardData(CF_UNICODETEXT, memory)) {
                ::GlobalFree(memory);
            }
        } else {
            ::GlobalFree(memory);
        }
    }
    ::CloseClipboard();
}

void MainWindow::OnOptionClicked(Control control) {
    using lookup::SearchMode;
    using lookup::SearchType;
    switch (control) {
        case Control::Option1_0:
        case Control::Option1_1:
        case Control::Option1_2: {
            const auto type = control == Control::Option1_0   ? SearchType::VisualBasic
                              : control == Control::Option1_1 ? SearchType::Delphi
                                                              : SearchType::C;
            if (type != m_view.type) {
                m_view.type = type;
                RunOperation([](LookupView& view) { lookup::TypeChanged(view); });
            }
            break;
        }
        default: {
            const auto mode = control == Control::Option2_0 ? SearchMode::Search : SearchMode::ReverseSearch;
            if (mode != m_view.mode) {
                m_view.mode = mode;
                RunOperation([](LookupView& view) { lookup::ModeChanged(view); });
            }
            break;
        }
    }
}

void MainWindow::OnCommand(UINT id) {
    using namespace menu_id;
    const auto list = [&](void (*command)(LookupView&)) { RunOperation(command); };
    switch (id) {
        case kVB:
            return list(lookup::ShowListVisualBasic);
        case kDelphi:
            return list(lookup::ShowListDelphi);
        case kC:
            return list(lookup::ShowListC);
        case kAscII0:
        case kAscII1:
        case kAscII2: {
            ShowFromTrayIcon();
            const int item = static_cast<int>(id - kAscII0);
            return RunOperation([item](LookupView& view) { lookup::ShowListFromShortcutMenu(view, item); });
        }
        case kChinese:
            return SwitchLanguage(Language::Chinese);
        case kEnglish:
            return SwitchLanguage(Language::English);
        case kLanguage0:
            SwitchLanguage(Language::Chinese);
            return SetTrayTip();
        case kLanguage1:
            SwitchLanguage(Language::English);
            return SetTrayTip();
        case kEight:
        case kBai0:
            return SetScreen(true);
        case kThousand:
        case kBai1:
            return SetScreen(false);
        case kRun:
        case kOther0:
            return ToggleRunAtStartup();
        case kExit:
        case kOther1:
            return ExitProgram();
        default:
            break;
    }
    // The key-code test, hotkey setting, Help and About windows come with their own commands.
    switch (static_cast<int>(id) - kFirstControlId) {
        case static_cast<int>(Control::Command1):
            return RunOperation([this](LookupView& view) { m_lookup.Run(view); });
        case static_cast<int>(Control::Command2):
            return list(lookup::ShowList);
        case static_cast<int>(Control::Command3):
            return HideToTray(true);
        case static_cast<int>(Control::Command4):
            return ExitProgram();
        case static_cast<int>(Control::Option1_0):
        case static_cast<int>(Control::Option1_1):
        case static_cast<int>(Control::Option1_2):
        case static_cast<int>(Control::Option2_0):
        case static_cast<int>(Control::Option2_1):
            return OnOptionClicked(static_cast<Control>(static_cast<int>(id) - kFirstControlId));
        default:
            return;
    }
}

bool MainWindow::OnAccessKey(wchar_t key) {
    if (m_command2.HandleAccessKey(key) || m_command3.HandleAccessKey(key)) {
        return true;
    }
    const wchar_t upper = UpperCase(key);
    for (const auto& [button, control] :
         {std::pair{&m_command1, Control::Command1}, std::pair{&m_command4, Control::Command4}}) {
        const std::wstring caption = button->Caption();
        for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
            if (caption[i] != L'&') {
                continue;
            }
            if (caption[i + 1] == L'&') {
                ++i;
                continue;
            }
            if (UpperCase(caption[i + 1]) == upper && ::IsWindowVisible(button->Handle()) &&
                ::IsWindowEnabled(button->Handle())) {
                OnCommand(static_cast<UINT>(ControlId(control)));
                return true;
            }
        }
    }
    return false;
}

bool MainWindow::PreTranslate(MSG& message) {
    if (!Handle() || (message.hwnd != Handle() && !::IsChild(Handle(), message.hwnd))) {
        return false;
    }
    if (::TranslateAcceleratorW(Handle(), m_menus.Accelerators(), &message)) {
        return true;
    }
    // A button's access key beats a menu's with the same letter ("查询(&S)" and "设置(&S)").
    if (message.message == WM_SYSKEYDOWN && (message.lParam & (1 << 29)) != 0) {
        const UINT character = ::MapVirtualKeyW(static_cast<UINT>(message.wParam), MAPVK_VK_TO_CHAR);
        if (character != 0 && OnAccessKey(static_cast<wchar_t>(character & 0xFFFF))) {
            return true;
        }
    }
    return false;
}

LRESULT MainWindow::OnControlColour(HDC dc, HWND control) {
    for (const Control output : {Control::Text2, Control::Text3, Control::Text4}) {
        if (control == Child(output)) {
            ::SetBkColor(dc, RGB(255, 255, 255));
            ::SetTextColor(dc, output == Control::Text2 ? Resolve(m_view.style.colour)
                                                        : ::GetSysColor(COLOR_WINDOWTEXT));
            return reinterpret_cast<LRESULT>(m_white.Get());
        }
    }
    if (control == Child(Control::Text1)) {
        return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
    }
    ::SetBkColor(dc, kBackground);
    ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
    return reinterpret_cast<LRESULT>(m_background.Get());
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == 0 || HIWORD(wParam) == 1 || HIWORD(wParam) == BN_CLICKED) {
                OnCommand(LOWORD(wParam));
            }
            return 0;
        case WM_TIMER:
            if (wParam == kHotkeyTimer) {
                OnTimer();
            }
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_ERASEBKGND: {
            RECT client{};
            ::GetClientRect(Handle(), &client);
            ::FillRect(reinterpret_cast<HDC>(wParam), &client, m_background.Get());
            return 1;
        }
        case WM_RBUTTONDOWN: {
            // The output frame is not one of the places that offer the shortcut menu.
            const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            RECT frame3{};
            ::GetWindowRect(Child(Control::Frame3), &frame3);
            ::MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&frame3), 2);
            if (!::PtInRect(&frame3, at)) {
                ShowShortcutMenu();
            }
            return 0;
        }
        case WM_SETFOCUS:
            ::SetFocus(Child(Control::Text1));
            return 0;
        case WM_CLOSE:
            ExitProgram();
            return 0;
        case WM_DESTROY:
            ::KillTimer(Handle(), kHotkeyTimer);
            m_tray.reset();  // the icon leaves the notification area with the program
            ::PostQuitMessage(0);
            return 0;
        default:
            return Window::HandleMessage(message, wParam, lParam);
    }
}

LRESULT CALLBACK MainWindow::ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self) {
    return reinterpret_cast<MainWindow*>(self)->OnChildMessage(static_cast<Control>(id), window, message,
                                                               wParam, lParam);
}

LRESULT MainWindow::OnChildMessage(Control control, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (control) {
        case Control::Text1:
            if (message == WM_CHAR) {
                const int key = static_cast<int>(wParam);
                RunOperation([key](LookupView& view) { lookup::KeyPress(view, key); });
                if (key == VK_RETURN) {
                    return 0;  // the box is empty already; a single-line box would only beep
                }
            } else if (message == WM_KEYDOWN && wParam == VK_DELETE) {
                RunOperation([](LookupView& view) { lookup::ClearInput(view); });
            } else if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN) {
                RunOperation([](LookupView& view) { lookup::ClearInput(view); });
            } else if (message == WM_CONTEXTMENU) {
                return 0;  // the input box offers no menu
            }
            break;
        case Control::Text2:
            if (message == WM_LBUTTONDBLCLK) {
                const LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
                CopyOutputToClipboard();
                return result;
            }
            break;
        case Control::Option1_0:
        case Control::Option1_1:
        case Control::Option1_2:
        case Control::Option2_0:
        case Control::Option2_1:
            if (message == WM_RBUTTONDOWN) {
                ShowShortcutMenu();
                return 0;
            }
            break;
        default:
            break;
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace orvell::win
