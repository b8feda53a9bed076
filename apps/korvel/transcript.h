#pragma once
// What a scenario run showed the user, line by line, and what went wrong.

#include <ostream>
#include <string>

namespace korvel {

class Transcript {
  public:
    explicit Transcript(std::ostream& out) : out_(out) {}

    void note(const std::string& line);
    // A line of the scenario that failed: an expectation not met or an action not possible.
    void failure(int lineNumber, const std::string& what);
    [[nodiscard]] int failures() const { return failures_; }
    // True when a line could not be written (a full disk, a closed output): the run cannot
    // claim success, since nobody can see what it showed.
    [[nodiscard]] bool lost() const { return out_.fail(); }

  private:
    std::ostream& out_;
    int failures_ = 0;
};

// Text in double quotes, as the transcript shows texts.
std::string quoted(const std::string& text);

} // namespace korvel
