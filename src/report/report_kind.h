#pragma once
// The language and the file form a report is written in.

namespace korvel {

enum class ReportLanguage { English, French };

// Plain text ("ANSI file"), tab-delimited text ("ANSI (delimiters)") or the printed page as a
// PDF file ("PDF file:").
enum class ReportForm { Text, Delimited, Pdf };

// The first line of every report, hop or route, in both languages.
inline constexpr const char* kCompanyLine = "VALMO TELECOMMUNICATIONS";

} // namespace korvel
