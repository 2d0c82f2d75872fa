#include "skin/neo_caption.h"

#include <string>

#include "platform/gdi.h"
#include "platform/window.h"

namespace orvell::win {

namespace {

using skin::CaptionButton;

// Holds the window's drawing back while the frame changes under it; lets go only of its own lock.
class UpdateLock {
public:
    explicit UpdateLock(HWND window) : m_locked(::LockWindowUpdate(window) != FALSE) {}
    ~UpdateLock() {
        if (m_locked) {
            ::LockWindowUpdate(nullptr);
        }
    }
    UpdateLock(const UpdateLock&) = delete;
    UpdateLock& operator=(const UpdateLock&) = delete;

private:
    bool m_locked;
};

void Copy(HDC target, const Rect& to, HDC source, Point from) {
    ::BitBlt(target, to.left, to.top, to.Width(), to.Height(), source, from.x, from.y, SRCCOPY);
}

std::uint32_t StyleOf(HWND window) {
    return static_cast<std::uint32_t>(::GetWindowLongW(window, GWL_STYLE));
}

}  // namespace

FrameSkin LoadFrameSkin(int dpi) {
    const int scale = skin::ArtScaleFor(dpi);
    const auto load = [scale](const wchar_t* name) {
        const std::wstring resource = ArtResourceName(name, scale);
        return unique_hbitmap(static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr), resource.c_str(),
                                                                IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    };
    return {load(L"FRAMECAPTION"), load(L"FRAMEBORDER"), skin::MainWindowArt(scale)};
}

cNeoCaption::cNeoCaption() = default;

cNeoCaption::~cNeoCaption() {
    Detach();
}

void cNeoCaption::Detach() noexcept {
    if (m_frame) {
        m_frame->Detach();  // the window gets its real menu back; the bar only drew it
        m_frame.reset();
    }
    if (m_menuBar) {
        m_menuBar->Detach();
        m_menuBar.reset();
    }
    m_window = nullptr;
    m_press = {};
}

void cNeoCaption::RestoreMenu() noexcept {
    if (m_frame) {
        m_frame->RestoreMenu();
    }
}

void cNeoCaption::Attach(HWND form, HBITMAP PicCaption, HBITMAP PicBorder, int lButtonWidth,
                         int lButtonHeight, int lActiveLeftEnd, int lActiveRightStart, int lActiveRightEnd,
                         int lInactiveOffset, int lScale) {
    const UpdateLock lock(form);
    Detach();
    TakePictures(PicCaption, PicBorder);
    m_art = {m_caption->Height(), m_border->Height(), lButtonWidth,    lButtonHeight, lActiveLeftEnd,
             lActiveRightStart,   lActiveRightEnd,    lInactiveOffset, lScale};
    m_dpi = WindowDpi(form).y;
    m_window = form;
    try {
        m_menuBar = std::make_unique<cMenuBar>();
        m_menuBar->Attach(form);
        m_menuBar->SetMenuFont(m_menuFont);
        m_menuBar->SetMenuColours(m_activeMenuColor, m_activeMenuColorOver, m_inActiveMenuColor,
                                  m_menuBackgroundColor);
        m_menuBar->CaptionHeight(m_art.captionHeight);
        m_menuBar->SetDpi(m_dpi, m_art.scale);
        m_frame = std::make_unique<cNCCalcSize>();
        m_frame->Attach(this);
    } catch (...) {
        Detach();
        throw;
    }
    m_frame->RefreshFrame(form);  // the system asks for the new margins
    if (::IsWindowVisible(form)) {
        ::SetForegroundWindow(form);
        ::SetFocus(form);
        ::SendMessageW(form, WM_NCACTIVATE, TRUE, 0);
    }
}

void cNeoCaption::TakePictures(HBITMAP caption, HBITMAP border) {
    m_caption.emplace();
    m_caption->CreateFromPicture(caption);
    m_border.emplace();
    m_border->CreateFromPicture(border);
    m_strip.emplace();
    m_side.emplace();
}

void cNeoCaption::ChangeDpi(const FrameSkin& skin, int dpi) {
    if (!m_frame) {
        return;
    }
    TakePictures(skin.caption.Get(), skin.border.Get());
    m_art = skin.art;
    m_art.captionHeight = m_caption->Height();
    m_art.border = m_border->Height();
    m_dpi = dpi;
    m_menuBar->CaptionHeight(m_art.captionHeight);
    m_menuBar->SetDpi(dpi, m_art.scale);
    m_frame->RefreshFrame(m_window);
}

bool cNeoCaption::KeyMenu(LPARAM character) {
    if (!m_menuBar) {
        return false;
    }
    if (character == 0) {
        if (m_menuBar->ItemCount() < 1) {
            return false;
        }
        m_menuBar->TrackItem(1);
        return true;
    }
    const SHORT key = ::VkKeyScanW(static_cast<WCHAR>(character));
    return key != -1 && m_menuBar->HandleAltKey(LOBYTE(key));
}

void cNeoCaption::Repaint() {
    if (m_window != nullptr) {
        ::SendMessageW(m_window, WM_NCPAINT, 0, 0);
    }
}

void cNeoCaption::GetTopMarginHeight(int& cy) {
    cy = m_art.captionHeight;
}

void cNeoCaption::GetLeftMarginWidth(int& cx) {
    cx = m_art.border;
}

void cNeoCaption::GetRightMarginWidth(int& cx) {
    cx = m_art.border;
}

void cNeoCaption::GetBottomMarginHeight(int& cy) {
    cy = m_art.border;
}

skin::CaptionLayout cNeoCaption::Layout() const {
    RECT bounds{};
    ::GetWindowRect(m_window, &bounds);
    const bool active = !m_frame || m_frame->WindowActive();
    return skin::LayoutCaption(m_art, bounds.right - bounds.left, StyleOf(m_window), active);
}

void cNeoCaption::NCPaint(HDC hdc, int lLeft, int lTop, int lRight, int lBottom) {
    if (!m_frame || !m_caption || m_caption->hdc() == nullptr) {
        return;
    }
    const int width = lRight - lLeft;
    const int height = lBottom - lTop;
    const bool active = m_frame->WindowActive();
    const skin::CaptionLayout layout = skin::LayoutCaption(m_art, width, StyleOf(m_window), active);
    m_strip->Grow(width + 1, m_art.captionHeight);
    m_side->Grow(2 * m_art.border, height + 1);
    const HDC strip = m_strip->hdc();
    const HDC caption = m_caption->hdc();

    const unique_hfont titleFont = MakeFont(skin::TitleFont(m_captionFont, active), m_dpi);
    SelectGuard font(strip, titleFont.Get());
    for (const skin::CaptionCopy& piece : layout.art) {
        Copy(strip, piece.target, caption, piece.source);
    }
    DrawButtons(strip, layout);
    if (layout.title) {
        ::SetBkMode(strip, TRANSPARENT);
        ::SetTextColor(strip, ToColorRef(active ? m_activeCaptionColor : m_inActiveCaptionColor));
        const std::wstring title = GetText(m_window);
        RECT rect{layout.title->left, layout.title->top, layout.title->right, layout.title->bottom};
        if (!title.empty()) {
            ::DrawTextW(strip, title.c_str(), static_cast<int>(title.size()), &rect,
                        DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        }
    }
    m_menuBar->hMenu(m_frame->hMenu());
    const unique_hfont menuFont = MakeFont(skin::MenuBarFont(m_captionFont), m_dpi);
    const skin::MenuBarPlacement& bar = layout.menuBar;
    m_menuBar->Render(menuFont.Get(), strip, bar.left, bar.top, bar.width, bar.height, bar.yOffset);
    ::BitBlt(hdc, 0, 0, m_strip->Width(), m_strip->Height(), strip, 0, 0, SRCCOPY);

    PaintSides(hdc, width, height);
    PaintBottom(hdc, width, height);
}

void cNeoCaption::PaintSides(HDC hdc, int width, int height) {
    const int b = m_art.border;
    const int top = m_art.captionHeight;
    const HDC side = m_side->hdc();
    const HDC border = m_border->hdc();
    ::BitBlt(side, 0, top, b, b, border, 0, 0, SRCCOPY);
    ::BitBlt(side, b, top, b, b, border, 4 * b, 0, SRCCOPY);
    for (const skin::RowCopy& rows : skin::SideBorderCopies(m_art, height)) {
        ::BitBlt(side, 0, rows.targetY, 2 * b, rows.height, side, 0, rows.sourceY, SRCCOPY);
    }
    ::BitBlt(hdc, 0, top, b, height - top, side, 0, top, SRCCOPY);
    ::BitBlt(hdc, width - b, top, b, height - top, side, b, top, SRCCOPY);
}

void cNeoCaption::PaintBottom(HDC hdc, int width, int height) {
    const int b = m_art.border;
    const HDC strip = m_strip->hdc();
    const HDC border = m_border->hdc();
    // One tile from the picture, the rest copied from the tile beside them.
    const std::vector<int> tiles = skin::BottomEdgeTiles(m_art, width);
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        if (i == 0) {
            ::BitBlt(strip, tiles[i], 0, b, b, border, 3 * b, 0, SRCCOPY);
        } else {
            ::BitBlt(strip, tiles[i], 0, b, b, strip, tiles[i - 1], 0, SRCCOPY);
        }
    }
    ::BitBlt(strip, 0, 0, b, b, border, 2 * b, 0, SRCCOPY);
    ::BitBlt(strip, width - b, 0, b, b, border, 6 * b, 0, SRCCOPY);
    ::BitBlt(hdc, 0, skin::BottomBorderTop(m_art, height), m_strip->Width(), b, strip, 0, 0, SRCCOPY);
}

void cNeoCaption::DrawButton(HDC hdc, const skin::CaptionLayout& layout, CaptionButton button,
                             bool pressed) const {
    const auto& rect = layout.buttons[static_cast<std::size_t>(button)];
    if (!rect) {
        return;
    }
    const Point image = skin::ButtonImage(m_art, button, StyleOf(m_window), pressed);
    ::BitBlt(hdc, rect->left, rect->top, m_art.buttonWidth, m_art.buttonHeight, m_caption->hdc(), image.x,
             image.y, SRCCOPY);
}

void cNeoCaption::DrawButtons(HDC hdc, const skin::CaptionLayout& layout) const {
    for (const CaptionButton button : skin::kCaptionButtons) {
        DrawButton(hdc, layout, button, false);
    }
}

void cNeoCaption::HitTest(int X, int Y, int& eHitTest) {
    if (!m_frame) {
        return;
    }
    const skin::CaptionLayout layout = Layout();
    const Point at{X, Y};
    if (skin::IsSystemMenuArea(layout, at)) {
        eHitTest = skin::hit::kSysMenu;
    } else if (eHitTest == skin::hit::kCaption && skin::IsMenuBarArea(layout, at)) {
        // The frame's caption band reaches into the bar's top rows, where its items' hot zones start.
        eHitTest = skin::hit::kMenu;
    }
    // A held button shows pressed only while the mouse button is down with the pointer on it. The
    // button's state as the pointer's messages come in, not as it is now: a release already queued
    // behind this point must still find the button held.
    const auto hovered = skin::ButtonAt(layout, at);
    const bool buttonDown = ::GetKeyState(VK_LBUTTON) < 0;
    const WindowDc dc(m_window);
    for (const CaptionButton button : skin::kCaptionButtons) {
        if (m_press.Held(button) && dc) {
            DrawButton(dc.Get(), layout, button, buttonDown && hovered == button);
        }
    }
    m_press.Hover(hovered, buttonDown);
}

void cNeoCaption::NCMouseDown(int X, int Y, bool& bHandled, HDC hdc, int, int, int, int) {
    if (!m_frame) {
        return;
    }
    const skin::CaptionLayout layout = Layout();
    if (const auto button = m_press.Press(layout, Point{X, Y})) {
        DrawButton(hdc, layout, *button, true);
        bHandled = true;
    }
}

void cNeoCaption::NCMouseUp(int X, int Y, HDC hdc, int, int, int, int) {
    if (!m_frame) {
        return;
    }
    const skin::CaptionLayout layout = Layout();
    if (const auto command = m_press.Release(layout, Point{X, Y}, StyleOf(m_window))) {
        m_frame->SysCommand(*command);
    }
    DrawButtons(hdc, layout);
}

void cNeoCaption::InitMenuPopup(WPARAM wParam, LPARAM) {
    if (m_menuBar) {
        m_menuBar->PreparePopup(reinterpret_cast<HMENU>(wParam));
    }
}

void cNeoCaption::ExitMenuLoop() {
    if (m_menuBar) {
        m_menuBar->RestorePopups();
    }
}

bool cNeoCaption::TakesAltKey(int vKey) {
    return m_menuBar && m_menuBar->TakesAltKey(vKey);
}

LRESULT cNeoCaption::AltKeyAccelerator(int vKey) {
    if (m_hostAltKey && m_hostAltKey(vKey)) {
        return 1;
    }
    return m_menuBar && m_menuBar->HandleAltKey(vKey) ? 1 : 0;
}

}  // namespace orvell::win
