#include "report/hop_report.h"

#include "report/hop_report_rows.h"

namespace korvel {
namespace {

using Row = HopReportRow;

// Each row's format in English and French, and the line ends its absence leaves.
constexpr HopReportRowLayout kTextRows[] = {
    {Row::CompanyAndDate, "     %s%30s\n", "     %s%30s\n"},
    {Row::Info, "     %s\n\n", "     %s\n\n\n"},
    {Row::Title, "     %s\n", "     %s\n"},
    {Row::RadioAndMethod, "     %s\n\n", "     %s\n\n"},
    {Row::Stations, "     Calculated hop from            %-15s to  %-15s\n\n",
     "     Le bond en question de        %-15s \xE0   %-15s\n\n"},
    {Row::Frequency, "     Radio frequency       %5.1lf GHz",
     "     Fr\xE9quence radio\xE9lectrique     % 5.1lf GHz"},
    {Row::Polarization, " %s\n", " %s\n", 1, 1},
    {Row::HopLength, "     Hop length            %5.1lf km\n",
     "     Longueur du bond              %5.1lf km\n"},
    {Row::Latitude, "     Latitude            %5.0lf %s\n",
     "     Latitude                     %5.0lf %s\n"},
    {Row::Longitude, "     Longitude           %5.0lf %s\n",
     "     Longitude                    %5.0lf %s\n"},
    {Row::PercentagePL, "     Percentage pL         %5.1lf %%\n",
     "     Pourcentage pL                %5.1lf %%\n"},
    {Row::GeoclimaticFactor, "     Geoclimatic factor      %s\n",
     "     Facteur g\xE9oclimatique           %s\n"},
    {Row::RainRate, "     Rainrate (0.01%%)      %5.1lf mm/h\n\n",
     "     Intensit\xE9 de pluie (0.01%%)    %5.1lf mm/h\n\n", 1, 3},
    {Row::StationHeights, "     Station heights                 %5.1lf m            %5.1lf m\n",
     "     Altitude des stations           %5.1lf m            %5.1lf m\n"},
    {Row::StationHeightsNote, "     (reference levels)\n",
     "     (niveaux de r\xE9"
     "f\xE9rence)\n"},
    {Row::AntennaHeights, "     Antenna heights                 %5.1lf m            %5.1lf m\n",
     "     Hauteur d'antenne (sup\xE9rieurs   %5.1lf m            %5.1lf m\n"},
    {Row::AntennaHeightsNote, "     (above station ref. levels)\n",
     "     aux niveaux r\xE9"
     "f\xE9rence de station)\n"},
    {Row::FeederLengths, "     Feeder lengths                  %5.1lf m            %5.1lf m\n",
     "     Longueur du feeder              %5.1lf m            %5.1lf m\n"},
    {Row::FeederLoss, "     Feeder loss/100m                %5.1lf dB           %5.1lf dB\n",
     "     Pertes dans le feeder/100m      %5.1lf dB           %5.1lf dB\n"},
    {Row::FeederType, "     Feeder type                       %-12.12s       %-12.12s\n",
     "     Type de feeder                  %-12.12s       %-12.12s\n"},
    {Row::AntennaDiameters, "     Antenna diameters               %5.1lf m            %5.1lf m\n\n",
     "     Diam\xE8tre d'antenne              %5.1lf m            %5.1lf m\n\n"},
    {Row::Ptx, "     Transmitter output power          Ptx    %5.1lf dBm\n\n",
     "     Puissance de l'\xE9metteur                   Ptx %5.1lf dBm\n\n"},
    {Row::FreeSpaceLoss, "     Free space loss                   Lo     %5.1lf dB\n",
     "     Affaiblissement en espace libre      Lo  %5.1lf dB\n"},
    {Row::TerrainLoss, "     Additional terrain loss           Lad    %5.1lf dB\n",
     "     Affaiblissement additionel d\xFB au sol Lad %5.1lf dB\n"},
    {Row::BranchingLoss, "     Antenna branching  loss           Lbr    %5.1lf dB    %s\n",
     "     Pertes de d\xE9rivation d'antenne       Lbr %5.1lf dB    %s\n"},
    {Row::FeederLosses, "     Feeder losses                     Lc1    %5.1lf dB\n",
     "     Pertes dans le feeder                Lc1 %5.1lf dB\n"},
    {Row::FeederLossesWithConnectors, "           (incl. connectors)          Lc2    %5.1lf dB\n",
     "           (avec connecteurs)             Lc2 %5.1lf dB\n"},
    {Row::AntennaGain1, "     Antenna gains                     Ga1    %5.1lf dBi\n",
     "     Gain d'antenne                       Ga1 %5.1lf dBi\n"},
    {Row::AntennaGain2, "                                       Ga2    %5.1lf dBi\n\n",
     "                                          Ga2 %5.1lf dBi\n\n"},
    {Row::HopLoss, "     Hop loss in nonfaded state        Lho    %5.1lf dB\n",
     "     Affaiblissement sur le bond             Lho    %5.1lf     dB\n"},
    {Row::ReceivedPower, "     Received unfaded power            Prx    %5.1lf dBm\n",
     "     Niveau nominal de r\xE9"
     "ception             Prx    %5.1lf     dBm\n"},
    {Row::ThresholdPower, "     Receiver threshold power          Prxth  %5.1lf dBm\n",
     "     Puissance de seuil du r\xE9"
     "cepteur         Prxth  %5.1lf     dBm\n"},
    {Row::BitErrorRate, "     at BER 10 %2i\n", "     avec TEB 10 %2i\n"},
    {Row::ThresholdDegradation, "     Incl. threshold deg. Y  %3.1lf dB\n\n",
     "     Avec deg. de seuil Y  %3.1lf dB\n\n", 1, 2},
    {Row::FlatMargin, "     Flat fading margin                M      %5.1lf dB\n",
     "     Marge d'\xE9vanouissement uniforme         M      %5.1lf     dB\n"},
    {Row::SelectiveMargin, "     Selective fading margin           Msm    %5.1lf dB\n\n",
     "     Marge d'\xE9vanouissement s\xE9lectif         Msm    %5.1lf     dB\n\n", 1, 2},
    {Row::FlatOutage, "     Calculated flat outage time       pfm    %7.4lf   %%\n",
     "     Dur\xE9"
     "e d'interruption uniforme           pfm    %7.4lf   %%\n"},
    {Row::SelectiveOutage, "     Calculated selective outage time  psm    %7.4lf   %%\n\n",
     "     Dur\xE9"
     "e d'interruption s\xE9lective          psm    %7.4lf   %%\n\n",
     1, 2},
    {Row::TotalOutage, "     Total outage time (nondiversity)  p      %7.4lf   %%\n",
     "     Dur\xE9"
     "e d'interruption totale (sans div)  p      %7.4lf   %%\n"},
    {Row::RainUnavailability, "     Annual unavailability due to rain        %7.4lf   %%\n",
     "     Indisponibilit\xE9 annuelle due \xE0 la pluie        %7.4lf   %%\n", 1, 1},
    {Row::NoDiversity, nullptr, nullptr, 13, 13},
    {Row::FrequencyDiversityHeading, "\n\n     With frequency diversity :\n",
     "\n\n\n     Avec diversit\xE9 de fr\xE9quence :\n"},
    {Row::FrequencyDifference, "     Frequency difference              Fd     %5.3lf\n",
     "     Diff\xE9rence de fr\xE9quence            Fd  %5.3lf\n"},
    {Row::SpaceDiversityHeading, "\n     With space diversity :\n",
     "\n     Avec la diversit\xE9 d'espace:\n"},
    {Row::DiversityDiameter, "     Diversity antenna diameter        Dd     %5.1lf m\n",
     "     Diam\xE8tre d'antenne de diversit\xE9    Dd  %5.1lf m\n"},
    {Row::DiversityGain, "     Antenna gain                      Gd     %5.1lf dBi\n",
     "     Gain d'antenne                     Gd  %5.1lf dBi\n"},
    {Row::AntennaSpacing, "     Antenna spacing                   s      %5.1lf m\n",
     "     Distance de diversit\xE9              s   %5.1lf m\n"},
    {Row::VerticalSpacing, nullptr, "     Separation verticale des antennes  s   %5.1lf m\n"},
    {Row::FlatImprovement, "     Diversity improvement             Ifm    %5.1lf\n",
     "     Facteur d'am\xE9lioration (uniforme)  Ifm %5.1lf\n"},
    {Row::SelectiveImprovement, "     Diversity improvement             Ism    %5.1lf\n\n",
     "     Facteur d'am\xE9lioration (s\xE9lectif)  Ism %5.1lf\n\n", 1, 2},
    {Row::FlatOutageWithDiversity, "     Flat outage with diversity        pfmd   %7.4lf   %%\n",
     "     Dur\xE9"
     "e d'interruption uniforme (div)      pfmd   %7.4lf   %%\n"},
    {Row::SelectiveOutageWithDiversity,
     "     Sel. outage with diversity        psmd   %7.4lf   %%\n",
     "     Dur\xE9"
     "e d'interruption s\xE9lective (div)     psmd   %7.4lf   %%\n",
     1, 2},
    {Row::TotalOutageWithDiversity,
     "     Total outage with diversity       pd     %7.4lf   %%\n\n\n",
     "     Dur\xE9"
     "e d'interruption totale (div)        pd     %7.4lf   %%\n\n\n"},
    {Row::HopFileName, "<%s>\n", "<%s>\n"},
    {Row::LibraryIdentification, "<Library: %s>\n", "<Library: %s>\n"},
};
static_assert(inRowOrder(kTextRows));

} // namespace

std::string buildHopTextReport(const HopState& hop, const EquipmentLibrary& library,
                               ReportLanguage language, std::string_view hopFileName,
                               std::string_view dateStamp) {
    const HopReportContext report =
        hopReportContext(HopReportForm::Text, hop, library, language, hopFileName, dateStamp);
    ReportText out;
    HopReportTextRows rows(out, kTextRows, report.french);
    putHopReportRows(rows, report);
    return out.withCrLf();
}

} // namespace korvel
