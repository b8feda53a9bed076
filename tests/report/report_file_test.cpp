// Writing report files, and the report file names the print dialog offers.

#include "report/report_file.h"
#include "report/report_file_name.h"
#include "report_fixtures.h"
#include "support/recording_messages.h"

namespace korvel::report_test {
namespace {

class ReportFile : public ::testing::Test {
  protected:
    void expectOneError(const std::string& text) {
        ASSERT_EQ(messages_.boxes().size(), 1U);
        EXPECT_EQ(messages_.boxes()[0].text, text);
        EXPECT_EQ(messages_.boxes()[0].caption, "Error");
        EXPECT_EQ(messages_.boxes()[0].buttons, MessageButtons::Ok);
    }
    test::TempFolder folder_;
    RecordingMessages messages_;
};

TEST_F(ReportFile, HopAndRouteWritersReplaceAnOlderFileWithTheReport) {
    const std::filesystem::path file = folder_ / "REPORT.txt";
    std::ofstream(file) << std::string(70000, 'x');
    EXPECT_EQ(writeHopReportFile(file, ReportForm::Delimited, hopSpaceDiversity(), reportLibrary(),
                                 ReportLanguage::French, "LINK7.HOP", kDateStamp, messages_),
              1);
    EXPECT_EQ(test::readFileText(file),
              test::readFileText(goldenPath("hop_space_diversity_fr.tsv")));
    EXPECT_EQ(writeRouteReportFile(file, ReportForm::Text, routeTwentyHops(),
                                   ReportLanguage::English, kLibraryId, kDateStamp, messages_),
              1);
    EXPECT_EQ(test::readFileText(file), test::readFileText(goldenPath("route_twenty_hops_en.txt")));
    EXPECT_TRUE(messages_.events().empty());
}

TEST_F(ReportFile, FileThatCannotBeOpenedIsReportedAndNotWritten) {
    const std::filesystem::path file = folder_ / "missing" / "REPORT.txt";
    EXPECT_EQ(writeReportFile(file, "line\r\n", messages_), 0);
    expectOneError("Cannot open " + file.string());
    EXPECT_FALSE(std::filesystem::exists(file));
}

// A write that fails after the file opened (a full disk) used to count as a written report.
// Reports go through a temporary file renamed into place, which a device must never be.
TEST_F(ReportFile, DeviceIsRefusedAndLeftAsItWas) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full on this system";
    }
    EXPECT_EQ(writeReportFile("/dev/full", std::string(70000, 'x'), messages_), 0);
    expectOneError("Cannot open /dev/full");
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
}

TEST(ReportFileName, DefaultFollowsTheHopFileNameCutTo128) {
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"", ""}, {"A", ""}, {"AB", "AB"}, {"LINK7", "LINK7"}, {"LINK7.", "LINK7.txt"},
        {"LINK7.HOP", "LINK7.txt"}, {"link.7.hop", "link.txt"}, // the first dot counts
        {std::string(200, 'h'), std::string(128, 'h')},
        {std::string(130, 'h') + ".HOP", std::string(128, 'h')}};
    // clang-format on
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(defaultReportFileName(input), expected) << input;
    }
}

TEST(ReportFileName, CompletionAppendsTxtUnlessTheNameHasAnExtension) {
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {"REPORT", "REPORT.txt"}, {"A:OUT", "A:OUT.txt"}, {"OUT.LST", "OUT.LST"}, {"REP.", "REP."},
        {"C:\\DATA.1\\REP", "C:\\DATA.1\\REP.txt"}, {"out.d/rep", "out.d/rep.txt"}};
    // clang-format on
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(completeReportFileName(input), expected) << input;
    }
}

} // namespace
} // namespace korvel::report_test
