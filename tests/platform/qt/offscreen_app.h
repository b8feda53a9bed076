#pragma once
// The one QApplication of a Qt test program, offscreen. It lives from before the first test to
// after the last, and goes before the program's exit handlers run, while Qt's own globals still
// exist.

#include <memory>

#include <gtest/gtest.h>

#include <QApplication>

namespace korvel {

class OffscreenApplication final : public ::testing::Environment {
  public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

  private:
    int argc_ = 1;
    char name_[16] = "korvel_qt_test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

inline ::testing::Environment* const kOffscreenApplication =
    ::testing::AddGlobalTestEnvironment(new OffscreenApplication);

} // namespace korvel
