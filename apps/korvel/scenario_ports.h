#pragma once
// The message boxes and file dialogs of a scenario run: nothing is shown; each box takes the
// answer the scenario queued, or its default, and the transcript records what the user would
// have seen.

#include <deque>
#include <optional>
#include <string>

#include <QString>

#include "platform/file_chooser.h"
#include "platform/messages.h"
#include "transcript.h"

namespace korvel {

class ScenarioMessages final : public Messages {
  public:
    explicit ScenarioMessages(Transcript& transcript) : transcript_(transcript) {}

    using Messages::show;
    MessageAnswer show(std::string_view text, std::string_view caption, MessageIcon icon,
                       MessageButtons buttons) override;
    void beep() override;

    void queueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
    // The next box is the real one, left to another program (the accessibility test) to answer.
    void queueRealBox() { answers_.push_back(std::nullopt); }
    void handOver(Messages& real) { real_ = &real; }
    [[nodiscard]] std::size_t unusedAnswers() const { return answers_.size(); }
    // The scenario line being played, for failures found inside a box.
    int currentLine = 0;

  private:
    Transcript& transcript_;
    std::deque<std::optional<MessageAnswer>> answers_; // nothing: the real box
    Messages* real_ = nullptr;
};

// A queued choice: a path relative to the working folder, or nothing for "cancel".
using QueuedChoice = std::optional<std::string>;

class ScenarioFileChooser final : public FileChooser {
  public:
    ScenarioFileChooser(Transcript& transcript, ScenarioMessages& messages)
        : transcript_(transcript), messages_(messages) {}

    std::optional<ChosenFile> choose(FileDialogUse use) override;
    void setStartName(const std::string& utf8Name) override {
        startName_ = QString::fromStdString(utf8Name);
    }

    void queueChoice(QueuedChoice choice) { choices_.push_back(std::move(choice)); }
    // Where the choice "dialog" goes: the real file dialog.
    void handOver(FileChooser& real) { real_ = &real; }
    [[nodiscard]] std::size_t unusedChoices() const { return choices_.size(); }

  private:
    Transcript& transcript_;
    ScenarioMessages& messages_;
    std::deque<QueuedChoice> choices_;
    FileChooser* real_ = nullptr;
    QString startName_; // what the next dialog proposes
};

// "Yes", "No", "Ok", "Cancel" as a scenario writes them; nothing for any other word.
std::optional<MessageAnswer> parseAnswer(const std::string& word);

} // namespace korvel
