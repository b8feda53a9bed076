#include "ui/selection_dialog.h"

#include <string>
#include <vector>

#include "optimize/combination_selection.h"
#include "ui/session.h"

namespace korvel {

namespace {

class SelectionDialog final : public DialogEvents {
  public:
    SelectionDialog(Session& session, const CombinationLists& lists)
        : session_(session), lists_(lists) {}

    void opened(DialogView& view) {
        view_ = &view;
        const HopState& hop = session_.hop;
        view.clearList(kCombinationList);
        for (const std::string& line : selectionLines(lists_, hop, session_.library)) {
            view.addListRow(kCombinationList, line);
        }
        view.setText(kCombinationHeader, selectionHeader(hop.record.diversityMode));
        if (view.listRowCount(kCombinationList) > 0) {
            view.selectRow(kCombinationList, 0);
        }
        view.setText(kObjectiveLabel, objectiveText(hop.record.outageObjectivePct));
    }

    void onCommand(ControlId control) override {
        if (control == kOkButton) {
            view_->endDialog(
                applyCombination(lists_, view_->selectedRow(kCombinationList), session_.hop));
        } else if (control == kCancelButton) {
            view_->endDialog(0);
        }
    }

  private:
    Session& session_;
    const CombinationLists& lists_;
    DialogView* view_ = nullptr;
};

} // namespace

int runSelectionDialog(Session& session, const CombinationLists& lists) {
    SelectionDialog dialog(session, lists);
    const int result = session.ports.dialogs.runModal(
        DialogId::SelectionList, dialog, [&dialog](DialogView& view) { dialog.opened(view); });
    return result == 1 ? 1 : 0;
}

} // namespace korvel
