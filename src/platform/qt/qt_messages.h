#pragma once
// Messages on QMessageBox, owned by the window the user is working in.

#include "platform/messages.h"

class QWidget;

namespace korvel {

class QtMessages final : public Messages {
  public:
    explicit QtMessages(QWidget* mainWindow) : mainWindow_(mainWindow) {}

    using Messages::show;
    MessageAnswer show(std::string_view text, std::string_view caption, MessageIcon icon,
                       MessageButtons buttons) override;
    void beep() override;

  private:
    QWidget* mainWindow_;
};

} // namespace korvel
