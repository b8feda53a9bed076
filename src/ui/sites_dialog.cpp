#include "ui/sites_dialog.h"

#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <string>

#include "fields/format_fixed.h"
#include "geo/coordinate_text.h"
#include "geo/path_ends.h"
#include "geo/site_entry.h"
#include "geo/site_ranges.h"
#include "geo/sites_file.h"
#include "platform/dialog_host.h"
#include "platform/elevation_module.h"
#include "platform/elevation_sources.h"
#include "platform/messages.h"
#include "platform/text_encoding.h"
#include "platform/text_trim.h"
#include "ui/site_question.h"

namespace korvel {

namespace {

constexpr int kCoordinateTyped = 40;
constexpr int kGroundTyped = 10;
constexpr int kDegreeDecimals = 6; // a tenth of a metre on the ground
constexpr const char* kUnknown = "-";

using Stations = std::array<std::optional<SitePosition>, 2>;

std::string stationWords(std::size_t station) {
    return station == 0 ? "Station 1" : "Station 2";
}

std::string capitalised(std::string text) {
    if (!text.empty() && text.front() >= 'a' && text.front() <= 'z') {
        text.front() = static_cast<char>(text.front() - 'a' + 'A');
    }
    return text;
}

std::string angleText(double degrees) {
    return formatFixed(degrees, 2) + "\xB0";
}

// "60.169900° N, 24.938400° E", as the position was read.
std::string positionText(GeoPoint point) {
    return formatFixed(std::fabs(point.latitudeDeg), kDegreeDecimals) + "\xB0 " +
           (point.latitudeDeg < 0.0 ? "S" : "N") + ", " +
           formatFixed(std::fabs(point.longitudeDeg), kDegreeDecimals) + "\xB0 " +
           (point.longitudeDeg < 0.0 ? "W" : "E");
}

class SitesDialog final : public DialogEvents {
  public:
    explicit SitesDialog(const SitesDialogParts& parts) : parts_(parts) {}

    void opened(DialogView& view) {
        view_ = &view;
        const HopRecord& record = parts_.record;
        for (std::size_t s = 0; s < 2; ++s) {
            const std::string_view name =
                s == 0 ? record.station1Name.view() : record.station2Name.view();
            view.setText(control(kSitesStationGroup, s),
                         stationWords(s) + (name.empty() ? "" : ": " + std::string(name)));
            view.setTextLimit(control(kSitesLatitudeField, s), kCoordinateTyped);
            view.setTextLimit(control(kSitesLongitudeField, s), kCoordinateTyped);
            view.setTextLimit(control(kSitesGroundField, s), kGroundTyped);
            view.setNumberEntry(control(kSitesGroundField, s));
            opening_[s] = parts_.sites.stations[s];
            if (const auto& site = opening_[s]) {
                openingTexts_[s] = {formatFixed(site->latitudeDeg, kDegreeDecimals),
                                    formatFixed(site->longitudeDeg, kDegreeDecimals),
                                    formatFixed(site->groundElevationM, 1)};
            }
            setTexts(s, openingTexts_[s]);
        }
        view.setText(kSitesAntennasLabel,
                     "Elevation angles toward the other antenna over an earth of k = 4/3, the "
                     "antennas " +
                         formatFixed(record.antenna1HeightM, 1) + " m and " +
                         formatFixed(record.antenna2HeightM, 1) +
                         " m above the ground (Form page).");
        showReadings();
        view.setFocus(kSitesLatitudeField);
    }

    void onCommand(ControlId control) override {
        if (control == kOkButton) {
            accept();
        } else if (control == kCancelButton) {
            view_->endDialog(0);
        } else if (control == kSitesFromTerrainButton ||
                   control == sitesControl(kSitesFromTerrainButton, 1)) {
            readGroundFromTerrain(control == kSitesFromTerrainButton ? 0 : 1);
        }
    }

    void onEdited(ControlId field) override {
        spreadPastedPair(field);
        showReadings();
    }

    [[nodiscard]] const Stations& kept() const { return kept_; }

  private:
    static ControlId control(ControlId first, std::size_t station) {
        return sitesControl(first, station);
    }

    [[nodiscard]] SiteTexts texts(std::size_t s) const {
        return {view_->text(control(kSitesLatitudeField, s)),
                view_->text(control(kSitesLongitudeField, s)),
                view_->text(control(kSitesGroundField, s))};
    }

    void setTexts(std::size_t s, const SiteTexts& texts) {
        for (const auto& [field, text] : {std::pair{kSitesLatitudeField, &texts.latitude},
                                          std::pair{kSitesLongitudeField, &texts.longitude},
                                          std::pair{kSitesGroundField, &texts.groundM}}) {
            view_->setText(control(field, s), *text);
            lastTexts_[control(field, s)] = *text;
        }
    }

    // A text left as the dialog showed it stands for the value it showed, to the last digit.
    [[nodiscard]] SiteEntry entry(std::size_t s, const SiteTexts& typed) const {
        SiteEntry read = readSiteEntry(typed);
        const SiteTexts& shown = openingTexts_[s];
        if (const auto& site = opening_[s]) {
            if (read.point && typed.latitude == shown.latitude &&
                typed.longitude == shown.longitude) {
                read.point = geoPointOf(*site);
            }
            if (read.groundM && typed.groundM == shown.groundM) {
                read.groundM = site->groundElevationM;
            }
        }
        return read;
    }
    [[nodiscard]] SiteEntry entry(std::size_t s) const { return entry(s, texts(s)); }

    // A pair pasted (or typed at once) into either coordinate goes into both fields.
    void spreadPastedPair(ControlId field) {
        const std::string now = view_->text(field);
        const std::size_t before = lastTexts_[field].size();
        lastTexts_[field] = now;
        const std::size_t s = field >= kSitesLatitudeField + kSitesStationStep ? 1 : 0;
        const bool coordinate =
            field == control(kSitesLatitudeField, s) || field == control(kSitesLongitudeField, s);
        if (!coordinate || now.size() <= before + 1) {
            return;
        }
        if (const auto pair = pastedPair(now)) {
            SiteTexts spread = texts(s);
            spread.latitude = std::string(trimmed(pair->latitude, " \t"));
            spread.longitude = std::string(trimmed(pair->longitude, " \t"));
            setTexts(s, spread);
        }
    }

    void showReadings() {
        const std::array<SiteEntry, 2> entries{entry(0), entry(1)};
        for (std::size_t s = 0; s < 2; ++s) {
            const SiteEntry& read = entries[s];
            std::string words = read.blank ? "No site" : read.error;
            if (read.point) {
                words = positionText(*read.point) + (read.error.empty() ? "" : "; " + read.error);
            }
            view_->setText(control(kSitesReadAsLabel, s), capitalised(words));
            view_->setText(control(kSitesAzimuthLabel, s), kUnknown);
            view_->setText(control(kSitesElevationLabel, s), kUnknown);
        }
        view_->setText(kSitesDistanceLabel, kUnknown);
        if (!entries[0].point || !entries[1].point) {
            return;
        }
        if (const auto fault = sitePairFault(*entries[0].point, *entries[1].point)) {
            view_->setText(kSitesDistanceLabel, capitalised(*fault));
            return;
        }
        showPathEnds(entries[0].site(), entries[1].site(), *entries[0].point, *entries[1].point);
    }

    void showPathEnds(const std::optional<SitePosition>& one,
                      const std::optional<SitePosition>& two, GeoPoint from, GeoPoint to) {
        const HopRecord& record = parts_.record;
        const GeodesicAzimuths azimuths = geodesicAzimuths(from, to);
        view_->setText(kSitesDistanceLabel, formatFixed(geodesicLengthKm(from, to), 3) + " km");
        view_->setText(control(kSitesAzimuthLabel, 0), angleText(azimuths.fromDeg));
        view_->setText(control(kSitesAzimuthLabel, 1), angleText(azimuths.toDeg));
        if (!one || !two) {
            return; // the elevation angles wait for both ground elevations
        }
        const PathEnds ends = pathEnds({one, two}, record.hopLengthKm,
                                       {one->groundElevationM + record.antenna1HeightM,
                                        two->groundElevationM + record.antenna2HeightM});
        for (std::size_t s = 0; s < 2; ++s) {
            view_->setText(control(kSitesElevationLabel, s), angleText(ends.ends[s].elevationDeg));
        }
    }

    // `said` in a box, and the focus on the field it is about.
    void refuse(std::size_t s, ControlId field, const std::string& said) {
        parts_.messages.show(said, kAppCaption, MessageIcon::Warning);
        view_->setFocus(control(field, s));
    }

    void refuse(std::size_t s, const SiteEntry& read) {
        const ControlId field = read.refused == SiteField::Latitude    ? kSitesLatitudeField
                                : read.refused == SiteField::Longitude ? kSitesLongitudeField
                                                                       : kSitesGroundField;
        refuse(s, field, stationWords(s) + ": " + read.error);
    }

    void readGroundFromTerrain(std::size_t s) {
        SiteTexts position = texts(s);
        position.groundM = "0"; // only the position counts here
        const SiteEntry read = entry(s, position);
        if (!read.point) {
            refuse(s, read);
            return;
        }
        const auto ground = groundFromTerrain(s, *read.point);
        if (!ground) {
            return;
        }
        SiteTexts withGround = texts(s);
        withGround.groundM = formatFixed(*ground, 1);
        setTexts(s, withGround);
        showReadings();
    }

    // The ground at the point from the elevation models of the settings; nothing after saying
    // why not.
    std::optional<double> groundFromTerrain(std::size_t s, GeoPoint point) {
        Messages& messages = parts_.messages;
        const auto sources = elevationSources(parts_.profile);
        if (sources.empty()) {
            messages.show(kNoElevationModelText, kAppCaption, MessageIcon::Information);
            return std::nullopt;
        }
        const ElevationModelOpening opening = openElevationModel(sources);
        if (!opening.model) {
            messages.show(utf8ToCp1252(opening.error), kAppCaption, MessageIcon::Warning);
            return std::nullopt;
        }
        const auto ground = opening.model->elevationM(point.latitudeDeg, point.longitudeDeg);
        const std::string fault = opening.model->readFault();
        if (!ground) {
            refuse(s, kSitesLatitudeField,
                   stationWords(s) + ": no elevation model holds the ground at " +
                       positionText(point) +
                       (fault.empty() ? "." : " (" + utf8ToCp1252(fault) + ")."));
            return std::nullopt;
        }
        if (!withinRange(*ground, kGroundElevationRangeM)) {
            refuse(s, kSitesGroundField,
                   stationWords(s) + ": the elevation models give " + formatFixed(*ground, 1) +
                       " m at " + positionText(point) + "; a ground elevation is " +
                       rangeInWords(kGroundElevationRangeM, "m") + ".");
            return std::nullopt;
        }
        return ground;
    }

    // Every value checked before any is kept; the first refused is said and focused.
    void accept() {
        Stations stations;
        for (std::size_t s = 0; s < 2; ++s) {
            const SiteEntry read = entry(s);
            if (!read.blank && !read.site()) {
                refuse(s, read);
                return;
            }
            stations[s] = read.site();
        }
        if (stations[0] && stations[1]) {
            if (const auto fault =
                    sitePairFault(geoPointOf(*stations[0]), geoPointOf(*stations[1]))) {
                // The station on a pole, or the second of two at one place.
                refuse(std::fabs(stations[0]->latitudeDeg) == 90.0 ? 0 : 1, kSitesLatitudeField,
                       capitalised(*fault));
                return;
            }
        }
        HopSites next = parts_.sites;
        next.stations = stations;
        if (const auto fault = sitesFault(next)) {
            parts_.messages.show(utf8ToCp1252(*fault), kAppCaption, MessageIcon::Warning);
            return;
        }
        kept_ = stations;
        view_->endDialog(1);
    }

    const SitesDialogParts& parts_;
    DialogView* view_ = nullptr;
    Stations opening_;                      // the sites the dialog opened with
    std::array<SiteTexts, 2> openingTexts_; // and the texts it showed for them
    std::map<ControlId, std::string> lastTexts_;
    Stations kept_;
};

} // namespace

bool runSitesDialog(const SitesDialogParts& parts) {
    SitesDialog dialog(parts);
    if (parts.dialogs.runModal(DialogId::Sites, dialog,
                               [&dialog](DialogView& view) { dialog.opened(view); }) != 1) {
        return false;
    }
    parts.sites.stations = dialog.kept();
    offerSiteValues(parts.messages, parts.sites, parts.record);
    return true;
}

} // namespace korvel
