#pragma once
// The DialogView port: one page or dialog on the screen, addressed by the control numbers of its
// form. Presenters hold all behaviour; a view only shows and reports. Texts are Windows-1252.

#include <string>
#include <string_view>

namespace korvel {

// The number a control carries on its form (1005, 1100, ...). Buttons OK and Cancel carry 1 and 2.
using ControlId = int;

inline constexpr ControlId kOkButton = 1;
inline constexpr ControlId kCancelButton = 2;

// What a view reports to the presenter that subscribed to it.
class DialogEvents {
  public:
    virtual ~DialogEvents() = default;
    // A button was pressed or a radio button or tick box clicked. Enter on a dialog presses its
    // default button; Escape (or the close box) reports kCancelButton.
    virtual void onCommand(ControlId control) = 0;
    // The selected row of a list changed.
    virtual void onSelectionChanged(ControlId /*list*/) {}
    // The user changed a value (typed in an edit, chose a radio button or a list row, ticked a
    // box), reported before the command or selection change it also makes, if any.
    virtual void onEdited(ControlId /*control*/) {}
};

class DialogView {
  public:
    virtual ~DialogView() = default;

    // Edits, labels, buttons and group boxes.
    [[nodiscard]] virtual std::string text(ControlId control) const = 0;
    virtual void setText(ControlId control, std::string_view cp1252Text) = 0;
    // The most characters the user can type into an edit.
    virtual void setTextLimit(ControlId control, int characters) = 0;
    // The note shown when the pointer rests on a control (and said by a screen reader). Views
    // that show none ignore it.
    virtual void setToolTip(ControlId /*control*/, std::string_view /*cp1252Text*/) {}
    // False when the edit shows characters Windows-1252 cannot hold, so text() could only give
    // them as "?". Views that hold Windows-1252 text already always fit.
    [[nodiscard]] virtual bool textFits(ControlId /*control*/) const { return true; }
    // An edit read as a number: typing takes only what can make one (digits, one point, a
    // leading sign). A text set by setText is shown as it is.
    virtual void setNumberEntry(ControlId /*control*/) {}
    // A label that shows a file name or folder: too narrow for it, the label keeps both ends
    // with "..." between rather than cutting it. text() still gives the whole text.
    virtual void setElidedInMiddle(ControlId /*control*/) {}

    // Radio buttons and tick boxes.
    [[nodiscard]] virtual bool isChecked(ControlId control) const = 0;
    virtual void setChecked(ControlId control, bool checked) = 0;

    [[nodiscard]] virtual bool isEnabled(ControlId control) const = 0;
    virtual void setEnabled(ControlId control, bool enabled) = 0;
    [[nodiscard]] virtual bool isVisible(ControlId control) const = 0;
    virtual void setVisible(ControlId control, bool visible) = 0;
    virtual void setFocus(ControlId control) = 0;

    // List boxes: rows counted from 0; -1 is "no selection".
    virtual void clearList(ControlId list) = 0;
    virtual void addListRow(ControlId list, std::string_view cp1252Text) = 0;
    [[nodiscard]] virtual int listRowCount(ControlId list) const = 0;
    [[nodiscard]] virtual int selectedRow(ControlId list) const = 0;
    // Selects a row without reporting a selection change.
    virtual void selectRow(ControlId list, int row) = 0;

    // The caption of the dialog (pages keep the title of their form).
    virtual void setTitle(std::string_view cp1252Text) = 0;
    // Enables or disables the whole page or dialog, as while a modal dialog runs over it.
    virtual void setWindowEnabled(bool enabled) = 0;
    // Ends a modal dialog with the given result (1 OK, 0 or 2 cancelled, as the dialog says).
    // Pages never end this way; the shell destroys them.
    virtual void endDialog(int result) = 0;
};

} // namespace korvel
