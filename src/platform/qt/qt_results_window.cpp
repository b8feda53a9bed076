#include "platform/qt/qt_results_window.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <functional>

#include "platform/qt/qt_text.h"

namespace korvel {

namespace {

constexpr int kLineCharacters = 41;
constexpr int kUpperLines = 10;
constexpr int kLowerLines = 5;
constexpr int kVerdictLines = 4;
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
    dock->closedByUser = [this] { open_ = false; };
    auto* panel = new QWidget(dock);
    panel->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* layout = new QVBoxLayout(panel);
    upper_ = block(*panel, 1300, kUpperLines, QStringLiteral("Results without diversity"));
    lower_ = block(*panel, 1301, kLowerLines, QStringLiteral("Results with diversity"));
    verdict_ = block(*panel, 0, kVerdictLines, QStringLiteral("Verdict"));
    verdict_->setObjectName(QStringLiteral("verdict"));
    layout->addWidget(upper_);
    layout->addWidget(lower_);
    layout->addWidget(verdict_);
    layout->addStretch(1);
    dock->setWidget(panel);
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
        open_ = true;
        placeFirstTime();
        keepRoomForPage();
    }
    dock_->show();
    if (dock_->isFloating()) {
        keepOnScreen();
    }
}

void QtResultsWindow::placeFirstTime() {
    if (placed_) {
        return;
    }
    placed_ = true;
    const auto* scroller = qobject_cast<const QScrollArea*>(owner_->centralWidget());
    const QScreen* screen = owner_->screen();
    if (dock_->property(kPlacementRemembered).toBool() || dock_->isFloating() ||
        scroller == nullptr || scroller->widget() == nullptr || screen == nullptr) {
        return;
    }
    const QRect room = screen->availableGeometry();
    const int frame = owner_->frameGeometry().width() - owner_->width();
    const int pageWidth = scroller->widget()->minimumWidth() + frame +
                          scroller->verticalScrollBar()->sizeHint().width();
    if (pageWidth + dock_->sizeHint().width() <= room.width()) {
        return;
    }
    // Docked, the results would take the room the page needs: they float over the window's
    // lower right, where the user can move them, and the page keeps the window's width.
    dock_->setFloating(true);
    dock_->adjustSize();
    dock_->move(std::max(room.left(), room.right() - dock_->frameGeometry().width()),
                std::max(room.top(), room.bottom() - dock_->frameGeometry().height()));
}

void QtResultsWindow::keepRoomForPage() {
    // Docked beside the page, the window widens by the dock as far as the screen allows, so the
    // page keeps its room.
    if (dock_->isFloating() || owner_->isMaximized() || owner_->isFullScreen() ||
        owner_->dockWidgetArea(dock_) == Qt::NoDockWidgetArea) {
        return;
    }
    const QScreen* screen = owner_->screen();
    const int extra = dock_->sizeHint().width();
    int width = owner_->width() + extra;
    if (screen != nullptr) {
        width = std::min(width, screen->availableGeometry().right() - owner_->x() -
                                    (owner_->frameGeometry().width() - owner_->width()));
    }
    owner_->resize(std::max(width, owner_->width()), owner_->height());
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

void QtResultsWindow::close() {
    open_ = false;
    if (dock_ != nullptr) {
        dock_->hide();
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
