#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "controls/colour_math.h"
#include "support/button_fixture.h"

namespace orvell::controls::test {
namespace {

using P = XpButtonProperties;

// A setter called with one value, the property that should then hold it, and the name it reports.
struct Setting {
    std::function<void(VelloXPButton&)> set;
    std::function<bool(const P&)> holds;
    std::wstring_view key;
};

template <typename Arg, typename T>
Setting Set(void (VelloXPButton::*setter)(Arg), T P::*field, T value, std::wstring_view key) {
    return Setting{[=](VelloXPButton& b) { (b.*setter)(value); },
                   [=](const P& p) { return p.*field == value; }, key};
}

// Refused values keep the properties as they were, show the box and still report the name; values
// stored silently report nothing and draw nothing.
TEST(XpButtonProperties, SettersStoreAndReportOrRefuseWithTheirBoxByType) {
    using B = VelloXPButton;
    using I = std::int16_t;
    const auto percent = [](double v) {
        return Set(&B::SetCaptionPercent, &P::captionPercent, v, L"Button标题区百分比");
    };
    const std::wstring percentText =
        L"Button标题区百分比应为：0～100，设为0时只显示图片区域，设为100时只显示标题区域";
    struct Case {
        const char* name;
        Setting setting;
        std::vector<std::int32_t> storedOn;
        std::vector<std::int32_t> refusedOn;
        std::vector<std::int32_t> silentOn;
        std::wstring text;
        bool scaled = false;
    };
    const Case cases[] = {
        {"percent 100", percent(100), {0}, {}, {}, L""},
        {"percent 0", percent(0), {0}, {}, {}, L""},
        {"percent 100.5", percent(100.5), {}, {0}, {}, percentText},
        {"percent -1", percent(-1), {}, {0}, {}, percentText},
        {"percent NaN", percent(std::nan("")), {}, {0}, {}, percentText},
        {"disabled look",
         Set(&B::SetNoDisabledLook, &P::noDisabledLook, true, L"关闭DisEnabled效果"),
         {1, 3},
         {4, 6},
         {},
         L"“关闭DisEnabled效果”对本按钮类型无效"},
        {"attached margin",
         Set(&B::SetAttachedMargin, &P::attachedMargin, I{7}, L"附加区周边留空"),
         {4},
         {6},
         {5},
         L"“附加区周边留空”属性对当前按钮类型无效"},
        {"attached width",
         Set(&B::SetAttachedWidth, &P::attachedWidth, I{9}, L"附加图片宽"),
         {4},
         {6},
         {5},
         L"“附加图片宽”属性对当前按钮类型无效"},
        {"attached height",
         Set(&B::SetAttachedHeight, &P::attachedHeight, I{5}, L"附加图片高"),
         {4},
         {6},
         {5},
         L"“附加图片高”属性对当前按钮类型无效"},
        {"grip spacing",
         Set(&B::SetGripSpacing, &P::gripSpacing, I{5}, L"工具条_句柄划线间距"),
         {6},
         {5},
         {},
         L"“工具条_句柄划线间距”仅对“OfficeXP菜单垂直工具条句柄”有效"},
        {"grip width",
         Set(&B::SetGripWidth, &P::gripWidth, I{5}, L"工具条_句柄符宽度"),
         {6},
         {0},
         {},
         L"“工具条_句柄符宽度”仅对“OfficeXP菜单垂直工具条句柄”有效"},
        {"toolbar colour",
         Set(&B::SetToolbarColour, &P::toolbarColour, Colour(0x123456), L"工具条_前景色"),
         {5, 6},
         {1},
         {},
         L"“工具条_前景色”仅对OfficeXP菜单垂直线型分隔符、OfficeXP菜单垂直工具条句柄有效"},
        {"frame fill",
         Set(&B::SetFrameBackSwitch, &P::frameBackSwitch, true, L"图片框_背景色开关"),
         {0},
         {4, 6},
         {5},
         L"“图片框_背景色开关”属性对当前按钮类型无效"},
        {"frame effect",
         Set(&B::SetFrameEffect, &P::frameEffect, 2, L"图片框效果"),
         {3},
         {4},
         {5},
         L"“图片框效果”属性对当前按钮类型无效"},
        {"frame height, scaled",
         Set(&B::SetFrameHeight, &P::frameHeight, 40, L"图片框_高"),
         {0},
         {},
         {},
         L"",
         true},
        {"frame height",
         Set(&B::SetFrameHeight, &P::frameHeight, 40, L"图片框_高"),
         {},
         {0},
         {},
         L"因“图片_缩放开关”目前被关闭，“图片框_高”的设置无效"},
        {"frame width, scaled",
         Set(&B::SetFrameWidth, &P::frameWidth, 40, L"图片框_宽"),
         {0},
         {},
         {},
         L"",
         true},
        {"frame width",
         Set(&B::SetFrameWidth, &P::frameWidth, 40, L"图片框_宽"),
         {},
         {0},
         {},
         L"因“图片_缩放开关”目前被关闭，“图片框_宽”的设置无效"},
        // Setters without a rule of their own.
        {"caption", Set(&B::SetCaption, &P::caption, std::wstring(L"&OK"), L"Caption"), {0}, {}, {}, L""},
        {"sound",
         Set(&B::SetHoverSound, &P::hoverSound, std::wstring(L"a.wav"), L"Button声音_选中时"),
         {0},
         {},
         {},
         L""},
        {"access keys",
         Set(&B::SetAccessKeyText, &P::accessKeyText, std::wstring(L"xy"), L"热键"),
         {0},
         {},
         {},
         L""},
        {"word wrap",
         Set(&B::SetCaptionWordWrap, &P::captionWordWrap, true, L"标题_文字自动换行"),
         {0},
         {},
         {},
         L""},
        {"caption margin",
         Set(&B::SetCaptionMarginLeft, &P::captionMarginLeft, I{-3}, L"标题_留空_左侧"),
         {0},
         {},
         {},
         L""},
        {"frame margin",
         Set(&B::SetFrameMarginTop, &P::frameMarginTop, I{1}, L"图片框_框内留空_顶部"),
         {0},
         {},
         {},
         L""},
        {"pointer", Set(&B::SetMousePointer, &P::mousePointer, 99, L"MousePointer"), {0}, {}, {}, L""},
    };
    enum Outcome { Stored, Refused, Silent };
    for (const Case& c : cases) {
        for (const Outcome outcome : {Stored, Refused, Silent}) {
            for (const std::int32_t type : outcome == Stored    ? c.storedOn
                                           : outcome == Refused ? c.refusedOn
                                                                : c.silentOn) {
                SCOPED_TRACE(::testing::Message() << c.name << ", type " << type);
                ButtonFixture f(75, 23, type);
                f.button.SetPictureScaled(c.scaled);
                f.host.Clear();
                const P before = f.button.Properties();
                c.setting.set(f.button);
                if (outcome == Refused) {
                    EXPECT_TRUE(f.button.Properties() == before);
                    const RecordingHost::Message box{L"属性设置错误", c.text, MessageIcon::None};
                    EXPECT_EQ(f.host.messages, std::vector{box});
                } else {
                    EXPECT_TRUE(c.setting.holds(f.button.Properties()));
                    EXPECT_TRUE(f.host.messages.empty());
                }
                EXPECT_EQ(f.host.WasNotified(c.setting.key), outcome != Silent);
                if (outcome == Silent) {
                    EXPECT_EQ(f.host.presents, 0);
                }
            }
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
        const std::vector<RecordingHost::Message> xpBox = {
            {L"属性设置错误", L"“自定义配色方案”属性对当前按钮类型无效,控件将按“标准配色方案”设置颜色",
             MessageIcon::Information}};
        EXPECT_EQ(f.host.messages, type == 0 ? xpBox : std::vector<RecordingHost::Message>{});
    }
}

TEST(XpButtonProperties, StandardSchemeRestoresEveryColourAndRedraws) {
    ButtonFixture f(75, 23, xp_type::kFlat);
    VelloXPButton& b = f.button;
    P expected = b.Properties();
    expected.caption = L"kept";
    expected.pictureFore = Colour(0xC0C0C0);  // the saved default, not the new control's 0
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

    EXPECT_TRUE(b.Properties() == expected) << "every colour and effect back, nothing else";
    const std::vector<std::wstring> notified = {L"Button配色方案",
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
                                                L"图片框效果"};
    EXPECT_EQ(f.host.notified, notified);
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
        std::vector<std::wstring> expectedNotes = c.expectedNotes;
        if (c.expectedType >= 0 && c.expectedType <= 3) {
            expectedNotes.insert(expectedNotes.end(), {w, h, m});
        }
        EXPECT_EQ(f.host.notified, expectedNotes);
        EXPECT_GE(f.host.presents, 1) << "refreshed";
        EXPECT_EQ(p.mousePointer, c.expectedType == 6 ? 15 : 0);
        EXPECT_EQ(f.host.pointer, p.mousePointer) << "the window's cursor follows";
    }
}

TEST(XpButtonProperties, TheSeparatorDisablesAndEnabledActsOnlyOnAChange) {
    ButtonFixture f;
    f.button.SetEnabled(true);
    EXPECT_TRUE(f.host.notified.empty());
    EXPECT_EQ(f.host.presents, 0);
    f.button.SetEnabled(false);
    EXPECT_EQ(f.host.notified, std::vector<std::wstring>{L"Enabled"});
    EXPECT_FALSE(f.host.enabled);
    EXPECT_EQ(f.host.log, std::vector<std::string>{"draw full"});

    ButtonFixture separator(75, 23, xp_type::kSeparator);
    EXPECT_FALSE(separator.button.Properties().enabled);
    EXPECT_FALSE(separator.host.enabled) << "the window takes no input";
    separator.button.SetType(xp_type::kXp);
    EXPECT_FALSE(separator.button.Properties().enabled) << "and stays disabled";
    separator.button.SetEnabled(true);
    EXPECT_TRUE(separator.host.enabled);
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

TEST(XpButtonProperties, SmoothColoursAreAlwaysDerivedFromTheBackground) {
    EXPECT_EQ(SmoothColour(Colour::Rgb(0, 128, 240)), Colour::Rgb(76, 166, 240));
    EXPECT_EQ(SmoothColour(Colour::Rgb(255, 255, 255)), Colour::Rgb(255, 255, 255));

    ButtonFixture f;
    f.button.SetCaptionBack(Colour(0x000000));
    EXPECT_EQ(f.button.Properties().captionBackSmooth, Colour(0x4C4C4C));
    EXPECT_TRUE(f.host.WasNotified(L"标题_背景色_平滑色"));
    f.button.SetCaptionBackSmooth(Colour(0x123456));
    EXPECT_EQ(f.button.Properties().captionBackSmooth, Colour(0x4C4C4C)) << "the given value is dropped";
    // A system colour is resolved first: the button face of the surface is (236, 233, 216).
    f.button.SetPictureBack(Colour(0x8000000F));
    EXPECT_EQ(f.button.Properties().pictureBackSmooth, Colour::Rgb(236, 233, 235));

    // A saved design whose smooth colours do not match its backgrounds keeps them until they are read.
    const PropertyBag bag =
        PropertyBag::Parse(L"标题_背景色=0\n标题_背景色_平滑色=0xFFFFFF\n图片区_背景色_平滑色=0");
    TestPictureSource none;
    f.button.Restore(bag, L"Command1", kHostFont, none);
    EXPECT_EQ(f.button.Properties().captionBackSmooth, Colour(0xFFFFFF)) << "restored as saved";
    f.host.Clear();
    EXPECT_EQ(f.button.CaptionBack(), Colour(0));
    EXPECT_EQ(f.button.Properties().captionBackSmooth, Colour(0x4C4C4C));
    EXPECT_EQ(f.host.notified, std::vector<std::wstring>{L"标题_背景色_平滑色"});
    EXPECT_EQ(f.button.PictureBack(), Colour(0x8000000F)) << "kept as given";
    EXPECT_EQ(f.button.Properties().pictureBackSmooth, Colour::Rgb(236, 233, 235));
}

TEST(XpButtonProperties, TheNormalPictureSizesTheFrameUnlessScaled) {
    ButtonFixture f;
    f.button.SetPicture(TestPicture::Solid(16, 12, Colour(0xFF)));
    EXPECT_EQ(f.button.Properties().frameWidth, 24);
    EXPECT_EQ(f.button.Properties().frameHeight, 20);
    EXPECT_TRUE(f.host.WasNotified(L"图片框_宽"));
    EXPECT_TRUE(f.host.WasNotified(L"图片框_高"));

    ButtonFixture scaled;
    scaled.button.SetPictureScaled(true);
    scaled.button.SetPicture(TestPicture::Solid(16, 12, Colour(0xFF)));
    EXPECT_EQ(scaled.button.Properties().frameWidth, 26);
    EXPECT_EQ(scaled.button.Properties().frameHeight, 26);
}

TEST(XpButtonProperties, AnAttachedPictureSetsTheAttachedAreaWithinSixteenBits) {
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

    // Without an attached picture each layout puts the type's values back; with one they are the user's.
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

    // An area too wide for 16 bits stops at the limit instead of wrapping round.
    EXPECT_EQ(AttachedAreaWidth(-20000, -1), -32768);
    f.button.SetAttachedPicture(TestPicture::Solid(40000, 7, Colour(0xFF)));
    EXPECT_EQ(f.button.Properties().attachedWidth, 32767) << "a picture's width too";
    EXPECT_EQ(f.button.Layout().areaWidth, 32767);
    EXPECT_FALSE(f.button.Layout().valid) << "an area wider than the face leaves the layout invalid";
    f.button.SetAttachedMargin(30000);
    EXPECT_EQ(f.button.Layout().areaWidth, 32767);
}

}  // namespace
}  // namespace orvell::controls::test
