#include "platform/shared_object_check.h"

#include <elf.h>

#include <bit>
#include <cstdint>
#include <span>

#include "platform/file_read.h"

namespace korvel {

namespace {

// Little-endian unsigned field of `size` bytes at `offset`; the caller has checked the bounds.
std::uint64_t field(std::span<const std::uint8_t> bytes, std::uint64_t offset, int size) {
    std::uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value =
            (value << 8u) | bytes[static_cast<std::size_t>(offset) + static_cast<std::size_t>(i)];
    }
    return value;
}

// Whether `count` entries of `entrySize` bytes from `offset` lie within `size` bytes.
bool tableFits(std::uint64_t offset, std::uint64_t count, std::uint64_t entrySize,
               std::uint64_t size) {
    return offset <= size && count * entrySize <= size - offset;
}

std::optional<std::string> headerFault(std::span<const std::uint8_t> bytes) {
    constexpr std::uint64_t kHeaderBytes = sizeof(Elf64_Ehdr);
    const bool elf = bytes.size() >= kHeaderBytes && bytes[EI_MAG0] == ELFMAG0 &&
                     bytes[EI_MAG1] == ELFMAG1 && bytes[EI_MAG2] == ELFMAG2 &&
                     bytes[EI_MAG3] == ELFMAG3;
    if (!elf || bytes[EI_CLASS] != ELFCLASS64 || bytes[EI_DATA] != ELFDATA2LSB ||
        field(bytes, 16, 2) != ET_DYN) {
        return "not an ELF shared object of this machine";
    }
    const std::uint64_t size = bytes.size();
    const std::uint64_t programTable = field(bytes, 32, 8);
    const std::uint64_t sectionTable = field(bytes, 40, 8);
    const std::uint64_t programEntry = field(bytes, 54, 2);
    const std::uint64_t programCount = field(bytes, 56, 2);
    const std::uint64_t sectionEntry = field(bytes, 58, 2);
    const std::uint64_t sectionCount = field(bytes, 60, 2);
    if (programEntry < sizeof(Elf64_Phdr) ||
        !tableFits(programTable, programCount, programEntry, size) ||
        !tableFits(sectionTable, sectionCount, sectionEntry, size)) {
        return "cut short: its header tables run past its end";
    }
    for (std::uint64_t i = 0; i < programCount; ++i) {
        const std::uint64_t entry = programTable + i * programEntry;
        const std::uint64_t offset = field(bytes, entry + 8, 8);
        const std::uint64_t fileBytes = field(bytes, entry + 32, 8);
        if (field(bytes, entry, 4) == PT_LOAD && !tableFits(offset, 1, fileBytes, size)) {
            return "cut short: a part to load runs past its end";
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> sharedObjectFault(const std::filesystem::path& file) {
    // The check knows 64-bit little-endian objects; elsewhere the loader alone judges.
    if constexpr (std::endian::native != std::endian::little || sizeof(void*) != 8) {
        return std::nullopt;
    }
    const FileBytes read = readRegularFile(file, kSharedObjectMaxBytes, BeyondLimit::Refuse);
    if (!read) {
        return fileReadProblem(read.status);
    }
    return headerFault(read.bytes);
}

} // namespace korvel
