#pragma once
// A ResultsWindow for presenter tests: keeps whether it is open and the upper lines it shows.

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
    void close() override { open = false; }
    [[nodiscard]] bool isOpen() const override { return open; }
    void setEnabled(bool on) override { enabled = on; }

    bool open = false;
    bool enabled = true;
    std::vector<std::string> upper;
};

} // namespace korvel
