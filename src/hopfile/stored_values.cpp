#include "hopfile/stored_values.h"

#include <cmath>
#include <cstdio>
#include <type_traits>

#include "hopfile/hop_fields.h"

namespace korvel {

namespace {

template <typename E> constexpr bool isChoice(E value) {
    const auto id = static_cast<int>(value);
    if constexpr (std::is_same_v<E, AntennaType>) {
        return id >= 1106 && id <= 1107;
    } else if constexpr (std::is_same_v<E, FeederInsulation>) {
        return id >= 1110 && id <= 1112;
    } else if constexpr (std::is_same_v<E, DiversityMode>) {
        return id >= 1113 && id <= 1115;
    } else if constexpr (std::is_same_v<E, UsageMode>) {
        return id >= 1116 && id <= 1118;
    } else if constexpr (std::is_same_v<E, SelectiveFading>) {
        return id >= 1122 && id <= 1124;
    } else if constexpr (std::is_same_v<E, EastWest>) {
        return id >= 1126 && id <= 1127;
    } else if constexpr (std::is_same_v<E, NorthSouth>) {
        return id >= 1128 && id <= 1129;
    } else if constexpr (std::is_same_v<E, LandType>) {
        return id == 1135 || id == 1137 || id == 1138;
    } else if constexpr (std::is_same_v<E, Method>) {
        return id >= 1139 && id <= 1140;
    } else {
        static_assert(std::is_same_v<E, Polarization>);
        return id >= 2000 && id <= 2001;
    }
}

struct RecordReview {
    StoredValueReview& review;

    void refuse(std::string_view field, std::string problem) const {
        if (!review.refusal) {
            review.refusal = DamagedValue{"record." + std::string(field), std::move(problem), {}};
        }
    }

    template <typename T> void operator()(const HopField& field, T& value) const {
        if constexpr (std::is_same_v<T, Polarization>) {
            if (!isChoice(value)) {
                review.repairs.push_back(
                    {"record.polarization",
                     "(" + std::to_string(static_cast<int>(value)) + ") is not one of its choices",
                     "it is set to Vertical"});
                value = Polarization::Vertical;
            }
        } else if constexpr (std::is_enum_v<T>) {
            if (!isChoice(value)) {
                refuse(field.name, "(" + std::to_string(static_cast<int>(value)) +
                                       ") is not one of its choices");
            }
        } else if constexpr (std::is_floating_point_v<T>) {
            // The reserved values are not the program's: they are carried as they are.
            const bool reserved = field.name == "reserved1" || field.name == "reserved2";
            if (!reserved && isDamagedNumber(value)) {
                refuse(field.name, numberProblem(value));
            }
        }
    }
};

struct ResultsReview {
    StoredValueReview& review;

    void operator()(const HopField& field, double& value) const {
        if (isDamagedNumber(value)) {
            review.repairs.push_back({"results." + std::string(field.name), numberProblem(value),
                                      "it is set to 0 until the hop is calculated again"});
            value = 0;
        }
    }
};

} // namespace

StoredValueReview reviewStoredValues(StoredHop& hop) {
    StoredValueReview review;
    StoredHop repaired = hop;
    visitRecordFields(repaired.record, RecordReview{review});
    visitResultFields(repaired.results, ResultsReview{review});
    if (review.refusal) {
        review.repairs.clear();
        return review;
    }
    hop = repaired;
    return review;
}

std::string describeDamage(const DamagedValue& damage) {
    std::string text = "the value of " + damage.field + " " + damage.problem;
    if (!damage.repair.empty()) {
        text += "; " + damage.repair;
    }
    return text;
}

std::string numberProblem(double value) {
    return "(" + damagedNumberText(value) + ")" +
           (std::isfinite(value) ? " is beyond any hop" : " is not a finite number");
}

bool isDamagedNumber(double value) {
    return !std::isfinite(value) || std::fabs(value) > kLargestStoredValue;
}

std::string damagedNumberText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

} // namespace korvel
