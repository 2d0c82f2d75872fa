#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "common/canvas.h"
#include "common/colour.h"
#include "common/geometry.h"
#include "controls/control_events.h"
#include "controls/font_description.h"
#include "controls/property_bag.h"

namespace orvell::controls {

// The values of the check box.
namespace check_value {
inline constexpr std::int32_t kUnchecked = 0;
inline constexpr std::int32_t kChecked = 1;
inline constexpr std::int32_t kGrey = 2;
}  // namespace check_value

// The four looks of each value. A strip's cell for a value and a look is 4 x value + look.
enum class BoxLook : std::int32_t { Normal = 0, Hovered = 1, Pressed = 2, Disabled = 3 };

constexpr int CellOf(std::int32_t value, BoxLook look) {
    return 4 * value + static_cast<int>(look);
}

// The image strips the box is cut from: fourteen strips, each one row of twelve square cells.
namespace check_box_art {
inline constexpr int kCellSize = 13;  // pixels, both ways, at 96 dpi (a strip of another DPI has larger)
inline constexpr int kCellCount = 12;
inline constexpr int kStripCount = 14;
inline constexpr int kStripWidth = kCellSize * kCellCount;
// Pixels of this colour are not part of the box: the control's background shows there.
inline constexpr Colour kTransparent = Colour::Rgb(255, 0, 255);
}  // namespace check_box_art

// Where the strips come from.
class CheckBoxArt {
public:
    virtual ~CheckBoxArt() = default;
    // The pixels of strip `index` (0 to 13), row after row from the top, kStripWidth x kCellSize of
    // them; anything else (empty, say) when the strip cannot be had, and the box is then not drawn.
    // (CellSize() in place of kCellSize for strips drawn for another DPI.)
    virtual std::span<const Colour> Strip(int index) = 0;
    virtual int CellSize() const { return check_box_art::kCellSize; }
};

// The saved properties, with the defaults a restored control takes.
struct XpCheckBoxProperties {
    bool enabled = true;
    std::int32_t checkBoxLook = 0;  // which strip, 0 to 13
    std::int32_t value = check_value::kUnchecked;
    std::wstring caption = L"CheckBox1";
    Colour backColor = Colour::System(system_colour::kButtonFace);
    FontDescription font;  // the host's font
    Colour foreColor = Colour(0);

    friend bool operator==(const XpCheckBoxProperties&, const XpCheckBoxProperties&) = default;
};

// The public names of the properties: the keys they are saved under and the names the host is told.
namespace check_box_key {
inline constexpr std::wstring_view kEnabled = L"Enabled";
inline constexpr std::wstring_view kCheckBoxLook = L"CheckBoxLook";
inline constexpr std::wstring_view kValue = L"Value";
inline constexpr std::wstring_view kCaption = L"Caption";
inline constexpr std::wstring_view kBackColor = L"BackColor";
inline constexpr std::wstring_view kFont = L"Font";
inline constexpr std::wstring_view kForeColor = L"ForeColor";
}  // namespace check_box_key

// The size of a text in pixels.
struct TextExtent {
    int width = 0;
    int height = 0;
};

// Where the parts lie, in pixels from the control's top-left corner.
struct XpCheckBoxLayout {
    Rect box;    // 13 x 13 at the left edge, centred from top to bottom
    Rect label;  // the caption, sized to its text, 16 pixels from the left edge, centred too
    friend bool operator==(const XpCheckBoxLayout&, const XpCheckBoxLayout&) = default;
};

// What the check box needs from the window that carries it; every call comes on the window's thread.
class XpCheckBoxHost {
public:
    virtual ~XpCheckBoxHost() = default;

    // A property changed, by its public name.
    virtual void PropertyChanged(std::wstring_view name) = 0;
    // The window takes input or not.
    virtual void ApplyEnabled(bool enabled) = 0;
    // The caption font: MeasureCaption and painting use it from now on.
    virtual void ApplyFont(const FontDescription& font) = 0;
    // The size of a caption on one line in the caption font, an "&" marking the access key as drawn.
    virtual TextExtent MeasureCaption(std::wstring_view caption) = 0;
    // The 10 ms timer that notices the pointer leaving. Started and stopped only when that changes.
    virtual void StartHoverTimer() = 0;
    virtual void StopHoverTimer() = 0;
    // What the control shows changed: Paint it again.
    virtual void Invalidate() = 0;
    // A click (mouse, Space or the window's own) changed the value, after Click was raised.
    virtual void ValueClicked() = 0;
};

// The events the check box raises: those of every drawn control.
using XpCheckBoxEvents = ControlEvents;

// The program's own check box: a box cut from an image strip and a caption beside it, three values
// with four looks each. It keeps its properties, decides which cell shows, arranges and paints its
// parts on the surface it is given, and turns the window's input into its value and events. Mouse
// buttons and modifier bits are those of control_events.h.
class XpCheckBox {
public:
    explicit XpCheckBox(XpCheckBoxHost& host) : m_host(host) {}
    XpCheckBox(const XpCheckBox&) = delete;
    XpCheckBox& operator=(const XpCheckBox&) = delete;

    // Null for none. The events object must outlive the check box or be taken away first.
    void SetEvents(XpCheckBoxEvents* events) { m_events = events != nullptr ? events : &m_noEvents; }

    // A newly placed check box: the defaults, captioned with the host's name for it, in its font.
    void InitNew(std::wstring_view hostName, const FontDescription& hostFont);
    // The saved properties; a missing value takes its default. A look or value out of its range
    // takes the default too, and the bag lists it among its problems.
    void Restore(const PropertyBag& bag, const FontDescription& hostFont);
    // Only values that differ from their defaults are written.
    void Save(PropertyBag& bag, const FontDescription& hostFont) const;

    const XpCheckBoxProperties& Properties() const { return m_props; }
    const XpCheckBoxLayout& Layout() const { return m_layout; }
    // The cell of the working strip the box shows.
    int DisplayedCell() const { return m_displayed; }
    bool HoverTimerRunning() const { return m_timerRunning; }
    // A mouse button or Space is held on the control.
    bool Held() const { return m_mouseDown; }
    bool Focused() const { return m_focused; }
    // Whether the caption marks key as its access key ("&K"), compared as the XP buttons compare.
    bool HasAccessKey(wchar_t key) const;

    void SetEnabled(bool enabled);
    // False, and nothing changes, for a strip other than 0 to 13.
    bool SetCheckBoxLook(std::int32_t look);
    // Raises no event. False, and nothing changes, for a value other than 0, 1 and 2.
    bool SetValue(std::int32_t value);
    void SetCaption(std::wstring_view caption);
    void SetBackColor(Colour colour);
    void SetFont(const FontDescription& font);
    void SetForeColor(Colour colour);

    // The window's input, in pixels relative to the control.
    void OnResize(int width, int height);
    // The side of the box's cell in pixels: the art's CellSize(), 13 at 96 dpi; the label keeps 3
    // pixels from the box.
    void SetCellSize(int cellSize);
    void OnMouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void OnMouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    // The left button released over the control after it went down there, or a click of the window's.
    void OnClick();
    void OnKeyDown(std::int16_t keyCode, std::int16_t shift);
    void OnKeyPress(std::int16_t keyAscii);
    void OnKeyUp(std::int16_t keyCode, std::int16_t shift);
    void OnGotFocus();
    void OnLostFocus();
    // A tick of the hover timer, with the pointer where it is now.
    void OnHoverTick(float x, float y);
    // Whether a point is over the control; its far edges count as over it.
    bool Contains(float x, float y) const { return x >= 0 && x <= m_width && y >= 0 && y <= m_height; }

    // The background, the box, the caption and, with the focus, the focus outline around the caption.
    void Paint(Canvas& canvas, CheckBoxArt& art) const;

private:
    void Show(int cell);
    void ShowNormal();
    void ShowDisabled();
    void RefreshLook();
    void Arrange();
    void ApplyAll();
    void StartTimer();
    void StopTimer();
    void MouseMoveStep(std::int16_t button, std::int16_t shift, float x, float y);
    void MouseDownStep(std::int16_t button, std::int16_t shift, float x, float y);
    void DrawBox(Canvas& canvas, std::span<const Colour> strip) const;

    XpCheckBoxHost& m_host;
    XpCheckBoxEvents m_noEvents;
    XpCheckBoxEvents* m_events = &m_noEvents;

    XpCheckBoxProperties m_props;
    XpCheckBoxLayout m_layout;
    int m_width = 0;
    int m_height = 0;
    int m_cellSize = check_box_art::kCellSize;

    int m_displayed = CellOf(check_value::kUnchecked, BoxLook::Normal);
    int m_remembered = CellOf(check_value::kUnchecked, BoxLook::Hovered);
    bool m_mouseDown = false;
    // Space went down on the box: only then does its release click.
    bool m_spaceDown = false;
    bool m_focused = false;
    bool m_timerRunning = false;
};

}  // namespace orvell::controls
