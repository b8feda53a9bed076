#pragma once
// A window of the program opens no larger than its screen leaves room for: on a small screen
// (800 x 600) a chart or profile window would otherwise reach past its edges.

#include <QGuiApplication>
#include <QScreen>
#include <QSize>
#include <QWidget>

namespace korvel {

// The size wanted, reduced to the available part of the owner's screen (the primary screen
// without an owner) less the room a window frame takes.
inline QSize sizeOnScreen(const QWidget* owner, QSize wanted) {
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return wanted;
    }
    const QSize frameRoom(16, 40);
    return wanted.boundedTo(screen->availableGeometry().size() - frameRoom);
}

} // namespace korvel
