#include "windows/help_window.h"

#include <commctrl.h>

#include <string>

#include "platform/dpi.h"
#include "platform/gdi.h"

namespace orvell::win {

namespace {

using help::HelpPage;
using Control = HelpWindow::Control;

constexpr wchar_t kClassName[] = L"OrvellHelp";
constexpr int kFirstControlId = 100;

constexpr int Id(Control control) {
    return kFirstControlId + static_cast<int>(control);
}

constexpr Control TextOf(HelpPage page) {
    return static_cast<Control>(static_cast<int>(Control::Text1) + static_cast<int>(page) - 1);
}

Rect Pixels(const TwipsScale& scale, const Rect& twips) {
    return scale.Bounds(twips.left, twips.top, twips.Width(), twips.Height());
}

// The text box's tab stop where the shortcut table's spaces end, so the actions after a Ctrl key line up
// with the others also in a font whose spaces and letters differ in width. A text box counts its tab
// stops in quarters of its font's average Latin letter.
void AlignShortcutTab(HWND text, HFONT font) {
    const ClientDc dc(text);
    const SelectGuard selected(dc.Get(), font);
    const std::wstring column = help::ShortcutKeysColumn();
    constexpr wchar_t kLetters[] = L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    SIZE extent{};
    SIZE letters{};
    if (selected &&
        ::GetTextExtentPoint32W(dc.Get(), column.c_str(), static_cast<int>(column.size()), &extent) &&
        ::GetTextExtentPoint32W(dc.Get(), kLetters, 52, &letters) && letters.cx > 0) {
        const int average = (letters.cx / 26 + 1) / 2;
        int stop = ::MulDiv(extent.cx, 4, average);
        ::SendMessageW(text, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&stop));
    }
}

}  // namespace

HelpWindow::~HelpWindow() {
    if (Handle() != nullptr) {
        ::DestroyWindow(Handle());
    }
}

bool HelpWindow::Open(HWND owner, const app::SettingsStore& settings, HelpPage page) {
    if (IsOpen()) {
        BringToFront();
        return true;
    }
    // The tab control's class, registered when the first window that has one is made.
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&classes);
    m_captions = help::HelpCaptionsFor(settings.Read(app::setting::kLanguage));
    m_page = page;
    const TwipsScale scale = TwipsScale::ForScreen();
    return OpenCentred(owner, settings,
                       {kClassName, m_captions.caption, m_captions.caption,
                        SIZE{scale.X(help::kHelpClientWidth), scale.Y(help::kHelpClientHeight)}});
}

LRESULT HelpWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->hwndFrom == Child(Control::TabStrip1) && header->code == TCN_SELCHANGE) {
                const auto selected = ::SendMessageW(header->hwndFrom, TCM_GETCURSEL, 0, 0);
                ShowPage(help::HelpPageFromTab(static_cast<int>(selected) + 1));
            }
            return 0;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == Id(Control::Command1) && HIWORD(wParam) == BN_CLICKED) {
                Close();
            }
            return 0;
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

HWND HelpWindow::MakeChild(Control control, const wchar_t* className, DWORD style, DWORD exStyle) {
    const TwipsScale scale = TwipsScale::ForScreen();
    const Rect twips = control == Control::TabStrip1 ? help::kTabStrip1Box
                       : control == Control::Frame1  ? help::kFrame1Box
                                                     : help::kPageBox;
    const HWND child = CreateChild(Handle(), className, L"", style | WS_CLIPSIBLINGS, Id(control),
                                   Pixels(scale, twips), exStyle);
    ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
    m_children[static_cast<std::size_t>(control)] = child;
    return child;
}

void HelpWindow::CreateControls() {
    m_font = MakeFont(controls::SongTi(9));
    m_pageBrush.Reset(::CreateSolidBrush(ToColorRef(help::kPageBackground)));

    // Made in the order Tab walks them.
    const HWND tabs = MakeChild(Control::TabStrip1, WC_TABCONTROLW, WS_VISIBLE | WS_TABSTOP, 0);
    for (std::size_t i = 0; i < m_captions.tabs.size(); ++i) {
        std::wstring text(m_captions.tabs[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        ::SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    // A frame that fills what it holds: the pages stand on it and the tab strip's page lies beneath.
    MakeChild(Control::Frame1, L"STATIC", WS_VISIBLE | SS_LEFT, WS_EX_STATICEDGE);
    for (int tab = 1; tab <= help::kPageCount; ++tab) {
        const HelpPage page = help::HelpPageFromTab(tab);
        const DWORD scroll = help::PageScrolls(page) ? WS_VSCROLL : 0;
        const HWND text =
            MakeChild(TextOf(page), L"EDIT",
                      ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_TABSTOP | scroll, WS_EX_CLIENTEDGE);
        SetText(text, help::HelpPageText(page));
    }
    AlignShortcutTab(Child(TextOf(HelpPage::Shortcuts)), m_font.Get());
    m_command1.Create(Handle(), Id(Control::Command1), m_captions.exit,
                      Pixels(TwipsScale::ForScreen(), help::kHelpCommand1Box), m_font.Get());
    m_children[static_cast<std::size_t>(Control::Command1)] = m_command1.Handle();

    // The tab strip and the frame lie under the pages they hold.
    ::SetWindowPos(Child(Control::Frame1), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SetWindowPos(tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (const Control control :
         {Control::TabStrip1, Control::Text1, Control::Text2, Control::Text3, Control::Command1}) {
        Adopt(Child(control));
    }
    ShowPage(m_page);
}

void HelpWindow::ShowPage(HelpPage page) {
    m_page = page;
    ::SendMessageW(Child(Control::TabStrip1), TCM_SETCURSEL, static_cast<WPARAM>(page) - 1, 0);
    for (int tab = 1; tab <= help::kPageCount; ++tab) {
        const HelpPage shown = help::HelpPageFromTab(tab);
        const HWND text = Child(TextOf(shown));
        if (shown != page && ::GetFocus() == text) {
            ::SetFocus(Child(Control::TabStrip1));  // a page that goes takes no focus with it
        }
        ::ShowWindow(text, shown == page ? SW_SHOWNA : SW_HIDE);
    }
}

bool HelpWindow::OnOwnKey(HWND /*control*/, UINT message, WPARAM key) {
    if (message != WM_KEYDOWN || key != VK_TAB || ::GetKeyState(VK_CONTROL) >= 0) {
        return false;
    }
    // Ctrl+Tab to the next page, with Shift to the one before, round the three.
    const int step = ::GetKeyState(VK_SHIFT) < 0 ? help::kPageCount - 1 : 1;
    ShowPage(help::HelpPageFromTab((static_cast<int>(m_page) - 1 + step) % help::kPageCount + 1));
    return true;
}

LRESULT HelpWindow::OnControlColour(HDC dc, HWND control) {
    for (const Control text : {Control::Text1, Control::Text2, Control::Text3}) {
        if (control == Child(text)) {
            ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
            ::SetBkColor(dc, ToColorRef(help::kPageBackground));
            return reinterpret_cast<LRESULT>(m_pageBrush.Get());
        }
    }
    return SecondaryWindow::HandleMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                          reinterpret_cast<LPARAM>(control));
}

}  // namespace orvell::win
