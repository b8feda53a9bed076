#pragma once
// Where the keyboard focus goes back to once a window disabled for a dialog is enabled again:
// disabling a window moves its focus away, and a keyboard user would land nowhere.

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace korvel {

class FocusReturn {
  public:
    // Remembers the focused control when it lies inside `scope`.
    void remember(QWidget* scope) {
        QWidget* focus = QApplication::focusWidget();
        if (focus != nullptr && (focus == scope || scope->isAncestorOf(focus))) {
            control_ = focus;
        } else if (QWidget* inside = scope->focusWidget()) {
            control_ = inside;
        }
    }

    // Gives the focus back to the remembered control while it is still there to take it.
    void restore() {
        QWidget* control = control_;
        control_ = nullptr;
        if (control != nullptr && control->isVisible() && control->isEnabled()) {
            control->setFocus(Qt::OtherFocusReason);
        }
    }

  private:
    QPointer<QWidget> control_;
};

} // namespace korvel
