#include "ui/rain_dialog.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "engine/number_text.h"
#include "engine/rain.h"
#include "fields/format_fixed.h"
#include "fields/page_field_text.h"
#include "geo/sites_file.h"
#include "hopfile/rain_dialog_rules.h"
#include "platform/dialog_host.h"
#include "platform/messages.h"
#include "ui/availability_objective_text.h"
#include "ui/limit_tips.h"
#include "ui/list_dialog.h"
#include "ui/page.h"
#include "ui/shown_fields.h"

namespace korvel {

namespace {

constexpr double kClearedRainRateMmH = 22.0;

// The hop's rate with its fraction cut off, kept inside what the field's whole number can hold.
std::int16_t wholeRate(double rateMmH) {
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(
        std::isnan(rateMmH) ? 0.0 : std::clamp(std::trunc(rateMmH), lowest, highest));
}

class RainDialog final : public DialogEvents {
  public:
    explicit RainDialog(const RainDialogParts& parts) : parts_(parts) {}

    void opened(DialogView& view) {
        view_ = &view;
        const HopState& hop = parts_.hop;
        working_.rateMmH = wholeRate(hop.record.rainRateMmH);
        view.setNumberEntry(kRainRateField);
        view.setText(kRainRateField, pageFieldText(PageField::RainRate, working_.rateMmH));
        showLimitTip(view, kRainRateField, PageField::RainRate, parts_.fields,
                     hop.record.frequencyGHz);
        choosePolarization(hop.record.polarization);
        working_.outage = {hop.results.rainAnnualPct, hop.results.rainWorstMonthPct};
        view.setText(kRainWorstMonthLabel, " ");
        view.setText(kRainAnnualLabel, " ");
        view.setEnabled(kOkButton, false);
        view.setNumberEntry(kAvailabilityObjectiveField);
        const std::optional<double> objective = parts_.availabilityObjectivePct;
        view.setText(kAvailabilityObjectiveField,
                     objective ? formatNumbers("%g", *objective) : std::string());
    }

    void onCommand(ControlId control) override {
        switch (control) {
        case kHorizontalButton:
        case kVerticalButton:
            choosePolarization(static_cast<Polarization>(control));
            // The percentages shown were computed for the other polarization.
            outageCurrent_ = false;
            view_->setEnabled(kOkButton, false);
            break;
        case kRainCalculateButton:
            calculate();
            break;
        case kOkButton:
            if (storeAvailabilityObjective()) {
                storeRainResult(parts_.hop, working_);
                view_->endDialog(1);
            }
            break;
        case kCancelButton:
            view_->endDialog(0);
            break;
        case kRainClearButton:
            clear();
            break;
        default:
            break;
        }
    }

  private:
    void choosePolarization(Polarization polarization) {
        working_.polarization = polarization;
        view_->setChecked(kHorizontalButton, polarization == Polarization::Horizontal);
        view_->setChecked(kVerticalButton, polarization == Polarization::Vertical);
    }

    void calculate() {
        const ShowFieldList showList = [this](const FieldListNotice& notice) {
            const PageDisabled disabled(view_);
            return runListDialog(parts_.dialogs, notice.title, notice.heading, notice.names,
                                 notice.okEnabled);
        };
        const std::optional<std::int16_t> rate =
            readRainRate(view_->text(kRainRateField), parts_.fields, showList, parts_.messages);
        if (rate) {
            const HopState& hop = parts_.hop;
            working_.rateMmH = *rate;
            working_.outage = rainOutage(hop.record.frequencyGHz, hop.record.hopLengthKm,
                                         hop.results.M, *rate, working_.polarization);
            outageCurrent_ = true;
            view_->setText(kRainWorstMonthLabel, formatFixed(working_.outage.worstMonthPct, 4));
            view_->setText(kRainAnnualLabel, formatFixed(working_.outage.annualPct, 4));
        } else {
            view_->setFocus(kRainRateField);
        }
        // A refused rate leaves the last percentages, which OK may keep unless the
        // polarization changed since they were computed.
        view_->setEnabled(kOkButton, outageCurrent_);
    }

    // Empty: no objective. A refused value is said, and the dialog stays open on it.
    bool storeAvailabilityObjective() {
        const auto objective =
            typedAvailabilityObjective(view_->text(kAvailabilityObjectiveField), parts_.messages);
        if (!objective) {
            view_->setFocus(kAvailabilityObjectiveField);
            return false;
        }
        parts_.availabilityObjectivePct = *objective;
        return true;
    }

    void clear() {
        if (parts_.messages.show("Rain data will be cleared and will not appear in printouts",
                                 kAppCaption, MessageIcon::Warning,
                                 MessageButtons::OkCancel) == MessageAnswer::Cancel) {
            return;
        }
        storeRainResult(parts_.hop, {Polarization::Vertical, 0, RainOutage{}});
        parts_.hop.record.rainRateMmH = kClearedRainRateMmH;
        view_->endDialog(0);
    }

    const RainDialogParts& parts_;
    DialogView* view_ = nullptr;
    RainDialogResult working_;
    bool outageCurrent_ = true;
};

} // namespace

bool runRainDialog(const RainDialogParts& parts) {
    RainDialog dialog(parts);
    return parts.dialogs.runModal(DialogId::RainDialog, dialog,
                                  [&dialog](DialogView& view) { dialog.opened(view); }) == 1;
}

} // namespace korvel
