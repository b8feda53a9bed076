#pragma once
// DialogView over the widgets of a Designer form. Controls are found by their object names
// (control_<number>); the view forwards clicks and selection changes to the presenter and does
// nothing else on its own.

#include <QObject>

#include "platform/dialog_view.h"
#include "platform/qt/qt_focus_return.h"

class QDialog;
class QLineEdit;
class QWidget;

namespace korvel {

class QtDialogView final : public QObject, public DialogView {
    Q_OBJECT

  public:
    // `form` holds the controls; `dialog` is the modal dialog around it, nullptr for a page.
    QtDialogView(QWidget* form, QDialog* dialog, DialogEvents& events);

    [[nodiscard]] std::string text(ControlId control) const override;
    [[nodiscard]] bool textFits(ControlId control) const override;
    void setNumberEntry(ControlId control) override;
    void setElidedInMiddle(ControlId control) override;
    void setText(ControlId control, std::string_view cp1252Text) override;
    void setTextLimit(ControlId control, int characters) override;
    void setToolTip(ControlId control, std::string_view cp1252Text) override;
    [[nodiscard]] bool isChecked(ControlId control) const override;
    void setChecked(ControlId control, bool checked) override;
    [[nodiscard]] bool isEnabled(ControlId control) const override;
    void setEnabled(ControlId control, bool enabled) override;
    [[nodiscard]] bool isVisible(ControlId control) const override;
    void setVisible(ControlId control, bool visible) override;
    void setFocus(ControlId control) override;
    void clearList(ControlId list) override;
    void addListRow(ControlId list, std::string_view cp1252Text) override;
    [[nodiscard]] int listRowCount(ControlId list) const override;
    [[nodiscard]] int selectedRow(ControlId list) const override;
    void selectRow(ControlId list, int row) override;
    void setTitle(std::string_view cp1252Text) override;
    void setWindowEnabled(bool enabled) override;
    void endDialog(int result) override;

    // The widget carrying the number; nullptr when the form has none.
    [[nodiscard]] QWidget* control(ControlId control) const;
    [[nodiscard]] QWidget* form() const { return form_; }
    // The window the form is shown in: the modal dialog, or the main window for a page.
    [[nodiscard]] QWidget* window() const;
    [[nodiscard]] bool isModal() const { return dialog_ != nullptr; }
    // Sets the edit's text as the program does: shown as it is, even where typing it would be
    // refused, and without telling the user what the field takes.
    static void setTextAsIs(QLineEdit& edit, const QString& text);
    // Escape, the close box and Cancel all report kCancelButton.
    void reportCancel();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void connectControls();
    void connectButtons();
    void connectLists();
    // Every control the user acts on says what it is (and its unit) when the pointer rests on it.
    void giveToolTips();
    void pressDefaultButton();

    QWidget* form_;
    QDialog* dialog_;
    DialogEvents& events_;
    // The checkable button whose state changed and is not yet reported (by its click, or alone).
    ControlId unreportedToggle_ = 0;
    // The list whose selection change the presenter is hearing of.
    ControlId reportingSelection_ = 0;
    FocusReturn focusReturn_;
};

} // namespace korvel
