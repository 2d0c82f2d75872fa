#include "platform/text_file.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/unique_handle.h"

namespace orvell::win {
namespace {

// Not the shipped data file's name: that file lives in the same folder.
constexpr wchar_t kTestFile[] = L"orvell-test-ASCⅡ.txt";
constexpr wchar_t kKept[] = L"kept";

// A file written beside the test program and removed again at scope exit.
class FileBesideExe {
public:
    FileBesideExe(std::wstring_view name, std::string_view bytes)
        : m_path(ExeFolder() + L"\\" + std::wstring(name)) {
        const unique_hfile file(::CreateFileW(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                              FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        m_written =
            file &&
            ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != 0 &&
            written == bytes.size();
    }
    ~FileBesideExe() { ::DeleteFileW(m_path.c_str()); }
    FileBesideExe(const FileBesideExe&) = delete;
    FileBesideExe& operator=(const FileBesideExe&) = delete;

    bool Written() const { return m_written; }
    const std::wstring& Path() const { return m_path; }

private:
    std::wstring m_path;
    bool m_written = false;
};

using Lines = std::array<std::wstring, 5>;

Lines KeptLines() {
    Lines lines;
    lines.fill(kKept);
    return lines;
}

// Line ends and UTF-8 are the portable reader's; here the files beside the program, the Chinese code
// page, and one reader going from file to file as the lookup does on every search.
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
        const FileBesideExe file(kTestFile, c.bytes);
        ASSERT_TRUE(file.Written());
        Lines lines = KeptLines();

        ASSERT_EQ(files.ReadLines(kTestFile, lines), c.expected.size());

        for (std::size_t i = 0; i < lines.size(); ++i) {
            // A short file leaves the later entries as they were.
            EXPECT_EQ(lines[i], i < c.expected.size() ? c.expected[i] : kKept) << "entry " << i;
        }
    }
}

TEST(ExeFolderTextFiles, AMissingFileLeavesEveryEntry) {
    ExeFolderTextFiles files;
    Lines lines = KeptLines();
    EXPECT_EQ(files.ReadLines(L"orvell-test-missing.txt", lines), 0u);
    EXPECT_EQ(lines, KeptLines());
}

TEST(ExeFolderTextFiles, ReadsAFileThatAnotherProgramHasOpenForWriting) {
    const FileBesideExe file(kTestFile, "065\r\n066\r\n");
    ASSERT_TRUE(file.Written());
    const unique_hfile editor(::CreateFileW(file.Path().c_str(), GENERIC_READ | GENERIC_WRITE,
                                            FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                            nullptr));
    ASSERT_TRUE(editor);
    ExeFolderTextFiles files;
    Lines lines = KeptLines();
    EXPECT_EQ(files.ReadLines(kTestFile, lines), 2u);
    EXPECT_EQ(lines[1], L"066");
}

}  // namespace
}  // namespace orvell::win
