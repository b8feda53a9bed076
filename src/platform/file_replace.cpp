#include "platform/file_replace.h"

#include "platform/file_descriptor.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <system_error>

namespace korvel {
namespace {

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// The permissions a file created now would get.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

} // namespace

FileWriteResult replaceFileContents(const std::filesystem::path& file,
                                    std::span<const std::uint8_t> bytes) {
    std::filesystem::path target = file;
    mode_t mode = newFileMode();
    struct stat status {};
    if (::stat(file.c_str(), &status) == 0) {
        // A FIFO, a device or a folder, itself or behind a link, is never replaced by a file.
        if (!S_ISREG(status.st_mode)) {
            return FileWriteResult::CannotOpen;
        }
        std::error_code error;
        target = std::filesystem::canonical(file, error);
        if (error) {
            return FileWriteResult::CannotOpen;
        }
        mode = status.st_mode & 07777;
    }
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    // "." + name + ".XXXXXX" (mkstemp's pattern), the name cut so that the whole stays within
    // the longest name the folder allows: a name near that limit must still save.
    constexpr std::size_t kPatternBytes = 8;
    std::string hiddenName = target.filename().string();
    const long nameMax = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    const std::size_t longest = nameMax > 0 ? static_cast<std::size_t>(nameMax) : 255;
    if (hiddenName.size() + kPatternBytes > longest) {
        hiddenName.resize(longest - kPatternBytes);
    }
    hiddenName.insert(hiddenName.begin(), '.');
    hiddenName.append(".XXXXXX");
    std::string temporary = (folder / hiddenName).string();
    FileDescriptor out(::mkstemp(temporary.data()));
    if (!out.valid()) {
        return FileWriteResult::CannotOpen;
    }
    const bool written = ::fchmod(out.get(), mode) == 0 && writeAll(out.get(), bytes) &&
                         ::fsync(out.get()) == 0 && out.close() &&
                         std::rename(temporary.c_str(), target.c_str()) == 0;
    if (!written) {
        ::unlink(temporary.c_str());
        return FileWriteResult::CannotWrite;
    }
    // Makes the rename itself durable; some file systems cannot sync a folder, and the file is
    // complete on disk either way.
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY));
    if (directory.valid()) {
        ::fsync(directory.get());
    }
    return FileWriteResult::Written;
}

} // namespace korvel
