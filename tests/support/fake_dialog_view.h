#pragma once
// A DialogView for presenter tests: keeps what the presenter shows, keyed by control number.
// Controls start enabled and visible; the test types into fields with setText.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialog_view.h"

namespace korvel {

class FakeDialogView final : public DialogView {
  public:
    [[nodiscard]] std::string text(ControlId control) const override {
        const auto found = texts.find(control);
        return found == texts.end() ? std::string() : found->second;
    }
    void setText(ControlId control, std::string_view text) override {
        texts[control] = std::string(text);
    }
    void setTextLimit(ControlId control, int characters) override { limits[control] = characters; }
    [[nodiscard]] bool isChecked(ControlId control) const override {
        return checked.contains(control) && checked.at(control);
    }
    void setChecked(ControlId control, bool on) override { checked[control] = on; }
    [[nodiscard]] bool isEnabled(ControlId control) const override {
        return !enabled.contains(control) || enabled.at(control);
    }
    void setEnabled(ControlId control, bool on) override { enabled[control] = on; }
    [[nodiscard]] bool isVisible(ControlId control) const override {
        return !visible.contains(control) || visible.at(control);
    }
    void setVisible(ControlId control, bool on) override { visible[control] = on; }
    void setFocus(ControlId control) override { focus = control; }
    void clearList(ControlId list) override { rows[list].clear(); }
    void addListRow(ControlId list, std::string_view row) override {
        rows[list].emplace_back(row);
    }
    [[nodiscard]] int listRowCount(ControlId list) const override {
        return rows.contains(list) ? static_cast<int>(rows.at(list).size()) : 0;
    }
    [[nodiscard]] int selectedRow(ControlId list) const override {
        return selected.contains(list) ? selected.at(list) : -1;
    }
    void selectRow(ControlId list, int row) override { selected[list] = row; }
    void setTitle(std::string_view text) override { title = std::string(text); }
    void setWindowEnabled(bool on) override { windowEnabled = on; }
    void endDialog(int result) override { endResult = result; }

    std::map<ControlId, std::string> texts;
    std::map<ControlId, int> limits;
    std::map<ControlId, bool> checked;
    std::map<ControlId, bool> enabled;
    std::map<ControlId, bool> visible;
    std::map<ControlId, std::vector<std::string>> rows;
    std::map<ControlId, int> selected;
    std::optional<ControlId> focus;
    std::string title;
    bool windowEnabled = true;
    std::optional<int> endResult;
};

} // namespace korvel
