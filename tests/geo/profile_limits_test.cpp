// The limits a profile keeps wherever it comes from: sampling a model, the hop it belongs to,
// and the k and rules it is judged by.

#include <cmath>
#include <optional>

#include <gtest/gtest.h>

#include "geo/clearance_rules.h"
#include "geo/profile_checks.h"
#include "geo/terrain_profile.h"

namespace korvel {
namespace {

// Flat ground at `groundM` everywhere, in cells of `cellM`.
class FlatModel : public ElevationModel {
  public:
    FlatModel(double groundM, double cellM) : groundM_(groundM), cellM_(cellM) {}
    [[nodiscard]] std::optional<double> elevationM(double, double) const override {
        return groundM_;
    }
    [[nodiscard]] double cellSizeM() const override { return cellM_; }

  private:
    double groundM_;
    double cellM_;
};

constexpr GeoPoint kHilltop{60.62, 25.15};
constexpr GeoPoint kHarbour{60.30, 25.35}; // about 37 km away

// Mended: identical sites gave a one-point profile, a step of 1e-300 km hung the sampling or
// made one point, and a fill value of the model went into the profile as ground.
TEST(TerrainSampling, RefusesWhatWouldNotMakeAProfile) {
    const FlatModel model(12.0, 30.0);
    const std::pair<ProfileSampling, std::string> refusals[] = {
        {sampleProfile(model, kHilltop, kHilltop, 0.03),
         "the two sites are at the same place; a profile needs two ends"},
        {sampleProfile(model, kHilltop, kHarbour, 1e-300),
         "the step must be at least 3 m, a tenth of the model's cell"},
        {sampleProfile(FlatModel(12.0, 0.5), kHilltop, kHarbour, 0.0001),
         "a step of 0.1 m makes more than 100000 points over 37.314 km; take a step of at "
         "least 1 m"},
        {sampleProfile(FlatModel(1e308, 30.0), kHilltop, kHarbour, 0.03),
         "the ground elevation must be from -500 to 9000 m (0.000 km from station 1)"},
    };
    for (const auto& [sampling, error] : refusals) {
        EXPECT_EQ(sampling.error, error);
        EXPECT_TRUE(sampling.profile.empty());
    }
    EXPECT_EQ(sampleProfile(model, kHilltop, kHarbour, 0.003).profile.size(), 12440u);
    EXPECT_DOUBLE_EQ(minimumProfileStepKm(FlatModel(1.0, std::nan(""))), 0.001);
}

// Mended: a stored profile of other sites was used for a hop of another length without a word.
TEST(ProfileChecks, AProfileMustEndAtTheHopsStation2) {
    const TerrainProfile profile{{0.0, 1.0}, {38.0, 1.0}};
    EXPECT_EQ(profileEndFault(profile, 40.0),
              "the profile ends at 38.000 km but the hop is 40.000 km long");
    EXPECT_EQ(profileEndFault(profile, 38.04), std::nullopt);
    EXPECT_EQ(profileEndFault(profile, 0.0), std::nullopt); // no length yet
}

// Mended: a rule c of 1e308 and a k of 1e-310 gave infinite heights.
TEST(ClearanceRules, KAndCStayWithinTheirRanges) {
    EXPECT_FALSE(parseEarthRadiusFactor("1e-310", 40.0));
    EXPECT_FALSE(parseEarthRadiusFactor("1/1e300", 40.0));
    EXPECT_EQ(parseEarthRadiusFactor("1e9", 40.0), 1e9); // a flat earth
    EXPECT_FALSE(parseClearanceRule("1e308@4/3", 40.0));
    EXPECT_FALSE(parseClearanceRule("0.6@1e-310", 40.0));
    EXPECT_EQ(parseClearanceRule("5@ke", 40.0)->c, 5.0);
}

} // namespace
} // namespace korvel
