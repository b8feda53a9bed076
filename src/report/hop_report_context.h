#pragma once
// What every form of the hop report prints the same way: one snapshot of the hop, the conditions
// that decide which rows appear, and the words and values that depend on the hop's choices. The
// text, delimited and page writers each print this context in their own layout.

#include <string>
#include <string_view>

#include "engine/hop_record.h"
#include "report/report_kind.h"

namespace korvel {

struct EquipmentLibrary;

// The forms differ in the padding of the hemisphere letters and in the decimals of the
// geoclimatic factor.
enum class HopReportForm { Text, Delimited, Page };

struct HopReportContext {
    HopRecord record; // the report reads one snapshot throughout
    HopResults results;
    bool french = false;

    // Which rows appear.
    bool rainData = false;        // a rain calculation left its results
    bool libraryFeeders = false;  // neither feeder loss was typed over the library's value
    bool selectiveFading = false; // selective fading is not "No"
    bool thresholdDegradation = false;
    bool hopFileNamed = false; // the current hop file name is longer than one character

    // Words and texts.
    std::string dateStamp;
    std::string hopFileName;
    std::string info;
    std::string station1Name;
    std::string station2Name;
    std::string title;
    std::string radioAndMethod; // radio name followed by the method suffix
    std::string polarizationWord;
    const char* northSouthLetter = "";
    const char* eastWestLetter = "";
    std::string geoclimaticFactor; // K in the form's exponent notation
    std::string modeTag;           // for example (FD,HSB)
    std::string feeder1Name;       // library type names; empty when the selection is out of range
    std::string feeder2Name;
    std::string libraryIdentification;

    // The receiver threshold including the threshold degradation (row 31).
    [[nodiscard]] double thresholdWithDegradationDbm() const {
        return record.prxthDbm + record.thresholdDegradationDb;
    }
    // The bit error rate exponent as the report prints it, for example -6.
    [[nodiscard]] int berExponent() const { return int{record.berExponent}; }
};

// hopFileName: the hop file last saved or opened, without its folder ("" while never saved).
// dateStamp: see formatDateStamp.
HopReportContext hopReportContext(HopReportForm form, const HopState& hop,
                                  const EquipmentLibrary& library, ReportLanguage language,
                                  std::string_view hopFileName, std::string_view dateStamp);

} // namespace korvel
