#include "platform/qt/qt_window_places.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

#include <QApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace korvel {

namespace {

constexpr int kCascadeStep = 32;
constexpr int kCascadeSteps = 8;

// The program's other windows on the screen: the main window, the floating results, the charts.
std::vector<QRect> otherWindows(const QWidget* placed) {
    std::vector<QRect> frames;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (window != placed && window->isVisible() &&
            (type == Qt::Window || type == Qt::Dialog || type == Qt::Tool)) {
            frames.push_back(window->frameGeometry());
        }
    }
    return frames;
}

// How far a place is from the main window's top right corner, a step down counting twice a step
// across: charts fill the row beside the window first and leave the room below it whole for a
// large window to come.
int distance(QPoint place, QPoint corner) {
    const QPoint offset = place - corner;
    return std::abs(offset.x()) + 2 * std::abs(offset.y());
}

// The free place nearest the main window's top right corner: places start where the screen or
// another window begins or ends, so windows line up edge to edge.
std::optional<QPoint> freePlace(const QRect& screen, const QRect& mainFrame, QSize frame,
                                const std::vector<QRect>& others) {
    std::vector<int> lefts{screen.left(), screen.right() + 1 - frame.width()};
    std::vector<int> tops{screen.top(), mainFrame.top(), screen.bottom() + 1 - frame.height()};
    for (const QRect& other : others) {
        lefts.insert(lefts.end(), {other.right() + 1, other.left() - frame.width()});
        tops.insert(tops.end(), {other.bottom() + 1, other.top()});
    }
    const QPoint corner(mainFrame.right() + 1, mainFrame.top());
    std::optional<QPoint> best;
    for (const int left : lefts) {
        for (const int top : tops) {
            const QRect place(QPoint(left, top), frame);
            const bool free = screen.contains(place) &&
                              std::none_of(others.begin(), others.end(), [&](const QRect& other) {
                                  return other.intersects(place);
                              });
            if (free && (!best || distance(place.topLeft(), corner) < distance(*best, corner))) {
                best = place.topLeft();
            }
        }
    }
    return best;
}

} // namespace

std::optional<QPoint> freePlaceBeside(const QWidget& main, QSize size, const QWidget* placed) {
    const QScreen* screen = main.screen();
    if (screen == nullptr) {
        return std::nullopt;
    }
    // The window manager frames the window as it frames the main window.
    const QRect mainFrame = main.frameGeometry();
    return freePlace(screen->availableGeometry(), mainFrame,
                     size + (mainFrame.size() - main.size()), otherWindows(placed));
}

void placeBesideMainWindow(QWidget& window, const QWidget& main) {
    const QScreen* screen = main.screen();
    if (screen == nullptr) {
        return;
    }
    // A chart's layout may widen it.
    const QSize size = window.size().expandedTo(window.minimumSizeHint());
    if (const std::optional<QPoint> free = freePlaceBeside(main, size, &window)) {
        window.move(*free);
        return;
    }
    const QRect shown = screen->availableGeometry();
    const QSize frame = size + (main.frameGeometry().size() - main.size());
    const std::vector<QRect> others = otherWindows(&window);
    // No free place on the screen: cascaded down from its right edge, a step for each window
    // of the program already shown beside the main window.
    const int step = static_cast<int>(others.size() % kCascadeSteps) * kCascadeStep;
    window.move(
        std::max(shown.left(), shown.right() + 1 - frame.width() - step),
        std::min(shown.top() + step, std::max(shown.top(), shown.bottom() + 1 - frame.height())));
}

} // namespace korvel
