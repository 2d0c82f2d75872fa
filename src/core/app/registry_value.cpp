#include "app/registry_value.h"

namespace orvell::app {

std::optional<std::int32_t> SettingFromRegistry(const RawRegistryValue& value) {
    constexpr std::size_t kSize = 4;
    if (value.type != kRegistryDword || value.size != kSize || value.head.size() < kSize) {
        return std::nullopt;
    }
    const std::uint32_t bits =
        static_cast<std::uint32_t>(value.head[0]) | static_cast<std::uint32_t>(value.head[1]) << 8 |
        static_cast<std::uint32_t>(value.head[2]) << 16 | static_cast<std::uint32_t>(value.head[3]) << 24;
    return static_cast<std::int32_t>(bits);
}

std::array<std::uint8_t, 4> RegistryBytesOf(std::int32_t setting) {
    const auto bits = static_cast<std::uint32_t>(setting);
    return {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
            static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
}

}  // namespace orvell::app
