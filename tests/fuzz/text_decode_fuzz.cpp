// Any bytes as the content of a data or language file: the choice of encoding by mark or validity,
// the decoding, the line splitting with and without a memo, the four table loads with the lookups that
// scan them, and the language lines.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "app/language.h"
#include "lookup/lookup.h"
#include "text/text_files.h"
#include "text/utf8.h"

namespace {

using namespace orvell;

// Every file holds the fuzzer's bytes. Kept between inputs, as the program keeps its one reader.
class FuzzFiles final : public text::DecodingTextFiles {
public:
    std::string_view bytes;

protected:
    bool Open(std::wstring_view) override {
        m_at = 0;
        return true;
    }
    std::optional<std::size_t> Read(char* destination, std::size_t room) override {
        const std::size_t got = std::min(room, bytes.size() - m_at);
        std::memcpy(destination, bytes.data() + m_at, got);
        m_at += got;
        return got;
    }
    void Close() override {}
    void DecodeLegacy(std::string_view legacy, std::wstring& text) override {
        text.assign(legacy.begin(), legacy.end());
    }

private:
    std::size_t m_at = 0;
};

void Check(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}

void RunLookups(text::TextFiles& files, const std::wstring& input) {
    lookup::Lookup lookup(files);
    for (const auto type : {lookup::SearchType::VisualBasic, lookup::SearchType::C}) {
        for (const auto mode : {lookup::SearchMode::Search, lookup::SearchMode::ReverseSearch}) {
            lookup::LookupView view;
            view.type = type;
            view.mode = mode;
            view.tableLayout = true;
            view.input = input;
            lookup.Run(view);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // Validation and decoding agree, and what decodes encodes back to the same bytes.
    std::wstring decoded;
    const bool valid = text::DecodeUtf8Piece(bytes, decoded);
    Check(valid == text::IsValidUtf8(bytes));
    Check(!valid || text::EncodeUtf8(decoded) == bytes);
    text::DecodeUtf8Replacing(bytes, decoded);
    Check(valid || decoded.find(text::kReplacementCharacter) != std::wstring::npos);
    text::DecodeUtf16(bytes, size % 2 != 0, decoded);
    Check(text::DisplayColumns(decoded) >= static_cast<int>(decoded.size()));

    static FuzzFiles files;
    files.bytes = bytes;
    // A memo gives the lines a fresh read gives, and twice in a row.
    std::array<std::wstring, 218> fresh;
    std::array<std::wstring, 218> memoised;
    text::LinesMemo memo;
    const std::size_t count = files.ReadLines(L"Character.txt", fresh);
    Check(count <= fresh.size());
    Check(files.ReadLines(L"Character.txt", memoised, &memo) == count);
    Check(files.ReadLines(L"Character.txt", memoised, &memo) == count && memoised == fresh);

    RunLookups(files, count > 0 ? fresh[0] : std::wstring(L"A"));
    app::LanguageLines lines;
    lines.Load(files, app::Language::English);
    return 0;
}
