#include "report/report_file.h"

#include <fstream>
#include <string>

#include "platform/messages.h"
#include "platform/text_encoding.h"
#include "report/hop_report.h"
#include "report/route_report.h"

namespace korvel {

int writeReportFile(const std::filesystem::path& file, std::string_view content,
                    Messages& messages) {
    // Paths are UTF-8 at this edge; the messages take Windows-1252 like every other core text.
    const std::string name = utf8ToCp1252(file.string());
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    if (!stream.is_open()) {
        messages.show("Cannot open " + name, "Error", MessageIcon::None, MessageButtons::Ok);
        return 0;
    }
    stream.write(content.data(), static_cast<std::streamsize>(content.size()));
    stream.close();
    if (stream.fail()) {
        // A full disk or a lost share would otherwise leave a cut report that looks written.
        messages.show("Cannot write " + name, "Error", MessageIcon::None, MessageButtons::Ok);
        return 0;
    }
    return 1;
}

int writeHopReportFile(const std::filesystem::path& file, ReportForm form, const HopState& hop,
                       const EquipmentLibrary& library, ReportLanguage language,
                       std::string_view hopFileName, std::string_view dateStamp,
                       Messages& messages) {
    return writeReportFile(
        file, buildHopReport(form, hop, library, language, hopFileName, dateStamp), messages);
}

int writeRouteReportFile(const std::filesystem::path& file, ReportForm form,
                         const RouteState& route, ReportLanguage language,
                         std::string_view libraryIdentification, std::string_view dateStamp,
                         Messages& messages) {
    return writeReportFile(
        file, buildRouteReport(form, route, language, libraryIdentification, dateStamp), messages);
}

} // namespace korvel
