// Typed climate values in the sites file's "climate" block and as KEY=VALUE settings.
#include <gtest/gtest.h>

#include "geo/sites_file.h"

namespace korvel {
namespace {

TEST(ClimateOverrides, TheBlockWritesAsVersion2AndReadsBack) {
    HopSites sites;
    sites.climate[ClimateQuantity::R001] = 32.5;
    sites.climate[ClimateQuantity::HtM] = -12.0;
    const std::string text = sitesFileText(sites);
    EXPECT_NE(text.find("\"version\": 2"), std::string::npos) << text;
    const SitesRead read = parseSitesText(text);
    ASSERT_EQ(read.status, SitesReadStatus::Read) << read.error;
    EXPECT_EQ(read.sites.climate, sites.climate);
    // A version 1 file has no block and still reads.
    const SitesRead old = parseSitesText(R"({"version": 1})");
    ASSERT_EQ(old.status, SitesReadStatus::Read) << old.error;
    EXPECT_TRUE(old.sites.climate.empty());
    EXPECT_EQ(sitesFileText(HopSites{}).find("climate"), std::string::npos);
}

TEST(ClimateOverrides, TheBlockRefusesUnknownKeysAndValuesOutOfRange) {
    const std::pair<const char*, const char*> cases[] = {
        {R"({"version": 2, "climate": []})", "climate: expected an object"},
        {R"({"version": 2, "climate": {"rain": 3}})", "climate.rain: unknown field"},
        {R"({"version": 2, "climate": {"R001": 500.5}})",
         "climate.R001: expected a number from 0 to 500"},
        {R"({"version": 2, "climate": {"dN1": 5}})",
         "climate.dN1: expected a number from -3000 to 0"},
        {R"({"version": 2, "climate": {"logK": "-4"}})",
         "climate.logK: expected a number from -10 to 0"},
    };
    for (const auto& [text, error] : cases) {
        const SitesRead read = parseSitesText(text);
        EXPECT_EQ(read.status, SitesReadStatus::Refused) << text;
        EXPECT_EQ(read.error, error);
    }
}

TEST(ClimateOverrides, SettingsSetClearAndSayWhatIsWrong) {
    ClimateOverrides overrides;
    EXPECT_EQ(applyClimateSetting(overrides, "dN75=40"), "");
    EXPECT_EQ(applyClimateSetting(overrides, "sa=0"), "");
    EXPECT_EQ(overrides[ClimateQuantity::DN75], 40.0);
    EXPECT_EQ(applyClimateSetting(overrides, "dN75="), "");
    EXPECT_FALSE(overrides[ClimateQuantity::DN75]);
    EXPECT_EQ(applyClimateSetting(overrides, "R001=600"),
              "R001=600: expected a number from 0 to 500");
    EXPECT_EQ(applyClimateSetting(overrides, "htM=12m"),
              "htM=12m: expected a number from -500 to 9000");
    EXPECT_EQ(applyClimateSetting(overrides, "K=3"),
              "K=3: expected KEY=VALUE or KEY= with KEY one of dN1, sa, logK, dN75, htM, R001");
    EXPECT_EQ(overrides[ClimateQuantity::Sa], 0.0); // the refusals changed nothing
    EXPECT_FALSE(overrides[ClimateQuantity::R001]);
}

} // namespace
} // namespace korvel
