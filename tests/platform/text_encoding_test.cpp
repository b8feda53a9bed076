#include "platform/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace korvel {
namespace {

struct Case {
    const char* name;
    std::string cp1252;
    std::string utf8;
};

TEST(TextEncoding, ByteToCharacterAndBackForEveryByte) {
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
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

// A character Windows-1252 lacks is one '?'; each byte that starts no well-formed character is one.
TEST(TextEncoding, WhatCannotBeHeldBecomesQuestionMarks) {
    const Case cases[] = {
        {"notInTheCodePage", "1 k?", "1 k\u03A9"},
        {"fourByteCharacter", "?x", "\U0001F4E1x"},
        {"c1ControlTheCodePageGivesAMeaning", "?", "\xC2\x80"},
        {"truncatedAtEnd", "ab?", "ab\xE2\x82"},
        {"truncatedBeforeAscii", "?Z", "\xE2\x82Z"},
        {"loneLead", "?", "\xC3"},
        {"strayContinuation", "?Z", "\x80Z"},
        {"overlongSlash", "??", "\xC0\xAF"},
        {"overlongThreeBytes", "???", "\xE0\x80\xAF"},
        {"surrogate", "???", "\xED\xA0\x80"},
        {"beyondUnicode", "????", "\xF4\x90\x80\x80"},
        {"neverALead", "??", "\xFF\xFE"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(utf8ToCp1252(c.utf8), c.cp1252) << c.name;
    }
}

} // namespace
} // namespace korvel
