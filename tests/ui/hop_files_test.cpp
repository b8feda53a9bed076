#include "hopfile/hop_file.h"
#include "support/temp_folder.h"
#include "ui/basics_page.h"
#include "ui/hop_sites_fixture.h"

namespace korvel {
namespace {

// open_sixteen_bit_hop.scn plays a hop that loads and its folder becoming the working folder.
TEST_F(OpenHopTest, AnAbsoluteNameStaysOutOfTheWorkingFolder) {
    modifyOldHop("LINK7.HOP", hopFileImage(test::makeTestHop()));
    EXPECT_EQ(session.fileInWorkingFolder("/tmp/R.TXT"), "/tmp/R.TXT");
}

TEST_F(OpenHopTest, AHopThatFailsItsChecksStartsANewHop) {
    HopState hop = test::makeTestHop();
    hop.record.radioName.assign("GONE");
    modifyOldHop("GONE.HOP", hopFileImage(hop));
    EXPECT_EQ(boxTexts().size(), 1u);
    EXPECT_EQ(shell.currentPageId(), 0);
    EXPECT_TRUE(session.app.currentHopFileName.empty());
    EXPECT_EQ(session.hop.record.radioName.str(), "");
    EXPECT_TRUE(window.banner);
}

TEST_F(OpenHopTest, TheCommandLineHopOpensAsModifyOldHopDoes) {
    writeFile(folder / "sub" / "LINK7.HOP", hopFileImage(test::makeTestHop()));
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
    writeFile(tokyo, hopFileImage(test::makeTestHop()));
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
    const std::string newer = R"({"version": 3})";
    openWithSites(newer);
    EXPECT_EQ(boxTexts(), std::vector<std::string>{
                              "The sites file LINK7.HOP.sites.json cannot be used: version 3: "
                              "written by a newer Korvel; this one reads version 2\nThe hop opens "
                              "without its sites; the file is kept."});
    EXPECT_EQ(shell.currentPageId(), 104);
    EXPECT_FALSE(session.sites.stations[0]);
    // over the hop's own file, without a dialog
    command(Command::Save);
    EXPECT_EQ(test::readFileText(folder / "sub" / "LINK7.HOP.sites.json"), newer);
}

TEST_F(HopSitesTest, WhatTheSitesOfferIsAskedInOneQuestionAndTakenOnlyOnYes) {
    const HopRecord before = test::makeTestHop().record;
    const auto reopen = [&](MessageAnswer answer) {
        messages.scriptAnswer(MessageAnswer::No); // "Save current data ?"
        command(Command::New);
        messages.clear();
        messages.scriptAnswer(answer);
        openWithSites(sitesFileText(sites));
    };
    // Only the length differs: 37.3 km from station 1. No is the default.
    sites.stations[1] = SitePosition{60.30, 24.35, 85.0};
    openWithSites(sitesFileText(sites));
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"The sites give other values than the hop:\n"
                                                   "Hop length 37.3 km (the hop has 40.0 km)\n"
                                                   "Take them into the hop?"});
    EXPECT_EQ(session.hop.record.hopLengthKm, 40.0);

    // Across the equator and the prime meridian: the centre at 0.1 S 0.05 W cuts to 0 S 0 W,
    // and the station heights come from the ground to the tenth of a metre.
    sites.stations[0] = SitePosition{-0.30, -0.25, 12.34};
    sites.stations[1] = SitePosition{0.10, 0.15, -3.0};
    reopen(MessageAnswer::No);
    EXPECT_EQ(boxTexts(), std::vector<std::string>{
                              "The sites give other values than the hop:\n"
                              "Hop length 62.8 km (the hop has 40.0 km)\n"
                              "Latitude 0 S (the hop has 60 N)\nLongitude 0 W (the hop has 24 E)\n"
                              "Station heights 12.3 m and -3.0 m (the hop has 120.0 m and 85.0 m)\n"
                              "Take them into the hop?"});
    EXPECT_EQ(session.hop.record.latitudeDeg, before.latitudeDeg);
    EXPECT_EQ(session.hop.record.station2HeightM, before.station2HeightM);

    reopen(MessageAnswer::Yes);
    const HopRecord& taken = session.hop.record;
    EXPECT_NEAR(taken.hopLengthKm, 62.8, 1e-9);
    EXPECT_EQ(taken.latitudeDeg, 0.0);
    EXPECT_EQ(taken.northSouth, NorthSouth::South);
    EXPECT_EQ(taken.longitudeDeg, 0.0);
    EXPECT_EQ(taken.eastWest, EastWest::West);
    EXPECT_NEAR(taken.station1HeightM, 12.3, 1e-9);
    EXPECT_NEAR(taken.station2HeightM, -3.0, 1e-9);
}

} // namespace
} // namespace korvel
