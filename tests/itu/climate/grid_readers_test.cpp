// The readers under the import: SHA-256 against the FIPS 180-4 examples, the text grids and the
// NumPy arrays with the faults a downloaded or hand-edited file may have.
#include <gtest/gtest.h>

#include <string>

#include "itu/climate/grid_array.h"
#include "itu/climate/sha256.h"
#include "support/synthetic_climate.h"

namespace korvel {
namespace {

std::span<const std::uint8_t> bytesOf(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(Sha256, GivesThePublishedDigests) {
    EXPECT_EQ(sha256Hex(sha256(bytesOf(""))),
              "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(sha256Hex(sha256(bytesOf("abc"))),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    // 56 bytes: the length no longer fits the first padded block.
    EXPECT_EQ(
        sha256Hex(sha256(bytesOf("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"))),
        "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(sha256Hex(sha256(bytesOf(std::string(1000000, 'a')))),
              "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

TEST(TextGrid, ReadsBlankOrCommaSeparatedRowsWithWindowsLineEnds) {
    const auto read = readTextGrid(bytesOf("1 2.5\t-3e2\r\n\r\n+4,5,6\r\n"));
    ASSERT_TRUE(read.array) << read.error;
    EXPECT_EQ(read.array->rows, 2u);
    EXPECT_EQ(read.array->columns, 3u);
    EXPECT_EQ(read.array->values, (std::vector<double>{1, 2.5, -300, 4, 5, 6}));
}

TEST(TextGrid, NamesTheLineOfAWordACutRowOrNoNumbers) {
    EXPECT_EQ(readTextGrid(bytesOf("1 2\n3 x4\n")).error, "line 2: \"x4\" is not a number");
    EXPECT_EQ(readTextGrid(bytesOf("1 2\n3 4-\n")).error, "line 2: \"4-\" is not a number");
    EXPECT_EQ(readTextGrid(bytesOf("1 2\n3 nan\n")).error, "line 2: \"nan\" is not a number");
    EXPECT_EQ(readTextGrid(bytesOf("1 2 3\n4 5 6\n7 8")).error,
              "line 3: 2 values where the first row has 3 (cut short?)");
    EXPECT_EQ(readTextGrid(bytesOf(" \n")).error, "no numbers in the file");
}

// A long grid asks now and then whether to stop (300 000 values: four times) and stops at once
// when told, giving no array.
TEST(TextGrid, AsksWhetherToStopOnTheWayAndStopsWhenTold) {
    const std::string grid = test::uniformGridText(300, 1000);
    for (const int stopAt : {0, 2}) {
        int asked = 0;
        const auto read = readTextGrid(bytesOf(grid), [&] { return ++asked == stopAt; });
        EXPECT_EQ(asked, stopAt == 0 ? 4 : stopAt);
        EXPECT_EQ(read.array.has_value(), stopAt == 0);
        EXPECT_EQ(read.error, stopAt == 0 ? "" : kStoppedRead);
    }
}

TEST(NpyArray, ReadsFloatsAndIntegersInEitherOrder) {
    const auto f8 = readNpyArray(bytesOf(test::npyImage(2, 3, {1, 2, 3, 4, 5, 6.5})));
    ASSERT_TRUE(f8.array) << f8.error;
    EXPECT_EQ(f8.array->rows, 2u);
    EXPECT_EQ(f8.array->values, (std::vector<double>{1, 2, 3, 4, 5, 6.5}));

    // Four little-endian int16 in Fortran order: columns first.
    std::string image = test::npyImage(2, 2, {}, "<i2");
    image.replace(image.find("False"), 5, "True ");
    for (const int value : {-1, 3, 2, 4}) {
        image += static_cast<char>(value & 0xFF);
        image += static_cast<char>((value >> 8) & 0xFF);
    }
    const auto i2 = readNpyArray(bytesOf(image));
    ASSERT_TRUE(i2.array) << i2.error;
    EXPECT_EQ(i2.array->values, (std::vector<double>{-1, 2, 3, 4}));
}

TEST(NpyArray, RefusesTextsObjectsAndCutArrays) {
    EXPECT_EQ(readNpyArray(bytesOf(test::npyImage(1, 2, {}, "<U3"))).error,
              "not a numeric array (element type '<U3')");
    EXPECT_EQ(readNpyArray(bytesOf(test::npyImage(1, 2, {}, "|O"))).error,
              "not a numeric array (element type '|O')");
    std::string cut = test::npyImage(2, 2, {1, 2, 3, 4});
    cut.pop_back();
    EXPECT_EQ(readNpyArray(bytesOf(cut)).error, "the array is cut short");
    EXPECT_EQ(readNpyArray(bytesOf("PK\3\4 not an array")).error, "not a NumPy array");
}

} // namespace
} // namespace korvel
