#include "cli/cli_runner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

extern char** environ;

namespace korvel {
namespace fs = std::filesystem;
namespace {

// argv and envp for posix_spawn: pointers into strings that outlive the call.
std::vector<char*> pointersTo(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (auto& text : strings) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

std::vector<std::string> environmentWith(const std::vector<std::string>& overrides) {
    std::vector<std::string> result;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('='));
        bool replaced = false;
        for (const auto& change : overrides) {
            replaced = replaced || change.substr(0, change.find('=')) == name;
        }
        if (!replaced) {
            result.push_back(text);
        }
    }
    result.insert(result.end(), overrides.begin(), overrides.end());
    return result;
}

CliRun spawnInFolder(std::vector<std::string> argv, const std::vector<std::string>& environment,
                     const fs::path& folder, const fs::path& captureFolder) {
    const fs::path outFile = captureFolder / "stdout.txt";
    const fs::path errFile = captureFolder / "stderr.txt";
    std::vector<std::string> envp = environmentWith(environment);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outFile.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errFile.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());

    pid_t pid = 0;
    auto args = pointersTo(argv);
    auto env = pointersTo(envp);
    const int spawnError = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), env.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawnError != 0) {
        throw std::runtime_error("cannot start " + argv[0]);
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
    }
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.out = readFile(outFile);
    run.err = readFile(errFile);
    return run;
}

} // namespace

std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

nlohmann::json exampleSource(const std::string& name) {
    return nlohmann::json::parse(
        readFile(fs::path(KORVEL_SAMPLE_SOURCES) / "hops" / (name + ".json")));
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find('\n', start);
        if (end == std::string::npos) {
            result.push_back(text.substr(start));
            break;
        }
        result.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return result;
}

bool contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

void CliTest::SetUp() {
    std::string pattern = (fs::temp_directory_path() / "korvel-cli-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    work_ = root_ / "work";
    fs::create_directory(work_);
    const fs::path data{KORVEL_SAMPLE_DATA};
    fs::copy_file(data / "korvel32.lbr", work_ / "korvel32.lbr");
    for (const auto& entry : fs::directory_iterator(data / "hops")) {
        fs::copy_file(entry.path(), work_ / entry.path().filename());
    }
}

void CliTest::TearDown() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

CliRun CliTest::cli(const std::vector<std::string>& args,
                    const std::vector<std::string>& environment) const {
    std::vector<std::string> all{"--library", "korvel32.lbr"};
    all.insert(all.end(), args.begin(), args.end());
    return cliBare(all, environment);
}

CliRun CliTest::cliBare(const std::vector<std::string>& args,
                        const std::vector<std::string>& environment) const {
    std::vector<std::string> argv{KORVEL_CLI};
    argv.insert(argv.end(), args.begin(), args.end());
    return spawnInFolder(argv, environment, work_, root_);
}

void CliTest::makeHop(const std::string& name, const nlohmann::json& document) const {
    const std::string source = name + ".json";
    writeFile(at(source), document.dump());
    const CliRun run = cli({"hop", "new", "--from", source, "--output", name, "--force"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
}

nlohmann::json CliTest::showJson(const std::string& name) const {
    const CliRun run = cli({"hop", "show", "--json", name});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return nlohmann::json::parse(run.out, nullptr, false);
}

} // namespace korvel
