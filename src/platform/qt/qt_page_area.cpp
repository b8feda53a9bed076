#include "platform/qt/qt_page_area.h"

#include <algorithm>

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

namespace korvel {

namespace {

constexpr int kStartPanelDrop = 30;

// The title banner and the notice at the bottom (35 and 40 characters at most).
const char* const kBanner = "Microwave radio link planning";
const char* const kNotice = "Pick an option to begin";

} // namespace

QtPageArea::QtPageArea(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    // Reachable by F6 and a click, never a Tab stop of its own beside the page's controls.
    setFocusPolicy(Qt::ClickFocus);
    setAccessibleName(QStringLiteral("Korvel"));
}

void QtPageArea::setBannerShown(bool shown) {
    bannerShown_ = shown;
    update();
}

QSize QtPageArea::place(QWidget* page, bool centred) {
    if (page_ != nullptr) {
        page_->removeEventFilter(this);
    }
    page_ = page;
    centred_ = centred;
    page->installEventFilter(this);
    page->show();
    return fitPage();
}

// The page is placed by hand, not by a layout, so nothing else resizes it when a label on it
// (a feeder's type, a radio's name) gets longer than the text it opened with.
QSize QtPageArea::fitPage() {
    if (page_ == nullptr) {
        return {};
    }
    page_->adjustSize();
    const QSize needed = page_->size() + QSize(2 * kPageMargin, 2 * kPageMargin);
    setMinimumSize(needed);
    stretchPage();
    placePage();
    if (pageFitted) {
        pageFitted();
    }
    return needed;
}

// A page whose form says so (its list is what the planner reads) fills the area.
void QtPageArea::stretchPage() {
    if (page_ != nullptr && !centred_ && page_->property("growsWithWindow").toBool()) {
        page_->resize(std::max(page_->width(), width() - 2 * kPageMargin),
                      std::max(page_->height(), height() - 2 * kPageMargin));
    }
}

// A page sits in the middle of the width the window gives it, at the top; the start panel in the
// middle of both. On a large window neither is left in a corner.
void QtPageArea::placePage() {
    if (page_ == nullptr || page_->parentWidget() != this) {
        return;
    }
    const int left = std::max(kPageMargin, (width() - page_->width()) / 2);
    const int top = centred_ ? (height() - page_->height()) / 2 + kStartPanelDrop : kPageMargin;
    page_->move(left, std::max(centred_ ? 0 : kPageMargin, top));
}

bool QtPageArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == page_ && event->type() == QEvent::LayoutRequest) {
        // The page's layout has taken the request before the filters see it: its hint is current.
        const QSize before = minimumSize();
        const QSize needed = fitPage();
        if (pageGrown && (needed.width() > before.width() || needed.height() > before.height())) {
            pageGrown(needed);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void QtPageArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    stretchPage();
    placePage();
}

void QtPageArea::paintEvent(QPaintEvent* /*event*/) {
    if (!bannerShown_) {
        return;
    }
    QPainter painter(this);
    // The face of the banner is seldom installed; the font system then picks a bold serif.
    QFont font(QStringLiteral("Ilvesfontti"));
    font.setStyleHint(QFont::Serif, QFont::PreferQuality);
    font.setPixelSize(25);
    font.setWeight(QFont::Bold);
    painter.setFont(font);
    const int lineHeight = QFontMetrics(font).height();
    painter.drawText(QRect(5, 20, width() - 10, lineHeight), Qt::AlignHCenter | Qt::AlignTop,
                     QString::fromLatin1(kBanner));
    const int defaultLine = QFontMetrics(QApplication::font()).height();
    if (height() > 21 * defaultLine + 30) {
        painter.drawText(QRect(5, height() - 10 - lineHeight, width() - 10, lineHeight),
                         Qt::AlignHCenter | Qt::AlignBottom, QString::fromLatin1(kNotice));
    }
}

} // namespace korvel
