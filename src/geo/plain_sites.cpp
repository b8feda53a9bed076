#include "geo/plain_sites.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <system_error>

#include "geo/site_ranges.h"
#include "geo/sites_file_keys.h"

namespace korvel {

namespace {

// Reads JSON tokens off the text; every read gives up (false, nothing) at what a plain file
// does not hold.
class PlainReader {
  public:
    explicit PlainReader(std::string_view text) : text_(text) {}

    // Takes `c` when it comes next after blanks.
    bool take(char c) {
        skipBlanks();
        return accept(c);
    }

    [[nodiscard]] bool atEnd() {
        skipBlanks();
        return at_ == text_.size();
    }

    // A key in quotes without escapes or bytes beyond ASCII, and its colon.
    std::optional<std::string_view> key() {
        if (!take('"')) {
            return std::nullopt;
        }
        const std::size_t start = at_;
        for (; at_ < text_.size() && text_[at_] != '"'; ++at_) {
            const auto byte = static_cast<unsigned char>(text_[at_]);
            if (byte == '\\' || byte < 0x20 || byte >= 0x80) {
                return std::nullopt;
            }
        }
        const std::string_view name = text_.substr(start, at_ - start);
        if (!accept('"') || !take(':')) {
            return std::nullopt;
        }
        return name;
    }

    // A number as the document reader takes it: a whole number through a 64-bit integer (so
    // "-0" is 0), any other as the nearest double.
    std::optional<double> number() {
        skipBlanks();
        const std::size_t start = at_;
        accept('-');
        bool whole = true;
        if (!accept('0') && !digits()) {
            return std::nullopt;
        }
        if (accept('.')) {
            whole = false;
            if (!digits()) {
                return std::nullopt;
            }
        }
        if (accept('e') || accept('E')) {
            whole = false;
            if (!accept('+')) {
                accept('-');
            }
            if (!digits()) {
                return std::nullopt;
            }
        }
        const char* first = text_.data() + start;
        const char* last = text_.data() + at_;
        if (whole) {
            std::int64_t value = 0;
            const auto [end, error] = std::from_chars(first, last, value);
            return error == std::errc{} && end == last ? std::optional(static_cast<double>(value))
                                                       : std::nullopt;
        }
        double value = 0.0;
        const auto [end, error] = std::from_chars(first, last, value);
        return error == std::errc{} && end == last ? std::optional(value) : std::nullopt;
    }

  private:
    bool accept(char c) {
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    bool digits() {
        const std::size_t start = at_;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') {
            ++at_;
        }
        return at_ > start;
    }

    void skipBlanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\n' ||
                                      text_[at_] == '\r' || text_[at_] == '\t')) {
            ++at_;
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

constexpr std::array<std::string_view, 3> kStationFields = {
    sites_keys::kLatitude, sites_keys::kLongitude, sites_keys::kGroundElevation};

std::optional<SitePosition> plainStation(PlainReader& in) {
    std::array<std::optional<double>, 3> values;
    if (!in.take('{')) {
        return std::nullopt;
    }
    do {
        const auto name = in.key();
        std::size_t field = 0;
        while (name && field < kStationFields.size() && kStationFields[field] != *name) {
            ++field;
        }
        if (!name || field == kStationFields.size() || values[field]) {
            return std::nullopt;
        }
        values[field] = in.number();
        if (!values[field]) {
            return std::nullopt;
        }
    } while (in.take(','));
    if (!in.take('}') || !values[0] || !values[1] || !values[2]) {
        return std::nullopt;
    }
    const SitePosition site{*values[0], *values[1], *values[2]};
    if (!withinRange(site.latitudeDeg, kLatitudeRangeDeg) ||
        !withinRange(site.longitudeDeg, kLongitudeRangeDeg) ||
        !withinRange(site.groundElevationM, kGroundElevationRangeM)) {
        return std::nullopt;
    }
    return site;
}

} // namespace

std::optional<HopSites> readPlainSites(std::string_view text, int currentVersion) {
    PlainReader in(text);
    HopSites sites;
    std::optional<double> version;
    if (!in.take('{')) {
        return std::nullopt;
    }
    do {
        const auto name = in.key();
        if (name == sites_keys::kVersion && !version) {
            version = in.number();
            if (!version) {
                return std::nullopt;
            }
        } else if (name == sites_keys::kStations[0] || name == sites_keys::kStations[1]) {
            auto& station = sites.stations[name == sites_keys::kStations[0] ? 0 : 1];
            if (station) {
                return std::nullopt;
            }
            station = plainStation(in);
            if (!station) {
                return std::nullopt;
            }
        } else {
            return std::nullopt;
        }
    } while (in.take(','));
    if (!in.take('}') || !in.atEnd() || !version || (*version != 1 && *version != currentVersion)) {
        return std::nullopt;
    }
    return sites;
}

} // namespace korvel
