#include "library/library_file.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <utility>

#include "library/byte_io.h"
#include "platform/file_read.h"
#include "platform/text_encoding.h"

namespace korvel {

namespace {

// "LVRA3" and its terminator.
constexpr std::array<std::uint8_t, 6> kMagic{'L', 'V', 'R', 'A', '3', 0};
constexpr std::size_t kMagicSize = kMagic.size();
constexpr std::size_t kCountsEnd = 14;

bool magicMatches(std::span<const std::uint8_t> image) {
    if (image.size() < kMagicSize) {
        return false;
    }
    // Compared as a NUL-terminated string: the sixth byte must be the terminator.
    return std::equal(kMagic.begin(), kMagic.end(), image.begin());
}

bool countWithin(std::int16_t count, int capacity) {
    return count >= 0 && count <= capacity;
}

void readRadio(ByteReader& in, RadioEntry& radio) {
    in.readText(radio.name);
    radio.frequencyGHz = in.readF64();
    radio.bitRateMbps = in.readF64();
    radio.defaultPtx = in.readI16();
    radio.defaultPrxth = in.readI16();
    in.skip(4);
    for (double& ptx : radio.ptxDbm) {
        ptx = in.readF64();
    }
    for (std::int16_t& exponent : radio.berExponent) {
        exponent = in.readI16();
    }
    in.skip(4);
    for (double& prxth : radio.prxthDbm) {
        prxth = in.readF64();
    }
    for (auto& row : radio.branchingLossDb) {
        for (double& loss : row) {
            loss = in.readF64();
        }
    }
}

void writeRadio(ByteWriter& out, const RadioEntry& radio) {
    out.writeText(radio.name);
    out.writeF64(radio.frequencyGHz);
    out.writeF64(radio.bitRateMbps);
    out.writeI16(radio.defaultPtx);
    out.writeI16(radio.defaultPrxth);
    out.zeros(4);
    for (const double ptx : radio.ptxDbm) {
        out.writeF64(ptx);
    }
    for (const std::int16_t exponent : radio.berExponent) {
        out.writeI16(exponent);
    }
    out.zeros(4);
    for (const double prxth : radio.prxthDbm) {
        out.writeF64(prxth);
    }
    for (const auto& row : radio.branchingLossDb) {
        for (const double loss : row) {
            out.writeF64(loss);
        }
    }
}

void readAntennaTable(ByteReader& in, AntennaTable& table) {
    for (double& diameter : table.diameterM) {
        diameter = in.readF64();
    }
    for (double& price : table.price) {
        price = in.readF64();
    }
}

void writeAntennaTable(ByteWriter& out, const AntennaTable& table) {
    for (const double diameter : table.diameterM) {
        out.writeF64(diameter);
    }
    for (const double price : table.price) {
        out.writeF64(price);
    }
}

void readFeederTable(ByteReader& in, FeederTable& table) {
    for (double& frequency : table.frequencyGHz) {
        frequency = in.readF64();
    }
    for (auto& row : table.lossPer100mDb) {
        for (double& loss : row) {
            loss = in.readF64();
        }
    }
    for (auto& name : table.typeName) {
        in.readText(name);
    }
    for (double& price : table.pricePerMetre) {
        price = in.readF64();
    }
    for (double& price : table.fixedPrice) {
        price = in.readF64();
    }
}

void writeFeederTable(ByteWriter& out, const FeederTable& table) {
    for (const double frequency : table.frequencyGHz) {
        out.writeF64(frequency);
    }
    for (const auto& row : table.lossPer100mDb) {
        for (const double loss : row) {
            out.writeF64(loss);
        }
    }
    for (const auto& name : table.typeName) {
        out.writeText(name);
    }
    for (const double price : table.pricePerMetre) {
        out.writeF64(price);
    }
    for (const double price : table.fixedPrice) {
        out.writeF64(price);
    }
}

bool defaultChoicesWithin(const RadioEntry& radio) {
    return radio.defaultPtx >= 0 && radio.defaultPtx < std::ssize(radio.ptxDbm) &&
           radio.defaultPrxth >= 0 && radio.defaultPrxth < std::ssize(radio.prxthDbm);
}

std::int16_t countAt(const std::vector<std::int16_t>& counts, std::size_t index) {
    return index < counts.size() ? counts[index] : std::int16_t{0};
}

// The counts and choices read with the tables, checked before the library is taken.
LibraryParseError checkTables(const EquipmentLibrary& parsed) {
    for (std::size_t table = 0; table < parsed.feederTables.size(); ++table) {
        if (!countWithin(parsed.feederTypeCount[table], kMaxFeederTypes) ||
            !countWithin(parsed.frequencyCount[table], kMaxCoaxFrequencies)) {
            return LibraryParseError::BadCounts;
        }
    }
    for (const RadioEntry& radio : parsed.radios) {
        if (!defaultChoicesWithin(radio)) {
            return LibraryParseError::BadDefaultChoice;
        }
    }
    return LibraryParseError::None;
}

void showLibraryMessage(Messages& messages, std::string_view text) {
    messages.show(text, kAppCaption, MessageIcon::None, MessageButtons::Ok);
}

} // namespace

LibraryParseError parseLibrary(std::span<const std::uint8_t> image, EquipmentLibrary& library) {
    if (!magicMatches(image)) {
        return image.size() < kMagicSize ? LibraryParseError::TooShort
                                         : LibraryParseError::WrongMagic;
    }
    if (image.size() < kCountsEnd) {
        return LibraryParseError::TooShort;
    }
    ByteReader in(image);
    in.skip(kMagicSize);
    const std::int16_t radioCount = in.readI16();
    const std::int16_t solidCount = in.readI16();
    const std::int16_t gridCount = in.readI16();
    const std::int16_t feederTableCount = in.readI16();
    if (radioCount < 1 || radioCount > kMaxRadios || !countWithin(solidCount, kMaxDiameters) ||
        !countWithin(gridCount, kMaxDiameters) ||
        !countWithin(feederTableCount, kMaxFeederTables)) {
        return LibraryParseError::BadCounts;
    }
    if (image.size() < libraryFileSize(radioCount, feederTableCount)) {
        return LibraryParseError::TooShort;
    }

    EquipmentLibrary parsed;
    parsed.diameterCount = {solidCount, gridCount};
    parsed.radios.resize(static_cast<std::size_t>(radioCount));
    for (RadioEntry& radio : parsed.radios) {
        readRadio(in, radio);
    }
    for (AntennaTable& table : parsed.antennaTables) {
        readAntennaTable(in, table);
    }
    parsed.feederTables.resize(static_cast<std::size_t>(feederTableCount));
    for (FeederTable& table : parsed.feederTables) {
        readFeederTable(in, table);
    }
    parsed.feederTypeCount.resize(static_cast<std::size_t>(feederTableCount));
    for (std::int16_t& count : parsed.feederTypeCount) {
        count = in.readI16();
    }
    parsed.frequencyCount.resize(static_cast<std::size_t>(feederTableCount));
    for (std::int16_t& count : parsed.frequencyCount) {
        count = in.readI16();
    }
    in.readText(parsed.identification);
    if (!in.ok()) {
        return LibraryParseError::TooShort;
    }

    if (const LibraryParseError error = checkTables(parsed); error != LibraryParseError::None) {
        return error;
    }
    library = std::move(parsed);
    return LibraryParseError::None;
}

bool readLibrary(const std::filesystem::path& file, EquipmentLibrary& library, Messages& messages) {
    const FileBytes image = readLibraryBytes(file);
    if (!image) {
        // The file it tried comes after the message, on a line of its own.
        showLibraryMessage(messages, "Cannot open libraryfile.\n" + pathToCp1252(file));
        return false;
    }
    return readLibraryImage(image.bytes, library, messages);
}

bool readLibraryImage(std::span<const std::uint8_t> image, EquipmentLibrary& library,
                      Messages& messages) {
    if (parseLibrary(image, library) != LibraryParseError::None) {
        showLibraryMessage(messages, "Incorrect libraryfile.");
        return false;
    }
    return true;
}

FileBytes readLibraryBytes(const std::filesystem::path& file) {
    // One read of the whole file; the parser checks its length against the counts.
    return readRegularFile(file, libraryFileSize(kMaxRadios, kMaxFeederTables),
                           BeyondLimit::Ignore);
}

std::vector<std::uint8_t> libraryImage(const EquipmentLibrary& library) {
    std::vector<std::uint8_t> image;
    image.reserve(libraryFileSize(library.radioCount(), library.feederTableCount()));
    ByteWriter out(image);
    out.writeBytes(kMagic);
    out.writeI16(static_cast<std::int16_t>(library.radioCount()));
    out.writeI16(library.diameterCount[0]);
    out.writeI16(library.diameterCount[1]);
    out.writeI16(static_cast<std::int16_t>(library.feederTableCount()));
    for (const RadioEntry& radio : library.radios) {
        writeRadio(out, radio);
    }
    for (const AntennaTable& table : library.antennaTables) {
        writeAntennaTable(out, table);
    }
    for (const FeederTable& table : library.feederTables) {
        writeFeederTable(out, table);
    }
    for (std::size_t table = 0; table < library.feederTables.size(); ++table) {
        out.writeI16(countAt(library.feederTypeCount, table));
    }
    for (std::size_t table = 0; table < library.feederTables.size(); ++table) {
        out.writeI16(countAt(library.frequencyCount, table));
    }
    out.writeText(library.identification);
    return image;
}

} // namespace korvel
