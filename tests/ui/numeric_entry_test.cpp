#include "ui/numeric_entry.h"

#include <gtest/gtest.h>

#include "platform/recording_messages.h"

namespace korvel {
namespace {

using Kind = MessageEvent::Kind;

TEST(ReadRequiredNumber, AcceptsNonNegativeNumbersSilently) {
    struct Case {
        const char* text;
        std::size_t charactersRead;
        double value;
    };
    const Case cases[] = {
        {"12.5", 5, 12.5}, {"", 5, 0},          {"-0", 5, 0},   {"+7", 5, 7},
        {".", 5, 0},       {"123456", 4, 1234}, {"12x", 2, 12}, // cut before the bad character
    };
    for (const Case& c : cases) {
        RecordingMessages messages;
        const auto value = readRequiredNumber(c.text, c.charactersRead, messages);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(*value, c.value) << c.text;
        EXPECT_TRUE(messages.events().empty()) << c.text;
    }
}

TEST(ReadRequiredNumber, RefusesWithBeepThenWarning) {
    for (const char* text : {"-1", "abc", "1.2.3", "-.5", " 5"}) {
        RecordingMessages messages;
        EXPECT_FALSE(readRequiredNumber(text, 5, messages).has_value()) << text;
        const std::vector<MessageEvent> expected = {
            {Kind::Beep},
            {Kind::Box, "Invalid data.", "Korvel", MessageIcon::Warning, MessageButtons::Ok,
             MessageAnswer::Ok},
        };
        EXPECT_EQ(messages.events(), expected) << text;
    }
}

class ReadLimitedNumber : public ::testing::Test {
  protected:
    // One page pass: flags set, one field read.
    double readOnce(const char* text, LimitedField field) {
        state.beginReading();
        return readLimitedNumber(state, text, field);
    }

    NumericEntryState state;
};

TEST_F(ReadLimitedNumber, StartsValidInRangeNotWarnedWithBoundsAtOne) {
    for (std::size_t i = 0; i < kLimitedFieldCount; ++i) {
        const FieldStatus& status = state.status(static_cast<LimitedField>(i));
        EXPECT_TRUE(status.valid && status.inRange && !status.warned) << i;
    }
    EXPECT_EQ(state.limits(LimitedField::HopLength).lower, 1.0);
    EXPECT_EQ(state.limits(LimitedField::ChannelSpacing).upper, 1.0);
    EXPECT_TRUE(state.allFieldsValid());
    EXPECT_TRUE(state.allFieldsInRange());
}

TEST_F(ReadLimitedNumber, BoundsAreInclusive) {
    struct Case {
        const char* name;
        LimitedField field;
        const char* text;
        bool inRange;
    };
    const Case cases[] = {
        {"objectiveAtLower", LimitedField::OutageObjective, ".0005", true},
        {"objectiveAtUpper", LimitedField::OutageObjective, "0.02", true},
        {"objectiveAbove", LimitedField::OutageObjective, "0.021", false},
        {"hopLengthAtUpper", LimitedField::HopLength, "100", true},
        {"antennaHeightBelow", LimitedField::Antenna1Height, "9.99", false},
        {"antennaHeightAtUpper", LimitedField::Antenna2Height, "999", true},
        {"branchingLossAtLower", LimitedField::BranchingLoss, "1", true},
        {"spacingAbove", LimitedField::AntennaSpacing, "23.1", false},
        {"marginAtLower", LimitedField::SelectiveFadingMargin, "20", true},
        {"feederAbove", LimitedField::Feeder1Length, "201", false},
        {"feederAtLower", LimitedField::Feeder2Length, "5", true},
        {"pLAtUpper", LimitedField::TimePercentagePL, "80", true},
        {"pLBelow", LimitedField::TimePercentagePL, ".4", false},
        {"rainAtUpper", LimitedField::RainRate, "200", true},
        {"rainCutTo3Characters", LimitedField::RainRate, "2000", true},
    };
    for (const Case& c : cases) {
        NumericEntryState fresh;
        fresh.beginReading();
        readLimitedNumber(fresh, c.text, c.field);
        EXPECT_TRUE(fresh.status(c.field).valid) << c.name;
        EXPECT_EQ(fresh.status(c.field).inRange, c.inRange) << c.name;
        EXPECT_EQ(fresh.allFieldsInRange(), c.inRange) << c.name;
        EXPECT_TRUE(fresh.allFieldsValid()) << c.name;
    }
}

TEST_F(ReadLimitedNumber, EmptyFieldIsZeroAndWarnsWhereZeroIsOutside) {
    for (std::size_t i = 0; i < kLimitedFieldCount; ++i) {
        const auto field = static_cast<LimitedField>(i);
        const bool zeroInside = field == LimitedField::AdditionalTerrainLoss ||
                                field == LimitedField::ThresholdDegradation ||
                                field == LimitedField::ChannelSpacing;
        EXPECT_EQ(readOnce("", field), 0.0) << i;
        EXPECT_TRUE(state.status(field).valid) << i;
        EXPECT_EQ(state.allFieldsInRange(), zeroInside) << i;
        EXPECT_EQ(state.status(field).warned, !zeroInside) << i;
    }
}

TEST_F(ReadLimitedNumber, NotANonNegativeNumberMarksInvalidOnly) {
    for (const char* text : {"-1", "x", "1.2.3"}) {
        NumericEntryState fresh;
        fresh.beginReading();
        readLimitedNumber(fresh, text, LimitedField::HopLength);
        EXPECT_FALSE(fresh.allFieldsValid()) << text;
        EXPECT_FALSE(fresh.status(LimitedField::HopLength).valid) << text;
        EXPECT_TRUE(fresh.allFieldsInRange()) << text;
        EXPECT_FALSE(fresh.status(LimitedField::HopLength).warned) << text;
    }
    EXPECT_EQ(readOnce("-0", LimitedField::ThresholdDegradation), 0.0);
    EXPECT_TRUE(state.allFieldsValid());
}

TEST_F(ReadLimitedNumber, OutOfRangeWarnsOnceUntilNew) {
    EXPECT_EQ(readOnce("150", LimitedField::HopLength), 150.0);
    EXPECT_FALSE(state.allFieldsInRange());
    EXPECT_FALSE(state.status(LimitedField::HopLength).inRange);
    EXPECT_TRUE(state.status(LimitedField::HopLength).warned);

    EXPECT_EQ(readOnce("0.5", LimitedField::HopLength), 0.5); // another out-of-range value
    EXPECT_TRUE(state.allFieldsInRange());
    EXPECT_TRUE(state.status(LimitedField::HopLength).inRange);

    state.resetForNew();
    readOnce("150", LimitedField::HopLength);
    EXPECT_FALSE(state.allFieldsInRange());
}

TEST_F(ReadLimitedNumber, InvalidReadingKeepsTheWarnedMark) {
    readOnce("150", LimitedField::HopLength);
    readOnce("abc", LimitedField::HopLength);
    readOnce("150", LimitedField::HopLength);
    EXPECT_TRUE(state.allFieldsInRange());
}

TEST_F(ReadLimitedNumber, CharactersReadCutTheEntry) {
    EXPECT_EQ(readOnce("123456", LimitedField::HopLength), 1234.0);
    EXPECT_FALSE(state.allFieldsInRange());

    EXPECT_EQ(readOnce("0.0005", LimitedField::OutageObjective), 0.0); // read as 0.000
    EXPECT_FALSE(state.allFieldsInRange());

    NumericEntryState fresh;
    EXPECT_DOUBLE_EQ(readLimitedNumber(fresh, ".0005", LimitedField::OutageObjective), 0.0005);
    EXPECT_TRUE(fresh.allFieldsInRange());

    // A count given by the page overrides the table's.
    EXPECT_EQ(readLimitedNumber(fresh, "123456", LimitedField::AntennaSpacing, 2), 12.0);
    EXPECT_TRUE(fresh.allFieldsInRange());
}

TEST_F(ReadLimitedNumber, AdjustableBoundsFollowThePages) {
    state.setHopLengthLowerKm(15.0 / 38.0);
    readOnce("0.3", LimitedField::HopLength);
    EXPECT_FALSE(state.allFieldsInRange());

    state.setChannelSpacingUpperGHz(0.05 * 7.0);
    readOnce("0.35", LimitedField::ChannelSpacing);
    EXPECT_TRUE(state.allFieldsInRange());
    readOnce("0.36", LimitedField::ChannelSpacing);
    EXPECT_FALSE(state.allFieldsInRange());

    state.resetForNew();
    EXPECT_EQ(state.limits(LimitedField::HopLength).lower, 1.0);
    EXPECT_EQ(state.limits(LimitedField::ChannelSpacing).upper, 1.0);
}

TEST_F(ReadLimitedNumber, RouteHopChangeClearsWarningsOfTheFirstTenOnly) {
    for (std::size_t i = 0; i < kLimitedFieldCount; ++i) {
        readOnce("99999", static_cast<LimitedField>(i));
    }
    readOnce("-5", LimitedField::Antenna1Height); // leaves an invalid mark
    state.clearWarningsForNewRouteHop();
    for (std::size_t i = 0; i < kLimitedFieldCount; ++i) {
        EXPECT_EQ(state.status(static_cast<LimitedField>(i)).warned, i >= 10) << i;
    }
    EXPECT_FALSE(state.status(LimitedField::Antenna1Height).valid);

    readOnce("99999", LimitedField::SelectiveFadingMargin);
    EXPECT_FALSE(state.allFieldsInRange());
    readOnce("99999", LimitedField::Feeder1Length);
    EXPECT_TRUE(state.allFieldsInRange());
}

} // namespace
} // namespace korvel
