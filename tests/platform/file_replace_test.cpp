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
using test::writeFile;

class FileReplace : public ::testing::Test {
  protected:
    static std::vector<std::uint8_t> bytes(const std::string& text) {
        return {text.begin(), text.end()};
    }
    std::size_t entries() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()));
    }

    test::TempFolder folder;
};

TEST_F(FileReplace, ExistingFileGetsNewContentsAndKeepsItsPermissions) {
    const fs::path file = folder / "LINK.HOP";
    writeFile(file, "old contents that are longer");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(replaceFileContents(file, bytes("new")), FileWriteResult::Written);
    EXPECT_EQ(readFileText(file), "new");
    EXPECT_EQ(fs::status(file).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(entries(), 1u); // no temporary file left beside it
}

// Mended: the temporary name of a name near the folder's limit was too long to be made.
TEST_F(FileReplace, NameOfTheLongestLengthIsWritten) {
    const fs::path file = folder / std::string(255, 'h');
    EXPECT_EQ(replaceFileContents(file, bytes("hop")), FileWriteResult::Written);
    EXPECT_EQ(readFileText(file), "hop");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(FileReplace, LinkKeepsPointingAtTheReplacedFile) {
    const fs::path file = folder / "real.ROU";
    const fs::path link = folder / "link.ROU";
    writeFile(file, "old");
    fs::create_symlink(file, link);
    EXPECT_EQ(replaceFileContents(link, bytes("new")), FileWriteResult::Written);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFileText(file), "new");
}

TEST_F(FileReplace, NewFileIsCreatedWithTheUsualPermissions) {
    const fs::path file = folder / "NEW.ROU";
    const mode_t mask = ::umask(022);
    EXPECT_EQ(replaceFileContents(file, bytes("route")), FileWriteResult::Written);
    ::umask(mask);
    EXPECT_EQ(readFileText(file), "route");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write |
                                                  fs::perms::group_read | fs::perms::others_read);
}

TEST_F(FileReplace, FailedRenameLeavesTheTargetAndNoTemporary) {
    const fs::path target = folder / "BUSY.HOP";
    fs::create_directory(target); // nothing can be renamed over a folder
    EXPECT_EQ(replaceFileContents(target, bytes("hop")), FileWriteResult::CannotWrite);
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(entries(), 1u);
}

TEST_F(FileReplace, MissingFolderCannotBeOpened) {
    EXPECT_EQ(replaceFileContents(folder / "gone" / "LINK.HOP", bytes("hop")),
              FileWriteResult::CannotOpen);
    EXPECT_EQ(entries(), 0u);
}

} // namespace
} // namespace korvel
