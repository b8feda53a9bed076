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

// The window answers while the work runs away from it; Cancel returns at once and drops nothing
// the work owns; the next work waits for the one cancelled.
TEST(BusyWorkTest, TheWindowAnswersMeanwhileAndCancelReturnsAtOnce) {
    QWidget window;
    QtBusyWork busy(&window);
    const auto guiThread = std::this_thread::get_id();
    std::thread::id workThread;
    bool ticked = false;
    QTimer::singleShot(20, [&ticked] { ticked = true; });
    EXPECT_TRUE(busy.run("Importing", [&workThread] {
        workThread = std::this_thread::get_id();
        std::this_thread::sleep_for(200ms);
    }));
    EXPECT_NE(workThread, guiThread);
    EXPECT_TRUE(ticked) << "events pass while the work runs";

    auto done = std::make_shared<std::atomic<bool>>(false);
    QTimer::singleShot(700, [&window] {
        if (auto* note = window.findChild<QProgressDialog*>()) {
            note->findChild<QPushButton*>()->click();
        }
    });
    EXPECT_FALSE(busy.run("Importing", [done] {
        std::this_thread::sleep_for(1500ms);
        done->store(true);
    }));
    EXPECT_FALSE(done->load()) << "Cancel does not wait for the work";
    EXPECT_TRUE(busy.run("Importing", [] {}));
    EXPECT_TRUE(done->load()) << "the next work starts after the cancelled one ended";
}

} // namespace
} // namespace korvel
