#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "button_fixture.h"
#include "controls/colour_math.h"
#include "text/utf8.h"

namespace orvell::controls::test {
namespace {

using P = XpButtonProperties;

std::string Utf8(std::wstring_view text) {
    return text::EncodeUtf8(text);
}

enum class Outcome { Accepted, Refused, StoredSilently };

// Every validated setter, accepted and refused, with the box it shows.
struct ValidationCase {
    const char* name;
    std::int32_t type;
    bool scaled;
    std::function<void(VelloXPButton&)> set;
    std::wstring_view key;
    std::function<bool(const P&)> holdsNewValue;  // null: the layout may replace the value at once
    Outcome outcome;
    std::wstring text;
};

TEST(XpButtonProperties, ValidatedSettersAcceptOrRefuseWithTheirBox) {
    const auto percent = [](double v) { return [v](VelloXPButton& b) { b.SetCaptionPercent(v); }; };
    const auto percentIs = [](double v) { return [v](const P& p) { return p.captionPercent == v; }; };
    const auto margin = [](VelloXPButton& b) { b.SetAttachedMargin(7); };
    const auto marginIs7 = [](const P& p) { return p.attachedMargin == 7; };
    const auto width = [](VelloXPButton& b) { b.SetAttachedWidth(9); };
    const auto widthIs9 = [](const P& p) { return p.attachedWidth == 9; };
    const auto height = [](VelloXPButton& b) { b.SetAttachedHeight(5); };
    const auto heightIs5 = [](const P& p) { return p.attachedHeight == 5; };
    const auto noDisabledLook = [](VelloXPButton& b) { b.SetNoDisabledLook(true); };
    const auto noDisabledLookOn = [](const P& p) { return p.noDisabledLook; };
    const auto spacing = [](VelloXPButton& b) { b.SetGripSpacing(5); };
    const auto spacingIs5 = [](const P& p) { return p.gripSpacing == 5; };
    const auto gripWidth = [](VelloXPButton& b) { b.SetGripWidth(5); };
    const auto gripWidthIs5 = [](const P& p) { return p.gripWidth == 5; };
    const auto toolbar = [](VelloXPButton& b) { b.SetToolbarColour(Colour(0x123456)); };
    const auto toolbarSet = [](const P& p) { return p.toolbarColour == Colour(0x123456); };
    const auto frameBack = [](VelloXPButton& b) { b.SetFrameBackSwitch(true); };
    const auto frameBackOn = [](const P& p) { return p.frameBackSwitch; };
    const auto effect = [](VelloXPButton& b) { b.SetFrameEffect(2); };
    const auto effectIs2 = [](const P& p) { return p.frameEffect == 2; };
    const auto frameHeight = [](VelloXPButton& b) { b.SetFrameHeight(40); };
    const auto frameHeightIs40 = [](const P& p) { return p.frameHeight == 40; };
    const auto frameWidth = [](VelloXPButton& b) { b.SetFrameWidth(40); };
    const auto frameWidthIs40 = [](const P& p) { return p.frameWidth == 40; };

    const std::wstring percentText =
        L"Button标题区百分比应为：0～100，设为0时只显示图片区域，设为100时只显示标题区域";
    const std::wstring disabledText = L"“关闭DisEnabled效果”对本按钮类型无效";
    const std::wstring marginText = L"“附加区周边留空”属性对当前按钮类型无效";
    const std::wstring widthText = L"“附加图片宽”属性对当前按钮类型无效";
    const std::wstring heightText = L"“附加图片高”属性对当前按钮类型无效";
    const std::wstring spacingText = L"“工具条_句柄划线间距”仅对“OfficeXP菜单垂直工具条句柄”有效";
    const std::wstring gripWidthText = L"“工具条_句柄符宽度”仅对“OfficeXP菜单垂直工具条句柄”有效";
    const std::wstring toolbarText =
        L"“工具条_前景色”仅对OfficeXP菜单垂直线型分隔符、OfficeXP菜单垂直工具条句柄有效";
    const std::wstring frameBackText = L"“图片框_背景色开关”属性对当前按钮类型无效";
    const std::wstring effectText = L"“图片框效果”属性对当前按钮类型无效";
    const std::wstring frameHeightText = L"因“图片_缩放开关”目前被关闭，“图片框_高”的设置无效";
    const std::wstring frameWidthText = L"因“图片_缩放开关”目前被关闭，“图片框_宽”的设置无效";

    using enum Outcome;
    const ValidationCase cases[] = {
        {"percent 100", 0, false, percent(100), xp_key::kCaptionPercent, percentIs(100), Accepted, L""},
        {"percent 0", 0, false, percent(0), xp_key::kCaptionPercent, percentIs(0), Accepted, L""},
        {"percent 100.5", 0, false, percent(100.5), xp_key::kCaptionPercent, percentIs(80), Refused,
         percentText},
        {"percent -1", 0, false, percent(-1), xp_key::kCaptionPercent, percentIs(80), Refused, percentText},
        {"percent NaN", 0, false, percent(std::nan("")), xp_key::kCaptionPercent, percentIs(80), Refused,
         percentText},
        {"disabled look, flat", 1, false, noDisabledLook, xp_key::kNoDisabledLook, noDisabledLookOn, Accepted,
         L""},
        {"disabled look, toolbar", 3, false, noDisabledLook, xp_key::kNoDisabledLook, noDisabledLookOn,
         Accepted, L""},
        {"disabled look, chevron", 4, false, noDisabledLook, xp_key::kNoDisabledLook,
         std::not_fn(noDisabledLookOn), Refused, disabledText},
        {"disabled look, grip", 6, false, noDisabledLook, xp_key::kNoDisabledLook,
         std::not_fn(noDisabledLookOn), Refused, disabledText},
        {"attached margin, chevron", 4, false, margin, xp_key::kAttachedMargin, marginIs7, Accepted, L""},
        {"attached margin, arrow", 2, false, margin, xp_key::kAttachedMargin, nullptr, Accepted, L""},
        {"attached margin, grip", 6, false, margin, xp_key::kAttachedMargin, std::not_fn(marginIs7), Refused,
         marginText},
        {"attached margin, separator", 5, false, margin, xp_key::kAttachedMargin, marginIs7, StoredSilently,
         L""},
        {"attached width, chevron", 4, false, width, xp_key::kAttachedWidth, widthIs9, Accepted, L""},
        {"attached width, grip", 6, false, width, xp_key::kAttachedWidth, std::not_fn(widthIs9), Refused,
         widthText},
        {"attached width, separator", 5, false, width, xp_key::kAttachedWidth, widthIs9, StoredSilently, L""},
        {"attached height, chevron", 4, false, height, xp_key::kAttachedHeight, heightIs5, Accepted, L""},
        {"attached height, grip", 6, false, height, xp_key::kAttachedHeight, std::not_fn(heightIs5), Refused,
         heightText},
        {"attached height, separator", 5, false, height, xp_key::kAttachedHeight, heightIs5, StoredSilently,
         L""},
        {"grip spacing, grip", 6, false, spacing, xp_key::kGripSpacing, spacingIs5, Accepted, L""},
        {"grip spacing, separator", 5, false, spacing, xp_key::kGripSpacing, std::not_fn(spacingIs5), Refused,
         spacingText},
        {"grip width, grip", 6, false, gripWidth, xp_key::kGripWidth, gripWidthIs5, Accepted, L""},
        {"grip width, xp", 0, false, gripWidth, xp_key::kGripWidth, std::not_fn(gripWidthIs5), Refused,
         gripWidthText},
        {"toolbar colour, separator", 5, false, toolbar, xp_key::kToolbarColour, toolbarSet, Accepted, L""},
        {"toolbar colour, grip", 6, false, toolbar, xp_key::kToolbarColour, toolbarSet, Accepted, L""},
        {"toolbar colour, flat", 1, false, toolbar, xp_key::kToolbarColour, std::not_fn(toolbarSet), Refused,
         toolbarText},
        {"frame fill, xp", 0, false, frameBack, xp_key::kFrameBackSwitch, frameBackOn, Accepted, L""},
        {"frame fill, chevron", 4, false, frameBack, xp_key::kFrameBackSwitch, std::not_fn(frameBackOn),
         Refused, frameBackText},
        {"frame fill, grip", 6, false, frameBack, xp_key::kFrameBackSwitch, std::not_fn(frameBackOn), Refused,
         frameBackText},
        {"frame fill, separator", 5, false, frameBack, xp_key::kFrameBackSwitch, frameBackOn, StoredSilently,
         L""},
        {"frame effect, toolbar", 3, false, effect, xp_key::kFrameEffect, effectIs2, Accepted, L""},
        {"frame effect, chevron", 4, false, effect, xp_key::kFrameEffect, std::not_fn(effectIs2), Refused,
         effectText},
        {"frame effect, separator", 5, false, effect, xp_key::kFrameEffect, effectIs2, StoredSilently, L""},
        {"frame height, scaled", 0, true, frameHeight, xp_key::kFrameHeight, frameHeightIs40, Accepted, L""},
        {"frame height, not scaled", 0, false, frameHeight, xp_key::kFrameHeight,
         std::not_fn(frameHeightIs40), Refused, frameHeightText},
        {"frame width, scaled", 0, true, frameWidth, xp_key::kFrameWidth, frameWidthIs40, Accepted, L""},
        {"frame width, not scaled", 0, false, frameWidth, xp_key::kFrameWidth, std::not_fn(frameWidthIs40),
         Refused, frameWidthText},
    };
    for (const ValidationCase& c : cases) {
        SCOPED_TRACE(c.name);
        ButtonFixture f(75, 23, c.type);
        f.button.SetPictureScaled(c.scaled);
        f.host.Clear();

        c.set(f.button);

        if (c.holdsNewValue) {
            EXPECT_TRUE(c.holdsNewValue(f.button.Properties()));
        }
        if (c.outcome == Outcome::Refused) {
            ASSERT_EQ(f.host.messages.size(), 1u);
            EXPECT_EQ(f.host.messages[0].title, L"属性设置错误");
            EXPECT_EQ(Utf8(f.host.messages[0].text), Utf8(c.text));
            EXPECT_EQ(f.host.messages[0].icon, MessageIcon::None);
        } else {
            EXPECT_TRUE(f.host.messages.empty()) << Utf8(f.host.MessageTexts().front());
        }
        // A refused value still tells the host; a value stored silently does not, nor does it redraw.
        EXPECT_EQ(f.host.WasNotified(c.key), c.outcome != Outcome::StoredSilently);
        if (c.outcome == Outcome::StoredSilently) {
            EXPECT_EQ(f.host.presents, 0);
        }
    }
}

TEST(XpButtonProperties, CustomSchemeOnTheXpTypeIsKeptWithAnInformationBox) {
    for (const std::int32_t type : {0, 1}) {
        SCOPED_TRACE(type);
        ButtonFixture f(75, 23, type);
        f.button.SetColourScheme(1);
        EXPECT_EQ(f.button.Properties().colourScheme, 1);
        EXPECT_TRUE(f.host.WasNotified(xp_key::kColourScheme));
        if (type == 0) {
            ASSERT_EQ(f.host.messages.size(), 1u);
            EXPECT_EQ(Utf8(f.host.messages[0].text),
                      Utf8(L"“自定义配色方案”属性对当前按钮类型无效,控件将按“标准配色方案”设置颜色"));
            EXPECT_EQ(f.host.messages[0].title, L"属性设置错误");
            EXPECT_EQ(f.host.messages[0].icon, MessageIcon::Information);
        } else {
            EXPECT_TRUE(f.host.messages.empty());
        }
    }
}

TEST(XpButtonProperties, StandardSchemeRestoresEveryColourAndRedraws) {
    ButtonFixture f(75, 23, xp_type::kFlat);
    VelloXPButton& b = f.button;
    b.SetColourScheme(1);
    b.SetBorderColour(Colour(0x010101));
    b.SetShadowSwitch(false);
    b.SetShadowColour(Colour(0x020202));
    b.SetShadowLength(9);
    b.SetFocusRectVisible(true);
    b.SetFocusInset(1);
    b.SetCaptionBack(Colour(0x030303));
    b.SetCaptionBackHover(Colour(0x040404));
    b.SetCaptionText(Colour(0x050505));
    b.SetFrameBack(Colour(0x060606));
    b.SetFrameBackSwitch(true);
    b.SetPictureBack(Colour(0x070707));
    b.SetPictureSmoothSwitch(false);
    b.SetPictureForeSwitch(true);
    b.SetFrameEffect(1);
    b.SetCaptionTextPressed(Colour(0x080808));
    b.SetCaption(L"kept");
    f.host.Clear();

    b.SetColourScheme(0);

    const P defaults;
    const P& p = b.Properties();
    EXPECT_EQ(p.borderColour, defaults.borderColour);
    EXPECT_EQ(p.shadowSwitch, defaults.shadowSwitch);
    EXPECT_EQ(p.shadowColour, defaults.shadowColour);
    EXPECT_EQ(p.shadowLength, defaults.shadowLength);
    EXPECT_EQ(p.focusRectVisible, defaults.focusRectVisible);
    EXPECT_EQ(p.focusInset, defaults.focusInset);
    EXPECT_EQ(p.captionBack, defaults.captionBack);
    EXPECT_EQ(p.captionBackHover, defaults.captionBackHover);
    EXPECT_EQ(p.captionBackSmooth, defaults.captionBackSmooth);
    EXPECT_EQ(p.captionText, defaults.captionText);
    EXPECT_EQ(p.captionTextPressed, defaults.captionTextPressed);
    EXPECT_EQ(p.frameBack, defaults.frameBack);
    EXPECT_EQ(p.frameBackSwitch, defaults.frameBackSwitch);
    EXPECT_EQ(p.pictureBack, defaults.pictureBack);
    EXPECT_EQ(p.pictureBackSmooth, defaults.pictureBackSmooth);
    EXPECT_EQ(p.pictureSmoothSwitch, defaults.pictureSmoothSwitch);
    EXPECT_EQ(p.pictureForeSwitch, defaults.pictureForeSwitch);
    EXPECT_EQ(p.pictureFore, Colour(0xC0C0C0)) << "the saved default, not the new control's 0";
    EXPECT_EQ(p.frameEffect, defaults.frameEffect);
    EXPECT_EQ(p.colourScheme, 0);
    EXPECT_EQ(p.caption, L"kept") << "only colours and effects";

    const std::vector<std::wstring> expected = {
        L"Button配色方案",
        L"边框色",
        L"阴影显示开关",
        L"阴影色",
        L"阴影长度",
        L"边框显示开关_选中时",
        L"焦点框显示开关",
        L"焦点框内移距离",
        L"标题_背景色",
        L"标题_背景色_选中时",
        L"标题_背景色_按下时",
        L"标题_文字色开关_按下时",
        L"标题_背景色_平滑色",
        L"标题_文字色开关_平滑色",
        L"标题_文字色",
        L"标题_文字色_选中时",
        L"标题_文字色_按下时",
        L"图片框_背景色",
        L"图片框_背景色开关",
        L"图片区_背景色",
        L"图片区_背景色_选中时",
        L"图片区_背景色_按下时",
        L"图片区_背景色开关_按下时",
        L"图片区_背景色_平滑色",
        L"图片区_背景色开关_平滑色",
        L"图片_前景色开关",
        L"图片_前景色",
        L"工具条_前景色",
        L"图片框效果",
    };
    EXPECT_EQ(f.host.notified, expected);
    EXPECT_EQ(f.host.presents, 1) << "one forced redraw";
    EXPECT_TRUE(f.host.messages.empty());
}

TEST(XpButtonProperties, TypeSetterSideEffects) {
    struct Case {
        const char* name;
        int width;
        int height;
        std::int32_t from;
        std::int32_t to;
        std::int32_t expectedType;
        AttachedArea expectedArea;
        std::vector<std::wstring> expectedNotes;
    };
    const std::wstring w = L"附加图片宽", h = L"附加图片高", m = L"附加区周边留空", t = L"Button_类型";
    const std::wstring pointer = L"MousePointer", enabled = L"Enabled";
    const Case cases[] = {
        {"arrow", 75, 23, 0, 2, 2, {4, 8, 15, 16}, {w, h, m, t}},
        {"toolbar", 75, 23, 0, 3, 3, {4, 6, 3, 14}, {w, h, m, t}},
        {"chevron", 75, 23, 0, 4, 4, {4, 8, 14, 0}, {w, h, m, t}},
        // The chevron needs more than 8 x 14 pixels; the previous type stays (and its layout puts its
        // own attached values back).
        {"chevron too small", 8, 23, 1, 4, 1, {0, 0, 0, 0}, {w, h, m, t}},
        {"chevron too low", 75, 14, 1, 4, 1, {0, 0, 0, 0}, {w, h, m, t}},
        {"separator", 75, 23, 0, 5, 5, {0, 0, 0, 0}, {enabled, t}},
        {"grip", 75, 23, 0, 6, 6, {0, 0, 0, 0}, {pointer, t}},
        {"grip back to xp", 75, 23, 6, 0, 0, {0, 0, 0, 0}, {t, pointer}},
        {"grip to arrow", 75, 23, 6, 2, 2, {4, 8, 15, 16}, {w, h, m, t, pointer}},
        {"unknown type", 75, 23, 0, 9, 9, {0, 0, 0, 0}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ButtonFixture f(c.width, c.height, c.from);
        f.button.SetType(c.to);
        const P& p = f.button.Properties();
        EXPECT_EQ(p.type, c.expectedType);
        EXPECT_EQ(
            (AttachedArea{p.attachedMargin, p.attachedWidth, p.attachedHeight, f.button.Layout().areaWidth}),
            c.expectedArea);
        // Every change ends in a refresh, and the type-0 to type-3 layout reports the attached values.
        std::vector<std::wstring> notes = f.host.notified;
        if (c.expectedType >= 0 && c.expectedType <= 3) {
            ASSERT_GE(notes.size(), 3u);
            EXPECT_EQ(std::vector<std::wstring>(notes.end() - 3, notes.end()),
                      (std::vector<std::wstring>{w, h, m}));
            notes.resize(notes.size() - 3);
        }
        EXPECT_EQ(notes.size(), c.expectedNotes.size());
        for (std::size_t i = 0; i < std::min(notes.size(), c.expectedNotes.size()); ++i) {
            EXPECT_EQ(Utf8(notes[i]), Utf8(c.expectedNotes[i])) << "note " << i;
        }
        EXPECT_GE(f.host.presents, 1) << "refreshed";
        EXPECT_EQ(p.mousePointer, c.expectedType == 6 ? 15 : 0);
        EXPECT_EQ(f.host.pointer, p.mousePointer) << "the window's cursor follows";
    }
}

TEST(XpButtonProperties, SeparatorDisablesAndStaysDisabled) {
    ButtonFixture f;
    ASSERT_TRUE(f.button.Properties().enabled);
    f.button.SetType(xp_type::kSeparator);
    EXPECT_FALSE(f.button.Properties().enabled);
    EXPECT_FALSE(f.host.enabled) << "the window takes no input";
    f.button.SetType(xp_type::kXp);
    EXPECT_FALSE(f.button.Properties().enabled);
    f.button.SetEnabled(true);
    EXPECT_TRUE(f.host.enabled);
}

TEST(XpButtonProperties, EnabledActsOnlyOnAChange) {
    ButtonFixture f;
    f.button.SetEnabled(true);
    EXPECT_TRUE(f.host.notified.empty());
    EXPECT_EQ(f.host.presents, 0);
    f.button.SetEnabled(false);
    EXPECT_EQ(f.host.notified, std::vector<std::wstring>{L"Enabled"});
    EXPECT_FALSE(f.host.enabled);
    EXPECT_EQ(f.host.log, std::vector<std::string>{"draw full"});
}

TEST(XpButtonProperties, FontPassThroughsChangeTheFontAndReportFont) {
    ButtonFixture f;
    f.button.SetFontBold(true);
    f.button.SetFontItalic(true);
    f.button.SetFontUnderline(true);
    f.button.SetFontStrikethru(true);
    f.button.SetFontSize(12.5f);
    f.button.SetFontName(L"Tahoma");
    const FontDescription expected{L"Tahoma", 12.5f, true, true, true, true};
    EXPECT_EQ(f.button.Properties().font, expected);
    EXPECT_EQ(f.host.font, expected) << "applied to the surface";
    EXPECT_EQ(f.host.notified, std::vector<std::wstring>(6, L"Font"));
    EXPECT_EQ(f.host.presents, 6);
}

TEST(XpButtonProperties, SmoothColoursAreAlwaysDerived) {
    EXPECT_EQ(SmoothColour(Colour::Rgb(0, 128, 240)), Colour::Rgb(76, 166, 240));
    EXPECT_EQ(SmoothColour(Colour::Rgb(255, 255, 255)), Colour::Rgb(255, 255, 255));

    ButtonFixture f;
    f.button.SetCaptionBack(Colour(0x000000));
    EXPECT_EQ(f.button.Properties().captionBackSmooth, Colour(0x4C4C4C));
    EXPECT_TRUE(f.host.WasNotified(xp_key::kCaptionBackSmooth));

    f.button.SetCaptionBackSmooth(Colour(0x123456));
    EXPECT_EQ(f.button.Properties().captionBackSmooth, Colour(0x4C4C4C)) << "the given value is dropped";

    // A system colour is resolved first: the button face of the surface is (236, 233, 216).
    f.button.SetPictureBack(Colour(0x8000000F));
    EXPECT_EQ(f.button.Properties().pictureBackSmooth, SmoothColour(PixelCanvas::kButtonFace));
    EXPECT_EQ(f.button.Properties().pictureBack, Colour(0x8000000F)) << "stored as given";
}

TEST(XpButtonProperties, ReadingABackgroundDerivesItsSmoothColourAgain) {
    PixelCanvas canvas(10, 10, kPaper);
    RecordingHost host(canvas);
    VelloXPButton button(host, canvas);
    PropertyBag bag;
    // A saved design whose smooth colour does not match its background.
    bag.SetRaw(xp_key::kCaptionBack, L"0x00000000");
    bag.SetRaw(xp_key::kCaptionBackSmooth, L"0x00FFFFFF");
    TestPictureSource pictures;
    button.Restore(bag, L"Command1", kHostFont, pictures);
    EXPECT_EQ(button.Properties().captionBackSmooth, Colour(0xFFFFFF)) << "restored as saved";
    EXPECT_TRUE(host.notified.empty()) << "restoring tells nobody";

    EXPECT_EQ(button.CaptionBack(), Colour(0));
    EXPECT_EQ(button.Properties().captionBackSmooth, Colour(0x4C4C4C));
    EXPECT_EQ(host.notified, std::vector<std::wstring>{L"标题_背景色_平滑色"});
    EXPECT_EQ(button.PictureBack(), Colour(0x8000000F));
    EXPECT_EQ(button.Properties().pictureBackSmooth, SmoothColour(PixelCanvas::kButtonFace));
}

TEST(XpButtonProperties, NormalPictureSizesTheFrameUnlessScaled) {
    ButtonFixture f;
    f.button.SetPicture(TestPicture::Solid(16, 12, Colour(0xFF)));
    EXPECT_EQ(f.button.Properties().frameWidth, 24);
    EXPECT_EQ(f.button.Properties().frameHeight, 20);
    EXPECT_TRUE(f.host.WasNotified(xp_key::kFrameWidth));
    EXPECT_TRUE(f.host.WasNotified(xp_key::kFrameHeight));

    ButtonFixture scaled;
    scaled.button.SetPictureScaled(true);
    scaled.button.SetPicture(TestPicture::Solid(16, 12, Colour(0xFF)));
    EXPECT_EQ(scaled.button.Properties().frameWidth, 26);
    EXPECT_EQ(scaled.button.Properties().frameHeight, 26);

    // Scaling on: the frame size is the user's; off again, a new picture decides it.
    scaled.button.SetFrameWidth(40);
    EXPECT_EQ(scaled.button.Properties().frameWidth, 40);
    EXPECT_TRUE(scaled.host.messages.empty());
}

TEST(XpButtonProperties, AttachedPictureSetsTheAttachedArea) {
    struct Case {
        const char* name;
        std::int32_t type;
        bool remove;
        AttachedArea expected;
    };
    const Case cases[] = {
        {"set on xp", 0, false, {4, 10, 7, 18}},
        {"set on toolbar", 3, false, {4, 10, 7, 18}},
        {"set on chevron keeps its values", 4, false, {4, 8, 14, 0}},
        {"removed from flat", 1, true, {0, 0, 0, 0}},
        {"removed from arrow", 2, true, {4, 8, 15, 16}},
        {"removed from separator", 5, true, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ButtonFixture f(75, 23, c.type);
        f.button.SetAttachedPicture(TestPicture::Solid(10, 7, Colour(0xFF)));
        if (c.remove) {
            f.button.SetAttachedPicture(nullptr);
        }
        const P& p = f.button.Properties();
        EXPECT_EQ(
            (AttachedArea{p.attachedMargin, p.attachedWidth, p.attachedHeight, f.button.Layout().areaWidth}),
            c.expected);
    }
}

TEST(XpButtonProperties, AttachedValuesFollowTheTypeUntilAPictureIsAttached) {
    // Without an attached picture each layout puts the type's values back.
    ButtonFixture f(75, 23, xp_type::kFlatArrow);
    f.button.SetAttachedWidth(3);
    EXPECT_EQ(f.button.Properties().attachedWidth, 8);
    EXPECT_EQ(f.button.Layout().areaWidth, 16);
    f.button.SetAttachedPicture(TestPicture::Solid(10, 7, Colour(0xFF)));
    f.button.SetAttachedWidth(3);
    EXPECT_EQ(f.button.Properties().attachedWidth, 3);
    EXPECT_EQ(f.button.Layout().areaWidth, 11);
    f.button.SetAttachedMargin(6);
    EXPECT_EQ(f.button.Layout().areaWidth, 15);
}

TEST(XpButtonProperties, AnAttachedAreaTooWideForSixteenBitsStopsAtTheLimit) {
    EXPECT_EQ(AttachedAreaWidth(20000, 20000), 32767);
    EXPECT_EQ(AttachedAreaWidth(-20000, -1), -32768);
    EXPECT_EQ(AttachedAreaWidth(4, 8), 16);

    ButtonFixture f(75, 23, xp_type::kFlat);
    f.button.SetAttachedPicture(TestPicture::Solid(40000, 7, Colour(0xFF)));
    EXPECT_EQ(f.button.Properties().attachedWidth, 32767) << "a picture's width too";
    EXPECT_EQ(f.button.Layout().areaWidth, 32767);
    EXPECT_FALSE(f.button.Layout().valid) << "an area wider than the face leaves the layout invalid";
    f.button.SetAttachedMargin(30000);
    EXPECT_EQ(f.button.Layout().areaWidth, 32767);
}

TEST(XpButtonProperties, BooleanAndPlainSettersNotifyUnderTheirNames) {
    struct Case {
        const char* name;
        std::function<void(VelloXPButton&)> set;
        std::wstring_view key;
        std::function<bool(const P&)> stored;
    };
    const Case cases[] = {
        {"caption", [](VelloXPButton& b) { b.SetCaption(L"&OK"); }, L"Caption",
         [](const P& p) { return p.caption == L"&OK"; }},
        {"hover sound", [](VelloXPButton& b) { b.SetHoverSound(L"a.wav"); }, L"Button声音_选中时",
         [](const P& p) { return p.hoverSound == L"a.wav"; }},
        {"access keys", [](VelloXPButton& b) { b.SetAccessKeyText(L"xy"); }, L"热键",
         [](const P& p) { return p.accessKeyText == L"xy"; }},
        {"word wrap", [](VelloXPButton& b) { b.SetCaptionWordWrap(true); }, L"标题_文字自动换行",
         [](const P& p) { return p.captionWordWrap; }},
        {"caption margin", [](VelloXPButton& b) { b.SetCaptionMarginLeft(-3); }, L"标题_留空_左侧",
         [](const P& p) { return p.captionMarginLeft == -3; }},
        {"frame margin", [](VelloXPButton& b) { b.SetFrameMarginTop(1); }, L"图片框_框内留空_顶部",
         [](const P& p) { return p.frameMarginTop == 1; }},
        {"pointer", [](VelloXPButton& b) { b.SetMousePointer(99); }, L"MousePointer",
         [](const P& p) { return p.mousePointer == 99; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ButtonFixture f;
        c.set(f.button);
        EXPECT_TRUE(c.stored(f.button.Properties()));
        ASSERT_FALSE(f.host.notified.empty());
        EXPECT_EQ(Utf8(f.host.notified.front()), Utf8(c.key));
        EXPECT_TRUE(f.host.messages.empty());
    }
}

TEST(XpButtonProperties, SettingTheAccessKeyTextDoesNotChangeTheKeys) {
    ButtonFixture f;
    f.button.SetAccessKeyText(L"q");
    EXPECT_TRUE(f.button.AccessKeys().empty());
    EXPECT_FALSE(f.button.HasAccessKey(L'q'));
}

}  // namespace
}  // namespace orvell::controls::test
