#pragma once
// Messages for tests: records every box and every beep, in the order they came, and answers the
// boxes from a script (the default button once the script is used up).

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "platform/messages.h"

namespace korvel {

struct MessageEvent {
    enum class Kind { Box, Beep };

    Kind kind = Kind::Box;
    std::string text{}; // Windows-1252, as the core passed it; empty for a beep
    std::string caption{};
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer answer = MessageAnswer::Ok; // what the box answered

    friend bool operator==(const MessageEvent&, const MessageEvent&) = default;
};

class RecordingMessages final : public Messages {
  public:
    using Messages::show;
    MessageAnswer show(std::string_view text, std::string_view caption, MessageIcon icon,
                       MessageButtons buttons) override {
        MessageAnswer answer = defaultAnswer(buttons);
        if (!script_.empty()) {
            answer = script_.front();
            script_.pop_front();
        }
        events_.push_back({MessageEvent::Kind::Box, std::string(text), std::string(caption), icon,
                           buttons, answer});
        return answer;
    }
    void beep() override { events_.push_back({MessageEvent::Kind::Beep}); }

    // The next box answers this, the one after the next scripted answer, and so on.
    void scriptAnswer(MessageAnswer answer) { script_.push_back(answer); }

    [[nodiscard]] const std::vector<MessageEvent>& events() const { return events_; }
    // The boxes alone, in order.
    [[nodiscard]] std::vector<MessageEvent> boxes() const {
        std::vector<MessageEvent> result;
        for (const MessageEvent& event : events_) {
            if (event.kind == MessageEvent::Kind::Box) {
                result.push_back(event);
            }
        }
        return result;
    }
    [[nodiscard]] std::size_t beepCount() const { return events_.size() - boxes().size(); }
    void clear() {
        events_.clear();
        script_.clear();
    }

  private:
    std::vector<MessageEvent> events_;
    std::deque<MessageAnswer> script_;
};

} // namespace korvel
