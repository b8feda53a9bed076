#include "hopfile/hop_file.h"
#include "support/temp_folder.h"
#include "support/test_hop.h"
#include "ui/basics_page.h"
#include "ui/start_panel.h"
#include "ui/ui_fixture.h"

namespace korvel {
namespace {

class OpenHopTest : public UiTest {
  public:
    void modifyOldHop(const std::string& name, const std::vector<std::uint8_t>& image) {
        writeFile(folder / "sub" / name, image);
        choose("sub/" + name);
        click(kModifyOldHopButton);
        deliverPosted();
    }
};

// open_hop.scn plays the page and the title of a hop that loads.
TEST_F(OpenHopTest, AHopThatLoadsOpensOnTheBasicsPageAndItsFolderBecomesTheWorkingFolder) {
    modifyOldHop("LINK7.HOP", sixteenBitImage(makeTestHop()));
    EXPECT_EQ(files.uses, std::vector{FileDialogUse::OpenHop});
    EXPECT_FALSE(window.banner);
    EXPECT_EQ(boxTexts(), std::vector<std::string>{
                              "The file LINK7.HOP is created with 16-bit version of Korvel.\n"
                              " When saved, it will be converted to 32-bit format."});
    EXPECT_EQ(session.hop.record.station1Name.str(), "Hill A");
    EXPECT_EQ(session.fileInWorkingFolder("LINK7.TXT"), folder / "sub" / "LINK7.TXT");
    EXPECT_EQ(session.fileInWorkingFolder("/tmp/R.TXT"), "/tmp/R.TXT");
}

TEST_F(OpenHopTest, AHopThatFailsItsChecksStartsANewHop) {
    HopState hop = makeTestHop();
    hop.record.radioName.assign("GONE");
    modifyOldHop("GONE.HOP", hopFileImage(hop));
    EXPECT_EQ(boxTexts().size(), 1u);
    EXPECT_EQ(shell.currentPageId(), 0);
    EXPECT_TRUE(session.app.currentHopFileName.empty());
    EXPECT_EQ(session.hop.record.radioName.str(), "");
    EXPECT_TRUE(window.banner);
}

TEST_F(OpenHopTest, CancellingTheDialogStaysOnTheStartPanel) {
    click(kModifyOldHopButton);
    EXPECT_TRUE(window.posted.empty());
    EXPECT_TRUE(messages.events().empty());
    click(kOneHopButton);
    EXPECT_EQ(window.posted, std::deque{Command::RadioPage});
}

TEST_F(OpenHopTest, TheCommandLineHopOpensAsModifyOldHopDoes) {
    writeFile(folder / "sub" / "LINK7.HOP", hopFileImage(makeTestHop()));
    shell.openHopFile((folder / "sub" / "LINK7.HOP").string());
    EXPECT_EQ(shell.currentPageId(), 104);
    EXPECT_EQ(session.app.workingFolder, folder / "sub");
    shell.openHopFile((folder / "MISSING.HOP").string());
    EXPECT_EQ(boxTexts().back(), "Cannot open MISSING.HOP");
    EXPECT_EQ(shell.currentPageId(), 0);
}

// Fixed: names were kept in Windows-1252, so "東京.HOP" could not be opened ("Cannot open
// ??.HOP"), and saving "東京.HOP" then "大阪.HOP" left one file "??.HOP" holding the second hop.
TEST_F(OpenHopTest, FileNamesAndFoldersOfAnyCharactersNameTheirOwnFiles) {
    const std::filesystem::path tokyo = folder / "東京 データ" / "東京.HOP";
    std::filesystem::create_directories(tokyo.parent_path());
    writeFile(tokyo, hopFileImage(makeTestHop()));
    choose("東京 データ/東京.HOP");
    click(kModifyOldHopButton);
    deliverPosted();
    ASSERT_EQ(shell.currentPageId(), 104) << testing::PrintToString(boxTexts());
    EXPECT_EQ(session.app.currentHopFileName, "東京.HOP");
    EXPECT_EQ(window.title, "Korvel - ??.HOP"); // the title is Windows-1252 text
    EXPECT_EQ(session.fileInWorkingFolder("r.txt"), tokyo.parent_path() / "r.txt");

    const std::string tokyoBytes = test::readFileText(tokyo);
    page().setText(kStation1NameField, "Osaka");
    choose("東京 データ/大阪.HOP");
    command(Command::Save);
    EXPECT_EQ(session.app.currentHopFileName, "大阪.HOP");
    EXPECT_EQ(test::readFileText(tokyo), tokyoBytes);
    HopState osaka;
    ASSERT_TRUE(readHopFile(osaka, session.library, tokyo.parent_path() / "大阪.HOP", messages));
    EXPECT_EQ(osaka.record.station1Name.str(), "Osaka");
    EXPECT_FALSE(std::filesystem::exists(tokyo.parent_path() / "??.HOP"));

    messages.clear();
    shell.openHopFile(tokyo.string()); // from the command line
    EXPECT_EQ(shell.currentPageId(), 104);
    EXPECT_EQ(session.app.currentHopFileName, "東京.HOP");
    EXPECT_TRUE(boxTexts().empty()) << testing::PrintToString(boxTexts());
}

} // namespace
} // namespace korvel
