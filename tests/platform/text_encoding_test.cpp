#include "platform/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace korvel {
namespace {

TEST(TextEncoding, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(TextEncoding, ByteToCharacter) {
    struct Case {
        const char* name;
        std::string cp1252;
        std::string utf8;
    };
    const Case cases[] = {
        {"ascii", "LINK 1.HOP", "LINK 1.HOP"},
        {"euro", "\x80", "\u20AC"},
        {"nordicLetters", "\xE4\xC4\xF6\xD6\xE5\xC5", "\u00E4\u00C4\u00F6\u00D6\u00E5\u00C5"},
        {"trademarkAndQuotes", "\x99\x93\x94", "\u2122\u201C\u201D"},
        {"lastOfBlock", "\x9F", "\u0178"},
        {"undefinedBecomesC1", "\x81\x9D", "\xC2\x81\xC2\x9D"},
        {"noBreakSpaceAndY", "\xA0\xFF", "\u00A0\u00FF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cp1252ToUtf8(c.cp1252), c.utf8) << c.name;
        EXPECT_EQ(utf8ToCp1252(c.utf8), c.cp1252) << c.name;
    }
}

TEST(TextEncoding, CharactersOutsideWindows1252BecomeQuestionMarks) {
    EXPECT_EQ(utf8ToCp1252("\u20AC 5"), "\x80 5");
    EXPECT_EQ(utf8ToCp1252("1 k\u03A9"), "1 k?");
    EXPECT_EQ(utf8ToCp1252("\U0001F4E1x"), "?x"); // four-byte character
    EXPECT_EQ(utf8ToCp1252("\xC2\x80"), "?");     // C1 control Windows-1252 gives a meaning to
}

TEST(TextEncoding, InvalidUtf8BecomesQuestionMarks) {
    struct Case {
        const char* name;
        std::string utf8;
        std::string cp1252;
    };
    const Case cases[] = {
        {"truncatedAtEnd", "ab\xE2\x82", "ab?"},
        {"truncatedBeforeAscii",
         "\xE2\x82"
         "A",
         "?A"},
        {"loneLead", "\xC3", "?"},
        {"strayContinuation",
         "\x80"
         "A",
         "?A"},
        {"overlongSlash", "\xC0\xAF", "??"},
        {"overlongThreeBytes", "\xE0\x80\xAF", "???"},
        {"surrogate", "\xED\xA0\x80", "???"},
        {"beyondUnicode", "\xF4\x90\x80\x80", "????"},
        {"neverALead", "\xFF\xFE", "??"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(utf8ToCp1252(c.utf8), c.cp1252) << c.name;
    }
}

} // namespace
} // namespace korvel
