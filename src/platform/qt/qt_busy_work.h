#pragma once
// The busy note on Qt: the work on a thread of its own, a progress dialog without steps and a
// Cancel button over the window meanwhile.

#include <thread>

#include "platform/busy_work.h"

class QWidget;

namespace korvel {

class QtBusyWork final : public BusyWork {
  public:
    explicit QtBusyWork(QWidget* window) : window_(window) {}
    ~QtBusyWork() override = default;
    QtBusyWork(const QtBusyWork&) = delete;
    QtBusyWork& operator=(const QtBusyWork&) = delete;

    bool run(const std::string& what, std::function<void(std::stop_token)> work) override;

  private:
    QWidget* window_;
    // A cancelled work still ending: joined before the next, or asked to stop and joined at the
    // end.
    std::jthread worker_;
};

} // namespace korvel
