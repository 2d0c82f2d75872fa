#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <variant>

#include "button_fixture.h"
#include "text/utf8.h"

namespace orvell::controls::test {
namespace {

using P = XpButtonProperties;

std::string Utf8(std::wstring_view text) {
    return text::EncodeUtf8(text);
}

struct Restored {
    Restored() : canvas(75, 23, kPaper), host(canvas), button(host, canvas) {}
    PixelCanvas canvas;
    RecordingHost host;
    VelloXPButton button;
};

TEST(XpButtonBag, SaveAndRestoreCoverTheSameKeysWithTheSameFields) {
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
    for (const XpBagField& saved : XpSaveOrder()) {
        const auto restored = std::find_if(XpRestoreOrder().begin(), XpRestoreOrder().end(),
                                           [&](const XpBagField& f) { return f.key == saved.key; });
        ASSERT_NE(restored, XpRestoreOrder().end());
        EXPECT_TRUE(restored->field == saved.field) << Utf8(saved.key);
    }
    EXPECT_EQ(Utf8(XpSaveOrder()[7].key), Utf8(L"Button标题区百分比"))
        << "the save order is not the restore order";
    EXPECT_EQ(Utf8(XpRestoreOrder()[7].key), Utf8(L"Button标题区位置"));
}

TEST(XpButtonBag, ACustomisedButtonSurvivesSaveTextAndRestore) {
    TestPictureSource pictures;
    const auto icon = TestPicture::Icon({"#.", ".#"}, Colour(0xFF), L"res:ICON_LIST");
    const auto hover = TestPicture::Solid(16, 16, Colour(0xFF00), L"media\\hover.bmp");
    const auto attached = TestPicture::Solid(6, 6, Colour(0xFF0000), L"res:ARROW");
    pictures.Add(icon);
    pictures.Add(hover);
    pictures.Add(attached);

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
    const std::string bytes = text::EncodeUtf8(saved.Format());
    const PropertyBag parsed = PropertyBag::Parse(text::DecodeUtf8(bytes).value());

    Restored r;
    r.button.Restore(parsed, L"Command2", kHostFont, pictures);
    EXPECT_TRUE(parsed.Problems().empty());
    EXPECT_TRUE(r.button.Properties() == b.Properties());
    EXPECT_TRUE(r.host.notified.empty()) << "restoring sets values directly";
    EXPECT_TRUE(r.host.messages.empty());
    EXPECT_FALSE(r.host.enabled) << "the window follows the restored values";
    EXPECT_EQ(r.host.font, b.Properties().font);
    EXPECT_EQ(r.host.pointer, 99);
    EXPECT_EQ(r.host.pointerIcon, icon.get());
}

TEST(XpButtonBag, DefaultsAreNotWritten) {
    ButtonFixture f;
    PropertyBag bag;
    f.button.Save(bag, L"Command1", kHostFont);
    // A new button differs from the saved defaults only where a new button starts differently.
    EXPECT_EQ(bag.Format(), L"图片_前景色=0x00000000\r\n");
}

TEST(XpButtonBag, NewButtonsAndRestoredButtonsStartDifferently) {
    ButtonFixture fresh;
    const P& n = fresh.button.Properties();
    EXPECT_EQ(n.caption, L"Command1");
    EXPECT_EQ(n.font, kHostFont);
    EXPECT_EQ(n.pictureFore, Colour(0));
    EXPECT_TRUE(fresh.button.SamePicture());

    Restored r;
    TestPictureSource none;
    r.button.Restore(PropertyBag{}, L"Command9", FontDescription{L"Arial", 12}, none);
    const P& p = r.button.Properties();
    EXPECT_EQ(p.caption, L"Command9");
    EXPECT_EQ(p.font, (FontDescription{L"Arial", 12}));
    EXPECT_EQ(p.pictureFore, Colour(0xC0C0C0));
    EXPECT_EQ(p.hoverSound, L".\\media\\over.wav");
    EXPECT_EQ(p.clickSound, L".\\media\\click.wav");
    EXPECT_EQ(p.pictureBack, Colour(0x8000000F));
    EXPECT_EQ(p.frameWidth, 26);
    EXPECT_FALSE(r.button.SamePicture());
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
        PropertyBag bag;
        bag.SetRaw(xp_key::kAttachedMargin, c.margin);
        bag.SetRaw(xp_key::kAttachedWidth, c.width);
        TestPictureSource none;
        Restored r;
        r.button.Restore(bag, L"Command1", kHostFont, none);
        EXPECT_EQ(r.button.Layout().areaWidth, c.expected);
    }
}

TEST(XpButtonBag, RestoreSharesTheNormalPictureWhenThereIsNoHoverPicture) {
    TestPictureSource pictures;
    const auto normal = TestPicture::Solid(16, 16, Colour(0xFF), L"normal");
    const auto hover = TestPicture::Solid(16, 16, Colour(0xFF00), L"hover");
    pictures.Add(normal);
    pictures.Add(hover);
    struct Case {
        const char* name;
        const wchar_t* normal;
        const wchar_t* hover;
        const Picture* expectedHover;
        bool expectedSame;
    };
    const Case cases[] = {
        {"both", L"normal", L"hover", hover.get(), false},
        {"normal only", L"normal", nullptr, normal.get(), true},
        {"hover only", nullptr, L"hover", hover.get(), false},
        {"neither", nullptr, nullptr, nullptr, false},
        {"normal only, hover cannot be loaded", L"normal", L"missing", normal.get(), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PropertyBag bag;
        if (c.normal != nullptr) {
            bag.SetRaw(xp_key::kPicture, c.normal);
        }
        if (c.hover != nullptr) {
            bag.SetRaw(xp_key::kHoverPicture, c.hover);
        }
        Restored r;
        r.button.Restore(bag, L"Command1", kHostFont, pictures);
        EXPECT_EQ(r.button.Properties().hoverPicture.get(), c.expectedHover);
        EXPECT_EQ(r.button.SamePicture(), c.expectedSame);
    }
}

TEST(XpButtonBag, AccessKeysComeFromTheirTextOnceEach) {
    PropertyBag bag;
    bag.SetRaw(xp_key::kAccessKeys, L"ab&a");
    TestPictureSource none;
    Restored r;
    r.button.Restore(bag, L"Command1", kHostFont, none);
    EXPECT_EQ(r.button.AccessKeys(), L"AB");
    r.button.Restore(bag, L"Command1", kHostFont, none);
    EXPECT_EQ(r.button.AccessKeys(), L"AB") << "restoring again adds nothing";
    EXPECT_TRUE(r.button.HasAccessKey(L'a'));
    EXPECT_TRUE(r.button.HasAccessKey(L'B'));
    EXPECT_FALSE(r.button.HasAccessKey(L'&'));

    bag.SetRaw(xp_key::kAccessKeys, L"ｈé");
    r.button.Restore(bag, L"Command1", kHostFont, none);
    EXPECT_EQ(r.button.AccessKeys(), L"ABＨÉ") << "keys gather; full-width and accented letters upper-cased";
}

TEST(XpButtonBag, UnreadableValuesFallBackToDefaultsAndAreReported) {
    PropertyBag bag = PropertyBag::Parse(
        L"Button_类型=flat\r\n"
        L"标题_留空_底部=40000\r\n"
        L"边框色=0x00123456\r\n"
        L"Button图片_常显=gone.bmp\r\n"
        L"Font=Tahoma\r\n");
    TestPictureSource none;
    Restored r;
    r.button.Restore(bag, L"Command1", kHostFont, none);
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
