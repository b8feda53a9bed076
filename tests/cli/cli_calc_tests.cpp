// korvel-cli calc: the panel, the JSON lines, --save, unusable files and exit statuses.

#include <cstdint>
#include <cstring>

#include "cli/cli_runner.h"

namespace korvel {
namespace {

constexpr std::size_t kHopFileSize = 682;
constexpr std::size_t kResultsOffset = 522;

const char* const kResultNames[] = {"cLat",
                                    "cLon",
                                    "K",
                                    "Lc1",
                                    "Lc2",
                                    "Lo",
                                    "Lho",
                                    "Prx",
                                    "M",
                                    "Msm",
                                    "pfm",
                                    "psm",
                                    "pfmd",
                                    "psmd",
                                    "p",
                                    "pd",
                                    "Ifm",
                                    "Ism",
                                    "rainWorstMonthPct",
                                    "rainAnnualPct"};

// The double stored at offset of a hop file (little-endian, as this host is).
double storedDouble(const std::string& bytes, std::size_t offset) {
    double value = 0;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

nlohmann::json negativeMarginHop() {
    nlohmann::json hop = exampleSource("LINK7");
    hop["record"]["ptxDbm"] = -60.0;
    return hop;
}

struct ExampleCase {
    const char* file;
    bool diversity;
};

class CalcExample : public CliTest, public testing::WithParamInterface<ExampleCase> {};

TEST_P(CalcExample, PrintsTheResultsPanelOneEntryPerLine) {
    const ExampleCase example = GetParam();
    const CliRun run = cli({"calc", example.file});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto out = lines(run.out);
    ASSERT_FALSE(out.empty());
    EXPECT_EQ(out[0], std::string("== ") + example.file);
    int marginLines = 0;
    for (const auto& line : out) {
        EXPECT_EQ(line.find_last_not_of(' ') + 1, line.size()) << "trailing blank: " << line;
        EXPECT_LE(line.size(), 41u) << line;
        marginLines += line.rfind("Flat fading margin:", 0) == 0 && line.ends_with(" dB");
    }
    EXPECT_EQ(marginLines, 1) << run.out;
    EXPECT_TRUE(contains(run.out, "\nTotal outage w/o diversity:")) << run.out;
    EXPECT_EQ(contains(run.out, "\nWith diversity:\n"), example.diversity) << run.out;
    EXPECT_FALSE(contains(run.out, "Warning:")) << run.out;
}

INSTANTIATE_TEST_SUITE_P(Examples, CalcExample,
                         testing::Values(ExampleCase{"LINK7.HOP", false},
                                         ExampleCase{"LINK15SD.HOP", true},
                                         ExampleCase{"LINK23FD.HOP", true},
                                         ExampleCase{"LINK2.HOP", false},
                                         ExampleCase{"OLDLINK13.HOP", false}),
                         [](const auto& named) {
                             std::string name = named.param.file;
                             return name.substr(0, name.find('.'));
                         });

using Calc = CliTest;

TEST_F(Calc, JsonGivesOneObjectPerFileWithEveryResultName) {
    const std::vector<std::string> files{"LINK7.HOP", "LINK15SD.HOP", "LINK23FD.HOP", "LINK2.HOP",
                                         "OLDLINK13.HOP"};
    std::vector<std::string> args{"calc", "--json"};
    args.insert(args.end(), files.begin(), files.end());
    const CliRun run = cli(args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto out = lines(run.out);
    ASSERT_EQ(out.size(), files.size()) << run.out;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const auto object = nlohmann::ordered_json::parse(out[i], nullptr, false);
        ASSERT_TRUE(object.is_object()) << out[i];
        std::vector<std::string> keys;
        for (const auto& item : object.items()) {
            keys.push_back(item.key());
        }
        EXPECT_EQ(keys, (std::vector<std::string>{"file", "status", "messages", "results"}));
        EXPECT_EQ(object["file"], files[i]);
        EXPECT_EQ(object["status"], 1);
        EXPECT_TRUE(object["messages"].empty());
        std::vector<std::string> names;
        for (const auto& item : object["results"].items()) {
            names.push_back(item.key());
            EXPECT_TRUE(item.value().is_number()) << item.key();
        }
        EXPECT_EQ(names,
                  std::vector<std::string>(std::begin(kResultNames), std::end(kResultNames)));
    }
}

TEST_F(Calc, JsonNumbersReadBackToTheStoredDoublesBitForBit) {
    const CliRun run = cli({"calc", "--json", "--save", "LINK15SD.HOP"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto results = nlohmann::json::parse(run.out)["results"];
    const std::string bytes = bytesOf("LINK15SD.HOP");
    ASSERT_EQ(bytes.size(), kHopFileSize);
    for (std::size_t i = 0; i < std::size(kResultNames); ++i) {
        const double stored = storedDouble(bytes, kResultsOffset + 8 * i);
        const double printed = results[kResultNames[i]].get<double>();
        EXPECT_EQ(std::memcmp(&stored, &printed, sizeof stored), 0)
            << kResultNames[i] << ": " << stored << " printed as " << printed;
    }
}

TEST_F(Calc, SaveRewritesOnlyTheResultsBlock) {
    for (const char* example : {"LINK7", "LINK15SD", "LINK23FD", "LINK2"}) {
        SCOPED_TRACE(example);
        // A hop straight from its source has never been calculated.
        ASSERT_NO_FATAL_FAILURE(makeHop("FRESH.HOP", exampleSource(example)));
        const std::string before = bytesOf("FRESH.HOP");
        const CliRun run = cli({"calc", "--save", "FRESH.HOP"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const std::string after = bytesOf("FRESH.HOP");
        ASSERT_EQ(after.size(), kHopFileSize);
        EXPECT_EQ(after.substr(0, kResultsOffset), before.substr(0, kResultsOffset));
        EXPECT_NE(after.substr(kResultsOffset), before.substr(kResultsOffset));
        // Calculating again gives the same results, byte for byte.
        ASSERT_EQ(cli({"calc", "--save", "FRESH.HOP"}).exitCode, 0);
        EXPECT_EQ(bytesOf("FRESH.HOP"), after);
    }
}

TEST_F(Calc, SixteenBitFileReadsWithTheNoteAndSavesAsCurrentLayout) {
    const auto oldShow = showJson("OLDLINK13.HOP");
    ASSERT_EQ(bytesOf("OLDLINK13.HOP").size(), 661u);
    const CliRun run = cli({"calc", "--save", "OLDLINK13.HOP"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(contains(run.err, "Korvel: The file OLDLINK13.HOP is created with 16-bit version "
                                  "of Korvel.\n When saved, it will be converted to 32-bit "
                                  "format.\n"))
        << run.err;
    EXPECT_TRUE(contains(run.out, "Flat fading margin:")) << run.out;

    const std::string bytes = bytesOf("OLDLINK13.HOP");
    ASSERT_EQ(bytes.size(), kHopFileSize);
    EXPECT_EQ(bytes.substr(0, 6), std::string("HVRA6\0", 6));
    const auto newShow = showJson("OLDLINK13.HOP");
    EXPECT_EQ(newShow["version"], 6);
    EXPECT_EQ(newShow["record"], oldShow["record"]);
    EXPECT_EQ(newShow["selection"], oldShow["selection"]);
    // Converted once: no note any more.
    EXPECT_EQ(cli({"calc", "OLDLINK13.HOP"}).err, "");
}

TEST_F(Calc, MissingFileIsUnusableWithTheSystemsMessage) {
    const CliRun run = cli({"calc", "NOPE.HOP"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(contains(run.err, "Korvel: Cannot open NOPE.HOP\n")) << run.err;
    EXPECT_FALSE(std::filesystem::exists(at("NOPE.HOP")));
}

TEST_F(Calc, FileThatIsNoHopIsUnusableAndLeftAsItWas) {
    writeFile(at("NOTES.HOP"), "just some notes\n");
    const CliRun run = cli({"calc", "--save", "NOTES.HOP"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(
        contains(run.err, "Korvel: Error while opening NOTES.HOP. It is not a valid Korvel file."))
        << run.err;
    EXPECT_TRUE(contains(run.err, "NOTES.HOP")) << run.err;
    EXPECT_EQ(bytesOf("NOTES.HOP"), "just some notes\n");
}

TEST_F(Calc, TruncatedHopFileIsRefusedWithoutCrash) {
    for (const std::size_t length : {std::size_t{6}, std::size_t{300}, kHopFileSize - 1}) {
        SCOPED_TRACE(length);
        writeFile(at("CUT.HOP"), bytesOf("LINK7.HOP").substr(0, length));
        const CliRun run = cli({"calc", "--save", "CUT.HOP"});
        EXPECT_EQ(run.exitCode, 2) << run.err;
        EXPECT_TRUE(contains(run.err, "CUT.HOP")) << run.err;
        EXPECT_EQ(bytesOf("CUT.HOP").size(), length);
    }
}

TEST_F(Calc, OneBadFileAmongGoodOnesGivesStatusTwoButPrintsTheGoodOnes) {
    const CliRun run = cli({"calc", "LINK7.HOP", "NOPE.HOP", "LINK2.HOP"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.out, "== LINK7.HOP\n")) << run.out;
    EXPECT_TRUE(contains(run.out, "== LINK2.HOP\n")) << run.out;
    EXPECT_FALSE(contains(run.out, "NOPE")) << run.out;
    EXPECT_TRUE(contains(run.err, "NOPE.HOP")) << run.err;
}

TEST_F(Calc, NegativeMarginStopsTheCalculationWithStatusThree) {
    ASSERT_NO_FATAL_FAILURE(makeHop("WEAK.HOP", negativeMarginHop()));
    const CliRun text = cli({"calc", "WEAK.HOP"});
    EXPECT_EQ(text.exitCode, 3) << text.err;
    EXPECT_EQ(text.out, "== WEAK.HOP\nWarning: Negative fading margin.\n");

    const CliRun json = cli({"calc", "--json", "WEAK.HOP"});
    EXPECT_EQ(json.exitCode, 3);
    const auto object = nlohmann::json::parse(json.out);
    EXPECT_EQ(object["status"], -1);
    EXPECT_EQ(object["messages"], nlohmann::json::array({"Negative fading margin."}));
}

TEST_F(Calc, UnusableFileOutranksAStoppedCalculation) {
    ASSERT_NO_FATAL_FAILURE(makeHop("WEAK.HOP", negativeMarginHop()));
    EXPECT_EQ(cli({"calc", "WEAK.HOP", "NOPE.HOP"}).exitCode, 2);
    EXPECT_EQ(cli({"calc", "NOPE.HOP", "WEAK.HOP"}).exitCode, 2);
    EXPECT_EQ(cli({"calc", "LINK7.HOP", "WEAK.HOP"}).exitCode, 3);
}

TEST_F(Calc, UnreadableLibraryIsUnusable) {
    writeFile(at("empty.lbr"), "");
    for (const char* library : {"missing.lbr", "empty.lbr"}) {
        SCOPED_TRACE(library);
        const CliRun run = cliBare({"--library", library, "calc", "LINK7.HOP"});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(contains(run.err, library)) << run.err;
    }
}

} // namespace
} // namespace korvel
