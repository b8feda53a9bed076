// NumPy's .npy: a magic string, a version, a Python dictionary saying the element type, the order
// and the shape, then the elements.
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

#include "itu/climate/grid_array.h"

namespace korvel {

namespace {

struct NpyHeader {
    char type = 0;        // 'f', 'i' or 'u'
    std::size_t size = 0; // bytes per element
    bool fortranOrder = false;
    std::vector<std::size_t> shape;
};

GridArrayRead failure(const std::string& why) {
    return {std::nullopt, why};
}

// The text after `key` in the header's dictionary, or empty.
std::string_view valueOf(std::string_view header, std::string_view key) {
    const std::size_t at = header.find(key);
    if (at == std::string_view::npos) {
        return {};
    }
    std::size_t from = header.find(':', at + key.size());
    return from == std::string_view::npos ? std::string_view{} : header.substr(from + 1);
}

std::optional<NpyHeader> parseHeader(std::string_view header, std::string& error) {
    NpyHeader parsed;
    const std::string_view descr = valueOf(header, "'descr'");
    const std::size_t quote = descr.find('\'');
    if (quote == std::string_view::npos || descr.size() < quote + 5) {
        error = "not a NumPy array header";
        return std::nullopt;
    }
    const char order = descr[quote + 1];
    parsed.type = descr[quote + 2];
    const char width = descr[quote + 3];
    const bool numeric = parsed.type == 'f' || parsed.type == 'i' || parsed.type == 'u';
    const bool littleEndian = order == '<' || (order == '|' && width == '1');
    if (!numeric || !littleEndian || descr[quote + 4] != '\'' ||
        (width != '1' && width != '2' && width != '4' && width != '8') ||
        (parsed.type == 'f' && width != '4' && width != '8')) {
        const std::size_t close = descr.find('\'', quote + 1);
        error = "not a numeric array (element type " +
                std::string(descr.substr(quote, std::min<std::size_t>(close - quote + 1, 12))) +
                ")";
        return std::nullopt;
    }
    parsed.size = static_cast<std::size_t>(width - '0');
    parsed.fortranOrder = valueOf(header, "'fortran_order'").find("True") < 8;
    std::string_view shape = valueOf(header, "'shape'");
    shape = shape.substr(0, shape.find(')'));
    for (std::size_t i = shape.find('(') + 1; i > 0 && i < shape.size();) {
        std::size_t dimension = 0;
        const auto [end, status] =
            std::from_chars(shape.data() + i, shape.data() + shape.size(), dimension);
        if (status == std::errc()) {
            parsed.shape.push_back(dimension);
        }
        i = static_cast<std::size_t>(end - shape.data()) + 1;
    }
    if (parsed.shape.empty() || parsed.shape.size() > 2) {
        error = "not a one- or two-dimensional array";
        return std::nullopt;
    }
    return parsed;
}

double element(const std::uint8_t* at, const NpyHeader& header) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < header.size; ++i) {
        bits |= static_cast<std::uint64_t>(at[i]) << (8 * i);
    }
    if (header.type == 'f') {
        return header.size == 8
                   ? std::bit_cast<double>(bits)
                   : static_cast<double>(std::bit_cast<float>(static_cast<std::uint32_t>(bits)));
    }
    if (header.type == 'u' || header.size == 8) {
        return header.type == 'u' ? static_cast<double>(bits)
                                  : static_cast<double>(std::bit_cast<std::int64_t>(bits));
    }
    const std::uint64_t sign = std::uint64_t{1} << (8 * header.size - 1);
    return static_cast<double>(static_cast<std::int64_t>(bits ^ sign) -
                               static_cast<std::int64_t>(sign));
}

} // namespace

GridArrayRead readNpyArray(std::span<const std::uint8_t> bytes) {
    static constexpr std::uint8_t kMagic[] = {0x93, 'N', 'U', 'M', 'P', 'Y'};
    if (bytes.size() < 10 || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) {
        return failure("not a NumPy array");
    }
    const bool wideLength = bytes[6] >= 2;
    std::size_t length = bytes[8] | static_cast<std::size_t>(bytes[9]) << 8;
    std::size_t start = 10;
    if (wideLength && bytes.size() >= 12) {
        length |= static_cast<std::size_t>(bytes[10]) << 16 | static_cast<std::size_t>(bytes[11])
                                                                  << 24;
        start = 12;
    }
    if (length > bytes.size() - start) {
        return failure("the array is cut short");
    }
    std::string error;
    const auto header = parseHeader(
        std::string_view(reinterpret_cast<const char*>(bytes.data() + start), length), error);
    if (!header) {
        return failure(error);
    }
    const std::size_t rows = header->shape.size() == 2 ? header->shape[0] : 1;
    const std::size_t columns = header->shape.back();
    const std::size_t data = start + length;
    if (rows == 0 || columns == 0 || rows > 0xFFFFFFu || columns > 0xFFFFFFu ||
        rows * columns > (bytes.size() - data) / header->size) {
        return failure(rows * columns == 0 ? "the array is empty" : "the array is cut short");
    }
    GridArray array{static_cast<std::uint32_t>(rows), static_cast<std::uint32_t>(columns), {}};
    array.values.resize(rows * columns);
    for (std::size_t r = 0; r < rows; ++r) {
        for (std::size_t c = 0; c < columns; ++c) {
            const std::size_t index = header->fortranOrder ? c * rows + r : r * columns + c;
            array.values[r * columns + c] =
                element(bytes.data() + data + index * header->size, *header);
        }
    }
    for (const double value : array.values) {
        if (!std::isfinite(value)) {
            return failure("the array holds a value that is not a finite number");
        }
    }
    return {std::move(array), {}};
}

} // namespace korvel
