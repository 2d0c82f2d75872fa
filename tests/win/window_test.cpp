#include "platform/window.h"

#include <gtest/gtest.h>

#include <memory>

namespace orvell::win {
namespace {

constexpr UINT kPing = WM_APP + 1;

// A hidden window that records what reaches its handler.
class RecordingWindow final : public Window {
public:
    bool Open(HWND parent = nullptr) {
        WindowClass windowClass;
        windowClass.name = L"OrvellTestWindow";
        const DWORD style = parent != nullptr ? WS_CHILD : WS_OVERLAPPEDWINDOW;
        return Create(windowClass, WindowCreation{L"", style, 0, 0, 0, 200, 120, parent});
    }

    int pings = 0;
    HWND boundAtCreate = nullptr;
    bool sawNcDestroy = false;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_CREATE:
                boundAtCreate = Handle();
                break;
            case kPing:
                ++pings;
                return static_cast<LRESULT>(wParam * 10 + static_cast<WPARAM>(lParam));
            case WM_NCDESTROY:
                sawNcDestroy = true;
                break;
            default:
                break;
        }
        return Window::HandleMessage(message, wParam, lParam);
    }
};

// Each window's messages reach its own object from creation on; a window destroyed first (closed, or
// with its parent) leaves its object without one, free to make another.
TEST(Window, WindowAndObjectEndTogetherWhicheverGoesFirst) {
    enum class End { ObjectDestroyed, WindowClosed, ParentDestroyed };
    for (const End end : {End::ObjectDestroyed, End::WindowClosed, End::ParentDestroyed}) {
        SCOPED_TRACE(static_cast<int>(end));
        RecordingWindow parent;
        ASSERT_TRUE(parent.Open());
        auto child = std::make_unique<RecordingWindow>();
        ASSERT_TRUE(child->Open(parent.Handle())) << "the class is registered once and used again";
        const HWND handle = child->Handle();
        EXPECT_EQ(child->boundAtCreate, handle) << "bound before WM_CREATE";
        EXPECT_EQ(::SendMessageW(parent.Handle(), kPing, 4, 2), 42);
        EXPECT_EQ(::SendMessageW(handle, kPing, 7, 1), 71);
        EXPECT_EQ(parent.pings, 1);
        EXPECT_EQ(child->pings, 1);

        if (end == End::ObjectDestroyed) {
            child.reset();
        } else {
            ::DestroyWindow(end == End::WindowClosed ? handle : parent.Handle());
        }

        EXPECT_FALSE(::IsWindow(handle));
        if (child) {
            EXPECT_TRUE(child->sawNcDestroy) << "the last message reaches the handler";
            EXPECT_EQ(child->Handle(), nullptr);
            // Unbound, the object makes a window again and hears only the new one.
            ASSERT_TRUE(child->Open());
            EXPECT_NE(child->Handle(), handle);
            EXPECT_EQ(::SendMessageW(child->Handle(), kPing, 1, 1), 11);
            EXPECT_EQ(child->pings, 2);
        }
    }
}

}  // namespace
}  // namespace orvell::win
