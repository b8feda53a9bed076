#include "report/hop_report_page.h"

#include "platform/print_device.h"
#include "report/hop_report_context.h"
#include "report/report_page_pen.h"
#include "report/report_text.h"

namespace korvel {
namespace {

// Rows 1 to 4: the company line and date, the hop's info, the title, the radio and method.
void drawHead(ReportPagePen& pen, const HopReportContext& report) {
    const bool french = report.french;
    pen.row(formatted(" %s%30s", kCompanyLine, report.dateStamp.c_str()), 1);
    pen.row(formatted(" %s", report.info.c_str()), french ? 3 : 2);
    pen.row(formatted(" %s", report.title.c_str()), 1);
    pen.row(formatted(" %s", report.radioAndMethod.c_str()), 2);
}

// Rows 5 to 12: the stations, frequency, hop length, position, pL, the geoclimatic factor
// and the rain rate.
void drawPath(ReportPagePen& pen, const HopReportContext& report) {
    const bool french = report.french;
    const HopRecord& record = report.record;
    pen.row(formatted(french ? " Le bond en question de         %-15s \xE0 %-15s"
                             : " Calculated hop from      %-15s to  %-15s",
                      report.station1Name.c_str(), report.station2Name.c_str()),
            french ? 2 : 1.5);
    pen.row(formatted(french ? " Fr\xE9quence radio\xE9lectrique     %5.1lf GHz %s"
                             : " Radio frequency       %5.1lf GHz %s",
                      record.frequencyGHz, report.rainData ? report.polarizationWord.c_str() : ""),
            1);
    pen.row(formatted(french ? " Longueur du bond              %5.1lf km"
                             : " Hop length            %5.1lf km",
                      record.hopLengthKm),
            1);
    pen.row(formatted(french ? " Latitude                     %5.0lf%s"
                             : " Latitude            %5.0lf%s",
                      record.latitudeDeg, report.northSouthLetter),
            1);
    pen.row(formatted(french ? " Longitude                    %5.0lf%s"
                             : " Longitude           %5.0lf%s",
                      record.longitudeDeg, report.eastWestLetter),
            1);
    pen.row(formatted(french ? " Pourcentage pL                %5.1lf %%"
                             : " Percentage pL         %5.1lf %%",
                      record.pLPct),
            1);
    pen.draw(
        formatted(french ? " Facteur g\xE9oclimatique           %s" : " Geoclimatic factor      %s",
                  report.geoclimaticFactor.c_str()));
    if (report.rainData) {
        pen.advance(1);
        pen.draw(formatted(french ? " Intensit\xE9 de pluie (0.01%%)    %5.1lf mm/h"
                                  : " Rainrate (0.01%%)      %5.1lf mm/h",
                           record.rainRateMmH));
    }
    pen.advance(1.5);
}

// Rows 13 to 20: station and antenna heights, the feeders, the antenna diameters.
void drawStationsAndFeeders(ReportPagePen& pen, const HopReportContext& report) {
    const bool french = report.french;
    const HopRecord& record = report.record;
    pen.row(formatted(french ? " Altitude des stations           %5.1lf m            %5.1lf m"
                             : " Station heights            %5.1lf m            %5.1lf m",
                      record.station1HeightM, record.station2HeightM),
            1);
    pen.row(formatted(french ? " (niveaux de r\xE9"
                               "f\xE9rence)"
                             : " (reference levels)"),
            1);
    pen.row(formatted(french ? " Hauteur d'antenne (sup\xE9rieurs   %5.1lf m            %5.1lf m"
                             : " Antenna heights            %5.1lf m            %5.1lf m",
                      record.antenna1HeightM, record.antenna2HeightM),
            1);
    pen.row(formatted(french ? " aux niveaux r\xE9"
                               "f\xE9rence de station)"
                             : " (above station ref. levels)"),
            1);
    pen.row(formatted(french ? " Longueur du feeder              %5.1lf m            %5.1lf m"
                             : " Feeder lengths             %5.1lf m            %5.1lf m",
                      record.feeder1LengthM, record.feeder2LengthM),
            1);
    pen.row(formatted(french ? " Pertes dans le feeder/100m      %5.1lf dB           %5.1lf dB"
                             : " Feeder loss/100m           %5.1lf dB           %5.1lf dB",
                      record.feeder1LossDbPer100m, record.feeder2LossDbPer100m),
            1);
    if (report.libraryFeeders) {
        pen.row(formatted(french ? " Type de feeder                  %-12.12s       %-12.12s"
                                 : " Feeder type                 %-12.12s       %-12.12s",
                          report.feeder1Name.c_str(), report.feeder2Name.c_str()),
                1);
    }
    pen.row(formatted(french ? " Diam\xE8tre d'antenne              %5.1lf m            %5.1lf m"
                             : " Antenna diameters          %5.1lf m            %5.1lf m",
                      record.antenna1DiameterM, record.antenna2DiameterM),
            2);
}

// Rows 21 to 33: the link budget down to the receiver threshold and its degradation.
void drawLinkBudget(ReportPagePen& pen, const HopReportContext& report) {
    const bool french = report.french;
    const HopRecord& record = report.record;
    const HopResults& results = report.results;
    pen.row(formatted(french ? " Puissance de l'\xE9metteur                   Ptx %5.1lf dBm"
                             : " Transmitter output power            Ptx %5.1lf dBm",
                      record.ptxDbm),
            2);
    pen.row(formatted(french ? " Affaiblissement en espace libre      Lo  %5.1lf dB"
                             : " Free space loss            Lo           %5.1lf dB",
                      results.Lo),
            1);
    pen.row(formatted(french ? " Affaiblissement additionel d\xFB au sol Lad %5.1lf dB"
                             : " Additional terrain loss    Lad          %5.1lf dB",
                      record.addTerrainLossDb),
            1);
    pen.row(formatted(french ? " Pertes de d\xE9rivation d'antenne       Lbr %5.1lf dB    %s"
                             : " Antenna branching  loss    Lbr          %5.1lf dB    %s",
                      record.branchingLossDb, report.modeTag.c_str()),
            1);
    pen.row(formatted(french ? " Pertes dans le feeder                Lc1 %5.1lf dB"
                             : " Feeder losses              Lc1          %5.1lf dB",
                      results.Lc1),
            1);
    pen.row(formatted(french ? "       (avec connecteurs)             Lc2 %5.1lf dB"
                             : "       (incl. connectors)   Lc2          %5.1lf dB",
                      results.Lc2),
            1);
    pen.row(formatted(french ? " Gain d'antenne                       Ga1 %5.1lf dBi"
                             : " Antenna gains              Ga1          %5.1lf dBi",
                      record.antenna1GainDbi),
            1);
    pen.row(formatted(french ? "                                      Ga2 %5.1lf dBi"
                             : "                            Ga2          %5.1lf dBi",
                      record.antenna2GainDbi),
            2);
    pen.row(formatted(french ? " Affaiblissement sur le bond             Lho    %5.1lf     dB"
                             : " Hop loss in nonfaded state        Lho   %5.1lf     dB",
                      results.Lho),
            1);
    pen.row(formatted(french ? " Niveau nominal de r\xE9"
                               "ception             Prx    %5.1lf     dBm"
                             : " Received unfaded power            Prx   %5.1lf     dBm",
                      results.Prx),
            1);
    pen.row(formatted(french ? " Puissance de seuil du r\xE9"
                               "cepteur         Prxth  %5.1lf     dBm"
                             : " Receiver threshold power          Prxth %5.1lf     dBm",
                      report.thresholdWithDegradationDbm()),
            1);
    pen.draw(formatted(french ? " avec TEB 10 %2i" : " at BER 10 %2i", report.berExponent()));
    if (report.thresholdDegradation) {
        pen.advance(1);
        pen.draw(formatted(french ? " Avec deg. de seuil Y  %3.1lf dB"
                                  : " Incl. threshold deg. Y  %3.1lf dB",
                           record.thresholdDegradationDb));
    }
    pen.advance(1.5);
}

// Rows 34 to 39: the fading margins, the outage times and the rain unavailability.
void drawOutage(ReportPagePen& pen, const HopReportContext& report) {
    const bool french = report.french;
    const HopResults& results = report.results;
    pen.row(formatted(french ? " Marge d'\xE9vanouissement uniforme         M      %5.1lf     dB"
                             : " Flat fading margin                M     %5.1lf     dB",
                      results.M),
            1);
    if (report.selectiveFading) {
        pen.row(
            formatted(french ? " Marge d'\xE9vanouissement s\xE9lectif         Msm    %5.1lf     dB"
                             : " Selective fading margin           Msm   %5.1lf     dB",
                      results.Msm),
            1.5);
    } else {
        pen.advance(1);
    }
    pen.row(formatted(french ? " Dur\xE9"
                               "e d'interruption uniforme           pfm    %7.4lf   %%"
                             : " Calculated flat outage time       pfm   %7.4lf   %%",
                      results.pfm),
            1);
    if (report.selectiveFading) {
        pen.draw(formatted(french ? " Dur\xE9"
                                    "e d'interruption s\xE9lective          psm    %7.4lf   %%"
                                  : " Calculated selective outage time  psm   %7.4lf   %%",
                           results.psm));
    }
    pen.advance(french ? 2 : 1);
    pen.row(formatted(french ? " Dur\xE9"
                               "e d'interruption totale (sans div)  p      %7.4lf   %%"
                             : " Total outage time (nondiversity)  p     %7.4lf   %%",
                      results.p),
            1);
    if (report.rainData) {
        pen.draw(formatted(french
                               ? " Indisponibilit\xE9 annuelle due \xE0 la pluie        %7.4lf   %%"
                               : " Annual unavailability due to rain       %7.4lf   %%",
                           results.rainAnnualPct));
    }
    pen.advance(1);
}

// Rows 40 and 41: frequency diversity.
void drawFrequencyDiversity(ReportPagePen& pen, const HopReportContext& report) {
    const bool french = report.french;
    const HopRecord& record = report.record;
    pen.advance(3);
    pen.row(
        formatted(french ? " Avec diversit\xE9 de fr\xE9quence :" : " With frequency diversity :"),
        1);
    pen.row(formatted(french ? " Diff\xE9rence de fr\xE9quence            Fd  %5.3lf"
                             : " Frequency difference       Fd  %5.3lf",
                      record.frequencyDifferenceGHz),
            1);
}

// Rows 42 to 45: space diversity (the page leaves row 45a out).
void drawSpaceDiversity(ReportPagePen& pen, const HopReportContext& report) {
    const bool french = report.french;
    const HopRecord& record = report.record;
    pen.advance(1);
    pen.row(formatted(french ? " Avec la diversit\xE9 d'espace:" : " With space diversity :"), 1);
    pen.row(formatted(french ? " Diam\xE8tre d'antenne de diversit\xE9    Dd  %5.1lf m"
                             : " Diversity antenna diameter Dd  %5.1lf m",
                      record.diversityDiameterM),
            1);
    pen.row(formatted(french ? " Gain d'antenne                     Gd  %5.1lf dBi"
                             : " Antenna gain               Gd  %5.1lf dBi",
                      record.diversityGainDbi),
            1);
    pen.row(formatted(french ? " Distance de diversit\xE9              s   %5.1lf m"
                             : " Antenna spacing            s   %5.1lf m",
                      record.antennaSpacingM),
            1);
}

// Rows 46 to 51: the diversity improvement and the outage times with diversity.
void drawDiversityImprovement(ReportPagePen& pen, const HopReportContext& report) {
    const bool french = report.french;
    const HopResults& results = report.results;
    pen.row(formatted(french ? " Facteur d'am\xE9lioration (uniforme)  Ifm %5.1lf"
                             : " Diversity improvement      Ifm %5.1lf",
                      results.Ifm),
            1);
    if (report.selectiveFading) {
        pen.draw(formatted(french ? " Facteur d'am\xE9lioration (s\xE9lectif)  Ism %5.1lf"
                                  : " Diversity improvement      Ism %5.1lf",
                           results.Ism));
    }
    pen.advance(2);
    pen.row(formatted(french ? " Dur\xE9"
                               "e d'interruption uniforme (div)      pfmd   %7.4lf   %%"
                             : " Flat outage with diversity        pfmd  %7.4lf   %%",
                      results.pfmd),
            1);
    if (report.selectiveFading) {
        pen.row(formatted(french ? " Dur\xE9"
                                   "e d'interruption s\xE9lective (div)     psmd   %7.4lf   %%"
                                 : " Sel. outage with diversity        psmd  %7.4lf   %%",
                          results.psmd),
                1);
    } else {
        pen.advance(2);
    }
    pen.row(formatted(french ? " Dur\xE9"
                               "e d'interruption totale (div)        pd     %7.4lf   %%"
                             : " Total outage with diversity       pd    %7.4lf   %%",
                      results.pd),
            2);
}

// Rows 40 to 51, or the filler in their place without diversity.
void drawDiversity(ReportPagePen& pen, const HopReportContext& report) {
    switch (report.record.diversityMode) {
    case DiversityMode::No:
        pen.advance(13); // in place of rows 40 to 51
        return;
    case DiversityMode::Freq:
        drawFrequencyDiversity(pen, report);
        break;
    case DiversityMode::Space:
        drawSpaceDiversity(pen, report);
        break;
    }
    drawDiversityImprovement(pen, report);
}

// Rows 52 and 53: the hop file name and the library identification.
void drawFoot(ReportPagePen& pen, const HopReportContext& report) {
    if (report.hopFileNamed) {
        pen.row(formatted("<%s>", report.hopFileName.c_str()), 1);
    }
    pen.draw(formatted("<Library: %s>", report.libraryIdentification.c_str()));
}

} // namespace

void drawHopReportPage(PrintDevice& device, const HopState& hop, const EquipmentLibrary& library,
                       ReportLanguage language, std::string_view hopFileName,
                       std::string_view dateStamp) {
    const HopReportContext report =
        hopReportContext(HopReportForm::Page, hop, library, language, hopFileName, dateStamp);
    ReportPagePen pen(device, 6 * device.averageCharWidth(), 2 * device.lineHeight());
    drawHead(pen, report);
    drawPath(pen, report);
    drawStationsAndFeeders(pen, report);
    drawLinkBudget(pen, report);
    drawOutage(pen, report);
    drawDiversity(pen, report);
    drawFoot(pen, report);
}

} // namespace korvel
