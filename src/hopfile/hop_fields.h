#pragma once
// The one list of a hop's stored fields: name, and place in the file for both layouts. The hop
// file reader and writer walk it, and so does every listing of a hop by field name (JSON).
//
// A file holds three blocks: the selection (file offsets 6 to 81, the same in both layouts),
// the hop record (from 82: 440 bytes aligned in the current layout, 419 packed in the 16-bit
// one) and the results (160 bytes after the record). A field's kind and size follow from its
// type: FixedText<N> is N bytes of text, a double 8 bytes, an int16 or enumerated choice 2 bytes
// (branchingLossSet too: the file keeps its low 16 bits), an array of int16 two bytes each.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

#include "engine/hop_record.h"

namespace korvel {

struct HopField {
    std::string_view name;
    std::size_t offset = 0;       // from the start of its block, current layout
    std::size_t packedOffset = 0; // from the start of its block, 16-bit layout

    constexpr HopField(std::string_view fieldName, std::size_t at)
        : name(fieldName), offset(at), packedOffset(at) {}
    constexpr HopField(std::string_view fieldName, std::size_t at, std::size_t packedAt)
        : name(fieldName), offset(at), packedOffset(packedAt) {}
};

inline constexpr std::size_t kHopSelectionBlockAt = 0; // selection offsets are file offsets
inline constexpr std::size_t kHopRecordBlockAt = 82;
inline constexpr std::size_t kHopRecordBlockSize = 440;
inline constexpr std::size_t kPackedHopRecordBlockSize = 419;
inline constexpr std::size_t kHopResultsBlockSize = 160;

template <typename T> struct IsInt16Array : std::false_type {};
template <std::size_t N> struct IsInt16Array<std::array<std::int16_t, N>> : std::true_type {};

// Bytes a field of type T takes in the file.
template <typename T> constexpr std::size_t storedSize() {
    if constexpr (requires { T::capacity(); }) {
        return T::capacity();
    } else if constexpr (IsInt16Array<T>::value) {
        return 2 * std::tuple_size_v<T>;
    } else if constexpr (std::is_floating_point_v<T>) {
        return 8;
    } else {
        static_assert(std::is_enum_v<T> || std::is_integral_v<T>);
        return 2;
    }
}

// The selection fields a hop file stores, at their file offsets.
template <typename Selection, typename Visitor>
constexpr void visitStoredSelectionFields(Selection& s, Visitor&& v) {
    v(HopField{"radioIndex", 6}, s.radioIndex);
    v(HopField{"antennaIndex", 8}, s.antennaIndex);
    v(HopField{"feederIndex", 14}, s.feederIndex);
    v(HopField{"userDiameter", 18}, s.userDiameter);
    v(HopField{"userGain", 24}, s.userGain);
    v(HopField{"userFeederLoss", 30}, s.userFeederLoss);
    v(HopField{"branchingLossSet", 34}, s.branchingLossSet);
    v(HopField{"ptxChoice", 36}, s.ptxChoice);
    v(HopField{"prxthChoice", 38}, s.prxthChoice);
    v(HopField{"otherBerExponent", 40}, s.otherBerExponent);
    v(HopField{"otherPtxText", 42}, s.otherPtxText);
    v(HopField{"otherPrxthText", 62}, s.otherPrxthText);
}

template <typename Record, typename Visitor>
constexpr void visitRecordFields(Record& r, Visitor&& v) {
    v(HopField{"info", 0, 0}, r.info);
    v(HopField{"radioName", 40, 40}, r.radioName);
    v(HopField{"frequencyGHz", 64, 60}, r.frequencyGHz);
    v(HopField{"bitRateMbps", 72, 68}, r.bitRateMbps);
    v(HopField{"ptxDbm", 80, 76}, r.ptxDbm);
    v(HopField{"berExponent", 88, 84}, r.berExponent);
    v(HopField{"prxthDbm", 96, 86}, r.prxthDbm);
    v(HopField{"branchingLossDb", 104, 94}, r.branchingLossDb);
    v(HopField{"modeText", 112, 102}, r.modeText);
    v(HopField{"hopLengthKm", 128, 117}, r.hopLengthKm);
    v(HopField{"outageObjectivePct", 136, 125}, r.outageObjectivePct);
    v(HopField{"reserved1", 144, 133}, r.reserved1);
    v(HopField{"reserved2", 152, 141}, r.reserved2);
    v(HopField{"longitudeDeg", 160, 149}, r.longitudeDeg);
    v(HopField{"latitudeDeg", 168, 157}, r.latitudeDeg);
    v(HopField{"eastWest", 176, 165}, r.eastWest);
    v(HopField{"northSouth", 178, 167}, r.northSouth);
    v(HopField{"pLPct", 184, 169}, r.pLPct);
    v(HopField{"landType", 192, 177}, r.landType);
    v(HopField{"method", 194, 179}, r.method);
    v(HopField{"antennaType", 196, 181}, r.antennaType);
    v(HopField{"feederInsulation", 198, 183}, r.feederInsulation);
    v(HopField{"selectiveFading", 200, 185}, r.selectiveFading);
    v(HopField{"diversityMode", 202, 187}, r.diversityMode);
    v(HopField{"usageMode", 204, 189}, r.usageMode);
    v(HopField{"station1Name", 206, 191}, r.station1Name);
    v(HopField{"station2Name", 231, 216}, r.station2Name);
    v(HopField{"station1HeightM", 256, 241}, r.station1HeightM);
    v(HopField{"station2HeightM", 264, 249}, r.station2HeightM);
    v(HopField{"addTerrainLossDb", 272, 257}, r.addTerrainLossDb);
    v(HopField{"thresholdDegradationDb", 280, 265}, r.thresholdDegradationDb);
    v(HopField{"antenna1DiameterM", 288, 273}, r.antenna1DiameterM);
    v(HopField{"antenna2DiameterM", 296, 281}, r.antenna2DiameterM);
    v(HopField{"diversityDiameterM", 304, 289}, r.diversityDiameterM);
    v(HopField{"antenna1GainDbi", 312, 297}, r.antenna1GainDbi);
    v(HopField{"antenna2GainDbi", 320, 305}, r.antenna2GainDbi);
    v(HopField{"diversityGainDbi", 328, 313}, r.diversityGainDbi);
    v(HopField{"antennaSpacingM", 336, 321}, r.antennaSpacingM);
    v(HopField{"antenna1HeightM", 344, 329}, r.antenna1HeightM);
    v(HopField{"antenna2HeightM", 352, 337}, r.antenna2HeightM);
    v(HopField{"feeder1LengthM", 360, 345}, r.feeder1LengthM);
    v(HopField{"feeder2LengthM", 368, 353}, r.feeder2LengthM);
    v(HopField{"feeder1LossDbPer100m", 376, 361}, r.feeder1LossDbPer100m);
    v(HopField{"feeder2LossDbPer100m", 384, 369}, r.feeder2LossDbPer100m);
    v(HopField{"connector1LossDb", 392, 377}, r.connector1LossDb);
    v(HopField{"connector2LossDb", 400, 385}, r.connector2LossDb);
    v(HopField{"msmRefDb", 408, 393}, r.msmRefDb);
    v(HopField{"frequencyDifferenceGHz", 416, 401}, r.frequencyDifferenceGHz);
    v(HopField{"polarization", 424, 409}, r.polarization);
    v(HopField{"rainRateMmH", 432, 411}, r.rainRateMmH);
}

template <typename Results, typename Visitor>
constexpr void visitResultFields(Results& r, Visitor&& v) {
    v(HopField{"cLat", 0}, r.cLat);
    v(HopField{"cLon", 8}, r.cLon);
    v(HopField{"K", 16}, r.K);
    v(HopField{"Lc1", 24}, r.Lc1);
    v(HopField{"Lc2", 32}, r.Lc2);
    v(HopField{"Lo", 40}, r.Lo);
    v(HopField{"Lho", 48}, r.Lho);
    v(HopField{"Prx", 56}, r.Prx);
    v(HopField{"M", 64}, r.M);
    v(HopField{"Msm", 72}, r.Msm);
    v(HopField{"pfm", 80}, r.pfm);
    v(HopField{"psm", 88}, r.psm);
    v(HopField{"pfmd", 96}, r.pfmd);
    v(HopField{"psmd", 104}, r.psmd);
    v(HopField{"p", 112}, r.p);
    v(HopField{"pd", 120}, r.pd);
    v(HopField{"Ifm", 128}, r.Ifm);
    v(HopField{"Ism", 136}, r.Ism);
    v(HopField{"rainWorstMonthPct", 144}, r.rainWorstMonthPct);
    v(HopField{"rainAnnualPct", 152}, r.rainAnnualPct);
}

} // namespace korvel
