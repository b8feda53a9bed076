#pragma once
// The pen of a printed report: draws each row as one text run at the pen's position and moves
// down by whole or fractional line heights.

#include <string_view>

#include "platform/print_device.h"

namespace korvel {

class ReportPagePen {
  public:
    // x, y: the first row's position, device units.
    ReportPagePen(PrintDevice& device, int x, int y) : device_(device), x_(x), y_(y) {}

    void draw(std::string_view cp1252Text) { device_.text(x_, y_, cp1252Text); }

    // Draws one row and moves down by the row's advance.
    void row(std::string_view cp1252Text, double lines) {
        draw(cp1252Text);
        advance(lines);
    }

    // Moves down by lines line heights; a fractional advance is added in floating point and the
    // new position truncated to a whole device unit.
    void advance(double lines) { y_ = static_cast<int>(y_ + lines * device_.lineHeight()); }

  private:
    PrintDevice& device_;
    int x_;
    int y_;
};

} // namespace korvel
