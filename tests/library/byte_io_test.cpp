#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "library/byte_io.h"

namespace korvel {
namespace {

TEST(ByteIo, WritesLittleEndianAndReadsBack) {
    std::vector<std::uint8_t> image;
    ByteWriter out(image);
    out.writeI16(-2);
    out.writeF64(1.0);
    out.zeros(2);
    FixedText<6> text;
    text.assign("ab");
    text.bytes[4] = 'x'; // after the terminator, kept as it is
    out.writeText(text);

    const std::vector<std::uint8_t> expected{0xFE, 0xFF, 0, 0,   0,   0, 0, 0,   0xF0,
                                             0x3F, 0,    0, 'a', 'b', 0, 0, 'x', 0};
    EXPECT_EQ(image, expected);

    ByteReader in(image);
    EXPECT_EQ(in.readI16(), -2);
    EXPECT_EQ(in.readF64(), 1.0);
    in.skip(2);
    FixedText<6> back;
    in.readText(back);
    EXPECT_EQ(back, text);
    EXPECT_TRUE(in.ok());
    EXPECT_EQ(in.remaining(), 0u);
}

TEST(ByteIo, ReadingPastTheEndReadsNothingAndStaysFailed) {
    const std::vector<std::uint8_t> image{1, 2, 3};
    ByteReader in(image);
    EXPECT_EQ(in.readI16(), 0x0201);
    EXPECT_EQ(in.readI16(), 0);
    EXPECT_FALSE(in.ok());
    EXPECT_EQ(in.position(), 2u);
    // Even a read that would fit is refused once the reader has failed.
    EXPECT_TRUE(in.readBytes(1).empty());
    EXPECT_FALSE(in.ok());
}

TEST(ByteIo, ShortTextAndSkipPastTheEndFail) {
    const std::vector<std::uint8_t> image{'a', 'b'};
    ByteReader text(image);
    FixedText<4> value;
    text.readText(value);
    EXPECT_FALSE(text.ok());
    EXPECT_TRUE(value.empty());

    ByteReader skip(image);
    skip.skip(3);
    EXPECT_FALSE(skip.ok());
    EXPECT_EQ(skip.readF64(), 0.0);
}

} // namespace
} // namespace korvel
