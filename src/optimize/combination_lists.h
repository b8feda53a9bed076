#pragma once
// The two result lists of a combination search: the cheapest combinations that meet the hop's
// outage objective, and the few that come closest to it without meeting it.

#include <array>

#include "optimize/combination_price.h"

namespace korvel {

inline constexpr int kMeetingListSize = 15;
inline constexpr int kNearMissListSize = 5;
// Values of an entry that holds no combination. They take part in the admission tests: a
// meeting combination priced above kSentinelPrice, or a missing one with an outage of
// kSentinelOutagePct or more, never enters.
inline constexpr double kSentinelOutagePct = 100.0;
inline constexpr double kSentinelPrice = 999999.0;

struct CombinationEntry {
    CombinationIndices indices;
    double spacingM = 0;                   // space diversity spacing chosen, m
    double outagePct = kSentinelOutagePct; // %
    double price = kSentinelPrice;         // library currency units
};

struct CombinationLists {
    // By price ascending, equal prices by outage ascending.
    std::array<CombinationEntry, kMeetingListSize> meetingList{};
    int meetingCount = 0;
    // By outage ascending, equal outages by price ascending.
    std::array<CombinationEntry, kNearMissListSize> nearMissList{};
    int nearMissCount = 0;

    // A combination that meets the objective enters when its price is not above the last
    // entry's: it takes the last entry's place and moves up to its sorted position, behind the
    // entries equal to it in both keys.
    void offerMeeting(const CombinationEntry& entry);
    // A missing combination enters when its outage is below the last entry's (the caller prices
    // it only then).
    [[nodiscard]] bool nearMissAdmits(double outagePct) const;
    void insertNearMiss(const CombinationEntry& entry);
};

} // namespace korvel
