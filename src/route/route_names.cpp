#include "route/route_names.h"

#include "fields/route_file_name.h"
#include "hopfile/hop_file.h"

namespace korvel {

bool isValidRouteFileName(std::string_view name) {
    return isRouteFileName(name);
}

std::optional<std::string> hopFileNameRefusal(std::string_view name) {
    if (name.empty()) {
        return "no hop file name";
    }
    if (const std::size_t refused = firstRefusedCharacter(name); refused != name.npos) {
        const auto byte = static_cast<unsigned char>(name[refused]);
        const std::string character = byte < 0x20 ? "control character " + std::to_string(byte)
                                                  : "\"" + std::string(1, name[refused]) + "\"";
        return "a hop file name cannot hold " + character +
               " (only letters, digits, blanks, _ $ % @ - + ' ( ) { } ^ # & ! ` ~ . and "
               "\xE4 \xC4 \xF6 \xD6 \xE5 \xC5)";
    }
    if (name == "." || name == "..") {
        return "\".\" and \"..\" name folders, not hop files";
    }
    return std::nullopt;
}

std::string storedRouteFileName(std::string_view name) {
    return name.empty() ? std::string() : appendDefaultExtension(name, kRouteFileExtension);
}

std::string storedHopFileName(std::string_view name) {
    return appendDefaultExtension(name, kHopFileExtension);
}

} // namespace korvel
