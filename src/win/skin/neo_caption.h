#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>

#include "common/colour.h"
#include "controls/font_description.h"
#include "platform/unique_handle.h"
#include "skin/caption_layout.h"
#include "skin/mem_dc.h"
#include "skin/menu_bar.h"
#include "skin/nc_frame.h"

namespace orvell::win {

// The main window's frame pictures for a DPI: the size skin::ArtScaleFor picks, drawn at that size,
// and their regions. Null pictures when the program carries none.
struct FrameSkin {
    unique_hbitmap caption;
    unique_hbitmap border;
    skin::CaptionArt art;
};
FrameSkin LoadFrameSkin(int dpi);

// The main window's skinned frame: a caption, borders and caption buttons drawn from two pictures
// instead of the system's, with the window's menu drawn as a bar in the lower half of the caption.
// Clicks on its buttons become the usual system commands; its logo opens the window menu. It owns the
// frame that takes over the non-client area and the drawn menu bar, and composes everything off
// screen before copying it to the window in a few blocks.
//
// Set the colours and fonts, then Attach once the window (and its menu) exists. Detach, or the
// window's destruction, ends it; Detach also gives the window its real menu back.
class cNeoCaption final : public INCAreaModifier {
public:
    cNeoCaption();
    ~cNeoCaption() override;
    cNeoCaption(const cNeoCaption&) = delete;
    cNeoCaption& operator=(const cNeoCaption&) = delete;

    // Not while the window handles its WM_DESTROY: the frame is still being dispatched that message.
    void Detach() noexcept;
    // Gives the window its real menu back without letting go of it, so that a window being destroyed
    // destroys the menu with itself (the frame lets go by itself then).
    void RestoreMenu() noexcept;
    // Takes over form's frame with the two pictures (copied; the caller keeps its bitmaps) and the
    // regions of the caption picture, drawn at lScale percent of their 96-dpi size. The dispatcher's
    // SubclassError reaches the caller; nothing stays attached then.
    void Attach(HWND form, HBITMAP PicCaption, HBITMAP PicBorder, int lButtonWidth, int lButtonHeight,
                int lActiveLeftEnd, int lActiveRightStart, int lActiveRightEnd, int lInactiveOffset,
                int lScale = 100);
    // The window moved to a screen of another DPI: the pictures for it, the fonts at it, and the
    // margins asked for again. Nothing while detached.
    void ChangeDpi(const FrameSkin& skin, int dpi);
    // The pictures drawn now and their regions.
    const skin::CaptionArt& Art() const { return m_art; }

    // The colours and fonts take effect at the next paint, the menu's at the next Attach.
    Colour MenuBackgroundColor() const { return m_menuBackgroundColor; }
    void MenuBackgroundColor(Colour oColor) { m_menuBackgroundColor = oColor; }
    Colour ActiveCaptionColor() const { return m_activeCaptionColor; }
    void ActiveCaptionColor(Colour oColor) { m_activeCaptionColor = oColor; }
    Colour InActiveCaptionColor() const { return m_inActiveCaptionColor; }
    void InActiveCaptionColor(Colour oColor) { m_inActiveCaptionColor = oColor; }
    const controls::FontDescription& CaptionFont() const { return m_captionFont; }
    void CaptionFont(const controls::FontDescription& font) { m_captionFont = font; }
    const controls::FontDescription& MenuFont() const { return m_menuFont; }
    void MenuFont(const controls::FontDescription& font) { m_menuFont = font; }
    Colour ActiveMenuColor() const { return m_activeMenuColor; }
    Colour ActiveMenuColorOver() const { return m_activeMenuColorOver; }
    Colour InActiveMenuColor() const { return m_inActiveMenuColor; }
    void ActiveMenuColor(Colour oColor) { m_activeMenuColor = oColor; }
    void ActiveMenuColorOver(Colour oColor) { m_activeMenuColorOver = oColor; }
    void InActiveMenuColor(Colour oColor) { m_inActiveMenuColor = oColor; }

    // The window's own Alt+key handling (its buttons' access keys) goes before the menu bar's: keys it
    // reports used open no menu. The keyboard hook takes only the keys of the bar's items; the window's
    // other keys reach its message loop as usual.
    void SetHostAltKey(std::function<bool(int vKey)> handler) { m_hostAltKey = std::move(handler); }
    // WM_SYSCOMMAND's SC_KEYMENU, which the system sends for Alt alone, F10 and Alt+letters no one else
    // took: opens the first drawn menu, or the one whose access letter was typed. True when it did.
    bool KeyMenu(LPARAM character);
    // Draws the frame again now, after a change the frame cannot see (the menu's captions).
    void Repaint();

    bool Attached() const { return m_window != nullptr; }
    const cMenuBar* MenuBar() const { return m_menuBar.get(); }

    // INCAreaModifier.
    HWND hWnd() override { return m_window; }
    void GetTopMarginHeight(int& cy) override;
    void GetLeftMarginWidth(int& cx) override;
    void GetRightMarginWidth(int& cx) override;
    void GetBottomMarginHeight(int& cy) override;
    void NCPaint(HDC hdc, int lLeft, int lTop, int lRight, int lBottom) override;
    void HitTest(int X, int Y, int& eHitTest) override;
    void NCMouseDown(int X, int Y, bool& bHandled, HDC hdc, int lLeft, int lTop, int lRight,
                     int lBottom) override;
    void NCMouseUp(int X, int Y, HDC hdc, int lLeft, int lTop, int lRight, int lBottom) override;
    void InitMenuPopup(WPARAM wParam, LPARAM lParam) override;
    void ExitMenuLoop() override;
    bool TakesAltKey(int vKey) override;
    LRESULT AltKeyAccelerator(int vKey) override;

private:
    skin::CaptionLayout Layout() const;
    void DrawButton(HDC hdc, const skin::CaptionLayout& layout, skin::CaptionButton button,
                    bool pressed) const;
    void DrawButtons(HDC hdc, const skin::CaptionLayout& layout) const;
    void PaintSides(HDC hdc, int width, int height);
    void PaintBottom(HDC hdc, int width, int height);
    void TakePictures(HBITMAP caption, HBITMAP border);

    HWND m_window = nullptr;
    std::unique_ptr<cNCCalcSize> m_frame;
    std::unique_ptr<cMenuBar> m_menuBar;
    std::optional<cMemDC> m_caption;  // the caption picture
    std::optional<cMemDC> m_border;   // the border picture
    std::optional<cMemDC> m_strip;    // the caption strip, then the bottom border, composed
    std::optional<cMemDC> m_side;     // the two side borders, composed
    skin::CaptionArt m_art;
    int m_dpi = 96;  // the window's, for the fonts
    skin::CaptionButtonPress m_press;

    Colour m_activeCaptionColor{0xCCCCCC};
    Colour m_inActiveCaptionColor{0x999999};
    Colour m_activeMenuColor{0x000000};
    Colour m_activeMenuColorOver{0x000000};
    Colour m_inActiveMenuColor{0x808080};
    Colour m_menuBackgroundColor{0xFFFFFF};
    controls::FontDescription m_captionFont{L"MS Sans Serif", 8.25f};
    controls::FontDescription m_menuFont{L"MS Sans Serif", 8.25f};
    std::function<bool(int vKey)> m_hostAltKey;
};

}  // namespace orvell::win
