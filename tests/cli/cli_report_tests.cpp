// korvel-cli report hop, report route and route: Windows-1252 files with CRLF line ends and the
// date fixed by SOURCE_DATE_EPOCH and the profile, or PDF; the example route shown hop by hop.

#include <regex>
#include <tuple>

#include "cli/cli_runner.h"

namespace korvel {
namespace {

bool everyLineEndsInCrlf(const std::string& text) {
    return text.ends_with("\r\n") &&
           !contains(std::regex_replace(text, std::regex("\r\n"), ""), "\n");
}

using Report = CliTest;
using Route = CliTest;

TEST_F(Report, HopAndRouteAreWrittenInWindows1252WithCrlfLines) {
    nlohmann::json hop = exampleSource("LINK23FD");
    hop["record"]["station1Name"] = "Jyväskylä";
    ASSERT_NO_FATAL_FAILURE(makeHop("LAKES.HOP", hop));
    const std::string head = "     VALMO TELECOMMUNICATIONS                    1997-12-24";
    const std::string en = "ERROR PERFORMANCE CALCULATIONS FOR RADIO RELAY SYSTEM";
    const std::string fr = "QUALIT\xC9 DE TRANSMISSION DES FAISCEAUX HERTZIENS"; // Windows-1252
    for (const auto& [language, format, firstLine, title] :
         {std::tuple{"en", "text", head, "     " + en},
          {"fr", "tsv", "VALMO TELECOMMUNICATIONS\t\t\t\t1997-12-24", fr}}) {
        SCOPED_TRACE(std::string(language) + " " + format);
        const CliRun run =
            cli(std::string("report hop LAKES.HOP --force --output report.out --lang ") + language +
                " --format " + format);
        ASSERT_TRUE(run.exitCode == 0 && run.out.empty()) << run.err;
        const std::string text = bytesOf("report.out");
        EXPECT_TRUE(everyLineEndsInCrlf(text));
        EXPECT_TRUE(text.starts_with(firstLine + "\r\n")) << text.substr(0, 80);
        EXPECT_TRUE(contains(text, "\r\n" + title + "\r\n"));
        EXPECT_TRUE(contains(text, "Jyv\xE4skyl\xE4") && !contains(text, "\xC3")) << text;
        EXPECT_TRUE(text.ends_with("\r\n<LAKES.HOP>\r\n<Library: Korvel sample 1>\r\n")) << text;
    }
    // The route's table goes the same way: the layout itself is the report tests' golden files.
    auto coast2 = showJson("COAST2.HOP");
    coast2["record"]["station2Name"] = "Fyrö";
    ASSERT_NO_FATAL_FAILURE(makeHop("COAST2.HOP", coast2));
    ASSERT_EQ(cli("report route COAST.ROU --output coast.txt").exitCode, 0);
    const std::string table = bytesOf("coast.txt");
    EXPECT_TRUE(everyLineEndsInCrlf(table) && contains(table, "1997-12-24\r\n"));
    EXPECT_TRUE(contains(table, "Fyr\xF6") && !contains(table, "\xC3")) << table;
}

TEST_F(Report, PdfOfHopAndRouteHoldsTheirPages) {
    for (const auto& [command, foot] :
         {std::pair{"report hop LINK7.HOP --lang fr", "(<LINK7.HOP>) Tj"},
          {"report route COAST.ROU", "(<COAST.ROU>) Tj"}}) {
        const CliRun run = cli(std::string(command) + " --format pdf --force --output report.pdf");
        ASSERT_TRUE(run.exitCode == 0 && run.out.empty()) << run.err;
        const std::string pdf = bytesOf("report.pdf");
        EXPECT_TRUE(pdf.starts_with("%PDF-1.4\n") && pdf.ends_with("%%EOF\n")) << command;
        EXPECT_TRUE(contains(pdf, "1997-12-24) Tj") && contains(pdf, foot)) << pdf;
    }
}

TEST_F(Route, ShowsTheExampleRouteHopByHopWithTheDesignMargin) {
    const CliRun text = cli("route COAST.ROU");
    ASSERT_EQ(text.exitCode, 0) << text.err;
    std::string hopLines;
    for (const auto& line : lines(text.out)) {
        hopLines += contains(line, ".HOP ") ? line.substr(0, 15) + "|" : "";
    }
    EXPECT_EQ(hopLines, "  1  COAST1.HOP|  2  COAST2.HOP|  3  COAST3.HOP|  4  COAST4.HOP|");
    EXPECT_TRUE(contains(text.out, "\nDesign margin        : ")) << text.out;

    const auto route = nlohmann::ordered_json::parse(cli("route COAST.ROU --json").out);
    EXPECT_EQ(keysOf(route),
              lines("fileName objective totalOutage designMargin notCalculated outOfDate "
                    "objectiveMet verdict availabilityObjective availabilityObjectiveMet "
                    "availabilityVerdict hops",
                    ' '));
    EXPECT_EQ(route["fileName"], "COAST.ROU");
    ASSERT_EQ(route["hops"].size(), 4u);
    double totalOutage = 0;
    for (const auto& hop : route["hops"]) {
        EXPECT_EQ(keysOf(hop), lines("file station1 station2 lengthKm objective outage "
                                     "rainUnavail stale availabilityShare state",
                                     ' '));
        totalOutage += hop["outage"].get<double>();
    }
    EXPECT_EQ(route["hops"][3]["station2"], "Bay town");
    EXPECT_NEAR(route["totalOutage"].get<double>(), totalOutage, 1e-15);
    EXPECT_DOUBLE_EQ(route["designMargin"].get<double>(),
                     route["objective"].get<double>() - route["totalOutage"].get<double>());
}

} // namespace
} // namespace korvel
