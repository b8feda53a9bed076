#pragma once
// The one QApplication of a Qt test program, offscreen.

#include <QApplication>

namespace korvel {

inline void startOffscreenApplication() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "korvel_qt_test";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}

} // namespace korvel
