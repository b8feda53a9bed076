#pragma once
// While a dialog runs over the main window (a modal dialog, a message box, a file dialog, the
// abort dialog of a print job), the page or the shell code that opened it waits on the call stack
// and resumes when it closes: that page must outlive the dialog. Whatever reaches the shell
// meanwhile without the user (a command posted by a timer or a drop, the session manager) would
// otherwise destroy it. The session runs every dialog through these ports, which count the
// dialogs open; the shell holds its commands back while any is open and they are posted, in
// order, once the last one has closed.

#include <vector>

#include "platform/dialog_host.h"
#include "platform/file_chooser.h"
#include "platform/main_window_view.h"
#include "platform/messages.h"

namespace korvel {

class ModalRuns {
  public:
    explicit ModalRuns(MainWindowView& window) : window_(window) {}

    [[nodiscard]] bool dialogOpen() const { return open_ > 0; }
    // A command that must wait for the dialogs to close.
    void holdBack(Command command) { held_.push_back(command); }

    void opened() { ++open_; }
    // The last dialog closing posts what was held back: it reaches the shell after the code
    // that ran the dialog has returned.
    void closed();

  private:
    MainWindowView& window_;
    int open_ = 0;
    std::vector<Command> held_;
};

// One dialog open for the guard's lifetime.
class ModalRun {
  public:
    explicit ModalRun(ModalRuns& runs) : runs_(runs) { runs_.opened(); }
    ~ModalRun() { runs_.closed(); }
    ModalRun(const ModalRun&) = delete;
    ModalRun& operator=(const ModalRun&) = delete;

  private:
    ModalRuns& runs_;
};

class CountedDialogHost final : public DialogHost {
  public:
    CountedDialogHost(DialogHost& host, ModalRuns& runs) : host_(host), runs_(runs) {}

    DialogView* createPage(DialogId page, DialogEvents& presenter) override {
        return host_.createPage(page, presenter);
    }
    void destroyPage() override { host_.destroyPage(); }
    int runModal(DialogId dialog, DialogEvents& presenter,
                 const std::function<void(DialogView&)>& opened) override {
        const ModalRun run(runs_);
        return host_.runModal(dialog, presenter, opened);
    }
    // The print job's abort dialog: events are passed on while it is open.
    DialogView* openModeless(DialogId dialog, DialogEvents& presenter) override;
    void closeModeless(DialogView& view) override;

  private:
    DialogHost& host_;
    ModalRuns& runs_;
    std::vector<DialogView*> modeless_;
};

class CountedMessages final : public Messages {
  public:
    CountedMessages(Messages& messages, ModalRuns& runs) : messages_(messages), runs_(runs) {}

    using Messages::show;
    MessageAnswer show(std::string_view text, std::string_view caption, MessageIcon icon,
                       MessageButtons buttons) override {
        const ModalRun run(runs_);
        return messages_.show(text, caption, icon, buttons);
    }
    void beep() override { messages_.beep(); }

  private:
    Messages& messages_;
    ModalRuns& runs_;
};

class CountedFileChooser final : public FileChooser {
  public:
    CountedFileChooser(FileChooser& files, ModalRuns& runs) : files_(files), runs_(runs) {}

    std::optional<ChosenFile> choose(FileDialogUse use) override {
        const ModalRun run(runs_);
        return files_.choose(use);
    }
    void setStartFolder(const std::string& utf8Folder) override {
        files_.setStartFolder(utf8Folder);
    }
    void setStartName(const std::string& utf8Name) override { files_.setStartName(utf8Name); }

  private:
    FileChooser& files_;
    ModalRuns& runs_;
};

} // namespace korvel
