#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "hopfile/hop_file.h"
#include "hopfile/test_hop.h"
#include "library/test_library.h"
#include "platform/recording_messages.h"

namespace korvel {
namespace fs = std::filesystem;
namespace {

const std::string kSixteenBitNote = " is created with 16-bit version of Korvel.\n When saved, it "
                                    "will be converted to 32-bit format.";

class HopFileOnDisk : public testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  (std::string("korvel-hopfile-") + std::to_string(::getpid()) + "-" +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        file_ = folder_ / "link1.hop";
    }
    void TearDown() override { fs::remove_all(folder_); }

    static void put(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    static std::vector<std::uint8_t> contents(const fs::path& file) {
        std::ifstream stream(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    }
    std::vector<fs::path> folderEntries() const {
        return {fs::directory_iterator(folder_), fs::directory_iterator()};
    }
    const MessageEvent& onlyBox() const {
        const auto boxes = messages_.boxes();
        EXPECT_EQ(boxes.size(), 1u);
        return messages_.events().back();
    }

    fs::path folder_;
    fs::path file_;
    std::string currentName_ = "link1.hop";
    EquipmentLibrary library_ = makeTestLibrary();
    RecordingMessages messages_;
};

TEST_F(HopFileOnDisk, SavedHopReadsBackBitForBit) {
    put(file_, {});
    const HopState hop = makeTestHop();
    ASSERT_TRUE(writeHopFile(hop, file_, currentName_, messages_));
    EXPECT_EQ(fs::file_size(file_), kHopFileSize);
    EXPECT_EQ(currentName_, "link1.hop");

    HopState back;
    back.selection.feederTable = 4;
    back.selection.feederRow = 0;
    back.selection.otherRadio = true;
    ASSERT_TRUE(readHopFile(back, library_, file_, messages_));
    EXPECT_TRUE(messages_.events().empty());
    EXPECT_EQ(hopFileImage(back), hopFileImage(hop));
    // What the file does not store stays as it was.
    EXPECT_EQ(back.selection.feederTable, 4);
    EXPECT_EQ(back.selection.feederRow, 0);
    EXPECT_TRUE(back.selection.otherRadio);
}

TEST_F(HopFileOnDisk, WriteReplacesALongerFileWithTheHopAlone) {
    put(file_, std::vector<std::uint8_t>(2000, 0x55));
    ASSERT_TRUE(writeHopFile(makeTestHop(), file_, currentName_, messages_));
    EXPECT_EQ(contents(file_), hopFileImage(makeTestHop()));
    EXPECT_EQ(folderEntries().size(), 1u);
}

TEST_F(HopFileOnDisk, WriteKeepsPermissionsAndLinks) {
    const fs::path target = folder_ / "real.hop";
    put(target, {});
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(target, file_);
    ASSERT_TRUE(writeHopFile(makeTestHop(), file_, currentName_, messages_));
    EXPECT_TRUE(fs::is_symlink(file_));
    EXPECT_EQ(contents(target), hopFileImage(makeTestHop()));
    EXPECT_EQ(fs::status(target).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(HopFileOnDisk, WriteNeverCreatesAFile) {
    EXPECT_FALSE(writeHopFile(makeTestHop(), file_, currentName_, messages_));
    const MessageEvent& box = onlyBox();
    EXPECT_EQ(box.text, "Cannot open " + file_.string());
    EXPECT_EQ(box.caption, "Korvel");
    EXPECT_EQ(box.buttons, MessageButtons::Ok);
    EXPECT_TRUE(currentName_.empty());
    EXPECT_TRUE(folderEntries().empty());
}

// A file size limit makes the write fail after the file was opened, even for root.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(HopFileOnDisk, FailedWriteKeepsTheOldFileWhole) {
    HopState old = makeTestHop();
    old.record.info.assign("the old hop");
    put(file_, hopFileImage(old));
    {
        const FileSizeLimit limit(100);
        EXPECT_FALSE(writeHopFile(makeTestHop(), file_, currentName_, messages_));
    }
    EXPECT_EQ(onlyBox().text, "Cannot write " + file_.string());
    EXPECT_TRUE(currentName_.empty());
    EXPECT_EQ(contents(file_), hopFileImage(old));
    EXPECT_EQ(folderEntries().size(), 1u) << "no temporary file left behind";
}

TEST_F(HopFileOnDisk, MissingFileLeavesTheHopUntouched) {
    HopState hop = makeTestHop();
    EXPECT_FALSE(readHopFile(hop, library_, file_, messages_));
    EXPECT_EQ(onlyBox().text, "Cannot open " + file_.string());
    EXPECT_EQ(messages_.beepCount(), 0u);
    EXPECT_EQ(hopFileImage(hop), hopFileImage(makeTestHop()));
}

struct NotAHop {
    const char* name;
    std::vector<std::uint8_t> (*make)();
};

class NotAHopFile : public testing::TestWithParam<NotAHop> {};

TEST_P(NotAHopFile, IsRefusedAndLeavesTheHopAsItWas) {
    const fs::path file =
        fs::temp_directory_path() / (std::string("korvel-not-a-hop-") + GetParam().name + ".hop");
    {
        const std::vector<std::uint8_t> bytes = GetParam().make();
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    HopState hop = makeTestHop();
    hop.record.info.assign("in memory");
    const std::vector<std::uint8_t> before = hopFileImage(hop);
    RecordingMessages messages;
    EXPECT_FALSE(readHopFile(hop, makeTestLibrary(), file, messages));
    fs::remove(file);
    ASSERT_EQ(messages.events().size(), 2u);
    EXPECT_EQ(messages.events()[0].kind, MessageEvent::Kind::Beep);
    EXPECT_EQ(messages.events()[1].text,
              "Error while opening " + file.string() + ". It is not a valid Korvel file.");
    EXPECT_EQ(messages.events()[1].icon, MessageIcon::Exclamation);
    EXPECT_EQ(hopFileImage(hop), before);
}

std::vector<std::uint8_t> sixteenBitMagicOnly() {
    return {'H', 'V', 'R', 'A', '5', 0, 1, 2, 3};
}

INSTANTIATE_TEST_SUITE_P(Files, NotAHopFile,
                         testing::Values(NotAHop{"Empty",
                                                 [] { return std::vector<std::uint8_t>{}; }},
                                         NotAHop{"RouteFile",
                                                 [] {
                                                     auto image = hopFileImage(makeTestHop());
                                                     image[0] = 'R';
                                                     return image;
                                                 }},
                                         NotAHop{"OneByteShort",
                                                 [] {
                                                     auto image = hopFileImage(makeTestHop());
                                                     image.pop_back();
                                                     return image;
                                                 }},
                                         NotAHop{"SixteenBitTruncated", sixteenBitMagicOnly}),
                         [](const testing::TestParamInfo<NotAHop>& testCase) {
                             return std::string(testCase.param.name);
                         });

TEST_F(HopFileOnDisk, SixteenBitFileIsNotedReadAndSavedInTheCurrentLayout) {
    put(file_, sixteenBitImage(makeTestHop()));
    HopState hop;
    ASSERT_TRUE(readHopFile(hop, library_, file_, messages_));
    ASSERT_EQ(messages_.events().size(), 2u);
    EXPECT_EQ(messages_.events()[0].kind, MessageEvent::Kind::Beep);
    EXPECT_EQ(messages_.events()[1].text, "The file " + file_.string() + kSixteenBitNote);
    EXPECT_EQ(messages_.events()[1].icon, MessageIcon::Exclamation);
    EXPECT_EQ(hopFileImage(hop), hopFileImage(makeTestHop()));

    ASSERT_TRUE(writeHopFile(hop, file_, currentName_, messages_));
    EXPECT_EQ(contents(file_), hopFileImage(makeTestHop()));
}

TEST_F(HopFileOnDisk, RadioGoneFailsAfterTheHopWasReplaced) {
    HopState saved = makeTestHop();
    saved.record.radioName.assign("RETIRED 1");
    put(file_, hopFileImage(saved));
    HopState hop;
    EXPECT_FALSE(readHopFile(hop, library_, file_, messages_));
    EXPECT_EQ(hop.record.radioName.view(), "RETIRED 1");
    EXPECT_EQ(messages_.boxes().size(), 1u);
}

TEST_F(HopFileOnDisk, ChecksRunInOrderAfterTheRead) {
    HopState saved = makeTestHop();
    saved.selection.radioIndex = 1;       // the radio moved
    saved.record.antenna1DiameterM = 1.9; // not in the library
    saved.record.frequencyGHz = 7.0;      // no feeders
    put(file_, hopFileImage(saved));
    HopState hop;
    ASSERT_TRUE(readHopFile(hop, library_, file_, messages_));
    EXPECT_EQ(hop.selection.radioIndex, 0);
    const auto boxes = messages_.boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(boxes[0].text.ends_with(" Station1 "));
    EXPECT_TRUE(boxes[1].text.ends_with("optimization should not be used."));
    EXPECT_EQ(hop.selection.userDiameter[kAntenna1], 1);
    EXPECT_EQ(hop.selection.userFeederLoss, (std::array<std::int16_t, 2>{1, 1}));
}

TEST_F(HopFileOnDisk, ChoicesOutsideTheirRangesAreKeptAsRead) {
    HopState saved = makeTestHop();
    saved.selection.ptxChoice = 999;
    saved.selection.prxthChoice = -7;
    put(file_, hopFileImage(saved));
    HopState hop;
    ASSERT_TRUE(readHopFile(hop, library_, file_, messages_));
    EXPECT_EQ(hop.selection.ptxChoice, 999);
    EXPECT_EQ(hop.selection.prxthChoice, -7);
}

} // namespace
} // namespace korvel
