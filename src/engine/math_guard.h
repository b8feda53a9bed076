#pragma once
// Guarded logarithm and power for the hop calculation. A domain or singularity error does not
// stop the calculation: the guard substitutes a value, records the message the user is to see,
// and the calculation goes on. The engine never shows anything itself; its caller does.

#include <string>
#include <utility>
#include <vector>

namespace korvel {

struct GuardMessage {
    std::string text;
    std::string caption;
    friend bool operator==(const GuardMessage&, const GuardMessage&) = default;
};

class MathGuard {
  public:
    // log10 of a negative x: log10(-x), "Math Error : Negative log10." (caption "Korvel").
    // log10 of 0: 1.0, "Math error : Overflow - log10." (caption "Korvel").
    double log10(double x);
    // A negative base with a fractional exponent: 1.0, "Math error : Negative arithmetic
    // power." (caption "Error"). Any other error passes silently with the library's result.
    double pow(double base, double exponent);

    [[nodiscard]] const std::vector<GuardMessage>& messages() const { return messages_; }
    std::vector<GuardMessage> takeMessages() { return std::move(messages_); }

  private:
    std::vector<GuardMessage> messages_;
};

} // namespace korvel
