#include <gtest/gtest.h>

#include "geo/geodesic.h"

namespace korvel {
namespace {

// The worked examples of C. F. F. Karney, "Algorithms for geodesics", J. Geodesy 87 (2013),
// on WGS84: two inverse problems (a short line and a nearly antipodal one) and a direct problem
// from 40° N with azimuth 30° over 10 000 km.
TEST(Geodesic, LengthsMatchThePublishedExamples) {
    EXPECT_NEAR(geodesicLengthKm({-30.12345, 0.0}, {-30.12344, 0.00005}) * 1000.0, 4.944208, 1e-6);
    EXPECT_NEAR(geodesicLengthKm({-30.0, 0.0}, {29.9, 179.8}) * 1000.0, 19989832.827610, 1e-6);
    EXPECT_NEAR(geodesicLengthKm({40.0, 0.0}, {41.79331020506, 137.84490004377}), 10000.0, 1e-6);
    EXPECT_EQ(geodesicLengthKm({60.0, 25.0}, {60.0, 25.0}), 0.0);
}

TEST(Geodesic, SamplesStepAlongTheLineAndCloseOnTheEnd) {
    const GeoPoint from{40.0, 0.0};
    const GeoPoint to{41.79331020506, 137.84490004377};
    const auto samples = geodesicSamples(from, to, 3000.0); // 0, 3000, 6000, 9000 and the end
    ASSERT_EQ(samples.size(), 5u);
    EXPECT_EQ(samples.front().point.latitudeDeg, from.latitudeDeg);
    EXPECT_EQ(samples.back().point.longitudeDeg, to.longitudeDeg);
    EXPECT_NEAR(samples.back().distanceKm, 10000.0, 1e-6);
    for (std::size_t i = 0; i + 1 < samples.size(); ++i) {
        EXPECT_DOUBLE_EQ(samples[i].distanceKm, 3000.0 * static_cast<double>(i));
        // On the geodesic: the two parts add up to the whole.
        EXPECT_NEAR(geodesicLengthKm(from, samples[i].point) +
                        geodesicLengthKm(samples[i].point, to),
                    10000.0, 1e-6);
    }
    // A step that divides the length exactly gives no second point at the end.
    EXPECT_EQ(geodesicSamples(from, to, 2500.0).size(), 5u);
    EXPECT_EQ(geodesicSamples(from, from, 1.0).size(), 1u);
}

} // namespace
} // namespace korvel
