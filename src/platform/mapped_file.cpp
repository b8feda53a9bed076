#include "platform/mapped_file.h"

#include "platform/file_descriptor.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvel {

std::unique_ptr<MappedFile> MappedFile::open(const std::filesystem::path& file) {
    const FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.valid()) {
        return nullptr;
    }
    struct stat status {};
    void* address = MAP_FAILED;
    std::size_t size = 0;
    if (::fstat(fd.get(), &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
        size = static_cast<std::size_t>(status.st_size);
        address = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd.get(), 0);
    }
    if (address == MAP_FAILED) {
        return nullptr;
    }
    return std::make_unique<MappedFile>(address, size);
}

MappedFile::~MappedFile() {
    ::munmap(const_cast<void*>(address_), size_);
}

} // namespace korvel
