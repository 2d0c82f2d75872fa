#include "controls/property_bag.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "text/utf8.h"

namespace orvell::controls {
namespace {

PropertyBag ThroughUtf8(const PropertyBag& bag) {
    return PropertyBag::Parse(text::DecodeUtf8(text::EncodeUtf8(bag.Format())).value());
}

TEST(PropertyBag, ParsingSkipsNotesAndReportsLinesItCannotUse) {
    const PropertyBag bag = PropertyBag::Parse(
        L"\xFEFF# a design\r\n\r\nCaption=ASCⅡ表\r\n; another note\nno equals sign here\r\n=no key\r\n"
        L"Caption=隐藏\r\n  Button_类型 =1");
    EXPECT_EQ(bag.Size(), 2u);
    EXPECT_EQ(bag.RawValue(L"Caption"), L"隐藏") << "the later value is used";
    EXPECT_EQ(bag.RawValue(L"Button_类型"), L"1") << "blanks around a key go";
    ASSERT_EQ(bag.Problems().size(), 3u);
    EXPECT_EQ(bag.Problems()[0].line, 5);
    EXPECT_EQ(bag.Problems()[1].line, 6);
    EXPECT_EQ(bag.Problems()[2].line, 7);
}

TEST(PropertyBag, ValuesReadAsTheirTypeOrTheirDefault) {
    constexpr std::int32_t kLong = 77;
    constexpr std::int16_t kInteger = 55;
    constexpr std::uint32_t kColour = 0xABCDEF;
    struct Case {
        const wchar_t* text;
        std::int32_t asLong;
        std::int16_t asInteger;
        std::optional<bool> asBoolean;  // none: unreadable, the default
        std::uint32_t asColour;
        bool problems;  // any of the readings reports one
    };
    const Case cases[] = {
        {L"0", 0, 0, false, 0, false},
        {L"-1", -1, -1, true, 0xFFFFFFFF, false},
        {L"0x8000000F", INT32_MIN + 15, kInteger, true, 0x8000000F, true},
        {L"-2147483633", INT32_MIN + 15, kInteger, true, 0x8000000F, true},
        {L"32767", 32767, 32767, true, 32767, false},
        {L"32768", 32768, kInteger, true, 32768, true},
        {L"-32769", -32769, kInteger, true, 0xFFFF7FFF, true},
        {L"2147483648", kLong, kInteger, true, 0x80000000, true},
        {L" 12 ", 12, 12, true, 12, false},
        {L"True", kLong, kInteger, true, kColour, true},
        {L"false", kLong, kInteger, false, kColour, true},
        {L"1.5", kLong, kInteger, std::nullopt, kColour, true},
        {L"", kLong, kInteger, std::nullopt, kColour, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(text::EncodeUtf8(c.text));
        PropertyBag bag;
        bag.SetRaw(L"k", c.text);
        EXPECT_EQ(bag.Read<std::int32_t>(L"k", kLong), c.asLong);
        EXPECT_EQ(bag.Read<std::int16_t>(L"k", kInteger), c.asInteger);
        EXPECT_EQ(bag.Read<bool>(L"k", false), c.asBoolean.value_or(false));
        EXPECT_EQ(bag.Read<bool>(L"k", true), c.asBoolean.value_or(true));
        EXPECT_EQ(bag.Read<Colour>(L"k", Colour(kColour)).Value(), c.asColour);
        EXPECT_EQ(!bag.Problems().empty(), c.problems);
    }
}

TEST(PropertyBag, FontsKeepNameSizeAndStyle) {
    const FontDescription fallback{L"Fallback", 8, false, false, false, false};
    struct Case {
        const wchar_t* text;
        FontDescription expected;
        bool problem;
    };
    const Case cases[] = {
        {L"宋体,9", {L"宋体", 9, false, false, false, false}, false},
        {L"Tahoma,10.5,bold italic", {L"Tahoma", 10.5f, true, true, false, false}, false},
        {L"Arial,8,underline strikethrough bold italic", {L"Arial", 8, true, true, true, true}, false},
        {L"Arial,8,strikethru", {L"Arial", 8, false, false, false, true}, false},
        {L"A, B,12,bold", {L"A, B", 12, true, false, false, false}, false},
        {L"Arial,8,bold shiny", {L"Arial", 8, true, false, false, false}, true},
        {L"Arial", fallback, true},
        {L"Arial,big", fallback, true},
        {L"Arial,0", fallback, true},
        {L",9", fallback, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(text::EncodeUtf8(c.text));
        PropertyBag bag;
        bag.SetRaw(L"Font", c.text);
        EXPECT_EQ(bag.Read(L"Font", fallback), c.expected);
        EXPECT_EQ(!bag.Problems().empty(), c.problem);
        if (!c.problem) {
            PropertyBag written;
            written.Write(L"Font", c.expected, fallback);
            EXPECT_EQ(ThroughUtf8(written).Read(L"Font", fallback), c.expected);
        }
    }
}

}  // namespace
}  // namespace orvell::controls
