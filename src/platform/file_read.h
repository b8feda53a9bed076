#pragma once
// Reading a file in one place, beside the safe replace that writes files. Only regular files are
// read: a FIFO, a device or a folder is refused before anything is read from it (the open does
// not wait for a writer), and no read goes past what the caller's format can hold.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace korvel {

// The most a text input (a JSON source, a scenario, a profile) may hold.
inline constexpr std::size_t kTextInputLimit = 16 * 1024 * 1024;

enum class FileReadStatus { Read, NotFound, NotRegular, TooLarge, ReadError };

struct FileBytes {
    FileReadStatus status = FileReadStatus::ReadError;
    std::vector<std::uint8_t> bytes; // with Read only

    explicit operator bool() const { return status == FileReadStatus::Read; }
};

// What to do with a regular file longer than the limit.
enum class BeyondLimit {
    Ignore, // the first `limit` bytes are the file (a binary layout followed by anything)
    Refuse, // TooLarge
};

// At most `limit` bytes of `file` from its start; a shorter file gives fewer bytes.
FileBytes readRegularFile(const std::filesystem::path& file, std::size_t limit, BeyondLimit beyond);

// Whether `file` (a link followed) is a regular file, without opening it.
bool isRegularFile(const std::filesystem::path& file);

// Why a read failed, in a few words: "cannot read", "not a regular file", "too large".
std::string fileReadProblem(FileReadStatus status);

} // namespace korvel
