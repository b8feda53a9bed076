#include "ui/ui_fixture.h"

namespace korvel {
namespace {

class ShellTest : public UiTest {};

TEST_F(ShellTest, StartsWithThePrinterAvailable) {
    EXPECT_FALSE(session.app.printerUnavailable);
}

TEST_F(ShellTest, AnUnreadableLibraryEndsTheProgramAfterItsMessage) {
    std::filesystem::remove(folder / "korvel32.lbr");
    Shell second(session);
    EXPECT_FALSE(second.start());
    ASSERT_EQ(boxTexts().size(), 1u);
    EXPECT_EQ(boxTexts()[0].rfind("Cannot open libraryfile.\n", 0), 0u);
    EXPECT_NE(boxTexts()[0].find("korvel32.lbr"), std::string::npos);
}

TEST_F(ShellTest, APageThatCannotBeMadeIsReported) {
    dialogs.failPages = true;
    command(Command::RadioPage);
    EXPECT_EQ(messages.boxes(),
              (std::vector<MessageEvent>{{MessageEvent::Kind::Box,
                                          "Low on memory : cannot not create Radiobox", "Error",
                                          MessageIcon::Error}}));
}

// save_as_cancelled_keeps_name.scn plays Save, Save again and a cancelled Save As.
TEST_F(ShellTest, SaveWritesTheWholeHopFile) {
    command(Command::RadioPage);
    choose("HOP1.HOP");
    command(Command::Save);
    EXPECT_EQ(std::filesystem::file_size(folder / "HOP1.HOP"), 682u);
}

// day_of_work.scn plays Open, Open Recent, Save without a dialog and Exit without a prompt.
TEST_F(ShellTest, OpenRecentSaysAMissingFileAndTakesItOffTheList) {
    command(Command::RadioPage);
    choose("HOP1.HOP");
    command(Command::SaveAs);
    choose("HOP2.HOP");
    command(Command::SaveAs);
    ASSERT_EQ(window.recent, (std::vector<std::string>{(folder / "HOP2.HOP").string(),
                                                       (folder / "HOP1.HOP").string()}));
    std::filesystem::remove(folder / "HOP1.HOP");
    command(static_cast<Command>(static_cast<int>(Command::OpenRecentFirst) + 1));
    EXPECT_EQ(boxTexts().back(), "Cannot find " + (folder / "HOP1.HOP").string() +
                                     ". It is taken off the recent files.");
    EXPECT_EQ(window.recent, std::vector<std::string>{(folder / "HOP2.HOP").string()});
    EXPECT_EQ(session.app.currentHopFileName, "HOP2.HOP") << "the hop being edited stays";
    std::filesystem::remove(folder / "HOP2.HOP");
    std::filesystem::create_directory(folder / "HOP2.HOP");
    command(Command::OpenRecentFirst);
    EXPECT_EQ(boxTexts().back(), (folder / "HOP2.HOP").string() +
                                     " is now a folder, not a hop or route file. It is taken off "
                                     "the recent files.");
    EXPECT_TRUE(window.recent.empty());
}

TEST_F(ShellTest, SaveSaysAFileThatCannotBeMade) {
    command(Command::BasicsPage);
    choose("none/A.HOP");
    command(Command::SaveAs);
    EXPECT_EQ(boxTexts().back(), "Unable to create " + (folder / "none/A.HOP").string());
    EXPECT_EQ(window.title, "Korvel - (untitled)");
    EXPECT_TRUE(session.app.currentHopFileName.empty()) << "the hop keeps having no file";
}

TEST_F(ShellTest, AboutNamesTheVersionAndTheLibraryAndTheGuideOpens) {
    dialogs.answer(DialogId::About, {}, {kOkButton});
    command(Command::About);
    EXPECT_EQ(dialogs.ran.at(0).second.text(1002), "Current library: Test library 1");
    EXPECT_EQ(dialogs.ran.at(0).second.text(1003), std::string("Version ") + KORVEL_VERSION);
    EXPECT_EQ(dialogs.ran.at(0).second.endResult, kOkButton);
    command(Command::ShortGuide);
    EXPECT_EQ(window.guideShown, 1);
}

// Fixed: a command arriving while a dialog ran destroyed the page under it (use after free when
// the dialog closed). Commands wait until the last dialog closes; the session may not end then.
TEST_F(ShellTest, CommandsArrivingWhileADialogRunsWaitUntilItCloses) {
    command(Command::RadioPage);
    const FakeDialogView* radioPage = dialogs.page.get();
    bool mayEnd = true;
    dialogs.script(DialogId::PrintOptions, [&](FakeDialogView&, DialogEvents&) {
        messages.scriptAnswer(MessageAnswer::No);
        shell.onCommand(Command::BasicsPage);
        shell.onCommand(Command::New);
        mayEnd = shell.onShutdownQuery();
        EXPECT_EQ(dialogs.page.get(), radioPage);
        EXPECT_TRUE(window.posted.empty());
    });
    shell.onCommand(Command::Print);
    EXPECT_FALSE(mayEnd);
    EXPECT_TRUE(radioPage->windowEnabled);
    EXPECT_EQ(window.posted, (std::deque{Command::BasicsPage, Command::New}));
    deliverPosted();
    EXPECT_EQ(shell.currentPageId(), kStartPanelId);
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"Save current data ?"});
}

TEST_F(ShellTest, ChangedSettingsAreReadOverTheHeldOnes) {
    for (const char* text : {"[intl]\niDate=2\n", "[intl]\niDate=5\n"}) {
        profile = IniProfile::fromText(text);
        shell.onSettingsChanged();
        EXPECT_EQ(session.dateSettings.order, DateOrder::YearMonthDay);
    }
}

} // namespace
} // namespace korvel
