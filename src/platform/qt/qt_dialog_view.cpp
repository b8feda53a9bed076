#include "platform/qt/qt_dialog_view.h"

#include <algorithm>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>

#include "platform/qt/qt_elided_label.h"
#include "platform/qt/qt_focus_return.h"
#include "platform/qt/qt_forms.h"
#include "platform/qt/qt_radio_focus.h"
#include "platform/qt/qt_text.h"

namespace korvel {

namespace {

// The number in an object name control_<number>; 0 for any other name.
ControlId controlNumber(const QObject& object) {
    const QString name = object.objectName();
    if (!name.startsWith(QStringLiteral("control_"))) {
        return 0;
    }
    return name.mid(8).toInt();
}

// Set on a label that shows a file name or folder (see setElidedInMiddle).
const char* const kElidedInMiddle = "korvelElidedInMiddle";
// Room a path label asks for, in average characters, before its layout gives it more.
constexpr int kPathRoomCharacters = 50;

// Digits, one decimal point and a leading sign. A comma typed or pasted is the decimal point, as
// planners write it in many countries: the field then shows and keeps a point.
class NumberValidator final : public QRegularExpressionValidator {
  public:
    explicit NumberValidator(QObject* parent)
        : QRegularExpressionValidator(QRegularExpression(QStringLiteral("[+-]?[0-9]*\\.?[0-9]*")),
                                      parent) {}

    State validate(QString& input, int& position) const override {
        input.replace(QLatin1Char(','), QLatin1Char('.'));
        return QRegularExpressionValidator::validate(input, position);
    }
};

// Set on an edit while the program sets its text (see setTextAsIs).
const char* const kSettingAsIs = "korvelSettingAsIs";

// A number as wide as those a page shows in its narrowest fields (42.9, -7.5), and the room an
// edit's frame and margins take.
const QString kWidestNumber = QStringLiteral("00.0");
constexpr int kEditFrameWidth = 10;

// How long the status bar says what a field takes after it refused a key.
constexpr int kRefusalShownMs = 6000;

// The main window's status bar, under the page or behind the dialog; nullptr when there is none.
QStatusBar* mainStatusBar(QWidget* widget) {
    for (QWidget* shown = widget; shown != nullptr; shown = shown->parentWidget()) {
        if (auto* main = qobject_cast<QMainWindow*>(shown)) {
            return main->statusBar();
        }
    }
    return nullptr;
}

// Set on a list while the row the presenter chose is being brought back (see selectRow).
const char* const kRowRestoring = "korvelRowRestoring";

// A label or button whose accessible name stands for its value ("Radio name", "Ptx 1 dBm") is
// announced with the value it shows; one without a name is announced by its text anyway.
void announceShownText(QWidget& widget, const QString& text) {
    const char* const kBaseName = "korvelAccessibleName";
    QVariant base = widget.property(kBaseName);
    if (!base.isValid()) {
        base = widget.accessibleName();
        widget.setProperty(kBaseName, base);
    }
    const QString name = base.toString();
    if (name.isEmpty()) {
        return;
    }
    const QString value = text.trimmed();
    if (value.isEmpty() && qobject_cast<QLabel*>(&widget) != nullptr) {
        widget.setAccessibleName(QString());
        widget.setAccessibleDescription(QString());
        return;
    }
    const bool valueAdds = !value.isEmpty() && value != name && value != QStringLiteral("-");
    widget.setAccessibleName(valueAdds ? name + QStringLiteral(": ") + value : name);
    widget.setAccessibleDescription(value);
}

} // namespace

QtDialogView::QtDialogView(QWidget* form, QDialog* dialog, DialogEvents& events)
    : QObject(form), form_(form), dialog_(dialog), events_(events) {
    connectControls();
    giveToolTips();
    keepTabOnCheckedRadios(*form_);
    // A value label still blank says nothing, rather than its name over an empty space.
    for (auto* label : form_->findChildren<QLabel*>()) {
        if (label->text().trimmed().isEmpty() && !label->accessibleName().isEmpty()) {
            announceShownText(*label, QString());
        }
    }
    form_->installEventFilter(this);
}

void QtDialogView::giveToolTips() {
    for (auto* widget : form_->findChildren<QWidget*>()) {
        const bool actedOn = qobject_cast<QAbstractButton*>(widget) != nullptr ||
                             qobject_cast<QLineEdit*>(widget) != nullptr ||
                             qobject_cast<QListWidget*>(widget) != nullptr;
        if (!actedOn || !widget->toolTip().isEmpty() || controlNumber(*widget) == 0) {
            continue;
        }
        QString tip = widget->accessibleName();
        if (tip.isEmpty()) {
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                tip = button->text().remove(QLatin1Char('&'));
            }
        }
        widget->setToolTip(tip);
    }
}

void QtDialogView::connectControls() {
    connectButtons();
    connectLists();
    for (auto* edit : form_->findChildren<QLineEdit*>()) {
        if (const ControlId id = controlNumber(*edit); id != 0) {
            connect(edit, &QLineEdit::textEdited, this, [this, id] { events_.onEdited(id); });
        }
    }
}

void QtDialogView::connectButtons() {
    for (auto* button : form_->findChildren<QAbstractButton*>()) {
        const ControlId id = controlNumber(*button);
        if (id == 0) {
            continue;
        }
        if (!button->isCheckable()) {
            connect(button, &QAbstractButton::clicked, this, [this, id] { events_.onCommand(id); });
            continue;
        }
        // A choice counts however it was made (a click, the keyboard, an accessibility action):
        // a state change is reported with the click that made it, or on its own once the event
        // that made it is over. A click on a radio button already checked changes nothing and
        // is still reported (OTHER opens its dialog again).
        const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
        connect(button, &QAbstractButton::toggled, this, [this, id, radio](bool checked) {
            if (!checked && radio) {
                return;
            }
            events_.onEdited(id);
            unreportedToggle_ = id;
            QTimer::singleShot(0, this, [this, id] {
                if (unreportedToggle_ == id) {
                    unreportedToggle_ = 0;
                    events_.onCommand(id);
                }
            });
        });
        connect(button, &QAbstractButton::clicked, this, [this, id] {
            if (unreportedToggle_ == id) {
                unreportedToggle_ = 0;
            }
            events_.onCommand(id);
        });
    }
}

void QtDialogView::connectLists() {
    for (auto* list : form_->findChildren<QListWidget*>()) {
        const ControlId id = controlNumber(*list);
        if (id == 0) {
            continue;
        }
        connect(list, &QListWidget::currentRowChanged, this, [this, id] {
            const QPointer<QtDialogView> alive(this);
            events_.onEdited(id);
            reportingSelection_ = id;
            events_.onSelectionChanged(id);
            if (alive) {
                reportingSelection_ = 0;
            }
        });
        // Selecting a row without moving the current one (an accessibility action) makes it the
        // current row too, so the presenter hears of it.
        connect(list, &QListWidget::itemSelectionChanged, list, [list] {
            if (list->property(kRowRestoring).toBool()) {
                return;
            }
            const QList<QListWidgetItem*> selected = list->selectedItems();
            if (selected.size() == 1 && list->row(selected.front()) != list->currentRow()) {
                list->setCurrentRow(list->row(selected.front()));
            }
        });
    }
}

QWidget* QtDialogView::control(ControlId control) const {
    return form_->findChild<QWidget*>(controlObjectName(control));
}

QWidget* QtDialogView::window() const {
    return form_->window();
}

std::string QtDialogView::text(ControlId id) const {
    QWidget* widget = control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return toCp1252(edit->text());
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return toCp1252(fullLabelText(*label));
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return toCp1252(button->text());
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        return toCp1252(group->title());
    }
    return {};
}

bool QtDialogView::textFits(ControlId id) const {
    auto* edit = qobject_cast<QLineEdit*>(control(id));
    return edit == nullptr || fitsCp1252(edit->text());
}

void QtDialogView::setNumberEntry(ControlId id) {
    auto* edit = qobject_cast<QLineEdit*>(control(id));
    if (edit == nullptr || edit->validator() != nullptr) {
        return;
    }
    edit->setValidator(new NumberValidator(edit));
    // Wide enough for the longest number a page shows, however tightly its layout packs it.
    edit->setMinimumWidth(
        std::max(edit->minimumWidth(),
                 edit->fontMetrics().horizontalAdvance(kWidestNumber) + kEditFrameWidth));
    // A refused key or paste is told in the status bar, with what the field takes.
    connect(edit, &QLineEdit::inputRejected, this, [edit] {
        QStatusBar* status = mainStatusBar(edit);
        if (status == nullptr || edit->property(kSettingAsIs).toBool()) {
            return;
        }
        const QString name = edit->accessibleName().isEmpty() ? QStringLiteral("This field")
                                                              : edit->accessibleName();
        status->showMessage(
            edit->text().size() >= edit->maxLength()
                ? QStringLiteral("%1 takes at most %2 characters.").arg(name).arg(edit->maxLength())
                : QStringLiteral("%1 takes a number: digits, one decimal point or comma, and a "
                                 "sign in front.")
                      .arg(name),
            kRefusalShownMs);
    });
}

void QtDialogView::setElidedInMiddle(ControlId id) {
    if (auto* label = qobject_cast<QLabel*>(control(id))) {
        label->setProperty(kElidedInMiddle, true);
        setMiddleElidedText(*label, fullLabelText(*label), kPathRoomCharacters);
    }
}

void QtDialogView::setText(ControlId id, std::string_view cp1252Text) {
    QWidget* widget = control(id);
    const QString text = toQString(cp1252Text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        setTextAsIs(*edit, text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->property(kElidedInMiddle).toBool()) {
            setMiddleElidedText(*label, text, kPathRoomCharacters);
        } else {
            label->setText(text);
        }
        announceShownText(*label, text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
        announceShownText(*button, text);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(text);
        announceShownText(*group, text);
    }
}

void QtDialogView::setTextAsIs(QLineEdit& edit, const QString& text) {
    edit.setProperty(kSettingAsIs, true);
    edit.setText(text);
    edit.setProperty(kSettingAsIs, false);
}

void QtDialogView::setTextLimit(ControlId id, int characters) {
    if (auto* edit = qobject_cast<QLineEdit*>(control(id))) {
        edit->setMaxLength(characters);
    }
}

void QtDialogView::setToolTip(ControlId id, std::string_view cp1252Text) {
    if (QWidget* widget = control(id)) {
        widget->setToolTip(toQString(cp1252Text));
    }
}

bool QtDialogView::isChecked(ControlId id) const {
    auto* button = qobject_cast<QAbstractButton*>(control(id));
    return button != nullptr && button->isChecked();
}

void QtDialogView::setChecked(ControlId id, bool checked) {
    auto* button = qobject_cast<QAbstractButton*>(control(id));
    if (button == nullptr) {
        return;
    }
    // An exclusive group refuses to lose its checked button; the presenter decides that too.
    QButtonGroup* group = button->group();
    const bool exclusive = group != nullptr && group->exclusive();
    if (exclusive && !checked) {
        group->setExclusive(false);
    }
    // The presenter's own choice is no user's choice: it is not reported back.
    const QSignalBlocker quiet(button);
    button->setChecked(checked);
    if (exclusive && !checked) {
        group->setExclusive(true);
    }
    placeRadioTabStop(*button);
}

bool QtDialogView::isEnabled(ControlId id) const {
    QWidget* widget = control(id);
    return widget != nullptr && widget->isEnabledTo(form_);
}

void QtDialogView::setEnabled(ControlId id, bool enabled) {
    if (QWidget* widget = control(id)) {
        widget->setEnabled(enabled);
    }
}

bool QtDialogView::isVisible(ControlId id) const {
    QWidget* widget = control(id);
    return widget != nullptr && widget->isVisibleTo(form_);
}

void QtDialogView::setVisible(ControlId id, bool visible) {
    if (QWidget* widget = control(id)) {
        widget->setVisible(visible);
    }
}

void QtDialogView::setFocus(ControlId id) {
    QWidget* widget = control(id);
    if (widget == nullptr) {
        return;
    }
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->selectAll();
    }
}

void QtDialogView::clearList(ControlId id) {
    if (auto* list = qobject_cast<QListWidget*>(control(id))) {
        const QSignalBlocker quiet(list);
        list->clear();
    }
}

void QtDialogView::addListRow(ControlId id, std::string_view cp1252Text) {
    if (auto* list = qobject_cast<QListWidget*>(control(id))) {
        const QSignalBlocker quiet(list);
        list->addItem(toQString(cp1252Text));
    }
}

int QtDialogView::listRowCount(ControlId id) const {
    auto* list = qobject_cast<QListWidget*>(control(id));
    return list == nullptr ? 0 : list->count();
}

int QtDialogView::selectedRow(ControlId id) const {
    auto* list = qobject_cast<QListWidget*>(control(id));
    return list == nullptr ? -1 : list->currentRow();
}

void QtDialogView::selectRow(ControlId id, int row) {
    auto* list = qobject_cast<QListWidget*>(control(id));
    if (list == nullptr) {
        return;
    }
    const auto select = [list, row] {
        const QSignalBlocker quiet(list);
        list->setCurrentRow(row);
        if (row >= 0) {
            list->scrollToItem(list->item(row));
        }
    };
    select();
    if (reportingSelection_ != id) {
        return;
    }
    // Called while the list reports a click (the Other radio dialog cancelled), the list would go
    // on to select the clicked row once the report is over: the row is chosen again after it.
    list->setProperty(kRowRestoring, true);
    QTimer::singleShot(0, list, [list, row, select] {
        list->setProperty(kRowRestoring, false);
        if (list->currentRow() == row && list->selectedItems().size() == 1 &&
            list->row(list->selectedItems().front()) == row) {
            return;
        }
        select();
    });
}

void QtDialogView::setTitle(std::string_view cp1252Text) {
    (dialog_ != nullptr ? static_cast<QWidget*>(dialog_) : form_)
        ->setWindowTitle(toQString(cp1252Text));
    // A page shows its title on the frame around it (the hop box: "Hop # 2").
    if (auto* frame = qobject_cast<QGroupBox*>(form_->parentWidget());
        dialog_ == nullptr && frame) {
        frame->setTitle(toQString(cp1252Text));
    }
}

void QtDialogView::setWindowEnabled(bool enabled) {
    if (!enabled) {
        focusReturn_.remember(form_);
    }
    form_->setEnabled(enabled);
    if (enabled) {
        focusReturn_.restore();
    }
}

void QtDialogView::endDialog(int result) {
    if (dialog_ != nullptr) {
        dialog_->done(result);
    }
}

void QtDialogView::reportCancel() {
    events_.onCommand(kCancelButton);
}

void QtDialogView::pressDefaultButton() {
    for (auto* button : form_->findChildren<QPushButton*>()) {
        if (button->isDefault()) {
            if (button->isEnabled()) {
                button->click();
            }
            return;
        }
    }
    // A form without a default button still hears Enter, as command 1.
    events_.onCommand(kOkButton);
}

bool QtDialogView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != form_ || event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier) {
        return false;
    }
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        pressDefaultButton();
        return true;
    case Qt::Key_Escape:
        reportCancel();
        return true;
    default:
        return false;
    }
}

} // namespace korvel
