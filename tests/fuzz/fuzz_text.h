#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "text/utf8.h"

namespace orvell::fuzz {

// The text a file of these bytes gives the program: UTF-8 when they are valid UTF-8, otherwise byte by
// byte (standing in for the legacy code page, which the platform decodes).
inline std::wstring FileText(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::wstring text;
    if (!text::DecodeUtf8(bytes, text)) {
        text.clear();
        for (const unsigned char byte : bytes) {
            text.push_back(static_cast<wchar_t>(byte));
        }
    }
    return text;
}

}  // namespace orvell::fuzz
