#pragma once
// Reading the members of a zip archive held in memory (an archive read from a file, or a member
// of another archive). Sizes are checked before anything is unpacked, so an archive that claims
// or unpacks more than the caller allows is refused instead of filling the memory.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace korvel {

struct ZipMember {
    std::string name;       // path inside the archive, as stored
    std::uint64_t size = 0; // unpacked size the archive declares
    bool isFolder = false;
};

enum class ZipReadStatus { Read, TooLarge, Damaged };

struct ZipMemberBytes {
    ZipReadStatus status = ZipReadStatus::Damaged;
    std::vector<std::uint8_t> bytes; // with Read only
};

class ZipArchive {
  public:
    virtual ~ZipArchive() = default;
    [[nodiscard]] virtual const std::vector<ZipMember>& members() const = 0;
    // The unpacked bytes of member `index`: TooLarge when it declares or unpacks more than
    // `limit` bytes, Damaged when its data is cut short or fails its checksum.
    virtual ZipMemberBytes read(std::size_t index, std::uint64_t limit) = 0;
};

struct ZipOpening {
    std::unique_ptr<ZipArchive> archive; // null after `error`
    std::string error;                   // "not a zip archive", "damaged or cut short"
};

// Opens the archive held in `bytes`, which it keeps.
ZipOpening openZipArchive(std::vector<std::uint8_t> bytes);

// Whether `bytes` start as a zip archive does (a local header or an empty archive's end record).
bool looksLikeZip(std::span<const std::uint8_t> bytes);

} // namespace korvel
