#include "app/push_button.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "test_window.h"

namespace orvell::win {
namespace {

// The main window relies on one BN_CLICKED per click, by the mouse or sent to the button (as
// automation clicks it).
TEST(PushButton, EachClickReachesTheParentOnce) {
    constexpr int kId = 41;
    test_support::HostWindow host;
    ASSERT_TRUE(host.Open());
    PushButton button;
    ASSERT_TRUE(button.Create(host.Handle(), kId, L"查询(&S)", Rect{10, 20, 90, 45}, nullptr));
    test_support::Click(button.Handle(), {4, 4});
    ::SendMessageW(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(host.commands, (std::vector<std::pair<int, int>>{{BN_CLICKED, kId}, {BN_CLICKED, kId}}));
}

}  // namespace
}  // namespace orvell::win
