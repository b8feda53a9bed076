#include "optimize/combination_lists.h"

#include <algorithm>
#include <cstddef>

namespace korvel {

namespace {

bool cheaper(const CombinationEntry& a, const CombinationEntry& b) {
    if (a.price != b.price) {
        return a.price < b.price;
    }
    return a.outagePct < b.outagePct;
}

bool closer(const CombinationEntry& a, const CombinationEntry& b) {
    if (a.outagePct != b.outagePct) {
        return a.outagePct < b.outagePct;
    }
    return a.price < b.price;
}

// Overwrites the last entry and moves it up past every entry it comes before. The rest of the
// list is sorted already, so this leaves the whole list sorted.
template <std::size_t N, typename Before>
void replaceLast(std::array<CombinationEntry, N>& list, const CombinationEntry& entry,
                 Before before) {
    std::size_t position = N - 1;
    while (position > 0 && before(entry, list[position - 1])) {
        list[position] = list[position - 1];
        --position;
    }
    list[position] = entry;
}

} // namespace

void CombinationLists::offerMeeting(const CombinationEntry& entry) {
    if (entry.price > meetingList.back().price) {
        return;
    }
    replaceLast(meetingList, entry, cheaper);
    meetingCount = std::min(meetingCount + 1, kMeetingListSize);
}

bool CombinationLists::nearMissAdmits(double outagePct) const {
    return outagePct < nearMissList.back().outagePct;
}

void CombinationLists::insertNearMiss(const CombinationEntry& entry) {
    replaceLast(nearMissList, entry, closer);
    nearMissCount = std::min(nearMissCount + 1, kNearMissListSize);
}

} // namespace korvel
