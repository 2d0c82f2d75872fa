// The application shell's small rules: access keys in button captions, the tray's flag and tip.
#include <gtest/gtest.h>

#include "app/access_key.h"
#include "app/shell_texts.h"
#include "app/tray_state.h"
#include "text_lines.h"

namespace orvell::app {
namespace {

using orvell::testing::Utf8;

TEST(CaptionAccessKey, TheLetterAfterTheMarkerInAnyCase) {
    struct Case {
        const wchar_t* caption;
        wchar_t key;
        bool clicks;
    };
    const Case cases[] = {
        {L"查询(&S)", L'S', true}, {L"查询(&S)", L's', true}, {L"&Ｓ", L'ｓ', true},
        {L"&Search", L'S', true},  {L"&Search", L'e', false}, {L"Contract", L'C', false},
        {L"A&&B", L'B', false},    {L"A&&&B", L'B', true},    {L"退出&", L'&', false},
        {L"&àb", L'À', true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CaptionHasAccessKey(c.caption, c.key), c.clicks)
            << Utf8(c.caption) << " with " << Utf8({&c.key, 1});
    }
}

// The hidden label and the tip after a start with Windows, which says how to open the window.
TEST(Tray, TheFlagFollowsTheStateAndTheTipTheLanguage) {
    TrayState state;
    EXPECT_EQ(Utf8(state.FlagText()), "No");
    state.hidden = true;
    EXPECT_EQ(Utf8(state.FlagText()), "Yes");
    EXPECT_EQ(Utf8(HiddenStartTrayTip(Language::Chinese)), Utf8(L"Orvell(双击弹出窗体)"));
    EXPECT_EQ(Utf8(HiddenStartTrayTip(Language::English)), "Orvell(Double click to open)");
}

}  // namespace
}  // namespace orvell::app
