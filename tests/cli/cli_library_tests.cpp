// korvel-cli library build / show: the source round trip and refused sources.

#include "cli/cli_runner.h"

namespace korvel {
namespace {

const std::string kLibrarySource = std::string(KORVEL_SAMPLE_SOURCES) + "/library.json";

using Library = CliTest;

TEST_F(Library, BuildShowBuildGivesIdenticalBytes) {
    const CliRun first = cli({"library", "build", kLibrarySource, "--output", "first.lbr"});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(bytesOf("first.lbr"), bytesOf("korvel32.lbr"));

    const CliRun show = cli({"library", "show", "--json", "first.lbr"});
    ASSERT_EQ(show.exitCode, 0) << show.err;
    writeFile(at("shown.json"), show.out);
    const CliRun second = cli({"library", "build", "shown.json", "--output", "second.lbr"});
    ASSERT_EQ(second.exitCode, 0) << second.err;
    EXPECT_EQ(bytesOf("second.lbr"), bytesOf("first.lbr"));
    EXPECT_EQ(cli({"library", "show", "--json", "second.lbr"}).out, show.out);
}

TEST_F(Library, ShowListsTheRadiosWithOtherLast) {
    const CliRun run = cli({"library", "show", "korvel32.lbr"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto out = lines(run.out);
    ASSERT_GE(out.size(), 2u);
    EXPECT_TRUE(out[0].starts_with("Library: ")) << out[0];
    const auto library =
        nlohmann::json::parse(cli({"library", "show", "--json", "korvel32.lbr"}).out);
    const auto& radios = library["radios"];
    EXPECT_EQ(out[1], "Radios (" + std::to_string(radios.size()) + "):");
    EXPECT_EQ(radios.back()["name"], "OTHER");
}

struct BrokenSourceCase {
    const char* name;
    const char* path;        // JSON pointer of the field to break; empty: cut the document short
    const char* replacement; // JSON put there
    const char* error;
};

class LibraryBuildRefuses : public CliTest, public testing::WithParamInterface<BrokenSourceCase> {};

TEST_P(LibraryBuildRefuses, NamingWhatIsWrong) {
    const BrokenSourceCase broken = GetParam();
    const std::string source = readFile(kLibrarySource);
    if (*broken.path == '\0') {
        writeFile(at("broken.json"), source.substr(0, source.size() / 2));
    } else {
        auto document = nlohmann::json::parse(source);
        document[nlohmann::json::json_pointer(broken.path)] =
            nlohmann::json::parse(broken.replacement);
        writeFile(at("broken.json"), document.dump(2));
    }
    const CliRun run = cli({"library", "build", "broken.json", "--output", "broken.lbr"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.err, std::string("broken.json: ") + broken.error)) << run.err;
    EXPECT_FALSE(std::filesystem::exists(at("broken.lbr")));
}

INSTANTIATE_TEST_SUITE_P(
    Sources, LibraryBuildRefuses,
    testing::Values(BrokenSourceCase{"RadioFrequency", "/radios/1/frequencyGHz", R"("high")",
                                     "radios[1].frequencyGHz"},
                    BrokenSourceCase{"Identification", "/identification", "42", "identification"},
                    BrokenSourceCase{"NoRadio", "/radios", "[]", "radios"},
                    BrokenSourceCase{"CutShort", "", "", "not valid JSON"}),
    [](const auto& named) { return std::string(named.param.name); });

TEST_F(Library, BuildRefusesAnExistingOutputUnlessForced) {
    writeFile(at("mine.lbr"), "keep me");
    const CliRun refused = cli({"library", "build", kLibrarySource, "--output", "mine.lbr"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(contains(refused.err, "mine.lbr exists already")) << refused.err;
    EXPECT_EQ(bytesOf("mine.lbr"), "keep me");
    EXPECT_EQ(cli({"library", "build", kLibrarySource, "--output", "mine.lbr", "--force"}).exitCode,
              0);
    EXPECT_EQ(bytesOf("mine.lbr"), bytesOf("korvel32.lbr"));
}

TEST_F(Library, ShowRefusesWhatIsNoLibrary) {
    const CliRun run = cli({"library", "show", "LINK7.HOP"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(contains(run.err, "Incorrect libraryfile.")) << run.err;
    EXPECT_TRUE(contains(run.err, "LINK7.HOP")) << run.err;
}

} // namespace
} // namespace korvel
