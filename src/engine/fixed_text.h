#pragma once
// Fixed-size, NUL-terminated single-byte text as the files store it (Windows-1252 bytes).

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace korvel {

template <std::size_t N> struct FixedText {
    static_assert(N >= 1);
    std::array<char, N> bytes{};

    static constexpr std::size_t capacity() { return N; }
    static constexpr std::size_t maxLength() { return N - 1; }

    // The text up to the first NUL (or the whole field when a file left no terminator).
    [[nodiscard]] std::string_view view() const {
        const auto* end = std::find(bytes.begin(), bytes.end(), '\0');
        return {bytes.data(), static_cast<std::size_t>(end - bytes.begin())};
    }
    [[nodiscard]] std::string str() const { return std::string(view()); }
    [[nodiscard]] bool empty() const { return bytes[0] == '\0'; }

    // Stores text cut to maxLength(), keeps the terminator, zeroes the rest of the field.
    void assign(std::string_view text) {
        bytes.fill('\0');
        const std::size_t n = std::min(text.size(), maxLength());
        std::memcpy(bytes.data(), text.data(), n);
    }
    void clear() { bytes.fill('\0'); }

    friend bool operator==(const FixedText&, const FixedText&) = default;
};

} // namespace korvel
