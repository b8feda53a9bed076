#include "platform/qt/qt_results_window.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLayout>
#include <QMainWindow>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <functional>
#include <limits>

#include "platform/qt/qt_methods_table.h"
#include "platform/qt/qt_page_area.h"
#include "platform/qt/qt_screen_room.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/qt_window_places.h"

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

// A block of result lines: read-only text a screen reader reads line by line and Tab reaches,
// drawn as the plain lines it replaces (no frame, no margin, the window's background).
class ResultsText final : public QPlainTextEdit {
  public:
    explicit ResultsText(QWidget* parent) : QPlainTextEdit(QStringLiteral(" "), parent) {}

  protected:
    // The wheel scrolls the whole results, never the lines inside one block.
    void wheelEvent(QWheelEvent* event) override { event->ignore(); }
};

QPlainTextEdit* block(QWidget& dialog, int control, int lines, const QString& accessibleName) {
    auto* text = new ResultsText(&dialog);
    text->setObjectName(QStringLiteral("control_%1").arg(control));
    text->setAccessibleName(accessibleName);
    text->setReadOnly(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setTabChangesFocus(true);
    text->setFrameShape(QFrame::NoFrame);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->document()->setDocumentMargin(0);
    text->viewport()->setAutoFillBackground(false);
    text->setContextMenuPolicy(Qt::NoContextMenu);
    const QFontMetrics metrics(dialog.font());
    text->setFixedSize(metrics.horizontalAdvance(QLatin1Char('0')) * (kLineCharacters + 1),
                       metrics.lineSpacing() * lines + 2);
    return text;
}

// Grey for figures out of date, red or green for a verdict, else the usual text colour.
void paintText(QPlainTextEdit& text, const QColor& colour, bool bold) {
    QPalette palette = text.parentWidget()->palette();
    if (colour.isValid()) {
        palette.setColor(QPalette::Text, colour);
    }
    text.setPalette(palette);
    QFont font = text.parentWidget()->font();
    font.setBold(bold);
    text.setFont(font);
}

// The results scroll when the window is too low for them all: docked, they never make the window
// taller. Across, they keep the width of their longest line.
class ResultsScroller final : public QScrollArea {
  public:
    explicit ResultsScroller(QWidget* parent) : QScrollArea(parent) {
        setWidgetResizable(true);
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setFocusPolicy(Qt::NoFocus); // Tab goes from the page straight to the results' lines
    }
    void take(QWidget* panel) {
        setWidget(panel);
        panel->installEventFilter(this);
    }
    [[nodiscard]] QSize minimumSizeHint() const override {
        return {innerWidth(), QScrollArea::minimumSizeHint().height()};
    }
    // The width the results take with their scroll bar, shown or not.
    [[nodiscard]] int widthWithBar() const {
        const int inner = widget() == nullptr ? 0 : widget()->minimumSizeHint().width();
        return inner + verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
    }
    std::function<void()> hintChanged;
    [[nodiscard]] QSize sizeHint() const override {
        const int height = widget() == nullptr ? 0 : widget()->sizeHint().height();
        return {innerWidth(), height + 2 * frameWidth()};
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A line more or less, or the methods table shown: the dock measures again, and may no
        // longer fit beside the page.
        if (watched == widget() && event->type() == QEvent::LayoutRequest) {
            updateGeometry();
            if (hintChanged) {
                hintChanged();
            }
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

// Tells of the main window's resizing.
class ResizeWatch final : public QObject {
  public:
    ResizeWatch(QObject* parent, std::function<void()> resized)
        : QObject(parent), resized_(std::move(resized)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize) {
            resized_();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> resized_;
};

QtPageArea* pageArea(const QMainWindow& owner) {
    const auto* scroller = qobject_cast<const QScrollArea*>(owner.centralWidget());
    return scroller == nullptr ? nullptr : dynamic_cast<QtPageArea*>(scroller->widget());
}

bool isAcross(Qt::DockWidgetArea area) {
    return area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea;
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
    // F6 and View's key land on the first lines; Tab goes on through the blocks.
    dock->setFocusProxy(upper_);
    auto* scroller = new ResultsScroller(dock);
    scroller->take(panel);
    scroller->hintChanged = [this] { fitDock(); };
    dock->setWidget(scroller);
    owner->addDockWidget(Qt::RightDockWidgetArea, dock);
    dock->hide();
    dock_ = dock;
    watchPlaces();
}

QtResultsWindow::~QtResultsWindow() {
    close();
    if (auto* scroller = dynamic_cast<ResultsScroller*>(dock_ ? dock_->widget() : nullptr)) {
        scroller->hintChanged = nullptr;
    }
    if (QtPageArea* area = pageArea(*owner_)) {
        area->pageFitted = nullptr;
    }
    delete watch_;
}

// The dock is placed again when the window is resized or a page needs other room; the side the
// planner docks it on is the side it goes back to.
void QtResultsWindow::watchPlaces() {
    auto* watch = new ResizeWatch(dock_, [this] { fitDock(); });
    owner_->installEventFilter(watch);
    watch_ = watch;
    if (QtPageArea* area = pageArea(*owner_)) {
        area->pageFitted = [this] { fitDock(); };
    }
    QObject::connect(dock_, &QDockWidget::dockLocationChanged, watch,
                     [this](Qt::DockWidgetArea area) {
                         if (placing_ || area == Qt::NoDockWidgetArea) {
                             return;
                         }
                         plannerWantsBelow_ = !isAcross(area);
                         (plannerWantsBelow_ ? belowArea_ : besideArea_) = area;
                     });
    QObject::connect(dock_, &QDockWidget::topLevelChanged, watch, [this](bool floating) {
        if (!placing_ && floating) {
            floatedHere_ = false; // the planner's: it stays where it is left
        }
    });
}

void QtResultsWindow::show() {
    if (dock_ == nullptr) {
        return;
    }
    if (!open_) {
        // A window opened anew starts blank, as the first calculation's window did.
        upper_->setPlainText(QStringLiteral(" "));
        lower_->setPlainText(QStringLiteral(" "));
        setVerdict(VerdictMark::None, {});
        setAvailability(VerdictMark::None, {});
        setFreshness(ResultsFreshness::None);
        open_ = true;
        reopenable_ = false;
        fitDock();
    }
    dock_->show();
    if (dock_->isFloating()) {
        keepOnScreen();
    }
}

void QtResultsWindow::fitDock() {
    const auto* scroller = qobject_cast<const QScrollArea*>(owner_->centralWidget());
    if (!open_ || placing_ || dock_ == nullptr || scroller == nullptr ||
        scroller->widget() == nullptr || (dock_->isFloating() && !floatedHere_)) {
        return;
    }
    placing_ = true;
    const DockRoom room = measure(*scroller);
    switch (dockPlaceFor(room)) {
    case DockPlace::Beside:
        dockAt(besideArea_);
        break;
    case DockPlace::Below:
        dockAt(belowArea_);
        owner_->resizeDocks({dock_.data()}, {dockHeightBelow(room)}, Qt::Vertical);
        break;
    case DockPlace::Floating:
        // Where no place beside the window is free, the results stay below the page, at their
        // least height, and the page scrolls: nothing covers it.
        if (!floatBesideWindow()) {
            dockAt(belowArea_);
            owner_->resizeDocks({dock_.data()}, {room.belowMinimum}, Qt::Vertical);
        }
        break;
    }
    // The page gets its room at once: the window's growth for a page measures it next.
    if (QLayout* layout = owner_->layout(); layout != nullptr && !dock_->isFloating()) {
        layout->activate();
    }
    placing_ = false;
}

// The room measured from the window alone, never from where the dock is now, so that a place
// once taken gives the same answer: no going back and forth.
DockRoom QtResultsWindow::measure(const QScrollArea& pageScroller) const {
    int height = owner_->height();
    if (const QWidget* menu = owner_->menuWidget(); menu != nullptr && menu->isVisible()) {
        height -= menu->height();
    }
    const auto* status = owner_->findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
    if (status != nullptr && status->isVisible()) {
        height -= status->height();
    }
    const auto* results = static_cast<const ResultsScroller*>(dock_->widget());
    const int title = std::max(0, dock_->sizeHint().height() - results->sizeHint().height());
    const QLayout* lines = upper_->parentWidget()->layout();
    const int firstLines = lines->contentsMargins().top() + freshnessLine_->height() +
                           lines->spacing() + upper_->height();
    const QStyle* style = owner_->style();
    DockRoom room{};
    room.window = QSize(owner_->width(), height);
    room.page = pageScroller.widget()->minimumSize();
    // Docked by the planner above or below the page, the results are never put beside it.
    room.dock =
        QSize(plannerWantsBelow_ ? std::numeric_limits<int>::max() / 4 : results->widthWithBar(),
              results->sizeHint().height() + title);
    room.belowMinimum = title + firstLines;
    room.separator = style->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, owner_);
    room.scrollBar = style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, owner_);
    return room;
}

void QtResultsWindow::dockAt(Qt::DockWidgetArea area) {
    if (dock_->isFloating()) {
        dock_->setFloating(false);
    }
    floatedHere_ = false;
    if (owner_->dockWidgetArea(dock_) != area) {
        owner_->addDockWidget(area, dock_);
    }
}

// Floating for want of room, beside the window where the screen has a free place; false when
// it has none.
bool QtResultsWindow::floatBesideWindow() {
    if (dock_->isFloating()) {
        return true;
    }
    const QSize size = sizeOnScreen(owner_, dock_->sizeHint());
    const std::optional<QPoint> place = freePlaceBeside(*owner_, size, dock_);
    if (!place) {
        return false;
    }
    dock_->setFloating(true);
    floatedHere_ = true;
    dock_->resize(size);
    dock_->move(*place);
    return true;
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
    upper_->setPlainText(joined(upper));
    if (lowerChanged) {
        lower_->setPlainText(joined(lower));
    }
}

void QtResultsWindow::setVerdict(VerdictMark mark, const std::vector<std::string>& lines) {
    if (dock_ == nullptr) {
        return;
    }
    mark_ = mark;
    // Green for a hop that meets its objective, red for one that misses it; the words say the
    // same for those who do not see the colour.
    const QColor colour(mark == VerdictMark::Met ? 0x1b6e20 : 0xb00020);
    paintText(*verdict_, mark == VerdictMark::None ? QColor() : colour, mark != VerdictMark::None);
    verdict_->setPlainText(joined(lines));
    if (lines.empty()) {
        verdict_->setAccessibleName(QStringLiteral("Verdict: none"));
        return;
    }
    // A screen reader says a name that changes: the whole verdict, its wrapped lines joined,
    // and a calculation giving the same verdict again tells it changed too.
    const QString name =
        QStringLiteral("Verdict: ") + joined(lines).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (verdict_->accessibleName() == name) {
        QAccessibleEvent changed(verdict_, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    } else {
        verdict_->setAccessibleName(name);
    }
}

void QtResultsWindow::setAvailability(VerdictMark mark, const std::vector<std::string>& lines) {
    if (dock_ == nullptr) {
        return;
    }
    availabilityMark_ = mark;
    availability_->setPlainText(joined(lines));
}

void QtResultsWindow::setFreshness(ResultsFreshness freshness) {
    if (dock_ == nullptr) {
        return;
    }
    freshness_ = freshness;
    const bool stale = freshness == ResultsFreshness::Stale;
    // Greyed, the old figures stay readable, and reachable by Tab, but cannot be taken for the
    // hop's.
    const QColor grey =
        stale ? upper_->parentWidget()->palette().color(QPalette::Disabled, QPalette::Text)
              : QColor();
    paintText(*upper_, grey, false);
    paintText(*lower_, grey, false);
    const QString line = stale ? toQString(kResultsOutOfDateText)
                         : freshness == ResultsFreshness::Stored
                             ? QStringLiteral("Stored results, from the hop file")
                             : QStringLiteral(" ");
    freshnessLine_->setPlainText(line);
    paintText(*freshnessLine_, QColor(), stale);
}

void QtResultsWindow::setShown(bool shown) {
    if (dock_ == nullptr || shown == open_ || (shown && !reopenable_)) {
        return;
    }
    // Hidden by the planner, the results come back as they were until the program closes them.
    reopenable_ = !shown;
    open_ = shown;
    if (shown) {
        fitDock();
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

void QtResultsWindow::focus() {
    if (!open_ || dock_ == nullptr) {
        return;
    }
    dock_->activateWindow();
    upper_->setFocus(Qt::ShortcutFocusReason);
    if (auto* scroller = qobject_cast<QScrollArea*>(dock_->widget())) {
        scroller->ensureWidgetVisible(upper_);
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
