#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "hopfile/rain_dialog_rules.h"
#include "support/recording_messages.h"

namespace korvel {
namespace {

TEST(RainDialogRules, RateIsReadAsTheDialogReadsIt) {
    const std::string notInteger = "Rainrate must be a positive integer.";
    const struct {
        const char* text;
        bool acceptNote;
        std::string lists; // titles of the list dialogs shown
        std::string message;
        std::optional<std::int16_t> rate;
    } cases[] = {
        {"10", false, "", "", 10},
        {"200", false, "", "", 200},
        {"9", true, "Note!", "", 9},
        {"250", false, "Note!", "", std::nullopt},
        // Mended: the limits saw "100" of "1000", so the note never came.
        {"1000", true, "Note!", "", 1000},
        {"12.5", false, "", notInteger, std::nullopt},
        {"", true, "Note!", notInteger, std::nullopt},
        {"heavy", false, "Error!", "", std::nullopt},
        {"-5", false, "Error!", "", std::nullopt},
        // Mended: a rate past 16 bits was kept as a wrapped, negative rate.
        {"40000", true, "Note!", notInteger, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        NumericEntryState entry;
        RecordingMessages messages;
        std::string lists;
        const auto showList = [&](const FieldListNotice& notice) {
            lists += notice.title;
            EXPECT_EQ(notice.names.size(), 1u);
            EXPECT_EQ(notice.okEnabled, notice.title == "Note!");
            return c.acceptNote;
        };
        EXPECT_EQ(readRainRate(c.text, entry, showList, messages), c.rate);
        EXPECT_EQ(lists, c.lists);
        EXPECT_EQ(messages.boxes().empty() ? "" : messages.boxes()[0].text, c.message);
    }
}

TEST(RainDialogRules, OfferedFrom6GHz) {
    for (const auto& [frequencyGHz, offered] :
         {std::pair{5.99, false}, {6.0, true}, {23.0, true}}) {
        HopRecord record;
        record.frequencyGHz = frequencyGHz;
        RecordingMessages messages;
        EXPECT_EQ(rainDialogOffered(record, messages), offered) << frequencyGHz;
        EXPECT_EQ(messages.boxes().size(), offered ? 0u : 1u);
    }
}

} // namespace
} // namespace korvel
