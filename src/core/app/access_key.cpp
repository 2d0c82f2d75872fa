#include "app/access_key.h"

#include "controls/access_keys.h"

namespace orvell::app {

bool CaptionHasAccessKey(std::wstring_view caption, wchar_t key) {
    const wchar_t wanted = controls::UpperCase(key);
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') {
            continue;
        }
        ++i;  // past the marker: "&&" is a plain "&", anything else the key
        if (caption[i] != L'&' && controls::UpperCase(caption[i]) == wanted) {
            return true;
        }
    }
    return false;
}

}  // namespace orvell::app
