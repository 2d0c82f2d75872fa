#pragma once

#include <cstdint>
#include <string_view>

#include "common/geometry.h"
#include "controls/control_events.h"
#include "controls/font_description.h"
#include "controls/picture.h"

namespace orvell::controls {

// The title of the box that reports a refused property value.
inline constexpr std::wstring_view kPropertyErrorTitle = L"属性设置错误";

enum class MessageIcon { None, Information };

// The shape of the control's window: the bounds with round corners (an ellipse of cornerWidth x
// cornerHeight; 0 for square corners), cut to the clip rectangle.
struct WindowRegion {
    Rect bounds;
    int cornerWidth = 0;
    int cornerHeight = 0;
    Rect clip;
    friend bool operator==(const WindowRegion&, const WindowRegion&) = default;
};

// What the button needs from the window that carries it. Every call comes on the window's thread,
// from inside a setter, a redraw or an input handler.
class XpButtonHost {
public:
    virtual ~XpButtonHost() = default;

    // A property changed, by its public name (so a designer can save it).
    virtual void PropertyChanged(std::wstring_view name) = 0;
    // A modal box with an OK button.
    virtual void ShowMessage(std::wstring_view title, std::wstring_view text, MessageIcon icon) = 0;

    // The window follows these properties: input on or off, the caption font selected into the
    // drawing surface (text measuring and drawing use it), and the cursor shape.
    virtual void ApplyEnabled(bool enabled) = 0;
    virtual void ApplyFont(const FontDescription& font) = 0;
    virtual void ApplyMousePointer(std::int32_t pointer, const Picture* icon) = 0;

    // The window's shape after a body drawing; the same shape comes again after every drawing.
    virtual void ApplyRegion(const WindowRegion& region) = 0;
    // A drawing of the surface is complete and may be shown.
    virtual void Present() = 0;

    virtual void CaptureMouse() = 0;
    virtual void ReleaseMouse() = 0;
    // Starts a sound file without waiting, without a default sound when the file is missing, and
    // without cutting off a sound that is playing. The path is the property's text, not yet resolved.
    virtual void PlaySoundFile(std::wstring_view path) = 0;
    // Moves the keyboard focus to the next (or previous) control of the window's tab order.
    virtual void MoveFocus(bool forward) = 0;
};

// The events the button raises: those of every drawn control, and the click on its drop-down arrow.
class XpButtonEvents : public ControlEvents {
public:
    virtual void DropDownClick() {}
};

}  // namespace orvell::controls
