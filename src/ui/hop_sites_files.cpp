#include "ui/hop_sites_files.h"

#include <algorithm>
#include <span>
#include <system_error>
#include <utility>

#include "geo/sites_file.h"
#include "hopfile/hop_file.h"
#include "platform/file_read.h"
#include "platform/file_replace.h"
#include "platform/messages.h"
#include "platform/text_encoding.h"

namespace korvel {

namespace {

// What lies at a sites file's place: nothing, bytes, or something that cannot be read (a folder).
struct DiskFile {
    bool exists = false;
    bool readable = false;
    std::string bytes;

    bool operator==(const DiskFile&) const = default;
};

DiskFile diskFile(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, error))) {
        return {};
    }
    const FileBytes read = readRegularFile(file, kSitesFileMaxBytes + 1, BeyondLimit::Ignore);
    if (!read) {
        return {true, false, {}};
    }
    return {true, true, std::string(read.bytes.begin(), read.bytes.end())};
}

DiskFile knownDiskFile(const SitesOnDisk& known) {
    return known.bytes ? DiskFile{true, true, *known.bytes} : DiskFile{};
}

bool noSites(const HopSites& sites) {
    return !sites.stations[0] && !sites.stations[1] && sites.profile.empty() &&
           sites.climate.empty() && !sites.availabilityObjectivePct &&
           sites.verdictMethod == VerdictMethod::Classic;
}

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code unknown;
    return !a.empty() && !b.empty() &&
           std::filesystem::absolute(a, unknown).lexically_normal() ==
               std::filesystem::absolute(b, unknown).lexically_normal();
}

std::string bareName(const std::filesystem::path& file) {
    return pathToCp1252(file.filename());
}

bool asked(Messages& messages, const std::string& question) {
    return messages.show(question, kAppCaption, MessageIcon::Question,
                         MessageButtons::YesNoDefaultNo) == MessageAnswer::Yes;
}

// The disk's file wins: the hop takes the sites it holds now.
void takeDiskSites(const SitesFileParts& parts, const std::filesystem::path& file,
                   const DiskFile& now) {
    SitesOnDisk& known = parts.onDisk;
    known = {file, std::nullopt, false, {}};
    parts.sites = {};
    if (!now.exists) {
        return;
    }
    SitesRead read = now.readable ? parseSitesText(now.bytes) : SitesRead{};
    known.bytes = now.bytes;
    known.refused = read.status != SitesReadStatus::Read;
    if (!known.refused) {
        parts.sites = std::move(read.sites);
        known.sites = parts.sites;
    }
}

SitesSave writeOrRemove(const std::filesystem::path& file, const DiskFile& now, std::string text) {
    if (!text.empty()) {
        return {SitesSave::Action::Write, file, std::move(text)};
    }
    return {now.exists ? SitesSave::Action::Remove : SitesSave::Action::Keep, file, {}};
}

bool samePosition(const std::optional<SitePosition>& a, const std::optional<SitePosition>& b) {
    return a.has_value() == b.has_value() &&
           (!a || (a->latitudeDeg == b->latitudeDeg && a->longitudeDeg == b->longitudeDeg &&
                   a->groundElevationM == b->groundElevationM));
}

bool samePoint(const ProfilePoint& a, const ProfilePoint& b) {
    return a.distanceKm == b.distanceKm && a.groundM == b.groundM && a.clutterM == b.clutterM &&
           a.hasClutter == b.hasClutter;
}

bool sameSites(const HopSites& a, const HopSites& b) {
    return samePosition(a.stations[0], b.stations[0]) &&
           samePosition(a.stations[1], b.stations[1]) &&
           std::equal(a.profile.begin(), a.profile.end(), b.profile.begin(), b.profile.end(),
                      samePoint) &&
           a.climate == b.climate && a.availabilityObjectivePct == b.availabilityObjectivePct &&
           a.verdictMethod == b.verdictMethod;
}

} // namespace

bool hopSitesChanged(const HopSites& sites, const SitesOnDisk& onDisk) {
    return !sameSites(sites, onDisk.sites);
}

void readHopSites(const SitesFileParts& parts, const std::filesystem::path& hopFile) {
    const std::filesystem::path file = sitesFilePath(hopFile);
    const DiskFile now = diskFile(file);
    SitesRead read = loadSites(hopFile);
    parts.sites = std::move(read.sites);
    parts.onDisk = {file, now.exists ? std::optional(now.bytes) : std::nullopt,
                    read.status == SitesReadStatus::Refused, parts.sites};
    if (read.status == SitesReadStatus::Refused) {
        parts.messages.show("The sites file " + bareName(file) +
                                " cannot be used: " + utf8ToCp1252(read.error) +
                                "\nThe hop opens without its sites; the file is kept.",
                            kAppCaption, MessageIcon::Exclamation, MessageButtons::Ok);
    }
}

SitesSave planSitesSave(const SitesFileParts& parts, const std::filesystem::path& hopFile) {
    const std::filesystem::path file = sitesFilePath(hopFile);
    const SitesOnDisk& known = parts.onDisk;
    const DiskFile now = diskFile(file);
    std::string text = noSites(parts.sites) ? "" : sitesFileText(parts.sites);
    // Saved under another name: that name's sites file belonged to the hop saved over.
    if (!sameFile(file, known.file)) {
        return writeOrRemove(file, now, std::move(text));
    }
    // A hop without sites has nothing to put in their place: the disk's file stays.
    if (text.empty() && (known.refused || now != knownDiskFile(known))) {
        if (!known.refused) {
            takeDiskSites(parts, file, now);
        }
        return {SitesSave::Action::Keep, file, {}};
    }
    if (now != knownDiskFile(known)) {
        if (!asked(parts.messages,
                   "The sites file " + bareName(file) +
                       " has changed on disk since the hop was opened.\n"
                       "Replace it with the sites of the hop in Korvel? No keeps the "
                       "file on disk and its sites.")) {
            takeDiskSites(parts, file, now);
            return {SitesSave::Action::Keep, file, {}};
        }
        return writeOrRemove(file, now, std::move(text));
    }
    if (known.refused) {
        if (!asked(parts.messages,
                   "The sites file " + bareName(file) +
                       " could not be used when the hop was opened.\n"
                       "Replace it with the sites of the hop in Korvel? No keeps the "
                       "file as it is.")) {
            return {SitesSave::Action::Keep, file, {}};
        }
        return writeOrRemove(file, now, std::move(text));
    }
    if (!hopSitesChanged(parts.sites, known)) {
        return {SitesSave::Action::Keep, file, {}};
    }
    return writeOrRemove(file, now, std::move(text));
}

bool carryOutSitesSave(const HopSites& sites, SitesOnDisk& known, const SitesSave& plan) {
    if (plan.action == SitesSave::Action::Keep) {
        if (!sameFile(plan.file, known.file)) {
            known = {plan.file, std::nullopt, false, sites};
        }
        return true;
    }
    bool done = false;
    if (plan.action == SitesSave::Action::Write) {
        done = replaceFileContents(
                   plan.file, std::span(reinterpret_cast<const std::uint8_t*>(plan.text.data()),
                                        plan.text.size())) == FileWriteResult::Written;
    } else {
        std::error_code error;
        done = std::filesystem::remove(plan.file, error) && !error;
    }
    if (!done) {
        return false;
    }
    known = {plan.file,
             plan.action == SitesSave::Action::Write ? std::optional(plan.text) : std::nullopt,
             false, sites};
    return true;
}

bool writeHopWithSites(const HopState& hop, const SitesFileParts& parts,
                       const std::filesystem::path& hopFile, std::string& shownName) {
    const SitesSave plan = planSitesSave(parts, hopFile);
    const FileBytes before = readRegularFile(hopFile, kTextInputLimit, BeyondLimit::Ignore);
    if (!writeHopFile(hop, hopFile, shownName, shownName, parts.messages)) {
        return false;
    }
    if (carryOutSitesSave(parts.sites, parts.onDisk, plan)) {
        return true;
    }
    if (before) {
        replaceFileContents(hopFile, before.bytes);
    }
    parts.messages.show("Unable to replace " + bareName(plan.file) + "\nNothing is saved: " +
                            bareName(hopFile) + " and its sites file are as they were.",
                        kAppCaption, MessageIcon::Exclamation, MessageButtons::Ok);
    return false;
}

} // namespace korvel
