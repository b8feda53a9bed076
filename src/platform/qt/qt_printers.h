#pragma once
// Printers on Qt: the print queues of the system (CUPS on a Linux desktop). A job never turns into
// a file: a printer that does not exist gives no job at all.

#include "platform/printer.h"

namespace korvel {

class QtPrinters final : public Printers {
  public:
    // The queue named by the device name, or the default queue for an empty one. Driver and port
    // are the queue's own business and are not looked at.
    std::unique_ptr<PrintJob> open(const PrinterName& printer) override;
};

} // namespace korvel
