#include "scenario_window_checks.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringList>
#include <QTableWidget>
#include <QWidget>

#include "platform/qt/qt_main_window.h"
#include "scenario_words.h"
#include "transcript.h"

namespace korvel {

namespace {

std::string expectSize(const QtMainWindow& window, const std::string& rest) {
    const auto [width, height] = splitWord(rest);
    if (!number(width) || !number(height)) {
        return "expected a width and a height, not " + quoted(rest);
    }
    const std::string found =
        std::to_string(window.width()) + " " + std::to_string(window.height());
    return found == rest ? std::string() : "expected size " + rest + ", found " + found;
}

// The item's text, or its keys; "{folder}" in the expected text stands for the working folder.
std::string expectItem(const QtMainWindow& window, const std::string& what,
                       const std::string& rest) {
    const auto [commandWord, expected] = splitWord(rest);
    const std::optional<int> command = number(commandWord);
    const QAction* item = command ? window.menuAction(static_cast<Command>(*command)) : nullptr;
    if (item == nullptr) {
        return "no menu item " + commandWord;
    }
    QString wanted = QString::fromStdString(expected);
    wanted.replace(QStringLiteral("{folder}"), QDir::toNativeSeparators(QDir::currentPath()));
    QString found = item->text();
    if (what == "key") {
        QStringList keys;
        for (const QKeySequence& key : item->shortcuts()) {
            keys << key.toString(QKeySequence::PortableText);
        }
        found = keys.join(QStringLiteral(", "));
    }
    return found == wanted ? std::string()
                           : "expected " + what + " " + quoted(wanted.toStdString()) + " of " +
                                 commandWord + ", found " + quoted(found.toStdString());
}

// No window of the program covers another: the main window, the floating results, the charts,
// the Sweep and the Profile window each in a place of its own.
std::string expectWindowsApart() {
    QList<QWidget*> shown;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (window->isVisible() && (type == Qt::Window || type == Qt::Dialog || type == Qt::Tool)) {
            shown << window;
        }
    }
    for (qsizetype i = 0; i < shown.size(); ++i) {
        for (qsizetype j = i + 1; j < shown.size(); ++j) {
            if (shown[i]->frameGeometry().intersects(shown[j]->frameGeometry())) {
                const auto where = [](const QWidget* window) {
                    const QRect frame = window->frameGeometry();
                    return window->objectName().toStdString() + " window (" +
                           std::to_string(frame.width()) + "x" + std::to_string(frame.height()) +
                           " at " + std::to_string(frame.x()) + "," + std::to_string(frame.y()) +
                           ")";
                };
                return "the " + where(shown[i]) + " covers the " + where(shown[j]);
            }
        }
    }
    return {};
}

std::string pixels(const QRect& rect) {
    return std::to_string(rect.width()) + "x" + std::to_string(rect.height()) + " at " +
           std::to_string(rect.x()) + "," + std::to_string(rect.y());
}

// Whether a scroll bar reaches `far`, the page area's far edge, from a viewport `shown` long.
bool reaches(const QScrollBar& bar, int far, int shown) {
    return far <= shown || (bar.isVisible() && bar.maximum() + shown >= far);
}

// Every control of the page is in the window's view or reachable by its scroll bars, no results
// docked beside the page make it scroll across, and no floating results cover the part in view.
std::string expectPageVisible(const QtMainWindow& window) {
    const auto* scroller = qobject_cast<const QScrollArea*>(window.centralWidget());
    const QWidget* area = window.pageArea();
    if (scroller == nullptr || area == nullptr || !scroller->isVisible()) {
        return "no page area shown";
    }
    QRect controls;
    for (const QWidget* control : area->findChildren<QWidget*>()) {
        if (control->isVisible() && control->findChildren<QWidget*>().isEmpty()) {
            controls |= QRect(control->mapTo(area, QPoint(0, 0)), control->size());
        }
    }
    // The scroll bars show or hide on a queued call after the range changes: let it run.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    const QSize view = scroller->viewport()->size();
    if (!area->rect().contains(controls) ||
        !reaches(*scroller->horizontalScrollBar(), area->width(), view.width()) ||
        !reaches(*scroller->verticalScrollBar(), area->height(), view.height())) {
        return "expected the page's controls (" + pixels(controls) + ") reachable in a view " +
               pixels(QRect(QPoint(0, 0), view)) + " of a page area " + pixels(area->rect());
    }
    const QRect inView(scroller->viewport()->mapToGlobal(QPoint(0, 0)), view);
    const QRect controlsShown(area->mapToGlobal(controls.topLeft()), controls.size());
    for (QDockWidget* dock : window.findChildren<QDockWidget*>()) {
        const Qt::DockWidgetArea side = window.dockWidgetArea(dock);
        const bool beside = side == Qt::LeftDockWidgetArea || side == Qt::RightDockWidgetArea;
        if (dock->isVisible() && !dock->isFloating() && beside && area->width() > view.width()) {
            return "the docked " + dock->objectName().toStdString() +
                   " stand beside a page they make scroll across";
        }
        if (dock->isVisible() && dock->isFloating() &&
            dock->frameGeometry().intersects(controlsShown & inView)) {
            return "the floating " + dock->objectName().toStdString() + " (" +
                   pixels(dock->frameGeometry()) + ") covers the page's controls";
        }
    }
    return {};
}

} // namespace

std::optional<std::string> checkMainWindow(const QtMainWindow& window, const std::string& what,
                                           const std::string& rest) {
    if (what == "size") {
        return expectSize(window, rest);
    }
    if (what == "item" || what == "key") {
        return expectItem(window, what, rest);
    }
    if (what == "page" && rest == "visible") {
        return expectPageVisible(window);
    }
    if (what == "windows" && rest == "apart") {
        return expectWindowsApart();
    }
    return std::nullopt;
}

std::string tableRowText(const QTableWidget& table, int row) {
    if (row < 0 || row >= table.rowCount()) {
        return "no such row";
    }
    QStringList cells;
    for (int column = 0; column < table.columnCount(); ++column) {
        const QTableWidgetItem* item = table.item(row, column);
        cells << (item != nullptr ? item->text() : QString());
    }
    return cells.join(QStringLiteral(" | ")).toStdString();
}

} // namespace korvel
