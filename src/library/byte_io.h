#pragma once
// Little-endian field-by-field access to file images: signed 16-bit and unsigned 32-bit
// integers, IEEE 754 doubles and fixed-width text. Layouts never depend on how the compiler lays
// out a struct.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/fixed_text.h"

namespace korvel {

// Reads from the front of an image. A read that would run past the end reads nothing, returns
// zeros and leaves ok() false for good, so a caller may check once after a run of reads.
class ByteReader {
  public:
    explicit ByteReader(std::span<const std::uint8_t> image) : image_(image) {}

    [[nodiscard]] std::size_t position() const { return position_; }
    [[nodiscard]] std::size_t remaining() const { return image_.size() - position_; }
    [[nodiscard]] bool ok() const { return ok_; }

    std::int16_t readI16();
    std::uint32_t readU32();
    double readF64();
    // The next `count` bytes; empty when fewer remain.
    std::span<const std::uint8_t> readBytes(std::size_t count);
    void skip(std::size_t count);

    // Fills every byte of the field, bytes after the terminator included.
    template <std::size_t N> void readText(FixedText<N>& text) {
        const auto bytes = readBytes(N);
        if (bytes.size() != N) {
            return;
        }
        for (std::size_t i = 0; i < N; ++i) {
            text.bytes[i] = static_cast<char>(bytes[i]);
        }
    }

  private:
    bool take(std::size_t count);

    std::span<const std::uint8_t> image_;
    std::size_t position_ = 0;
    bool ok_ = true;
};

// Appends to a byte vector.
class ByteWriter {
  public:
    explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    void writeI16(std::int16_t value);
    void writeU32(std::uint32_t value);
    void writeF64(double value);
    void writeBytes(std::span<const std::uint8_t> bytes);
    void zeros(std::size_t count);

    // Writes every byte of the field, bytes after the terminator included.
    template <std::size_t N> void writeText(const FixedText<N>& text) {
        for (const char c : text.bytes) {
            out_.push_back(static_cast<std::uint8_t>(c));
        }
    }

  private:
    std::vector<std::uint8_t>& out_;
};

} // namespace korvel
