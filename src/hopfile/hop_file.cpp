// Hop file images: parsing both layouts and building the current one.
#include "hopfile/hop_file.h"

#include <algorithm>
#include <array>

#include "library/byte_io.h"

namespace korvel {

namespace {

constexpr std::array<std::uint8_t, 6> kCurrentMagic{'H', 'V', 'R', 'A', '6', 0};
constexpr std::array<std::uint8_t, 6> kSixteenBitMagic{'H', 'V', 'R', 'A', '5', 0};

// The current layout aligns the record's fields; the 16-bit layout packs them.
enum class RecordLayout { Aligned, Packed };

template <typename Enum> Enum readEnum(ByteReader& in) {
    return static_cast<Enum>(in.readI16());
}

template <typename Enum> void writeEnum(ByteWriter& out, Enum value) {
    out.writeI16(static_cast<std::int16_t>(value));
}

void readSelection(ByteReader& in, HopSelection& selection) {
    selection.radioIndex = in.readI16();
    for (std::int16_t& index : selection.antennaIndex) {
        index = in.readI16();
    }
    for (std::int16_t& index : selection.feederIndex) {
        index = in.readI16();
    }
    for (std::int16_t& flag : selection.userDiameter) {
        flag = in.readI16();
    }
    for (std::int16_t& flag : selection.userGain) {
        flag = in.readI16();
    }
    for (std::int16_t& flag : selection.userFeederLoss) {
        flag = in.readI16();
    }
    selection.branchingLossSet = in.readI16();
    selection.ptxChoice = in.readI16();
    selection.prxthChoice = in.readI16();
    selection.otherBerExponent = in.readI16();
    in.readText(selection.otherPtxText);
    in.readText(selection.otherPrxthText);
}

void writeSelection(ByteWriter& out, const HopSelection& selection) {
    out.writeI16(selection.radioIndex);
    for (const std::int16_t index : selection.antennaIndex) {
        out.writeI16(index);
    }
    for (const std::int16_t index : selection.feederIndex) {
        out.writeI16(index);
    }
    for (const std::int16_t flag : selection.userDiameter) {
        out.writeI16(flag);
    }
    for (const std::int16_t flag : selection.userGain) {
        out.writeI16(flag);
    }
    for (const std::int16_t flag : selection.userFeederLoss) {
        out.writeI16(flag);
    }
    // The file keeps the low 16 bits.
    out.writeI16(static_cast<std::int16_t>(selection.branchingLossSet & 0xFFFF));
    out.writeI16(selection.ptxChoice);
    out.writeI16(selection.prxthChoice);
    out.writeI16(selection.otherBerExponent);
    out.writeText(selection.otherPtxText);
    out.writeText(selection.otherPrxthText);
}

void readRecord(ByteReader& in, HopRecord& r, RecordLayout layout) {
    const auto padding = [&in, layout](std::size_t count) {
        if (layout == RecordLayout::Aligned) {
            in.skip(count);
        }
    };
    in.readText(r.info);
    in.readText(r.radioName);
    padding(4);
    r.frequencyGHz = in.readF64();
    r.bitRateMbps = in.readF64();
    r.ptxDbm = in.readF64();
    r.berExponent = in.readI16();
    padding(6);
    r.prxthDbm = in.readF64();
    r.branchingLossDb = in.readF64();
    in.readText(r.modeText);
    padding(1);
    r.hopLengthKm = in.readF64();
    r.outageObjectivePct = in.readF64();
    r.reserved1 = in.readF64();
    r.reserved2 = in.readF64();
    r.longitudeDeg = in.readF64();
    r.latitudeDeg = in.readF64();
    r.eastWest = readEnum<EastWest>(in);
    r.northSouth = readEnum<NorthSouth>(in);
    padding(4);
    r.pLPct = in.readF64();
    r.landType = readEnum<LandType>(in);
    r.method = readEnum<Method>(in);
    r.antennaType = readEnum<AntennaType>(in);
    r.feederInsulation = readEnum<FeederInsulation>(in);
    r.selectiveFading = readEnum<SelectiveFading>(in);
    r.diversityMode = readEnum<DiversityMode>(in);
    r.usageMode = readEnum<UsageMode>(in);
    in.readText(r.station1Name);
    in.readText(r.station2Name);
    for (double* value : {&r.station1HeightM,       &r.station2HeightM,
                          &r.addTerrainLossDb,      &r.thresholdDegradationDb,
                          &r.antenna1DiameterM,     &r.antenna2DiameterM,
                          &r.diversityDiameterM,    &r.antenna1GainDbi,
                          &r.antenna2GainDbi,       &r.diversityGainDbi,
                          &r.antennaSpacingM,       &r.antenna1HeightM,
                          &r.antenna2HeightM,       &r.feeder1LengthM,
                          &r.feeder2LengthM,        &r.feeder1LossDbPer100m,
                          &r.feeder2LossDbPer100m,  &r.connector1LossDb,
                          &r.connector2LossDb,      &r.msmRefDb,
                          &r.frequencyDifferenceGHz}) {
        *value = in.readF64();
    }
    r.polarization = readEnum<Polarization>(in);
    padding(6);
    r.rainRateMmH = in.readF64();
}

void writeRecord(ByteWriter& out, const HopRecord& r) {
    out.writeText(r.info);
    out.writeText(r.radioName);
    out.zeros(4);
    out.writeF64(r.frequencyGHz);
    out.writeF64(r.bitRateMbps);
    out.writeF64(r.ptxDbm);
    out.writeI16(r.berExponent);
    out.zeros(6);
    out.writeF64(r.prxthDbm);
    out.writeF64(r.branchingLossDb);
    out.writeText(r.modeText);
    out.zeros(1);
    out.writeF64(r.hopLengthKm);
    out.writeF64(r.outageObjectivePct);
    out.writeF64(r.reserved1);
    out.writeF64(r.reserved2);
    out.writeF64(r.longitudeDeg);
    out.writeF64(r.latitudeDeg);
    writeEnum(out, r.eastWest);
    writeEnum(out, r.northSouth);
    out.zeros(4);
    out.writeF64(r.pLPct);
    writeEnum(out, r.landType);
    writeEnum(out, r.method);
    writeEnum(out, r.antennaType);
    writeEnum(out, r.feederInsulation);
    writeEnum(out, r.selectiveFading);
    writeEnum(out, r.diversityMode);
    writeEnum(out, r.usageMode);
    out.writeText(r.station1Name);
    out.writeText(r.station2Name);
    for (const double value : {r.station1HeightM,       r.station2HeightM,
                               r.addTerrainLossDb,      r.thresholdDegradationDb,
                               r.antenna1DiameterM,     r.antenna2DiameterM,
                               r.diversityDiameterM,    r.antenna1GainDbi,
                               r.antenna2GainDbi,       r.diversityGainDbi,
                               r.antennaSpacingM,       r.antenna1HeightM,
                               r.antenna2HeightM,       r.feeder1LengthM,
                               r.feeder2LengthM,        r.feeder1LossDbPer100m,
                               r.feeder2LossDbPer100m,  r.connector1LossDb,
                               r.connector2LossDb,      r.msmRefDb,
                               r.frequencyDifferenceGHz}) {
        out.writeF64(value);
    }
    writeEnum(out, r.polarization);
    out.zeros(6);
    out.writeF64(r.rainRateMmH);
}

void readResults(ByteReader& in, HopResults& s) {
    for (double* value : {&s.cLat,
                          &s.cLon,
                          &s.K,
                          &s.Lc1,
                          &s.Lc2,
                          &s.Lo,
                          &s.Lho,
                          &s.Prx,
                          &s.M,
                          &s.Msm,
                          &s.pfm,
                          &s.psm,
                          &s.pfmd,
                          &s.psmd,
                          &s.p,
                          &s.pd,
                          &s.Ifm,
                          &s.Ism,
                          &s.rainWorstMonthPct,
                          &s.rainAnnualPct}) {
        *value = in.readF64();
    }
}

void writeResults(ByteWriter& out, const HopResults& s) {
    for (const double value : {s.cLat,
                               s.cLon,
                               s.K,
                               s.Lc1,
                               s.Lc2,
                               s.Lo,
                               s.Lho,
                               s.Prx,
                               s.M,
                               s.Msm,
                               s.pfm,
                               s.psm,
                               s.pfmd,
                               s.psmd,
                               s.p,
                               s.pd,
                               s.Ifm,
                               s.Ism,
                               s.rainWorstMonthPct,
                               s.rainAnnualPct}) {
        out.writeF64(value);
    }
}

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
    in.skip(kCurrentMagic.size());
    readSelection(in, parsed.selection);
    readRecord(in, parsed.record, layout);
    readResults(in, parsed.results);
    if (!in.ok()) {
        return HopParseError::TooShort;
    }
    hop = parsed;
    return HopParseError::None;
}

std::vector<std::uint8_t> hopFileImage(const HopState& hop) {
    std::vector<std::uint8_t> image;
    image.reserve(kHopFileSize);
    ByteWriter out(image);
    out.writeBytes(kCurrentMagic);
    writeSelection(out, hop.selection);
    writeRecord(out, hop.record);
    writeResults(out, hop.results);
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
