#pragma once
// Work too long to hold the window for (importing climate maps): it runs away from the window,
// which stays drawn and answers, a busy note with Cancel over it.

#include <functional>
#include <stop_token>
#include <string>

namespace korvel {

class BusyWork {
  public:
    virtual ~BusyWork() = default;
    // Runs `work` off the window's thread and returns when it has ended; `what` (Windows-1252)
    // says what runs. False when the planner cancelled: the work's token is asked to stop and the
    // call returns at once, the work ending on its own soon after, so it must own everything it
    // writes, and its result is to be dropped.
    virtual bool run(const std::string& what, std::function<void(std::stop_token)> work) = 0;
};

} // namespace korvel
