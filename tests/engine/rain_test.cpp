#include <gtest/gtest.h>

#include <string>

#include "case_name.h"
#include "engine/rain.h"

namespace korvel {
namespace {

struct RainCase {
    const char* name;
    double frequencyGHz;
    double hopLengthKm;
    double marginDb;
    double rainRateMmH;
    Polarization polarization;
    double annualPct; // worked out independently
    double worstMonthPct;
};

class RainOutageCases : public ::testing::TestWithParam<RainCase> {};

TEST_P(RainOutageCases, MatchIndependentValues) {
    const RainCase& c = GetParam();
    const RainOutage outage =
        rainOutage(c.frequencyGHz, c.hopLengthKm, c.marginDb, c.rainRateMmH, c.polarization);
    EXPECT_NEAR(outage.annualPct, c.annualPct, 1e-9 * c.annualPct);
    EXPECT_NEAR(outage.worstMonthPct, c.worstMonthPct, 1e-9 * c.worstMonthPct);
}

constexpr auto kH = Polarization::Horizontal;
constexpr auto kV = Polarization::Vertical;

INSTANTIATE_TEST_SUITE_P(
    Cases, RainOutageCases,
    ::testing::Values(
        // The margin equals the 0.01 % attenuation of this hop (t = 1).
        RainCase{"MarginEqualsAttenuationAt001Pct", 15.0, 20.0, 21.908249105653265, 42.0, kV,
                 0.009949706432635203, 0.05171902601354802},
        RainCase{"LowerBandHorizontal", 13.79, 30.0, 25.0, 42.0, kH, 0.012639317632057735,
                 0.0636809069028556},
        RainCase{"LowerBandVertical", 13.79, 30.0, 25.0, 42.0, kV, 0.0082410183341774,
                 0.04390305846919092},
        RainCase{"UpperBandFrom13_8Horizontal", 13.8, 30.0, 25.0, 42.0, kH, 0.011588357422437285,
                 0.05905073522539401},
        RainCase{"UpperBandFrom13_8Vertical", 13.8, 30.0, 25.0, 42.0, kV, 0.008313760229922406,
                 0.044239840416912174},
        // The rate enters the specific attenuation uncapped, the distance factor capped at 100.
        RainCase{"Rate150", 18.0, 15.0, 30.0, 150.0, kV, 0.060919883261898136, 0.2500054821778213},
        RainCase{"Rate100", 18.0, 15.0, 30.0, 100.0, kV, 0.021425726382996713, 0.10076802866108645},
        // u would be negative: the percentage bottoms out at 10^(-0.546 / 0.086).
        RainCase{"MarginFarAboveRainAttenuation", 7.5, 40.0, 35.707574905606748, 22.0, kV,
                 4.4788115623459856e-07, 8.589730892172414e-06},
        RainCase{"NoRainAtAll", 15.0, 20.0, 30.0, 0.0, kV, 4.4788115623459856e-07,
                 8.589730892172414e-06}),
    testing::CaseName{});

TEST(RainOutage, WorkedExampleInPercent) {
    const RainOutage outage = rainOutage(15.0, 20.0, 21.908249105653265, 42.0, kV);
    EXPECT_NEAR(outage.annualPct, 0.00995, 0.000005);
    EXPECT_NEAR(outage.worstMonthPct, 0.0517, 0.00005);
}

} // namespace
} // namespace korvel
