#pragma once
// Printed pages as a PDF file: the text runs of each page drawn in Courier, the fixed-pitch base
// font every PDF reader has (nothing embedded), on an A4 portrait page. Device units are tenths
// of a point from the top left corner of the printable area, which keeps a half-inch margin.

#include <string>
#include <string_view>
#include <vector>

#include "platform/print_device.h"

namespace korvel {

class PdfPrintDevice final : public PrintDevice {
  public:
    static constexpr int kPageWidth = 5950; // A4, device units
    static constexpr int kPageHeight = 8420;
    static constexpr int kMargin = 360;
    // The room the page writers have.
    static constexpr int kPrintableWidth = kPageWidth - 2 * kMargin;
    static constexpr int kPrintableHeight = kPageHeight - 2 * kMargin;

    // 9 point Courier on 11 point lines: the hop report at its longest texts, 89 columns by 65
    // lines, fits with room to spare (the route table needs less); a Courier glyph is 0.6 of the
    // font size wide.
    [[nodiscard]] int lineHeight() const override { return 110; }
    [[nodiscard]] int averageCharWidth() const override { return 54; }
    void text(int x, int y, std::string_view cp1252Text) override;
    // Ends the page; the runs drawn next go on a new one.
    void startNextPage();

    // The bytes of a PDF holding the pages drawn so far. No dates or identifiers: the
    // same page gives the same bytes.
    [[nodiscard]] std::string document() const;

  private:
    std::vector<std::string> pages_{1}; // each page's content stream, one text run a line
};

} // namespace korvel
