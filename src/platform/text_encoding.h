#pragma once
// Conversion between the Windows-1252 text the core keeps and the UTF-8 of the edges (terminal,
// JSON, widgets).
//
// Windows-1252 to UTF-8 is total: the five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) become the C1 controls of the same value (U+0081 ...), so every byte string survives
// a round trip.
//
// UTF-8 to Windows-1252 replaces with one "?":
// - each character Windows-1252 cannot hold (for example U+03A9 OMEGA, or a C1 control other
//   than the five above);
// - each invalid piece of UTF-8, taken as the longest start of a well-formed sequence (a
//   truncated sequence gives one "?", and so does every byte that cannot continue it: a stray
//   continuation byte, 0xC0, 0xC1, 0xF5 to 0xFF, the second byte of an overlong form, of a
//   surrogate or of a code point beyond U+10FFFF).

#include <filesystem>
#include <string>
#include <string_view>

namespace korvel {

std::string cp1252ToUtf8(std::string_view cp1252);
// The same appended to `out`, for output built from many pieces.
void appendCp1252AsUtf8(std::string& out, std::string_view cp1252);
std::string utf8ToCp1252(std::string_view utf8);
// Well-formed UTF-8: each invalid piece (as above) becomes U+FFFD, for names from the platform
// (file names are any bytes) written into a UTF-8 document.
std::string utf8Repaired(std::string_view utf8);

// File names are the platform's own (UTF-8 bytes on Linux) from the dialog or command line to
// the open or write call; only names kept inside files or shown in Windows-1252 text convert.

// The path as Windows-1252 text, "?" for each character it cannot hold: for messages, titles
// and the report's file name line.
std::string pathToCp1252(const std::filesystem::path& path);
// A name stored in Windows-1252 (a route's hop file, say) as a path of the platform.
std::filesystem::path pathFromCp1252(std::string_view cp1252);
// True when Windows-1252 holds the path's every character, so it can be stored in a file.
bool pathFitsCp1252(const std::filesystem::path& path);

} // namespace korvel
