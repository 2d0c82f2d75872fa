#include "windows/info_window.h"

#include <commctrl.h>

#include "app/access_key.h"
#include "platform/dpi.h"
#include "platform/unique_handle.h"

namespace orvell::win {

namespace {

constexpr int kBarId = 99;

bool Held(int key) {
    return ::GetKeyState(key) < 0;
}

bool IsClass(HWND control, const wchar_t* className) {
    wchar_t name[16] = {};
    ::GetClassNameW(control, name, 16);
    return ::lstrcmpiW(name, className) == 0;
}

}  // namespace

bool InfoWindow::OpenCentred(HWND owner, const app::SettingsStore& settings, const Frame& frame) {
    if (IsOpen()) {
        BringToFront();
        return true;
    }
    m_settings = &settings;
    m_barCaption = frame.barCaption;
    m_adopted.clear();
    m_lastFocus = nullptr;
    const TwipsScale scale = TwipsScale::ForScreen();
    WindowClass windowClass;
    windowClass.name = frame.className;
    if (frame.background != nullptr) {
        windowClass.background = frame.background;
    }
    WindowCreation creation;
    const std::wstring caption(frame.caption);
    creation.title = caption.c_str();
    creation.style = WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX;
    creation.width = scale.X(frame.width);
    creation.height = scale.Y(frame.height);
    creation.x = (::GetSystemMetrics(SM_CXSCREEN) - creation.width) / 2;
    creation.y = (::GetSystemMetrics(SM_CYSCREEN) - creation.height) / 2;
    if (!OpenModal(owner, windowClass, creation)) {
        return false;
    }
    ::SetFocus(FirstFocus());
    return true;
}

void InfoWindow::Adopt(HWND control) {
    m_adopted.push_back(control);
    ::SetWindowSubclass(control, &InfoWindow::ControlProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT InfoWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            m_barEvents.emplace(Handle());
            m_bform1.Create(Handle(), kBarId);
            m_bform1.SetCaption(m_barCaption);
            m_bform1.SetSettings(m_settings);
            m_bform1.SetEvents(&*m_barEvents);
            CreateControls();
            return 0;
        case WM_SIZE:
            m_bform1.FitToHost();
            return 0;
        case WM_PAINT: {
            const PaintDc paint(Handle());
            m_bform1.Printform(paint.Get());
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;  // the paint clears it
        case WM_LBUTTONDOWN:
            // The surface drags the window as the title bar does.
            m_barEvents->MouseDown(skin::kLeftMouseButton, 0, Point{});
            return 0;
        case WM_SETFOCUS: {
            const bool usable = m_lastFocus != nullptr && ::IsChild(Handle(), m_lastFocus) &&
                                ::IsWindowVisible(m_lastFocus) && ::IsWindowEnabled(m_lastFocus);
            ::SetFocus(usable ? m_lastFocus : FirstFocus());
            return 0;
        }
        case WM_DESTROY:
            m_adopted.clear();
            m_lastFocus = nullptr;
            break;
        default:
            break;
    }
    return ModalWindow::HandleMessage(message, wParam, lParam);
}

LRESULT CALLBACK InfoWindow::ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self) {
    auto* window = reinterpret_cast<InfoWindow*>(self);
    switch (message) {
        case WM_NCDESTROY:
            ::RemoveWindowSubclass(control, &InfoWindow::ControlProc, id);
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

bool InfoWindow::OnKey(HWND control, UINT message, WPARAM key) {
    if (OnOwnKey(control, message, key)) {
        return true;
    }
    switch (message) {
        case WM_CHAR:
            // The characters of the keys used below would only beep.
            return key == L'\t' || key == L'\r' || key == 0x1B;
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
            // Posted: the control finishes with its key before the window goes.
            ::PostMessageW(Handle(), WM_CLOSE, 0, 0);
            return true;
        case VK_TAB:
            if (Held(VK_CONTROL) || Held(VK_MENU)) {
                return false;
            }
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

void InfoWindow::PressButtonFor(wchar_t letter) const {
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
