#include <gtest/gtest.h>

#include "geo/profile_csv.h"

namespace korvel {
namespace {

TEST(ProfileCsv, ReadsHeadingClutterAndLineEndings) {
    const auto read = importProfileCsv("distance_km,ground_m,clutter_m\r\n"
                                       "0,120.5\r\n"
                                       "\r\n"
                                       " 2.5 , 98 , 12\r\n"
                                       "5.02,40",
                                       5.0);
    ASSERT_EQ(read.error, "");
    ASSERT_EQ(read.profile.size(), 3u);
    EXPECT_DOUBLE_EQ(read.profile[0].groundM, 120.5);
    EXPECT_FALSE(read.profile[0].hasClutter);
    EXPECT_TRUE(read.profile[1].hasClutter);
    EXPECT_DOUBLE_EQ(read.profile[1].clutterM, 12.0);
    EXPECT_DOUBLE_EQ(read.profile[2].distanceKm, 5.02);
}

struct ProfileRefusal {
    const char* name;
    std::string text;
    double hopLengthKm;
    std::string error;
};

// Mended: a spreadsheet's byte-order mark made the first point a heading, and it was lost.
TEST(ProfileCsv, AByteOrderMarkKeepsTheFirstPoint) {
    const auto read = importProfileCsv("\xEF\xBB\xBF"
                                       "0,120\n5,40\n",
                                       5.0);
    ASSERT_EQ(read.error, "");
    ASSERT_EQ(read.profile.size(), 2u);
    EXPECT_EQ(read.profile[0].groundM, 120.0);
}

class ProfileCsvRefusal : public ::testing::TestWithParam<ProfileRefusal> {};

TEST_P(ProfileCsvRefusal, NamesTheLine) {
    const auto read = importProfileCsv(GetParam().text, GetParam().hopLengthKm);
    EXPECT_EQ(read.error, GetParam().error);
    EXPECT_TRUE(read.profile.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ProfileCsvRefusal,
    ::testing::Values(
        ProfileRefusal{"Empty", "\n\n", 5.0, "the file holds no profile points"},
        ProfileRefusal{"HeadingOnly", "d,h\n", 5.0, "the file holds no profile points"},
        ProfileRefusal{"SecondHeading", "d,h\n0,1\nd,h\n5,1", 5.0,
                       "line 3: expected numbers, found \"d,h\""},
        ProfileRefusal{"NotANumber", "0,1\n2,abc\n5,1", 5.0,
                       "line 2: expected numbers, found \"2,abc\""},
        ProfileRefusal{
            "TooManyColumns", "0,1,2,3\n5,1", 5.0,
            "line 1: expected 2 or 3 numbers (distance km, ground m, clutter m), found 4"},
        ProfileRefusal{"OnePoint", "0,1", 0.0,
                       "line 1: a profile needs at least two points, one at each station"},
        ProfileRefusal{
            "Unsorted", "0,1\n3,1\n2,1\n5,1", 5.0,
            "line 3: distance 2.000 km comes after 3.000 km; points must be sorted by distance"},
        ProfileRefusal{"Repeat", "0,1\n2,1\n2,4\n5,1", 5.0,
                       "line 3: distance 2.000 km repeats the point before"},
        ProfileRefusal{"MissingStation1", "0.1,1\n5,1", 5.0,
                       "line 1: the first point is at 0.100 km, not at station 1 (0 km)"},
        ProfileRefusal{"MissingStation2", "0,1\n4.9,1", 5.0,
                       "line 2: the last point is at 4.900 km, not at station 2 (5.000 km)"},
        ProfileRefusal{"PastStation2", "0,1\n5.1,1", 5.0,
                       "line 2: the last point is at 5.100 km, not at station 2 (5.000 km)"},
        ProfileRefusal{"NegativeClutter", "0,1\n2,1,-3\n5,1", 5.0,
                       "line 2: the clutter height is negative"},
        ProfileRefusal{"Infinite", "0,1\n2,inf\n5,1", 5.0,
                       "line 2: a distance or height is not a finite number"},
        // Mended: within the end tolerance a point before station 1 was kept, and a sites file
        // saved with it was refused on the next read.
        ProfileRefusal{"BeforeStation1", "-0.01,1\n5,1", 5.0,
                       "line 1: distance -0.010 km is before station 1 (0 km)"},
        ProfileRefusal{"HugeGround", "0,1\n2,1e308\n5,1", 5.0,
                       "line 2: the ground elevation must be from -500 to 9000 m"},
        ProfileRefusal{"TallClutter", "0,1\n2,1,501\n5,1", 5.0,
                       "line 2: the clutter height must be from 0 to 500 m"},
        // Mended: a bad line was quoted whole, however long.
        ProfileRefusal{"LongLine", "0,1\n2," + std::string(100, 'x') + "\n5,1", 5.0,
                       "line 2: expected numbers, found \"2," + std::string(78, 'x') + "...\""}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace korvel
