#pragma once
// The Printer port: print jobs on the user's printer. A job is one document of one page or more,
// drawn through the PrintDevice it is.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/print_device.h"

namespace korvel {

// A printer as the user profile names it: device, driver and port (Windows-1252). An empty device
// name stands for the system's default printer.
struct PrinterName {
    std::string device;
    std::string driver;
    std::string port;

    friend bool operator==(const PrinterName&, const PrinterName&) = default;
};

class PrintJob : public PrintDevice {
  public:
    // Starts the document under the name the print queue shows; false when it cannot be started.
    virtual bool startDocument(std::string_view cp1252DocumentName) = 0;
    // Starts a page (the next one once the page before has ended); false when it cannot.
    virtual bool startPage() = 0;
    // Ends the page; false when it failed.
    virtual bool endPage() = 0;
    // Sends the document to the printer; false when the printer refused it.
    virtual bool endDocument() = 0;
    // Drops the document: nothing reaches the printer.
    virtual void abortDocument() = 0;
    // While the page is drawn and sent, the job passes the events already waiting to the program's
    // windows, never waiting for one, and stops early once `aborted` returns true.
    virtual void setAbortCheck(std::function<bool()> aborted) = 0;
};

class Printers {
  public:
    virtual ~Printers() = default;
    // A job on the printer named; nullptr when there is no such printer (no default printer for
    // an empty name) or it cannot be opened. Opening prints nothing.
    virtual std::unique_ptr<PrintJob> open(const PrinterName& printer) = 0;
};

} // namespace korvel
