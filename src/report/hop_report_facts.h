#pragma once
// What every form of the hop report decides the same way: which rows appear and the words that
// depend on the hop's choices.

#include <string>
#include <string_view>

#include "engine/hop_record.h"
#include "report/report_kind.h"

namespace korvel {

struct EquipmentLibrary;

struct HopReportFacts {
    bool rainData = false;        // a rain calculation left its results
    bool libraryFeeders = false;  // neither feeder loss was typed over the library's value
    bool selectiveFading = false; // selective fading is not "No"
    bool thresholdDegradation = false;
    bool hopFileNamed = false; // the current hop file name is longer than one character
    DiversityMode diversity = DiversityMode::No;
    std::string title;
    std::string radioAndMethod; // radio name followed by the method suffix
    std::string polarizationWord;
    std::string modeTag;     // for example (FD,HSB)
    std::string feeder1Name; // library type names; empty when the selection is out of range
    std::string feeder2Name;
    std::string libraryIdentification;
};

HopReportFacts hopReportFacts(const HopState& hop, const EquipmentLibrary& library,
                              ReportLanguage language, std::string_view hopFileName);

// The hemisphere letters differ in their padding from form to form.
struct HemisphereLetters {
    const char* north;
    const char* south;
    const char* east;
    const char* west;
};

enum class HopReportForm { Text, Delimited, Page };

HemisphereLetters hemisphereLetters(HopReportForm form, ReportLanguage language);
const char* northSouthLetter(const HopRecord& record, const HemisphereLetters& letters);
const char* eastWestLetter(const HopRecord& record, const HemisphereLetters& letters);

} // namespace korvel
