#pragma once
// The ResultsWindow port: the small modeless "Results" window beside the Form page, in a
// fixed-pitch font. It shows two blocks of lines (the hop without diversity, then diversity),
// whether they are current, stored or out of date, and the judgements under them; the presenter
// breaks the text into the lines the window shows. Texts are Windows-1252.

#include <string>
#include <string_view>
#include <vector>

namespace korvel {

// The verdict under the results' lines: whether the hop meets its outage objective (or, for
// the rain judgement, its availability objective).
enum class VerdictMark { None, Met, Missed };

// Whether the results shown belong to the hop as it stands: calculated now, kept in the hop file
// and found still current, or out of date since an edit.
enum class ResultsFreshness { None, Current, Stored, Stale };

// What the results window, the charts and the exports say over results that are out of date.
inline constexpr std::string_view kResultsOutOfDateText = "Results out of date \x96 Calculate";

class ResultsWindow {
  public:
    virtual ~ResultsWindow() = default;

    // Opens the window beside the page when it is not open, and shows it.
    virtual void show() = 0;
    // New text for the upper block (control 1300) and the lower block (1301); the lower block
    // is left as it was when `lowerChanged` is false.
    virtual void setLines(const std::vector<std::string>& upper,
                          const std::vector<std::string>& lower, bool lowerChanged) = 0;
    // The verdict's lines under both blocks (none for VerdictMark::None), marked by colour
    // and by an accessible text as well as by their words.
    virtual void setVerdict(VerdictMark mark, const std::vector<std::string>& lines) = 0;
    // The rain judgement's lines under the verdict, outside its colour (none below 6 GHz).
    virtual void setAvailability(VerdictMark mark, const std::vector<std::string>& lines) = 0;
    // Stale results are greyed under "Results out of date – Calculate", without a verdict;
    // stored ones say so.
    virtual void setFreshness(ResultsFreshness freshness) = 0;
    virtual void close() = 0;
    [[nodiscard]] virtual bool isOpen() const = 0;
    // Disabled while a modal dialog of the Form page runs.
    virtual void setEnabled(bool enabled) = 0;
};

} // namespace korvel
