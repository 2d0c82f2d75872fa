#include <gtest/gtest.h>

#include <string>

#include "support/button_fixture.h"
#include "text/utf8.h"

namespace orvell::controls::test {
namespace {

using P = XpButtonProperties;

// A button restored from a design text, on a surface of its own.
struct Restored {
    explicit Restored(std::wstring_view design, PictureSource&& pictures = TestPictureSource{},
                      std::wstring_view hostName = L"Command1", const FontDescription& hostFont = kHostFont)
        : bag(PropertyBag::Parse(design)), canvas(75, 23, kPaper), host(&canvas), button(host, canvas) {
        button.Restore(bag, hostName, hostFont, pictures);
    }
    PropertyBag bag;
    PixelCanvas canvas;
    RecordingHost host;
    VelloXPButton button;
};

TEST(XpButtonBag, ADesignIsRestoredByItsKeysAndSavedBackToTheSameText) {
    const auto icon = TestPicture::Icon({"#.", ".#"}, Colour(0xFF), L"res:ICON_LIST");
    const auto hover = TestPicture::Solid(16, 16, Colour(0xFF00), L"media\\hover.bmp");
    const auto attached = TestPicture::Solid(6, 6, Colour(0xFF0000), L"res:ARROW");
    // Keys in the order a save writes them.
    const std::wstring design =
        L"Caption=ASCⅡ表%0D%0A(&A) 100%25\r\nEnabled=0\r\nFont=Tahoma,10.5,bold underline\r\n"
        L"MouseIcon=res:ICON_LIST\r\nMousePointer=99\r\nButton_类型=2\r\nButton配色方案=1\r\n"
        L"Button标题区百分比=62.5\r\nButton标题区位置=3\r\nButton图片_常显=res:ICON_LIST\r\n"
        L"Button图片_选中=media\\hover.bmp\r\nButton图片_附加区=res:ARROW\r\nButton声音_选中时=\r\n"
        L"Button声音_执行时=C:\\Sounds\\click me.wav\r\n关闭DisEnabled效果=-1\r\n标题_背景色=0x00123456\r\n"
        L"标题_留空_底部=-32768\r\n图片区_背景色=0x80000010\r\n图片框_宽=30\r\n附加区周边留空=6\r\n"
        L"热键=a&\r\n图片框效果=2\r\n";
    const Restored r(design, TestPictureSource{icon, hover, attached}, L"Command2");
    P expected;
    expected.caption = L"ASCⅡ表\r\n(&A) 100%";
    expected.enabled = false;
    expected.font = FontDescription{L"Tahoma", 10.5f, true, false, true, false};
    expected.mouseIcon = expected.picture = icon;
    expected.mousePointer = 99;
    expected.type = 2;
    expected.colourScheme = 1;
    expected.captionPercent = 62.5;
    expected.captionPosition = 3;
    expected.hoverPicture = hover;
    expected.attachedPicture = attached;
    expected.hoverSound = L"";
    expected.clickSound = L"C:\\Sounds\\click me.wav";
    expected.noDisabledLook = true;
    expected.captionBack = Colour(0x123456);
    expected.captionMarginBottom = -32768;
    expected.pictureBack = Colour(0x80000010);
    expected.frameWidth = 30;
    expected.attachedMargin = 6;
    expected.accessKeyText = L"a&";
    expected.frameEffect = 2;
    EXPECT_TRUE(r.bag.Problems().empty());
    EXPECT_TRUE(r.button.Properties() == expected);
    EXPECT_TRUE(r.host.notified.empty() && r.host.messages.empty()) << "restoring sets values directly";
    EXPECT_FALSE(r.host.enabled) << "the window follows the restored values";
    EXPECT_EQ(r.host.font, expected.font);
    EXPECT_EQ(r.host.pointer, 99);
    EXPECT_EQ(r.host.pointerIcon, icon.get());

    PropertyBag saved;
    r.button.Save(saved, L"Command2", kHostFont);
    EXPECT_EQ(saved.Format(), design);
}

TEST(XpButtonBag, NewAndRestoredButtonsStartDifferentlyAndOnlyChangesAreWritten) {
    ButtonFixture fresh;
    EXPECT_EQ(fresh.button.Properties().caption, L"Command1");
    EXPECT_EQ(fresh.button.Properties().font, kHostFont);
    EXPECT_TRUE(fresh.button.SamePicture());
    PropertyBag bag;
    fresh.button.Save(bag, L"Command1", kHostFont);
    EXPECT_EQ(bag.Format(), L"图片_前景色=0x00000000\r\n") << "where a new button starts differently";

    const Restored empty(L"", TestPictureSource{}, L"Command9", FontDescription{L"Arial", 12});
    P expected;
    expected.caption = L"Command9";
    expected.font = FontDescription{L"Arial", 12};
    EXPECT_TRUE(empty.button.Properties() == expected);
    EXPECT_EQ(empty.button.Properties().pictureFore, Colour(0xC0C0C0));
    EXPECT_FALSE(empty.button.SamePicture());
    EXPECT_TRUE(empty.bag.Problems().empty());
}

TEST(XpButtonBag, RestoreSharesTheNormalPictureWhenThereIsNoHoverPicture) {
    const auto normal = TestPicture::Solid(16, 16, Colour(0xFF), L"normal");
    const auto hover = TestPicture::Solid(16, 16, Colour(0xFF00), L"hover");
    struct Case {
        const wchar_t* design;
        const Picture* expectedHover;
        bool expectedSame;
    };
    const Case cases[] = {
        {L"Button图片_常显=normal\nButton图片_选中=hover", hover.get(), false},
        {L"Button图片_常显=normal", normal.get(), true},
        {L"Button图片_选中=hover", hover.get(), false},
        {L"Button图片_常显=normal\nButton图片_选中=missing", normal.get(), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(text::EncodeUtf8(c.design));
        const Restored r(c.design, TestPictureSource{normal, hover});
        EXPECT_EQ(r.button.Properties().hoverPicture.get(), c.expectedHover);
        EXPECT_EQ(r.button.SamePicture(), c.expectedSame);
    }
}

TEST(XpButtonBag, AccessKeysComeFromTheirTextAtEachRestoreOnceEach) {
    Restored r(L"热键=ab&a");
    EXPECT_EQ(r.button.AccessKeys(), L"AB");
    TestPictureSource none;
    r.button.Restore(r.bag, L"Command1", kHostFont, none);
    EXPECT_EQ(r.button.AccessKeys(), L"AB") << "restoring again adds nothing";
    EXPECT_TRUE(r.button.HasAccessKey(L'a') && r.button.HasAccessKey(L'B'));
    EXPECT_FALSE(r.button.HasAccessKey(L'&'));

    r.button.SetAccessKeyText(L"q");
    EXPECT_FALSE(r.button.HasAccessKey(L'q')) << "the text takes effect at the next restore";
    r.button.Restore(PropertyBag::Parse(L"热键=ｈé"), L"Command1", kHostFont, none);
    EXPECT_EQ(r.button.AccessKeys(), L"ABＨÉ") << "keys gather; full-width and accented letters upper-cased";
}

}  // namespace
}  // namespace orvell::controls::test
