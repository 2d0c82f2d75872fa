#pragma once

#include <string>
#include <string_view>

#include "platform/unique_handle.h"
#include "text/text_files.h"

namespace orvell::win {

// The full path of the running executable; empty if the system cannot say.
std::wstring ExePath();

// The folder of the running executable, without a trailing backslash. The program's data and
// language files live there; the current directory is no guide (started from the Run key it is the
// system folder).
std::wstring ExeFolder();

// The data and language files beside the executable. File names may hold any Unicode character
// ("ASCⅡ.txt"); a file without a byte-order mark whose lines are not UTF-8 is read as code page 936
// whatever the system's code page.
class ExeFolderTextFiles final : public text::DecodingTextFiles {
public:
    ExeFolderTextFiles() : m_folder(ExeFolder()) {}

protected:
    // A file that cannot be opened or read leaves the caller's lines as they were.
    bool Open(std::wstring_view fileName) override;
    std::optional<std::size_t> Read(char* destination, std::size_t room) override;
    void Close() override;
    void DecodeLegacy(std::string_view bytes, std::wstring& text) override;

private:
    std::wstring m_folder;
    std::vector<std::pair<std::wstring, std::wstring>> m_paths;
    unique_hfile m_file;
};

}  // namespace orvell::win
