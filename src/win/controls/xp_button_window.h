#pragma once

#include <windows.h>
#include <mmsystem.h>

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
// and shows that surface. A click by mouse, Space, Enter, an access key or BM_CLICK calls the click
// handler.
//
// To screen readers and automation it is a push button: its window text is the caption with the
// access key marked by "&", BM_CLICK clicks it, BM_GETSTATE tells whether it is pressed and focused,
// and its accessible object has the push button's role and the default action "Press".
//
// Access keys: the top-level window passes Alt plus a character to HandleAccessKey of each button,
// for instance for every WM_SYSKEYDOWN in its message loop.
class XpButtonWindow final : public Window, private controls::XpButtonHost {
public:
    XpButtonWindow();

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
    void SetClickHandler(std::function<void()> handler) { m_handlers.onClick = std::move(handler); }
    // Called when the drop-down part of a toolbar button is clicked.
    void SetDropDownHandler(std::function<void()> handler) { m_handlers.onDropDown = std::move(handler); }
    // A host that wants every event gives its own sink, which then takes the place of the two handlers
    // above; null gives them back. The sink must outlive the button or be taken away first.
    void SetEventSink(controls::XpButtonEvents* sink) {
        m_button.SetEvents(sink != nullptr ? sink : &m_handlers);
    }

    // Alt plus key: clicks the button when key is one of its access keys and it takes input (visible
    // and enabled). True when it did.
    bool HandleAccessKey(wchar_t key);

    // The button's drawing surface (its "hdc"): what it shows, kept between drawings.
    HDC Hdc() const { return m_surface.Get(); }

    // Where the refusal boxes go; the default shows a modal MessageBox over the button's window.
    using MessageHandler =
        std::function<void(std::wstring_view title, std::wstring_view text, controls::MessageIcon)>;
    void SetMessageHandler(MessageHandler handler) { m_showMessage = std::move(handler); }
    // Plays a sound file by its resolved path with PlaySound's flags; the default calls PlaySoundW.
    using SoundPlayer = std::function<void(const std::wstring& path, DWORD flags)>;
    void SetSoundPlayer(SoundPlayer player) { m_playSound = std::move(player); }

    // The PlaySound flags of the button's sounds: asynchronous, no default sound for a missing file,
    // and a sound already playing is not cut off.
    static constexpr DWORD kSoundFlags = SND_ASYNC | SND_NODEFAULT | SND_NOSTOP | SND_NOWAIT | SND_FILENAME;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The events of a host without a sink of its own: Click and DropDownClick run the handlers.
    struct Handlers final : controls::XpButtonEvents {
        void Click() override {
            if (onClick) {
                onClick();
            }
        }
        void DropDownClick() override {
            if (onDropDown) {
                onDropDown();
            }
        }
        std::function<void()> onClick;
        std::function<void()> onDropDown;
    };

    bool CreateWindowFor(HWND parent, int id, const Rect& bounds);
    void ResizeSurface(int width, int height);
    void OnPaint();
    void OnMouseButton(std::int16_t button, LPARAM lParam, bool down);
    void OnBmClick();
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetDlgCode(LPARAM lParam);
    void ShowWindowText();
    void TakeFocus();
    void Show(HDC target);

    // XpButtonHost
    void PropertyChanged(std::wstring_view name) override;
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

    MemoryDc m_surface;  // owns the surface's bitmap and the caption font selected into it
    GdiCanvas m_canvas;
    Handlers m_handlers;
    controls::VelloXPButton m_button;
    int m_width = 0;
    int m_height = 0;

    std::optional<controls::WindowRegion> m_region;
    std::int32_t m_pointer = 0;
    HCURSOR m_customCursor = nullptr;  // owned by the MouseIcon picture
    bool m_painting = false;
    bool m_leftDown = false;  // the left button went down here and a release here is a click

    MessageHandler m_showMessage;
    SoundPlayer m_playSound;
};

// The window region of a shape; null when the system refuses.
unique_hrgn MakeWindowRegion(const controls::WindowRegion& region);

}  // namespace orvell::win
