// The one guarded read: regular files only, never blocking on a FIFO, never past the limit.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/file_read.h"
#include "support/temp_folder.h"

namespace korvel {
namespace {

class FileRead : public ::testing::Test {
  protected:
    test::TempFolder folder_;
};

TEST_F(FileRead, ALimitCutsOrRefusesALongerFile) {
    test::writeFile(folder_ / "ten", std::string_view("0123456789"));
    const FileBytes cut = readRegularFile(folder_ / "ten", 4, BeyondLimit::Ignore);
    ASSERT_TRUE(cut);
    EXPECT_EQ(std::string(cut.bytes.begin(), cut.bytes.end()), "0123");
    EXPECT_EQ(readRegularFile(folder_ / "ten", 9, BeyondLimit::Refuse).status,
              FileReadStatus::TooLarge);
    const FileBytes whole = readRegularFile(folder_ / "ten", 10, BeyondLimit::Refuse);
    EXPECT_TRUE(whole && whole.bytes.size() == 10);
    EXPECT_TRUE(readRegularFile(folder_ / "ten", 0, BeyondLimit::Ignore));
}

// Mended: a FIFO named as an input blocked the read for ever, and /dev/zero was read without
// bound; a folder read as an empty file.
TEST_F(FileRead, WhatIsNotARegularFileIsRefusedWithoutReading) {
    ASSERT_EQ(::mkfifo((folder_ / "pipe").c_str(), 0600), 0);
    std::filesystem::create_directory(folder_ / "dir");
    std::filesystem::create_symlink("/dev/zero", folder_ / "zero");
    for (const char* name : {"pipe", "dir", "zero"}) {
        EXPECT_EQ(readRegularFile(folder_ / name, kTextInputLimit, BeyondLimit::Refuse).status,
                  FileReadStatus::NotRegular)
            << name;
        EXPECT_FALSE(isRegularFile(folder_ / name)) << name;
    }
    EXPECT_EQ(readRegularFile("/dev/zero", 682, BeyondLimit::Ignore).status,
              FileReadStatus::NotRegular);
    EXPECT_EQ(fileReadProblem(FileReadStatus::NotRegular), "not a regular file");
}

TEST_F(FileRead, AMissingFileIsNotFoundAndALinkToAFileIsRead) {
    EXPECT_EQ(readRegularFile(folder_ / "none", 10, BeyondLimit::Ignore).status,
              FileReadStatus::NotFound);
    EXPECT_EQ(fileReadProblem(FileReadStatus::NotFound), "cannot read");
    test::writeFile(folder_ / "file", std::string_view("x"));
    std::filesystem::create_symlink(folder_ / "file", folder_ / "link");
    EXPECT_TRUE(isRegularFile(folder_ / "link"));
    EXPECT_TRUE(readRegularFile(folder_ / "link", 10, BeyondLimit::Refuse));
}

} // namespace
} // namespace korvel
