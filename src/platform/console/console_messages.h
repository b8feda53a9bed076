#pragma once
// Messages for the command-line tool: every box becomes one line "caption: text" on a stream
// (standard error unless told otherwise), in UTF-8, and is answered with its default button.
// Nobody is asked anything, and beeps make no sound.

#include <iostream>
#include <ostream>

#include "platform/messages.h"

namespace korvel {

class ConsoleMessages final : public Messages {
  public:
    explicit ConsoleMessages(std::ostream& out = std::cerr) : out_(out) {}

    using Messages::show;
    // Writes "caption: text" (only the text when the caption is empty) and a newline.
    MessageAnswer show(std::string_view text, std::string_view caption, MessageIcon icon,
                       MessageButtons buttons) override;
    void beep() override {}

  private:
    std::ostream& out_;
};

} // namespace korvel
