#include "ui/hop_files.h"

#include <cmath>
#include <fstream>
#include <system_error>

#include "engine/number_text.h"
#include "geo/site_offers.h"
#include "hopfile/hop_file.h"
#include "hopfile/hop_preparation.h"
#include "platform/text_encoding.h"
#include "ui/hop_sites_files.h"
#include "ui/page.h"
#include "ui/results_basis.h"
#include "ui/session.h"

namespace korvel {

bool chooseFile(Session& session, DialogView* page, FileDialogUse use) {
    ApplicationState& app = session.app;
    // The dialog starts in the current file's folder; Save As proposes the current name.
    session.ports.files.setStartFolder(app.workingFolder.string());
    if (use == FileDialogUse::SaveHop) {
        session.ports.files.setStartName(app.currentHopFileName.string());
    }
    const std::optional<ChosenFile> chosen = [&] {
        const PageDisabled disabled(page);
        return session.ports.files.choose(use);
    }();
    // Cancelled: the hop keeps the file it had.
    if (!chosen) {
        return false;
    }
    app.fullFileName = chosen->fullName;
    app.currentHopFileName = chosen->bareName;
    app.workingFolder = chosen->fullName.parent_path();
    return true;
}

bool openChosenHop(Session& session) {
    HopState& hop = session.hop;
    const std::filesystem::path& name = session.app.currentHopFileName;
    if (!readHopFile(hop, session.library, session.fileInWorkingFolder(name), pathToCp1252(name),
                     session.ports.messages)) {
        return false;
    }
    takeReadHop(session);
    return true;
}

namespace {

// The hop length and the station heights are kept to a tenth, as the Basics page shows them.
constexpr double kTenthStep = 0.1;

double toTenth(double value) {
    return std::round(value / kTenthStep) * kTenthStep;
}

bool sameTenth(double a, double b) {
    return std::fabs(a - b) < kTenthStep / 2;
}

std::string tenths(double value, const char* unit) {
    return formatNumbers("%.1f %s", value, unit);
}

std::string wholeDegrees(double degrees, char hemisphere) {
    return formatNumbers("%.0f %c", degrees, hemisphere);
}

std::string stationHeights(double one, double two) {
    return tenths(one, "m") + " and " + tenths(two, "m");
}

char northSouthLetter(NorthSouth side) {
    return side == NorthSouth::North ? 'N' : 'S';
}
char eastWestLetter(EastWest side) {
    return side == EastWest::East ? 'E' : 'W';
}

// What the sites offer, rounded as the pages show it, and which of it differs from the hop.
struct SiteDifferences {
    SiteOffers offers;
    double lengthKm = 0.0;
    double height1M = 0.0;
    double height2M = 0.0;
    bool length = false;
    bool latitude = false;
    bool longitude = false;
    bool heights = false;
    [[nodiscard]] bool any() const { return length || latitude || longitude || heights; }
};

SiteDifferences siteDifferences(const SiteOffers& offers, const HopRecord& record) {
    SiteDifferences d{offers};
    d.lengthKm = toTenth(offers.hopLengthKm);
    d.height1M = toTenth(offers.stationHeightsM[0]);
    d.height2M = toTenth(offers.stationHeightsM[1]);
    d.length = !sameTenth(d.lengthKm, record.hopLengthKm);
    d.latitude = offers.latitudeDeg != std::round(record.latitudeDeg) ||
                 offers.northSouth != record.northSouth;
    d.longitude = offers.longitudeDeg != std::round(record.longitudeDeg) ||
                  offers.eastWest != record.eastWest;
    d.heights = !sameTenth(d.height1M, record.station1HeightM) ||
                !sameTenth(d.height2M, record.station2HeightM);
    return d;
}

std::string siteQuestion(const SiteDifferences& d, const HopRecord& record) {
    const SiteOffers& offers = d.offers;
    std::string question = "The sites give other values than the hop:";
    if (d.length) {
        question += "\nHop length " + tenths(d.lengthKm, "km") + " (the hop has " +
                    tenths(record.hopLengthKm, "km") + ")";
    }
    if (d.latitude) {
        question += "\nLatitude " +
                    wholeDegrees(offers.latitudeDeg, northSouthLetter(offers.northSouth)) +
                    " (the hop has " +
                    wholeDegrees(record.latitudeDeg, northSouthLetter(record.northSouth)) + ")";
    }
    if (d.longitude) {
        question += "\nLongitude " +
                    wholeDegrees(offers.longitudeDeg, eastWestLetter(offers.eastWest)) +
                    " (the hop has " +
                    wholeDegrees(record.longitudeDeg, eastWestLetter(record.eastWest)) + ")";
    }
    if (d.heights) {
        question += "\nStation heights " + stationHeights(d.height1M, d.height2M) +
                    " (the hop has " +
                    stationHeights(record.station1HeightM, record.station2HeightM) + ")";
    }
    return question + "\nTake them into the hop?";
}

void takeSiteValues(const SiteDifferences& d, HopRecord& record) {
    if (d.length) {
        record.hopLengthKm = d.lengthKm;
    }
    if (d.latitude) {
        record.latitudeDeg = d.offers.latitudeDeg;
        record.northSouth = d.offers.northSouth;
    }
    if (d.longitude) {
        record.longitudeDeg = d.offers.longitudeDeg;
        record.eastWest = d.offers.eastWest;
    }
    if (d.heights) {
        record.station1HeightM = d.height1M;
        record.station2HeightM = d.height2M;
    }
}

// Everything the sites offer that differs from the hop goes into one question; the planner
// takes all of it or, with No (the default), keeps the hop as it is.
void offerSiteValues(Session& session) {
    const auto offers = siteOffers(session.sites);
    if (!offers) {
        return;
    }
    HopRecord& record = session.hop.record;
    const SiteDifferences differences = siteDifferences(*offers, record);
    if (differences.any() &&
        session.ports.messages.show(siteQuestion(differences, record), kAppCaption,
                                    MessageIcon::Question,
                                    MessageButtons::YesNoDefaultNo) == MessageAnswer::Yes) {
        takeSiteValues(differences, record);
    }
}

} // namespace

void takeReadHop(Session& session) {
    HopState& hop = session.hop;
    hop.selection.otherRadio = session.library.isOtherRadio(hop.selection.radioIndex);
    // Reports print the hop as stored, without a page committing it first.
    commitFeederPosition(hop, session.library);
    const std::filesystem::path file = session.fileInWorkingFolder(session.app.currentHopFileName);
    readHopSites(session, file);
    session.markHopSaved();
    noteResultsOpened(session, file);
    offerSiteValues(session);
}

std::optional<SaveFile> chooseHopToSave(Session& session, DialogView* page) {
    ApplicationState& app = session.app;
    const ApplicationState before = app;
    if (!chooseFile(session, page, FileDialogUse::SaveHop)) {
        return std::nullopt;
    }
    const std::filesystem::path file = session.fileInWorkingFolder(session.app.currentHopFileName);
    std::error_code error;
    if (std::filesystem::exists(file, error)) {
        if (std::fstream(file, std::ios::binary | std::ios::in | std::ios::out).is_open()) {
            return SaveFile::Existing;
        }
    } else if (!error && std::ofstream(file, std::ios::binary).is_open()) {
        return SaveFile::CreatedEmpty;
    }
    session.ports.messages.show("Unable to create " + pathToCp1252(app.fullFileName), kAppCaption,
                                MessageIcon::None, MessageButtons::Ok);
    // Nothing was written: the hop keeps the file it had.
    app.fullFileName = before.fullFileName;
    app.currentHopFileName = before.currentHopFileName;
    app.workingFolder = before.workingFolder;
    return std::nullopt;
}

bool finishSave(Session& session, SaveFile file, bool accepted) {
    std::filesystem::path& name = session.app.currentHopFileName;
    const std::filesystem::path path = session.fileInWorkingFolder(name);
    std::string shownName = pathToCp1252(name); // emptied when the write fails
    if (accepted) {
        bringResultsUpToDate(session);
    }
    const bool written = accepted && writeHopWithSites(session, path, shownName);
    if (accepted && !written) {
        name.clear();
    }
    if (!written && file == SaveFile::CreatedEmpty) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        name.clear();
    }
    if (written) {
        session.markHopSaved();
    }
    return written;
}

} // namespace korvel
