#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include <gtest/gtest.h>

#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "offscreen_app.h"
#include "platform/qt/qt_busy_work.h"

namespace korvel {
namespace {

using namespace std::chrono_literals;

// The window answers while the work runs away from it; Cancel returns at once, drops nothing the
// work owns and asks it to stop; the next work waits for the one cancelled.
TEST(BusyWorkTest, TheWindowAnswersMeanwhileAndCancelReturnsAtOnce) {
    QWidget window;
    QtBusyWork busy(&window);
    const auto guiThread = std::this_thread::get_id();
    std::thread::id workThread;
    bool ticked = false;
    QTimer::singleShot(20, [&ticked] { ticked = true; });
    EXPECT_TRUE(busy.run("Importing", [&workThread](const std::stop_token&) {
        workThread = std::this_thread::get_id();
        std::this_thread::sleep_for(200ms);
    }));
    EXPECT_NE(workThread, guiThread);
    EXPECT_TRUE(ticked) << "events pass while the work runs";

    auto stopped = std::make_shared<std::atomic<bool>>(false);
    QTimer::singleShot(700, [&window] {
        if (auto* note = window.findChild<QProgressDialog*>()) {
            note->findChild<QPushButton*>()->click();
        }
    });
    EXPECT_FALSE(busy.run("Importing", [stopped](const std::stop_token& stop) {
        const auto giveUp = std::chrono::steady_clock::now() + 5s;
        while (!stop.stop_requested() && std::chrono::steady_clock::now() < giveUp) {
            std::this_thread::sleep_for(10ms);
        }
        std::this_thread::sleep_for(100ms);
        stopped->store(stop.stop_requested());
    }));
    EXPECT_FALSE(stopped->load()) << "Cancel does not wait for the work";
    EXPECT_TRUE(busy.run("Importing", [](const std::stop_token&) {}));
    EXPECT_TRUE(stopped->load()) << "the cancelled work was asked to stop and ended first";
}

} // namespace
} // namespace korvel
