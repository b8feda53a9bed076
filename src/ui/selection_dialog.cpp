#include "ui/selection_dialog.h"

#include <string>
#include <vector>

#include "optimize/combination_selection.h"
#include "platform/dialog_host.h"

namespace korvel {

namespace {

class SelectionDialog final : public DialogEvents {
  public:
    SelectionDialog(HopState& hop, const EquipmentLibrary& library, const CombinationLists& lists)
        : hop_(hop), library_(library), lists_(lists) {}

    void opened(DialogView& view) {
        view_ = &view;
        view.clearList(kCombinationList);
        for (const std::string& line : selectionLines(lists_, hop_, library_)) {
            view.addListRow(kCombinationList, line);
        }
        view.setText(kCombinationHeader, selectionHeader(hop_.record.diversityMode));
        if (view.listRowCount(kCombinationList) > 0) {
            view.selectRow(kCombinationList, 0);
        }
        view.setText(kObjectiveLabel, objectiveText(hop_.record.outageObjectivePct));
    }

    void onCommand(ControlId control) override {
        if (control == kOkButton) {
            view_->endDialog(applyCombination(lists_, view_->selectedRow(kCombinationList), hop_));
        } else if (control == kCancelButton) {
            view_->endDialog(0);
        }
    }

  private:
    HopState& hop_;
    const EquipmentLibrary& library_;
    const CombinationLists& lists_;
    DialogView* view_ = nullptr;
};

} // namespace

int runSelectionDialog(DialogHost& dialogs, HopState& hop, const EquipmentLibrary& library,
                       const CombinationLists& lists) {
    SelectionDialog dialog(hop, library, lists);
    const int result = dialogs.runModal(DialogId::SelectionList, dialog,
                                        [&dialog](DialogView& view) { dialog.opened(view); });
    return result == 1 ? 1 : 0;
}

} // namespace korvel
