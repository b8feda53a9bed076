#include "platform/qt/qt_busy_work.h"

#include <atomic>
#include <memory>
#include <utility>

#include <QApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QProgressDialog>

#include "platform/qt/qt_text.h"

namespace korvel {

bool QtBusyWork::run(const std::string& what, std::function<void(std::stop_token)> work) {
    if (worker_.joinable()) {
        worker_.join(); // one work at a time: the one cancelled before ends first
    }
    QWidget* parent = QApplication::activeModalWidget();
    QProgressDialog busy(toQString(what), QStringLiteral("Cancel"), 0, 0,
                         parent != nullptr ? parent : window_);
    busy.setWindowTitle(QStringLiteral("Korvel"));
    busy.setWindowModality(Qt::WindowModal);
    busy.setMinimumDuration(500); // a quick import shows nothing
    busy.setAccessibleName(toQString(what));
    QEventLoop loop;
    // Touched on the window's thread only: the loop while it waits, nothing once it is gone.
    struct Waiting {
        QEventLoop* loop = nullptr;
        std::atomic<bool> ended{false};
    };
    auto waiting = std::make_shared<Waiting>();
    waiting->loop = &loop;
    QObject::connect(&busy, &QProgressDialog::canceled, &loop, &QEventLoop::quit);
    worker_ = std::jthread([work = std::move(work), waiting](std::stop_token stop) {
        work(std::move(stop));
        waiting->ended.store(true);
        QMetaObject::invokeMethod(
            qApp,
            [waiting] {
                if (waiting->loop != nullptr) {
                    waiting->loop->quit();
                }
            },
            Qt::QueuedConnection);
    });
    loop.exec();
    waiting->loop = nullptr;
    if (!waiting->ended.load()) {
        worker_.request_stop(); // cancelled: the work stops at its next question and ends
        return false;
    }
    worker_.join();
    return true;
}

} // namespace korvel
