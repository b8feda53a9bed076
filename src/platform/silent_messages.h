#pragma once
// Messages nobody sees: for work that only looks (status checks, fuzzing). Every question takes
// its default answer.

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
