#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "controls/xp_button.h"
#include "platform/gdi_canvas.h"
#include "platform/unique_handle.h"
#include "platform/window.h"

namespace orvell::win {

// The window of an XP-style button (VelloXPButton): a child window that feeds the button its input,
// gives it a drawing surface kept between drawings (a state change repaints only part of the face)
// and shows that surface. A click by mouse, Space, Enter or an access key calls the click handler.
//
// Access keys: the top-level window passes Alt plus a character to DispatchXpButtonAccessKey (or to
// HandleAccessKey of one button), for instance for every WM_SYSCHAR in its message loop.
class XpButtonWindow final : public Window, private controls::XpButtonHost, private controls::XpButtonEvents {
public:
    XpButtonWindow();
    ~XpButtonWindow() override;

    // A newly placed button: the defaults, captioned with its name. Bounds in the parent's client
    // pixels. False when the window exists already or the system refuses.
    bool Create(HWND parent, int id, const Rect& bounds, std::wstring_view name,
                const controls::FontDescription& hostFont);
    // A button restored from a saved design (see PropertyBag for the text form); what the design
    // could not give is listed in its Problems() and takes the default.
    bool Create(HWND parent, int id, const Rect& bounds, std::wstring_view name,
                const controls::FontDescription& hostFont, const controls::PropertyBag& design,
                controls::PictureSource& pictures);

    // The button's properties, methods and state. Setting a property redraws as the button decides.
    controls::VelloXPButton& Button() { return m_button; }
    const controls::VelloXPButton& Button() const { return m_button; }

    // Called on every click after the button raised it. The handler must not destroy this object.
    void SetClickHandler(std::function<void()> handler) { m_onClick = std::move(handler); }
    // Called when the drop-down part of a toolbar button is clicked.
    void SetDropDownHandler(std::function<void()> handler) { m_onDropDown = std::move(handler); }
    // The other events, for a host that wants them (null for none); the object must outlive the button.
    void SetEventSink(controls::XpButtonEvents* sink) { m_sink = sink; }

    // Alt plus key: clicks the button when key is one of its access keys and it takes input (visible
    // and enabled). True when it did.
    bool HandleAccessKey(wchar_t key);

    // The button's drawing surface (its "hdc"): what it shows, kept between drawings.
    HDC Hdc() const { return m_surfaceDc.Get(); }

    // Where the refusal boxes go; the default shows a modal MessageBox over the button's window.
    using MessageHandler =
        std::function<void(std::wstring_view title, std::wstring_view text, controls::MessageIcon)>;
    void SetMessageHandler(MessageHandler handler) { m_showMessage = std::move(handler); }
    // Plays a sound file by its resolved path with PlaySound's flags; the default calls PlaySoundW.
    using SoundPlayer = std::function<void(const std::wstring& path, DWORD flags)>;
    void SetSoundPlayer(SoundPlayer player) { m_playSound = std::move(player); }

    // The PlaySound flags of the button's sounds: asynchronous, no default sound for a missing file,
    // and a sound already playing is not cut off.
    static constexpr DWORD kSoundFlags = 0x0001 | 0x0002 | 0x0010 | 0x2000 | 0x00020000;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool CreateWindowFor(HWND parent, int id, const Rect& bounds);
    void ResizeSurface(int width, int height);
    void OnPaint();
    void OnMouseButton(std::int16_t button, LPARAM lParam, bool down);
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetDlgCode(LPARAM lParam);
    void Show(HDC target);
    void ForgetPress();

    // XpButtonHost
    void PropertyChanged(std::wstring_view) override {}
    void ShowMessage(std::wstring_view title, std::wstring_view text, controls::MessageIcon icon) override;
    void ApplyEnabled(bool enabled) override;
    void ApplyFont(const controls::FontDescription& font) override;
    void ApplyMousePointer(std::int32_t pointer, const controls::Picture* icon) override;
    void ApplyRegion(const controls::WindowRegion& region) override;
    void Present() override;
    void CaptureMouse() override;
    void ReleaseMouse() override;
    void PlaySoundFile(std::wstring_view path) override;
    void MoveFocus(bool forward) override;

    // XpButtonEvents
    void Click() override;
    void DropDownClick() override;
    void KeyDown(std::int16_t& keyCode, std::int16_t& shift) override;
    void KeyPress(std::int16_t& keyAscii) override;
    void KeyUp(std::int16_t& keyCode, std::int16_t& shift) override;
    void MouseOut() override;
    void MouseDown(std::int16_t& button, std::int16_t& shift, float& x, float& y) override;
    void MouseMove(std::int16_t& button, std::int16_t& shift, float& x, float& y) override;
    void MouseUp(std::int16_t& button, std::int16_t& shift, float& x, float& y) override;

    unique_hdc m_surfaceDc;
    unique_hbitmap m_surfaceBitmap;
    HGDIOBJ m_originalBitmap = nullptr;
    unique_hfont m_font;
    HGDIOBJ m_originalFont = nullptr;
    GdiCanvas m_canvas;
    controls::VelloXPButton m_button;
    int m_width = 0;
    int m_height = 0;

    std::optional<controls::WindowRegion> m_region;
    std::int32_t m_pointer = 0;
    HCURSOR m_customCursor = nullptr;  // owned by the MouseIcon picture
    bool m_painting = false;
    bool m_leftDown = false;  // the left button went down here and a release here is a click

    std::function<void()> m_onClick;
    std::function<void()> m_onDropDown;
    controls::XpButtonEvents* m_sink = nullptr;
    MessageHandler m_showMessage;
    SoundPlayer m_playSound;
};

// Alt plus key pressed in a window: clicks the first XP button among its descendants that has key as
// an access key and takes input. True when one did.
bool DispatchXpButtonAccessKey(HWND topLevel, wchar_t key);

// The window region of a shape; null when the system refuses.
unique_hrgn MakeWindowRegion(const controls::WindowRegion& region);

}  // namespace orvell::win
