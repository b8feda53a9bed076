#include "scenario_ports.h"

#include <utility>

#include <QDir>
#include <QFileInfo>

#include "platform/qt/qt_file_chooser.h"
#include "platform/text_encoding.h"

namespace korvel {

namespace {

const char* iconName(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return "information";
    case MessageIcon::Warning:
        return "warning";
    case MessageIcon::Exclamation:
        return "exclamation";
    case MessageIcon::Error:
        return "stop";
    case MessageIcon::Question:
        return "question";
    case MessageIcon::None:
        break;
    }
    return "no icon";
}

const char* answerName(MessageAnswer answer) {
    switch (answer) {
    case MessageAnswer::Ok:
        return "Ok";
    case MessageAnswer::Cancel:
        return "Cancel";
    case MessageAnswer::Yes:
        return "Yes";
    case MessageAnswer::No:
        return "No";
    }
    return "?";
}

const char* buttonNames(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return "[Ok]";
    case MessageButtons::OkCancel:
        return "[Ok Cancel]";
    case MessageButtons::YesNo:
        return "[Yes No]";
    case MessageButtons::YesNoDefaultNo:
        return "[Yes No, default No]";
    case MessageButtons::YesNoCancel:
        return "[Yes No Cancel]";
    }
    return "[]";
}

bool offers(MessageButtons buttons, MessageAnswer answer) {
    switch (buttons) {
    case MessageButtons::Ok:
        return answer == MessageAnswer::Ok;
    case MessageButtons::OkCancel:
        return answer == MessageAnswer::Ok || answer == MessageAnswer::Cancel;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoDefaultNo:
        return answer == MessageAnswer::Yes || answer == MessageAnswer::No;
    case MessageButtons::YesNoCancel:
        return answer != MessageAnswer::Ok;
    }
    return false;
}

} // namespace

std::optional<MessageAnswer> parseAnswer(const std::string& word) {
    if (word == "Yes") {
        return MessageAnswer::Yes;
    }
    if (word == "No") {
        return MessageAnswer::No;
    }
    if (word == "Ok") {
        return MessageAnswer::Ok;
    }
    if (word == "Cancel") {
        return MessageAnswer::Cancel;
    }
    return std::nullopt;
}

MessageAnswer ScenarioMessages::show(std::string_view text, std::string_view caption,
                                     MessageIcon icon, MessageButtons buttons) {
    std::string shown = "message " + quoted(cp1252ToUtf8(caption.empty() ? "Error" : caption)) +
                        " " + iconName(icon) + " " + quoted(cp1252ToUtf8(text)) + " " +
                        buttonNames(buttons) + " -> ";
    MessageAnswer answer = defaultAnswer(buttons);
    if (answers_.empty()) {
        transcript_.note(shown + answerName(answer) + " (default, no answer queued)");
        return answer;
    }
    const std::optional<MessageAnswer> next = answers_.front();
    answers_.pop_front();
    if (!next && real_ != nullptr) {
        transcript_.note(shown + "the real box");
        return real_->show(text, caption, icon, buttons);
    }
    const MessageAnswer queued = next.value_or(answer);
    if (!offers(buttons, queued)) {
        transcript_.note(shown + answerName(answer) + " (default)");
        transcript_.failure(currentLine, std::string("the box offers no ") + answerName(queued));
        return answer;
    }
    transcript_.note(shown + answerName(queued));
    return queued;
}

void ScenarioMessages::beep() {
    transcript_.note("beep");
}

std::optional<ChosenFile> ScenarioFileChooser::choose(FileDialogUse use) {
    const FileDialogSettings settings = fileDialogSettings(use);
    const QString proposed = std::exchange(startName_, QString());
    const std::string shown = "file dialog " + quoted(settings.title.toStdString()) + " -> ";
    if (choices_.empty()) {
        transcript_.note(shown + "cancel (default, no choice queued)");
        return std::nullopt;
    }
    const QueuedChoice choice = choices_.front();
    choices_.pop_front();
    if (!choice) {
        transcript_.note(shown + "cancel");
        return std::nullopt;
    }
    if (*choice == "dialog" && real_ != nullptr) {
        transcript_.note(shown + "the real dialog");
        real_->setStartName(proposed.toStdString());
        return real_->choose(use);
    }
    // "*" takes the name the dialog proposes, as OK on it would.
    const QString typed = *choice == "*" ? proposed : QString::fromStdString(*choice);
    const QFileInfo file(
        QDir::current(),
        withDefaultExtension(typed, extensionLike(settings.defaultExtension, proposed)));
    // The same rules as the real dialog: an open needs the file, a save needs its folder.
    if (choosesFolder(use)) {
        if (!file.isDir()) {
            transcript_.note(shown + "cancel");
            transcript_.failure(messages_.currentLine,
                                "no folder " + file.filePath().toStdString());
            return std::nullopt;
        }
        transcript_.note(shown + quoted(file.fileName().toStdString()));
        return chosenFile(file.absoluteFilePath());
    }
    if (!settings.save && !file.isFile()) {
        transcript_.note(shown + "cancel");
        transcript_.failure(messages_.currentLine,
                            file.filePath().toStdString() + " does not exist");
        return std::nullopt;
    }
    if (settings.save && !file.dir().exists()) {
        transcript_.note(shown + "cancel");
        transcript_.failure(messages_.currentLine, "no folder " + file.dir().path().toStdString());
        return std::nullopt;
    }
    const bool replacing = settings.save && file.exists();
    transcript_.note(shown + quoted(file.fileName().toStdString()) +
                     (replacing ? " (replace: Yes)" : ""));
    return chosenFile(file.absoluteFilePath());
}

} // namespace korvel
