#include "library/byte_io.h"

#include <bit>

#include "library/little_endian.h"

namespace korvel {

bool ByteReader::take(std::size_t count) {
    if (!ok_ || count > remaining()) {
        ok_ = false;
        return false;
    }
    return true;
}

std::int16_t ByteReader::readI16() {
    if (!take(2)) {
        return 0;
    }
    const auto low = static_cast<unsigned>(image_[position_]);
    const auto high = static_cast<unsigned>(image_[position_ + 1]);
    position_ += 2;
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
}

std::uint32_t ByteReader::readU32() {
    if (!take(4)) {
        return 0;
    }
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(image_[position_ + i]) << (8 * i);
    }
    position_ += 4;
    return value;
}

double ByteReader::readF64() {
    if (!take(8)) {
        return 0.0;
    }
    const double value = littleEndianF64(image_.data() + position_);
    position_ += 8;
    return value;
}

std::span<const std::uint8_t> ByteReader::readBytes(std::size_t count) {
    if (!take(count)) {
        return {};
    }
    const auto bytes = image_.subspan(position_, count);
    position_ += count;
    return bytes;
}

void ByteReader::skip(std::size_t count) {
    if (take(count)) {
        position_ += count;
    }
}

void ByteWriter::writeI16(std::int16_t value) {
    const auto bits = static_cast<std::uint16_t>(value);
    out_.push_back(static_cast<std::uint8_t>(bits & 0xFFu));
    out_.push_back(static_cast<std::uint8_t>(bits >> 8));
}

void ByteWriter::writeU32(std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        out_.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFu));
    }
}

void ByteWriter::writeF64(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (std::size_t i = 0; i < 8; ++i) {
        out_.push_back(static_cast<std::uint8_t>((bits >> (8 * i)) & 0xFFu));
    }
}

void ByteWriter::writeBytes(std::span<const std::uint8_t> bytes) {
    out_.insert(out_.end(), bytes.begin(), bytes.end());
}

void ByteWriter::zeros(std::size_t count) {
    out_.insert(out_.end(), count, std::uint8_t{0});
}

} // namespace korvel
