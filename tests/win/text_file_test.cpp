#include "platform/text_file.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/unique_handle.h"

namespace orvell::win {
namespace {

// Not the shipped data file's name: that file lives in the same folder.
constexpr wchar_t kTestFile[] = L"orvell-test-ASCⅡ.txt";

// A file written beside the test program and removed again at scope exit.
struct FileBesideExe {
    explicit FileBesideExe(std::string_view bytes) : path(ExeFolder() + L"\\" + kTestFile) {
        std::ofstream(path.c_str(), std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    ~FileBesideExe() { ::DeleteFileW(path.c_str()); }
    const std::wstring path;
};

using Lines = std::array<std::wstring, 5>;
const Lines kKept{L"kept", L"kept", L"kept", L"kept", L"kept"};

// Line ends and UTF-8 are the portable reader's; here the files beside the program, the Chinese code
// page, and one reader going from file to file as the lookup does on every search. A short or missing
// file leaves the later entries as they were.
TEST(ExeFolderTextFiles, ReadsTheFileBesideTheProgramInItsEncoding) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::wstring> expected;
    };
    const Case cases[] = {
        {"UTF-8 with a byte-order mark",
         "\xEF\xBB\xBF\xE6\x9F\xA5\xE8\xAF\xA2\xE7\xBB\x93\xE6\x9E\x9C\xEF\xBC\x9A\r\n"
         "\xE7\xA9\xBA\xE6\xA0\xBC\r\n",
         {L"查询结果：", L"空格"}},
        {"code page 936",
         "\xB2\xE9\xD1\xAF\xBD\xE1\xB9\xFB\xA3\xBA\r\n\xBF\xD5\xB8\xF1\r\nASC\xA2\xF2\r\n",
         {L"查询结果：", L"空格", L"ASCⅡ"}},
        {"a line longer than any read buffer",
         std::string(70000, 'x') + "\r\nend",
         {std::wstring(70000, L'x'), L"end"}},
        {"a short file after a long one", "9\r\n", {L"9"}},
        {"an empty file", "", {}},
    };
    ExeFolderTextFiles files;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FileBesideExe file(c.bytes);
        Lines lines = kKept;
        ASSERT_EQ(files.ReadLines(kTestFile, lines), c.expected.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i], i < c.expected.size() ? c.expected[i] : kKept[i]) << "entry " << i;
        }
    }
    Lines lines = kKept;
    EXPECT_EQ(files.ReadLines(L"orvell-test-missing.txt", lines), 0u);
    EXPECT_EQ(lines, kKept);
}

TEST(ExeFolderTextFiles, ReadsAFileThatAnotherProgramHasOpenForWriting) {
    const FileBesideExe file("065\r\n066\r\n");
    const unique_hfile editor(::CreateFileW(file.path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(editor);
    Lines lines = kKept;
    EXPECT_EQ(ExeFolderTextFiles().ReadLines(kTestFile, lines), 2u);
    EXPECT_EQ(lines[1], L"066");
}

}  // namespace
}  // namespace orvell::win
