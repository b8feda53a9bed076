#pragma once
// Writing a finished report to its file, with the messages the user sees when that fails.

#include <filesystem>
#include <string_view>

#include "engine/hop_record.h"
#include "report/methods_section.h"
#include "report/report_kind.h"

namespace korvel {

class Messages;
struct EquipmentLibrary;
struct RouteState;

// Creates or replaces file and writes content as it is. Returns 1 when the whole content was
// written; 0 after telling the user: "Cannot open <name>" when the file cannot be created,
// "Cannot write <name>" when writing or closing it failed (caption "Error" both).
int writeReportFile(const std::filesystem::path& file, std::string_view content,
                    Messages& messages);

// The report writers the print options offer: build the report, write it to file (with the
// section of the current methods when columns are given).
int writeHopReportFile(const std::filesystem::path& file, ReportForm form, const HopState& hop,
                       const EquipmentLibrary& library, ReportLanguage language,
                       std::string_view hopFileName, std::string_view dateStamp, Messages& messages,
                       MethodColumns methods = {});
int writeRouteReportFile(const std::filesystem::path& file, ReportForm form,
                         const RouteState& route, ReportLanguage language,
                         std::string_view libraryIdentification, std::string_view dateStamp,
                         Messages& messages);

} // namespace korvel
