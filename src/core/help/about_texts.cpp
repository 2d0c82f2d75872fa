#include "help/about_texts.h"

#include <algorithm>

namespace orvell::help {

namespace {

// Room at the end of the credits' last line, where the address stands.
const std::wstring kRoomForAddress(17, L' ');

}  // namespace

AboutTexts AboutTextsFor(Language language) {
    if (language == Language::Chinese) {
        return {L"关于Orvell",
                L"关于",
                L"Orvell V1.00",
                L"For Win98/2000/NT/XP/2003",
                L"程序设计/美术设计：Orvell 开发组\r\n\r\n程序测试：Orvell 开发组\r\n\r\n"
                L"对本程序有任何建议或改进请E-Mail:" +
                    kRoomForAddress,
                L"退出(&E)"};
    }
    return {L"About Orvell",
            L"About",
            L"Orvell V1.00 ",
            L"For Win98/2000/NT/XP/2003",
            L"Main programmer/Main graphic artist：The Orvell team\r\nProgram Test：The Orvell team\r\n\r\n"
            L"If want to give some advice or point out bugs,Please E-Mail:" +
                kRoomForAddress,
            L"&Exit"};
}

std::wstring MailtoTarget() {
    return L"mailto:" + std::wstring(kContactAddress);
}

NoMailMessage NoMailMessageFor(Language language) {
    const std::wstring address(kContactAddress);
    if (language == Language::Chinese) {
        return {L"注意",
                L"没有能打开的电子邮件程序。\r\n\r\n请把您的建议或发现的问题写信寄到：\r\n" + address};
    }
    return {L"Notice",
            L"No e-mail program could be opened.\r\n\r\nPlease send your advice or the bugs you "
            L"found to:\r\n" +
                address};
}

std::wstring CreditsLastLine(Language language) {
    const std::wstring credits = AboutTextsFor(language).label3;
    std::wstring line = credits.substr(credits.rfind(L'\n') + 1);
    line.resize(line.size() - kRoomForAddress.size());
    return line;
}

AboutLayout AboutLayoutFor(Language language, CreditsMeasure measured) {
    constexpr int kCreditsLeft = 240;
    constexpr int kCreditsTop = 1500;
    constexpr int kLastCreditsLine = 4;  // of the Chinese credits, counted from 0
    const int lineHeight = measured.lineHeight > 0 ? measured.lineHeight : 180;
    const int lastLineWidth = measured.lastLineWidth > 0 ? measured.lastLineWidth : 2970;
    // Kept inside the window's border however wide the font draws the line.
    const int addressLeft = std::min(kCreditsLeft + lastLineWidth, kAboutClientWidth - 60 - 1800);
    const int addressTop = kCreditsTop + kLastCreditsLine * lineHeight;
    // As designed, which is the Chinese layout but for the exit button's top.
    AboutLayout layout{
        .image1 = {240, 600, 240 + 480, 600 + 480},
        .image2 = {2100, 600, 2100 + 2400, 600 + 360},
        .label1 = {780, 660, 780 + 1230, 660 + 300},
        .label2 = {780, 1140, 780 + 3600, 1140 + 300},
        .label3 = {kCreditsLeft, kCreditsTop, kCreditsLeft + 4800, kCreditsTop + 1200},
        .label4 = {addressLeft, addressTop, addressLeft + 1800, addressTop + 255},
        .command1 = {3600, 2950, 3600 + 1000, 2950 + 375},
    };
    if (language == Language::Chinese) {
        return layout;
    }
    // The address below the credits, where the design had it.
    layout.label4 = Rect{3210, 2220, 3210 + 1800, 2220 + 255};
    const auto moveTo = [](Rect& box, int left, int top) {
        box = Rect{left, top, left + box.Width(), top + box.Height()};
    };
    moveTo(layout.label1, layout.label1.left, 600);
    moveTo(layout.label2, layout.label2.left, 1200);
    moveTo(layout.label3, layout.label3.left, 1550);
    moveTo(layout.label4, layout.label4.left, 2800);
    moveTo(layout.image2, 2020, 640);
    layout.command1 = Rect{3600, 3050, 3600 + 1000, 3050 + 375};
    return layout;
}

}  // namespace orvell::help
