#include "platform/qt/qt_main_window.h"

#include <algorithm>
#include <tuple>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QSessionManager>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>

#include "platform/qt/qt_elided_label.h"
#include "platform/qt/qt_page_area.h"
#include "platform/qt/qt_results_window.h"
#include "platform/qt/qt_text.h"

namespace korvel {

namespace {

constexpr int kMainWidth = 640;
constexpr int kMainHeight = 480;
constexpr int kLeft = 3;
constexpr int kTop = 3;

// Where the window's size, position and docks are kept: the user's configuration folder.
QSettings layoutSettings() {
    return QSettings(QStringLiteral("Korvel"), QStringLiteral("korvel"));
}

} // namespace

QtMainWindow::QtMainWindow() {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Korvel"));
    auto* scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    // Not a Tab stop: unnamed, it would be a silent stop between the page's last control and its
    // first.
    scroller->setFocusPolicy(Qt::NoFocus);
    pageArea_ = new QtPageArea(scroller);
    scroller->setWidget(pageArea_);
    pageArea_->pageGrown = [this](QSize needed) { growToShow(needed); };
    setCentralWidget(scroller);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    setMiddleElidedText(*status_, QString(), 0);
    statusBar()->addWidget(status_, 1);
    // A screen reader says the bar's name: it carries the text shown, passing messages included.
    connect(statusBar(), &QStatusBar::messageChanged, this, [this] { nameStatus(); });
    nameStatus();
    buildMenu();
    setGeometry(kLeft, kTop, kMainWidth, kMainHeight);
    setAcceptDrops(true);
    move(kLeft, kTop);

    auto* nextWindow = new QShortcut(QKeySequence(Qt::Key_F6), this);
    nextWindow->setContext(Qt::ApplicationShortcut);
    connect(nextWindow, &QShortcut::activated, this, &QtMainWindow::cycleActivation);

    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (events_ == nullptr || !manager.allowsInteraction()) {
            return;
        }
        const bool mayEnd = events_->onShutdownQuery();
        manager.release();
        if (!mayEnd) {
            manager.cancel();
        }
    });
}

QAction* QtMainWindow::addCommand(QMenu* menu, const QString& text, Command command,
                                  const QKeySequence& key) {
    QAction* action = menu->addAction(text);
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, [this, command] {
        if (events_ != nullptr) {
            events_->onCommand(command);
        }
    });
    actions_[command] = action;
    return action;
}

void QtMainWindow::buildFileMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    addCommand(file, QStringLiteral("&New"), Command::New, QKeySequence::New);
    addCommand(file, QStringLiteral("&Open..."), Command::Open, QKeySequence::Open);
    recentMenu_ = file->addMenu(QStringLiteral("Open &Recent"));
    for (int i = static_cast<int>(Command::OpenRecentFirst);
         i <= static_cast<int>(Command::OpenRecentLast); ++i) {
        addCommand(recentMenu_, QString(), static_cast<Command>(i))->setVisible(false);
    }
    addCommand(file, QStringLiteral("&Save"), Command::Save, QKeySequence::Save);
    // Not every platform theme gives Save As a key: set, as planners know it.
    addCommand(file, QStringLiteral("Save &As..."), Command::SaveAs,
               QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    addCommand(file, QStringLiteral("&Print..."), Command::Print, QKeySequence::Print);
    file->addSeparator();
    // Ctrl+V stays paste: View hops has no key of its own.
    addCommand(file, QStringLiteral("&View hops..."), Command::ViewHops);
    file->addSeparator();
    QMenu* exports = file->addMenu(QStringLiteral("&Export"));
    addCommand(exports, QStringLiteral("&KML..."), Command::ExportKml);
    addCommand(exports, QStringLiteral("&GeoJSON..."), Command::ExportGeoJson);
    addCommand(file, QStringLiteral("E&xit"), Command::Exit, QKeySequence::Quit);
    setRecentFiles(recentFiles());
}

void QtMainWindow::buildMenu() {
    buildFileMenu();
    QMenu* pages = menuBar()->addMenu(QStringLiteral("Pa&ges"));
    // Ctrl+1 to Ctrl+3: the pages in their order, leaving Ctrl+F (find) and Ctrl+B to the fields.
    for (const auto& [text, command, key] : {std::tuple{"&Radios", Command::RadioPage, "Ctrl+1"},
                                             std::tuple{"&Basics", Command::BasicsPage, "Ctrl+2"},
                                             std::tuple{"&Form", Command::FormPage, "Ctrl+3"}}) {
        addCommand(pages, QString::fromLatin1(text), command,
                   QKeySequence(QString::fromLatin1(key)))
            ->setCheckable(true);
    }

    viewMenu_ = menuBar()->addMenu(QStringLiteral("&View"));
    connect(viewMenu_, &QMenu::aboutToShow, this, &QtMainWindow::refreshViewToggles);

    QMenu* charts = menuBar()->addMenu(QStringLiteral("Chart&s"));
    addCommand(charts, QStringLiteral("Link &budget"), Command::BudgetChart);
    addCommand(charts, QStringLiteral("&Outage against the objective"), Command::OutageChart);
    addCommand(charts, QStringLiteral("S&weep..."), Command::Sweep);
    addCommand(charts, QStringLiteral("&Path profile..."), Command::Profile);
    charts->addSeparator();
    addCommand(charts, QStringLiteral("&Route outage by hop"), Command::RouteChart);

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    addCommand(tools, QStringLiteral("&Sites..."), Command::Sites);
    addCommand(tools, QStringLiteral("&Climate maps..."), Command::ClimateMaps);
    addCommand(tools, QStringLiteral("&Terrain..."), Command::Terrain);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    addCommand(help, QStringLiteral("&Short Guide"), Command::ShortGuide);
    help->addSeparator();
    addCommand(help, QStringLiteral("A&bout Korvel..."), Command::About);

    // The start state: New enabled, the rest of the six grayed.
    for (Command grayed : {Command::Save, Command::SaveAs, Command::RadioPage, Command::BasicsPage,
                           Command::FormPage, Command::ViewHops}) {
        setMenuEnabled(grayed, false);
    }
}

void QtMainWindow::setTitle(std::string_view utf8Title) {
    // "[*]" shows as "*" while the hop holds unsaved changes.
    setWindowTitle(QString::fromUtf8(utf8Title.data(), static_cast<qsizetype>(utf8Title.size())) +
                   QStringLiteral("[*]"));
}

void QtMainWindow::setMenuEnabled(Command item, bool enabled) {
    if (QAction* action = menuAction(item)) {
        action->setEnabled(enabled);
    }
    refreshViewToggles();
}

void QtMainWindow::addViewToggle(ViewToggle toggle) {
    QAction* item = viewMenu_->addAction(toggle.text);
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [show = toggle.show](bool checked) { show(checked); });
    actions_[toggle.command] = item;
    viewToggles_.push_back(std::move(toggle));
    refreshViewToggles();
}

void QtMainWindow::refreshViewToggles() {
    for (const ViewToggle& toggle : viewToggles_) {
        QAction* item = menuAction(toggle.command);
        const bool shown = toggle.shown();
        item->setChecked(shown);
        item->setEnabled(shown || toggle.available());
    }
}

void QtMainWindow::setMenuChecked(Command item, bool checked) {
    if (QAction* action = menuAction(item)) {
        action->setCheckable(true);
        action->setChecked(checked);
    }
}

void QtMainWindow::drawBanner() {
    pageArea_->setBannerShown(true);
}

void QtMainWindow::eraseBanner() {
    pageArea_->setBannerShown(false);
}

void QtMainWindow::postCommand(Command command) {
    ++pendingCommands_;
    QMetaObject::invokeMethod(
        this,
        [this, command] {
            --pendingCommands_;
            if (events_ != nullptr) {
                events_->onCommand(command);
            }
        },
        Qt::QueuedConnection);
}

void QtMainWindow::setEnabled(bool enabled) {
    if (!enabled) {
        focusReturn_.remember(this);
    }
    QMainWindow::setEnabled(enabled);
    if (enabled) {
        focusReturn_.restore();
    }
}

void QtMainWindow::showGuide() {
    help_.show();
}

void QtMainWindow::quit(int exitCode) {
    quitting_ = true;
    ++pendingCommands_;
    QMetaObject::invokeMethod(
        qApp,
        [this, exitCode] {
            --pendingCommands_;
            QCoreApplication::exit(exitCode);
        },
        Qt::QueuedConnection);
}

QWidget* QtMainWindow::pageArea() const {
    return pageArea_;
}

void QtMainWindow::setStatus(std::string_view utf8Text) {
    setMiddleElidedText(
        *status_, QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size())), 0);
    nameStatus();
}

void QtMainWindow::nameStatus() {
    const QString shown = statusText();
    const QString name =
        shown.trimmed().isEmpty() ? QStringLiteral("Status") : QStringLiteral("Status: ") + shown;
    status_->setAccessibleName(name);
    statusBar()->setAccessibleName(name);
}

void QtMainWindow::setModified(bool modified) {
    setWindowModified(modified);
}

std::vector<std::string> QtMainWindow::recentFiles() const {
    // Kept as bytes: a name that is not UTF-8 must name the same file when read back.
    std::vector<std::string> paths;
    const QVariantList stored = layoutSettings().value(QStringLiteral("recentFiles")).toList();
    for (const QVariant& path : stored) {
        const QByteArray bytes =
            path.typeId() == QMetaType::QByteArray ? path.toByteArray() : path.toString().toUtf8();
        paths.emplace_back(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    return paths;
}

void QtMainWindow::setRecentFiles(const std::vector<std::string>& paths) {
    QVariantList stored;
    for (std::size_t i = 0; i <= static_cast<std::size_t>(Command::OpenRecentLast) -
                                     static_cast<std::size_t>(Command::OpenRecentFirst);
         ++i) {
        QAction* item = menuAction(
            static_cast<Command>(static_cast<std::size_t>(Command::OpenRecentFirst) + i));
        const bool listed = i < paths.size();
        item->setVisible(listed);
        if (listed) {
            const QByteArray bytes(paths[i].data(), static_cast<qsizetype>(paths[i].size()));
            stored << QVariant(bytes);
            const QString path = QFile::decodeName(bytes);
            // The folder tells apart two files of one name.
            const QFileInfo file(path);
            QString text = QStringLiteral("%1 – %2").arg(
                file.fileName(), QDir::toNativeSeparators(file.absolutePath()));
            item->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(
                text.replace(QLatin1Char('&'), QStringLiteral("&&"))));
            item->setToolTip(path);
            item->setStatusTip(path);
        }
    }
    recentMenu_->setEnabled(!paths.empty());
    QSettings settings = layoutSettings();
    settings.setValue(QStringLiteral("recentFiles"), stored);
}

void QtMainWindow::dragEnterEvent(QDragEnterEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        const QString suffix = QFileInfo(url.toLocalFile()).suffix().toLower();
        if (url.isLocalFile() &&
            (suffix == QStringLiteral("hop") || suffix == QStringLiteral("rou"))) {
            event->acceptProposedAction();
            return;
        }
    }
}

void QtMainWindow::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        const QString suffix = QFileInfo(url.toLocalFile()).suffix().toLower();
        if (url.isLocalFile() &&
            (suffix == QStringLiteral("hop") || suffix == QStringLiteral("rou"))) {
            event->acceptProposedAction();
            if (events_ != nullptr) {
                events_->onOpenFile(url.toLocalFile().toStdString());
            }
            return;
        }
    }
}

QString QtMainWindow::statusText() const {
    // A passing message (a field telling what it takes) shows over the lasting one.
    const QString passing = statusBar()->currentMessage();
    return passing.isEmpty() ? fullLabelText(*status_) : passing;
}

void QtMainWindow::restoreLayout() {
    const QSettings settings = layoutSettings();
    restoreGeometry(settings.value(QStringLiteral("window/geometry")).toByteArray());
    restoreState(settings.value(QStringLiteral("window/state")).toByteArray());
    for (auto* dock : findChildren<QDockWidget*>()) {
        dock->hide();
    }
}

void QtMainWindow::saveLayout() const {
    QSettings settings = layoutSettings();
    settings.setValue(QStringLiteral("window/geometry"), saveGeometry());
    settings.setValue(QStringLiteral("window/state"), saveState());
}

QAction* QtMainWindow::menuAction(Command command) const {
    const auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

void QtMainWindow::showPage(QWidget* frame, bool centred) {
    growToShow(pageArea_->place(frame, centred));
}

// A window the planner has not maximized grows, within the screen, to show the whole page. The
// docked results' room counts as the page's: they move for the page, the window never grows
// for them.
void QtMainWindow::growToShow(QSize needed) {
    QSize room = centralWidget()->size();
    for (QDockWidget* dock : findChildren<QDockWidget*>()) {
        if (dock->isVisible() && !dock->isFloating()) {
            const Qt::DockWidgetArea area = dockWidgetArea(dock);
            const bool across = area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea;
            room += across ? QSize(dock->width(), 0) : QSize(0, dock->height());
        }
    }
    if (isMaximized() || isFullScreen() ||
        (needed.width() <= room.width() && needed.height() <= room.height())) {
        return;
    }
    QSize grown = size() + needed.expandedTo(room) - room;
    if (const QScreen* shown = screen()) {
        grown =
            grown.boundedTo(shown->availableGeometry().size() - (frameGeometry().size() - size()));
    }
    resize(grown);
}

void QtMainWindow::closeEvent(QCloseEvent* event) {
    if (quitting_ || events_ == nullptr || events_->onCloseRequest()) {
        event->accept();
        quit(0);
    } else {
        event->ignore();
    }
}

void QtMainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange && events_ != nullptr) {
        events_->onSettingsChanged();
    }
    QMainWindow::changeEvent(event);
}

void QtMainWindow::cycleActivation() {
    if (QApplication::activeModalWidget() != nullptr) {
        return;
    }
    // The main window itself, its page, then every other window it owns and the docked results.
    QWidget* page = nullptr;
    for (auto* child : pageArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible()) {
            page = child;
        }
    }
    std::vector<QWidget*> stops{pageArea()};
    if (page != nullptr) {
        stops.push_back(page);
    }
    for (auto* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const bool docked = qobject_cast<QDockWidget*>(child) != nullptr;
        if ((child->isWindow() || docked) && child->isVisible() && !child->isModal()) {
            stops.push_back(child);
        }
    }
    QWidget* focus = QApplication::focusWidget();
    std::size_t current = 0;
    for (std::size_t i = 1; i < stops.size(); ++i) {
        if (focus != nullptr && (focus == stops[i] || stops[i]->isAncestorOf(focus))) {
            current = i;
        }
    }
    QWidget* next = stops[(current + 1) % stops.size()];
    next->window()->activateWindow();
    next->window()->raise();
    if (next == page) {
        QWidget* inside = page->focusWidget();
        if (inside == nullptr) {
            inside = page->nextInFocusChain();
        }
        inside->setFocus(Qt::ShortcutFocusReason);
    } else if (next == pageArea()) {
        pageArea()->setFocus(Qt::ShortcutFocusReason);
    } else {
        next->setFocus(Qt::ShortcutFocusReason);
    }
}

} // namespace korvel
