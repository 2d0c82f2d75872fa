#pragma once

#include <windows.h>

#include <optional>

#include "platform/unique_handle.h"
#include "skin/frame_rules.h"
#include "skin/subclass.h"

namespace orvell::win {

// The painter of a skinned frame: it sizes the margins, draws the non-client area and answers for its
// own parts of it (buttons, logo, menu bar). Coordinates are relative to the window's top-left
// corner; the rectangle passed is the whole window, (0, 0, width, height), and hdc is the whole
// window's DC.
class INCAreaModifier {
public:
    virtual ~INCAreaModifier() = default;

    virtual HWND hWnd() = 0;
    // Each margin starts at the system's own; the painter may change it.
    virtual void GetTopMarginHeight(int& cy) = 0;
    virtual void GetLeftMarginWidth(int& cx) = 0;
    virtual void GetRightMarginWidth(int& cx) = 0;
    virtual void GetBottomMarginHeight(int& cy) = 0;
    virtual void NCPaint(HDC hdc, int lLeft, int lTop, int lRight, int lBottom) = 0;
    // eHitTest holds the frame's own answer (skin::hit codes) and may be changed.
    virtual void HitTest(int X, int Y, int& eHitTest) = 0;
    virtual void NCMouseDown(int X, int Y, bool& bHandled, HDC hdc, int lLeft, int lTop, int lRight,
                             int lBottom) = 0;
    virtual void NCMouseUp(int X, int Y, HDC hdc, int lLeft, int lTop, int lRight, int lBottom) = 0;
    // For a popup of the window's own menus, not its system menu.
    virtual void InitMenuPopup(WPARAM wParam, LPARAM lParam) = 0;
    virtual void ExitMenuLoop() = 0;
    // Whether AltKeyAccelerator would use the key. Asked from the keyboard hook, where nothing may act:
    // the key is then taken there, and AltKeyAccelerator runs from the window's own procedure.
    virtual bool TakesAltKey(int vKey) = 0;
    // Non-zero when the Alt+key was used.
    virtual LRESULT AltKeyAccelerator(int vKey) = 0;
};

// Takes over the non-client area of one top-level window for a painter: margins, hit-testing and
// painting through the painter or, without one, plainly. What the system does with its own frame it
// still does here: a press on the caption starts the system's move (keyboard, Esc and snapping
// included). The painter is reachable from the window handle alone (GetImplementation). Detaches by
// itself when the window is destroyed, and when it is destroyed itself.
class cNCCalcSize final : public ISubclass, public IKeyboardClient {
public:
    cNCCalcSize() = default;
    ~cNCCalcSize() override;
    cNCCalcSize(const cNCCalcSize&) = delete;
    cNCCalcSize& operator=(const cNCCalcSize&) = delete;

    // Repaints hWnd with its children, now.
    void ReDraw(HWND hWnd);
    // Repaints form (the frame's window when null) and has the system ask for the margins again.
    void RefreshFrame(HWND form = nullptr);
    bool WindowActive() const override { return m_windowActive; }
    bool AppActive() const noexcept { return m_appActive; }
    // Starts the system's move from the current cursor position, as a press on the caption does.
    void TitleBarMouseDown();
    // Posts a system command (SC_CLOSE ...) to the window: it acts after the current message.
    void SysCommand(WPARAM eCmd);
    // Takes over iTo->hWnd() for iTo (after letting go of any earlier window) and takes the window's
    // menu off it: the painter draws the menu bar, and the real one would take room and keys from it.
    // Throws SubclassError from the dispatcher; nothing stays attached then.
    void Attach(INCAreaModifier* iTo);
    // The window's menu as it was at Attach.
    HMENU hMenu() const noexcept { return m_menu; }
    // Lets go of the window and gives it its menu back.
    void Detach() noexcept;
    // Gives the window its menu back without letting go, so that a window being destroyed destroys
    // the menu with itself.
    void RestoreMenu() noexcept;
    // The plain system look of the frame, for a window without a painter.
    void DefaultNCPaint(HDC hdc, int lLeft, int lTop, int lRight, int lBottom);
    // The painter of the frame's window, if one is attached.
    bool GetImplementation(INCAreaModifier*& iTo) const;

    EMsgResponse MsgResponse() override;
    LRESULT WindowProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnAltKey(int vKey) override;

private:
    LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    void OnNcPaint(WPARAM wParam, LPARAM lParam);
    void OnNcLButtonDown(WPARAM wParam, LPARAM lParam);
    void OnNcLButtonUp(LPARAM lParam);
    int NCHitTest(Point screen);
    void HitTestAtCursor();
    bool MaximisedMdiChild() const;
    Point InWindow(Point screen) const;

    HWND m_window = nullptr;
    HMENU m_menu = nullptr;
    bool m_mdiChild = false;
    bool m_windowActive = false;
    bool m_appActive = false;
    skin::Margins m_margins;
    int m_lastHitCode = skin::hit::kNowhere;
    // The caption is composed here first for the plain look: DrawCaption straight onto the window
    // flickers.
    std::optional<MemoryDc> m_captionBuffer;
};

}  // namespace orvell::win
