#include "help/about_texts.h"

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

AboutLayout AboutLayoutFor(Language language) {
    // As designed, which is the Chinese layout but for the exit button's top.
    AboutLayout layout{
        .image1 = {240, 600, 240 + 480, 600 + 480},
        .image2 = {2100, 600, 2100 + 2400, 600 + 360},
        .label1 = {840, 660, 840 + 1140, 660 + 300},
        .label2 = {840, 1140, 840 + 3600, 1140 + 300},
        .label3 = {240, 1500, 240 + 4800, 1500 + 1200},
        // On the credits' last line, in the room left there.
        .label4 = {3210, 2220, 3210 + 1800, 2220 + 255},
        .command1 = {3600, 2950, 3600 + 1000, 2950 + 375},
    };
    if (language == Language::Chinese) {
        return layout;
    }
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
