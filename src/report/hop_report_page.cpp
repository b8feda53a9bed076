#include "report/hop_report_page.h"

#include "platform/print_device.h"
#include "report/hop_report_facts.h"
#include "report/report_page_pen.h"
#include "report/report_text.h"

namespace korvel {

void drawHopReportPage(PrintDevice& device, const HopState& hop, const EquipmentLibrary& library,
                       ReportLanguage language, std::string_view hopFileName,
                       std::string_view dateStamp) {
    const HopRecord r = hop.record; // the report reads one snapshot throughout
    const HopResults& x = hop.results;
    const HopReportFacts f = hopReportFacts(hop, library, language, hopFileName);
    const HemisphereLetters letters = hemisphereLetters(HopReportForm::Page, language);
    const bool fr = language == ReportLanguage::French;
    const std::string dateText(dateStamp);
    const char* date = dateText.c_str();
    const std::string hopFileText(hopFileName);
    const char* hopFile = hopFileText.c_str();
    // The English page shows three decimals of the factor, every other form two.
    const std::string K = fr ? exponentText(x.K, 2, 5) : exponentText(x.K, 3, 5);
    ReportPagePen pen(device, 6 * device.averageCharWidth(), 2 * device.lineHeight());

    pen.draw(formatted(" %s%30s", kCompanyLine, date));
    pen.advance(1);
    pen.draw(formatted(" %s", r.info.str().c_str()));
    pen.advance(fr ? 3 : 2);
    pen.draw(formatted(" %s", f.title.c_str()));
    pen.advance(1);
    pen.draw(formatted(" %s", f.radioAndMethod.c_str()));
    pen.advance(2);
    pen.draw(formatted(fr ? " Le bond en question de         %-15s \xE0 %-15s"
                          : " Calculated hop from      %-15s to  %-15s",
                       r.station1Name.str().c_str(), r.station2Name.str().c_str()));
    pen.advance(fr ? 2 : 1.5);
    pen.draw(formatted(fr ? " Fr\xE9quence radio\xE9lectrique     %5.1lf GHz %s"
                          : " Radio frequency       %5.1lf GHz %s",
                       r.frequencyGHz, f.rainData ? f.polarizationWord.c_str() : ""));
    pen.advance(1);
    pen.draw(formatted(fr ? " Longueur du bond              %5.1lf km"
                          : " Hop length            %5.1lf km",
                       r.hopLengthKm));
    pen.advance(1);
    pen.draw(
        formatted(fr ? " Latitude                     %5.0lf%s" : " Latitude            %5.0lf%s",
                  r.latitudeDeg, northSouthLetter(r, letters)));
    pen.advance(1);
    pen.draw(
        formatted(fr ? " Longitude                    %5.0lf%s" : " Longitude           %5.0lf%s",
                  r.longitudeDeg, eastWestLetter(r, letters)));
    pen.advance(1);
    pen.draw(formatted(fr ? " Pourcentage pL                %5.1lf %%"
                          : " Percentage pL         %5.1lf %%",
                       r.pLPct));
    pen.advance(1);
    pen.draw(formatted(
        fr ? " Facteur g\xE9oclimatique           %s" : " Geoclimatic factor      %s", K.c_str()));
    if (f.rainData) {
        pen.advance(1);
        pen.draw(formatted(fr ? " Intensit\xE9 de pluie (0.01%%)    %5.1lf mm/h"
                              : " Rainrate (0.01%%)      %5.1lf mm/h",
                           r.rainRateMmH));
    }
    pen.advance(1.5);
    pen.draw(formatted(fr ? " Altitude des stations           %5.1lf m            %5.1lf m"
                          : " Station heights            %5.1lf m            %5.1lf m",
                       r.station1HeightM, r.station2HeightM));
    pen.advance(1);
    pen.draw(formatted(fr ? " (niveaux de r\xE9"
                            "f\xE9rence)"
                          : " (reference levels)"));
    pen.advance(1);
    pen.draw(formatted(fr ? " Hauteur d'antenne (sup\xE9rieurs   %5.1lf m            %5.1lf m"
                          : " Antenna heights            %5.1lf m            %5.1lf m",
                       r.antenna1HeightM, r.antenna2HeightM));
    pen.advance(1);
    pen.draw(formatted(fr ? " aux niveaux r\xE9"
                            "f\xE9rence de station)"
                          : " (above station ref. levels)"));
    pen.advance(1);
    pen.draw(formatted(fr ? " Longueur du feeder              %5.1lf m            %5.1lf m"
                          : " Feeder lengths             %5.1lf m            %5.1lf m",
                       r.feeder1LengthM, r.feeder2LengthM));
    pen.advance(1);
    pen.draw(formatted(fr ? " Pertes dans le feeder/100m      %5.1lf dB           %5.1lf dB"
                          : " Feeder loss/100m           %5.1lf dB           %5.1lf dB",
                       r.feeder1LossDbPer100m, r.feeder2LossDbPer100m));
    pen.advance(1);
    if (f.libraryFeeders) {
        pen.draw(formatted(fr ? " Type de feeder                  %-12.12s       %-12.12s"
                              : " Feeder type                 %-12.12s       %-12.12s",
                           f.feeder1Name.c_str(), f.feeder2Name.c_str()));
        pen.advance(1);
    }
    pen.draw(formatted(fr ? " Diam\xE8tre d'antenne              %5.1lf m            %5.1lf m"
                          : " Antenna diameters          %5.1lf m            %5.1lf m",
                       r.antenna1DiameterM, r.antenna2DiameterM));
    pen.advance(2);
    pen.draw(formatted(fr ? " Puissance de l'\xE9metteur                   Ptx %5.1lf dBm"
                          : " Transmitter output power            Ptx %5.1lf dBm",
                       r.ptxDbm));
    pen.advance(2);
    pen.draw(formatted(fr ? " Affaiblissement en espace libre      Lo  %5.1lf dB"
                          : " Free space loss            Lo           %5.1lf dB",
                       x.Lo));
    pen.advance(1);
    pen.draw(formatted(fr ? " Affaiblissement additionel d\xFB au sol Lad %5.1lf dB"
                          : " Additional terrain loss    Lad          %5.1lf dB",
                       r.addTerrainLossDb));
    pen.advance(1);
    pen.draw(formatted(fr ? " Pertes de d\xE9rivation d'antenne       Lbr %5.1lf dB    %s"
                          : " Antenna branching  loss    Lbr          %5.1lf dB    %s",
                       r.branchingLossDb, f.modeTag.c_str()));
    pen.advance(1);
    pen.draw(formatted(fr ? " Pertes dans le feeder                Lc1 %5.1lf dB"
                          : " Feeder losses              Lc1          %5.1lf dB",
                       x.Lc1));
    pen.advance(1);
    pen.draw(formatted(fr ? "       (avec connecteurs)             Lc2 %5.1lf dB"
                          : "       (incl. connectors)   Lc2          %5.1lf dB",
                       x.Lc2));
    pen.advance(1);
    pen.draw(formatted(fr ? " Gain d'antenne                       Ga1 %5.1lf dBi"
                          : " Antenna gains              Ga1          %5.1lf dBi",
                       r.antenna1GainDbi));
    pen.advance(1);
    pen.draw(formatted(fr ? "                                      Ga2 %5.1lf dBi"
                          : "                            Ga2          %5.1lf dBi",
                       r.antenna2GainDbi));
    pen.advance(2);
    pen.draw(formatted(fr ? " Affaiblissement sur le bond             Lho    %5.1lf     dB"
                          : " Hop loss in nonfaded state        Lho   %5.1lf     dB",
                       x.Lho));
    pen.advance(1);
    pen.draw(formatted(fr ? " Niveau nominal de r\xE9"
                            "ception             Prx    %5.1lf     dBm"
                          : " Received unfaded power            Prx   %5.1lf     dBm",
                       x.Prx));
    pen.advance(1);
    pen.draw(formatted(fr ? " Puissance de seuil du r\xE9"
                            "cepteur         Prxth  %5.1lf     dBm"
                          : " Receiver threshold power          Prxth %5.1lf     dBm",
                       r.prxthDbm + r.thresholdDegradationDb));
    pen.advance(1);
    pen.draw(formatted(fr ? " avec TEB 10 %2i" : " at BER 10 %2i", int{r.berExponent}));
    if (f.thresholdDegradation) {
        pen.advance(1);
        pen.draw(formatted(fr ? " Avec deg. de seuil Y  %3.1lf dB"
                              : " Incl. threshold deg. Y  %3.1lf dB",
                           r.thresholdDegradationDb));
    }
    pen.advance(1.5);
    pen.draw(formatted(fr ? " Marge d'\xE9vanouissement uniforme         M      %5.1lf     dB"
                          : " Flat fading margin                M     %5.1lf     dB",
                       x.M));
    pen.advance(1);
    if (f.selectiveFading) {
        pen.draw(
            formatted(fr ? " Marge d'\xE9vanouissement s\xE9lectif         Msm    %5.1lf     dB"
                         : " Selective fading margin           Msm   %5.1lf     dB",
                      x.Msm));
        pen.advance(1.5);
    } else {
        pen.advance(1);
    }
    pen.draw(formatted(fr ? " Dur\xE9"
                            "e d'interruption uniforme           pfm    %7.4lf   %%"
                          : " Calculated flat outage time       pfm   %7.4lf   %%",
                       x.pfm));
    pen.advance(1);
    if (f.selectiveFading) {
        pen.draw(formatted(fr ? " Dur\xE9"
                                "e d'interruption s\xE9lective          psm    %7.4lf   %%"
                              : " Calculated selective outage time  psm   %7.4lf   %%",
                           x.psm));
    }
    pen.advance(fr ? 2 : 1);
    pen.draw(formatted(fr ? " Dur\xE9"
                            "e d'interruption totale (sans div)  p      %7.4lf   %%"
                          : " Total outage time (nondiversity)  p     %7.4lf   %%",
                       x.p));
    pen.advance(1);
    if (f.rainData) {
        pen.draw(formatted(fr ? " Indisponibilit\xE9 annuelle due \xE0 la pluie        %7.4lf   %%"
                              : " Annual unavailability due to rain       %7.4lf   %%",
                           x.rainAnnualPct));
    }
    pen.advance(1);

    if (f.diversity == DiversityMode::No) {
        pen.advance(13); // in place of rows 40 to 51
    } else {
        if (f.diversity == DiversityMode::Freq) {
            pen.advance(3);
            pen.draw(formatted(fr ? " Avec diversit\xE9 de fr\xE9quence :"
                                  : " With frequency diversity :"));
            pen.advance(1);
            pen.draw(formatted(fr ? " Diff\xE9rence de fr\xE9quence            Fd  %5.3lf"
                                  : " Frequency difference       Fd  %5.3lf",
                               r.frequencyDifferenceGHz));
            pen.advance(1);
        }
        if (f.diversity == DiversityMode::Space) {
            pen.advance(1);
            pen.draw(formatted(fr ? " Avec la diversit\xE9 d'espace:" : " With space diversity :"));
            pen.advance(1);
            pen.draw(formatted(fr ? " Diam\xE8tre d'antenne de diversit\xE9    Dd  %5.1lf m"
                                  : " Diversity antenna diameter Dd  %5.1lf m",
                               r.diversityDiameterM));
            pen.advance(1);
            pen.draw(formatted(fr ? " Gain d'antenne                     Gd  %5.1lf dBi"
                                  : " Antenna gain               Gd  %5.1lf dBi",
                               r.diversityGainDbi));
            pen.advance(1);
            pen.draw(formatted(fr ? " Distance de diversit\xE9              s   %5.1lf m"
                                  : " Antenna spacing            s   %5.1lf m",
                               r.antennaSpacingM));
            pen.advance(1);
        }
        pen.draw(formatted(fr ? " Facteur d'am\xE9lioration (uniforme)  Ifm %5.1lf"
                              : " Diversity improvement      Ifm %5.1lf",
                           x.Ifm));
        pen.advance(1);
        if (f.selectiveFading) {
            pen.draw(formatted(fr ? " Facteur d'am\xE9lioration (s\xE9lectif)  Ism %5.1lf"
                                  : " Diversity improvement      Ism %5.1lf",
                               x.Ism));
        }
        pen.advance(2);
        pen.draw(formatted(fr ? " Dur\xE9"
                                "e d'interruption uniforme (div)      pfmd   %7.4lf   %%"
                              : " Flat outage with diversity        pfmd  %7.4lf   %%",
                           x.pfmd));
        pen.advance(1);
        if (f.selectiveFading) {
            pen.draw(formatted(fr ? " Dur\xE9"
                                    "e d'interruption s\xE9lective (div)     psmd   %7.4lf   %%"
                                  : " Sel. outage with diversity        psmd  %7.4lf   %%",
                               x.psmd));
            pen.advance(1);
        } else {
            pen.advance(2);
        }
        pen.draw(formatted(fr ? " Dur\xE9"
                                "e d'interruption totale (div)        pd     %7.4lf   %%"
                              : " Total outage with diversity       pd    %7.4lf   %%",
                           x.pd));
        pen.advance(2);
    }
    if (f.hopFileNamed) {
        pen.draw(formatted("<%s>", hopFile));
        pen.advance(1);
    }
    pen.draw(formatted("<Library: %s>", f.libraryIdentification.c_str()));
}

} // namespace korvel
