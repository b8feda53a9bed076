#pragma once
// The report file names the print options propose and complete.

#include <string>
#include <string_view>

namespace korvel {

// The name proposed for the report files: the current hop file name (at most 128 characters)
// with everything after its first "." replaced by the extension; LINK7.HOP gives LINK7.txt. Empty
// when the hop file name holds fewer than 2 characters.
std::string defaultReportFileName(std::string_view currentHopFileName,
                                  std::string_view extension = "txt");

// The typed name with "." and the extension appended unless its last ".", ":", "\" or "/" is a
// "."; REPORT gives REPORT.txt, A:\OUT gives A:\OUT.txt, OUT.LST stays, C:\DATA.1\REP gives
// C:\DATA.1\REP.txt.
std::string completeReportFileName(std::string_view typedName, std::string_view extension = "txt");

// The longest name the print options read from a file field.
inline constexpr std::size_t kReportFileNameMax = 119;

} // namespace korvel
