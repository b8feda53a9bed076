#pragma once
// A started program over fakes: the test library in a folder of its own, a Session and its Shell.
// The hop starts as a plausible 7.5 GHz hop so that the Basics page accepts it untouched.

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "library/library_file.h"
#include "library/test_library.h"
#include "platform/ini_profile.h"
#include "platform/recording_messages.h"
#include "support/fake_dialog_host.h"
#include "support/fake_file_chooser.h"
#include "support/fake_main_window.h"
#include "ui/page.h"
#include "ui/session.h"
#include "ui/shell.h"

namespace korvel {

class UiTest : public ::testing::Test {
  public:
    static std::filesystem::path uniqueFolder() {
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '_');
        return std::filesystem::temp_directory_path() /
               ("korvel_ui_" + std::to_string(getpid()) + "_" + name);
    }

    UiTest() {
        std::filesystem::create_directories(folder);
        const std::vector<std::uint8_t> image = libraryImage(makeTestLibrary());
        std::ofstream(folder / "korvel32.lbr", std::ios::binary)
            .write(reinterpret_cast<const char*>(image.data()),
                   static_cast<std::streamsize>(image.size()));
    }
    ~UiTest() override { std::filesystem::remove_all(folder); }

    void SetUp() override {
        ASSERT_TRUE(shell.start());
        HopRecord& record = session.hop.record;
        record.frequencyGHz = 7.5;
        record.hopLengthKm = 40;
        record.longitudeDeg = 24;
        record.latitudeDeg = 60;
        messages.clear();
    }

    // The command, then whatever it posted, as the main window's loop would deliver them.
    void command(Command command) {
        shell.onCommand(command);
        deliverPosted();
    }
    void deliverPosted() {
        while (!window.posted.empty()) {
            const Command next = window.posted.front();
            window.posted.pop_front();
            shell.onCommand(next);
        }
    }
    // A user action on the current page.
    void click(ControlId control) { dialogs.pagePresenter->onCommand(control); }
    void type(ControlId control, const std::string& text) { page().setText(control, text); }
    FakeDialogView& page() { return *dialogs.page; }
    bool pageAccepts() {
        session.app.pageAccepted = true;
        click(kLeavePageCommand);
        return session.app.pageAccepted;
    }
    // The next file dialog chooses `name` in the test's folder.
    void choose(const std::string& name) {
        files.answers.push_back(ChosenFile{(folder / name).string(), name});
    }
    std::vector<std::string> boxTexts() const {
        std::vector<std::string> texts;
        for (const MessageEvent& box : messages.boxes()) {
            texts.push_back(box.text);
        }
        return texts;
    }

    const std::filesystem::path folder = uniqueFolder();
    RecordingMessages messages;
    FakeFileChooser files;
    FakeDialogHost dialogs;
    FakeMainWindow window;
    IniProfile profile = IniProfile::fromText("");
    Session session{{messages, files, dialogs, window, profile}, (folder / "korvel32.lbr").string()};
    Shell shell{session};
};

} // namespace korvel
