#include "platform/qt/qt_dialog_view.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "platform/qt/qt_forms.h"
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

} // namespace

QtDialogView::QtDialogView(QWidget* form, QDialog* dialog, DialogEvents& events)
    : QObject(form), form_(form), dialog_(dialog), events_(events) {
    connectControls();
    form_->installEventFilter(this);
}

void QtDialogView::connectControls() {
    for (auto* button : form_->findChildren<QAbstractButton*>()) {
        const ControlId id = controlNumber(*button);
        if (id != 0) {
            connect(button, &QAbstractButton::clicked, this, [this, id] { events_.onCommand(id); });
        }
    }
    for (auto* list : form_->findChildren<QListWidget*>()) {
        const ControlId id = controlNumber(*list);
        if (id != 0) {
            connect(list, &QListWidget::currentRowChanged, this,
                    [this, id] { events_.onSelectionChanged(id); });
        }
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
        return toCp1252(label->text());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return toCp1252(button->text());
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        return toCp1252(group->title());
    }
    return {};
}

void QtDialogView::setText(ControlId id, std::string_view cp1252Text) {
    QWidget* widget = control(id);
    const QString text = toQString(cp1252Text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(text);
    }
}

void QtDialogView::setTextLimit(ControlId id, int characters) {
    if (auto* edit = qobject_cast<QLineEdit*>(control(id))) {
        edit->setMaxLength(characters);
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
    button->setChecked(checked);
    if (exclusive && !checked) {
        group->setExclusive(true);
    }
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
    if (auto* list = qobject_cast<QListWidget*>(control(id))) {
        const QSignalBlocker quiet(list);
        list->setCurrentRow(row);
        if (row >= 0) {
            list->scrollToItem(list->item(row));
        }
    }
}

void QtDialogView::setTitle(std::string_view cp1252Text) {
    (dialog_ != nullptr ? static_cast<QWidget*>(dialog_) : form_)->setWindowTitle(toQString(cp1252Text));
    // A page shows its title on the frame around it (the hop box: "Hop # 2").
    if (auto* frame = qobject_cast<QGroupBox*>(form_->parentWidget()); dialog_ == nullptr && frame) {
        frame->setTitle(toQString(cp1252Text));
    }
}

void QtDialogView::setWindowEnabled(bool enabled) {
    form_->setEnabled(enabled);
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
