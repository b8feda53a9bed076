// Hop file images: parsing and building both layouts by walking the one field list.
#include "hopfile/hop_file.h"

#include <algorithm>
#include <array>
#include <type_traits>

#include "hopfile/hop_fields.h"
#include "library/byte_io.h"

namespace korvel {

namespace {

constexpr std::array<std::uint8_t, 6> kCurrentMagic{'H', 'V', 'R', 'A', '6', 0};
constexpr std::array<std::uint8_t, 6> kSixteenBitMagic{'H', 'V', 'R', 'A', '5', 0};

// The current layout aligns the record's fields; the 16-bit layout packs them.
enum class RecordLayout { Aligned, Packed };

std::size_t placeOf(const HopField& field, RecordLayout layout) {
    return layout == RecordLayout::Aligned ? field.offset : field.packedOffset;
}

std::size_t recordBlockSize(RecordLayout layout) {
    return layout == RecordLayout::Aligned ? kHopRecordBlockSize : kPackedHopRecordBlockSize;
}

// Each field starts where the previous one ended (packed) or after it (aligned), so one walk in
// list order reads or writes a block, padding included; a block ends at its size.
struct LayoutCheck {
    std::size_t alignedEnd = 0;
    std::size_t packedEnd = 0;
    bool ordered = true;
    template <typename T> constexpr void operator()(const HopField& field, const T&) {
        ordered = ordered && field.offset >= alignedEnd && field.packedOffset == packedEnd;
        alignedEnd = field.offset + storedSize<T>();
        packedEnd = field.packedOffset + storedSize<T>();
    }
};

constexpr bool fieldListMatchesTheLayouts() {
    HopState hop{};
    LayoutCheck selection{kCurrentMagic.size(), kCurrentMagic.size()};
    visitStoredSelectionFields(hop.selection, selection);
    LayoutCheck record;
    visitRecordFields(hop.record, record);
    LayoutCheck results;
    visitResultFields(hop.results, results);
    return selection.ordered && selection.alignedEnd == kHopRecordBlockAt && record.ordered &&
           record.alignedEnd == kHopRecordBlockSize &&
           record.packedEnd == kPackedHopRecordBlockSize && results.ordered &&
           results.packedEnd == kHopResultsBlockSize;
}
static_assert(fieldListMatchesTheLayouts());
static_assert(kHopRecordBlockAt + kHopRecordBlockSize + kHopResultsBlockSize == kHopFileSize);
static_assert(kHopRecordBlockAt + kPackedHopRecordBlockSize + kHopResultsBlockSize ==
              kOldHopFileSize);

struct FieldReader {
    ByteReader& in;
    std::size_t blockAt;
    RecordLayout layout;

    template <typename T> void operator()(const HopField& field, T& value) const {
        in.skip(blockAt + placeOf(field, layout) - in.position()); // padding is ignored
        if constexpr (requires { value.bytes; }) {
            in.readText(value);
        } else if constexpr (IsInt16Array<T>::value) {
            for (std::int16_t& element : value) {
                element = in.readI16();
            }
        } else if constexpr (std::is_floating_point_v<T>) {
            value = in.readF64();
        } else {
            value = static_cast<T>(in.readI16()); // branchingLossSet is widened
        }
    }
};

struct FieldWriter {
    std::vector<std::uint8_t>& image;
    std::size_t blockAt;
    RecordLayout layout;

    template <typename T> void operator()(const HopField& field, const T& value) const {
        ByteWriter out(image);
        out.zeros(blockAt + placeOf(field, layout) - image.size()); // padding is written as zero
        if constexpr (requires { value.bytes; }) {
            out.writeText(value);
        } else if constexpr (IsInt16Array<T>::value) {
            for (const std::int16_t element : value) {
                out.writeI16(element);
            }
        } else if constexpr (std::is_floating_point_v<T>) {
            out.writeF64(value);
        } else if constexpr (std::is_same_v<T, std::int32_t>) {
            // The file keeps the low 16 bits.
            out.writeI16(static_cast<std::int16_t>(value & 0xFFFF));
        } else {
            out.writeI16(static_cast<std::int16_t>(value));
        }
    }
};

bool startsWith(std::span<const std::uint8_t> image, std::span<const std::uint8_t> magic) {
    return image.size() >= magic.size() && std::equal(magic.begin(), magic.end(), image.begin());
}

} // namespace

HopParseError parseHopImage(std::span<const std::uint8_t> image, StoredHop& hop) {
    StoredHop parsed;
    std::size_t layoutSize = kHopFileSize;
    RecordLayout layout = RecordLayout::Aligned;
    if (startsWith(image, kSixteenBitMagic)) {
        parsed.version = HopFileVersion::SixteenBit;
        layoutSize = kOldHopFileSize;
        layout = RecordLayout::Packed;
    } else if (!startsWith(image, kCurrentMagic)) {
        return HopParseError::WrongMagic;
    }
    if (image.size() < layoutSize) {
        return HopParseError::TooShort;
    }
    ByteReader in(image);
    const std::size_t resultsAt = kHopRecordBlockAt + recordBlockSize(layout);
    visitStoredSelectionFields(parsed.selection, FieldReader{in, kHopSelectionBlockAt, layout});
    visitRecordFields(parsed.record, FieldReader{in, kHopRecordBlockAt, layout});
    visitResultFields(parsed.results, FieldReader{in, resultsAt, layout});
    if (!in.ok()) {
        return HopParseError::TooShort;
    }
    hop = parsed;
    return HopParseError::None;
}

std::vector<std::uint8_t> hopFileImage(const HopState& hop, HopFileVersion version) {
    const bool current = version == HopFileVersion::Current;
    const RecordLayout layout = current ? RecordLayout::Aligned : RecordLayout::Packed;
    const std::size_t resultsAt = kHopRecordBlockAt + recordBlockSize(layout);
    std::vector<std::uint8_t> image;
    image.reserve(resultsAt + kHopResultsBlockSize);
    ByteWriter(image).writeBytes(current ? kCurrentMagic : kSixteenBitMagic);
    visitStoredSelectionFields(hop.selection, FieldWriter{image, kHopSelectionBlockAt, layout});
    visitRecordFields(hop.record, FieldWriter{image, kHopRecordBlockAt, layout});
    visitResultFields(hop.results, FieldWriter{image, resultsAt, layout});
    return image;
}

std::string appendDefaultExtension(std::string_view name, std::string_view extension) {
    // The last component's dot counts; one in a folder name does not.
    const std::size_t stop = name.find_last_of(".:\\/");
    std::string result(name);
    if (stop == std::string_view::npos || name[stop] != '.') {
        result += extension;
    }
    return result;
}

} // namespace korvel
