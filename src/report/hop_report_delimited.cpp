#include "report/hop_report.h"

#include "report/hop_report_context.h"
#include "report/report_text.h"

namespace korvel {
namespace {

// Rows 1 to 4: the company line and date, the hop's info, the title, the radio and method.
void writeHead(ReportText& out, const HopReportContext& report) {
    const bool french = report.french;
    out.add(french ? "%s\t\t\t\t%s\n" : "%s\t\t\t%s\n", kCompanyLine, report.dateStamp.c_str());
    out.add("%s\n\n", report.info.c_str());
    out.add("%s\n", report.title.c_str());
    out.add("%s\n\n", report.radioAndMethod.c_str());
}

// Rows 5 to 12: the stations, frequency, hop length, position, pL, the geoclimatic factor
// and the rain rate.
void writePath(ReportText& out, const HopReportContext& report) {
    const bool french = report.french;
    const HopRecord& record = report.record;
    out.add(french ? "Le bond en question de \t\t%s \t\xE0 \t%s\n\n"
                   : "Calculated hop from \t\t%s \tto  \t%s\n\n",
            report.station1Name.c_str(), report.station2Name.c_str());
    out.add(french ? "Fr\xE9quence radio\xE9lectrique\t\t%5.1lf\tGHz"
                   : "Radio frequency\t\t%5.1lf\tGHz",
            record.frequencyGHz);
    if (report.rainData) {
        out.add("\t%s\n", report.polarizationWord.c_str());
    } else {
        out.add("\n");
    }
    out.add(french ? "Longueur du bond\t\t%5.1lf\tkm\n" : "Hop length\t\t%5.1lf \tkm\n",
            record.hopLengthKm);
    out.add("Latitude\t\t%5.0lf", record.latitudeDeg);
    out.add("\t%s\n", report.northSouthLetter);
    out.add("Longitude\t\t%5.0lf", record.longitudeDeg);
    out.add("\t%s\n", report.eastWestLetter);
    out.add(french ? "Pourcentage\tpL\t%5.1lf\t%%\n" : "Percentage \tpL\t%5.1lf\t%%\n",
            record.pLPct);
    out.add(french ? "Facteur g\xE9oclimatique\t\t%s\n" : "Geoclimatic factor\t\t%s\n",
            report.geoclimaticFactor.c_str());
    if (report.rainData) {
        out.add(french ? "Intensit\xE9 de pluie (0.01%%)\t\t%5.1lf\tmm/h\n\n"
                       : "Rainrate (0.01%%)\t\t%5.1lf\tmm/h\n\n",
                record.rainRateMmH);
    } else {
        out.addLineEnds(1);
    }
}

// Rows 13 to 20: station and antenna heights, the feeders, the antenna diameters.
void writeStationsAndFeeders(ReportText& out, const HopReportContext& report) {
    const bool french = report.french;
    const HopRecord& record = report.record;
    out.add(french ? "Altitude des stations\t\t%5.1lf\tm\t%5.1lf\tm\n"
                   : "Station heights\t\t%5.1lf\tm\t%5.1lf\tm\n",
            record.station1HeightM, record.station2HeightM);
    out.add(french ? "(niveaux de r\xE9"
                     "f\xE9rence)\n"
                   : "(reference levels)\n");
    out.add(french ? "Hauteur d'antenne (sup\xE9rieurs\t\t%5.1lf\tm\t%5.1lf\tm\n"
                   : "Antenna heights\t\t%5.1lf\tm\t%5.1lf\tm\n",
            record.antenna1HeightM, record.antenna2HeightM);
    out.add(french ? "aux niveaux r\xE9"
                     "f\xE9rence de station)\n"
                   : "(above station ref. levels)\n");
    out.add(french ? "Longueur du feeder\t\t%5.1lf\tm\t%5.1lf\tm\n"
                   : "Feeder lengths\t\t%5.1lf\tm\t%5.1lf\tm\n",
            record.feeder1LengthM, record.feeder2LengthM);
    out.add(french ? "Pertes dans le feeder/100m\t\t%5.1lf\tdB\t%5.1lf\tdB\n"
                   : "Feeder loss/100m\t\t%5.1lf\tdB\t%5.1lf\tdB\n",
            record.feeder1LossDbPer100m, record.feeder2LossDbPer100m);
    if (report.libraryFeeders) {
        out.add(french ? "Type de feeder\t\t%s\t\t%s\n" : "Feeder type\t\t%s\t\t%s\n",
                report.feeder1Name.c_str(), report.feeder2Name.c_str());
    }
    out.add(french ? "Diam\xE8tre d'antenne\t\t%5.1lf\tm\t%5.1lf\tm\n\n"
                   : "Antenna diameters\t\t%5.1lf\tm\t%5.1lf\tm\n\n",
            record.antenna1DiameterM, record.antenna2DiameterM);
}

// Rows 21 to 33: the link budget down to the receiver threshold and its degradation.
void writeLinkBudget(ReportText& out, const HopReportContext& report) {
    const bool french = report.french;
    const HopRecord& record = report.record;
    const HopResults& results = report.results;
    out.add(french ? "Puissance de l'\xE9metteur\tPtx\t%5.1lf\tdBm\n\n"
                   : "Transmitter output power\tPtx\t%5.1lf\tdBm\n\n",
            record.ptxDbm);
    out.add(french ? "Affaiblissement en espace libre\tLo\t%5.1lf\tdB\n"
                   : "Free space loss\tLo\t%5.1lf\tdB\n",
            results.Lo);
    out.add(french ? "Affaiblissement additionel d\xFB au sol\tLad\t%5.1lf\tdB\n"
                   : "Additional terrain loss\tLad\t%5.1lf\tdB\n",
            record.addTerrainLossDb);
    out.add(french ? "Pertes de d\xE9rivation d'antenne\tLbr\t%5.1lf\tdB\t%s\n"
                   : "Antenna branching  loss\tLbr\t%5.1lf\tdB\t%s\n",
            record.branchingLossDb, report.modeTag.c_str());
    out.add(french ? "Pertes dans le feeder\tLc1\t%5.1lf\tdB\n"
                   : "Feeder losses\tLc1\t%5.1lf\tdB\n",
            results.Lc1);
    out.add(french ? "      (avec connecteurs)\tLc2\t%5.1lf\tdB\n"
                   : "      (incl. connectors)\tLc2\t%5.1lf\tdB\n",
            results.Lc2);
    out.add(french ? "Gain d'antenne\tGa1\t%5.1lf\tdBi\n" : "Antenna gains\tGa1\t%5.1lf\tdBi\n",
            record.antenna1GainDbi);
    out.add(french ? "\tGa2\t%5.1lf\tdBi\n\n" : " \tGa2\t%5.1lf\tdBi\n\n", record.antenna2GainDbi);
    out.add(french ? "Affaiblissement sur le bond\tLho\t%5.1lf\tdB\n"
                   : "Hop loss in nonfaded state\tLho\t%5.1lf\tdB\n",
            results.Lho);
    out.add(french ? "Niveau nominal de r\xE9"
                     "ception\tPrx\t%5.1lf\tdBm\n"
                   : "Received unfaded power\tPrx\t%5.1lf\tdBm\n",
            results.Prx);
    out.add(french ? "Puissance de seuil du r\xE9"
                     "cepteur\tPrxth\t%5.1lf\tdBm\n"
                   : "Receiver threshold power\tPrxth\t%5.1lf\tdBm\n",
            report.thresholdWithDegradationDbm());
    out.add(french ? "avec TEB 10%2i\n" : "at BER 10 %2i\n", report.berExponent());
    if (report.thresholdDegradation) {
        out.add(french ? "Avec deg. de seuil\tY\t%3.1lf\tdB\n\n"
                       : "Incl. threshold deg. \tY\t%3.1lf\tdB\n\n",
                record.thresholdDegradationDb);
    } else {
        out.addLineEnds(1);
    }
}

// Rows 34 to 39: the fading margins, the outage times and the rain unavailability.
void writeOutage(ReportText& out, const HopReportContext& report) {
    const bool french = report.french;
    const HopResults& results = report.results;
    out.add(french ? "Marge d'\xE9vanouissement uniforme\tM\t%5.1lf\tdB\n"
                   : "Flat fading margin\tM\t%5.1lf\tdB\n",
            results.M);
    if (report.selectiveFading) {
        out.add(french ? "Marge d'\xE9vanouissement s\xE9lectif\tMsm\t%5.1lf\tdB\n\n"
                       : "Selective fading margin\tMsm\t%5.1lf\tdB\n\n",
                results.Msm);
    } else {
        out.addLineEnds(1);
    }
    out.add(french ? "Dur\xE9"
                     "e d'interruption uniforme\tpfm\t%7.4lf\t%%\n"
                   : "Calculated flat outage time\tpfm\t%7.4lf\t%%\n",
            results.pfm);
    if (report.selectiveFading) {
        out.add(french ? "Dur\xE9"
                         "e d'interruption s\xE9lective\tpsm\t%7.4lf\t%%\n\n"
                       : "Calculated selective outage time\tpsm\t%7.4lf\t%%\n\n",
                results.psm);
    } else {
        out.addLineEnds(1);
    }
    out.add(french ? "Dur\xE9"
                     "e d'interruption totale (sans div)\tp\t%7.4lf\t%%\n"
                   : "Total outage time (nondiversity)\tp\t%7.4lf\t%%\n",
            results.p);
    if (report.rainData) {
        out.add(french ? "Indisponibilit\xE9 annuelle due \xE0 la pluie\t\t%7.4lf\t%%\n"
                       : "Annual unavailability due to rain\t\t%7.4lf\t%%\n",
                results.rainAnnualPct);
    } else {
        out.addLineEnds(1);
    }
}

// Rows 40 and 41: frequency diversity.
void writeFrequencyDiversity(ReportText& out, const HopReportContext& report) {
    const bool french = report.french;
    const HopRecord& record = report.record;
    out.add(french ? "\n\nAvec diversit\xE9 de fr\xE9quence :\n"
                   : "\n\nWith frequency diversity :\n");
    out.add(french ? "Diff\xE9rence de fr\xE9quence\tFd\t%5.3lf\n"
                   : "Frequency difference\tFd\t%5.3lf\n",
            record.frequencyDifferenceGHz);
}

// Rows 42 to 45 (45a in French files): space diversity.
void writeSpaceDiversity(ReportText& out, const HopReportContext& report) {
    const bool french = report.french;
    const HopRecord& record = report.record;
    out.add(french ? "\nAvec la diversit\xE9 d'espace:\n" : "\nWith space diversity :\n");
    out.add(french ? "Diam\xE8tre d'antenne de diversit\xE9\tDd\t%5.1lf\tm\n"
                   : "Diversity antenna diameter\tDd\t%5.1lf\tm\n",
            record.diversityDiameterM);
    out.add(french ? "Gain d'antenne\tGd\t%5.1lf\tdBi\n" : "Antenna gain\tGd\t%5.1lf\tdBi\n",
            record.diversityGainDbi);
    out.add(french ? "Distance de diversit\xE9\ts\t%5.1lf\tm\n" : "Antenna spacing\ts\t%5.1lf\tm\n",
            record.antennaSpacingM);
    if (french) {
        out.add("Separation verticale des antennes\ts\t%5.1lf\tm\n", record.antennaSpacingM);
    }
}

// Rows 46 to 51: the diversity improvement and the outage times with diversity.
void writeDiversityImprovement(ReportText& out, const HopReportContext& report) {
    const bool french = report.french;
    const HopResults& results = report.results;
    out.add(french ? "Facteur d'am\xE9lioration (uniforme)\tIfm\t%5.1lf\n"
                   : "Diversity improvement\tIfm\t%5.1lf\n",
            results.Ifm);
    if (report.selectiveFading) {
        out.add(french ? "Facteur d'am\xE9lioration (s\xE9lectif)\tIsm\t%5.1lf\n\n"
                       : "Diversity improvement\tIsm\t%5.1lf\n\n",
                results.Ism);
    } else {
        out.addLineEnds(1);
    }
    out.add(french ? "Dur\xE9"
                     "e d'interruption uniforme (div)\tpfmd\t%7.4lf\t%%\n"
                   : "Flat outage with diversity\tpfmd\t%7.4lf\t%%\n",
            results.pfmd);
    if (report.selectiveFading) {
        out.add(french ? "Dur\xE9"
                         "e d'interruption s\xE9lective (div)\tpsmd\t%7.4lf\t%%\n"
                       : "Sel. outage with diversity\tpsmd\t%7.4lf\t%%\n",
                results.psmd);
    } else {
        out.addLineEnds(1);
    }
    out.add(french ? "Dur\xE9"
                     "e d'interruption totale (div)\tpd\t%7.4lf\t%%\n"
                   : "Total outage with diversity\tpd\t%7.4lf\t%%\n",
            results.pd);
    out.add("\n\n");
}

// Rows 40 to 51, or the filler in their place without diversity.
void writeDiversity(ReportText& out, const HopReportContext& report) {
    switch (report.record.diversityMode) {
    case DiversityMode::No:
        out.addLineEnds(report.french ? 6 : 8); // in place of rows 40 to 51
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

std::string buildHopDelimitedReport(const HopState& hop, const EquipmentLibrary& library,
                                    ReportLanguage language, std::string_view hopFileName,
                                    std::string_view dateStamp) {
    const HopReportContext report =
        hopReportContext(HopReportForm::Delimited, hop, library, language, hopFileName, dateStamp);
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
