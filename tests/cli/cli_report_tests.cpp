// korvel-cli report hop: files in both languages and forms, Windows-1252 with CRLF line ends,
// a fixed date from SOURCE_DATE_EPOCH and the profile, existing files kept.

#include "cli/cli_runner.h"

namespace korvel {
namespace {

// 24 December 1997, 00:00 UTC.
const std::string kEpoch = "SOURCE_DATE_EPOCH=882921600";

class Report : public CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        if (cliBare({"report", "hop", "--help"}).exitCode != 0) {
            GTEST_SKIP() << "this korvel-cli has no report command yet";
        }
        writeFile(root_ / "profile.ini", "[intl]\niDate=2\nsDate=-\niLzero=1\n");
    }

    CliRun report(std::vector<std::string> args) const {
        std::vector<std::string> all{"--profile", (root_ / "profile.ini").string(), "report",
                                     "hop"};
        all.insert(all.end(), args.begin(), args.end());
        return cli(all, {kEpoch});
    }
};

struct FormCase {
    const char* name;
    const char* language;
    const char* format;
    const char* firstLine;
    const char* title; // the line of the report's title, in Windows-1252
};

class ReportForm : public Report, public testing::WithParamInterface<FormCase> {};

TEST_P(ReportForm, IsWrittenWithCrlfLinesAFixedDateAndTheNamesAtTheFoot) {
    const FormCase form = GetParam();
    const CliRun run = report({"LINK23FD.HOP", "--lang", form.language, "--format", form.format,
                               "--output", "report.out"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string text = bytesOf("report.out");
    EXPECT_TRUE(text.starts_with(std::string(form.firstLine) + "\r\n")) << text.substr(0, 80);
    EXPECT_TRUE(contains(text, std::string("\r\n") + form.title + "\r\n"));
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare line feed at byte " << i;
        }
    }
    EXPECT_TRUE(text.ends_with("\r\n<LINK23FD.HOP>\r\n<Library: Korvel sample 1>\r\n"))
        << text.substr(text.size() > 80 ? text.size() - 80 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ReportForm,
    testing::Values(FormCase{"EnglishText", "en", "text",
                             "     VALMO TELECOMMUNICATIONS                    1997-12-24",
                             "     ERROR PERFORMANCE CALCULATIONS FOR RADIO RELAY SYSTEM"},
                    FormCase{"FrenchText", "fr", "text",
                             "     VALMO TELECOMMUNICATIONS                    1997-12-24",
                             "     QUALIT\xC9 DE TRANSMISSION DES FAISCEAUX HERTZIENS"},
                    FormCase{"EnglishTsv", "en", "tsv", "VALMO TELECOMMUNICATIONS\t\t\t1997-12-24",
                             "ERROR PERFORMANCE CALCULATIONS FOR RADIO RELAY SYSTEM"},
                    FormCase{"FrenchTsv", "fr", "tsv", "VALMO TELECOMMUNICATIONS\t\t\t\t1997-12-24",
                             "QUALIT\xC9 DE TRANSMISSION DES FAISCEAUX HERTZIENS"}),
    [](const auto& named) { return std::string(named.param.name); });

TEST_F(Report, TextsTypedInUtf8AreWrittenInWindows1252) {
    nlohmann::json hop = exampleSource("LINK7");
    hop["record"]["station1Name"] = "Jyväskylä";
    hop["record"]["station2Name"] = "Petäjävesi";
    ASSERT_NO_FATAL_FAILURE(makeHop("LAKES.HOP", hop));
    const CliRun run =
        report({"LAKES.HOP", "--lang", "fr", "--format", "text", "--output", "lakes.txt"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string text = bytesOf("lakes.txt");
    EXPECT_TRUE(contains(text, "Jyv\xE4skyl\xE4")) << text;
    EXPECT_TRUE(contains(text, "Pet\xE4j\xE4vesi")) << text;
    EXPECT_FALSE(contains(text, "\xC3")) << "UTF-8 in the report";
}

TEST_F(Report, ExistingOutputIsKeptUnlessForced) {
    writeFile(at("keep.txt"), "an earlier report");
    const CliRun refused =
        report({"LINK7.HOP", "--lang", "en", "--format", "text", "--output", "keep.txt"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(contains(refused.err, "keep.txt")) << refused.err;
    EXPECT_EQ(bytesOf("keep.txt"), "an earlier report");

    const CliRun forced = report(
        {"LINK7.HOP", "--lang", "en", "--format", "text", "--output", "keep.txt", "--force"});
    EXPECT_EQ(forced.exitCode, 0) << forced.err;
    EXPECT_TRUE(bytesOf("keep.txt").starts_with("     VALMO TELECOMMUNICATIONS"));
}

TEST_F(Report, UnusableHopWritesNoReport) {
    const CliRun run =
        report({"NOPE.HOP", "--lang", "en", "--format", "tsv", "--output", "nope.tsv"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.err, "NOPE.HOP")) << run.err;
    EXPECT_FALSE(std::filesystem::exists(at("nope.tsv")));
}

} // namespace
} // namespace korvel
