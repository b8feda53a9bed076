#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "hopfile/hop_file.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"
#include "support/test_hop.h"
#include "support/test_library.h"

namespace korvel {
namespace fs = std::filesystem;
namespace {

using Bytes = std::vector<std::uint8_t>;

HopState fromStored(const StoredHop& stored) {
    HopState hop;
    hop.record = stored.record;
    hop.results = stored.results;
    hop.selection = stored.selection;
    return hop;
}

TEST(HopImage, FieldsSitAtTheirOffsets) {
    HopState hop = test::makeTestHop();
    hop.selection.branchingLossSet = 0x12345; // only the low 16 bits are stored
    Bytes image = hopFileImage(hop);
    ASSERT_EQ(image.size(), kHopFileSize);
    const auto i16 = [&](std::size_t at) {
        return static_cast<std::int16_t>(image[at] | (image[at + 1] << 8));
    };
    const auto f64 = [&](std::size_t at) {
        double value = 0; // the host is little-endian like the file
        std::memcpy(&value, &image[at], sizeof value);
        return value;
    };
    constexpr std::size_t kRecord = kRecordBlock;
    constexpr std::size_t kResults = 522;
    EXPECT_EQ(std::string(image.begin(), image.begin() + 6), std::string("HVRA6\0", 6));
    EXPECT_EQ(i16(8), 2);                // antennaIndex 0
    EXPECT_EQ(i16(34), 0x2345);          // branchingLossSet
    EXPECT_EQ(i16(36), 1009);            // ptxChoice
    EXPECT_EQ(image[42], '2');           // otherPtxText
    EXPECT_EQ(image[kRecord + 40], 'M'); // radioName
    EXPECT_EQ(f64(kRecord + 64), 7.5);
    EXPECT_EQ(i16(kRecord + 88), -6);
    EXPECT_EQ(image[kRecord + 112], 'N'); // modeText
    EXPECT_EQ(f64(kRecord + 144), 12.5);
    EXPECT_EQ(i16(kRecord + 194), 1139);
    EXPECT_EQ(image[kRecord + 231], 'H'); // station2Name
    EXPECT_EQ(f64(kRecord + 256), 120.0);
    EXPECT_EQ(f64(kRecord + 416), 0.0);
    EXPECT_EQ(i16(kRecord + 424), 2000);
    EXPECT_EQ(f64(kRecord + 432), 30.0);
    EXPECT_EQ(f64(kResults), 0.7);
    EXPECT_EQ(f64(kResults + 152), 0.0031);
    for (const auto& [offset, size] : kRecordPadding) {
        for (std::size_t i = 0; i < size; ++i) {
            EXPECT_EQ(image[kRecord + offset + i], 0) << "padding at " << offset + i;
        }
    }
    image[34] = image[35] = 0xFF;
    StoredHop stored;
    ASSERT_EQ(parseHopImage(image, stored), HopParseError::None);
    EXPECT_EQ(stored.selection.branchingLossSet, -1);
}

// Both layouts, and either with bytes after it, parse to the hop that writes the same image;
// the 16-bit writer packs the record.
TEST(HopImage, BothLayoutsReadIntoTheSameHop) {
    const Bytes image = hopFileImage(test::makeTestHop());
    const Bytes old = sixteenBitImage(test::makeTestHop());
    ASSERT_EQ(old.size(), kOldHopFileSize);
    EXPECT_EQ(hopFileImage(test::makeTestHop(), HopFileVersion::SixteenBit), old);
    Bytes longer = old;
    longer.insert(longer.end(), 100, 0xCC);
    for (const auto& [bytes, version] :
         {std::pair{image, HopFileVersion::Current}, std::pair{old, HopFileVersion::SixteenBit},
          std::pair{longer, HopFileVersion::SixteenBit}}) {
        StoredHop stored;
        ASSERT_EQ(parseHopImage(bytes, stored), HopParseError::None);
        EXPECT_EQ(stored.version, version);
        EXPECT_EQ(hopFileImage(fromStored(stored)), image);
    }
}

TEST(HopImage, DefaultExtensionOnlyWithoutADotInTheLastComponent) {
    for (const char* name : {"link1.hop", "link1.", "hops/link1.old", ".link"}) {
        EXPECT_EQ(appendDefaultExtension(name, ".HOP"), name);
    }
    for (const std::string name : {"link1", "site.v2/link1", "site.v2\\link1", "a:link1", ""}) {
        EXPECT_EQ(appendDefaultExtension(name, ".HOP"), name + ".HOP");
    }
}

class HopFileOnDisk : public testing::Test {
  protected:
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_.path()), {}));
    }

    test::TempFolder folder_;
    fs::path file_ = folder_ / "link1.hop";
    std::string currentName_ = "link1.hop";
    EquipmentLibrary library_ = makeTestLibrary();
    RecordingMessages messages_;
};

TEST_F(HopFileOnDisk, SavedHopReplacesALongerFileAndReadsBackBitForBit) {
    test::writeFile(file_, Bytes(2000, 0x55));
    const HopState hop = test::makeTestHop();
    ASSERT_TRUE(writeHopFile(hop, file_, currentName_, messages_));
    EXPECT_EQ(test::readFileBytes(file_), hopFileImage(hop));
    EXPECT_EQ(entries(), 1u);
    EXPECT_EQ(currentName_, "link1.hop");

    HopState back; // what the file does not store stays as it was
    back.selection.feederTable = 4;
    back.selection.otherRadio = true;
    ASSERT_TRUE(readHopFile(back, library_, file_, messages_));
    EXPECT_TRUE(messages_.events().empty());
    EXPECT_EQ(hopFileImage(back), hopFileImage(hop));
    EXPECT_EQ(back.selection.feederTable, 4);
    EXPECT_TRUE(back.selection.otherRadio);
}

// The writer never creates a file. A file size limit makes the write fail after the file was
// opened, even for root: the old file stays whole.
TEST_F(HopFileOnDisk, FailedWritesAreReportedAndForgetTheName) {
    EXPECT_FALSE(writeHopFile(test::makeTestHop(), file_, currentName_, messages_));
    EXPECT_TRUE(currentName_.empty() && entries() == 0u);
    HopState old = test::makeTestHop();
    old.record.info.assign("the old hop");
    test::writeFile(file_, hopFileImage(old));
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limit = saved;
    limit.rlim_cur = 100;
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    currentName_ = "link1.hop";
    const bool written = writeHopFile(test::makeTestHop(), file_, currentName_, messages_);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    EXPECT_FALSE(written);
    EXPECT_TRUE(currentName_.empty());
    const auto events = messages_.events(); // no beeps
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].text, "Cannot open " + file_.string());
    EXPECT_EQ(events[0].caption, "Korvel");
    EXPECT_EQ(events[1].text, "Cannot write " + file_.string());
    EXPECT_EQ(test::readFileBytes(file_), hopFileImage(old));
    EXPECT_EQ(entries(), 1u) << "no temporary file left behind";
}

// Not a hop file, or shorter than its layout: refused, and the hop in memory stays as it was.
TEST_F(HopFileOnDisk, RefusedFilesLeaveTheHopAsItWas) {
    const struct {
        const char* name;
        bool sixteenBit;
        std::size_t size;
        int at; // a byte to spoil, or -1
        HopParseError error;
    } cases[] = {{"Empty", false, 0, -1, HopParseError::WrongMagic},
                 {"SixthByteNotNul", false, kHopFileSize, 5, HopParseError::WrongMagic},
                 {"RouteFileMagic", false, kHopFileSize, 0, HopParseError::WrongMagic},
                 {"OneByteShort", false, kHopFileSize - 1, -1, HopParseError::TooShort},
                 {"MagicOnly", false, 6, -1, HopParseError::TooShort},
                 {"SixteenBitOneByteShort", true, kOldHopFileSize - 1, -1, HopParseError::TooShort},
                 {"SixteenBitMagicAndThreeBytes", true, 9, -1, HopParseError::TooShort}};
    HopState hop = test::makeTestHop();
    hop.record.info.assign("in memory");
    const Bytes before = hopFileImage(hop);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes bytes =
            c.sixteenBit ? sixteenBitImage(test::makeTestHop()) : hopFileImage(test::makeTestHop());
        bytes.resize(c.size);
        if (c.at >= 0) {
            bytes[static_cast<std::size_t>(c.at)] = 'R';
        }
        StoredHop stored;
        stored.record.info.assign("untouched");
        EXPECT_EQ(parseHopImage(bytes, stored), c.error);
        EXPECT_EQ(stored.record.info.view(), "untouched");
        test::writeFile(file_, bytes);
        RecordingMessages messages;
        EXPECT_FALSE(readHopFile(hop, library_, file_, messages));
        expectWarning(messages,
                      "Error while opening " + file_.string() + ". It is not a valid Korvel file.");
        EXPECT_EQ(hopFileImage(hop), before);
    }
    fs::remove(file_);
    // Mended: a FIFO named as a hop blocked the read for ever.
    ASSERT_EQ(::mkfifo((folder_ / "pipe.HOP").c_str(), 0600), 0);
    for (const auto& [unopened, reason] : {std::pair{file_, ""},
                                           {folder_.path(), ": not a regular file."},
                                           {folder_ / "pipe.HOP", ": not a regular file."}}) {
        RecordingMessages messages;
        EXPECT_FALSE(readHopFile(hop, library_, unopened, messages));
        ASSERT_EQ(messages.events().size(), 1u); // no beep
        EXPECT_EQ(messages.events()[0].text, "Cannot open " + unopened.string() + reason);
        EXPECT_EQ(hopFileImage(hop), before);
    }
}

TEST_F(HopFileOnDisk, RadioGoneFailsAfterTheHopWasReplaced) {
    HopState saved = test::makeTestHop();
    saved.record.radioName.assign("RETIRED 1");
    test::writeFile(file_, hopFileImage(saved));
    HopState hop;
    EXPECT_FALSE(readHopFile(hop, library_, file_, messages_));
    EXPECT_EQ(hop.record.radioName.view(), "RETIRED 1");
    EXPECT_EQ(messages_.boxes().size(), 1u);
}

// A 16-bit file is noted first; its record is read as the current layout's.
TEST_F(HopFileOnDisk, ChecksRunInOrderAfterTheReadAndChoicesAreKeptAsRead) {
    HopState saved = test::makeTestHop();
    saved.selection.radioIndex = 1;       // the radio moved
    saved.record.antenna1DiameterM = 1.9; // not in the library
    saved.record.frequencyGHz = 7.0;      // no feeders
    saved.selection.ptxChoice = 999;      // outside their ranges
    saved.selection.prxthChoice = -7;
    test::writeFile(file_, sixteenBitImage(saved));
    HopState hop;
    ASSERT_TRUE(readHopFile(hop, library_, file_, messages_));
    EXPECT_EQ(hop.selection.radioIndex, 0);
    const auto boxes = messages_.boxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, "The file " + file_.string() +
                                 " is created with 16-bit version of Korvel.\n When saved, it "
                                 "will be converted to 32-bit format.");
    EXPECT_TRUE(boxes[1].text.ends_with(" Station1 "));
    EXPECT_TRUE(boxes[2].text.ends_with("optimization should not be used."));
    EXPECT_EQ(hop.selection.userDiameter[kAntenna1], 1);
    EXPECT_EQ(hop.selection.userFeederLoss, (std::array<std::int16_t, 2>{1, 1}));
    EXPECT_EQ(hop.selection.ptxChoice, 999);
    EXPECT_EQ(hop.selection.prxthChoice, -7);
}

} // namespace
} // namespace korvel
