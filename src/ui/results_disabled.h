#pragma once
// Keeps the results window (when there is one) disabled while a modal dialog or a print job runs.

#include "platform/results_window.h"

namespace korvel {

class ResultsDisabled {
  public:
    explicit ResultsDisabled(ResultsWindow* window) : window_(window) {
        if (window_ != nullptr) {
            window_->setEnabled(false);
        }
    }
    ~ResultsDisabled() {
        if (window_ != nullptr) {
            window_->setEnabled(true);
        }
    }
    ResultsDisabled(const ResultsDisabled&) = delete;
    ResultsDisabled& operator=(const ResultsDisabled&) = delete;

  private:
    ResultsWindow* window_;
};

} // namespace korvel
