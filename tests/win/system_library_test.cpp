#include "platform/system_library.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <mmsystem.h>

#include "test_window.h"

namespace orvell::win {
namespace {

// The shell and the multimedia library are loaded on first use; the calls still reach them.
TEST(SystemLibrary, TheLateLoadedShellAndSoundCallsReachTheSystem) {
    test_support::HostWindow owner;
    ASSERT_TRUE(owner.Open());
    ASSERT_TRUE(test_support::PumpUntil([] { return ::FindWindowW(L"Shell_TrayWnd", nullptr) != nullptr; }))
        << "no taskbar to put icons in";
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner.Handle();
    data.uID = 41;
    EXPECT_TRUE(ShellNotifyIcon(NIM_ADD, &data));
    EXPECT_TRUE(ShellNotifyIcon(NIM_DELETE, &data));
    EXPECT_FALSE(ShellNotifyIcon(NIM_DELETE, &data)) << "the shell's own answer: gone already";
    EXPECT_FALSE(PlaySoundFile(L"no such sound.wav", SND_FILENAME | SND_NODEFAULT | SND_SYNC));
    EXPECT_EQ(SystemFunction<void (*)()>(L"no such library.dll", "Nothing"), nullptr);
}

}  // namespace
}  // namespace orvell::win
