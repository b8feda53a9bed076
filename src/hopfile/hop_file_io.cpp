// Reading and writing hop files on disk. A write replaces the file in one step, so a failure
// never leaves half a hop behind.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <string>

#include "hopfile/hop_file.h"
#include "hopfile/library_checks.h"

namespace korvel {

namespace {

// Closes the descriptor when the scope ends.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    [[nodiscard]] int get() const { return fd_; }
    [[nodiscard]] bool valid() const { return fd_ >= 0; }
    // Closes now and tells whether the data reached the file system.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

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

// Writes `image` to a new file beside `target`, with `mode`, and renames it over `target`.
bool replaceFile(const std::filesystem::path& target, std::span<const std::uint8_t> image,
                 mode_t mode) {
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::string hiddenName = target.filename().string();
    hiddenName.insert(hiddenName.begin(), '.');
    hiddenName.append(".XXXXXX"); // mkstemp's pattern
    std::string temporary = (folder / hiddenName).string();
    FileDescriptor out(::mkstemp(temporary.data()));
    if (!out.valid()) {
        return false;
    }
    const bool written = ::fchmod(out.get(), mode) == 0 && writeAll(out.get(), image) &&
                         ::fsync(out.get()) == 0 && out.close() &&
                         std::rename(temporary.c_str(), target.c_str()) == 0;
    if (!written) {
        ::unlink(temporary.c_str());
        return false;
    }
    // Makes the rename itself durable; some file systems cannot sync a folder, and the hop is
    // complete on disk either way.
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY));
    if (directory.valid()) {
        ::fsync(directory.get());
    }
    return true;
}

void copyStoredParts(const StoredHop& stored, HopState& hop) {
    hop.record = stored.record;
    hop.results = stored.results;
    HopSelection& selection = hop.selection;
    selection.radioIndex = stored.selection.radioIndex;
    selection.antennaIndex = stored.selection.antennaIndex;
    selection.feederIndex = stored.selection.feederIndex;
    selection.userDiameter = stored.selection.userDiameter;
    selection.userGain = stored.selection.userGain;
    selection.userFeederLoss = stored.selection.userFeederLoss;
    selection.branchingLossSet = stored.selection.branchingLossSet;
    selection.ptxChoice = stored.selection.ptxChoice;
    selection.prxthChoice = stored.selection.prxthChoice;
    selection.otherBerExponent = stored.selection.otherBerExponent;
    selection.otherPtxText = stored.selection.otherPtxText;
    selection.otherPrxthText = stored.selection.otherPrxthText;
}

void showCannotOpen(Messages& messages, const std::string& name) {
    messages.show("Cannot open " + name, kAppCaption, MessageIcon::None, MessageButtons::Ok);
}

void warn(Messages& messages, const std::string& text) {
    messages.beep();
    messages.show(text, kAppCaption, MessageIcon::Exclamation, MessageButtons::Ok);
}

} // namespace

bool writeHopFile(const HopState& hop, const std::filesystem::path& file,
                  std::string& currentHopFileName, Messages& messages) {
    const std::string name = file.string();
    // The writer never creates a hop file: the Save dialog or the route made it.
    FileDescriptor existing(::open(file.c_str(), O_RDWR));
    struct stat status {};
    if (!existing.valid() || ::fstat(existing.get(), &status) != 0) {
        showCannotOpen(messages, name);
        currentHopFileName.clear();
        return false;
    }
    existing.close();
    std::error_code error;
    // A link keeps pointing at the hop: the file it names is the one replaced.
    const std::filesystem::path target = std::filesystem::canonical(file, error);
    if (error || !replaceFile(target, hopFileImage(hop), status.st_mode & 07777)) {
        messages.show("Cannot write " + name, kAppCaption, MessageIcon::None, MessageButtons::Ok);
        currentHopFileName.clear();
        return false;
    }
    return true;
}

bool readHopFile(HopState& hop, const EquipmentLibrary& library, const std::filesystem::path& file,
                 Messages& messages) {
    const std::string name = file.string();
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
        showCannotOpen(messages, name);
        return false;
    }
    // Bytes after the hop are not part of it.
    std::vector<std::uint8_t> image(kHopFileSize);
    stream.read(reinterpret_cast<char*>(image.data()), static_cast<std::streamsize>(image.size()));
    image.resize(static_cast<std::size_t>(stream.gcount()));

    StoredHop stored;
    if (stream.bad() || parseHopImage(image, stored) != HopParseError::None) {
        warn(messages, "Error while opening " + name + ". It is not a valid Korvel file.");
        return false;
    }
    if (stored.version == HopFileVersion::SixteenBit) {
        warn(messages, "The file " + name + " is created with 16-bit version of Korvel.\n" +
                           " When saved, it will be converted to 32-bit format.");
    }
    copyStoredParts(stored, hop);
    if (!checkRadio(hop, library, messages)) {
        return false;
    }
    checkAntennas(hop, library, messages);
    checkFeeders(hop, library, messages);
    return true;
}

} // namespace korvel
