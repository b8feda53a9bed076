#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "platform/ini_profile.h"
#include "platform/locale_profile.h"

namespace korvel {
namespace {

TEST(IniProfile, ReadsSectionsAndKeysWithoutRegardToCase) {
    const IniProfile profile = IniProfile::fromText("; user settings\r\n"
                                                    "[Intl]\r\n"
                                                    "iDate = 2\r\n"
                                                    "sDATE=/\r\n"
                                                    "[windows]\r\n"
                                                    "device=Office Printer, PSCRIPT , LPT1:\r\n");
    EXPECT_EQ(profile.intValue("intl", "iDate", 7), 2);
    EXPECT_EQ(profile.stringValue("INTL", "sDate", "-"), "/");
    EXPECT_EQ(profile.stringValue("windows", "Device", ""), "Office Printer, PSCRIPT , LPT1:");
}

TEST(IniProfile, MissingKeysAndSectionsGiveTheDefault) {
    const IniProfile profile = IniProfile::fromText("[intl]\niDate=1\n");
    EXPECT_EQ(profile.intValue("intl", "iLzero", 0), 0);
    EXPECT_EQ(profile.stringValue("intl", "sDate", "-"), "-");
    EXPECT_EQ(profile.stringValue("windows", "Device", ""), "");
    EXPECT_EQ(profile.intValue("other", "iDate", 9), 9); // a key of another section
}

TEST(IniProfile, NumbersReadTheirLeadingDigits) {
    const IniProfile profile =
        IniProfile::fromText("[intl]\na=12abc\nb=abc\nc=-3\nd=+4\ne=\nf=99999999999\n");
    EXPECT_EQ(profile.intValue("intl", "a", 5), 12);
    EXPECT_EQ(profile.intValue("intl", "b", 5), 0);
    EXPECT_EQ(profile.intValue("intl", "c", 5), -3);
    EXPECT_EQ(profile.intValue("intl", "d", 5), 4);
    EXPECT_EQ(profile.intValue("intl", "e", 5), 0);
    EXPECT_EQ(profile.intValue("intl", "f", 5), 0); // out of range
}

TEST(IniProfile, KeysBeforeAnySectionAndLinesWithoutEqualsAreIgnored) {
    const IniProfile profile = IniProfile::fromText("iDate=2\n[intl]\njunk\n[broken\niDate=1\n");
    EXPECT_EQ(profile.intValue("intl", "iDate", 7), 7);
    EXPECT_EQ(profile.intValue("broken", "iDate", 7), 1);
}

using Environment = std::map<std::string, std::string>;

EnvironmentLookup lookupIn(const Environment& environment) {
    return [environment](const char* name) -> std::optional<std::string> {
        const auto found = environment.find(name);
        if (found == environment.end()) {
            return std::nullopt;
        }
        return found->second;
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
    const std::filesystem::path folder = std::filesystem::path(KORVEL_BINARY_DIR) / "profile_test";
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = folder / "profile.ini";
    std::ofstream(file) << "[intl]\niDate=2\n";
    const auto fromFile = openUserProfile(file, lookupIn({}));
    EXPECT_EQ(fromFile->intValue("intl", "iDate", 0), 2);
    EXPECT_EQ(fromFile->intValue("intl", "iLzero", 0), 0); // missing key: its default
    EXPECT_NE(dynamic_cast<IniProfile*>(fromFile.get()), nullptr);

    const auto fromLocale = openUserProfile(folder / "absent.ini", lookupIn({}));
    EXPECT_NE(dynamic_cast<LocaleProfile*>(fromLocale.get()), nullptr);
    EXPECT_EQ(fromLocale->stringValue("windows", "Device", ""), "");
    // A folder where the file should be is no profile either.
    EXPECT_NE(dynamic_cast<LocaleProfile*>(openUserProfile(folder, lookupIn({})).get()), nullptr);
}

struct FormatCase {
    const char* name;
    const char* format;
    int iDate;
    const char* sDate;
    int iLzero;
};

class LocaleDateFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(LocaleDateFormat, GivesOrderSeparatorAndLeadingZero) {
    const FormatCase& c = GetParam();
    const LocaleDateSettings settings = dateSettingsFromFormat(c.format);
    EXPECT_EQ(settings.iDate, c.iDate);
    EXPECT_EQ(settings.sDate, c.sDate);
    EXPECT_EQ(settings.iLzero, c.iLzero);
}

INSTANTIATE_TEST_SUITE_P(Formats, LocaleDateFormat,
                         ::testing::Values(FormatCase{"UnitedStates", "%m/%d/%Y", 0, "/", 1},
                                           FormatCase{"Posix", "%m/%d/%y", 0, "/", 1},
                                           FormatCase{"German", "%d.%m.%Y", 1, ".", 1},
                                           FormatCase{"Swedish", "%Y-%m-%d", 2, "-", 1},
                                           FormatCase{"WholeDateD", "%D", 0, "/", 1},
                                           FormatCase{"WholeDateF", "%F", 2, "-", 1},
                                           FormatCase{"BlankPaddedDay", "%e/%m/%Y", 1, "/", 0},
                                           FormatCase{"UnpaddedFields", "%-d.%-m.%Y", 1, ".", 0},
                                           FormatCase{"SpacedSeparator", "%Y. %m. %d.", 2, ".", 1},
                                           FormatCase{"NonAsciiSeparator",
                                                      "%Y\xE5\xB9\xB4%m\xE6\x9C\x88%d", 2, "-", 1}),
                         [](const ::testing::TestParamInfo<FormatCase>& testCase) {
                             return std::string(testCase.param.name);
                         });

TEST(LocaleProfile, AnswersOnlyTheDateKeys) {
    const LocaleProfile profile(LocaleDateSettings{1, ".", 0});
    EXPECT_EQ(profile.intValue("intl", "iDate", 7), 1);
    EXPECT_EQ(profile.stringValue("intl", "sDate", "-"), ".");
    EXPECT_EQ(profile.intValue("INTL", "ILZERO", 7), 0);
    EXPECT_EQ(profile.intValue("intl", "iTime", 7), 7);
    EXPECT_EQ(profile.stringValue("windows", "Device", "none"), "none");
}

} // namespace
} // namespace korvel
