#include "report/hop_report_context.h"

#include "library/equipment_library.h"
#include "report/report_text.h"

namespace korvel {
namespace {

const char* diversityTag(DiversityMode mode, bool french) {
    switch (mode) {
    case DiversityMode::No:
        return "ND";
    case DiversityMode::Freq:
        return french ? "DF" : "FD";
    case DiversityMode::Space:
        return french ? "DE" : "SD";
    }
    return "";
}

const char* usageTag(UsageMode mode, bool french) {
    switch (mode) {
    case UsageMode::Single:
        return french ? "1+0" : "SINGLE";
    case UsageMode::Hsb:
        return "HSB";
    case UsageMode::OnePlusOne:
        return "1+1";
    }
    return "";
}

const char* methodSuffix(Method method, bool french) {
    const bool method1 = method == Method::Method1;
    if (french) {
        return method1 ? " / UIT Rec 530 M\xE8thode 1" : " / UIT Rec 530 M\xE8thode 2";
    }
    return method1 ? " / ITU Rec 530 Method 1" : " / ITU Rec 530 Method 2";
}

struct HemisphereLetters {
    const char* north;
    const char* south;
    const char* east;
    const char* west;
};

HemisphereLetters hemisphereLetters(HopReportForm form, bool french) {
    switch (form) {
    case HopReportForm::Text:
        return french ? HemisphereLetters{" N", " S", " E", " O"}
                      : HemisphereLetters{"  N", "  S", "  E", "  W"};
    case HopReportForm::Delimited:
        return french ? HemisphereLetters{"N", "S", "E", "O"}
                      : HemisphereLetters{"N", "S", "E", "W"};
    case HopReportForm::Page:
        break;
    }
    return french ? HemisphereLetters{"  N", "  S", "  E", "  O"}
                  : HemisphereLetters{"   N", "   S", "   E", "   W"};
}

} // namespace

HopReportContext hopReportContext(HopReportForm form, const HopState& hop,
                                  const EquipmentLibrary& library, ReportLanguage language,
                                  std::string_view hopFileName, std::string_view dateStamp) {
    HopReportContext report;
    report.record = hop.record;
    report.results = hop.results;
    report.french = language == ReportLanguage::French;
    const HopRecord& record = report.record;
    const bool french = report.french;

    report.rainData = !(hop.results.rainWorstMonthPct < 0);
    report.libraryFeeders =
        hop.selection.userFeederLoss[0] == 0 && hop.selection.userFeederLoss[1] == 0;
    report.selectiveFading = record.selectiveFading != SelectiveFading::No;
    report.thresholdDegradation = record.thresholdDegradationDb != 0.0;
    report.hopFileNamed = hopFileName.size() > 1;

    report.dateStamp = dateStamp;
    report.hopFileName = hopFileName;
    report.info = record.info.str();
    report.station1Name = record.station1Name.str();
    report.station2Name = record.station2Name.str();
    report.title = french ? "QUALIT\xC9 DE TRANSMISSION DES FAISCEAUX HERTZIENS"
                          : "ERROR PERFORMANCE CALCULATIONS FOR RADIO RELAY SYSTEM";
    report.radioAndMethod = record.radioName.str() + methodSuffix(record.method, french);
    report.polarizationWord =
        record.polarization == Polarization::Vertical ? "vertical" : "horizontal";
    const HemisphereLetters letters = hemisphereLetters(form, french);
    report.northSouthLetter =
        record.northSouth == NorthSouth::North ? letters.north : letters.south;
    report.eastWestLetter = record.eastWest == EastWest::East ? letters.east : letters.west;
    // The English page shows three decimals of the factor, every other form two ("%5.2lE").
    const int factorDecimals = form == HopReportForm::Page && !french ? 3 : 2;
    report.geoclimaticFactor = exponentText(hop.results.K, factorDecimals, 5);
    report.modeTag = std::string("(") + diversityTag(record.diversityMode, french) + "," +
                     usageTag(record.usageMode, french) + ")";
    // A hop loaded from a damaged file may point anywhere: such a feeder has no name to show.
    report.feeder1Name =
        library.feederTypeName(hop.selection.feederTable, hop.selection.feederIndex[0]);
    report.feeder2Name =
        library.feederTypeName(hop.selection.feederTable, hop.selection.feederIndex[1]);
    report.libraryIdentification = library.identification.str();
    return report;
}

} // namespace korvel
