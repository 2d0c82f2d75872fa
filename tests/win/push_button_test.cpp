#include "app/push_button.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/unique_handle.h"
#include "support/test_printers.h"
#include "test_window.h"

namespace orvell::win {
namespace {

using test_support::HostWindow;

constexpr int kButtonId = 41;

Rect BoundsInParent(HWND child) {
    RECT rect{};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return Rect{rect.left, rect.top, rect.right, rect.bottom};
}

// The main window's tests click it and change its caption and width; here also its font, its
// showing and where it stands.
TEST(PushButton, ShowsItsCaptionInItsBoundsAndFontAndReportsAClickOnce) {
    HostWindow host;
    ASSERT_TRUE(host.Open());
    const unique_hfont font(
        ::CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0, 0, 0, L"宋体"));
    PushButton button;
    ASSERT_TRUE(button.Create(host.Handle(), kButtonId, L"查询(&S)", Rect{10, 20, 90, 45}, font.Get()));
    EXPECT_EQ(button.Caption(), L"查询(&S)");
    EXPECT_EQ(BoundsInParent(button.Handle()), (Rect{10, 20, 90, 45}));
    EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageW(button.Handle(), WM_GETFONT, 0, 0)), font.Get());
    EXPECT_NE(::GetWindowLongW(button.Handle(), GWL_STYLE) & WS_VISIBLE, 0) << "shown with its host";
    button.SetBounds(Rect{5, 6, 125, 36});
    EXPECT_EQ(BoundsInParent(button.Handle()), (Rect{5, 6, 125, 36}));

    ::SendMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    ::SendMessageW(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    EXPECT_EQ(host.commands, (std::vector<std::pair<int, int>>{{BN_CLICKED, kButtonId}}));
}

}  // namespace
}  // namespace orvell::win
