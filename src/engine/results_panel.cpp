#include "engine/results_panel.h"

#include <cstdarg>

#include "engine/number_text.h"

namespace korvel {

namespace {

// Ifm above this is shown as kShownImprovementCap so the entry keeps its width.
constexpr double kLargestShownImprovement = 999.9;
constexpr double kShownImprovementCap = 999.99;

// Appends one printf-formatted entry, its numbers rounded as every number shown is.
[[gnu::format(printf, 2, 3)]] void appendEntry(std::string& text, const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    appendNumbersV(text, format, args);
    va_end(args);
}

// Room for a block's nine lines at most, so that it grows only once.
constexpr std::size_t kBlockCapacity = 9 * 41 + 8;

// An entry left out keeps its line: one line of the control is 41 characters wide.
void appendBlankLine(std::string& text) {
    appendEntry(text, "%41s", " ");
}

std::string upperBlock(const HopState& hop) {
    const HopResults& r = hop.results;
    const bool selective = hop.record.selectiveFading != SelectiveFading::No;
    std::string text;
    text.reserve(kBlockCapacity);
    appendEntry(text, "%-24s %9.3e      \n", "K   :", r.K);
    appendEntry(text, "%-28s %5.1lf   dB  ", "Free space loss:", r.Lo);
    appendEntry(text, "%-28s %5.1lf   dB  ", "Non-faded hop loss:", r.Lho);
    appendEntry(text, "%-28s %5.1lf   dBm ", "Unfaded received power:", r.Prx);
    appendEntry(text, "%-28s %5.1lf   dB  ", "Flat fading margin:", r.M);
    if (selective) {
        appendEntry(text, "%-28s %5.1lf   dB  ", "Selective fading margin:", r.Msm);
    } else {
        appendBlankLine(text);
    }
    appendEntry(text, "%-28s %8.5lf %% ", "Flat outage time:", r.pfm);
    if (selective) {
        appendEntry(text, "%-28s %8.5lf %% ", "Selective outage time:", r.psm);
    } else {
        appendBlankLine(text);
    }
    appendEntry(text, "%-28s %8.5lf %% ", "Total outage w/o diversity:", r.p);
    return text;
}

std::string lowerBlock(const HopState& hop) {
    const HopResults& r = hop.results;
    const double shownIfm = r.Ifm > kLargestShownImprovement ? kShownImprovementCap : r.Ifm;
    std::string text;
    text.reserve(kBlockCapacity);
    appendEntry(text, "%-41s", "With diversity: ");
    appendEntry(text, "%-28s %5.1lf       ", "Diversity improvement Ifm:", shownIfm);
    appendEntry(text, "%-28s %8.5lf %% ", "Flat outage with diversity:", r.pfmd);
    if (hop.record.selectiveFading != SelectiveFading::No) {
        appendEntry(text, "%-28s %8.5lf %% ", "Sel. outage with diversity:", r.psmd);
    } else {
        appendBlankLine(text);
    }
    appendEntry(text, "%-28s %8.5lf %% ", "Total outage with diversity:", r.pd);
    return text;
}

} // namespace

ResultsPanelText resultsPanelText(const HopState& hop) {
    ResultsPanelText panel;
    panel.upper = upperBlock(hop);
    if (hop.record.diversityMode != DiversityMode::No) {
        panel.lower = lowerBlock(hop);
    }
    return panel;
}

} // namespace korvel
