#pragma once
// One print job on a Qt printer, in a fixed-pitch font so that the report's columns line up.
// The pages are kept as they are drawn and reach the printer only when the document ends: the
// print queue has no way to take back a document once the painter has sent it, so a cancelled job
// must never have been sent.

#include <memory>
#include <string>
#include <vector>

#include <QFont>

#include "platform/printer.h"

class QPrinter;

namespace korvel {

class QtPrintJob final : public PrintJob {
  public:
    explicit QtPrintJob(std::unique_ptr<QPrinter> printer);
    ~QtPrintJob() override;
    QtPrintJob(const QtPrintJob&) = delete;
    QtPrintJob& operator=(const QtPrintJob&) = delete;

    [[nodiscard]] int lineHeight() const override { return lineHeight_; }
    [[nodiscard]] int averageCharWidth() const override { return averageCharWidth_; }
    void text(int x, int y, std::string_view cp1252Text) override;

    bool startDocument(std::string_view cp1252DocumentName) override;
    bool startPage() override;
    bool endPage() override;
    bool endDocument() override;
    void abortDocument() override;
    void setAbortCheck(std::function<bool()> aborted) override;

  private:
    struct Run {
        int x;
        int y;
        std::string cp1252Text;
    };

    [[nodiscard]] bool aborted() const { return aborted_ && aborted_(); }

    std::unique_ptr<QPrinter> printer_;
    QFont font_;
    int lineHeight_ = 0;
    int averageCharWidth_ = 0;
    int ascent_ = 0;
    bool documentStarted_ = false;
    bool pageStarted_ = false;
    std::vector<std::vector<Run>> pages_; // the runs of each page, drawn when the document ends
    std::function<bool()> aborted_;
};

} // namespace korvel
