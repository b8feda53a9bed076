#include "geo/sites_file.h"
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
    // Fixed: the title and the status bar showed the name as "??.HOP".
    EXPECT_EQ(window.title, "Korvel - 東京.HOP");
    EXPECT_TRUE(window.status.starts_with("Hop: 東京.HOP  |  ")) << window.status;
    EXPECT_EQ(session.fileInWorkingFolder("r.txt"), tokyo.parent_path() / "r.txt");

    const std::string tokyoBytes = test::readFileText(tokyo);
    page().setText(kStation1NameField, "Osaka");
    choose("東京 データ/大阪.HOP");
    command(Command::SaveAs);
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

// A hop with its sites file: the sites ride with the hop through open, Save under another name
// and New.
class HopSitesTest : public OpenHopTest {
  public:
    HopSitesTest() {
        sites.stations[0] = SitePosition{60.62, 25.15, 120.0};
        sites.stations[1] = SitePosition{60.2745, 25.34743, 35.0}; // 40.0 km on
        sites.profile = {{0.0, 120.0}, {20.0, 60.0, 12.0, true}, {40.0, 35.0}};
    }
    void openWithSites(const std::string& sitesText) {
        writeFile(folder / "sub" / "LINK7.HOP.sites.json",
                  std::vector<std::uint8_t>(sitesText.begin(), sitesText.end()));
        modifyOldHop("LINK7.HOP", hopFileImage(makeTestHop()));
    }
    HopSites sites;
};

TEST_F(HopSitesTest, OpenReadsTheSitesSaveWritesThemBesideTheNewFileNewForgetsThem) {
    openWithSites(sitesFileText(sites));
    EXPECT_TRUE(boxTexts().empty());
    ASSERT_TRUE(session.sites.stations[1]);
    EXPECT_EQ(session.sites.profile.size(), 3u);
    choose("sub/COPY.HOP");
    command(Command::SaveAs);
    const SitesRead copy = loadSites(folder / "sub" / "COPY.HOP");
    ASSERT_EQ(copy.status, SitesReadStatus::Read) << copy.error;
    EXPECT_EQ(copy.sites.profile[1].clutterM, 12.0);
    messages.scriptAnswer(MessageAnswer::No);
    command(Command::New);
    choose("sub/NEW.HOP");
    command(Command::RadioPage);
    command(Command::Save);
    EXPECT_TRUE(std::filesystem::exists(folder / "sub" / "NEW.HOP"));
    EXPECT_FALSE(std::filesystem::exists(folder / "sub" / "NEW.HOP.sites.json"));
}

TEST_F(HopSitesTest, AnUnusableSitesFileIsSaidAndKept) {
    const std::string newer = R"({"version": 2})";
    openWithSites(newer);
    EXPECT_EQ(boxTexts(), std::vector<std::string>{
                              "The sites file LINK7.HOP.sites.json cannot be used: version 2: "
                              "written by a newer Korvel; this one reads version 1\nThe hop opens "
                              "without its sites; the file is kept."});
    EXPECT_EQ(shell.currentPageId(), 104);
    EXPECT_FALSE(session.sites.stations[0]);
    // over the hop's own file, without a dialog
    command(Command::Save);
    EXPECT_EQ(test::readFileText(folder / "sub" / "LINK7.HOP.sites.json"), newer);
}

TEST_F(HopSitesTest, ALengthFromTheSitesIsTakenOnlyWhenThePlannerSaysYes) {
    sites.stations[1] = SitePosition{60.30, 25.35, 35.0}; // 37.3 km from station 1
    const std::string question = "The sites put the stations 37.3 km apart; the hop length is "
                                 "40.0 km.\nTake 37.3 km as the hop length?";
    openWithSites(sitesFileText(sites));
    EXPECT_EQ(boxTexts(), std::vector{question}); // No is the default
    EXPECT_EQ(session.hop.record.hopLengthKm, 40.0);
    messages.scriptAnswer(MessageAnswer::No); // "Save current data ?"
    command(Command::New);
    messages.clear();
    messages.scriptAnswer(MessageAnswer::Yes);
    modifyOldHop("LINK7.HOP", hopFileImage(makeTestHop()));
    EXPECT_EQ(boxTexts(), std::vector{question});
    EXPECT_NEAR(session.hop.record.hopLengthKm, 37.3, 1e-9);
}

} // namespace
} // namespace korvel
