#pragma once
// The PrintDevice port: the page a report is drawn on. Coordinates are device units from the top
// left corner of the printable area, y growing downwards.

#include <string_view>

namespace korvel {

class PrintDevice {
  public:
    virtual ~PrintDevice() = default;
    // The font's character height plus its external leading, device units.
    [[nodiscard]] virtual int lineHeight() const = 0;
    // The font's average character width, device units.
    [[nodiscard]] virtual int averageCharWidth() const = 0;
    // Draws one run of Windows-1252 text with its top left corner at (x, y), device units.
    virtual void text(int x, int y, std::string_view cp1252Text) = 0;
};

} // namespace korvel
