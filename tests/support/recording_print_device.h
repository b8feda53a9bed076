#pragma once
// A PrintDevice for tests: a fixed font size, and every text run recorded in the order drawn.

#include <string>
#include <string_view>
#include <vector>

#include "platform/print_device.h"

namespace korvel {

struct TextRun {
    int x = 0; // device units
    int y = 0;
    std::string text; // Windows-1252

    friend bool operator==(const TextRun&, const TextRun&) = default;
};

class RecordingPrintDevice final : public PrintDevice {
  public:
    RecordingPrintDevice(int lineHeight, int averageCharWidth)
        : lineHeight_(lineHeight), averageCharWidth_(averageCharWidth) {}

    [[nodiscard]] int lineHeight() const override { return lineHeight_; }
    [[nodiscard]] int averageCharWidth() const override { return averageCharWidth_; }
    void text(int x, int y, std::string_view cp1252Text) override {
        runs_.push_back({x, y, std::string(cp1252Text)});
    }

    [[nodiscard]] const std::vector<TextRun>& runs() const { return runs_; }

  private:
    int lineHeight_;
    int averageCharWidth_;
    std::vector<TextRun> runs_;
};

} // namespace korvel
