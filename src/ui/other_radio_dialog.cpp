#include "ui/other_radio_dialog.h"

#include <array>
#include <string>

#include "fields/format_fixed.h"
#include "fields/numeric_entry.h"
#include "fields/numeric_text.h"
#include "fields/whole_number.h"
#include "library/equipment_library.h"
#include "platform/dialog_host.h"
#include "platform/warning.h"
#include "ui/text_fit_refusal.h"

namespace korvel {

namespace {

constexpr std::size_t kNameLength = 18;
constexpr double kFrequencyLimitGHz = 57;

class OtherRadioDialog final : public DialogEvents {
  public:
    OtherRadioDialog(Messages& messages, RadioEntry& radio) : messages_(messages), radio_(radio) {}

    void opened(DialogView& view) {
        view_ = &view;
        for (const ControlId number : {kOtherFrequencyField, kOtherBitRateField, kOtherPtxField,
                                       kOtherPrxthField, kOtherBerField}) {
            view.setNumberEntry(number);
        }
        view.setText(kOtherNameField, radio_.name.view());
        view.setText(kOtherFrequencyField, formatFixed(radio_.frequencyGHz, 1));
        view.setText(kOtherBitRateField, formatFixed(radio_.bitRateMbps, 1));
        view.setText(kOtherPtxField, formatFixed(radio_.ptxDbm[0], 1));
        view.setText(kOtherPrxthField, formatFixed(radio_.prxthDbm[0], 1));
        view.setText(kOtherBerField, std::to_string(radio_.berExponent[0]));
    }

    void onCommand(ControlId control) override {
        if (control == kOkButton) {
            if (accept()) {
                view_->endDialog(kOkButton);
            }
        } else if (control == kCancelButton) {
            view_->endDialog(kCancelButton);
        }
    }

  private:
    std::optional<double> readRequired(ControlId field) {
        const auto value = readRequiredNumber(view_->text(field), messages_);
        if (!value) {
            view_->setFocus(field);
        }
        return value;
    }

    void refuse(ControlId field, std::string_view text) {
        warn(messages_, text);
        view_->setFocus(field);
    }

    // The checks in their order. A refused OK stores nothing: a frequency of 57 GHz or more
    // must not reach the hop through a radio already committed.
    bool accept() {
        constexpr std::array<NamedTextField, 1> kName{{{kOtherNameField, "Radio name"}}};
        if (!textsFitOrRefuse(messages_, *view_, kName)) {
            return false;
        }
        const auto frequency = readRequired(kOtherFrequencyField);
        if (!frequency) {
            return false;
        }
        const auto bitRate = readRequired(kOtherBitRateField);
        if (!bitRate) {
            return false;
        }
        const auto ptx = readRequired(kOtherPtxField);
        if (!ptx) {
            return false;
        }
        if (*frequency >= kFrequencyLimitGHz) {
            refuse(kOtherFrequencyField, "Frequency must be under 57 GHz.");
            return false;
        }
        const std::string prxth = view_->text(kOtherPrxthField);
        if (!isNumericText(prxth)) {
            refuse(kOtherPrxthField, "Invalid data.");
            return false;
        }
        const auto exponent = readShortWholeNumber(view_->text(kOtherBerField));
        if (!exponent) {
            refuse(kOtherBerField, "Invalid data.");
            return false;
        }
        radio_.frequencyGHz = *frequency;
        radio_.berExponent[0] = *exponent;
        radio_.name.assign(view_->text(kOtherNameField).substr(0, kNameLength));
        radio_.bitRateMbps = *bitRate;
        radio_.ptxDbm = {*ptx, 0, 0};
        radio_.prxthDbm[0] = numericTextValue(prxth);
        radio_.prxthDbm[1] = 0;
        radio_.prxthDbm[2] = 0;
        radio_.defaultPtx = 0;
        radio_.defaultPrxth = 0;
        radio_.berExponent[1] = -6;
        return true;
    }

    Messages& messages_;
    RadioEntry& radio_;
    DialogView* view_ = nullptr;
};

} // namespace

bool runOtherRadioDialog(DialogHost& dialogs, Messages& messages, RadioEntry& radio) {
    OtherRadioDialog dialog(messages, radio);
    return dialogs.runModal(DialogId::OtherRadio, dialog,
                            [&](DialogView& view) { dialog.opened(view); }) == kOkButton;
}

} // namespace korvel
