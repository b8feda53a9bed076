#pragma once
// A DialogView for presenter tests: keeps what the presenter shows, keyed by control number.
// Controls start enabled and visible; a test types into a field with setText.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialog_view.h"

namespace korvel {

struct FakeControl {
    std::string text;
    std::string toolTip;
    int limit = 0;
    // False as for an edit holding characters Windows-1252 cannot store.
    bool textFits = true;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    std::vector<std::string> rows;
    int selected = -1;
};

class FakeDialogView final : public DialogView {
  public:
    std::string text(ControlId id) const override { return get(id).text; }
    // As an edit does, a limit cuts a longer text, whether set or typed.
    void setText(ControlId id, std::string_view text) override {
        FakeControl& control = controls[id];
        control.text = text;
        cutToLimit(control);
    }
    void setTextLimit(ControlId id, int characters) override {
        FakeControl& control = controls[id];
        control.limit = characters;
        cutToLimit(control);
    }
    void setToolTip(ControlId id, std::string_view tip) override { controls[id].toolTip = tip; }
    bool textFits(ControlId id) const override { return get(id).textFits; }
    bool isChecked(ControlId id) const override { return get(id).checked; }
    void setChecked(ControlId id, bool on) override { controls[id].checked = on; }
    bool isEnabled(ControlId id) const override { return get(id).enabled; }
    void setEnabled(ControlId id, bool on) override { controls[id].enabled = on; }
    bool isVisible(ControlId id) const override { return get(id).visible; }
    void setVisible(ControlId id, bool on) override { controls[id].visible = on; }
    void setFocus(ControlId id) override { focus = id; }
    void clearList(ControlId id) override { controls[id].rows.clear(); }
    void addListRow(ControlId id, std::string_view row) override {
        controls[id].rows.emplace_back(row);
    }
    int listRowCount(ControlId id) const override { return int(get(id).rows.size()); }
    int selectedRow(ControlId id) const override { return get(id).selected; }
    void selectRow(ControlId id, int row) override { controls[id].selected = row; }
    void setTitle(std::string_view text) override { title = text; }
    void setWindowEnabled(bool on) override { windowEnabled = on; }
    void endDialog(int result) override { endResult = result; }

    const FakeControl& get(ControlId id) const {
        static const FakeControl untouched;
        const auto found = controls.find(id);
        return found == controls.end() ? untouched : found->second;
    }

    static void cutToLimit(FakeControl& control) {
        if (control.limit > 0 && control.text.size() > static_cast<std::size_t>(control.limit)) {
            control.text.resize(static_cast<std::size_t>(control.limit));
        }
    }

    std::map<ControlId, FakeControl> controls;
    std::optional<ControlId> focus;
    std::string title;
    bool windowEnabled = true;
    std::optional<int> endResult;
};

} // namespace korvel
