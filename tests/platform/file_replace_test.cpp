#include <sys/stat.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/file_replace.h"
#include "support/temp_folder.h"

namespace korvel {
namespace {

namespace fs = std::filesystem;
using test::readFileText;

std::vector<std::uint8_t> bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

class FileReplace : public ::testing::Test {
  protected:
    std::size_t entries() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()));
    }

    test::TempFolder folder;
};

// Through a link: the file it names gets the new contents and keeps its permissions.
TEST_F(FileReplace, ExistingFileKeepsItsPermissionsAndItsLink) {
    const fs::path file = folder / "real.ROU";
    const fs::path link = folder / "link.ROU";
    const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    test::writeFile(file, "old contents that are longer");
    fs::permissions(file, perms);
    fs::create_symlink(file, link);
    EXPECT_EQ(replaceFileContents(link, bytes("new")), FileWriteResult::Written);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFileText(file), "new");
    EXPECT_EQ(fs::status(file).permissions(), perms);
    EXPECT_EQ(entries(), 2u); // no temporary file left beside them
}

// Mended: the temporary name of a name near the folder's limit was too long to be made.
TEST_F(FileReplace, NewFileOfTheLongestNameGetsTheUsualPermissions) {
    const fs::path file = folder / std::string(255, 'h');
    const mode_t mask = ::umask(022);
    EXPECT_EQ(replaceFileContents(file, bytes("hop")), FileWriteResult::Written);
    ::umask(mask);
    EXPECT_EQ(readFileText(file), "hop");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write |
                                                  fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(entries(), 1u);
}

TEST_F(FileReplace, FailuresLeaveTheTargetAndNoTemporary) {
    const fs::path busy = folder / "BUSY.HOP";
    fs::create_directory(busy);
    EXPECT_EQ(replaceFileContents(busy, bytes("hop")), FileWriteResult::CannotOpen);
    EXPECT_EQ(replaceFileContents(folder / "gone" / "LINK.HOP", bytes("hop")),
              FileWriteResult::CannotOpen);
    EXPECT_TRUE(fs::is_directory(busy));
    EXPECT_EQ(entries(), 1u);
}

// Mended: a FIFO, or a device behind a link, was replaced by a regular file.
TEST_F(FileReplace, NeverReplacesWhatIsNotARegularFile) {
    const fs::path pipe = folder / "PIPE.kml";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fs::create_symlink(pipe, folder / "to-pipe.kml");
    fs::create_symlink("/dev/null", folder / "to-null.kml");
    for (const char* name : {"PIPE.kml", "to-pipe.kml", "to-null.kml"}) {
        EXPECT_EQ(replaceFileContents(folder / name, bytes("<kml/>")), FileWriteResult::CannotOpen)
            << name;
    }
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(entries(), 3u);
}

} // namespace
} // namespace korvel
