// Opening a hop or a route in the desktop program and saving it without an edit gives the bytes
// of the file as read: every example, every hop and route fixture, and a hop whose texts fill
// their fields. A 16-bit file is converted (with its notice): it must give the bytes of the hop
// as read in the current layout.

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "hopfile/hop_file.h"
#include "route/route_file.h"
#include "route/route_hop_status.h"
#include "route/route_open.h"
#include "route/route_record.h"
#include "support/temp_folder.h"
#include "ui/old_files_dialog.h"
#include "ui/results_basis.h"
#include "ui/route_screen_page.h"
#include "ui/start_panel.h"
#include "ui/ui_fixture.h"

namespace korvel {
namespace {

namespace fs = std::filesystem;

const fs::path kSampleData = fs::path(KORVEL_BINARY_DIR) / "data";
const fs::path kSeeds = fs::path(KORVEL_SOURCE_DIR) / "fuzz" / "seeds";

std::vector<fs::path> filesIn(const fs::path& folder, std::string_view extension) {
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        std::string name = entry.path().extension().string();
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (name == extension) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// "same" or where the bytes first differ, which is what a failure needs to say.
std::string comparison(const std::vector<std::uint8_t>& saved,
                       const std::vector<std::uint8_t>& expected) {
    if (saved == expected) {
        return "same";
    }
    std::size_t at = 0;
    while (at < saved.size() && at < expected.size() && saved[at] == expected[at]) {
        ++at;
    }
    return "sizes " + std::to_string(saved.size()) + " and " + std::to_string(expected.size()) +
           ", first difference at byte " + std::to_string(at);
}

class OpenSaveTest : public UiTest {
  public:
    void SetUp() override {
        fs::copy_file(kSampleData / "korvel32.lbr", folder / "korvel32.lbr",
                      fs::copy_options::overwrite_existing);
        UiTest::SetUp();
        // Values outside their normal limits are confirmed, as a planner saving them would.
        for (int i = 0; i < 20; ++i) {
            dialogs.answer(DialogId::ListDialog, {}, {kOkButton});
        }
    }

    // The bytes the hop file should hold after an unedited save: the file itself, unless reading
    // it announced a change (the conversion of a 16-bit file, a repair against the library);
    // then the hop as read, in the current layout. Results its data no longer gives are saved
    // calculated again.
    struct ExpectedHop {
        std::vector<std::uint8_t> bytes;
        bool announced = false;
        bool resultsOutOfDate = false;
    };
    std::vector<std::uint8_t> inputsOf(const fs::path& file) {
        HopState hop;
        RecordingMessages notices;
        EXPECT_TRUE(readHopFile(hop, session.library, file, notices));
        return resultsInputs(hop);
    }
    ExpectedHop expectedHop(const fs::path& file) {
        HopState hop;
        RecordingMessages notices;
        EXPECT_TRUE(readHopFile(hop, session.library, file, notices));
        const bool outOfDate =
            hopFileResultsState(file, session.library) == StoredResultsState::OutOfDate;
        if (notices.events().empty()) {
            return {test::readFileBytes(file), false, outOfDate};
        }
        return {hopFileImage(hop), true, outOfDate};
    }

    // New, then MODIFY OLD HOP on the start panel, then Save on the Basics page over the same
    // file; then Save again from the Form page, which must change nothing either, unless the
    // file's equipment did not match the library (the page shows the library's values).
    std::vector<std::uint8_t> openAndSave(const fs::path& original, bool fromFormToo) {
        const std::string name = original.filename().string();
        fs::copy_file(original, folder / name, fs::copy_options::overwrite_existing);
        newHop();
        choose(name);
        click(kModifyOldHopButton);
        deliverPosted();
        EXPECT_EQ(shell.currentPageId(), kBasicsPageId);
        command(Command::Save); // over the hop's own file, without a dialog
        const std::vector<std::uint8_t> fromBasics = test::readFileBytes(folder / name);
        if (!fromFormToo) {
            return fromBasics;
        }
        command(Command::FormPage);
        EXPECT_EQ(shell.currentPageId(), kFormPageId);
        command(Command::Save);
        EXPECT_EQ(comparison(test::readFileBytes(folder / name), fromBasics), "same")
            << "saved again from the Form page";
        return fromBasics;
    }
    void newHop() {
        messages.scriptAnswer(MessageAnswer::No);
        command(Command::New);
        messages.clear();
    }
    // The library the next files were made with, read as New reads it.
    void useLibrary(const std::vector<std::uint8_t>& image) {
        test::writeFile(folder / "korvel32.lbr", image);
        newHop();
    }

    // A route file names its own folder, and opening it sums its hops' outages from their files:
    // the route as opened from where it now lies, in the current layout.
    std::vector<std::uint8_t> expectedRoute(const fs::path& file) {
        RouteState route;
        RecordingMessages ignored;
        EXPECT_TRUE(openRoute(route, session.library, file, ignored));
        return routeFileImage(route.record);
    }

    // New, then MODIFY OLD ROUTE, then HopCalc, which writes the route file over itself. The
    // hop files beside the route keep their own radio and basic data.
    std::string openAndCalculate(const fs::path& original) {
        for (const fs::path& hop : filesIn(original.parent_path(), ".hop")) {
            fs::copy_file(hop, folder / hop.filename(), fs::copy_options::overwrite_existing);
        }
        const fs::path copy = folder / original.filename();
        fs::copy_file(original, copy, fs::copy_options::overwrite_existing);
        // The route lives where it was opened: its directory field follows it.
        const std::vector<std::uint8_t> expected = expectedRoute(copy);
        newHop();
        files.answers.push_back(ChosenFile{copy.string(), copy.filename().string()});
        click(kModifyOldRouteButton);
        deliverPosted();
        EXPECT_EQ(shell.currentPageId(), kRouteScreenId);
        dialogs.answer(DialogId::OldFiles, {}, {kRadioDataTick, kBasicDataTick, kContinueButton});
        click(kHopCalcButton);
        deliverPosted();
        return comparison(test::readFileBytes(copy), expected);
    }

    // A hop made by a tool with every text as long as its field holds.
    fs::path fullTextsHop() {
        HopState hop;
        RecordingMessages ignored;
        EXPECT_TRUE(readHopFile(hop, session.library, kSampleData / "hops" / "LINK7.HOP", ignored));
        hop.record.info.assign(std::string(39, 'I'));
        hop.record.station1Name.assign("Station one, full name 1");
        hop.record.station2Name.assign("Station two, full name 2");
        test::writeFile(folder / "source" / "FULLTEXT.HOP", hopFileImage(hop));
        return folder / "source" / "FULLTEXT.HOP";
    }
};

// Fixed: a hop whose information (39 characters) and station names (24) filled their fields lost
// characters when opened and saved without an edit; unedited numbers were read back from their
// rounded display.
TEST_F(OpenSaveTest, AnUneditedHopOrRouteIsSavedAsItWasRead) {
    fs::create_directories(folder / "source");
    std::vector<fs::path> hops = filesIn(kSampleData / "hops", ".hop");
    for (const fs::path& file : filesIn(kSampleData / "route", ".hop")) {
        hops.push_back(file);
    }
    hops.push_back(fullTextsHop());
    std::vector<fs::path> routes = filesIn(kSampleData / "route", ".rou");
    for (const fs::path& file : filesIn(kSeeds / "route", ".rou")) {
        routes.push_back(file);
    }
    const std::vector<fs::path> hopSeeds = filesIn(kSeeds / "hopfile", ".hop");
    ASSERT_GE(hops.size() + routes.size() + hopSeeds.size(), 16u);
    const auto openAndSaveAll = [this](const std::vector<fs::path>& hopFiles,
                                       const std::vector<fs::path>& routeFiles) {
        for (const fs::path& file : hopFiles) {
            SCOPED_TRACE(file.string());
            const ExpectedHop expected = expectedHop(file);
            const std::vector<std::uint8_t> saved = openAndSave(file, !expected.announced);
            if (expected.resultsOutOfDate) {
                const fs::path copy = folder / file.filename();
                EXPECT_EQ(hopFileResultsState(copy, session.library), StoredResultsState::Current);
                EXPECT_EQ(inputsOf(copy), inputsOf(file));
                continue;
            }
            EXPECT_EQ(comparison(saved, expected.bytes), "same");
        }
        for (const fs::path& file : routeFiles) {
            SCOPED_TRACE(file.string());
            EXPECT_EQ(openAndCalculate(file), "same");
        }
    };
    openAndSaveAll(hops, routes);
    // The hop seeds of the fuzz targets were made against the test library.
    useLibrary(libraryImage(makeTestLibrary()));
    openAndSaveAll(hopSeeds, {});
}

} // namespace
} // namespace korvel
