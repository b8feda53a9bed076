#include "report/route_report.h"

#include "report/pdf_print_device.h"
#include "report/report_text.h"
#include "report/route_report_page.h"
#include "report/route_table.h"

namespace korvel {
namespace {

constexpr const char* kHyphenRule =
    "------------------------------------------------------------------"; // 66

std::string routeText(const RouteTable& t, bool fr, const char* date, const char* library) {
    ReportText out;
    out.add("\n\n");
    out.add("   %s%38s\n", kCompanyLine, date);
    out.add("   %s\n\n\n\n\n\n", t.info.c_str());
    out.add("   %s\n\n\n\n", fr ? "TABLE D'INTERRUPTIONS DU TRAJET" : "ROUTE OUTAGE TABLE");
    if (fr) {
        out.add("%56s", "dur\xE9"
                        "e");
        out.add(t.rainColumn ? "     indisp.\n" : "\n");
    } else if (t.rainColumn) {
        out.add("%66s\n", "rain");
    }
    if (fr) {
        out.add("   %14s  %s%16s%s    %s", " ", "bond", " ", "longueur", "interr.");
    } else {
        out.add("   %14s  %s%18s%s     %s", " ", "hop", " ", "length", "outage");
    }
    if (t.rainColumn) {
        out.add(fr ? "   %s\n\n" : "    %s\n\n", fr ? "pluie" : "unavail");
    } else {
        out.add("\n\n");
    }
    int number = 1;
    for (const RouteTableHop& hop : t.hops) {
        out.add("   %2i  %-12.12s - %-12.12s     %5.1lf km   %7.4lf %%", number++,
                hop.station1.c_str(), hop.station2.c_str(), hop.lengthKm, hop.outagePct);
        if (t.rainColumn) {
            out.add(" %7.4lf %%\n", hop.rainPct);
        } else {
            out.add("\n");
        }
    }
    out.add("\n   %s\n", kHyphenRule);
    out.add(fr ? "   %25s  Total              :%7.4lf %%" : "   %28s  Total           :%7.4lf %%",
            " ", t.totalOutagePct);
    if (t.rainColumn) {
        out.add(" %7.4lf %%\n", t.rainTotalPct);
    } else {
        out.add("\n");
    }
    out.add(fr ? "   %25s  =============================" : "   %28s  ==========================",
            " ");
    out.add(t.rainColumn ? "==========\n\n" : "\n\n");
    out.add(fr ? "   %25s  Objectif du trajet :%7.4lf %%\n"
               : "   %28s  Route objective :%7.4lf %%\n",
            " ", t.objectivePct);
    out.add(fr ? "   %25s  Marge nominale     :%7.4lf %%\n"
               : "   %28s  Design margin   :%7.4lf %%\n",
            " ", t.designMarginPct);
    out.addLineEnds(routeFootPadding(t));
    out.add("<%s>\n", t.fileName.c_str());
    out.add("<Library: %s>\n", library);
    return out.withCrLf();
}

std::string routeDelimited(const RouteTable& t, bool fr, const char* date, const char* library) {
    ReportText out;
    out.add("%s\t\t\t\t\t\t%s\n", kCompanyLine, date);
    out.add("%s\n\n", t.info.c_str());
    out.add("%s\n\n", fr ? "TABLE D'INTERRUPTIONS DU TRAJET" : "ROUTE OUTAGE TABLE");
    if (fr) {
        out.add("\t\t\t\t\t\t%s", "dur\xE9"
                                  "e");
        out.add(t.rainColumn ? "\t\tindisp.\n" : "\n");
    } else if (t.rainColumn) {
        out.add("\t\t\t\t\t\t\t\t%s\n", "rain");
    }
    if (fr) {
        out.add("\t\t%s\t%s\t%s\t\t%s", "bond", " ", "longueur", "interr.");
    } else {
        out.add("\t\t%s\t\t%s\t\t%s", "hop", "length", "outage");
    }
    if (t.rainColumn) {
        out.add("\t\t%s\n\n", fr ? "pluie" : "unavail");
    } else {
        out.add("\n\n");
    }
    int number = 1;
    for (const RouteTableHop& hop : t.hops) {
        out.add("%2i\t%s\t - \t%s\t%5.1lf\tkm\t%7.4lf\t%%", number++, hop.station1.c_str(),
                hop.station2.c_str(), hop.lengthKm, hop.outagePct);
        if (t.rainColumn) {
            out.add("\t%7.4lf\t%%\n\n", hop.rainPct);
        } else {
            out.add("\n\n");
        }
    }
    if (fr) {
        out.add("%s\t\t\tTotal:\t\t\t%7.4lf\t%%", " ", t.totalOutagePct);
    } else {
        out.add("\n\t\t\tTotal:\t\t\t%7.4lf\t%%", t.totalOutagePct);
    }
    if (t.rainColumn) {
        out.add("\t%7.4lf\t%%\n", t.rainTotalPct);
    } else {
        out.add("\n");
    }
    out.add(fr ? "\n\t\t\tObjectif du trajet :\t\t\t%7.4lf\t%%\n"
               : "\n\t\t\tRoute objective :\t\t\t%7.4lf\t%%\n",
            t.objectivePct);
    out.add(fr ? "\t\t\tMarge nominale :\t\t\t%7.4lf\t%%\n"
               : "\t\t\tDesign margin :\t\t\t%7.4lf\t%%\n",
            t.designMarginPct);
    out.add("\n");
    out.add("<%s>\n", t.fileName.c_str());
    out.add("<Library: %s>\n", library);
    return out.withCrLf();
}

} // namespace

std::string buildRouteReport(ReportForm form, const RouteState& route, ReportLanguage language,
                             std::string_view libraryIdentification, std::string_view dateStamp) {
    if (form == ReportForm::Pdf) {
        PdfPrintDevice page;
        drawRouteReportPage(page, route, language, libraryIdentification, dateStamp);
        return page.document();
    }
    const RouteTable table = routeTable(route);
    const bool fr = language == ReportLanguage::French;
    const std::string date(dateStamp);
    const std::string library(libraryIdentification);
    if (form == ReportForm::Delimited) {
        return routeDelimited(table, fr, date.c_str(), library.c_str());
    }
    return routeText(table, fr, date.c_str(), library.c_str());
}

} // namespace korvel
