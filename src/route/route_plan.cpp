#include "route/route_plan.h"

#include <set>
#include <string>
#include <system_error>
#include <utility>

#include "route/objective_division.h"
#include "route/route_file.h"
#include "route/route_folder.h"
#include "route/route_names.h"
#include "route/route_reset.h"

namespace korvel {

namespace {

constexpr std::size_t kTypedHopNameLength = 251;

bool refuse(Messages& messages, std::string_view text) {
    messages.beep();
    messages.show(text, kAppCaption, MessageIcon::Exclamation);
    return false;
}

bool isKnownDivision(DivisionMethod division) {
    return division == DivisionMethod::Number || division == DivisionMethod::Length ||
           division == DivisionMethod::Manual;
}

bool numbersFit(const RoutePlan& plan) {
    if (!(plan.objectivePct >= 0) || !isKnownDivision(plan.division)) {
        return false;
    }
    for (const RoutePlanHop& hop : plan.hops) {
        if (!(hop.lengthKm >= 0) || !(hop.objectivePct >= 0)) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<HopNameRefusal> refusedHopName(const RoutePlan& plan) {
    std::set<std::string> stored;
    for (std::size_t i = 0; i < plan.hops.size(); ++i) {
        const std::string& typed = plan.hops[i].fileName;
        if (typed.size() > kTypedHopNameLength) {
            return HopNameRefusal{i, "longer than " + std::to_string(kTypedHopNameLength) +
                                         " characters"};
        }
        // A typed name the check accepts stays accepted with ".HOP" added.
        if (auto reason = hopFileNameRefusal(typed)) {
            return HopNameRefusal{i, std::move(*reason)};
        }
        const std::string name = storedHopFileName(typed);
        if (!stored.insert(name).second) {
            return HopNameRefusal{i, "an earlier hop names " + name + " already"};
        }
    }
    return std::nullopt;
}

bool routeFromPlan(RouteState& state, const EquipmentLibrary& library, const RoutePlan& plan,
                   Messages& messages) {
    if (plan.hops.empty() || plan.hops.size() > static_cast<std::size_t>(kMaxRouteHops)) {
        return refuse(messages, kInvalidHopCountText);
    }
    std::error_code error;
    if (!std::filesystem::is_directory(plan.folder, error)) {
        messages.show("Invalid route directory", kAppCaption, MessageIcon::Information);
        return false;
    }
    if (plan.fileName.size() > kRouteTypedTextLength || !isValidRouteFileName(plan.fileName) ||
        !numbersFit(plan)) {
        return refuse(messages, "Invalid data.");
    }
    if (refusedHopName(plan)) {
        return refuse(messages, "Invalid hop filename.");
    }

    RouteState built;
    resetRoute(built, library, plan.folder);
    RouteRecord& record = built.record;
    if (!plan.directory.empty()) {
        record.directory.assign(plan.directory.substr(0, kDirectoryFieldLength));
        if (!directoryFieldIsRelativeToRoute(built)) {
            messages.show("Invalid route directory", kAppCaption, MessageIcon::Information);
            return false;
        }
    }
    if (!plan.radioName.empty()) {
        record.radioName.assign(plan.radioName);
        record.radioIndex = 0;
        if (!checkRouteRadio(record, library, messages)) {
            return false;
        }
        const RadioEntry& radio = *library.radio(record.radioIndex);
        record.ptxChoice = static_cast<std::int16_t>(kPtxChoiceFirst + radio.defaultPtx);
        record.prxthChoice = static_cast<std::int16_t>(kPrxthChoiceFirst + radio.defaultPrxth);
        record.berExponent = berExponentOfChoice(radio, record.prxthChoice);
    }
    record.fileName.assign(storedRouteFileName(plan.fileName));
    record.info.assign(plan.info.substr(0, kRouteTypedTextLength));
    record.objective = plan.objectivePct;
    built.availabilityObjectivePct = plan.availabilityObjectivePct;
    record.divisionMethod = plan.division;
    record.hopCount = static_cast<std::int16_t>(plan.hops.size());
    for (std::size_t i = 0; i < plan.hops.size(); ++i) {
        const RoutePlanHop& hop = plan.hops[i];
        record.hopFile[i].assign(storedHopFileName(hop.fileName));
        built.slots[i].station1.assign(hop.station1);
        built.slots[i].station2.assign(hop.station2);
        built.slots[i].lengthKm = hop.lengthKm;
        built.slots[i].objective = hop.objectivePct;
    }
    applyDivision(built);
    state = built;
    return true;
}

} // namespace korvel
