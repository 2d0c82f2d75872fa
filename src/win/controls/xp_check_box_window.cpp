#include "controls/xp_check_box_window.h"

#include <windowsx.h>
// Its SelectBitmap and SelectFont macros would take the place of MemoryDc's members.
#undef SelectBitmap
#undef SelectFont

#include <algorithm>
#include <optional>
#include <string>

#include "controls/button_accessible.h"
#include "controls/control_input.h"
#include "controls/xp_button_host.h"
#include "platform/gdi.h"
#include "platform/gdi_canvas.h"
#include "skin/art_scale.h"

namespace orvell::win {

namespace {

constexpr wchar_t kClassName[] = L"OrvellXpCheckBox";
constexpr UINT_PTR kHoverTimer = 1;
constexpr UINT kHoverInterval = 10;  // ms

}  // namespace

// ---- The image strips -----------------------------------------------------------------------------------

ResourceCheckBoxArt::ResourceCheckBoxArt(HINSTANCE module, int dpi)
    : m_module(module),
      m_scale(skin::ArtScaleFor(dpi)),
      m_cellSize(skin::ScaledArt(controls::check_box_art::kCellSize, m_scale)) {}

std::span<const Colour> ResourceCheckBoxArt::Strip(int index) {
    using namespace controls::check_box_art;
    if (index < 0 || index >= kStripCount) {
        return {};
    }
    const auto slot = static_cast<std::size_t>(index);
    if (m_tried[slot]) {
        return m_strips[slot];
    }
    m_tried[slot] = true;
    const std::wstring name = ArtResourceName(L"XPCHECKBOX" + std::to_wstring(index), m_scale);
    const unique_hbitmap bitmap(
        static_cast<HBITMAP>(::LoadImageW(m_module, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    const int stripWidth = m_cellSize * kCellCount;
    BITMAP info{};
    if (!bitmap || ::GetObjectW(bitmap.Get(), sizeof info, &info) == 0 || info.bmWidth != stripWidth ||
        info.bmHeight != m_cellSize) {
        return {};
    }
    BITMAPINFO format = TopDown32(stripWidth, m_cellSize);
    std::vector<std::uint32_t> bits(static_cast<std::size_t>(stripWidth * m_cellSize));
    const ClientDc screen(nullptr);
    if (!screen || ::GetDIBits(screen.Get(), bitmap.Get(), 0, static_cast<UINT>(m_cellSize), bits.data(),
                               &format, DIB_RGB_COLORS) != m_cellSize) {
        return {};
    }
    std::vector<Colour>& strip = m_strips[slot];
    strip.reserve(bits.size());
    for (const std::uint32_t pixel : bits) {  // blue in the low byte
        strip.push_back(Colour::Rgb(static_cast<int>((pixel >> 16) & 0xFF),
                                    static_cast<int>((pixel >> 8) & 0xFF), static_cast<int>(pixel & 0xFF)));
    }
    return strip;
}

// ---- The window -----------------------------------------------------------------------------------------

XpCheckBoxWindow::XpCheckBoxWindow() : m_box(*this) {}

bool XpCheckBoxWindow::Create(HWND parent, int id, const Rect& bounds, std::wstring_view caption,
                              const controls::FontDescription& font) {
    if (Handle() != nullptr) {
        return false;
    }
    m_box.InitNew(caption, font);
    return CreateWindowFor(parent, id, bounds);
}

bool XpCheckBoxWindow::Create(HWND parent, int id, const Rect& bounds,
                              const controls::FontDescription& hostFont,
                              const controls::PropertyBag& design) {
    if (Handle() != nullptr) {
        return false;
    }
    m_box.Restore(design, hostFont);
    return CreateWindowFor(parent, id, bounds);
}

void XpCheckBoxWindow::ChangeDpi(Dpi dpi) {
    // The font first: the cells' new size lays the caption out again, measured in it.
    m_surface.SelectFont(MakeFont(m_box.Properties().font, dpi.y));
    m_art = ResourceCheckBoxArt(::GetModuleHandleW(nullptr), dpi.y);
    m_box.SetCellSize(m_art.CellSize());
    Invalidate();
}

bool XpCheckBoxWindow::CreateWindowFor(HWND parent, int id, const Rect& bounds) {
    m_art = ResourceCheckBoxArt(::GetModuleHandleW(nullptr), WindowDpi(parent).y);
    m_box.SetCellSize(m_art.CellSize());
    WindowClass windowClass;
    windowClass.name = kClassName;
    windowClass.style = 0;  // a second click in quick succession is a click of its own
    windowClass.background = nullptr;
    if (!Window::Create(windowClass, ChildCreation(parent, id, bounds, m_box.Properties().caption.c_str(),
                                                   WS_VISIBLE | WS_TABSTOP))) {
        return false;
    }
    // The properties were set before the window existed.
    ::EnableWindow(Handle(), m_box.Properties().enabled ? TRUE : FALSE);
    return true;
}

LRESULT XpCheckBoxWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const std::optional<LRESULT> handled = ForwardToModel(m_box, message, wParam, lParam)) {
        return *handled;
    }
    if (const std::optional<MouseButtonMessage> press = MouseButtonOf(message)) {
        OnMouseButton(press->button, wParam, lParam, press->down);
        return 0;
    }
    if (ForgetPressOnCaptureLoss(Handle(), m_leftDown, message, lParam)) {
        return 0;
    }
    switch (message) {
        case WM_SIZE:
            // A surface of the client's size that the parts are painted on, then shown in one copy.
            m_surface.SelectBitmap(
                MakeDib32(std::max<int>(LOWORD(lParam), 1), std::max<int>(HIWORD(lParam), 1)).bitmap);
            m_box.OnResize(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the painting covers every pixel
        case WM_MOUSEMOVE:
            m_box.OnMouseMove(HeldButtons(wParam), ShiftState(), PointerX(lParam), PointerY(lParam));
            return 0;
        case WM_TIMER:
            if (wParam == kHoverTimer) {
                OnTimer();
            }
            return 0;
        case WM_GETDLGCODE:
            // Space comes as a character: a dialog's message loop must pass characters on.
            return DLGC_BUTTON | DLGC_WANTCHARS;
        case WM_ENABLE:
            // EnableWindow called from outside: the check box follows, greying its box and caption.
            if ((wParam != 0) != m_box.Properties().enabled) {
                m_box.SetEnabled(wParam != 0);
            }
            return 0;
        case BM_GETCHECK:
            return m_box.Properties().value;
        case BM_SETCHECK:
            m_box.SetValue(static_cast<std::int32_t>(wParam));
            return 0;
        case BM_GETSTATE:
            return m_box.Properties().value | (m_box.Held() ? BST_PUSHED : 0) |
                   (m_box.Focused() ? BST_FOCUS : 0);
        case BM_CLICK:
            OnBmClick();
            return 0;
        case WM_GETOBJECT:
            if (const LRESULT object =
                    AnswerButtonGetObject(Handle(), ButtonKind::CheckBox, wParam, lParam)) {
                return object;
            }
            return Window::HandleMessage(message, wParam, lParam);
        default:
            return Window::HandleMessage(message, wParam, lParam);
    }
}

void XpCheckBoxWindow::OnPaint() {
    const PaintDc paint(Handle());
    RECT client{};
    ::GetClientRect(Handle(), &client);
    GdiCanvas canvas(m_surface.Get());
    m_box.Paint(canvas, m_art);
    if (paint.Get() != nullptr) {
        ::BitBlt(paint.Get(), 0, 0, client.right, client.bottom, m_surface.Get(), 0, 0, SRCCOPY);
    }
}

void XpCheckBoxWindow::OnMouseButton(std::int16_t button, WPARAM wParam, LPARAM lParam, bool down) {
    if (down) {
        TakeFocus();
        // Held until every button is up, so a release away from the control is seen too.
        ::SetCapture(Handle());
        if (button == controls::kLeftButton) {
            m_leftDown = true;
        }
        m_box.OnMouseDown(button, ShiftState(), PointerX(lParam), PointerY(lParam));
        return;
    }
    const bool click =
        button == controls::kLeftButton && m_leftDown && m_box.Contains(PointerX(lParam), PointerY(lParam));
    if (button == controls::kLeftButton) {
        m_leftDown = false;
    }
    if ((wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0 && ::GetCapture() == Handle()) {
        ::ReleaseCapture();
    }
    m_box.OnMouseUp(button, ShiftState(), PointerX(lParam), PointerY(lParam));
    if (click && Handle() != nullptr) {
        m_box.OnClick();
    }
}

void XpCheckBoxWindow::OnTimer() {
    POINT cursor{};
    if (::GetCursorPos(&cursor) == 0 || ::ScreenToClient(Handle(), &cursor) == 0) {
        return;
    }
    m_box.OnHoverTick(static_cast<float>(cursor.x), static_cast<float>(cursor.y));
}

void XpCheckBoxWindow::OnBmClick() {
    // As on the system's check boxes: a press and release at the top-left corner, with the events of
    // both, and the click.
    if (!::IsWindowEnabled(Handle())) {
        return;
    }
    TakeFocus();
    m_box.OnMouseDown(controls::kLeftButton, ShiftState(), 0, 0);
    m_box.OnMouseUp(controls::kLeftButton, ShiftState(), 0, 0);
    if (Handle() != nullptr) {
        m_box.OnClick();
    }
}

bool XpCheckBoxWindow::HandleAccessKey(wchar_t key) {
    const HWND window = Handle();
    if (window == nullptr || !::IsWindowVisible(window) || !::IsWindowEnabled(window) ||
        !m_box.HasAccessKey(key)) {
        return false;
    }
    OnBmClick();
    return true;
}

void XpCheckBoxWindow::TakeFocus() {
    if (::GetFocus() != Handle()) {
        ::SetFocus(Handle());
    }
}

void XpCheckBoxWindow::ShowWindowText() {
    if (Handle() == nullptr) {
        return;
    }
    // Straight to the default procedure: WM_SETTEXT sent to this window would set the caption.
    Window::HandleMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(m_box.Properties().caption.c_str()));
}

// ---- What the check box asks of its window -------------------------------------------------------------

void XpCheckBoxWindow::PropertyChanged(std::wstring_view name) {
    if (name == controls::check_box_key::kCaption) {
        ShowWindowText();
    } else if (name == controls::check_box_key::kValue && Handle() != nullptr) {
        // Screen readers announce the new state.
        ::NotifyWinEvent(EVENT_OBJECT_STATECHANGE, Handle(), OBJID_CLIENT, CHILDID_SELF);
    }
}

void XpCheckBoxWindow::ApplyEnabled(bool enabled) {
    if (Handle() != nullptr) {
        ::EnableWindow(Handle(), enabled ? TRUE : FALSE);
    }
}

void XpCheckBoxWindow::ApplyFont(const controls::FontDescription& font) {
    // A font the system refuses leaves the previous one selected.
    m_surface.SelectFont(MakeFont(font, WindowDpi(Handle()).y));
}

controls::TextExtent XpCheckBoxWindow::MeasureCaption(std::wstring_view caption) {
    if (caption.empty()) {
        return {};
    }
    RECT area{};
    ::DrawTextW(m_surface.Get(), caption.data(), static_cast<int>(caption.size()), &area,
                DT_CALCRECT | DT_SINGLELINE);
    return controls::TextExtent{area.right - area.left, area.bottom - area.top};
}

void XpCheckBoxWindow::StartHoverTimer() {
    if (Handle() != nullptr) {
        ::SetTimer(Handle(), kHoverTimer, kHoverInterval, nullptr);
    }
}

void XpCheckBoxWindow::StopHoverTimer() {
    if (Handle() != nullptr) {
        ::KillTimer(Handle(), kHoverTimer);
    }
}

void XpCheckBoxWindow::Invalidate() {
    if (Handle() != nullptr) {
        ::InvalidateRect(Handle(), nullptr, FALSE);
    }
}

void XpCheckBoxWindow::ValueClicked() {
    if (m_onChange) {
        m_onChange(m_box.Properties().value);
    }
}

}  // namespace orvell::win
