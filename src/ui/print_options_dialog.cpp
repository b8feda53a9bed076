#include "ui/print_options_dialog.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <string_view>

#include "platform/text_encoding.h"
#include "report/report_file.h"
#include "report/report_file_name.h"
#include "ui/methods_table.h"
#include "ui/session.h"

namespace korvel {

namespace {

constexpr int kTypedNameMax = 128;
constexpr int kPrinterChosen = 1;
constexpr int kNoPrinting = 0;

struct FileDestination {
    ControlId button;
    ControlId field;
    ReportForm form;
    std::string_view extension;
    std::string ApplicationState::*name;
};

constexpr std::array kFileDestinations{
    FileDestination{kTextFileButton, kTextFileField, ReportForm::Text, "txt",
                    &ApplicationState::reportFileName},
    FileDestination{kDelimitedFileButton, kDelimitedFileField, ReportForm::Delimited, "txt",
                    &ApplicationState::delimitedReportFileName},
    FileDestination{kPdfFileButton, kPdfFileField, ReportForm::Pdf, "pdf",
                    &ApplicationState::pdfReportFileName},
};

constexpr std::array<ControlId, 2> kSubjectGroup{kHopReportButton, kRouteReportButton};
constexpr std::array<ControlId, 2> kLanguageGroup{kEnglishButton, kFrenchButton};
constexpr std::array<ControlId, 4> kDestinationGroup{kPrinterButton, kTextFileButton,
                                                     kDelimitedFileButton, kPdfFileButton};

const FileDestination* fileDestination(ControlId button) {
    const auto* found =
        std::find_if(kFileDestinations.begin(), kFileDestinations.end(),
                     [button](const FileDestination& d) { return d.button == button; });
    return found == kFileDestinations.end() ? nullptr : found;
}

// An existing file the program may overwrite; others are not asked about, and the writer then
// reports why it cannot write.
bool replaceable(const std::filesystem::path& file) {
    return std::fstream(file, std::ios::binary | std::ios::in | std::ios::out).is_open();
}

class PrintOptionsDialog final : public DialogEvents {
  public:
    explicit PrintOptionsDialog(Session& session) : session_(session) {}

    void opened(DialogView& view) {
        view_ = &view;
        ApplicationState& app = session_.app;
        // The whole folder: a label too narrow for it keeps both ends, never cutting it.
        view.setElidedInMiddle(kFolderLabel);
        view.setText(kFolderLabel, utf8ToCp1252(app.workingFolder.string()));
        for (std::size_t i = 0; i < kFileDestinations.size(); ++i) {
            const FileDestination& destination = kFileDestinations[i];
            defaultFiles_[i] =
                defaultReportFileName(app.currentHopFileName.string(), destination.extension);
            app.*destination.name = pathToCp1252(defaultFiles_[i]);
            view.setText(destination.field, app.*destination.name);
            view.setTextLimit(destination.field, kTypedNameMax);
        }
        // The route report needs a route: a hop of it being edited, or the route screen.
        view.setEnabled(kRouteReportButton,
                        app.menu.viewHops || app.currentPageId == kRouteScreenId);
        view.setEnabled(kPrinterButton, !app.printerUnavailable);
        if (app.printerUnavailable) {
            choose(kTextFileButton);
            view.setFocus(kTextFileField);
        } else {
            choose(kPrinterButton);
            view.setFocus(kPrinterButton);
        }
        choose(kHopReportButton);
        choose(kEnglishButton);
        view.setChecked(kMethodsSectionCheck, app.printMethods);
    }

    void onCommand(ControlId control) override {
        switch (control) {
        case kOkButton:
            accept();
            break;
        case kCancelButton:
            view_->endDialog(kNoPrinting);
            break;
        case kMethodsSectionCheck:
            session_.app.printMethods = view_->isChecked(kMethodsSectionCheck);
            break;
        default:
            choose(control);
            if (const FileDestination* destination = fileDestination(control)) {
                view_->setFocus(destination->field);
            }
            break;
        }
    }

    [[nodiscard]] PrintRequest request() const {
        const bool route = subject_ == kRouteReportButton;
        return {route ? ReportSubject::Route : ReportSubject::Hop,
                language_ == kFrenchButton ? ReportLanguage::French : ReportLanguage::English,
                !route && session_.app.printMethods};
    }

  private:
    // Checks the button and clears the others of its group.
    void choose(ControlId button) {
        chooseIn(kSubjectGroup, subject_, button);
        // The route table has no methods section.
        view_->setEnabled(kMethodsSectionCheck, subject_ != kRouteReportButton);
        chooseIn(kLanguageGroup, language_, button);
        chooseIn(kDestinationGroup, destination_, button);
    }
    void chooseIn(std::span<const ControlId> group, ControlId& chosen, ControlId button) {
        if (std::find(group.begin(), group.end(), button) == group.end()) {
            return;
        }
        chosen = button;
        for (const ControlId member : group) {
            view_->setChecked(member, member == button);
        }
    }

    void accept() {
        const FileDestination* destination = fileDestination(destination_);
        if (destination == nullptr) {
            view_->endDialog(kPrinterChosen);
            return;
        }
        Messages& messages = session_.ports.messages;
        const std::string typed = view_->text(destination->field).substr(0, kReportFileNameMax);
        if (typed.empty()) {
            messages.show("Please type a filename !", kAppCaption, MessageIcon::None,
                          MessageButtons::Ok);
            return;
        }
        std::string& name = session_.app.*destination->name;
        // The name offered and left as it is names the file after the hop as the file system
        // spells it, which the Windows-1252 text of the field may not hold.
        const std::filesystem::path& offered =
            defaultFiles_[static_cast<std::size_t>(destination - kFileDestinations.data())];
        const bool asOffered = !offered.empty() && typed == pathToCp1252(offered);
        name = completeReportFileName(typed, destination->extension);
        const std::filesystem::path file =
            session_.fileInWorkingFolder(asOffered ? offered : pathFromCp1252(name));
        if (replaceable(file) &&
            messages.show("Replace existing " + name, kAppCaption, MessageIcon::Question,
                          MessageButtons::YesNoDefaultNo) != MessageAnswer::Yes) {
            return;
        }
        if (write(file, destination->form) == 1) {
            view_->endDialog(kNoPrinting);
        }
    }

    int write(const std::filesystem::path& file, ReportForm form) {
        const std::string date = session_.reportDateStamp();
        const ReportLanguage language = request().language;
        Messages& messages = session_.ports.messages;
        if (subject_ == kRouteReportButton) {
            return writeRouteReportFile(file, form, session_.route, language,
                                        session_.library.identification.view(), date, messages);
        }
        const std::string hopName = pathToCp1252(session_.app.currentHopFileName);
        if (!request().withMethods) {
            return writeHopReportFile(file, form, session_.hop, session_.library, language, hopName,
                                      date, messages);
        }
        const MethodColumns3 columns = hopMethodColumns(session_.hop, session_.methodSources());
        const auto pointers = columnPointers(columns);
        return writeHopReportFile(file, form, session_.hop, session_.library, language, hopName,
                                  date, messages, pointers);
    }

    Session& session_;
    DialogView* view_ = nullptr;
    ControlId subject_ = kHopReportButton;
    ControlId language_ = kEnglishButton;
    ControlId destination_ = kPrinterButton;
    std::array<std::filesystem::path, kFileDestinations.size()> defaultFiles_{};
};

} // namespace

std::optional<PrintRequest> runPrintOptionsDialog(Session& session) {
    PrintOptionsDialog dialog(session);
    const int result = session.ports.dialogs.runModal(
        DialogId::PrintOptions, dialog, [&dialog](DialogView& view) { dialog.opened(view); });
    if (result != kPrinterChosen) {
        return std::nullopt;
    }
    return dialog.request();
}

} // namespace korvel
