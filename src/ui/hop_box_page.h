#pragma once
// The hop box: one hop of the route at a time (file name, stations, length, objective), titled
// "Hop # " and its number. RouteSc, Previous and Next store the hop first; File reads the named
// hop file into the hop's slot without checks. Like the route screen it does not answer the
// leave request.

#include "route/hop_dialog.h"
#include "ui/page.h"

namespace korvel {

class Session;

inline constexpr ControlId kHopFileNameField = 1807;
inline constexpr ControlId kHopStation1Field = 1119;
inline constexpr ControlId kHopStation2Field = 1120;
inline constexpr ControlId kHopLengthKmField = 1101;
inline constexpr ControlId kHopObjectiveField = 1100;
inline constexpr ControlId kHopFileButton = 1814;
inline constexpr ControlId kRouteScButton = 1808;
inline constexpr ControlId kPreviousHopButton = 1809;
inline constexpr ControlId kNextHopButton = 1810;

class HopBoxPage final : public Page {
  public:
    explicit HopBoxPage(Session& session) : session_(session) {}

    [[nodiscard]] DialogId form() const override { return DialogId::HopBox; }
    void open(DialogView& view) override;
    void onCommand(ControlId control) override;
    // Stores the hop shown, as RouteSc does.
    bool takeIntoRoute() override;

  private:
    [[nodiscard]] HopDialogTexts typed() const;
    // Shows the hop the outcome names, or puts the focus on the refused field.
    void show(const HopDialogOutcome& outcome);

    Session& session_;
    DialogView* view_ = nullptr;
};

} // namespace korvel
