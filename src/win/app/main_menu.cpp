#include "app/main_menu.h"

#include <array>
#include <string_view>

namespace orvell::win {

namespace {

namespace line = app::language_line;

// What GetMenuState answers for a command the menu does not hold.
constexpr UINT kNoSuchItem = static_cast<UINT>(-1);

struct ItemText {
    UINT id;
    const wchar_t* caption;
    const wchar_t* shortcut;  // shown after a tab; the language files never change it
};

HMENU Popup(std::initializer_list<ItemText> items) {
    HMENU menu = ::CreatePopupMenu();
    for (const ItemText& item : items) {
        if (item.id == 0) {
            ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        std::wstring text = item.caption;
        if (item.shortcut) {
            text.append(L"\t").append(item.shortcut);
        }
        ::AppendMenuW(menu, MF_STRING, item.id, text.c_str());
    }
    return menu;
}

void AppendSubmenu(HMENU parent, HMENU child, const wchar_t* caption, UINT position) {
    ::InsertMenuW(parent, position, MF_BYPOSITION | MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(child),
                  caption);
}

void SetText(HMENU menu, UINT item, bool byPosition, const std::wstring& text) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<wchar_t*>(text.c_str());
    ::SetMenuItemInfoW(menu, item, byPosition ? TRUE : FALSE, &info);
}

std::wstring GetText(HMENU menu, UINT id) {
    wchar_t buffer[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = buffer;
    info.cch = static_cast<UINT>(std::size(buffer));
    if (!::GetMenuItemInfoW(menu, id, FALSE, &info)) {
        return {};
    }
    std::wstring text = buffer;
    return text.substr(0, text.find(L'\t'));
}

// Items named by command id, with the shortcut text they keep.
struct CommandTarget {
    int line;
    UINT id;
    const wchar_t* shortcut;
};

constexpr CommandTarget kCommandTargets[] = {
    {line::kExit, menu_id::kExit, L"F4"},
    {line::kExit, menu_id::kOther1, nullptr},
    {line::kRunAtStartup, menu_id::kRun, L"F8"},
    {line::kRunAtStartup, menu_id::kOther0, nullptr},
    {line::kHelpTopics, menu_id::kNew, L"F1"},
    {line::kHelpTopics, menu_id::kHelpTopic0, nullptr},
    {line::kAbout, menu_id::kAbout, L"F2"},
    {line::kAbout, menu_id::kHelpTopic1, nullptr},
    {line::kKeyCodeTest, menu_id::kKeyCodeTest, L"F5"},
    {line::kKeyCodeTest, menu_id::kHideKeySetting1, nullptr},
    {line::kHideKey, menu_id::kHideKey, nullptr},
    {line::kHideKey, menu_id::kHideKeySetting0, nullptr},
};

}  // namespace

unique_hmenu OutputMenu(app::Language language, std::optional<int> code, bool selection) {
    const bool chinese = language == app::Language::Chinese;
    HMENU copyAs = ::CreatePopupMenu();
    for (std::size_t i = 0; i < std::size(lookup::kCodeFormats); ++i) {
        const lookup::CodeFormat format = lookup::kCodeFormats[i];
        std::wstring text(lookup::CodeFormatName(format, language));
        const auto literal = code ? lookup::CodeLiteral(format, *code) : std::nullopt;
        if (literal) {
            text += L'\t';
            for (const wchar_t c : *literal) {
                text.append(c == L'&' ? 2 : 1, c);  // "&#65;" shows its ampersand
            }
        }
        ::AppendMenuW(copyAs, MF_STRING | (literal ? MF_ENABLED : MF_GRAYED),
                      menu_id::kCopyAsFirst + static_cast<UINT>(i), text.c_str());
    }
    HMENU menu = ::CreatePopupMenu();
    ::AppendMenuW(menu, MF_STRING | (selection ? MF_ENABLED : MF_GRAYED), menu_id::kOutputCopy,
                  chinese ? L"复制(&C)" : L"&Copy");
    ::AppendMenuW(menu, MF_STRING, menu_id::kOutputSelectAll, chinese ? L"全选(&A)" : L"Select &All");
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(copyAs),
                  chinese ? L"复制为" : L"Copy as");
    return unique_hmenu(menu);
}

std::optional<lookup::CodeFormat> CopyAsFormat(UINT id) {
    if (id < menu_id::kCopyAsFirst || id >= menu_id::kCopyAsFirst + std::size(lookup::kCodeFormats)) {
        return std::nullopt;
    }
    return lookup::kCodeFormats[id - menu_id::kCopyAsFirst];
}

MainMenus::MainMenus() {
    using namespace menu_id;
    HMENU ascii =
        Popup({{kVB, L"Visual Basic", L"Ctrl+V"}, {kDelphi, L"Delphi", L"Ctrl+D"}, {kC, L"C", L"Ctrl+C"}});
    m_fileMenu = Popup({{kKeyCodeTest, L"键码检测(&T)", L"F5"}, {kExit, L"退出", L"F4"}});
    AppendSubmenu(m_fileMenu, ascii, L"&ASCⅡ表", 0);

    HMENU languages = Popup({{kChinese, L"简体中文(&C)", L"F6"}, {kEnglish, L"&English", L"F7"}});
    HMENU screens = Popup({{kEight, L" 800×600", L"Ctrl+B"}, {kThousand, L"1024×768", L"Ctrl+E"}});
    m_settingsMenu = Popup({{kHideKey, L"隐藏快捷键(&H)", nullptr}, {kRun, L"开机自运行(&R)", L"F8"}});
    AppendSubmenu(m_settingsMenu, screens, L"屏幕分辨率(&S)", 0);
    AppendSubmenu(m_settingsMenu, languages, L"语言选择(&L)", 0);

    HMENU help = Popup({{kNew, L"帮助主题(&T)", L"F1"}, {kAbout, L"关于....(&A)", L"F2"}});

    m_ownedBar.Reset(::CreateMenu());
    m_bar = m_ownedBar.Get();
    AppendSubmenu(m_bar, m_fileMenu, L"文件(&F) ", 0);
    AppendSubmenu(m_bar, m_settingsMenu, L"设置(&S) ", 1);
    AppendSubmenu(m_bar, help, L" 帮助(&H) ", 2);

    // mnuPopMenu: never shown in the bar; it is the shortcut menu and the tray icon's menu.
    HMENU shortcut = Popup({{0, nullptr, nullptr},
                            {kHideKeySetting0, L"隐藏快捷键(&Y)", nullptr},
                            {kHideKeySetting1, L"键码检测(&T)", nullptr},
                            {0, nullptr, nullptr},
                            {kHelpTopic0, L"帮助主题", nullptr},
                            {kHelpTopic1, L"关于....", nullptr},
                            {0, nullptr, nullptr},
                            {kOther0, L"开机自运行", nullptr},
                            {kOther1, L"退出...", nullptr}});
    AppendSubmenu(shortcut, Popup({{kBai0, L" 800×600", nullptr}, {kBai1, L"1024×768", nullptr}}),
                  L"屏幕分辨率(&S)", 0);
    AppendSubmenu(shortcut, Popup({{kLanguage0, L"简体中文", nullptr}, {kLanguage1, L"English", nullptr}}),
                  L"语言选择", 0);
    AppendSubmenu(
        shortcut,
        Popup({{kAscII0, L"Visual Basic", nullptr}, {kAscII1, L"Delphi", nullptr}, {kAscII2, L"C", nullptr}}),
        L"ASCⅡ表", 0);
    m_shortcut.Reset(shortcut);

    // The shortcuts win over the input box's own keys (Ctrl+C and Ctrl+V are list commands here).
    ACCEL keys[] = {
        {FVIRTKEY | FCONTROL, 'V', static_cast<WORD>(kVB)},
        {FVIRTKEY | FCONTROL, 'D', static_cast<WORD>(kDelphi)},
        {FVIRTKEY | FCONTROL, 'C', static_cast<WORD>(kC)},
        {FVIRTKEY | FCONTROL, 'B', static_cast<WORD>(kEight)},
        {FVIRTKEY | FCONTROL, 'E', static_cast<WORD>(kThousand)},
        {FVIRTKEY, VK_F1, static_cast<WORD>(kNew)},
        {FVIRTKEY, VK_F2, static_cast<WORD>(kAbout)},
        {FVIRTKEY, VK_F4, static_cast<WORD>(kExit)},
        {FVIRTKEY, VK_F5, static_cast<WORD>(kKeyCodeTest)},
        {FVIRTKEY, VK_F6, static_cast<WORD>(kChinese)},
        {FVIRTKEY, VK_F7, static_cast<WORD>(kEnglish)},
        {FVIRTKEY, VK_F8, static_cast<WORD>(kRun)},
    };
    m_accelerators.Reset(::CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys))));
}

bool MainMenus::AttachBar(HWND window) {
    if (!m_ownedBar || !::SetMenu(window, m_ownedBar.Get())) {
        return false;
    }
    (void)m_ownedBar.Release();  // the window's now
    return true;
}

void MainMenus::Check(UINT id, bool on) {
    const UINT state = MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED);
    ::CheckMenuItem(m_bar, id, state);
    ::CheckMenuItem(m_shortcut.Get(), id, state);
}

HMENU MainMenus::MenuOf(UINT id) const {
    return ::GetMenuState(m_bar, id, MF_BYCOMMAND) != kNoSuchItem ? m_bar : m_shortcut.Get();
}

bool MainMenus::IsChecked(UINT id) const {
    const UINT state = ::GetMenuState(MenuOf(id), id, MF_BYCOMMAND);
    return state != kNoSuchItem && (state & MF_CHECKED) != 0;
}

bool MainMenus::IsEnabled(UINT id) const {
    const UINT state = ::GetMenuState(MenuOf(id), id, MF_BYCOMMAND);
    return state != kNoSuchItem && (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

void MainMenus::SetOpenedElsewhere(UINT id, bool opened) {
    Check(id, opened);
    ::EnableMenuItem(MenuOf(id), id, MF_BYCOMMAND | (opened ? MF_GRAYED : MF_ENABLED));
}

void MainMenus::SetLanguage(app::Language language) {
    const bool chinese = language == app::Language::Chinese;
    Check(menu_id::kChinese, chinese);
    Check(menu_id::kLanguage0, chinese);
    Check(menu_id::kEnglish, !chinese);
    Check(menu_id::kLanguage1, !chinese);
}

void MainMenus::SetTableLayout(bool eightHundred) {
    Check(menu_id::kEight, eightHundred);
    Check(menu_id::kBai0, eightHundred);
    Check(menu_id::kThousand, !eightHundred);
    Check(menu_id::kBai1, !eightHundred);
}

void MainMenus::SetRunAtStartup(bool on) {
    Check(menu_id::kRun, on);
    Check(menu_id::kOther0, on);
}

bool MainMenus::RunAtStartup() const {
    return IsChecked(menu_id::kRun);
}

void MainMenus::ApplyCaptions(const app::LanguageLines& lines) {
    const auto apply = [&](int lineNumber, HMENU menu, UINT item, bool byPosition, const wchar_t* shortcut) {
        const auto& text = lines.Line(lineNumber);
        if (!text) {
            return;
        }
        std::wstring caption = *text;
        if (shortcut) {
            caption.append(L"\t").append(shortcut);
        }
        SetText(menu, item, byPosition, caption);
    };
    apply(line::kFileMenu, m_bar, 0, true, nullptr);
    apply(line::kSettingsMenu, m_bar, 1, true, nullptr);
    apply(line::kHelpMenu, m_bar, 2, true, nullptr);
    apply(line::kAsciiTable, m_fileMenu, 0, true, nullptr);
    apply(line::kLanguageMenu, m_settingsMenu, 0, true, nullptr);
    apply(line::kScreenMenu, m_settingsMenu, 1, true, nullptr);
    apply(line::kAsciiTable, m_shortcut.Get(), 0, true, nullptr);
    apply(line::kLanguageMenu, m_shortcut.Get(), 1, true, nullptr);
    apply(line::kScreenMenu, m_shortcut.Get(), 2, true, nullptr);
    for (const CommandTarget& target : kCommandTargets) {
        apply(target.line, MenuOf(target.id), target.id, false, target.shortcut);
    }
}

std::wstring MainMenus::Caption(UINT id) const {
    return GetText(MenuOf(id), id);
}

}  // namespace orvell::win
