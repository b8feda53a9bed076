#include "report/hop_report_facts.h"

#include "library/equipment_library.h"

namespace korvel {
namespace {

// A hop loaded from a damaged file may point anywhere; such a feeder has no name to show.
std::string feederTypeName(const EquipmentLibrary& library, int table, int type) {
    if (table < 0 || table >= library.feederTableCount()) {
        return {};
    }
    const FeederTable& feeders = library.feederTables[static_cast<std::size_t>(table)];
    if (type < 0 || type >= static_cast<int>(feeders.typeName.size())) {
        return {};
    }
    return feeders.typeName[static_cast<std::size_t>(type)].str();
}

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

} // namespace

HopReportFacts hopReportFacts(const HopState& hop, const EquipmentLibrary& library,
                              ReportLanguage language, std::string_view hopFileName) {
    const HopRecord& record = hop.record;
    const bool french = language == ReportLanguage::French;
    HopReportFacts facts;
    facts.rainData = !(hop.results.rainWorstMonthPct < 0);
    facts.libraryFeeders =
        hop.selection.userFeederLoss[0] == 0 && hop.selection.userFeederLoss[1] == 0;
    facts.selectiveFading = record.selectiveFading != SelectiveFading::No;
    facts.thresholdDegradation = record.thresholdDegradationDb != 0.0;
    facts.hopFileNamed = hopFileName.size() > 1;
    facts.diversity = record.diversityMode;
    facts.title = french ? "QUALIT\xC9 DE TRANSMISSION DES FAISCEAUX HERTZIENS"
                         : "ERROR PERFORMANCE CALCULATIONS FOR RADIO RELAY SYSTEM";
    const bool method1 = record.method == Method::Method1;
    const char* suffix =
        french ? (method1 ? " / UIT Rec 530 M\xE8thode 1" : " / UIT Rec 530 M\xE8thode 2")
               : (method1 ? " / ITU Rec 530 Method 1" : " / ITU Rec 530 Method 2");
    facts.radioAndMethod = record.radioName.str() + suffix;
    facts.polarizationWord =
        record.polarization == Polarization::Vertical ? "vertical" : "horizontal";
    facts.modeTag = std::string("(") + diversityTag(record.diversityMode, french) + "," +
                    usageTag(record.usageMode, french) + ")";
    facts.feeder1Name =
        feederTypeName(library, hop.selection.feederTable, hop.selection.feederIndex[0]);
    facts.feeder2Name =
        feederTypeName(library, hop.selection.feederTable, hop.selection.feederIndex[1]);
    facts.libraryIdentification = library.identification.str();
    return facts;
}

HemisphereLetters hemisphereLetters(HopReportForm form, ReportLanguage language) {
    const bool french = language == ReportLanguage::French;
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

const char* northSouthLetter(const HopRecord& record, const HemisphereLetters& letters) {
    return record.northSouth == NorthSouth::North ? letters.north : letters.south;
}

const char* eastWestLetter(const HopRecord& record, const HemisphereLetters& letters) {
    return record.eastWest == EastWest::East ? letters.east : letters.west;
}

} // namespace korvel
