#include "platform/elevation_module.h"

#include <dlfcn.h>
#include <system_error>

namespace korvel {

namespace {

constexpr const char* kEntryName = "korvel_open_elevation_model";
using Entry = decltype(&korvel_open_elevation_model);

// Where the running program is: the module sits beside it in a build tree, and under its install
// prefix at the same place relative to it wherever the prefix was moved.
std::vector<std::filesystem::path> installedModuleFiles() {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    const auto folder = program.parent_path();
    return {folder / KORVEL_ELEVATION_MODULE,
            (folder / KORVEL_ELEVATION_MODULE_FROM_PROGRAM / KORVEL_ELEVATION_MODULE)
                .lexically_normal()};
}

std::string lookedFor(const std::vector<std::filesystem::path>& moduleFiles) {
    std::string list;
    for (const auto& file : moduleFiles) {
        list += (list.empty() ? "" : ", ") + file.string();
    }
    return list;
}

} // namespace

ElevationModelOpening openElevationModel(const std::vector<std::filesystem::path>& files) {
    return openElevationModel(files, installedModuleFiles());
}

ElevationModelOpening openElevationModel(const std::vector<std::filesystem::path>& files,
                                         const std::vector<std::filesystem::path>& moduleFiles) {
    const std::string cannot = "cannot read elevation models: ";
    for (const auto& moduleFile : moduleFiles) {
        std::error_code error;
        if (!std::filesystem::exists(moduleFile, error)) {
            continue;
        }
        // Loaded for the rest of the run: the models it opens keep their code there.
        void* module = ::dlopen(moduleFile.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            return {nullptr, cannot + ::dlerror()};
        }
        const auto entry = reinterpret_cast<Entry>(::dlsym(module, kEntryName));
        if (entry == nullptr) {
            return {nullptr, cannot + moduleFile.string() + " lacks " + kEntryName};
        }
        ElevationModelOpening opening;
        entry(files, opening);
        return opening;
    }
    return {nullptr, cannot + "the module " KORVEL_ELEVATION_MODULE " is missing (looked for " +
                         lookedFor(moduleFiles) + ")"};
}

} // namespace korvel
