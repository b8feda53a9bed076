// korvel-cli calc and rain: the panel, the JSON lines, --save, unusable files and exit statuses.

#include <cstring>

#include "cli/cli_runner.h"

namespace korvel {
namespace {

constexpr std::size_t kResultsOffset = 522; // of the 682-byte hop file
const std::vector<std::string> kExamples =
    lines("LINK7.HOP LINK15SD.HOP LINK23FD.HOP LINK2.HOP OLDLINK13.HOP", ' ');
const std::vector<std::string> kResultNames =
    lines("cLat cLon K Lc1 Lc2 Lo Lho Prx M Msm pfm psm pfmd psmd p pd Ifm Ism rainWorstMonthPct "
          "rainAnnualPct",
          ' ');

using Calc = CliTest;
using Rain = CliTest;

TEST_F(Calc, PrintsTheResultsPanelOfEachExample) {
    for (const auto& file : kExamples) {
        SCOPED_TRACE(file);
        const CliRun run = cli({"calc", file});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_TRUE(run.out.starts_with("== " + file + "\n")) << run.out;
        int marginLines = 0;
        for (const auto& line : lines(run.out)) {
            EXPECT_TRUE(line.size() <= 41 && !line.ends_with(' ')) << '"' << line << '"';
            marginLines += line.starts_with("Flat fading margin:") && line.ends_with(" dB");
        }
        EXPECT_EQ(marginLines, 1) << run.out;
        EXPECT_TRUE(contains(run.out, "\nTotal outage w/o diversity:")) << run.out;
        EXPECT_EQ(contains(run.out, "\nWith diversity:\n"), file.ends_with("D.HOP")) << run.out;
        EXPECT_FALSE(contains(run.out, "Warning:")) << run.out;
    }
}

TEST_F(Calc, JsonSaveGivesNumbersThatReadBackToTheSavedDoublesAndConvertsSixteenBitFiles) {
    const auto oldShow = showJson("OLDLINK13.HOP");
    ASSERT_EQ(oldShow["version"], 5);
    std::vector<std::string> args{"calc", "--json", "--save"};
    args.insert(args.end(), kExamples.begin(), kExamples.end());
    const CliRun run = cli(args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "Korvel: The file OLDLINK13.HOP is created with 16-bit version of "
                       "Korvel.\n When saved, it will be converted to 32-bit format.\n");
    const auto out = lines(run.out);
    ASSERT_EQ(out.size(), kExamples.size()) << run.out;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto object = nlohmann::ordered_json::parse(out[i]);
        EXPECT_EQ(keysOf(object), lines("file status messages results", ' '));
        EXPECT_EQ(object["file"], kExamples[i]);
        EXPECT_EQ(object["status"], 1);
        EXPECT_TRUE(object["messages"].empty());
        ASSERT_EQ(keysOf(object["results"]), kResultNames);
        const std::string bytes = bytesOf(kExamples[i]);
        ASSERT_EQ(bytes.size(), 682u);
        for (std::size_t r = 0; r < kResultNames.size(); ++r) {
            double stored = 0;
            std::memcpy(&stored, bytes.data() + kResultsOffset + 8 * r, sizeof stored);
            const double printed = object["results"][kResultNames[r]].get<double>();
            EXPECT_EQ(std::memcmp(&stored, &printed, sizeof stored), 0)
                << kExamples[i] << ' ' << kResultNames[r] << ": " << stored << " printed as "
                << printed;
        }
    }
    const auto newShow = showJson("OLDLINK13.HOP");
    EXPECT_EQ(newShow["version"], 6);
    EXPECT_EQ(newShow["record"], oldShow["record"]);
    EXPECT_EQ(newShow["selection"], oldShow["selection"]);
    EXPECT_EQ(cli({"calc", "OLDLINK13.HOP"}).err, "") << "converted once: no note any more";
}

TEST_F(Calc, SaveRewritesOnlyTheResultsBlockAndAgainGivesTheSameBytes) {
    for (const char* example : {"LINK7", "LINK15SD", "LINK23FD", "LINK2"}) {
        SCOPED_TRACE(example);
        ASSERT_NO_FATAL_FAILURE(makeHop("FRESH.HOP", exampleSource(example)));
        const std::string before = bytesOf("FRESH.HOP");
        ASSERT_EQ(cli({"calc", "--save", "FRESH.HOP"}).exitCode, 0);
        const std::string after = bytesOf("FRESH.HOP");
        ASSERT_EQ(after.size(), 682u);
        EXPECT_EQ(after.substr(0, kResultsOffset), before.substr(0, kResultsOffset));
        EXPECT_NE(after.substr(kResultsOffset), before.substr(kResultsOffset));
        ASSERT_EQ(cli({"calc", "--save", "FRESH.HOP"}).exitCode, 0);
        EXPECT_EQ(bytesOf("FRESH.HOP"), after);
    }
}

TEST_F(Calc, UnusableHopFilesAreRefusedAndLeftAsTheyWere) {
    expectRefused({"calc", "--save", "NOPE.HOP"}, "Korvel: Cannot open NOPE.HOP\n", "NOPE.HOP");
    writeFile(at("NOTES.HOP"), "just some notes\n");
    expectRefused({"calc", "--save", "NOTES.HOP"},
                  "Korvel: Error while opening NOTES.HOP. It is not a valid Korvel file.",
                  "NOTES.HOP");
    // Files shorter than their layout are refused, never read past their end.
    for (const unsigned length : {6u, 300u, 681u}) {
        writeFile(at("CUT.HOP"), bytesOf("LINK7.HOP").substr(0, length));
        expectRefused({"calc", "--save", "CUT.HOP"}, "CUT.HOP", "CUT.HOP");
    }
}

TEST_F(Calc, StoppedCalculationGivesThreeSavesNoRainAndAnUnusableFileOutranksIt) {
    nlohmann::json weak = exampleSource("LINK7");
    weak["record"]["ptxDbm"] = -60.0;
    ASSERT_NO_FATAL_FAILURE(makeHop("WEAK.HOP", weak));
    const CliRun text = cli({"calc", "WEAK.HOP"});
    EXPECT_EQ(text.exitCode, 3) << text.err;
    EXPECT_EQ(text.out, "== WEAK.HOP\nWarning: Negative fading margin.\n");
    const CliRun json = cli({"calc", "--json", "WEAK.HOP"});
    EXPECT_EQ(json.exitCode, 3);
    EXPECT_EQ(nlohmann::json::parse(json.out)["status"], -1);
    EXPECT_EQ(nlohmann::json::parse(json.out)["messages"],
              nlohmann::json::array({"Negative fading margin."}));
    const std::string before = bytesOf("WEAK.HOP");
    const CliRun rain = cli({"rain", "WEAK.HOP", "--rate", "42", "--save"});
    EXPECT_EQ(rain.exitCode, 3);
    EXPECT_TRUE(rain.out.empty() && contains(rain.err, "Negative fading margin.")) << rain.err;
    EXPECT_EQ(bytesOf("WEAK.HOP"), before);

    EXPECT_EQ(cli({"calc", "WEAK.HOP", "NOPE.HOP"}).exitCode, 2);
    EXPECT_EQ(cli({"calc", "NOPE.HOP", "WEAK.HOP"}).exitCode, 2);
    EXPECT_EQ(cli({"calc", "LINK7.HOP", "WEAK.HOP"}).exitCode, 3);
    const CliRun mixed = cli({"calc", "LINK7.HOP", "NOPE.HOP", "LINK2.HOP"});
    EXPECT_EQ(mixed.exitCode, 2);
    EXPECT_EQ(mixed.out.find("== LINK7.HOP\n"), 0u) << mixed.out;
    EXPECT_TRUE(contains(mixed.out, "\n== LINK2.HOP\n") && !contains(mixed.out, "NOPE"));
}

TEST_F(Rain, RatesAreReadAsTheRainDialogReadsThem) {
    const char* const note = "Note!: Values out of normal limits : Rainrate\n";
    for (const auto& [rate, err] : {std::pair{"10", ""}, {"9", note}, {"200", ""}, {"250", note}}) {
        const CliRun run = cli({"rain", "LINK7.HOP", "--rate", rate});
        EXPECT_EQ(run.exitCode, 0) << rate;
        EXPECT_EQ(run.err, err) << rate;
        const auto out = lines(run.out);
        ASSERT_EQ(out.size(), 2u) << run.out;
        EXPECT_TRUE(out[0].starts_with("Annual unavailability  : ")) << out[0];
        EXPECT_TRUE(out[1].starts_with("(Worst month percentage : ")) << out[1];
    }
    for (const auto& [rate, err] :
         {std::pair{"12.5", "Error!: Rainrate must be a positive integer.\n"},
          {"heavy", "Error!: Invalid data : Rain rate\n"},
          {"-5", "Error!: Invalid data : Rain rate\n"}}) {
        expectRefused({"rain", "LINK7.HOP", "--rate", rate, "--save"}, err);
    }
    expectRefused({"rain", "LINK2.HOP", "--rate", "42", "--save"},
                  "Korvel: Current formulas for rain attenuation do not support frequencies "
                  "below 6 GHz.\n",
                  "LINK2.HOP");
}

TEST_F(Rain, JsonSaveStoresRatePolarizationAndBothPercentagesOnly) {
    auto expected = showJson("LINK7.HOP");
    ASSERT_EQ(expected["record"]["polarization"], 2001);
    const CliRun run = cli(
        {"rain", "LINK7.HOP", "--rate", "95", "--polarization", "horizontal", "--json", "--save"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(lines(run.out).size(), 1u);
    EXPECT_EQ(keysOf(nlohmann::ordered_json::parse(run.out)),
              lines("status annualPct worstMonthPct", ' '));
    const auto rain = nlohmann::json::parse(run.out);
    EXPECT_EQ(rain["status"], 1);
    EXPECT_GE(rain["worstMonthPct"].get<double>(), rain["annualPct"].get<double>());
    expected["record"]["rainRateMmH"] = 95;
    expected["record"]["polarization"] = 2000;
    expected["results"]["rainAnnualPct"] = rain["annualPct"];
    expected["results"]["rainWorstMonthPct"] = rain["worstMonthPct"];
    EXPECT_EQ(showJson("LINK7.HOP"), expected);
}

} // namespace
} // namespace korvel
