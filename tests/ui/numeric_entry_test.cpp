#include "ui/numeric_entry.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "platform/recording_messages.h"

namespace korvel {
namespace {

using F = LimitedField;

// Value -1: refused with a beep, then a warning. "123456" is read to 4 characters, "12x" to 2.
TEST(ReadRequiredNumber, AcceptsNonNegativeNumbersSilentlyAndRefusesTheRest) {
    const std::vector<MessageEvent> refusal{{MessageEvent::Kind::Beep},
                                            {MessageEvent::Kind::Box, "Invalid data.", "Korvel",
                                             MessageIcon::Warning, MessageButtons::Ok,
                                             MessageAnswer::Ok}};
    for (auto [text, chars, value] : {std::tuple{"12.5", 5, 12.5},
                                      {"", 5, 0.0},
                                      {"-0", 5, 0.0},
                                      {"+7", 5, 7.0},
                                      {".", 5, 0.0},
                                      {"123456", 4, 1234.0},
                                      {"12x", 2, 12.0},
                                      {"-1", 5, -1.0},
                                      {"abc", 5, -1.0},
                                      {"1.2.3", 5, -1.0},
                                      {"-.5", 5, -1.0},
                                      {" 5", 5, -1.0}}) {
        RecordingMessages messages;
        const auto read = readRequiredNumber(text, static_cast<std::size_t>(chars), messages);
        EXPECT_EQ(read.value_or(-1.0), value) << text;
        EXPECT_EQ(messages.events(), value < 0 ? refusal : std::vector<MessageEvent>{}) << text;
    }
}

class ReadLimitedNumber : public ::testing::Test {
  protected:
    // One page pass: flags set, one field read.
    double readOnce(const char* text, F field) {
        state.beginReading();
        return readLimitedNumber(state, text, field);
    }
    bool warned(F field) const { return state.status(field).warned; }

    NumericEntryState state;
};

// One reading from New: every bound of the limits table is inclusive, an entry is cut to the
// table's character count ("100.5" reads as 100, "0.0005" as 0.000 and "2000" as 200), and a text
// that is not a non-negative number only marks the field invalid. Outcome: 'i' in range, 'o' out
// of range (and warned), 'x' invalid.
TEST_F(ReadLimitedNumber, FirstReading) {
    using enum LimitedField;
    using Row = std::tuple<F, const char*, char>;
    const Row rows[] = {{OutageObjective, ".0005", 'i'},
                        {OutageObjective, "0.0005", 'o'},
                        {OutageObjective, "0.02", 'i'},
                        {OutageObjective, "0.021", 'o'},
                        {HopLength, "100.5", 'i'},
                        {Antenna1Height, "9.99", 'o'},
                        {Antenna2Height, "999", 'i'},
                        {BranchingLoss, "1", 'i'},
                        {ThresholdDegradation, "-0", 'i'},
                        {AntennaSpacing, "23.1", 'o'},
                        {SelectiveFadingMargin, "20", 'i'},
                        {Feeder1Length, "201", 'o'},
                        {Feeder2Length, "5", 'i'},
                        {TimePercentagePL, "80", 'i'},
                        {TimePercentagePL, ".4", 'o'},
                        {RainRate, "2000", 'i'},
                        {HopLength, "-1", 'x'},
                        {HopLength, "1.2.3", 'x'}};
    for (auto [field, text, outcome] : rows) {
        state = NumericEntryState{};
        readLimitedNumber(state, text, field);
        const FieldStatus& status = state.status(field);
        EXPECT_EQ(status.valid && state.allFieldsValid(), outcome != 'x') << text;
        EXPECT_EQ(status.inRange && state.allFieldsInRange(), outcome != 'o') << text;
        EXPECT_EQ(status.warned || !state.allFieldsInRange(), outcome == 'o') << text;
    }
    EXPECT_EQ(readLimitedNumber(state, "123456", HopLength), 1234.0);
    EXPECT_EQ(readLimitedNumber(state, "123456", AntennaSpacing, 2), 12.0); // the page's count
}

TEST_F(ReadLimitedNumber, EmptyFieldIsZeroAndWarnsWhereZeroIsOutside) {
    for (std::size_t i = 0; i < kLimitedFieldCount; ++i) {
        const auto field = static_cast<F>(i);
        const bool zeroInside = field == F::AdditionalTerrainLoss ||
                                field == F::ThresholdDegradation || field == F::ChannelSpacing;
        EXPECT_EQ(readOnce("", field), 0.0) << i;
        EXPECT_EQ(state.allFieldsInRange(), zeroInside) << i;
        EXPECT_EQ(warned(field), !zeroInside) << i;
    }
}

// Once warned, a field accepts any out-of-range value until New, even after an invalid reading.
TEST_F(ReadLimitedNumber, OutOfRangeWarnsOnceUntilNew) {
    EXPECT_EQ(readOnce("150", F::HopLength), 150.0);
    EXPECT_FALSE(state.allFieldsInRange() || state.status(F::HopLength).inRange);
    EXPECT_TRUE(warned(F::HopLength));
    readOnce("abc", F::HopLength);
    EXPECT_EQ(readOnce("0.5", F::HopLength), 0.5);
    EXPECT_TRUE(state.allFieldsInRange() && state.status(F::HopLength).inRange);
    state.resetForNew();
    readOnce("150", F::HopLength);
    EXPECT_FALSE(state.allFieldsInRange());
}

TEST_F(ReadLimitedNumber, AdjustableBoundsFollowThePagesUntilNew) {
    state.setHopLengthLowerKm(15.0 / 38.0);
    readOnce("0.3", F::HopLength);
    EXPECT_FALSE(state.allFieldsInRange());
    state.setChannelSpacingUpperGHz(0.05 * 7.0);
    readOnce("0.35", F::ChannelSpacing);
    EXPECT_TRUE(state.allFieldsInRange());
    readOnce("0.36", F::ChannelSpacing);
    EXPECT_FALSE(state.allFieldsInRange());
    state.resetForNew();
    EXPECT_EQ(state.limits(F::HopLength).lower, 1.0);
    EXPECT_EQ(state.limits(F::ChannelSpacing).upper, 1.0);
}

TEST_F(ReadLimitedNumber, RouteHopChangeClearsWarningsOfTheFirstTenOnly) {
    for (std::size_t i = 0; i < kLimitedFieldCount; ++i) {
        readOnce("99999", static_cast<F>(i));
    }
    readOnce("-5", F::Antenna1Height); // leaves an invalid mark
    state.clearWarningsForNewRouteHop();
    for (std::size_t i = 0; i < kLimitedFieldCount; ++i) {
        EXPECT_EQ(warned(static_cast<F>(i)), i >= 10) << i;
    }
    EXPECT_FALSE(state.status(F::Antenna1Height).valid);
    readOnce("99999", F::SelectiveFadingMargin); // warned again
    EXPECT_FALSE(state.allFieldsInRange());
}

} // namespace
} // namespace korvel
