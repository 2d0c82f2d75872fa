#include "help/help_texts.h"

#include <initializer_list>

namespace orvell::help {

namespace {

// Lines joined as the text boxes show them, each ended by CR LF.
std::wstring Lines(std::initializer_list<std::wstring_view> lines) {
    std::wstring text;
    for (const std::wstring_view line : lines) {
        text.append(line).append(L"\r\n");
    }
    return text;
}

// The keys column is 16 characters wide: spaces fill it, and after the Ctrl keys a tab reaches the
// text box's second tab stop, 16 characters in, just as far.
struct Shortcut {
    std::wstring_view keys;
    std::wstring_view action;
};
constexpr Shortcut kShortcuts[] = {
    {L"Alt+ F", L"打开“文件”命令"},
    {L"Alt+ H", L"打开“帮助”命令"},
    {L"Alt+ O", L"打开“设置”命令"},
    {L"Ctrl+D", L"显示 Delphi ASCⅡ表"},
    {L"Ctrl+V", L"显示 Visual Basic ASCⅡ表"},
    {L"Ctrl+C", L"显示 C语言  ASCⅡ表"},
    {L"Ctrl+B", L"切换800×600屏幕分辨率显示"},
    {L"Ctrl+E", L"切换1024×768屏幕分辨率显示"},
    {L"Alt+ S", L"查询相应的字符或ASCⅡ值"},
    {L"Alt+ E", L"退出程序"},
    {L"Alt+ Y", L"缩小为系统托盘(或F12，可以更改)"},
    {L"Alt+ A", L"打开相应的 ASCⅡ表"},
    {L"Del", L"在查询时清空查询内容"},
    {L"F1", L"显示“帮助”对话框"},
    {L"F2", L"显示“关于”对话框"},
    {L"F4", L"退出程序"},
    {L"F5", L"打开“键码检测”命令"},
    {L"F6", L"切换“简体中文”语言"},
    {L"F7", L"切换“英文”语言"},
    {L"F8", L"选择“开机自运行” "},
};
constexpr std::size_t kKeysColumn = 16;

std::wstring ShortcutLine(const Shortcut& shortcut) {
    std::wstring line = L"  ";
    line.append(shortcut.keys);
    if (shortcut.keys.starts_with(L"Ctrl")) {
        line += L'\t';
    } else {
        line.append(kKeysColumn - line.size(), L' ');
    }
    return line.append(shortcut.action);
}

std::wstring ShortcutsPage() {
    std::wstring text = Lines(
        {L"          ■ 键盘快捷键用法帮助 ■", L"", L"  按键          作用", L"━━━━━━━━━━━━━━━━━━━━━━━━━━"});
    for (const Shortcut& shortcut : kShortcuts) {
        text.append(ShortcutLine(shortcut)).append(L"\r\n");
    }
    return text;
}

const std::wstring kDescription = Lines({
    L"Orvell V1.00",
    L"",
    L"    本程序可以由ASCⅡ值(码)查询相应的字符，也可以由字符查询相应的ASCⅡ值(码)；有中文和英文两种"
    L"界面，窗体美观。另附“键码检测(For VB) V1.01”，方便您在编程时检测键盘上各键的键码。",
    L"",
    L"字符包含：(去除一些空字符或打印不出的字符，实际有217个可查询的字符)",
    L"    ⒈阿拉伯数字：0-9(9个)",
    L"    ⒉标点符号：! \" # $ % & ' ( ) * + , - . / 等(34个)",
    L"    ⒊小写英文字母：a-z(26个)",
    L"    ⒋大写英文字母：A-Z(26个)",
    L"    ⒌数学符号：± ÷ ≈ ≤ ≥ ∞ √ 等(26个)",
    L"    ⒍制表符：┌ ┐ ├ ┴ ═ ║ 等(23个)",
    L"    ⒎以符号显示的控制字符：↑ ↓ → ← § 等(24个)",
    L"    ⒏拉丁字母：ü é à ê è ì 等(25个)",
    L"    ⒐其它字符：空格、Backspace、Esc、Enter 等(7个)",
    L"",
    L"ASCⅡ值(码)包含：",
    L"    VB、Delphi：33-126(94个)",
    L"    C: 000-255(217个)",
    L"",
    L"****************************************************",
    L"其中：001-002、008、016-018、022-023、127-128、135、155、168、176-178、183-185、187-190、202-204、"
    L"206、208、211-214、216、220-223、232 共38个 ASCⅡ值(码)由于包含打印不出的字符或空字符所以不提供查询。",
    L"****************************************************",
});

const std::wstring kShortcutsText = ShortcutsPage();

const std::wstring kAuthor = Lines({
    L"          ■ 关于 Orvell 开发组 ■",
    L"",
    L"    Orvell 由 Orvell 开发组编写和维护。它是给程序员用的小工具：由字符查ASCⅡ值，由ASCⅡ值查"
    L"字符，还能检测键盘上各键的键码。",
    L"",
    L"    本程序可以免费使用，也可以随意复制给朋友。",
    L"",
    L"    发现问题或有任何建议，请写信告诉我们：",
    L"    E-Mail：orvell@example.org",
    L"    网站：https://orvell.example.org/",
});

}  // namespace

HelpCaptions HelpCaptionsFor(std::int32_t languageSetting) {
    if (languageSetting == 1) {
        return {L"Help", {L"Help Topic", L"HotKey", L"About Athor"}, L"  &Exit"};
    }
    return {L"帮助", {L"帮助文档", L"快捷键", L"关于作者"}, L" 退出(&E)"};
}

const std::wstring& HelpPageText(HelpPage page) {
    switch (page) {
        case HelpPage::Shortcuts:
            return kShortcutsText;
        case HelpPage::Author:
            return kAuthor;
        default:
            return kDescription;
    }
}

std::wstring ShortcutKeysColumn() {
    return ShortcutLine(kShortcuts[0]).substr(0, kKeysColumn);
}

HelpPage HelpPageFromTab(int tab) {
    return tab >= 1 && tab <= kPageCount ? static_cast<HelpPage>(tab) : HelpPage::Description;
}

}  // namespace orvell::help
