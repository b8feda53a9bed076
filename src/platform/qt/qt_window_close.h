#pragma once
// Closing a window that deletes itself when closed.

#include <QThread>
#include <QWidget>

namespace korvel {

// Closes `window` (made with Qt::WA_DeleteOnClose). Its delete waits for the event loop; when
// no loop is left to run (the program is ending), it is deleted at once.
inline void closeSelfDeletingWindow(QWidget* window) {
    window->close();
    if (QThread::currentThread()->loopLevel() == 0) {
        delete window;
    }
}

} // namespace korvel
