#pragma once
// Runs the built korvel-cli as a separate process in a scratch folder of its own, holding copies
// of the built sample library and example hops. Nothing in the source tree or the build's data
// folder is touched.

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace korvel {

struct CliRun {
    int exitCode = -1; // the process's exit status; 128 + signal number when it was killed
    std::string out;   // everything written to stdout
    std::string err;   // everything written to stderr
};

std::string readFile(const std::filesystem::path& file);
void writeFile(const std::filesystem::path& file, std::string_view bytes);
// The example hop's JSON source from the repository's data folder, e.g. "LINK7".
nlohmann::json exampleSource(const std::string& name);
// Splits at '\n'; a trailing newline does not make an empty last line.
std::vector<std::string> lines(const std::string& text);
bool contains(const std::string& text, std::string_view part);

class CliTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // korvel-cli --library korvel32.lbr ARGS..., run in the work folder. `environment` adds or
    // replaces NAME=VALUE entries of this process's environment.
    CliRun cli(const std::vector<std::string>& args,
               const std::vector<std::string>& environment = {}) const;
    // korvel-cli ARGS... with nothing added.
    CliRun cliBare(const std::vector<std::string>& args,
                   const std::vector<std::string>& environment = {}) const;

    // A file of the work folder.
    [[nodiscard]] std::filesystem::path at(const std::string& name) const { return work_ / name; }
    [[nodiscard]] std::string bytesOf(const std::string& name) const { return readFile(at(name)); }

    // `hop new` from `document` into the work folder; fails the test when the tool refuses.
    void makeHop(const std::string& name, const nlohmann::json& document) const;
    // `hop show --json` of a file of the work folder.
    [[nodiscard]] nlohmann::json showJson(const std::string& name) const;

    std::filesystem::path root_; // captured output lives here, beside the work folder
    std::filesystem::path work_; // the tool's current folder
};

} // namespace korvel
