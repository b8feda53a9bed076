#include "report/hop_report.h"

#include "report/hop_report_rows.h"

namespace korvel {
namespace {

using Row = HopReportRow;

// Each row's format in English and French, and the line ends its absence leaves.
constexpr HopReportRowLayout kDelimitedRows[] = {
    {Row::CompanyAndDate, "%s\t\t\t%s\n", "%s\t\t\t\t%s\n"},
    {Row::Info, "%s\n\n", "%s\n\n"},
    {Row::Title, "%s\n", "%s\n"},
    {Row::RadioAndMethod, "%s\n\n", "%s\n\n"},
    {Row::Stations, "Calculated hop from \t\t%s \tto  \t%s\n\n",
     "Le bond en question de \t\t%s \t\xE0 \t%s\n\n"},
    {Row::Frequency, "Radio frequency\t\t%5.1lf\tGHz",
     "Fr\xE9quence radio\xE9lectrique\t\t%5.1lf\tGHz"},
    {Row::Polarization, "\t%s\n", "\t%s\n", 1, 1},
    {Row::HopLength, "Hop length\t\t%5.1lf \tkm\n", "Longueur du bond\t\t%5.1lf\tkm\n"},
    {Row::Latitude, "Latitude\t\t%5.0lf\t%s\n", "Latitude\t\t%5.0lf\t%s\n"},
    {Row::Longitude, "Longitude\t\t%5.0lf\t%s\n", "Longitude\t\t%5.0lf\t%s\n"},
    {Row::PercentagePL, "Percentage \tpL\t%5.1lf\t%%\n", "Pourcentage\tpL\t%5.1lf\t%%\n"},
    {Row::GeoclimaticFactor, "Geoclimatic factor\t\t%s\n", "Facteur g\xE9oclimatique\t\t%s\n"},
    {Row::RainRate, "Rainrate (0.01%%)\t\t%5.1lf\tmm/h\n\n",
     "Intensit\xE9 de pluie (0.01%%)\t\t%5.1lf\tmm/h\n\n", 1, 1},
    {Row::StationHeights, "Station heights\t\t%5.1lf\tm\t%5.1lf\tm\n",
     "Altitude des stations\t\t%5.1lf\tm\t%5.1lf\tm\n"},
    {Row::StationHeightsNote, "(reference levels)\n",
     "(niveaux de r\xE9"
     "f\xE9rence)\n"},
    {Row::AntennaHeights, "Antenna heights\t\t%5.1lf\tm\t%5.1lf\tm\n",
     "Hauteur d'antenne (sup\xE9rieurs\t\t%5.1lf\tm\t%5.1lf\tm\n"},
    {Row::AntennaHeightsNote, "(above station ref. levels)\n",
     "aux niveaux r\xE9"
     "f\xE9rence de station)\n"},
    {Row::FeederLengths, "Feeder lengths\t\t%5.1lf\tm\t%5.1lf\tm\n",
     "Longueur du feeder\t\t%5.1lf\tm\t%5.1lf\tm\n"},
    {Row::FeederLoss, "Feeder loss/100m\t\t%5.1lf\tdB\t%5.1lf\tdB\n",
     "Pertes dans le feeder/100m\t\t%5.1lf\tdB\t%5.1lf\tdB\n"},
    {Row::FeederType, "Feeder type\t\t%s\t\t%s\n", "Type de feeder\t\t%s\t\t%s\n"},
    {Row::AntennaDiameters, "Antenna diameters\t\t%5.1lf\tm\t%5.1lf\tm\n\n",
     "Diam\xE8tre d'antenne\t\t%5.1lf\tm\t%5.1lf\tm\n\n"},
    {Row::Ptx, "Transmitter output power\tPtx\t%5.1lf\tdBm\n\n",
     "Puissance de l'\xE9metteur\tPtx\t%5.1lf\tdBm\n\n"},
    {Row::FreeSpaceLoss, "Free space loss\tLo\t%5.1lf\tdB\n",
     "Affaiblissement en espace libre\tLo\t%5.1lf\tdB\n"},
    {Row::TerrainLoss, "Additional terrain loss\tLad\t%5.1lf\tdB\n",
     "Affaiblissement additionel d\xFB au sol\tLad\t%5.1lf\tdB\n"},
    {Row::BranchingLoss, "Antenna branching  loss\tLbr\t%5.1lf\tdB\t%s\n",
     "Pertes de d\xE9rivation d'antenne\tLbr\t%5.1lf\tdB\t%s\n"},
    {Row::FeederLosses, "Feeder losses\tLc1\t%5.1lf\tdB\n",
     "Pertes dans le feeder\tLc1\t%5.1lf\tdB\n"},
    {Row::FeederLossesWithConnectors, "      (incl. connectors)\tLc2\t%5.1lf\tdB\n",
     "      (avec connecteurs)\tLc2\t%5.1lf\tdB\n"},
    {Row::AntennaGain1, "Antenna gains\tGa1\t%5.1lf\tdBi\n", "Gain d'antenne\tGa1\t%5.1lf\tdBi\n"},
    {Row::AntennaGain2, " \tGa2\t%5.1lf\tdBi\n\n", "\tGa2\t%5.1lf\tdBi\n\n"},
    {Row::HopLoss, "Hop loss in nonfaded state\tLho\t%5.1lf\tdB\n",
     "Affaiblissement sur le bond\tLho\t%5.1lf\tdB\n"},
    {Row::ReceivedPower, "Received unfaded power\tPrx\t%5.1lf\tdBm\n",
     "Niveau nominal de r\xE9"
     "ception\tPrx\t%5.1lf\tdBm\n"},
    {Row::ThresholdPower, "Receiver threshold power\tPrxth\t%5.1lf\tdBm\n",
     "Puissance de seuil du r\xE9"
     "cepteur\tPrxth\t%5.1lf\tdBm\n"},
    {Row::BitErrorRate, "at BER 10 %2i\n", "avec TEB 10%2i\n"},
    {Row::ThresholdDegradation, "Incl. threshold deg. \tY\t%3.1lf\tdB\n\n",
     "Avec deg. de seuil\tY\t%3.1lf\tdB\n\n", 1, 1},
    {Row::FlatMargin, "Flat fading margin\tM\t%5.1lf\tdB\n",
     "Marge d'\xE9vanouissement uniforme\tM\t%5.1lf\tdB\n"},
    {Row::SelectiveMargin, "Selective fading margin\tMsm\t%5.1lf\tdB\n\n",
     "Marge d'\xE9vanouissement s\xE9lectif\tMsm\t%5.1lf\tdB\n\n", 1, 1},
    {Row::FlatOutage, "Calculated flat outage time\tpfm\t%7.4lf\t%%\n",
     "Dur\xE9"
     "e d'interruption uniforme\tpfm\t%7.4lf\t%%\n"},
    {Row::SelectiveOutage, "Calculated selective outage time\tpsm\t%7.4lf\t%%\n\n",
     "Dur\xE9"
     "e d'interruption s\xE9lective\tpsm\t%7.4lf\t%%\n\n",
     1, 1},
    {Row::TotalOutage, "Total outage time (nondiversity)\tp\t%7.4lf\t%%\n",
     "Dur\xE9"
     "e d'interruption totale (sans div)\tp\t%7.4lf\t%%\n"},
    {Row::RainUnavailability, "Annual unavailability due to rain\t\t%7.4lf\t%%\n",
     "Indisponibilit\xE9 annuelle due \xE0 la pluie\t\t%7.4lf\t%%\n", 1, 1},
    {Row::NoDiversity, nullptr, nullptr, 8, 6},
    {Row::FrequencyDiversityHeading, "\n\nWith frequency diversity :\n",
     "\n\nAvec diversit\xE9 de fr\xE9quence :\n"},
    {Row::FrequencyDifference, "Frequency difference\tFd\t%5.3lf\n",
     "Diff\xE9rence de fr\xE9quence\tFd\t%5.3lf\n"},
    {Row::SpaceDiversityHeading, "\nWith space diversity :\n",
     "\nAvec la diversit\xE9 d'espace:\n"},
    {Row::DiversityDiameter, "Diversity antenna diameter\tDd\t%5.1lf\tm\n",
     "Diam\xE8tre d'antenne de diversit\xE9\tDd\t%5.1lf\tm\n"},
    {Row::DiversityGain, "Antenna gain\tGd\t%5.1lf\tdBi\n", "Gain d'antenne\tGd\t%5.1lf\tdBi\n"},
    {Row::AntennaSpacing, "Antenna spacing\ts\t%5.1lf\tm\n",
     "Distance de diversit\xE9\ts\t%5.1lf\tm\n"},
    {Row::VerticalSpacing, nullptr, "Separation verticale des antennes\ts\t%5.1lf\tm\n"},
    {Row::FlatImprovement, "Diversity improvement\tIfm\t%5.1lf\n",
     "Facteur d'am\xE9lioration (uniforme)\tIfm\t%5.1lf\n"},
    {Row::SelectiveImprovement, "Diversity improvement\tIsm\t%5.1lf\n\n",
     "Facteur d'am\xE9lioration (s\xE9lectif)\tIsm\t%5.1lf\n\n", 1, 1},
    {Row::FlatOutageWithDiversity, "Flat outage with diversity\tpfmd\t%7.4lf\t%%\n",
     "Dur\xE9"
     "e d'interruption uniforme (div)\tpfmd\t%7.4lf\t%%\n"},
    {Row::SelectiveOutageWithDiversity, "Sel. outage with diversity\tpsmd\t%7.4lf\t%%\n",
     "Dur\xE9"
     "e d'interruption s\xE9lective (div)\tpsmd\t%7.4lf\t%%\n",
     1, 1},
    {Row::TotalOutageWithDiversity, "Total outage with diversity\tpd\t%7.4lf\t%%\n\n\n",
     "Dur\xE9"
     "e d'interruption totale (div)\tpd\t%7.4lf\t%%\n\n\n"},
    {Row::HopFileName, "<%s>\n", "<%s>\n"},
    {Row::LibraryIdentification, "<Library: %s>\n", "<Library: %s>\n"},
};
static_assert(inRowOrder(kDelimitedRows));

} // namespace

std::string buildHopDelimitedReport(const HopState& hop, const EquipmentLibrary& library,
                                    ReportLanguage language, std::string_view hopFileName,
                                    std::string_view dateStamp) {
    const HopReportContext report =
        hopReportContext(HopReportForm::Delimited, hop, library, language, hopFileName, dateStamp);
    ReportText out;
    HopReportTextRows rows(out, kDelimitedRows, report.french);
    putHopReportRows(rows, report);
    return out.withCrLf();
}

} // namespace korvel
