// The version resource of orvell.exe (beside this test program), read as Explorer reads it.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/text_file.h"

namespace orvell::win {
namespace {

TEST(VersionInfo, OrvellExeShowsTheProjectVersion) {
    const std::wstring exe = ExeFolder() + L"\\orvell.exe";
    std::vector<BYTE> block(::GetFileVersionInfoSizeW(exe.c_str(), nullptr));
    ASSERT_FALSE(block.empty()) << "orvell.exe has no version resource";
    ASSERT_TRUE(::GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    const auto query = [&](const std::wstring& path) {
        void* value = nullptr;
        UINT length = 0;
        return ::VerQueryValueW(block.data(), path.c_str(), &value, &length) ? value : nullptr;
    };
    unsigned major = 0, minor = 0, patch = 0;
    ASSERT_EQ(std::swscanf(ORVELL_PROJECT_VERSION, L"%u.%u.%u", &major, &minor, &patch), 3);
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(query(L"\\"));
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwFileVersionMS, (major << 16) | minor);
    EXPECT_EQ(fixed->dwProductVersionLS, patch << 16);
    for (const auto& [name, expected] : {std::pair{L"FileVersion", ORVELL_PROJECT_VERSION},
                                         {L"ProductVersion", ORVELL_PROJECT_VERSION},
                                         {L"ProductName", L"Orvell"},
                                         {L"LegalCopyright", L"Copyright (c) 2026 The Orvell team"}}) {
        const auto* text =
            static_cast<const wchar_t*>(query(std::wstring(L"\\StringFileInfo\\040904B0\\") + name));
        EXPECT_STREQ(text, expected) << name;
    }
}

}  // namespace
}  // namespace orvell::win
