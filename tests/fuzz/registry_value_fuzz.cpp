// Registry values as a user or another program may leave them where a setting belongs: the first four
// bytes pick the type, the next four the size the registry reports, the rest are the value's bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "app/registry_value.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvell::app;
    if (size < 8) {
        return 0;
    }
    std::uint32_t type = 0;
    std::uint32_t reported = 0;
    std::memcpy(&type, data, 4);
    std::memcpy(&reported, data + 4, 4);
    const std::span<const std::uint8_t> bytes(data + 8, size - 8);

    // The whole value as stored, and a reader that fetched only a few bytes of a longer one.
    const auto whole = SettingFromRegistry({type, bytes.size(), bytes});
    const auto head = SettingFromRegistry({type, reported, bytes.first(bytes.size() < 8 ? bytes.size() : 8)});
    for (const auto& setting : {whole, head}) {
        if (setting && (type != kRegistryDword || bytes.size() < 4)) {
            std::abort();  // only a REG_DWORD of four bytes holds a setting
        }
    }
    if (whole.has_value() != (type == kRegistryDword && bytes.size() == 4)) {
        std::abort();
    }
    if (whole) {
        const auto stored = RegistryBytesOf(*whole);
        if (std::memcmp(stored.data(), bytes.data(), 4) != 0 ||
            SettingFromRegistry({type, 4, stored}) != whole) {
            std::abort();  // what is written back reads the same
        }
    }
    return 0;
}
