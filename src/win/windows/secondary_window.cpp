#include "windows/secondary_window.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "app/access_key.h"
#include "platform/unique_handle.h"

namespace orvell::win {

namespace {

constexpr int kTitleBarId = 99;

bool Held(int key) {
    return ::GetKeyState(key) < 0;
}

bool IsClass(HWND control, const wchar_t* className) {
    wchar_t name[16] = {};
    ::GetClassNameW(control, name, 16);
    return ::lstrcmpiW(name, className) == 0;
}

}  // namespace

bool SecondaryWindow::OpenCentred(HWND owner, const app::SettingsStore& settings, const Design& design) {
    if (IsOpen()) {
        BringToFront();
        return true;
    }
    m_settings = &settings;
    m_barCaption = design.barCaption;
    m_escapeCloses = design.escapeCloses;
    m_adopted.clear();
    m_lastFocus = nullptr;
    WindowClass windowClass;
    windowClass.name = design.className;
    windowClass.style = design.classStyle;
    if (design.background != nullptr) {
        windowClass.background = design.background;
    }
    WindowCreation creation;
    const std::wstring caption(design.caption);
    creation.title = caption.c_str();
    creation.style = design.style;
    creation.width = design.size.cx;
    creation.height = design.size.cy;
    const Point origin = CentredOnScreen(creation.width, creation.height);
    creation.x = origin.x;
    creation.y = origin.y;
    if (!OpenModal(owner, windowClass, creation)) {
        return false;
    }
    const HWND first = FirstFocus();
    ::SetFocus(first != nullptr ? first : Handle());
    return true;
}

void SecondaryWindow::Centre() const {
    RECT frame{};
    ::GetWindowRect(Handle(), &frame);
    const Point origin = CentredOnScreen(frame.right - frame.left, frame.bottom - frame.top);
    ::SetWindowPos(Handle(), nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SecondaryWindow::Adopt(HWND control) {
    m_adopted.push_back(control);
    ::SetWindowSubclass(control, &SecondaryWindow::ControlProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT SecondaryWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            m_dpi = WindowDpi(Handle());
            m_titleBarEvents.emplace(Handle());
            m_titleBar.Create(Handle(), kTitleBarId);
            m_titleBar.SetCaption(m_barCaption);
            m_titleBar.SetSettings(m_settings);
            m_titleBar.SetEvents(&*m_titleBarEvents);
            CreateControls();
            return 0;
        case WM_SIZE:
            m_titleBar.FitToHost();
            return 0;
        case WM_PAINT: {
            const PaintDc paint(Handle());
            if (paint.Get() != nullptr) {
                m_titleBar.Printform(paint.Get());
                PaintOver(paint.Get());
            }
            return 0;
        }
        case WM_DPICHANGED:
            OnDpiChanged(Dpi{LOWORD(wParam), HIWORD(wParam)}, *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint clears it
        case WM_LBUTTONDOWN:
            // The surface drags the window as the title bar does.
            m_titleBarEvents->MouseDown(skin::kLeftMouseButton, 0, Point{});
            return 0;
        case WM_SETFOCUS:
            if (FirstFocus() != nullptr) {
                GiveFocusBack();
                return 0;
            }
            break;
        case WM_DESTROY:
            m_adopted.clear();
            m_lastFocus = nullptr;
            m_scaledFonts.clear();  // the controls go with the window, after this
            break;
        default:
            break;
    }
    return ModalWindow::HandleMessage(message, wParam, lParam);
}

void SecondaryWindow::OnDpiChanged(Dpi dpi, const RECT& suggested) {
    const Dpi old = m_dpi;
    m_dpi = dpi;
    m_titleBar.ChangeDpi(dpi);
    const auto scaleX = [&](int pixels) { return ::MulDiv(pixels, dpi.x, old.x); };
    const auto scaleY = [&](int pixels) { return ::MulDiv(pixels, dpi.y, old.y); };
    // Each font once, however many controls share it; the old ones go after every control let go.
    std::vector<std::pair<HFONT, HFONT>> fonts;
    std::vector<unique_hfont> made;
    for (HWND child = ::GetWindow(Handle(), GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (child == m_titleBar.Handle()) {
            continue;
        }
        RECT r{};
        ::GetWindowRect(child, &r);
        ::MapWindowPoints(HWND_DESKTOP, Handle(), reinterpret_cast<POINT*>(&r), 2);
        // Place and size each on its own, as the layouts convert them.
        ::SetWindowPos(child, nullptr, scaleX(r.left), scaleY(r.top), scaleX(r.right - r.left),
                       scaleY(r.bottom - r.top), SWP_NOZORDER | SWP_NOACTIVATE);
        const auto font = reinterpret_cast<HFONT>(::SendMessageW(child, WM_GETFONT, 0, 0));
        LOGFONTW description{};
        if (font == nullptr || ::GetObjectW(font, sizeof description, &description) == 0) {
            continue;
        }
        auto known = std::find_if(fonts.begin(), fonts.end(), [&](const auto& f) { return f.first == font; });
        if (known == fonts.end()) {
            description.lfHeight = scaleY(description.lfHeight);
            description.lfWidth = scaleX(description.lfWidth);
            made.emplace_back(::CreateFontIndirectW(&description));
            known = fonts.insert(fonts.end(), {font, made.back().Get()});
        }
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(known->second), TRUE);
    }
    m_scaledFonts = std::move(made);
    AfterDpiChange(dpi);
    ::SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

void SecondaryWindow::GiveFocusBack() {
    // The window itself takes no keys: the focus goes back to the control that had it, as when a
    // message box closes, or to the first.
    const bool usable = m_lastFocus != nullptr && ::IsChild(Handle(), m_lastFocus) &&
                        ::IsWindowVisible(m_lastFocus) && ::IsWindowEnabled(m_lastFocus);
    ::SetFocus(usable ? m_lastFocus : FirstFocus());
}

LRESULT CALLBACK SecondaryWindow::ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR id, DWORD_PTR self) {
    auto* window = reinterpret_cast<SecondaryWindow*>(self);
    switch (message) {
        case WM_NCDESTROY:
            ::RemoveWindowSubclass(control, &SecondaryWindow::ControlProc, id);
            break;
        case WM_SETFOCUS:
            window->m_lastFocus = control;
            [[fallthrough]];
        case WM_KILLFOCUS:
            if (IsClass(control, L"Static")) {
                ::InvalidateRect(control, nullptr, TRUE);
            }
            break;
        case WM_PAINT:
            if (::GetFocus() == control && IsClass(control, L"Static")) {
                // A label has no focus look of its own: the usual dotted frame shows where Enter acts.
                const LRESULT result = ::DefSubclassProc(control, message, wParam, lParam);
                RECT client{};
                ::GetClientRect(control, &client);
                const ClientDc dc(control);
                ::DrawFocusRect(dc.Get(), &client);
                return result;
            }
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_CHAR:
        case WM_SYSCHAR:
            if (window->OnKey(control, message, wParam)) {
                return 0;
            }
            break;
        default:
            break;
    }
    return ::DefSubclassProc(control, message, wParam, lParam);
}

bool SecondaryWindow::OnKey(HWND control, UINT message, WPARAM key) {
    if (OnOwnKey(control, message, key)) {
        return true;
    }
    switch (message) {
        case WM_CHAR:
            // The characters of the keys used below would only beep.
            return key == L'\t' || key == L'\r' || (key == 0x1B && m_escapeCloses);
        case WM_SYSCHAR:
            PressButtonFor(static_cast<wchar_t>(key));
            return true;
        case WM_KEYDOWN:
            break;
        default:
            return false;
    }
    switch (key) {
        case VK_ESCAPE:
            if (!m_escapeCloses) {
                return false;
            }
            // Posted: the control finishes with its key before the window goes.
            ::PostMessageW(Handle(), WM_CLOSE, 0, 0);
            return true;
        case VK_TAB:
            if (Held(VK_CONTROL) || Held(VK_MENU)) {
                return false;
            }
            // The controls were adopted in the order Tab walks them; the system skips what is disabled.
            if (const HWND next = ::GetNextDlgTabItem(Handle(), control, Held(VK_SHIFT))) {
                ::SetFocus(next);
            }
            return true;
        case VK_RETURN:
            if (!IsClass(control, L"Button")) {
                return false;
            }
            ::SendMessageW(control, BM_CLICK, 0, 0);
            return true;
        default:
            return false;
    }
}

void SecondaryWindow::PressButtonFor(wchar_t letter) const {
    for (const HWND control : m_adopted) {
        if (IsClass(control, L"Button") && ::IsWindowEnabled(control) &&
            app::CaptionHasAccessKey(GetText(control), letter)) {
            ::SendMessageW(control, BM_CLICK, 0, 0);
            return;
        }
    }
    ::MessageBeep(0);  // as the system answers an access key nothing has
}

}  // namespace orvell::win
