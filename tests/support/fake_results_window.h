#pragma once
// A ResultsWindow for presenter tests: keeps whether it is open, the upper lines and the verdict
// it shows.

#include <string>
#include <vector>

#include "platform/results_window.h"

namespace korvel {

class FakeResultsWindow final : public ResultsWindow {
  public:
    void show() override {
        if (!open) {
            upper.assign(1, " ");
        }
        open = true;
    }
    void setLines(const std::vector<std::string>& upperLines,
                  const std::vector<std::string>& /*lowerLines*/, bool /*lowerChanged*/) override {
        upper = upperLines;
    }
    void setVerdict(VerdictMark shownMark, const std::vector<std::string>& lines) override {
        mark = shownMark;
        verdict = lines;
    }
    void setAvailability(VerdictMark shownMark, const std::vector<std::string>& lines) override {
        availabilityMark = shownMark;
        availability = lines;
    }
    void setFreshness(ResultsFreshness shown) override { freshness = shown; }
    void close() override { open = false; }
    [[nodiscard]] bool isOpen() const override { return open; }
    void setEnabled(bool on) override { enabled = on; }

    bool open = false;
    bool enabled = true;
    std::vector<std::string> upper;
    VerdictMark mark = VerdictMark::None;
    std::vector<std::string> verdict;
    VerdictMark availabilityMark = VerdictMark::None;
    std::vector<std::string> availability;
    ResultsFreshness freshness = ResultsFreshness::None;
};

} // namespace korvel
