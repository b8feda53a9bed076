#include "report/hop_report_page.h"

#include "platform/print_device.h"
#include "report/hop_report_rows.h"
#include "report/report_page_pen.h"
#include "report/report_text.h"

namespace korvel {
namespace {

using Row = HopReportRow;

// Each row's text in English and French; the room above it, below it (in each language) and,
// for a row a hop may leave out, in its place, in line heights.
constexpr HopReportRowLayout kPageRows[] = {
    {Row::CompanyAndDate, " %s%30s", " %s%30s", 0, 0, 0, 1, 1},
    {Row::Info, " %s", " %s", 0, 0, 0, 2, 3},
    {Row::Title, " %s", " %s", 0, 0, 0, 1, 1},
    {Row::RadioAndMethod, " %s", " %s", 0, 0, 0, 2, 2},
    {Row::Stations, " Calculated hop from      %-15s to  %-15s",
     " Le bond en question de         %-15s \xE0 %-15s", 0, 0, 0, 1.5, 2},
    {Row::Frequency, " Radio frequency       %5.1lf GHz ",
     " Fr\xE9quence radio\xE9lectrique     %5.1lf GHz ", 0, 0, 0, kRowGoesOn, kRowGoesOn},
    {Row::Polarization, "%s", "%s", 1, 1, 0, 1, 1},
    {Row::HopLength, " Hop length            %5.1lf km", " Longueur du bond              %5.1lf km",
     0, 0, 0, 1, 1},
    {Row::Latitude, " Latitude            %5.0lf%s", " Latitude                     %5.0lf%s", 0, 0,
     0, 1, 1},
    {Row::Longitude, " Longitude           %5.0lf%s", " Longitude                    %5.0lf%s", 0,
     0, 0, 1, 1},
    {Row::PercentagePL, " Percentage pL         %5.1lf %%",
     " Pourcentage pL                %5.1lf %%", 0, 0, 0, 1, 1},
    {Row::GeoclimaticFactor, " Geoclimatic factor      %s",
     " Facteur g\xE9oclimatique           %s"},
    {Row::RainRate, " Rainrate (0.01%%)      %5.1lf mm/h",
     " Intensit\xE9 de pluie (0.01%%)    %5.1lf mm/h", 1.5, 1.5, 1, 1.5, 1.5},
    {Row::StationHeights, " Station heights            %5.1lf m            %5.1lf m",
     " Altitude des stations           %5.1lf m            %5.1lf m", 0, 0, 0, 1, 1},
    {Row::StationHeightsNote, " (reference levels)",
     " (niveaux de r\xE9"
     "f\xE9rence)",
     0, 0, 0, 1, 1},
    {Row::AntennaHeights, " Antenna heights            %5.1lf m            %5.1lf m",
     " Hauteur d'antenne (sup\xE9rieurs   %5.1lf m            %5.1lf m", 0, 0, 0, 1, 1},
    {Row::AntennaHeightsNote, " (above station ref. levels)",
     " aux niveaux r\xE9"
     "f\xE9rence de station)",
     0, 0, 0, 1, 1},
    {Row::FeederLengths, " Feeder lengths             %5.1lf m            %5.1lf m",
     " Longueur du feeder              %5.1lf m            %5.1lf m", 0, 0, 0, 1, 1},
    {Row::FeederLoss, " Feeder loss/100m           %5.1lf dB           %5.1lf dB",
     " Pertes dans le feeder/100m      %5.1lf dB           %5.1lf dB", 0, 0, 0, 1, 1},
    {Row::FeederType, " Feeder type                 %-12.12s       %-12.12s",
     " Type de feeder                  %-12.12s       %-12.12s", 0, 0, 0, 1, 1},
    {Row::AntennaDiameters, " Antenna diameters          %5.1lf m            %5.1lf m",
     " Diam\xE8tre d'antenne              %5.1lf m            %5.1lf m", 0, 0, 0, 2, 2},
    {Row::Ptx, " Transmitter output power            Ptx %5.1lf dBm",
     " Puissance de l'\xE9metteur                   Ptx %5.1lf dBm", 0, 0, 0, 2, 2},
    {Row::FreeSpaceLoss, " Free space loss            Lo           %5.1lf dB",
     " Affaiblissement en espace libre      Lo  %5.1lf dB", 0, 0, 0, 1, 1},
    {Row::TerrainLoss, " Additional terrain loss    Lad          %5.1lf dB",
     " Affaiblissement additionel d\xFB au sol Lad %5.1lf dB", 0, 0, 0, 1, 1},
    {Row::BranchingLoss, " Antenna branching  loss    Lbr          %5.1lf dB    %s",
     " Pertes de d\xE9rivation d'antenne       Lbr %5.1lf dB    %s", 0, 0, 0, 1, 1},
    {Row::FeederLosses, " Feeder losses              Lc1          %5.1lf dB",
     " Pertes dans le feeder                Lc1 %5.1lf dB", 0, 0, 0, 1, 1},
    {Row::FeederLossesWithConnectors, "       (incl. connectors)   Lc2          %5.1lf dB",
     "       (avec connecteurs)             Lc2 %5.1lf dB", 0, 0, 0, 1, 1},
    {Row::AntennaGain1, " Antenna gains              Ga1          %5.1lf dBi",
     " Gain d'antenne                       Ga1 %5.1lf dBi", 0, 0, 0, 1, 1},
    {Row::AntennaGain2, "                            Ga2          %5.1lf dBi",
     "                                      Ga2 %5.1lf dBi", 0, 0, 0, 2, 2},
    {Row::HopLoss, " Hop loss in nonfaded state        Lho   %5.1lf     dB",
     " Affaiblissement sur le bond             Lho    %5.1lf     dB", 0, 0, 0, 1, 1},
    {Row::ReceivedPower, " Received unfaded power            Prx   %5.1lf     dBm",
     " Niveau nominal de r\xE9"
     "ception             Prx    %5.1lf     dBm",
     0, 0, 0, 1, 1},
    {Row::ThresholdPower, " Receiver threshold power          Prxth %5.1lf     dBm",
     " Puissance de seuil du r\xE9"
     "cepteur         Prxth  %5.1lf     dBm",
     0, 0, 0, 1, 1},
    {Row::BitErrorRate, " at BER 10 %2i", " avec TEB 10 %2i"},
    {Row::ThresholdDegradation, " Incl. threshold deg. Y  %3.1lf dB",
     " Avec deg. de seuil Y  %3.1lf dB", 1.5, 1.5, 1, 1.5, 1.5},
    {Row::FlatMargin, " Flat fading margin                M     %5.1lf     dB",
     " Marge d'\xE9vanouissement uniforme         M      %5.1lf     dB", 0, 0, 0, 1, 1},
    {Row::SelectiveMargin, " Selective fading margin           Msm   %5.1lf     dB",
     " Marge d'\xE9vanouissement s\xE9lectif         Msm    %5.1lf     dB", 1, 1, 0, 1.5, 1.5},
    {Row::FlatOutage, " Calculated flat outage time       pfm   %7.4lf   %%",
     " Dur\xE9"
     "e d'interruption uniforme           pfm    %7.4lf   %%",
     0, 0, 0, 1, 1},
    {Row::SelectiveOutage, " Calculated selective outage time  psm   %7.4lf   %%",
     " Dur\xE9"
     "e d'interruption s\xE9lective          psm    %7.4lf   %%",
     1, 2, 0, 1, 2},
    {Row::TotalOutage, " Total outage time (nondiversity)  p     %7.4lf   %%",
     " Dur\xE9"
     "e d'interruption totale (sans div)  p      %7.4lf   %%",
     0, 0, 0, 1, 1},
    {Row::RainUnavailability, " Annual unavailability due to rain       %7.4lf   %%",
     " Indisponibilit\xE9 annuelle due \xE0 la pluie        %7.4lf   %%", 1, 1, 0, 1, 1},
    {Row::NoDiversity, nullptr, nullptr, 13, 13},
    {Row::FrequencyDiversityHeading,
     " With frequency diversity :", " Avec diversit\xE9 de fr\xE9quence :", 0, 0, 3, 1, 1},
    {Row::FrequencyDifference, " Frequency difference       Fd  %5.3lf",
     " Diff\xE9rence de fr\xE9quence            Fd  %5.3lf", 0, 0, 0, 1, 1},
    {Row::SpaceDiversityHeading, " With space diversity :", " Avec la diversit\xE9 d'espace:", 0, 0,
     1, 1, 1},
    {Row::DiversityDiameter, " Diversity antenna diameter Dd  %5.1lf m",
     " Diam\xE8tre d'antenne de diversit\xE9    Dd  %5.1lf m", 0, 0, 0, 1, 1},
    {Row::DiversityGain, " Antenna gain               Gd  %5.1lf dBi",
     " Gain d'antenne                     Gd  %5.1lf dBi", 0, 0, 0, 1, 1},
    {Row::AntennaSpacing, " Antenna spacing            s   %5.1lf m",
     " Distance de diversit\xE9              s   %5.1lf m", 0, 0, 0, 1, 1},
    {Row::VerticalSpacing, nullptr, nullptr},
    {Row::FlatImprovement, " Diversity improvement      Ifm %5.1lf",
     " Facteur d'am\xE9lioration (uniforme)  Ifm %5.1lf", 0, 0, 0, 1, 1},
    {Row::SelectiveImprovement, " Diversity improvement      Ism %5.1lf",
     " Facteur d'am\xE9lioration (s\xE9lectif)  Ism %5.1lf", 2, 2, 0, 2, 2},
    {Row::FlatOutageWithDiversity, " Flat outage with diversity        pfmd  %7.4lf   %%",
     " Dur\xE9"
     "e d'interruption uniforme (div)      pfmd   %7.4lf   %%",
     0, 0, 0, 1, 1},
    {Row::SelectiveOutageWithDiversity, " Sel. outage with diversity        psmd  %7.4lf   %%",
     " Dur\xE9"
     "e d'interruption s\xE9lective (div)     psmd   %7.4lf   %%",
     2, 2, 0, 1, 1},
    {Row::TotalOutageWithDiversity, " Total outage with diversity       pd    %7.4lf   %%",
     " Dur\xE9"
     "e d'interruption totale (div)        pd     %7.4lf   %%",
     0, 0, 0, 2, 2},
    {Row::HopFileName, "<%s>", "<%s>", 0, 0, 0, 1, 1},
    {Row::LibraryIdentification, "<Library: %s>", "<Library: %s>"},
};
static_assert(inRowOrder(kPageRows));

// Each row drawn as one text run; a row that goes on is drawn with the next.
class PageRows {
  public:
    PageRows(ReportPagePen& pen, bool french) : pen_(pen), french_(french) {}

    template <typename... Values> void put(HopReportRow row, Values... values) {
        const HopReportRowLayout& layout = kPageRows[static_cast<std::size_t>(row)];
        const char* format = french_ ? layout.french : layout.english;
        if (format == nullptr) {
            return;
        }
        if (layout.before != 0) {
            pen_.advance(layout.before);
        }
        held_ += formattedRow(format, values...);
        const double after = french_ ? layout.afterFrench : layout.afterEnglish;
        if (after != kRowGoesOn) {
            pen_.draw(held_);
            held_.clear();
            if (after != 0) {
                pen_.advance(after);
            }
        }
    }
    void skip(HopReportRow row) {
        const HopReportRowLayout& layout = kPageRows[static_cast<std::size_t>(row)];
        if (!held_.empty()) {
            pen_.draw(held_);
            held_.clear();
        }
        const double room = french_ ? layout.skipFrench : layout.skipEnglish;
        if (room != 0) {
            pen_.advance(room);
        }
    }

  private:
    ReportPagePen& pen_;
    bool french_;
    std::string held_;
};

} // namespace

void drawHopReportPage(PrintDevice& device, const HopState& hop, const EquipmentLibrary& library,
                       ReportLanguage language, std::string_view hopFileName,
                       std::string_view dateStamp) {
    const HopReportContext report =
        hopReportContext(HopReportForm::Page, hop, library, language, hopFileName, dateStamp);
    ReportPagePen pen(device, 6 * device.averageCharWidth(), 2 * device.lineHeight());
    PageRows rows(pen, report.french);
    putHopReportRows(rows, report);
}

} // namespace korvel
