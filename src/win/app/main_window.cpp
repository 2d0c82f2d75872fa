#include "app/main_window.h"

#include <windowsx.h>

#include <utility>

#include "app/clipboard.h"
#include "app/main_layout.h"
#include "app/registry_store.h"
#include "app/shell_texts.h"
#include "lookup/messages.h"

namespace orvell::win {

namespace {

using lookup::Language;
using lookup::LookupView;
using Control = MainWindow::Control;
namespace line = app::language_line;

constexpr UINT_PTR kHotkeyTimer = 1;
constexpr UINT kHotkeyTimerInterval = 100;  // ms
// Posted by the settings when they change.
constexpr UINT kSettingsChanged = WM_APP + 1;
// WM_COMMAND's notification code for a command from an accelerator; menus send 0, as buttons send
// BN_CLICKED.
constexpr WORD kFromAccelerator = 1;

}  // namespace

MainWindow::MainWindow(MainWindowServices services)
    : m_services(std::move(services)), m_lookup(m_services.files) {
    if (!m_services.showMessage) {
        m_services.showMessage = [](HWND owner, const std::wstring& text) {
            const std::wstring title(app::kProductName);
            ::MessageBoxW(owner, text.c_str(), title.c_str(), MB_OK | MB_ICONWARNING);
        };
    }
}

MainWindow::~MainWindow() {
    if (Handle() != nullptr) {
        ::DestroyWindow(Handle());
    }
}

bool MainWindow::Open() {
    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    const TwipsScale scale = TwipsScale::ForScreen();
    const SIZE client{scale.X(app::kMainClientWidth), scale.Y(app::kMainClientHeight)};
    RECT frame{0, 0, client.cx, client.cy};
    ::AdjustWindowRectEx(&frame, kStyle, TRUE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;

    WindowClass windowClass;
    windowClass.name = L"OrvellMain";
    windowClass.style = CS_DBLCLKS;
    windowClass.background = nullptr;  // erased with the window's own brush
    windowClass.icon = ProgramIcon(SM_CXICON);
    windowClass.smallIcon = ProgramIcon(SM_CXSMICON);
    WindowCreation creation;
    const std::wstring title(app::kProductName);
    creation.title = title.c_str();
    creation.style = kStyle;
    const Point origin = CentredOnScreen(width, height);
    creation.x = origin.x;
    creation.y = origin.y;
    creation.width = width;
    creation.height = height;
    if (!Create(windowClass, creation)) {
        return false;
    }
    m_menus.AttachBar(Handle());
    AttachSkin(client);
    m_controls.Create(Handle(), &MainWindow::ChildProc, reinterpret_cast<DWORD_PTR>(this));
    m_tray = std::make_unique<TrayPresence>(Handle(), Child(Control::Label3), m_menus.Shortcut(),
                                            m_services.trayNotify);
    StartUp();
    if (m_services.watchSettings) {
        m_services.watchSettings(Handle(), kSettingsChanged);
    }
    // A double click on the hotkey setting window opens the list of the program's keys over it, or
    // turns Help to that list when Help is open already (under the setting window).
    m_hotkeySetting.SetHelpHandler([this](HWND owner) {
        if (m_help.IsOpen()) {
            m_help.ShowPage(help::HelpPage::Shortcuts);
        }
        OpenHelp(owner, help::HelpPage::Shortcuts);
    });
    StartHotkeyTimer();
    return true;
}

void MainWindow::AttachSkin(SIZE client) {
    const FrameSkin frame = LoadFrameSkin(WindowDpi(Handle()).y);
    m_caption.ActiveCaptionColor(Colour(0xFFFFFF));
    m_caption.InActiveCaptionColor(Colour(0xC0C0C0));
    m_caption.ActiveMenuColor(Colour(0));
    m_caption.ActiveMenuColorOver(Colour(0));
    m_caption.InActiveMenuColor(Colour(0));
    m_caption.MenuBackgroundColor(app::kMainBackground);
    m_caption.CaptionFont(controls::SongTi(9));
    m_caption.MenuFont(controls::SongTi(9));
    m_caption.SetHostAltKey([this](int vKey) { return ClickByAltKey(static_cast<UINT>(vKey)); });
    const skin::CaptionArt& art = frame.art;
    try {
        m_caption.Attach(Handle(), frame.caption.Get(), frame.border.Get(), art.buttonWidth, art.buttonHeight,
                         art.activeLeftEnd, art.activeRightStart, art.activeRightEnd, art.inactiveOffset,
                         art.scale);
    } catch (const SubclassError&) {
        return;  // the system's own frame stays
    }
    // The client area keeps its size: the window grows or shrinks by the new margins, still centred.
    const SIZE size = WindowSizeFor(client);
    const Point origin = CentredOnScreen(size.cx, size.cy);
    ::SetWindowPos(Handle(), nullptr, origin.x, origin.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE MainWindow::WindowSizeFor(SIZE client) const {
    RECT window{};
    RECT now{};
    ::GetWindowRect(Handle(), &window);
    ::GetClientRect(Handle(), &now);
    return {client.cx + (window.right - window.left) - now.right,
            client.cy + (window.bottom - window.top) - now.bottom};
}

// The window moved to a screen of another DPI, or the screen's changed: the frame's pictures, the
// controls' places and fonts for it, and the window at the place the system suggests, sized for its
// client area at that DPI (the frame's pictures come in steps, so the system's scaling of the old
// size would be a little off).
void MainWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    m_caption.ChangeDpi(LoadFrameSkin(dpi), dpi);
    m_controls.ChangeDpi(Dpi{dpi, dpi});
    const TwipsScale scale(Dpi{dpi, dpi});
    const SIZE size = WindowSizeFor({scale.X(app::kMainClientWidth), scale.Y(app::kMainClientHeight)});
    ::SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, size.cx, size.cy,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

void MainWindow::StartUp() {
    m_tray->DeactivateHotkey();
    m_view.output = lookup::Tip(Language::Chinese, lookup::SearchMode::Search, lookup::TableKind::Short);
    m_controls.Apply(m_view);

    const app::StartupSettings settings = app::LoadStartupSettings(m_services.settings);
    SetScreen(settings.screen == 1);
    SwitchLanguage(app::LanguageFromSetting(settings.language));
    if (settings.softwareRun == 1) {
        StartHidden();
    } else {
        StartShown();
    }
}

void MainWindow::StartHidden() {
    m_tray->StartHidden(m_view.language);
    // Written again at every start, so a program that was moved fixes its entry.
    TurnRunAtStartupOn(app::StartupEntryFailure::AtStart);
}

void MainWindow::StartShown() {
    m_tray->StartShown();
    TurnRunAtStartupOff();
    ::ShowWindow(Handle(), SW_SHOW);
    ::UpdateWindow(Handle());
    ::SetForegroundWindow(Handle());
    m_controls.Apply(m_view);  // the focus, now that the window shows
}

void MainWindow::ExitProgram() {
    m_tray->DeactivateHotkey();
    ::DestroyWindow(Handle());
    ::PostQuitMessage(0);  // no window is left
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case kSettingsChanged:
            if (wParam == kSettingsFailedNote) {
                m_services.showMessage(Handle(), std::wstring(app::SettingsFailedMessage(m_view.language)));
            } else {
                StartHotkeyTimer();
            }
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            return m_controls.ControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_ERASEBKGND:
            return OnEraseBackground(reinterpret_cast<HDC>(wParam));
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_SIZE:
            if (wParam != SIZE_MINIMIZED) {
                FitRegionToFrame();
            }
            return Window::HandleMessage(message, wParam, lParam);
        case WM_RBUTTONDOWN:
            OnRightButtonDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_SYSCOMMAND:
            if (OnSysCommand(wParam, lParam)) {
                return 0;
            }
            return Window::HandleMessage(message, wParam, lParam);
        case WM_SETFOCUS:
            ::SetFocus(Child(Control::Text1));
            return 0;
        case WM_CLOSE:
            ExitProgram();
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        default:
            return Window::HandleMessage(message, wParam, lParam);
    }
}

void MainWindow::OnCommand(UINT id, UINT notification) {
    using namespace menu_id;
    if (notification != BN_CLICKED && notification != kFromAccelerator) {
        return;  // the edit boxes' notifications
    }
    if (const auto control = MainControls::FromId(id)) {
        return OnControlClicked(*control);
    }
    if (id == kOutputCopy || id == kOutputSelectAll || CopyAsFormat(id)) {
        return OnOutputMenuCommand(id);
    }
    switch (id) {
        case kVB:
            return RunOperation(lookup::ShowListVisualBasic);
        case kDelphi:
            return RunOperation(lookup::ShowListDelphi);
        case kC:
            return RunOperation(lookup::ShowListC);
        case kAscII0:
        case kAscII1:
        case kAscII2:
            m_tray->ShowFromTrayIcon();
            return RunOperation([item = static_cast<int>(id - kAscII0)](LookupView& view) {
                lookup::ShowListFromShortcutMenu(view, item);
            });
        case kChinese:
            return SwitchLanguage(Language::Chinese);
        case kEnglish:
            return SwitchLanguage(Language::English);
        case kLanguage0:
            SwitchLanguage(Language::Chinese);
            return m_tray->SetTrayTip();
        case kLanguage1:
            SwitchLanguage(Language::English);
            return m_tray->SetTrayTip();
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
        case kKeyCodeTest:
        case kHideKeySetting1:
            return OpenSecondary(m_keyCodeTest,
                                 [this] { return m_keyCodeTest.Open(Handle(), m_services.settings); });
        case kHideKey:
        case kHideKeySetting0:
            return OpenSecondary(m_hotkeySetting,
                                 [this] { return m_hotkeySetting.Open(Handle(), m_services.settings); });
        case kNew:
            m_menus.SetOpenedElsewhere(kHelpTopic0, true);
            return OpenHelp(Handle(), help::HelpPage::Description);
        case kHelpTopic0:
            return OpenHelp(Handle(), help::HelpPage::Description);
        case kAbout:
            m_menus.SetOpenedElsewhere(kHelpTopic1, true);
            return OpenAbout();
        case kHelpTopic1:
            return OpenAbout();
        default:
            return;
    }
}

void MainWindow::OpenSecondary(ModalWindow& window, const std::function<bool()>& open,
                               const std::function<void()>& afterClosing) {
    if (window.IsOpen()) {
        return window.BringToFront();
    }
    m_tray->SecondaryWindowOpened();
    const auto closed = [this, afterClosing] {
        if (afterClosing) {
            afterClosing();
        }
        if (m_tray) {
            m_tray->SecondaryWindowClosed();
        }
    };
    window.SetOnClosed(closed);
    if (!open()) {
        closed();
    }
}

void MainWindow::OpenHelp(HWND owner, help::HelpPage page) {
    // However it was opened, its closing frees the shortcut menu's item.
    OpenSecondary(
        m_help, [this, owner, page] { return m_help.Open(owner, m_services.settings, page); },
        [this] { m_menus.SetOpenedElsewhere(menu_id::kHelpTopic0, false); });
}

void MainWindow::OpenAbout() {
    OpenSecondary(
        m_about, [this] { return m_about.Open(Handle(), m_services.settings); },
        [this] { m_menus.SetOpenedElsewhere(menu_id::kHelpTopic1, false); });
}

void MainWindow::OnControlClicked(Control control) {
    switch (control) {
        case Control::Command1:
            return RunOperation([this](LookupView& view) { m_lookup.Run(view); });
        case Control::Command2:
            return RunOperation(lookup::ShowList);
        case Control::Command3:
            return m_tray->HideToTray();
        case Control::Command4:
            return ExitProgram();
        default:
            if (app::IsOption(control)) {
                OnOptionClicked(control);
            }
            return;
    }
}

void MainWindow::OnOptionClicked(Control control) {
    using lookup::SearchMode;
    using lookup::SearchType;
    if (control == Control::Option2_0 || control == Control::Option2_1) {
        const auto mode = control == Control::Option2_0 ? SearchMode::Search : SearchMode::ReverseSearch;
        if (mode != m_view.mode) {
            m_view.mode = mode;
            RunOperation(lookup::ModeChanged);
        }
        return;
    }
    const auto type = control == Control::Option1_0   ? SearchType::VisualBasic
                      : control == Control::Option1_1 ? SearchType::Delphi
                                                      : SearchType::C;
    if (type != m_view.type) {
        m_view.type = type;
        RunOperation(lookup::TypeChanged);
    }
}

void MainWindow::StartHotkeyTimer() {
    ::SetTimer(Handle(), kHotkeyTimer, kHotkeyTimerInterval, nullptr);
}

void MainWindow::OnTimer(UINT_PTR id) {
    if (id != kHotkeyTimer) {
        return;
    }
    m_tray->ApplyHotkey(m_services.settings);
    // Ten ticks a second would keep the program awake for nothing: with the settings watched the
    // timer rests once the key is held, until they change or a secondary window gives the key back.
    // A key another program holds is tried again at every tick.
    if (m_services.watchSettings && m_tray->Hotkey().IsRegistered()) {
        ::KillTimer(Handle(), kHotkeyTimer);
    }
}

// The window keeps its caption and system menu styles, for what the system gives a captioned window
// (taskbar button, minimising from it, Alt+Space, Alt+Tab), and the program draws that caption and the
// borders itself. A region of the window's own size says so to the system: Windows then draws no
// themed frame behind the drawn one, and Wine's X11 driver leaves the frame to the window instead of
// handing caption and borders to a window manager (which cut the drawn frame off, even with no
// manager running).
void MainWindow::FitRegionToFrame() {
    RECT window{};
    ::GetWindowRect(Handle(), &window);
    const RECT wanted{0, 0, window.right - window.left, window.bottom - window.top};
    RECT held{};
    if (::GetWindowRgnBox(Handle(), &held) != ERROR && ::EqualRect(&held, &wanted)) {
        return;  // setting it again would only repaint the frame
    }
    HRGN region = ::CreateRectRgnIndirect(&wanted);
    if (region != nullptr && ::SetWindowRgn(Handle(), region, TRUE) == 0) {
        ::DeleteObject(region);  // the system took it only on success
    }
}

LRESULT MainWindow::OnEraseBackground(HDC dc) {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    ::FillRect(dc, &client, m_controls.Background());
    return 1;
}

void MainWindow::OnRightButtonDown(POINT at) {
    if (at.y < 0) {
        return;  // on the drawn menu bar, which the system counts as client area
    }
    // The output frame is not one of the places that offer the shortcut menu.
    RECT frame3{};
    ::GetWindowRect(Child(Control::Frame3), &frame3);
    ::MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&frame3), 2);
    if (!::PtInRect(&frame3, at)) {
        ShowShortcutMenu();
    }
}

void MainWindow::OnDestroy() {
    // The settings outlive the window and post from a thread of their own: stopped first, nothing
    // reaches the handle once it may belong to another window.
    if (m_services.watchSettings) {
        m_services.watchSettings(nullptr, 0);
    }
    ::KillTimer(Handle(), kHotkeyTimer);
    // The window destroys its menu with itself only while it holds it; the frame took it off.
    m_caption.RestoreMenu();
    m_tray.reset();  // the icon leaves the notification area with the window
}

void MainWindow::SwitchLanguage(Language language) {
    m_tray->SetTrayTip();
    const RepaintOnce repaint(Handle());  // some twenty captions, the frame and the layout change
    m_view.language = language;
    RunOperation(lookup::ShowLanguageSwitchTip);
    m_menus.SetLanguage(language);
    m_services.settings.Write(app::setting::kLanguage, app::LanguageSetting(language));

    m_languageLines.Load(m_services.files, language);
    m_menus.ApplyCaptions(m_languageLines);
    if (m_caption.Attached()) {
        m_caption.Repaint();
    } else {
        ::DrawMenuBar(Handle());
    }
    for (const app::CaptionLine& caption : app::kCaptionLines) {
        if (const auto& text = m_languageLines.Line(caption.line)) {
            m_controls.SetCaption(caption.control, *text);
        }
    }
    if (const auto& title = m_languageLines.Line(line::kWindowTitle)) {
        SetText(Handle(), *title);
    }
    if (const auto& frame = m_languageLines.Line(line::kOutputFrame)) {
        m_view.frameCaption = *frame;
    }
    // The file's search button caption (line 15) never shows: the lookup's own follows at once.
    lookup::SetSearchButtonForLanguage(m_view);
    m_controls.Apply(m_view);
}

void MainWindow::SetScreen(bool eightHundred) {
    m_menus.SetTableLayout(eightHundred);
    m_view.tableLayout = eightHundred;
    m_services.settings.Write(app::setting::kScreen, eightHundred ? 1 : 0);
}

void MainWindow::ToggleRunAtStartup() {
    if (m_menus.RunAtStartup()) {
        TurnRunAtStartupOff();
    } else {
        TurnRunAtStartupOn(app::StartupEntryFailure::WhenTurnedOn);
    }
}

void MainWindow::TurnRunAtStartupOn(app::StartupEntryFailure failure) {
    const bool on = app::TurnStartupOn(m_services.settings, m_services.runKeys, m_services.exePath) !=
                    app::StartupEntryResult::Failed;
    m_menus.SetRunAtStartup(on);
    if (!on) {
        // Over the secondary window on top, if one is open: its closing must not unblock this window.
        m_services.showMessage(TopModalWindow(Handle()),
                               std::wstring(app::StartupEntryFailedMessage(failure, m_view.language)));
    }
}

void MainWindow::TurnRunAtStartupOff() {
    m_menus.SetRunAtStartup(false);
    app::TurnStartupOff(m_services.settings, m_services.runKeys);
}

void MainWindow::ShowShortcutMenu() {
    POINT at{};
    ::GetCursorPos(&at);
    ::TrackPopupMenuEx(m_menus.Shortcut(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, Handle(), nullptr);
}

}  // namespace orvell::win
