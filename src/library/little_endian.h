#pragma once
// The little-endian double in 8 bytes, shared by the byte reader and the hot grid look-up that
// checks its bounds once instead of at every read.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace korvel {

inline double littleEndianF64(const std::uint8_t* bytes) {
    std::uint64_t bits = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&bits, bytes, sizeof bits);
    } else {
        for (std::size_t i = 0; i < 8; ++i) {
            bits |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
        }
    }
    return std::bit_cast<double>(bits);
}

} // namespace korvel
