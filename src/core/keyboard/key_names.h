#pragma once

#include <optional>
#include <string>

namespace orvell::keyboard {

// Keys are Windows virtual-key codes (0 to 255) and characters are the codes a key press produced
// (0 to 255); anything else has no name. A modifier mask holds the bits below, as key events deliver
// them; other bits are ignored.
namespace shift_mask {
inline constexpr int kShift = 1;
inline constexpr int kCtrl = 2;
inline constexpr int kAlt = 4;
}  // namespace shift_mask

// "Shift", "Ctrl + Alt", ...: Shift always last, Alt after Ctrl. Empty for no modifier.
std::wstring ModifierText(int mask);

// The key-code test's name of a key pressed with no modifier held. Letters and punctuation have none:
// they are named by the character they type, which follows.
std::optional<std::wstring> PlainKeyName(int code);

// The key-code test's name of a character typed with no modifier held: the character itself, for
// letters and the punctuation that no numeric-pad key also types.
std::optional<std::wstring> TypedCharName(int character);

// The key-code test's name of a key pressed while modifiers are held: "Ctrl + A", or the modifier
// text alone for a modifier key or a key without a name. Never empty while a modifier is held.
std::wstring ModifiedKeyName(int code, int mask);

// The name the key-code test shows when a key is released, for the two keys it names that way.
std::optional<std::wstring> ReleaseName(int code, int mask);

// The hotkey setting window's name of a key ("BackSpace", "Up Arrow(↑)"); empty for a key that the
// window does not offer.
std::wstring HotkeyKeyName(int code);

}  // namespace orvell::keyboard
