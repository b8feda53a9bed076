#include "report/hop_report.h"

#include "library/equipment_library.h"
#include "report/hop_report_facts.h"
#include "report/report_text.h"

namespace korvel {

std::string buildHopTextReport(const HopState& hop, const EquipmentLibrary& library,
                               ReportLanguage language, std::string_view hopFileName,
                               std::string_view dateStamp) {
    const HopRecord r = hop.record; // the report reads one snapshot throughout
    const HopResults& x = hop.results;
    const HopReportFacts f = hopReportFacts(hop, library, language, hopFileName);
    const HemisphereLetters letters = hemisphereLetters(HopReportForm::Text, language);
    const bool fr = language == ReportLanguage::French;
    const std::string dateText(dateStamp);
    const char* date = dateText.c_str();
    const std::string hopFileText(hopFileName);
    const char* hopFile = hopFileText.c_str();
    const std::string K = exponentText(x.K, 2, 5); // "%5.2lE"
    ReportText out;

    out.add("     %s%30s\n", kCompanyLine, date);
    out.add(fr ? "     %s\n\n\n" : "     %s\n\n", r.info.str().c_str());
    out.add("     %s\n", f.title.c_str());
    out.add("     %s\n\n", f.radioAndMethod.c_str());
    out.add(fr ? "     Le bond en question de        %-15s \xE0   %-15s\n\n"
               : "     Calculated hop from            %-15s to  %-15s\n\n",
            r.station1Name.str().c_str(), r.station2Name.str().c_str());
    out.add(fr ? "     Fr\xE9quence radio\xE9lectrique     % 5.1lf GHz"
               : "     Radio frequency       %5.1lf GHz",
            r.frequencyGHz);
    if (f.rainData) {
        out.add(" %s\n", f.polarizationWord.c_str());
    } else {
        out.add("\n");
    }
    out.add(fr ? "     Longueur du bond              %5.1lf km\n"
               : "     Hop length            %5.1lf km\n",
            r.hopLengthKm);
    out.add(fr ? "     Latitude                     %5.0lf" : "     Latitude            %5.0lf",
            r.latitudeDeg);
    out.add(" %s\n", northSouthLetter(r, letters));
    out.add(fr ? "     Longitude                    %5.0lf" : "     Longitude           %5.0lf",
            r.longitudeDeg);
    out.add(" %s\n", eastWestLetter(r, letters));
    out.add(fr ? "     Pourcentage pL                %5.1lf %%\n"
               : "     Percentage pL         %5.1lf %%\n",
            r.pLPct);
    out.add(fr ? "     Facteur g\xE9oclimatique           %s\n"
               : "     Geoclimatic factor      %s\n",
            K.c_str());
    if (f.rainData) {
        out.add(fr ? "     Intensit\xE9 de pluie (0.01%%)    %5.1lf mm/h\n\n"
                   : "     Rainrate (0.01%%)      %5.1lf mm/h\n\n",
                r.rainRateMmH);
    } else {
        out.addLineEnds(fr ? 3 : 1);
    }
    out.add(fr ? "     Altitude des stations           %5.1lf m            %5.1lf m\n"
               : "     Station heights                 %5.1lf m            %5.1lf m\n",
            r.station1HeightM, r.station2HeightM);
    out.add(fr ? "     (niveaux de r\xE9"
                 "f\xE9rence)\n"
               : "     (reference levels)\n");
    out.add(fr ? "     Hauteur d'antenne (sup\xE9rieurs   %5.1lf m            %5.1lf m\n"
               : "     Antenna heights                 %5.1lf m            %5.1lf m\n",
            r.antenna1HeightM, r.antenna2HeightM);
    out.add(fr ? "     aux niveaux r\xE9"
                 "f\xE9rence de station)\n"
               : "     (above station ref. levels)\n");
    out.add(fr ? "     Longueur du feeder              %5.1lf m            %5.1lf m\n"
               : "     Feeder lengths                  %5.1lf m            %5.1lf m\n",
            r.feeder1LengthM, r.feeder2LengthM);
    out.add(fr ? "     Pertes dans le feeder/100m      %5.1lf dB           %5.1lf dB\n"
               : "     Feeder loss/100m                %5.1lf dB           %5.1lf dB\n",
            r.feeder1LossDbPer100m, r.feeder2LossDbPer100m);
    if (f.libraryFeeders) {
        out.add(fr ? "     Type de feeder                  %-12.12s       %-12.12s\n"
                   : "     Feeder type                       %-12.12s       %-12.12s\n",
                f.feeder1Name.c_str(), f.feeder2Name.c_str());
    }
    out.add(fr ? "     Diam\xE8tre d'antenne              %5.1lf m            %5.1lf m\n\n"
               : "     Antenna diameters               %5.1lf m            %5.1lf m\n\n",
            r.antenna1DiameterM, r.antenna2DiameterM);
    out.add(fr ? "     Puissance de l'\xE9metteur                   Ptx %5.1lf dBm\n\n"
               : "     Transmitter output power          Ptx    %5.1lf dBm\n\n",
            r.ptxDbm);
    out.add(fr ? "     Affaiblissement en espace libre      Lo  %5.1lf dB\n"
               : "     Free space loss                   Lo     %5.1lf dB\n",
            x.Lo);
    out.add(fr ? "     Affaiblissement additionel d\xFB au sol Lad %5.1lf dB\n"
               : "     Additional terrain loss           Lad    %5.1lf dB\n",
            r.addTerrainLossDb);
    out.add(fr ? "     Pertes de d\xE9rivation d'antenne       Lbr %5.1lf dB    %s\n"
               : "     Antenna branching  loss           Lbr    %5.1lf dB    %s\n",
            r.branchingLossDb, f.modeTag.c_str());
    out.add(fr ? "     Pertes dans le feeder                Lc1 %5.1lf dB\n"
               : "     Feeder losses                     Lc1    %5.1lf dB\n",
            x.Lc1);
    out.add(fr ? "           (avec connecteurs)             Lc2 %5.1lf dB\n"
               : "           (incl. connectors)          Lc2    %5.1lf dB\n",
            x.Lc2);
    out.add(fr ? "     Gain d'antenne                       Ga1 %5.1lf dBi\n"
               : "     Antenna gains                     Ga1    %5.1lf dBi\n",
            r.antenna1GainDbi);
    out.add(fr ? "                                          Ga2 %5.1lf dBi\n\n"
               : "                                       Ga2    %5.1lf dBi\n\n",
            r.antenna2GainDbi);
    out.add(fr ? "     Affaiblissement sur le bond             Lho    %5.1lf     dB\n"
               : "     Hop loss in nonfaded state        Lho    %5.1lf dB\n",
            x.Lho);
    out.add(fr ? "     Niveau nominal de r\xE9"
                 "ception             Prx    %5.1lf     dBm\n"
               : "     Received unfaded power            Prx    %5.1lf dBm\n",
            x.Prx);
    out.add(fr ? "     Puissance de seuil du r\xE9"
                 "cepteur         Prxth  %5.1lf     dBm\n"
               : "     Receiver threshold power          Prxth  %5.1lf dBm\n",
            r.prxthDbm + r.thresholdDegradationDb);
    out.add(fr ? "     avec TEB 10 %2i\n" : "     at BER 10 %2i\n", int{r.berExponent});
    if (f.thresholdDegradation) {
        out.add(fr ? "     Avec deg. de seuil Y  %3.1lf dB\n\n"
                   : "     Incl. threshold deg. Y  %3.1lf dB\n\n",
                r.thresholdDegradationDb);
    } else {
        out.addLineEnds(fr ? 2 : 1);
    }
    out.add(fr ? "     Marge d'\xE9vanouissement uniforme         M      %5.1lf     dB\n"
               : "     Flat fading margin                M      %5.1lf dB\n",
            x.M);
    if (f.selectiveFading) {
        out.add(fr ? "     Marge d'\xE9vanouissement s\xE9lectif         Msm    %5.1lf     dB\n\n"
                   : "     Selective fading margin           Msm    %5.1lf dB\n\n",
                x.Msm);
    } else {
        out.addLineEnds(fr ? 2 : 1);
    }
    out.add(fr ? "     Dur\xE9"
                 "e d'interruption uniforme           pfm    %7.4lf   %%\n"
               : "     Calculated flat outage time       pfm    %7.4lf   %%\n",
            x.pfm);
    if (f.selectiveFading) {
        out.add(fr ? "     Dur\xE9"
                     "e d'interruption s\xE9lective          psm    %7.4lf   %%\n\n"
                   : "     Calculated selective outage time  psm    %7.4lf   %%\n\n",
                x.psm);
    } else {
        out.addLineEnds(fr ? 2 : 1);
    }
    out.add(fr ? "     Dur\xE9"
                 "e d'interruption totale (sans div)  p      %7.4lf   %%\n"
               : "     Total outage time (nondiversity)  p      %7.4lf   %%\n",
            x.p);
    if (f.rainData) {
        out.add(fr ? "     Indisponibilit\xE9 annuelle due \xE0 la pluie        %7.4lf   %%\n"
                   : "     Annual unavailability due to rain        %7.4lf   %%\n",
                x.rainAnnualPct);
    } else {
        out.addLineEnds(1);
    }

    if (f.diversity == DiversityMode::No) {
        out.addLineEnds(13); // in place of rows 40 to 51
    } else {
        if (f.diversity == DiversityMode::Freq) {
            out.add(fr ? "\n\n\n     Avec diversit\xE9 de fr\xE9quence :\n"
                       : "\n\n     With frequency diversity :\n");
            out.add(fr ? "     Diff\xE9rence de fr\xE9quence            Fd  %5.3lf\n"
                       : "     Frequency difference              Fd     %5.3lf\n",
                    r.frequencyDifferenceGHz);
        }
        if (f.diversity == DiversityMode::Space) {
            out.add(fr ? "\n     Avec la diversit\xE9 d'espace:\n"
                       : "\n     With space diversity :\n");
            out.add(fr ? "     Diam\xE8tre d'antenne de diversit\xE9    Dd  %5.1lf m\n"
                       : "     Diversity antenna diameter        Dd     %5.1lf m\n",
                    r.diversityDiameterM);
            out.add(fr ? "     Gain d'antenne                     Gd  %5.1lf dBi\n"
                       : "     Antenna gain                      Gd     %5.1lf dBi\n",
                    r.diversityGainDbi);
            out.add(fr ? "     Distance de diversit\xE9              s   %5.1lf m\n"
                       : "     Antenna spacing                   s      %5.1lf m\n",
                    r.antennaSpacingM);
            if (fr) {
                out.add("     Separation verticale des antennes  s   %5.1lf m\n",
                        r.antennaSpacingM);
            }
        }
        out.add(fr ? "     Facteur d'am\xE9lioration (uniforme)  Ifm %5.1lf\n"
                   : "     Diversity improvement             Ifm    %5.1lf\n",
                x.Ifm);
        if (f.selectiveFading) {
            out.add(fr ? "     Facteur d'am\xE9lioration (s\xE9lectif)  Ism %5.1lf\n\n"
                       : "     Diversity improvement             Ism    %5.1lf\n\n",
                    x.Ism);
        } else {
            out.addLineEnds(fr ? 2 : 1);
        }
        out.add(fr ? "     Dur\xE9"
                     "e d'interruption uniforme (div)      pfmd   %7.4lf   %%\n"
                   : "     Flat outage with diversity        pfmd   %7.4lf   %%\n",
                x.pfmd);
        if (f.selectiveFading) {
            out.add(fr ? "     Dur\xE9"
                         "e d'interruption s\xE9lective (div)     psmd   %7.4lf   %%\n"
                       : "     Sel. outage with diversity        psmd   %7.4lf   %%\n",
                    x.psmd);
        } else {
            out.addLineEnds(fr ? 2 : 1);
        }
        out.add(fr ? "     Dur\xE9"
                     "e d'interruption totale (div)        pd     %7.4lf   %%\n"
                   : "     Total outage with diversity       pd     %7.4lf   %%\n",
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
