#include "controls/property_bag.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "text/utf8.h"

namespace orvell::controls {
namespace {

TEST(PropertyBag, AnyStringSurvivesTheTextFormAndUtf8) {
    const std::wstring values[] = {
        L"",
        L"ASCⅡ表",
        L".\\media\\over.wav",
        L"  leading and trailing blanks  ",
        L"a=b=c",
        L"100%25 is not an escape here: %",
        L"two\r\nlines\nand a lone\rreturn",
        L"#not a note",
        L"&&隐藏(&H)",
    };
    PropertyBag bag;
    for (std::size_t i = 0; i < std::size(values); ++i) {
        bag.SetRaw(L"键" + std::to_wstring(i), values[i]);
    }
    const PropertyBag back = PropertyBag::Parse(text::DecodeUtf8(text::EncodeUtf8(bag.Format())).value());
    EXPECT_TRUE(back.Problems().empty());
    ASSERT_EQ(back.Size(), std::size(values));
    for (std::size_t i = 0; i < std::size(values); ++i) {
        EXPECT_EQ(back.RawValue(L"键" + std::to_wstring(i)), values[i]);
    }
}

TEST(PropertyBag, ParsingSkipsNotesAndReportsLinesItCannotUse) {
    const PropertyBag bag = PropertyBag::Parse(
        L"\xFEFF# a design\r\n"
        L"\r\n"
        L"Caption=ASCⅡ表\r\n"
        L"; another note\n"
        L"no equals sign here\r\n"
        L"=no key\r\n"
        L"Caption=隐藏\r\n"
        L"  Button_类型 =1");
    EXPECT_EQ(bag.Size(), 2u);
    EXPECT_EQ(bag.RawValue(L"Caption"), L"隐藏") << "the later value is used";
    EXPECT_EQ(bag.RawValue(L"Button_类型"), L"1") << "blanks around a key go";
    ASSERT_EQ(bag.Problems().size(), 3u);
    EXPECT_EQ(bag.Problems()[0].line, 5);
    EXPECT_EQ(bag.Problems()[1].line, 6);
    EXPECT_EQ(bag.Problems()[2].line, 7);
}

TEST(PropertyBag, TypedValuesReadWithTheirDefaults) {
    constexpr std::int32_t kLong = 77;
    constexpr std::int16_t kInteger = 55;
    constexpr std::uint32_t kColour = 0xABCDEF;
    struct Case {
        const char* name;
        std::wstring text;
        std::int32_t asLong;
        std::int16_t asInteger;
        std::optional<bool> asBoolean;  // none: unreadable, the default
        std::uint32_t asColour;
        bool problems;  // any of the readings reports one
    };
    const Case cases[] = {
        {"zero", L"0", 0, 0, false, 0, false},
        {"true", L"-1", -1, -1, true, 0xFFFFFFFF, false},
        {"hex system colour", L"0x8000000F", INT32_MIN + 15, kInteger, true, 0x8000000F, true},
        {"decimal system colour", L"-2147483633", INT32_MIN + 15, kInteger, true, 0x8000000F, true},
        {"integer limit", L"32767", 32767, 32767, true, 32767, false},
        {"past the integer limit", L"32768", 32768, kInteger, true, 32768, true},
        {"below the integer limit", L"-32769", -32769, kInteger, true, 0xFFFF7FFF, true},
        {"past the long limit", L"2147483648", kLong, kInteger, true, 0x80000000, true},
        {"blanks around", L" 12 ", 12, 12, true, 12, false},
        {"the word True", L"True", kLong, kInteger, true, kColour, true},
        {"the word false", L"false", kLong, kInteger, false, kColour, true},
        {"a word", L"twelve", kLong, kInteger, std::nullopt, kColour, true},
        {"a fraction", L"1.5", kLong, kInteger, std::nullopt, kColour, true},
        {"empty", L"", kLong, kInteger, std::nullopt, kColour, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PropertyBag bag;
        bag.SetRaw(L"k", c.text);
        EXPECT_EQ(bag.ReadLong(L"k", kLong), c.asLong);
        EXPECT_EQ(bag.ReadInteger(L"k", kInteger), c.asInteger);
        EXPECT_EQ(bag.ReadBoolean(L"k", false), c.asBoolean.value_or(false));
        EXPECT_EQ(bag.ReadBoolean(L"k", true), c.asBoolean.value_or(true));
        EXPECT_EQ(bag.ReadColour(L"k", Colour(kColour)).Value(), c.asColour);
        EXPECT_EQ(!bag.Problems().empty(), c.problems);
    }
}

TEST(PropertyBag, DefaultsAreLeftOutAndValuesRoundTrip) {
    PropertyBag bag;
    bag.WriteLong(L"long", 4, 4);
    bag.WriteDouble(L"double", 80, 80);
    bag.WriteColour(L"colour", Colour(0x8000000F), Colour(0x8000000F));
    EXPECT_EQ(bag.Size(), 0u);

    bag.WriteBoolean(L"on", true, false);
    bag.WriteBoolean(L"off", false, true);
    EXPECT_EQ(bag.Format(), L"on=-1\r\noff=0\r\n");
    bag.WriteLong(L"long", -7, 4);
    bag.WriteInteger(L"integer", -32768, 2);
    bag.WriteDouble(L"double", 33.333333333333336, 80);
    bag.WriteColour(L"colour", Colour(0x00C08080), Colour(0));
    bag.WriteString(L"string", L"x", L"");
    const PropertyBag back = PropertyBag::Parse(bag.Format());
    EXPECT_EQ(back.ReadLong(L"long", 4), -7);
    EXPECT_EQ(back.ReadInteger(L"integer", 2), -32768);
    EXPECT_EQ(back.ReadDouble(L"double", 80), 33.333333333333336) << "every bit of a fraction";
    EXPECT_EQ(back.ReadColour(L"colour", Colour(0)), Colour(0x00C08080));
    EXPECT_EQ(back.RawValue(L"colour"), L"0x00C08080");
    EXPECT_EQ(back.ReadString(L"string", L""), L"x");

    // Writing the default again takes the value out.
    bag.WriteLong(L"long", 4, 4);
    EXPECT_FALSE(bag.Contains(L"long"));
}

TEST(PropertyBag, FontsKeepNameSizeAndStyle) {
    struct Case {
        const char* name;
        std::wstring text;
        FontDescription expected;
        bool problem;
    };
    const FontDescription fallback{L"Fallback", 8, false, false, false, false};
    const Case cases[] = {
        {"name and size", L"宋体,9", {L"宋体", 9, false, false, false, false}, false},
        {"with flags", L"Tahoma,10.5,bold italic", {L"Tahoma", 10.5f, true, true, false, false}, false},
        {"every flag",
         L"Arial,8,underline strikethrough bold italic",
         {L"Arial", 8, true, true, true, true},
         false},
        {"old spelling", L"Arial,8,strikethru", {L"Arial", 8, false, false, false, true}, false},
        {"comma in the name", L"A, B,12,bold", {L"A, B", 12, true, false, false, false}, false},
        {"unknown flag", L"Arial,8,bold shiny", {L"Arial", 8, true, false, false, false}, true},
        {"no size", L"Arial", fallback, true},
        {"bad size", L"Arial,big", fallback, true},
        {"zero size", L"Arial,0", fallback, true},
        {"no name", L",9", fallback, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PropertyBag bag;
        bag.SetRaw(L"Font", c.text);
        EXPECT_EQ(bag.ReadFont(L"Font", fallback), c.expected);
        EXPECT_EQ(!bag.Problems().empty(), c.problem);
        if (!c.problem) {
            PropertyBag written;
            written.WriteFont(L"Font", c.expected, fallback);
            EXPECT_EQ(PropertyBag::Parse(written.Format()).ReadFont(L"Font", fallback), c.expected);
        }
    }
}

}  // namespace
}  // namespace orvell::controls
