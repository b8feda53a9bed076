#pragma once
// The language and the file form a report is written in.

namespace korvel {

enum class ReportLanguage { English, French };

// Plain text ("ANSI file") or tab-delimited text ("ANSI (delimiters)").
enum class ReportForm { Text, Delimited };

// The first line of every report, hop or route, in both languages.
inline constexpr const char* kCompanyLine = "VALMO TELECOMMUNICATIONS";

} // namespace korvel
