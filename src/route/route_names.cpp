#include "route/route_names.h"

#include "hopfile/hop_file.h"
#include "fields/route_file_name.h"

namespace korvel {

bool isValidRouteFileName(std::string_view name) {
    return isRouteFileName(name);
}

std::string storedRouteFileName(std::string_view name) {
    return name.empty() ? std::string() : appendDefaultExtension(name, kRouteFileExtension);
}

std::string storedHopFileName(std::string_view name) {
    return appendDefaultExtension(name, kHopFileExtension);
}

} // namespace korvel
