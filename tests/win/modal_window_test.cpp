#include "platform/modal_window.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "test_window.h"

namespace orvell::win {
namespace {

using test_support::HostWindow;
using test_support::PumpPending;

class TestModal final : public ModalWindow {
public:
    bool Open(HWND owner) {
        WindowClass windowClass;
        windowClass.name = L"OrvellTestModal";
        const WindowCreation creation{
            L"", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, CW_USEDEFAULT, CW_USEDEFAULT, 200, 100};
        return OpenModal(owner, windowClass, creation);
    }
};

// Every way out gives the owner back its input, and the closing handler runs exactly once.
TEST(ModalWindow, EveryWayOfClosingEnablesTheOwnerAndReportsOnce) {
    const struct {
        const char* name;
        std::function<void(std::unique_ptr<TestModal>&, HostWindow&)> close;
    } ways[] = {
        {"its own close", [](auto& modal, HostWindow&) { modal->Close(); }},
        {"the system menu's close (Alt+F4)",
         [](auto& modal, HostWindow&) { ::SendMessageW(modal->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"destroyed directly", [](auto& modal, HostWindow&) { ::DestroyWindow(modal->Handle()); }},
        {"the object going", [](auto& modal, HostWindow&) { modal.reset(); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        HostWindow owner;
        ASSERT_TRUE(owner.Open());
        auto modal = std::make_unique<TestModal>();
        int closings = 0;
        modal->SetOnClosed([&] { ++closings; });
        ASSERT_TRUE(modal->Open(owner.Handle()));
        EXPECT_FALSE(::IsWindowEnabled(owner.Handle()));
        EXPECT_EQ(::GetWindow(modal->Handle(), GW_OWNER), owner.Handle());
        way.close(modal, owner);
        PumpPending();
        EXPECT_TRUE(::IsWindowEnabled(owner.Handle()));
        EXPECT_EQ(closings, 1);
        if (modal) {
            EXPECT_FALSE(modal->IsOpen());
            ASSERT_TRUE(modal->Open(owner.Handle())) << "opens again";
            EXPECT_FALSE(::IsWindowEnabled(owner.Handle()));
            modal->Close();
            EXPECT_EQ(closings, 2);
        }
    }
}

// Whatever window asks, a new one opens over the top of the chain, a message box included; one that
// closes while its owner still owns another window of the chain leaves the owner blocked.
TEST(ModalWindow, OpensOverTheTopOfTheChainAndLeavesAnOwnerBlockedByAnother) {
    // A dialog stands for a message box that other code opened.
    const auto box = [](HWND over) {
        return ::CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, over, nullptr,
                                 nullptr, nullptr);
    };
    HostWindow owner;
    ASSERT_TRUE(owner.Open());
    TestModal first;
    TestModal second;
    ASSERT_TRUE(first.Open(owner.Handle()));
    ASSERT_TRUE(second.Open(owner.Handle()));
    EXPECT_EQ(::GetWindow(second.Handle(), GW_OWNER), first.Handle());
    second.Close();
    EXPECT_TRUE(::IsWindowEnabled(first.Handle()));

    const HWND overFirst = box(first.Handle());
    ASSERT_TRUE(second.Open(owner.Handle()));
    EXPECT_EQ(::GetWindow(second.Handle(), GW_OWNER), overFirst);
    second.Close();
    ::DestroyWindow(overFirst);

    const HWND overOwner = box(owner.Handle());
    first.Close();
    EXPECT_FALSE(::IsWindowEnabled(owner.Handle()));
    ::DestroyWindow(overOwner);
}

}  // namespace
}  // namespace orvell::win
