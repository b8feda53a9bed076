#include "platform/qt/qt_messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include "platform/qt/qt_text.h"

namespace korvel {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        break;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoDefaultNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton boxButton(MessageAnswer answer) {
    switch (answer) {
    case MessageAnswer::Ok:
        break;
    case MessageAnswer::Cancel:
        return QMessageBox::Cancel;
    case MessageAnswer::Yes:
        return QMessageBox::Yes;
    case MessageAnswer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

} // namespace

MessageAnswer QtMessages::show(std::string_view text, std::string_view caption, MessageIcon icon,
                               MessageButtons buttons) {
    // The box belongs to the window that asks (a dialog, the Sweep window): the keyboard goes
    // back there once it is answered.
    QWidget* owner = QApplication::activeModalWidget();
    if (owner == nullptr) {
        owner = QApplication::activeWindow();
    }
    if (owner == nullptr) {
        owner = mainWindow_;
    }
    // A box without a caption of its own carries the one the platform gives errors.
    const QString title = caption.empty() ? QStringLiteral("Error") : toQString(caption);
    const QPointer<QWidget> asking = owner;
    QMessageBox box(boxIcon(icon), title, toQString(text), boxButtons(buttons), owner);
    box.setDefaultButton(boxButton(defaultAnswer(buttons)));
    const int pressed = box.exec();
    // Not every window manager gives the asking window the keyboard back by itself.
    if (asking != nullptr && asking->isVisible()) {
        asking->activateWindow();
    }
    switch (pressed) {
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    default:
        // Closed without a button: the box's way out.
        if (buttons == MessageButtons::YesNoDefaultNo) {
            return MessageAnswer::No;
        }
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
}

void QtMessages::beep() {
    QApplication::beep();
}

} // namespace korvel
