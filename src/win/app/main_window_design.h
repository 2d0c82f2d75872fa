#pragma once

// The saved designs of the main window's two XP-style buttons, in the buttons' property-bag text
// form. Only what differs from a new button is written; the captions are replaced by the language
// files at start-up. The picture frame is the 16-pixel icon with 2 pixels around it, and the caption
// leaves the picture a third of the face, so the icon fits the narrow hide button too. The access keys
// give Alt+A for the list and Alt+Y for hiding, as the Help window's shortcut table promises.
namespace orvell::win::design {

// What the two designs share: an XP push button whose caption leaves the picture a third of the face,
// with a picture frame of the 16-pixel icon and 2 pixels around it.
inline constexpr wchar_t kSmallPictureButton[] =
    L"Button_类型=0\n"
    L"Button标题区百分比=67\n"
    L"图片框_宽=20\n"
    L"图片框_高=20\n"
    L"图片框_框内留空_底部=2\n"
    L"图片框_框内留空_顶部=2\n"
    L"图片框_框内留空_左侧=2\n"
    L"图片框_框内留空_右侧=2\n";

inline constexpr wchar_t kListButton[] =
    L"Caption=ASCⅡ表\n"
    L"Button图片_常显=res:LISTICON\n"
    L"热键=A\n";

inline constexpr wchar_t kHideButton[] =
    L"Caption=隐藏\n"
    L"Button图片_常显=res:HIDEICON\n"
    L"热键=Y\n";

}  // namespace orvell::win::design
