#include "platform/qt/qt_printers.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "platform/qt/qt_print_job.h"
#include "platform/qt/qt_text.h"

namespace korvel {

std::unique_ptr<PrintJob> QtPrinters::open(const PrinterName& printer) {
    const QPrinterInfo queue = printer.device.empty()
                                   ? QPrinterInfo::defaultPrinter()
                                   : QPrinterInfo::printerInfo(toQString(printer.device));
    // Without a queue a default QPrinter still claims to be valid: it quietly writes a PDF file.
    if (queue.isNull()) {
        return nullptr;
    }
    auto device = std::make_unique<QPrinter>(queue, QPrinter::HighResolution);
    if (!device->isValid() || device->outputFormat() != QPrinter::NativeFormat ||
        !device->outputFileName().isEmpty()) {
        return nullptr;
    }
    return std::make_unique<QtPrintJob>(std::move(device));
}

} // namespace korvel
