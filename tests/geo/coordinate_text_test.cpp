// Coordinates as typed or pasted: the forms a planner uses, and every text refused with its reason.

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "geo/coordinate_text.h"

namespace korvel {
namespace {

struct Typed {
    const char* text;
    CoordinateAxis axis;
    double degrees; // NaN: refused
    const char* because;
};

constexpr double kRefused = std::numeric_limits<double>::quiet_NaN();
constexpr auto kLat = CoordinateAxis::Latitude;
constexpr auto kLon = CoordinateAxis::Longitude;

TEST(CoordinateText, ReadsDecimalAndSexagesimalAndRefusesTheRest) {
    const Typed cases[] = {
        {" 60.1699 ", kLat, 60.1699, ""},
        {"-24.5", kLon, -24.5, ""},
        {"24.5 W", kLon, -24.5, ""},
        {"60 10 30 N", kLat, 60.175, ""},
        {"60\xB0"
         "10'30\"S",
         kLat, -60.175, "Windows-1252 degree sign"},
        {"60\xC2\xB0"
         "10'30\"N",
         kLat, 60.175, "UTF-8 degree sign"},
        {"24d56m18sE", kLon, 24.938333333333333, ""},
        {"180", kLon, 180.0, "the antimeridian itself"},
        {"-180", kLon, -180.0, ""},
        {"90", kLat, 90.0, "a pole is a latitude; the pair check refuses it"},
        {"90.0001", kLat, kRefused, "out of range, from -90 to 90 degrees"},
        {"180.5 E", kLon, kRefused, "out of range, from -180 to 180 degrees"},
        {"60 10 30 E", kLat, kRefused, "a latitude's hemisphere is N or S"},
        {"24 30 N", kLon, kRefused, "a longitude's hemisphere is E or W"},
        {"inf", kLat, kRefused, "not a finite number"},
        {"nan", kLon, kRefused, "not a finite number"},
        {"60,5", kLat, kRefused, "\"60,5\" is not a number"},
        {"", kLat, kRefused, "expected degrees"},
        {"60 10 30 5", kLat, kRefused, "expected degrees"},
        {"60 75 0 N", kLat, kRefused, "minutes and seconds run from 0 to below 60"},
        {"-60 10 N", kLat, kRefused, "a sign and a hemisphere letter together"},
    };
    for (const Typed& typed : cases) {
        const CoordinateReading read = readCoordinate(typed.text, typed.axis);
        if (std::isnan(typed.degrees)) {
            EXPECT_FALSE(read.degrees) << typed.text;
            EXPECT_NE(read.error.find(typed.because), std::string::npos)
                << typed.text << ": " << read.error;
        } else {
            ASSERT_TRUE(read.degrees) << typed.text << ": " << read.error;
            EXPECT_NEAR(*read.degrees, typed.degrees, 1e-12) << typed.text << " " << typed.because;
        }
    }
}

TEST(CoordinateText, APastedPairAndTheSitesNoHopCanJoin) {
    const PositionReading pasted = readPosition("60.1699, 24.9384");
    ASSERT_TRUE(pasted.point);
    EXPECT_EQ(pasted.point->latitudeDeg, 60.1699);
    EXPECT_EQ(pasted.point->longitudeDeg, 24.9384);
    const PositionReading sexagesimal = readPosition("60 10 30 N 24 56 18 E");
    ASSERT_TRUE(sexagesimal.point) << sexagesimal.error;
    EXPECT_NEAR(sexagesimal.point->longitudeDeg, 24.938333333333333, 1e-12);
    EXPECT_EQ(readPosition("60.1699").error,
              "\"60.1699\": expected a latitude and a longitude, such as \"60.1699, 24.9384\"");
    EXPECT_EQ(readPosition("60.1699; 200").error,
              "longitude \"200\": out of range, from -180 to 180 degrees");

    const GeoPoint helsinki{60.1699, 24.9384};
    EXPECT_FALSE(sitePairFault(helsinki, {60.2, 25.0}));
    EXPECT_FALSE(sitePairFault({-16.8, 179.99}, {-16.8, -179.99})) << "across the antimeridian";
    EXPECT_EQ(sitePairFault(helsinki, helsinki),
              "the two sites are at the same place; a hop needs two ends");
    EXPECT_EQ(sitePairFault({89.9, 0.0}, {90.0, 0.0}),
              "station 2 stands on a pole, where no azimuth points anywhere");
}

} // namespace
} // namespace korvel
