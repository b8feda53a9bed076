#pragma once
// A regular file mapped read-only into memory, for caches read far more often than written:
// opening costs no copy, and the pages come in as they are touched.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>

namespace korvel {

class MappedFile {
  public:
    // Null when the file is missing, not regular, empty or cannot be mapped.
    static std::unique_ptr<MappedFile> open(const std::filesystem::path& file);

    MappedFile(const void* address, std::size_t size) : address_(address), size_(size) {}
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    ~MappedFile();

    [[nodiscard]] std::span<const std::uint8_t> bytes() const {
        return {static_cast<const std::uint8_t*>(address_), size_};
    }

  private:
    const void* address_;
    std::size_t size_;
};

} // namespace korvel
