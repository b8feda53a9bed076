#pragma once
// Building report text the way the report layouts are written: printf formats, "\n" line ends
// that become "\r\n" in the finished text, Windows-1252 bytes throughout.

#include <string>
#include <string_view>

namespace korvel {

class ReportText {
  public:
    // Appends the printf-formatted text.
    [[gnu::format(printf, 2, 3)]] void add(const char* format, ...);
    // Appends count line ends.
    void addLineEnds(int count);
    // The text with every line ended by "\r\n".
    [[nodiscard]] std::string withCrLf() const;
    // The text as formatted, "\n" line ends kept (one page run is one of these).
    [[nodiscard]] const std::string& raw() const { return text_; }

  private:
    std::string text_;
};

// One printf formatting into a string.
[[gnu::format(printf, 1, 2)]] std::string formatted(const char* format, ...);

// value as "%<width>.<precision>E" writes it with the exponent in three digits and its sign, as
// the reports have always shown it: 1.50E-006. printf itself writes at least two digits.
std::string exponentText(double value, int precision, int width);

// UTF-8 text (the notes and sources of the current methods) in Windows-1252 for a report: the
// symbols the character set lacks are spelled out (">=", "delta ", "eps"), what it holds (the
// French accents, "§", "–") is kept, anything else becomes "?".
std::string reportTextFromUtf8(std::string_view utf8);

} // namespace korvel
