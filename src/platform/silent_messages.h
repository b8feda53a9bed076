#pragma once
// Messages nobody hears: every box takes its default answer. For checks and calculations made
// only to look at a hop, whose messages belong to the command that would show them.

#include "platform/messages.h"

namespace korvel {

class SilentMessages final : public Messages {
  public:
    using Messages::show;
    MessageAnswer show(std::string_view, std::string_view, MessageIcon,
                       MessageButtons buttons) override {
        return defaultAnswer(buttons);
    }
    void beep() override {}
};

} // namespace korvel
