#include <gtest/gtest.h>

#include "case_name.h"
#include "optimize/combination_lists.h"

namespace korvel {
namespace {

CombinationEntry entry(double price, double outagePct, std::int16_t tag = 0) {
    CombinationEntry e;
    e.indices.d1Index = tag;
    e.price = price;
    e.outagePct = outagePct;
    return e;
}

TEST(MeetingList, StartsWithSentinels) {
    const CombinationLists lists;
    EXPECT_EQ(lists.meetingCount, 0);
    EXPECT_EQ(lists.nearMissCount, 0);
    EXPECT_EQ(lists.meetingList.back().price, 999999.0);
    EXPECT_EQ(lists.meetingList.back().outagePct, 100.0);
    EXPECT_EQ(lists.nearMissList.back().price, 999999.0);
    EXPECT_EQ(lists.nearMissList.back().outagePct, 100.0);
}

TEST(MeetingList, SortsByPriceThenOutage) {
    CombinationLists lists;
    lists.offerMeeting(entry(300, 0.001));
    lists.offerMeeting(entry(100, 0.004));
    lists.offerMeeting(entry(300, 0.0005));
    lists.offerMeeting(entry(100, 0.002));
    ASSERT_EQ(lists.meetingCount, 4);
    EXPECT_EQ(lists.meetingList[0].outagePct, 0.002);
    EXPECT_EQ(lists.meetingList[1].outagePct, 0.004);
    EXPECT_EQ(lists.meetingList[2].outagePct, 0.0005);
    EXPECT_EQ(lists.meetingList[3].outagePct, 0.001);
}

TEST(MeetingList, EqualInBothKeysKeepsTheEarlierFirst) {
    CombinationLists lists;
    lists.offerMeeting(entry(100, 0.001, 1));
    lists.offerMeeting(entry(100, 0.001, 2));
    EXPECT_EQ(lists.meetingList[0].indices.d1Index, 1);
    EXPECT_EQ(lists.meetingList[1].indices.d1Index, 2);
}

TEST(MeetingList, KeepsTheFifteenCheapest) {
    CombinationLists lists;
    for (int price = 16; price >= 1; --price) {
        lists.offerMeeting(entry(price, 0.001));
    }
    EXPECT_EQ(lists.meetingCount, 15);
    for (int n = 0; n < 15; ++n) {
        EXPECT_EQ(lists.meetingList[static_cast<std::size_t>(n)].price, n + 1);
    }
}

// A full list: prices 1..15, the 15th with outage 0.002.
struct TieCase {
    const char* name;
    double price;
    double outagePct;
    bool replaces;
    double lastOutagePct; // outage of the 15th entry afterwards
};

class FullMeetingList : public testing::TestWithParam<TieCase> {};

TEST_P(FullMeetingList, AdmitsUpToTheLastPrice) {
    const TieCase& c = GetParam();
    CombinationLists lists;
    for (int price = 1; price <= 15; ++price) {
        lists.offerMeeting(entry(price, 0.002, 1));
    }
    lists.offerMeeting(entry(c.price, c.outagePct, 2));
    EXPECT_EQ(lists.meetingCount, 15);
    const bool newInList =
        lists.meetingList[13].indices.d1Index == 2 || lists.meetingList[14].indices.d1Index == 2;
    EXPECT_EQ(newInList, c.replaces);
    EXPECT_EQ(lists.meetingList[14].price, 15.0);
    EXPECT_EQ(lists.meetingList[14].outagePct, c.lastOutagePct);
    EXPECT_EQ(lists.meetingList[13].price, 14.0);
}

INSTANTIATE_TEST_SUITE_P(MeetingList, FullMeetingList,
                         testing::Values(TieCase{"SamePriceLowerOutage", 15.0, 0.001, true, 0.001},
                                         TieCase{"SamePriceHigherOutage", 15.0, 0.003, true, 0.003},
                                         TieCase{"Dearer", 15.01, 0.0001, false, 0.002}),
                         test::CaseName());

TEST(MeetingList, NothingAboveTheSentinelPriceEnters) {
    CombinationLists lists;
    lists.offerMeeting(entry(999999.5, 0.001));
    EXPECT_EQ(lists.meetingCount, 0);
    lists.offerMeeting(entry(999999.0, 0.001));
    EXPECT_EQ(lists.meetingCount, 1);
}

TEST(NearMissList, AdmitsOnlyBelowTheLastOutage) {
    CombinationLists lists;
    EXPECT_FALSE(lists.nearMissAdmits(100.0));
    EXPECT_TRUE(lists.nearMissAdmits(99.9));
    for (int n = 1; n <= 5; ++n) {
        lists.insertNearMiss(entry(10.0 * n, 0.01 * n));
    }
    EXPECT_EQ(lists.nearMissCount, 5);
    EXPECT_FALSE(lists.nearMissAdmits(0.05));
    EXPECT_TRUE(lists.nearMissAdmits(0.049));
    lists.insertNearMiss(entry(5.0, 0.03));
    EXPECT_EQ(lists.nearMissCount, 5);
    EXPECT_EQ(lists.nearMissList[2].price, 5.0); // equal outage: cheaper first
    EXPECT_EQ(lists.nearMissList[3].price, 30.0);
    EXPECT_EQ(lists.nearMissList[4].outagePct, 0.04);
}

} // namespace
} // namespace korvel
