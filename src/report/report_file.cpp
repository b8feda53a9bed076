#include "report/report_file.h"

#include <cstdint>
#include <string>

#include "platform/file_replace.h"
#include "platform/messages.h"
#include "platform/text_encoding.h"
#include "report/hop_report.h"
#include "report/route_report.h"

namespace korvel {

int writeReportFile(const std::filesystem::path& file, std::string_view content,
                    Messages& messages) {
    // Paths are UTF-8 at this edge; the messages take Windows-1252 like every other core text.
    const std::string name = utf8ToCp1252(file.string());
    std::error_code error;
    if (std::filesystem::exists(file, error) && !std::filesystem::is_regular_file(file, error)) {
        messages.show("Cannot open " + name, "Error", MessageIcon::None, MessageButtons::Ok);
        return 0;
    }
    // Through a temporary file: a full disk or a lost share never leaves a cut or empty report
    // that looks written.
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(content.data());
    switch (replaceFileContents(file, {bytes, content.size()})) {
    case FileWriteResult::Written:
        break;
    case FileWriteResult::CannotOpen:
        messages.show("Cannot open " + name, "Error", MessageIcon::None, MessageButtons::Ok);
        return 0;
    case FileWriteResult::CannotWrite:
        messages.show("Cannot write " + name, "Error", MessageIcon::None, MessageButtons::Ok);
        return 0;
    }
    return 1;
}

int writeHopReportFile(const std::filesystem::path& file, ReportForm form, const HopState& hop,
                       const EquipmentLibrary& library, ReportLanguage language,
                       std::string_view hopFileName, std::string_view dateStamp, Messages& messages,
                       MethodColumns methods) {
    return writeReportFile(
        file, buildHopReport(form, hop, library, language, hopFileName, dateStamp, methods),
        messages);
}

int writeRouteReportFile(const std::filesystem::path& file, ReportForm form,
                         const RouteState& route, ReportLanguage language,
                         std::string_view libraryIdentification, std::string_view dateStamp,
                         Messages& messages) {
    return writeReportFile(
        file, buildRouteReport(form, route, language, libraryIdentification, dateStamp), messages);
}

} // namespace korvel
