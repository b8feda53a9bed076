#include "platform/elevation_module.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <system_error>

#include "platform/shared_object_check.h"

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

// The rasters a folder holds, by name, as a planner keeps a folder of tiles.
constexpr std::array kRasterExtensions{".tif", ".tiff", ".hgt", ".vrt", ".asc", ".img",
                                       ".dt0", ".dt1",  ".dt2", ".bil", ".flt"};

bool looksLikeRaster(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    std::ranges::transform(extension, extension.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return std::ranges::find(kRasterExtensions, extension) != kRasterExtensions.end();
}

// The rasters in `folder`, sorted by name; empty with `error` set when it holds none.
std::vector<std::filesystem::path> folderRasters(const std::filesystem::path& folder,
                                                 std::string& error) {
    std::vector<std::filesystem::path> rasters;
    std::error_code failure;
    for (const auto& entry : std::filesystem::directory_iterator(folder, failure)) {
        std::error_code kind;
        if (entry.is_regular_file(kind) && looksLikeRaster(entry.path())) {
            rasters.push_back(std::filesystem::absolute(entry.path(), kind));
        }
    }
    std::ranges::sort(rasters);
    if (failure) {
        error = folder.string() + ": the folder cannot be read";
    } else if (rasters.empty()) {
        error = folder.string() + ": the folder holds no elevation model (.tif, .hgt, .vrt, ...)";
    }
    return error.empty() ? rasters : std::vector<std::filesystem::path>{};
}

// The names GDAL is given for `files`: each an existing regular file, named by its absolute
// path so that no driver prefix ("MEM:::", "/vsizip/", "NETCDF:") can be read into it, or the
// rasters of a folder. Empty with `error` set otherwise.
std::vector<std::filesystem::path> checkedFiles(const std::vector<std::filesystem::path>& files,
                                                std::string& error) {
    std::vector<std::filesystem::path> checked;
    for (const auto& file : files) {
        const std::string name =
            (file.has_filename() ? file.filename().string() : file.string()) + ": ";
        struct stat status {};
        if (::stat(file.c_str(), &status) != 0) {
            error = name +
                    (errno == ENOENT || errno == ENOTDIR ? "the file is missing" : "cannot read");
            return {};
        }
        if (S_ISDIR(status.st_mode)) {
            const auto rasters = folderRasters(file, error);
            if (!error.empty()) {
                return {};
            }
            checked.insert(checked.end(), rasters.begin(), rasters.end());
            continue;
        }
        std::error_code failure;
        const auto absolute = std::filesystem::absolute(file, failure);
        if (!S_ISREG(status.st_mode) || failure || absolute.string().starts_with("/vsi")) {
            error = name + (S_ISREG(status.st_mode) ? "cannot read" : "not a regular file");
            return {};
        }
        checked.push_back(absolute);
    }
    return checked;
}

} // namespace

ElevationModelOpening openElevationModel(const std::vector<std::filesystem::path>& files,
                                         ElevationNames names) {
    return openElevationModel(files, installedModuleFiles(), names);
}

ElevationModelOpening openElevationModel(const std::vector<std::filesystem::path>& files,
                                         const std::vector<std::filesystem::path>& moduleFiles,
                                         ElevationNames names) {
    std::string refusal;
    const auto given = names == ElevationNames::AsGdalNames ? files : checkedFiles(files, refusal);
    if (!refusal.empty()) {
        return {nullptr, refusal};
    }
    const std::string cannot = "cannot read elevation models: ";
    for (const auto& moduleFile : moduleFiles) {
        std::error_code error;
        if (!std::filesystem::exists(moduleFile, error)) {
            continue;
        }
        if (const auto fault = sharedObjectFault(moduleFile)) {
            return {nullptr, cannot + moduleFile.string() + " is damaged (" + *fault +
                                 "); install Korvel again"};
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
        entry(given, opening);
        return opening;
    }
    return {nullptr, cannot + "the module " KORVEL_ELEVATION_MODULE " is missing (looked for " +
                         lookedFor(moduleFiles) + ")"};
}

} // namespace korvel
