#include "platform/console/console_messages.h"

#include <gtest/gtest.h>

#include <sstream>

namespace korvel {
namespace {

TEST(ConsoleMessages, WritesCaptionAndTextInUtf8AndTakesTheDefault) {
    std::ostringstream out;
    ConsoleMessages messages(out);
    EXPECT_EQ(messages.show("Invalid data."), MessageAnswer::Ok);
    EXPECT_EQ(messages.show("Fil \xE5pnad \x80", "Note!", MessageIcon::Warning,
                            MessageButtons::YesNoCancel),
              MessageAnswer::Yes);
    EXPECT_EQ(messages.show("Bare text", "", MessageIcon::None, MessageButtons::OkCancel),
              MessageAnswer::Ok);
    messages.beep();
    EXPECT_EQ(out.str(), "Korvel: Invalid data.\n"
                         "Note!: Fil \u00E5pnad \u20AC\n"
                         "Bare text\n");
}

} // namespace
} // namespace korvel
