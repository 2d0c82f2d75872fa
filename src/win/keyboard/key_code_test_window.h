#pragma once

#include <windows.h>
#include <commctrl.h>

#include <array>

#include "app/settings.h"
#include "keyboard/key_code_test.h"
#include "platform/dpi.h"
#include "platform/unique_handle.h"
#include "windows/secondary_window.h"

namespace orvell::win {

// frmKeyCodeTest: the key-code test, shown modal over its owner. Every key pressed in it, F10, Tab,
// Esc, the arrows and Alt combinations included, is named in large letters with its key code,
// modifier mask and character code; a right click empties it. Alt+F4 still closes it, after showing
// its own name; its title bar's close button closes it too.
//
// The window keeps the keyboard focus itself (no control in it takes it) and handles the keys
// without the system's menu keys, so nothing is lost to a menu or a dialog manager. Every text it
// shows is a static control whose window text is that text, for screen readers and tests.
// It is made at each opening and destroyed at its closing, so it starts empty; nothing of it runs
// while it is closed.
class KeyCodeTestWindow final : public SecondaryWindow {
public:
    KeyCodeTestWindow() = default;
    // Closes a window still open while its controls, fonts and title bar are there.
    ~KeyCodeTestWindow() override;

    // Opens the window centred on the screen, in the language of the stored "Language" setting. The
    // store must outlive the window: its title bar's tooltips read it again at every hover. On an open
    // window it only brings it to the front. False when the system refuses the window.
    bool Open(HWND owner, const app::SettingsStore& settings);

    // For the tests: Label1(0 to 7) the cells, Label2(0 to 4) the headings, Label3 the prompt, Label4
    // the key's name; the cells' tooltip control.
    HWND Label1(int index) const { return Pick(m_label1, index); }
    HWND Label2(int index) const { return Pick(m_label2, index); }
    HWND Label3() const { return m_label3; }
    HWND Label4() const { return m_label4; }
    HWND Tooltip() const { return m_tooltip.Get(); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    template <std::size_t N>
    static HWND Pick(const std::array<HWND, N>& windows, int index) {
        return index >= 0 && index < static_cast<int>(N) ? windows[static_cast<std::size_t>(index)] : nullptr;
    }

    void CreateControls() override;
    void PaintOver(HDC dc) override;
    void CreateTooltip();
    static LRESULT CALLBACK CellProc(HWND cell, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR index,
                                     DWORD_PTR self);

    void OnKeyDown(int code);
    void OnKeyUp(int code);
    void OnChar(int character);
    void OnMouseDown(keyboard::MouseButton button);
    void OnMouseUp(Point at);
    LRESULT OnControlColour(HDC dc, HWND control) const;
    // Puts the model's texts into the controls that differ from them.
    void Show();

    keyboard::KeyCodeTest m_test;
    // From the opening to the window's creation, when the controls are made.
    TwipsScale m_scale{Dpi{}};
    keyboard::KeyCodeTestLayout m_layout{keyboard::KeyCodeTestLayout::kDesignLetterWidth,
                                         keyboard::KeyCodeTestLayout::kDesignLetterHeight};
    keyboard::KeyCodeTestTexts m_texts{};
    std::array<HWND, keyboard::kCellCount> m_label1{};
    std::array<HWND, 5> m_label2{};
    HWND m_label3 = nullptr;
    HWND m_label4 = nullptr;
    unique_hwnd m_tooltip;
    unique_hfont m_promptFont;
    unique_hfont m_headingFont;
    unique_hfont m_nameFont;
    bool m_pressedOnForm = false;
};

}  // namespace orvell::win
