#include "platform/qt/qt_results_window.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <functional>

#include "platform/qt/qt_methods_table.h"
#include "platform/qt/qt_text.h"

namespace korvel {

namespace {

constexpr int kLineCharacters = 41;
constexpr int kUpperLines = 10;
constexpr int kLowerLines = 5;
constexpr int kVerdictLines = 4;
constexpr int kAvailabilityLines = 4;
// The dock tells when the user closes it by its close box.
class ResultsDock final : public QDockWidget {
  public:
    ResultsDock(const QString& title, QWidget* parent) : QDockWidget(title, parent) {}
    std::function<void()> closedByUser;

  protected:
    void closeEvent(QCloseEvent* event) override {
        QDockWidget::closeEvent(event);
        if (closedByUser) {
            closedByUser();
        }
    }
};

QLabel* block(QWidget& dialog, int control, int lines, const QString& accessibleName) {
    auto* label = new QLabel(QStringLiteral(" "), &dialog);
    label->setObjectName(QStringLiteral("control_%1").arg(control));
    label->setAccessibleName(accessibleName);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    const QFontMetrics metrics(dialog.font());
    label->setFixedSize(metrics.horizontalAdvance(QLatin1Char('0')) * (kLineCharacters + 1),
                        metrics.lineSpacing() * lines + 2);
    return label;
}

// The results scroll when the window is too low for them all: docked, they never make the window
// taller. Across, they keep the width of their longest line.
class ResultsScroller final : public QScrollArea {
  public:
    explicit ResultsScroller(QWidget* parent) : QScrollArea(parent) {
        setWidgetResizable(true);
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    void take(QWidget* panel) {
        setWidget(panel);
        panel->installEventFilter(this);
    }
    [[nodiscard]] QSize minimumSizeHint() const override {
        return {innerWidth(), QScrollArea::minimumSizeHint().height()};
    }
    [[nodiscard]] QSize sizeHint() const override {
        const int height = widget() == nullptr ? 0 : widget()->sizeHint().height();
        return {innerWidth(), height + 2 * frameWidth()};
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A line more or less, or the methods table shown: the dock measures again.
        if (watched == widget() && event->type() == QEvent::LayoutRequest) {
            updateGeometry();
        }
        return QScrollArea::eventFilter(watched, event);
    }

  private:
    [[nodiscard]] int innerWidth() const {
        const int inner = widget() == nullptr ? 0 : widget()->minimumSizeHint().width();
        // The scroll bar shows only when the window is too low; then it takes its own room.
        const int bar =
            verticalScrollBar()->isVisible() ? verticalScrollBar()->sizeHint().width() : 0;
        return inner + bar + 2 * frameWidth();
    }
};

QString joined(const std::vector<std::string>& lines) {
    QStringList shown;
    for (const std::string& line : lines) {
        shown << toQString(line);
    }
    return shown.isEmpty() ? QStringLiteral(" ") : shown.join(QLatin1Char('\n'));
}

} // namespace

QtResultsWindow::QtResultsWindow(QMainWindow* owner) : owner_(owner) {
    auto* dock = new ResultsDock(QStringLiteral("Results"), owner);
    dock->setObjectName(QStringLiteral("results"));
    dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                      QDockWidget::DockWidgetFloatable);
    dock->closedByUser = [this] {
        reopenable_ = open_ || reopenable_;
        open_ = false;
    };
    auto* panel = new QWidget;
    panel->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* layout = new QVBoxLayout(panel);
    upper_ = block(*panel, 1300, kUpperLines, QStringLiteral("Results without diversity"));
    lower_ = block(*panel, 1301, kLowerLines, QStringLiteral("Results with diversity"));
    freshnessLine_ = block(*panel, 0, 1, QStringLiteral("Results state"));
    freshnessLine_->setObjectName(QStringLiteral("freshness"));
    verdict_ = block(*panel, 0, kVerdictLines, QStringLiteral("Verdict"));
    verdict_->setObjectName(QStringLiteral("verdict"));
    availability_ = block(*panel, 0, kAvailabilityLines, QStringLiteral("Rain judgement"));
    availability_->setObjectName(QStringLiteral("availability"));
    layout->addWidget(freshnessLine_);
    layout->addWidget(upper_);
    layout->addWidget(lower_);
    layout->addWidget(verdict_);
    layout->addWidget(availability_);
    methods_ = new QtMethodsTable(panel);
    methods_->setFont(dock->font());
    layout->addWidget(methods_, 1);
    layout->addStretch(0); // takes the room while the table is hidden
    auto* scroller = new ResultsScroller(dock);
    scroller->take(panel);
    dock->setWidget(scroller);
    owner->addDockWidget(Qt::RightDockWidgetArea, dock);
    dock->hide();
    dock_ = dock;
}

QtResultsWindow::~QtResultsWindow() {
    close();
}

void QtResultsWindow::show() {
    if (dock_ == nullptr) {
        return;
    }
    if (!open_) {
        // A window opened anew starts blank, as the first calculation's window did.
        upper_->setText(QStringLiteral(" "));
        lower_->setText(QStringLiteral(" "));
        setVerdict(VerdictMark::None, {});
        setAvailability(VerdictMark::None, {});
        setFreshness(ResultsFreshness::None);
        open_ = true;
        reopenable_ = false;
        placeBesidePage();
    }
    dock_->show();
    if (dock_->isFloating()) {
        keepOnScreen();
    }
}

void QtResultsWindow::placeBesidePage() {
    // Docked, the results take their room from the window, which keeps its size: beside the page
    // when both fit across the window, else below it when both fit down it, else floating over
    // the window's lower right. Floating, they stay where the planner left them.
    const auto* scroller = qobject_cast<const QScrollArea*>(owner_->centralWidget());
    if (floatedHere_ && dock_->isFloating()) {
        // Floated for want of room, not by the planner: the window may have room now.
        dock_->setFloating(false);
        owner_->addDockWidget(Qt::RightDockWidgetArea, dock_);
    }
    floatedHere_ = false;
    const Qt::DockWidgetArea area = owner_->dockWidgetArea(dock_);
    if (dock_->isFloating() || scroller == nullptr || scroller->widget() == nullptr) {
        return;
    }
    const QWidget& page = *scroller->widget();
    const QSize dock = dock_->sizeHint();
    const bool across = area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea;
    const int pageWidth = page.minimumWidth() + scroller->verticalScrollBar()->sizeHint().width();
    if (across && pageWidth + dock.width() <= owner_->width()) {
        return;
    }
    const int pageHeight =
        page.minimumHeight() + scroller->horizontalScrollBar()->sizeHint().height();
    if (pageHeight + dock.height() <= scroller->height()) {
        owner_->addDockWidget(Qt::BottomDockWidgetArea, dock_);
        return;
    }
    // Floating: beside the window where the screen has room, else over its lower right.
    dock_->setFloating(true);
    floatedHere_ = true;
    dock_->adjustSize();
    const QRect window = owner_->frameGeometry();
    const QSize shown = dock_->frameGeometry().size();
    const QScreen* screen = owner_->screen();
    if (screen != nullptr &&
        window.right() + shown.width() <= screen->availableGeometry().right()) {
        dock_->move(window.right() + 1, window.top());
        return;
    }
    dock_->move(std::max(window.left(), window.right() - shown.width()),
                std::max(window.top(), window.bottom() - shown.height()));
}

void QtResultsWindow::keepOnScreen() {
    const QScreen* screen = owner_->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect room = screen->availableGeometry();
    QRect shown = dock_->frameGeometry();
    if (!room.contains(shown)) {
        shown.moveTo(
            std::clamp(shown.x(), room.left(), std::max(room.left(), room.right() - shown.width())),
            std::clamp(shown.y(), room.top(),
                       std::max(room.top(), room.bottom() - shown.height())));
        dock_->move(shown.topLeft());
    }
}

void QtResultsWindow::setLines(const std::vector<std::string>& upper,
                               const std::vector<std::string>& lower, bool lowerChanged) {
    if (!open_) {
        return;
    }
    // The lines are also the blocks' accessible descriptions: a screen reader reads them there.
    upper_->setText(joined(upper));
    upper_->setAccessibleDescription(upper_->text());
    if (lowerChanged) {
        lower_->setText(joined(lower));
        lower_->setAccessibleDescription(lower_->text());
    }
}

void QtResultsWindow::setVerdict(VerdictMark mark, const std::vector<std::string>& lines) {
    if (dock_ == nullptr) {
        return;
    }
    mark_ = mark;
    // Green for a hop that meets its objective, red for one that misses it; the words say the
    // same for those who do not see the colour.
    const char* colour = mark == VerdictMark::Met ? "#1b6e20" : "#b00020";
    verdict_->setStyleSheet(mark == VerdictMark::None
                                ? QString()
                                : QStringLiteral("QLabel { color: %1; font-weight: bold; }")
                                      .arg(QLatin1String(colour)));
    verdict_->setText(joined(lines));
    verdict_->setAccessibleName(lines.empty()
                                    ? QStringLiteral("Verdict: none")
                                    : QStringLiteral("Verdict: ") + toQString(lines.back()));
    verdict_->setAccessibleDescription(joined(lines));
}

void QtResultsWindow::setAvailability(VerdictMark mark, const std::vector<std::string>& lines) {
    if (dock_ == nullptr) {
        return;
    }
    availabilityMark_ = mark;
    availability_->setText(joined(lines));
    availability_->setAccessibleDescription(joined(lines));
}

void QtResultsWindow::setFreshness(ResultsFreshness freshness) {
    if (dock_ == nullptr) {
        return;
    }
    freshness_ = freshness;
    const bool stale = freshness == ResultsFreshness::Stale;
    // Greyed, the old figures stay readable but cannot be taken for the hop's.
    upper_->setEnabled(!stale);
    lower_->setEnabled(!stale);
    const QString line = stale ? toQString(kResultsOutOfDateText)
                         : freshness == ResultsFreshness::Stored
                             ? QStringLiteral("Stored results, from the hop file")
                             : QStringLiteral(" ");
    freshnessLine_->setText(line);
    freshnessLine_->setStyleSheet(stale ? QStringLiteral("QLabel { font-weight: bold; }")
                                        : QString());
    freshnessLine_->setAccessibleDescription(line.trimmed());
}

void QtResultsWindow::setShown(bool shown) {
    if (dock_ == nullptr || shown == open_ || (shown && !reopenable_)) {
        return;
    }
    // Hidden by the planner, the results come back as they were until the program closes them.
    reopenable_ = !shown;
    open_ = shown;
    if (shown) {
        placeBesidePage();
    }
    dock_->setVisible(shown);
}

void QtResultsWindow::close() {
    open_ = false;
    reopenable_ = false;
    if (dock_ != nullptr) {
        dock_->hide();
        // The page gets the room back at once: a page placed next measures it.
        if (QLayout* layout = owner_->layout(); layout != nullptr && !dock_->isFloating()) {
            layout->activate();
        }
    }
}

bool QtResultsWindow::isOpen() const {
    return open_;
}

void QtResultsWindow::setEnabled(bool enabled) {
    if (dock_ != nullptr) {
        dock_->setEnabled(enabled);
    }
}

QWidget* QtResultsWindow::window() const {
    return open_ ? dock_.data() : nullptr;
}

} // namespace korvel
