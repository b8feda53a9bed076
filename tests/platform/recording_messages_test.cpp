#include "platform/recording_messages.h"

#include <gtest/gtest.h>

namespace korvel {
namespace {

using Kind = MessageEvent::Kind;

TEST(RecordingMessages, KeepsBeepsAndBoxesInOrder) {
    RecordingMessages messages;
    messages.beep();
    messages.show("Invalid data.", kAppCaption, MessageIcon::Warning);
    messages.show("Save?", "Note!", MessageIcon::Information, MessageButtons::YesNo);
    messages.beep();

    const std::vector<MessageEvent> expected = {
        {Kind::Beep},
        {Kind::Box, "Invalid data.", "Korvel", MessageIcon::Warning, MessageButtons::Ok,
         MessageAnswer::Ok},
        {Kind::Box, "Save?", "Note!", MessageIcon::Information, MessageButtons::YesNo,
         MessageAnswer::Yes},
        {Kind::Beep},
    };
    EXPECT_EQ(messages.events(), expected);
    EXPECT_EQ(messages.boxes().size(), 2u);
    EXPECT_EQ(messages.beepCount(), 2u);
}

TEST(RecordingMessages, AnswersFromTheScriptThenWithTheDefault) {
    RecordingMessages messages;
    messages.scriptAnswer(MessageAnswer::No);
    messages.scriptAnswer(MessageAnswer::Cancel);
    EXPECT_EQ(messages.show("a", "c", MessageIcon::None, MessageButtons::YesNo), MessageAnswer::No);
    EXPECT_EQ(messages.unusedAnswers(), 1u);
    messages.beep(); // a beep uses no answer
    EXPECT_EQ(messages.show("b", "c", MessageIcon::None, MessageButtons::OkCancel),
              MessageAnswer::Cancel);
    EXPECT_EQ(messages.show("c", "c", MessageIcon::None, MessageButtons::YesNoCancel),
              MessageAnswer::Yes);
    EXPECT_EQ(messages.boxes()[1].answer, MessageAnswer::Cancel);
}

} // namespace
} // namespace korvel
