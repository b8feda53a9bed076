#pragma once
// Printers for presenter tests: every printer opens unless told otherwise, and each job records
// the printer it was opened on, its calls in order and the text runs drawn. A job can be told to
// fail one step, and an event can be queued for the abort check to deliver while the page is
// drawn (the user pressing Cancel, say).

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/printer.h"
#include "support/recording_print_device.h"

namespace korvel {

class FakePrinters final : public Printers {
  public:
    std::unique_ptr<PrintJob> open(const PrinterName& printer) override {
        opened.push_back(printer);
        calls.emplace_back("open");
        return failing == "open" ? nullptr : std::make_unique<Job>(*this);
    }

    // The step that fails: "open", "startDocument", "startPage", "endPage" or "endDocument".
    std::string failing;
    // Delivered by the abort check at the first text run.
    std::function<void()> pendingEvent;

    std::vector<PrinterName> opened;
    std::vector<std::string> calls; // "startDocument Korvel document", ..., "stopped" when the
                                    // abort check said stop
    std::vector<TextRun> runs;

  private:
    class Job final : public PrintJob {
      public:
        explicit Job(FakePrinters& printers) : printers_(printers) {}
        int lineHeight() const override { return 40; }
        int averageCharWidth() const override { return 20; }
        void text(int x, int y, std::string_view cp1252Text) override {
            if (printers_.pendingEvent) {
                std::exchange(printers_.pendingEvent, nullptr)();
                if (aborted_ && aborted_()) {
                    printers_.calls.emplace_back("stopped");
                }
            }
            printers_.runs.push_back({x, y, std::string(cp1252Text)});
        }
        bool startDocument(std::string_view name) override {
            return step("startDocument", " " + std::string(name));
        }
        bool startPage() override { return step("startPage"); }
        bool endPage() override { return step("endPage"); }
        bool endDocument() override { return step("endDocument"); }
        void abortDocument() override { step("abortDocument"); }
        void setAbortCheck(std::function<bool()> aborted) override {
            aborted_ = std::move(aborted);
        }

      private:
        bool step(const std::string& name, const std::string& detail = {}) {
            printers_.calls.push_back(name + detail);
            return printers_.failing != name;
        }

        FakePrinters& printers_;
        std::function<bool()> aborted_;
    };
};

} // namespace korvel
