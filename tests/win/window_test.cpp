#include "platform/window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvell::win {
namespace {

constexpr UINT kPing = WM_APP + 1;
constexpr wchar_t kClassName[] = L"OrvellTestWindow";

// A hidden window that records what reaches its handler.
class RecordingWindow final : public Window {
public:
    bool Open(HWND parent = nullptr, const wchar_t* className = kClassName) {
        WindowClass windowClass;
        windowClass.name = className;
        WindowCreation creation;
        creation.title = L"";
        creation.style = parent != nullptr ? WS_CHILD : WS_OVERLAPPEDWINDOW;
        creation.x = 0;
        creation.y = 0;
        creation.width = 200;
        creation.height = 120;
        creation.parent = parent;
        return Create(windowClass, creation);
    }

    int pings = 0;
    HWND boundAtCreate = nullptr;
    bool sawNcDestroy = false;
    std::vector<int> commands;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_CREATE:
                boundAtCreate = Handle();
                break;
            case kPing:
                ++pings;
                return static_cast<LRESULT>(wParam * 10 + static_cast<WPARAM>(lParam));
            case WM_COMMAND:
                commands.push_back(LOWORD(wParam));
                return 0;
            case WM_NCDESTROY:
                sawNcDestroy = true;
                break;
            default:
                break;
        }
        return Window::HandleMessage(message, wParam, lParam);
    }
};

TEST(Window, MessagesReachTheObjectBehindEachWindow) {
    RecordingWindow first;
    RecordingWindow second;
    ASSERT_TRUE(first.Open());
    ASSERT_TRUE(second.Open()) << "the class is registered once and used again";
    EXPECT_EQ(first.boundAtCreate, first.Handle()) << "bound before WM_CREATE";

    EXPECT_EQ(::SendMessageW(first.Handle(), kPing, 4, 2), 42);
    EXPECT_EQ(first.pings, 1);
    EXPECT_EQ(second.pings, 0);

    EXPECT_EQ(::SendMessageW(second.Handle(), kPing, 7, 1), 71);
    EXPECT_EQ(first.pings, 1);
    EXPECT_EQ(second.pings, 1);
}

TEST(Window, MessagesItLeavesGoToTheSystem) {
    RecordingWindow window;
    ASSERT_TRUE(window.Open());
    ::SendMessageW(window.Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Orvell"));
    EXPECT_EQ(GetText(window.Handle()), L"Orvell");
}

TEST(Window, AWindowDestroyedFirstLeavesItsObjectWithoutOne) {
    struct Case {
        const char* name;
        bool destroyParentInstead;
    };
    for (const Case c : {Case{"closed", false}, Case{"with its parent", true}}) {
        SCOPED_TRACE(c.name);
        RecordingWindow parent;
        ASSERT_TRUE(parent.Open());
        RecordingWindow child;
        ASSERT_TRUE(child.Open(parent.Handle()));
        const HWND handle = child.Handle();

        ::DestroyWindow(c.destroyParentInstead ? parent.Handle() : handle);

        EXPECT_FALSE(::IsWindow(handle));
        EXPECT_TRUE(child.sawNcDestroy) << "the last message reaches the handler";
        EXPECT_EQ(child.Handle(), nullptr);
        EXPECT_EQ(::SendMessageW(handle, kPing, 1, 1), 0);
        EXPECT_EQ(child.pings, 0);
    }
}

TEST(Window, DestroyingTheObjectDestroysItsWindow) {
    HWND handle = nullptr;
    {
        RecordingWindow window;
        ASSERT_TRUE(window.Open());
        handle = window.Handle();
        ASSERT_TRUE(::IsWindow(handle));
    }
    EXPECT_FALSE(::IsWindow(handle));
}

TEST(Window, AClassNameTakenByOtherCodeIsRefused) {
    // The object would never hear from its window: the class's procedure is not ours.
    constexpr wchar_t kForeign[] = L"OrvellTestForeignClass";
    WNDCLASSEXW foreign{};
    foreign.cbSize = sizeof foreign;
    foreign.lpfnWndProc = &::DefWindowProcW;
    foreign.hInstance = ::GetModuleHandleW(nullptr);
    foreign.lpszClassName = kForeign;
    ASSERT_NE(::RegisterClassExW(&foreign), 0);

    RecordingWindow window;
    EXPECT_FALSE(window.Open(nullptr, kForeign));
    EXPECT_EQ(window.Handle(), nullptr);
    ::UnregisterClassW(kForeign, ::GetModuleHandleW(nullptr));
}

TEST(Window, AnObjectMakesOneWindowAtATime) {
    RecordingWindow window;
    ASSERT_TRUE(window.Open());
    const HWND first = window.Handle();
    EXPECT_FALSE(window.Open());
    EXPECT_EQ(window.Handle(), first);
}

TEST(ChildControls, AreFoundByTheirIdAndReportToTheirParent) {
    constexpr int kButtonId = 1234;
    RecordingWindow parent;
    ASSERT_TRUE(parent.Open());
    const HWND button = CreateChild(parent.Handle(), L"BUTTON", L"Search", BS_PUSHBUTTON | WS_VISIBLE,
                                    kButtonId, Rect{8, 8, 80, 30});
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(::GetDlgItem(parent.Handle(), kButtonId), button);
    EXPECT_EQ(::GetParent(button), parent.Handle());

    RECT bounds{};
    ::GetWindowRect(button, &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 72);
    EXPECT_EQ(bounds.bottom - bounds.top, 22);

    ::SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_EQ(parent.commands, std::vector<int>{kButtonId});
}

TEST(ChildControls, TextsRoundTrip) {
    const std::wstring texts[] = {
        L"", L"Orvell", L"查询结果：", L"ASCⅡ.txt", L"┌──┬──┐", std::wstring(5000, L'字') + L"end",
    };
    RecordingWindow parent;
    ASSERT_TRUE(parent.Open());
    const struct {
        const wchar_t* className;
        DWORD style;
    } controls[] = {
        {L"EDIT", ES_MULTILINE | ES_AUTOVSCROLL},
        {L"STATIC", SS_LEFT},
        {L"BUTTON", BS_PUSHBUTTON},
    };
    int id = 100;
    for (const auto& control : controls) {
        const HWND child = CreateChild(parent.Handle(), control.className, L"design caption", control.style,
                                       ++id, Rect{0, 0, 100, 40});
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(GetText(child), L"design caption");
        for (const std::wstring& text : texts) {
            SCOPED_TRACE(::testing::Message() << "control " << id << ", text of " << text.size());
            EXPECT_TRUE(SetText(child, text));
            EXPECT_EQ(GetText(child), text);
        }
    }
}

}  // namespace
}  // namespace orvell::win
