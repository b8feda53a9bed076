#pragma once
// A FileChooser for presenter tests: answers from a queue (cancel once it is used up) and
// records which dialogs ran.

#include <deque>
#include <vector>

#include "platform/file_chooser.h"

namespace korvel {

class FakeFileChooser final : public FileChooser {
  public:
    std::optional<ChosenFile> choose(FileDialogUse use) override {
        uses.push_back(use);
        if (answers.empty()) {
            return std::nullopt;
        }
        std::optional<ChosenFile> answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<std::optional<ChosenFile>> answers;
    std::vector<FileDialogUse> uses;
};

} // namespace korvel
