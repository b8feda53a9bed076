// Numeric entry and display formatting: reading fields, numeric text, whole numbers, fixed-point
// text, route file names.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "fields/format_fixed.h"
#include "fields/numeric_entry.h"
#include "fields/numeric_text.h"
#include "fields/page_field_text.h"
#include "fields/route_file_name.h"
#include "fields/whole_number.h"
#include "support/recording_messages.h"

namespace korvel {
namespace {

using F = PageField;

std::vector<PageFieldRow> limitedRows() {
    std::vector<PageFieldRow> rows;
    std::copy_if(kPageFieldRows.begin(), kPageFieldRows.end(), std::back_inserter(rows),
                 [](const PageFieldRow& row) { return row.limited.has_value(); });
    return rows;
}

// Value -1: refused with a beep, then a warning. The whole text is read: nothing is cut.
TEST(ReadRequiredNumber, AcceptsNonNegativeNumbersSilentlyAndRefusesTheRest) {
    const std::vector<MessageEvent> refusal{
        {MessageEvent::Kind::Beep},
        {.text = "Invalid data.", .caption = "Korvel", .icon = MessageIcon::Warning}};
    const std::pair<const char*, double> cases[] = {
        {"12.5", 12.5}, {"", 0},    {"-0", 0},   {"123456", 123456}, {"0.00125", 0.00125},
        {"12x", -1},    {"-1", -1}, {"abc", -1}, {"-.5", -1}};
    for (auto [text, value] : cases) {
        RecordingMessages messages;
        const auto read = readRequiredNumber(text, messages);
        EXPECT_EQ(read.value_or(-1.0), value) << text;
        EXPECT_EQ(messages.events(), value < 0 ? refusal : std::vector<MessageEvent>{}) << text;
    }
}

class ReadLimitedNumber : public ::testing::Test {
  protected:
    // One page pass: flags set, one field read, the note shown when it is out of range. Answers
    // whether all fields were in range.
    bool readOnce(const char* text, F field) {
        state.beginReading();
        readLimitedNumber(state, text, field);
        if (!state.status(field).inRange) {
            state.markWarned(field);
        }
        return state.allFieldsInRange();
    }

    NumericEntryState state;
};

// One reading from New: every bound of the limits table is inclusive, an entry is read whole
// (fixed: "100.5" was cut to 100, "0.0005" to 0.000 and "2000" to 200), and a text that is not a
// non-negative number only marks the field invalid. Outcome: 'i' in range, 'o' out of range (not
// yet warned: only the note marks that), 'x' invalid.
TEST_F(ReadLimitedNumber, FirstReading) {
    using enum PageField;
    using Row = std::tuple<F, const char*, char>;
    const Row rows[] = {{OutageObjective, ".0005", 'i'},   {OutageObjective, "0.0005", 'i'},
                        {OutageObjective, "0.02", 'i'},    {OutageObjective, "0.021", 'o'},
                        {HopLength, "100.5", 'o'},         {HopLength, "-1", 'x'},
                        {HopLength, "1.2.3", 'x'},         {Antenna1Height, "9.99", 'o'},
                        {Antenna2Height, "999", 'i'},      {BranchingLoss, "1", 'i'},
                        {ThresholdDegradation, "-0", 'i'}, {AntennaSpacing, "23.1", 'o'},
                        {SelectiveMargin, "20", 'i'},      {Feeder1Length, "201", 'o'},
                        {Feeder2Length, "5", 'i'},         {TimePercentagePL, "80", 'i'},
                        {TimePercentagePL, ".4", 'o'},     {RainRate, "2000", 'o'}};
    for (auto [field, text, outcome] : rows) {
        state = NumericEntryState{};
        readLimitedNumber(state, text, field);
        const FieldStatus& status = state.status(field);
        EXPECT_EQ(status.valid && state.allFieldsValid(), outcome != 'x') << text;
        EXPECT_EQ(status.inRange && state.allFieldsInRange(), outcome != 'o') << text;
        EXPECT_FALSE(status.warned) << text;
    }
    EXPECT_EQ(readLimitedNumber(state, "123456", HopLength), 123456.0);
    EXPECT_EQ(readLimitedNumber(state, "0.00125", OutageObjective), 0.00125);
}

TEST_F(ReadLimitedNumber, EmptyFieldIsZeroAndWarnsWhereZeroIsOutside) {
    for (const PageFieldRow& row : limitedRows()) {
        const bool zeroInside = row.field == F::TerrainLoss ||
                                row.field == F::ThresholdDegradation ||
                                row.field == F::ChannelSpacing;
        EXPECT_EQ(readOnce("", row.field), zeroInside) << row.limited->label;
        EXPECT_EQ(state.status(row.field).warned, !zeroInside) << row.limited->label;
    }
}

// Once warned, a field accepts any out-of-range value until New, even after an invalid reading;
// a hop change in a route clears the warned marks of all but pL, the feeder lengths and the rain
// rate.
TEST_F(ReadLimitedNumber, WarnsOnceUntilNewOrARouteHopChange) {
    EXPECT_FALSE(readOnce("150", F::HopLength) || state.status(F::HopLength).inRange);
    readOnce("abc", F::HopLength);
    EXPECT_TRUE(readOnce("0.5", F::HopLength) && state.status(F::HopLength).inRange);
    state.resetForNew();
    for (const PageFieldRow& row : limitedRows()) {
        EXPECT_FALSE(readOnce("99999", row.field)) << row.limited->label;
    }
    readOnce("-5", F::Antenna1Height); // leaves an invalid mark
    state.clearWarningsForNewRouteHop();
    for (const PageFieldRow& row : limitedRows()) {
        const bool kept = row.field == F::TimePercentagePL || row.field == F::Feeder1Length ||
                          row.field == F::Feeder2Length || row.field == F::RainRate;
        EXPECT_EQ(state.status(row.field).warned, kept) << row.limited->label;
    }
    EXPECT_FALSE(state.status(F::Antenna1Height).valid);
}

TEST_F(ReadLimitedNumber, AdjustableBoundsFollowThePagesUntilNew) {
    state.followFrequency(38);
    EXPECT_FALSE(readOnce("0.3", F::HopLength)); // below 15 / 38 GHz
    EXPECT_TRUE(readOnce("0.4", F::HopLength));
    state.followFrequency(7);
    EXPECT_TRUE(readOnce("0.35", F::ChannelSpacing)); // 0.05 x 7 GHz
    EXPECT_FALSE(readOnce("0.36", F::ChannelSpacing));
    state.followFrequency(0); // no frequency yet: the hop length keeps its bound
    EXPECT_DOUBLE_EQ(state.limits(F::HopLength).lower, 15.0 / 7.0);
    state.resetForNew();
    EXPECT_EQ(state.limits(F::HopLength).lower, 1.0);
    EXPECT_EQ(state.limits(F::ChannelSpacing).upper, 1.0);
}

TEST(NumericText, FormsAndLeadingValue) {
    for (const char* text : {"12", "-12", "12.", ".5", "-.5", "", "+", "-", ".", "007"}) {
        EXPECT_TRUE(isNumericText(text)) << '"' << text << '"';
    }
    for (const char* text : {"1.2.3", "5-", "+-5", "1e5", " 5", "5 ", "1,5", "12a", "\2615"}) {
        EXPECT_FALSE(isNumericText(text)) << '"' << text << '"';
    }
    const std::pair<const char*, double> values[] = {
        {"", 0},        {"-.", 0}, {"+3.25", 3.25}, {"-.5", -0.5}, {"0.0005", 5e-4},
        {"1.2.3", 1.2}, {"5-", 5}, {"1e5", 1},      {"abc", 0},    {"007.50", 7.5}};
    for (auto [text, value] : values) {
        EXPECT_DOUBLE_EQ(numericTextValue(text), value) << '"' << text << '"';
    }
    EXPECT_FALSE(std::signbit(numericTextValue("-0")) || std::signbit(numericTextValue("-.0")));
    // Hundreds of digits stay within double.
    EXPECT_TRUE(std::isinf(numericTextValue(std::string(400, '9'))));
    EXPECT_EQ(numericTextValue("0." + std::string(400, '0') + "1"), 0.0);
}

// Half away from zero, on the binary value: 0.15 and 1.005 lie just below their halves.
// -1: not a whole number (or, for the short reading, not one that fits 16 bits).
TEST(WholeNumber, SignAndDigitsOnly) {
    const std::tuple<const char*, int, int> cases[] = {
        {"180", 180, 180}, {" -6", -6, -6}, {"+7", 7, 7},         {"-0", 0, 0},
        {"", -1, -1},      {"7 ", -1, -1},  {"1.0", -1, -1},      {"+-5", -1, -1},
        {"-", -1, -1},     {"x", -1, -1},   {"40000", 40000, -1}, {"99999999999", -1, -1}};
    for (const auto& [text, whole, shortWhole] : cases) {
        EXPECT_EQ(readWholeNumber(text).value_or(-1), whole) << text;
        EXPECT_EQ(readShortWholeNumber(text).value_or(std::int16_t{-1}), shortWhole) << text;
    }
}

TEST(FormatFixed, RoundingWidthAndSpecialValues) {
    using limits = std::numeric_limits<double>;
    const std::tuple<double, int, const char*> cases[] = {
        {12.345, 1, "12.3"}, {0.05, 4, "0.0500"}, {-0.0, 1, "0.0"},
        {-0.04, 1, "-0.0"},  {0.25, 1, "0.3"},    {-2.5, 0, "-3."},
        {0.15, 1, "0.1"},    {9.96, 1, "10.0"},   {1.005, 2, "1.00"},
        {12.4, 0, "12."},    {12.4, -2, "12."},   {-limits::infinity(), 1, "-inf"}};
    for (auto [value, decimals, text] : cases) {
        EXPECT_EQ(formatFixed(value, decimals), text) << value << " " << decimals;
    }
    EXPECT_EQ(formatFixed(limits::infinity(), 1), "inf");
    EXPECT_EQ(formatFixed(limits::quiet_NaN(), 1), "nan");
    EXPECT_EQ(formatFixed(1e20, 1), "100000000000000000000.0");
    EXPECT_EQ(formatFixed(1e22, 4), "10000000000000000000000.0"); // decimals dropped to one
    EXPECT_EQ(formatFixed(1e24, 2), "999999999999999983222784.");
    EXPECT_EQ(formatFixed(limits::denorm_min(), 24), "0.000000000000000000000000");
    const std::string largest = formatFixed(-limits::max(), 4);
    EXPECT_EQ(largest.size(), 1u + 309u + 1u);
    EXPECT_EQ(largest.substr(0, 5) + largest.back(), "-1797.");
}

// Each field as its page writes it: the objective with 4 decimals, pL 2, the channel spacing 3,
// the rest 1; longitude, latitude and the rain rate as whole numbers, rounded half away.
TEST(PageFieldText, EachFieldWithItsDecimals) {
    const std::tuple<PageField, double, const char*> cases[] = {
        {F::OutageObjective, 0.00125, "0.0013"},
        {F::TimePercentagePL, 12.346, "12.35"},
        {F::ChannelSpacing, 0.0286, "0.029"},
        {F::Antenna1Height, 29.96, "30.0"},
        {F::Station1Height, -3.04, "-3.0"},
        {F::Longitude, 24.5, "25"},
        {F::Latitude, -60.4, "-60"},
        {F::RainRate, 42, "42"}};
    for (const auto& [field, value, text] : cases) {
        EXPECT_EQ(pageFieldText(field, value), text) << value;
    }
}

TEST(RouteFileName, AcceptedAndRefused) {
    using std::string;
    for (const string& text : {string("LINK 1.HOP"), string("_$%@-+'(){}^#&!`~. 09azAZ"),
                               string("\xE4\xC4\xF6\xD6\xE5\xC5.HOP"), string(252, 'X')}) {
        EXPECT_TRUE(isRouteFileName(text)) << text;
    }
    for (const string& text :
         {string(), string("LINK:1"), string("DIR\\LINK.HOP"), string("a/b"), string("a*b"),
          string("a?b"), string("a\"b"), string("a<b"), string("a\tb"), string("\xE9t\xE9.HOP"),
          string("\xDC"), string(253, 'X'), string("a\0b", 3)}) {
        EXPECT_FALSE(isRouteFileName(text)) << text;
    }
}

} // namespace
} // namespace korvel
