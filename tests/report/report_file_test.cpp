#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "golden.h"
#include "platform/recording_messages.h"
#include "report/report_file.h"
#include "report/report_file_name.h"
#include "report_fixtures.h"

namespace korvel {
namespace {

using namespace report_test;

class ReportFile : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = std::filesystem::path(KORVEL_BINARY_DIR) / "report_file_test" /
                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    std::filesystem::path folder_;
    RecordingMessages messages_;
};

TEST_F(ReportFile, WritesTheBytesAndReplacesAnOlderFile) {
    const std::filesystem::path file = folder_ / "REPORT.txt";
    std::ofstream(file) << std::string(5000, 'x');
    EXPECT_EQ(writeReportFile(file, "line\r\n", messages_), 1);
    EXPECT_EQ(readBytes(file), "line\r\n");
    EXPECT_TRUE(messages_.events().empty());
}

TEST_F(ReportFile, FileThatCannotBeOpenedIsReportedAndNotWritten) {
    const std::filesystem::path file = folder_ / "missing" / "REPORT.txt";
    EXPECT_EQ(writeReportFile(file, "line\r\n", messages_), 0);
    ASSERT_EQ(messages_.boxes().size(), 1U);
    EXPECT_EQ(messages_.boxes()[0].text, "Cannot open " + file.string());
    EXPECT_EQ(messages_.boxes()[0].caption, "Error");
    EXPECT_EQ(messages_.boxes()[0].buttons, MessageButtons::Ok);
    EXPECT_FALSE(std::filesystem::exists(file));
}

// A write that fails after the file opened (a full disk) used to count as a written report.
TEST_F(ReportFile, WriteErrorAfterOpeningIsReportedAsFailure) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full on this system";
    }
    EXPECT_EQ(writeReportFile("/dev/full", std::string(70000, 'x'), messages_), 0);
    ASSERT_EQ(messages_.boxes().size(), 1U);
    EXPECT_EQ(messages_.boxes()[0].text, "Cannot write /dev/full");
    EXPECT_EQ(messages_.boxes()[0].caption, "Error");
}

TEST_F(ReportFile, HopAndRouteWritersWriteTheBuiltReports) {
    const std::filesystem::path hopFile = folder_ / "LINK7.txt";
    EXPECT_EQ(writeHopReportFile(hopFile, ReportForm::Delimited, hopSpaceDiversity(),
                                 reportLibrary(), ReportLanguage::French, "LINK7.HOP", kDateStamp,
                                 messages_),
              1);
    EXPECT_EQ(readBytes(hopFile), readBytes(goldenPath("hop_space_diversity_fr.tsv")));
    const std::filesystem::path routeFile = folder_ / "ROUTE.txt";
    EXPECT_EQ(writeRouteReportFile(routeFile, ReportForm::Text, routeTwentyHops(),
                                   ReportLanguage::English, "970315 KV-EU", kDateStamp, messages_),
              1);
    EXPECT_EQ(readBytes(routeFile), readBytes(goldenPath("route_twenty_hops_en.txt")));
}

struct NameCase {
    const char* name;
    const char* input;
    const char* expected;
};

class DefaultReportFileName : public ::testing::TestWithParam<NameCase> {};
TEST_P(DefaultReportFileName, FollowsTheHopFileName) {
    EXPECT_EQ(defaultReportFileName(GetParam().input), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Names, DefaultReportFileName,
                         ::testing::Values(NameCase{"NeverSaved", "", ""},
                                           NameCase{"OneCharacter", "A", ""},
                                           NameCase{"TwoCharacters", "AB", "AB"},
                                           NameCase{"ExtensionReplaced", "LINK7.HOP", "LINK7.txt"},
                                           NameCase{"FirstDotCounts", "link.7.hop", "link.txt"},
                                           NameCase{"EndingInDot", "LINK7.", "LINK7.txt"},
                                           NameCase{"NoDotStaysUnchanged", "LINK7", "LINK7"}),
                         [](const ::testing::TestParamInfo<NameCase>& testCase) {
                             return std::string(testCase.param.name);
                         });

TEST(DefaultReportFileNameLength, HopFileNameIsCutTo128Characters) {
    EXPECT_EQ(defaultReportFileName(std::string(200, 'h')), std::string(128, 'h'));
    EXPECT_EQ(defaultReportFileName(std::string(130, 'h') + ".HOP"), std::string(128, 'h'));
}

class CompleteReportFileName : public ::testing::TestWithParam<NameCase> {};
TEST_P(CompleteReportFileName, AppendsTxtUnlessTheNameHasAnExtension) {
    EXPECT_EQ(completeReportFileName(GetParam().input), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Names, CompleteReportFileName,
    ::testing::Values(NameCase{"Bare", "REPORT", "REPORT.txt"},
                      NameCase{"DriveOnly", "A:\\OUT", "A:\\OUT.txt"},
                      NameCase{"HasExtension", "OUT.LST", "OUT.LST"},
                      NameCase{"DotInFolderOnly", "C:\\DATA.1\\REP", "C:\\DATA.1\\REP.txt"},
                      NameCase{"DotInPosixFolderOnly", "out.d/rep", "out.d/rep.txt"},
                      NameCase{"EndsInDot", "REP.", "REP."},
                      NameCase{"DriveRelativeName", "A:OUT", "A:OUT.txt"}),
    [](const ::testing::TestParamInfo<NameCase>& testCase) {
        return std::string(testCase.param.name);
    });

} // namespace
} // namespace korvel
