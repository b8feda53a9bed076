#include "route/route_file.h"

#include <algorithm>
#include <array>
#include <string>
#include <system_error>

#include "library/byte_io.h"
#include "platform/file_read.h"
#include "platform/file_replace.h"
#include "platform/text_encoding.h"
#include "route/route_folder.h"
#include "route/route_overwrite.h"
#include "route/route_values.h"

namespace korvel {

namespace {

std::string displayName(const std::filesystem::path& file) {
    return utf8ToCp1252(file.filename().string());
}

void showNotValid(Messages& messages, const std::string& name) {
    messages.show(name + " is not a valid Korvel routefile.", kAppCaption,
                  MessageIcon::Exclamation);
}

// Reads the route's layout, or says why the file is not a route.
bool parseOrRefuse(std::span<const std::uint8_t> image, RouteRecord& parsed,
                   RouteFileVersion& version, const std::string& name, Messages& messages) {
    switch (parseRouteImage(image, parsed, version)) {
    case RouteParseError::None:
        return true;
    case RouteParseError::WrongMagic:
    case RouteParseError::TooShort:
        showNotValid(messages, name);
        return false;
    case RouteParseError::InvalidHopCount:
        messages.beep();
        messages.show(kInvalidHopCountText, kAppCaption, MessageIcon::Exclamation);
        return false;
    }
    return false;
}

// Refuses a route holding a value it cannot use; else notes a 16-bit file's conversion and each
// value repaired.
bool reviewOrRefuse(RouteRecord& parsed, RouteFileVersion version, const std::string& name,
                    Messages& messages) {
    const StoredValueReview review = reviewRouteValues(parsed);
    if (review.refusal) {
        std::string text = describeDamage(*review.refusal);
        text.front() = 'T'; // "the value of ..." begins the sentence
        messages.beep();
        messages.show("Error while opening " + name + ". " + text + ".", kAppCaption,
                      MessageIcon::Exclamation);
        return false;
    }
    // The conversion note is for a file that can be used: a damaged one gets only its refusal.
    if (version == RouteFileVersion::SixteenBit) {
        messages.beep();
        messages.show("This file is created with 16-bit version of Korvel."
                      " If saved, it will be converted to 32-bit format.",
                      kAppCaption, MessageIcon::Information);
    }
    for (const DamagedValue& repair : review.repairs) {
        messages.show("In " + name + " " + describeDamage(repair) + ".", kAppCaption,
                      MessageIcon::Exclamation);
    }
    return true;
}

} // namespace

bool writeRouteFile(RouteState& state, Messages& messages) {
    std::error_code error;
    if (!std::filesystem::is_directory(state.folder, error)) {
        messages.show("Invalid route directory", kAppCaption, MessageIcon::Information);
        return false;
    }
    const auto file = fileInRouteFolder(state, state.record.fileName.view());
    if (!file) {
        messages.show("Could not open Routefile", kAppCaption, MessageIcon::None);
        return false;
    }
    if (!routeFileReplaceable(state, messages)) {
        return false;
    }
    if (!directoryFieldIsRelativeToRoute(state)) {
        setRouteFolder(state, state.folder);
    }
    switch (replaceFileContents(*file, routeFileImage(state.record))) {
    case FileWriteResult::Written:
        return true;
    case FileWriteResult::CannotOpen:
        messages.show("Could not open Routefile", kAppCaption, MessageIcon::None);
        return false;
    case FileWriteResult::CannotWrite:
        break;
    }
    messages.show("Could not write Routefile", kAppCaption, MessageIcon::None);
    return false;
}

bool checkRouteRadio(RouteRecord& record, const EquipmentLibrary& library, Messages& messages) {
    // A route keeps the radio's name cut to its field, so the library's name is cut alike.
    const auto sameName = [&record](const RadioEntry& radio) {
        FixedText<20> name;
        name.assign(radio.name.view());
        return name.view() == record.radioName.view();
    };
    if (const RadioEntry* radio = library.radio(record.radioIndex); radio && sameName(*radio)) {
        return true;
    }
    const auto found = std::find_if(library.radios.begin(), library.radios.end(), sameName);
    if (found != library.radios.end()) {
        record.radioIndex = static_cast<std::int16_t>(found - library.radios.begin());
        return true;
    }
    messages.beep();
    messages.show("Cannot load the routefile :\nthe radio used in the routefile ( " +
                      record.radioName.str() +
                      " )\n is not supported by the current Korvel library.",
                  kAppCaption, MessageIcon::Exclamation);
    return false;
}

bool readRouteFile(RouteState& state, const EquipmentLibrary& library,
                   const std::filesystem::path& file, Messages& messages) {
    return readRouteFile(state, library, file, std::nullopt, messages);
}

bool readRouteFile(RouteState& state, const EquipmentLibrary& library,
                   const std::filesystem::path& file,
                   std::optional<std::span<const std::uint8_t>> image, Messages& messages) {
    std::error_code error;
    const std::filesystem::path fullFile =
        std::filesystem::absolute(file, error).lexically_normal();
    const std::string name = displayName(file);
    // The route keeps its own name and writes itself back under it: a name Windows-1252 cannot
    // hold would be saved as another file.
    if (!pathFitsCp1252(file.filename())) {
        messages.show("Could not open " + name +
                          "\nA route file name holds only Windows-1252 characters.",
                      kAppCaption, MessageIcon::Exclamation);
        return false;
    }
    FileBytes read;
    if (!error && name.size() <= RouteRecord{}.fileName.maxLength() && !image) {
        read = readRegularFile(fullFile, kRouteFileSize, BeyondLimit::Ignore);
        if (read) {
            image = read.bytes;
        }
    }
    if (error || name.size() > RouteRecord{}.fileName.maxLength() || !image) {
        const bool special = read.status == FileReadStatus::NotRegular;
        messages.show("Could not open " + name + (special ? ": not a regular file." : ""),
                      kAppCaption, MessageIcon::None);
        return false;
    }
    RouteRecord parsed;
    RouteFileVersion version = RouteFileVersion::Current;
    if (!parseOrRefuse(*image, parsed, version, name, messages)) {
        return false;
    }
    if (!reviewOrRefuse(parsed, version, name, messages) ||
        !checkRouteRadio(parsed, library, messages)) {
        return false;
    }
    parsed.fileName.assign(name);
    state.record = parsed;
    setRouteFolder(state, fullFile.parent_path());
    return true;
}

} // namespace korvel
