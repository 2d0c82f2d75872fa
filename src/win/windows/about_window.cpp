#include "windows/about_window.h"

#include <commctrl.h>

#include <string>

#include "app/language.h"
#include "platform/dpi.h"
#include "platform/gdi.h"
#include "platform/system_library.h"
#include "platform/text_file.h"
#include "skin/art_scale.h"
#include "skin/title_bar_layout.h"

namespace orvell::win {

namespace {

using Control = AboutWindow::Control;

constexpr wchar_t kClassName[] = L"OrvellAbout";
constexpr int kFirstControlId = 100;

constexpr int Id(Control control) {
    return kFirstControlId + static_cast<int>(control);
}

// The credits as the screen draws them in their font: a substitute face (Wine's for SimSun) writes
// taller lines and wider characters, and the address must still end the last line.
help::CreditsMeasure MeasureCredits(HFONT font, help::Language language) {
    const ClientDc screen(nullptr);
    const SelectGuard selected(screen.Get(), font);
    TEXTMETRICW metrics{};
    const std::wstring line = help::CreditsLastLine(language);
    SIZE extent{};
    if (!selected || !::GetTextMetricsW(screen.Get(), &metrics) ||
        !::GetTextExtentPoint32W(screen.Get(), line.c_str(), static_cast<int>(line.size()), &extent)) {
        return {};
    }
    const Dpi dpi = ScreenDpi();
    return {skin::PixelsToTwips(metrics.tmHeight, dpi.y), skin::PixelsToTwips(extent.cx, dpi.x)};
}

Rect Pixels(const TwipsScale& scale, const Rect& twips) {
    return scale.Bounds(twips.left, twips.top, twips.Width(), twips.Height());
}

// What ShellExecuteW returns when it has opened the target.
constexpr INT_PTR kShellExecuteSucceeded = 32;

}  // namespace

AboutWindow::AboutWindow()
    : m_shellExecute(&ShellExecuteFile),
      m_messageBox([](HWND owner, const std::wstring& text, const std::wstring& title, UINT flags) {
          return ::MessageBoxW(owner, text.c_str(), title.c_str(), flags);
      }) {}

AboutWindow::~AboutWindow() {
    if (Handle() != nullptr) {
        ::DestroyWindow(Handle());
    }
}

bool AboutWindow::Open(HWND owner, const app::SettingsStore& settings) {
    if (IsOpen()) {
        BringToFront();
        return true;
    }
    m_language = app::LanguageFromSetting(settings.Read(app::setting::kLanguage));
    m_linkHot = false;
    const help::AboutTexts texts = help::AboutTextsFor(m_language);
    const TwipsScale scale = TwipsScale::ForScreen();
    return OpenCentred(owner, settings,
                       {kClassName, texts.caption, texts.barCaption,
                        SIZE{scale.X(help::kAboutClientWidth), scale.Y(help::kAboutClientHeight)},
                        ClassBrush(help::kAboutBackground)});
}

LRESULT AboutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_SETCURSOR:
            if (OnSetCursor(reinterpret_cast<HWND>(wParam), HIWORD(lParam))) {
                return TRUE;
            }
            break;
        case WM_CTLCOLORSTATIC:
            return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_DESTROY:
            m_children = {};
            break;
        default:
            break;
    }
    return SecondaryWindow::HandleMessage(message, wParam, lParam);
}

void AboutWindow::CreateControls() {
    const help::AboutTexts texts = help::AboutTextsFor(m_language);
    m_font = MakeFont(controls::SongTi(9));
    const help::AboutLayout layout =
        help::AboutLayoutFor(m_language, MeasureCredits(m_font.Get(), m_language));
    controls::FontDescription link = controls::SongTi(9);
    link.underline = true;
    m_linkFont = MakeFont(link);

    // Made in the order Tab walks them; the address lies over the end of the credits' last line.
    m_command1.Create(Handle(), Id(Control::Command1), texts.exit,
                      Pixels(TwipsScale::ForScreen(), layout.command1), m_font.Get());
    m_children[static_cast<std::size_t>(Control::Command1)] = m_command1.Handle();
    MakeLabel(Control::Label4, layout.label4, help::kContactAddress, SS_NOTIFY | WS_TABSTOP,
              m_linkFont.Get());
    MakeLabel(Control::Label1, layout.label1, texts.label1, SS_LEFTNOWORDWRAP, m_font.Get());
    MakeLabel(Control::Label2, layout.label2, texts.label2, SS_LEFTNOWORDWRAP, m_font.Get());
    MakeLabel(Control::Label3, layout.label3, texts.label3, 0, m_font.Get());
    MakePicture(Control::Image1, layout.image1, L"ABOUTAKEY", m_image1);
    MakePicture(Control::Image2, layout.image2, L"ABOUTKEYS", m_image2);
    for (const Control control : {Control::Command1, Control::Label4}) {
        Adopt(Child(control));
    }
}

HWND AboutWindow::MakeLabel(Control control, const Rect& twips, std::wstring_view text, DWORD style,
                            HFONT font) {
    const HWND label =
        CreateChild(Handle(), L"STATIC", text, WS_VISIBLE | WS_CLIPSIBLINGS | SS_LEFT | SS_NOPREFIX | style,
                    Id(control), Pixels(TwipsScale::ForScreen(), twips));
    // Each below those made before it.
    ::SetWindowPos(label, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    m_children[static_cast<std::size_t>(control)] = label;
    return label;
}

HWND AboutWindow::MakePicture(Control control, const Rect& twips, const wchar_t* resource,
                              unique_hbitmap& picture) {
    // The picture drawn for the DPI is the size of its box there (at 96, 120, 144 and 192 dpi); between
    // those the box takes the next larger one, shrunk to it.
    const TwipsScale scale = TwipsScale::ForScreen();
    const HWND image = CreateChild(Handle(), L"STATIC", L"", WS_VISIBLE | SS_BITMAP | SS_REALSIZECONTROL,
                                   Id(control), Pixels(scale, twips));
    m_children[static_cast<std::size_t>(control)] = image;
    ShowPicture(control, resource, picture, scale.GetDpi().y);
    return image;
}

void AboutWindow::ShowPicture(Control control, const wchar_t* resource, unique_hbitmap& picture, int dpi) {
    const std::wstring name = ArtResourceName(resource, skin::ArtScaleFor(dpi));
    unique_hbitmap shown(static_cast<HBITMAP>(
        ::LoadImageW(::GetModuleHandleW(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    ::SendMessageW(Child(control), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(shown.Get()));
    picture = std::move(shown);  // the control let go of the one before
}

void AboutWindow::AfterDpiChange(Dpi dpi) {
    ShowPicture(Control::Image1, L"ABOUTAKEY", m_image1, dpi.y);
    ShowPicture(Control::Image2, L"ABOUTKEYS", m_image2, dpi.y);
}

void AboutWindow::OnCommand(UINT id, UINT notification) {
    if (id == Id(Control::Command1) && notification == BN_CLICKED) {
        Close();
    } else if (id == Id(Control::Label4) && notification == STN_CLICKED) {
        OpenMail();
    }
}

bool AboutWindow::OnSetCursor(HWND over, UINT mouseMessage) {
    if (over != Child(Control::Label4)) {
        return false;
    }
    if (mouseMessage == WM_MOUSEMOVE && !m_linkHot) {
        m_linkHot = true;
        ::InvalidateRect(over, nullptr, TRUE);
    }
    ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
    return true;
}

LRESULT AboutWindow::OnControlColour(HDC dc, HWND control) {
    const Colour colour = control == Child(Control::Label4)
                              ? (m_linkHot ? help::kLinkHoverColour : help::kLinkColour)
                              : Colour::Rgb(0, 0, 0);
    ::SetTextColor(dc, ToColorRef(colour));
    ::SetBkColor(dc, ToColorRef(help::kAboutBackground));
    return reinterpret_cast<LRESULT>(ClassBrush(help::kAboutBackground));
}

bool AboutWindow::OnOwnKey(HWND control, UINT message, WPARAM key) {
    if (control != Child(Control::Label4)) {
        return false;
    }
    if (message == WM_KEYDOWN && (key == VK_RETURN || key == VK_SPACE)) {
        OpenMail();
        return true;
    }
    return message == WM_CHAR && key == L' ';
}

void AboutWindow::OpenMail() {
    const std::wstring target = help::MailtoTarget();
    const std::wstring folder = ExeFolder();
    const auto result = reinterpret_cast<INT_PTR>(
        m_shellExecute(Handle(), L"open", target.c_str(), L"", folder.c_str(), SW_SHOWNORMAL));
    if (result > kShellExecuteSucceeded) {
        return;
    }
    const help::NoMailMessage message = help::NoMailMessageFor(m_language);
    m_messageBox(Handle(), message.text, std::wstring(message.title), MB_OK | MB_ICONINFORMATION);
}

}  // namespace orvell::win
