#include "platform/text_file.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "app/language.h"
#include "platform/unique_handle.h"
#include "text/utf8.h"

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
        {"UTF-16 LE, as Notepad saves \"Unicode\"",
         std::string("\xFF\xFE\x87\x65\xF6\x4E\r\0\n\0\x34\xD8\x1E\xDD", 14),
         {L"文件", L"\U0001D11E"}},
        {"UTF-16 BE",
         std::string("\xFE\xFF\x65\x87\x4E\xF6\0\n\xD8\x34\xDD\x1E", 12),
         {L"文件", L"\U0001D11E"}},
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

// The lines wanted are read and the rest of the file never is: a tail of 4 GiB (sparse, so quick to
// make) could not even be held in memory.
TEST(ExeFolderTextFiles, AHugeTailAfterTheWantedLinesCostsNothing) {
    std::string head;
    for (int code = 0; code < 218; ++code) {
        head += std::to_string(code) + "\r\n";
    }
    const FileBesideExe file(head);
    {
        const unique_hfile writer(::CreateFileW(file.path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                                FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(writer);
        LARGE_INTEGER size{};
        size.QuadPart = 4LL << 30;
        ASSERT_TRUE(::SetFilePointerEx(writer.Get(), size, nullptr, FILE_BEGIN));
        ASSERT_TRUE(::SetEndOfFile(writer.Get()));
    }
    std::array<std::wstring, 218> lines;
    ASSERT_EQ(ExeFolderTextFiles().ReadLines(kTestFile, lines), 218u);
    EXPECT_EQ(lines[0], L"0");
    EXPECT_EQ(lines[217], L"217");
}

// Notepad saves "Unicode" as UTF-16 LE with its mark: the shipped language file so saved gives the
// captions it gave as UTF-8.
TEST(ExeFolderTextFiles, ALanguageFileSavedAsUtf16ReadsAsTheShippedOne) {
    const std::wstring path =
        ExeFolder() + L"\\" + std::wstring(app::LanguageFileName(app::Language::Chinese));
    const std::string shipped = [&] {
        std::ifstream in(path.c_str(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    std::string utf16 = "\xFF\xFE";
    for (const wchar_t unit : text::DecodeUtf8(shipped).value_or(L"")) {
        utf16 += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    }

    ExeFolderTextFiles files;
    app::LanguageLines before, after;
    before.Load(files, app::Language::Chinese);
    const auto write = [&](const std::string& bytes) {
        std::ofstream(path.c_str(), std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    };
    write(utf16);
    after.Load(files, app::Language::Chinese);
    write(shipped);
    for (int line = 0; line < static_cast<int>(app::kLanguageLineCount); ++line) {
        ASSERT_TRUE(before.Line(line).has_value()) << "shipped line " << line;
        EXPECT_EQ(after.Line(line), before.Line(line)) << line;
    }
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
