#pragma once
// The hop report's rows in the order every form prints them, and which of them a hop leaves out.
// The text, delimited and page writers each supply only how a row is put down: its format in
// each language, and the room it or its absence takes.

#include <cstddef>

#include "report/hop_report_context.h"
#include "report/report_text.h"

namespace korvel {

enum class HopReportRow : std::size_t {
    CompanyAndDate,
    Info,
    Title,
    RadioAndMethod,
    Stations,
    Frequency,
    Polarization,
    HopLength,
    Latitude,
    Longitude,
    PercentagePL,
    GeoclimaticFactor,
    RainRate,
    StationHeights,
    StationHeightsNote,
    AntennaHeights,
    AntennaHeightsNote,
    FeederLengths,
    FeederLoss,
    FeederType,
    AntennaDiameters,
    Ptx,
    FreeSpaceLoss,
    TerrainLoss,
    BranchingLoss,
    FeederLosses,
    FeederLossesWithConnectors,
    AntennaGain1,
    AntennaGain2,
    HopLoss,
    ReceivedPower,
    ThresholdPower,
    BitErrorRate,
    ThresholdDegradation,
    FlatMargin,
    SelectiveMargin,
    FlatOutage,
    SelectiveOutage,
    TotalOutage,
    RainUnavailability,
    NoDiversity,
    FrequencyDiversityHeading,
    FrequencyDifference,
    SpaceDiversityHeading,
    DiversityDiameter,
    DiversityGain,
    AntennaSpacing,
    VerticalSpacing,
    FlatImprovement,
    SelectiveImprovement,
    FlatOutageWithDiversity,
    SelectiveOutageWithDiversity,
    TotalOutageWithDiversity,
    HopFileName,
    LibraryIdentification,
};
inline constexpr std::size_t kHopReportRowCount =
    static_cast<std::size_t>(HopReportRow::LibraryIdentification) + 1;

// How one form puts a row down. A null format leaves the row out in that language. The room is
// in line ends for the text forms and in line heights for the page.
struct HopReportRowLayout {
    HopReportRow row;
    const char* english;
    const char* french;
    double skipEnglish = 0; // the room the row's absence takes
    double skipFrench = 0;
    double before = 0;       // the page's room above the row
    double afterEnglish = 0; // the page's room below the row; kRowGoesOn: the next row ends it
    double afterFrench = 0;
};
inline constexpr double kRowGoesOn = -1;

template <std::size_t N> constexpr bool inRowOrder(const HopReportRowLayout (&layouts)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<std::size_t>(layouts[i].row) != i) {
            return false;
        }
    }
    return N == kHopReportRowCount;
}

// One printf formatting of a row's format, which holds no conversion when there is no value.
template <typename... Values> std::string formattedRow(const char* format, Values... values) {
    if constexpr (sizeof...(Values) == 0) {
        return format;
    } else {
        return formatted(format, values...);
    }
}

namespace hop_report_rows {

template <typename Writer, typename... Values>
void putIf(Writer& writer, bool present, HopReportRow row, Values... values) {
    if (present) {
        writer.put(row, values...);
    } else {
        writer.skip(row);
    }
}

template <typename Writer> void putHead(Writer& writer, const HopReportContext& report) {
    const HopRecord& record = report.record;
    writer.put(HopReportRow::CompanyAndDate, kCompanyLine, report.dateStamp.c_str());
    writer.put(HopReportRow::Info, report.info.c_str());
    writer.put(HopReportRow::Title, report.title.c_str());
    writer.put(HopReportRow::RadioAndMethod, report.radioAndMethod.c_str());
    writer.put(HopReportRow::Stations, report.station1Name.c_str(), report.station2Name.c_str());
    writer.put(HopReportRow::Frequency, record.frequencyGHz);
    putIf(writer, report.rainData, HopReportRow::Polarization, report.polarizationWord.c_str());
    writer.put(HopReportRow::HopLength, record.hopLengthKm);
    writer.put(HopReportRow::Latitude, record.latitudeDeg, report.northSouthLetter);
    writer.put(HopReportRow::Longitude, record.longitudeDeg, report.eastWestLetter);
    writer.put(HopReportRow::PercentagePL, record.pLPct);
    writer.put(HopReportRow::GeoclimaticFactor, report.geoclimaticFactor.c_str());
    putIf(writer, report.rainData, HopReportRow::RainRate, record.rainRateMmH);
}

template <typename Writer>
void putStationsAndFeeders(Writer& writer, const HopReportContext& report) {
    const HopRecord& record = report.record;
    writer.put(HopReportRow::StationHeights, record.station1HeightM, record.station2HeightM);
    writer.put(HopReportRow::StationHeightsNote);
    writer.put(HopReportRow::AntennaHeights, record.antenna1HeightM, record.antenna2HeightM);
    writer.put(HopReportRow::AntennaHeightsNote);
    writer.put(HopReportRow::FeederLengths, record.feeder1LengthM, record.feeder2LengthM);
    writer.put(HopReportRow::FeederLoss, record.feeder1LossDbPer100m, record.feeder2LossDbPer100m);
    putIf(writer, report.libraryFeeders, HopReportRow::FeederType, report.feeder1Name.c_str(),
          report.feeder2Name.c_str());
    writer.put(HopReportRow::AntennaDiameters, record.antenna1DiameterM, record.antenna2DiameterM);
}

template <typename Writer> void putLinkBudget(Writer& writer, const HopReportContext& report) {
    const HopRecord& record = report.record;
    const HopResults& results = report.results;
    writer.put(HopReportRow::Ptx, record.ptxDbm);
    writer.put(HopReportRow::FreeSpaceLoss, results.Lo);
    writer.put(HopReportRow::TerrainLoss, record.addTerrainLossDb);
    writer.put(HopReportRow::BranchingLoss, record.branchingLossDb, report.modeTag.c_str());
    writer.put(HopReportRow::FeederLosses, results.Lc1);
    writer.put(HopReportRow::FeederLossesWithConnectors, results.Lc2);
    writer.put(HopReportRow::AntennaGain1, record.antenna1GainDbi);
    writer.put(HopReportRow::AntennaGain2, record.antenna2GainDbi);
    writer.put(HopReportRow::HopLoss, results.Lho);
    writer.put(HopReportRow::ReceivedPower, results.Prx);
    writer.put(HopReportRow::ThresholdPower, report.thresholdWithDegradationDbm());
    writer.put(HopReportRow::BitErrorRate, report.berExponent());
    putIf(writer, report.thresholdDegradation, HopReportRow::ThresholdDegradation,
          record.thresholdDegradationDb);
}

template <typename Writer> void putOutage(Writer& writer, const HopReportContext& report) {
    const HopResults& results = report.results;
    const bool selective = report.selectiveFading;
    writer.put(HopReportRow::FlatMargin, results.M);
    putIf(writer, selective, HopReportRow::SelectiveMargin, results.Msm);
    writer.put(HopReportRow::FlatOutage, results.pfm);
    putIf(writer, selective, HopReportRow::SelectiveOutage, results.psm);
    writer.put(HopReportRow::TotalOutage, results.p);
    putIf(writer, report.rainData, HopReportRow::RainUnavailability, results.rainAnnualPct);
}

template <typename Writer> void putDiversity(Writer& writer, const HopReportContext& report) {
    const HopRecord& record = report.record;
    const HopResults& results = report.results;
    const bool selective = report.selectiveFading;
    switch (record.diversityMode) {
    case DiversityMode::No:
        writer.skip(HopReportRow::NoDiversity);
        return;
    case DiversityMode::Freq:
        writer.put(HopReportRow::FrequencyDiversityHeading);
        writer.put(HopReportRow::FrequencyDifference, record.frequencyDifferenceGHz);
        break;
    case DiversityMode::Space:
        writer.put(HopReportRow::SpaceDiversityHeading);
        writer.put(HopReportRow::DiversityDiameter, record.diversityDiameterM);
        writer.put(HopReportRow::DiversityGain, record.diversityGainDbi);
        writer.put(HopReportRow::AntennaSpacing, record.antennaSpacingM);
        writer.put(HopReportRow::VerticalSpacing, record.antennaSpacingM);
        break;
    }
    writer.put(HopReportRow::FlatImprovement, results.Ifm);
    putIf(writer, selective, HopReportRow::SelectiveImprovement, results.Ism);
    writer.put(HopReportRow::FlatOutageWithDiversity, results.pfmd);
    putIf(writer, selective, HopReportRow::SelectiveOutageWithDiversity, results.psmd);
    writer.put(HopReportRow::TotalOutageWithDiversity, results.pd);
}

} // namespace hop_report_rows

// Rows 1 to 53 in their order, each put down by `writer` (put(row, values...), skip(row)).
template <typename Writer> void putHopReportRows(Writer& writer, const HopReportContext& report) {
    using namespace hop_report_rows;
    putHead(writer, report);
    putStationsAndFeeders(writer, report);
    putLinkBudget(writer, report);
    putOutage(writer, report);
    putDiversity(writer, report);
    putIf(writer, report.hopFileNamed, HopReportRow::HopFileName, report.hopFileName.c_str());
    writer.put(HopReportRow::LibraryIdentification, report.libraryIdentification.c_str());
}

// The text and delimited forms: each row formatted into the report text as its layout says.
class HopReportTextRows {
  public:
    HopReportTextRows(ReportText& out, const HopReportRowLayout* layouts, bool french)
        : out_(out), layouts_(layouts), french_(french) {}

    template <typename... Values> void put(HopReportRow row, Values... values) {
        const HopReportRowLayout& layout = layouts_[static_cast<std::size_t>(row)];
        if (const char* format = french_ ? layout.french : layout.english) {
            out_.add("%s", formattedRow(format, values...).c_str());
        }
    }
    void skip(HopReportRow row) {
        const HopReportRowLayout& layout = layouts_[static_cast<std::size_t>(row)];
        out_.addLineEnds(static_cast<int>(french_ ? layout.skipFrench : layout.skipEnglish));
    }

  private:
    ReportText& out_;
    const HopReportRowLayout* layouts_;
    bool french_;
};

} // namespace korvel
