#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "controls/colour_math.h"
#include "support/button_fixture.h"
#include "text/utf8.h"

namespace orvell::controls::test {
namespace {

using P = XpButtonProperties;
using B = VelloXPButton;
using I = std::int16_t;
using Notes = std::vector<std::wstring>;

// A setter called with one value: whether the property then holds it, and the name it reports.
struct Setting {
    std::function<void(B&)> set;
    std::function<bool(const P&)> holds;
    std::wstring_view key;
};

template <typename Arg, typename T>
Setting Set(void (B::*setter)(Arg), T P::*field, T value, std::wstring_view key) {
    return Setting{[=](B& b) { (b.*setter)(value); }, [=](const P& p) { return p.*field == value; }, key};
}

// Each setting on a button of each type (0 to 6, then the unknown 9): S stored and reported; K kept
// without a word or a drawing; R refused: the properties stay, the box shows and the name is still
// reported after it; r refused with the name reported before the box; "." not tried.
TEST(XpButtonProperties, SettersStoreOrRefuseWithTheirBoxByTypeAndValue) {
    const std::wstring_view percentBox =
        L"Button标题区百分比应为：0～100，设为0时只显示图片区域，设为100时只显示标题区域";
    const auto percent = [](double v) {
        return Set(&B::SetCaptionPercent, &P::captionPercent, v, L"Button标题区百分比");
    };
    const auto frame = [](void (B::*setter)(std::int32_t), std::int32_t P::*field, std::wstring_view key) {
        return Set(setter, field, 40, key);
    };
    struct Case {
        Setting setting;
        const char* outcomes;
        std::wstring_view text = L"";
        bool scaled = false;
    };
    const Case cases[] = {
        {percent(100), "S"},
        {percent(0), "S"},
        {percent(100.5), "R", percentBox},
        {percent(-1), "R", percentBox},
        {percent(std::nan("")), "R", percentBox},
        {Set(&B::SetNoDisabledLook, &P::noDisabledLook, true, L"关闭DisEnabled效果"), "SSSSRRRR",
         L"“关闭DisEnabled效果”对本按钮类型无效"},
        // Types 0 to 3 take these too, and their layout puts the type's own values back.
        {Set(&B::SetAttachedMargin, &P::attachedMargin, I{7}, L"附加区周边留空"), "....SKrr",
         L"“附加区周边留空”属性对当前按钮类型无效"},
        {Set(&B::SetAttachedWidth, &P::attachedWidth, I{9}, L"附加图片宽"), "....SKrr",
         L"“附加图片宽”属性对当前按钮类型无效"},
        {Set(&B::SetAttachedHeight, &P::attachedHeight, I{5}, L"附加图片高"), "....SKrr",
         L"“附加图片高”属性对当前按钮类型无效"},
        {Set(&B::SetGripSpacing, &P::gripSpacing, I{5}, L"工具条_句柄划线间距"), "RRRRRRSR",
         L"“工具条_句柄划线间距”仅对“OfficeXP菜单垂直工具条句柄”有效"},
        {Set(&B::SetGripWidth, &P::gripWidth, I{5}, L"工具条_句柄符宽度"), "RRRRRRSR",
         L"“工具条_句柄符宽度”仅对“OfficeXP菜单垂直工具条句柄”有效"},
        {Set(&B::SetToolbarColour, &P::toolbarColour, Colour(0x123456), L"工具条_前景色"), "RRRRRSSR",
         L"“工具条_前景色”仅对OfficeXP菜单垂直线型分隔符、OfficeXP菜单垂直工具条句柄有效"},
        {Set(&B::SetFrameBackSwitch, &P::frameBackSwitch, true, L"图片框_背景色开关"), "SSSSRKRR",
         L"“图片框_背景色开关”属性对当前按钮类型无效"},
        {Set(&B::SetFrameEffect, &P::frameEffect, 2, L"图片框效果"), "SSSSRKRR",
         L"“图片框效果”属性对当前按钮类型无效"},
        {frame(&B::SetFrameHeight, &P::frameHeight, L"图片框_高"), "S", L"", true},
        {frame(&B::SetFrameHeight, &P::frameHeight, L"图片框_高"), "R",
         L"因“图片_缩放开关”目前被关闭，“图片框_高”的设置无效"},
        {frame(&B::SetFrameWidth, &P::frameWidth, L"图片框_宽"), "S", L"", true},
        {frame(&B::SetFrameWidth, &P::frameWidth, L"图片框_宽"), "R",
         L"因“图片_缩放开关”目前被关闭，“图片框_宽”的设置无效"},
        {Set(&B::SetCaption, &P::caption, std::wstring(L"&OK"), L"Caption"), "S"},
        {Set(&B::SetAccessKeyText, &P::accessKeyText, std::wstring(L"xy"), L"热键"), "S"},
        {Set(&B::SetCaptionMarginLeft, &P::captionMarginLeft, I{-3}, L"标题_留空_左侧"), "S"},
        {Set(&B::SetMousePointer, &P::mousePointer, 99, L"MousePointer"), "S"},
    };
    for (const Case& c : cases) {
        for (std::size_t i = 0; c.outcomes[i] != 0; ++i) {
            const char outcome = c.outcomes[i];
            const std::int32_t type = i < 7 ? static_cast<std::int32_t>(i) : 9;
            if (outcome == '.') {
                continue;
            }
            SCOPED_TRACE(::testing::Message() << text::EncodeUtf8(c.setting.key) << ", type " << type);
            ButtonFixture f(75, 23, type);
            f.button.SetPictureScaled(c.scaled);
            f.host.Clear();
            const P before = f.button.Properties();
            c.setting.set(f.button);
            EXPECT_EQ(f.host.WasNotified(c.setting.key), outcome != 'K');
            if (outcome == 'R' || outcome == 'r') {
                EXPECT_TRUE(f.button.Properties() == before);
                const std::size_t toldBefore = outcome == 'r' ? 1 : 0;
                const RecordingHost::Message box{L"属性设置错误", std::wstring(c.text), MessageIcon::None,
                                                 toldBefore};
                EXPECT_EQ(f.host.messages, std::vector{box});
                continue;
            }
            EXPECT_TRUE(c.setting.holds(f.button.Properties()));
            EXPECT_TRUE(f.host.messages.empty());
            if (outcome == 'K') {
                EXPECT_EQ(f.host.presents, 0);
            }
        }
    }
}

TEST(XpButtonProperties, CustomSchemeOnTheXpTypeIsKeptWithAnInformationBox) {
    for (const std::int32_t type : {0, 1}) {
        ButtonFixture f(75, 23, type);
        f.button.SetColourScheme(1);
        EXPECT_EQ(f.button.Properties().colourScheme, 1);
        EXPECT_TRUE(f.host.WasNotified(L"Button配色方案"));
        const std::vector<RecordingHost::Message> xpBox = {
            {L"属性设置错误", L"“自定义配色方案”属性对当前按钮类型无效,控件将按“标准配色方案”设置颜色",
             MessageIcon::Information, 1}};
        EXPECT_EQ(f.host.messages, type == 0 ? xpBox : std::vector<RecordingHost::Message>{}) << type;
    }
}

TEST(XpButtonProperties, StandardSchemeRestoresEveryColourAndEffectAndRedraws) {
    ButtonFixture f(75, 23, xp_type::kFlat);
    TestPictureSource none;
    f.button.Restore(
        PropertyBag::Parse(L"Caption=kept\nButton_类型=1\nButton配色方案=1\nButton标题区百分比=50\n"
                           L"边框色=1\n阴影显示开关=0\n阴影色=2\n阴影长度=9\n边框显示开关_选中时=0\n"
                           L"焦点框显示开关=-1\n焦点框内移距离=1\n标题_背景色=3\n标题_背景色_选中时=4\n"
                           L"标题_背景色_按下时=5\n标题_文字色开关_按下时=0\n标题_背景色_平滑色=6\n"
                           L"标题_文字色开关_平滑色=0\n标题_文字色=7\n标题_文字色_选中时=8\n"
                           L"标题_文字色_按下时=9\n图片框_背景色=10\n图片框_背景色开关=-1\n图片_前景色=11\n"
                           L"图片_前景色开关=-1\n图片区_背景色=12\n图片区_背景色_选中时=13\n"
                           L"图片区_背景色_按下时=14\n图片区_背景色开关_按下时=0\n图片区_背景色_平滑色=15\n"
                           L"图片区_背景色开关_平滑色=0\n工具条_前景色=16\n图片框效果=1"),
        L"Command1", kHostFont, none);
    f.host.Clear();
    f.button.SetColourScheme(0);
    P expected;
    expected.caption = L"kept";
    expected.type = 1;
    expected.captionPercent = 50;
    expected.font = kHostFont;
    EXPECT_TRUE(f.button.Properties() == expected) << "every colour and effect back, nothing else";
    EXPECT_EQ(f.host.notified.size(), 29u) << "the scheme and each property it puts back";
    EXPECT_EQ(f.host.presents, 1) << "one forced redraw";
}

TEST(XpButtonProperties, TypeSetterSideEffects) {
    struct Case {
        const char* name;
        int width, height;
        std::int32_t from, to, expectedType;
        AttachedArea expectedArea;
    };
    const Case cases[] = {
        {"arrow", 75, 23, 0, 2, 2, {4, 8, 15, 16}},
        {"toolbar", 75, 23, 0, 3, 3, {4, 6, 3, 14}},
        {"chevron", 75, 23, 0, 4, 4, {4, 8, 14, 0}},
        // The chevron needs more than 8 x 14 pixels; the previous type stays with its own values.
        {"chevron too small", 8, 23, 1, 4, 1, {0, 0, 0, 0}},
        {"chevron too low", 75, 14, 1, 4, 1, {0, 0, 0, 0}},
        {"separator", 75, 23, 0, 5, 5, {0, 0, 0, 0}},
        {"grip", 75, 23, 0, 6, 6, {0, 0, 0, 0}},
        {"grip back to xp", 75, 23, 6, 0, 0, {0, 0, 0, 0}},
        {"grip to arrow", 75, 23, 6, 2, 2, {4, 8, 15, 16}},
        {"unknown type", 75, 23, 0, 9, 9, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ButtonFixture f(c.width, c.height, c.from);
        f.button.SetType(c.to);
        const P& p = f.button.Properties();
        EXPECT_EQ(p.type, c.expectedType);
        EXPECT_EQ(f.host.WasNotified(L"Button_类型"), c.to != 9)
            << "an unknown type is stored without a word";
        EXPECT_EQ(
            (AttachedArea{p.attachedMargin, p.attachedWidth, p.attachedHeight, f.button.Layout().areaWidth}),
            c.expectedArea);
        EXPECT_GE(f.host.presents, 1) << "refreshed";
        EXPECT_EQ(p.mousePointer, c.expectedType == 6 ? 15 : 0);
        EXPECT_EQ(f.host.pointer, p.mousePointer) << "the window's cursor follows";
    }
}

TEST(XpButtonProperties, TheSeparatorDisablesAndEnabledActsOnlyOnAChange) {
    ButtonFixture f;
    f.button.SetEnabled(true);
    EXPECT_TRUE(f.host.log.empty());
    f.button.SetEnabled(false);
    EXPECT_EQ(f.host.notified, Notes{L"Enabled"});
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

TEST(XpButtonProperties, FontPartsChangeTheFontAndReportFont) {
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
    EXPECT_EQ(f.host.notified, Notes(6, L"Font"));
    EXPECT_EQ(f.host.presents, 6);
}

TEST(XpButtonProperties, SmoothColoursAreAlwaysDerivedFromTheBackground) {
    EXPECT_EQ(SmoothColour(Colour::Rgb(0, 128, 240)), Colour::Rgb(76, 166, 240));
    EXPECT_EQ(SmoothColour(Colour::Rgb(255, 255, 255)), Colour::Rgb(255, 255, 255));
    ButtonFixture f;
    f.button.SetCaptionBack(Colour(0x000000));
    EXPECT_EQ(f.button.Properties().captionBackSmooth, Colour(0x4C4C4C));
    EXPECT_EQ(f.host.notified, (Notes{L"标题_背景色", L"标题_背景色_平滑色"}));
    f.button.SetCaptionBackSmooth(Colour(0x123456));
    EXPECT_EQ(f.button.Properties().captionBackSmooth, Colour(0x4C4C4C)) << "the given value is dropped";
    // A system colour is resolved first: the button face of the surface is (236, 233, 216).
    f.button.SetPictureBack(Colour(0x8000000F));
    EXPECT_EQ(f.button.Properties().pictureBackSmooth, Colour::Rgb(236, 233, 235));

    // A saved design whose smooth colours do not match its backgrounds keeps them until they are read.
    TestPictureSource none;
    f.button.Restore(PropertyBag::Parse(L"标题_背景色=0\n标题_背景色_平滑色=0xFFFFFF"), L"Command1",
                     kHostFont, none);
    EXPECT_EQ(f.button.Properties().captionBackSmooth, Colour(0xFFFFFF)) << "restored as saved";
    f.host.Clear();
    EXPECT_EQ(f.button.CaptionBack(), Colour(0));
    EXPECT_EQ(f.button.Properties().captionBackSmooth, Colour(0x4C4C4C));
    EXPECT_EQ(f.host.notified, Notes{L"标题_背景色_平滑色"});
    EXPECT_EQ(f.button.PictureBack(), Colour(0x8000000F)) << "kept as given";
}

TEST(XpButtonProperties, TheNormalPictureSizesTheFrameUnlessScaled) {
    for (const bool scaled : {false, true}) {
        ButtonFixture f;
        f.button.SetPictureScaled(scaled);
        f.host.Clear();
        f.button.SetPicture(TestPicture::Solid(16, 12, Colour(0xFF)));
        EXPECT_EQ(f.button.Properties().frameWidth, scaled ? 26 : 24);
        EXPECT_EQ(f.button.Properties().frameHeight, scaled ? 26 : 20);
        EXPECT_TRUE(f.host.WasNotified(L"Button图片_常显"));
        EXPECT_EQ(f.host.WasNotified(L"图片框_宽") && f.host.WasNotified(L"图片框_高"), !scaled);
    }
}

TEST(XpButtonProperties, AnAttachedPictureSetsTheAttachedAreaWithinSixteenBits) {
    struct Case {
        const char* name;
        std::int32_t type;
        bool remove;
        AttachedArea expected;
    };
    const Case cases[] = {
        {"set on xp", 0, false, {4, 10, 7, 18}},         {"set on toolbar", 3, false, {4, 10, 7, 18}},
        {"set on chevron", 4, false, {4, 8, 14, 0}},     {"removed from flat", 1, true, {0, 0, 0, 0}},
        {"removed from arrow", 2, true, {4, 8, 15, 16}}, {"removed from separator", 5, true, {0, 0, 0, 0}},
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
    EXPECT_EQ(f.button.Layout().areaWidth, 16);
    f.button.SetAttachedPicture(TestPicture::Solid(10, 7, Colour(0xFF)));
    f.button.SetAttachedWidth(3);
    EXPECT_EQ(f.button.Layout().areaWidth, 11);
    f.button.SetAttachedMargin(6);
    EXPECT_EQ(f.button.Layout().areaWidth, 15);
    // An area too wide for 16 bits stops at the limit instead of wrapping round.
    f.button.SetAttachedPicture(TestPicture::Solid(40000, 7, Colour(0xFF)));
    EXPECT_EQ(f.button.Properties().attachedWidth, 32767) << "a picture's width too";
    EXPECT_EQ(f.button.Layout().areaWidth, 32767);
    EXPECT_FALSE(f.button.Layout().valid) << "an area wider than the face leaves the layout invalid";
    f.button.SetAttachedMargin(-20000);
    EXPECT_EQ(f.button.Layout().areaWidth, -7233);
    f.button.SetAttachedWidth(-20000);
    EXPECT_EQ(f.button.Layout().areaWidth, -32768);
}

}  // namespace
}  // namespace orvell::controls::test
