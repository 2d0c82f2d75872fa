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

// Refused values keep the properties as they were, show the box and still report the name, in the
// order the log shows; values kept silently report and draw nothing.
TEST(XpButtonProperties, SettersStoreOrRefuseWithTheirBoxByTypeAndValue) {
    const std::wstring percentBox =
        L"Button标题区百分比应为：0～100，设为0时只显示图片区域，设为100时只显示标题区域";
    const auto percent = [](double v) {
        return Set(&B::SetCaptionPercent, &P::captionPercent, v, L"Button标题区百分比");
    };
    struct Case {
        Setting setting;
        std::vector<std::int32_t> storedOn, refusedOn, keptOn;
        std::wstring text;
        bool scaled = false;
        bool toldFirst = false;  // the host hears of a refusal before its box
    };
    const Case cases[] = {
        {percent(100), {0}, {}, {}, L""},
        {percent(0), {0}, {}, {}, L""},
        {percent(100.5), {}, {0}, {}, percentBox},
        {percent(-1), {}, {0}, {}, percentBox},
        {percent(std::nan("")), {}, {0}, {}, percentBox},
        {Set(&B::SetNoDisabledLook, &P::noDisabledLook, true, L"关闭DisEnabled效果"),
         {1, 3},
         {4, 6},
         {},
         L"“关闭DisEnabled效果”对本按钮类型无效"},
        {Set(&B::SetAttachedMargin, &P::attachedMargin, I{7}, L"附加区周边留空"),
         {4},
         {6, 9},
         {5},
         L"“附加区周边留空”属性对当前按钮类型无效",
         false,
         true},
        {Set(&B::SetAttachedWidth, &P::attachedWidth, I{9}, L"附加图片宽"),
         {4},
         {6},
         {5},
         L"“附加图片宽”属性对当前按钮类型无效",
         false,
         true},
        {Set(&B::SetAttachedHeight, &P::attachedHeight, I{5}, L"附加图片高"),
         {4},
         {6},
         {5},
         L"“附加图片高”属性对当前按钮类型无效",
         false,
         true},
        {Set(&B::SetGripSpacing, &P::gripSpacing, I{5}, L"工具条_句柄划线间距"),
         {6},
         {5},
         {},
         L"“工具条_句柄划线间距”仅对“OfficeXP菜单垂直工具条句柄”有效"},
        {Set(&B::SetGripWidth, &P::gripWidth, I{5}, L"工具条_句柄符宽度"),
         {6},
         {0},
         {},
         L"“工具条_句柄符宽度”仅对“OfficeXP菜单垂直工具条句柄”有效"},
        {Set(&B::SetToolbarColour, &P::toolbarColour, Colour(0x123456), L"工具条_前景色"),
         {5, 6},
         {1},
         {},
         L"“工具条_前景色”仅对OfficeXP菜单垂直线型分隔符、OfficeXP菜单垂直工具条句柄有效"},
        {Set(&B::SetFrameBackSwitch, &P::frameBackSwitch, true, L"图片框_背景色开关"),
         {0},
         {4, 6},
         {5},
         L"“图片框_背景色开关”属性对当前按钮类型无效"},
        {Set(&B::SetFrameEffect, &P::frameEffect, 2, L"图片框效果"),
         {3},
         {4},
         {5},
         L"“图片框效果”属性对当前按钮类型无效"},
        {Set(&B::SetFrameHeight, &P::frameHeight, 40, L"图片框_高"), {0}, {}, {}, L"", true},
        {Set(&B::SetFrameHeight, &P::frameHeight, 40, L"图片框_高"),
         {},
         {0},
         {},
         L"因“图片_缩放开关”目前被关闭，“图片框_高”的设置无效"},
        {Set(&B::SetFrameWidth, &P::frameWidth, 40, L"图片框_宽"), {0}, {}, {}, L"", true},
        {Set(&B::SetFrameWidth, &P::frameWidth, 40, L"图片框_宽"),
         {},
         {0},
         {},
         L"因“图片_缩放开关”目前被关闭，“图片框_宽”的设置无效"},
        {Set(&B::SetCaption, &P::caption, std::wstring(L"&OK"), L"Caption"), {0}, {}, {}, L""},
        {Set(&B::SetAccessKeyText, &P::accessKeyText, std::wstring(L"xy"), L"热键"), {0}, {}, {}, L""},
        {Set(&B::SetCaptionMarginLeft, &P::captionMarginLeft, I{-3}, L"标题_留空_左侧"), {0}, {}, {}, L""},
        {Set(&B::SetMousePointer, &P::mousePointer, 99, L"MousePointer"), {0}, {}, {}, L""},
    };
    enum Outcome { Stored, Refused, Kept };
    for (const Case& c : cases) {
        for (const Outcome outcome : {Stored, Refused, Kept}) {
            for (const std::int32_t type : outcome == Stored    ? c.storedOn
                                           : outcome == Refused ? c.refusedOn
                                                                : c.keptOn) {
                SCOPED_TRACE(::testing::Message() << text::EncodeUtf8(c.setting.key) << ", type " << type);
                ButtonFixture f(75, 23, type);
                f.button.SetPictureScaled(c.scaled);
                f.host.Clear();
                const P before = f.button.Properties();
                c.setting.set(f.button);
                EXPECT_EQ(f.host.WasNotified(c.setting.key), outcome != Kept);
                if (outcome == Refused) {
                    EXPECT_TRUE(f.button.Properties() == before);
                    const RecordingHost::Message box{L"属性设置错误", c.text, MessageIcon::None,
                                                     c.toldFirst ? 1u : 0u};
                    EXPECT_EQ(f.host.messages, std::vector{box});
                    continue;
                }
                EXPECT_TRUE(c.setting.holds(f.button.Properties()));
                EXPECT_TRUE(f.host.messages.empty());
                if (outcome == Kept) {
                    EXPECT_EQ(f.host.presents, 0);
                }
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
    B& b = f.button;
    P expected = b.Properties();
    expected.caption = L"kept";
    expected.captionPercent = 50;
    expected.pictureFore = Colour(0xC0C0C0);  // the saved default, not the new control's 0
    const std::function<void(B&)> changes[] = {
        [](B& b) { b.SetBorderColour(Colour(1)); },
        [](B& b) { b.SetShadowSwitch(false); },
        [](B& b) { b.SetShadowColour(Colour(2)); },
        [](B& b) { b.SetShadowLength(9); },
        [](B& b) { b.SetBorderHoverSwitch(false); },
        [](B& b) { b.SetFocusRectVisible(true); },
        [](B& b) { b.SetFocusInset(1); },
        [](B& b) { b.SetCaptionBack(Colour(3)); },
        [](B& b) { b.SetCaptionBackHover(Colour(4)); },
        [](B& b) { b.SetCaptionBackPressed(Colour(5)); },
        [](B& b) { b.SetCaptionPressedSwitch(false); },
        [](B& b) { b.SetCaptionSmoothSwitch(false); },
        [](B& b) { b.SetCaptionText(Colour(6)); },
        [](B& b) { b.SetCaptionTextHover(Colour(7)); },
        [](B& b) { b.SetCaptionTextPressed(Colour(8)); },
        [](B& b) { b.SetFrameBack(Colour(9)); },
        [](B& b) { b.SetFrameBackSwitch(true); },
        [](B& b) { b.SetPictureBack(Colour(10)); },
        [](B& b) { b.SetPictureBackHover(Colour(11)); },
        [](B& b) { b.SetPictureBackPressed(Colour(12)); },
        [](B& b) { b.SetPicturePressedSwitch(false); },
        [](B& b) { b.SetPictureSmoothSwitch(false); },
        [](B& b) { b.SetPictureForeSwitch(true); },
        [](B& b) { b.SetPictureFore(Colour(13)); },
        [](B& b) { b.SetFrameEffect(1); },
        [](B& b) { b.SetCaption(L"kept"); },
        [](B& b) { b.SetCaptionPercent(50); },
    };
    for (const auto& change : changes) {
        change(b);
    }
    ButtonFixture grip(75, 23, xp_type::kGrip);
    grip.button.SetToolbarColour(Colour(14));
    for (ButtonFixture* g : {&f, &grip}) {
        g->button.SetColourScheme(1);
        g->host.Clear();
        g->button.SetColourScheme(0);
        EXPECT_EQ(g->host.notified.size(), 29u) << "the scheme and each property it puts back";
        EXPECT_EQ(g->host.presents, 1) << "one forced redraw";
    }
    EXPECT_TRUE(b.Properties() == expected) << "every colour and effect back, nothing else";
    EXPECT_EQ(grip.button.Properties().toolbarColour, Colour(0xC0C0C0));
}

TEST(XpButtonProperties, TypeSetterSideEffects) {
    struct Case {
        const char* name;
        int width, height;
        std::int32_t from, to, expectedType;
        AttachedArea expectedArea;
        Notes expectedNotes;
    };
    const std::wstring w = L"附加图片宽", h = L"附加图片高", m = L"附加区周边留空", t = L"Button_类型";
    const std::wstring pointer = L"MousePointer", enabled = L"Enabled";
    const Case cases[] = {
        {"arrow", 75, 23, 0, 2, 2, {4, 8, 15, 16}, {w, h, m, t}},
        {"toolbar", 75, 23, 0, 3, 3, {4, 6, 3, 14}, {w, h, m, t}},
        {"chevron", 75, 23, 0, 4, 4, {4, 8, 14, 0}, {w, h, m, t}},
        // The chevron needs more than 8 x 14 pixels; the previous type stays with its own values.
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
        // Every change ends in a refresh, whose layout of types 0 to 3 reports the attached values.
        Notes expectedNotes = c.expectedNotes;
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
