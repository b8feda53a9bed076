#include "report/route_report_page.h"

#include <algorithm>
#include <string>

#include "platform/print_device.h"
#include "report/report_text.h"
#include "report/route_table.h"

namespace korvel {

void drawRouteReportPage(PrintDevice& device, const RouteState& route, ReportLanguage language,
                         std::string_view libraryIdentification, std::string_view dateStamp) {
    const RouteTable t = routeTable(route);
    const bool fr = language == ReportLanguage::French;
    const int x = 3 * device.averageCharWidth();
    const int lineHeight = device.lineHeight();
    const auto line = [&](int lines, const std::string& text) {
        device.text(x, lines * lineHeight, text);
    };
    const int n = static_cast<int>(t.hops.size());
    const std::string date(dateStamp);
    const std::string library(libraryIdentification);

    line(3, formatted(" %s%38s", kCompanyLine, date.c_str()));
    line(4, formatted(" %s", t.info.c_str()));
    line(10, formatted(" %s", fr ? "TABLE D'INTERRUPTIONS DU TRAJET" : "ROUTE OUTAGE TABLE"));
    if (fr) {
        line(13, formatted("%53s", "dur\xE9"
                                   "e") +
                     (t.rainColumn ? "     indisp." : ""));
    } else if (t.rainColumn) {
        line(13, formatted("%63s", "rain"));
    }
    if (fr) {
        line(14, formatted("  %14s%s%16s%s    %s", " ", "bond", " ", "longueur", "interr.") +
                     (t.rainColumn ? formatted("   %s", "pluie") : ""));
    } else {
        line(14, formatted("  %14s%s%18s%s     %s", " ", "hop", " ", "length", "outage") +
                     (t.rainColumn ? formatted("    %s", "unavail") : ""));
    }
    for (int i = 0; i < n; ++i) {
        const RouteTableHop& hop = t.hops[static_cast<std::size_t>(i)];
        line(16 + i,
             formatted("%2i  %-12.12s - %-12.12s     %5.1lf km   %7.4lf %%", i + 1,
                       hop.station1.c_str(), hop.station2.c_str(), hop.lengthKm, hop.outagePct) +
                 (t.rainColumn ? formatted(" %7.4lf %%", hop.rainPct) : ""));
    }
    line(17 + n, std::string(66, '-'));
    line(18 + n,
         formatted(fr ? "%25s  Total              :%7.4lf %%" : "%28s  Total           :%7.4lf %%",
                   " ", t.totalOutagePct) +
             (t.rainColumn ? formatted(" %7.4lf %%", t.rainTotalPct) : ""));
    line(19 + n,
         formatted(fr ? "%25s  =============================" : "%28s  ==========================",
                   " ") +
             (t.rainColumn ? "==========" : ""));
    line(21 + n,
         formatted(fr ? "%25s  Objectif du trajet :%7.4lf %%" : "%28s  Route objective :%7.4lf %%",
                   " ", t.objectivePct));
    line(22 + n,
         formatted(fr ? "%25s  Marge nominale     :%7.4lf %%" : "%28s  Design margin   :%7.4lf %%",
                   " ", t.designMarginPct));
    // The foot stands on line 42; a full route of 20 hops would put its design margin there too.
    const int footLine = std::max(42, 23 + n);
    line(footLine, formatted("<%s>", t.fileName.c_str()));
    line(footLine + 1, formatted("<Library: %s>", library.c_str()));
}

} // namespace korvel
