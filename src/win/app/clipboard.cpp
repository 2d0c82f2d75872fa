#include "app/clipboard.h"

#include <cstring>

#include "platform/unique_handle.h"

namespace orvell::win {

namespace {

// OpenClipboard and CloseClipboard: the clipboard is the whole system's, so it is held only as long as
// the scope.
class ClipboardScope {
public:
    explicit ClipboardScope(HWND owner) noexcept : m_open(::OpenClipboard(owner) != FALSE) {}
    ~ClipboardScope() {
        if (m_open) {
            ::CloseClipboard();
        }
    }
    ClipboardScope(const ClipboardScope&) = delete;
    ClipboardScope& operator=(const ClipboardScope&) = delete;

    explicit operator bool() const noexcept { return m_open; }

private:
    bool m_open;
};

unique_hglobal CopyToGlobal(std::wstring_view text) {
    const std::size_t characters = text.size() + 1;
    unique_hglobal memory(::GlobalAlloc(GMEM_MOVEABLE, characters * sizeof(wchar_t)));
    auto* target = memory ? static_cast<wchar_t*>(::GlobalLock(memory.Get())) : nullptr;
    if (target == nullptr) {
        return {};
    }
    std::memcpy(target, text.data(), text.size() * sizeof(wchar_t));
    target[text.size()] = L'\0';
    ::GlobalUnlock(memory.Get());
    return memory;
}

}  // namespace

bool CopyToClipboard(HWND owner, std::wstring_view text) {
    unique_hglobal memory = CopyToGlobal(text);
    if (!memory) {
        return false;
    }
    const ClipboardScope clipboard(owner);
    if (!clipboard || !::EmptyClipboard() || !::SetClipboardData(CF_UNICODETEXT, memory.Get())) {
        return false;
    }
    (void)memory.Release();  // the clipboard's now
    return true;
}

}  // namespace orvell::win
