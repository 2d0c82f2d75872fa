// orvell-cli: finds the data files, hands the arguments to the lookup and writes what comes back.
#ifdef _WIN32
#include <windows.h>

#include "platform/text_file.h"
#else
#include <iconv.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "text/folder_text_files.h"
#endif

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "lookup/tables.h"
#include "text/utf8.h"

namespace {

using orvell::cli::Run;
using orvell::lookup::Language;

#ifdef _WIN32

// A console takes the text as it is, Chinese and box drawing included, whatever its code page; a pipe
// or a file gets UTF-8 with Windows line ends.
void Write(DWORD stream, const std::wstring& text) {
    const HANDLE handle = ::GetStdHandle(stream);
    DWORD mode = 0;
    DWORD written = 0;
    if (text.empty() || handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        return;
    }
    if (::GetConsoleMode(handle, &mode)) {
        ::WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    std::wstring crlf;
    for (const wchar_t c : text) {
        if (c == L'\n') {
            crlf += L'\r';
        }
        crlf += c;
    }
    const std::string bytes = orvell::text::EncodeUtf8(crlf);
    ::WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

#else

std::wstring FromBytes(const std::string& bytes) {
    if (auto text = orvell::text::DecodeUtf8(bytes)) {
        return *text;
    }
    return std::wstring(bytes.begin(), bytes.end());  // not UTF-8: each byte stands for itself
}

// A data or language file in the Chinese code page (936, GBK) reads as the window reads it on any
// Windows; a byte that is no character there becomes U+FFFD. Without the system's converter each byte
// stands for itself, so the ASCII parts still read.
void DecodeChinese(std::string_view bytes, std::wstring& text) {
    text.assign(bytes.size(), L'\0');  // never more characters than bytes
    const iconv_t converter = ::iconv_open("WCHAR_T", "GBK");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        text.assign(bytes.begin(), bytes.end());
        return;
    }
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* out = reinterpret_cast<char*>(text.data());
    std::size_t outLeft = text.size() * sizeof(wchar_t);
    while (inLeft > 0 && ::iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
        if (errno != EILSEQ && errno != EINVAL) {
            break;
        }
        const wchar_t replacement = orvell::text::kReplacementCharacter;
        std::memcpy(out, &replacement, sizeof replacement);
        out += sizeof replacement;
        outLeft -= sizeof replacement;
        ++in;
        --inLeft;
    }
    ::iconv_close(converter);
    text.resize(text.size() - outLeft / sizeof(wchar_t));
}

// Beside the program, as in its build folder and a copied folder, or in the data folder of an
// installation (bin/orvell-cli and share/orvell).
std::string DataFolder() {
    std::string exe(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", exe.data(), exe.size());
    exe.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    const std::string folder = exe.substr(0, exe.rfind('/') + 1);
    const std::string beside = folder + orvell::text::EncodeUtf8(orvell::lookup::kCharacterFile);
    return ::access(beside.c_str(), F_OK) == 0 ? folder : folder + "../share/orvell/";
}

void Write(int descriptor, const std::wstring& text) {
    const std::string bytes = orvell::text::EncodeUtf8(text);
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t wrote = ::write(descriptor, bytes.data() + done, bytes.size() - done);
        if (wrote <= 0) {
            return;
        }
        done += static_cast<std::size_t>(wrote);
    }
}

#endif

}  // namespace

#ifdef _WIN32

int wmain(int argc, wchar_t** argv) {
    const std::vector<std::wstring> arguments(argv + 1, argv + argc);
    const Language language =
        PRIMARYLANGID(::GetUserDefaultUILanguage()) == LANG_CHINESE ? Language::Chinese : Language::English;
    orvell::win::ExeFolderTextFiles files;
    const auto outcome = Run(arguments, language, files, orvell::win::ExeFolder() + L"\\", ORVELL_VERSION);
    Write(STD_OUTPUT_HANDLE, outcome.out);
    Write(STD_ERROR_HANDLE, outcome.err);
    return outcome.exitCode;
}

#else

int main(int argc, char** argv) {
    std::vector<std::wstring> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.push_back(FromBytes(argv[i]));
    }
    const Language language = orvell::cli::LanguageFromEnvironment(
        std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
    const std::string folder = DataFolder();
    orvell::text::FolderTextFiles files(folder, &DecodeChinese);
    const auto outcome = Run(arguments, language, files, FromBytes(folder), ORVELL_VERSION);
    Write(STDOUT_FILENO, outcome.out);
    Write(STDERR_FILENO, outcome.err);
    return outcome.exitCode;
}

#endif
