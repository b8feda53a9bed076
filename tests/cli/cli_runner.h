#pragma once
// Runs the built korvel-cli as a separate process in a scratch folder of its own, holding copies
// of the built sample library, example hops and example route, the JSON source of LINK7 as
// "seven.json", and a profile for the reports. Nothing in the source tree or the build's data
// folder is touched.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/temp_folder.h"

namespace korvel {

struct CliRun {
    int exitCode = -1; // 128 + signal number when the process was killed
    std::string out;
    std::string err;
};

using test::readFileText;
using test::writeFile;

// The example hop's JSON source from the repository's data folder, e.g. "LINK7".
inline nlohmann::json exampleSource(const std::string& name) {
    return nlohmann::json::parse(
        readFileText(std::string(KORVEL_SAMPLE_SOURCES "/hops/") + name + ".json"));
}

// Splits at `separator`; a trailing separator does not make an empty last part.
inline std::vector<std::string> lines(const std::string& text, char separator = '\n') {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line, separator);) {
        result.push_back(line);
    }
    return result;
}

inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The keys of a JSON object in the order they were printed.
inline std::vector<std::string> keysOf(const nlohmann::ordered_json& object) {
    std::vector<std::string> keys;
    for (const auto& item : object.items()) {
        keys.push_back(item.key());
    }
    return keys;
}

// The sample elevation model, as the flag that names it.
inline const std::string kDem = "--dem " KORVEL_SAMPLE_DATA "/dem/synthetic-coast.tif";

constexpr std::size_t kResultsOffset = 522;   // of the 682-byte hop file
constexpr std::size_t kHopLengthOffset = 210; // hopLengthKm
constexpr std::size_t kPtxOffset = 162;       // ptxDbm

class CliTest : public testing::Test {
  protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        const fs::path data{KORVEL_SAMPLE_DATA};
        fs::copy(data / "hops", work_);
        fs::copy(data / "route", work_);
        fs::copy_file(data / "korvel32.lbr", work_ / "korvel32.lbr");
        writeFile(work_ / "profile.ini", "[intl]\niDate=2\nsDate=-\niLzero=1\n");
        writeFile(work_ / "seven.json", exampleSource("LINK7").dump());
        setenv("SOURCE_DATE_EPOCH", "882921600", 1); // 24 December 1997
        // Climate grids only from the test's own cache, never the user's.
        setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
    }

    // korvel-cli --library korvel32.lbr --profile profile.ini ARGS, in the work folder. ARGS
    // goes to the shell as it is: words apart, quoted where needed.
    [[nodiscard]] CliRun cli(const std::string& args) const {
        return cliBare("--library korvel32.lbr --profile profile.ini " + args);
    }

    // korvel-cli ARGS with nothing added.
    [[nodiscard]] CliRun cliBare(const std::string& args) const { return run(KORVEL_CLI, args); }

    // `program` ARGS in the work folder: a korvel-cli put somewhere else.
    [[nodiscard]] CliRun run(const std::filesystem::path& program, const std::string& args) const {
        const auto out = root_ / "out";
        const auto err = root_ / "err";
        const std::string command = "cd '" + work_.string() + "' && exec '" + program.string() +
                                    "' " + args + " </dev/null >'" + out.string() + "' 2>'" +
                                    err.string() + "'";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), readFileText(out),
                readFileText(err)};
    }

    [[nodiscard]] std::filesystem::path at(const std::string& name) const { return work_ / name; }
    [[nodiscard]] std::string bytesOf(const std::string& name) const {
        return readFileText(at(name));
    }

    // `hop new --force` from `document` into the work folder; fails the test when refused.
    void makeHop(const std::string& name, const nlohmann::json& document) const {
        writeFile(at(name + ".json"), document.dump());
        const CliRun run = cli("hop new --from " + name + ".json --output " + name + " --force");
        ASSERT_EQ(run.exitCode, 0) << run.err;
    }

    // Copies hop file `from` to `to` with the double at `offset` set to `value`: values that
    // hop new refuses.
    void patchDouble(const std::string& from, const std::string& to, std::size_t offset,
                     double value) const {
        std::string bytes = bytesOf(from);
        ASSERT_EQ(bytes.size(), 682u);
        std::memcpy(bytes.data() + offset, &value, sizeof value);
        writeFile(at(to), bytes);
    }

    // `hop show --json` of a file of the work folder.
    [[nodiscard]] nlohmann::json showJson(const std::string& name) const {
        return nlohmann::json::parse(cli("hop show --json " + name).out);
    }

    // Runs `args` (through cli) expecting `status`, nothing on stdout, `message` within stderr
    // and `file` of the work folder as it was before (still absent when it was absent).
    CliRun expectRefused(const std::string& args, const std::string& message,
                         const std::string& file = "LINK7.HOP", int status = 2) const {
        const bool existed = std::filesystem::exists(at(file));
        const std::string before = bytesOf(file);
        const CliRun run = cli(args);
        const std::string trace = args + "\n" + run.err;
        EXPECT_EQ(run.exitCode, status) << trace;
        EXPECT_TRUE(run.out.empty() && contains(run.err, message)) << trace;
        EXPECT_EQ(std::filesystem::exists(at(file)), existed) << trace;
        EXPECT_EQ(bytesOf(file), before) << trace;
        return run;
    }

    test::TempFolder root_; // captured output lives here, beside the work folder
    std::filesystem::path work_ = root_ / "work"; // the tool's current folder
};

} // namespace korvel
