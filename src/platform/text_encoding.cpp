#include "platform/text_encoding.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace korvel {

namespace {

// Code points of bytes 0x80 to 0x9F; the undefined bytes keep their own value.
constexpr std::array<char32_t, 32> kHighControlBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char kReplacement = '?';

char32_t codePointOf(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighControlBlock[byte - 0x80u];
    }
    return byte;
}

void appendUtf8(std::string& out, char32_t cp) {
    auto put = [&out](std::uint32_t bits) { out.push_back(static_cast<char>(bits)); };
    const auto c = static_cast<std::uint32_t>(cp);
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | (c >> 6));
        put(0x80 | (c & 0x3F));
    } else {
        // Every code point of the table lies below U+10000.
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    }
}

// The Windows-1252 byte of a code point, or the replacement.
char byteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<char>(cp);
    }
    for (std::size_t i = 0; i < kHighControlBlock.size(); ++i) {
        if (kHighControlBlock[i] == cp) {
            return static_cast<char>(0x80 + i);
        }
    }
    return kReplacement;
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The shape of a well-formed sequence that starts with a given lead byte: its length and the
// range its second byte must lie in (narrower than 0x80..0xBF where overlong forms, surrogates or
// code points beyond U+10FFFF would otherwise follow).
struct SequenceShape {
    std::size_t length = 0; // 0: the byte can start no sequence
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
};

SequenceShape shapeOf(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) {
        return {2};
    }
    if (lead == 0xE0) {
        return {3, 0xA0, 0xBF};
    }
    if (lead == 0xED) {
        return {3, 0x80, 0x9F};
    }
    if (lead >= 0xE1 && lead <= 0xEF) {
        return {3};
    }
    if (lead == 0xF0) {
        return {4, 0x90, 0xBF};
    }
    if (lead == 0xF4) {
        return {4, 0x80, 0x8F};
    }
    if (lead >= 0xF1 && lead <= 0xF3) {
        return {4};
    }
    return {};
}

// The length of the ASCII run `text` starts with, read eight bytes at a time where it can.
std::size_t asciiPrefix(std::string_view text) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080;
    std::size_t length = 0;
    for (std::uint64_t word = 0; length + sizeof word <= text.size(); length += sizeof word) {
        std::memcpy(&word, text.data() + length, sizeof word);
        if ((word & kHighBits) != 0) {
            break;
        }
    }
    while (length < text.size() && static_cast<unsigned char>(text[length]) < 0x80) {
        ++length;
    }
    return length;
}

} // namespace

void appendCp1252AsUtf8(std::string& out, std::string_view cp1252) {
    while (!cp1252.empty()) {
        // Runs of ASCII, nearly all text, are the same bytes in both.
        std::size_t ascii = asciiPrefix(cp1252);
        out.append(cp1252.substr(0, ascii));
        if (ascii < cp1252.size()) {
            appendUtf8(out, codePointOf(static_cast<unsigned char>(cp1252[ascii])));
            ++ascii;
        }
        cp1252.remove_prefix(ascii);
    }
}

std::string cp1252ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size());
    appendCp1252AsUtf8(out, cp1252);
    return out;
}

namespace {

// Each code point of `utf8` in turn, and kInvalidPiece for each invalid piece (see the header).
constexpr char32_t kInvalidPiece = 0xFFFFFFFF;

template <typename OnCodePoint> void decodeUtf8(std::string_view utf8, OnCodePoint onCodePoint) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[pos]);
        if (lead < 0x80) {
            onCodePoint(char32_t{lead});
            ++pos;
            continue;
        }
        const SequenceShape shape = shapeOf(lead);
        if (shape.length == 0) {
            onCodePoint(kInvalidPiece);
            ++pos;
            continue;
        }
        char32_t cp = lead & (0xFFu >> (shape.length + 1));
        std::size_t taken = 1;
        while (taken < shape.length && pos + taken < utf8.size()) {
            const auto next = static_cast<unsigned char>(utf8[pos + taken]);
            const bool fits = taken == 1 ? next >= shape.secondLow && next <= shape.secondHigh
                                         : isContinuation(next);
            if (!fits) {
                break;
            }
            cp = (cp << 6) | (next & 0x3Fu);
            ++taken;
        }
        onCodePoint(taken == shape.length ? cp : kInvalidPiece);
        pos += taken;
    }
}

} // namespace

std::string utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    decodeUtf8(utf8, [&out](char32_t cp) {
        out.push_back(cp == kInvalidPiece ? kReplacement : byteOf(cp));
    });
    return out;
}

std::string utf8Repaired(std::string_view utf8) {
    constexpr char32_t kReplacementCharacter = 0xFFFD;
    std::string out;
    out.reserve(utf8.size());
    decodeUtf8(utf8, [&out](char32_t cp) {
        appendUtf8(out, cp == kInvalidPiece ? kReplacementCharacter : cp);
    });
    return out;
}

std::string pathToCp1252(const std::filesystem::path& path) {
    return utf8ToCp1252(path.string());
}

std::filesystem::path pathFromCp1252(std::string_view cp1252) {
    return std::filesystem::path(cp1252ToUtf8(cp1252));
}

bool pathFitsCp1252(const std::filesystem::path& path) {
    const std::string platform = path.string();
    return cp1252ToUtf8(utf8ToCp1252(platform)) == platform;
}

} // namespace korvel
