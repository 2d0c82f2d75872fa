#include "controls/xp_button_window.h"

#include <windowsx.h>
// Its SelectBitmap and SelectFont macros would take the place of MemoryDc's members.
#undef SelectBitmap
#undef SelectFont

#include <algorithm>
#include <optional>

#include "controls/access_keys.h"
#include "controls/button_accessible.h"
#include "controls/control_input.h"
#include "controls/gdi_picture.h"
#include "controls/program_path.h"
#include "controls/xp_button_table.h"
#include "platform/gdi.h"
#include "platform/modal_window.h"
#include "platform/system_library.h"
#include "platform/text_file.h"

namespace orvell::win {

namespace {

constexpr wchar_t kClassName[] = L"OrvellXpButton";

// The cursor shapes of MousePointer, numbered as the designers of such buttons know them.
LPCWSTR CursorOf(std::int32_t pointer) {
    switch (pointer) {
        case 2:
            return IDC_CROSS;
        case 3:
            return IDC_IBEAM;
        case 5:
        case controls::kSizeAllPointer:
            return IDC_SIZEALL;
        case 6:
            return IDC_SIZENESW;
        case 7:
            return IDC_SIZENS;
        case 8:
            return IDC_SIZENWSE;
        case 9:
            return IDC_SIZEWE;
        case 10:
            return IDC_UPARROW;
        case 11:
            return IDC_WAIT;
        case 12:
            return IDC_NO;
        case 13:
            return IDC_APPSTARTING;
        case 14:
            return IDC_HELP;
        default:
            return IDC_ARROW;
    }
}

// Whether the caption marks a character with a single "&" ("&&" shows an "&" and marks nothing).
bool MarksAccessKey(std::wstring_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == L'&') {
            if (caption[i + 1] != L'&') {
                return true;
            }
            ++i;
        }
    }
    return false;
}

// The window text of a button: its caption with the access key marked by "&" as on a standard button,
// so that screen readers name the button and announce its key. A caption that marks a key of its own
// ("隐藏(&H)") is kept as it is; otherwise the first access key is marked where the caption has it
// ("&ASCⅡ表") or added after the caption as the program's menus do ("隐藏(&Y)").
std::wstring WindowText(std::wstring_view caption, std::wstring_view accessKeys) {
    std::wstring text(caption);
    if (caption.empty() || accessKeys.empty() || MarksAccessKey(caption)) {
        return text;
    }
    const wchar_t key = accessKeys.front();
    const auto found =
        std::find_if(text.begin(), text.end(), [key](wchar_t c) { return controls::UpperCase(c) == key; });
    if (found != text.end()) {
        text.insert(found, L'&');
    } else {
        text += L"(&";
        text += key;
        text += L')';
    }
    return text;
}

}  // namespace

XpButtonWindow::XpButtonWindow() : m_canvas(m_surface.Get()), m_button(*this, m_canvas) {
    m_button.SetEvents(&m_handlers);
    m_playSound = [](const std::wstring& path, DWORD flags) { win::PlaySoundFile(path.c_str(), flags); };
}

bool XpButtonWindow::Create(HWND parent, int id, const Rect& bounds, std::wstring_view name,
                            const controls::FontDescription& hostFont) {
    if (Handle() != nullptr) {
        return false;
    }
    m_button.InitNew(name, hostFont);
    return CreateWindowFor(parent, id, bounds);
}

bool XpButtonWindow::Create(HWND parent, int id, const Rect& bounds, std::wstring_view name,
                            const controls::FontDescription& hostFont, const controls::PropertyBag& design,
                            controls::PictureSource& pictures) {
    if (Handle() != nullptr) {
        return false;
    }
    m_button.Restore(design, name, hostFont, pictures);
    return CreateWindowFor(parent, id, bounds);
}

bool XpButtonWindow::CreateWindowFor(HWND parent, int id, const Rect& bounds) {
    WindowClass windowClass;
    windowClass.name = kClassName;
    windowClass.style = CS_DBLCLKS;
    windowClass.background = nullptr;
    const std::wstring text = WindowText(m_button.Properties().caption, m_button.AccessKeys());
    if (!Window::Create(windowClass,
                        ChildCreation(parent, id, bounds, text.c_str(), WS_VISIBLE | WS_TABSTOP))) {
        return false;
    }
    // The properties were set before the window existed.
    ::EnableWindow(Handle(), m_button.Properties().enabled ? TRUE : FALSE);
    RECT client{};
    ::GetClientRect(Handle(), &client);
    if (client.right != m_width || client.bottom != m_height || m_surface.Bitmap() == nullptr) {
        ResizeSurface(client.right, client.bottom);
    }
    m_button.OnResize(m_width, m_height);
    return true;
}

LRESULT XpButtonWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const std::optional<LRESULT> handled = ForwardToModel(m_button, message, wParam, lParam)) {
        return *handled;
    }
    if (const std::optional<MouseButtonMessage> press = MouseButtonOf(message)) {
        OnMouseButton(press->button, lParam, press->down);
        return 0;
    }
    if (ForgetPressOnCaptureLoss(Handle(), m_leftDown, message, lParam)) {
        return 0;
    }
    switch (message) {
        case WM_SIZE:
            ResizeSurface(LOWORD(lParam), HIWORD(lParam));
            m_button.OnResize(m_width, m_height);
            return 0;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the face covers every pixel
        case WM_MOUSEMOVE:
            m_button.OnMouseMove(HeldButtons(wParam), ShiftState(), PointerX(lParam), PointerY(lParam));
            return 0;
        case WM_LBUTTONDBLCLK:
            // The second press of a double click: no MouseDown, and its release is no second click.
            TakeFocus();
            m_button.OnDoubleClick();
            return 0;
        case WM_GETDLGCODE:
            return OnGetDlgCode(lParam);
        case WM_SETCURSOR:
            return OnSetCursor(wParam, lParam);
        case BM_CLICK:
            OnBmClick();
            return 0;
        case BM_GETSTATE:
            return (m_button.Pressed() ? BST_PUSHED : 0) | (m_button.Focused() ? BST_FOCUS : 0);
        case WM_GETOBJECT:
            if (const LRESULT object =
                    AnswerButtonGetObject(Handle(), ButtonKind::PushButton, wParam, lParam)) {
                return object;
            }
            return Window::HandleMessage(message, wParam, lParam);
        default:
            return Window::HandleMessage(message, wParam, lParam);
    }
}

void XpButtonWindow::ResizeSurface(int width, int height) {
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    // A surface the system refuses leaves the previous one to draw on.
    m_surface.SelectBitmap(MakeDib32(std::max(m_width, 1), std::max(m_height, 1)).bitmap);
}

void XpButtonWindow::OnPaint() {
    const PaintDc paint(Handle());
    m_painting = true;
    m_button.OnPaint();
    m_painting = false;
    if (paint.Get() != nullptr) {
        Show(paint.Get());
    }
}

void XpButtonWindow::Show(HDC target) {
    ::BitBlt(target, 0, 0, m_width, m_height, m_surface.Get(), 0, 0, SRCCOPY);
}

void XpButtonWindow::OnMouseButton(std::int16_t button, LPARAM lParam, bool down) {
    const auto x = PointerX(lParam);
    const auto y = PointerY(lParam);
    if (down) {
        TakeFocus();
        if (button == controls::kLeftButton) {
            ::SetCapture(Handle());
            m_leftDown = true;
        }
        m_button.OnMouseDown(button, ShiftState(), x, y);
        return;
    }
    const bool click = button == controls::kLeftButton && m_leftDown && m_button.Contains(x, y);
    if (button == controls::kLeftButton) {
        m_leftDown = false;
    }
    m_button.OnMouseUp(button, ShiftState(), x, y);
    if (click && Handle() != nullptr) {
        m_button.OnClick();
    }
}

void XpButtonWindow::OnBmClick() {
    // As a standard button: a press and release at the top-left corner, with the events of both, and
    // the click. The capture is left alone: no pointer is over the button to notice leaving it.
    if (!::IsWindowEnabled(Handle())) {
        return;
    }
    TakeFocus();
    m_button.OnMouseDown(controls::kLeftButton, ShiftState(), 0, 0);
    m_button.OnMouseUp(controls::kLeftButton, ShiftState(), 0, 0);
    if (Handle() != nullptr) {
        m_button.OnClick();
    }
}

LRESULT XpButtonWindow::OnSetCursor(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(lParam) != HTCLIENT || m_pointer == controls::kDefaultPointer) {
        return Window::HandleMessage(WM_SETCURSOR, wParam, lParam);
    }
    if (m_pointer == controls::kCustomPointer) {
        if (m_customCursor == nullptr) {
            return Window::HandleMessage(WM_SETCURSOR, wParam, lParam);
        }
        ::SetCursor(m_customCursor);
        return TRUE;
    }
    ::SetCursor(::LoadCursorW(nullptr, CursorOf(m_pointer)));
    return TRUE;
}

LRESULT XpButtonWindow::OnGetDlgCode(LPARAM lParam) {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    // Enter clicks the focused button itself instead of a dialog's default button.
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (msg != nullptr && ((msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) ||
                           (msg->message == WM_CHAR && msg->wParam == L'\r'))) {
        code |= DLGC_WANTMESSAGE;
    }
    return code;
}

void XpButtonWindow::ShowWindowText() {
    if (Handle() == nullptr) {
        return;
    }
    const std::wstring text = WindowText(m_button.Properties().caption, m_button.AccessKeys());
    // Straight to the default procedure: WM_SETTEXT sent to this window would set the caption.
    Window::HandleMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void XpButtonWindow::TakeFocus() {
    if (::GetFocus() != Handle()) {
        ::SetFocus(Handle());
    }
}

bool XpButtonWindow::HandleAccessKey(wchar_t key) {
    const HWND window = Handle();
    if (window == nullptr || !::IsWindowVisible(window) || !::IsWindowEnabled(window) ||
        !m_button.HasAccessKey(key)) {
        return false;
    }
    // Like a click with the mouse, the key leaves the focus on the button it clicked, so the focus
    // the face shows afterwards is the real one.
    TakeFocus();
    m_button.OnAccessKey(controls::UpperCase(key));
    return true;
}

// ---- What the button asks of its window ---------------------------------------------------------------

void XpButtonWindow::PropertyChanged(std::wstring_view name) {
    if (name == controls::kXpKey<&controls::XpButtonProperties::caption>) {
        ShowWindowText();
    }
}

void XpButtonWindow::ShowMessage(std::wstring_view title, std::wstring_view text,
                                 controls::MessageIcon icon) {
    if (m_showMessage) {
        m_showMessage(title, text, icon);
        return;
    }
    const std::wstring caption(title);
    const std::wstring body(text);
    const UINT flags = MB_OK | (icon == controls::MessageIcon::Information ? MB_ICONINFORMATION : 0);
    ::MessageBoxW(Handle() != nullptr ? TopModalWindow(::GetParent(Handle())) : nullptr, body.c_str(),
                  caption.c_str(), flags);
}

void XpButtonWindow::ApplyEnabled(bool enabled) {
    if (Handle() != nullptr) {
        ::EnableWindow(Handle(), enabled ? TRUE : FALSE);
    }
}

void XpButtonWindow::ApplyFont(const controls::FontDescription& font) {
    // A font the system refuses leaves the previous one selected.
    m_surface.SelectFont(MakeFont(font, WindowDpi(Handle()).y));
}

void XpButtonWindow::ApplyMousePointer(std::int32_t pointer, const controls::Picture* icon) {
    m_pointer = pointer;
    const auto* picture = dynamic_cast<const GdiPicture*>(icon);
    m_customCursor = picture != nullptr ? static_cast<HCURSOR>(picture->Icon()) : nullptr;
}

void XpButtonWindow::ApplyRegion(const controls::WindowRegion& region) {
    // The same shape comes after every drawing; setting it again would only make the window paint again.
    if (Handle() == nullptr || m_region == region) {
        return;
    }
    unique_hrgn made = MakeWindowRegion(region);
    if (!made) {
        return;
    }
    // The system owns a region it accepted.
    if (::SetWindowRgn(Handle(), made.Get(), TRUE) != 0) {
        (void)made.Release();
        m_region = region;
    }
}

void XpButtonWindow::Present() {
    if (m_painting || Handle() == nullptr || !::IsWindowVisible(Handle())) {
        return;
    }
    const ClientDc dc(Handle());
    if (dc) {
        Show(dc.Get());
    }
}

void XpButtonWindow::CaptureMouse() {
    if (Handle() != nullptr && ::GetCapture() != Handle()) {
        ::SetCapture(Handle());
    }
}

void XpButtonWindow::ReleaseMouse() {
    // The pointer left: a release out there is no click, even if the pointer comes back first.
    m_leftDown = false;
    if (Handle() != nullptr && ::GetCapture() == Handle()) {
        ::ReleaseCapture();
    }
}

void XpButtonWindow::PlaySoundFile(std::wstring_view path) {
    if (m_playSound) {
        m_playSound(controls::ResolveProgramPath(path, ExeFolder()), kSoundFlags);
    }
}

void XpButtonWindow::MoveFocus(bool forward) {
    const HWND parent = Handle() != nullptr ? ::GetParent(Handle()) : nullptr;
    if (parent == nullptr) {
        return;
    }
    const HWND next = ::GetNextDlgTabItem(parent, Handle(), forward ? FALSE : TRUE);
    if (next != nullptr && next != Handle()) {
        ::SetFocus(next);
    }
}

// ---- Free functions -------------------------------------------------------------------------------------

unique_hrgn MakeWindowRegion(const controls::WindowRegion& region) {
    const Rect& b = region.bounds;
    unique_hrgn shape(
        region.cornerWidth > 0 && region.cornerHeight > 0
            ? ::CreateRoundRectRgn(b.left, b.top, b.right, b.bottom, region.cornerWidth, region.cornerHeight)
            : ::CreateRectRgn(b.left, b.top, b.right, b.bottom));
    const Rect& c = region.clip;
    const unique_hrgn clip(::CreateRectRgn(c.left, c.top, c.right, c.bottom));
    if (!shape || !clip || ::CombineRgn(shape.Get(), shape.Get(), clip.Get(), RGN_AND) == ERROR) {
        return unique_hrgn();
    }
    return shape;
}

}  // namespace orvell::win
