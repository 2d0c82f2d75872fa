#include "app/push_button.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <utility>
#include <vector>

#include "platform/unique_handle.h"
#include "platform/window.h"
#include "test_printers.h"

namespace orvell::win {
namespace {

constexpr int kButtonId = 41;

// The host window: records the commands its buttons send.
class HostWindow final : public Window {
public:
    bool Open() {
        WindowClass windowClass;
        windowClass.name = L"OrvellTestButtonHost";
        WindowCreation creation;
        creation.style = WS_OVERLAPPEDWINDOW;
        creation.x = 30;
        creation.y = 30;
        creation.width = 300;
        creation.height = 200;
        return Create(windowClass, creation);
    }

    // Notification code and id of each WM_COMMAND, and the control that sent it.
    std::vector<std::pair<int, int>> commands;
    std::vector<HWND> senders;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND) {
            commands.emplace_back(HIWORD(wParam), LOWORD(wParam));
            senders.push_back(reinterpret_cast<HWND>(lParam));
            return 0;
        }
        return Window::HandleMessage(message, wParam, lParam);
    }
};

void PumpPending() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

Rect BoundsInParent(HWND child) {
    RECT rect{};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return Rect{rect.left, rect.top, rect.right, rect.bottom};
}

TEST(PushButton, ShowsTheCaptionWrittenLastInItsBoundsAndFont) {
    HostWindow host;
    ASSERT_TRUE(host.Open());
    const unique_hfont font(
        ::CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0, 0, 0, L"宋体"));
    PushButton button;
    ASSERT_TRUE(button.Create(host.Handle(), kButtonId, L"查询(&S)", Rect{10, 20, 90, 45}, font.Get()));
    EXPECT_EQ(::GetDlgItem(host.Handle(), kButtonId), button.Handle());
    EXPECT_EQ(button.Caption(), L"查询(&S)");
    EXPECT_EQ(BoundsInParent(button.Handle()), (Rect{10, 20, 90, 45}));
    EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageW(button.Handle(), WM_GETFONT, 0, 0)), font.Get());
    EXPECT_NE(::GetWindowLongW(button.Handle(), GWL_STYLE) & WS_VISIBLE, 0) << "shown with its host";

    button.SetCaption(L"Search(&S)");
    EXPECT_EQ(button.Caption(), L"Search(&S)");
    button.SetBounds(Rect{5, 6, 125, 36});
    EXPECT_EQ(BoundsInParent(button.Handle()), (Rect{5, 6, 125, 36}));

    EXPECT_FALSE(button.Create(host.Handle(), kButtonId + 1, L"again", Rect{0, 0, 10, 10}, nullptr))
        << "one window per button";
    EXPECT_EQ(::GetDlgItem(host.Handle(), kButtonId + 1), nullptr);
}

TEST(PushButton, AClickOrItsAccessKeyReachesTheHostOnce) {
    HostWindow host;
    ASSERT_TRUE(host.Open());
    PushButton button;
    ASSERT_TRUE(button.Create(host.Handle(), kButtonId, L"查询(&S)", Rect{10, 20, 90, 45}, nullptr));
    const std::vector<std::pair<int, int>> oneClick{{BN_CLICKED, kButtonId}};

    ::SendMessageW(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(host.commands, oneClick);
    EXPECT_EQ(host.senders, std::vector<HWND>{button.Handle()});

    // The access key works where the host's message loop lets the dialog manager see the keys. Alt+S
    // arrives at the control with the focus, here a text box beside the button.
    host.commands.clear();
    const HWND textBox = CreateChild(host.Handle(), L"EDIT", L"", WS_VISIBLE | WS_TABSTOP, kButtonId + 1,
                                     Rect{100, 20, 200, 45});
    ASSERT_NE(textBox, nullptr);
    MSG altS{textBox, WM_SYSCHAR, L's', static_cast<LPARAM>(1u << 29), 0, {}};
    EXPECT_TRUE(::IsDialogMessageW(host.Handle(), &altS));
    PumpPending();
    EXPECT_EQ(host.commands, oneClick);

    host.commands.clear();
    button.SetCaption(L"Search(&F)");
    EXPECT_TRUE(::IsDialogMessageW(host.Handle(), &altS));
    PumpPending();
    EXPECT_TRUE(host.commands.empty()) << "the old access key is gone with the old caption";
}

}  // namespace
}  // namespace orvell::win
