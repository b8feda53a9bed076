#include "platform/file_read.h"

#include "platform/file_descriptor.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvel {

namespace {

// Reads until `want` bytes or the end, in steps, so that a limit far above the file's size
// costs nothing; false on an error.
bool readUpTo(int fd, std::vector<std::uint8_t>& bytes, std::size_t want, std::size_t sizeHint) {
    constexpr std::size_t kStep = 64 * 1024;
    std::size_t have = 0;
    // A size known from fstat sizes the buffer; zero (a /proc file) says nothing.
    bytes.resize(std::min(want, sizeHint > 0 ? sizeHint + 1 : kStep));
    while (have < want) {
        if (have == bytes.size()) {
            bytes.resize(std::min(want, have + std::max(have, kStep)));
        }
        const ssize_t got = ::read(fd, bytes.data() + have, bytes.size() - have);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            break;
        }
        have += static_cast<std::size_t>(got);
        // A regular file's read falls short only at its end: no second call to learn it.
        if (sizeHint > 0 && have >= sizeHint && have < bytes.size()) {
            break;
        }
    }
    bytes.resize(have);
    return true;
}

} // namespace

FileBytes readRegularFile(const std::filesystem::path& file, std::size_t limit,
                          BeyondLimit beyond) {
    // Non-blocking, so that a FIFO without a writer cannot hold the open.
    const FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        return {errno == ENOENT || errno == ENOTDIR ? FileReadStatus::NotFound
                                                    : FileReadStatus::ReadError,
                {}};
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        return {FileReadStatus::ReadError, {}};
    }
    if (!S_ISREG(info.st_mode)) {
        return {FileReadStatus::NotRegular, {}};
    }
    const auto size = static_cast<std::size_t>(info.st_size);
    if (beyond == BeyondLimit::Refuse && size > limit) {
        return {FileReadStatus::TooLarge, {}};
    }
    // One byte past the limit tells a file that grew since the fstat.
    const bool refuseGrowth = beyond == BeyondLimit::Refuse && limit < SIZE_MAX;
    FileBytes result{FileReadStatus::Read, {}};
    if (!readUpTo(fd.get(), result.bytes, refuseGrowth ? limit + 1 : limit, size)) {
        return {FileReadStatus::ReadError, {}};
    }
    if (result.bytes.size() > limit) {
        return {FileReadStatus::TooLarge, {}};
    }
    return result;
}

bool isRegularFile(const std::filesystem::path& file) {
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string fileReadProblem(FileReadStatus status) {
    switch (status) {
    case FileReadStatus::NotRegular:
        return "not a regular file";
    case FileReadStatus::TooLarge:
        return "too large";
    case FileReadStatus::Read:
    case FileReadStatus::NotFound:
    case FileReadStatus::ReadError:
        break;
    }
    return "cannot read";
}

} // namespace korvel
