#include "route_plan_json.h"

#include <algorithm>
#include <initializer_list>

#include "library/json_source.h"

namespace korvel::cli {
namespace {

// Longest texts of a route plan, in Windows-1252 characters: what the route and its hop files keep.
constexpr std::size_t kRouteInfoLength = 39;
constexpr std::size_t kRadioNameLength = 19;
constexpr std::size_t kStationNameLength = 19;
constexpr std::size_t kHopFileNameLength = 251;

// One object of the plan: every key must be known, each value of its kind. The first problem
// is kept as "hops[2].lengthKm: what is wrong".
class PlanObject {
  public:
    PlanObject(const JsonSource& object, std::string path, std::string& error)
        : object_(object), path_(std::move(path)), error_(error) {}

    void allowOnly(std::initializer_list<const char*> keys) {
        for (const auto& item : object_.items()) {
            if (std::none_of(keys.begin(), keys.end(),
                             [&item](const char* key) { return item.key() == key; })) {
                fail(item.key(), kUnknownField);
            }
        }
    }

    // A text Windows-1252 can hold, of at most `limit` characters.
    void text(const char* key, std::size_t limit, std::string& out) {
        if (!error_.empty() || !object_.contains(key)) {
            return;
        }
        const JsonSource& node = object_.at(key);
        if (!node.is_string()) {
            return fail(key, kExpectedText);
        }
        SourceText checked = sourceText(node.get<std::string>(), limit);
        if (!checked.problem.empty()) {
            return fail(key, checked.problem);
        }
        out = std::move(checked.cp1252);
    }

    void number(const char* key, double& out) {
        if (!error_.empty() || !object_.contains(key)) {
            return;
        }
        if (!object_.at(key).is_number()) {
            return fail(key, kExpectedNumber);
        }
        out = object_.at(key).get<double>();
    }

    void require(const char* key) {
        if (error_.empty() && !object_.contains(key)) {
            error_ = path_ + ": " + missingField(key);
        }
    }

  private:
    void fail(const std::string& key, std::string_view what) {
        if (error_.empty()) {
            error_ = (path_.empty() ? key : path_ + "." + key) + ": " + std::string(what);
        }
    }

    const JsonSource& object_;
    std::string path_;
    std::string& error_;
};

} // namespace

std::string readRoutePlanJson(const std::string& document, RoutePlan& plan) {
    const ParsedJsonSource parsed = parseJsonSource(document);
    if (!parsed.error.empty()) {
        return parsed.error;
    }
    const JsonSource& root = parsed.root;
    std::string error;
    PlanObject top(root, "", error);
    top.allowOnly(
        {"info", "radioName", "objectivePct", "availabilityObjectivePct", "division", "hops"});
    top.text("info", kRouteInfoLength, plan.info);
    top.text("radioName", kRadioNameLength, plan.radioName);
    top.number("objectivePct", plan.objectivePct);
    if (root.contains("availabilityObjectivePct")) {
        double availability = 0;
        top.number("availabilityObjectivePct", availability);
        if (error.empty() && !(availability > 0.0 && availability < 100.0)) {
            return "availabilityObjectivePct: expected a number above 0 and below 100";
        }
        plan.availabilityObjectivePct = availability;
    }
    std::string division = "number";
    top.text("division", kRouteInfoLength, division);
    if (!error.empty()) {
        return error;
    }
    if (division == "number") {
        plan.division = DivisionMethod::Number;
    } else if (division == "length") {
        plan.division = DivisionMethod::Length;
    } else if (division == "manual") {
        plan.division = DivisionMethod::Manual;
    } else {
        return "division: expected \"number\", \"length\" or \"manual\"";
    }
    if (!root.contains("hops") || !root.at("hops").is_array()) {
        return "hops: " + std::string(kExpectedList);
    }
    const JsonSource& hops = root.at("hops");
    for (std::size_t i = 0; i < hops.size() && error.empty(); ++i) {
        const std::string path = "hops[" + std::to_string(i) + "]";
        if (!hops[i].is_object()) {
            return path + ": " + std::string(kExpectedObject);
        }
        RoutePlanHop hop;
        PlanObject entry(hops[i], path, error);
        entry.allowOnly({"file", "station1", "station2", "lengthKm", "objectivePct"});
        entry.require("file");
        entry.text("file", kHopFileNameLength, hop.fileName);
        entry.text("station1", kStationNameLength, hop.station1);
        entry.text("station2", kStationNameLength, hop.station2);
        entry.number("lengthKm", hop.lengthKm);
        entry.number("objectivePct", hop.objectivePct);
        plan.hops.push_back(std::move(hop));
    }
    return error;
}

} // namespace korvel::cli
