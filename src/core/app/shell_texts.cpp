#include "app/shell_texts.h"

namespace orvell::app {

std::wstring_view HiddenStartTrayTip(Language language) {
    return language == Language::Chinese ? L"Orvell(双击弹出窗体)" : L"Orvell(Double click to open)";
}

std::wstring_view TrayFlagText(bool hidden) {
    return hidden ? L"Yes" : L"No";
}

std::wstring_view StartupEntryFailedMessage(StartupEntryFailure failure, Language language) {
    const bool atStart = failure == StartupEntryFailure::AtStart;
    if (language == Language::Chinese) {
        return atStart ? L"无法写入开机自运行项，“开机自运行”已关闭。"
                       : L"无法写入开机自运行项，“开机自运行”未开启。";
    }
    return atStart
               ? L"Orvell could not add itself to the programs that start with Windows; \"Run at Startup\" "
                 L"is off."
               : L"Orvell could not add itself to the programs that start with Windows; \"Run at Startup\" "
                 L"stays off.";
}

}  // namespace orvell::app
