#include "library/library_location.h"

#include <string>
#include <system_error>

#include "library/library_file.h"

namespace korvel {

std::filesystem::path findLibraryFile(const std::filesystem::path& explicitFile) {
    if (!explicitFile.empty()) {
        return explicitFile;
    }
    const std::filesystem::path local{std::string(kLibraryFileName)};
    std::error_code error;
    if (std::filesystem::exists(local, error)) {
        return local;
    }
    const std::filesystem::path installed{KORVEL_INSTALLED_LIBRARY};
    if (std::filesystem::exists(installed, error)) {
        return installed;
    }
    // A program run where it was built: the sample library beside it in the build tree.
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path built =
        (program.parent_path() / KORVEL_BUILD_TREE_LIBRARY_FROM_PROGRAM).lexically_normal();
    if (!error && std::filesystem::exists(built, error)) {
        return built;
    }
    return installed;
}

} // namespace korvel
