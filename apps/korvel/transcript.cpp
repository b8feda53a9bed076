#include "transcript.h"

namespace korvel {

void Transcript::note(const std::string& line) {
    out_ << line << '\n';
    out_.flush();
}

void Transcript::failure(int lineNumber, const std::string& what) {
    ++failures_;
    note("FAILED line " + std::to_string(lineNumber) + ": " + what);
}

std::string quoted(const std::string& text) {
    return '"' + text + '"';
}

} // namespace korvel
