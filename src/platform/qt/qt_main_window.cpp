#include "platform/qt/qt_main_window.h"

#include <tuple>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QSessionManager>
#include <QShortcut>

#include "platform/qt/qt_text.h"

namespace korvel {

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kLeft = 3;
constexpr int kTop = 3;
constexpr int kPageMargin = 6;
constexpr int kStartPanelDrop = 30;

// The title banner and the notice at the bottom (35 and 40 characters at most).
const char* const kBanner = "Microwave radio link planning";
const char* const kNotice = "Pick an option to begin";

// The client area: the banner is painted on it, the pages are its children.
class PageArea final : public QWidget {
  public:
    explicit PageArea(QWidget* parent) : QWidget(parent) {
        setAutoFillBackground(true);
        QPalette white = palette();
        white.setColor(QPalette::Window, Qt::white);
        setPalette(white);
        // Reachable by F6 and a click, never a Tab stop of its own beside the page's controls.
        setFocusPolicy(Qt::ClickFocus);
        setAccessibleName(QStringLiteral("Korvel"));
    }

    void setBannerShown(bool shown) {
        bannerShown_ = shown;
        update();
    }

  protected:
    void paintEvent(QPaintEvent* /*event*/) override {
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

  private:
    bool bannerShown_ = false;
};

} // namespace

QtMainWindow::QtMainWindow() {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Korvel"));
    setCentralWidget(new PageArea(this));
    buildMenu();
    setGeometry(kLeft, kTop, kWidth, kHeight);
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

void QtMainWindow::buildMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    addCommand(file, QStringLiteral("&New"), Command::New, QKeySequence(QStringLiteral("Ctrl+N")));
    addCommand(file, QStringLiteral("&Save..."), Command::Save,
               QKeySequence(QStringLiteral("Ctrl+S")));
    addCommand(file, QStringLiteral("&Print..."), Command::Print,
               QKeySequence(QStringLiteral("Ctrl+P")));
    file->addSeparator();
    addCommand(file, QStringLiteral("&View hops..."), Command::ViewHops,
               QKeySequence(QStringLiteral("Ctrl+V")));
    file->addSeparator();
    addCommand(file, QStringLiteral("E&xit"), Command::Exit);

    QMenu* pages = menuBar()->addMenu(QStringLiteral("Pa&ges"));
    for (const auto& [text, command, key] : {std::tuple{"&Radios", Command::RadioPage, "Ctrl+R"},
                                             std::tuple{"&Basics", Command::BasicsPage, "Ctrl+B"},
                                             std::tuple{"&Form", Command::FormPage, "Ctrl+F"}}) {
        addCommand(pages, QString::fromLatin1(text), command,
                   QKeySequence(QString::fromLatin1(key)))
            ->setCheckable(true);
    }

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    addCommand(help, QStringLiteral("&Short Guide"), Command::ShortGuide);
    help->addSeparator();
    addCommand(help, QStringLiteral("A&bout Korvel..."), Command::About);

    // The start state: New enabled, the rest of the six grayed.
    for (Command grayed : {Command::Save, Command::RadioPage, Command::BasicsPage,
                           Command::FormPage, Command::ViewHops}) {
        setMenuEnabled(grayed, false);
    }
}

void QtMainWindow::setTitle(std::string_view cp1252Title) {
    setWindowTitle(toQString(cp1252Title));
}

void QtMainWindow::setMenuEnabled(Command item, bool enabled) {
    if (QAction* action = menuAction(item)) {
        action->setEnabled(enabled);
    }
}

void QtMainWindow::setMenuChecked(Command item, bool checked) {
    if (QAction* action = menuAction(item)) {
        action->setCheckable(true);
        action->setChecked(checked);
    }
}

void QtMainWindow::drawBanner() {
    static_cast<PageArea*>(centralWidget())->setBannerShown(true);
}

void QtMainWindow::eraseBanner() {
    static_cast<PageArea*>(centralWidget())->setBannerShown(false);
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
    return centralWidget();
}

QAction* QtMainWindow::menuAction(Command command) const {
    const auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

void QtMainWindow::showPage(QWidget* frame, bool centred) {
    frame->adjustSize();
    const QSize needed = frame->size() + QSize(2 * kPageMargin, 2 * kPageMargin);
    const QSize area = pageArea()->size();
    if (needed.width() > area.width() || needed.height() > area.height()) {
        resize(size() + needed.expandedTo(area) - area);
    }
    const QSize room = pageArea()->size();
    if (centred) {
        frame->move((room.width() - frame->width()) / 2,
                    (room.height() - frame->height()) / 2 + kStartPanelDrop);
    } else {
        frame->move(kPageMargin, kPageMargin);
    }
    frame->show();
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
    // The main window itself, its page, then every other window it owns (the results window).
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
        if (child->isWindow() && child->isVisible() && !child->isModal()) {
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
