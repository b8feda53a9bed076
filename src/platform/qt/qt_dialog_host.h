#pragma once
// DialogHost on Qt: pages live in the main window's page area inside a frame that carries their
// title; modal dialogs run as QDialog over the main window; modeless ones are windows of their
// own in front of it, so that they keep taking input while the main window is disabled.

#include <functional>
#include <string_view>
#include <vector>

#include "platform/dialog_host.h"

class QWidget;

namespace korvel {

class QtDialogView;
class QtMainWindow;

class QtDialogHost final : public DialogHost {
  public:
    // formFile names the Designer form of each id (see qt_forms.h).
    using FormFile = std::string_view (*)(DialogId form);
    QtDialogHost(QtMainWindow& window, FormFile formFile) : window_(window), formFile_(formFile) {}
    ~QtDialogHost() override;
    QtDialogHost(const QtDialogHost&) = delete;
    QtDialogHost& operator=(const QtDialogHost&) = delete;

    DialogView* createPage(DialogId page, DialogEvents& presenter) override;
    void destroyPage() override;
    int runModal(DialogId dialog, DialogEvents& presenter,
                 const std::function<void(DialogView&)>& opened) override;
    DialogView* openModeless(DialogId dialog, DialogEvents& presenter) override;
    void closeModeless(DialogView& view) override;

    // Where the user's input goes: the innermost modal dialog, else the page (nullptr: neither).
    [[nodiscard]] QtDialogView* activeView() const;
    // Open modal dialogs, innermost last.
    [[nodiscard]] int modalDepth() const { return static_cast<int>(modals_.size()); }

    // Told of every page made, and of every modal dialog once it is filled and about to show.
    std::function<void(DialogId)> pageCreated;
    std::function<void(DialogId)> modalOpened;
    // Told of every modeless dialog once it shows.
    std::function<void(DialogId, QtDialogView&)> modelessOpened;

  private:
    QtMainWindow& window_;
    FormFile formFile_;
    QWidget* pageFrame_ = nullptr;
    QtDialogView* page_ = nullptr;
    std::vector<QtDialogView*> modals_;
    std::vector<QtDialogView*> modeless_;
};

// The form's first control that the Tab key reaches.
QWidget* firstTabStop(QWidget* form);

} // namespace korvel
