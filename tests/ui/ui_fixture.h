#pragma once
// A started program over fakes: the test library in a folder of its own, a Session and its Shell.
// The hop starts as a plausible 7.5 GHz hop, so that the Basics page accepts it untouched.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "library/library_file.h"
#include "platform/ini_profile.h"
#include "support/fake_dialog_host.h"
#include "support/fake_file_chooser.h"
#include "support/fake_main_window.h"
#include "support/fake_printers.h"
#include "support/recording_messages.h"
#include "support/test_library.h"
#include "ui/page.h"
#include "ui/page_edit_watch.h"
#include "ui/session.h"
#include "ui/shell.h"

namespace korvel {

inline void writeFile(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

class UiTest : public ::testing::Test {
  public:
    UiTest() { writeFile(folder / "korvel32.lbr", libraryImage(makeTestLibrary())); }
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

    // The command, then what it posted, as the main window's loop delivers them.
    void command(Command command) {
        window.posted.push_back(command);
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
    // The page the shell or the test made.
    Page* shownPage() {
        if (auto* watch = dynamic_cast<PageEditWatch*>(dialogs.pagePresenter)) {
            return watch->watched();
        }
        return dynamic_cast<Page*>(dialogs.pagePresenter);
    }
    bool pageAccepts() {
        session.app.pageAccepted = true;
        if (Page* shown = shownPage()) {
            shown->onMenuCommand(Command::LeavePage);
        }
        return session.app.pageAccepted;
    }
    // The next file dialog chooses `name` in the test's folder.
    void choose(const std::string& name) {
        const std::filesystem::path file = folder / name;
        files.answers.push_back(ChosenFile{file.string(), file.filename().string()});
    }
    // The message boxes, then the list dialogs as "title heading name|name|" with " (no OK)"
    // when OK was disabled.
    std::vector<std::string> boxTexts() const {
        std::vector<std::string> texts;
        for (const MessageEvent& box : messages.boxes()) {
            texts.push_back(box.text);
        }
        for (const auto& [form, view] : dialogs.ran) {
            if (form == DialogId::ListDialog) {
                std::string list = view.title + " " + view.text(1400);
                for (ControlId name = 1401; name <= 1406 && !view.text(name).empty(); ++name) {
                    list += view.text(name) + "|";
                }
                texts.push_back(list + (view.isEnabled(kOkButton) ? "" : " (no OK)"));
            }
        }
        return texts;
    }
    const std::string testName = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("korvel_ui_" + std::to_string(getpid()) + testName);
    RecordingMessages messages;
    FakeFileChooser files;
    FakeDialogHost dialogs;
    FakeMainWindow window;
    IniProfile profile = IniProfile::fromText("");
    FakePrinters printers;
    Session session{{messages, files, dialogs, window, profile, printers},
                    (folder / "korvel32.lbr").string()};
    Shell shell{session};
};

} // namespace korvel
