#include "skin/title_bar_window.h"

#include <commctrl.h>

#include <string>

#include "platform/gdi.h"
#include "skin/art_scale.h"

namespace orvell::win {

namespace {

constexpr wchar_t kClassName[] = L"OrvellTitleBar";

using skin::ButtonLook;
using skin::TitleButton;

// The tooltip tools, one a button.
constexpr UINT_PTR ToolId(TitleButton button) {
    return button == TitleButton::Min ? 1 : 2;
}

unique_hbitmap LoadSkinBitmap(const wchar_t* name, int scale) {
    const std::wstring resource = ArtResourceName(name, scale);
    return unique_hbitmap(static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr), resource.c_str(),
                                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

// Copies a piece of a picture selected into source: pixel for pixel when the sizes agree, else
// stretched without blending (the plan asks for that only of a picture without a drawn size for the
// DPI).
void Copy(HDC target, HDC source, const skin::ArtBlit& blit) {
    const Rect& t = blit.target;
    const Rect& s = blit.source;
    if (t.Width() == s.Width() && t.Height() == s.Height()) {
        ::BitBlt(target, t.left, t.top, t.Width(), t.Height(), source, s.left, s.top, SRCCOPY);
        return;
    }
    const int mode = ::SetStretchBltMode(target, COLORONCOLOR);
    ::StretchBlt(target, t.left, t.top, t.Width(), t.Height(), source, s.left, s.top, s.Width(), s.Height(),
                 SRCCOPY);
    if (mode != 0) {
        ::SetStretchBltMode(target, mode);
    }
}

int MouseButtonOf(UINT message) {
    switch (message) {
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
            return 2;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
            return 4;
        default:
            return skin::kLeftMouseButton;
    }
}

int ShiftOf(WPARAM wParam) {
    return ((wParam & MK_SHIFT) != 0 ? 1 : 0) | ((wParam & MK_CONTROL) != 0 ? 2 : 0) |
           (::GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

RECT ToRECT(const Rect& rect) {
    return RECT{rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

bool BForm::Create(HWND host, int id, const controls::FontDescription& font) {
    if (Handle() != nullptr || host == nullptr) {
        return false;
    }
    m_fontDescription = font;
    TakeDpi(WindowDpi(host));

    RECT client{};
    ::GetClientRect(host, &client);
    LayOut(client.right);
    WindowClass windowClass;
    windowClass.name = kClassName;
    windowClass.style = CS_DBLCLKS;
    windowClass.background = nullptr;  // the strip covers every pixel
    if (!Window::Create(windowClass,
                        ChildCreation(host, id, Rect{0, 0, m_width, m_plan.height},
                                      m_properties.caption.c_str(), WS_VISIBLE | WS_CLIPSIBLINGS))) {
        return false;
    }
    CreateTooltip();
    return true;
}

void BForm::TakeDpi(Dpi dpi) {
    m_dpi = dpi;
    m_artScale = skin::ArtScaleFor(m_dpi.y);
    m_font = MakeFont(m_fontDescription, m_dpi.y);
    m_pp = LoadSkinBitmap(L"TITLEBARSKIN", m_artScale);
    m_minHover = LoadSkinBitmap(L"TITLEBARMINHOVER", m_artScale);
    m_closeHover = LoadSkinBitmap(L"TITLEBARCLOSEHOVER", m_artScale);
    m_pi1 = LoadSkinBitmap(L"TITLEBARMINPRESSED", m_artScale);
    m_pi2 = LoadSkinBitmap(L"TITLEBARCLOSEPRESSED", m_artScale);
}

void BForm::ChangeDpi(Dpi dpi) {
    if (Handle() == nullptr) {
        return;
    }
    TakeDpi(dpi);
    LayOut(m_width);
    FitToHost();
}

bool BForm::SetBackColor(std::wstring_view text) {
    const std::optional<Colour> colour = skin::ParseBackColor(text);
    if (!colour) {
        return false;
    }
    m_properties.backColor = *colour;
    if (Handle() != nullptr) {
        ::InvalidateRect(Handle(), nullptr, FALSE);
    }
    return true;
}

void BForm::SetCaption(std::wstring_view caption) {
    // The window's text is the one place the caption changes once there is a window.
    if (Handle() == nullptr || !SetText(Handle(), caption)) {
        m_properties.caption = std::wstring(caption);
    }
}

void BForm::Restore(const controls::PropertyBag& bag) {
    const skin::BFormProperties restored = skin::RestoreBForm(bag);
    m_properties.backColor = restored.backColor;
    SetCaption(restored.caption);
    if (Handle() != nullptr) {
        ::InvalidateRect(Handle(), nullptr, FALSE);
    }
}

void BForm::Nomin() {
    if (m_nomin) {
        return;
    }
    OnCaptureLost();
    SendTool(TTM_DELTOOLW, TitleButton::Min, false);
    m_nomin = true;
    LayOut(m_width);
    if (Handle() != nullptr) {
        ::InvalidateRect(Handle(), nullptr, FALSE);
    }
}

void BForm::Printform(HDC hostDc) const {
    const HWND host = Handle() != nullptr ? ::GetParent(Handle()) : nullptr;
    if (host == nullptr || hostDc == nullptr) {
        return;
    }
    RECT client{};
    ::GetClientRect(host, &client);
    const int saved = ::SaveDC(hostDc);
    RECT bar{};
    ::GetWindowRect(Handle(), &bar);
    ::MapWindowPoints(HWND_DESKTOP, host, reinterpret_cast<POINT*>(&bar), 2);
    ::ExcludeClipRect(hostDc, bar.left, bar.top, bar.right, bar.bottom);
    if (const auto background = reinterpret_cast<HBRUSH>(::GetClassLongPtrW(host, GCLP_HBRBACKGROUND))) {
        ::FillRect(hostDc, &client, background);
    }
    const unique_hdc source(::CreateCompatibleDC(hostDc));
    const SelectGuard skin(source.Get(), m_pp.Get());
    if (skin) {
        for (const skin::ArtBlit& blit :
             skin::PlanHostBorder(client.right, client.bottom, m_dpi.x, m_dpi.y, m_artScale)) {
            Copy(hostDc, source.Get(), blit);
        }
    }
    ::RestoreDC(hostDc, saved);
}

void BForm::FitToHost() {
    const HWND host = Handle() != nullptr ? ::GetParent(Handle()) : nullptr;
    if (host == nullptr) {
        return;
    }
    RECT client{};
    ::GetClientRect(host, &client);
    ::SetWindowPos(Handle(), nullptr, 0, 0, client.right, m_plan.height, SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(host, nullptr, TRUE);
}

void BForm::Render(HDC dc) const {
    const RECT all{0, 0, m_width, m_plan.height};
    const unique_hbrush back(::CreateSolidBrush(ToColorRef(m_properties.backColor)));
    ::FillRect(dc, &all, back.Get());
    const unique_hdc source(::CreateCompatibleDC(dc));
    {
        // Without its pictures the bar still shows its caption on BackColor.
        const SelectGuard skin(source.Get(), m_pp.Get());
        if (skin) {
            for (const skin::ArtBlit& blit : m_plan.strip) {
                Copy(dc, source.Get(), blit);
            }
        }
    }
    const auto overlay = [&](TitleButton button, const skin::ArtBlit& place) {
        const SelectGuard image(source.Get(), ImageFor(button));
        if (image) {
            Copy(dc, source.Get(), place);
        }
    };
    if (m_plan.minButton) {
        overlay(TitleButton::Min, *m_plan.minButton);
    }
    overlay(TitleButton::Close, m_plan.closeButton);

    const SelectGuard font(dc, m_font.Get());
    const int mode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF colour = ::SetTextColor(dc, ToColorRef(skin::kCaptionColour));
    RECT text = ToRECT(m_plan.captionClip);
    text.top = m_plan.caption.y;
    ::DrawTextW(dc, m_properties.caption.c_str(), static_cast<int>(m_properties.caption.size()), &text,
                DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    ::SetTextColor(dc, colour);
    ::SetBkMode(dc, mode);
}

HBITMAP BForm::ImageFor(TitleButton button) const {
    const bool min = button == TitleButton::Min;
    switch (m_input.Look(button)) {
        case ButtonLook::Hover:
            return min ? m_minHover.Get() : m_closeHover.Get();
        case ButtonLook::Pressed:
            return min ? m_pi1.Get() : m_pi2.Get();
        case ButtonLook::Idle:
            break;
    }
    return nullptr;  // the idle picture is part of the strip
}

LRESULT BForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_WINDOWPOSCHANGING:
            // The bar keeps its own height whatever its host asks for.
            reinterpret_cast<WINDOWPOS*>(lParam)->cy = m_plan.height;
            return 0;
        case WM_SIZE:
            LayOut(LOWORD(lParam));
            for (const TitleButton button : {TitleButton::Min, TitleButton::Close}) {
                SendTool(TTM_NEWTOOLRECTW, button, false);
            }
            ::InvalidateRect(Handle(), nullptr, FALSE);
            return 0;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SETTEXT: {
            const LRESULT set = Window::HandleMessage(message, wParam, lParam);
            if (set != FALSE) {
                const auto* text = reinterpret_cast<const wchar_t*>(lParam);
                m_properties.caption = text != nullptr ? text : L"";
                ::InvalidateRect(Handle(), nullptr, FALSE);
            }
            return set;
        }
        case WM_MOUSEMOVE:
        case WM_MOUSELEAVE:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            OnMouse(message, wParam, lParam);
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != Handle()) {
                OnCaptureLost();
            }
            return 0;
        case WM_CANCELMODE:
            OnCaptureLost();
            return 0;
        case WM_DESTROY:
            m_tooltip.Reset();
            return 0;
        default:
            return Window::HandleMessage(message, wParam, lParam);
    }
}

void BForm::LayOut(int width) {
    m_width = width;
    m_plan = skin::PlanTitleBar(width, m_nomin, m_dpi.x, m_dpi.y, m_artScale);
}

void BForm::OnPaint() {
    const PaintDc paint(Handle());
    if (paint.Get() == nullptr) {
        return;
    }
    // Drawn off the screen first: the ends go over the tiles, and the screen should see only the result.
    MemoryDc buffer;
    if (buffer &&
        buffer.SelectBitmap(unique_hbitmap(::CreateCompatibleBitmap(paint.Get(), m_width, m_plan.height)))) {
        Render(buffer.Get());
        ::BitBlt(paint.Get(), 0, 0, m_width, m_plan.height, buffer.Get(), 0, 0, SRCCOPY);
    } else {
        Render(paint.Get());
    }
}

void BForm::OnMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    const Point at = MousePoint(lParam);
    const skin::TitleBarPart part = skin::PartAt(m_plan, at);
    const int button = MouseButtonOf(message);
    const Looks before{m_input.Look(TitleButton::Min), m_input.Look(TitleButton::Close)};
    std::optional<skin::TitleBarEvent> event;
    switch (message) {
        case WM_MOUSEMOVE:
            if (!m_trackingLeave) {
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
                m_trackingLeave = ::TrackMouseEvent(&track) != FALSE;
            }
            m_input.OnMove(part);
            break;
        case WM_MOUSELEAVE:
            m_trackingLeave = false;
            m_input.OnLeave();
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            event = m_input.OnDown(button, ShiftOf(wParam), at, part);
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            event = m_input.OnUp(button, part);
            break;
        default:  // the double clicks
            event = m_input.OnDoubleClick(button, ShiftOf(wParam), at, part);
            break;
    }
    Follow(before);
    // Last, so that the host may do anything with its window, this one included.
    if (event) {
        Raise(*event);
    }
}

void BForm::OnCaptureLost() {
    const Looks before{m_input.Look(TitleButton::Min), m_input.Look(TitleButton::Close)};
    m_input.OnCaptureLost();
    Follow(before);
}

// Shows the looks that changed, holds the mouse while a button is held, and reads the language again
// for a button the pointer has just come onto.
void BForm::Follow(const Looks& before) {
    if (Handle() == nullptr) {
        return;
    }
    const std::pair<TitleButton, ButtonLook> changes[] = {{TitleButton::Min, before.min},
                                                          {TitleButton::Close, before.close}};
    for (const auto& [button, was] : changes) {
        const ButtonLook now = m_input.Look(button);
        if (now == was) {
            continue;
        }
        if (const skin::ArtBlit* place = Place(button)) {
            const RECT area = ToRECT(place->target);
            ::InvalidateRect(Handle(), &area, FALSE);
        }
        if (now == ButtonLook::Hover) {
            SendTool(TTM_UPDATETIPTEXTW, button, true);
        }
    }
    const bool holding = ::GetCapture() == Handle();
    if (m_input.Pressing() && !holding) {
        ::SetCapture(Handle());
    } else if (!m_input.Pressing() && holding) {
        ::ReleaseCapture();
    }
}

void BForm::Raise(const skin::TitleBarEvent& event) {
    switch (event.kind) {
        case skin::TitleBarEventKind::MouseDown:
            m_events->MouseDown(event.button, event.shift, event.at);
            break;
        case skin::TitleBarEventKind::MinClick:
            m_events->MinClick();
            break;
        case skin::TitleBarEventKind::CloseClick:
            m_events->CloseClick();
            break;
        case skin::TitleBarEventKind::DblClick:
            m_events->DblClick();
            break;
    }
}

void BForm::CreateTooltip() {
    m_tooltip.Reset(win::CreateTooltip(Handle()));
    for (const TitleButton button : {TitleButton::Min, TitleButton::Close}) {
        SendTool(TTM_ADDTOOLW, button, true);
    }
}

const skin::ArtBlit* BForm::Place(TitleButton button) const {
    if (button == TitleButton::Close) {
        return &m_plan.closeButton;
    }
    return m_plan.minButton ? &*m_plan.minButton : nullptr;
}

// A message about a button's tooltip, with the button's place and, when asked, the text for the
// language stored now.
void BForm::SendTool(UINT message, TitleButton button, bool withText) const {
    const skin::ArtBlit* place = Place(button);
    if (!m_tooltip || place == nullptr) {
        return;
    }
    const std::int32_t language = m_settings != nullptr ? m_settings->Read(app::setting::kLanguage) : 0;
    std::wstring text(withText ? skin::TitleBarTooltip(button, language) : std::wstring_view());
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = Handle();
    tool.uId = ToolId(button);
    tool.rect = ToRECT(place->target);
    tool.lpszText = withText ? text.data() : nullptr;
    ::SendMessageW(m_tooltip.Get(), message, 0, reinterpret_cast<LPARAM>(&tool));
}

void StandardTitleBarEvents::MouseDown(int button, int /*shift*/, Point /*at*/) {
    if (button != skin::kLeftMouseButton) {
        return;
    }
    // The system's own move loop drags the window for as long as the button is held.
    ::ReleaseCapture();
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::SendMessageW(m_host, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(cursor.x, cursor.y));
}

void StandardTitleBarEvents::MinClick() {
    ::ShowWindow(m_host, SW_MINIMIZE);
}

void StandardTitleBarEvents::CloseClick() {
    ::PostMessageW(m_host, WM_CLOSE, 0, 0);
}

void StandardTitleBarEvents::DblClick() {
    ::ShowWindow(m_host, SW_MINIMIZE);
}

}  // namespace orvell::win
