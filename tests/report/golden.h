#pragma once
// Comparing report bytes with the files under tests/golden. With KORVEL_UPDATE_GOLDEN=1 the
// files are written instead; review every changed line against the layouts before committing.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

namespace korvel::report_test {

inline std::filesystem::path goldenPath(std::string_view name) {
    return std::filesystem::path(KORVEL_SOURCE_DIR) / "tests" / "golden" / name;
}

inline std::string readBytes(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

// The first line where the two texts differ, for a readable failure.
inline std::string firstDifference(const std::string& expected, const std::string& actual) {
    std::istringstream e(expected);
    std::istringstream a(actual);
    std::string el;
    std::string al;
    for (int line = 1;; ++line) {
        const bool moreE = static_cast<bool>(std::getline(e, el));
        const bool moreA = static_cast<bool>(std::getline(a, al));
        if (!moreE && !moreA) {
            return "texts differ in bytes only";
        }
        if (el != al || moreE != moreA) {
            return "line " + std::to_string(line) + ":\n  expected [" + (moreE ? el : "<end>") +
                   "]\n  actual   [" + (moreA ? al : "<end>") + "]";
        }
    }
}

inline void expectGolden(std::string_view name, const std::string& actual) {
    const std::filesystem::path file = goldenPath(name);
    const char* update = std::getenv("KORVEL_UPDATE_GOLDEN");
    if (update != nullptr && std::string_view(update) == "1") {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << actual;
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(file)) << "missing golden file " << file;
    const std::string expected = readBytes(file);
    EXPECT_TRUE(expected == actual) << name << ": " << firstDifference(expected, actual);
}

} // namespace korvel::report_test
