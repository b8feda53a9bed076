#include "ui/typed_radio_values.h"

#include <cstdint>
#include <optional>
#include <string>

#include "engine/hop_record.h"
#include "fields/numeric_text.h"
#include "fields/whole_number.h"
#include "platform/dialog_host.h"
#include "platform/messages.h"

namespace korvel {

namespace {

// The field takes no more than the hop keeps, so the value stored is the one shown.
constexpr int kTypedLength = static_cast<int>(decltype(HopSelection::otherPtxText)::maxLength());

// OK checks and, only when the value passes, stores; the answer names the field that takes the
// focus on refusal.
class TypedValueDialog : public DialogEvents {
  public:
    TypedValueDialog(Messages& messages, HopSelection& selection)
        : messages_(messages), selection_(selection) {}

    void opened(DialogView& view) {
        view_ = &view;
        fill(view);
    }
    void onCommand(ControlId control) override {
        if (control == kOkButton) {
            if (const std::optional<ControlId> wrong = accept(*view_)) {
                messages_.beep();
                messages_.show("Invalid data.", "Error", MessageIcon::Exclamation);
                view_->setFocus(*wrong);
            } else {
                view_->endDialog(kOkButton);
            }
        } else if (control == kCancelButton) {
            view_->endDialog(kCancelButton);
        }
    }

  protected:
    virtual void fill(DialogView& view) = 0;
    virtual std::optional<ControlId> accept(DialogView& view) = 0;

    HopSelection& selection() { return selection_; }

  private:
    Messages& messages_;
    HopSelection& selection_;
    DialogView* view_ = nullptr;
};

class PtxDialog final : public TypedValueDialog {
  public:
    using TypedValueDialog::TypedValueDialog;

  private:
    void fill(DialogView& view) override {
        view.setTextLimit(kTypedPtxField, kTypedLength);
        view.setNumberEntry(kTypedPtxField);
        view.setText(kTypedPtxField, selection().otherPtxText.view());
    }
    std::optional<ControlId> accept(DialogView& view) override {
        const std::string text = view.text(kTypedPtxField);
        if (!isNumericText(text) || numericTextValue(text) <= 0) {
            return kTypedPtxField;
        }
        selection().otherPtxText.assign(text);
        return std::nullopt;
    }
};

class PrxthDialog final : public TypedValueDialog {
  public:
    using TypedValueDialog::TypedValueDialog;

  private:
    void fill(DialogView& view) override {
        view.setTextLimit(kTypedPrxthField, kTypedLength);
        view.setNumberEntry(kTypedPrxthField);
        view.setNumberEntry(kTypedBerField);
        view.setText(kTypedPrxthField, selection().otherPrxthText.view());
        view.setText(kTypedBerField, std::to_string(selection().otherBerExponent));
    }
    std::optional<ControlId> accept(DialogView& view) override {
        const std::string text = view.text(kTypedPrxthField);
        const std::optional<std::int16_t> exponent =
            readShortWholeNumber(view.text(kTypedBerField));
        if (!isNumericText(text) || numericTextValue(text) >= 0) {
            return kTypedPrxthField;
        }
        if (!exponent) {
            return kTypedBerField;
        }
        selection().otherPrxthText.assign(text);
        selection().otherBerExponent = *exponent;
        return std::nullopt;
    }
};

template <typename Dialog>
bool runTypedValueDialog(DialogHost& dialogs, DialogId id, Messages& messages,
                         HopSelection& selection) {
    Dialog dialog(messages, selection);
    return dialogs.runModal(id, dialog, [&](DialogView& view) { dialog.opened(view); }) ==
           kOkButton;
}

} // namespace

bool runPtxDialog(DialogHost& dialogs, Messages& messages, HopSelection& selection) {
    return runTypedValueDialog<PtxDialog>(dialogs, DialogId::PtxDialog, messages, selection);
}

bool runPrxthDialog(DialogHost& dialogs, Messages& messages, HopSelection& selection) {
    return runTypedValueDialog<PrxthDialog>(dialogs, DialogId::PrxthDialog, messages, selection);
}

} // namespace korvel
