#pragma once
// SHA-256 (FIPS 180-4) of a byte image: the fingerprint that ties an imported grid to the file it
// came from.

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace korvel {

using Sha256Digest = std::array<std::uint8_t, 32>;

Sha256Digest sha256(std::span<const std::uint8_t> bytes);
// 64 lower-case hexadecimal digits.
std::string sha256Hex(const Sha256Digest& digest);

} // namespace korvel
