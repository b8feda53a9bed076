#pragma once
// The one hop being edited: its inputs (HopRecord), its results (HopResults) and its ties to the
// equipment library (HopSelection). Field order is the storage order of the hop file.
//
// Units: frequency GHz, hop length km, heights/diameters/spacings/feeder lengths m, losses and
// margins dB, gains dBi, powers dBm, feeder loss dB per 100 m, rain rate mm/h, outages and
// objectives in percent of time (0.005 means 0.005 %).

#include <array>
#include <cstdint>

#include "engine/fixed_text.h"

namespace korvel {

// Enumerated choices keep the numbers of the controls that select them: those numbers are what
// the hop and route files store.
enum class AntennaType : std::int16_t { ParabSolid = 1106, ParabGrid = 1107 };
enum class FeederInsulation : std::int16_t { Foam = 1110, Air = 1111, Both = 1112 };
enum class DiversityMode : std::int16_t { No = 1113, Freq = 1114, Space = 1115 };
enum class UsageMode : std::int16_t { Single = 1116, Hsb = 1117, OnePlusOne = 1118 };
enum class SelectiveFading : std::int16_t { No = 1122, Standard = 1123, User = 1124 };
enum class EastWest : std::int16_t { East = 1126, West = 1127 };
enum class NorthSouth : std::int16_t { North = 1128, South = 1129 };
enum class LandType : std::int16_t { Land = 1135, MediumWater = 1137, LargeWater = 1138 };
enum class Method : std::int16_t { Method1 = 1139, Method2 = 1140 };
enum class Polarization : std::int16_t { Horizontal = 2000, Vertical = 2001 };

// Transmitter power and receiver threshold choices (Radio page button numbers).
inline constexpr std::int16_t kPtxChoiceFirst = 1008;   // 1008..1010: the radio's three powers
inline constexpr std::int16_t kPtxChoiceOther = 1014;   // typed by the user
inline constexpr std::int16_t kPrxthChoiceFirst = 1015; // 1015..1020: the radio's six thresholds
inline constexpr std::int16_t kPrxthChoiceOther = 1021; // typed by the user

struct HopRecord {
    FixedText<40> info;
    FixedText<20> radioName;
    double frequencyGHz = 0;
    double bitRateMbps = 0;
    double ptxDbm = 0;
    std::int16_t berExponent = 0;
    double prxthDbm = 0;
    double branchingLossDb = 0;
    FixedText<15> modeText;
    double hopLengthKm = 0;
    double outageObjectivePct = 0;
    double reserved1 = 0; // never used; kept as read so files round-trip
    double reserved2 = 0;
    double longitudeDeg = 0;
    double latitudeDeg = 0;
    EastWest eastWest = EastWest::East;
    NorthSouth northSouth = NorthSouth::North;
    double pLPct = 0;
    LandType landType = LandType::Land;
    Method method = Method::Method2;
    AntennaType antennaType = AntennaType::ParabSolid;
    FeederInsulation feederInsulation = FeederInsulation::Foam;
    SelectiveFading selectiveFading = SelectiveFading::No;
    DiversityMode diversityMode = DiversityMode::No;
    UsageMode usageMode = UsageMode::Single;
    FixedText<25> station1Name;
    FixedText<25> station2Name;
    double station1HeightM = 0;
    double station2HeightM = 0;
    double addTerrainLossDb = 0;
    double thresholdDegradationDb = 0;
    double antenna1DiameterM = 0;
    double antenna2DiameterM = 0;
    double diversityDiameterM = 0;
    double antenna1GainDbi = 0;
    double antenna2GainDbi = 0;
    double diversityGainDbi = 0;
    double antennaSpacingM = 0;
    double antenna1HeightM = 0;
    double antenna2HeightM = 0;
    double feeder1LengthM = 0;
    double feeder2LengthM = 0;
    double feeder1LossDbPer100m = 0;
    double feeder2LossDbPer100m = 0;
    double connector1LossDb = 0;
    double connector2LossDb = 0;
    double msmRefDb = 0; // selective margin of the radio referred to a 42.5 km hop
    double frequencyDifferenceGHz = 0;
    Polarization polarization = Polarization::Vertical;
    double rainRateMmH = 0;
};

struct HopResults {
    double cLat = 0; // latitude term of the geoclimatic factor, dB
    double cLon = 0; // longitude term, dB
    double K = 0;    // geoclimatic factor
    double Lc1 = 0;  // feeder 1 loss with connector, dB
    double Lc2 = 0;
    double Lo = 0;  // free-space loss with gaseous absorption, dB
    double Lho = 0; // unfaded hop loss, dB
    double Prx = 0; // unfaded received power, dBm
    double M = 0;   // flat fading margin, dB
    double Msm = 0; // selective fading margin of this hop, dB (set by the Form page)
    double pfm = 0; // flat outage, % of the worst month
    double psm = 0;
    double pfmd = 0;
    double psmd = 0;
    double p = 0;
    double pd = 0;
    double Ifm = 0;
    double Ism = 0;
    double rainWorstMonthPct = -1.0; // negative: no rain data
    double rainAnnualPct = -1.0;
};

// The three antennas of a hop, in this order, index every per-antenna array below.
inline constexpr int kAntenna1 = 0;
inline constexpr int kAntenna2 = 1;
inline constexpr int kDiversityAntenna = 2;

struct HopSelection {
    std::int16_t radioIndex = 0;
    bool otherRadio = false;
    std::int16_t ptxChoice = kPtxChoiceFirst;
    std::int16_t prxthChoice = kPrxthChoiceFirst;
    FixedText<20> otherPtxText;
    FixedText<20> otherPrxthText;
    std::int16_t otherBerExponent = -3;
    std::array<std::int16_t, 3> antennaIndex{3, 3, 3};
    std::array<std::int16_t, 3> userDiameter{};
    std::array<std::int16_t, 3> userGain{};
    std::array<std::int16_t, 2> feederIndex{1, 1};
    std::array<std::int16_t, 2> userFeederLoss{};
    std::int32_t branchingLossSet = 0; // the file keeps the low 16 bits
    std::int16_t feederTable = 0;
    std::int16_t feederRow = -1; // -1: the library has no feeder losses for the frequency
};

inline constexpr double kDefaultWaterVapourDensity = 7.5; // g/m3

// The whole hop state. One instance lives for the run; tests build their own.
struct HopState {
    HopRecord record;
    HopResults results;
    HopSelection selection;
    double waterVapourDensity = kDefaultWaterVapourDensity; // g/m3, not stored in files
};

} // namespace korvel
