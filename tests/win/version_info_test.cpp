// The version resource of orvell.exe (beside this test program), read as Explorer reads it: the
// project's version in every place, and the product's names.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "platform/text_file.h"

namespace orvell::win {
namespace {

TEST(VersionInfo, OrvellExeCarriesTheProjectVersion) {
    const std::wstring exe = ExeFolder() + L"\\orvell.exe";
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    ASSERT_GT(size, 0u) << "orvell.exe has no version resource";
    std::vector<BYTE> block(size);
    ASSERT_TRUE(::GetFileVersionInfoW(exe.c_str(), 0, size, block.data()));

    unsigned major = 0, minor = 0, patch = 0;
    ASSERT_EQ(std::swscanf(ORVELL_PROJECT_VERSION, L"%u.%u.%u", &major, &minor, &patch), 3);
    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\", &value, &length));
    const auto& fixed = *static_cast<const VS_FIXEDFILEINFO*>(value);
    for (const auto& [high, low] : {std::pair{fixed.dwFileVersionMS, fixed.dwFileVersionLS},
                                    std::pair{fixed.dwProductVersionMS, fixed.dwProductVersionLS}}) {
        EXPECT_EQ(high, MAKELONG(minor, major));
        EXPECT_EQ(low, MAKELONG(0, patch));
    }

    // Each string, and its text where it is fixed.
    const std::pair<const wchar_t*, const wchar_t*> kStrings[] = {
        {L"FileVersion", ORVELL_PROJECT_VERSION},
        {L"ProductVersion", ORVELL_PROJECT_VERSION},
        {L"ProductName", L"Orvell"},
        {L"OriginalFilename", L"orvell.exe"},
        {L"CompanyName", L"Kestrane"},
        {L"FileDescription", nullptr},
        {L"LegalCopyright", nullptr},
    };
    for (const auto& [name, expected] : kStrings) {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        ASSERT_TRUE(::VerQueryValueW(block.data(), path.c_str(), &value, &length)) << "no " << name;
        if (expected != nullptr) {
            EXPECT_STREQ(static_cast<const wchar_t*>(value), expected) << name;
        } else {
            EXPECT_GT(length, 1u) << name;
        }
    }
}

}  // namespace
}  // namespace orvell::win
