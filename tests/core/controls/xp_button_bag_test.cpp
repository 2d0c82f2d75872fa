#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/button_fixture.h"
#include "text/utf8.h"

namespace orvell::controls::test {
namespace {

using P = XpButtonProperties;

// A button restored from a bag, on a surface of its own.
struct Restored {
    explicit Restored(const PropertyBag& bag, PictureSource&& pictures = TestPictureSource{},
                      std::wstring_view hostName = L"Command1", const FontDescription& hostFont = kHostFont)
        : canvas(75, 23, kPaper), host(canvas), button(host, canvas) {
        button.Restore(bag, hostName, hostFont, pictures);
    }
    PixelCanvas canvas;
    RecordingHost host;
    VelloXPButton button;
};

TEST(XpButtonBag, EverySavedPropertyIsRestored) {
    const auto keys = [](const std::vector<XpBagField>& fields) {
        std::set<std::wstring_view> set;
        for (const XpBagField& f : fields) {
            set.insert(f.key);
        }
        return set;
    };
    EXPECT_EQ(XpRestoreOrder().size(), 64u) << "every property but hdc, hWnd and the font pass-throughs";
    EXPECT_EQ(keys(XpRestoreOrder()).size(), XpRestoreOrder().size()) << "no key twice";
    EXPECT_EQ(keys(XpRestoreOrder()), keys(XpSaveOrder()));
}

TEST(XpButtonBag, ACustomisedButtonSurvivesSaveTextAndRestore) {
    const auto icon = TestPicture::Icon({"#.", ".#"}, Colour(0xFF), L"res:ICON_LIST");
    const auto hover = TestPicture::Solid(16, 16, Colour(0xFF00), L"media\\hover.bmp");
    const auto attached = TestPicture::Solid(6, 6, Colour(0xFF0000), L"res:ARROW");

    ButtonFixture f(75, 23, xp_type::kFlatArrow);
    VelloXPButton& b = f.button;
    b.SetCaption(L"ASCⅡ表\r\n(&A) 100%");
    b.SetCaptionPercent(62.5);
    b.SetCaptionPosition(3);
    b.SetCaptionAlignment(7);
    b.SetPictureAlignment(0);
    b.SetColourScheme(1);
    b.SetHoverSound(L"");
    b.SetClickSound(L"C:\\Sounds\\click me.wav");
    b.SetPicture(icon);
    b.SetHoverPicture(hover);
    b.SetAttachedPicture(attached);
    b.SetFont(FontDescription{L"Tahoma", 10.5f, true, false, true, false});
    b.SetMousePointer(99);
    b.SetMouseIcon(icon);
    b.SetCaptionBack(Colour(0x123456));
    b.SetPictureBack(Colour(0x80000010));
    b.SetCaptionTextHover(Colour(0xFFFFFF));
    b.SetCaptionMarginBottom(-32768);
    b.SetCaptionSmoothSwitch(false);
    b.SetCaptionWordWrap(true);
    b.SetBorderHoverSwitch(false);
    b.SetNoDisabledLook(true);
    b.SetFocusRectVisible(true);
    b.SetFocusInset(32767);
    b.SetAccessKeyText(L"a&");
    b.SetPictureForeSwitch(true);
    b.SetPictureScaled(true);
    b.SetFrameWidth(30);
    b.SetFrameHeight(20);
    b.SetFrameEffect(2);
    b.SetShadowLength(3);
    b.SetEnabled(false);

    PropertyBag saved;
    b.Save(saved, L"Command2", kHostFont);
    const PropertyBag parsed = PropertyBag::Parse(text::DecodeUtf8(text::EncodeUtf8(saved.Format())).value());
    const Restored r(parsed, TestPictureSource{icon, hover, attached}, L"Command2");
    EXPECT_TRUE(parsed.Problems().empty());
    EXPECT_TRUE(r.button.Properties() == b.Properties());
    EXPECT_TRUE(r.host.notified.empty()) << "restoring sets values directly";
    EXPECT_TRUE(r.host.messages.empty());
    EXPECT_FALSE(r.host.enabled) << "the window follows the restored values";
    EXPECT_EQ(r.host.font, b.Properties().font);
    EXPECT_EQ(r.host.pointer, 99);
    EXPECT_EQ(r.host.pointerIcon, icon.get());
}

TEST(XpButtonBag, NewAndRestoredButtonsStartDifferentlyAndOnlyChangesAreWritten) {
    ButtonFixture fresh;
    EXPECT_EQ(fresh.button.Properties().caption, L"Command1");
    EXPECT_EQ(fresh.button.Properties().font, kHostFont);
    EXPECT_TRUE(fresh.button.SamePicture());
    PropertyBag bag;
    fresh.button.Save(bag, L"Command1", kHostFont);
    // A new button differs from the saved defaults only where a new button starts differently.
    EXPECT_EQ(bag.Format(), L"图片_前景色=0x00000000\r\n");

    // A design without any value: the defaults, with the host's name and font, and no problem reported.
    const PropertyBag empty;
    const Restored restored(empty, TestPictureSource{}, L"Command9", FontDescription{L"Arial", 12});
    P expected;
    expected.caption = L"Command9";
    expected.font = FontDescription{L"Arial", 12};
    EXPECT_TRUE(restored.button.Properties() == expected);
    EXPECT_EQ(restored.button.Properties().pictureFore, Colour(0xC0C0C0));
    EXPECT_FALSE(restored.button.SamePicture());
    EXPECT_TRUE(empty.Problems().empty());
}

TEST(XpButtonBag, RestoreComputesTheAttachedAreaWidth) {
    struct Case {
        const char* name;
        std::wstring margin;
        std::wstring width;
        std::int16_t expected;
    };
    const Case cases[] = {
        {"plain", L"4", L"8", 16},
        {"negative", L"-3", L"2", -4},
        {"past 16 bits", L"30000", L"30000", 32767},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Restored r(PropertyBag::Parse(L"附加区周边留空=" + c.margin + L"\n附加图片宽=" + c.width));
        EXPECT_EQ(r.button.Layout().areaWidth, c.expected);
    }
}

TEST(XpButtonBag, RestoreSharesTheNormalPictureWhenThereIsNoHoverPicture) {
    const auto normal = TestPicture::Solid(16, 16, Colour(0xFF), L"normal");
    const auto hover = TestPicture::Solid(16, 16, Colour(0xFF00), L"hover");
    struct Case {
        const char* name;
        std::wstring design;
        const Picture* expectedHover;
        bool expectedSame;
    };
    const Case cases[] = {
        {"both", L"Button图片_常显=normal\nButton图片_选中=hover", hover.get(), false},
        {"normal only", L"Button图片_常显=normal", normal.get(), true},
        {"hover only", L"Button图片_选中=hover", hover.get(), false},
        {"neither", L"", nullptr, false},
        {"hover cannot be loaded", L"Button图片_常显=normal\nButton图片_选中=missing", normal.get(), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Restored r(PropertyBag::Parse(c.design), TestPictureSource{normal, hover});
        EXPECT_EQ(r.button.Properties().hoverPicture.get(), c.expectedHover);
        EXPECT_EQ(r.button.SamePicture(), c.expectedSame);
    }
}

TEST(XpButtonBag, AccessKeysComeFromTheirTextAtEachRestoreOnceEach) {
    PropertyBag bag = PropertyBag::Parse(L"热键=ab&a");
    Restored r(bag);
    EXPECT_EQ(r.button.AccessKeys(), L"AB");
    TestPictureSource none;
    r.button.Restore(bag, L"Command1", kHostFont, none);
    EXPECT_EQ(r.button.AccessKeys(), L"AB") << "restoring again adds nothing";
    EXPECT_TRUE(r.button.HasAccessKey(L'a'));
    EXPECT_TRUE(r.button.HasAccessKey(L'B'));
    EXPECT_FALSE(r.button.HasAccessKey(L'&'));

    r.button.SetAccessKeyText(L"q");
    EXPECT_FALSE(r.button.HasAccessKey(L'q')) << "the text takes effect at the next restore";
    bag.SetRaw(xp_key::kAccessKeys, L"ｈé");
    r.button.Restore(bag, L"Command1", kHostFont, none);
    EXPECT_EQ(r.button.AccessKeys(), L"ABＨÉ") << "keys gather; full-width and accented letters upper-cased";
}

TEST(XpButtonBag, UnreadableValuesFallBackToDefaultsAndAreReported) {
    const PropertyBag bag = PropertyBag::Parse(
        L"Button_类型=flat\r\n"
        L"标题_留空_底部=40000\r\n"
        L"边框色=0x00123456\r\n"
        L"Button图片_常显=gone.bmp\r\n"
        L"Font=Tahoma\r\n");
    const Restored r(bag);
    const P& p = r.button.Properties();
    EXPECT_EQ(p.type, 0);
    EXPECT_EQ(p.captionMarginBottom, 2);
    EXPECT_EQ(p.borderColour, Colour(0x123456)) << "the readable values are kept";
    EXPECT_EQ(p.picture, nullptr);
    EXPECT_EQ(p.font, kHostFont);
    EXPECT_EQ(bag.Problems().size(), 4u);
}

}  // namespace
}  // namespace orvell::controls::test
