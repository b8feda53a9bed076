#include "platform/qt/qt_dialog_host.h"

#include <algorithm>

#include <QDialog>
#include <QGroupBox>
#include <QVBoxLayout>
#include <QWindow>

#include "platform/qt/qt_dialog_view.h"
#include "platform/qt/qt_forms.h"
#include "platform/qt/qt_main_window.h"

namespace korvel {

namespace {

// Escape and the close box go to the presenter as Cancel; a presenter that lets the dialog stay
// open on Cancel keeps it open only through its own buttons, so the dialog still ends with 2.
class ModalDialog final : public QDialog {
  public:
    explicit ModalDialog(QWidget* owner) : QDialog(owner) {}
    void setView(QtDialogView* view) { view_ = view; }

    void reject() override {
        if (view_ != nullptr) {
            view_->reportCancel();
        }
        if (isVisible()) {
            done(kCancelButton);
        }
    }

  private:
    QtDialogView* view_ = nullptr;
};

// Escape and the close box report Cancel and leave the dialog open: the presenter closes it.
class ModelessDialog final : public QDialog {
  public:
    ModelessDialog() = default;
    void setView(QtDialogView* view) { view_ = view; }

    void reject() override {
        if (view_ != nullptr) {
            view_->reportCancel();
        }
    }

  private:
    QtDialogView* view_ = nullptr;
};

// Lays `form` into `dialog` under the form's title; the view the presenter talks to.
QtDialogView* holdForm(QDialog& dialog, QWidget* form, DialogEvents& presenter,
                       const QString& objectName) {
    dialog.setObjectName(objectName);
    dialog.setWindowTitle(form->windowTitle());
    auto* layout = new QVBoxLayout(&dialog);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(form);
    return new QtDialogView(form, &dialog, presenter);
}

} // namespace

QWidget* firstTabStop(QWidget* form) {
    for (QWidget* next = form->nextInFocusChain(); next != form; next = next->nextInFocusChain()) {
        if (!form->isAncestorOf(next)) {
            break;
        }
        if ((next->focusPolicy() & Qt::TabFocus) != 0 && next->isVisibleTo(form) &&
            next->isEnabledTo(form)) {
            return next;
        }
    }
    return nullptr;
}

QtDialogHost::~QtDialogHost() {
    while (!modeless_.empty()) {
        closeModeless(*modeless_.back());
    }
}

DialogView* QtDialogHost::createPage(DialogId page, DialogEvents& presenter) {
    auto* frame = new QGroupBox(window_.pageArea());
    QWidget* form = createForm(formFile_(page), frame);
    if (form == nullptr) {
        delete frame;
        return nullptr;
    }
    frame->setTitle(form->windowTitle());
    frame->setObjectName(QStringLiteral("page"));
    frame->setProperty("growsWithWindow", form->property("growsWithWindow"));
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(form);
    pageFrame_ = frame;
    page_ = new QtDialogView(form, nullptr, presenter);
    window_.showPage(frame, page == DialogId::StartPanel);
    if (QWidget* first = firstTabStop(form)) {
        first->setFocus(Qt::OtherFocusReason);
    }
    if (pageCreated) {
        pageCreated(page);
    }
    return page_;
}

void QtDialogHost::destroyPage() {
    // The page may go while one of its own buttons is still reporting its click: the view goes at
    // once, so nothing reaches the presenter any more, and the widgets once the click is over.
    delete page_;
    if (pageFrame_ != nullptr) {
        pageFrame_->hide();
        pageFrame_->deleteLater();
    }
    pageFrame_ = nullptr;
    page_ = nullptr;
}

int QtDialogHost::runModal(DialogId dialogId, DialogEvents& presenter,
                           const std::function<void(DialogView&)>& opened) {
    ModalDialog dialog(&window_);
    QWidget* form = createForm(formFile_(dialogId), &dialog);
    if (form == nullptr) {
        return kCancelButton;
    }
    auto* view = holdForm(dialog, form, presenter, QStringLiteral("modal"));
    dialog.setView(view);
    if (QWidget* first = firstTabStop(form)) {
        first->setFocus(Qt::OtherFocusReason);
    }
    modals_.push_back(view);
    opened(*view);
    if (modalOpened) {
        modalOpened(dialogId);
    }
    const int result = dialog.exec();
    modals_.pop_back();
    return result;
}

DialogView* QtDialogHost::openModeless(DialogId dialogId, DialogEvents& presenter) {
    // Not a child of the main window, which would take it along when it is disabled; the window
    // system still keeps it in front of the main window.
    auto* dialog = new ModelessDialog;
    QWidget* form = createForm(formFile_(dialogId), dialog);
    if (form == nullptr) {
        delete dialog;
        return nullptr;
    }
    auto* view = holdForm(*dialog, form, presenter, QStringLiteral("modeless"));
    dialog->setView(view);
    dialog->adjustSize();
    dialog->winId();
    dialog->windowHandle()->setTransientParent(window_.windowHandle());
    dialog->move(window_.frameGeometry().center() - dialog->rect().center());
    dialog->show();
    if (QWidget* first = firstTabStop(form)) {
        first->setFocus(Qt::OtherFocusReason);
    }
    dialog->activateWindow();
    modeless_.push_back(view);
    if (modelessOpened) {
        modelessOpened(dialogId, *view);
    }
    return view;
}

void QtDialogHost::closeModeless(DialogView& view) {
    const auto open = std::find(modeless_.begin(), modeless_.end(), &view);
    if (open == modeless_.end()) {
        return;
    }
    QWidget* dialog = (*open)->window();
    modeless_.erase(open);
    // The view goes at once, the window once any event it is handling is over.
    delete &view;
    dialog->hide();
    dialog->deleteLater();
}

QtDialogView* QtDialogHost::activeView() const {
    return modals_.empty() ? page_ : modals_.back();
}

} // namespace korvel
