#include "report/hop_report.h"

#include "library/equipment_library.h"
#include "report/hop_report_facts.h"
#include "report/report_text.h"

namespace korvel {

std::string buildHopDelimitedReport(const HopState& hop, const EquipmentLibrary& library,
                                    ReportLanguage language, std::string_view hopFileName,
                                    std::string_view dateStamp) {
    const HopRecord r = hop.record; // the report reads one snapshot throughout
    const HopResults& x = hop.results;
    const HopReportFacts f = hopReportFacts(hop, library, language, hopFileName);
    const HemisphereLetters letters = hemisphereLetters(HopReportForm::Delimited, language);
    const bool fr = language == ReportLanguage::French;
    const std::string dateText(dateStamp);
    const char* date = dateText.c_str();
    const std::string hopFileText(hopFileName);
    const char* hopFile = hopFileText.c_str();
    const std::string K = exponentText(x.K, 2, 5); // "%5.2lE"
    ReportText out;

    out.add(fr ? "%s\t\t\t\t%s\n" : "%s\t\t\t%s\n", kCompanyLine, date);
    out.add("%s\n\n", r.info.str().c_str());
    out.add("%s\n", f.title.c_str());
    out.add("%s\n\n", f.radioAndMethod.c_str());
    out.add(fr ? "Le bond en question de \t\t%s \t\xE0 \t%s\n\n"
               : "Calculated hop from \t\t%s \tto  \t%s\n\n",
            r.station1Name.str().c_str(), r.station2Name.str().c_str());
    out.add(fr ? "Fr\xE9quence radio\xE9lectrique\t\t%5.1lf\tGHz"
               : "Radio frequency\t\t%5.1lf\tGHz",
            r.frequencyGHz);
    if (f.rainData) {
        out.add("\t%s\n", f.polarizationWord.c_str());
    } else {
        out.add("\n");
    }
    out.add(fr ? "Longueur du bond\t\t%5.1lf\tkm\n" : "Hop length\t\t%5.1lf \tkm\n", r.hopLengthKm);
    out.add("Latitude\t\t%5.0lf", r.latitudeDeg);
    out.add("\t%s\n", northSouthLetter(r, letters));
    out.add("Longitude\t\t%5.0lf", r.longitudeDeg);
    out.add("\t%s\n", eastWestLetter(r, letters));
    out.add(fr ? "Pourcentage\tpL\t%5.1lf\t%%\n" : "Percentage \tpL\t%5.1lf\t%%\n", r.pLPct);
    out.add(fr ? "Facteur g\xE9oclimatique\t\t%s\n" : "Geoclimatic factor\t\t%s\n", K.c_str());
    if (f.rainData) {
        out.add(fr ? "Intensit\xE9 de pluie (0.01%%)\t\t%5.1lf\tmm/h\n\n"
                   : "Rainrate (0.01%%)\t\t%5.1lf\tmm/h\n\n",
                r.rainRateMmH);
    } else {
        out.addLineEnds(1);
    }
    out.add(fr ? "Altitude des stations\t\t%5.1lf\tm\t%5.1lf\tm\n"
               : "Station heights\t\t%5.1lf\tm\t%5.1lf\tm\n",
            r.station1HeightM, r.station2HeightM);
    out.add(fr ? "(niveaux de r\xE9"
                 "f\xE9rence)\n"
               : "(reference levels)\n");
    out.add(fr ? "Hauteur d'antenne (sup\xE9rieurs\t\t%5.1lf\tm\t%5.1lf\tm\n"
               : "Antenna heights\t\t%5.1lf\tm\t%5.1lf\tm\n",
            r.antenna1HeightM, r.antenna2HeightM);
    out.add(fr ? "aux niveaux r\xE9"
                 "f\xE9rence de station)\n"
               : "(above station ref. levels)\n");
    out.add(fr ? "Longueur du feeder\t\t%5.1lf\tm\t%5.1lf\tm\n"
               : "Feeder lengths\t\t%5.1lf\tm\t%5.1lf\tm\n",
            r.feeder1LengthM, r.feeder2LengthM);
    out.add(fr ? "Pertes dans le feeder/100m\t\t%5.1lf\tdB\t%5.1lf\tdB\n"
               : "Feeder loss/100m\t\t%5.1lf\tdB\t%5.1lf\tdB\n",
            r.feeder1LossDbPer100m, r.feeder2LossDbPer100m);
    if (f.libraryFeeders) {
        out.add(fr ? "Type de feeder\t\t%s\t\t%s\n" : "Feeder type\t\t%s\t\t%s\n",
                f.feeder1Name.c_str(), f.feeder2Name.c_str());
    }
    out.add(fr ? "Diam\xE8tre d'antenne\t\t%5.1lf\tm\t%5.1lf\tm\n\n"
               : "Antenna diameters\t\t%5.1lf\tm\t%5.1lf\tm\n\n",
            r.antenna1DiameterM, r.antenna2DiameterM);
    out.add(fr ? "Puissance de l'\xE9metteur\tPtx\t%5.1lf\tdBm\n\n"
               : "Transmitter output power\tPtx\t%5.1lf\tdBm\n\n",
            r.ptxDbm);
    out.add(fr ? "Affaiblissement en espace libre\tLo\t%5.1lf\tdB\n"
               : "Free space loss\tLo\t%5.1lf\tdB\n",
            x.Lo);
    out.add(fr ? "Affaiblissement additionel d\xFB au sol\tLad\t%5.1lf\tdB\n"
               : "Additional terrain loss\tLad\t%5.1lf\tdB\n",
            r.addTerrainLossDb);
    out.add(fr ? "Pertes de d\xE9rivation d'antenne\tLbr\t%5.1lf\tdB\t%s\n"
               : "Antenna branching  loss\tLbr\t%5.1lf\tdB\t%s\n",
            r.branchingLossDb, f.modeTag.c_str());
    out.add(fr ? "Pertes dans le feeder\tLc1\t%5.1lf\tdB\n" : "Feeder losses\tLc1\t%5.1lf\tdB\n",
            x.Lc1);
    out.add(fr ? "      (avec connecteurs)\tLc2\t%5.1lf\tdB\n"
               : "      (incl. connectors)\tLc2\t%5.1lf\tdB\n",
            x.Lc2);
    out.add(fr ? "Gain d'antenne\tGa1\t%5.1lf\tdBi\n" : "Antenna gains\tGa1\t%5.1lf\tdBi\n",
            r.antenna1GainDbi);
    out.add(fr ? "\tGa2\t%5.1lf\tdBi\n\n" : " \tGa2\t%5.1lf\tdBi\n\n", r.antenna2GainDbi);
    out.add(fr ? "Affaiblissement sur le bond\tLho\t%5.1lf\tdB\n"
               : "Hop loss in nonfaded state\tLho\t%5.1lf\tdB\n",
            x.Lho);
    out.add(fr ? "Niveau nominal de r\xE9"
                 "ception\tPrx\t%5.1lf\tdBm\n"
               : "Received unfaded power\tPrx\t%5.1lf\tdBm\n",
            x.Prx);
    out.add(fr ? "Puissance de seuil du r\xE9"
                 "cepteur\tPrxth\t%5.1lf\tdBm\n"
               : "Receiver threshold power\tPrxth\t%5.1lf\tdBm\n",
            r.prxthDbm + r.thresholdDegradationDb);
    out.add(fr ? "avec TEB 10%2i\n" : "at BER 10 %2i\n", int{r.berExponent});
    if (f.thresholdDegradation) {
        out.add(fr ? "Avec deg. de seuil\tY\t%3.1lf\tdB\n\n"
                   : "Incl. threshold deg. \tY\t%3.1lf\tdB\n\n",
                r.thresholdDegradationDb);
    } else {
        out.addLineEnds(1);
    }
    out.add(fr ? "Marge d'\xE9vanouissement uniforme\tM\t%5.1lf\tdB\n"
               : "Flat fading margin\tM\t%5.1lf\tdB\n",
            x.M);
    if (f.selectiveFading) {
        out.add(fr ? "Marge d'\xE9vanouissement s\xE9lectif\tMsm\t%5.1lf\tdB\n\n"
                   : "Selective fading margin\tMsm\t%5.1lf\tdB\n\n",
                x.Msm);
    } else {
        out.addLineEnds(1);
    }
    out.add(fr ? "Dur\xE9"
                 "e d'interruption uniforme\tpfm\t%7.4lf\t%%\n"
               : "Calculated flat outage time\tpfm\t%7.4lf\t%%\n",
            x.pfm);
    if (f.selectiveFading) {
        out.add(fr ? "Dur\xE9"
                     "e d'interruption s\xE9lective\tpsm\t%7.4lf\t%%\n\n"
                   : "Calculated selective outage time\tpsm\t%7.4lf\t%%\n\n",
                x.psm);
    } else {
        out.addLineEnds(1);
    }
    out.add(fr ? "Dur\xE9"
                 "e d'interruption totale (sans div)\tp\t%7.4lf\t%%\n"
               : "Total outage time (nondiversity)\tp\t%7.4lf\t%%\n",
            x.p);
    if (f.rainData) {
        out.add(fr ? "Indisponibilit\xE9 annuelle due \xE0 la pluie\t\t%7.4lf\t%%\n"
                   : "Annual unavailability due to rain\t\t%7.4lf\t%%\n",
                x.rainAnnualPct);
    } else {
        out.addLineEnds(1);
    }

    if (f.diversity == DiversityMode::No) {
        out.addLineEnds(fr ? 6 : 8); // in place of rows 40 to 51
    } else {
        if (f.diversity == DiversityMode::Freq) {
            out.add(fr ? "\n\nAvec diversit\xE9 de fr\xE9quence :\n"
                       : "\n\nWith frequency diversity :\n");
            out.add(fr ? "Diff\xE9rence de fr\xE9quence\tFd\t%5.3lf\n"
                       : "Frequency difference\tFd\t%5.3lf\n",
                    r.frequencyDifferenceGHz);
        }
        if (f.diversity == DiversityMode::Space) {
            out.add(fr ? "\nAvec la diversit\xE9 d'espace:\n" : "\nWith space diversity :\n");
            out.add(fr ? "Diam\xE8tre d'antenne de diversit\xE9\tDd\t%5.1lf\tm\n"
                       : "Diversity antenna diameter\tDd\t%5.1lf\tm\n",
                    r.diversityDiameterM);
            out.add(fr ? "Gain d'antenne\tGd\t%5.1lf\tdBi\n" : "Antenna gain\tGd\t%5.1lf\tdBi\n",
                    r.diversityGainDbi);
            out.add(fr ? "Distance de diversit\xE9\ts\t%5.1lf\tm\n"
                       : "Antenna spacing\ts\t%5.1lf\tm\n",
                    r.antennaSpacingM);
            if (fr) {
                out.add("Separation verticale des antennes\ts\t%5.1lf\tm\n", r.antennaSpacingM);
            }
        }
        out.add(fr ? "Facteur d'am\xE9lioration (uniforme)\tIfm\t%5.1lf\n"
                   : "Diversity improvement\tIfm\t%5.1lf\n",
                x.Ifm);
        if (f.selectiveFading) {
            out.add(fr ? "Facteur d'am\xE9lioration (s\xE9lectif)\tIsm\t%5.1lf\n\n"
                       : "Diversity improvement\tIsm\t%5.1lf\n\n",
                    x.Ism);
        } else {
            out.addLineEnds(1);
        }
        out.add(fr ? "Dur\xE9"
                     "e d'interruption uniforme (div)\tpfmd\t%7.4lf\t%%\n"
                   : "Flat outage with diversity\tpfmd\t%7.4lf\t%%\n",
                x.pfmd);
        if (f.selectiveFading) {
            out.add(fr ? "Dur\xE9"
                         "e d'interruption s\xE9lective (div)\tpsmd\t%7.4lf\t%%\n"
                       : "Sel. outage with diversity\tpsmd\t%7.4lf\t%%\n",
                    x.psmd);
        } else {
            out.addLineEnds(1);
        }
        out.add(fr ? "Dur\xE9"
                     "e d'interruption totale (div)\tpd\t%7.4lf\t%%\n"
                   : "Total outage with diversity\tpd\t%7.4lf\t%%\n",
                x.pd);
        out.add("\n\n");
    }
    if (f.hopFileNamed) {
        out.add("<%s>\n", hopFile);
    }
    out.add("<Library: %s>\n", f.libraryIdentification.c_str());
    return out.withCrLf();
}

} // namespace korvel
