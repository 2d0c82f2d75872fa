#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/language.h"
#include "lookup/code_literals.h"
#include "platform/unique_handle.h"

namespace orvell::win {

// Command identifiers of the main window's menus.
namespace menu_id {
inline constexpr UINT kVB = 101;           // mnuVB
inline constexpr UINT kDelphi = 102;       // mnuDelphi
inline constexpr UINT kC = 103;            // mnuC
inline constexpr UINT kKeyCodeTest = 104;  // mnuKeyCodeTest
inline constexpr UINT kExit = 105;         // mnuExit
inline constexpr UINT kChinese = 106;      // mnuChinese
inline constexpr UINT kEnglish = 107;      // mnuEnglish
inline constexpr UINT kEight = 108;        // mnuEight: 800×600
inline constexpr UINT kThousand = 109;     // mnuThousand: 1024×768
inline constexpr UINT kHideKey = 110;      // mnuHideKey
inline constexpr UINT kRun = 111;          // mnuRun
inline constexpr UINT kNew = 112;          // mnuNew: help topics
inline constexpr UINT kAbout = 113;        // mnuAbout
// The shortcut menu (mnuPopMenu), also the tray icon's menu.
inline constexpr UINT kAscII0 = 201;  // mnuAscII(0..2)
inline constexpr UINT kAscII1 = 202;
inline constexpr UINT kAscII2 = 203;
inline constexpr UINT kLanguage0 = 204;  // mnuLanguage(0..1)
inline constexpr UINT kLanguage1 = 205;
inline constexpr UINT kBai0 = 206;  // mnuBai(0..1)
inline constexpr UINT kBai1 = 207;
inline constexpr UINT kHideKeySetting0 = 208;  // mnuHideKeySetting(0..1)
inline constexpr UINT kHideKeySetting1 = 209;
inline constexpr UINT kHelpTopic0 = 210;  // mnuHelpTopic(0..1)
inline constexpr UINT kHelpTopic1 = 211;
inline constexpr UINT kOther0 = 212;  // mnuOther(0..1)
inline constexpr UINT kOther1 = 213;
// The output box's shortcut menu: its own two commands, then "copy as", one item per format in order.
inline constexpr UINT kOutputCopy = 301;
inline constexpr UINT kOutputSelectAll = 302;
inline constexpr UINT kCopyAsFirst = 310;
}  // namespace menu_id

// The output box's shortcut menu, made as it opens in the language of the moment: the box's Copy and
// Select All, and the "copy as" submenu for the code of the answer in view, each item showing its
// literal; without a code in view the submenu's items are greyed.
unique_hmenu OutputMenu(app::Language language, std::optional<int> code, bool selection);
std::optional<lookup::CodeFormat> CopyAsFormat(UINT id);

// The menu bar, the hidden shortcut menu (mnuPopMenu) and the keyboard shortcuts of the main window.
class MainMenus {
public:
    MainMenus();
    MainMenus(const MainMenus&) = delete;
    MainMenus& operator=(const MainMenus&) = delete;

    // Gives the menu bar to the window (SetMenu), which destroys it with itself; the menus only refer to
    // it from then on. Until then, and when the window refuses it, the bar is theirs to destroy.
    bool AttachBar(HWND window);

    HMENU Shortcut() const { return m_shortcut.Get(); }
    HACCEL Accelerators() const { return m_accelerators.Get(); }

    // The check marks that always move together.
    void SetLanguage(app::Language language);
    void SetTableLayout(bool eightHundred);
    void SetRunAtStartup(bool on);
    bool RunAtStartup() const;
    // A shortcut-menu item whose window the menu bar has opened: checked and greyed until it closes.
    void SetOpenedElsewhere(UINT id, bool opened);
    bool IsChecked(UINT id) const;
    bool IsEnabled(UINT id) const;

    // Puts the language file's captions on the items each line names; items keep their shortcut text.
    void ApplyCaptions(const app::LanguageLines& lines);

    // Menu text as shown, without the shortcut after the tab (for tests).
    std::wstring Caption(UINT id) const;

private:
    void Check(UINT id, bool on);
    HMENU MenuOf(UINT id) const;  // the bar, which holds it through its submenus, or the shortcut menu

    unique_hmenu m_ownedBar;  // until a window takes it
    HMENU m_bar = nullptr;
    unique_hmenu m_shortcut;
    unique_haccel m_accelerators;
    HMENU m_fileMenu = nullptr;
    HMENU m_settingsMenu = nullptr;
};

}  // namespace orvell::win
