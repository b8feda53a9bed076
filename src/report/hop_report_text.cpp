#include "report/hop_report.h"

#include "report/hop_report_context.h"
#include "report/report_text.h"

namespace korvel {
namespace {

// Rows 1 to 4: the company line and date, the hop's info, the title, the radio and method.
void writeHead(ReportText& out, const HopReportContext& report) {
    const bool french = report.french;
    out.add("     %s%30s\n", kCompanyLine, report.dateStamp.c_str());
    out.add(french ? "     %s\n\n\n" : "     %s\n\n", report.info.c_str());
    out.add("     %s\n", report.title.c_str());
    out.add("     %s\n\n", report.radioAndMethod.c_str());
}

// Rows 5 to 12: the stations, frequency, hop length, position, pL, the geoclimatic factor
// and the rain rate.
void writePath(ReportText& out, const HopReportContext& report) {
    const bool french = report.french;
    const HopRecord& record = report.record;
    out.add(french ? "     Le bond en question de        %-15s \xE0   %-15s\n\n"
                   : "     Calculated hop from            %-15s to  %-15s\n\n",
            report.station1Name.c_str(), report.station2Name.c_str());
    out.add(french ? "     Fr\xE9quence radio\xE9lectrique     % 5.1lf GHz"
                   : "     Radio frequency       %5.1lf GHz",
            record.frequencyGHz);
    if (report.rainData) {
        out.add(" %s\n", report.polarizationWord.c_str());
    } else {
        out.add("\n");
    }
    out.add(french ? "     Longueur du bond              %5.1lf km\n"
                   : "     Hop length            %5.1lf km\n",
            record.hopLengthKm);
    out.add(french ? "     Latitude                     %5.0lf" : "     Latitude            %5.0lf",
            record.latitudeDeg);
    out.add(" %s\n", report.northSouthLetter);
    out.add(french ? "     Longitude                    %5.0lf" : "     Longitude           %5.0lf",
            record.longitudeDeg);
    out.add(" %s\n", report.eastWestLetter);
    out.add(french ? "     Pourcentage pL                %5.1lf %%\n"
                   : "     Percentage pL         %5.1lf %%\n",
            record.pLPct);
    out.add(french ? "     Facteur g\xE9oclimatique           %s\n"
                   : "     Geoclimatic factor      %s\n",
            report.geoclimaticFactor.c_str());
    if (report.rainData) {
        out.add(french ? "     Intensit\xE9 de pluie (0.01%%)    %5.1lf mm/h\n\n"
                       : "     Rainrate (0.01%%)      %5.1lf mm/h\n\n",
                record.rainRateMmH);
    } else {
        out.addLineEnds(french ? 3 : 1);
    }
}

// Rows 13 to 20: station and antenna heights, the feeders, the antenna diameters.
void writeStationsAndFeeders(ReportText& out, const HopReportContext& report) {
    const bool french = report.french;
    const HopRecord& record = report.record;
    out.add(french ? "     Altitude des stations           %5.1lf m            %5.1lf m\n"
                   : "     Station heights                 %5.1lf m            %5.1lf m\n",
            record.station1HeightM, record.station2HeightM);
    out.add(french ? "     (niveaux de r\xE9"
                     "f\xE9rence)\n"
                   : "     (reference levels)\n");
    out.add(french ? "     Hauteur d'antenne (sup\xE9rieurs   %5.1lf m            %5.1lf m\n"
                   : "     Antenna heights                 %5.1lf m            %5.1lf m\n",
            record.antenna1HeightM, record.antenna2HeightM);
    out.add(french ? "     aux niveaux r\xE9"
                     "f\xE9rence de station)\n"
                   : "     (above station ref. levels)\n");
    out.add(french ? "     Longueur du feeder              %5.1lf m            %5.1lf m\n"
                   : "     Feeder lengths                  %5.1lf m            %5.1lf m\n",
            record.feeder1LengthM, record.feeder2LengthM);
    out.add(french ? "     Pertes dans le feeder/100m      %5.1lf dB           %5.1lf dB\n"
                   : "     Feeder loss/100m                %5.1lf dB           %5.1lf dB\n",
            record.feeder1LossDbPer100m, record.feeder2LossDbPer100m);
    if (report.libraryFeeders) {
        out.add(french ? "     Type de feeder                  %-12.12s       %-12.12s\n"
                       : "     Feeder type                       %-12.12s       %-12.12s\n",
                report.feeder1Name.c_str(), report.feeder2Name.c_str());
    }
    out.add(french ? "     Diam\xE8tre d'antenne              %5.1lf m            %5.1lf m\n\n"
                   : "     Antenna diameters               %5.1lf m            %5.1lf m\n\n",
            record.antenna1DiameterM, record.antenna2DiameterM);
}

// Rows 21 to 33: the link budget down to the receiver threshold and its degradation.
void writeLinkBudget(ReportText& out, const HopReportContext& report) {
    const bool french = report.french;
    const HopRecord& record = report.record;
    const HopResults& results = report.results;
    out.add(french ? "     Puissance de l'\xE9metteur                   Ptx %5.1lf dBm\n\n"
                   : "     Transmitter output power          Ptx    %5.1lf dBm\n\n",
            record.ptxDbm);
    out.add(french ? "     Affaiblissement en espace libre      Lo  %5.1lf dB\n"
                   : "     Free space loss                   Lo     %5.1lf dB\n",
            results.Lo);
    out.add(french ? "     Affaiblissement additionel d\xFB au sol Lad %5.1lf dB\n"
                   : "     Additional terrain loss           Lad    %5.1lf dB\n",
            record.addTerrainLossDb);
    out.add(french ? "     Pertes de d\xE9rivation d'antenne       Lbr %5.1lf dB    %s\n"
                   : "     Antenna branching  loss           Lbr    %5.1lf dB    %s\n",
            record.branchingLossDb, report.modeTag.c_str());
    out.add(french ? "     Pertes dans le feeder                Lc1 %5.1lf dB\n"
                   : "     Feeder losses                     Lc1    %5.1lf dB\n",
            results.Lc1);
    out.add(french ? "           (avec connecteurs)             Lc2 %5.1lf dB\n"
                   : "           (incl. connectors)          Lc2    %5.1lf dB\n",
            results.Lc2);
    out.add(french ? "     Gain d'antenne                       Ga1 %5.1lf dBi\n"
                   : "     Antenna gains                     Ga1    %5.1lf dBi\n",
            record.antenna1GainDbi);
    out.add(french ? "                                          Ga2 %5.1lf dBi\n\n"
                   : "                                       Ga2    %5.1lf dBi\n\n",
            record.antenna2GainDbi);
    out.add(french ? "     Affaiblissement sur le bond             Lho    %5.1lf     dB\n"
                   : "     Hop loss in nonfaded state        Lho    %5.1lf dB\n",
            results.Lho);
    out.add(french ? "     Niveau nominal de r\xE9"
                     "ception             Prx    %5.1lf     dBm\n"
                   : "     Received unfaded power            Prx    %5.1lf dBm\n",
            results.Prx);
    out.add(french ? "     Puissance de seuil du r\xE9"
                     "cepteur         Prxth  %5.1lf     dBm\n"
                   : "     Receiver threshold power          Prxth  %5.1lf dBm\n",
            report.thresholdWithDegradationDbm());
    out.add(french ? "     avec TEB 10 %2i\n" : "     at BER 10 %2i\n", report.berExponent());
    if (report.thresholdDegradation) {
        out.add(french ? "     Avec deg. de seuil Y  %3.1lf dB\n\n"
                       : "     Incl. threshold deg. Y  %3.1lf dB\n\n",
                record.thresholdDegradationDb);
    } else {
        out.addLineEnds(french ? 2 : 1);
    }
}

// Rows 34 to 39: the fading margins, the outage times and the rain unavailability.
void writeOutage(ReportText& out, const HopReportContext& report) {
    const bool french = report.french;
    const HopResults& results = report.results;
    out.add(french ? "     Marge d'\xE9vanouissement uniforme         M      %5.1lf     dB\n"
                   : "     Flat fading margin                M      %5.1lf dB\n",
            results.M);
    if (report.selectiveFading) {
        out.add(french
                    ? "     Marge d'\xE9vanouissement s\xE9lectif         Msm    %5.1lf     dB\n\n"
                    : "     Selective fading margin           Msm    %5.1lf dB\n\n",
                results.Msm);
    } else {
        out.addLineEnds(french ? 2 : 1);
    }
    out.add(french ? "     Dur\xE9"
                     "e d'interruption uniforme           pfm    %7.4lf   %%\n"
                   : "     Calculated flat outage time       pfm    %7.4lf   %%\n",
            results.pfm);
    if (report.selectiveFading) {
        out.add(french ? "     Dur\xE9"
                         "e d'interruption s\xE9lective          psm    %7.4lf   %%\n\n"
                       : "     Calculated selective outage time  psm    %7.4lf   %%\n\n",
                results.psm);
    } else {
        out.addLineEnds(french ? 2 : 1);
    }
    out.add(french ? "     Dur\xE9"
                     "e d'interruption totale (sans div)  p      %7.4lf   %%\n"
                   : "     Total outage time (nondiversity)  p      %7.4lf   %%\n",
            results.p);
    if (report.rainData) {
        out.add(french ? "     Indisponibilit\xE9 annuelle due \xE0 la pluie        %7.4lf   %%\n"
                       : "     Annual unavailability due to rain        %7.4lf   %%\n",
                results.rainAnnualPct);
    } else {
        out.addLineEnds(1);
    }
}

// Rows 40 and 41: frequency diversity.
void writeFrequencyDiversity(ReportText& out, const HopReportContext& report) {
    const bool french = report.french;
    const HopRecord& record = report.record;
    out.add(french ? "\n\n\n     Avec diversit\xE9 de fr\xE9quence :\n"
                   : "\n\n     With frequency diversity :\n");
    out.add(french ? "     Diff\xE9rence de fr\xE9quence            Fd  %5.3lf\n"
                   : "     Frequency difference              Fd     %5.3lf\n",
            record.frequencyDifferenceGHz);
}

// Rows 42 to 45 (45a in French files): space diversity.
void writeSpaceDiversity(ReportText& out, const HopReportContext& report) {
    const bool french = report.french;
    const HopRecord& record = report.record;
    out.add(french ? "\n     Avec la diversit\xE9 d'espace:\n" : "\n     With space diversity :\n");
    out.add(french ? "     Diam\xE8tre d'antenne de diversit\xE9    Dd  %5.1lf m\n"
                   : "     Diversity antenna diameter        Dd     %5.1lf m\n",
            record.diversityDiameterM);
    out.add(french ? "     Gain d'antenne                     Gd  %5.1lf dBi\n"
                   : "     Antenna gain                      Gd     %5.1lf dBi\n",
            record.diversityGainDbi);
    out.add(french ? "     Distance de diversit\xE9              s   %5.1lf m\n"
                   : "     Antenna spacing                   s      %5.1lf m\n",
            record.antennaSpacingM);
    if (french) {
        out.add("     Separation verticale des antennes  s   %5.1lf m\n", record.antennaSpacingM);
    }
}

// Rows 46 to 51: the diversity improvement and the outage times with diversity.
void writeDiversityImprovement(ReportText& out, const HopReportContext& report) {
    const bool french = report.french;
    const HopResults& results = report.results;
    out.add(french ? "     Facteur d'am\xE9lioration (uniforme)  Ifm %5.1lf\n"
                   : "     Diversity improvement             Ifm    %5.1lf\n",
            results.Ifm);
    if (report.selectiveFading) {
        out.add(french ? "     Facteur d'am\xE9lioration (s\xE9lectif)  Ism %5.1lf\n\n"
                       : "     Diversity improvement             Ism    %5.1lf\n\n",
                results.Ism);
    } else {
        out.addLineEnds(french ? 2 : 1);
    }
    out.add(french ? "     Dur\xE9"
                     "e d'interruption uniforme (div)      pfmd   %7.4lf   %%\n"
                   : "     Flat outage with diversity        pfmd   %7.4lf   %%\n",
            results.pfmd);
    if (report.selectiveFading) {
        out.add(french ? "     Dur\xE9"
                         "e d'interruption s\xE9lective (div)     psmd   %7.4lf   %%\n"
                       : "     Sel. outage with diversity        psmd   %7.4lf   %%\n",
                results.psmd);
    } else {
        out.addLineEnds(french ? 2 : 1);
    }
    out.add(french ? "     Dur\xE9"
                     "e d'interruption totale (div)        pd     %7.4lf   %%\n"
                   : "     Total outage with diversity       pd     %7.4lf   %%\n",
            results.pd);
    out.add("\n\n");
}

// Rows 40 to 51, or the filler in their place without diversity.
void writeDiversity(ReportText& out, const HopReportContext& report) {
    switch (report.record.diversityMode) {
    case DiversityMode::No:
        out.addLineEnds(13); // in place of rows 40 to 51
        return;
    case DiversityMode::Freq:
        writeFrequencyDiversity(out, report);
        break;
    case DiversityMode::Space:
        writeSpaceDiversity(out, report);
        break;
    }
    writeDiversityImprovement(out, report);
}

} // namespace

std::string buildHopTextReport(const HopState& hop, const EquipmentLibrary& library,
                               ReportLanguage language, std::string_view hopFileName,
                               std::string_view dateStamp) {
    const HopReportContext report =
        hopReportContext(HopReportForm::Text, hop, library, language, hopFileName, dateStamp);
    ReportText out;
    writeHead(out, report);
    writePath(out, report);
    writeStationsAndFeeders(out, report);
    writeLinkBudget(out, report);
    writeOutage(out, report);
    writeDiversity(out, report);
    writeHopReportFoot(out, report);
    return out.withCrLf();
}

} // namespace korvel
