#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace orvell::app {

// The registry's number for a 32-bit little-endian value, the only type a setting is stored as.
inline constexpr std::uint32_t kRegistryDword = 4;

// A value as the registry holds it: its type, its whole size in bytes, and its first bytes. A reader
// need not fetch more than a few: no value longer than a setting can be one.
struct RawRegistryValue {
    std::uint32_t type = 0;
    std::uint64_t size = 0;
    std::span<const std::uint8_t> head;  // the first bytes, at most size of them
};

// The setting a stored value holds: a REG_DWORD of exactly four bytes. Anything else a user or another
// program may leave there (a string, a short or long binary, a 64-bit number, a huge value) holds
// none and reads as missing.
std::optional<std::int32_t> SettingFromRegistry(const RawRegistryValue& value);

// The four bytes a setting is stored as, with the type kRegistryDword.
std::array<std::uint8_t, 4> RegistryBytesOf(std::int32_t setting);

}  // namespace orvell::app
