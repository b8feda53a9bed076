#include "platform/qt/qt_print_job.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include "platform/qt/qt_text.h"

namespace korvel {

namespace {

constexpr int kPointSize = 10;

// DejaVu Sans Mono comes with the program's dependencies; the hint finds another fixed-pitch face
// where it is missing.
QFont printerFont() {
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSize(kPointSize);
    return font;
}

} // namespace

QtPrintJob::QtPrintJob(std::unique_ptr<QPrinter> printer)
    : printer_(std::move(printer)), font_(printerFont()) {
    const QFontMetrics metrics(font_, printer_.get());
    lineHeight_ = metrics.height() + metrics.leading();
    averageCharWidth_ = metrics.averageCharWidth();
    ascent_ = metrics.ascent();
}

QtPrintJob::~QtPrintJob() = default;

void QtPrintJob::text(int x, int y, std::string_view cp1252Text) {
    if (!pageStarted_ || aborted()) {
        return;
    }
    // The user's Cancel arrives among the waiting events.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (aborted()) {
        return;
    }
    pages_.back().push_back({x, y, std::string(cp1252Text)});
}

bool QtPrintJob::startDocument(std::string_view cp1252DocumentName) {
    if (documentStarted_ || !printer_->isValid() || printer_->printerState() == QPrinter::Error) {
        return false;
    }
    printer_->setDocName(toQString(cp1252DocumentName));
    documentStarted_ = true;
    return true;
}

bool QtPrintJob::startPage() {
    if (!documentStarted_ || pageStarted_) {
        return false;
    }
    pageStarted_ = true;
    pages_.emplace_back();
    return true;
}

bool QtPrintJob::endPage() {
    const bool ended = pageStarted_;
    pageStarted_ = false;
    return ended;
}

bool QtPrintJob::endDocument() {
    if (!documentStarted_ || aborted()) {
        return false;
    }
    documentStarted_ = false;
    QPainter painter;
    if (!painter.begin(printer_.get())) {
        return false;
    }
    painter.setFont(font_);
    bool drawn = true;
    for (std::size_t p = 0; p < pages_.size() && drawn; ++p) {
        if (p > 0) {
            drawn = printer_->newPage();
        }
        for (const Run& run : pages_[p]) {
            painter.drawText(run.x, run.y + ascent_, toQString(run.cp1252Text));
        }
    }
    pages_.clear();
    return painter.end() && drawn;
}

void QtPrintJob::abortDocument() {
    // Nothing has reached the print queue yet: dropping the pages drops the job.
    pages_.clear();
    documentStarted_ = false;
    pageStarted_ = false;
}

void QtPrintJob::setAbortCheck(std::function<bool()> aborted) {
    aborted_ = std::move(aborted);
}

} // namespace korvel
