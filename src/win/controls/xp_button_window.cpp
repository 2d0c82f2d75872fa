#include "controls/xp_button_window.h"

#include <mmsystem.h>
#include <windowsx.h>

#include <algorithm>
#include <cmath>

#include "controls/access_keys.h"
#include "controls/gdi_picture.h"
#include "controls/program_path.h"
#include "platform/text_file.h"

namespace orvell::win {

namespace {

constexpr wchar_t kClassName[] = L"OrvellXpButton";

std::int16_t ShiftState() {
    std::int16_t shift = 0;
    if (::GetKeyState(VK_SHIFT) < 0) {
        shift |= controls::kShiftBit;
    }
    if (::GetKeyState(VK_CONTROL) < 0) {
        shift |= controls::kCtrlBit;
    }
    if (::GetKeyState(VK_MENU) < 0) {
        shift |= controls::kAltBit;
    }
    return shift;
}

std::int16_t HeldButtons(WPARAM wParam) {
    std::int16_t buttons = 0;
    if ((wParam & MK_LBUTTON) != 0) {
        buttons |= controls::kLeftButton;
    }
    if ((wParam & MK_RBUTTON) != 0) {
        buttons |= controls::kRightButton;
    }
    if ((wParam & MK_MBUTTON) != 0) {
        buttons |= controls::kMiddleButton;
    }
    return buttons;
}

// The cursor shapes of MousePointer, numbered as the designers of such buttons know them.
LPCWSTR CursorOf(std::int32_t pointer) {
    switch (pointer) {
        case 2:
            return IDC_CROSS;
        case 3:
            return IDC_IBEAM;
        case 5:
        case 15:
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

// The font's height in the screen's pixels: points at its vertical DPI.
int FontHeight(float points) {
    const ClientDc screen(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
    return -static_cast<int>(std::lround(static_cast<double>(points) * dpi / 72.0));
}

BOOL CALLBACK FindAccessKeyOwner(HWND window, LPARAM parameter);

struct AccessKeySearch {
    wchar_t key;
    bool handled;
};

}  // namespace

XpButtonWindow::XpButtonWindow()
    : m_surfaceDc(::CreateCompatibleDC(nullptr)), m_canvas(m_surfaceDc.Get()), m_button(*this, m_canvas) {
    m_button.SetEvents(this);
    m_playSound = [](const std::wstring& path, DWORD flags) { ::PlaySoundW(path.c_str(), nullptr, flags); };
}

XpButtonWindow::~XpButtonWindow() {
    if (m_surfaceDc) {
        if (m_originalBitmap != nullptr) {
            ::SelectObject(m_surfaceDc.Get(), m_originalBitmap);
        }
        if (m_originalFont != nullptr) {
            ::SelectObject(m_surfaceDc.Get(), m_originalFont);
        }
    }
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
    WindowCreation creation;
    creation.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    creation.x = bounds.left;
    creation.y = bounds.top;
    creation.width = bounds.Width();
    creation.height = bounds.Height();
    creation.parent = parent;
    creation.menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    if (!Window::Create(windowClass, creation)) {
        return false;
    }
    // The properties were set before the window existed.
    ::EnableWindow(Handle(), m_button.Properties().enabled ? TRUE : FALSE);
    RECT client{};
    ::GetClientRect(Handle(), &client);
    if (client.right != m_width || client.bottom != m_height || m_surfaceBitmap.Get() == nullptr) {
        ResizeSurface(client.right, client.bottom);
    }
    m_button.OnResize(m_width, m_height);
    return true;
}

LRESULT XpButtonWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
            m_button.OnMouseMove(HeldButtons(wParam), ShiftState(), static_cast<float>(GET_X_LPARAM(lParam)),
                                 static_cast<float>(GET_Y_LPARAM(lParam)));
            return 0;
        case WM_LBUTTONDOWN:
            OnMouseButton(controls::kLeftButton, lParam, true);
            return 0;
        case WM_RBUTTONDOWN:
            OnMouseButton(controls::kRightButton, lParam, true);
            return 0;
        case WM_MBUTTONDOWN:
            OnMouseButton(controls::kMiddleButton, lParam, true);
            return 0;
        case WM_LBUTTONUP:
            OnMouseButton(controls::kLeftButton, lParam, false);
            return 0;
        case WM_RBUTTONUP:
            OnMouseButton(controls::kRightButton, lParam, false);
            return 0;
        case WM_MBUTTONUP:
            OnMouseButton(controls::kMiddleButton, lParam, false);
            return 0;
        case WM_LBUTTONDBLCLK:
            // The second press of a double click: no MouseDown, and its release is no second click.
            if (::GetFocus() != Handle()) {
                ::SetFocus(Handle());
            }
            m_button.OnDoubleClick();
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != Handle()) {
                m_leftDown = false;
            }
            return 0;
        case WM_CANCELMODE:
            ForgetPress();
            if (::GetCapture() == Handle()) {
                ::ReleaseCapture();
            }
            return 0;
        case WM_SETFOCUS:
            m_button.OnGotFocus();
            return 0;
        case WM_KILLFOCUS:
            m_button.OnLostFocus();
            return 0;
        case WM_KEYDOWN:
            m_button.OnKeyDown(static_cast<std::int16_t>(wParam), ShiftState());
            return 0;
        case WM_KEYUP:
            m_button.OnKeyUp(static_cast<std::int16_t>(wParam), ShiftState());
            return 0;
        case WM_CHAR:
            m_button.OnKeyPress(static_cast<std::int16_t>(wParam));
            return 0;
        case WM_GETDLGCODE:
            return OnGetDlgCode(lParam);
        case WM_SETCURSOR:
            return OnSetCursor(wParam, lParam);
        default:
            return Window::HandleMessage(message, wParam, lParam);
    }
}

void XpButtonWindow::ResizeSurface(int width, int height) {
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    if (!m_surfaceDc) {
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = std::max(m_width, 1);
    info.bmiHeader.biHeight = -std::max(m_height, 1);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    unique_hbitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) {
        return;
    }
    const HGDIOBJ previous = ::SelectObject(m_surfaceDc.Get(), bitmap.Get());
    if (m_originalBitmap == nullptr) {
        m_originalBitmap = previous;
    }
    // The old bitmap is deselected now, so it can go.
    m_surfaceBitmap = std::move(bitmap);
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
    ::BitBlt(target, 0, 0, m_width, m_height, m_surfaceDc.Get(), 0, 0, SRCCOPY);
}

void XpButtonWindow::OnMouseButton(std::int16_t button, LPARAM lParam, bool down) {
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    if (down) {
        if (::GetFocus() != Handle()) {
            ::SetFocus(Handle());
        }
        if (button == controls::kLeftButton) {
            ::SetCapture(Handle());
            m_leftDown = true;
        }
        m_button.OnMouseDown(button, ShiftState(), static_cast<float>(x), static_cast<float>(y));
        return;
    }
    const bool click =
        button == controls::kLeftButton && m_leftDown && x >= 0 && y >= 0 && x < m_width && y < m_height;
    if (button == controls::kLeftButton) {
        m_leftDown = false;
    }
    m_button.OnMouseUp(button, ShiftState(), static_cast<float>(x), static_cast<float>(y));
    if (click && Handle() != nullptr) {
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

void XpButtonWindow::ForgetPress() {
    m_leftDown = false;
}

bool XpButtonWindow::HandleAccessKey(wchar_t key) {
    const HWND window = Handle();
    if (window == nullptr || !::IsWindowVisible(window) || !::IsWindowEnabled(window) ||
        !m_button.HasAccessKey(key)) {
        return false;
    }
    // Like a click with the mouse, the key leaves the focus on the button it clicked, so the focus
    // the face shows afterwards is the real one.
    if (::GetFocus() != window) {
        ::SetFocus(window);
    }
    m_button.OnAccessKey(controls::UpperCase(key));
    return true;
}

// ---- What the button asks of its window ---------------------------------------------------------------

void XpButtonWindow::ShowMessage(std::wstring_view title, std::wstring_view text,
                                 controls::MessageIcon icon) {
    if (m_showMessage) {
        m_showMessage(title, text, icon);
        return;
    }
    const std::wstring caption(title);
    const std::wstring body(text);
    const UINT flags = MB_OK | (icon == controls::MessageIcon::Information ? MB_ICONINFORMATION : 0);
    ::MessageBoxW(Handle() != nullptr ? ::GetParent(Handle()) : nullptr, body.c_str(), caption.c_str(),
                  flags);
}

void XpButtonWindow::ApplyEnabled(bool enabled) {
    if (Handle() != nullptr) {
        ::EnableWindow(Handle(), enabled ? TRUE : FALSE);
    }
}

void XpButtonWindow::ApplyFont(const controls::FontDescription& font) {
    unique_hfont made(::CreateFontW(
        FontHeight(font.size), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic ? TRUE : FALSE,
        font.underline ? TRUE : FALSE, font.strikethrough ? TRUE : FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, font.name.c_str()));
    if (!made || !m_surfaceDc) {
        return;
    }
    const HGDIOBJ previous = ::SelectObject(m_surfaceDc.Get(), made.Get());
    if (m_originalFont == nullptr) {
        m_originalFont = previous;
    }
    m_font = std::move(made);
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
    ForgetPress();
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

// ---- Events, handed on ------------------------------------------------------------------------------

void XpButtonWindow::Click() {
    if (m_sink != nullptr) {
        m_sink->Click();
    }
    if (m_onClick) {
        m_onClick();
    }
}

void XpButtonWindow::DropDownClick() {
    if (m_sink != nullptr) {
        m_sink->DropDownClick();
    }
    if (m_onDropDown) {
        m_onDropDown();
    }
}

void XpButtonWindow::KeyDown(std::int16_t& keyCode, std::int16_t& shift) {
    if (m_sink != nullptr) {
        m_sink->KeyDown(keyCode, shift);
    }
}

void XpButtonWindow::KeyPress(std::int16_t& keyAscii) {
    if (m_sink != nullptr) {
        m_sink->KeyPress(keyAscii);
    }
}

void XpButtonWindow::KeyUp(std::int16_t& keyCode, std::int16_t& shift) {
    if (m_sink != nullptr) {
        m_sink->KeyUp(keyCode, shift);
    }
}

void XpButtonWindow::MouseOut() {
    if (m_sink != nullptr) {
        m_sink->MouseOut();
    }
}

void XpButtonWindow::MouseDown(std::int16_t& button, std::int16_t& shift, float& x, float& y) {
    if (m_sink != nullptr) {
        m_sink->MouseDown(button, shift, x, y);
    }
}

void XpButtonWindow::MouseMove(std::int16_t& button, std::int16_t& shift, float& x, float& y) {
    if (m_sink != nullptr) {
        m_sink->MouseMove(button, shift, x, y);
    }
}

void XpButtonWindow::MouseUp(std::int16_t& button, std::int16_t& shift, float& x, float& y) {
    if (m_sink != nullptr) {
        m_sink->MouseUp(button, shift, x, y);
    }
}

// ---- Free functions -------------------------------------------------------------------------------------

namespace {

BOOL CALLBACK FindAccessKeyOwner(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<AccessKeySearch*>(parameter);
    wchar_t className[32] = {};
    if (::GetClassNameW(window, className, 32) == 0 || std::wstring_view(className) != kClassName) {
        return TRUE;
    }
    // Every window of the class is an XpButtonWindow bound through the window base class.
    auto* button =
        dynamic_cast<XpButtonWindow*>(reinterpret_cast<Window*>(::GetWindowLongPtrW(window, GWLP_USERDATA)));
    if (button != nullptr && button->HandleAccessKey(search->key)) {
        search->handled = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

bool DispatchXpButtonAccessKey(HWND topLevel, wchar_t key) {
    if (topLevel == nullptr) {
        return false;
    }
    AccessKeySearch search{key, false};
    ::EnumChildWindows(topLevel, &FindAccessKeyOwner, reinterpret_cast<LPARAM>(&search));
    return search.handled;
}

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
