// The profile that holds the user's settings: the INI file, where it is looked for, and the
// locale's date format when there is none.

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/elevation_sources.h"
#include "platform/ini_profile.h"
#include "platform/locale_profile.h"
#include "support/temp_folder.h"

namespace korvel {
namespace {

// Numbers read their leading digits; the default 5 where the key is missing or ignored.
TEST(IniProfile, ReadsSectionsAndKeysWithoutRegardToCaseElseTheDefault) {
    const IniProfile profile =
        IniProfile::fromText("; user settings\r\n"
                             "iTime=3\r\n" // before any section: ignored
                             "[Intl]\r\n"
                             "junk\r\n"
                             "iDate = 2\r\n"
                             "sDATE=/\r\n"
                             "a=12abc\nb=abc\nc=-3\nd=+4\ne=\nf=99999999999\n"
                             "[windows]\r\n"
                             "device=Office Printer, PSCRIPT , LPT1:\r\n"
                             "[broken\r\n"
                             "iLzero=1\r\n");
    EXPECT_EQ(profile.stringValue("INTL", "sDate", "-"), "/");
    EXPECT_EQ(profile.stringValue("windows", "Device", ""), "Office Printer, PSCRIPT , LPT1:");
    const std::tuple<const char*, const char*, int> numbers[] = {
        {"intl", "iDate", 2},  {"intl", "iLzero", 5}, {"broken", "iLzero", 1}, {"intl", "iTime", 5},
        {"other", "iDate", 5}, {"intl", "a", 12},     {"intl", "b", 0},        {"intl", "c", -3},
        {"intl", "d", 4},      {"intl", "e", 0},      {"intl", "f", 0}}; // f: out of range
    for (const auto& [section, key, value] : numbers) {
        EXPECT_EQ(profile.intValue(section, key, 5), value) << section << " " << key;
    }
}

using Environment = std::map<std::string, std::string>;

EnvironmentLookup lookupIn(const Environment& environment) {
    return [environment](const char* name) -> std::optional<std::string> {
        const auto found = environment.find(name);
        return found == environment.end() ? std::nullopt : std::optional(found->second);
    };
}

TEST(ProfilePath, ExplicitFileComesFirstThenTheEnvironment) {
    const Environment all{
        {"KORVEL_PROFILE", "/etc/k.ini"}, {"XDG_CONFIG_HOME", "/cfg"}, {"HOME", "/home/u"}};
    EXPECT_EQ(resolveProfilePath(std::filesystem::path("given.ini"), lookupIn(all)),
              std::filesystem::path("given.ini"));
    EXPECT_EQ(resolveProfilePath(std::nullopt, lookupIn(all)), std::filesystem::path("/etc/k.ini"));
    EXPECT_EQ(resolveProfilePath(std::nullopt,
                                 lookupIn({{"XDG_CONFIG_HOME", "/cfg"}, {"HOME", "/home/u"}})),
              std::filesystem::path("/cfg/korvel/profile.ini"));
    EXPECT_EQ(
        resolveProfilePath(std::nullopt, lookupIn({{"KORVEL_PROFILE", ""}, {"HOME", "/home/u"}})),
        std::filesystem::path("/home/u/.config/korvel/profile.ini"));
    EXPECT_EQ(resolveProfilePath(std::nullopt, lookupIn({})), std::nullopt);
}

TEST(ProfilePath, ExistingFileIsReadAndAMissingOneFallsBackToTheLocale) {
    const test::TempFolder folder;
    test::writeFile(folder / "profile.ini", "[intl]\niDate=2\n");
    const auto fromFile = openUserProfile(folder / "profile.ini", lookupIn({}));
    EXPECT_NE(dynamic_cast<IniProfile*>(fromFile.get()), nullptr);
    EXPECT_EQ(fromFile->intValue("intl", "iDate", 0), 2);
    // A missing file, a folder or a FIFO where the file should be (read without waiting for a
    // writer) is no profile.
    ASSERT_EQ(::mkfifo((folder / "pipe.ini").c_str(), 0600), 0);
    for (const auto& path : {folder / "absent.ini", folder.path(), folder / "pipe.ini"}) {
        EXPECT_NE(dynamic_cast<LocaleProfile*>(openUserProfile(path, lookupIn({})).get()), nullptr);
    }
}

// Fixed: a profile naming only the printer gave month-first dates with dashes instead of the
// date settings a user without a profile gets.
TEST(ProfilePath, EntriesMissingFromTheFileAreAnsweredAsWithoutAProfile) {
    const test::TempFolder folder;
    test::writeFile(folder / "profile.ini", "[windows]\nDevice=Office,PSCRIPT,LPT1:\n");
    const auto printerOnly = openUserProfile(folder / "profile.ini", lookupIn({}));
    const LocaleProfile noProfile;
    EXPECT_EQ(printerOnly->intValue("intl", "iDate", 0), noProfile.intValue("intl", "iDate", 0));
    EXPECT_EQ(printerOnly->stringValue("intl", "sDate", "-"),
              noProfile.stringValue("intl", "sDate", "-"));
    EXPECT_EQ(printerOnly->intValue("intl", "iLzero", 0), noProfile.intValue("intl", "iLzero", 0));
    EXPECT_EQ(printerOnly->stringValue("windows", "Device", ""), "Office,PSCRIPT,LPT1:");

    // An entry the file holds still wins over the fallback.
    IniProfile dayFirst = IniProfile::fromText("[intl]\niDate=1\n");
    dayFirst.setFallback(std::make_shared<LocaleProfile>(LocaleDateSettings{2, ".", 0}));
    EXPECT_EQ(dayFirst.intValue("intl", "iDate", 0), 1);
    EXPECT_EQ(dayFirst.stringValue("intl", "sDate", "-"), ".");
    EXPECT_EQ(dayFirst.intValue("intl", "iLzero", 1), 0);
}

TEST(LocaleDateFormat, GivesOrderSeparatorAndLeadingZero) {
    // clang-format off
    const struct {
        const char* format;
        LocaleDateSettings expected;
    } cases[] = {
        {"%m/%d/%Y", {0, "/", 1}}, {"%d.%m.%Y", {1, ".", 1}}, {"%Y-%m-%d", {2, "-", 1}},
        {"%D", {0, "/", 1}}, {"%F", {2, "-", 1}}, {"%Y. %m. %d.", {2, ".", 1}},
        {"%e/%m/%Y", {1, "/", 0}}, {"%-d.%-m.%Y", {1, ".", 0}}, // unpadded day or month
        {"%Y\xE5\xB9\xB4%m\xE6\x9C\x88%d", {2, "-", 1}}, // a separator not in ASCII
    };
    // clang-format on
    for (const auto& c : cases) {
        const LocaleDateSettings settings = dateSettingsFromFormat(c.format);
        EXPECT_EQ(std::tie(settings.iDate, settings.sDate, settings.iLzero),
                  std::tie(c.expected.iDate, c.expected.sDate, c.expected.iLzero))
            << c.format;
    }
}

TEST(LocaleProfile, AnswersOnlyTheDateKeys) {
    const LocaleProfile profile(LocaleDateSettings{1, ".", 0});
    EXPECT_EQ(profile.intValue("intl", "iDate", 7), 1);
    EXPECT_EQ(profile.stringValue("intl", "sDate", "-"), ".");
    EXPECT_EQ(profile.intValue("INTL", "ILZERO", 7), 0);
    EXPECT_EQ(profile.intValue("intl", "iTime", 7), 7);
    EXPECT_EQ(profile.stringValue("windows", "Device", "none"), "none");
}

// The Terrain dialog rewrites only its own section; both programs read the list back in order.
TEST(ElevationSources, RewriteOnlyTheTerrainSectionAndReadBackInOrder) {
    test::TempFolder folder;
    const auto file = folder / "profile.ini";
    test::writeFile(file, "[intl]\nsDate=.\n[TERRAIN]\nSource1=/old.tif\n[windows]\nDevice=P\n");
    ASSERT_EQ(saveElevationSources(file, {"/data/srtm", "/data/coast.vrt"}), "");
    EXPECT_EQ(test::readFileText(file), "[intl]\nsDate=.\n[windows]\nDevice=P\n[terrain]\n"
                                        "Source1=/data/srtm\nSource2=/data/coast.vrt\n");
    const auto profile = IniProfile::fromFile(file);
    ASSERT_TRUE(profile);
    EXPECT_EQ(elevationSources(*profile),
              (std::vector<std::filesystem::path>{"/data/srtm", "/data/coast.vrt"}));
    EXPECT_EQ(profile->stringValue("windows", "Device", ""), "P");
    ASSERT_EQ(saveElevationSources(file, {}), "");
    EXPECT_EQ(test::readFileText(file), "[intl]\nsDate=.\n[windows]\nDevice=P\n");
    ASSERT_EQ(saveElevationSources(folder / "new" / "korvel.ini", {"/a.tif"}), "");
    EXPECT_EQ(test::readFileText(folder / "new" / "korvel.ini"), "[terrain]\nSource1=/a.tif\n");
    EXPECT_EQ(saveElevationSources(folder.path(), {"/a.tif"})
                  .rfind(folder.path().filename().string() + ": ", 0),
              0u);
}

} // namespace
} // namespace korvel
