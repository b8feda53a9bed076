#include "route/route_values.h"

#include <string>

namespace korvel {

namespace {

void repair(StoredValueReview& review, const std::string& field, double& value, double to,
            bool noticed) {
    if (!isDamagedNumber(value)) {
        return;
    }
    if (noticed) {
        review.repairs.push_back(
            {field, numberProblem(value), "it is set to " + damagedNumberText(to)});
    }
    value = to;
}

} // namespace

StoredValueReview reviewRouteValues(RouteRecord& record) {
    StoredValueReview review;
    const auto method = static_cast<int>(record.divisionMethod);
    if (method < 1804 || method > 1806) {
        review.refusal = DamagedValue{"route.divisionMethod",
                                      "(" + std::to_string(method) + ") is not one of its choices",
                                      {}};
        return review;
    }
    if (isDamagedNumber(record.objective)) {
        review.refusal = DamagedValue{"route.objective", numberProblem(record.objective), {}};
        return review;
    }
    repair(review, "route.totalOutage", record.totalOutage, 0, true);
    for (std::size_t i = 0; i < record.hopOutage.size(); ++i) {
        // Slots past the hop count are not shown: repaired without a word.
        const bool shown = static_cast<int>(i) < record.hopCount;
        const std::string index = "[" + std::to_string(i) + "]";
        repair(review, "route.hopOutage" + index, record.hopOutage[i], 0, shown);
        repair(review, "route.hopRain" + index, record.hopRain[i], -1, shown);
    }
    return review;
}

} // namespace korvel
